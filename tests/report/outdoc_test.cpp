// Pins the page layout of the output document: page breaks at LinesPerPage, the joined
// short pages of style 4, header mode 2, the separator styles, and the HTML table closing.
#include "report/OutputDocument.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

class OutputDocumentTest : public ReportFixture {
  protected:
    // Writes a document of kind 1 and returns the Windows copy the output window showed.
    std::vector<std::string> ScreenDocument(const std::vector<std::string>& body,
                                            bool secondPage = false) {
        SetHeader(Out(), {"Titel", "Zeile 2", "Zeile 3", "Zeile 4", ""}, 0);
        OutputOpen(Out(), odScreen);
        EXPECT_EQ(app.State.AbortFlag, 0);
        PageHeader(Out());
        for (const auto& l : body)
            WriteLine(Out(), l);
        if (secondPage) {
            PageEnd(Out());
            PageHeader(Out());
            for (const auto& l : body)
                WriteLine(Out(), l + "b");
        }
        PageEnd(Out());
        OutputClose(Out());
        return Lines(Read(dir + "outwin.txt"));
    }
    // A document of kind 2 with n1 lines, a page end and a page header, n2 more lines;
    // returns the bytes the printer port received.
    std::string PortDocument(int n1, int n2) {
        ports.Map(1, dir + "lpt1.prn");
        ui.Push(ScriptedAnswer::Answer(Reply::No));
        SetHeader(Out(), {"Titel", "", "", "", ""}, 0);
        OutputOpen(Out(), odTextPrinter);
        EXPECT_EQ(app.State.AbortFlag, 0);
        PageHeader(Out());
        for (int i = 1; i <= n1; ++i)
            WriteLine(Out(), "L" + std::to_string(i));
        PageEnd(Out());
        PageHeader(Out());
        for (int i = 1; i <= n2; ++i)
            WriteLine(Out(), "L" + std::to_string(i) + "b");
        PageEnd(Out());
        OutputClose(Out());
        return Read(dir + "lpt1.prn");
    }
    static std::vector<std::string> Numbered(int n) {
        std::vector<std::string> out;
        for (int i = 1; i <= n; ++i)
            out.push_back("L" + std::to_string(i));
        return out;
    }
    static int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == line) return static_cast<int>(i);
        return -1;
    }
    static int CountLines(const std::vector<std::string>& lines, const std::string& line) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_F(OutputDocumentTest, SeparatorStylesAreSeventyCharactersAndStyleFourIsAMarker) {
    app.Config.SeparatorStyle = 2;
    EXPECT_EQ(SeparatorThin(app.Config), std::string(70, '\xC4'));
    EXPECT_EQ(SeparatorBoxTop(app.Config), "\xC9" + std::string(68, '\xCD') + "\xBB");
    EXPECT_EQ(SeparatorBoxMiddle(app.Config), "\xCC" + std::string(68, '\xCD') + "\xB9");
    EXPECT_EQ(FrameCharacter(app.Config), '\xBA');
    app.Config.SeparatorStyle = 0; // read as 1
    EXPECT_EQ(SeparatorThick(app.Config), std::string(70, '='));
    EXPECT_EQ(SeparatorBoxBottom(app.Config), std::string(70, '*'));
    app.Config.SeparatorStyle = 3;
    EXPECT_EQ(SeparatorThin(app.Config), std::string(70, ' '));
    app.Config.SeparatorStyle = 4;
    EXPECT_EQ(SeparatorThick(app.Config), "$!$");
    EXPECT_EQ(FrameCharacter(app.Config), ' ');
}

