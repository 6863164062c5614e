// The project table window and the progress window of the reading before it.
#include "gui/projecttablewindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <thread>

namespace vak1 {

TForm_preview::TForm_preview(QWidget* parent, ProjectTableData& data, const HelpHandler& help)
    : QDialog(parent), data_(data) {
    setObjectName("TForm_preview");
    setWindowTitle(QString::fromStdString(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar;
    QMenu* file = menu->addMenu("&Datei");
    QAction* exportExcel = file->addAction("Nach Excel exportieren");
    exportExcel->setObjectName("mi_exportExcel");
    connect(exportExcel, &QAction::triggered, this,
            [this] { CloseWith(ProjectTableAction::Export); });
    QAction* exit = file->addAction("&Beenden");
    exit->setObjectName("mi_exit");
    connect(exit, &QAction::triggered, this, [this] { CloseWith(ProjectTableAction::Close); });
    layout->setMenuBar(menu);

    grid_ = new QTableWidget;
    grid_->setObjectName("StringGrid_preview");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setVisible(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    Fill();
    connect(grid_->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) {
                const int column = grid_->horizontalHeader()->logicalIndexAt(at);
                if (column < 0 || !data_.sort) return;
                data_.sort(column);
                Fill();
            });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row < 0 || row + 1 == data_.selected) return;
        data_.selected = row + 1;
        CloseWith(ProjectTableAction::Open);
    });
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* name, const char* caption, std::function<void()> onClick) {
        return AddButton(*buttons, name, QString::fromUtf8(caption), std::move(onClick));
    };
    add("Button_ok", "OK", [this] { CloseWith(ProjectTableAction::Close); })->setDefault(true);
    add("Button_cancel", "Abbrechen", [this] { CloseWith(ProjectTableAction::Close); });
    add("Button_help", "&Hilfe", [help] {
        if (help) help(false);
    });
    add("Button_bild", "Hilfe&bild", [this] { CloseWith(ProjectTableAction::Pictures); });
    buttons->addStretch(1);
    layout->addLayout(buttons);
    resize(820, 480);
}

void TForm_preview::Fill() {
    const QSignalBlocker quiet(grid_);
    grid_->clear();
    grid_->setColumnCount(static_cast<int>(data_.titles.size()));
    grid_->setRowCount(static_cast<int>(data_.rows.size()));
    QStringList titles;
    for (const auto& t : data_.titles)
        titles << QString::fromStdString(t);
    grid_->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < static_cast<int>(data_.widths.size()); ++c)
        grid_->setColumnWidth(c, data_.widths[c]);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const auto& row = data_.rows[r];
        for (int c = 0; c < static_cast<int>(row.size()); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(row[c])));
    }
    if (data_.selected > 0 && data_.selected <= grid_->rowCount())
        grid_->setCurrentCell(data_.selected - 1, 0);
    else
        grid_->setCurrentCell(-1, -1);
}

void TForm_preview::CloseWith(ProjectTableAction action) {
    action_ = action;
    accept();
}

void RunWithProgressWindow(QWidget* parent, ProgressJob& job) {
    const int total = static_cast<int>(job.total);
    QProgressDialog window(QString::fromStdString(job.caption), "Abbrechen", 0, total, parent);
    window.setObjectName("TForm_progress");
    window.setWindowModality(Qt::WindowModal);
    window.setMinimumDuration(0);
    window.setAutoClose(false);
    window.setAutoReset(false);
    std::atomic<std::size_t> done{0};
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        job.run([&](std::size_t n) {
            done = n;
            return !cancelled.load();
        });
        finished = true;
    });
    while (!finished) {
        window.setValue(static_cast<int>(done.load()));
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (window.wasCanceled()) cancelled = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
    window.setValue(total);
}

} // namespace vak1
