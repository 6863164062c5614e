// TForm_confkartuno: the plotting parameters; the line they make is shown under
// "Command Line:" and rebuilt on every change.
#pragma once
#include <QDialog>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vak1 {

class TForm_confkartuno : public QDialog {
  public:
    TForm_confkartuno(QWidget* parent, const PlotFormData& data, const HelpHandler& help);
    // The passed line while nothing was changed, else the line the controls make.
    std::string Line() const;

  private:
    PlotFormFields Fields() const;
    void Changed();
    void EnableFields();

    std::string passed_;
    bool changed_ = false;
    bool filling_ = true;
    QLineEdit* path_;
    QButtonGroup* format_;
    QButtonGroup* interface_;
    QLineEdit* com_;
    QLineEdit* lpt_;
    QLineEdit* outDir_;
    QWidget* dirButtons_;
    QLineEdit* scale_;
    QCheckBox* fit_;
    QCheckBox* rotate_;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* width_;
    QComboBox* font_;
    QLabel* line_;
};

} // namespace vak1
