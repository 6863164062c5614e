// The transformation dialog with its preview, redrawn as the values are typed.
#include "gui/transformwindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/contourpreview.h"
#include "gui/fieldchecks.h"
#include "gui/qtext.h"

namespace vak1 {

TransformWindow::TransformWindow(QWidget* parent, Ui& ui, const TransformDialogData& data)
    : QDialog(parent), data_(data) {
    setObjectName("TransformWindow");
    setWindowTitle(Q(data.caption));
    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < data.fields.size(); ++i) {
        auto* edit = new QLineEdit(Q(data.fields[i]));
        edit->setObjectName(QString("Edit_%1").arg(i + 1));
        edit->setMaxLength(30);
        AcceptNumbers(edit);
        connect(edit, &QLineEdit::textChanged, this, [this] { Preview(); });
        form->addRow(Q(i < data.labels.size() ? data.labels[i] : std::string()), edit);
        edits_ << edit;
    }
    side->addLayout(form);
    for (std::size_t i = 0; i < data.choices.size(); ++i) {
        auto* radio = new QRadioButton(Q(data.choices[i]));
        radio->setObjectName(QString("Radio_%1").arg(i + 1));
        radio->setChecked(static_cast<int>(i) + 1 == data.choice);
        connect(radio, &QRadioButton::toggled, this, [this] { Preview(); });
        side->addWidget(radio);
        choices_ << radio;
    }
    side->addStretch();
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen");
    cancel->setObjectName("Button_cancel");
    auto* help = new QPushButton("&Hilfe");
    help->setObjectName("Button_helptext");
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&ui] { ui.Help(false); });
    for (QPushButton* b : {ok, cancel, help})
        row->addWidget(b);
    side->addLayout(row);
    layout->addLayout(side);
    preview_ = new ContourPreview(PositionTable{});
    preview_->setMinimumSize(260, 220);
    layout->addWidget(preview_, 1);
    Preview();
    if (!edits_.isEmpty()) {
        edits_.first()->setFocus();
        edits_.first()->selectAll();
    }
}

void TransformWindow::Collect(TransformDialogData& data) const {
    for (int i = 0; i < edits_.size() && i < static_cast<int>(data.fields.size()); ++i)
        data.fields[static_cast<std::size_t>(i)] = edits_[i]->text().toStdString();
    for (int i = 0; i < choices_.size(); ++i)
        if (choices_[i]->isChecked()) data.choice = i + 1;
}

void TransformWindow::Preview() {
    if (!data_.preview) return;
    Collect(data_);
    PositionTable now, moved;
    data_.preview(data_, now, moved);
    preview_->SetOverlay(moved);
    preview_->SetTable(now);
}

} // namespace vak1
