// Pins the graphics window's painting and view handling: palette colours, colour 0 as the
// background, monochrome mode, dashed pens, filled solids, arcs, text, the zoom keys of
// either keyboard, pan keys, right click and double click resets, and the rubber band that
// zooms and inverts what lies under it while dragging.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>

#include "app/App.h"
#include "graphics/draw.h"
#include "graphics/mapping.h"
#include "graphics/palette.h"
#include "gui/GraphicsWidget.h"
#include "gui/QtCanvas.h"

using namespace vak1;

namespace {

struct GraphicsTest : ::testing::Test {
    App app;
    std::unique_ptr<TFquorgra> widget;

    void SetUp() override {
        app.Graphics.GraphWidth = 400;
        app.Graphics.GraphHeight = 300;
        widget = std::make_unique<TFquorgra>(app);
        widget->resize(401, 301);
        Clear(app.Graphics);
        ASSERT_TRUE(Header(app.Graphics, app.State.AbortFlag, 0, 0, 100, 75));
    }
    // VAK1_SHOT_DIR keeps each test's picture for a look at a failure.
    void TearDown() override {
        const QString dir = qEnvironmentVariable("VAK1_SHOT_DIR");
        if (dir.isEmpty() || !widget) return;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        widget->Picture().save(QDir(dir).filePath(QString(info->name()) + ".png"));
    }
    QColor At(long double x, long double y) {
        const CanvasPoint p = WorldToPixel(app.Graphics, x, y);
        return widget->Picture().pixelColor(p.x, p.y);
    }
    // Outlines may land a pixel off their exact position.
    bool Near(long double x, long double y, const QColor& c) {
        const CanvasPoint p = WorldToPixel(app.Graphics, x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (widget->Picture().pixelColor(p.x + dx, p.y + dy) == c) return true;
        return false;
    }
    static QColor Palette(int n) {
        const CanvasColor c = PaletteColor(n);
        return QColor(c.r, c.g, c.b);
    }
    void Repaint() { widget->Refresh(); }
};

} // namespace

TEST_F(GraphicsTest, LinesTakeThePaletteColourAndColourZeroErases) {
    SetColor(app.Graphics, 4);
    line(app.Graphics, 10, 20, 90, 20);
    SetColor(app.Graphics, 14);
    line(app.Graphics, 50, 5, 50, 70);
    Repaint();
    EXPECT_EQ(At(30, 20), Palette(4));
    EXPECT_EQ(At(50, 60), Palette(14));
    EXPECT_EQ(At(30, 40), Palette(app.Config.BackgroundColor));

    SetColor(app.Graphics, 0);
    line(app.Graphics, 10, 20, 90, 20);
    Repaint();
    EXPECT_EQ(At(30, 20), Palette(app.Config.BackgroundColor));
}

TEST_F(GraphicsTest, MonochromeDrawsEverythingBlack) {
    app.Config.ColorGraphics = false;
    SetColor(app.Graphics, 2);
    line(app.Graphics, 10, 20, 90, 20);
    Solid(app.Graphics, 60, 40, 80, 40, 80, 60, 60, 60);
    Repaint();
    EXPECT_EQ(At(30, 20), QColor(Qt::black));
    EXPECT_EQ(At(70, 50), QColor(Qt::black));
}

TEST_F(GraphicsTest, SolidsAreFilledCirclesAndArcsAreOutlines) {
    SetColor(app.Graphics, 12);
    Solid(app.Graphics, 10, 10, 40, 10, 40, 40, 10, 40);
    circle(app.Graphics, 70, 25, 10);
    Arc(app.Graphics, 70, 55, 0, 180, 10); // upper half only
    Repaint();
    EXPECT_EQ(At(25, 25), Palette(12));
    EXPECT_EQ(At(70, 25), Palette(app.Config.BackgroundColor)); // inside the circle
    EXPECT_TRUE(Near(80, 25, Palette(12)));                     // on the circle
    EXPECT_TRUE(Near(70, 65, Palette(12)));                     // top of the arc
    EXPECT_EQ(At(70, 45), Palette(app.Config.BackgroundColor)); // bottom half left out
}

TEST_F(GraphicsTest, DashedLinesLeaveGapsSolidOnesDoNot) {
    auto gaps = [&](long double y) {
        int n = 0;
        for (int x = 10; x <= 90; ++x)
            if (At(x, y) == Palette(app.Config.BackgroundColor)) ++n;
        return n;
    };
    SetColor(app.Graphics, 15);
    line(app.Graphics, 5, 20, 95, 20);
    SetLineStyle(app.Graphics, 3);
    line(app.Graphics, 5, 50, 95, 50);
    Repaint();
    EXPECT_EQ(gaps(20), 0);
    EXPECT_GT(gaps(50), 5);
}

TEST_F(GraphicsTest, TextCellHangsFromThreeQuartersOfItsHeightAboveThePoint) {
    SetColor(app.Graphics, 14);
    SetTextStyle(app.Graphics, 0, 0, 8, 8);
    OutTextXY(app.Graphics, 20, 40, "A;B");
    Repaint();
    const QImage& img = widget->Picture();
    const long double h = 8 * 1.6L; // the replay's text height in world units
    const CanvasPoint top = WorldToPixel(app.Graphics, 20, 40 + 0.75L * h);
    const CanvasPoint base = WorldToPixel(app.Graphics, 20, 40 - 0.25L * h);
    int inside = 0, outside = 0, lowest = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y) != Palette(14)) continue;
            const bool in = x >= top.x - 1 && y >= top.y - 1 && y <= base.y + 1;
            (in ? inside : outside)++;
            lowest = std::max(lowest, y);
        }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
    // The letters reach well below the middle of the cell.
    EXPECT_GT(lowest, (top.y + base.y) / 2);
}

