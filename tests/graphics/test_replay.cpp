// Pins the replay: world-to-pixel mapping with rounding, texts containing ";", colours with and
// without colour graphics, the stop at a window without width, printing onto a second canvas,
// zoom that survives a repaint, and real pixels on the image canvas.
#include <gtest/gtest.h>

#include "graphics/draw.h"
#include "graphics/hpgl.h"
#include "graphics/mapping.h"
#include "graphics/replay.h"
#include "graphics/zoom.h"
#include "testing/ImageCanvas.h"
#include "testing/RecordingCanvas.h"
#include "support/tempfolder.h"

using namespace vak1;

namespace {

class ReplayTest : public ::testing::Test {
  protected:
    void SetUp() override { Header(g, abort, 0, 0, 100, 100); }
    std::vector<std::string> Play() {
        RecordingCanvas c;
        Replay(g, s, c, abort);
        return c.Shapes();
    }
    GraphicsWindow g;
    Settings s;
    uint8_t abort = 0;
};

} // namespace

TEST_F(ReplayTest, MapsWorldToPixelsWithYDownward) {
    // Viewport 1..639 x 1..479; 478 pixels for 100 units in both directions (aspect kept),
    // the 160 pixels left over across shared equally: x = 1 + round(80 + 4.78 x).
    EXPECT_EQ(g.sx, g.sy);
    EXPECT_DOUBLE_EQ(static_cast<double>(g.sx), 4.78);
    line(g, 0, 0, 100, 100);
    circle(g, 50, 50, 10);
    // Circle box 40..60: x 1 + round(271.2), 1 + round(366.8); y 479 - round(286.8), ...
    EXPECT_EQ(Play(), (std::vector<std::string>{"line 81 479 559 1", "ellipse 272 192 368 288"}));
    EXPECT_EQ(WorldToPixel(g, 50, 50), (CanvasPoint{320, 240}));
    EXPECT_EQ(WorldToPixel(g, 0.1046025L, 0), (CanvasPoint{81, 479})); // 0.49999995 px rounds down
    EXPECT_EQ(LengthToPixelX(g, 10), 48);
}

TEST_F(ReplayTest, TextKeepsItsSemicolons) {
    OutTextXY(g, 10, 20, "a;b;;c");
    const auto shapes = Play();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(shapes[0].ends_with(" a;b;;c")) << shapes[0];
}

TEST_F(ReplayTest, TextCellIsAnchoredAboveTheBaseLine) {
    SetTextStyle(g, 2, 0, 10, 5); // replay height 10 * 1.6 = 16 units
    OutTextXY(g, 10, 20, "x");
    const auto shapes = Play();
    // (10, 20 + 0.75 * 16) = (10, 32) -> pixels (129, 326).
    EXPECT_EQ(shapes, std::vector<std::string>{"text 129 326 x"});
}

TEST_F(ReplayTest, ColoursFollowTheColourSetting) {
    SetColor(g, 4);
    Solid(g, 0, 0, 10, 0, 10, 10, 0, 10);
    RecordingCanvas colour;
    Replay(g, s, colour, abort);
    EXPECT_NE(std::find(colour.calls.begin(), colour.calls.end(), "brush 255,0,0 solid"),
              colour.calls.end());
    s.ColorGraphics = false;
    RecordingCanvas mono;
    Replay(g, s, mono, abort);
    EXPECT_NE(std::find(mono.calls.begin(), mono.calls.end(), "brush 0,0,0 solid"),
              mono.calls.end());
}

TEST_F(ReplayTest, WindowWithoutWidthEndsTheReplay) {
    line(g, 0, 0, 1, 1);
    SetWindow(g, abort, 1, 1, 0, 0, 1, 1, 3, 0, 3, 1);
    ASSERT_EQ(abort, 1);
    line(g, 0, 0, 1, 1);
    abort = 0;
    RecordingCanvas c;
    EXPECT_FALSE(Replay(g, s, c, abort));
    EXPECT_EQ(abort, 1);
    EXPECT_EQ(c.Shapes().size(), 1u);
}

TEST_F(ReplayTest, ZoomSurvivesTheRepaint) {
    line(g, 0, 0, 100, 100);
    const auto before = Play();
    ASSERT_TRUE(ZoomKey(g, ViewKey::Plus));
    const auto after = Play();
    EXPECT_NE(before, after);
    EXPECT_TRUE(ZoomKey(g, ViewKey::Escape));
    EXPECT_EQ(Play(), before);
}

TEST_F(ReplayTest, PrintingDrawsOnBothCanvasesTextOnPaperOnly) {
    line(g, 0, 0, 100, 100);
    OutTextXY(g, 0, 0, "t");
    SetLineWidth(g, 2);
    g.PrintMode = true;
    RecordingCanvas screen, paper;
    PrintTarget print{&paper, PrinterPage{2100, 2970, 1, 1, 10, 0, true}};
    Replay(g, s, screen, abort, &print);
    EXPECT_EQ(screen.Shapes(), std::vector<std::string>{"line 81 479 559 1"});
    // Border of the world window, then the line. On paper the square picture starts at the
    // left of its window, not in the middle as on screen. x: 100 px origin (10 mm at 2100 px
    // per 210 mm) + round(2100 * 1 / 640) and + round(2100 * 479 / 640); y: round(2970 * 479 /
    // 480) and round(2970 * 1 / 480).
    const auto shapes = paper.Shapes();
    ASSERT_EQ(shapes.size(), 6u);
    EXPECT_EQ(shapes[4], "line 103 2964 1672 6");
    EXPECT_EQ(shapes[5].rfind("text ", 0), 0u);
    EXPECT_NE(std::find(paper.calls.begin(), paper.calls.end(), "pen 0,0,0 8 solid copy"),
              paper.calls.end());
}

