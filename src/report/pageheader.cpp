// The page header: the framed box of the text kinds, the title block of HTML pages and the
// opening lines of tab-separated files.
#include <algorithm>
#include <cstdio>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "platform/Clock.h"
#include "report/OutputDocument.h"

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

DateTime Now(const App& app) {
    return app.Env.clock ? app.Env.clock->Now() : DateTime{};
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

std::string VersionTitle() {
    return std::string(kProgramTitle) + " V" + kVersion;
}

// The project file as the header names it.
std::string ProjectFileText(const App& app) {
    const AppState& st = app.State;
    if (st.ProjectName.empty()) return {};
    const std::string path = st.ProjectPath();
    if (st.CommandLineFile) return path; // as it stood on the command line
    const std::string file = path.substr(path.find_last_of('/') + 1);
    if ((st.ProjectDir + st.ProjectName).size() < 70) return st.ProjectDir + file;
    return file;
}

struct Placed {
    std::size_t col;
    std::string text;
};

void WriteFramed(App& app, std::initializer_list<Placed> texts) {
    const char frame = FrameCharacter(app.Config);
    std::string line(kFramedWidth, ' ');
    InsertAt(line, 1, std::string(1, frame), kFramedWidth);
    for (const auto& t : texts)
        InsertAt(line, t.col, t.text, kFramedWidth);
    InsertAt(line, 70, std::string(1, frame), kFramedWidth);
    WriteRaw(app, "       ");
    WriteRawLine(app, line);
}

void WriteBoxLine(App& app, const std::string& line) {
    if (line == kNoSeparator) return;
    WriteRaw(app, "       ");
    WriteRawLine(app, line);
}

void TabHeader(App& app) {
    WriteRawLine(app, VersionTitle() + "\t" + HeaderDate(app) + "\t" + HeaderTime(app));
    WriteRawLine(app, WithoutBlanks(app.Output.OutputFileName));
    for (const auto& r : app.Project.RemarkLines)
        WriteRawLine(app, r);
    WriteRawLine(app, " ");
}

void HtmlHeader(App& app) {
    WriteRawLine(app, "<!-- " + HtmlEscape(WithoutBlanks(app.Output.OutputFileName)) + " -->");
    WriteRawLine(app, "<HTML>");
    WriteRawLine(app,
                 "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"
                 "<title>" +
                     VersionTitle() + "</title></head>");
    WriteRawLine(app, "<BODY BGCOLOR=\"C0C0C0\">");
    WriteRawLine(app, "<hr>");
    WriteRawLine(app, "<br><h4>" + VersionTitle() + "</h4>");
    WriteRawLine(app, "<br><hr>");
    for (std::size_t i = 1; i < 5; ++i)
        WriteRawLine(app, "<br><h5>" + HtmlEscape(app.Output.HeaderLines[i]) + "</h5>");
    WriteRawLine(app, "<br><hr>");
}

void TextHeaderBox(App& app) {
    OutputDocument& d = app.Output;
    const Settings& s = app.Config;
    d.LineCount = 0;
    ++d.PageNumber;
    if (s.SeparatorStyle == 4) WriteRawLine(app, "");
    // A damaged settings file must not make the header endless.
    const int spaceLines = std::min(s.HeaderSpaceLines, std::max(s.LinesPerPage, 1));
    for (int i = 0; i < spaceLines; ++i)
        WriteRawLine(app, "");
    WriteBoxLine(app, SeparatorBoxTop(s));
    if (s.HeaderMode == 2)
        WriteFramed(app, {{6, d.HeaderLines[0]}});
    else if (d.TotalPages != 0)
        WriteFramed(
            app, {{6, d.HeaderLines[0]},
                  {60, "Bl." + RightAligned2(d.PageNumber) + "/" + RightAligned2(d.TotalPages)}});
    else
        WriteFramed(app, {{6, d.HeaderLines[0]}, {64, "Bl." + RightAligned2(d.PageNumber)}});
    WriteFramed(app, {{53, HeaderDate(app)}, {64, HeaderTime(app)}});
    WriteFramed(app, {{6, ProjectFileText(app)}});
    WriteBoxLine(app, SeparatorBoxMiddle(s));
    for (std::size_t i = 1; i < 4; ++i)
        WriteFramed(app, {{6, d.HeaderLines[i]}});
    if (!d.HeaderLines[4].empty()) WriteFramed(app, {{6, d.HeaderLines[4]}});
    WriteBoxLine(app, SeparatorBoxBottom(s));
}

} // namespace

std::string HeaderDate(const App& app) {
    const DateTime t = Now(app);
    const std::string d = TwoDigits(t.day), m = TwoDigits(t.month);
    const std::string y = std::to_string(t.year);
    switch (app.Config.DateCode) {
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

std::string HeaderTime(const App& app) {
    const DateTime t = Now(app);
    return std::to_string(t.hour) + ":" + TwoDigits(t.minute);
}

void SetHeader(App& app, const std::array<std::string, 5>& lines, int totalPages) {
    OutputDocument& d = app.Output;
    for (std::size_t i = 0; i < 5; ++i)
        d.HeaderLines[i] = lines[i].substr(0, kHeaderLineLength);
    if (d.HeaderLines[0].empty()) d.HeaderLines[0] = std::string(kProgramTitle) + "  V" + kVersion;
    d.TotalPages = totalPages;
    d.PageJoined = false;
    d.PageNumber = 0;
    d.LineCount = 0;
}

void PageHeader(App& app) {
    OutputDocument& d = app.Output;
    const Settings& s = app.Config;
    if (IsStructuredKind(d.Kind)) {
        if (d.PageNumber > 0) return;
        if (d.Kind == odHtml)
            HtmlHeader(app);
        else
            TabHeader(app);
        ++d.PageNumber;
        return;
    }
    if (d.PausePerPage) {
        if (!AskQuestion(Dialogs(app), kHelpPrinterPause, "Blatt in Drucker einlegen.  Fortfahren ?")) {
            app.State.AbortFlag = 1;
            return;
        }
    }
    if (s.HeaderMode == 2 && d.PageNumber > 0) {
        WriteRawLine(app, " ");
        return;
    }
    // A short page of style 4 goes on under the old header. Testing the flag rather than
    // LineCount alone keeps the header of a page that follows a full one.
    if (s.SeparatorStyle == 4 && d.PageNumber > 0 && d.LineCount < s.LinesPerPage / 2 &&
        d.PageJoined)
        return;
    TextHeaderBox(app);
}

} // namespace vak1
