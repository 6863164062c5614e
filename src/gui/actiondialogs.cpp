// Layout of the position list, the coordinate dialog and the text lines.
#include "gui/actiondialogs.h"
#include "gui/contourpreview.h"
#include "gui/qtext.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QPushButton>
#include <QScrollBar>
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
    const PositionTable& t = data.table;
    table_ = new QTableWidget(static_cast<int>(t.rows.size()), 4);
    table_->setObjectName("StringGrid_positionen");
    table_->setHorizontalHeaderLabels({"Pos.", Q("y [" + t.lengthUnit + "]"),
                                       Q("z [" + t.lengthUnit + "]"),
                                       Q("phi [" + t.angleUnit + "]")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    // The digits stand under each other. The desktop's monospace font is not asked for: some
    // (Noto Sans Mono) are not fixed-pitch as Qt sees them; the set-up installs this one.
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());
    table_->setFont(mono);
    int row = 0;
    for (const PositionRow& r : t.rows) {
        int column = 0;
        for (const std::string* text : {&r.number, &r.y, &r.z, &r.phi}) {
            auto* item = new QTableWidgetItem(Q(*text).trimmed());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column++, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();
    const QFontMetrics metrics(mono);
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 4; ++c) {
        // The number columns have room for the widest number of their format.
        if (c > 0)
            table_->setColumnWidth(
                c, std::max(table_->columnWidth(c), metrics.horizontalAdvance("-00000.000") + 16));
        width += table_->columnWidth(c);
    }
    table_->setMinimumWidth(width);
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { Finish(DialogAction::Pick); });
    layout->addWidget(table_, 1);

    // The buttons, and under them the picture of the contour in the height left.
    auto* side = new QVBoxLayout;
    for (QPushButton* b : MakeButtons(data.buttons))
        side->addWidget(b);
    side->addSpacing(8);
    preview_ = new ContourPreview(t);
    side->addWidget(preview_, 1);
    layout->addLayout(side);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { preview_->SetMarked(Selected()); });
    if (data.selected >= 1 && data.selected <= table_->rowCount()) {
        table_->selectRow(data.selected - 1);
        table_->scrollToItem(table_->item(data.selected - 1, 0));
    }
    preview_->SetMarked(Selected());
    table_->setFocus();
    resize(minimumSizeHint().width(), std::max(minimumSizeHint().height(), 480));
}

int PositionListWindow::Selected() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

bool PositionListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const char* button = nullptr;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (Selected() > 0) button = "Button_aendern";
            break;
        case Qt::Key_Insert:
            button = "Button_einfuegen";
            break;
        case Qt::Key_Delete:
            button = "Button_loeschen";
            break;
        default:
            break;
        }
        if (auto* b = button ? findChild<QPushButton*>(button) : nullptr) {
            b->click();
            return true;
        }
    }
    return ActionDialog::eventFilter(watched, event);
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
