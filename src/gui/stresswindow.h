// The stresses' Qt faces: the dialog of the internal forces and the window of the colour map,
// which exports it as PNG, SVG and PDF and prints it.
#pragma once
#include <QDialog>
#include <QImage>
#include <QString>
#include <array>

#include "gui/valuedialogs.h"
#include "platform/stressform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;

namespace vak1 {

class TStressDialog : public QDialog {
  public:
    TStressDialog(QWidget* parent, StressDialogData& data, const HelpHandler& help);
    // "OK" takes the fields; values the data's check refuses keep the dialog open.
    void accept() override;

  private:
    StressDialogData& data_;
    std::array<QLineEdit*, 6> values_{};
    QComboBox* kind_;
    QLabel* error_;
};

class TStressPicture : public QDialog {
  public:
    TStressPicture(QWidget* parent, StressPictureData& data, const HelpHandler& help);
    // The picture of the chosen stress at the size of its area.
    QImage Picture() const { return image_; }
    // Writes the picture; the kind follows the file's ending (.png, .svg, .pdf).
    bool Export(const QString& path);
    // The picture on a printer's page (or any paint device), scaled to fit.
    void PaintPage(QPainter& painter, const QRect& page) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Render();
    StressPictureData& data_;
    QComboBox* kind_;
    QLabel* view_;
    QImage image_;
};

} // namespace vak1
