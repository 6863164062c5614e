// TEinDiagramLimits: the four limits of a diagram, with "Calculate" for the automatic ones.
#pragma once
#include <QDialog>
#include <array>

#include "gui/valuedialogs.h"
#include "platform/Ui.h"

class QLineEdit;

namespace vak1 {

class TEinDiagramLimits : public QDialog {
  public:
    TEinDiagramLimits(QWidget* parent, const DiagramLimitsDialogData& data,
                      const HelpHandler& help);
    // The fields in the order of the data: x min, y min, x max, y max.
    std::array<std::string, 4> Fields() const;

  private:
    std::array<QLineEdit*, 4> edits_{};
};

} // namespace vak1
