// The program's fixed texts: its name, the title of its reports and boxes, its version.
#pragma once

namespace vak1 {

inline constexpr const char* kProgramName = "VAK1";
inline constexpr const char* kProgramTitle = "VAK1  Querschnittberechnung";
inline constexpr const char* kVersion = "5.0";
inline constexpr const char* kExtension = "vak1";

} // namespace vak1
