#include "app/sheetcommands.h"

#include <cstdio>

#include "app/App.h"
#include "app/commands.h"
#include "app/outputcontext.h"
#include "app/projectcontext.h"
#include "project/calculation.h"
#include "dialogs/dialogs.h"
#include "platform/Spreadsheet.h"
#include "platform/Ui.h"
#include "project/projectfile.h"
#include "report/resultreport.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr const char* kWorkbookFilter = "*.xlsx;*.ods|*.xlsx;*.ods";

// The hourglass for the time of a scope.
class WaitCursor {
  public:
    explicit WaitCursor(App& app) : ui_(app.Env.ui) {
        if (ui_) ui_->SetWaitCursor(true);
    }
    ~WaitCursor() {
        if (ui_) ui_->SetWaitCursor(false);
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Ui* ui_;
};

std::string NoAmpersand(std::string s) {
    std::erase(s, '&');
    return s;
}

// "Datei -> Speichern" in the menu's current language.
std::string SaveMenuPath(App& app) {
    const MenuItem* file = FindMenuItem(app.Menu.Bar, "mi_file");
    const MenuItem* save = FindMenuItem(app.Menu.Bar, "mi_FileSave");
    std::string path = NoAmpersand(file ? file->caption : "Datei") + " -> " +
                       NoAmpersand(save ? save->caption : "Speichern");
    while (path.ends_with("."))
        path.pop_back();
    return cp850(path);
}

// The spreadsheet, connected; a message and AbortFlag when none can be used.
Spreadsheet* Connect(App& app) {
    Spreadsheet* sheet = app.Env.spreadsheet;
    if (!sheet || !sheet->Connect()) {
        ShowError(Dialogs(app), "Excel kann nicht gestartet werden");
        app.State.AbortFlag = 1;
        return nullptr;
    }
    return sheet;
}

void Finish(App& app, Spreadsheet& sheet) {
    if (!sheet.Flush()) {
        ShowError(Dialogs(app), "Excel kann nicht gestartet werden");
        app.State.AbortFlag = 1;
    }
}

// The lines of the project file into column 1, from row 1.
void ExportProjectFile(App& app, Spreadsheet& sheet) {
    if (app.State.ProjectName.empty()) {
        ShowInfo(Dialogs(app), cp850("Datei nicht gefunden: zuerst \"Datei->Speichern\" wählen."));
        app.State.AbortFlag = 1;
        return;
    }
    const std::string path = ProjectPath(app);
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        ShowError(Dialogs(app), "Datei " + path + " nicht gefunden !");
        app.State.AbortFlag = 1;
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        sheet.SetCell(static_cast<int>(i) + 1, 1, Cp850ToUtf8(lines[i]));
}

void EnableExchange(App& app) {
    for (const char* name : {"mi_OleExportExcel", "mi_OleImportExcel"})
        if (MenuItem* item = FindMenuItem(app.Menu.Bar, name)) item->enabled = true;
}

} // namespace

