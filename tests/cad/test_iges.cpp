// Pins the IGES writer: 80-column records and the section counts of the T record, the full
// circle parameters, subfigure definitions with dependent members, a rotated instance with
// its 124 matrix, the 64-column parameter split after the last comma, unknown block names,
// the decimals setting; each file is loaded by Open CASCADE without a failed check.
#include "cad/cad.h"
#include "cad/cadtest.h"
#include "cad/iges.h"
#include "cad/igescheck.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class IgesTest : public CadTest {
  protected:
    // Opens an IGES drawing named name.igs with limits 0 .. 100.
    void Open(const std::string& name) {
        path = File(name + ".igs");
        app.Cad.JobOutputBase = File(name);
        CadOpen(cx(), cdIges);
        ASSERT_EQ(app.State.AbortFlag, 0);
        CadSetLayer(cx(), 0);
        CadLimits(cx(), 0, 0, 100, 80);
    }
    std::vector<std::string> Close() {
        CadClose(cx());
        EXPECT_FALSE(app.Cad.WriteFailed);
        const auto lines = ReadCrLfLines(path);
        for (const auto& l : lines)
            EXPECT_EQ(l.size(), 80u) << l;
        return lines;
    }
    static std::vector<std::string> Section(const std::vector<std::string>& lines, char s) {
        std::vector<std::string> r;
        for (const auto& l : lines)
            if (l.size() == 80 && l[72] == s) r.push_back(l);
        return r;
    }
    static std::string Field(const std::string& record, int i) { // 1-based 8-column field
        std::string f = record.substr(static_cast<std::size_t>(8 * (i - 1)), 8);
        return f.substr(f.find_first_not_of(' ') == std::string::npos ? 8
                                                                      : f.find_first_not_of(' '));
    }
    std::string path;
};

} // namespace

TEST_F(IgesTest, OneLineFile) {
    Open("eins");
    CadLine(cx(), 0, 0, 10, 5);
    const auto lines = Close();
    ASSERT_EQ(lines.size(), 2u + 5u + 2u + 1u + 1u);
    EXPECT_EQ(Section(lines, 'S').size(), 2u);
    EXPECT_EQ(Section(lines, 'G').size(), 5u);
    EXPECT_EQ(lines.back(), "S0000002G0000005D0000002P0000001" + std::string(40, ' ') + "T0000001");
    EXPECT_EQ(lines[0].substr(72), "S0000001");
    EXPECT_EQ(lines[2].substr(0, 16), ",,4HFILE,4Heins,");
    EXPECT_EQ(lines[5].substr(0, 16), "13H240315.081107");
    EXPECT_NE(lines[5].find(",1.0D-8,100.000,"), std::string::npos);
    const auto d = Section(lines, 'D');
    EXPECT_EQ(Field(d[0], 1), "110");
    EXPECT_EQ(Field(d[0], 2), "1"); // parameter pointer
    EXPECT_EQ(Field(d[0], 5), "0"); // layer 0 has colour 7, which has no IGES colour
    EXPECT_EQ(Field(d[0], 9), "00000000");
    EXPECT_EQ(Field(d[1], 4), "1"); // one P record
    const auto p = Section(lines, 'P');
    EXPECT_EQ(p[0].substr(0, 64), "110,0.000,0.000,0.0,10.000,5.000,0.0;" + std::string(27, ' '));
    EXPECT_EQ(p[0].substr(64), "       1P0000001");
    const IgesCheck r = ExpectIgesLoads(path);
    EXPECT_EQ(r.Count(110), 1);
}

TEST_F(IgesTest, FullCircleArcAndSolid) {
    Open("kreis");
    CadSetLayer(cx(), 5);
    CadCircle(cx(), 10, 20, 5);
    CadArc(cx(), 0, 0, 0, 90, 10);
    CadArc(cx(), 0, 0, 0, 360, 3); // a full turn is a circle
    CadSolid(cx(), 0, 0, 1, 0, 0, 1, 1, 1);
    const auto lines = Close();
    const auto p = Section(lines, 'P');
    EXPECT_EQ(p[0].substr(0, 50), "100,0.0,10.000,20.000,15.000,20.000,15.000,20.000;");
    EXPECT_EQ(p[1].substr(0, 49), "100,0.0,0.000,0.000,10.000,0.000,0.000,10.000;   ");
    EXPECT_EQ(p[2].substr(0, 47), "100,0.0,0.000,0.000,3.000,0.000,3.000,0.000;   ");
    // The solid: first corner, then 4, 3, 2 and the first again, one record each.
    ASSERT_GE(p.size(), 8u);
    EXPECT_EQ(p[3].substr(0, 24), "106,1,5,0.0,0.000,0.000,");
    EXPECT_EQ(p[4].substr(0, 12), "1.000,1.000,");
    EXPECT_EQ(p[7].substr(0, 12), "0.000,0.000;");
    const auto d = Section(lines, 'D');
    EXPECT_EQ(Field(d[0], 7), "0");  // matrix field of the arc
    EXPECT_EQ(Field(d[0], 5), "2");  // layer 5 has colour 1, IGES colour 2
    EXPECT_EQ(Field(d[7], 5), "11"); // form of the closed path
    EXPECT_EQ(Field(d[7], 4), "5");  // five P records
    const IgesCheck r = ExpectIgesLoads(path);
    EXPECT_EQ(r.Count(100), 3);
    EXPECT_EQ(r.Count(106), 1);
}

