// Pins the documentation menu: change entries with their limit, freed slots and cancel
// rules, the change log and its index styles, the drawing information's reading of the
// free-text grid, descriptions in the project file, and the linked documents.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "app/commands.h"
#include "app/projectcontext.h"
#include "cad/frame.h"
#include "docu/docudialogs.h"
#include "project/projectfile.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

constexpr const char* kToday = "15.03.2024"; // the fixed clock's date

class DocuCommands : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        app.Config.DateCode = 1;
        app.Config.SeparatorStyle = 1;
    }
    void AddChanges(int n) {
        for (int k = 1; k <= n; ++k)
            app.Docu.ChangeEntries[app.Docu.ChangeCount++] = {"Text " + std::to_string(k),
                                                              "01.02.2020", "KL",
                                                              "Beschreibung " + std::to_string(k)};
    }
    // The lines of the change logs shown in the output window, without their margin.
    std::vector<std::vector<std::string>> Logs() const {
        std::vector<std::vector<std::string>> logs;
        for (const auto& r : ui.Shown("textwindow")) {
            logs.emplace_back();
            std::size_t start = 0;
            for (;;) {
                const std::size_t nl = r.prompt.find('\n', start);
                std::string line = r.prompt.substr(start, nl - start);
                line.erase(line.find_last_not_of(' ') + 1);
                logs.back().push_back(line.starts_with("       ") ? line.substr(7) : line);
                if (nl == std::string::npos) break;
                start = nl + 1;
            }
            while (!logs.back().empty() && logs.back().back().empty())
                logs.back().pop_back();
        }
        return logs;
    }
};

} // namespace

TEST_F(DocuCommands, DeleteChangeWithoutEntriesShowsTheEmptyLog) {
    app.Docu.ApprovalRows[kPrepared] = {"01.02.2020", "Meier"};
    app.Docu.ReplacedBy = "NEU-2";
    ASSERT_TRUE(RunCommand(app, "mi_docudeleteChange"));
    EXPECT_EQ(app.Docu.ChangeCount, 0);
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    const auto logs = Logs();
    ASSERT_EQ(logs.size(), 1u);
    const std::vector<std::string> expected{
        "",
        "Erstellungsdatum: 01.02.2020     Erstellt von: Meier",
        "",
        "Ersetzt durch: NEU-2",
        "",
        "Index   Datum        Bearb.   Änderung",
        std::string(70, '='),
    };
    ASSERT_GE(logs[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(logs[0][i], expected[i]) << i;
    EXPECT_EQ(logs[0].size(), expected.size()); // no entry, no page header on the screen
}

TEST_F(DocuCommands, ANewChangeAfterDeletingTheLastOfThreeKeepsItsTextsWithTodaysDate) {
    AddChanges(3);
    app.Docu.ChangeEntries[2].description = "erste\r\nzweite";
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    ASSERT_TRUE(RunCommand(app, "mi_docudeleteChange"));
    EXPECT_EQ(app.Docu.ChangeCount, 2);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    ui.Push(ScriptedAnswer::Form("change", {}));
    ASSERT_TRUE(RunCommand(app, "mi_docuNewChange"));
    const auto dialogs = ui.Shown("change");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Änderung 3");
    EXPECT_EQ(dialogs[0].helpNumber, kHelpChange);
    EXPECT_EQ(dialogs[0].fields,
              (std::vector<std::string>{"Text 3", kToday, "KL", "erste\nzweite"}));
    EXPECT_EQ(dialogs[0].buttons, std::vector<std::string>{std::string("<") + kToday});
    EXPECT_EQ(app.Docu.ChangeCount, 3);
    EXPECT_EQ(app.Docu.ChangeEntries[2].date, kToday);
    EXPECT_EQ(app.Docu.ChangeEntries[2].description, "erste\r\nzweite");
    EXPECT_EQ(Logs().size(), 2u); // after each of the two commands
}

TEST_F(DocuCommands, CancelRulesAndTheLimitOfChanges) {
    AddChanges(1);
    ui.Push(ScriptedAnswer::Cancel());
    RunCommand(app, "mi_docuNewChange");
    EXPECT_EQ(app.Docu.ChangeCount, 2); // counted with its date only
    EXPECT_EQ(app.Docu.ChangeEntries[1].date, kToday);
    EXPECT_EQ(app.State.AbortFlag, 1);
    ui.Push(ScriptedAnswer::Cancel());
    RunCommand(app, "mi_docuModifyChanges");
    EXPECT_EQ(app.Docu.ChangeEntries[1].text, "");
    EXPECT_TRUE(Logs().empty());

    app.Docu.ChangeCount = 0;
    AddChanges(25);
    RunCommand(app, "mi_docuNewChange");
    EXPECT_EQ(app.Docu.ChangeCount, 25);
    EXPECT_TRUE(ui.Shown("change").size() == 2u);
    EXPECT_TRUE(ui.Messages().back().ends_with("|Max. Änderungen = 25 !"));
    EXPECT_TRUE(Logs().empty());
}

TEST_F(DocuCommands, IndexStylesOfTheLogAndTheTitleBlock) {
    AddChanges(3);
    struct Case {
        uint16_t style;
        std::string log, titleBlock; // index of entry 3
    };
    const Case cases[] = {{0, "c", "c"}, {1, "3", "3"}, {2, "C", "C"}, {3, "c", ""}};
    for (const Case& c : cases) {
        app.Config.IndexStyle = c.style;
        ui.shown.clear();
        RunCommand(app, "mi_docuShowChanges1");
        const auto logs = Logs();
        ASSERT_EQ(logs.size(), 1u);
        const std::string entry3 = "  " + c.log + "     01.02.2020   KL       Text 3";
        EXPECT_NE(std::find(logs[0].begin(), logs[0].end(), entry3), logs[0].end()) << c.style;
        EXPECT_EQ(ChangeIndex(c.style, 3), c.titleBlock);
    }
}

TEST_F(DocuCommands, PrintChangesLetsTheUserChooseTheOutput) {
    app.Config.TextDeviceDialog = true;
    ui.Push(ScriptedAnswer::Cancel());
    RunCommand(app, "mi_docuPrintChanges");
    const auto choices = ui.Shown("choice");
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].lines.size(), 7u);
    EXPECT_TRUE(Logs().empty());
}

