// Pins the help-picture interpreter: what each picture text puts into the display list
// (numbers compared to 1e-9 mm), the state kept from one picture to the next, and the
// message for a missing file.
#include <gtest/gtest.h>

#include "dialogs/dialogs.h"
#include "graphics/hpgl.h"
#include "settings/Settings.h"
#include "support/tempfolder.h"
#include "testing/ScriptedUi.h"
#include "text/parse.h"

using namespace vak1;

namespace {

std::vector<std::string> Split(const std::string& record) {
    std::vector<std::string> out;
    std::size_t start = 0, end;
    while ((end = record.find(';', start)) != std::string::npos &&
           !(out.size() == 3 && out[0] == "6")) {
        out.push_back(record.substr(start, end - start));
        start = end + 1;
    }
    out.push_back(record.substr(start));
    return out;
}

// Records equal, numbers within 1e-9.
bool SameRecord(const std::string& a, const std::string& b) {
    const auto fa = Split(a), fb = Split(b);
    if (fa.size() != fb.size()) return false;
    for (std::size_t i = 0; i < fa.size(); ++i) {
        const ParsedNumber x = ParseNumber(fa[i]), y = ParseNumber(fb[i]);
        if (x.valid && y.valid ? std::abs(x.value - y.value) > 1e-9L : fa[i] != fb[i]) return false;
    }
    return true;
}

std::vector<std::string> Draw(std::string_view text, HpglState& st) {
    GraphicsWindow g;
    DrawHpgl(g, st, text, false);
    return g.DisplayList.Texts();
}

std::string Joined(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& r : v)
        s += "[" + r + "] ";
    return s;
}

struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> records;
};

} // namespace

TEST(Hpgl, PictureTextsGiveTheseRecords) {
    const std::string etx = "\x03";
    const std::vector<Case> cases = {
        {"the current point starts at (-999, -999); SP alone is pen 1",
         "SP;PU;PD100,100;",
         {"8;12", "4;-999;-999;2.5;2.5"}},
        {"P and A inside numbers are skipped; pen 0 at program start",
         "PUPA4000,4000;PD4000,0;",
         {"8;0", "4;100;100;100;0"}},
        {"blanks and line ends inside numbers, lower-case mnemonics",
         "sp2;pu4 0,8\r\n0;pd0,0;",
         {"8;14", "4;1;2;0;0"}},
        {"malformed and empty numbers read as 0", "SP1;PU1x,40;PD,;", {"8;12", "4;0;1;0;0"}},
        {"runs of ';' and skipped mnemonics",
         ";;IN;SC0,100,0,100;;IW0,0,1,1;SP3;PU;PD40,0;",
         {"8;10", "4;-999;-999;1;0"}},
        {"a pair cut off by the end of the file is not drawn",
         "SP1;PU0,0;PD40,0,40,4",
         {"8;12", "4;0;0;1;0"}},
        {"character set 3: a} is the umlaut, } after other letters is dropped",
         "SP1;CS3;LBa}b}" + etx,
         {"8;12", "9;50;50;2;0",
          "6;-999;-999;\xe4"
          "b"}},
        {"other character sets keep }",
         "SP1;CS1;LBa}" + etx,
         {"8;12", "9;50;50;2;0", "6;-999;-999;a}"}},
        {"labels skip line ends, keep blanks, keep 254 characters (255 would show empty)",
         "SP1;SI0.1,0.2;DI0,1;LBa \r\nb" + std::string(300, 'c') + etx,
         {"8;12", "9;2;1;2;90", "6;-999;-999;a b" + std::string(251, 'c')}},
        {"AA clockwise from (1, 0) mm ends at (0, -1) mm",
         "SP1;PU40,0;PD;AA0,0,-90;PD0,-80;",
         {"8;12", "5;-1;-1;1;1;0;-1;1;0", "4;0;-1;0;-2"}},
        {"AA counter-clockwise, chord tolerance skipped",
         "SP1;PU40,0;PD;AA0,0,90,5;",
         {"8;12", "5;-1;-1;1;1;1;0;0;1"}},
        {"AA full turn is a circle; zero sweep draws nothing",
         "SP1;PU40,0;PD;AA0,0,360;AA0,0,0;",
         {"8;12", "3;0;0;1"}},
        {"AA with the pen up moves only", "SP1;PU40,0;AA0,0,90;PD0,80;", {"8;12", "4;0;1;0;2"}},
        {"CI around the current point", "SP5;PU40,40;CI80;", {"8;9", "3;1;1;2"}},
        {"PE seven-bit: pen up absolute, relative, pen select",
         "SP1;PE7<=OaOa_Pa:cOa_;",
         {"8;12", "4;1;1;1;0", "8;14", "4;1;0;2;0"}},
        {"PE eight-bit, fraction flag skipped",
         "SP1;PE>A<=O\xc0O\xc0\xbfP\xc0:\xc3O\xc0\xbf;",
         {"8;12", "4;1;1;1;0", "8;14", "4;1;0;2;0"}},
    };
    for (const auto& c : cases) {
        HpglState st;
        const auto got = Draw(c.text, st);
        bool same = got.size() == c.records.size();
        for (std::size_t i = 0; same && i < got.size(); ++i)
            same = SameRecord(got[i], c.records[i]);
        EXPECT_TRUE(same) << c.what << "\n got:  " << Joined(got)
                          << "\n want: " << Joined(c.records);
    }
}

TEST(Hpgl, PenSizeDirectionAndCharacterSetLastUntilTheNextPicture) {
    HpglState st;
    Draw("SP2;SI0.1,0.2;DI0,1;CS3;PU40,0;", st);
    EXPECT_EQ(Draw("LBu}\x03", st),
              (std::vector<std::string>{"8;14", "9;2;1;2;90", "6;-999;-999;\xfc"}));
    Draw("SI;DI;", st); // without numbers: the start values
    EXPECT_EQ(Draw("LBx\x03", st)[1], "9;50;50;2;0");
}

TEST(Hpgl, PensMapToColours) {
    const int pens[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 15};
    const int colours[] = {0, 12, 14, 10, 11, 9, 13, 15, 8, 15};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(PenColor(pens[i]), colours[i]) << pens[i];
}

TEST(Hpgl, MissingFileSaysSoWithoutBlanksAndCancels) {
    test::TempFolder folder;
    ScriptedUi ui;
    Settings s;
    uint8_t abort = 0;
    GraphicsWindow g;
    const DialogContext d{ui, s, abort};
    EXPECT_FALSE(ShowPicture(g, g.Hpgl, d, folder / "mein bild.plt"));
    EXPECT_EQ(abort, 1);
    EXPECT_TRUE(g.DisplayList.empty());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("meinbild.plt nicht gefunden !"), std::string::npos)
        << ui.Messages()[0];
}
