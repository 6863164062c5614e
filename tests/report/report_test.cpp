// Pins the result report: column layout of result lines, the decimal rule of tab-separated
// output, the blocks left out without positions or body length, the plain-character
// conversion of the Windows copy, the table cell fitting, and the unattended job.
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "app/startup.h"
#include "report/OutputDocument.h"
#include "report/resultreport.h"
#include "report/texttable.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

using ReportTest = ReportFixture;

TEST_F(ReportTest, ResultLineKeepsItsColumnsAndIsCutAtSeventyTwo) {
    const std::string line = ResultLineText("Masse", "m", "kg", "12.5");
    EXPECT_EQ(line.size(), 72u);
    EXPECT_EQ(line.substr(0, 5), "Masse");
    EXPECT_EQ(line.substr(34, 2), "m ");
    EXPECT_EQ(line.substr(43, 3), "kg ");
    EXPECT_EQ(line.substr(55, 5), "12.5 ");

    const std::string label(40, 'L');
    const std::string pushed = ResultLineText(label, "sym", "unit", "123456789");
    EXPECT_EQ(pushed.size(), 72u);
    EXPECT_EQ(pushed.substr(0, 40), label);
    EXPECT_EQ(pushed.substr(40, 3), "sym"); // pushed right by the long label
    EXPECT_EQ(pushed.substr(43, 4), "unit");
    EXPECT_EQ(pushed.substr(55), "123456789        ");

    const std::string longer(60, 'L');
    const std::string cut = ResultLineText(longer, "sym", "unit", "123456789");
    EXPECT_EQ(cut.size(), 72u);
    EXPECT_EQ(cut.substr(60), "symunit12345");
}

TEST_F(ReportTest, TabSeparatedValuesFollowExportDecimal) {
    app.Config.DecimalComma = DecimalSign::Comma;
    app.Config.ExportDecimal = DecimalSign::Point;
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odSpreadsheetTxt);
    WriteResultLine(Out(), "Masse", "m", "kg", "1,5");
    OutputClose(Out());
    EXPECT_NE(Read(dir + "$$$1.txt").find("Masse\tm\tkg\t1.5\r\n"), std::string::npos);

    app.Config.ExportDecimal = DecimalSign::Comma;
    OutputOpen(Out(), odSpreadsheetTxt);
    WriteResultLine(Out(), "Masse", "m", "kg", "1.5");
    OutputClose(Out());
    EXPECT_NE(Read(dir + "$$$2.txt").find("Masse\tm\tkg\t1,5\r\n"), std::string::npos);
}

TEST_F(ReportTest, WithoutPositionsTheContourBlockIsLeftOut) {
    app.Config.TextDevice = odDosFile;
    app.Project.ResetContour();
    CalcSection(app.Project, app.Messages, app.Config);
    app.Project.CalcError = 0; // an empty contour reports A = 0; the report must still run
    app.Messages.count = 0;
    ReportStandard(Out(), app.Project, app.Messages);
    const auto lines = Lines(Read(dir + "OUTDOS.TXT"));
    const std::string all = Read(dir + "OUTDOS.TXT");
    EXPECT_EQ(Count(all, "GEOMETRIE KONTUR"), 0);
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "       ")
        ++i; // the empty line after the header
    ASSERT_LT(i + 2, lines.size());
    EXPECT_EQ(lines[i + 1], "        ");
    EXPECT_EQ(lines[i + 2], "       ERGEBNISSE QUERSCHNITT");
}

// A 1 um square printed A = 0 and I = 0 as its results: values too small for the format's
// decimals keep their significant digits in the report and the excerpt (rounding noise below
// the floor of the section's size stays 0).
TEST_F(ReportTest, TinySectionKeepsItsDigits) {
    app.Config.TextDevice = odDosFile;
    app.Project.ResetContour();
    for (const TPosition& pos : {TPosition{0, 0, 0}, TPosition{1e-3L, 0, 0},
                                 TPosition{1e-3L, 1e-3L, 0}, TPosition{0, 1e-3L, 0}})
        app.Project.Positions.push_back(pos);
    CalcSection(app.Project, app.Messages, app.Config);
    ASSERT_EQ(app.Project.CalcError, 0);
    const TSectionResults& r = app.Project.R;
    ReportStandard(Out(), app.Project, app.Messages);
    const std::string standard = Read(dir + "OUTDOS.TXT");
    ReportExcerpt(Out(), app.Project);
    const std::string excerpt = Read(dir + "OUTDOS.TXT");
    for (const auto& [value, symbol] : {std::pair{r.A, "A "}, {r.IyS, "IyS "}, {r.I2, "I2 "}}) {
        const std::string text = FormatPowerOfTen(app.Config, value);
        EXPECT_NE(text.find_first_of("123456789"), std::string::npos) << text;
        const std::size_t at = standard.find(std::string("  ") + symbol);
        ASSERT_NE(at, std::string::npos) << symbol;
        const std::string line = standard.substr(at, standard.find('\r', at) - at);
        EXPECT_NE(line.find(" " + text), std::string::npos) << line;
    }
    EXPECT_NE(excerpt.find("A = " + FormatPowerOfTen(app.Config, r.A) + " "), std::string::npos)
        << excerpt;
    EXPECT_NE(excerpt.find("I2 = " + FormatPowerOfTen(app.Config, r.I2)), std::string::npos);
    EXPECT_NE(excerpt.find("Iyzs=0 "), std::string::npos) << excerpt;
}