TEST_F(GraphicsTest, PlusAndMinusZoomFromEitherKeyboardAndEscapeOrCtrlZeroReset) {
    const IntRect start = app.Graphics.ZoomRect;
    auto width = [&] { return app.Graphics.ZoomRect.x1 - app.Graphics.ZoomRect.x0; };
    QTest::keyClick(widget.get(), Qt::Key_Plus);
    const int32_t in = width();
    EXPECT_LT(in, start.x1 - start.x0);
    QTest::keyClick(widget.get(), Qt::Key_Plus, Qt::KeypadModifier);
    const int32_t twice = width();
    EXPECT_LT(twice, in);
    QTest::keyClick(widget.get(), Qt::Key_Minus);
    EXPECT_GT(width(), twice);
    QTest::keyClick(widget.get(), Qt::Key_Up);
    EXPECT_LT(app.Graphics.ZoomRect.y1, start.y1);
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_0, Qt::ControlModifier}}) {
        QTest::keyClick(widget.get(), Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(widget.get(), key, modifiers);
        EXPECT_EQ(app.Graphics.ZoomRect.x0, app.Graphics.ViewPort.x0);
        EXPECT_EQ(app.Graphics.ZoomRect.x1, app.Graphics.ViewPort.x1);
    }
}

TEST_F(GraphicsTest, ZoomAndPanChangeWhatIsShown) {
    SetColor(app.Graphics, 4);
    Solid(app.Graphics, 45, 35, 55, 35, 55, 40, 45, 40);
    Repaint();
    const QImage before = widget->Picture();
    QTest::keyClick(widget.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_NE(widget->Picture(), before);
    QTest::keyClick(widget.get(), Qt::Key_F5);
    EXPECT_EQ(widget->Picture(), before);
}

TEST_F(GraphicsTest, RubberBandInvertsWhileDraggingThenZoomsToTheBox) {
    widget->show();
    SetColor(app.Graphics, 4);
    line(app.Graphics, 0, 37, 100, 37);
    Repaint();
    const IntRect start = app.Graphics.ZoomRect;
    const QImage plain = widget->Picture();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(100, 80));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 160), QPointF(200, 160), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &move);
    EXPECT_TRUE(app.Graphics.DragActive);
    const QImage banded = widget->grab().toImage();
    const QColor under = plain.pixelColor(150, 80);
    const QColor band = banded.pixelColor(150, 80);
    EXPECT_EQ(band, QColor(255 - under.red(), 255 - under.green(), 255 - under.blue()));
    EXPECT_EQ(banded.pixelColor(150, 120), plain.pixelColor(150, 120)); // inside: untouched
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(200, 160));
    EXPECT_FALSE(app.Graphics.DragActive);
    EXPECT_LT(app.Graphics.ZoomRect.x1 - app.Graphics.ZoomRect.x0, start.x1 - start.x0);

    QTest::mouseClick(widget.get(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(app.Graphics.ZoomRect.x1 - app.Graphics.ZoomRect.x0,
              app.Graphics.ViewPort.x1 - app.Graphics.ViewPort.x0);
}

// The first drag after start (the window before was 0..1): the view is the box drawn with
// the mouse, not one beside it.
TEST_F(GraphicsTest, FirstDragZoomShowsTheDrawnBox) {
    widget->show();
    SetColor(app.Graphics, 4);
    Solid(app.Graphics, 20, 20, 60, 20, 60, 50, 20, 50); // 40 x 30: the window's shape
    Repaint();
    const CanvasPoint a = WorldToPixel(app.Graphics, 20, 50);
    const CanvasPoint b = WorldToPixel(app.Graphics, 60, 20);
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(a.x, a.y));
    QMouseEvent move(QEvent::MouseMove, QPointF(b.x, b.y), QPointF(b.x, b.y), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &move);
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(b.x, b.y));
    const IntRect& v = app.Graphics.ViewPort;
    const CanvasPoint a2 = WorldToPixel(app.Graphics, 20, 50);
    const CanvasPoint b2 = WorldToPixel(app.Graphics, 60, 20);
    EXPECT_NEAR(a2.x, v.x0, 3);
    EXPECT_NEAR(a2.y, v.y0, 3);
    EXPECT_NEAR(b2.x, v.x1, 3);
    EXPECT_NEAR(b2.y, v.y1, 3);
    // The box fills the picture: red from corner to corner, nothing beside it.
    const QImage& img = widget->Picture();
    for (const QPoint p :
         {QPoint(5, 5), QPoint(395, 5), QPoint(200, 150), QPoint(5, 295), QPoint(395, 295)})
        EXPECT_EQ(img.pixelColor(p), Palette(4)) << p.x() << "," << p.y();
}

