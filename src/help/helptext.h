// Help entries by number from the two help files, the help box and the help picture.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/dialogs.h"

namespace vak1 {

struct Settings;

// What the help and the message list work with: the settings (the folder of the help and
// message files, the character set, the help level), the dialogs, whether the program runs
// without windows, and two hooks of the front end. References only, like DialogContext.
struct HelpContext {
    const Settings& settings;
    DialogContext dialogs;
    bool NoGui = false; // "/NOGUI": the message list is not shown
    // Clears the graphics window for a help picture and draws pltFile (empty: no picture);
    // an empty hook shows no picture.
    std::function<void(const std::string& pltFile)> HelpPicture;
    // When set, it is called instead of the message list dialog.
    std::function<void()> ShowMessageList;
};

constexpr std::size_t kHelpLines = 5;
// Numbers from here on are the program's own; below, the suite's common file.
constexpr uint16_t kFirstProgramHelp = 4000;

struct HelpEntry {
    bool found = false;
    std::array<std::string, kHelpLines> lines{}; // code page 850
    std::string picture = "null";                // name without folder and extension
};

std::string HelpFilePath(const Settings& settings, uint16_t number);
// The entry of number; a missing file or entry gives a text that says so.
HelpEntry FindHelpEntry(const Settings& settings, uint16_t number);

enum class HelpMode { TextAndPicture = 0, TextOnly = 1, PictureOnly = 2 };
// number 0: the current help number. Clears AbortFlag, so the asking dialog goes on.
void ShowHelp(const HelpContext& help, uint16_t number, HelpMode mode);
// The entry's lines joined with single blanks, for hints (UTF-8).
std::string HelpText(const Settings& settings, uint16_t number);
// The first text line of the entry (UTF-8), the tooltip of the control the entry is about;
// empty when the file or the entry is missing.
std::string HelpFirstLine(const Settings& settings, uint16_t number);

} // namespace vak1
