// Queue-driven dialogs for tests and unattended runs.
#include "platform/headless/ScriptedUi.h"

namespace vak1 {

bool ScriptedUi::Next(ScriptedAnswer& a) {
    if (answers_.empty()) {
        ++unanswered;
        a = ScriptedAnswer::Cancel();
        return false;
    }
    a = std::move(answers_.front());
    answers_.pop_front();
    return true;
}

bool ScriptedUi::InputTextDialog(const std::string& caption, const std::string& prompt,
                                 std::size_t maxLength, std::string& text) {
    DialogRecord r{"text", caption, prompt, text};
    r.maxLength = maxLength;
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.cancel) return false;
    if (!a.keep) text = a.text.substr(0, maxLength);
    return true;
}

bool ScriptedUi::ChoiceDialog(const std::string& caption, const std::string& prompt,
                              const std::vector<std::string>& lines, bool asList,
                              int& choice) {
    DialogRecord r{"choice", caption, prompt};
    r.lines = lines;
    r.asList = asList;
    r.preselected = choice;
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.cancel) return false;
    if (a.choice >= 1 && a.choice <= static_cast<int>(lines.size())) choice = a.choice;
    return true;
}

bool ScriptedUi::YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) {
    DialogRecord r{"yesno", caption, prompt};
    r.preselected = yes ? 1 : 2;
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.cancel) return false;
    yes = a.yes;
    return true;
}

Reply ScriptedUi::Question(const std::string& caption, const std::string& text) {
    shown.push_back(DialogRecord{"question", caption, text});
    ScriptedAnswer a;
    Next(a);
    return a.cancel ? Reply::Cancel : a.reply;
}

void ScriptedUi::MessageBox(MessageKind kind, const std::string& caption,
                            const std::string& text) {
    DialogRecord r{"message", caption, text};
    r.messageKind = kind;
    shown.push_back(r);
}

bool ScriptedUi::OpenFileDialog(const std::string& filter, const std::string& initialDir,
                                std::string& path) {
    DialogRecord r{"open", "", "", initialDir};
    r.lines = {filter};
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.cancel || a.text.empty()) return false;
    path = a.text;
    return true;
}

bool ScriptedUi::SaveFileDialog(const std::string& filter, const std::string& initialDir,
                                const std::string& proposedName, std::string& path) {
    DialogRecord r{"save", "", proposedName, initialDir};
    r.lines = {filter};
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.cancel || a.text.empty()) return false;
    path = a.text;
    return true;
}

bool ScriptedUi::FolderDialog(const std::string& caption, std::string& folder) {
    shown.push_back(DialogRecord{"folder", caption, "", folder});
    ScriptedAnswer a;
    Next(a);
    if (a.cancel || a.text.empty()) return false;
    folder = a.text;
    return true;
}

void ScriptedUi::ShowTextWindow(TextWindow& window) {
    DialogRecord r{"textwindow", window.caption, window.text, window.fontName};
    shown.push_back(r);
    window.left += 10;
    window.top += 10;
}

void ScriptedUi::ExplanationDialog(Explanation& window) {
    DialogRecord r{"explain", "Fehlermeldung", window.message};
    r.lines = {window.cause, window.remedy};
    shown.push_back(r);
    ScriptedAnswer a;
    Next(a);
    if (a.edits.size() == 2 && (a.edits[0] != window.cause || a.edits[1] != window.remedy)) {
        window.cause = a.edits[0];
        window.remedy = a.edits[1];
        window.changed = true;
    }
}

std::vector<std::string> ScriptedUi::Messages() const {
    std::vector<std::string> out;
    for (const auto& r : shown)
        if (r.kind == "message") out.push_back(r.caption + "|" + r.prompt);
    return out;
}

} // namespace vak1
