// Pins the main window as the user meets it: the menu tree with German and English captions
// and the shortcuts, the language items switching the captions and storing the number, the
// box for commands still to come, the recent-file items, the caption, the about box and a
// refused close.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/App.h"
#include "gui/GraphicsWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"
#include "gui/RunGui.h"
#include "gui/statusline.h"
#include "gui/driver.h"
#include "settings/settingsfile.h"
#include "support/tempfolder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct MainWindowTest : ::testing::Test {
    App app;
    QtUi ui;
    void SetUp() override { app.Env.ui = &ui; }

    static QStringList TopMenus(Thh& w) {
        QStringList titles;
        for (QAction* a : w.menuBar()->actions())
            titles << a->text();
        return titles;
    }
    static QString Text(Thh& w, const char* name) {
        QAction* a = w.Action(name);
        return a ? a->text() : QString("<missing %1>").arg(name);
    }
};

} // namespace

TEST_F(MainWindowTest, MenuTreeHasEveryItemWithGermanCaptionsAndShortcuts) {
    Thh w(app, {});
    EXPECT_EQ(TopMenus(w), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&CAD", "Datenban&k",
                                        "D&okument", "&Hilfe"}));
    for (const std::string& name : MenuItemNames(app.Menu.Bar)) {
        if (name == "mainMenu") continue;
        const bool isMenu = !FindMenuItem(app.Menu.Bar, name)->items.empty();
        if (!isMenu) {
            EXPECT_NE(w.Action(name), nullptr) << name;
        }
    }
    EXPECT_EQ(Text(w, "mi_fileOpen"), QString::fromUtf8("Ö&ffnen..."));
    EXPECT_EQ(Text(w, "mi_fileOpenTable"), QString::fromUtf8("Öffnen... (&Tabelle)"));
    EXPECT_EQ(Text(w, "mi_editKoerper"), QString::fromUtf8("K&örper"));
    EXPECT_EQ(Text(w, "mi_viewErrorMessages"), "&Fehlermeldungen (0)");
    EXPECT_FALSE(w.Action("mi_viewErrorMessages")->isEnabled());
    EXPECT_EQ(Text(w, "mi_HelpAbout"), "VAK&1");
    EXPECT_EQ(w.Action("mi_fileNew")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(w.Action("mi_fileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(w.Action("mi_FileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w.Action("mi_fileprint")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(w.windowTitle(), "VAK1  Querschnittberechnung[*]");
    EXPECT_EQ(w.centralWidget(), w.Graphics());
}

TEST_F(MainWindowTest, LanguageItemsSwitchEveryCaptionAndStoreTheNumber) {
    Thh w(app, {});
    w.Action("mi_helplanguageEnglish")->trigger();
    EXPECT_EQ(app.Config.MenuLanguage, 2);
    EXPECT_EQ(TopMenus(w),
              (QStringList{"&File", "&Edit", "&View", "&CAD", "&Database", "D&ocument", "&Help"}));
    EXPECT_EQ(Text(w, "mi_fileOpenTable"), "Open... (&Table)");
    EXPECT_EQ(Text(w, "mi_editKoerper"), "&3rd Dimension");
    EXPECT_EQ(Text(w, "mi_viewErrorMessages"), "E&rror messages (0)");
    QMenu* language = w.findChild<QMenu*>("mi_helplanguage");
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->title(), "&Language Menu");

    w.Action("mi_helplanguageKorea")->trigger();
    EXPECT_EQ(app.Config.MenuLanguage, 8);
    EXPECT_EQ(Text(w, "mi_editGeometrie"), QString::fromUtf8("형상(&G)"));
    EXPECT_EQ(TopMenus(w).first(), QString::fromUtf8("파일(&F)"));
    w.resize(700, 200);
    SaveShot(&w, "korean");

    w.Action("mi_helplanguageDeutsch")->trigger();
    EXPECT_EQ(app.Config.MenuLanguage, 1);
    EXPECT_EQ(Text(w, "mi_fileOpenTable"), QString::fromUtf8("Öffnen... (&Tabelle)"));
}

TEST_F(MainWindowTest, ItemsRunTheirHandlerWithAbortClearedOthersSayTheyComeLater) {
    int runs = 0;
    uint8_t abortSeen = 9;
    GuiCommands commands;
    commands.items["mi_editGeometrie"] = [&] {
        ++runs;
        abortSeen = app.State.AbortFlag;
        app.State.ProjectName = "rahmen";
    };
    Thh w(app, commands);
    app.State.AbortFlag = 1;
    w.Action("mi_editGeometrie")->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(abortSeen, 0);
    EXPECT_EQ(w.windowTitle(), "VAK1  Querschnittberechnung  -  rahmen.vak1[*]");

    QString box;
    OnNextModal([&](QWidget* m) {
        ASSERT_NE(m, nullptr);
        box = m->windowTitle() + "|" + static_cast<QMessageBox*>(m)->text();
        QTest::keyClick(KeyTarget(m), Qt::Key_Return);
    });
    w.Action("mi_OleStartExcel")->trigger();
    EXPECT_EQ(box, "Meldung:|" + NotYetAvailableText());
}

TEST_F(MainWindowTest, RecentFilesShowTheirEntriesShortenedWithAmpersandsKept) {
    app.State.RecentFiles = {"/home/ingenieur/projekte/2026/welle/welle_a12.vak1",
                             "/daten/K&S/rahmen.vak1", "", ""};
    Thh w(app, {});
    EXPECT_TRUE(w.Action("mi_file1")->isVisible());
    EXPECT_EQ(Text(w, "mi_file1"), "&1 /home/.../welle_a12.vak1");
    EXPECT_EQ(Text(w, "mi_file2"), "&2 /daten/K&&S/rahmen.vak1");
    EXPECT_FALSE(w.Action("mi_file3")->isVisible());
    EXPECT_TRUE(w.Action("mi_fileRecentSeparator")->isVisible());

    // The recent entries stand directly before "&Beenden".
    QMenu* file = w.findChild<QMenu*>("mi_file");
    ASSERT_NE(file, nullptr);
    const QList<QAction*> items = file->actions();
    const qsizetype exit = items.indexOf(w.Action("mi_fileexit"));
    ASSERT_GE(exit, 5);
    EXPECT_EQ(items[exit - 1], w.Action("mi_fileRecentSeparator"));
    EXPECT_EQ(items[exit - 5], w.Action("mi_file1"));
}

TEST_F(MainWindowTest, AboutBoxNamesTitleAndVersion) {
    Thh w(app, {});
    QString text;
    OnNextModal([&](QWidget* m) {
        ASSERT_NE(m, nullptr);
        text = static_cast<QMessageBox*>(m)->text();
        QTest::keyClick(KeyTarget(m), Qt::Key_Return);
    });
    w.Action("mi_HelpAbout")->trigger();
    EXPECT_TRUE(text.contains("VAK1  Querschnittberechnung")) << text.toStdString();
    EXPECT_TRUE(text.contains("Version 5.0")) << text.toStdString();
}

TEST_F(MainWindowTest, RefusedCloseKeepsTheWindowOpen) {
    bool allow = false;
    int asked = 0;
    GuiCommands commands;
    commands.closeQuery = [&] {
        ++asked;
        return allow;
    };
    Thh w(app, commands);
    w.show();
    w.Action("mi_fileexit")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w.isVisible());
    allow = true;
    w.Action("mi_fileexit")->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(w.isVisible());
}

