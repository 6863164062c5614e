// Keyboard and mouse zoom and pan of the graphics window as plain arithmetic on the zoom
// rectangle; the front end forwards its events here and repaints when told to.
#pragma once
#include <cstdint>

#include "graphics/GraphicsWindow.h"

namespace vak1 {

enum class ViewKey { Escape, F5, Up, Down, Left, Right, PageUp, PageDown, Plus, Minus, Other };
enum class MouseButton { Left, Right, Middle };

// Returns true when the window must repaint.
bool ZoomKey(GraphicsWindow& g, ViewKey key);

// Zoom rectangle scaled about its centre: zoom in divides its size by ZoomFactor.
IntRect ZoomAboutCentre(const IntRect& r, long double factor, bool zoomIn);
// Zoom rectangle moved by PanFactor (5 x PanFactor for the page keys).
IntRect Pan(const IntRect& r, long double panFactor, ViewKey key);

// Scales the zoom rectangle by ZoomFactor so that the world point under the pixel stays
// under it (up to the whole units of the rectangle): the mouse wheel. True when the view
// changed.
bool ZoomAboutPixel(GraphicsWindow& g, long double px, long double py, bool zoomIn);
// The view moved so that the picture follows the pointer by (dx, dy) pixels from where a
// drag started, with the zoom rectangle start as it was then.
void PanByPixels(GraphicsWindow& g, const IntRect& start, long double dx, long double dy);

// A double click arms the reset of the next left button press.
void MouseDoubleClick(GraphicsWindow& g);
bool MouseDown(GraphicsWindow& g, uint8_t& abortFlag, MouseButton button, int32_t x, int32_t y);
void MouseMove(GraphicsWindow& g, int32_t x, int32_t y);
// Ends a drag: the view shows the dragged box (in the middle, when its shape differs from
// the window's).
bool MouseUp(GraphicsWindow& g, int32_t x, int32_t y);

} // namespace vak1