TEST_F(OutputDocumentTest, LineAtLinesPerPageGoesAfterNewHeaderAndEmptyLine) {
    app.Config.SeparatorStyle = 1;
    app.Config.LinesPerPage = 10;
    auto lines = ScreenDocument(Numbered(10));
    const int l9 = IndexOf(lines, "       L9"), l10 = IndexOf(lines, "       L10");
    ASSERT_GE(l9, 0);
    ASSERT_GT(l10, l9);
    EXPECT_EQ(lines[l9 + 1], "\f");
    EXPECT_EQ(lines[l10 - 1], "");
    EXPECT_EQ(lines[l10 - 2], "       " + std::string(70, '*')); // the new box's bottom
    EXPECT_NE(lines[l9 + 3].find("Bl. 2"), std::string::npos);
    EXPECT_EQ(CountLines(lines, "\f"), 2);
}

TEST_F(OutputDocumentTest, StyleFourJoinsShortPagesWithoutFormFeedOrHeader) {
    app.Config.SeparatorStyle = 4;
    app.Config.LinesPerPage = 20;
    const std::string sent = PortDocument(5, 3);
    EXPECT_EQ(sent.substr(0, 2), "\r\n"); // a page of style 4 starts with an empty line
    EXPECT_EQ(Count(sent, "Titel"), 1);
    EXPECT_EQ(Count(sent, "$!$"), 0);
    EXPECT_LT(sent.find("       L5\r\n"), sent.find("       L1b\r\n"));
    // Only the close of the document ends the joined page.
    EXPECT_EQ(Count(sent, "\f"), 1);
    EXPECT_EQ(sent.back(), '\f');
}

TEST_F(OutputDocumentTest, StyleFourStartsANewFramedPageAfterAFullOne) {
    app.Config.SeparatorStyle = 4;
    app.Config.LinesPerPage = 20;
    const std::string sent = PortDocument(15, 15);
    EXPECT_EQ(Count(sent, "\f"), 2);
    EXPECT_EQ(Count(sent, "Titel"), 2);
    EXPECT_NE(sent.find("\f\r\n"), std::string::npos); // the new page's empty first line
}

TEST_F(OutputDocumentTest, HeaderModeTwoFramesOnlyTheFirstPage) {
    app.Config.HeaderMode = PageHeaders::FirstPageOnly;
    app.Config.LinesPerPage = 10;
    auto lines = ScreenDocument(Numbered(25), true);
    const std::string all = Read(dir + "outwin.txt");
    EXPECT_EQ(Count(all, "Titel"), 1);
    EXPECT_EQ(Count(all, "Bl."), 0);
    // Page test breaks: a bare form feed line; explicit page: form feed then " ".
    const int ff = IndexOf(lines, "\f");
    ASSERT_GE(ff, 0);
    EXPECT_EQ(lines[ff - 1], "       L9");
    EXPECT_EQ(lines[ff + 1], "       L10");
    const int second = IndexOf(lines, "       L1b");
    EXPECT_EQ(lines[second - 1], " ");
    EXPECT_EQ(lines[second - 2], "\f");
}

TEST_F(OutputDocumentTest, HeaderBoxShowsPageOfTotalDateAndTime) {
    app.Config.SeparatorStyle = 1;
    app.Config.DateCode = 3;
    app.State.ProjectName = "welle";
    SetHeader(Out(), {"", "a", "b", "c", ""}, 3);
    OutputOpen(Out(), odDosFile);
    PageHeader(Out());
    OutputClose(Out());
    auto lines = Lines(Read(dir + "OUTDOS.TXT"));
    ASSERT_GE(lines.size(), 3u);
    const std::string first = lines[1].substr(7);
    EXPECT_EQ(first.size(), 72u);
    EXPECT_EQ(first.substr(0, 1), "*");
    EXPECT_EQ(first.substr(5, 31), "VAK1  Querschnittberechnung  V5");
    EXPECT_EQ(first.substr(59, 8), "Bl. 1/ 3");
    EXPECT_EQ(first[69], '*');
    EXPECT_EQ(lines[2].substr(7 + 52, 10), "2024/03/15");
    EXPECT_EQ(lines[2].substr(7 + 63, 5), "10:30");
    EXPECT_EQ(lines[3].substr(7 + 5, dir.size() + 10), dir + "welle.vak1");
}

