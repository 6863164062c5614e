// Pins what the main window tells and how the view follows the mouse: the status line after
// saving, a DXF export and a failed calculation, whose state opens the message list on a
// click; and the wheel zooming about the pointer.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QWheelEvent>

#include "app/App.h"
#include "app/commands.h"
#include "app/startup.h"
#include "project/calculation.h"
#include "graphics/draw.h"
#include "graphics/mapping.h"
#include "graphics/zoom.h"
#include "gui/GraphicsWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/desktop.h"
#include "gui/driver.h"
#include "help/helptext.h"
#include "text/cp850.h"
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <fstream>

using namespace vak1;
using namespace vak1::test;

namespace {

struct Desktop : ::testing::Test {
    App app;
    QtUi ui;
    QTemporaryDir dir;
    std::string folder;
    std::unique_ptr<QtPrinter> printer;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        for (std::string* f : {&app.Config.TempDir, &app.Config.DataDir, &app.Config.CadDir,
                               &app.Config.SettingsFolder, &app.State.ProjectDir})
            *f = folder;
    }
    void Contour(std::initializer_list<std::pair<int, int>> corners) {
        app.Project.Positions.clear();
        for (auto [y, z] : corners)
            app.Project.Positions.push_back(TPosition{y * 1.0L, z * 1.0L, 0});
        CalcSection(app.Project, app.Messages, app.Config);
    }
    // The window on screen at a fixed size, with the picture the program starts with.
    void ShowWithItsPicture(Thh& window) {
        ui.SetParent(&window);
        window.resize(900, 640);
        window.show();
        ShowStartPicture(app);
        window.SyncFromCore();
        QApplication::processEvents();
    }
    static QString Label(Thh& w, const char* name) {
        auto* l = w.findChild<QLabel*>(name);
        return l ? l->text() : QString("<no %1>").arg(name);
    }
};

// The text line after the number line of entry number in an installed help file, read here
// line by line.
QString FirstHelpLine(const std::string& file, int number) {
    std::ifstream in(InstalledDataFolder() + file, std::ios::binary);
    const std::string head = std::to_string(number);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(head, 0) != 0 || (line.size() > 4 && line[4] != ':' && line[4] != '\r'))
            continue;
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return QString::fromStdString(Cp850ToUtf8(line));
    }
    return "<no entry>";
}

} // namespace

TEST_F(Desktop, MenuItemsAndDialogControlsShowTheFirstLineOfTheirHelp) {
    app.Config.PltDir = InstalledDataFolder();
    OpenProjectFile(app, VAK1_GOLDEN_DIR "/../../examples/l-profil.vak1");
    ASSERT_EQ(app.State.AbortFlag, 0);
    ui.helpTip = [this](uint16_t n) { return HelpFirstLine(app.Config, n); };
    Thh window(app, DesktopCommands(app, printer));
    ShowWithItsPicture(window);
    SaveShot(&window, "main_window_lprofil");
    SaveShot(window.statusBar(), "statusbar");
    EXPECT_EQ(window.Action("mi_editGeometrie")->toolTip(), FirstHelpLine("vak1.hlp", 8200));
    EXPECT_EQ(window.Action("mi_cadGrafik")->toolTip(), FirstHelpLine("quorven.hlp", 2050));

    // "Ändern" with no position selected opens position 1.
    QString tableTip, fieldTip;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            tableTip = Child<QTableWidget>(w, "StringGrid_positionen")->toolTip();
            QTest::mouseClick(Child<QPushButton>(w, "Button_aendern"), Qt::LeftButton);
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            fieldTip = Child<QLineEdit>(w, "Edit_y")->toolTip();
            QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
        })
        .Start();
    window.RunCommand("mi_editGeometrie");
    EXPECT_EQ(tableTip, FirstHelpLine("vak1.hlp", 8200));
    EXPECT_EQ(fieldTip, FirstHelpLine("vak1.hlp", 9010));
}

TEST_F(Desktop, StatusLineTellsWhatSaveAndDxfExportDidAndShowsAFailedCalculation) {
    Contour({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    app.State.ProjectName = "rechteck";
    Thh window(app, DesktopCommands(app, printer));
    ui.SetParent(&window);
    window.show();
    auto* calc = window.findChild<QPushButton*>("StatusCalculation");
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(calc->text().startsWith("A = 5")) << calc->text().toStdString();
    EXPECT_TRUE(calc->text().endsWith("0 Meldungen")) << calc->text().toStdString();
    EXPECT_TRUE(calc->isEnabled()); // the result in normal text, not greyed out

    window.RunCommand("mi_FileSave");
    EXPECT_EQ(Label(window, "StatusLastCommand"), "Gespeichert: rechteck.vak1");

    OnNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile("kontur.dxf");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window.RunCommand("mi_fileExportDXF");
    EXPECT_EQ(Label(window, "StatusLastCommand").toStdString(),
              "DXF geschrieben: " + folder + "kontur.dxf");
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(folder + "kontur.dxf")));

    // The next command clears the line; a contour without area fails the calculation.
    Contour({{0, 0}, {100, 0}, {50, 0}});
    OnNextModal([](QWidget* w) {
        if (w) w->close();
    });
    window.RunCommand("mi_viewErrorMessages");
    EXPECT_EQ(Label(window, "StatusLastCommand"), "");
    ASSERT_EQ(app.Project.CalcError, 1);
    EXPECT_TRUE(calc->text().contains("fehlgeschlagen")) << calc->text().toStdString();
    EXPECT_TRUE(calc->styleSheet().contains("color: #c00000"));
    SaveShot(&window, "main_window_failed_calculation");
    bool listShown = false;
    OnNextModal([&listShown](QWidget* w) {
        listShown = w != nullptr;
        if (w) w->close();
    });
    QTest::mouseClick(calc, Qt::LeftButton);
    EXPECT_TRUE(listShown);
}

