// Every modal dialog and message box the core asks the outside world for. Texts cross this
// boundary as UTF-8; the core converts from and to code page 850. A dialog that returns
// false was cancelled (the caller then sets AbortFlag).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

enum class MessageKind { Error, Info, Help };
enum class Reply { Yes, No, Cancel };

class Ui {
  public:
    virtual ~Ui() = default;

    // Text input: caption, word-wrapped prompt, one edit field of at most maxLength
    // characters prefilled with text.
    virtual bool InputTextDialog(const std::string& caption, const std::string& prompt,
                                 std::size_t maxLength, std::string& text) = 0;
    // Choice among lines 1..n: a radio group, or a list when asList; choice is 1-based.
    virtual bool ChoiceDialog(const std::string& caption, const std::string& prompt,
                              const std::vector<std::string>& lines, bool asList,
                              int& choice) = 0;
    // "&Ja" / "&Nein" radio group preselected from yes.
    virtual bool YesNoDialog(const std::string& caption, const std::string& prompt,
                             bool& yes) = 0;
    // Yes/No/Cancel box with a question icon.
    virtual Reply Question(const std::string& caption, const std::string& text) = 0;
    // Task-modal box with an OK button.
    virtual void MessageBox(MessageKind kind, const std::string& caption,
                            const std::string& text) = 0;
    // Common file dialogs; filter in the "desc|mask" form. Empty result: false.
    virtual bool OpenFileDialog(const std::string& filter, const std::string& initialDir,
                                std::string& path) = 0;
    virtual bool SaveFileDialog(const std::string& filter, const std::string& initialDir,
                                const std::string& proposedName, std::string& path) = 0;
    virtual bool FolderDialog(const std::string& caption, std::string& folder) = 0;
    // Check boxes with "OK" and "Abbrechen"; checked holds one flag per label. The default
    // asks one yes/no question per box.
    virtual bool CheckBoxDialog(const std::string& caption, const std::vector<std::string>& labels,
                                std::vector<bool>& checked) {
        checked.resize(labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            bool yes = checked[i];
            if (!YesNoDialog(caption, labels[i], yes)) return false;
            checked[i] = yes;
        }
        return true;
    }
    virtual void Beep() = 0;
    virtual void StatusMessage(const std::string& /*text*/) {}
    virtual void SetWaitCursor(bool /*on*/) {}

    // Called by the "&Hilfetext" (picture = false) and "Hilfe&bild" buttons of a dialog with
    // the current help number; the dialog stays open.
    std::function<void(uint16_t number, bool picture)> onHelp;
};

} // namespace vak1
