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