TEST_F(DocuCommands, DrawingInformationReadsTheFreeTextsUpToTheFirstEmptyRow) {
    app.Config.ReleaseField = "Frei";
    app.Docu.FreeTextCount = 3;
    struct Case {
        const char* name;
        std::map<int, std::string> cells; // index into the free-text cells: row * 5 + column
        uint16_t count;
        long double x1;
    };
    const Case cases[] = {
        {"all rows empty", {{4, ""}, {9, ""}, {14, ""}}, 1, 0},
        {"comma, rows 1 and 2", {{0, "2,5"}, {4, "A"}, {9, "B"}, {14, " "}, {19, "E"}}, 2, 2.5L},
        {"no number", {{0, "abc"}, {4, "A"}, {9, ""}}, 1, 0},
        {"beyond the file's range", {{0, "1e300"}, {4, "A"}, {9, ""}}, 1, 0},
        {"all eight",
         {{0, "-1"},
          {4, "1"},
          {9, "2"},
          {14, "3"},
          {19, "4"},
          {24, "5"},
          {29, "6"},
          {34, "7"},
          {39, "8"}},
         8,
         -1},
    };
    for (const Case& c : cases) {
        std::vector<std::optional<std::string>> fields(2 + 8 + 40);
        for (const auto& [i, text] : c.cells)
            fields[10 + i] = text;
        ui.Push(ScriptedAnswer::Form("drawinginfo", fields, {2}));
        ASSERT_TRUE(RunCommand(app, "mi_docdrawinginfo"));
        EXPECT_EQ(app.Docu.FreeTextCount, c.count) << c.name;
        EXPECT_EQ(app.Docu.FreeTexts[0].x, c.x1) << c.name;
        EXPECT_EQ(app.Docu.ApprovalRows[kExamined].date, kToday);
        EXPECT_EQ(app.State.ModifiedFlag, 1);
        app.Docu.FreeTextCount = 3;
    }
    const auto r = ui.Shown("drawinginfo").front();
    EXPECT_EQ(r.helpNumber, kHelpDrawingInfo);
    EXPECT_EQ(r.labels.back(), "Frei");
}

