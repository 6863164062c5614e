// Pins that a drawing made by the drawing dispatcher on the screen device reaches the main
// window's client area, in its colours, below the menu bar. VAK1_SHOT_DIR keeps the picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QTemporaryDir>
#include <numbers>

#include "app/cadcontext.h"
#include "app/App.h"
#include "cad/drawing.h"
#include "project/calculation.h"
#include "graphics/palette.h"
#include "gui/GraphicsWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"

using namespace vak1;

namespace {

// An L-profile 100 x 80, 10 thick, with an inner fillet of radius 10.
void LoadLProfile(ProjectData& p) {
    const long double quarter = std::numbers::pi_v<long double> / 2;
    const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -quarter},
                                 {10, 20, 0}, {10, 80, 0}, {0, 80, 0}};
    p.ResetContour();
    for (const auto& pos : contour)
        p.Positions.push_back(pos);
}

int CountOtherThan(const QImage& img, const QRect& area, const QColor& background) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) != background) ++n;
    return n;
}

} // namespace

TEST(Screenshot, DrawingOfTheDispatcherFillsTheClientArea) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    app.Config.TempDir = temp.path().toStdString() + "/";
    app.Graphics.GraphWidth = 800;
    app.Graphics.GraphHeight = 560;
    LoadLProfile(app.Project);
    CalcSection(app.Project, app.Messages, app.Config);
    ASSERT_FALSE(app.Project.CalcError);

    Thh window(app, {});
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
    ASSERT_EQ(app.State.AbortFlag, 0);
    ASSERT_GT(app.Graphics.DisplayList.size(), 20u);
    window.SyncFromCore();
    window.resize(801, 561 + window.menuBar()->sizeHint().height());
    window.show();

    const QImage shot = window.grab().toImage();
    const QString dir = qEnvironmentVariable("VAK1_SHOT_DIR");
    if (!dir.isEmpty()) shot.save(QDir(dir).filePath("mainwindow.png"));

    const CanvasColor bg = PaletteColor(app.Config.BackgroundColor);
    const QRect client = window.Graphics()->geometry();
    EXPECT_GE(client.top(), window.menuBar()->geometry().bottom());
    EXPECT_GT(CountOtherThan(shot, client, QColor(bg.r, bg.g, bg.b)), 500);
    // No temporary block file is left behind by a screen drawing.
    EXPECT_TRUE(QDir(temp.path()).entryList({"$*.dx$"}, QDir::Files).isEmpty());
}
