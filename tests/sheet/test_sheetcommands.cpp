// The spreadsheet exchange through the workbook-file back end: cells checked with openpyxl,
// export and import of a project, the report as a workbook, and the refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "app/commands.h"
#include "app/projectcontext.h"
#include "project/projectfile.h"
#include "sheet/FileSpreadsheet.h"
#include "support/ReportFixture.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

class SheetCommands : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        app.Config.HelpLevel = 0;
        app.Env.spreadsheet = &sheet;
    }
    // Output of a Python snippet run with the path of a workbook as its argument.
    std::string Python(const std::string& code, const std::string& file) {
        const std::string script = dir + "check.py";
        Write(script, code);
        const std::string out = dir + "out.txt";
        const std::string cmd =
            std::string(VAK1_PYTHON) + " '" + script + "' '" + file + "' > '" + out + "' 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << Read(out);
        return Read(out);
    }
    // Column A of the first sheet as openpyxl sees it.
    std::string ColumnA(const std::string& xlsx) {
        return Python(
            "import sys, openpyxl\n"
            "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
            "print(repr([ws.cell(row=r, column=1).value for r in range(1, ws.max_row + 2)]))\n",
            xlsx);
    }
    bool Enabled(const char* item) { return FindMenuItem(app.Menu.Bar, item)->enabled; }
    std::string Message() const { return ui.shown.empty() ? "" : ui.shown.back().prompt; }
    // The project as the project file writer writes it.
    std::string Saved(const std::string& name) {
        app.State.AbortFlag = 0;
        WriteProject(ProjectFileOf(app), dir + name + ".vak1");
        return Read(dir + name + ".vak1");
    }

    FileSpreadsheet sheet{&launcher, [this] { return dir; }};
};