TEST_F(DocuCommands, MemoLinesReachTheProjectFileWithABarAndComeBackWithoutIt) {
    LoadLProfile();
    const std::string path = dir + "doku.vak1";
    ui.Push(
        ScriptedAnswer::Form("change", {"Bohrung", std::nullopt, "KL", "Zeile eins\nZeile zwei"}));
    RunCommand(app, "mi_docuNewChange");
    EXPECT_EQ(app.Docu.ChangeEntries[0].description, "Zeile eins\r\nZeile zwei");
    for (int round = 0; round < 2; ++round) {
        app.State.OverwriteQuestion = false;
        WriteProject(ProjectFileOf(app), path);
        const std::string file = Read(path);
        EXPECT_NE(file.find("\r\nZeile eins|\nZeile zwei\r\n--------------\r\n"), std::string::npos)
            << round;
        ui.Push(ScriptedAnswer::Form("change", {}));
        RunCommand(app, "mi_docuModifyChanges");
        EXPECT_EQ(ui.Shown("change").back().fields[3], "Zeile eins\nZeile zwei");
    }
}

TEST_F(DocuCommands, TheMemoKeepsUpTo255Characters) {
    const std::pair<std::size_t, std::size_t> cases[] = {{254, 254}, {255, 255}, {300, 255}};
    for (auto [typed, kept] : cases) {
        app.Docu.ChangeCount = 0;
        ui.Push(ScriptedAnswer::Form("change", {"", "", "", std::string(typed, 'x')}));
        RunCommand(app, "mi_docuNewChange");
        EXPECT_EQ(app.Docu.ChangeEntries[0].description, std::string(kept, 'x')) << typed;
        ui.Push(ScriptedAnswer::Form("change", {}));
        RunCommand(app, "mi_docuModifyChanges");
        EXPECT_EQ(ui.Shown("change").back().fields[3].size(), kept) << typed;
    }
}

TEST_F(DocuCommands, DocumentSetupStoresTheFieldsAndMarksTheProject) {
    Write(dir + "quorven.hlp", "2710\r\nProgramm des Dokuments\r\n");
    ui.Push(ScriptedAnswer::Cancel());
    RunCommand(app, "mi_DocumentSetup");
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    ui.Push(ScriptedAnswer::Form("documents",
                                 {"/usr/bin/okular", std::nullopt, std::nullopt, std::nullopt,
                                  std::nullopt, "/tmp/a b;c.pdf", "/tmp/x.pdf"}));
    RunCommand(app, "mi_DocumentSetup");
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    const auto r = ui.Shown("documents").back();
    EXPECT_EQ(r.helpNumber, kHelpDocuments);
    EXPECT_EQ(r.fields[1], "xdg-open");
    EXPECT_TRUE(r.labels[0].starts_with("Programm des Dokuments")); // help 2710 as hint

    RunCommand(app, "mi_Document1");
    RunCommand(app, "mi_Document2");
    RunCommand(app, "mi_Document3");
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[0].program, "/usr/bin/okular");
    EXPECT_EQ(launcher.started[0].args, std::vector<std::string>{"/tmp/a b;c.pdf"});
    EXPECT_EQ(launcher.started[1].program, "xdg-open");
    EXPECT_EQ(launcher.started[1].args, std::vector<std::string>{"/tmp/x.pdf"});
    EXPECT_TRUE(ui.Messages().back().ends_with("|Dokument 3 ist nicht eingerichtet."));
}

TEST_F(DocuCommands, TheFileButtonStartsInTheFieldsFolderAndKeepsTheFieldOnCancel) {
    std::string field = "/home/user/docs/plan.pdf";
    ui.helpNumber = kHelpDocuments;
    ui.Push(ScriptedAnswer::Cancel());
    EXPECT_FALSE(BrowseDocumentFile(Dialogs(app), false, field));
    EXPECT_EQ(field, "/home/user/docs/plan.pdf");
    ui.Push(ScriptedAnswer::File("/home/user/other.pdf"));
    EXPECT_TRUE(BrowseDocumentFile(Dialogs(app), false, field));
    EXPECT_EQ(field, "/home/user/other.pdf");
    EXPECT_EQ(ui.Shown("open").front().text, "/home/user/docs/");
    EXPECT_EQ(ui.helpNumber, kHelpDocuments);
}

