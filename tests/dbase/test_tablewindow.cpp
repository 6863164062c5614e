// The table window's operations on the headless platform.
#include <sys/stat.h>

#include "app/tablecontext.h"
#include "dbase/dbftest.h"
#include "support/ReportFixture.h"
#include "support/tempfolder.h"
#include "text/installation.h"

namespace vak1::test {
namespace {

class TableWindowTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        dbf = dir + "dbf/";
        std::filesystem::create_directory(dbf);
        app.Config.DbfDir = dbf;
        app.Config.TempDir = dir + "tmp/";
        std::filesystem::create_directory(app.Config.TempDir);
        MakeTable(dbf + "printout.dbf", SampleFields(),
                  {{"A4 hoch", "1", "0", "F"},
                   {"*alt", "2", "0", "F"},
                   {"A4 <quer> & mehr", "1.5", "10", "T"}});
    }
    TableContext Ctx() { return TableContextOf(app); }
    std::vector<std::string> Messages() const { return ui.Messages(); }

    std::string dbf;
};

TEST_F(TableWindowTest, GoToRecordOutsideTheTable) {
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout"));
    struct Case {
        int n, plain, withMessage;
        bool message;
    } cases[] = {
        {0, 1, 1, false}, {-2, 1, 1, false}, {2, 2, 2, false}, {3, 3, 3, false}, {4, 1, 3, true}};
    for (const Case& c : cases) {
        GoToRecord(app.Table, c.n);
        EXPECT_EQ(app.Table.Table.RecNo(), c.plain) << c.n;
        ui.shown.clear();
        GoToRecordWithMessage(Ctx(), c.n);
        EXPECT_EQ(app.Table.Table.RecNo(), c.withMessage) << c.n;
        EXPECT_EQ(Messages().size(), c.message ? 1u : 0u) << c.n;
    }
    EXPECT_EQ(Messages(), std::vector<std::string>{"Meldung:|DBF #4 not found."});
}

// The folder's write probe opened "TEST.$$$" following a link: a link planted there led the
// probe line into the victim's file.
TEST_F(TableWindowTest, WriteProbeDoesNotFollowAPlantedLink) {
    const std::string victim = dir + "opfer.txt";
    WriteBytes(victim, "fremd");
    std::filesystem::create_symlink(victim, dbf + "TEST.$$$");
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout"));
    EXPECT_EQ(ReadBytes(victim), "fremd");
    EXPECT_EQ(app.Table.FileName, dbf + "printout.dbf");
}

TEST_F(TableWindowTest, ReadOnlyTableIsEditedAsACopyWithTheWarning) {
    const std::string original = dbf + "printout.dbf";
    ::chmod(original.c_str(), 0444);
    const std::string warning = cp850("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im "
                                      "Temporär-Ordner.");
    for (int mode : {kTableBrowse, kTableEdit}) {
        ui.shown.clear();
        ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout.dbf"));
        EXPECT_EQ(app.Table.FileName, app.Config.TempDir + "printout.dbf");
        EXPECT_FALSE(std::filesystem::exists(dbf + "TEST.$$$"));
        ui.Push(ScriptedAnswer::Table({TableCommand::Last}));
        ASSERT_TRUE(app.Table.Table.ReplaceString("NAME", "changed"));
        EXPECT_TRUE(ShowTable(Ctx(), 1040, mode, ""));
        const bool warned = !Messages().empty() && Messages()[0].ends_with(Cp850ToUtf8(warning));
        EXPECT_EQ(warned, mode == kTableEdit) << mode;
        CloseTable(app.Table);
    }
    ExpectReadableAs(original, {" A4 hoch|1|0|F", "*alt|2|0|F", " A4 <quer> & mehr|1.5|10|T"});
    ExpectReadableAs(app.Config.TempDir + "printout.dbf",
                     {" changed|1|0|F", "*alt|2|0|F", " A4 <quer> & mehr|1.5|10|T"});
}

// A table of the installation's data folder opened in the table window was changed in place
// by whoever could write there (root): it is edited as a copy like any read-only table.
TEST_F(TableWindowTest, TheInstallationsTableIsEditedAsACopy) {
    const std::string shipped = InstalledDataFolder() + "printout.dbf";
    const std::string before = ReadBytes(shipped);
    ASSERT_FALSE(before.empty());
    EXPECT_FALSE(FolderWritable(InstalledDataFolder()));
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), shipped));
    EXPECT_TRUE(app.Table.TempCopy);
    EXPECT_EQ(app.Table.FileName, app.Config.TempDir + "printout.dbf");
    ASSERT_TRUE(app.Table.Table.ReplaceString("NAME", "changed") && app.Table.Table.Post());
    CloseTable(app.Table);
    EXPECT_EQ(ReadBytes(shipped), before);
}

TEST_F(TableWindowTest, MissingTableIsReportedAndAborts) {
    EXPECT_FALSE(OpenTableWithWriteCheck(Ctx(), "nothere"));
    EXPECT_EQ(app.State.AbortFlag, 1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].ends_with("|Datei " + dbf +
                                        "nothere.dbf nicht gefunden oder kein Zugriffsrecht !"));
}

