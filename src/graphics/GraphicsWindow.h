// The graphics window's display list and mapping state.
#pragma once

namespace vak1 {

struct GraphicsWindow {};

} // namespace vak1
