// Help entries: a number line (with an optional ":picture"), its text line, and up to four
// continuation lines; entry numbers are multiples of 5, n+1..n+4 continue entry n.
#include "help/helptext.h"

#include <cctype>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "settings/Settings.h"
#include "settings/languages.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

// The help number in the first four characters of a line, or -1 when there is none.
int LineNumber(const std::string& line) {
    std::string_view head = std::string_view(line).substr(0, 4);
    while (!head.empty() && head.front() == ' ')
        head.remove_prefix(1);
    if (head.empty()) return -1;
    int n = 0;
    for (char c : head) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string PictureName(const std::string& line) {
    const auto colon = line.find(':');
    return colon == std::string::npos ? "NULL" : line.substr(colon + 1);
}

// Continuation lines 2..5 of the entry whose text line is at lines[at - 1].
void ReadContinuation(const std::vector<std::string>& lines, std::size_t at, int n, HelpEntry& e) {
    std::size_t slot = 1;
    while (slot < kHelpLines && at < lines.size()) {
        const std::string& line = lines[at++];
        const int m = LineNumber(line);
        if (m < 0) {
            e.lines[slot++] = line;
            continue;
        }
        if (m % 5 == 0) return;
        if (at >= lines.size()) return;
        const std::string& text = lines[at++];
        if (m == n + static_cast<int>(slot)) e.lines[slot] = text;
        ++slot;
    }
}

std::string Joined(const Settings& settings, const HelpEntry& e, const char* after) {
    const bool plain = settings.PlainCharacters == UnitCharacters::Plain;
    std::string out;
    for (std::size_t i = 0; i < kHelpLines; ++i) {
        if (i && !*after) out += ' ';
        out += ToDisplay(e.lines[i], plain) + after;
    }
    return out;
}

} // namespace

std::string HelpFilePath(const Settings& settings, uint16_t number) {
    const std::string folder = FolderPath(settings.PltDir);
    const std::string name = number < kFirstProgramHelp ? "quorven.hlp" : "vak1.hlp";
    // The help in the menu's language lies in a folder of its language code beside the
    // German; a language without help of its own reads the English, then the German.
    const int language = settings.MenuLanguage;
    if (language > 1) {
        const char* own = *TranslationCode(language) ? TranslationCode(language) : "en";
        for (const char* sub : {own, "en"})
            if (FileExists(folder + sub + "/" + name)) return folder + sub + "/" + name;
    }
    return folder + name;
}

HelpEntry FindHelpEntry(const Settings& settings, uint16_t number) {
    HelpEntry e;
    const std::string path = HelpFilePath(settings, number);
    std::vector<std::string> lines;
    if (!FileExists(path) || !ReadTextLines(path, lines)) {
        e.lines[0] = "Datei " + path + " nicht gefunden !";
        return e;
    }
    std::size_t at = 0;
    while (at < lines.size()) {
        const std::string& line = lines[at++];
        const int n = LineNumber(line);
        std::string text = line;
        if (n >= 0) {
            if (at >= lines.size()) break;
            text = lines[at++];
        }
        if (n != number) continue;
        e.found = true;
        e.picture = PictureName(line);
        e.lines[0] = text;
        ReadContinuation(lines, at, n, e);
        return e;
    }
    e.lines[0] = "Hilfetext Nr " + std::to_string(number) + ": keine Hilfe vorhanden.";
    return e;
}

void ShowHelp(const HelpContext& help, uint16_t number, HelpMode mode) {
    const Settings& s = help.settings;
    // 0: the help of the dialog shown last.
    if (number == 0) number = help.dialogs.ui.helpNumber;
    const HelpEntry e = FindHelpEntry(s, number);
    if (mode != HelpMode::PictureOnly)
        DialogUi(help.dialogs, number)
            .MessageBox(MessageKind::Help, "HILFETEXT Nr." + std::to_string(number),
                        Joined(s, e, " "));
    if (mode != HelpMode::TextOnly && help.HelpPicture) {
        const bool none = e.picture.empty() || e.picture == "NULL";
        help.HelpPicture(none ? "" : FolderPath(s.PltDir) + e.picture + ".plt");
    }
    help.dialogs.AbortFlag = 0;
}

std::string HelpText(const Settings& settings, uint16_t number) {
    const HelpEntry e = FindHelpEntry(settings, number);
    if (!e.found) return ToDisplay(e.lines[0], settings.PlainCharacters == UnitCharacters::Plain);
    return Joined(settings, e, "");
}

std::string HelpFirstLine(const Settings& settings, uint16_t number) {
    const HelpEntry e = FindHelpEntry(settings, number);
    return e.found ? ToDisplay(e.lines[0], settings.PlainCharacters == UnitCharacters::Plain)
                   : std::string();
}

} // namespace vak1