TEST_F(TableWindowTest, ModesCaptionsAndClosing) {
    SetTableTitles(app.Table, "Printout", "Druck");
    const std::string edit = "Druck  Printout  (" + dbf + "printout.dbf)";
    struct Case {
        int mode;
        std::string closeWord;
        std::vector<ScriptedAnswer> answers;
        bool ok;
        std::string caption;
        std::size_t rows; // deleted records only in edit mode
        int lastRecord;
    } cases[] = {
        {kTableBrowse, "", {ScriptedAnswer::Table({}, 1)}, true, "Druck   Printout", 2, 3},
        {kTableEdit, "", {ScriptedAnswer::Table({}, 1)}, true, edit, 3, 2},
        {kTableEdit, "", {ScriptedAnswer::Cancel()}, false, edit, 3, 2},
        // Choosing a record: the search closes the window on its hit, the row is not taken.
        {kTableBrowse,
         "CLOSE",
         {ScriptedAnswer::Table({TableCommand::Search}, 0), ScriptedAnswer::Text("quer")},
         true,
         "Druck   Printout",
         2,
         3},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout"));
        ui.shown.clear();
        for (const auto& a : c.answers)
            ui.Push(a);
        EXPECT_EQ(ShowTable(Ctx(), 1040, c.mode, c.closeWord), c.ok);
        EXPECT_EQ(app.State.AbortFlag, c.ok ? 0 : 1);
        EXPECT_EQ(ui.Pending(), 0u);
        const DialogRecord table = ui.Shown("table").at(0);
        EXPECT_EQ(table.helpNumber, 1040);
        EXPECT_EQ(table.caption, c.caption);
        EXPECT_EQ(table.lines.size(), c.rows);
        EXPECT_EQ(app.Table.LastRecord, c.lastRecord) << c.mode << c.closeWord;
        CloseTable(app.Table);
    }
}

TEST_F(TableWindowTest, SearchAndSearchAgain) {
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout"));
    ui.Push({ScriptedAnswer::Text("A4"), ScriptedAnswer::Text("zulu")});
    SearchTable(Ctx(), false); // record 1
    SearchTable(Ctx(), true);  // on from there: record 3
    EXPECT_EQ(app.Table.Table.RecNo(), 3);
    SearchTable(Ctx(), true); // no further hit
    SearchTable(Ctx(), false);
    EXPECT_EQ(app.Table.Table.RecNo(), 3);
    EXPECT_EQ(ui.Shown("text").size(), 2u);
    EXPECT_EQ(ui.Shown("text")[0].helpNumber, kHelpTableSearch);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Meldung:|A4 nicht gefunden",
                                                    "Meldung:|zulu nicht gefunden"}));
}

TEST_F(TableWindowTest, PrintShowsTheFirstSevenFields) {
    std::vector<DbfField> nine;
    std::vector<std::string> row;
    for (int i = 1; i <= 9; ++i) {
        nine.push_back({"F" + std::to_string(i), 'C', 4, 0});
        row.push_back("v" + std::to_string(i));
    }
    MakeTable(dbf + "nine.dbf", nine, {row});
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "nine"));
    PrintTable(Ctx());
    const std::string text = ui.Shown("textwindow").at(0).prompt;
    EXPECT_NE(text.find("F7"), std::string::npos);
    EXPECT_NE(text.find("v7"), std::string::npos);
    EXPECT_EQ(text.find("F8"), std::string::npos);
    EXPECT_EQ(text.find("v8"), std::string::npos);
    EXPECT_EQ(text.find("v9"), std::string::npos);
}

TEST_F(TableWindowTest, ExportHtmlEscapesAndStartsTheBrowserWithoutAShell) {
    launcher.installed.insert("xdg-open");
    ASSERT_TRUE(OpenTableWithWriteCheck(Ctx(), "printout"));
    const std::string page = dir + "my page;$(x).htm";
    ui.Push(ScriptedAnswer::File(page));
    ExportTableHtml(Ctx());
    const DialogRecord save = ui.Shown("save").at(0);
    EXPECT_EQ(save.prompt, "printout.htm");
    const std::vector<std::string> lines = Lines(Read(page));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[4], "<P>" + HtmlEscape([&] {
                            std::string up = page;
                            for (char& c : up)
                                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                            return up;
                        }()) +
                            "</P>");
    EXPECT_EQ(lines[8],
              "<TR><TD><CENTER>NAME</CENTER></TD><TD><CENTER>XSCALE</CENTER></TD>"
              "<TD><CENTER>XORIGIN</CENTER></TD><TD><CENTER>LANDSCAPE</CENTER></TD></TR>");
    EXPECT_EQ(lines[11], "<TR><TD>A4 &lt;quer&gt; &amp; mehr</TD><TD>1.500</TD><TD>10</TD>"
                         "<TD>T</TD></TR>");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "xdg-open");
    EXPECT_EQ(launcher.started[0].args, std::vector<std::string>{page});
    // The page never replaces the table it shows.
    const std::string table = Read(dbf + "printout.dbf");
    ui.Push(ScriptedAnswer::File(dbf + "printout.dbf"));
    ExportTableHtml(Ctx());
    EXPECT_EQ(Read(dbf + "printout.dbf"), table);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(ui.Messages().size(), 1u);
}

} // namespace
} // namespace vak1::test
