// The section window (Edit -> "Profil") as the core hands it to the desktop: the families on
// the left, the sizes of a standard series or the values of a parametric shape on the right,
// the choice of corner radii of hollow sections and a preview of the contour.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/positiontable.h"

namespace vak1 {

// One family; texts in UTF-8. A standard series has columns and sizes (the designation
// first); a parametric shape has labels and the values as typed.
struct ProfileFamilyView {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> sizes;
    std::vector<std::string> labels;
    std::vector<std::string> values;
    bool hollow = false; // the choice of hot-finished or cold-formed corners applies
};

// family and size (0-based) and the corner choice come in as proposed and go back as chosen,
// with the values as typed. contour gives the contour of the choice as it stands, or false
// with the reason (UTF-8) why it makes no section.
struct ProfileDialogData {
    std::string caption;
    std::vector<ProfileFamilyView> families;
    int family = 0;
    int size = 0;
    bool coldFormed = false;
    std::function<bool(const ProfileDialogData& data, PositionTable& contour, std::string& error)>
        contour;
};

} // namespace vak1
