// The position list as a table: one row per position with the texts of its columns, and the
// position itself, so that a front end can draw the contour beside the list.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

struct PositionRow {
    std::string number, y, z, phi; // UTF-8, formatted as the position line shows them
    long double yMm = 0, zMm = 0;  // the position in mm
    long double phiRad = 0;        // arc angle to the next position
};

struct PositionTable {
    std::vector<PositionRow> rows;     // row k - 1 is position k
    std::string lengthUnit, angleUnit; // UTF-8: "mm" or "in", "°" or "deg"
};

} // namespace vak1
