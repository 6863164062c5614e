// Palette table.
#include "graphics/palette.h"

namespace vak1 {

CanvasColor PaletteColor(int n) {
    static constexpr CanvasColor kPalette[16] = {
        {0, 0, 0},   {0, 0, 128},     {0, 255, 0},     {0, 255, 255},  {255, 0, 0}, {128, 0, 128},
        {128, 0, 0}, {192, 192, 192}, {176, 176, 176}, {0, 0, 255},    {0, 255, 0}, {0, 255, 255},
        {255, 0, 0}, {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};
    if (n < 0 || n > 15) return CanvasColor{0, 0, 0};
    return kPalette[n];
}

} // namespace vak1
