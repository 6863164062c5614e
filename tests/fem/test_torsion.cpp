// Torsion and shear values by finite elements against closed forms and thin-wall formulas,
// mesh convergence, and the contours that cannot be meshed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "project/calculation.h"
#include "fem/torsion.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

constexpr double kPi = std::numbers::pi;

using Contour = std::vector<FemPoint>;

Contour Rectangle(double y0, double z0, double b, double h) {
    return {{y0, z0}, {y0 + b, z0}, {y0 + b, z0 + h}, {y0, z0 + h}};
}

// n chords, counter-clockwise (clockwise with sign -1), starting and ending at angle 0.
void AddCircle(Contour& c, double r, int n, int sign) {
    for (int i = 0; i < n; ++i)
        c.push_back({r * std::cos(sign * 2 * kPi * i / n), r * std::sin(sign * 2 * kPi * i / n)});
}

// A pipe as one contour: outer circle, in along a slit, inner circle backwards, out again.
Contour Pipe(double R, double r, int n) {
    Contour c;
    AddCircle(c, R, n, 1);
    c.push_back({R, 0});
    AddCircle(c, r, n, -1);
    c.push_back({r, 0});
    return c;
}

// Channel with its web's centre line on z and flanges towards +y; b and h measured between
// centre lines, wall thickness t.
Contour Channel(double b, double h, double t) {
    const double e = t / 2;
    return {{-e, -h / 2 - e}, {b, -h / 2 - e}, {b, -h / 2 + e}, {e, -h / 2 + e},
            {e, h / 2 - e},   {b, h / 2 - e},  {b, h / 2 + e},  {-e, h / 2 + e}};
}

// Angle with the outer corner at the origin, legs a (along y) and c (along z), thickness t.
Contour Angle(double a, double c, double t) {
    return {{0, 0}, {a, 0}, {a, t}, {t, t}, {t, c}, {0, c}};
}

// I-beam: flange width b, flange centre lines h apart, flange thickness tf, web tw.
Contour IBeam(double b, double h, double tf, double tw) {
    const double y = b / 2, w = tw / 2, zo = h / 2 + tf / 2, zi = h / 2 - tf / 2;
    return {{-y, -zo}, {y, -zo}, {y, -zi}, {w, -zi}, {w, zi},   {y, zi},
            {y, zo},   {-y, zo}, {-y, zi}, {-w, zi}, {-w, -zi}, {-y, -zi}};
}

TorsionInput Input(const Contour& c) {
    TorsionInput in;
    in.contour = c;
    return in;
}

TorsionValues Solve(const Contour& c, double fineness = 1) {
    TorsionValues v;
    std::string message;
    TorsionOptions o;
    o.fineness = fineness;
    EXPECT_EQ(ComputeTorsion(Input(c), o, v, message), TorsionStatus::Ok) << message;
    return v;
}

// St. Venant's series for a rectangle, long side a, short side c.
double RectangleJ(double a, double c) {
    double sum = 0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * kPi * a / (2 * c)) / std::pow(n, 5);
    return a * c * c * c / 3 * (1 - 192 / std::pow(kPi, 5) * c / a * sum);
}

TEST(Torsion, RectangleMatchesSeriesAndShearAreasAreFiveSixths) {
    for (double ratio : {1.0, 2.0, 10.0}) {
        const double b = 10 * ratio, h = 10;
        const TorsionValues v = Solve(Rectangle(7, -3, b, h));
        EXPECT_NEAR(v.J / RectangleJ(b, h), 1, 0.005) << ratio;
        EXPECT_NEAR(v.ySc, 7 + b / 2, 1e-6 * b) << ratio;
        EXPECT_NEAR(v.zSc, -3 + h / 2, 1e-6 * b) << ratio;
        EXPECT_NEAR(v.As1 / (b * h), 5.0 / 6, 0.005) << ratio;
        EXPECT_NEAR(v.As2 / (b * h), 5.0 / 6, 0.005) << ratio;
        EXPECT_GT(v.elements, 100u);
        EXPECT_GT(v.nodes, 2 * v.elements);
        EXPECT_GT(v.meshSeconds + v.assemblySeconds + v.solveSeconds, 0);
    }
}