TEST(RunGui, ShowsTheWindowWithTheQtUiInPlaceAndEndsWhenItCloses) {
    App app;
    Ui* const before = app.Env.ui;
    QString title;
    bool uiInPlace = false;
    int commandsRun = 0;
    GuiCommands commands;
    commands.items["mi_viewStandard"] = [&] { ++commandsRun; };
    QTimer::singleShot(20, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* main = qobject_cast<QMainWindow*>(w);
            if (!main || main->objectName() != "Thh" || !main->isVisible()) continue;
            title = main->windowTitle();
            uiInPlace = dynamic_cast<QtUi*>(app.Env.ui) != nullptr;
            static_cast<Thh*>(main)->Action("mi_viewStandard")->trigger();
            static_cast<Thh*>(main)->Action("mi_fileexit")->trigger();
        }
    });
    char name[] = "vak1";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(RunGui(app, 1, argv, commands), 0);
    EXPECT_EQ(title, "VAK1  Querschnittberechnung[*]");
    EXPECT_TRUE(uiInPlace);
    EXPECT_EQ(commandsRun, 1);
    EXPECT_EQ(app.Env.ui, before);
}

// The size comes from the settings, taken as it stands, else the screen less the frame; only
// a size from the settings is fixed, the other follows the window.
TEST(RunGui, GraphicsReferenceSizeComesFromTheSettingsElseTheScreen) {
    App app;
    app.Config.ZoomFactor = 1.5L;
    SetUpGraphicsWindow(app, 1280, 1024);
    EXPECT_EQ(app.Graphics.GraphWidth, 1271);
    EXPECT_EQ(app.Graphics.GraphHeight, 933);
    EXPECT_FALSE(app.Graphics.FixedWidth || app.Graphics.FixedHeight);
    EXPECT_EQ(app.Graphics.ZoomFactor, 1.5L);
    app.Config.GraphWidth = 1000;
    app.Config.GraphHeight = 0xFFFF; // -1 in the settings file: not set
    SetUpGraphicsWindow(app, 1920, 1080);
    EXPECT_EQ(app.Graphics.GraphWidth, 1000);
    EXPECT_EQ(app.Graphics.GraphHeight, 989);
    EXPECT_TRUE(app.Graphics.FixedWidth);
    EXPECT_FALSE(app.Graphics.FixedHeight);
}

