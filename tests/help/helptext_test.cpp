// Pins the help entry rules: continuation lines n+1..n+4 in their places, the entry ended
// by the next multiple of 5, unnumbered continuation, the choice of help file by number,
// and the texts for a missing file or entry.
#include "help/helptext.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

class HelpTextTest : public ReportFixture {
  protected:
    void WriteQuorven(const std::string& text) { Write(dir + "quorven.hlp", text); }
};

TEST_F(HelpTextTest, ContinuationLinesTakeOnlyTheirOwnPlace) {
    WriteQuorven("1045\r\nvorher\r\n"
                 "1050:ausgabe\r\nAusgabe waehlen\r\n"
                 "1051\r\nzweite Zeile\r\n"
                 "1053\r\nfalscher Platz\r\n"
                 "1055\r\nnaechster Eintrag\r\n");
    const HelpEntry e = FindHelpEntry(app.Config, 1050);
    ASSERT_TRUE(e.found);
    EXPECT_EQ(e.picture, "ausgabe");
    EXPECT_EQ(e.lines[0], "Ausgabe waehlen");
    EXPECT_EQ(e.lines[1], "zweite Zeile");
    EXPECT_EQ(e.lines[2], ""); // the third place expects 1052
    EXPECT_EQ(e.lines[3], "");
    EXPECT_EQ(e.lines[4], "");
    EXPECT_EQ(FindHelpEntry(app.Config, 1055).lines[0], "naechster Eintrag");
}

TEST_F(HelpTextTest, UnnumberedLinesContinueAndAtMostFiveLinesAreTaken) {
    WriteQuorven("1100\nerste\nzweite\n1102\ndritte\nvierte\nfuenfte\nsechste\n");
    const HelpEntry e = FindHelpEntry(app.Config, 1100);
    EXPECT_EQ(e.picture, "NULL");
    EXPECT_EQ(e.lines[0], "erste");
    EXPECT_EQ(e.lines[1], "zweite");
    EXPECT_EQ(e.lines[2], "dritte");
    EXPECT_EQ(e.lines[3], "vierte");
    EXPECT_EQ(e.lines[4], "fuenfte");
}

TEST_F(HelpTextTest, TextLineBeginningWithANumberCountsAsNumberLine) {
    WriteQuorven("1200\nText von 1200\n1201 mm sind die Grenze\nnie gelesen\n");
    const HelpEntry e = FindHelpEntry(app.Config, 1200);
    // "1201 mm ..." is the number line 1201, so the line after it is the second text line.
    EXPECT_EQ(e.lines[1], "nie gelesen");
}

TEST_F(HelpTextTest, NumberSelectsTheHelpFile) {
    WriteQuorven("3990\naus quorven\n");
    Write(dir + "vak1.hlp", "4010\naus vak1\n3990\nfalsche Datei\n");
    EXPECT_EQ(FindHelpEntry(app.Config, 3990).lines[0], "aus quorven");
    EXPECT_EQ(FindHelpEntry(app.Config, 4010).lines[0], "aus vak1");
    EXPECT_EQ(HelpFilePath(app.Config, 3999), dir + "quorven.hlp");
    EXPECT_EQ(HelpFilePath(app.Config, 4000), dir + "vak1.hlp");
}

TEST_F(HelpTextTest, MissingFileAndMissingEntrySaySo) {
    HelpEntry e = FindHelpEntry(app.Config, 1050);
    EXPECT_FALSE(e.found);
    EXPECT_EQ(e.lines[0], "Datei " + dir + "quorven.hlp nicht gefunden !");
    EXPECT_EQ(e.picture, "null");
    WriteQuorven("1050\nda\n1060"); // a number line without its text ends the file
    e = FindHelpEntry(app.Config, 1060);
    EXPECT_FALSE(e.found);
    EXPECT_EQ(e.lines[0], "Hilfetext Nr 1060: keine Hilfe vorhanden.");
}

TEST_F(HelpTextTest, ShowHelpBoxJoinsLinesAndPictureHookGetsThePltFile) {
    WriteQuorven(cp850("1050:ausgabe\nAusgabe wählen\n1051\nzweite\n"));
    std::vector<std::string> pictures;
    app.State.HelpPicture = [&](App&, const std::string& f) { pictures.push_back(f); };
    ui.helpNumber = 1050; // the dialog shown last
    app.State.AbortFlag = 1;
    ShowHelp(Help(), 0, HelpMode::TextAndPicture);
    EXPECT_EQ(app.State.AbortFlag, 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, "HILFETEXT Nr.1050");
    EXPECT_EQ(ui.shown[0].prompt, "Ausgabe wählen zweite    ");
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0], dir + "ausgabe.plt");

    ShowHelp(Help(), 1070, HelpMode::PictureOnly); // no entry: "null.plt" is tried
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(pictures.back(), dir + "null.plt");

    WriteQuorven("1080\nohne Bild\n");
    ShowHelp(Help(), 1080, HelpMode::TextOnly);
    EXPECT_EQ(pictures.size(), 2u);
    ShowHelp(Help(), 1080, HelpMode::PictureOnly); // "NULL": the window is cleared, no file
    EXPECT_EQ(pictures.back(), "");
}

TEST_F(HelpTextTest, HelpTextJoinsWithSingleBlanks) {
    WriteQuorven("1570\nCAD-Verzeichnis\n1571\nfuer DXF-Dateien\n");
    EXPECT_EQ(HelpText(app.Config, 1570), "CAD-Verzeichnis fuer DXF-Dateien   ");
    EXPECT_EQ(HelpText(app.Config, 1575), "Hilfetext Nr 1575: keine Hilfe vorhanden.");
}

TEST_F(HelpTextTest, BrokenFilesNeverCrash) {
    const std::string full = "1050:bild\ntext\n1051\nzwei\n1052\ndrei\n1055\nnext\n";
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        WriteQuorven(full.substr(0, cut));
        const HelpEntry e = FindHelpEntry(app.Config, 1050);
        EXPECT_FALSE(e.lines[0].empty()) << cut;
    }
    WriteQuorven(std::string("\x00\xff\r\r\n::::\n9999999\n\n", 20));
    EXPECT_FALSE(FindHelpEntry(app.Config, 1050).found);
}

} // namespace
} // namespace vak1::test