void OleStartExcel(App& app) {
    if (app.State.ProjectName.empty()) {
        ShowInfo(Dialogs(app), cp850("Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"") +
                                   SaveMenuPath(app) + "\")");
        app.State.AbortFlag = 1;
        return;
    }
    WaitCursor wait(app);
    Spreadsheet* sheet = Connect(app);
    if (!sheet) return;
    sheet->NewWorkbook();
    ExportProjectFile(app, *sheet);
    if (app.State.AbortFlag) return;
    // Shown once filled, so the window comes up with the project in it.
    sheet->Show();
    Finish(app, *sheet);
    if (app.State.AbortFlag) return;
    EnableExchange(app); // only an export that worked can be repeated or read back
}

void ExportProjectTable(App& app, const std::vector<std::string>& titles,
                        const std::vector<std::vector<std::string>>& rows) {
    Spreadsheet* sheet = app.Env.spreadsheet;
    if (!sheet || !sheet->Connect()) {
        ShowError(Dialogs(app), "Could not start Excel");
        return;
    }
    WaitCursor wait(app);
    sheet->Show();
    sheet->NewWorkbook();
    for (std::size_t j = 0; j < titles.size(); ++j)
        sheet->SetCell(1, static_cast<int>(j) + 1, titles[j]);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            sheet->SetCell(static_cast<int>(i) + 2, static_cast<int>(j) + 1, rows[i][j]);
    if (!sheet->Flush()) ShowError(Dialogs(app), "Could not start Excel");
}

void OleExportExcel(App& app) {
    if (app.State.ModifiedFlag) {
        app.State.OverwriteQuestion = false;
        WriteProject(ProjectFileOf(app), ProjectPath(app));
        app.State.OverwriteQuestion = true;
        if (app.State.AbortFlag) return;
        app.State.ModifiedFlag = 0;
        SetCaption(app);
    }
    WaitCursor wait(app);
    Spreadsheet* sheet = app.Env.spreadsheet;
    // A spreadsheet program closed since the last export is started again.
    if (!sheet || !sheet->Reachable()) {
        sheet = Connect(app);
        if (!sheet) return;
        sheet->NewWorkbook();
    }
    ExportProjectFile(app, *sheet);
    if (app.State.AbortFlag) return;
    sheet->Show();
    Finish(app, *sheet);
}

void OleImportExcel(App& app) {
    Spreadsheet* sheet = app.Env.spreadsheet;
    if (!sheet) {
        ShowError(Dialogs(app), "Excel kann nicht gestartet werden");
        app.State.AbortFlag = 1;
        return;
    }
    SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    std::string file;
    if (!sheet->ReadsOpenWorkbook() &&
        !DialogUi(Dialogs(app), kHelpNone)
             .OpenFileDialog(kWorkbookFilter, app.State.ProjectDir, file)) {
        app.State.AbortFlag = 1;
        return;
    }
    std::vector<std::string> cells;
    std::string error;
    {
        WaitCursor wait(app);
        if (sheet->ReadsOpenWorkbook() && !sheet->Reachable()) {
            // The workbook was in the program that has gone: nothing to read back.
            ShowError(Dialogs(app), kSpreadsheetGoneText);
            app.State.AbortFlag = 1;
            return;
        }
        if (!sheet->ReadColumn1(file, cells, error)) {
            ShowError(Dialogs(app), file.empty() ? error : file + ": " + error);
            app.State.AbortFlag = 1;
            return;
        }
    }
    // The cells become a project file of their own and are read as one: all or nothing.
    const std::string temp = FolderPath(app.Config.TempDir) + "$import.vak1";
    TextFileWriter out;
    if (out.Open(temp)) {
        for (const std::string& cell : cells)
            out.WriteLine(cp850(cell));
    }
    if (!out.Commit()) {
        ShowError(Dialogs(app), "file write error " + temp);
        app.State.AbortFlag = 1;
        return;
    }
    // The messages name the workbook and its row, not the file the cells went through.
    const ProjectReadResult r = ReadProjectFile(app.Project, app.Docu, temp);
    std::remove(temp.c_str());
    if (!r.ok) {
        const std::string source = file.empty() ? "der Tabelle" : "Tabelle " + file;
        ShowError(Dialogs(app), r.error != 0 ? "Lesefehler in " + source
                                             : "Fehler in " + source + ", Zeile " +
                                                   std::to_string(r.line) + ": " + r.reason + " !");
        app.State.AbortFlag = 1;
        return;
    }
    CalcSection(app.Project, app.Messages, app.Config);
    RefreshViews(app);
    SetCaption(app);
}

void OlePrintoutExcel(App& app) {
    if (app.Project.CalcError) {
        ShowMessageList(HelpContextOf(app), app.Messages);
        return;
    }
    WaitCursor wait(app);
    Spreadsheet* sheet = Connect(app);
    if (!sheet) return;
    sheet->Show();
    sheet->NewWorkbook();
    const Settings before = app.Config;
    app.Config.TextDevice = odSpreadsheetTxt;
    app.Config.TextDeviceDialog = false;
    // Numbers with a decimal point, which the workbook takes as numbers in any language (a
    // decimal comma made text cells of them).
    app.Config.DecimalComma = DecimalSign::Point;
    app.Config.ExportDecimal = DecimalSign::Point;
    ReportStandard(OutputContextOf(app), app.Project, app.Messages);
    app.Config.TextDevice = before.TextDevice;
    app.Config.TextDeviceDialog = before.TextDeviceDialog;
    app.Config.DecimalComma = before.DecimalComma;
    app.Config.ExportDecimal = before.ExportDecimal;
    if (app.State.AbortFlag) return;
    sheet->NewWorkbook();
    sheet->OpenText(FolderPath(app.Config.TempDir) + "$$" +
                    std::to_string(app.Output.SpreadsheetCount) + ".txt");
    Finish(app, *sheet);
}

} // namespace vak1