// A size the loading computed from the screen was taken as fixed: the drawing did not follow
// a smaller window.
TEST(RunGui, ASizeTheLoadingComputedFollowsTheWindow) {
    QTemporaryDir dir;
    const std::string start = dir.path().toStdString() + "/";
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    app.Config.GraphHeight = 700; // the user's; the width is not set
    SaveSettings(app.Config, start, Dialogs(app));
    app.Config = Settings();
    LoadSettings(app.Config, start, Dialogs(app));
    SetUpGraphicsWindow(app, 1600, 1000);
    EXPECT_FALSE(app.Graphics.FixedWidth);
    EXPECT_EQ(app.Graphics.GraphWidth, 1600 - 9); // this screen's, not the one loading saw
    EXPECT_TRUE(app.Graphics.FixedHeight);
    EXPECT_EQ(app.Graphics.GraphHeight, 700);
}

TEST_F(MainWindowTest, LanguageHasItsCheckMarkQtDialogsFollowAndTheStartSaysWhatToDo) {
    Thh w(app, {});
    auto checked = [&w] {
        QStringList on;
        for (const char* name :
             {"mi_helplanguageDeutsch", "mi_helplanguageEnglish", "mi_helplanguageKorea"})
            if (w.Action(name)->isChecked()) on << name;
        return on;
    };
    auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    const QLabel* last = w.findChild<QLabel*>("StatusLastCommand");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(), QString::fromUtf8("Datei → Neu oder Datei → Öffnen"));
    EXPECT_EQ(checked(), QStringList{"mi_helplanguageDeutsch"});

    w.Action("mi_helplanguageEnglish")->trigger();
    EXPECT_EQ(checked(), QStringList{"mi_helplanguageEnglish"});
    EXPECT_EQ(cancelText(), "Cancel");
    w.Action("mi_helplanguageDeutsch")->trigger();
    EXPECT_EQ(checked(), QStringList{"mi_helplanguageDeutsch"});
    EXPECT_EQ(cancelText(), "Abbrechen");
    w.Action("mi_helplanguageEnglish")->trigger(); // Qt's English again for the other tests
    EXPECT_EQ(cancelText(), "Cancel");
}

