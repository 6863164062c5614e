// Help entries by number from the two help files, the help box and the help picture.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vak1 {

struct App;

constexpr std::size_t kHelpLines = 5;
// Numbers from here on are the program's own; below, the suite's common file.
constexpr uint16_t kFirstProgramHelp = 4000;

struct HelpEntry {
    bool found = false;
    std::array<std::string, kHelpLines> lines{}; // code page 850
    std::string picture = "null";                // name without folder and extension
};

std::string HelpFilePath(const App& app, uint16_t number);
// The entry of number; a missing file or entry gives a text that says so.
HelpEntry FindHelpEntry(const App& app, uint16_t number);

enum class HelpMode { TextAndPicture = 0, TextOnly = 1, PictureOnly = 2 };
// number 0: the current help number. Clears AbortFlag, so the asking dialog goes on.
void ShowHelp(App& app, uint16_t number, HelpMode mode);
// The entry's lines joined with single blanks, for hints (UTF-8).
std::string HelpText(const App& app, uint16_t number);

} // namespace vak1