TEST_F(OutputDocumentTest, HtmlHeadingAfterResultTableClosesTheTableFirst) {
    app.Config.HtmlBrowser = "browser";
    launcher.installed.insert("browser");
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odHtml);
    PageHeader(Out());
    OpenHtmlTable(Out());
    WriteRawLine(Out(), "<TR><TD>x</TD></TR>");
    WriteLine(Out(), cp850("ERGEBNISSE KÖRPER"));
    WriteLine(Out(), SeparatorThick(app.Config));
    OutputClose(Out());
    auto lines = Lines(Read(dir + "vak1.htm"));
    const int row = IndexOf(lines, "<TR><TD>x</TD></TR>");
    ASSERT_GE(row, 0);
    EXPECT_EQ(lines[row + 1], "</TABLE>");
    EXPECT_EQ(lines[row + 2], "<br>ERGEBNISSE KÖRPER");
    EXPECT_EQ(lines[row + 3], "</BODY>"); // the separator is dropped
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "browser");
    EXPECT_EQ(launcher.started[0].args, std::vector<std::string>{dir + "vak1.htm"});
}

// The copies other programs open were once written in the Windows code page.
TEST_F(OutputDocumentTest, CopiesForOtherProgramsAreUtf8AndOwnFilesStayCp850) {
    app.Config.HtmlBrowser = "browser";
    launcher.installed.insert("browser");
    app.Config.TextDeviceDialog = false;
    struct Case {
        uint16_t kind;
        std::string own; // empty: the kind writes no file of its own
        std::string copy;
    };
    const Case cases[] = {{odFile, "bericht.txt", "outwin.txt"},
                          {odSpreadsheetTxt, "$$$1.txt", "$$1.txt"},
                          {odHtml, "", "vak1.htm"}};
    for (const Case& c : cases) {
        if (c.kind == odFile) ui.Push(ScriptedAnswer::File(dir + c.own));
        SetHeader(Out(), {cp850("Prüfung"), "", "", "", ""}, 0);
        OutputOpen(Out(), c.kind);
        ASSERT_EQ(app.State.AbortFlag, 0) << c.copy;
        PageHeader(Out());
        WriteLine(Out(), cp850("ERGEBNISSE KÖRPER"));
        PageEnd(Out());
        OutputClose(Out());
        const std::string copy = Read(dir + c.copy);
        EXPECT_NE(copy.find("ERGEBNISSE KÖRPER"), std::string::npos) << c.copy;
        EXPECT_EQ(copy.find('\xD6'), std::string::npos) << c.copy; // no Windows-1252 left
        if (!c.own.empty()) {
            EXPECT_NE(Read(dir + c.own).find("ERGEBNISSE K\x99RPER"), std::string::npos) << c.own;
        }
    }
    EXPECT_NE(Read(dir + "vak1.htm").find("charset=UTF-8"), std::string::npos);
}

TEST_F(OutputDocumentTest, HtmlEscapesRemarkLinesAndLines) {
    app.Config.HtmlBrowser = "";
    const std::string chosen = dir + "seite.htm";
    ui.Push(ScriptedAnswer::File(chosen));
    SetHeader(Out(), {"", "<script>alert(\"x\")</script> & co", "", "", ""}, 0);
    OutputOpen(Out(), odHtml);
    PageHeader(Out());
    WriteLine(Out(), "<b>fett</b>");
    OutputClose(Out());
    const std::string html = Read(chosen);
    EXPECT_EQ(Count(html, "<script>"), 0);
    EXPECT_EQ(Count(html, "<b>"), 0);
    EXPECT_NE(html.find("<h5>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; co</h5>"),
              std::string::npos);
    EXPECT_NE(html.find("<br>&lt;b&gt;fett&lt;/b&gt;"), std::string::npos);
}

