// The documentation dialogs: one change entry (TForm_EinAend), the drawing information
// (TForm_zeichInfo) and the linked documents (TForm_confDoku). Each shows the data it is
// given and writes the fields back with Collect after "OK".
#pragma once
#include <QDialog>
#include <array>

#include "gui/valuedialogs.h"
#include "platform/docuforms.h"

class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace vak1 {

class TForm_EinAend : public QDialog {
  public:
    TForm_EinAend(QWidget* parent, const ChangeDialogData& data, const HelpHandler& help);
    void Collect(ChangeDialogData& data) const;
    // A date that is no date of the calendar is refused with its message.
    void accept() override;

  private:
    QLineEdit* text_;
    QLineEdit* date_;
    QLineEdit* editor_;
    QPlainTextEdit* description_;
};

class TForm_zeichInfo : public QDialog {
  public:
    TForm_zeichInfo(QWidget* parent, const DrawingInfoDialogData& data, const HelpHandler& help);
    void Collect(DrawingInfoDialogData& data) const;

  private:
    QLineEdit* replacementFor_;
    QLineEdit* replacedBy_;
    QTableWidget* approvals_;
    QTableWidget* freeTexts_;
};

class TForm_confDoku : public QDialog {
  public:
    TForm_confDoku(QWidget* parent, DocumentsDialogData& data, const HelpHandler& help);
    void Collect(DocumentsDialogData& data) const;

  private:
    std::array<QLineEdit*, 5> programs_{};
    std::array<QLineEdit*, 5> files_{};
};

} // namespace vak1
