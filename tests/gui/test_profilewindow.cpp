// Edit -> "Profil" through the real widgets: a size of a series chosen and "OK" replace the
// contour and the name line and mark the project changed; dimensions that make no section
// are refused and the window comes back; "Abbrechen" leaves the project as it was, also its
// changes dropped at the save-changes question before the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/App.h"
#include "app/commands.h"
#include "calc/extended.h"
#include "gui/QtUi.h"
#include "gui/driver.h"
#include "testing/FixedClock.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct ProfileWindow : ::testing::Test {
    App app;
    QtUi ui;
    FixedClock clock;
    QTemporaryDir dir;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::string folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Config.TempDir = folder;
        app.Config.DbfDir = folder; // no table there: the installation's is found
        app.State.ProjectDir = folder;
    }
};

// Chooses the family of that name in the list.
void ChooseFamily(QWidget* w, const QString& name) {
    auto* list = Child<QListWidget>(w, "List_families");
    ASSERT_NE(list, nullptr);
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found[0]).center());
}

void Press(QWidget* w, const char* button) {
    auto* b = Child<QPushButton>(w, button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

TEST_F(ProfileWindow, ASizeOfASeriesReplacesTheContourAndTheName) {
    bool cornersEnabled = true, hollowCorners = false;
    DialogScript script;
    script.Then([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        ChooseFamily(w, "RHS");
        hollowCorners = Child<QRadioButton>(w, "Radio_cold")->isEnabled();
        ChooseFamily(w, "HEB");
        auto* grid = Child<QTableWidget>(w, "Grid_sizes");
        ASSERT_NE(grid, nullptr);
        const auto found = grid->findItems("HEB 200", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        grid->scrollToItem(found[0]);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(found[0]).center());
        cornersEnabled = Child<QRadioButton>(w, "Radio_cold")->isEnabled();
        SaveShot(w, "prof-rolled");
        Press(w, "Button_ok");
    });
    script.Start();
    RunCommand(app, "mi_editProfile");
    EXPECT_EQ(script.Left(), 0u);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(hollowCorners);
    EXPECT_FALSE(cornersEnabled); // a rolled series has no corner choice
    EXPECT_EQ(app.Project.PosCount(), 16);
    EXPECT_EQ(app.Project.DrawingName, "HEB 200");
    EXPECT_EQ(app.Project.CalcError, 0);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    ExactSectionValues exact;
    ASSERT_TRUE(ComputeExactArcValues(app.Project, app.Config, exact));
    EXPECT_NEAR(static_cast<double>(exact.A), 7808.1, 0.1);
}

TEST_F(ProfileWindow, BadDimensionsAreRefusedThenAnAngleIsTaken) {
    QString shown, refused;
    DialogScript script;
    script.Then([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        ChooseFamily(w, "L-Profil");
        auto* t = Child<QLineEdit>(w, "Edit_3");
        ASSERT_NE(t, nullptr);
        t->selectAll();
        QTest::keyClicks(t, "90");
        shown = Child<QLabel>(w, "Label_error")->text();
        Press(w, "Button_ok");
    });
    script.Then([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        refused = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    script.Then([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* t = Child<QLineEdit>(w, "Edit_3");
        EXPECT_EQ(t->text(), "90"); // the window comes back as it was left
        t->selectAll();
        QTest::keyClicks(t, "10");
        EXPECT_TRUE(Child<QLabel>(w, "Label_error")->text().isEmpty());
        SaveShot(w, "prof-angle");
        Press(w, "Button_ok");
    });
    script.Start();
    RunCommand(app, "mi_editProfile");
    EXPECT_EQ(script.Left(), 0u);
    EXPECT_TRUE(shown.contains(QString::fromUtf8("t muß kleiner als b sein")))
        << shown.toStdString();
    EXPECT_TRUE(refused.contains(QString::fromUtf8("t muß kleiner als b sein")))
        << refused.toStdString();
    EXPECT_EQ(app.Project.DrawingName, "L 100x80x10");
    EXPECT_EQ(app.Project.PosCount(), 9); // three of the six corners rounded
    EXPECT_EQ(app.State.ModifiedFlag, 1);
}

TEST_F(ProfileWindow, CancelAfterTheSaveQuestionChangesNothing) {
    app.Project.ResetContour();
    app.Project.Positions = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}};
    app.Project.DrawingName = "Dreieck";
    app.State.ModifiedFlag = 1;
    const ProjectData before = app.Project;
    QString question;
    DialogScript script;
    script.Then([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        question = box->text();
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    script.Then([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        ChooseFamily(w, "IPE");
        Press(w, "Button_cancel");
    });
    script.Start();
    RunCommand(app, "mi_editProfile");
    EXPECT_EQ(script.Left(), 0u);
    EXPECT_EQ(question.toStdString(), "Bisherige Eingaben verwerfen ?");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    EXPECT_EQ(app.Project.PosCount(), 3);
    EXPECT_EQ(app.Project.Positions[1].y, before.Positions[1].y);
    EXPECT_EQ(app.Project.DrawingName, "Dreieck");
}