// Chords of one degree: the polygon's polar moment is within 1e-4 of the circle's.
TEST(Torsion, CircleAndPipeTwistLikeTheirPolarMoment) {
    struct Case {
        Contour contour;
        double Ip;
    } cases[] = {{[] {
                      Contour c;
                      AddCircle(c, 50, 360, 1);
                      return c;
                  }(),
                  kPi / 2 * std::pow(50.0, 4)},
                 {Pipe(50, 40, 360), kPi / 2 * (std::pow(50.0, 4) - std::pow(40.0, 4))}};
    for (const Case& c : cases) {
        const TorsionValues v = Solve(c.contour);
        EXPECT_NEAR(v.J / c.Ip, 1, 0.002);
        EXPECT_NEAR(v.ySc, 0, 0.01);
        EXPECT_NEAR(v.zSc, 0, 0.01);
    }
}

// The section calculation's polygon of arcs ends every arc a few units in the last place
// away from the position it ends at: such pairs are one point, not a kink to resolve.
TEST(Torsion, ArcPolygonOfTheSectionCalculationMeshes) {
    ProjectData p;
    MessageList msgs;
    NumberStyle s;
    p.ResetContour();
    for (int i = 0; i < 50; ++i)
        p.Positions.push_back(
            {100 * std::cos(2 * kPi * i / 50), 100 * std::sin(2 * kPi * i / 50), 15 * kPi / 180});
    CalcSection(p, msgs, s);
    Contour c;
    for (std::size_t i = 0; i + 1 < p.PolyPoints.size(); ++i)
        c.push_back(
            {static_cast<double>(p.PolyPoints[i].y), static_cast<double>(p.PolyPoints[i].z)});
    const TorsionValues v = Solve(c);
    EXPECT_NEAR(v.J / (kPi / 2 * std::pow(100.0, 4)), 1, 0.01);
}

// Arcs were meshed on their chords: a circle's J fell short of Ip by the area the chords cut
// off. A half circle has J = (pi/2 - 4/pi) r^4. The shear areas take the stresses free of
// rotation; for a solid circle that gives As = 6/7 A.
TEST(Torsion, ArcsAreMeshedOnTheirCircles) {
    struct Case {
        const char* name;
        Contour contour;
        std::vector<double> arcs;
        double J, As;
    };
    const double R = 50, r = 40;
    const Case cases[] = {
        {"circle", {{R, 0}, {-R, 0}}, {kPi, kPi}, kPi / 2 * std::pow(R, 4), 6.0 / 7 * kPi * R * R},
        {"pipe with a slit",
         {{R, 0}, {-R, 0}, {R, 0}, {r, 0}, {-r, 0}, {r, 0}},
         {kPi, kPi, 0, -kPi, -kPi, 0},
         kPi / 2 * (std::pow(R, 4) - std::pow(r, 4)),
         0},
        {"half circle", {{R, 0}, {-R, 0}}, {kPi, 0}, (kPi / 2 - 4 / kPi) * std::pow(R, 4), 0},
    };
    for (const Case& c : cases) {
        TorsionInput in = Input(c.contour);
        in.arcs = c.arcs;
        TorsionValues v;
        std::string message;
        ASSERT_EQ(ComputeTorsion(in, {}, v, message), TorsionStatus::Ok) << message;
        EXPECT_NEAR(v.J / c.J, 1, 2e-4) << c.name;
        EXPECT_NEAR(v.ySc, 0, 1e-3) << c.name;
        if (c.As > 0) { // the full circle
            EXPECT_NEAR(v.zSc, 0, 1e-3) << c.name;
            EXPECT_NEAR(v.As1 / c.As, 1, 2e-4) << c.name;
            EXPECT_NEAR(v.As2 / c.As, 1, 2e-4) << c.name;
        }
    }
}

// One or two elements across a thin wall left the shear across it unresolved: a 1000 x 1
// strip had As near A instead of 5/6 A, and a thin channel's values moved with the fineness.
TEST(Torsion, ThinWallsGetThreeElementsAcross) {
    const TorsionValues strip = Solve(Rectangle(0, 0, 1000, 1));
    EXPECT_NEAR(strip.wall, 1, 1e-9);
    EXPECT_GE(strip.wallElements, 3);
    EXPECT_NEAR(strip.As1 / 1000, 5.0 / 6, 0.002);
    EXPECT_NEAR(strip.As2 / 1000, 5.0 / 6, 0.002);

    const Contour channel = Channel(10, 100, 1);
    const TorsionValues v = Solve(channel), finer = Solve(channel, 2);
    EXPECT_NEAR(v.wall, 1, 1e-9);
    EXPECT_GE(v.wallElements, 3);
    EXPECT_NEAR(v.J / finer.J, 1, 3e-4);
    EXPECT_NEAR(v.As1 / finer.As1, 1, 3e-4);
    EXPECT_NEAR(v.As2 / finer.As2, 1, 3e-4);

    // Beyond the element budget of the fineness the mesh stops short, and says so.
    const TorsionValues longStrip = Solve(Rectangle(0, 0, 20000, 1));
    EXPECT_LT(longStrip.wallElements, 3);
    EXPECT_LT(longStrip.elements, 80000u);
}

