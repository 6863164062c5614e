// Painting: the display list replayed onto a canvas (and, while printing, onto the printer).
#pragma once
#include <cstdint>

#include "graphics/GraphicsWindow.h"
#include "graphics/mapping.h"
#include "platform/Canvas.h"
#include "settings/Settings.h"

namespace vak1 {

// The printer side of a printout replay; in PrintMode every record is drawn on both canvases.
struct PrintTarget {
    Canvas* canvas = nullptr;
    PrinterPage page;
};

// Replays every record in order. A world window without width or height sets abortFlag and
// ends the replay at that record (returns false).
bool Replay(GraphicsWindow& g, const Settings& s, Canvas& screen, uint8_t& abortFlag,
            const PrintTarget* printer = nullptr);

// A picture of one window whose drawing reaches beyond its world window gets the world
// window widened to take all of it, so nothing is cut at the edges. True when it was widened.
bool FitWindowToDrawing(GraphicsWindow& g, const Settings& s);

} // namespace vak1
