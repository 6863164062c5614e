// The project file: a line file holding the contour, the body data, the drawing texts, the
// drawing documentation and the drawing options.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/dialogs.h"

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

// What writing the project file reads and changes. commandLineFile is set while the project
// came from the command line; archive mode then lets nothing but "aktuell" be written, and
// without archive mode the first write clears it.
struct ProjectFileContext {
    const ProjectData& project;
    Documentation& docu; // the change descriptions are stored with "|" for line breaks
    const Settings& config;
    ProjectLocation location;
    bool& commandLineFile;
    DialogContext dialogs;
};

// The project takes the name (file name without extension), folder and file of path.
void NameProjectAfter(const ProjectLocation& where, const std::string& path);

// Writes the project. An empty name asks for the target with the save dialog; a name with
// a "." is the whole path; any other name goes into the project folder. The previous file
// stays untouched unless every line was written. Failure or cancel sets AbortFlag; the
// project in memory never changes (ModifiedFlag is the caller's).
void WriteProject(const ProjectFileContext& c, const std::string& name);

// Reads a file written by WriteProject. The project and its documentation are replaced only
// when the whole file was read; otherwise one message names the file and the line, AbortFlag
// is set and nothing changes. The caller recalculates.
void ReadProject(ProjectData& project, Documentation& docu, const DialogContext& d,
                 const std::string& path);

// What reading a project file without dialogs found: ok, or the errno of a failed read
// (error), or the line and reason of the first line not as the writer writes it.
struct ProjectReadResult {
    bool ok = false;
    int error = 0;
    int line = 0;
    std::string reason;
};

// No project comes near this size; a larger file is refused before it is read (error EFBIG).
constexpr std::uintmax_t kMaxProjectFileBytes = 1 << 20;

// ReadProject without its dialogs: the project and its documentation are replaced only when
// the whole file was read. Safe to run for different projects on several threads at once.
ProjectReadResult ReadProjectFile(ProjectData& project, Documentation& docu,
                                  const std::string& path);

} // namespace vak1
