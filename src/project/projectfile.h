// The project file: a line file holding the contour, the body data, the drawing texts, the
// drawing documentation and the drawing options.
#pragma once
#include <cstdint>
#include <string>

#include "text/textfile.h"

namespace vak1 {

struct Documentation;
struct ProjectData;
struct Settings;

inline constexpr const char* kProjectFilter = "*.vak1|*.vak1";

// Where the project lives: its name (without folder and extension), its folder (ending with
// "/" when not empty) and the file it was read from or written to.
struct ProjectLocation {
    std::string& name;
    std::string& dir;
    std::string& file;
};

// The project takes the name (file name without extension), folder and file of path.
void NameProjectAfter(const ProjectLocation& where, const std::string& path);

// Writes every line of the project file (code page 850). The change descriptions of docu
// are stored with "|" for line breaks.
void WriteProjectLines(TextFileWriter& out, const ProjectData& p, Documentation& docu,
                       const Settings& config);

// What reading a project file found: ok, or the errno of a failed read
// (error), or the line and reason of the first line not as the writer writes it.
struct ProjectReadResult {
    bool ok = false;
    int error = 0;
    int line = 0;
    std::string reason;
};

// No project comes near this size; a larger file is refused before it is read (error EFBIG).
constexpr std::uintmax_t kMaxProjectFileBytes = 1 << 20;

// Reads a file written by WriteProjectLines: the project and its documentation are replaced
// only when the whole file was read. Safe to run for different projects on several threads
// at once. The caller recalculates.
ProjectReadResult ReadProjectFile(ProjectData& project, Documentation& docu,
                                  const std::string& path);

} // namespace vak1
