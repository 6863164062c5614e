// The project table window through its widgets: titles and widths, a right click on a title
// sorts, a click into another row closes with it, "Help" stays open, the help-picture
// button closes with the browser; the progress window runs its job to the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

TEST(ProjectTableWindow, RightClickSortsClickIntoARowOpensItHelpStaysPictureButtonCloses) {
    QtUi ui;
    std::vector<int> help;
    ui.onHelp = [&](uint16_t n, bool) { help.push_back(n); };
    ui.helpNumber = 3400;
    ProjectTableData data;
    data.caption = "VAK1  /p/";
    data.titles = {"File", "Date  y/m/d", "Name", "No", "n", "A", "ys", "zs", "I1", "I2", "phi"};
    data.widths = {150, 64, 90, 90, 48, 60, 48, 48, 70, 70, 48};
    data.rows = {{"a.vak1", "", "", "", "", "20.0"}, {"b.vak1", "", "", "", "", "100.0"}};
    std::vector<int> sorted;
    data.sort = [&](int column) {
        sorted.push_back(column);
        std::swap(data.rows[0], data.rows[1]);
    };
    QStringList firstCells;
    std::vector<int> widths;
    bool open = false, exportEnabled = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* grid = Child<QTableWidget>(w, "StringGrid_preview");
        ASSERT_NE(grid, nullptr);
        for (int c = 0; c < grid->columnCount(); ++c)
            widths.push_back(grid->columnWidth(c));
        QHeaderView* header = grid->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(5) + 5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
        QApplication::sendEvent(header->viewport(), &click);
        firstCells << grid->item(0, 0)->text();
        exportEnabled = w->findChild<QAction*>("mi_exportExcel")->isEnabled();
        QTest::mouseClick(Child<QPushButton>(w, "Button_help"), Qt::LeftButton);
        open = w->isVisible();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(1, 2)).center());
    });
    EXPECT_EQ(ui.ProjectTableDialog(data), ProjectTableAction::Open);
    EXPECT_EQ(data.selected, 2);
    EXPECT_EQ(sorted, std::vector<int>{5});
    EXPECT_EQ(firstCells, QStringList{"b.vak1"});
    EXPECT_EQ(widths, data.widths);
    EXPECT_TRUE(open);
    EXPECT_TRUE(exportEnabled);
    EXPECT_EQ(help, std::vector<int>{3400});

    OnNextModal([](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(Child<QPushButton>(w, "Button_bild"), Qt::LeftButton);
    });
    EXPECT_EQ(ui.ProjectTableDialog(data), ProjectTableAction::Pictures);
    OnNextModal([](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
    });
    EXPECT_EQ(ui.ProjectTableDialog(data), ProjectTableAction::Close);
}

TEST(ProjectTableWindow, ProgressWindowRunsTheJobOnAnotherThreadToTheEnd) {
    QtUi ui;
    std::size_t last = 0;
    ProgressJob job{"Projekte lesen", 50, [&](const std::function<bool(std::size_t)>& report) {
                        for (std::size_t i = 1; i <= 50; ++i)
                            if (report(i)) last = i;
                    }};
    ui.RunWithProgress(job);
    EXPECT_EQ(last, 50u);
}
