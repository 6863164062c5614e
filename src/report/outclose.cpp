// Closing the output document and handing the file to its destination: output window,
// printer, text program, browser or the Windows copies for other programs.
#include <cstdio>

#include "dialogs/dialogs.h"
#include "platform/Launcher.h"
#include "platform/PortWriter.h"
#include "platform/Ui.h"
#include "model/messages.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/program.h"

namespace vak1 {
namespace {

std::string OutwinPath(const OutputContext& ctx) {
    return FolderPath(ctx.settings.TempDir) + "outwin.txt";
}

// Finishes the file; false (with a message and AbortFlag) when any write failed.
bool FinishFile(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    if (d.Kind == odTextPrinter) {
        bool ok = d.portOpen && ctx.env.ports && ctx.env.ports->Close() && !d.writeFailed;
        d.portOpen = false;
        if (!ok) {
            ShowError(ctx.dialogs, "file write error");
            ctx.dialogs.AbortFlag = 1;
        }
        return ok;
    }
    if (!d.file) return false;
    if (!d.file->Commit()) {
        ReportWriteError(ctx.dialogs, *d.file);
        OutputDiscard(ctx); // the temporary file of the window and printer kinds goes too
        return false;
    }
    d.file.reset();
    return true;
}

void StartTextProgram(const OutputContext& ctx) {
    const std::string& program = ctx.settings.TextProgram;
    Launcher* launcher = ctx.env.launcher;
    if (!launcher || !launcher->Exists(program)) {
        ShowError(ctx.dialogs, program + " not found");
        return;
    }
    if (!ConvertFile(ctx, ctx.doc.OutputFileName, OutwinPath(ctx))) return;
    if (!launcher->MayStart(CommandText(program, {OutwinPath(ctx)}), NamedBy::SettingsFile)) return;
    if (!launcher->Start(program, {OutwinPath(ctx)}))
        ShowError(ctx.dialogs, program + " not found");
}

void StartBrowser(const OutputContext& ctx) {
    const std::string& browser = ctx.settings.HtmlBrowser;
    if (browser.empty()) return;
    Launcher* launcher = ctx.env.launcher;
    if (!launcher || !launcher->Exists(browser)) {
        ShowError(ctx.dialogs, browser + " not found");
        return;
    }
    if (!launcher->MayStart(CommandText(browser, {ctx.doc.OutputFileName}), NamedBy::SettingsFile))
        return;
    if (!launcher->Start(browser, {ctx.doc.OutputFileName}))
        ShowError(ctx.dialogs, browser + " not found");
}

void HandOver(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const std::string& name = d.OutputFileName;
    switch (d.Kind) {
    case odScreen:
        if (ConvertFile(ctx, name, OutwinPath(ctx))) ShowOutputWindow(ctx);
        std::remove(name.c_str());
        break;
    case odFile:
    case odDosFile:
        if (d.Kind == odFile && !d.JobFile.empty()) break;
        if (ConvertFile(ctx, name, OutwinPath(ctx)) && d.Kind == odFile)
            ShowInfo(ctx.dialogs, name + " und Windows-Datei outwin.txt wurden angelegt..");
        break;
    case odWindowsPrinter:
        PrintTextFile(ctx, name);
        std::remove(name.c_str());
        break;
    case odTextProgram:
        StartTextProgram(ctx);
        break;
    case odSpreadsheetTxt:
        ++d.SpreadsheetCount;
        ConvertFile(ctx, name,
                    FolderPath(ctx.settings.TempDir) + "$$" + std::to_string(d.SpreadsheetCount) +
                        ".txt");
        break;
    case odProjectTxt:
        ++d.SpreadsheetCount;
        ConvertFile(ctx, name, ctx.ProjectDir + ctx.ProjectName + ".txt");
        break;
    case odHtml:
        StartBrowser(ctx);
        break;
    default:
        break;
    }
}

} // namespace

void OutputClose(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const Settings& s = ctx.settings;
    const bool paged = d.Kind == odScreen || d.Kind == odTextPrinter || d.Kind == odWindowsPrinter;
    if (paged && d.LineCount > 0 &&
        (s.HeaderMode == PageHeaders::FirstPageOnly || s.SeparatorStyle == 4))
        WriteRaw(ctx, "\f");
    if (d.Kind == odHtml) {
        CloseHtmlTable(ctx);
        WriteRawLine(ctx, "</BODY>");
        WriteRawLine(ctx, "</HTML>");
    }
    if (ctx.env.ui) ctx.env.ui->SetWaitCursor(true);
    if (FinishFile(ctx)) HandOver(ctx);
    if (ctx.env.ui) ctx.env.ui->SetWaitCursor(false);
}

bool ConvertFile(const OutputContext& ctx, const std::string& src, const std::string& dst) {
    std::vector<std::string> lines;
    int error = 0;
    if (!ReadTextLines(src, lines, &error)) {
        ShowError(ctx.dialogs, "Datei " + src + " nicht gefunden oder kein Zugriffsrecht !");
        ctx.dialogs.AbortFlag = 1;
        return false;
    }
    TextFileWriter out;
    if (!out.Open(dst)) {
        ReportWriteError(ctx.dialogs, out);
        return false;
    }
    const bool plain = ctx.settings.PlainCharacters == UnitCharacters::Plain;
    for (const auto& line : lines)
        out.WriteLine(OemToDesktopText(line, plain));
    if (!out.Commit()) {
        ReportWriteError(ctx.dialogs, out);
        return false;
    }
    return true;
}

void ShowErrorMessageDocument(const OutputContext& ctx, const MessageList& messages) {
    if (messages.count == 0) {
        ShowInfo(ctx.dialogs, "Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    const auto& r = ctx.RemarkLines;
    SetHeader(ctx,
              {std::string(kProgramName) + " V" + kVersion, "Error Messages", r[0], r[1], r[2]}, 1);
    OutputOpen(ctx, odScreen);
    if (ctx.dialogs.AbortFlag) return;
    PageHeader(ctx);
    WriteMessageBlock(ctx, messages);
    PageEnd(ctx);
    OutputClose(ctx);
}

} // namespace vak1
