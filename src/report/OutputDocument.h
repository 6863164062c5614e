// The program-wide output document of text reports: output kinds, page layout, separator
// lines, HTML and tab-separated forms, and the hand-over of the finished file.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/textfile.h"

namespace vak1 {

struct App;
struct Settings;

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
std::string HeaderDate(const App& app);
std::string HeaderTime(const App& app);

void SetHeader(App& app, const std::array<std::string, 5>& lines, int totalPages);
void OutputOpen(App& app, uint16_t kind);
void PageHeader(App& app);
void WriteLine(App& app, std::string_view text);
void WriteLineStart(App& app, std::string_view text);
void WriteRawLine(App& app, std::string_view text);
void WriteRaw(App& app, std::string_view text); // no line end, no conversion
void WriteLineEnd(App& app);
void PageEnd(App& app);
void EnsureSpace(App& app);
void CloseHtmlTable(App& app);
void OpenHtmlTable(App& app);
void WriteMessageBlock(App& app);
// Pieces of a cause or remedy text for a text kind (long texts broken at blanks).
std::vector<std::string> WrapMessageText(std::string_view text);
void OutputClose(App& app);
// Closes the file without handing it over and removes a temporary one.
void OutputDiscard(App& app);

// Copies src line by line into dst in UTF-8, the code page of the desktop's programs;
// false (with AbortFlag) on any failure.
bool ConvertFile(App& app, const std::string& src, const std::string& dst);
// Prints a code page 850 text file through the printer: one page per form-feed line.
void PrintTextFile(App& app, const std::string& path);
// Shows TempDir + "outwin.txt" in the output window.
void ShowOutputWindow(App& app);
// The view menu's "Error Messages": the message block as a document in the output window.
void ShowErrorMessageDocument(App& app);

} // namespace vak1
