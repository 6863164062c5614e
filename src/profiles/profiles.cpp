// The contours of the sections: each shape is a polygon of corners, each corner with its
// radius; a rounded corner becomes the two tangent points with the arc between them.
#include "profiles/profiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

struct Corner {
    long double y = 0, z = 0, r = 0;
};

std::string Number(long double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6Lg", v);
    return buf;
}

// The German messages of the checks.
bool Fail(std::string& error, const std::string& utf8) {
    error = cp850(utf8);
    return false;
}

// Lengths beyond the coordinate range could not be calculated or shown.
bool InRange(std::string& error, const char* name, long double v) {
    if (v <= kCoordinateMax) return true;
    return Fail(error, std::string(name) + " ist zu groß: höchstens 1e9 mm.");
}

bool Positive(std::string& error, const char* name, long double v) {
    if (!(std::isfinite(v) && v > 0))
        return Fail(error, std::string(name) + " muß größer als 0 sein.");
    return InRange(error, name, v);
}

bool NotNegative(std::string& error, const char* name, long double v) {
    if (!(std::isfinite(v) && v >= 0))
        return Fail(error, std::string(name) + " darf nicht negativ sein.");
    return InRange(error, name, v);
}

bool Below(std::string& error, const char* name, long double v, const char* boundName,
           long double bound) {
    if (v < bound) return true;
    return Fail(error, std::string(name) + " muß kleiner als " + boundName + " sein (" + name +
                           " = " + Number(v) + " mm, " + boundName + " = " + Number(bound) +
                           " mm).");
}

bool RadiusFits(std::string& error, const char* name, long double r, long double room) {
    if (r <= room * (1 + 1e-12L)) return true;
    return Fail(error, std::string(name) + " = " + Number(r) + " mm ist zu groß: höchstens " +
                           Number(std::max(room, 0.0L)) + " mm.");
}

// The positions of a closed polygon traced in the order of its corners. With a start point
// (on the straight edge from the last corner to the first) the loop begins and ends there,
// so that another loop can follow through a slit; without one it begins at the first corner
// and the straight closing edge of the contour ends it.
void AppendLoop(std::vector<TPosition>& out, const std::vector<Corner>& corners,
                const Corner* start = nullptr) {
    if (start) out.push_back({start->y, start->z, 0});
    const std::size_t n = corners.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Corner& c = corners[k];
        if (c.r <= 0) {
            out.push_back({c.y, c.z, 0});
            continue;
        }
        const Corner& p = corners[(k + n - 1) % n];
        const Corner& q = corners[(k + 1) % n];
        long double y1 = c.y - p.y, z1 = c.z - p.z, y2 = q.y - c.y, z2 = q.z - c.z;
        const long double l1 = std::hypot(y1, z1), l2 = std::hypot(y2, z2);
        y1 /= l1, z1 /= l1, y2 /= l2, z2 /= l2;
        // Left turns are convex corners of a counter-clockwise loop: positive arcs.
        const long double turn = std::atan2(y1 * z2 - z1 * y2, y1 * y2 + z1 * z2);
        const long double tangent = c.r * std::tan(std::fabs(turn) / 2);
        out.push_back({c.y - y1 * tangent, c.z - z1 * tangent, turn});
        out.push_back({c.y + y2 * tangent, c.z + z2 * tangent, 0});
    }
    if (start) out.push_back({start->y, start->z, 0});
}

bool RolledI(long double h, long double b, long double tw, long double tf, long double r,
             std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "h", h) || !Positive(error, "b", b) || !Positive(error, "tw", tw) ||
        !Positive(error, "tf", tf) || !NotNegative(error, "r", r) ||
        !Below(error, "tf", tf, "h/2", h / 2) || !Below(error, "tw", tw, "b", b) ||
        !RadiusFits(error, "r", r, std::min((b - tw) / 2, h / 2 - tf)))
        return false;
    const long double H = h / 2, B = b / 2, w = tw / 2, f = H - tf;
    AppendLoop(out, {{-B, -H, 0},
                     {B, -H, 0},
                     {B, -f, 0},
                     {w, -f, r},
                     {w, f, r},
                     {B, f, 0},
                     {B, H, 0},
                     {-B, H, 0},
                     {-B, f, 0},
                     {-w, f, r},
                     {-w, -f, r},
                     {-B, -f, 0}});
    return true;
}

