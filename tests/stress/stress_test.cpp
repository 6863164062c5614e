// Pins the stresses of a section under its internal forces against closed forms: normal
// stresses exact on corners and arcs for any orientation of the principal axes, shear stresses
// of torsion and of shear forces from the finite-element solution.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "app/App.h"
#include "project/calculation.h"
#include "stress/stress.h"

namespace vak1::test {
namespace {

constexpr double kPi = std::numbers::pi;

struct Section {
    App app;
    explicit Section(const std::vector<TPosition>& positions) {
        app.Project.ResetContour();
        for (const TPosition& pos : positions)
            app.Project.Positions.push_back(pos);
        app.Project.Positions.push_back({positions[0].y, positions[0].z, 0});
        CalcSection(app.Project, app.Messages, app.Config);
    }
    StressStatus Run(const SectionLoads& loads, StressResults& r) {
        std::string message;
        const StressStatus s = ComputeStresses(app.Project, app.Config, loads, r, message);
        EXPECT_EQ(message, "");
        return s;
    }
};

std::vector<TPosition> Rectangle(double b, double h, double angle = 0) {
    std::vector<TPosition> p;
    const double c = std::cos(angle), s = std::sin(angle);
    for (const auto& [y, z] : {std::pair{0.0, 0.0}, {b, 0.0}, {b, h}, {0.0, h}})
        p.push_back({c * y - s * z + 40, s * y + c * z - 70, 0});
    return p;
}

std::vector<TPosition> Circle(double r) {
    return {{r, 0, kPi}, {-r, 0, kPi}};
}

// I-section of height h and flange width b, flanges tf, web tw, centred on the origin.
std::vector<TPosition> ISection(double b, double h, double tf, double tw) {
    const double y = b / 2, w = tw / 2, z = h / 2, zi = h / 2 - tf;
    return {{-y, -z, 0}, {y, -z, 0}, {y, -zi, 0}, {w, -zi, 0}, {w, zi, 0},   {y, zi, 0},
            {y, z, 0},   {-y, z, 0}, {-y, zi, 0}, {-w, zi, 0}, {-w, -zi, 0}, {-y, -zi, 0}};
}

double NodeValue(const StressResults& r, const std::vector<double>& v, double y, double z) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < r.mesh.nodes.size(); ++i)
        if (std::hypot(r.mesh.nodes[i].y - y, r.mesh.nodes[i].z - z) <
            std::hypot(r.mesh.nodes[best].y - y, r.mesh.nodes[best].z - z))
            best = i;
    return v[best];
}

// The normal stresses follow the bending formula to rounding: a rectangle in the axes and
// turned by 30 degrees (checked in its own principal axes), and a circle whose extremes lie
// inside its arcs.
TEST(StressTest, NormalStressesAreExactOnCornersAndArcs) {
    struct Case {
        const char* name;
        std::vector<TPosition> contour;
        SectionLoads loads;
        double max, min;
    };
    const double a = kPi / 6, Iu = 100.0 * 50 * 50 * 50 / 12, Iv = 50.0 * 100 * 100 * 100 / 12;
    // Turned rectangle: the moment vector in the rectangle's axes u (along b) and v.
    const double My = 1e6, Mz = -4e5;
    const double Mu = My * std::cos(a) + Mz * std::sin(a),
                 Mv = -My * std::sin(a) + Mz * std::cos(a);
    double turnedMax = -1e300, turnedMin = 1e300;
    for (const double u : {-50.0, 50.0})
        for (const double v : {-25.0, 25.0}) {
            const double s = Mu * v / Iu - Mv * u / Iv;
            turnedMax = std::max(turnedMax, s);
            turnedMin = std::min(turnedMin, s);
        }
    const double circleW = kPi * 50 * 50 * 50 / 4;
    const Case cases[] = {
        {"My", Rectangle(100, 50), {.My = 1e6}, 24.0, -24.0},
        {"N", Rectangle(100, 50), {.N = 50000}, 10.0, 10.0},
        {"Mz", Rectangle(100, 50), {.Mz = 1e6}, 12.0, -12.0},
        {"N+My", Rectangle(100, 50), {.N = -50000, .My = 1e6}, 14.0, -34.0},
        {"turned", Rectangle(100, 50, a), {.My = My, .Mz = Mz}, turnedMax, turnedMin},
        {"circle", Circle(50), {.My = 1e6}, 1e6 / circleW, -1e6 / circleW},
    };
    for (const Case& c : cases) {
        Section s(c.contour);
        ASSERT_EQ(s.app.Project.CalcError, 0) << c.name;
        StressResults r;
        EXPECT_EQ(s.Run(c.loads, r), StressStatus::Ok) << c.name;
        EXPECT_NEAR(r.sxMax.value, c.max, 1e-9 * std::fabs(c.max) + 1e-12) << c.name;
        EXPECT_NEAR(r.sxMin.value, c.min, 1e-9 * std::fabs(c.min) + 1e-12) << c.name;
    }
    // The circle's extreme lies on its arc, at the top and bottom.
    Section circle(Circle(50));
    StressResults r;
    circle.Run({.My = 1e6}, r);
    EXPECT_NEAR(r.sxMax.y, 0, 1e-9);
    EXPECT_NEAR(r.sxMax.z, 50, 1e-9);
    EXPECT_NEAR(r.sxMin.z, -50, 1e-9);
}

