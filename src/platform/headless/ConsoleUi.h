// The Ui of unattended runs: no dialog is ever shown. Messages go to standard error, every
// question and input dialog is cancelled.
#pragma once
#include <cstdio>

#include "platform/Ui.h"

namespace vak1 {

class ConsoleUi : public Ui {
  public:
    explicit ConsoleUi(std::FILE* out = stderr) : out_(out) {}

    bool InputTextDialog(const std::string&, const std::string&, std::size_t,
                         std::string&) override {
        return false;
    }
    bool ChoiceDialog(const std::string&, const std::string&, const std::vector<std::string>&, bool,
                      int&) override {
        return false;
    }
    bool YesNoDialog(const std::string&, const std::string&, bool&) override { return false; }
    Reply Question(const std::string& caption, const std::string& text) override;
    void MessageBox(MessageKind kind, const std::string& caption, const std::string& text) override;
    bool OpenFileDialog(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool SaveFileDialog(const std::string&, const std::string&, const std::string&,
                        std::string&) override {
        return false;
    }
    bool FolderDialog(const std::string&, std::string&) override { return false; }
    DialogAction PositionListDialog(PositionListDialogData&) override {
        return DialogAction::Cancel;
    }
    DialogAction CoordinateDialog(CoordinateDialogData&) override { return DialogAction::Cancel; }
    bool TextLinesDialog(TextLinesDialogData&) override { return false; }
    bool DiagramLimitsDialog(DiagramLimitsDialogData&) override { return false; }
    void Beep() override {}

  private:
    std::FILE* out_;
};

} // namespace vak1
