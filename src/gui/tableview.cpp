// Layout and wiring of the table window.
#include "gui/tableview.h"
#include "gui/qtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vak1 {
namespace {} // namespace

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.Rows();
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.Columns();
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool logical = table_.LogicalColumn(index.column());
    if (logical && role == Qt::CheckStateRole) {
        const std::string t = table_.Cell(index.row(), index.column());
        return !t.empty() && std::string("TtYyJj").find(t[0]) != std::string::npos ? Qt::Checked
                                                                                   : Qt::Unchecked;
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return logical ? QVariant() : Q(table_.Cell(index.row(), index.column()));
    if (role == Qt::ForegroundRole && table_.RowDeleted(index.row())) return QColor(Qt::gray);
    return {};
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    std::string text;
    if (role == Qt::CheckStateRole)
        text = value.toInt() == Qt::Checked ? "T" : "F";
    else if (role == Qt::EditRole)
        text = value.toString().toStdString();
    else
        return false;
    if (!table_.SetCell(index.row(), index.column(), text)) return false;
    emit dataChanged(index, index);
    return true;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Q(table_.ColumnTitle(section));
    return table_.RowDeleted(section) ? QString("*") : QString(" ");
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (table_.BrowseOnly()) return f;
    return f |
           (table_.LogicalColumn(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

Tdbf4::Tdbf4(QWidget* parent, TableWindowModel& table)
    : QDialog(parent), table_(table), model_(table) {
    setObjectName("Tdbf4");
    const bool edit = !table.BrowseOnly();
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QMenuBar;
    bar->setObjectName("MainMenu1");
    layout->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const QString& caption, TableCommand c,
                      bool visible = true) {
        QAction* a = menu->addAction(caption, this, [this, c] { Run(c); });
        a->setObjectName(name);
        a->setVisible(visible);
        return a;
    };
    QMenu* file = bar->addMenu("&Datei");
    file->setObjectName("Menu_file");
    add(file, "mi_exportHtml", "HTML exportieren", TableCommand::ExportHtml);
    add(file, "mi_saveDelimited", QString::fromUtf8("Speichern als Text mit Trennzeichen"),
        TableCommand::SaveDelimited);
    add(file, "mi_appendDbf", QString::fromUtf8("dbf-Tabelle anhängen"), TableCommand::AppendDbf,
        edit);
    add(file, "mi_appendDelimited", QString::fromUtf8("Text mit Trennzeichen anhängen"),
        TableCommand::AppendDelimited, edit);
    add(file, "mi_print", "&Drucken...", TableCommand::Print);
    file->addSeparator();
    file->addAction("Beenden", this, &QDialog::accept)->setObjectName("mi_exit");
    QMenu* editMenu = bar->addMenu("&Bearbeiten");
    editMenu->setObjectName("Menu_edit");
    editMenu->menuAction()->setVisible(edit);
    add(editMenu, "mi_append", QString::fromUtf8("Übernehmen"), TableCommand::Post);
    add(editMenu, "mi_pack", "Packen", TableCommand::Pack)
        ->setToolTip(QString::fromUtf8("Markierte Datensätze löschen"));
    editMenu->setToolTipsVisible(true);
    QMenu* view = bar->addMenu("&Ansicht");
    view->setObjectName("Menu_view");
    add(view, "mi_search", "&Suchen", TableCommand::Search)->setShortcut(QKeySequence::Find);
    add(view, "mi_searchAgain", "&Weitersuchen", TableCommand::SearchAgain);
    QMenu* help = bar->addMenu("&Hilfe");
    help->setObjectName("Menu_help");
    add(help, "mi_helpCommon", "Allgemein", TableCommand::HelpCommon);
    add(help, "mi_helpStructure", "dbf-Struktur", TableCommand::HelpStructure);
    add(help, "mi_helpPicture", "Hilfe&bild", TableCommand::HelpPicture);
    add(help, "mi_helpFile", "Datei", TableCommand::HelpFile);

    // The record navigator: browse mode has the four moving buttons only.
    auto* navigator = new QHBoxLayout;
    struct Nav {
        const char* name;
        const char* text;
        const char* hint;
        TableCommand command;
        bool browse;
    } buttons[] = {
        {"nbFirst", "|<", "Erster Datensatz", TableCommand::First, true},
        {"nbPrior", "<", "Vorheriger Datensatz", TableCommand::Prior, true},
        {"nbNext", ">", "Nächster Datensatz", TableCommand::Next, true},
        {"nbLast", ">|", "Letzter Datensatz", TableCommand::Last, true},
        {"nbInsert", "+", "Datensatz anhängen", TableCommand::Insert, false},
        {"nbDelete", "-", "Datensatz als gelöscht markieren oder die Markierung aufheben",
         TableCommand::Delete, false},
        {"nbEdit", "^", "Datensatz bearbeiten", TableCommand::Edit, false},
        {"nbPost", "\u2713", "Änderung speichern", TableCommand::Post, false},
        {"nbCancel", "x", "Änderung verwerfen", TableCommand::CancelEdit, false},
        {"nbRefresh", "\u21bb", "Daten aktualisieren", TableCommand::Refresh, false},
    };
    auto* nav = new QWidget;
    nav->setObjectName("DBNavigator1");
    nav->setLayout(navigator);
    navigator->setContentsMargins(0, 0, 0, 0);
    for (const Nav& b : buttons) {
        auto* button = new QToolButton;
        button->setObjectName(b.name);
        button->setText(QString::fromUtf8(b.text));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setVisible(b.browse || edit);
        const TableCommand c = b.command;
        connect(button, &QToolButton::clicked, this, [this, c] { Run(c); });
        navigator->addWidget(button);
    }
    navigator->addStretch();
    record_ = new QLabel;
    record_->setObjectName("Label_record");
    navigator->addWidget(record_);
    layout->addWidget(nav);

    grid_ = new QTableView;
    grid_->setObjectName("DBGrid1");
    grid_->setModel(&model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(true);
    grid_->setEditTriggers(edit ? QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(grid_->font());
    for (int c = 0; c < table.Columns(); ++c) {
        const int chars = std::max<int>(table.ColumnLength(c), table.ColumnTitle(c).size());
        grid_->setColumnWidth(c, metrics.horizontalAdvance('0') * (std::min(chars, 40) + 2));
    }
    grid_->installEventFilter(this);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        table_.SortByColumn(column);
        Refresh();
    });
    connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) {
        RowChosen(i.row());
        if (table_.SelectAndClose()) accept();
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!refreshing_ && current.isValid()) RowChosen(current.row());
            });
    layout->addWidget(grid_, 1);

    auto* row = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    connect(button("Button_ok", "OK"), &QPushButton::clicked, this, &QDialog::accept);
    connect(button("Button_cancel", "Abbrechen"), &QPushButton::clicked, this, &QDialog::reject);
    connect(button("Button_search", "&Suchen"), &QPushButton::clicked, this,
            [this] { Run(TableCommand::Search); });
    connect(button("Button_searchAgain", "&Weitersuchen"), &QPushButton::clicked, this,
            [this] { Run(TableCommand::SearchAgain); });
    row->addStretch();
    layout->addLayout(row);
    resize(720, 420);

    Refresh();
    if (table.SelectAndClose() && table.topRow > 0 && table.topRow < table.Rows())
        grid_->scrollTo(model_.index(table.topRow, 0), QAbstractItemView::PositionAtTop);
    grid_->setFocus();
}

