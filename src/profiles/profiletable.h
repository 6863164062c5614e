// The table of standard sections, "profiles.dbf": one record per section with its series,
// designation, kind and dimensions. Any record the user adds is offered like the shipped ones.
#pragma once
#include <string>
#include <vector>

#include "profiles/profiles.h"

namespace vak1 {

inline constexpr const char* kProfileTableName = "profiles.dbf";

// One section of the table; texts in code page 850, lengths in mm (0 where the table has none).
// kind: "I" rolled I/H (h, b, tw, tf, r), "U" channel and "T" tee (the same values), "L" angle
// (h, b, t, r as root radius), "RH" rectangular hollow (h, b, t), "C" circular hollow (h as
// the outside diameter D, t).
struct ProfileRow {
    std::string series, designation, kind;
    long double h = 0, b = 0, tw = 0, tf = 0, r = 0, t = 0;
};

// The table's path in the first of the folders that has it; empty when none has it.
std::string FindProfileTable(const std::vector<std::string>& folders);

// Reads the records not marked as deleted. False, with a message naming the file, when the
// table cannot be opened or lacks a field.
bool ReadProfileTable(const std::string& path, std::vector<ProfileRow>& rows, std::string& error);

// The series of the rows in the order they first appear.
std::vector<std::string> ProfileSeries(const std::vector<ProfileRow>& rows);

// The contour of a row; making chooses the corner radii of rectangular hollow sections. False
// with a message (code page 850) that names the designation when its values make no section.
bool ProfileRowContour(const ProfileRow& row, HollowMaking making, std::vector<TPosition>& out,
                       std::string& error);

// The row of that designation (blanks and case do not count); nullptr when there is none.
const ProfileRow* FindProfile(const std::vector<ProfileRow>& rows, const std::string& designation);

} // namespace vak1
