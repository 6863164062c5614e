// Pins the shipped example projects: each file is exactly what WriteProject writes for its
// geometry today, reads back without a message, and calculates to the closed-form values of
// its shape (the chord polygon where arcs are involved). VAK1_UPDATE_EXAMPLES=1 rewrites
// the files in examples/.
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <numbers>

#include "app/App.h"
#include "app/projectcontext.h"
#include "project/calculation.h"
#include "project/projectfile.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Area integrals about the origin: A, Hy = int z, Hz = int y, Iy = int z^2, Iz = int y^2,
// Iyz = int yz.
struct Moments {
    long double A = 0, Hy = 0, Hz = 0, Iy = 0, Iz = 0, Iyz = 0;
    Moments operator+(const Moments& o) const {
        return {A + o.A, Hy + o.Hy, Hz + o.Hz, Iy + o.Iy, Iz + o.Iz, Iyz + o.Iyz};
    }
    Moments operator-(const Moments& o) const {
        return {A - o.A, Hy - o.Hy, Hz - o.Hz, Iy - o.Iy, Iz - o.Iz, Iyz - o.Iyz};
    }
};

Moments Rectangle(long double y0, long double z0, long double y1, long double z1) {
    const long double w = y1 - y0, h = z1 - z0;
    return {w * h,
            w * (z1 * z1 - z0 * z0) / 2,
            h * (y1 * y1 - y0 * y0) / 2,
            w * (z1 * z1 * z1 - z0 * z0 * z0) / 3,
            h * (y1 * y1 * y1 - y0 * y0 * y0) / 3,
            (y1 * y1 - y0 * y0) * (z1 * z1 - z0 * z0) / 4};
}

// The quarter disk of radius r about (a, b) whose points lie below and left of the centre.
Moments LowerLeftQuarterDisk(long double a, long double b, long double r) {
    const long double A = kPi * r * r / 4, u = -r * r * r / 3, uu = kPi * r * r * r * r / 16;
    const long double uv = r * r * r * r / 8;
    return {A,
            b * A + u,
            a * A + u,
            b * b * A + 2 * b * u + uu,
            a * a * A + 2 * a * u + uu,
            a * b * A + a * u + b * u + uv};
}

// The regular n-gon inscribed in the circle of radius r about the origin.
Moments RegularPolygon(int n, long double r) {
    const long double t = 2 * kPi / n;
    const long double second = n * r * r * r * r * std::sin(t) * (2 + std::cos(t)) / 24;
    return {n * r * r * std::sin(t) / 2, 0, 0, second, second, 0};
}

struct Example {
    const char* file;
    void (*fill)(App&);
    Moments expected;
    long double tolerance; // relative, for the stored division angle
};

void Texts(App& app, const char* name, const char* number, const char* name2, const char* remark) {
    ProjectData& p = app.Project;
    p.DrawingName = cp850(name);
    p.DrawingNumber = number;
    p.DrawingName2 = cp850(name2);
    p.RemarkLines = {cp850(remark), "", cp850("Beispielprojekt zu VAK1")};
    Documentation& d = app.Docu;
    d.ApprovalRows[kPrepared] = {"01.03.2024", "VAK1"};
    d.ChangeCount = 1;
    d.ChangeEntries[0] = {"Erstausgabe", "01.03.2024", "VAK1",
                          cp850("Beispiel für die Dokumentation")};
}

void Add(ProjectData& p, std::initializer_list<TPosition> contour) {
    p.ResetContour();
    for (const auto& pos : contour)
        p.Positions.push_back(pos);
}

void FillLProfile(App& app) {
    Add(app.Project, {{0, 0, 0},
                      {100, 0, 0},
                      {100, 10, 0},
                      {20, 10, -kPi / 2},
                      {10, 20, 0},
                      {10, 80, 0},
                      {0, 80, 0}});
    app.Project.rho = 7.85L;
    Texts(app, "L-Profil 100x80x10", "VAK1-BSP-001", "Ausrundung R10",
          "L-Profil 100 x 80 x 10 mit Innenausrundung R10");
}

void FillIBeam(App& app) {
    Add(app.Project, {{-50, 0, 0},
                      {50, 0, 0},
                      {50, 8.5L, 0},
                      {2.8L, 8.5L, 0},
                      {2.8L, 191.5L, 0},
                      {50, 191.5L, 0},
                      {50, 200, 0},
                      {-50, 200, 0},
                      {-50, 191.5L, 0},
                      {-2.8L, 191.5L, 0},
                      {-2.8L, 8.5L, 0},
                      {-50, 8.5L, 0}});
    app.Project.rho = 7.85L;
    app.Project.lx = 6000;
    Texts(app, "I-Träger 200x100", "VAK1-BSP-002", "ohne Ausrundungen",
          "I-Träger h = 200, b = 100, Flansch 8,5, Steg 5,6");
}

void FillPipe(App& app) {
    // Outer circle counter-clockwise, a slit in to the inner circle, that one clockwise, and
    // the closing edge back out along the slit.
    Add(app.Project,
        {{50, 0, kPi}, {-50, 0, kPi}, {50, 0, 0}, {40, 0, -kPi}, {-40, 0, -kPi}, {40, 0, 0}});
    app.Project.rho = 2.7L;
    app.Project.lx = 2000;
    Texts(app, "Rohr D100 x 10", "VAK1-BSP-003", "Schlitzkontur mit Bögen",
          "Rohr Außendurchmesser 100, Wandstärke 10, als Schlitzkontur");
}