TEST_F(GraphicsTest, DoubleClickArmsTheResetOfTheNextLeftPress) {
    widget->show();
    QTest::mouseDClick(widget.get(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(app.Graphics.ResetArmed);
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_FALSE(app.Graphics.DragActive);
    EXPECT_EQ(app.Graphics.World.xmax, 1); // the window was set back to 0..1
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(60, 60));
}

// A known antialiased picture: every pen style, a thick pen, circle, arcs in all four quadrants, a
// filled solid and colour 0 erasing part of it, compared with the stored image. No text: its
// pixels depend on the fonts installed. VAK1_UPDATE_GOLDEN=1 writes the image anew.
TEST(GraphicsGolden, KnownDisplayListMatchesTheStoredPicture) {
    App app;
    app.Graphics.GraphWidth = 320;
    app.Graphics.GraphHeight = 240;
    GraphicsWindow& g = app.Graphics;
    Clear(g);
    ASSERT_TRUE(Header(g, app.State.AbortFlag, 0, 0, 160, 120));
    for (uint16_t style = 0; style <= 3; ++style) {
        SetLineStyle(g, style);
        SetColor(g, 9 + style);
        line(g, 10, 110 - 10 * style, 150, 110 - 10 * style);
    }
    SetLineStyle(g, 0);
    SetLineWidth(g, 3);
    SetColor(g, 15);
    Rectangle(g, 5, 5, 155, 115);
    SetLineWidth(g, 1);
    SetColor(g, 14);
    circle(g, 40, 40, 20);
    SetColor(g, 13);
    Arc(g, 40, 40, 45, 135, 25);
    Arc(g, 40, 40, 225, 315, 25);
    SetColor(g, 2);
    Solid(g, 90, 20, 140, 20, 140, 60, 90, 60);
    SetColor(g, 0);
    Solid(g, 105, 30, 125, 30, 125, 50, 105, 50);

    TFquorgra widget(app);
    widget.resize(321, 241);
    const QImage picture = widget.Picture().convertToFormat(QImage::Format_RGB32);
    const QString golden = QString(VAK1_GOLDEN_DIR) + "/gui_replay.png";
    if (qEnvironmentVariableIntValue("VAK1_UPDATE_GOLDEN") == 1) picture.save(golden);
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << golden.toStdString();
    ASSERT_EQ(expected.size(), picture.size());
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor a = picture.pixelColor(x, y), b = expected.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                60)
                ++differing;
        }
    // A different rasteriser may place a few line pixels one step aside.
    EXPECT_LE(differing, picture.width() * picture.height() / 200);
}

