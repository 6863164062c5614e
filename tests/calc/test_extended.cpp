// Pins the extended section values against closed forms: elastic and plastic moduli of
// rectangles in any orientation, exact arcs of circles and pipes, perimeters with slits, and
// the plastic axis of an unsymmetric section checked by an independent strip integration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "calc/extended.h"
#include "project/calculation.h"

using namespace vak1;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

struct Section {
    ProjectData p;
    MessageList msgs;
    NumberStyle s;

    explicit Section(const std::vector<TPosition>& contour, long double division = 5) {
        p.ResetContour();
        p.ArcDivision = division;
        for (const auto& pos : contour)
            p.Positions.push_back(pos);
        CalcSection(p, msgs, s);
    }
};

// Rectangle b x h, centre (yc, zc), turned by angle a; clockwise when cw.
std::vector<TPosition> Rectangle(long double b, long double h, long double yc, long double zc,
                                 long double a, bool cw) {
    const long double corners[4][2] = {
        {-b / 2, -h / 2}, {b / 2, -h / 2}, {b / 2, h / 2}, {-b / 2, h / 2}};
    std::vector<TPosition> out;
    for (const auto& c : corners)
        out.push_back({yc + c[0] * std::cos(a) - c[1] * std::sin(a),
                       zc + c[0] * std::sin(a) + c[1] * std::cos(a), 0});
    if (cw) std::reverse(out.begin(), out.end());
    return out;
}

long double Rel(long double a, long double b) {
    return std::fabs(a - b) / std::fabs(b);
}

} // namespace

TEST(ExtendedValues, RectangleModuliAndShapeFactorInAnyOrientation) {
    struct Case {
        long double b, h, yc, zc, angle;
        bool cw;
    };
    const Case cases[] = {{100, 50, 50, 25, 0, false},
                          {100, 50, 50, 25, 0, true},
                          {30, 200, -40, 70, 0.5L, false},
                          {80, 20, 10, -5, -1.2L, true}};
    for (const Case& c : cases) {
        Section sec(Rectangle(c.b, c.h, c.yc, c.zc, c.angle, c.cw));
        ASSERT_EQ(sec.p.CalcError, 0);
        ExtendedValues x;
        ASSERT_TRUE(ComputeExtendedValues(sec.p, x));
        const long double big = std::max(c.b, c.h), small = std::min(c.b, c.h);
        const long double A = c.b * c.h;
        EXPECT_LT(Rel(x.A, A), 1e-15L);
        EXPECT_LT(Rel(x.U, 2 * (c.b + c.h)), 1e-15L);
        // Axis 1 runs across the long side: I1 = small big^3 / 12.
        EXPECT_LT(Rel(x.axis1.I, small * big * big * big / 12), 1e-13L) << c.b;
        EXPECT_LT(Rel(x.axis1.i, big / std::sqrt(12.0L)), 1e-13L);
        EXPECT_LT(Rel(x.axis2.i, small / std::sqrt(12.0L)), 1e-13L);
        for (const AxisModuli* m : {&x.axis1, &x.axis2}) {
            const long double side = m == &x.axis1 ? big : small;
            EXPECT_LT(Rel(m->ePos, side / 2), 1e-13L);
            EXPECT_LT(Rel(m->eNeg, side / 2), 1e-13L);
            EXPECT_LT(Rel(m->WPos, A * side / 6), 1e-13L);
            EXPECT_LT(Rel(m->WNeg, A * side / 6), 1e-13L);
        }
        for (const PlasticAxis* pl : {&x.plastic1, &x.plastic2}) {
            const long double side = pl == &x.plastic1 ? big : small;
            EXPECT_LT(Rel(pl->Wpl, A * side / 4), 1e-12L) << c.b << " " << c.angle;
            EXPECT_NEAR(pl->shapeFactor, 1.5L, 1e-12L);
            EXPECT_NEAR(pl->offset, 0, 1e-9L * side);
            EXPECT_NEAR(pl->y, c.yc, 1e-9L * side);
            EXPECT_NEAR(pl->z, c.zc, 1e-9L * side);
        }
        if (c.angle == 0) { // the centroidal axes are the principal ones
            EXPECT_LT(Rel(x.y.WPos, c.b * c.h * c.h / 6), 1e-13L);
            EXPECT_LT(Rel(x.z.WNeg, c.h * c.b * c.b / 6), 1e-13L);
            EXPECT_LT(Rel(x.y.i, c.h / std::sqrt(12.0L)), 1e-13L);
        }
    }
}

