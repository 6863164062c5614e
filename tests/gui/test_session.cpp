// Pins a whole working session through the real widgets and the desktop program's own
// wiring of its command table: New with its input sequence (text lines, four positions of a
// rectangle through the position list and the coordinate dialog, body data), the standard
// report to a file, Save As, and closing with the save-changes question; the files written
// are checked.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "app/App.h"
#include "gui/MainWindow.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/desktop.h"
#include "gui/driver.h"
#include "testing/FixedClock.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Step Press(const char* button) {
    return [button](QWidget* w) {
        ASSERT_NE(w, nullptr) << button;
        auto* b = Child<QPushButton>(w, button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    };
}

Step Coordinates(const char* y, const char* z) {
    return [y, z](QWidget* w) {
        ASSERT_NE(w, nullptr);
        for (auto [name, text] : {std::pair{"Edit_y", y}, std::pair{"Edit_z", z}}) {
            auto* e = Child<QLineEdit>(w, name);
            ASSERT_NE(e, nullptr) << name;
            e->clear();
            QTest::keyClicks(e, text);
        }
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    };
}

// Replaces the text of the one edit field of an input dialog and presses Enter.
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

Step Enter() {
    return [](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    };
}

// The file dialog, which opens in the project folder: the name chosen and accepted.
Step FileName(const QString& name) {
    return [name](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

Step Answer(QMessageBox::StandardButton button, QString* text = nullptr) {
    return [button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << (w ? w->metaObject()->className() : "no window") << " "
                                << (w ? w->windowTitle().toStdString() : "");
        if (text) *text = box->text();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    };
}

struct Session : ::testing::Test {
    App app;
    QtUi ui;
    FixedClock clock;
    QTemporaryDir dir;
    std::string folder;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Config.TempDir = folder;
        app.Config.DataDir = folder;
        app.Config.PltDir = folder;
        app.Config.SettingsFolder = folder;
        app.Config.TextDevice = 3; // reports go to a file
        app.State.ProjectDir = folder;
    }
    // The desktop program's own wiring of the commands; its start-up would make this.
    std::unique_ptr<QtPrinter> printer;
    GuiCommands Commands() { return DesktopCommands(app, printer); }
};

} // namespace

TEST_F(Session, NewReportSaveAsAndCloseWithTheQuestion) {
    Thh window(app, Commands());
    ui.SetParent(&window);
    window.show();

    // New: text lines, the position list with four appended corners, body data.
    DialogScript script;
    script.Then([](QWidget* w) {
        ASSERT_NE(w, nullptr);
        TypeText(Child<QLineEdit>(w, "Edit_1"), QString::fromUtf8("Rechteck"));
        TypeText(Child<QLineEdit>(w, "Edit_4"), QString::fromUtf8("Rechteck 100 x 50 für Prüfung"));
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    const char* corners[4][2] = {{"0", "0"}, {"100", "0"}, {"100", "50"}, {"0", "50"}};
    for (auto& c : corners) {
        script.Then(Press("Button_neu"));
        script.Then(Coordinates(c[0], c[1]));
    }
    script.Then(Enter());      // leave the position list
    script.Then(Type("7,85")); // density
    script.Then(Type("2000")); // body length, mm
    script.Start();
    window.RunCommand("mi_fileNew");
    EXPECT_EQ(script.Left(), 0u);
    EXPECT_EQ(app.State.AbortFlag, 0);
    ASSERT_EQ(app.Project.PosCount(), 4);
    EXPECT_NEAR(app.Project.R.A, 5000, 1e-9);
    EXPECT_EQ(app.Project.rho, 7.85L);
    EXPECT_EQ(app.Project.lx, 2000);
    EXPECT_EQ(app.Project.DrawingName, "Rechteck");
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    EXPECT_FALSE(app.Graphics.DisplayList.empty()); // the section is on show

    // The standard report to a file.
    const std::string report = folder + "bericht.txt";
    QString written;
    DialogScript reportScript;
    reportScript.Then(FileName("bericht.txt"));
    reportScript.Then(Answer(QMessageBox::Ok, &written));
    reportScript.Start();
    window.RunCommand("mi_viewStandard");
    EXPECT_EQ(reportScript.Left(), 0u) << "abort " << int(app.State.AbortFlag) << " kind "
                                       << app.Output.Kind << " file " << app.Output.OutputFileName;
    const std::string text = ReadFile(report);
    EXPECT_NE(text.find("5000"), std::string::npos);
    EXPECT_NE(text.find(cp850("Rechteck 100 x 50 für Prüfung")), std::string::npos);
    EXPECT_TRUE(written.contains("bericht.txt"));

    // Save As.
    const std::string project = folder + "rechteck.vak1";
    DialogScript save;
    save.Then(FileName("rechteck.vak1"));
    save.Start();
    window.RunCommand("mi_FileSaveAs");
    EXPECT_EQ(save.Left(), 0u);
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    EXPECT_EQ(window.windowTitle().toStdString(),
              "VAK1  Querschnittberechnung  -  rechteck.vak1[*]");
    EXPECT_NE(ReadFile(project).find("1. KONTUR"), std::string::npos);

    // A change, then closing: the question saves it.
    DialogScript change;
    change.Then(Type("2,7"));
    change.Then(Enter());
    change.Start();
    window.RunCommand("mi_editKoerper");
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    QString question;
    DialogScript close;
    close.Then(Answer(QMessageBox::Yes, &question));
    close.Start();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(close.Left(), 0u);
    EXPECT_EQ(question.toStdString(), "Datei speichern (" + project + ") ?");
    EXPECT_NE(ReadFile(project).find("\r\n2.7000000\r\n"), std::string::npos);
}

TEST_F(Session, CloseRefusedKeepsTheWindowAndTheChanges) {
    Thh window(app, Commands());
    ui.SetParent(&window);
    window.show();
    app.State.ModifiedFlag = 1; // an unnamed project with changes
    QString question;
    DialogScript close;
    close.Then(Answer(QMessageBox::No, &question));
    close.Start();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(question, "Bisherige Eingaben verwerfen ?");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(app.State.ModifiedFlag, 1);
}
