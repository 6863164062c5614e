// Pins the table window through its real widgets: the grid over a dBase table with the
// deleted mark, a cell edit written to the file, sorting by a column title, the search with
// its message, and browse mode for choosing a record with the Down key.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/App.h"
#include "app/tablecontext.h"
#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

QString Cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

} // namespace

TEST(TableWindow, EditsSortsSearchesAndChoosesThroughTheWidgets) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    std::string error;
    ASSERT_TRUE(DbfTable::Create(
        folder + "t.dbf", {{"NAME", 'C', 20, 0}, {"XORIGIN", 'N', 5, 0}, {"BORDER", 'L', 1, 0}},
        error));
    {
        DbfTable t;
        ASSERT_TRUE(t.Open(folder + "t.dbf"));
        for (const char* name : {"Zeta", "alt", "Beta"}) {
            t.Append();
            t.ReplaceString("NAME", name);
            t.ReplaceInteger("XORIGIN", static_cast<long>(std::string(name).size()));
            t.ReplaceLogical("BORDER", name[0] == 'Z');
        }
        t.Go(2);
        t.SetDeleted(true);
    }
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    app.Config.DbfDir = folder;
    app.Config.TempDir = folder;
    const TableContext ctx = TableContextOf(app);
    ASSERT_TRUE(OpenTableWithWriteCheck(ctx, "t"));
    SetTableTitles(app.Table, "Printout", "Druck");

    QString caption, label, message;
    QStringList names, marks;
    bool insertShown = false, checked = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        auto* grid = Child<QTableView>(w, "DBGrid1");
        ASSERT_NE(grid, nullptr);
        insertShown = Child<QToolButton>(w, "nbInsert")->isVisibleTo(w);
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            marks << grid->model()->headerData(r, Qt::Vertical).toString();
        checked = grid->model()->index(0, 2).data(Qt::CheckStateRole).toInt() == Qt::Checked;
        // Sort by the name, then type a new name into the first row: "Beta" of record 3.
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(grid->columnViewportPosition(0) + 5, 5));
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            names << Cell(grid, r, 0);
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "Gamma");
        QTest::keyClick(editor, Qt::Key_Return);
        label = Child<QLabel>(w, "Label_record")->text();
        // The search asks for its text, finds nothing and says so.
        DialogScript()
            .Then([](QWidget* input) {
                ASSERT_NE(input, nullptr);
                auto* e = input->findChild<QLineEdit*>();
                e->selectAll();
                QTest::keyClicks(e, "nirgends");
                QTest::keyClick(e, Qt::Key_Return);
            })
            .Then([&](QWidget* box) {
                ASSERT_NE(box, nullptr);
                message = box->findChild<QLabel*>("qt_msgbox_label")->text();
                QTest::keyClick(KeyTarget(box), Qt::Key_Return);
            })
            .Start();
        QTest::mouseClick(Child<QPushButton>(w, "Button_search"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
    });
    EXPECT_TRUE(ShowTable(ctx, 1040, kTableEdit, ""));
    EXPECT_EQ(caption, QString::fromStdString("Druck  Printout  (" + folder + "t.dbf)"));
    EXPECT_TRUE(insertShown);
    EXPECT_EQ(marks, (QStringList{" ", "*", " "}));
    EXPECT_TRUE(checked);
    EXPECT_EQ(names, (QStringList{"Beta", "Zeta", "alt"}));
    EXPECT_EQ(label, "3/3");
    EXPECT_EQ(message, "nirgends nicht gefunden");
    EXPECT_EQ(app.Table.LastRecord, 3);

    // Browse mode, choosing: deleted records hidden, the Down key takes the next record.
    int rows = 0;
    bool browseInsert = true;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        auto* grid = Child<QTableView>(w, "DBGrid1");
        rows = grid->model()->rowCount();
        browseInsert = Child<QToolButton>(w, "nbInsert")->isVisibleTo(w);
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Down);
    });
    app.Table.Table.SortBy(-1);
    EXPECT_TRUE(ShowTable(ctx, 1040, kTableBrowse, "CLOSE"));
    EXPECT_EQ(caption, "Druck   Printout");
    EXPECT_EQ(rows, 2);
    EXPECT_FALSE(browseInsert);
    EXPECT_EQ(app.Table.LastRecord, 3);
    EXPECT_EQ(app.Table.Table.FieldText(3, 0), "Gamma");
    CloseTable(app.Table);
    DbfTable back;
    ASSERT_TRUE(back.Open(folder + "t.dbf"));
    EXPECT_EQ(back.FieldText(3, 0), "Gamma");
}
