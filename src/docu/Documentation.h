// Drawing documentation of the project: change entries, approval rows, replacements,
// free texts and linked documents. Entry n of a list is element n - 1 of its array.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vak1 {

class Clock;
struct Settings;

constexpr uint16_t kMaxChangeEntries = 25;
constexpr uint16_t kMaxFreeTexts = 8;
constexpr uint16_t kDocumentLinkCount = 5;

constexpr std::size_t kChangeTextLength = 20;
constexpr std::size_t kChangeDateLength = 10;
constexpr std::size_t kChangeEditorLength = 5;
constexpr std::size_t kChangeDescriptionLength = 255; // what the dialog's memo accepts
constexpr std::size_t kApprovalFieldLength = 10;
constexpr std::size_t kReplacementLength = 15;
constexpr std::size_t kFreeTextLength = 80;
constexpr std::size_t kDocumentFieldLength = 50;

// A linked document is opened by this program unless the user chose another.
inline constexpr const char* kDefaultDocumentProgram = "xdg-open";

struct TChangeEntry {
    std::string text;
    std::string date;
    std::string editor;
    std::string description; // may hold line breaks
};

struct TApprovalRow {
    std::string date;
    std::string name;
};

// Rows of ApprovalRows, in the order of the title block.
enum ApprovalRow { kPrepared = 0, kExamined = 1, kStandardised = 2, kReleased = 3 };

struct TFreeText {
    long double x = 0, y = 0, h = 0, phi = 0; // phi in degrees
    std::string text;
};

struct TDocumentLink {
    std::string program = kDefaultDocumentProgram;
    std::string file;
};

// Code page 850 texts throughout.
struct Documentation {
    std::array<TChangeEntry, kMaxChangeEntries> ChangeEntries{};
    uint16_t ChangeCount = 0;
    std::array<TApprovalRow, 4> ApprovalRows{};
    std::string ReplacementFor;
    std::string ReplacedBy;
    std::array<TFreeText, kMaxFreeTexts> FreeTexts{};
    uint16_t FreeTextCount = 0;
    std::array<TDocumentLink, kDocumentLinkCount> DocumentLinks{};
};

// No changes, no replacements, empty approval rows except today's date in the row of the
// one who prepared the drawing. Free texts and links stay.
void ResetDocumentation(Documentation& d, const std::string& today);

// The lines of a change description: split at its line breaks. A description holds CR LF
// until it is saved, then "|" LF (the project file's form); the "|" of a bare LF break is
// the saved carriage return and is dropped, every other "|" is text.
std::vector<std::string> DescriptionLines(const std::string& description);

// The project file ends a change entry with a line of 14 "-"; a description whose last line
// (after the first) is such a line would end its entry early when read back.
bool DescriptionEndsLikeAnEntry(const std::string& description);

// Today's date in the format the settings choose for dates.
std::string TodayText(const Clock& clock, const Settings& s);

} // namespace vak1
