// World-to-pixel mappings of the graphics window, on screen and on the printer page.
#pragma once
#include <cmath>
#include <cstdint>

#include "model/rounding.h"
#include "graphics/GraphicsWindow.h"
#include "platform/Canvas.h"

namespace vak1 {

// The printer page and the printout settings the printer mapping reads.
struct PrinterPage {
    int32_t PW = 0, PH = 0;             // page size in device pixels
    long double xscale = 1, yscale = 1; // printout scales
    int32_t xorigin = 0, yorigin = 0;   // origin offset, millimetres
    bool border = false;                // frame the world window
    int32_t dpi = 0;                    // device dots per inch; 0: unknown
};

// Pen width on paper for line width n: 4 x n dots of a 300 dpi printer, the same thickness
// in millimetres at any resolution.
int32_t PrinterPenWidth(const PrinterPage& p, int n);

// A device length or coordinate: v rounded, within +-kCanvasLimit (not a number: 0). Far-off
// points of a picture are clamped here, before any integer arithmetic.
inline int32_t ToDevice(long double v) {
    if (v != v) return 0;
    if (v < -kCanvasLimit) return -kCanvasLimit;
    if (v > kCanvasLimit) return kCanvasLimit;
    return RoundToInt32(v);
}

// Inline: the replay maps every end point of the list with it.
inline CanvasPoint WorldToPixel(const GraphicsWindow& g, long double x, long double y) {
    return CanvasPoint{
        ClampToCanvas(int64_t{ToDevice((x - g.Visible.xmin) * g.sx)} + g.ViewPort.x0),
        ClampToCanvas(int64_t{g.ViewPort.y1} - ToDevice((y - g.Visible.ymin) * g.sy))};
}

struct WorldPoint {
    long double x = 0, y = 0;
};
// The way back: the world point shown at the pixel (x right, y down) with the current view.
WorldPoint PixelToWorld(const GraphicsWindow& g, long double px, long double py);
int32_t LengthToPixelX(const GraphicsWindow& g, long double len);
int32_t LengthToPixelY(const GraphicsWindow& g, long double len);

CanvasPoint WorldToPrinter(const GraphicsWindow& g, const PrinterPage& p, long double x,
                           long double y);

// Both mappings unrounded and unclamped, for clipping a line to the drawable range.
struct DevicePoint {
    long double x = 0, y = 0;
};
DevicePoint WorldToPixelExact(const GraphicsWindow& g, long double x, long double y);
DevicePoint WorldToPrinterExact(const GraphicsWindow& g, const PrinterPage& p, long double x,
                                long double y);
int32_t PrinterTextHeight(const GraphicsWindow& g, const PrinterPage& p, long double h);
int32_t PrinterTextWidth(const GraphicsWindow& g, const PrinterPage& p, long double w);

} // namespace vak1
