// What the section window shows and what its choice makes: the families of the table's
// series, then the parametric shapes.
#pragma once
#include <string>
#include <vector>

#include "platform/profileform.h"
#include "profiles/profiletable.h"

namespace vak1 {

// The window's data over the rows of the table (which must outlive it); the contour of each
// choice comes from the rows and the shapes.
ProfileDialogData MakeProfileDialog(const std::vector<ProfileRow>& rows);

// The contour and designation (code page 850) of the window's choice. False with the reason
// (code page 850) when the choice makes no section.
bool ProfileChoiceContour(const ProfileDialogData& data, const std::vector<ProfileRow>& rows,
                          std::vector<TPosition>& contour, std::string& designation,
                          std::string& error);

} // namespace vak1
