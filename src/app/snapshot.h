// The project as the user changes it, kept whole so that a change can be taken back: the
// contour, the body data, the texts, the drawing options and the documentation. The name
// stays out: taking back an edit never points the project at another file.
#pragma once
#include <memory>
#include <string>

#include "docu/Documentation.h"
#include "model/ProjectData.h"

namespace vak1 {

struct App;

struct ProjectSnapshot {
    ProjectData project;
    Documentation docu;
};

std::shared_ptr<const ProjectSnapshot> TakeSnapshot(const App& app);
// True when the two hold the same inputs; results and polygon are derived and not compared.
bool SameProject(const ProjectSnapshot& a, const ProjectSnapshot& b);
// Puts the project back as it was taken, recalculates it and shows its picture.
void RestoreSnapshot(App& app, const ProjectSnapshot& s);

} // namespace vak1
