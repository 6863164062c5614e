// The program-wide output document of text reports: output kinds, page layout, separator
// lines, HTML and tab-separated forms, and the hand-over of the finished file.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/Platform.h"
#include "text/textfile.h"

namespace vak1 {

struct Settings;
struct MessageList;

enum TOutputDevice : uint16_t {
    odScreen = 1,
    odTextPrinter = 2,
    odFile = 3,
    odWindowsPrinter = 4,
    odTextProgram = 5,
    odSpreadsheetTxt = 6,
    odHtml = 7,
    odDosFile = 8,
    odProjectTxt = 9,
};

// OutputOpen(kOnlyKindNames) fills the list of kind names and opens nothing.
constexpr uint16_t kOnlyKindNames = 90;

// Help numbers of the output document's dialogs.
constexpr uint16_t kHelpOutputKind = 1050;
constexpr uint16_t kHelpPrinterPause = 1060;
constexpr uint16_t kHelpOutputFile = 1070;
constexpr std::size_t kHeaderLineLength = 65;
constexpr std::size_t kSeparatorLength = 70;
// Text written as a separator in style 4; every writer drops it.
inline constexpr const char* kNoSeparator = "$!$";

struct OutputDocument {
    uint16_t Kind = odScreen;
    std::string OutputFileName = "$out.tmp";
    std::array<std::string, 5> HeaderLines{};
    int TotalPages = 0;
    int PageNumber = 0;
    int LineCount = 0;
    bool PausePerPage = false;
    bool RepeatHeader = true;
    bool HtmlTableOpen = false;
    bool PageJoined = false;  // the last page end joined a short page with the next
    int SpreadsheetCount = 0; // outputs of kinds 6 and 9 closed in this run
    std::vector<std::string> KindNames;
    // When set, kind 3 writes this file without asking and hands nothing over at the end
    // (unattended report jobs).
    std::string JobFile;

    // The file being written (every kind but 2, which writes to the printer port).
    std::unique_ptr<TextFileWriter> file;
    bool portOpen = false;
    bool writeFailed = false;
};

// What the output document works with: the document, the settings it reads (the output
// window stores its place there), the dialogs, the printer, ports, launcher and clock, the
// project as the page header names it, and the message list hook of a report that has no
// results to show. References only; one is made where it is needed and passed down.
struct OutputContext {
    OutputDocument& doc;
    Settings& settings;
    DialogContext dialogs;
    Platform& env;
    const std::string& ProjectName; // without folder and extension; empty: unnamed
    const std::string& ProjectDir;  // ends with "/" when not empty
    std::string ProjectPath;        // the project's file; empty when unnamed
    bool CommandLineFile = false;   // the header shows the path as the command line gave it
    // The project's remark lines, written under the title of tab-separated files.
    const std::array<std::string, 3>& RemarkLines;
    // Shows the messages of a failed calculation instead of a report.
    std::function<void()> ShowMessageList;
};

bool IsStructuredKind(uint16_t kind); // 6, 7, 9
bool IsTabKind(uint16_t kind);        // 6, 9

// Separator lines of the configured style (code page 850).
std::string SeparatorThin(const Settings& s);
std::string SeparatorThick(const Settings& s);
std::string SeparatorBoxTop(const Settings& s);
std::string SeparatorBoxBottom(const Settings& s);
std::string SeparatorBoxMiddle(const Settings& s);
char FrameCharacter(const Settings& s);

// Inserts text before 1-based column col of line, then cuts the line to width characters.
void InsertAt(std::string& line, std::size_t col, std::string_view text, std::size_t width);
// <, >, & and " as HTML entities.
std::string HtmlEscape(std::string_view text);
// Date and time of the page header by DateCode.
std::string HeaderDate(const OutputContext& ctx);
std::string HeaderTime(const OutputContext& ctx);

void SetHeader(const OutputContext& ctx, const std::array<std::string, 5>& lines, int totalPages);
void OutputOpen(const OutputContext& ctx, uint16_t kind);
void PageHeader(const OutputContext& ctx);
void WriteLine(const OutputContext& ctx, std::string_view text);
void WriteLineStart(const OutputContext& ctx, std::string_view text);
void WriteRawLine(const OutputContext& ctx, std::string_view text);
void WriteRaw(const OutputContext& ctx, std::string_view text); // no line end, no conversion
void WriteLineEnd(const OutputContext& ctx);
void PageEnd(const OutputContext& ctx);
void EnsureSpace(const OutputContext& ctx);
void CloseHtmlTable(const OutputContext& ctx);
void OpenHtmlTable(const OutputContext& ctx);
void WriteMessageBlock(const OutputContext& ctx, const MessageList& messages);
// Pieces of a cause or remedy text for a text kind (long texts broken at blanks).
std::vector<std::string> WrapMessageText(std::string_view text);
// Writes text as those pieces, a line each.
void WriteWrappedLines(const OutputContext& ctx, std::string_view text);
void OutputClose(const OutputContext& ctx);
// Closes the file without handing it over and removes a temporary one.
void OutputDiscard(const OutputContext& ctx);

// Copies src line by line into dst in UTF-8, the code page of the desktop's programs;
// false (with AbortFlag) on any failure.
bool ConvertFile(const OutputContext& ctx, const std::string& src, const std::string& dst);
// Prints a code page 850 text file through the printer: one page per form-feed line.
void PrintTextFile(const OutputContext& ctx, const std::string& path);
// Shows TempDir + "outwin.txt" in the output window.
void ShowOutputWindow(const OutputContext& ctx);
// The view menu's "Error Messages": the message block as a document in the output window.
void ShowErrorMessageDocument(const OutputContext& ctx, const MessageList& messages);

} // namespace vak1
