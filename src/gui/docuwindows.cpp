// Layouts of the documentation dialogs: labelled fields, the two grids of the drawing
// information with their date buttons, five document groups with file choice buttons.
#include "gui/docuwindows.h"
#include "gui/qtext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "gui/fieldchecks.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vak1 {
namespace {

QLineEdit* Edit(const char* name, const std::string& text, std::size_t maxLength) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    LimitText(e, static_cast<int>(maxLength));
    e->setText(Q(text));
    return e;
}

QPushButton* Button(const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// "OK", "Abbrechen" and "&Hilfe" under the fields.
void AddButtons(QDialog& dialog, QBoxLayout& layout, const HelpHandler& help) {
    auto* row = new QHBoxLayout;
    QPushButton* ok = Button("OK", "Button_ok");
    QPushButton* cancel = Button("Abbrechen", "Button_cancel");
    QPushButton* helpButton = Button("&Hilfe", "Button_help");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, [help] {
        if (help) help(false);
    });
    row->addStretch();
    for (QPushButton* b : {ok, cancel, helpButton})
        row->addWidget(b);
    layout.addLayout(row);
}

// Grid cells edited in a line edit of limited length (0: any length).
class LimitedCells : public QStyledItemDelegate {
  public:
    LimitedCells(QObject* parent, int textColumn, int textLength, int otherLength)
        : QStyledItemDelegate(parent), textColumn_(textColumn), textLength_(textLength),
          otherLength_(otherLength) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const int n = index.column() == textColumn_ ? textLength_ : otherLength_;
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && n > 0) line->setMaxLength(n);
        return editor;
    }

  private:
    int textColumn_, textLength_, otherLength_;
};

QTableWidget* Grid(const char* name, const QStringList& columns, const QStringList& rows) {
    auto* grid = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()));
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    grid->setVerticalHeaderLabels(rows);
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return grid;
}

std::string Cell(const QTableWidget* grid, int r, int c) {
    const QTableWidgetItem* item = grid->item(r, c);
    return item ? item->text().toStdString() : std::string();
}

// The grid's height for all its rows.
void FitRows(QTableWidget* grid) {
    int h = grid->horizontalHeader()->height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r)
        h += grid->rowHeight(r);
    grid->setMinimumHeight(h);
}

} // namespace

TForm_EinAend::TForm_EinAend(QWidget* parent, const ChangeDialogData& data, const HelpHandler& help)
    : QDialog(parent) {
    setObjectName("TForm_EinAend");
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    text_ = Edit("Edit_aenderung", data.text, data.textLength);
    date_ = Edit("Edit_datum", data.date, data.dateLength);
    AcceptDates(date_);
    editor_ = Edit("Edit_bearbeiter", data.editor, data.editorLength);
    auto* today = Button("<" + Q(data.today), "Button_datum");
    const QString todayText = Q(data.today);
    connect(today, &QPushButton::clicked, this, [this, todayText] { date_->setText(todayText); });
    grid->addWidget(new QLabel(QString::fromUtf8("Änderungstext")), 0, 0);
    grid->addWidget(text_, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Datum"), 1, 0);
    grid->addWidget(date_, 1, 1);
    grid->addWidget(today, 1, 2);
    grid->addWidget(new QLabel("Bearbeiter"), 2, 0);
    grid->addWidget(editor_, 2, 1);
    layout->addLayout(grid);
    layout->addWidget(new QLabel("Beschreibung"));
    description_ = new QPlainTextEdit(Q(data.description));
    description_->setObjectName("Memo_beschreibung");
    description_->setTabChangesFocus(true);
    // The memo takes at most descriptionLength characters; what goes beyond is cut.
    const int limit = static_cast<int>(data.descriptionLength);
    connect(description_, &QPlainTextEdit::textChanged, this, [this, limit] {
        const QString text = description_->toPlainText();
        if (limit <= 0 || text.size() <= limit) return;
        QTextCursor cursor = description_->textCursor();
        const int at = std::min(cursor.position(), limit);
        description_->setPlainText(text.left(limit));
        cursor = description_->textCursor();
        cursor.setPosition(at);
        description_->setTextCursor(cursor);
    });
    layout->addWidget(description_);
    AddButtons(*this, *layout, help);
    text_->setFocus();
    setMinimumWidth(420);
}

void TForm_EinAend::accept() {
    if (!date_->hasAcceptableInput()) {
        QMessageBox::warning(this, windowTitle(), tr("Ungültiges Datum: %1").arg(date_->text()));
        date_->setFocus();
        return;
    }
    QDialog::accept();
}

void TForm_EinAend::Collect(ChangeDialogData& data) const {
    data.text = text_->text().toStdString();
    data.date = date_->text().toStdString();
    data.editor = editor_->text().toStdString();
    data.description = description_->toPlainText().toStdString();
}

TForm_zeichInfo::TForm_zeichInfo(QWidget* parent, const DrawingInfoDialogData& data,
                                 const HelpHandler& help)
    : QDialog(parent) {
    setObjectName("TForm_zeichInfo");
    setWindowTitle("Zeichnungsinfo");
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    replacementFor_ = Edit("Edit_ersatzfuer", data.replacementFor, data.replacementLength);
    replacedBy_ = Edit("Edit_ersetztdurch", data.replacedBy, data.replacementLength);
    fields->addWidget(new QLabel(QString::fromUtf8("Ersatz für")), 0, 0);
    fields->addWidget(replacementFor_, 0, 1);
    fields->addWidget(new QLabel("Ersetzt durch"), 1, 0);
    fields->addWidget(replacedBy_, 1, 1);
    layout->addLayout(fields);

    auto* approvalRow = new QHBoxLayout;
    approvals_ =
        Grid("StringGrid1", {"Datum", "Name"}, {"Bearb.", "Gepr.", "Norm", Q(data.releaseLabel)});
    approvals_->setItemDelegate(
        new LimitedCells(approvals_, -1, 0, static_cast<int>(data.approvalLength)));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c)
            approvals_->item(r, c)->setText(Q(data.approvals[r][c]));
    FitRows(approvals_);
    approvalRow->addWidget(approvals_);
    auto* dateButtons = new QVBoxLayout;
    const QString today = Q(data.today);
    for (int r = 0; r < 4; ++r) {
        auto* b = Button("< " + today, QString("Button%1").arg(r + 1));
        connect(b, &QPushButton::clicked, this,
                [this, r, today] { approvals_->item(r, 0)->setText(today); });
        dateButtons->addWidget(b);
    }
    dateButtons->addStretch();
    approvalRow->addLayout(dateButtons);
    layout->addLayout(approvalRow);

    freeTexts_ = Grid("StringGrid2", {"x", "y", "h", "phi", "Text"},
                      {"1", "2", "3", "4", "5", "6", "7", "8"});
    freeTexts_->setItemDelegate(
        new LimitedCells(freeTexts_, 4, static_cast<int>(data.freeTextLength), 0));
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 5; ++c)
            freeTexts_->item(r, c)->setText(Q(data.freeTexts[r][c]));
    freeTexts_->horizontalHeader()->setStretchLastSection(true);
    FitRows(freeTexts_);
    layout->addWidget(freeTexts_);
    AddButtons(*this, *layout, help);
    replacementFor_->setFocus();
    setMinimumWidth(560);
}