TEST_F(IgesTest, SubfigureWithRotatedAndPlainInstances) {
    Open("block");
    CadBlocksBegin(cx());
    CadBlockBegin(cx(), "RAHMEN_LANG");
    CadLine(cx(), 0, 0, 1, 0);
    CadTextStyle(cx(), 2, 2.5L, 3.5L, 0);
    CadText(cx(), "Hallo", 1, 1);
    CadBlockEnd(cx());
    CadBlocksEnd(cx());
    CadEntitiesBegin(cx());
    CadInsert(cx(), "RAHMEN_LANG", 10, 20, 90, 1, 1);
    CadInsert(cx(), "RAHMEN_L", 5, 5, 0, 2, 2); // the first eight characters name it
    CadInsert(cx(), "ANDERS", 0, 0, 0, 1, 1);
    CadEntitiesEnd(cx());
    const auto lines = Close();
    EXPECT_EQ(std::string(app.Messages[1]), "Blockname ANDERS not found !");
    const auto d = Section(lines, 'D');
    ASSERT_EQ(d.size(), 12u); // line, note, 308, 124, 408, 408
    EXPECT_EQ(Field(d[0], 9), "00010000");
    EXPECT_EQ(Field(d[2], 9), "00010000");
    EXPECT_EQ(Field(d[4], 1), "308");
    EXPECT_EQ(Field(d[4], 9), "00000000");
    EXPECT_EQ(Field(d[5], 8), "RAHMEN_L");
    EXPECT_EQ(Field(d[6], 1), "124");
    EXPECT_EQ(Field(d[6], 9), "00010000");
    EXPECT_EQ(Field(d[8], 1), "408");
    EXPECT_EQ(Field(d[8], 7), "7"); // points to the 124 entity, D number 7
    EXPECT_EQ(Field(d[10], 7), "");
    const auto p = Section(lines, 'P');
    std::vector<std::string> text;
    for (const auto& r : p)
        text.push_back(r.substr(0, r.find_last_not_of(' ', 63) + 1));
    EXPECT_EQ(text[3], "308,0,8HRAHMEN_L,2,");
    EXPECT_EQ(text[4], "1,3;");
    EXPECT_EQ(text[5], "124,0.000000,-1.000000,0.0,10.000000,");
    EXPECT_EQ(text[6], "1.000000,0.000000,0.0,20.000000,");
    EXPECT_EQ(text[7], "0.0,0.0,1.0,0.0;");
    EXPECT_EQ(text[8], "408,5,0.0,0.0,0.0,1.0;");
    EXPECT_EQ(text[9], "408,5,5.000,5.000,0.0,1.0;");
    // The note: 5 characters, width 5 * 3.5 * (2.5 / 3.5), its text on its own record.
    EXPECT_EQ(text[1], "212,1,5,12.500,3.500,1,,0.000000,0,0,1.000,1.000,0.0,");
    EXPECT_EQ(text[2], "5HHallo;");
    const IgesCheck r = ExpectIgesLoads(path);
    EXPECT_EQ(r.Count(308), 1);
    EXPECT_EQ(r.Count(408), 2);
    EXPECT_EQ(r.Count(124), 1);
    EXPECT_EQ(r.Count(212), 1);
}

TEST_F(IgesTest, LongParameterStringsSplitAfterTheLastComma) {
    // 100 characters: the cut falls after the comma at column 60.
    const std::string s =
        std::string(59, '1') + "," + std::string(10, '2') + "," + std::string(28, '3') + ";";
    ASSERT_EQ(s.size(), 100u);
    const auto pieces = SplitParameters(s);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(59, '1') + ",");
    EXPECT_EQ(pieces[1], std::string(10, '2') + "," + std::string(28, '3') + ";");
    // Without a comma the cut is at 64.
    const auto plain = SplitParameters(std::string(100, 'x'));
    EXPECT_EQ(plain[0].size(), 64u);
    EXPECT_EQ(plain[1].size(), 36u);
    EXPECT_EQ(SplitParameters("").size(), 1u);
    // A comma inside a Hollerith text is no place to cut: blanks padded into the text would
    // change it for a reader (Open CASCADE refuses such a note).
    const std::string note = "10.0,60Hxx" + std::string(40, 'y') + ",zzzzzzzzzzzzzzzzz;";
    const auto n = SplitParameters(note);
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0], "10.0,");
    // A long note text in a file still loads.
    Open("lang");
    CadTextStyle(cx(), 2, 2, 2.5L, 30);
    CadText(cx(), "Ein langer Text, mit Kommas, der ueber mehr als vierundsechzig Zeichen geht", 10,
            10);
    Close();
    const IgesCheck r = ExpectIgesLoads(path);
    EXPECT_EQ(r.Count(212), 1);
}

TEST_F(IgesTest, DecimalsSettingAndColours) {
    app.Config.DecimalPlaces = 2;
    app.Config.LayerColors16to31[1] = 16;
    Open("zwei");
    CadSetLayer(cx(), 17);
    CadLine(cx(), 1.0 / 3, -1e-9L, 2, 2);
    const auto lines = Close();
    const auto p = Section(lines, 'P');
    EXPECT_EQ(p[0].substr(0, 32), "110,0.33,0.00,0.0,2.00,2.00,0.0;");
    EXPECT_EQ(Field(Section(lines, 'D')[1], 3), "1"); // colour 16, black
    EXPECT_EQ(IgesColour(1), 2);
    EXPECT_EQ(IgesColour(7), 0);
    EXPECT_EQ(IgesColour(15), 1);
    ExpectIgesLoads(path);
}
