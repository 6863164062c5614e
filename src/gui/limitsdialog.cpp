// Layout of the diagram limits dialog: one row per axis, "von" and "bis" fields.
#include "gui/limitsdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vak1 {

TEinDiagramLimits::TEinDiagramLimits(QWidget* parent, const DiagramLimitsDialogData& data,
                                     const HelpHandler& help)
    : QDialog(parent) {
    setObjectName("TEinDiagramLimits");
    setWindowTitle(QString::fromStdString(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* names[4] = {"Edit_xmin", "Edit_ymin", "Edit_xmax", "Edit_ymax"};
    for (int i = 0; i < 4; ++i) {
        edits_[i] = new QLineEdit(QString::fromStdString(data.fields[i]));
        edits_[i]->setObjectName(names[i]);
        edits_[i]->setMaxLength(30);
    }
    grid->addWidget(new QLabel("von"), 0, 1);
    grid->addWidget(new QLabel("bis"), 0, 2);
    auto* xLabel = new QLabel(QString::fromStdString(data.xLabel));
    auto* yLabel = new QLabel(QString::fromStdString(data.yLabel));
    xLabel->setObjectName("Label_x");
    yLabel->setObjectName("Label_y");
    grid->addWidget(xLabel, 1, 0);
    grid->addWidget(edits_[0], 1, 1);
    grid->addWidget(edits_[2], 1, 2);
    grid->addWidget(yLabel, 2, 0);
    grid->addWidget(edits_[1], 2, 1);
    grid->addWidget(edits_[3], 2, 2);
    layout->addLayout(grid);

    auto* calculate = new QPushButton("Calculate");
    calculate->setObjectName("Button_calculate");
    calculate->setAutoDefault(false);
    const std::array<std::string, 4> automatic = data.calculated;
    connect(calculate, &QPushButton::clicked, this, [this, automatic] {
        for (int i = 0; i < 4; ++i)
            edits_[i]->setText(QString::fromStdString(automatic[i]));
    });
    layout->addWidget(calculate);
    AddDialogButtons(*this, *layout, help);
    edits_[0]->setFocus();
}

std::array<std::string, 4> TEinDiagramLimits::Fields() const {
    std::array<std::string, 4> out;
    for (int i = 0; i < 4; ++i)
        out[i] = edits_[i]->text().toStdString();
    return out;
}

} // namespace vak1
