// Standard and parametric steel sections as contours: positions with the arc angles of their
// root, toe and corner radii, ready to replace the project's contour.
#pragma once
#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace vak1 {

// The shapes a contour can be made of. Every contour runs counter-clockwise with the centre
// of its bounding box at the origin, h along z and b along y; a root radius is a concave arc
// (negative angle), a rounded outer corner a convex one. Hollow sections are the outer
// contour, then the inner one clockwise, joined by a slit of zero width at the bottom, so
// that the area is the outer one less the inner one.
enum class ProfileShape {
    RolledI,    // h, b, tw, tf, r: I and H sections with parallel flanges
    Channel,    // h, b, tw, tf, r: U with parallel flanges, web on the left
    Angle,      // h, b, t, r1 (root), r2 (toes): L with the heel at the bottom left
    Tee,        // h, b, tw, tf, r: T with the flange on top
    RectHollow, // h, b, t, outer corner radius (the inner one is the outer less t)
    CircHollow, // D, t
    Rectangle,  // h, b
    RoundBar,   // D
};

// What the window shows of a parametric shape: its name, the labels of its values in order,
// and values to start with.
struct ParametricShape {
    ProfileShape shape;
    std::string name;   // code page 850
    const char* prefix; // first word of the designation
    std::vector<std::string> labels;
    std::vector<long double> defaults;
    std::size_t named; // the leading values the designation names (not the radii)
};
const std::vector<ParametricShape>& ParametricShapes();

// The contour of a parametric shape from its values in the order of its labels (mm). False,
// with a German message (code page 850) naming the value, when the values make no section:
// a value not positive, a flange or wall too thick, a radius that does not fit.
bool ParametricContour(ProfileShape shape, const std::vector<long double>& values,
                       std::vector<TPosition>& out, std::string& error);

// The designation of a parametric section as the name line takes it: its main dimensions
// without the radii ("L 100x80x10").
std::string ParametricDesignation(ProfileShape shape, const std::vector<long double>& values);

// Corner radii of rectangular hollow sections by their making.
enum class HollowMaking {
    HotFinished, // outer 1.5 t, inner 1.0 t
    ColdFormed,  // outer 2 t (t <= 6), 2.5 t (6 < t <= 10), 3 t (t > 10); inner outer - t
};
void HollowCornerRadii(long double t, HollowMaking making, long double& outer, long double& inner);

// A rectangular hollow section with its two corner radii given apart.
bool RectHollowContour(long double h, long double b, long double t, long double outer,
                       long double inner, std::vector<TPosition>& out, std::string& error);

// Puts a contour into the project: the positions 1..n (the other slots reset) and the
// designation as the name line. The caller recalculates.
void SetProjectContour(ProjectData& project, const std::vector<TPosition>& contour,
                       const std::string& designation);

} // namespace vak1
