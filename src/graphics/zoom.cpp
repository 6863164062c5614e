// Zoom and pan arithmetic; div truncates toward zero as integer division does.
#include "graphics/zoom.h"

#include <algorithm>
#include <cmath>

#include "graphics/draw.h"
#include "graphics/mapping.h"

namespace vak1 {

IntRect ZoomAboutCentre(const IntRect& r, long double factor, bool zoomIn) {
    const int32_t c = (r.x0 + r.x1) / 2, m = (r.y0 + r.y1) / 2;
    const long double f = zoomIn ? 1 / factor : factor;
    const int32_t hy = RoundToInt32((r.y1 - r.y0) * f) / 2;
    const int32_t hx = RoundToInt32((r.x1 - r.x0) * f) / 2;
    return IntRect{c - hx, m - hy, c + hx, m + hy};
}

IntRect Pan(const IntRect& r, long double panFactor, ViewKey key) {
    const int32_t dy = RoundToInt32(panFactor * (r.y1 - r.y0));
    const int32_t dx = RoundToInt32(panFactor * (r.x1 - r.x0));
    IntRect n = r;
    switch (key) {
    case ViewKey::Up:
        n.y0 -= dy;
        n.y1 -= dy;
        break;
    case ViewKey::Down:
        n.y0 += dy;
        n.y1 += dy;
        break;
    case ViewKey::PageUp: {
        const int32_t d = RoundToInt32(5 * panFactor * (r.y1 - r.y0));
        n.y0 -= d;
        n.y1 -= d;
        break;
    }
    case ViewKey::PageDown: {
        const int32_t d = RoundToInt32(5 * panFactor * (r.y1 - r.y0));
        n.y0 += d;
        n.y1 += d;
        break;
    }
    case ViewKey::Left:
        n.x0 += dx;
        n.x1 += dx;
        break;
    case ViewKey::Right:
        n.x0 -= dx;
        n.x1 -= dx;
        break;
    default:
        break;
    }
    return n;
}

bool ZoomKey(GraphicsWindow& g, ViewKey key) {
    switch (key) {
    case ViewKey::Escape:
    case ViewKey::F5:
        ResetZoom(g);
        return true;
    case ViewKey::Plus:
        g.ZoomRect = ZoomAboutCentre(g.ZoomRect, g.ZoomFactor, true);
        return true;
    case ViewKey::Minus:
        g.ZoomRect = ZoomAboutCentre(g.ZoomRect, g.ZoomFactor, false);
        return true;
    case ViewKey::Up:
    case ViewKey::Down:
    case ViewKey::Left:
    case ViewKey::Right:
    case ViewKey::PageUp:
    case ViewKey::PageDown:
        g.ZoomRect = Pan(g.ZoomRect, g.PanFactor, key);
        return true;
    case ViewKey::Other:
        return false;
    }
    return false;
}

void MouseDoubleClick(GraphicsWindow& g) {
    g.ResetArmed = true;
}

bool MouseDown(GraphicsWindow& g, uint8_t& abortFlag, MouseButton button, int32_t x, int32_t y) {
    const bool armed = g.ResetArmed;
    g.ResetArmed = false;
    if (button == MouseButton::Right) {
        ResetZoom(g);
        return true;
    }
    if (button != MouseButton::Left) return false;
    if (armed) {
        RestoreLimit(g, abortFlag);
        ResetZoom(g);
        ReSetWindow(g, abortFlag);
        return true;
    }
    g.DragActive = true;
    g.DragX0 = g.DragX1 = x;
    g.DragY0 = g.DragY1 = y;
    return false;
}

void MouseMove(GraphicsWindow& g, int32_t x, int32_t y) {
    if (!g.DragActive) return;
    g.DragX1 = x;
    g.DragY1 = y;
}

bool MouseUp(GraphicsWindow& g, int32_t x, int32_t y) {
    if (!g.DragActive) return false;
    g.DragActive = false;
    g.DragX1 = x;
    g.DragY1 = y;
    if (x == g.DragX0 || y == g.DragY0) return false;
    const IntRect& v = g.ViewPort;
    const WorldRect& w = g.World;
    if (g.sx == 0 || g.sy == 0 || w.xmax == w.xmin || w.ymax == w.ymin) return false;
    // The corners go back through the mapping on show into world units, and from there into
    // the pixels of the zoom rectangle; the new view then holds the box the user drew.
    auto zx = [&](int32_t px) {
        const long double wx = g.Visible.xmin + (px - v.x0) / g.sx;
        return RoundToInt32(v.x0 + (wx - w.xmin) / (w.xmax - w.xmin) * (v.x1 - v.x0));
    };
    auto zy = [&](int32_t py) {
        const long double wy = g.Visible.ymin + (v.y1 - py) / g.sy;
        return RoundToInt32(v.y0 + (wy - w.ymin) / (w.ymax - w.ymin) * (v.y1 - v.y0));
    };
    SetScale(g, zx(std::min(x, g.DragX0)), zy(std::max(y, g.DragY0)), zx(std::max(x, g.DragX0)),
             zy(std::min(y, g.DragY0)));
    return true;
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
    const IntRect next{RoundToInt32(cx - (cx - z.x0) / f), RoundToInt32(cy - (cy - z.y0) / f),
                       RoundToInt32(cx + (z.x1 - cx) / f), RoundToInt32(cy + (z.y1 - cy) / f)};
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
    const int32_t mx = RoundToInt32(-dx / ux), my = RoundToInt32(dy / uy);
    SetScale(g, start.x0 + mx, start.y0 + my, start.x1 + mx, start.y1 + my);
}

} // namespace vak1
