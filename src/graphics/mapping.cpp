// Screen and printer mappings; rounding is half-to-even throughout.
#include "graphics/mapping.h"

#include <cmath>

namespace vak1 {
namespace {
int32_t Round(long double v) {
    return static_cast<int32_t>(std::llrint(v));
}
} // namespace

CanvasPoint WorldToPixel(const GraphicsWindow& g, long double x, long double y) {
    return CanvasPoint{Round((x - g.Visible.xmin) * g.sx) + g.ViewPort.x0,
                       g.ViewPort.y1 - Round((y - g.Visible.ymin) * g.sy)};
}

int32_t LengthToPixelX(const GraphicsWindow& g, long double len) {
    return Round(len * g.sx);
}
int32_t LengthToPixelY(const GraphicsWindow& g, long double len) {
    return Round(len * g.sy);
}

CanvasPoint WorldToPrinter(const GraphicsWindow& g, const PrinterPage& p, long double x,
                           long double y) {
    const long double W = g.GraphWidth, H = g.GraphHeight;
    // The origin offsets are millimetres on an A4-wide page, for both axes.
    const int32_t ox = Round(p.PW * static_cast<long double>(p.xorigin) / 210);
    const int32_t oy = Round(p.PW * static_cast<long double>(p.yorigin) / 210);
    const long double sx = (x - g.Visible.xmin) * g.sx + g.ViewPort.x0;
    const long double sy = g.ViewPort.y1 - (y - g.Visible.ymin) * g.sy;
    return CanvasPoint{ox + Round(p.PW * sx * p.xscale / W), oy + Round(p.PH * sy * p.yscale / H)};
}

int32_t PrinterTextHeight(const GraphicsWindow& g, const PrinterPage& p, long double h) {
    return Round(p.PH * (h * g.sy) * p.yscale / g.GraphHeight);
}

int32_t PrinterTextWidth(const GraphicsWindow& g, const PrinterPage& p, long double w) {
    return Round(p.PW * (w * g.sx) * p.xscale / g.GraphWidth);
}

} // namespace vak1
