// TForm_printconf, the printout dialog "Ausdruck", and TForm_printerinfo, the printer's
// properties.
#pragma once
#include <QDialog>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vak1 {

class TForm_printconf : public QDialog {
  public:
    TForm_printconf(QWidget* parent, PrintoutDialogData& data, const HelpHandler& help);
    void accept() override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Show();
    void Take();

    PrintoutDialogData& data_;
    QLineEdit* xScale_;
    QLineEdit* yScale_;
    QLineEdit* xOrigin_;
    QLineEdit* yOrigin_;
    QCheckBox* border_;
    QCheckBox* fit_;
    QRadioButton* mono_;
    QRadioButton* color_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QLabel* printer_;
};

class TForm_printerinfo : public QDialog {
  public:
    TForm_printerinfo(QWidget* parent, const PrinterInfoData& data);
};

} // namespace vak1
