// The page header: the framed box of the text kinds, the title block of HTML pages and the
// opening lines of tab-separated files.
#include <algorithm>
#include <cstdio>

#include "dialogs/dialogs.h"
#include "platform/Clock.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "text/program.h"

namespace vak1 {
namespace {

constexpr std::size_t kFramedWidth = 72;

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string RightAligned2(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d", n);
    return buf;
}

DateTime Now(const OutputContext& ctx) {
    return ctx.env.clock ? ctx.env.clock->Now() : DateTime{};
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

std::string VersionTitle() {
    return std::string(kProgramTitle) + " V" + kVersion;
}

// The project file as the header names it.
std::string ProjectFileText(const OutputContext& ctx) {
    if (ctx.ProjectName.empty()) return {};
    const std::string& path = ctx.ProjectPath;
    if (ctx.CommandLineFile) return path; // as it stood on the command line
    const std::string file = path.substr(path.find_last_of('/') + 1);
    if ((ctx.ProjectDir + ctx.ProjectName).size() < 70) return ctx.ProjectDir + file;
    return file;
}

struct Placed {
    std::size_t col;
    std::string text;
};

void WriteFramed(const OutputContext& ctx, std::initializer_list<Placed> texts) {
    const char frame = FrameCharacter(ctx.settings);
    std::string line(kFramedWidth, ' ');
    InsertAt(line, 1, std::string(1, frame), kFramedWidth);
    for (const auto& t : texts)
        InsertAt(line, t.col, t.text, kFramedWidth);
    InsertAt(line, 70, std::string(1, frame), kFramedWidth);
    WriteRaw(ctx, "       ");
    WriteRawLine(ctx, line);
}

void WriteBoxLine(const OutputContext& ctx, const std::string& line) {
    if (line == kNoSeparator) return;
    WriteRaw(ctx, "       ");
    WriteRawLine(ctx, line);
}

void TabHeader(const OutputContext& ctx) {
    WriteRawLine(ctx, VersionTitle() + "\t" + HeaderDate(ctx) + "\t" + HeaderTime(ctx));
    WriteRawLine(ctx, WithoutBlanks(ctx.doc.OutputFileName));
    for (const auto& r : ctx.RemarkLines)
        WriteRawLine(ctx, r);
    WriteRawLine(ctx, " ");
}

void HtmlHeader(const OutputContext& ctx) {
    WriteRawLine(ctx, "<!-- " + HtmlEscape(WithoutBlanks(ctx.doc.OutputFileName)) + " -->");
    WriteRawLine(ctx, "<HTML>");
    WriteRawLine(ctx,
                 "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"
                 "<title>" +
                     VersionTitle() + "</title></head>");
    WriteRawLine(ctx, "<BODY BGCOLOR=\"C0C0C0\">");
    WriteRawLine(ctx, "<hr>");
    WriteRawLine(ctx, "<br><h4>" + VersionTitle() + "</h4>");
    WriteRawLine(ctx, "<br><hr>");
    for (std::size_t i = 1; i < 5; ++i)
        WriteRawLine(ctx, "<br><h5>" + HtmlEscape(ctx.doc.HeaderLines[i]) + "</h5>");
    WriteRawLine(ctx, "<br><hr>");
}

void TextHeaderBox(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const Settings& s = ctx.settings;
    d.LineCount = 0;
    ++d.PageNumber;
    if (s.SeparatorStyle == 4) WriteRawLine(ctx, "");
    // A damaged settings file must not make the header endless.
    const int spaceLines = std::min(s.HeaderSpaceLines, std::max(s.LinesPerPage, 1));
    for (int i = 0; i < spaceLines; ++i)
        WriteRawLine(ctx, "");
    WriteBoxLine(ctx, SeparatorBoxTop(s));
    if (s.HeaderMode == PageHeaders::FirstPageOnly)
        WriteFramed(ctx, {{6, d.HeaderLines[0]}});
    else if (d.TotalPages != 0)
        WriteFramed(
            ctx, {{6, d.HeaderLines[0]},
                  {60, "Bl." + RightAligned2(d.PageNumber) + "/" + RightAligned2(d.TotalPages)}});
    else
        WriteFramed(ctx, {{6, d.HeaderLines[0]}, {64, "Bl." + RightAligned2(d.PageNumber)}});
    WriteFramed(ctx, {{53, HeaderDate(ctx)}, {64, HeaderTime(ctx)}});
    WriteFramed(ctx, {{6, ProjectFileText(ctx)}});
    WriteBoxLine(ctx, SeparatorBoxMiddle(s));
    for (std::size_t i = 1; i < 4; ++i)
        WriteFramed(ctx, {{6, d.HeaderLines[i]}});
    if (!d.HeaderLines[4].empty()) WriteFramed(ctx, {{6, d.HeaderLines[4]}});
    WriteBoxLine(ctx, SeparatorBoxBottom(s));
}

} // namespace

std::string HeaderDate(const OutputContext& ctx) {
    const DateTime t = Now(ctx);
    const std::string d = TwoDigits(t.day), m = TwoDigits(t.month);
    const std::string y = std::to_string(t.year);
    switch (ctx.settings.DateCode) {
    case 1:
        return d + "." + m + "." + y;
    case 2:
        return m + "/" + d + "/" + y;
    case 4:
        return d + "/" + m + "/" + y;
    default:
        return y + "/" + m + "/" + d;
    }
}

std::string HeaderTime(const OutputContext& ctx) {
    const DateTime t = Now(ctx);
    return std::to_string(t.hour) + ":" + TwoDigits(t.minute);
}

void SetHeader(const OutputContext& ctx, const std::array<std::string, 5>& lines, int totalPages) {
    OutputDocument& d = ctx.doc;
    for (std::size_t i = 0; i < 5; ++i)
        d.HeaderLines[i] = lines[i].substr(0, kHeaderLineLength);
    if (d.HeaderLines[0].empty()) d.HeaderLines[0] = std::string(kProgramTitle) + "  V" + kVersion;
    d.TotalPages = totalPages;
    d.PageJoined = false;
    d.PageNumber = 0;
    d.LineCount = 0;
}

void PageHeader(const OutputContext& ctx) {
    OutputDocument& d = ctx.doc;
    const Settings& s = ctx.settings;
    if (IsStructuredKind(d.Kind)) {
        if (d.PageNumber > 0) return;
        if (d.Kind == odHtml)
            HtmlHeader(ctx);
        else
            TabHeader(ctx);
        ++d.PageNumber;
        return;
    }
    if (d.PausePerPage) {
        if (!AskQuestion(ctx.dialogs, kHelpPrinterPause,
                         "Blatt in Drucker einlegen.  Fortfahren ?")) {
            ctx.dialogs.AbortFlag = 1;
            return;
        }
    }
    if (s.HeaderMode == PageHeaders::FirstPageOnly && d.PageNumber > 0) {
        WriteRawLine(ctx, " ");
        return;
    }
    // A short page of style 4 goes on under the old header. Testing the flag rather than
    // LineCount alone keeps the header of a page that follows a full one.
    if (s.SeparatorStyle == 4 && d.PageNumber > 0 && d.LineCount < s.LinesPerPage / 2 &&
        d.PageJoined)
        return;
    TextHeaderBox(ctx);
}

} // namespace vak1
