#include "graphics/viewzoom.h"

#include <cmath>

#include "graphics/draw.h"

namespace vak1 {
namespace {

int32_t RoundHalfEven(long double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

} // namespace

WorldPoint PixelToWorld(const GraphicsWindow& g, long double px, long double py) {
    const long double sx = g.sx != 0 ? g.sx : 1, sy = g.sy != 0 ? g.sy : 1;
    return {g.Visible.xmin + (px - g.ViewPort.x0) / sx, g.Visible.ymin + (g.ViewPort.y1 - py) / sy};
}

bool ZoomAboutPixel(GraphicsWindow& g, long double px, long double py, bool zoomIn) {
    const IntRect& v = g.ViewPort;
    const IntRect z = g.ZoomRect;
    const long double f = zoomIn ? g.ZoomFactor : 1 / g.ZoomFactor;
    if (f <= 0 || v.x1 == v.x0 || v.y1 == v.y0 || z.x1 == z.x0 || z.y1 == z.y0) return false;
    if (g.World.xmax == g.World.xmin || g.World.ymax == g.World.ymin) return false;
    // The zoom rectangle maps linearly onto the world window; scaling it about the point's
    // place in it keeps the point where it is on the screen.
    const WorldPoint w = PixelToWorld(g, px, py);
    const long double cx =
        v.x0 + (w.x - g.World.xmin) * (v.x1 - v.x0) / (g.World.xmax - g.World.xmin);
    const long double cy =
        v.y0 + (w.y - g.World.ymin) * (v.y1 - v.y0) / (g.World.ymax - g.World.ymin);
    const IntRect next{RoundHalfEven(cx - (cx - z.x0) / f), RoundHalfEven(cy - (cy - z.y0) / f),
                       RoundHalfEven(cx + (z.x1 - cx) / f), RoundHalfEven(cy + (z.y1 - cy) / f)};
    if (next.x0 == next.x1 || next.y0 == next.y1) return false;
    SetScale(g, next.x0, next.y0, next.x1, next.y1);
    return true;
}

void PanByPixels(GraphicsWindow& g, const IntRect& start, long double dx, long double dy) {
    const IntRect& v = g.ViewPort;
    const WorldRect& w = g.World;
    if (g.sx == 0 || g.sy == 0 || w.xmax == w.xmin || w.ymax == w.ymin) return;
    // Pixels of the screen per unit of the zoom rectangle.
    const long double ux = g.sx * (w.xmax - w.xmin) / (v.x1 - v.x0);
    const long double uy = g.sy * (w.ymax - w.ymin) / (v.y1 - v.y0);
    const int32_t mx = RoundHalfEven(-dx / ux), my = RoundHalfEven(dy / uy);
    SetScale(g, start.x0 + mx, start.y0 + my, start.x1 + mx, start.y1 + my);
}

} // namespace vak1
