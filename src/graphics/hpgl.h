// Help pictures: a small HP-GL interpreter that draws a plot file into the display list, in
// millimetres (one plotter unit is 0.025 mm) on the world window the caller has set up.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/GraphicsWindow.h"

namespace vak1 {

struct DialogContext;

// One plotter unit in mm.
constexpr long double kPlotterUnit = 0.025L;

// Colour number of a pen: pens 1..7 as a plotter's carousel, any other number as itself.
int PenColor(int pen);

// Draws the picture text into g. Pen, character size, direction and character set come
// from st and are left there for the next picture; the current point starts at
// (-999, -999) mm. plainCharacters as in OemToAnsiText for the labels.
void DrawHpgl(GraphicsWindow& g, HpglState& st, std::string_view text, bool plainCharacters);

// Draws the picture file at path. A file that cannot be read shows "<path without blanks>
// nicht gefunden !", sets AbortFlag and returns false.
bool ShowPicture(GraphicsWindow& g, HpglState& st, const DialogContext& d, const std::string& path);

// A help picture in the graphics window: cleared, a 160 mm x 120 mm sheet, then the picture
// at path (empty: none). False when the picture could not be shown.
bool ShowHelpPicture(GraphicsWindow& g, HpglState& st, const DialogContext& d,
                     const std::string& path);

} // namespace vak1
