// Printing a text file page by page, and the output window that shows the Windows copy.
#include "dialogs/dialogs.h"
#include "platform/Launcher.h"
#include "platform/Printer.h"
#include "platform/Ui.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/program.h"

namespace vak1 {
namespace {

constexpr int kLastPrintablePage = 255;

bool StartsPage(const std::string& line) {
    return !line.empty() && line.front() == '\f';
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void PrintTextFile(const OutputContext& ctx, const std::string& path) {
    std::vector<std::string> lines;
    if (!FileExists(path) || !ReadTextLines(path, lines)) {
        ShowError(ctx.dialogs, path + " not found !");
        return;
    }
    Printer* printer = ctx.env.printer;
    if (!printer) {
        ShowError(ctx.dialogs, "Kein Drucker eingerichtet !");
        return;
    }
    // Pages are ended by form feeds; text after the last one is a page of its own (a file
    // that does not end with a form feed would otherwise lose its last page).
    int pages = 0;
    bool textAfterLastFeed = false;
    for (const auto& l : lines) {
        if (StartsPage(l)) {
            ++pages;
            textAfterLastFeed = false;
        } else if (!l.empty()) {
            textAfterLastFeed = true;
        }
    }
    if (textAfterLastFeed) ++pages;
    int from = 1, to = pages;
    if (!printer->ChoosePages(pages, from, to)) return;
    const Settings& s = ctx.settings;
    const PrintFont font{s.PrintFontName, s.PrintFontSize, s.PrintFontStyle};
    if (!printer->BeginDocument(FileNameOf(path), font, s.LinesPerPage)) return;
    const bool plain = s.PlainCharacters == UnitCharacters::Plain;
    int page = 1, row = 0;
    for (const auto& line : lines) {
        if (StartsPage(line)) {
            ++page;
            if (page >= from + 1 && page <= to && page <= kLastPrintablePage) printer->NewPage();
            row = 0;
            continue;
        }
        if (page >= from && page <= to && page <= kLastPrintablePage)
            printer->PrintLine(row, Win1252ToUtf8(OemToAnsiText(line, plain)));
        ++row;
    }
    printer->EndDocument();
}

void ShowOutputWindow(const OutputContext& ctx) {
    const std::string path = FolderPath(ctx.settings.TempDir) + "outwin.txt";
    std::vector<std::string> lines;
    if (!FileExists(path) || !ReadTextLines(path, lines)) {
        ShowError(ctx.dialogs, path + " not found !");
        return;
    }
    const Settings& s = ctx.settings;
    TextWindow w;
    w.caption = std::string(kProgramName) + " - " + path;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) w.text += '\n';
        w.text += lines[i]; // the copy is UTF-8 already
    }
    w.fontName = s.PrintFontName;
    w.fontSize = s.PrintFontSize;
    w.fontStyle = s.PrintFontStyle;
    const Rect& r = s.TextWindowRect;
    if (r.width > 0 && r.height > 0) {
        w.left = r.left;
        w.top = r.top;
        w.width = r.width;
        w.height = r.height;
    }
    const std::string own = ctx.doc.OutputFileName;
    w.print = [ctx, own] { PrintTextFile(ctx, own); };
    // The desktop's text program stands in for the Windows editor.
    w.exportText = [ctx, path] {
        Launcher* launcher = ctx.env.launcher;
        const std::string& program = ctx.settings.TextProgram;
        if (launcher && launcher->MayStart(CommandText(program, {path}), NamedBy::SettingsFile))
            launcher->Start(program, {path});
    };
    DialogUi(ctx.dialogs, kHelpOutputKind).ShowTextWindow(w);
    ctx.settings.TextWindowRect = Rect{w.left, w.top, w.width, w.height};
}

} // namespace vak1
