// Opening the output document: the choice of output kind and the file it is written to.
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "platform/PortWriter.h"
#include "platform/Ui.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/textfile.h"

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

void Abort(const OutputContext& ctx) {
    ctx.dialogs.AbortFlag = 1;
}

bool IsFull(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

void CreateFailed(const OutputContext& ctx, int error) {
    ShowError(ctx.dialogs, IsFull(error) ? "Diskette/Platte voll" : "file write error");
    Abort(ctx);
}

// The save-file selection for a chosen output file, with its overwrite check.
bool ChooseFile(const OutputContext& ctx, const std::string& ext, std::string& path) {
    const std::string filter = "*." + ext + "|*." + ext;
    std::string chosen;
    if (!DialogUi(ctx.dialogs, kHelpOutputFile)
             .SaveFileDialog(filter, ctx.ProjectDir, ctx.ProjectName + "." + ext, chosen)) {
        Abort(ctx);
        return false;
    }
    const auto slash = chosen.find_last_of('/');
    const std::string base = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    if (base.find('.') == std::string::npos) chosen += "." + ext;
    path = chosen;
    CheckTargetFile(ctx.dialogs, path);
    return !ctx.dialogs.AbortFlag;
}

// "$OUT" + six random characters + ".TMP", created new: the temporary folder may be shared,
// and a fixed name there could be a link another user planted.
bool TemporaryName(const OutputContext& ctx, std::string& path) {
    errno = 0;
    const int fd = CreateUniqueFile(FolderPath(ctx.settings.TempDir) + "$OUT", ".TMP", path);
    if (fd < 0) {
        CreateFailed(ctx, errno);
        return false;
    }
    ::close(fd);
    return true;
}

// The printer set-up sequence, sent before the first line when the file exists.
void SendPrinterSetup(const OutputContext& ctx) {
    std::ifstream in("TEXT.HXP", std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!ctx.env.ports->Write(bytes)) ctx.doc.writeFailed = true;
}

void OpenPort(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    d.OutputFileName = "LPT" + std::to_string(ctx.settings.PrinterPort);
    bool pause = AskQuestion(ctx.dialogs, kHelpPrinterPause, "Pause nach jeder Seite ?");
    if (ctx.dialogs.AbortFlag) return;
    if (!ctx.env.ports || !ctx.env.ports->Open(d.OutputFileName)) {
        ShowError(ctx.dialogs, "file write error");
        Abort(ctx);
        return;
    }
    d.portOpen = true;
    d.PausePerPage = pause;
    SendPrinterSetup(ctx);
}

// Picks OutputFileName by kind; false when aborted.
bool ChooseTarget(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const Settings& s = ctx.settings;
    switch (d.Kind) {
    case odFile:
        if (!d.JobFile.empty()) {
            d.OutputFileName = d.JobFile;
            return true;
        }
        return ChooseFile(ctx, "txt", d.OutputFileName);
    case odSpreadsheetTxt:
    case odProjectTxt:
        if (s.TextDeviceDialog) return ChooseFile(ctx, "txt", d.OutputFileName);
        d.OutputFileName =
            FolderPath(s.TempDir) + "$$$" + std::to_string(d.SpreadsheetCount + 1) + ".txt";
        return true;
    case odHtml:
        if (s.HtmlBrowser.empty()) return ChooseFile(ctx, "htm", d.OutputFileName);
        d.OutputFileName = FolderPath(s.TempDir) + "vak1.htm";
        CheckTargetFile(ctx.dialogs, d.OutputFileName);
        return !ctx.dialogs.AbortFlag;
    case odDosFile:
        d.OutputFileName = FolderPath(s.TempDir) + "OUTDOS.TXT";
        return true;
    default:
        return TemporaryName(ctx, d.OutputFileName);
    }
}

} // namespace

void OutputOpen(const OutputContext& ctx, uint16_t kind) {
    OutputDocument& d = ctx.doc;
    d.KindNames = KindNames();
    if (kind == kOnlyKindNames) return;
    OutputDiscard(ctx);
    uint16_t current = ctx.settings.TextDevice;
    if (kind != 0) {
        current = kind;
    } else if (ctx.settings.TextDeviceDialog) {
        if (current < 1 || current > 7) current = 1;
        InputChoice(ctx.dialogs, kHelpOutputKind, "Ausgabe auf ..", d.KindNames, current);
        if (ctx.dialogs.AbortFlag) return;
    }
    // An unknown kind from a damaged settings file shows the text in the window.
    d.Kind = current >= 1 && current <= 9 ? current : uint16_t{odScreen};
    d.PausePerPage = false;
    d.HtmlTableOpen = false;
    d.PageJoined = false;
    d.writeFailed = false;
    if (d.Kind == odTextPrinter) {
        OpenPort(ctx);
    } else if (ChooseTarget(ctx)) {
        d.file = std::make_unique<TextFileWriter>();
        if (!d.file->Open(d.OutputFileName)) {
            const int error = d.file->ErrorCode();
            d.file.reset();
            if (d.JobFile.empty()) {
                CreateFailed(ctx, error);
            } else { // an unattended job names its file and the reason
                ShowError(ctx.dialogs,
                          IoErrorText(IoStage::Create, error) + " (" + d.JobFile + ")");
                Abort(ctx);
            }
        }
    }
    if (ctx.dialogs.AbortFlag) return;
    if (d.Kind != odFile && d.Kind != odHtml && !IsTabKind(d.Kind)) {
        d.PageNumber = 0;
        d.LineCount = 0;
    }
}

void OutputDiscard(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const bool temporary =
        d.file && (d.Kind == odScreen || d.Kind == odWindowsPrinter || d.Kind == odTextProgram);
    d.file.reset(); // an uncommitted writer leaves the target as it was
    if (temporary) std::remove(d.OutputFileName.c_str());
    if (d.portOpen && ctx.env.ports) ctx.env.ports->Close();
    d.portOpen = false;
}

} // namespace vak1
