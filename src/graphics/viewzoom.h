// Zoom about a point of the window and the way back from pixels to world units, for the
// mouse wheel and the cursor position shown under the drawing.
#pragma once
#include <cstdint>

#include "graphics/GraphicsWindow.h"

namespace vak1 {

struct WorldPoint {
    long double x = 0, y = 0;
};

// The world point shown at the pixel (x right, y down) with the current view.
WorldPoint PixelToWorld(const GraphicsWindow& g, long double px, long double py);

// Scales the zoom rectangle by ZoomFactor so that the world point under the pixel stays
// under it (up to the whole units of the rectangle). True when the view changed.
bool ZoomAboutPixel(GraphicsWindow& g, long double px, long double py, bool zoomIn);

// The view moved so that the picture follows the pointer by (dx, dy) pixels from where a
// drag started, with the zoom rectangle start as it was then.
void PanByPixels(GraphicsWindow& g, const IntRect& start, long double dx, long double dy);

} // namespace vak1
