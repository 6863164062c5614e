// A Ui for tests and unattended runs: answers come from a queue, every dialog shown is
// recorded. A dialog with no answer left is cancelled and counted as unanswered.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace vak1 {

struct ScriptedAnswer {
    bool cancel = false;
    std::string text;         // text input, file and folder dialogs
    int choice = 0;           // choice dialogs (1-based)
    bool yes = true;          // yes/no dialogs
    Reply reply = Reply::Yes; // questions
    bool keep = false;        // text input: accept the prefilled text unchanged
    std::vector<std::string> edits; // explanation window: new cause and remedy

    static ScriptedAnswer Text(std::string t) { ScriptedAnswer a; a.text = std::move(t); return a; }
    static ScriptedAnswer Keep() { ScriptedAnswer a; a.keep = true; return a; }
    static ScriptedAnswer Choice(int n) { ScriptedAnswer a; a.choice = n; return a; }
    static ScriptedAnswer YesNo(bool y) { ScriptedAnswer a; a.yes = y; return a; }
    static ScriptedAnswer Answer(Reply r) { ScriptedAnswer a; a.reply = r; return a; }
    static ScriptedAnswer File(std::string path) { return Text(std::move(path)); }
    static ScriptedAnswer Edit(std::string cause, std::string remedy) {
        ScriptedAnswer a; a.edits = {std::move(cause), std::move(remedy)}; return a;
    }
    static ScriptedAnswer Cancel() { ScriptedAnswer a; a.cancel = true; a.reply = Reply::Cancel; return a; }
};

struct DialogRecord {
    DialogRecord() = default;
    DialogRecord(std::string k, std::string c, std::string p, std::string t = {})
        : kind(std::move(k)), caption(std::move(c)), prompt(std::move(p)), text(std::move(t)) {}

    // "text", "choice", "yesno", "question", "message", "open", "save", "folder",
    // "textwindow", "explain"
    std::string kind;
    std::string caption;
    std::string prompt;             // prompt or message text
    std::string text;               // prefilled text, initial folder or proposed name
    std::vector<std::string> lines; // choice lines or file filter
    bool asList = false;
    MessageKind messageKind = MessageKind::Info;
    std::size_t maxLength = 0;
    int preselected = 0;
};

class ScriptedUi : public Ui {
  public:
    void Push(ScriptedAnswer a) { answers_.push_back(std::move(a)); }
    void Push(std::initializer_list<ScriptedAnswer> list) {
        for (const auto& a : list) answers_.push_back(a);
    }

    bool InputTextDialog(const std::string& caption, const std::string& prompt,
                         std::size_t maxLength, std::string& text) override;
    bool ChoiceDialog(const std::string& caption, const std::string& prompt,
                      const std::vector<std::string>& lines, bool asList, int& choice) override;
    bool YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) override;
    Reply Question(const std::string& caption, const std::string& text) override;
    void MessageBox(MessageKind kind, const std::string& caption,
                    const std::string& text) override;
    bool OpenFileDialog(const std::string& filter, const std::string& initialDir,
                        std::string& path) override;
    bool SaveFileDialog(const std::string& filter, const std::string& initialDir,
                        const std::string& proposedName, std::string& path) override;
    bool FolderDialog(const std::string& caption, std::string& folder) override;
    void Beep() override { ++beeps; }
    void StatusMessage(const std::string& text) override { status.push_back(text); }
    // Records the window (caption, text in prompt, font name in text); moves it by 10 so
    // a test sees the geometry stored back.
    void ShowTextWindow(TextWindow& window) override;
    // Records message (caption "Fehlermeldung", prompt message, lines cause and remedy);
    // an Edit answer replaces both memos.
    void ExplanationDialog(Explanation& window) override;

    std::vector<DialogRecord> shown; // every dialog and box, in order
    std::vector<std::string> status;
    int beeps = 0;
    int unanswered = 0;          // dialogs that found the queue empty
    std::size_t Pending() const { return answers_.size(); }
    // Message boxes shown so far, as "caption|text" lines.
    std::vector<std::string> Messages() const;

  private:
    bool Next(ScriptedAnswer& a);
    std::deque<ScriptedAnswer> answers_;
};

} // namespace vak1