// The extreme fibres of an unsymmetric section differ per side: a T whose flange is on top.
TEST(ExtendedValues, ExtremeFibresOnEachSide) {
    Section t({{-5, 0, 0},
               {5, 0, 0},
               {5, 90, 0},
               {50, 90, 0},
               {50, 100, 0},
               {-50, 100, 0},
               {-50, 90, 0},
               {-5, 90, 0}});
    ExtendedValues x;
    ASSERT_TRUE(ComputeExtendedValues(t.p, x));
    const long double zs = t.p.R.zs;
    EXPECT_NEAR(x.y.ePos, 100 - zs, 1e-12L);
    EXPECT_NEAR(x.y.eNeg, zs, 1e-12L);
    EXPECT_NEAR(x.y.WPos, t.p.R.IyS / (100 - zs), 1e-9L);
    EXPECT_NEAR(x.y.WNeg, t.p.R.IyS / zs, 1e-9L);
    EXPECT_NEAR(x.z.ePos, 50, 1e-12L);
    // Axis 1 is the y axis. Equal areas: web 900 mm2 + flange 1000 mm2, so the plastic axis
    // cuts the flange 9.5 mm below its top: z = 90.5.
    EXPECT_NEAR(x.angle1, 0, 1e-15L);
    EXPECT_NEAR(x.plastic1.z, 90.5L, 1e-9L);
    EXPECT_NEAR(x.plastic1.y, t.p.R.ys, 1e-9L);
}

// Circles and pipes built from arcs: the exact-arc values meet the closed forms, the chord
// values fall short by the known amount.
TEST(ExactArcs, CirclesAndPipesMeetTheClosedForms) {
    struct Case {
        const char* name;
        std::vector<TPosition> contour;
        long double A, I, U; // exact area, centroidal moment, perimeter
        long double yc, zc;
    };
    const long double R = 50, r = 40;
    const Case cases[] = {
        {"circle",
         {{R, 0, kPi}, {-R, 0, kPi}, {R, 0, 0}},
         kPi * R * R,
         kPi * R * R * R * R / 4,
         2 * kPi * R,
         0,
         0},
        {"shifted circle, three arcs, clockwise",
         {{130, 20, -2 * kPi / 3},
          {80 + R * std::cos(-2 * kPi / 3), 20 + R * std::sin(-2 * kPi / 3), -2 * kPi / 3},
          {80 + R * std::cos(2 * kPi / 3), 20 + R * std::sin(2 * kPi / 3), -2 * kPi / 3},
          {130, 20, 0}},
         -kPi * R * R,
         kPi * R * R * R * R / 4,
         2 * kPi * R,
         80,
         20},
        {"pipe with a slit",
         {{R, 0, kPi}, {-R, 0, kPi}, {R, 0, 0}, {r, 0, -kPi}, {-r, 0, -kPi}, {r, 0, 0}},
         kPi * (R * R - r * r),
         kPi * (R * R * R * R - r * r * r * r) / 4,
         2 * kPi * (R + r),
         0,
         0},
    };
    for (const Case& c : cases) {
        Section sec(c.contour);
        ASSERT_EQ(sec.p.CalcError, 0) << c.name;
        ExactSectionValues e;
        ASSERT_TRUE(ComputeExactArcValues(sec.p, sec.s, e)) << c.name;
        const long double sign = c.A < 0 ? -1 : 1;
        EXPECT_LT(Rel(e.A, c.A), 1e-12L) << c.name;
        EXPECT_LT(Rel(e.IyS, sign * c.I), 1e-12L) << c.name;
        EXPECT_LT(Rel(e.IzS, sign * c.I), 1e-12L) << c.name;
        EXPECT_NEAR(e.IyzS / c.I, 0, 1e-12L) << c.name;
        EXPECT_LT(Rel(e.I1, c.I), 1e-12L) << c.name;
        EXPECT_LT(Rel(e.I2, c.I), 1e-12L) << c.name;
        EXPECT_NEAR(e.ys, c.yc, 1e-12L * R) << c.name;
        EXPECT_NEAR(e.zs, c.zc, 1e-12L * R) << c.name;
        EXPECT_LT(Rel(e.U, c.U), 1e-15L) << c.name;
        // The chords lie inside the circle: area and moments of the calculation are smaller.
        EXPECT_LT(std::fabs(sec.p.R.A), std::fabs(e.A)) << c.name;
        EXPECT_LT(sec.p.R.I1, e.I1) << c.name;
    }
}

