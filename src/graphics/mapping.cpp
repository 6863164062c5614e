// Screen and printer mappings; rounding is half-to-even throughout.
#include "graphics/mapping.h"

#include <algorithm>
#include <cmath>

namespace vak1 {

WorldPoint PixelToWorld(const GraphicsWindow& g, long double px, long double py) {
    const long double sx = g.sx != 0 ? g.sx : 1, sy = g.sy != 0 ? g.sy : 1;
    return {g.Visible.xmin + (px - g.ViewPort.x0) / sx, g.Visible.ymin + (g.ViewPort.y1 - py) / sy};
}

int32_t LengthToPixelX(const GraphicsWindow& g, long double len) {
    return ToDevice(len * g.sx);
}
int32_t LengthToPixelY(const GraphicsWindow& g, long double len) {
    return ToDevice(len * g.sy);
}

namespace {

// The printer mapping: the rounded origin offsets and the unrounded picture position.
struct PrinterParts {
    int64_t ox = 0, oy = 0;
    long double x = 0, y = 0;
};

PrinterParts MapToPrinter(const GraphicsWindow& g, const PrinterPage& p, long double x,
                          long double y) {
    const long double W = g.GraphWidth, H = g.GraphHeight;
    PrinterParts r;
    // The origin offsets are millimetres on an A4-wide page, for both axes.
    r.ox = ToDevice(p.PW * static_cast<long double>(p.xorigin) / 210);
    r.oy = ToDevice(p.PW * static_cast<long double>(p.yorigin) / 210);
    // On paper the picture starts at the top left of its zoom rectangle: the room the screen
    // shares out around a picture of another shape than the window stays on the right and at
    // the bottom, so the origin offsets count from the picture's own corner and a scale that
    // fills the page with the picture's width does so.
    const IntRect& v = g.ViewPort;
    const WorldRect& w = g.World;
    long double left = g.Visible.xmin, top = g.Visible.ymax;
    if (v.x1 != v.x0 && v.y1 != v.y0) {
        left = w.xmin +
               static_cast<long double>(g.ZoomRect.x0 - v.x0) / (v.x1 - v.x0) * (w.xmax - w.xmin);
        top = w.ymin +
              static_cast<long double>(g.ZoomRect.y1 - v.y0) / (v.y1 - v.y0) * (w.ymax - w.ymin);
    }
    const long double sx = (x - left) * g.sx + v.x0;
    const long double sy = v.y0 + (top - y) * g.sy;
    r.x = p.PW * sx * p.xscale / W;
    r.y = p.PH * sy * p.yscale / H;
    return r;
}

} // namespace

CanvasPoint WorldToPrinter(const GraphicsWindow& g, const PrinterPage& p, long double x,
                           long double y) {
    const PrinterParts r = MapToPrinter(g, p, x, y);
    return CanvasPoint{ClampToCanvas(r.ox + ToDevice(r.x)), ClampToCanvas(r.oy + ToDevice(r.y))};
}

DevicePoint WorldToPrinterExact(const GraphicsWindow& g, const PrinterPage& p, long double x,
                                long double y) {
    const PrinterParts r = MapToPrinter(g, p, x, y);
    return DevicePoint{r.ox + r.x, r.oy + r.y};
}

DevicePoint WorldToPixelExact(const GraphicsWindow& g, long double x, long double y) {
    return DevicePoint{(x - g.Visible.xmin) * g.sx + g.ViewPort.x0,
                       g.ViewPort.y1 - (y - g.Visible.ymin) * g.sy};
}

int32_t PrinterPenWidth(const PrinterPage& p, int n) {
    if (p.dpi <= 0) return 4 * n;
    return std::max<int32_t>(1, RoundToInt32(4.0L * n * p.dpi / 300));
}

int32_t PrinterTextHeight(const GraphicsWindow& g, const PrinterPage& p, long double h) {
    return ToDevice(p.PH * (h * g.sy) * p.yscale / g.GraphHeight);
}

int32_t PrinterTextWidth(const GraphicsWindow& g, const PrinterPage& p, long double w) {
    return ToDevice(p.PW * (w * g.sx) * p.xscale / g.GraphWidth);
}

} // namespace vak1
