// Layout of the position list, the coordinate dialog and the text lines.
#include "gui/actiondialogs.h"
#include "gui/qtext.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vak1 {
namespace {

const char* ObjectName(DialogAction a) {
    switch (a) {
    case DialogAction::Ok:
        return "Button_ok";
    case DialogAction::Cancel:
        return "Button_cancel";
    case DialogAction::Append:
        return "Button_neu";
    case DialogAction::Insert:
        return "Button_einfuegen";
    case DialogAction::Delete:
        return "Button_loeschen";
    case DialogAction::Transform:
        return "Button_transform";
    case DialogAction::Edit:
        return "Button_aendern";
    case DialogAction::Pick:
        return "Button_pick";
    case DialogAction::Messages:
        return "Button_fehler";
    case DialogAction::SpinDown:
        return "Button_spindown";
    case DialogAction::SpinUp:
        return "Button_spinup";
    case DialogAction::SwitchUnit:
        return "Button_unit";
    case DialogAction::StorePicture:
    case DialogAction::HelpPicture:
        return "Button_helppicture";
    case DialogAction::HelpText:
        return "Button_helptext";
    }
    return "Button";
}

} // namespace

ActionDialog::ActionDialog(QWidget* parent, Ui& ui, DialogAction closeAction)
    : QDialog(parent), ui_(ui), closeAction_(closeAction) {}

void ActionDialog::Finish(DialogAction action) {
    action_ = action;
    done(action == DialogAction::Cancel ? QDialog::Rejected : QDialog::Accepted);
}

void ActionDialog::reject() {
    if (closing_) {
        closing_ = false;
        Finish(closeAction_);
    } else {
        Finish(DialogAction::Cancel);
    }
}

void ActionDialog::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QDialog::closeEvent(event); // runs reject()
    closing_ = false;
}

QList<QPushButton*> ActionDialog::MakeButtons(const std::vector<DialogButton>& buttons) {
    QList<QPushButton*> out;
    for (const DialogButton& b : buttons) {
        auto* button = new QPushButton(Q(b.caption));
        button->setObjectName(ObjectName(b.action));
        button->setAutoDefault(false);
        if (b.action == DialogAction::Ok) button->setDefault(true);
        const DialogAction action = b.action;
        if (action == DialogAction::HelpText || action == DialogAction::HelpPicture) {
            connect(button, &QPushButton::clicked, this,
                    [this, action] { ui_.Help(action == DialogAction::HelpPicture); });
        } else {
            connect(button, &QPushButton::clicked, this, [this, action] { Finish(action); });
        }
        out << button;
    }
    return out;
}

PositionListWindow::PositionListWindow(QWidget* parent, Ui& ui, const PositionListDialogData& data)
    : ActionDialog(parent, ui, DialogAction::Ok) {
    setWindowTitle(Q(data.caption));
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget;
    list_->setObjectName("ListBox_positionen");
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    list_->setFont(mono); // the lines are laid out in columns
    for (const std::string& line : data.lines)
        list_->addItem(Q(line));
    if (data.selected >= 1 && data.selected <= list_->count())
        list_->setCurrentRow(data.selected - 1);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { Finish(DialogAction::Pick); });
    layout->addWidget(list_, 1);
    auto* column = new QVBoxLayout;
    for (QPushButton* b : MakeButtons(data.buttons))
        column->addWidget(b);
    column->addStretch();
    layout->addLayout(column);
    list_->setFocus();
    resize(720, 420);
}

int PositionListWindow::Selected() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->currentRow() + 1 : 0;
}

CoordinateWindow::CoordinateWindow(QWidget* parent, Ui& ui, const CoordinateDialogData& data)
    : ActionDialog(parent, ui, DialogAction::Cancel) {
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    static const char* const kNames[3][3] = {{"Label_y", "Edit_y", "Unit_y"},
                                             {"Label_z", "Edit_z", "Unit_z"},
                                             {"Label_phi", "Edit_phi", "Unit_phi"}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(Q(data.labels[static_cast<std::size_t>(i)]));
        label->setObjectName(kNames[i][0]);
        auto* edit = new QLineEdit(Q(data.fields[static_cast<std::size_t>(i)]));
        edit->setObjectName(kNames[i][1]);
        edit->setMaxLength(30);
        auto* unit = new QLabel(Q(data.units[static_cast<std::size_t>(i)]));
        unit->setObjectName(kNames[i][2]);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        grid->addWidget(unit, i, 2);
        edits_[static_cast<std::size_t>(i)] = edit;
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    // The two spin buttons stand together, one above the other, as one spin control.
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    for (QPushButton* b : MakeButtons(data.buttons)) {
        const QString name = b->objectName();
        if (name == "Button_spinup" || name == "Button_spindown") {
            b->setFixedWidth(28);
            if (name == "Button_spinup")
                spin->insertWidget(0, b);
            else
                spin->addWidget(b);
        } else {
            row->addWidget(b);
        }
    }
    if (spin->count() > 0) row->addLayout(spin);
    layout->addLayout(row);
    edits_[0]->setFocus();
    edits_[0]->selectAll();
}

std::array<std::string, 3> CoordinateWindow::Fields() const {
    return {edits_[0]->text().toStdString(), edits_[1]->text().toStdString(),
            edits_[2]->text().toStdString()};
}

TextLinesWindow::TextLinesWindow(QWidget* parent, Ui& ui, const TextLinesDialogData& data)
    : ActionDialog(parent, ui, DialogAction::Cancel) {
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    int n = 0;
    for (const TextLineField& f : data.fields) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("Edit_%1").arg(++n));
        if (f.maxLength > 0) edit->setMaxLength(static_cast<int>(f.maxLength));
        edit->setText(Q(f.text));
        edit->setMinimumWidth(static_cast<int>(std::min<std::size_t>(f.maxLength, 65)) *
                              fontMetrics().averageCharWidth());
        form->addRow(Q(f.label), edit);
        edits_ << edit;
    }
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : MakeButtons(data.buttons))
        row->addWidget(b);
    layout->addLayout(row);
    if (!edits_.isEmpty()) edits_.first()->setFocus();
}

std::vector<std::string> TextLinesWindow::Texts() const {
    std::vector<std::string> out;
    for (const QLineEdit* e : edits_)
        out.push_back(e->text().toStdString());
    return out;
}

} // namespace vak1