const Example kExamples[] = {
    {"l-profil.vak1", FillLProfile,
     Rectangle(0, 0, 100, 10) + Rectangle(0, 10, 10, 80) + Rectangle(10, 10, 20, 20) -
         LowerLeftQuarterDisk(20, 20, 10),
     1e-4L},
    {"i-traeger.vak1", FillIBeam,
     Rectangle(-50, 0, 50, 8.5L) + Rectangle(-2.8L, 8.5L, 2.8L, 191.5L) +
         Rectangle(-50, 191.5L, 50, 200),
     1e-15L},
    // The half circles come back from the file with pi to ten decimals (1e-11 off).
    {"rohr.vak1", FillPipe, RegularPolygon(72, 50) - RegularPolygon(72, 40), 1e-9L},
};

std::string ExamplePath(const char* file) {
    return std::string(VAK1_SOURCE_DIR) + "/examples/" + file;
}

void ExpectNear(long double got, long double want, long double scale, long double rel,
                const char* what) {
    EXPECT_LE(std::fabs(got - want), rel * scale)
        << what << ": " << static_cast<double>(got) << " vs " << static_cast<double>(want);
}

void ExpectMoments(const ProjectData& p, const Moments& m, long double rel) {
    const TSectionResults& r = p.R;
    const long double second = std::max(std::fabs(m.Iy), std::fabs(m.Iz));
    const long double first = std::sqrt(std::fabs(m.A)) * std::fabs(m.A);
    ExpectNear(r.A, m.A, m.A, rel, "A");
    ExpectNear(r.Hy, m.Hy, first, rel, "Hy");
    ExpectNear(r.Hz, m.Hz, first, rel, "Hz");
    ExpectNear(r.Iy, m.Iy, second, rel, "Iy");
    ExpectNear(r.Iz, m.Iz, second, rel, "Iz");
    ExpectNear(r.Iyz, m.Iyz, second, rel, "Iyz");
    const long double ys = m.Hz / m.A, zs = m.Hy / m.A;
    const long double IyS = m.Iy - zs * zs * m.A, IzS = m.Iz - ys * ys * m.A;
    const long double IyzS = m.Iyz - ys * zs * m.A;
    const long double mean = (IyS + IzS) / 2;
    const long double radius = std::hypot((IyS - IzS) / 2, IyzS);
    ExpectNear(r.IyS, IyS, second, rel, "IyS");
    ExpectNear(r.IzS, IzS, second, rel, "IzS");
    ExpectNear(r.IyzS, IyzS, second, rel, "IyzS");
    ExpectNear(r.I1, mean + radius, second, rel, "I1");
    ExpectNear(r.I2, mean - radius, second, rel, "I2");
    ExpectNear(p.V, m.A * p.lx, m.A * p.lx, rel, "V");
    ExpectNear(p.m, m.A * p.lx * p.rho * 1e-6L, m.A * p.lx * p.rho * 1e-6L, rel, "m");
}

} // namespace

TEST(Examples, FilesAreWhatTheWriterWrites) {
    for (const Example& e : kExamples) {
        TestApp t;
        e.fill(t.app);
        WriteProject(ProjectFileOf(t.app), t.path(e.file));
        ASSERT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
        const std::string written = ReadBytes(t.path(e.file));
        if (std::getenv("VAK1_UPDATE_EXAMPLES")) {
            std::filesystem::create_directories(std::string(VAK1_SOURCE_DIR) + "/examples");
            WriteBytes(ExamplePath(e.file), written);
        }
        EXPECT_EQ(written, ReadBytes(ExamplePath(e.file))) << e.file;
    }
}

TEST(Examples, ReadBackAndCalculateToTheClosedForm) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.file);
        TestApp t;
        ReadProject(t.app.Project, t.app.Docu, Dialogs(t.app), ExamplePath(e.file));
        ASSERT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
        TestApp want;
        e.fill(want.app);
        EXPECT_EQ(t.app.Project.PosCount(), want.app.Project.PosCount());
        EXPECT_EQ(t.app.Project.DrawingName, want.app.Project.DrawingName);
        EXPECT_EQ(t.app.Docu.ChangeEntries[0].description,
                  want.app.Docu.ChangeEntries[0].description);
        CalcSection(t.app.Project, t.app.Messages, t.app.Config);
        ASSERT_EQ(t.app.Project.CalcError, 0);
        EXPECT_EQ(t.app.Project.ArcDivision, 5);
        ExpectMoments(t.app.Project, e.expected, e.tolerance);
    }
}

TEST(Examples, LProfileApproachesTheTrueFilletWithFinerChords) {
    TestApp t;
    ReadProject(t.app.Project, t.app.Docu, Dialogs(t.app), ExamplePath("l-profil.vak1"));
    ASSERT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
    t.app.Project.ArcDivision = 0.1L;
    CalcSection(t.app.Project, t.app.Messages, t.app.Config);
    ASSERT_EQ(t.app.Project.CalcError, 0);
    ExpectMoments(t.app.Project, kExamples[0].expected, 1e-7L);
    // The fillet adds the corner square less the quarter disk: 1700 + 100 - 25 pi.
    EXPECT_NEAR(static_cast<double>(t.app.Project.R.A), 1800 - 25 * std::numbers::pi, 1e-4);
}