TEST_F(GraphicsTest, DrawingDuringAnOpenDialogShowsWithoutWaitingForTheCommand) {
    Repaint();
    const QImage before = widget->Picture();
    SetColor(app.Graphics, 14);
    Solid(app.Graphics, 10, 10, 90, 10, 90, 60, 10, 60);
    ClearViewPort(app.Graphics);
    QElapsedTimer t;
    t.start();
    while (app.Graphics.RepaintRequested && t.elapsed() < 2000)
        QTest::qWait(10);
    EXPECT_FALSE(app.Graphics.RepaintRequested);
    EXPECT_NE(widget->Picture(), before);
    EXPECT_EQ(At(50, 30), Palette(14));
}

// A run of lines in one call paints the same pixels as the lines one by one, on the
// antialiased picture of the window, for every pen: crossing, touching, zero-length and
// overlapping lines.
TEST(QtCanvasLines, ARunPaintsWhatTheLinesOneByOnePaint) {
    const std::vector<CanvasPoint> ends = {
        {10, 10}, {150, 90}, {150, 90}, {20, 110}, {20, 110}, {10, 10},  {5, 60},   {190, 40},
        {80, 5},  {80, 5},   {100, 20}, {160, 20}, {120, 20}, {190, 20}, {30, 140}, {31, 5}};
    const int count = static_cast<int>(ends.size() / 2);
    auto paint = [&](int32_t width, PenStyle style, PenMode mode, bool run) {
        QImage img(200, 150, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.translate(0.5, 0.5);
        QtCanvas canvas(painter);
        canvas.SetPen(CanvasColor{200, 40, 0}, width, style, mode);
        if (run)
            canvas.Lines(ends.data(), count);
        else
            for (int i = 0; i < count; ++i)
                canvas.Line(ends[2 * i], ends[2 * i + 1]);
        painter.end();
        return img;
    };
    for (const int32_t width : {1, 2, 5})
        for (const PenStyle style :
             {PenStyle::Solid, PenStyle::Dot, PenStyle::DashDot, PenStyle::Dash})
            for (const PenMode mode : {PenMode::Copy, PenMode::Not})
                EXPECT_EQ(paint(width, style, mode, true), paint(width, style, mode, false))
                    << "width " << width << " style " << static_cast<int>(style) << " mode "
                    << static_cast<int>(mode);
}

// Texts drawn from their kept layouts paint the pixels of texts laid out where they are drawn,
// when the layouts are made and when they are drawn again from the cache: plain, bold, italic,
// underlined, struck out and turned texts, the same text twice, and after each text a line and
// a filled shape with the inverting pen, so a text's pen left behind would show.
TEST(QtCanvasText, KeptLayoutsPaintWhatFreshLayoutsPaint) {
    auto paint = [&](QtTextCache* kept) {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.translate(0.5, 0.5);
        QtCanvas canvas(painter, kept);
        canvas.SetPen(CanvasColor{0, 0, 200}, 1, PenStyle::Solid, PenMode::Not);
        canvas.SetBrush(CanvasColor{0, 90, 0}, true);
        int k = 0;
        for (const int32_t escapement : {0, 900, 450})
            for (const int weight : {100, 700}) {
                CanvasFont font;
                font.face = "DejaVu Sans";
                font.height = 12 + 2 * k;
                font.width = 5 + k;
                font.escapement = escapement;
                font.weight = weight;
                font.italic = k % 2;
                font.underline = k % 3 == 1;
                font.strikeOut = k % 3 == 2;
                canvas.SetFont(font, CanvasColor{static_cast<uint8_t>(40 * k), 120, 0});
                const CanvasPoint at{15 + 45 * k, 20 + 12 * k};
                const std::string text = "\xc3\x84" + std::to_string(k) + "xy";
                canvas.Text(at, text);
                canvas.Text(CanvasPoint{at.x + 3, at.y + 70}, text);
                canvas.Line(at, CanvasPoint{at.x + 30, at.y + 90});
                const CanvasPoint box[] = {
                    {at.x, at.y + 100}, {at.x + 20, at.y + 100}, {at.x + 10, at.y + 120}};
                canvas.Polygon(box, 3);
                ++k;
            }
        painter.end();
        return img;
    };
    const QImage fresh = paint(nullptr);
    QtTextCache cache;
    EXPECT_EQ(paint(&cache), fresh); // the layouts made and kept
    EXPECT_EQ(paint(&cache), fresh); // and drawn again from the cache
}
