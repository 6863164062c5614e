// Opening and saving the project file with the user: target choice, archive mode, overwrite
// question and the messages of a failed read or write.
#pragma once
#include <string>

#include "dialogs/dialogs.h"
#include "project/projectfile.h"

namespace vak1 {

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

} // namespace vak1