TEST(Torsion, ChannelShearCentreLiesBehindTheWeb) {
    const double b = 100, h = 200, t = 2;
    const TorsionValues v = Solve(Channel(b, h, t));
    const double e = 3 * b * b * t / (6 * b * t + h * t);
    EXPECT_LT(v.ySc, -t / 2); // outside the web, away from the flanges
    EXPECT_NEAR(-v.ySc / e, 1, 0.01);
    EXPECT_NEAR(v.zSc, 0, 1e-6 * h);
}

TEST(Torsion, AngleShearCentreLiesAtTheCornerOfTheLegs) {
    const double t = 8;
    for (const auto& [a, c] : {std::pair{100.0, 100.0}, std::pair{150.0, 75.0}}) {
        const TorsionValues v = Solve(Angle(a, c, t));
        EXPECT_LT(std::hypot(v.ySc - t / 2, v.zSc - t / 2), t / 4) << a << " " << c;
    }
}

TEST(Torsion, IBeamWarpingConstantMatchesThinWallFormula) {
    const double b = 200, h = 300, tf = 4, tw = 3;
    const TorsionValues v = Solve(IBeam(b, h, tf, tw));
    EXPECT_NEAR(v.Iw / (tf * b * b * b * h * h / 24), 1, 0.02);
    EXPECT_NEAR(v.ySc, 0, 1e-6 * h);
    EXPECT_NEAR(v.zSc, 0, 1e-6 * h);
}

// The re-entrant corner of an angle is the hardest place for the warping function.
TEST(Torsion, RefinementConverges) {
    const Contour angle = Angle(100, 80, 10);
    const TorsionValues fine = Solve(angle, 1), finer = Solve(angle, 2);
    EXPECT_GT(finer.elements, 3 * fine.elements);
    EXPECT_NEAR(finer.J / fine.J, 1, 0.001);
}

// A faster factorisation must not change a value: each solver runs and gives Eigen's values.
TEST(Torsion, EverySolverGivesTheSameValues) {
    TorsionOptions o;
    o.fineness = 2;
    TorsionValues reference;
    std::string message;
    o.solver = FemSolver::Simplicial;
    ASSERT_EQ(ComputeTorsion(Input(Channel(60, 120, 6)), o, reference, message), TorsionStatus::Ok);
    for (FemSolver solver : {FemSolver::CholmodSimplicial, FemSolver::CholmodSupernodal,
                             FemSolver::SimplicialCorners, FemSolver::Automatic}) {
        o.solver = solver;
        TorsionValues v;
        ASSERT_EQ(ComputeTorsion(Input(Channel(60, 120, 6)), o, v, message), TorsionStatus::Ok);
        const int row = static_cast<int>(solver);
        EXPECT_EQ(v.solver, solver == FemSolver::Automatic ? v.solver : solver) << row;
        EXPECT_NE(v.solver, FemSolver::Automatic) << row;
        EXPECT_EQ(v.elements, reference.elements) << row;
        // Each value against its own size; the shear centre against the section's.
        const std::pair<double TorsionValues::*, double> values[] = {
            {&TorsionValues::J, reference.J},     {&TorsionValues::Iw, reference.Iw},
            {&TorsionValues::As1, reference.As1}, {&TorsionValues::As2, reference.As2},
            {&TorsionValues::ySc, 120},           {&TorsionValues::zSc, 120}};
        for (const auto& [value, size] : values)
            EXPECT_NEAR(v.*value, reference.*value, 1e-9 * size) << row;
    }
}