TEST_F(OutputDocumentTest, MissingBrowserIsReportedAndTheFileStays) {
    app.Config.HtmlBrowser = "nirgends";
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odHtml);
    PageHeader(Out());
    OutputClose(Out());
    EXPECT_TRUE(launcher.started.empty());
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages().back(), "Fehler : |nirgends not found");
    EXPECT_TRUE(FileExists(dir + "vak1.htm"));
}

TEST_F(OutputDocumentTest, EleventhSpreadsheetOutputWritesDollarDollarEleven) {
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    for (int i = 1; i <= 11; ++i) {
        OutputOpen(Out(), odSpreadsheetTxt);
        EXPECT_EQ(app.Output.OutputFileName, dir + "$$$" + std::to_string(i) + ".txt");
        PageHeader(Out());
        WriteLine(Out(), "Wert\t" + std::to_string(i));
        OutputClose(Out());
    }
    EXPECT_EQ(app.Output.SpreadsheetCount, 11);
    EXPECT_TRUE(FileExists(dir + "$$11.txt"));
    EXPECT_NE(Read(dir + "$$11.txt").find("Wert\t11\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists(dir + "$$12.txt"));
}

TEST_F(OutputDocumentTest, TabKindsDropSeparatorsButKeepOtherLines) {
    app.Config.TextDeviceDialog = false;
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    app.Project.RemarkLines = {"r1", "r2", "r3"};
    OutputOpen(Out(), odSpreadsheetTxt);
    PageHeader(Out());
    WriteLine(Out(), SeparatorThin(app.Config));
    WriteLine(Out(), "$!$");
    WriteLine(Out(), "x");
    OutputClose(Out());
    auto lines = Lines(Read(dir + "$$$1.txt"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "VAK1  Querschnittberechnung V5.0\t15.03.2024\t10:30");
    EXPECT_EQ(lines[1], dir + "$$$1.txt");
    EXPECT_EQ(lines[4], "r3");
    EXPECT_EQ(lines[5], " ");
    EXPECT_EQ(lines[6], "x");
}

TEST_F(OutputDocumentTest, EnsureSpaceBreaksOnlyAboveTheLimit) {
    app.Config.LinesPerPage = 30;
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odDosFile);
    PageHeader(Out());
    for (int i = 0; i < 20; ++i)
        WriteLine(Out(), "x");
    EnsureSpace(Out()); // 20 lines: not more than max(30 - 10, 10)
    EXPECT_EQ(app.Output.PageNumber, 1);
    WriteLine(Out(), "x");
    EnsureSpace(Out());
    EXPECT_EQ(app.Output.PageNumber, 2);
    EXPECT_EQ(app.Output.LineCount, 0);
    OutputClose(Out());
}

TEST_F(OutputDocumentTest, ChosenFileIsCheckedAndCancelAborts) {
    ui.Push(ScriptedAnswer::Cancel());
    OutputOpen(Out(), odFile);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Output.file, nullptr);

    app.State.AbortFlag = 0;
    Write(dir + "liste.txt", "alt");
    ui.Push({ScriptedAnswer::File(dir + "liste"), ScriptedAnswer::Answer(Reply::No)});
    OutputOpen(Out(), odFile);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Read(dir + "liste.txt"), "alt");

    app.State.AbortFlag = 0;
    ui.Push({ScriptedAnswer::File(dir + "liste"), ScriptedAnswer::Answer(Reply::Yes)});
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odFile);
    ASSERT_EQ(app.State.AbortFlag, 0);
    PageHeader(Out());
    WriteLine(Out(), "neu");
    PageEnd(Out());
    OutputClose(Out());
    EXPECT_NE(Read(dir + "liste.txt").find("       neu\r\n"), std::string::npos);
    EXPECT_TRUE(FileExists(dir + "outwin.txt"));
    EXPECT_EQ(ui.Messages().back(),
              "Meldung:|" + dir + "liste.txt und Windows-Datei outwin.txt wurden angelegt..");
}

