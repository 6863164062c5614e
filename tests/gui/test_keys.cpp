// Pins the keys a desktop user tries first: Ctrl+Q, Ctrl+Shift+S and F1 in the main window,
// Ctrl+F in the table window, and packing a table only after its question.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/App.h"
#include "app/tablecontext.h"
#include "dbase/dbf.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

TEST(Keys, MainWindowKeysRunTheirItems) {
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    std::vector<std::string> run;
    GuiCommands commands;
    for (const char* name : {"mi_FileSaveAs", "mi_HelpHilfebild"})
        commands.items[name] = [&run, name] { run.push_back(name); };
    Thh window(app, commands);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(run, (std::vector<std::string>{"mi_FileSaveAs", "mi_HelpHilfebild"}));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

TEST(Keys, TableWindowSearchesWithCtrlFAndPacksOnlyAfterYes) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    std::string error;
    ASSERT_TRUE(DbfTable::Create(folder + "t.dbf", {{"NAME", 'C', 20, 0}}, error));
    {
        DbfTable t;
        ASSERT_TRUE(t.Open(folder + "t.dbf"));
        for (const char* name : {"a", "b", "c"}) {
            t.Append();
            t.ReplaceString("NAME", name);
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
    const struct {
        QMessageBox::StandardButton answer;
        int records;
    } cases[] = {{QMessageBox::No, 3}, {QMessageBox::Yes, 2}};
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenTableWithWriteCheck(ctx, "t"));
        QKeySequence search;
        QString question;
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            if (auto* a = w->findChild<QAction*>("mi_search")) search = a->shortcut();
            OnNextModal([&](QWidget* box) {
                auto* b = qobject_cast<QMessageBox*>(box);
                ASSERT_NE(b, nullptr);
                question = b->text();
                QTest::mouseClick(b->button(c.answer), Qt::LeftButton);
            });
            w->findChild<QAction*>("mi_pack")->trigger();
            static_cast<QDialog*>(w)->accept();
        });
        ShowTable(ctx, 1040, kTableEdit, "");
        CloseTable(app.Table);
        EXPECT_EQ(search, QKeySequence(QKeySequence::Find));
        EXPECT_EQ(question, QString::fromUtf8("Markierte Datensätze endgültig löschen ?"));
        DbfTable t;
        ASSERT_TRUE(t.Open(folder + "t.dbf"));
        EXPECT_EQ(t.RecordCount(), c.records);
    }
}
