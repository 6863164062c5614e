// Layout of the position list, the coordinate dialog and the text lines.
#include "gui/actiondialogs.h"
#include "gui/contourpreview.h"
#include "gui/fieldchecks.h"
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
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QStyledItemDelegate>
#include <QTimer>

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

// Hands a cell's typed text to the window once the editor has closed: a refusal shows a
// message box, which must not meet an editor still open.
class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(PositionListWindow* window) : QStyledItemDelegate(window), window_(window) {}
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const auto* edit = qobject_cast<QLineEdit*>(editor);
        if (!edit || edit->text() == index.data().toString()) return;
        const QString text = edit->text();
        const int row = index.row(), column = index.column();
        QTimer::singleShot(0, window_,
                           [w = window_, row, column, text] { w->CommitCell(row, column, text); });
    }

  protected:
    // Enter and Escape end the cell's editing only; they must not go on to the list, where
    // they would change the position or cancel the dialog.
    bool eventFilter(QObject* editor, QEvent* event) override {
        const bool handled = QStyledItemDelegate::eventFilter(editor, event);
        if (event->type() != QEvent::KeyPress) return handled;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        default:
            return handled;
        }
    }

  private:
    PositionListWindow* window_;
};

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
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    table_->setItemDelegate(new CellDelegate(this));
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    // The digits stand under each other. The desktop's monospace font is not asked for: some
    // (Noto Sans Mono) are not fixed-pitch as Qt sees them; the set-up installs this one.
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());
    table_->setFont(mono);
    hooks_.setCell = data.setCell;
    hooks_.paste = data.paste;
    hooks_.removeRows = data.removeRows;
    hooks_.undo = data.undo;
    hooks_.redo = data.redo;
    if (!hooks_.setCell) table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_ = nullptr;
    Fill(t);
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
    preview_->setToolTip(tr("Strg+C kopiert die gewählten Zeilen, Strg+V fügt eine "
                            "Koordinatenliste (y z [phi] je Zeile) vor der Auswahl ein."));
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

void PositionListWindow::Fill(const PositionTable& t) {
    table_->setRowCount(static_cast<int>(t.rows.size()));
    int row = 0;
    for (const PositionRow& r : t.rows) {
        int column = 0;
        for (const std::string* text : {&r.number, &r.y, &r.z, &r.phi}) {
            auto* item = new QTableWidgetItem(Q(*text).trimmed());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == 0) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(row, column++, item);
        }
        ++row;
    }
    if (preview_) {
        preview_->SetTable(t);
        preview_->SetMarked(Selected());
    }
}

QList<int> PositionListWindow::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : table_->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString PositionListWindow::SelectedText() const {
    QString text;
    for (const int r : SelectedRows())
        text += table_->item(r, 1)->text() + '\t' + table_->item(r, 2)->text() + '\t' +
                table_->item(r, 3)->text() + '\n';
    return text;
}

void PositionListWindow::CommitCell(int row, int column, const QString& text) {
    PositionTable table;
    if (hooks_.setCell && hooks_.setCell(row + 1, column, text.toStdString(), table)) {
        Fill(table);
        table_->setCurrentCell(row, column);
        return;
    }
    if (!table_->item(row, column)) return;
    // Refused: the cell is open again with what was typed, for the correction.
    table_->setCurrentCell(row, column);
    table_->editItem(table_->item(row, column));
    if (auto* edit = qobject_cast<QLineEdit*>(table_->indexWidget(table_->currentIndex())))
        edit->setText(text);
}

void PositionListWindow::Paste() {
    if (!hooks_.paste) return;
    const QList<int> rows = SelectedRows();
    const int before = rows.isEmpty() ? table_->rowCount() + 1 : rows.first() + 1;
    const int count = table_->rowCount();
    PositionTable table;
    if (!hooks_.paste(before, QApplication::clipboard()->text().toStdString(), table)) return;
    Fill(table);
    // The pasted rows stay selected, for a look or a second thought.
    table_->clearSelection();
    const int added = table_->rowCount() - count;
    if (added > 0)
        table_->setRangeSelected(QTableWidgetSelectionRange(before - 1, 0, before - 2 + added, 3),
                                 true);
}

void PositionListWindow::DeleteRows() {
    std::vector<int> positions;
    for (const int r : SelectedRows())
        positions.push_back(r + 1);
    PositionTable table;
    if (hooks_.removeRows && hooks_.removeRows(positions, table)) {
        table_->clearSelection();
        Fill(table);
    }
}

void PositionListWindow::Walk(const std::function<bool(PositionTable&)>& step) {
    PositionTable table;
    if (step && step(table)) Fill(table);
}

int PositionListWindow::Selected() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

bool PositionListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(SelectedText());
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            Paste();
            return true;
        }
        const QKeyCombination keys = key->keyCombination();
        if (keys == (Qt::CTRL | Qt::Key_Z)) {
            Walk(hooks_.undo);
            return true;
        }
        if (keys == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
            Walk(hooks_.redo);
            return true;
        }
        if (key->key() == Qt::Key_Delete && SelectedRows().size() > 1 && hooks_.removeRows) {
            DeleteRows();
            return true;
        }
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
        edit->setMaxLength(30); // a number, never cut: no text limit to name
        AcceptNumbers(edit);
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
        LimitText(edit, static_cast<int>(f.maxLength));
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