TEST_F(OutputDocumentTest, KindChoiceOffersSevenNamesAndCancelAborts) {
    app.Config.TextDeviceDialog = true;
    app.Config.TextDevice = 3;
    ui.Push(ScriptedAnswer::Cancel());
    OutputOpen(Out(), 0);
    EXPECT_EQ(app.State.AbortFlag, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].prompt, "Ausgabe auf ..");
    EXPECT_EQ(ui.shown[0].lines.size(), 7u);
    EXPECT_EQ(ui.shown[0].preselected, 3);
    EXPECT_EQ(ui.shown[0].helpNumber, 1050);
}

TEST_F(OutputDocumentTest, ScreenKindShowsTheWindowDeletesItsTemporaryFileAndKeepsGeometry) {
    app.Config.TextWindowRect = {5, 6, 700, 500};
    auto lines = ScreenDocument({"Hallo"});
    const std::string temp = app.Output.OutputFileName;
    EXPECT_EQ(temp.rfind(dir + "$OUT", 0), 0u);
    EXPECT_EQ(temp.size(), dir.size() + std::string("$OUTxxxxxx.TMP").size());
    EXPECT_FALSE(FileExists(temp));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "textwindow");
    EXPECT_EQ(ui.shown[0].caption, "VAK1 - " + dir + "outwin.txt");
    EXPECT_NE(ui.shown[0].prompt.find("       Hallo\n"), std::string::npos);
    EXPECT_EQ(app.Config.TextWindowRect.left, 15); // moved by the scripted window
    EXPECT_EQ(app.Config.TextWindowRect.width, 700);
}

TEST_F(OutputDocumentTest, TextProgramGetsTheWindowsCopyAsOneArgument) {
    app.Config.TextProgram = "editor";
    SetHeader(Out(), {"", "", "", "", ""}, 0);
    OutputOpen(Out(), odTextProgram);
    PageHeader(Out());
    OutputClose(Out());
    EXPECT_EQ(ui.Messages().back(), "Fehler : |editor not found");
    EXPECT_TRUE(launcher.started.empty());

    launcher.installed.insert("editor");
    OutputOpen(Out(), odTextProgram);
    PageHeader(Out());
    OutputClose(Out());
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].args, std::vector<std::string>{dir + "outwin.txt"});
}

TEST_F(OutputDocumentTest, PrinterPortGetsSetupFreeTextAndPauseRefusalAborts) {
    ports.Map(2, dir + "lpt2.prn");
    app.Config.PrinterPort = 2;
    app.Config.HeaderMode = PageHeaders::FirstPageOnly;
    ui.Push(ScriptedAnswer::Answer(Reply::No)); // no pause
    SetHeader(Out(), {"Kopf", "", "", "", ""}, 0);
    OutputOpen(Out(), odTextPrinter);
    ASSERT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Output.OutputFileName, "LPT2");
    PageHeader(Out());
    WriteLine(Out(), "Text");
    PageEnd(Out());
    WriteLine(Out(), "Rest");
    OutputClose(Out());
    const std::string sent = Read(dir + "lpt2.prn");
    EXPECT_NE(sent.find("       Text\r\n\f       Rest\r\n\f"), std::string::npos);
    EXPECT_EQ(sent.back(), '\f');

    ui.Push({ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::Answer(Reply::No)});
    OutputOpen(Out(), odTextPrinter);
    PageHeader(Out());
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.shown.back().prompt, "Blatt in Drucker einlegen.  Fortfahren ?");
    OutputDiscard(Out());
}

TEST_F(OutputDocumentTest, UnmappedPrinterPortFailsWithAMessage) {
    app.Config.PrinterPort = 4;
    ui.Push(ScriptedAnswer::Answer(Reply::No));
    ::unsetenv("VAK1_LPT4");
    OutputOpen(Out(), odTextPrinter);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.Messages().back(), "Fehler : |file write error");
}

} // namespace
} // namespace vak1::test
