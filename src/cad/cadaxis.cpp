// Axis and arrow drawing on the CAD layer.
#include "cad/cadaxis.h"

#include <cmath>

#include "cad/cad.h"

namespace vak1 {

void CadAxis(const CadContext& cx, const std::string& label, long double x, long double y,
             long double length, long double angle) {
    const long double c = std::cos(angle), s = std::sin(angle);
    const long double tx = x + c * length / 2, ty = y + s * length / 2;
    CadLine(cx, x - c * length / 2, y - s * length / 2, tx, ty);
    const long double a = 0.05L * length, b = a / 6;
    CadSolid(cx, tx, ty, tx - c * a - s * b, ty - s * a + c * b, tx - c * a + s * b,
             ty - s * a - c * b, tx, ty);
    CadText(cx, " " + label, tx, ty);
}

void CadArrow(const CadContext& cx, const std::string& label, long double x1, long double y1,
              long double x2, long double y2) {
    const long double dx = x2 - x1, dy = y2 - y1;
    CadAxis(cx, label, (x1 + x2) / 2, (y1 + y2) / 2, std::sqrt(dx * dx + dy * dy),
            std::atan2(dy, dx));
}

} // namespace vak1
