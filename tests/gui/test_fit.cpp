// Pins that the section view shows the whole drawing, in the middle, on every shape of the
// graphics window: a size from the settings is used as it stands, and a size not set follows
// the main window when it is resized.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "app/cadcontext.h"
#include "app/App.h"
#include "cad/drawing.h"
#include "project/calculation.h"
#include "graphics/mapping.h"
#include "graphics/palette.h"
#include "gui/GraphicsWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"
#include "gui/RunGui.h"
#include "app/projectfiles.h"
#include "project/projectfile.h"

using namespace vak1;

namespace {

void Rectangle(ProjectData& p, long double w, long double h) {
    p.ResetContour();
    for (const TPosition& pos :
         {TPosition{0, 0, 0}, TPosition{w, 0, 0}, TPosition{w, h, 0}, TPosition{0, h, 0}})
        p.Positions.push_back(pos);
}

// The box around everything that is not background.
QRect Drawn(const QImage& img, const QColor& background) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

// Nothing touches the edge, both directions are shared out evenly (within the drawing's own
// uneven margins), and the result table's far corner is on the picture.
void ExpectWholeAndCentred(App& app, const QImage& img, const std::string& name) {
    const QString dir = qEnvironmentVariable("VAK1_SHOT_DIR"); // keeps the pictures for a look
    if (!dir.isEmpty()) img.save(QDir(dir).filePath(QString::fromStdString(name) + ".png"));
    const CanvasColor bg = PaletteColor(app.Config.BackgroundColor);
    const QRect box = Drawn(img, QColor(bg.r, bg.g, bg.b));
    ASSERT_FALSE(box.isEmpty()) << name;
    EXPECT_GT(box.left(), 0) << name;
    EXPECT_GT(box.top(), 0) << name;
    EXPECT_LT(box.right(), img.width() - 1) << name;
    EXPECT_LT(box.bottom(), img.height() - 1) << name;
    const int left = box.left(), right = img.width() - 1 - box.right();
    const int top = box.top(), bottom = img.height() - 1 - box.bottom();
    EXPECT_LT(std::abs(top - bottom), img.height() / 6)
        << name << " top " << top << " bottom " << bottom;
    EXPECT_LT(std::abs(left - right), img.width() / 6)
        << name << " left " << left << " right " << right;
    const ProjectData& p = app.Project;
    const long double h = 0.02L * p.ZHeight;
    const CanvasPoint corner =
        WorldToPixel(app.Graphics, p.YMax + 0.2L * p.YWidth + 0.9L * h * 43, p.ZMax);
    EXPECT_TRUE(QRect(0, 0, img.width(), img.height()).contains(corner.x, corner.y)) << name;
}

struct Fit : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        app.Config.TempDir = temp.path().toStdString() + "/";
        app.Env.ui = &ui; // the program always has one; the dialogs reach it through App
    }
    QTemporaryDir temp;
    QtUi ui;
    App app;
};

} // namespace

TEST_F(Fit, SectionViewIsWholeAndCentredAtEverySize) {
    const std::string examples = VAK1_GOLDEN_DIR "/../../examples/";
    const std::vector<std::pair<std::string, std::function<void()>>> sections = {
        {"plate 400 x 50", [&] { Rectangle(app.Project, 400, 50); }},
        {"rectangle 100 x 50", [&] { Rectangle(app.Project, 100, 50); }},
        {"strip 10 x 400", [&] { Rectangle(app.Project, 10, 400); }},
        {"l-profil",
         [&] { ReadProject(app.Project, app.Docu, Dialogs(app), examples + "l-profil.vak1"); }},
        {"i-traeger",
         [&] { ReadProject(app.Project, app.Docu, Dialogs(app), examples + "i-traeger.vak1"); }},
        {"rohr", [&] { ReadProject(app.Project, app.Docu, Dialogs(app), examples + "rohr.vak1"); }},
    };
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080)}) {
        app.Config.GraphWidth = static_cast<uint16_t>(size.width());
        app.Config.GraphHeight = static_cast<uint16_t>(size.height());
        SetUpGraphicsWindow(app, 1024, 768); // the settings' size, not the screen's
        ASSERT_EQ(app.Graphics.GraphWidth, size.width());
        for (const auto& [name, load] : sections) {
            load();
            CalcSection(app.Project, app.Messages, app.Config);
            ASSERT_FALSE(app.Project.CalcError) << name;
            DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
            ASSERT_EQ(app.State.AbortFlag, 0) << name;
            TFquorgra widget(app);
            widget.resize(size.width() + 1, size.height() + 1);
            const QImage img = widget.Picture();
            ASSERT_EQ(app.Graphics.GraphHeight, size.height()); // fixed by the settings
            ExpectWholeAndCentred(app, img,
                                  name + " at " + std::to_string(size.width()) + " x " +
                                      std::to_string(size.height()));
        }
    }
}

TEST_F(Fit, SizeNotSetFollowsTheMainWindow) {
    SetUpGraphicsWindow(app, 1024, 768);
    Rectangle(app.Project, 100, 50);
    CalcSection(app.Project, app.Messages, app.Config);
    Thh window(app, {});
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
    window.show();
    for (const QSize size : {QSize(1200, 500), QSize(500, 900)}) {
        window.resize(size);
        QApplication::processEvents();
        TFquorgra* g = window.Graphics();
        const QImage img = g->Picture();
        EXPECT_EQ(app.Graphics.GraphWidth, g->width() - 1);
        EXPECT_EQ(app.Graphics.GraphHeight, g->height() - 1);
        ExpectWholeAndCentred(app, img, "window " + std::to_string(size.width()));
    }
}