// The supernodal factorisation must give the values of the simplicial one it replaced: a
// front that lost a child's update or a subtree solved on the second thread out of turn shows
// here. The finer meshes are large enough for the two threads.
TEST(Torsion, SupernodalSolverGivesTheSimplicialValues) {
    const double R = 50, r = 40;
    struct Case {
        const char* name;
        Contour contour;
        std::vector<double> arcs;
        double fineness, size;
    };
    const Case cases[] = {
        {"L-profile with a fillet",
         {{0, 0}, {100, 0}, {100, 10}, {18, 10}, {10, 18}, {10, 80}, {0, 80}},
         {0, 0, 0, -kPi / 2, 0, 0, 0},
         4,
         100},
        {"pipe",
         {{R, 0}, {-R, 0}, {R, 0}, {r, 0}, {-r, 0}, {r, 0}},
         {kPi, kPi, 0, -kPi, -kPi, 0},
         3,
         R},
        {"channel", Channel(60, 120, 6), {}, 1, 120},
    };
    for (const Case& c : cases) {
        TorsionInput in = Input(c.contour);
        in.arcs = c.arcs;
        TorsionOptions o;
        o.fineness = c.fineness;
        o.solver = FemSolver::SimplicialCorners;
        TorsionValues reference, v;
        std::string message;
        ASSERT_EQ(ComputeTorsion(in, o, reference, message), TorsionStatus::Ok) << c.name;
        o.solver = FemSolver::Automatic;
        ASSERT_EQ(ComputeTorsion(in, o, v, message), TorsionStatus::Ok) << c.name;
        EXPECT_EQ(v.solver, FemSolver::Supernodal) << c.name;
        EXPECT_EQ(v.nodes, reference.nodes) << c.name;
        // A pipe does not warp: its Iw is rounding, measured against J times its size squared.
        const double Iw = std::fabs(reference.Iw) + 1e-6 * reference.J * c.size * c.size;
        const std::pair<double TorsionValues::*, double> values[] = {
            {&TorsionValues::J, reference.J},     {&TorsionValues::Iw, Iw},
            {&TorsionValues::As1, reference.As1}, {&TorsionValues::As2, reference.As2},
            {&TorsionValues::ySc, c.size},        {&TorsionValues::zSc, c.size}};
        for (const auto& [value, size] : values)
            EXPECT_NEAR(v.*value, reference.*value, 1e-9 * size) << c.name;
    }
}

TEST(Torsion, SelfIntersectingContourIsNotMeshable) {
    const Contour bowTie = {{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    TorsionValues v;
    v.J = 123;
    std::string message;
    EXPECT_EQ(ComputeTorsion(Input(bowTie), {}, v, message), TorsionStatus::NotMeshable);
    EXPECT_EQ(message, cp850("Die Kontur schneidet sich selbst (Kanten ab Punkt 1 und 3): sie "
                             "lässt sich nicht vernetzen."));
    EXPECT_EQ(v.J, 0);
}

// Slivers sent the mesher into an endless loop or a crash: they are refused before meshing.
TEST(Torsion, SliversAreRefusedBeforeMeshing) {
    const std::string thin = cp850("Die Kontur ist zu schmal für ein Netz");
    const std::string sharp = cp850("Die Kontur hat einen Winkel unter 0.001 Grad");
    const std::pair<Contour, std::string> cases[] = {
        {{{0, 0}, {1000, 0}, {500, 0.001}}, thin},
        {{{0, 0}, {1e6, 0}, {5e5, 1}}, thin},
        {{{0, 0}, {1, 0}, {0.9, 5e-7}}, thin},
        {{{0, 0}, {1, 0}, {1, 0.5}, {3, 0.5 + 1e-7}, {1, 0.5 + 2e-7}, {1, 1}, {0, 1}}, sharp},
    };
    for (const auto& [contour, reason] : cases) {
        TorsionValues v;
        std::string message;
        EXPECT_EQ(ComputeTorsion(Input(contour), {}, v, message), TorsionStatus::NotMeshable);
        EXPECT_EQ(message.rfind(reason, 0), 0u) << message;
    }
}

TEST(Torsion, CancelInAnyStageEndsCancelled) {
    for (std::size_t stage = 0; stage < 5; ++stage) {
        TorsionValues v;
        std::string message;
        std::size_t last = 0;
        const auto status = ComputeTorsion(Input(Rectangle(0, 0, 20, 10)), {}, v, message,
                                           [&](std::size_t done, std::size_t total) {
                                               EXPECT_EQ(total, 5u);
                                               last = done;
                                               return done < stage;
                                           });
        EXPECT_EQ(status, TorsionStatus::Cancelled) << stage;
        EXPECT_EQ(last, stage);
    }
}

} // namespace