// Descriptions lost the "|" typed before a line break, and free-text numbers were kept with
// more digits than the file holds: a saved project read back other texts and numbers.
TEST_F(DocuCommands, EveryTextTheDialogsLetThroughReadsBackFieldByField) {
    LoadLProfile();
    const std::string dashes(14, '-');
    // Typed in the dialogs; characters code page 850 lacks ("€", "–") become "?".
    const std::vector<std::string> typedChange{"\"A\" 'B' | –", "1|2 \"3\"", "€ä|",
                                               "eins|\n" + dashes + "\n\"zwei\" € ß|\n||"};
    const std::vector<std::string> keptChange{"\"A\" 'B' | ?", "1|2 \"3\"", "?ä|",
                                              "eins|\n" + dashes + "\n\"zwei\" ? ß|\n||"};
    ui.Push(ScriptedAnswer::Form("change",
                                 {typedChange[0], typedChange[1], typedChange[2], typedChange[3]}));
    RunCommand(app, "mi_docuNewChange");
    std::vector<std::optional<std::string>> info(2 + 8 + 40);
    const std::vector<std::string> typedInfo{"Z|1 \"a\" €", dashes,    "01.02.2024", "Müller €",
                                             "'02.02.'",    "a\"b\"c", dashes,       "ü€Ö",
                                             "  ",          "Ende "};
    const std::vector<std::string> keptInfo{"Z|1 \"a\" ?", dashes,    "01.02.2024", "Müller ?",
                                            "'02.02.'",    "a\"b\"c", "----------", "ü?Ö",
                                            "  ",          "Ende "};
    for (std::size_t i = 0; i < typedInfo.size(); ++i)
        info[i] = typedInfo[i];
    const std::vector<std::string> typedRows[] = {{"1,23456789", "-2", "0,000001", "45", "T|x||"},
                                                  {"12345678", "0", "2.5", "-90", "\"€\" ||"}};
    for (std::size_t r = 0; r < 2; ++r)
        for (std::size_t c = 0; c < 5; ++c)
            info[10 + 5 * r + c] = typedRows[r][c];
    ui.Push(ScriptedAnswer::Form("drawinginfo", info));
    RunCommand(app, "mi_docdrawinginfo");
    ASSERT_EQ(app.Docu.FreeTextCount, 2);
    EXPECT_EQ(ui.Pending(), 0u);

    // The dialogs show again what they kept, before and after the save.
    auto shownAgain = [&](const char* when) {
        ui.Push({ScriptedAnswer::Form("change", {}), ScriptedAnswer::Form("drawinginfo", {})});
        RunCommand(app, "mi_docuModifyChanges");
        RunCommand(app, "mi_docdrawinginfo");
        EXPECT_EQ(ui.Shown("change").back().fields, keptChange) << when;
        const auto fields = ui.Shown("drawinginfo").back().fields;
        for (std::size_t i = 0; i < keptInfo.size(); ++i)
            EXPECT_EQ(fields[i], keptInfo[i]) << when << " field " << i;
        return std::vector<std::string>(fields.begin() + 10, fields.begin() + 20);
    };
    const auto grid = shownAgain("before the save");
    EXPECT_EQ(grid[4], "T|x||");
    EXPECT_EQ(grid[9], "\"?\" ||");

    const std::string path = dir + "zeichen.vak1";
    app.State.OverwriteQuestion = false;
    WriteProject(ProjectFileOf(app), path);
    ASSERT_EQ(app.State.AbortFlag, 0);
    const Documentation written = app.Docu;
    app.Docu = Documentation{};
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    ASSERT_EQ(app.State.AbortFlag, 0) << testing::PrintToString(ui.Messages());
    const Documentation& back = app.Docu;
    ASSERT_EQ(back.ChangeCount, 1);
    const TChangeEntry &e = back.ChangeEntries[0], &w = written.ChangeEntries[0];
    EXPECT_EQ(e.text, w.text);
    EXPECT_EQ(e.date, w.date);
    EXPECT_EQ(e.editor, w.editor);
    EXPECT_EQ(e.description, w.description);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(back.ApprovalRows[row].date, written.ApprovalRows[row].date) << row;
        EXPECT_EQ(back.ApprovalRows[row].name, written.ApprovalRows[row].name) << row;
    }
    EXPECT_EQ(back.ReplacementFor, written.ReplacementFor);
    EXPECT_EQ(back.ReplacedBy, written.ReplacedBy);
    ASSERT_EQ(back.FreeTextCount, 2);
    for (int i = 0; i < 2; ++i) {
        const TFreeText &t = back.FreeTexts[i], &u = written.FreeTexts[i];
        EXPECT_EQ(t.x, u.x) << i;
        EXPECT_EQ(t.y, u.y) << i;
        EXPECT_EQ(t.h, u.h) << i;
        EXPECT_EQ(t.phi, u.phi) << i;
        EXPECT_EQ(t.text, u.text) << i;
    }
    EXPECT_EQ(shownAgain("after reading"), grid);
}