TEST_F(ReportTest, WithoutBodyLengthTheBodyBlockIsLeftOut) {
    LoadLProfile();
    app.Project.lx = 0;
    CalcSection(app.Project, app.Messages, app.Config);
    app.Config.TextDevice = odDosFile;
    ReportStandard(Out(), app.Project, app.Messages);
    const std::string standard = Read(dir + "OUTDOS.TXT");
    EXPECT_EQ(Count(standard, "ERGEBNISSE QUERSCHNITT"), 1);
    EXPECT_EQ(Count(standard, cp850("ERGEBNISSE KÖRPER")), 0);
    ReportExcerpt(Out(), app.Project);
    const std::string excerpt = Read(dir + "OUTDOS.TXT");
    EXPECT_EQ(Count(excerpt, "Hauptfl"), 1);
    EXPECT_EQ(Count(excerpt, "V = "), 0);
    EXPECT_EQ(Count(excerpt, "Js = "), 0);
}

TEST_F(ReportTest, PlainCharactersReachWindowsProgramsAsAscii) {
    LoadLProfile();
    app.Config.PlainCharacters = UnitCharacters::Plain;
    app.Config.TextDevice = odDosFile;
    ReportStandard(Out(), app.Project, app.Messages);
    const std::string dos = Read(dir + "OUTDOS.TXT");
    const std::string win = Read(dir + "outwin.txt");
    EXPECT_NE(dos.find(cp850("Querschnittsfläche")), std::string::npos); // stays code page 850
    EXPECT_NE(win.find("Querschnittsflaeche"), std::string::npos);
    EXPECT_NE(win.find("kgm2"), std::string::npos);
    EXPECT_NE(dos.find("    phi de "), std::string::npos); // "deg" is cut to the column
    for (char c : win)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "non-ASCII byte";
}

TEST_F(ReportTest, TableCellsAreFittedToTheirColumns) {
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    app.Config.SeparatorStyle = 1;
    OutputOpen(Out(), odDosFile);
    TTextTable table(Out());
    table.Init({3, 12, 4, 0, 7, 0, 0}, {"  i", "       y mm", "langer Titel", "", "x", "", ""});
    table.AddRow({"1", "123456789012345", "ab", "", "", "", ""});
    table.Done();
    OutputClose(Out());
    const auto lines = Lines(Read(dir + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "       " + std::string(70, '='));
    EXPECT_EQ(lines[1], "         i       y mm lang "); // column 4 (width 0) ends the table
    EXPECT_EQ(lines[3], "       1  123456789012ab   ");
    EXPECT_EQ(lines[4], "       " + std::string(70, '-')); // row separator, no closing line
}

TEST_F(ReportTest, DegreeSignReachesWindowsProgramsAsDeg) {
    app.Config.PlainCharacters = UnitCharacters::Plain;
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odDosFile);
    WriteLine(Out(), cp850("Winkel 90°, Fläche 3 mm²"));
    OutputClose(Out());
    EXPECT_EQ(Read(dir + "outwin.txt"), "       Winkel 90deg, Flaeche 3 mm2\r\n");
}

TEST_F(ReportTest, FailedCalculationShowsMessagesAndWritesNothing) {
    app.Project.CalcError = 1;
    AddMessage(app.Messages, "Fatal  : A = 0 !");
    app.Config.TextDevice = odDosFile;
    ui.Push(ScriptedAnswer::Cancel());
    ReportStandard(Out(), app.Project, app.Messages);
    EXPECT_FALSE(FileExists(dir + "OUTDOS.TXT"));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "choice");
    EXPECT_EQ(ui.shown[0].lines.front(), "Fatal  : A = 0 !");

    EXPECT_FALSE(RunReportJob(Out(), app.Project, app.Messages, dir + "job.txt"));
    EXPECT_FALSE(FileExists(dir + "job.txt"));
}

