// The program-wide output document of text reports.
#pragma once

namespace vak1 {

struct OutputDocument {};

} // namespace vak1
