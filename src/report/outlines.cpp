// Line writing of the output document: margins, page tests, separator filtering, HTML
// lines, and the byte sink (file or printer port).
#include <algorithm>

#include "app/App.h"
#include "platform/PortWriter.h"
#include "report/OutputDocument.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr std::string_view kMargin = "       ";

int Style(const Settings& s) {
    return s.SeparatorStyle == 0 ? 1 : s.SeparatorStyle;
}

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

std::string Boxed(const Settings& s, char left, char right) {
    if (Style(s) == 2) return left + Repeat('\xCD', kSeparatorLength - 2) + right;
    if (Style(s) == 3) return Repeat(' ', kSeparatorLength);
    if (Style(s) == 4) return kNoSeparator;
    return Repeat('*', kSeparatorLength);
}

void Emit(App& app, std::string_view bytes) {
    OutputDocument& d = app.Output;
    if (d.Kind == odTextPrinter) {
        if (d.portOpen && app.Env.ports && !app.Env.ports->Write(bytes)) d.writeFailed = true;
        return;
    }
    if (d.file) d.file->Write(bytes);
}

bool IsSeparator(const App& app, std::string_view text) {
    return text == kNoSeparator || text == SeparatorThin(app.Config) ||
           text == SeparatorThick(app.Config);
}

// Before each counted line of a text kind.
void PageTest(App& app) {
    OutputDocument& d = app.Output;
    if (d.LineCount < app.Config.LinesPerPage) return;
    if (app.Config.HeaderMode == 2) {
        Emit(app, "\f");
        WriteLineEnd(app);
        d.LineCount = 0;
        return;
    }
    PageEnd(app);
    PageHeader(app);
    WriteRawLine(app, "");
}

void Line(App& app, std::string_view text, bool end) {
    OutputDocument& d = app.Output;
    if (IsTabKind(d.Kind)) {
        if (IsSeparator(app, text)) return;
        Emit(app, text);
    } else if (d.Kind == odHtml) {
        CloseHtmlTable(app);
        ++d.LineCount;
        if (IsSeparator(app, text)) return;
        Emit(app, OemToDesktopText("<br>" + HtmlEscape(text), app.Config.PlainCharacters == 1));
    } else {
        if (text == kNoSeparator) return;
        ++d.LineCount;
        PageTest(app);
        Emit(app, kMargin);
        Emit(app, text);
    }
    if (end) WriteLineEnd(app);
}

} // namespace

bool IsStructuredKind(uint16_t kind) {
    return kind == 6 || kind == 7 || kind == 9;
}
bool IsTabKind(uint16_t kind) {
    return kind == 6 || kind == 9;
}

std::string SeparatorThin(const Settings& s) {
    switch (Style(s)) {
    case 2:
        return Repeat('\xC4', kSeparatorLength);
    case 3:
        return Repeat(' ', kSeparatorLength);
    case 4:
        return kNoSeparator;
    default:
        return Repeat('-', kSeparatorLength);
    }
}

std::string SeparatorThick(const Settings& s) {
    switch (Style(s)) {
    case 2:
        return Repeat('\xCD', kSeparatorLength);
    case 3:
        return Repeat(' ', kSeparatorLength);
    case 4:
        return kNoSeparator;
    default:
        return Repeat('=', kSeparatorLength);
    }
}

std::string SeparatorBoxTop(const Settings& s) {
    return Boxed(s, '\xC9', '\xBB');
}
std::string SeparatorBoxBottom(const Settings& s) {
    return Boxed(s, '\xC8', '\xBC');
}
std::string SeparatorBoxMiddle(const Settings& s) {
    return Boxed(s, '\xCC', '\xB9');
}

char FrameCharacter(const Settings& s) {
    switch (Style(s)) {
    case 2:
        return '\xBA';
    case 3:
    case 4:
        return ' ';
    default:
        return '*';
    }
}

void InsertAt(std::string& line, std::size_t col, std::string_view text, std::size_t width) {
    const std::size_t at = col == 0 ? 0 : std::min(col - 1, line.size());
    line.insert(at, text);
    if (line.size() > width) line.resize(width);
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void WriteLine(App& app, std::string_view text) {
    Line(app, text, true);
}
void WriteLineStart(App& app, std::string_view text) {
    Line(app, text, false);
}

void WriteRawLine(App& app, std::string_view text) {
    if (text == kNoSeparator) return;
    if (app.Output.Kind == odHtml)
        Emit(app, OemToDesktopText(text, app.Config.PlainCharacters == 1));
    else
        Emit(app, text);
    WriteLineEnd(app);
}

void WriteRaw(App& app, std::string_view text) {
    Emit(app, text);
}
void WriteLineEnd(App& app) {
    Emit(app, "\r\n");
}

void PageEnd(App& app) {
    OutputDocument& d = app.Output;
    if (IsStructuredKind(d.Kind)) return;
    d.PageJoined = Style(app.Config) == 4 && d.LineCount < app.Config.LinesPerPage / 2;
    if (d.PageJoined) return;
    if (d.Kind == odScreen || d.Kind == odWindowsPrinter) {
        Emit(app, "\f");
        WriteLineEnd(app);
    } else if (d.Kind == odTextPrinter) {
        Emit(app, "\f");
    }
    d.LineCount = 0;
}

void EnsureSpace(App& app) {
    const int limit = std::max(app.Config.LinesPerPage - 10, 10);
    if (app.Output.LineCount <= limit) return;
    PageEnd(app);
    PageHeader(app);
}

void OpenHtmlTable(App& app) {
    if (app.Output.HtmlTableOpen) return;
    WriteRawLine(app, "<TABLE BORDER = \"2\" WIDTH= \"100%\">");
    app.Output.HtmlTableOpen = true;
}

void CloseHtmlTable(App& app) {
    if (!app.Output.HtmlTableOpen) return;
    app.Output.HtmlTableOpen = false;
    WriteRawLine(app, "</TABLE>");
}

} // namespace vak1
