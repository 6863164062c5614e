// Opening the output document: the choice of output kind and the file it is written to.
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "platform/PortWriter.h"
#include "platform/Ui.h"
#include "report/OutputDocument.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

const std::vector<std::string>& KindNames() {
    static const std::vector<std::string> names = {"Bildschirm",
                                                   "Textdrucker",
                                                   "Datei",
                                                   "Windows-Drucker",
                                                   "externes Textprogramm",
                                                   "TXT File (Excel, QPRO ...)",
                                                   "HTML File (Netscape, Internet Explorer ...)"};
    return names;
}

void Abort(App& app) {
    app.State.AbortFlag = 1;
}

bool IsFull(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

void CreateFailed(App& app, int error) {
    ShowError(Dialogs(app), IsFull(error) ? "Diskette/Platte voll" : "file write error");
    Abort(app);
}

// The save-file selection for a chosen output file, with its overwrite check.
bool ChooseFile(App& app, const std::string& ext, std::string& path) {
    const std::string filter = "*." + ext + "|*." + ext;
    std::string chosen;
    if (!DialogUi(Dialogs(app), kHelpOutputFile).SaveFileDialog(filter, app.State.ProjectDir,
                                      app.State.ProjectName + "." + ext, chosen)) {
        Abort(app);
        return false;
    }
    const auto slash = chosen.find_last_of('/');
    const std::string base = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    if (base.find('.') == std::string::npos) chosen += "." + ext;
    path = chosen;
    CheckTargetFile(Dialogs(app), path);
    return !app.State.AbortFlag;
}

// "$OUT" + i + ".TMP": the first of 1..11 that can be created.
bool TemporaryName(App& app, std::string& path) {
    int error = 0;
    for (int i = 1; i <= 11; ++i) {
        const std::string name =
            FolderPath(app.Config.TempDir) + "$OUT" + std::to_string(i) + ".TMP";
        errno = 0;
        if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
            std::fclose(f);
            path = name;
            return true;
        }
        error = errno;
    }
    CreateFailed(app, error);
    return false;
}

// The printer set-up sequence, sent before the first line when the file exists.
void SendPrinterSetup(App& app) {
    std::ifstream in("TEXT.HXP", std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!app.Env.ports->Write(bytes)) app.Output.writeFailed = true;
}

void OpenPort(App& app) {
    OutputDocument& d = app.Output;
    d.OutputFileName = "LPT" + std::to_string(app.Config.PrinterPort);
    bool pause = AskQuestion(Dialogs(app), kHelpPrinterPause, "Pause nach jeder Seite ?");
    if (app.State.AbortFlag) return;
    if (!app.Env.ports || !app.Env.ports->Open(d.OutputFileName)) {
        ShowError(Dialogs(app), "file write error");
        Abort(app);
        return;
    }
    d.portOpen = true;
    d.PausePerPage = pause;
    SendPrinterSetup(app);
}

// Picks OutputFileName by kind; false when aborted.
bool ChooseTarget(App& app) {
    OutputDocument& d = app.Output;
    const Settings& s = app.Config;
    switch (d.Kind) {
    case odFile:
        if (!d.JobFile.empty()) {
            d.OutputFileName = d.JobFile;
            return true;
        }
        return ChooseFile(app, "txt", d.OutputFileName);
    case odSpreadsheetTxt:
    case odProjectTxt:
        if (s.TextDeviceDialog) return ChooseFile(app, "txt", d.OutputFileName);
        d.OutputFileName =
            FolderPath(s.TempDir) + "$$$" + std::to_string(d.SpreadsheetCount + 1) + ".txt";
        return true;
    case odHtml:
        if (s.HtmlBrowser.empty()) return ChooseFile(app, "htm", d.OutputFileName);
        d.OutputFileName = FolderPath(s.TempDir) + "vak1.htm";
        CheckTargetFile(Dialogs(app), d.OutputFileName);
        return !app.State.AbortFlag;
    case odDosFile:
        d.OutputFileName = FolderPath(s.TempDir) + "OUTDOS.TXT";
        return true;
    default:
        return TemporaryName(app, d.OutputFileName);
    }
}

} // namespace

void OutputOpen(App& app, uint16_t kind) {
    OutputDocument& d = app.Output;
    d.KindNames = KindNames();
    if (kind == kOnlyKindNames) return;
    OutputDiscard(app);
    uint16_t current = app.Config.TextDevice;
    if (kind != 0) {
        current = kind;
    } else if (app.Config.TextDeviceDialog) {
        if (current < 1 || current > 7) current = 1;
        InputChoice(Dialogs(app), kHelpOutputKind, "Ausgabe auf ..", d.KindNames, current);
        if (app.State.AbortFlag) return;
    }
    // An unknown kind from a damaged settings file shows the text in the window.
    d.Kind = current >= 1 && current <= 9 ? current : uint16_t{odScreen};
    d.PausePerPage = false;
    d.HtmlTableOpen = false;
    d.PageJoined = false;
    d.writeFailed = false;
    if (d.Kind == odTextPrinter) {
        OpenPort(app);
    } else if (ChooseTarget(app)) {
        d.file = std::make_unique<TextFileWriter>();
        if (!d.file->Open(d.OutputFileName)) {
            const int error = d.file->ErrorCode();
            d.file.reset();
            if (d.JobFile.empty()) {
                CreateFailed(app, error);
            } else { // an unattended job names its file and the reason
                ShowError(Dialogs(app), IoErrorText(IoStage::Create, error) + " (" + d.JobFile + ")");
                Abort(app);
            }
        }
    }
    if (app.State.AbortFlag) return;
    if (d.Kind != odFile && d.Kind != odHtml && !IsTabKind(d.Kind)) {
        d.PageNumber = 0;
        d.LineCount = 0;
    }
}

void OutputDiscard(App& app) {
    OutputDocument& d = app.Output;
    const bool temporary =
        d.file && (d.Kind == odScreen || d.Kind == odWindowsPrinter || d.Kind == odTextProgram);
    d.file.reset(); // an uncommitted writer leaves the target as it was
    if (temporary) std::remove(d.OutputFileName.c_str());
    if (d.portOpen && app.Env.ports) app.Env.ports->Close();
    d.portOpen = false;
}

} // namespace vak1