bool Channel(long double h, long double b, long double tw, long double tf, long double r,
             std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "h", h) || !Positive(error, "b", b) || !Positive(error, "tw", tw) ||
        !Positive(error, "tf", tf) || !NotNegative(error, "r", r) ||
        !Below(error, "tf", tf, "h/2", h / 2) || !Below(error, "tw", tw, "b", b) ||
        !RadiusFits(error, "r", r, std::min(b - tw, h / 2 - tf)))
        return false;
    const long double H = h / 2, B = b / 2, f = H - tf, web = -B + tw;
    AppendLoop(out, {{-B, -H, 0},
                     {B, -H, 0},
                     {B, -f, 0},
                     {web, -f, r},
                     {web, f, r},
                     {B, f, 0},
                     {B, H, 0},
                     {-B, H, 0}});
    return true;
}

bool Angle(long double h, long double b, long double t, long double r1, long double r2,
           std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "h", h) || !Positive(error, "b", b) || !Positive(error, "t", t) ||
        !NotNegative(error, "r1", r1) || !NotNegative(error, "r2", r2) ||
        !Below(error, "t", t, "b", b) || !Below(error, "t", t, "h", h) ||
        !RadiusFits(error, "r2", r2, t) ||
        !RadiusFits(error, "r1", r1, std::min(b - t, h - t) - r2))
        return false;
    const long double H = h / 2, B = b / 2;
    AppendLoop(out, {{-B, -H, 0},
                     {B, -H, 0},
                     {B, -H + t, r2},
                     {-B + t, -H + t, r1},
                     {-B + t, H, r2},
                     {-B, H, 0}});
    return true;
}

bool Tee(long double h, long double b, long double tw, long double tf, long double r,
         std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "h", h) || !Positive(error, "b", b) || !Positive(error, "tw", tw) ||
        !Positive(error, "tf", tf) || !NotNegative(error, "r", r) ||
        !Below(error, "tf", tf, "h", h) || !Below(error, "tw", tw, "b", b) ||
        !RadiusFits(error, "r", r, std::min((b - tw) / 2, h - tf)))
        return false;
    const long double H = h / 2, B = b / 2, w = tw / 2, f = H - tf;
    AppendLoop(out, {{-w, -H, 0},
                     {w, -H, 0},
                     {w, f, r},
                     {B, f, 0},
                     {B, H, 0},
                     {-B, H, 0},
                     {-B, f, 0},
                     {-w, f, r}});
    return true;
}

bool CircHollow(long double d, long double t, std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "D", d) || !Positive(error, "t", t) || !Below(error, "t", t, "D/2", d / 2))
        return false;
    // Two half circles each: an arc of a full turn would leave its circle open.
    const long double R = d / 2, ri = R - t;
    out.insert(out.end(), {{0, -R, kPi}, {0, R, kPi}, {0, -R, 0}});
    out.insert(out.end(), {{0, -ri, -kPi}, {0, ri, -kPi}, {0, -ri, 0}});
    return true;
}

bool RoundBar(long double d, std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "D", d)) return false;
    const long double R = d / 2;
    out.insert(out.end(), {{0, -R, kPi}, {0, R, kPi}, {0, -R, 0}});
    return true;
}

bool Rectangle(long double h, long double b, std::vector<TPosition>& out, std::string& error) {
    if (!Positive(error, "h", h) || !Positive(error, "b", b)) return false;
    const long double H = h / 2, B = b / 2;
    AppendLoop(out, {{-B, -H, 0}, {B, -H, 0}, {B, H, 0}, {-B, H, 0}});
    return true;
}

} // namespace

const std::vector<ParametricShape>& ParametricShapes() {
    static const std::vector<ParametricShape> shapes = {
        {ProfileShape::RolledI,
         "I-Profil",
         "I",
         {"h", "b", "tw", "tf", "r"},
         {200, 100, 5.6L, 8.5L, 12},
         4},
        {ProfileShape::Channel,
         "U-Profil",
         "U",
         {"h", "b", "tw", "tf", "r"},
         {200, 75, 8.5L, 11.5L, 11},
         4},
        {ProfileShape::Angle,
         "L-Profil",
         "L",
         {"h", "b", "t", "r1", "r2"},
         {100, 80, 10, 10, 5},
         3},
        {ProfileShape::Tee, "T-Profil", "T", {"h", "b", "tw", "tf", "r"}, {100, 100, 11, 11, 6}, 4},
        {ProfileShape::RectHollow,
         "Rechteckrohr",
         "RHS",
         {"h", "b", "t", "r"},
         {200, 100, 8, 16},
         3},
        {ProfileShape::CircHollow, "Rundrohr", "CHS", {"D", "t"}, {114.3L, 6.3L}, 2},
        {ProfileShape::Rectangle, "Rechteck", "FL", {"h", "b"}, {100, 20}, 2},
        {ProfileShape::RoundBar, "Rundstahl", "RD", {"D"}, {50}, 1},
    };
    return shapes;
}

