// The DXF import's dialog: the chosen drawing, its extent, the tolerance for joining ends and
// the layer of the contour.
#pragma once
#include <QDialog>
#include <functional>
#include <string>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vak1 {

class TDxfImport : public QDialog {
  public:
    // chooseFile asks for another drawing (false: none chosen). The dialog works on data:
    // another drawing or a tolerance typed reads the drawing again through data.survey.
    TDxfImport(QWidget* parent, DxfImportDialogData& data,
               std::function<bool(std::string&)> chooseFile, const HelpHandler& help);

    // "OK" takes the fields; a tolerance or drawing the survey refuses keeps the dialog open.
    void accept() override;

  private:
    void Survey(bool newFile);
    void Show();

    DxfImportDialogData& data_;
    QLineEdit* file_;
    QLabel* extent_;
    QLineEdit* tolerance_;
    QComboBox* layer_;
    QLabel* error_;
    std::string surveyed_; // the tolerance the layer list belongs to
};

} // namespace vak1