TEST_F(ReportTest, ReportJobWritesTheStandardReportWithoutDialogs) {
    LoadLProfile();
    app.Config.TextDeviceDialog = true; // must not be asked
    app.Config.TextDevice = odScreen;
    Write(dir + "job.txt", "alt");
    ASSERT_TRUE(RunReportJob(Out(), app.Project, app.Messages, dir + "job.txt"));
    EXPECT_TRUE(ui.shown.empty());
    const std::string report = Read(dir + "job.txt");
    EXPECT_EQ(Count(report, "GEOMETRIE KONTUR"), 1);
    EXPECT_EQ(Count(report, "alt"), 0);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(app.Output.JobFile.empty());
}

TEST_F(ReportTest, ReportJobIntoAMissingFolderFailsAndSaysWhy) {
    LoadLProfile();
    EXPECT_FALSE(RunReportJob(Out(), app.Project, app.Messages, dir + "fehlt/job.txt"));
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages().back().rfind("Fehler : |", 0), 0u);
    EXPECT_NE(ui.Messages().back().find(dir + "fehlt/job.txt"), std::string::npos);
}

// The report job ("/I") on projects at the edge of the number range, written by hand as
// the program's own writer would not write them.
class ReportJobTest : public ReportFixture {
  protected:
    using Position = std::array<const char*, 3>;
    // The example L-profile with its contour replaced.
    std::string ProjectWith(const std::vector<Position>& contour) {
        std::vector<std::string> lines =
            Lines(Read(std::string(VAK1_SOURCE_DIR) + "/examples/l-profil.vak1"));
        const auto at = std::find(lines.begin(), lines.end(), "Anz. Konturelemente") + 1;
        const long old = std::stol(*at);
        std::vector<std::string> block{std::to_string(contour.size()), std::string(22, '-')};
        for (std::size_t k = 0; k < contour.size(); ++k)
            block.insert(block.end(), {std::to_string(k + 1) + ". Punkt", contour[k][0],
                                       contour[k][1], contour[k][2], "------"});
        lines.insert(lines.erase(at, at + 2 + 5 * old), block.begin(), block.end());
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        const std::string path = dir + "extrem.vak1";
        Write(path, text);
        return path;
    }
    // Runs the job in dir; the exit code, and standard error in err.
    int RunJob(const std::string& path, std::string& err) {
        const JobRun run = ReportFixture::RunJob({path, "/I", "/NOGUI"});
        err += run.err;
        EXPECT_TRUE(run.result.exit);
        return run.result.code;
    }
};

TEST_F(ReportJobTest, ResultsWithoutAValueFailTheJob) {
    const std::vector<std::vector<Position>> contours{
        {{"0", "0", "3.1415926536"}, {"1e-4940", "0", "0"}, {"0", "1", "0"}},
        {{"0", "0", "0"}, {"1e-4940", "0", "1.5707963268"}, {"0", "1e-4940", "0"}},
    };
    for (const auto& contour : contours) {
        std::string err;
        EXPECT_EQ(RunJob(ProjectWith(contour), err), 1);
        EXPECT_EQ(err, "Fatal  : Ergebnis nicht endlich !\n");
        EXPECT_FALSE(FileExists(dir + "extrem.txt"));
    }
}

// A 100 m square: its second moments have 20 digits, more than the value field holds.
TEST_F(ReportJobTest, ValuesLongerThanTheirFieldAreWrittenInEngineeringForm) {
    std::string err;
    const std::string path = ProjectWith(
        {{"0", "0", "0"}, {"100000", "0", "0"}, {"100000", "100000", "0"}, {"0", "100000", "0"}});
    ASSERT_EQ(RunJob(path, err), 0) << err;
    const std::string report = Read(dir + "extrem.txt");
    // Symbol, unit and value in their columns, as the result line places them.
    const auto line = [](std::string symbol, std::string value) {
        return symbol + std::string(kUnitColumn - kSymbolColumn - symbol.size(), ' ') + "mm4" +
               std::string(kValueColumn - kUnitColumn - 3, ' ') + value + " ";
    };
    EXPECT_NE(report.find(line("Iy", "33.33E18")), std::string::npos) << report;
    EXPECT_NE(report.find(line("IyS", "8.333E18")), std::string::npos);
    EXPECT_NE(report.find(line("IP0", "66.67E18")), std::string::npos);
    EXPECT_NE(report.find("10000000000 "), std::string::npos); // A still fits its field
}