bool ParametricContour(ProfileShape shape, const std::vector<long double>& values,
                       std::vector<TPosition>& out, std::string& error) {
    out.clear();
    std::size_t needed = 0;
    for (const ParametricShape& s : ParametricShapes())
        if (s.shape == shape) needed = s.labels.size();
    if (values.size() != needed) return Fail(error, "Die Maße des Profils fehlen.");
    const auto& v = values;
    switch (shape) {
    case ProfileShape::RolledI:
        return RolledI(v[0], v[1], v[2], v[3], v[4], out, error);
    case ProfileShape::Channel:
        return Channel(v[0], v[1], v[2], v[3], v[4], out, error);
    case ProfileShape::Angle:
        return Angle(v[0], v[1], v[2], v[3], v[4], out, error);
    case ProfileShape::Tee:
        return Tee(v[0], v[1], v[2], v[3], v[4], out, error);
    case ProfileShape::RectHollow:
        return RectHollowContour(v[0], v[1], v[2], v[3], std::max(v[3] - v[2], 0.0L), out, error);
    case ProfileShape::CircHollow:
        return CircHollow(v[0], v[1], out, error);
    case ProfileShape::Rectangle:
        return Rectangle(v[0], v[1], out, error);
    case ProfileShape::RoundBar:
        return RoundBar(v[0], out, error);
    }
    return false;
}

std::string ParametricDesignation(ProfileShape shape, const std::vector<long double>& values) {
    std::string text;
    std::size_t named = values.size();
    for (const ParametricShape& s : ParametricShapes())
        if (s.shape == shape) text = s.prefix, named = std::min(named, s.named);
    for (std::size_t k = 0; k < named; ++k)
        text += (k == 0 ? " " : "x") + Number(values[k]);
    return text;
}

void HollowCornerRadii(long double t, HollowMaking making, long double& outer, long double& inner) {
    if (making == HollowMaking::HotFinished) {
        outer = 1.5L * t;
        inner = t;
        return;
    }
    outer = t <= 6 ? 2 * t : t <= 10 ? 2.5L * t : 3 * t;
    inner = outer - t;
}

bool RectHollowContour(long double h, long double b, long double t, long double outer,
                       long double inner, std::vector<TPosition>& out, std::string& error) {
    out.clear();
    if (!Positive(error, "h", h) || !Positive(error, "b", b) || !Positive(error, "t", t) ||
        !NotNegative(error, "r", outer) || !NotNegative(error, "r innen", inner) ||
        !Below(error, "t", t, "b/2", b / 2) || !Below(error, "t", t, "h/2", h / 2) ||
        !RadiusFits(error, "r", outer, std::min(b, h) / 2) ||
        !RadiusFits(error, "r innen", inner, std::min(b, h) / 2 - t))
        return false;
    const long double H = h / 2, B = b / 2, Hi = H - t, Bi = B - t;
    const Corner start{0, -H, 0}, innerStart{0, -Hi, 0};
    AppendLoop(out, {{B, -H, outer}, {B, H, outer}, {-B, H, outer}, {-B, -H, outer}}, &start);
    AppendLoop(out, {{-Bi, -Hi, inner}, {-Bi, Hi, inner}, {Bi, Hi, inner}, {Bi, -Hi, inner}},
               &innerStart);
    return true;
}

void SetProjectContour(ProjectData& project, const std::vector<TPosition>& contour,
                       const std::string& designation) {
    project.ResetContour();
    const std::size_t n = std::min<std::size_t>(contour.size(), kMaxPositions);
    project.Positions.assign(contour.begin(), contour.begin() + static_cast<std::ptrdiff_t>(n));
    project.DrawingName = designation.substr(0, kDrawingNameLength);
}

} // namespace vak1
