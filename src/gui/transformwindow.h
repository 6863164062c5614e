// One transformation of the contour: its value fields (or its choice) beside a picture of
// the contour as it is and, over it, as the values typed would leave it.
#pragma once
#include <QDialog>
#include <QList>

#include "platform/Ui.h"

class QLineEdit;
class QRadioButton;

namespace vak1 {

class ContourPreview;

class TransformWindow : public QDialog {
  public:
    TransformWindow(QWidget* parent, Ui& ui, const TransformDialogData& data);
    // The fields and choice as left.
    void Collect(TransformDialogData& data) const;

  private:
    void Preview();

    TransformDialogData data_;
    QList<QLineEdit*> edits_;
    QList<QRadioButton*> choices_;
    ContourPreview* preview_;
};

} // namespace vak1
