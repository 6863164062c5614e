// The fixed colour palette of the graphics window: numbers 0..15, and 16 for black.
#pragma once
#include "platform/Canvas.h"

namespace vak1 {

constexpr int kHighestColor = 16;

// Colour of palette number n; 16 and anything outside 0..15 give black.
CanvasColor PaletteColor(int n);

} // namespace vak1