TEST_F(MainWindowTest, DisabledItemsSayWhyEnabledOnesDoNot) {
    Thh w(app, {});
    for (const char* name : {"mi_OleExportExcel", "mi_viewErrorMessages"}) {
        EXPECT_FALSE(w.Action(name)->isEnabled()) << name;
        EXPECT_FALSE(w.Action(name)->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(w.Action("mi_OleExportExcel")->toolTip(),
              QString::fromUtf8("Zuerst „Start Excel“ wählen."));
    FindMenuItem(app.Menu.Bar, "mi_OleExportExcel")->enabled = true;
    w.Action("mi_helplanguageEnglish")->trigger();
    EXPECT_TRUE(w.Action("mi_OleExportExcel")->isEnabled());
    EXPECT_FALSE(w.Action("mi_OleExportExcel")->toolTip().contains("first")); // its own text
    EXPECT_EQ(w.Action("mi_viewErrorMessages")->toolTip(),
              "The last calculation gave no error messages.");
}

// "Demo" was enabled and promised a later version; this program has no demonstration.
TEST_F(MainWindowTest, DemoIsDisabledAndSaysWhy) {
    Thh w(app, {});
    EXPECT_FALSE(w.Action("mi_helpDemo")->isEnabled());
    EXPECT_EQ(w.Action("mi_helpDemo")->toolTip(),
              "Die Demonstration ist in dieser Version nicht enthalten.");
    w.Action("mi_helplanguageEnglish")->trigger();
    EXPECT_EQ(w.Action("mi_helpDemo")->toolTip(), "The demonstration is not part of this version.");
}

// "Start Excel" and "Export" showed nothing and said nothing of what they had done.
TEST_F(MainWindowTest, SpreadsheetCommandsSayWhatTheyHandedOver) {
    app.State.ProjectName = "winkel";
    app.State.ProjectDir = "/daten/";
    for (const char* command : {"mi_OleStartExcel", "mi_OleExportExcel"})
        EXPECT_EQ(CommandFeedback(app, command),
                  QString::fromUtf8("In die Tabellenkalkulation übergeben: winkel.vak1"));
    EXPECT_EQ(CommandFeedback(app, "mi_OlePrintoutExcel"),
              QString::fromUtf8("Bericht in die Tabellenkalkulation übergeben"));
    app.State.AbortFlag = 1;
    EXPECT_TRUE(CommandFeedback(app, "mi_OleExportExcel").isEmpty());
}

TEST(RunGui, TheWindowComesBackWhereItWasClosed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    App app;
    app.Config.SettingsFolder = dir.path().toStdString() + "/";
    const QString placeFile = dir.filePath("vak1.win");
    {
        QFile f(placeFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("40 30 640 480\r\n");
    }
    QPoint shownAt;
    QSize shownSize;
    QTimer::singleShot(20, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "Thh" || !w->isVisible()) continue;
            auto* main = static_cast<Thh*>(w);
            shownAt = main->pos();
            shownSize = main->size();
            main->move(50, 70);
            main->resize(700, 500);
            main->Action("mi_fileexit")->trigger();
        }
    });
    char name[] = "vak1";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(RunGui(app, 1, argv, {}), 0);
    EXPECT_EQ(shownAt, QPoint(40, 30));
    EXPECT_EQ(shownSize, QSize(640, 480));
    QFile f(placeFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "50 70 700 500\r\n");
}

// The place of a window closed on a full disk, or where a folder has the file's name: the
// old place stays and the user is told.
TEST(RunGui, AWindowPlaceThatCannotBeWrittenIsReported) {
    struct Case {
        const char* what;
        bool folder; // a folder of the file's name, else the disk fills after 7 bytes
    } cases[] = {{"disk full", false}, {"folder of that name", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        App app;
        app.Config.SettingsFolder = dir.path().toStdString() + "/";
        const std::string place = app.Config.SettingsFolder + "vak1.win";
        if (c.folder)
            std::filesystem::create_directory(place);
        else
            WriteBytes(place, "40 30 640 480\r\n");
        QString shown;
        QTimer::singleShot(20, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != "Thh" || !w->isVisible()) continue;
                auto* main = static_cast<Thh*>(w);
                main->move(50, 70);
                OnNextModal([&](QWidget* box) {
                    ASSERT_NE(box, nullptr);
                    shown = static_cast<QMessageBox*>(box)->text();
                    QTest::keyClick(KeyTarget(box), Qt::Key_Return);
                });
                main->Action("mi_fileexit")->trigger();
            }
        });
        char name[] = "vak1";
        char* argv[] = {name, nullptr};
        {
            std::optional<FileSizeLimit> limit;
            if (!c.folder) limit.emplace(7);
            EXPECT_EQ(RunGui(app, 1, argv, {}), 0);
        }
        EXPECT_TRUE(shown.contains("vak1.win")) << shown.toStdString();
        if (c.folder) {
            EXPECT_TRUE(std::filesystem::is_directory(place));
            EXPECT_TRUE(std::filesystem::is_empty(place));
        } else {
            EXPECT_EQ(ReadBytes(place), "40 30 640 480\r\n");
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
    }
}