// Two positions joined by an arc were refused as if their exact area were 0.
TEST(ExactArcs, TwoPositionsWithAnArcBoundTheirSegment) {
    struct Case {
        const char* name;
        std::vector<TPosition> contour;
        long double A, ys, zs;
    };
    const long double R = 50, t = 2; // t: angle of the segment's arc
    const long double c = std::cos(t / 2), s = std::sin(t / 2);
    const Case cases[] = {
        {"half circle", {{R, 0, kPi}, {-R, 0, 0}}, kPi * R * R / 2, 0, 4 * R / (3 * kPi)},
        {"segment",
         {{R * c, -R * s, t}, {R * c, R * s, 0}},
         R * R / 2 * (t - std::sin(t)),
         4 * R * s * s * s / (3 * (t - std::sin(t))),
         0},
    };
    for (const Case& k : cases) {
        Section sec(k.contour);
        ASSERT_EQ(sec.p.CalcError, 0) << k.name;
        ExactSectionValues e;
        ASSERT_TRUE(ComputeExactArcValues(sec.p, sec.s, e)) << k.name;
        EXPECT_LT(Rel(e.A, k.A), 1e-12L) << k.name;
        EXPECT_NEAR(e.ys, k.ys, 1e-12L * R) << k.name;
        EXPECT_NEAR(e.zs, k.zs, 1e-12L * R) << k.name;
    }
}

// A circle of r 1 at 1e6 came out 10 % off: the exact arcs are integrated about the first
// position, so their digits stay wherever the section lies.
TEST(ExtendedValues, ExactArcsFarFromTheOriginKeepTheirDigits) {
    for (const long double at : {0.0L, 1e6L, -1e8L, 1e9L - 2}) {
        Section sec({{at + 1, at, kPi}, {at - 1, at, kPi}, {at + 1, at, 0}});
        ExactSectionValues e;
        ASSERT_TRUE(ComputeExactArcValues(sec.p, sec.s, e)) << static_cast<double>(at);
        EXPECT_NEAR(e.I1 / (kPi / 4), 1, 1e-9L) << static_cast<double>(at);
        EXPECT_NEAR(e.I2 / (kPi / 4), 1, 1e-9L) << static_cast<double>(at);
        EXPECT_NEAR(e.ys, at, 1e-9L) << static_cast<double>(at);
    }
}

// With 5 degree chords a full circle is the regular 72-gon: the polygon perimeter is its
// perimeter, and the exact one is the circle's.
TEST(ExtendedValues, PerimeterOfTheChordPolygonLeavesSlitsOut) {
    const long double R = 50, r = 40;
    Section circle({{R, 0, kPi}, {-R, 0, kPi}, {R, 0, 0}});
    Section pipe({{R, 0, kPi}, {-R, 0, kPi}, {R, 0, 0}, {r, 0, -kPi}, {-r, 0, -kPi}, {r, 0, 0}});
    ExtendedValues c, p;
    ASSERT_TRUE(ComputeExtendedValues(circle.p, c));
    ASSERT_TRUE(ComputeExtendedValues(pipe.p, p));
    const long double chordFactor = 72 * 2 * std::sin(kPi / 72);
    EXPECT_LT(Rel(c.U, chordFactor * R), 1e-13L);
    EXPECT_LT(Rel(p.U, chordFactor * (R + r)), 1e-13L);
}

