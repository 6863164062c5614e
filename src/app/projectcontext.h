// The project file's view of the program, built from App by the commands.
#pragma once
#include "app/App.h"
#include "app/projectfiles.h"

namespace vak1 {

inline ProjectLocation ProjectLocationOf(App& app) {
    return {app.State.ProjectName, app.State.ProjectDir, app.State.ProjectFile};
}

inline ProjectFileContext ProjectFileOf(App& app) {
    return {app.Project, app.Docu, app.Config, ProjectLocationOf(app), app.State.CommandLineFile,
            Dialogs(app)};
}

} // namespace vak1
