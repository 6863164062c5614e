// Edit -> "Profil": a standard or parametric section replaces the contour.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

struct App;

// The folders "profiles.dbf" is looked for in, in order: the dBase folder (where users keep
// their own copy with added rows), then the installation's data folder.
std::vector<std::string> ProfileTableFolders(const App& app);

// After the save-changes question, the section window; "OK" replaces the contour, names the
// project after the section and calculates it. Cancel sets AbortFlag.
void EditProfile(App& app);

} // namespace vak1