// The neutral axis runs where sigma = 0: across the gradient, through the point the axial
// force moves it to.
TEST(StressTest, NeutralAxisCrossesTheAxesWhereSigmaVanishes) {
    Section s(Rectangle(100, 50));
    StressResults r;
    s.Run({.N = 50000, .My = 1e6, .Mz = 1e6}, r);
    ASSERT_TRUE(r.neutral.exists);
    ASSERT_TRUE(r.neutral.crossesY && r.neutral.crossesZ);
    EXPECT_NEAR(r.normal.At(r.neutral.y, r.section.zs), 0, 1e-12);
    EXPECT_NEAR(r.normal.At(r.section.ys, r.neutral.z), 0, 1e-12);
    const double t = std::tan(r.neutral.angle);
    EXPECT_NEAR(r.normal.At(r.neutral.y + 10, r.section.zs + 10 * t), 0, 1e-9);
    StressResults axial;
    s.Run({.N = 50000}, axial);
    EXPECT_FALSE(axial.neutral.exists);
}

// The shear stresses of the solution against the closed forms at fineness 1: 1.5 V/A at a
// rectangle's centroid, T r / J on a circle's rim, V S / (I t) in an I-section's web.
TEST(StressTest, ShearStressesMatchClosedForms) {
    const double I = (200.0 * 300 * 300 * 300 - 190.0 * 260 * 260 * 260) / 12;
    const double S = 200.0 * 20 * 140 + 10.0 * 130 * 65;
    struct Case {
        const char* name;
        std::vector<TPosition> contour;
        SectionLoads loads;
        double y, z; // where the closed form holds (contour coordinates)
        double tau, tolerance;
    };
    const Case cases[] = {
        {"rectangle Vz", Rectangle(100, 50), {.Vz = 10000}, 90, -45, 3.0, 0.02},
        {"rectangle Vy", Rectangle(50, 100), {.Vy = 10000}, 65, -20, 3.0, 0.02},
        {"circle Mx",
         Circle(50),
         {.Mx = 1e6},
         50,
         0,
         1e6 * 50 / (kPi / 2 * 50 * 50 * 50 * 50),
         0.02},
        {"I web", ISection(200, 300, 20, 10), {.Vz = 1e5}, 0, 0, 1e5 * S / (I * 10), 0.03},
    };
    for (const Case& c : cases) {
        Section s(c.contour);
        StressResults r;
        ASSERT_EQ(s.Run(c.loads, r), StressStatus::Ok) << c.name;
        EXPECT_NEAR(NodeValue(r, r.tau, c.y, c.z) / c.tau, 1, c.tolerance) << c.name;
        // Shear alone: von Mises is sqrt(3) tau.
        EXPECT_NEAR(NodeValue(r, r.sv, c.y, c.z) / NodeValue(r, r.tau, c.y, c.z), std::sqrt(3.0),
                    1e-9)
            << c.name;
    }
    // On the circle the largest shear stress is that of its rim.
    Section circle(Circle(50));
    StressResults r;
    circle.Run({.Mx = 1e6}, r);
    EXPECT_NEAR(r.tauMax.value / (1e6 * 50 / (kPi / 2 * std::pow(50.0, 4))), 1, 0.02);
    EXPECT_NEAR(std::hypot(r.tauMax.y, r.tauMax.z), 50, 1e-6);
}

// Combined loads: sigma, tau and von Mises at every node fit together, and the largest von
// Mises stress is the largest of the nodes.
TEST(StressTest, VonMisesCombinesNormalAndShearAtEveryNode) {
    Section s(Rectangle(100, 50));
    StressResults r;
    ASSERT_EQ(s.Run({.N = 1e4, .Vy = 2e3, .Vz = 5e3, .Mx = 2e5, .My = 1e6, .Mz = -3e5}, r),
              StressStatus::Ok);
    ASSERT_FALSE(r.sv.empty());
    double largest = 0;
    for (std::size_t i = 0; i < r.sv.size(); ++i) {
        EXPECT_DOUBLE_EQ(r.sv[i], std::sqrt(r.sigma[i] * r.sigma[i] + 3 * r.tau[i] * r.tau[i]));
        largest = std::max(largest, r.sv[i]);
    }
    EXPECT_EQ(r.svMax.value, largest);
    EXPECT_GE(r.svMax.value, std::max(r.sxMax.value, -r.sxMin.value) - 1e-9);
}

} // namespace
} // namespace vak1::test
