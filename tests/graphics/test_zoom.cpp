// Pins the zoom and pan arithmetic: rounding of zoom in and out, pan steps, the dragged box
// with and without aspect, and the resets of the mouse buttons.
#include <gtest/gtest.h>

#include "graphics/draw.h"
#include "graphics/mapping.h"
#include "graphics/zoom.h"

using namespace vak1;

namespace {
bool Same(const IntRect& a, const IntRect& b) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}
} // namespace

TEST(Zoom, InThenOutReturnsOnlyUpToRounding) {
    const IntRect start{0, 0, 640, 480};
    // In: centre (320, 240); half sizes round(533.33) div 2 = 266, round(400) div 2 = 200.
    const IntRect in = ZoomAboutCentre(start, 1.2L, true);
    EXPECT_TRUE(Same(in, IntRect{54, 40, 586, 440}));
    // Out: round(532 * 1.2) div 2 = 319, round(400 * 1.2) div 2 = 240.
    const IntRect out = ZoomAboutCentre(in, 1.2L, false);
    EXPECT_TRUE(Same(out, IntRect{1, 0, 639, 480}));
}

TEST(Zoom, NegativeCentreTruncatesTowardZero) {
    const IntRect r = ZoomAboutCentre(IntRect{-5, -5, 0, 0}, 1, true);
    EXPECT_TRUE(Same(r, IntRect{-4, -4, 0, 0})); // c = -5 div 2 = -2, half = 5 div 2 = 2
}

TEST(Zoom, PanSteps) {
    const IntRect r{0, 0, 640, 480};
    EXPECT_TRUE(Same(Pan(r, 0.1L, ViewKey::Up), IntRect{0, -48, 640, 432}));
    EXPECT_TRUE(Same(Pan(r, 0.1L, ViewKey::Down), IntRect{0, 48, 640, 528}));
    EXPECT_TRUE(Same(Pan(r, 0.1L, ViewKey::Left), IntRect{64, 0, 704, 480}));
    EXPECT_TRUE(Same(Pan(r, 0.1L, ViewKey::Right), IntRect{-64, 0, 576, 480}));
    EXPECT_TRUE(Same(Pan(r, 0.1L, ViewKey::PageDown), IntRect{0, 240, 640, 720}));
    GraphicsWindow g;
    EXPECT_FALSE(ZoomKey(g, ViewKey::Other));
    EXPECT_TRUE(Same(g.ZoomRect, r));
}

TEST(Zoom, DraggedBoxBecomesTheZoomRectangle) {
    GraphicsWindow g;
    uint8_t abort = 0;
    SetWindow(g, abort, 0, 0, 0, 0, 1, 1, 0, 0, 640, 480);
    g.ZoomRect = IntRect{0, 0, 640, 480};
    MouseDown(g, abort, MouseButton::Left, 480, 120);
    MouseMove(g, 300, 300);
    EXPECT_TRUE(MouseUp(g, 160, 360));
    EXPECT_TRUE(Same(g.ZoomRect, IntRect{160, 120, 480, 360}));
    EXPECT_DOUBLE_EQ(static_cast<double>(g.Visible.xmin), 160);
    EXPECT_DOUBLE_EQ(static_cast<double>(g.Visible.xmax), 480);

    // A box without height changes nothing.
    MouseDown(g, abort, MouseButton::Left, 10, 50);
    EXPECT_FALSE(MouseUp(g, 200, 50));
    EXPECT_TRUE(Same(g.ZoomRect, IntRect{160, 120, 480, 360}));

    // With the aspect kept, the first drawing after start (previous window 0..1) shows a box
    // of another shape than the window whole and in the middle: 40 x 20 units fill the width.
    Header(g, abort, 0, 0, 100, 100);
    const CanvasPoint a = WorldToPixel(g, 20, 60), b = WorldToPixel(g, 60, 40);
    MouseDown(g, abort, MouseButton::Left, a.x, a.y);
    EXPECT_TRUE(MouseUp(g, b.x, b.y));
    EXPECT_NEAR(WorldToPixel(g, 20, 50).x, g.ViewPort.x0, 2);
    EXPECT_NEAR(WorldToPixel(g, 60, 50).x, g.ViewPort.x1, 2);
    EXPECT_NEAR(WorldToPixel(g, 40, 50).y, (g.ViewPort.y0 + g.ViewPort.y1) / 2, 2);
    EXPECT_NEAR(WorldToPixel(g, 40, 60).y - WorldToPixel(g, 40, 40).y,
                -(g.ViewPort.x1 - g.ViewPort.x0) / 2, 2); // equal scales: half as high
}

TEST(Zoom, ButtonsReset) {
    GraphicsWindow g;
    uint8_t abort = 0;
    Header(g, abort, 0, 0, 100, 100);
    g.ZoomRect = IntRect{5, 5, 50, 50};
    EXPECT_TRUE(MouseDown(g, abort, MouseButton::Right, 0, 0));
    EXPECT_TRUE(Same(g.ZoomRect, g.ViewPort));

    // Double click arms the full reset of the next left press: the unit window again.
    MouseDoubleClick(g);
    EXPECT_TRUE(MouseDown(g, abort, MouseButton::Left, 3, 3));
    EXPECT_FALSE(g.DragActive);
    EXPECT_EQ(g.World.xmax, 1);
    EXPECT_EQ(abort, 0);
    // The arming is used up.
    EXPECT_FALSE(MouseDown(g, abort, MouseButton::Left, 3, 3));
    EXPECT_TRUE(g.DragActive);
}