TEST_F(SheetCommands, StartPutsTheProjectFileLinesIntoA1ToA3) {
    Write(dir + "drei.vak1", cp850("Zeile ä\r\n2\r\n  drei  \r\n"));
    app.State.ProjectName = "drei";
    EXPECT_FALSE(Enabled("mi_OleExportExcel"));
    ASSERT_TRUE(RunCommand(app, "mi_OleStartExcel"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(Enabled("mi_OleExportExcel"));
    EXPECT_TRUE(Enabled("mi_OleImportExcel"));
    ASSERT_EQ(launcher.started.size(), 1u); // shown with the desktop's program
    EXPECT_EQ(launcher.started[0].args[0], sheet.LastFile());
    EXPECT_EQ(ColumnA(sheet.LastFile()), "['Zeile ä', '2', '  drei  ', None]\n");
}

TEST_F(SheetCommands, RefusalsLeaveTheMenuAsItWas) {
    struct Case {
        const char* project;
        bool backEnd;
        std::string message;
    } cases[] = {
        {"", true, "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei -> Speichern\")"},
        {"drei", false, "Excel kann nicht gestartet werden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        app.State.ProjectName = c.project;
        app.Env.spreadsheet = c.backEnd ? &sheet : nullptr;
        RunCommand(app, "mi_OleStartExcel");
        EXPECT_EQ(app.State.AbortFlag, 1);
        EXPECT_EQ(Message(), c.message);
        EXPECT_FALSE(Enabled("mi_OleImportExcel"));
        EXPECT_TRUE(launcher.started.empty());
    }
}

TEST_F(SheetCommands, ExportSavesFirstAndImportGivesTheSameProject) {
    LoadLProfile();
    WriteProject(ProjectFileOf(app), dir + "winkel.vak1");
    NameProjectAfter(ProjectLocationOf(app), dir + "winkel.vak1");
    app.Project.lx = 250; // not saved yet: the export saves it first
    app.State.ModifiedFlag = 1;
    ASSERT_TRUE(RunCommand(app, "mi_OleExportExcel"));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    const std::string before = Read(dir + "winkel.vak1");
    ASSERT_FALSE(sheet.LastFile().empty());

    app.Project.ResetContour();
    app.Project.lx = 1;
    ui.Push(ScriptedAnswer::File(sheet.LastFile()));
    ASSERT_TRUE(RunCommand(app, "mi_OleImportExcel"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    EXPECT_EQ(Saved("wieder"), before);
    EXPECT_EQ(app.Project.PosCount(), 7);
}

TEST_F(SheetCommands, ImportOfAColumnThatIsNoProjectChangesNothing) {
    LoadLProfile();
    const std::string before = Saved("vorher");
    sheet.Connect();
    sheet.SetCell(1, 1, "kein Projekt");
    ASSERT_TRUE(sheet.Flush());
    ui.Push(ScriptedAnswer::File(sheet.LastFile()));
    RunCommand(app, "mi_OleImportExcel");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Saved("nachher"), before);
    EXPECT_FALSE(fs::exists(dir + "$import.vak1"));
    // The message named the internal file "$import.vak1" instead of the workbook.
    EXPECT_EQ(Message().find("$import"), std::string::npos) << Message();
    EXPECT_EQ(Message().rfind("Fehler in Tabelle " + sheet.LastFile() + ", Zeile 1: ", 0), 0u)
        << Message();
}

TEST_F(SheetCommands, OdsColumnKeepsSpacesEntitiesAndEmptyRows) {
    const std::string ods = dir + "t.ods";
    Python("import sys, zipfile\n"
           "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
           "z.writestr('mimetype', 'application/vnd.oasis.opendocument.spreadsheet')\n"
           "z.writestr('content.xml', '<?xml version=\"1.0\"?><office:document-content>"
           "<office:body><office:spreadsheet><table:table table:name=\"S\">"
           "<table:table-row><table:table-cell><text:p>a<text:s text:c=\"2\"/>b &amp; "
           "c</text:p></table:table-cell><table:table-cell><text:p>x</text:p>"
           "</table:table-cell></table:table-row>"
           "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell/>"
           "<table:table-cell><text:p>y</text:p></table:table-cell></table:table-row>"
           "<table:table-row><table:table-cell office:value-type=\"float\"><text:p>1.5"
           "</text:p></table:table-cell></table:table-row>"
           "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell/>"
           "</table:table-row></table:table><table:table table:name=\"T\"><table:table-row>"
           "<table:table-cell><text:p>other sheet</text:p></table:table-cell></table:table-row>"
           "</table:table></office:spreadsheet></office:body></office:document-content>')\n"
           "z.close()\n",
           ods);
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(sheet.ReadColumn1(ods, cells, error)) << error;
    EXPECT_EQ(cells, (std::vector<std::string>{"a  b & c", "", "", "1.5"}));
    EXPECT_FALSE(sheet.ReadColumn1(dir + "check.py", cells, error));
}

TEST_F(SheetCommands, PrintoutOpensTheReportAsWorkbookAndRestoresTheOutputSettings) {
    LoadLProfile();
    app.Config.TextDevice = 1;
    app.Config.TextDeviceDialog = true;
    ASSERT_TRUE(RunCommand(app, "mi_OlePrintoutExcel"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Config.TextDevice, 1);
    EXPECT_TRUE(app.Config.TextDeviceDialog);
    ASSERT_EQ(launcher.started.size(), 1u);
    // Tab-separated fields become cells of their own, numbers become numbers.
    const std::string numbers =
        Python("import sys, openpyxl\n"
               "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
               "print(sum(1 for row in ws.iter_rows() for c in row\n"
               "          if isinstance(c.value, (int, float))) > 0, ws.max_column > 1)\n",
               sheet.LastFile());
    EXPECT_EQ(numbers, "True True\n");
}

// "Start Excel" enabled export and import before its own export had worked.
TEST_F(SheetCommands, StartEnablesTheExchangeOnlyAfterItsExportWorked) {
    std::string lines;
    for (int i = 0; i < 400; ++i)
        lines += "Zeile " + std::to_string(i * 7919 % 1000) + "\r\n";
    Write(dir + "lang.vak1", lines);
    for (const char* project : {"fehlt", "lang"}) {
        SCOPED_TRACE(project);
        app.State.ProjectName = project;
        {
            test::FileSizeLimit limit(500); // the workbook of "lang" does not fit
            RunCommand(app, "mi_OleStartExcel");
        }
        EXPECT_EQ(app.State.AbortFlag, 1);
        EXPECT_FALSE(Enabled("mi_OleExportExcel"));
        EXPECT_FALSE(Enabled("mi_OleImportExcel"));
    }
}

// With a decimal comma the report's numbers became text cells of the workbook.
TEST_F(SheetCommands, PrintoutWritesDecimalNumbersAsNumbers) {
    LoadLProfile();
    app.Config.DecimalComma = DecimalSign::Comma;
    app.Config.ExportDecimal = DecimalSign::Comma;
    ASSERT_TRUE(RunCommand(app, "mi_OlePrintoutExcel"));
    EXPECT_EQ(app.Config.DecimalComma, DecimalSign::Comma);
    EXPECT_EQ(app.Config.ExportDecimal, DecimalSign::Comma);
    const std::string cells =
        Python("import re, sys, openpyxl\n"
               "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
               "values = [c.value for row in ws.iter_rows() for c in row if c.value is not None]\n"
               "number = re.compile(r'^ *-?[0-9]+([.,][0-9]+)?([eE][-+]?[0-9]+)? *$')\n"
               "print([v for v in values if isinstance(v, str) and number.match(v)],\n"
               "      any(isinstance(v, float) and v != int(v) for v in values))\n",
               sheet.LastFile());
    EXPECT_EQ(cells, "[] True\n");
}

TEST_F(SheetCommands, PrintoutAfterAFailedCalculationShowsTheMessageList) {
    LoadLProfile();
    app.Project.CalcError = 1;
    int lists = 0;
    app.State.ShowMessageList = [&] { ++lists; };
    RunCommand(app, "mi_OlePrintoutExcel");
    EXPECT_EQ(lists, 1);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(app.Output.SpreadsheetCount, 0);
}

} // namespace

TEST_F(SheetCommands, ProjectTableExportsItsGridWithTheTitleRow) {
    fs::copy_file(VAK1_SOURCE_DIR "/examples/rohr.vak1", dir + "a.vak1");
    fs::copy_file(VAK1_SOURCE_DIR "/examples/l-profil.vak1", dir + "b.vak1");
    ui.Push({ScriptedAnswer::File(dir), ScriptedAnswer::Projects(ProjectTableAction::Export)});
    RunCommand(app, "mi_fileOpenTable");
    const auto shown = ui.Shown("projecttable");
    ASSERT_EQ(shown.size(), 1u); // the export closes the window
    const std::string grid =
        Python("import sys, openpyxl\n"
               "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
               "for row in ws.iter_rows(values_only=True):\n"
               "    print('|'.join('' if v is None else str(v) for v in row))\n",
               sheet.LastFile());
    std::string expected = "|";
    for (const std::string& label : shown[0].labels)
        expected += label + "|";
    expected = expected.substr(1, expected.size() - 2) + "\n";
    for (const std::string& line : shown[0].lines)
        expected += line + "\n";
    EXPECT_EQ(grid, expected);

    app.Env.spreadsheet = nullptr; // no back end: the table's own message
    ui.Push({ScriptedAnswer::File(dir), ScriptedAnswer::Projects(ProjectTableAction::Export)});
    RunCommand(app, "mi_fileOpenTable");
    EXPECT_EQ(Message(), "Could not start Excel");
}

TEST_F(SheetCommands, AWorkbookThatFillsTheDiskIsNotLeftHalfWritten) {
    std::string lines;
    for (int i = 0; i < 400; ++i)
        lines += "Zeile " + std::to_string(i * 7919 % 1000) + "\r\n";
    Write(dir + "drei.vak1", lines);
    app.State.ProjectName = "drei";
    {
        test::FileSizeLimit limit(500);
        RunCommand(app, "mi_OleStartExcel");
    }
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Message(), "Excel kann nicht gestartet werden");
    EXPECT_TRUE(launcher.started.empty());
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename(), "drei.vak1");
}