// A "|" in an approval cell broke the file's approval line, and a description whose last line
// was the entry's dash line ended its entry early: both are refused and the dialog comes back
// with the text as typed.
TEST_F(DocuCommands, TextsThatWouldBreakTheFileAreRefusedAndKept) {
    for (std::size_t cell = 2; cell < 10; ++cell) {
        ui.shown.clear();
        std::vector<std::optional<std::string>> info(cell + 1);
        info[cell] = "a|b";
        ui.Push({ScriptedAnswer::Form("drawinginfo", info), ScriptedAnswer::Cancel()});
        RunCommand(app, "mi_docdrawinginfo");
        const auto shown = ui.Shown("drawinginfo");
        ASSERT_EQ(shown.size(), 2u) << cell;
        EXPECT_EQ(shown[1].fields[cell], "a|b") << cell;
        ASSERT_EQ(ui.Messages().size(), 1u) << cell;
        EXPECT_NE(ui.Messages()[0].find("Freigabefeldern"), std::string::npos);
        EXPECT_EQ(app.Docu.ApprovalRows[(cell - 2) / 2].date, "") << cell;
        EXPECT_EQ(app.State.ModifiedFlag, 0) << cell;
    }

    const std::string dashes(14, '-');
    struct Case {
        std::string memo;
        bool refused;
    };
    const Case cases[] = {{"eins\n" + dashes, true},
                          {"eins\n\n" + dashes, true},
                          {dashes, false},
                          {dashes + "\nzwei", false},
                          {"eins\n" + dashes + " ", false},
                          {"eins\n" + dashes + "-", false}};
    for (const Case& c : cases) {
        ui.shown.clear();
        app.Docu.ChangeCount = 0;
        ui.Push(ScriptedAnswer::Form("change", {"", "", "", c.memo}));
        if (c.refused) ui.Push(ScriptedAnswer::Form("change", {"", "", "", std::string("neu")}));
        RunCommand(app, "mi_docuNewChange");
        const auto shown = ui.Shown("change");
        ASSERT_EQ(shown.size(), c.refused ? 2u : 1u) << c.memo;
        EXPECT_EQ(ui.Messages().size(), c.refused ? 1u : 0u) << c.memo;
        if (c.refused) {
            EXPECT_EQ(shown[1].fields[3], c.memo);
        }
        const std::string lastLine = c.memo.substr(c.memo.rfind('\n') + 1);
        EXPECT_EQ(DescriptionLines(app.Docu.ChangeEntries[0].description).back(),
                  c.refused ? "neu" : lastLine)
            << c.memo;
    }
}

// Deleting the last change took the entry without a word; it is asked first now.
TEST_F(DocuCommands, DeleteChangeAsksFirstAndOnlyYesDeletes) {
    const struct {
        Reply reply;
        uint16_t left;
    } cases[] = {{Reply::Yes, 2}, {Reply::No, 3}, {Reply::Cancel, 3}};
    for (const auto& c : cases) {
        app.Docu.ChangeCount = 0;
        AddChanges(3);
        ui.Push(ScriptedAnswer::Answer(c.reply));
        ASSERT_TRUE(RunCommand(app, "mi_docudeleteChange"));
        EXPECT_EQ(app.Docu.ChangeCount, c.left) << static_cast<int>(c.reply);
    }
    EXPECT_EQ(ui.Shown("question").size(), 3u);
}
