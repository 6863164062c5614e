// The section window: the families on the left, the sizes of a series or the values of a
// parametric shape on the right, the corner choice of hollow sections and a preview of the
// contour of the choice as it stands.
#pragma once
#include <QDialog>
#include <array>

#include "platform/profileform.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;

namespace vak1 {

class TProfileDialog : public QDialog {
  public:
    // The choice goes into data as it is made; the caller takes it on "OK".
    TProfileDialog(QWidget* parent, ProfileDialogData& data);

  private:
    void ShowFamily(int family);
    void TakeValues();
    void UpdatePreview();

    ProfileDialogData& data_;
    QListWidget* families_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QTableWidget* sizes_ = nullptr;
    std::array<QLabel*, 5> labels_{};
    std::array<QLineEdit*, 5> edits_{};
    QRadioButton* hot_ = nullptr;
    QRadioButton* cold_ = nullptr;
    QVBoxLayout* previewBox_ = nullptr;
    QWidget* preview_ = nullptr;
    QLabel* error_ = nullptr;
    bool filling_ = false; // the controls are being filled: their signals change nothing
};

} // namespace vak1