TEST_F(ReplayTest, ImageCanvasPaintsPixels) {
    SetColor(g, 12);
    Solid(g, 10, 10, 30, 10, 30, 30, 10, 30);
    SetColor(g, 9);
    line(g, 50, 0, 50, 100);
    ImageCanvas img(640, 480);
    Replay(g, s, img, abort);
    const CanvasPoint inside = WorldToPixel(g, 20, 20);
    EXPECT_EQ(img.Pixel(inside.x, inside.y), (CanvasColor{255, 0, 0}));
    const CanvasPoint onLine = WorldToPixel(g, 50, 50);
    EXPECT_EQ(img.Pixel(onLine.x, onLine.y), (CanvasColor{0, 0, 255}));
    const CanvasPoint outside = WorldToPixel(g, 70, 70);
    EXPECT_EQ(img.Pixel(outside.x, outside.y), (CanvasColor{255, 255, 255}));
}

TEST_F(ReplayTest, ImageCanvasArcRunsCounterClockwiseAndDashesLeaveGaps) {
    Arc(g, 50, 50, 0, 180, 20); // the upper half
    SetLineStyle(g, 3);
    line(g, 0, 10, 100, 10);
    ImageCanvas img(640, 480);
    Replay(g, s, img, abort);
    const CanvasColor paper{255, 255, 255};
    const CanvasPoint top = WorldToPixel(g, 50, 70), bottom = WorldToPixel(g, 50, 30);
    EXPECT_NE(img.Pixel(top.x, top.y), paper);
    EXPECT_EQ(img.Pixel(bottom.x, bottom.y), paper);
    const CanvasPoint a = WorldToPixel(g, 0, 10), b = WorldToPixel(g, 100, 10);
    int ink = 0;
    for (int32_t x = a.x; x <= b.x; ++x)
        ink += img.Pixel(x, a.y) != paper;
    EXPECT_GT(ink, (b.x - a.x) / 2);
    EXPECT_LT(ink, b.x - a.x);
}

// A drawing with a record of every kind (the two the drawing calls do not make added as
// text, a field that is no number, a code no call makes) replayed onto the screen and onto
// paper: every canvas call, in order, as stored. VAK1_UPDATE_GOLDEN=1 writes the calls anew.
TEST_F(ReplayTest, EveryKindOfRecordGivesTheStoredCanvasCalls) {
    SetTextStyle(g, 2, 30, 3.5L, 2.5L);
    SetColor(g, 12);
    line(g, 0.1046025L, 0, 100, 100);
    line(g, 123456789, 0.000012345678L, 1e-20L, 0);
    g.DisplayList.push_back("1;10;10");
    g.DisplayList.push_back("2;20;15");
    g.DisplayList.push_back("2;25.5;-3");
    circle(g, 50, 50, 10);
    Arc(g, 50, 50, 10, 100, 20);
    Arc(g, 50, 50, 300, 20, 5);
    SetLineStyle(g, 1);
    Solid(g, 0, 0, 10, 0, 10, 10, 0, 10);
    SetLineStyle(g, 2);
    SetLineWidth(g, 3);
    OutTextXY(g, 10, 20, "a;b \xc4");
    SetTextStyle(g, 1, 0, 5, 5);
    OutTextXY(g, 30, 40, "");
    SetColor(g, 0);
    SetLineStyle(g, 3);
    Rectangle(g, 60, 60, 90, 80);
    SleepMs(g, 0);
    g.DisplayList.push_back("4;1;;3;x7");
    g.DisplayList.push_back("14;1;2");
    SetWindow(g, abort, 1, 0, 0.5L, 0.5L, 1, 1, -10, -10, 10, 10);
    SetLineWidth(g, 1);
    SetColor(g, 5);
    line(g, -10, -10, 10, 10);
    circle(g, 0, 0, 3);
    g.PrintMode = true;
    RecordingCanvas screen, paper;
    PrintTarget print{&paper, PrinterPage{2100, 2970, 1, 1, 10, 0, true, 600}};
    ASSERT_TRUE(Replay(g, s, screen, abort, &print));
    std::string calls;
    for (const auto* c : {&screen, &paper}) {
        for (const std::string& call : c->calls)
            calls += call + "\n";
        calls += "--\n";
    }
    const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/replay_calls.txt";
    if (std::getenv("VAK1_UPDATE_GOLDEN")) test::WriteBytes(golden, calls);
    EXPECT_EQ(calls, test::ReadBytes(golden));
}

// Coordinates far beyond the page, saturated by the reader, overflowed the canvases' int
// arithmetic (found by fuzzing the help pictures).
TEST_F(ReplayTest, FarCoordinatesAreClampedBeforeTheCanvasesComputeWithThem) {
    HpglState st;
    DrawHpgl(g, st, "PU49999999600,;PD;AA,,9;", false);
    ImageCanvas screen(160, 120), paper(105, 148);
    Replay(g, s, screen, abort);
    const PrintTarget print{&paper, PrinterPage{105, 148, 1, 1, 5, 5, true, 12}};
    abort = 0;
    g.PrintMode = true;
    Replay(g, s, screen, abort, &print);
    RecordingCanvas c;
    abort = 0;
    Replay(g, s, c, abort);
    ASSERT_FALSE(c.Shapes().empty());
    for (const std::string& shape : c.Shapes()) // every number within the drawable range
        for (std::size_t i = 0; (i = shape.find_first_of("-0123456789", i)) != std::string::npos;) {
            std::size_t end = 0;
            const long long v = std::stoll(shape.substr(i), &end);
            EXPECT_LE(std::llabs(v), 1LL << 24) << shape;
            i += std::max<std::size_t>(end, 1);
        }
}
