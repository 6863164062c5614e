// The message list dialog, the explanation window and the message file ("vak1.err"):
// records of message, cause and remedy lines, found by the message's first characters.
#include "help/helperr.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "model/messages.h"
#include "settings/Settings.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr const char* kProgramBase = "vak1";

enum class Lookup { NoFile, NoRecord, Found };

bool SameKey(std::string_view line, std::string_view message) {
    return line.substr(0, kMessageKeyLength) == message.substr(0, kMessageKeyLength);
}

Lookup FindRecord(const Settings& settings, std::string_view message, std::string& cause,
                  std::string& remedy) {
    std::vector<std::string> lines;
    const std::string path = MessageFilePath(settings);
    if (!FileExists(path) || !ReadTextLines(path, lines)) return Lookup::NoFile;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!SameKey(lines[i], message)) continue;
        cause = i + 1 < lines.size() ? lines[i + 1] : "";
        remedy = i + 2 < lines.size() ? lines[i + 2] : "";
        return Lookup::Found;
    }
    return Lookup::NoRecord;
}

// A memo may hold several lines, the file one line per text.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::erase(text, '\r');
    return text;
}

// The code-page conversions empty a text of 255 characters or more; a cause or remedy may
// be longer and must survive the window unchanged, so it is converted in pieces (both
// conversions work character by character).
constexpr std::size_t kPiece = 200;

std::string LongToDisplay(std::string_view text, bool plain) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); at += kPiece)
        out += Win1252ToUtf8(OemToAnsiText(text.substr(at, kPiece), plain));
    return out;
}

std::string LongFromDisplay(std::string_view utf8) {
    const std::string ansi = Utf8ToWin1252(utf8);
    std::string out;
    for (std::size_t at = 0; at < ansi.size(); at += kPiece)
        out += AnsiToOemText(std::string_view(ansi).substr(at, kPiece));
    return out;
}

bool ReadBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Lines with their own line ends, so that untouched lines are copied byte for byte.
std::vector<std::string_view> SplitKeepingEnds(std::string_view bytes) {
    std::vector<std::string_view> out;
    while (!bytes.empty()) {
        const auto nl = bytes.find('\n');
        const std::size_t len = nl == std::string_view::npos ? bytes.size() : nl + 1;
        out.push_back(bytes.substr(0, len));
        bytes.remove_prefix(len);
    }
    return out;
}

std::string_view Body(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view EndOf(std::string_view line, std::string_view fallback) {
    const std::string_view body = Body(line);
    return body.size() == line.size() ? fallback : line.substr(body.size());
}

bool WriteFile(const DialogContext& d, const std::string& path, std::string_view bytes,
               bool atomic) {
    TextFileWriter out;
    if (!out.Open(path, atomic)) {
        ReportWriteError(d, out);
        return false;
    }
    out.Write(bytes);
    if (!out.Commit()) {
        ReportWriteError(d, out);
        return false;
    }
    return true;
}

} // namespace

std::string MessageFilePath(const Settings& settings) {
    return FolderPath(settings.PltDir) + std::string(kProgramBase) + ".err";
}

bool NoGuiRequested(bool noGui, const std::vector<std::string>& commandLine) {
    if (noGui) return true;
    return std::any_of(commandLine.begin(), commandLine.end(),
                       [](const std::string& p) { return UpperAscii(p) == "/NOGUI"; });
}