void Tdbf4::EndEdit() {
    // The cell editor hands its text over when it loses the focus.
    QWidget* editor = focusWidget();
    if (editor && editor != grid_ && grid_->isAncestorOf(editor)) grid_->setFocus();
}

void Tdbf4::RowChosen(int row) {
    table_.SetCurrentRow(row);
    record_->setText(Q(table_.RecordLabel()));
}

void Tdbf4::Run(TableCommand command) {
    EndEdit();
    const bool close = table_.Run(command);
    Refresh();
    if (close) accept();
}

void Tdbf4::Refresh() {
    refreshing_ = true;
    model_.Reload();
    setWindowTitle(Q(table_.Caption()));
    const int row = table_.CurrentRow();
    if (row >= 0) {
        const int column = std::clamp(table_.column, 0, std::max(0, table_.Columns() - 1));
        grid_->setCurrentIndex(model_.index(row, column));
        grid_->scrollTo(model_.index(row, column));
    }
    record_->setText(Q(table_.RecordLabel()));
    refreshing_ = false;
}

bool Tdbf4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress && table_.SelectAndClose()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int row = grid_->currentIndex().row() + (key == Qt::Key_Up ? -1 : 1);
            if (row >= 0 && row < table_.Rows()) RowChosen(row);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tdbf4::done(int result) {
    if (result == QDialog::Accepted) EndEdit();
    table_.topRow = std::max(0, grid_->rowAt(0));
    table_.column = std::max(0, grid_->currentIndex().column());
    QDialog::done(result);
}

} // namespace vak1
