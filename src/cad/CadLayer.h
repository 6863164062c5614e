// State of the device-independent CAD layer.
#pragma once

namespace vak1 {

struct CadLayer {};

} // namespace vak1