void ShowMessageList(const HelpContext& help, const MessageList& list,
                     const std::vector<std::string>& notes) {
    // A connected hook takes the dialog's place (the editing commands' tests count calls).
    if (help.ShowMessageList) {
        help.ShowMessageList();
        return;
    }
    if (help.NoGui) return;
    const DialogContext& d = help.dialogs;
    if (list.count == 0 && notes.empty()) {
        ShowInfo(d, "Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    const uint8_t abortBefore = d.AbortFlag;
    std::vector<std::string> lines;
    for (uint16_t i = 1; i <= list.count; ++i)
        lines.emplace_back(list[i]);
    lines.insert(lines.end(), notes.begin(), notes.end());
    lines.push_back(cp850("Weiter/zurück..."));
    const auto next = static_cast<uint16_t>(lines.size());
    uint16_t choice = help.settings.HelpLevel < 2 ? next : 1;
    d.AbortFlag = 0;
    for (;;) {
        InputChoice(d, kHelpMessageList,
                    "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.",
                    lines, choice);
        if (d.AbortFlag || choice == next) break;
        if (choice > list.count)
            ShowInfo(d, lines[choice - 1]); // a note has no record in the message file
        else
            ExplainMessage(help, list, choice);
        ++choice;
        if (choice == next || d.AbortFlag) break;
    }
    d.AbortFlag = abortBefore;
}

void ExplainMessage(const HelpContext& help, const MessageList& messages, uint16_t i) {
    if (i < 1 || i > messages.count) return;
    const DialogContext& d = help.dialogs;
    const std::string message(messages[i]);
    std::string cause, remedy;
    switch (FindRecord(help.settings, message, cause, remedy)) {
    case Lookup::NoFile:
        ShowError(d, "Datei " + MessageFilePath(help.settings) +
                         " nicht gefunden oder kein Zugriffsrecht !");
        d.AbortFlag = 1;
        return;
    case Lookup::NoRecord:
        DialogUi(d, kHelpNone).MessageBox(MessageKind::Info, "Meldung", kNoDescription);
        return;
    case Lookup::Found:
        break;
    }
    const bool plain = help.settings.PlainCharacters == UnitCharacters::Plain;
    Explanation w{LongToDisplay(message, plain), LongToDisplay(cause, plain),
                  LongToDisplay(remedy, plain)};
    DialogUi(d, kHelpExplanation).ExplanationDialog(w);
    if (!w.changed) return;
    if (!AskQuestion(d, kHelpExplanation, "Save Changes ?")) return;
    RewriteMessageFile(help, LongFromDisplay(OneLine(w.message)), LongFromDisplay(OneLine(w.cause)),
                       LongFromDisplay(OneLine(w.remedy)));
}

std::string MessageCause(const Settings& settings, const MessageList& messages, uint16_t i) {
    std::string cause, remedy;
    if (i < 1 || i > messages.count) return {};
    switch (FindRecord(settings, messages[i], cause, remedy)) {
    case Lookup::NoFile:
        return {};
    case Lookup::NoRecord:
        return kNoDescription;
    case Lookup::Found:
        break;
    }
    return cause;
}

std::string MessageRemedy(const Settings& settings, const MessageList& messages, uint16_t i) {
    std::string cause, remedy;
    if (i < 1 || i > messages.count) return {};
    if (FindRecord(settings, messages[i], cause, remedy) != Lookup::Found) return {};
    return remedy;
}

bool RewriteMessageFile(const HelpContext& help, std::string_view m, std::string_view cause,
                        std::string_view remedy) {
    const DialogContext& d = help.dialogs;
    const std::string file = MessageFilePath(help.settings);
    const std::string temp = FolderPath(help.settings.TempDir) + std::string(kProgramBase) + ".ERR";
    if (UpperAscii(temp) == UpperAscii(file)) return false;
    std::string bytes;
    if (!ReadBytes(file, bytes)) {
        ShowError(d, "Datei " + file + " nicht gefunden oder kein Zugriffsrecht !");
        d.AbortFlag = 1;
        return false;
    }
    const auto lines = SplitKeepingEnds(bytes);
    std::size_t at = 0;
    while (at < lines.size() && !SameKey(Body(lines[at]), m))
        ++at;
    if (at == lines.size()) {
        ShowError(d, std::string(m) + " not found.");
        return false;
    }
    std::string out;
    for (std::size_t k = 0; k <= at; ++k)
        out += lines[k];
    const std::string_view lineEnd = EndOf(lines[at], "\r\n");
    const std::size_t causeAt = at + 1, remedyAt = at + 2;
    out += std::string(cause) +
           std::string(causeAt < lines.size() ? EndOf(lines[causeAt], lineEnd) : lineEnd);
    out += std::string(remedy);
    if (remedyAt < lines.size())
        out += EndOf(lines[remedyAt], "");
    else
        out += lineEnd;
    for (std::size_t k = remedyAt + 1; k < lines.size(); ++k)
        out += lines[k];
    // The copy in the temporary folder comes first; the message file is replaced only by
    // a complete file.
    const bool written = WriteFile(d, temp, out, false) && WriteFile(d, file, out, true);
    std::remove(temp.c_str()); // also what a failed write left of the copy
    return written;
}

} // namespace vak1
