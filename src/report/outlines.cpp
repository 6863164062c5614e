// Line writing of the output document: margins, page tests, separator filtering, HTML
// lines, and the byte sink (file or printer port).
#include <algorithm>

#include "platform/PortWriter.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
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

void Emit(const OutputContext& ctx, std::string_view bytes) {
    OutputDocument& d = ctx.doc;
    if (d.Kind == odTextPrinter) {
        if (d.portOpen && ctx.env.ports && !ctx.env.ports->Write(bytes)) d.writeFailed = true;
        return;
    }
    if (d.file) d.file->Write(bytes);
}

bool IsSeparator(const OutputContext& ctx, std::string_view text) {
    return text == kNoSeparator || text == SeparatorThin(ctx.settings) ||
           text == SeparatorThick(ctx.settings);
}

// Before each counted line of a text kind.
void PageTest(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    if (d.LineCount < ctx.settings.LinesPerPage) return;
    if (ctx.settings.HeaderMode == PageHeaders::FirstPageOnly) {
        Emit(ctx, "\f");
        WriteLineEnd(ctx);
        d.LineCount = 0;
        return;
    }
    PageEnd(ctx);
    PageHeader(ctx);
    WriteRawLine(ctx, "");
}

void Line(const OutputContext& ctx, std::string_view text, bool end) {
    OutputDocument& d = ctx.doc;
    if (IsTabKind(d.Kind)) {
        if (IsSeparator(ctx, text)) return;
        Emit(ctx, text);
    } else if (d.Kind == odHtml) {
        CloseHtmlTable(ctx);
        ++d.LineCount;
        if (IsSeparator(ctx, text)) return;
        Emit(ctx, OemToDesktopText("<br>" + HtmlEscape(text),
                                   ctx.settings.PlainCharacters == UnitCharacters::Plain));
    } else {
        if (text == kNoSeparator) return;
        ++d.LineCount;
        PageTest(ctx);
        Emit(ctx, kMargin);
        Emit(ctx, text);
    }
    if (end) WriteLineEnd(ctx);
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

void WriteLine(const OutputContext& ctx, std::string_view text) {
    Line(ctx, text, true);
}
void WriteLineStart(const OutputContext& ctx, std::string_view text) {
    Line(ctx, text, false);
}

void WriteRawLine(const OutputContext& ctx, std::string_view text) {
    if (text == kNoSeparator) return;
    if (ctx.doc.Kind == odHtml)
        Emit(ctx, OemToDesktopText(text, ctx.settings.PlainCharacters == UnitCharacters::Plain));
    else
        Emit(ctx, text);
    WriteLineEnd(ctx);
}

void WriteRaw(const OutputContext& ctx, std::string_view text) {
    Emit(ctx, text);
}
void WriteLineEnd(const OutputContext& ctx) {
    Emit(ctx, "\r\n");
}

void PageEnd(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    if (IsStructuredKind(d.Kind)) return;
    d.PageJoined = Style(ctx.settings) == 4 && d.LineCount < ctx.settings.LinesPerPage / 2;
    if (d.PageJoined) return;
    if (d.Kind == odScreen || d.Kind == odWindowsPrinter) {
        Emit(ctx, "\f");
        WriteLineEnd(ctx);
    } else if (d.Kind == odTextPrinter) {
        Emit(ctx, "\f");
    }
    d.LineCount = 0;
}

void EnsureSpace(const OutputContext& ctx) {
    const int limit = std::max(ctx.settings.LinesPerPage - 10, 10);
    if (ctx.doc.LineCount <= limit) return;
    PageEnd(ctx);
    PageHeader(ctx);
}

void OpenHtmlTable(const OutputContext& ctx) {
    if (ctx.doc.HtmlTableOpen) return;
    WriteRawLine(ctx, "<TABLE BORDER = \"2\" WIDTH= \"100%\">");
    ctx.doc.HtmlTableOpen = true;
}

void CloseHtmlTable(const OutputContext& ctx) {
    if (!ctx.doc.HtmlTableOpen) return;
    ctx.doc.HtmlTableOpen = false;
    WriteRawLine(ctx, "</TABLE>");
}

} // namespace vak1
