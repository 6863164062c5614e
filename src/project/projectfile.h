// The project file: a line file holding the contour, the body data, the drawing texts, the
// drawing documentation and the drawing options.
#pragma once
#include <string>

namespace vak1 {

struct App;

inline constexpr const char* kProjectFilter = "*.vak1|*.vak1";

// The project takes the name (file name without extension), folder and file of path.
void NameProjectAfter(App& app, const std::string& path);

// Writes the project. An empty name asks for the target with the save dialog; a name with
// a "." is the whole path; any other name goes into the project folder. The previous file
// stays untouched unless every line was written. Failure or cancel sets AbortFlag; the
// project in memory never changes (ModifiedFlag is the caller's).
void WriteProject(App& app, const std::string& name);

// Reads a file written by WriteProject. The project and its documentation are replaced only
// when the whole file was read; otherwise one message names the file and the line, AbortFlag
// is set and nothing changes. The caller recalculates.
void ReadProject(App& app, const std::string& path);

} // namespace vak1
