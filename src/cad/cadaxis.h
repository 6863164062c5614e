// Labelled lines with an arrow head: the axes of the centroid and the point arrows.
#pragma once
#include <string>

namespace vak1 {

struct CadContext;

// A line of the given length centred on (x, y) at angle (radians), arrow head and " label"
// at its tip.
void CadAxis(const CadContext& cx, const std::string& label, long double x, long double y,
             long double length, long double angle);
// From the first point to the second, head and label at the second.
void CadArrow(const CadContext& cx, const std::string& label, long double x1, long double y1,
              long double x2, long double y2);

} // namespace vak1
