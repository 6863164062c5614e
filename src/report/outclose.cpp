// Closing the output document and handing the file to its destination: output window,
// printer, text program, browser or the Windows copies for other programs.
#include <cstdio>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "platform/Launcher.h"
#include "platform/PortWriter.h"
#include "platform/Ui.h"
#include "report/OutputDocument.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

std::string OutwinPath(const App& app) {
    return FolderPath(app.Config.TempDir) + "outwin.txt";
}

// Finishes the file; false (with a message and AbortFlag) when any write failed.
bool FinishFile(App& app) {
    OutputDocument& d = app.Output;
    if (d.Kind == odTextPrinter) {
        bool ok = d.portOpen && app.Env.ports && app.Env.ports->Close() && !d.writeFailed;
        d.portOpen = false;
        if (!ok) {
            ShowError(Dialogs(app), "file write error");
            app.State.AbortFlag = 1;
        }
        return ok;
    }
    if (!d.file) return false;
    const bool ok = d.file->Commit();
    if (!ok) ReportWriteError(Dialogs(app), *d.file);
    d.file.reset();
    return ok;
}

void StartTextProgram(App& app) {
    const std::string& program = app.Config.TextProgram;
    Launcher* launcher = app.Env.launcher;
    if (!launcher || !launcher->Exists(program)) {
        ShowError(Dialogs(app), program + " not found");
        return;
    }
    if (!ConvertFile(app, app.Output.OutputFileName, OutwinPath(app))) return;
    if (!launcher->Start(program, {OutwinPath(app)})) ShowError(Dialogs(app), program + " not found");
}

void StartBrowser(App& app) {
    const std::string& browser = app.Config.HtmlBrowser;
    if (browser.empty()) return;
    Launcher* launcher = app.Env.launcher;
    if (!launcher || !launcher->Exists(browser)) {
        ShowError(Dialogs(app), browser + " not found");
        return;
    }
    if (!launcher->Start(browser, {app.Output.OutputFileName}))
        ShowError(Dialogs(app), browser + " not found");
}

void HandOver(App& app) {
    OutputDocument& d = app.Output;
    const std::string& name = d.OutputFileName;
    switch (d.Kind) {
    case odScreen:
        if (ConvertFile(app, name, OutwinPath(app))) ShowOutputWindow(app);
        std::remove(name.c_str());
        break;
    case odFile:
    case odDosFile:
        if (d.Kind == odFile && !d.JobFile.empty()) break;
        if (ConvertFile(app, name, OutwinPath(app)) && d.Kind == odFile)
            ShowInfo(Dialogs(app), name + " und Windows-Datei outwin.txt wurden angelegt..");
        break;
    case odWindowsPrinter:
        PrintTextFile(app, name);
        std::remove(name.c_str());
        break;
    case odTextProgram:
        StartTextProgram(app);
        break;
    case odSpreadsheetTxt:
        ++d.SpreadsheetCount;
        ConvertFile(app, name,
                    FolderPath(app.Config.TempDir) + "$$" + std::to_string(d.SpreadsheetCount) +
                        ".txt");
        break;
    case odProjectTxt:
        ++d.SpreadsheetCount;
        ConvertFile(app, name, app.State.ProjectDir + app.State.ProjectName + ".txt");
        break;
    case odHtml:
        StartBrowser(app);
        break;
    default:
        break;
    }
}

} // namespace

void OutputClose(App& app) {
    OutputDocument& d = app.Output;
    const Settings& s = app.Config;
    const bool paged = d.Kind == odScreen || d.Kind == odTextPrinter || d.Kind == odWindowsPrinter;
    if (paged && d.LineCount > 0 && (s.HeaderMode == 2 || s.SeparatorStyle == 4))
        WriteRaw(app, "\f");
    if (d.Kind == odHtml) {
        CloseHtmlTable(app);
        WriteRawLine(app, "</BODY>");
        WriteRawLine(app, "</HTML>");
    }
    if (app.Env.ui) app.Env.ui->SetWaitCursor(true);
    if (FinishFile(app)) HandOver(app);
    if (app.Env.ui) app.Env.ui->SetWaitCursor(false);
}

bool ConvertFile(App& app, const std::string& src, const std::string& dst) {
    std::vector<std::string> lines;
    int error = 0;
    if (!ReadTextLines(src, lines, &error)) {
        ShowError(Dialogs(app), "Datei " + src + " nicht gefunden oder kein Zugriffsrecht !");
        app.State.AbortFlag = 1;
        return false;
    }
    TextFileWriter out;
    if (!out.Open(dst)) {
        ReportWriteError(Dialogs(app), out);
        return false;
    }
    const bool plain = app.Config.PlainCharacters == 1;
    for (const auto& line : lines)
        out.WriteLine(OemToDesktopText(line, plain));
    if (!out.Commit()) {
        ReportWriteError(Dialogs(app), out);
        return false;
    }
    return true;
}

void ShowErrorMessageDocument(App& app) {
    if (app.Messages.count == 0) {
        ShowInfo(Dialogs(app), "Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    const auto& r = app.Project.RemarkLines;
    SetHeader(app,
              {std::string(kProgramName) + " V" + kVersion, "Error Messages", r[0], r[1], r[2]}, 1);
    OutputOpen(app, odScreen);
    if (app.State.AbortFlag) return;
    PageHeader(app);
    WriteMessageBlock(app);
    PageEnd(app);
    OutputClose(app);
}

} // namespace vak1
