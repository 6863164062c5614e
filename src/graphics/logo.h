// The maker's logo in the graphics window: at start-up and in the About box.
#pragma once
#include <cstdint>

#include "graphics/GraphicsWindow.h"

namespace vak1 {

// A new picture on the world window (-1, -1)..(38, 33) made of filled quadrilaterals.
void DrawQuorvenLogo(GraphicsWindow& g, uint8_t& abortFlag);

} // namespace vak1