TEST(DesktopView, WheelZoomsAboutThePointerAndTheCursorShowsItsWorldPoint) {
    App app;
    app.Graphics.GraphWidth = 400;
    app.Graphics.GraphHeight = 300;
    TFquorgra widget(app);
    widget.resize(401, 301);
    Clear(app.Graphics);
    ASSERT_TRUE(Header(app.Graphics, app.State.AbortFlag, 0, 0, 100, 75));
    widget.Picture();
    long double seenX = -1, seenY = -1;
    widget.cursorMoved = [&](long double x, long double y) { seenX = x, seenY = y; };
    // Points off the centre in each direction, zoomed in and out.
    for (auto [px, py, delta] : {std::tuple{80, 60, 120}, std::tuple{330, 250, 240},
                                 std::tuple{300, 40, -120}, std::tuple{120, 200, -360}}) {
        const QPointF at(px, py);
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
        const long double x = seenX, y = seenY;
        const IntRect before = app.Graphics.ZoomRect;
        QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &wheel);
        widget.Picture();
        const long double wNow = app.Graphics.ZoomRect.x1 - app.Graphics.ZoomRect.x0;
        if (delta > 0)
            EXPECT_LT(wNow, before.x1 - before.x0);
        else
            EXPECT_GT(wNow, before.x1 - before.x0);
        const CanvasPoint p = WorldToPixel(app.Graphics, x, y);
        EXPECT_NEAR(p.x, px, 2) << px << "," << py;
        EXPECT_NEAR(p.y, py, 2) << px << "," << py;
    }
}

// A clockwise contour gave negative values without a word in the status bar; a contour
// that crosses itself is warned of there.
TEST_F(Desktop, StatusLineNotesAClockwiseAndWarnsOfASelfCrossingContour) {
    Contour({{0, 0}, {0, 50}, {100, 50}, {100, 0}});
    Thh window(app, DesktopCommands(app, printer));
    ShowWithItsPicture(window);
    auto* calc = window.findChild<QPushButton*>("StatusCalculation");
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->text(), QString::fromUtf8("A = -5000 mm² · Kontur im Uhrzeigersinn: Fläche und "
                                              "Momente negativ · 1 Meldung"));
    EXPECT_FALSE(calc->styleSheet().contains("color")); // a note, not an error
    EXPECT_TRUE(window.Action("mi_viewErrorMessages")->isEnabled());
    SaveShot(window.statusBar(), "statusbar_clockwise");

    Contour({{0, 0}, {0, 40}, {100, 0}, {100, 60}});
    window.SyncFromCore();
    EXPECT_TRUE(calc->text().contains(QString::fromUtf8("Warnung: Kontur schneidet sich selbst")))
        << calc->text().toStdString();
    EXPECT_TRUE(calc->styleSheet().contains("color"));
    EXPECT_EQ(window.Action("mi_viewErrorMessages")->text(),
              QString::fromUtf8("&Fehlermeldungen (1)"));
    SaveShot(window.statusBar(), "statusbar_crossing");
}

// Over the form sheet the pointer's sheet millimetres were shown as section y and z.
TEST_F(Desktop, PointerOverTheFormSheetShowsSheetMillimetres) {
    Contour({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    app.Config.EnglishUnits = Units::English;
    Thh window(app, DesktopCommands(app, printer));
    ui.SetParent(&window);
    window.resize(900, 640);
    window.show();
    QApplication::processEvents();
    TFquorgra* graphics = window.Graphics();
    auto pointAt = [&](QPoint at) {
        graphics->Picture();
        QMouseEvent move(QEvent::MouseMove, at, graphics->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(graphics, &move);
        const WorldPoint w = PixelToWorld(app.Graphics, at.x(), at.y());
        return std::pair{Label(window, "StatusCursor"), w};
    };
    const QPoint at(300, 200);
    window.RunCommand("mi_viewzeichnung");
    auto [sheet, w] = pointAt(at);
    EXPECT_EQ(sheet, QString("Blatt x %1  y %2 mm")
                         .arg(static_cast<double>(w.x), 0, 'f', 2)
                         .arg(static_cast<double>(w.y), 0, 'f', 2));
    window.RunCommand("mi_viewpolyline");
    auto [section, v] = pointAt(at);
    EXPECT_EQ(section, QString("y %1  z %2 in")
                           .arg(static_cast<double>(v.x / 25.4L), 0, 'f', 2)
                           .arg(static_cast<double>(v.y / 25.4L), 0, 'f', 2));
}
