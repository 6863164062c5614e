// Pins undo and redo of the project through the main window's keys and menu: each change a
// step, a cancelled command none, the changed mark and the save question following the step
// the file was saved at, another project starting the history anew.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/App.h"
#include "project/calculation.h"
#include "gui/MainWindow.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/desktop.h"
#include "gui/driver.h"
#include "gui/undohistory.h"
#include "testing/FixedClock.h"

using namespace vak1;
using namespace vak1::test;

namespace {

Step Type(const QString& text) {
    return [text](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* e = w->findChild<QLineEdit*>();
        ASSERT_NE(e, nullptr);
        e->selectAll();
        TypeText(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    };
}

Step Key(Qt::Key key) {
    return [key](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), key);
    };
}

struct Undo : ::testing::Test {
    App app;
    QtUi ui;
    FixedClock clock;
    QTemporaryDir dir;
    std::string folder;
    std::unique_ptr<QtPrinter> printer;
    std::unique_ptr<Thh> window;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        for (std::string* f : {&app.Config.TempDir, &app.Config.DataDir, &app.Config.PltDir,
                               &app.Config.SettingsFolder, &app.State.ProjectDir})
            *f = folder;
        ProjectData& p = app.Project;
        const long double corners[4][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}};
        for (const auto& c : corners)
            p.Positions.push_back({c[0], c[1], 0});
        CalcSection(p, app.Messages, app.Config);
        window = std::make_unique<Thh>(app, DesktopCommands(app, printer));
        ui.SetParent(window.get());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { app.State.ModifiedFlag = 0; }

    void Run(const char* item, std::initializer_list<Step> steps) {
        DialogScript script;
        for (const Step& s : steps)
            script.Then(s);
        script.Start();
        window->RunCommand(item);
        EXPECT_EQ(script.Left(), 0u) << item;
    }
    // The keys go to the main window once the last dialog has given back the focus.
    void Press(QKeyCombination keys) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers());
    }
};

} // namespace

TEST_F(Undo, KeysWalkBackAndForthThroughTheChangesWithTheChangedMark) {
    Run("mi_editKoerper", {Type("2,7"), Type("2000")});
    Run("mi_editKoerper", {Type("5"), Key(Qt::Key_Escape)}); // cancelled: no step
    Run("mi_editText", {[](QWidget* w) {
            ASSERT_NE(w, nullptr);
            TypeText(Child<QLineEdit>(w, "Edit_1"), "Platte");
            QTest::keyClick(KeyTarget(w), Qt::Key_Return);
        }});
    ASSERT_EQ(window->History().Stack().count(), 2);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().endsWith("[*]"));

    struct Case {
        QKeyCombination keys;
        const char* name;
        long double rho, lx;
        bool modified;
    };
    const Case cases[] = {
        {Qt::CTRL | Qt::Key_Z, "", 2.7L, 2000, true},
        {Qt::CTRL | Qt::Key_Z, "", 7.8L, 1000, false},
        {Qt::CTRL | Qt::Key_Z, "", 7.8L, 1000, false}, // nothing left to take back
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "", 2.7L, 2000, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "Platte", 2.7L, 2000, true},
    };
    for (const Case& c : cases) {
        Press(c.keys);
        EXPECT_EQ(app.Project.DrawingName, c.name);
        EXPECT_EQ(app.Project.rho, c.rho);
        EXPECT_EQ(app.Project.lx, c.lx);
        EXPECT_NEAR(app.Project.R.A, 5000, 1e-9);
        EXPECT_EQ(app.State.ModifiedFlag != 0, c.modified);
        EXPECT_EQ(window->isWindowModified(), c.modified);
    }
    EXPECT_FALSE(window->Action("mi_editRedo")->isEnabled());
    EXPECT_TRUE(window->Action("mi_editUndo")->isEnabled());
}

TEST_F(Undo, SavedStepIsUnchangedAndTakingItBackAsksOnClosing) {
    Run("mi_editKoerper", {Type("2,7"), Type("2000")});
    Run("mi_FileSaveAs", {[](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile("platte.vak1");
            QMetaObject::invokeMethod(dialog, "accept");
        }});
    ASSERT_EQ(app.State.ModifiedFlag, 0);
    window->Action("mi_editUndo")->trigger();
    EXPECT_EQ(app.Project.rho, 7.8L);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    window->Action("mi_editRedo")->trigger();
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    window->Action("mi_editUndo")->trigger();
    QString question;
    OnNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        question = box->text();
        QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(question.startsWith("Datei speichern ("));
}

TEST_F(Undo, AnotherProjectStartsTheHistoryAnew) {
    Run("mi_editKoerper", {Type("2,7"), Type("2000")});
    app.State.ModifiedFlag = 0; // no question before the new project
    Run("mi_fileNew", {Key(Qt::Key_Return), Key(Qt::Key_Return), Type("1"), Type("1")});
    EXPECT_EQ(window->History().Stack().count(), 0);
    EXPECT_FALSE(window->Action("mi_editUndo")->isEnabled());
    EXPECT_TRUE(window->isWindowModified()); // a new project is unsaved
}