// The strip integral of an independent kind: the width of the polygon at level v (even-odd
// crossings) is linear between vertex levels, so Simpson's rule per interval gives the area
// and the first moment above a cut without error.
struct Strips {
    std::vector<std::pair<long double, long double>> pts; // (u, v)

    long double Width(long double v) const {
        std::vector<long double> xs;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            auto [u1, v1] = pts[i];
            auto [u2, v2] = pts[(i + 1) % pts.size()];
            if ((v1 <= v) != (v2 <= v)) xs.push_back(u1 + (v - v1) / (v2 - v1) * (u2 - u1));
        }
        std::sort(xs.begin(), xs.end());
        long double w = 0;
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
            w += xs[k + 1] - xs[k];
        return w;
    }
    // Area and first moment about v = cut of the part above cut.
    std::pair<long double, long double> Above(long double cut) const {
        std::vector<long double> levels{cut};
        for (auto [u, v] : pts)
            if (v > cut) levels.push_back(v);
        std::sort(levels.begin(), levels.end());
        long double A = 0, S = 0;
        for (std::size_t k = 0; k + 1 < levels.size(); ++k) {
            const long double a = levels[k], b = levels[k + 1], m = (a + b) / 2;
            if (b == a) continue;
            const long double e = 1e-12L * (b - a);
            const long double wa = Width(a + e), wm = Width(m), wb = Width(b - e);
            A += (b - a) * (wa + 4 * wm + wb) / 6;
            S += (b - a) * ((a - cut) * wa + 4 * (m - cut) * wm + (b - cut) * wb) / 6;
        }
        return {A, S};
    }
};

TEST(ExtendedValues, PlasticAxesOfTheLProfileHalveTheArea) {
    const long double quarter = kPi / 2;
    Section l({{0, 0, 0},
               {100, 0, 0},
               {100, 10, 0},
               {20, 10, -quarter},
               {10, 20, 0},
               {10, 80, 0},
               {0, 80, 0}});
    ExtendedValues x;
    ASSERT_TRUE(ComputeExtendedValues(l.p, x));
    EXPECT_GT(std::fabs(std::sin(x.angle1)), 0.1L); // principal axes are inclined
    for (int axis = 1; axis <= 2; ++axis) {
        const PlasticAxis& pl = axis == 1 ? x.plastic1 : x.plastic2;
        const long double a = axis == 1 ? x.angle1 : x.angle1 + kPi / 2;
        const long double c = std::cos(a), s = std::sin(a);
        Strips up, down; // the polygon in the axis frame, and mirrored for the part below
        for (std::size_t j = 0; j + 1 < l.p.PolyPoints.size(); ++j) {
            const long double dy = l.p.PolyPoints[j].y - l.p.R.ys;
            const long double dz = l.p.PolyPoints[j].z - l.p.R.zs;
            up.pts.push_back({c * dy + s * dz, -s * dy + c * dz});
            down.pts.push_back({c * dy + s * dz, s * dy - c * dz});
        }
        const auto [areaUp, momentUp] = up.Above(pl.offset);
        const auto [areaDown, momentDown] = down.Above(-pl.offset);
        EXPECT_LT(Rel(areaUp, x.A / 2), 1e-12L) << axis;
        EXPECT_LT(Rel(areaDown, x.A / 2), 1e-12L) << axis;
        EXPECT_LT(Rel(pl.Wpl, momentUp + momentDown), 1e-12L) << axis;
        EXPECT_GT(pl.shapeFactor, 1.5L) << axis; // an angle is no rectangle
        EXPECT_NEAR(pl.y, l.p.R.ys - s * pl.offset, 1e-12L);
        EXPECT_NEAR(pl.z, l.p.R.zs + c * pl.offset, 1e-12L);
    }
    EXPECT_NE(x.plastic1.offset, 0); // unsymmetric: the plastic axis leaves the centroid
}