void TForm_zeichInfo::Collect(DrawingInfoDialogData& data) const {
    data.replacementFor = replacementFor_->text().toStdString();
    data.replacedBy = replacedBy_->text().toStdString();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c)
            data.approvals[r][c] = Cell(approvals_, r, c);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 5; ++c)
            data.freeTexts[r][c] = Cell(freeTexts_, r, c);
}

TForm_confDoku::TForm_confDoku(QWidget* parent, DocumentsDialogData& data, const HelpHandler& help)
    : QDialog(parent) {
    setObjectName("TForm_confDoku");
    setWindowTitle("Verknüpfte Dokumente");
    auto* layout = new QVBoxLayout(this);
    for (int k = 0; k < 5; ++k) {
        const QString n = QString::number(k + 1);
        auto* box = new QGroupBox(" Dokument " + n + " ");
        auto* grid = new QGridLayout(box);
        programs_[k] = Edit("", data.programs[k], data.fieldLength);
        programs_[k]->setObjectName("Edit_prog" + n);
        files_[k] = Edit("", data.files[k], data.fieldLength);
        files_[k]->setObjectName("Edit_file" + n);
        auto* programLabel = new QLabel("Programm " + n);
        auto* fileLabel = new QLabel("Datei " + n);
        programLabel->setToolTip(Q(data.programHint));
        fileLabel->setToolTip(Q(data.fileHint));
        auto* programButton = Button("...", "Button_prog" + n);
        auto* fileButton = Button("...", "Button_file" + n);
        for (auto [button, edit, program] :
             {std::tuple{programButton, programs_[k], true}, {fileButton, files_[k], false}}) {
            connect(button, &QPushButton::clicked, this, [&data, edit, program] {
                std::string field = edit->text().toStdString();
                if (data.browse && data.browse(program, field)) edit->setText(Q(field));
            });
        }
        grid->addWidget(programLabel, 0, 0);
        grid->addWidget(programs_[k], 0, 1);
        grid->addWidget(programButton, 0, 2);
        grid->addWidget(fileLabel, 1, 0);
        grid->addWidget(files_[k], 1, 1);
        grid->addWidget(fileButton, 1, 2);
        layout->addWidget(box);
    }
    AddButtons(*this, *layout, help);
    programs_[0]->setFocus();
    setMinimumWidth(480);
}

void TForm_confDoku::Collect(DocumentsDialogData& data) const {
    for (int k = 0; k < 5; ++k) {
        data.programs[k] = programs_[k]->text().toStdString();
        data.files[k] = files_[k]->text().toStdString();
    }
}

} // namespace vak1