TEST_F(ReportTest, PauseRefusedBeforeTheFirstPageStopsTheReport) {
    LoadLProfile();
    ports.Map(1, dir + "lpt1.prn");
    app.Config.TextDevice = odTextPrinter;
    ui.Push({ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::Answer(Reply::No)});
    ReportStandard(Out(), app.Project, app.Messages);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Read(dir + "lpt1.prn"), "");
}

TEST_F(ReportTest, PauseRefusedBeforeALaterPageLeavesOutOnlyThatHeader) {
    LoadLProfile();
    ports.Map(1, dir + "lpt1.prn");
    app.Config.TextDevice = odTextPrinter;
    app.Config.LinesPerPage = 20;
    ui.Push({ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::Answer(Reply::Yes),
             ScriptedAnswer::Answer(Reply::No), ScriptedAnswer::Answer(Reply::No),
             ScriptedAnswer::Answer(Reply::No), ScriptedAnswer::Answer(Reply::No)});
    ReportStandard(Out(), app.Project, app.Messages);
    const std::string sent = Read(dir + "lpt1.prn");
    EXPECT_EQ(Count(sent, "Bl."), 1);
    EXPECT_GE(Count(sent, "\f"), 2);
    EXPECT_NE(sent.find(cp850("Massenträgheitsmoment Ursprung")), std::string::npos);
}

TEST_F(ReportTest, MessageBlockWrapsLongRemedyAndMarksMissingRecords) {
    const std::string remedy =
        "Die Kontur pruefen: jede Position muss von der vorigen verschieden sein, und die "
        "Kontur darf sich nicht selbst schneiden; danach neu berechnen lassen.";
    ASSERT_EQ(remedy.size(), 150u);
    Write(dir + "vak1.err", "GetArcCenter l12=0\r\nZwei gleiche Punkte.\r\n" + remedy + "\r\n");
    AddMessage(app.Messages, "GetArcCenter l12=0");
    AddMessage(app.Messages, "Schraffurfehler");
    app.Config.SeparatorStyle = 1;
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odDosFile);
    WriteMessageBlock(Out(), app.Messages);
    OutputClose(Out());
    const auto lines = Lines(Read(dir + "OUTDOS.TXT"));
    std::vector<std::string> pieces;
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != "       Zwei gleiche Punkte.")
        ++at;
    ASSERT_LT(at + 4, lines.size());
    for (std::size_t k = at + 1; k <= at + 3; ++k) {
        ASSERT_EQ(lines[k].substr(0, 7), "       ");
        pieces.push_back(lines[k].substr(7));
        EXPECT_LE(pieces.back().size(), 64u);
    }
    EXPECT_EQ(lines[at + 4], "       " + std::string(70, '-'));
    EXPECT_EQ(pieces[0].back(), ' ');
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], remedy);
    const std::string all = Read(dir + "OUTDOS.TXT");
    EXPECT_NE(all.find("       Schraffurfehler\r\n       keine Beschreibung dieser "
                       "Fehlermeldung vorhanden.\r\n"),
              std::string::npos);
}

TEST_F(ReportTest, WrappingBreaksAtTheLastBlankOrCutsHard) {
    EXPECT_EQ(WrapMessageText(std::string(72, 'x')).size(), 1u);
    const auto hard = WrapMessageText(std::string(130, 'x'));
    ASSERT_EQ(hard.size(), 3u);
    EXPECT_EQ(hard[0].size(), 64u);
    EXPECT_EQ(hard[2].size(), 2u);
    // A blank at index 63 is outside the first 63 characters.
    const auto edge = WrapMessageText(std::string(63, 'a') + " " + std::string(20, 'b'));
    EXPECT_EQ(edge[0].size(), 64u);
    EXPECT_EQ(edge[0].back(), ' ');
}

TEST_F(ReportTest, ErrorMessageDocumentGoesToTheWindowOrSaysAllIsWell) {
    ShowErrorMessageDocument(Out(), app.Messages);
    EXPECT_EQ(ui.Messages().back(), "Meldung:|Berechnung erfolgreich ohne Fehlermeldungen");
    app.Config.TextDevice = odDosFile; // the document always uses the window
    AddMessage(app.Messages, "Schraffurfehler");
    ShowErrorMessageDocument(Out(), app.Messages);
    ASSERT_EQ(ui.shown.back().kind, "textwindow");
    const std::string& text = ui.shown.back().prompt;
    EXPECT_NE(text.find("VAK1 V5.0"), std::string::npos);
    EXPECT_NE(text.find("Error Messages"), std::string::npos);
    EXPECT_NE(text.find("Bl. 1/ 1"), std::string::npos);
    EXPECT_NE(text.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"), std::string::npos);
    EXPECT_NE(text.find("Schraffurfehler"), std::string::npos);
}

} // namespace
} // namespace vak1::test
