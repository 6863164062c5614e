// Pins the DXF contour import: files written by another program (ezdxf), LWPOLYLINE and
// POLYLINE with bulges, the first closed polyline of the entities only, and every refusal
// leaving the project as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>

#include "cad/dxfimport.h"
#include "calc/extended.h"
#include "project/calculation.h"
#include "text/cp850.h"
#include "support/tempfolder.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

class DxfImport : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<test::TempFolder>("vak1_dxfimport");
        dir_ = folder_->dir();
        const std::string cmd = std::string(VAK1_PYTHON) + " " + VAK1_SOURCE_DIR +
                                "/tests/tools/make_import_dxf.py " + dir_.string();
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    static void TearDownTestSuite() { folder_.reset(); }
    static std::string File(const char* name) { return (dir_ / name).string(); }

    // A project with a known contour that a refused import must keep.
    ProjectData Existing() {
        ProjectData p;
        p.Positions.push_back({1, 2, 0});
        p.Positions.push_back({3, 4, 0.5L});
        return p;
    }
    void ExpectUnchanged(const ProjectData& p) {
        EXPECT_EQ(p.PosCount(), 2);
        EXPECT_EQ(p.Positions[1].y, 3);
        EXPECT_EQ(p.Positions[1].phi, 0.5L);
    }
    static std::unique_ptr<test::TempFolder> folder_;
    static fs::path dir_;
};
std::unique_ptr<test::TempFolder> DxfImport::folder_;
fs::path DxfImport::dir_;

} // namespace

TEST_F(DxfImport, LwPolylineWithHalfCircle) {
    ProjectData p = Existing();
    DxfImportResult r = ImportDxfContour(File("lw_arc.dxf"), p);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(p.PosCount(), 4);
    EXPECT_EQ(p.Positions[2].y, 100);
    EXPECT_EQ(p.Positions[2].z, 50);
    EXPECT_NEAR(p.Positions[2].phi, kPi, 1e-12);
    EXPECT_EQ(p.Positions[3].phi, 0);
    EXPECT_EQ(p.Earlier(4).y, UnsetCoordinate); // nothing of the old contour is kept
    // Rectangle plus a half disc of radius 50 on top: the section calculation agrees.
    MessageList m;
    Settings s;
    p.ArcDivision = 0.5L;
    CalcSection(p, m, s);
    EXPECT_EQ(p.CalcError, 0);
    EXPECT_NEAR(p.R.A, 5000 + kPi * 2500 / 2, 2);
    EXPECT_NEAR(p.ZMax, 100, 1e-9);
}

TEST_F(DxfImport, OldStylePolylineWithBulge) {
    ProjectData p;
    DxfImportResult r = ImportDxfContour(File("r12_polyline.dxf"), p);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(p.PosCount(), 4);
    EXPECT_NEAR(p.Positions[1].phi, kPi / 2, 1e-12);
    EXPECT_EQ(p.Positions[2].y, 80);
    EXPECT_EQ(p.Positions[2].z, 60);
}

TEST_F(DxfImport, InchUnitsAndMirroredExtrusion) {
    ProjectData p;
    ASSERT_TRUE(ImportDxfContour(File("lw_inch.dxf"), p).ok);
    EXPECT_NEAR(p.Positions[1].y, 25.4L, 1e-12);
    EXPECT_NEAR(p.Positions[2].z, 25.4L, 1e-12);

    ProjectData q;
    ASSERT_TRUE(ImportDxfContour(File("lw_mirrored.dxf"), q).ok);
    EXPECT_EQ(q.Positions[1].y, -10);
    EXPECT_NEAR(q.Positions[2].phi, -4 * std::atan(0.5L), 1e-15);
}

TEST_F(DxfImport, RefusalsKeepTheProject) {
    for (const char* name : {"lw_open.dxf", "lw_block_unused.dxf", "only_lines.dxf", "lw_many.dxf",
                             "missing.dxf", "lw_far.dxf", "lw_far_inch.dxf"}) {
        ProjectData p = Existing();
        DxfImportResult r = ImportDxfContour(File(name), p);
        EXPECT_FALSE(r.ok) << name;
        EXPECT_FALSE(r.error.empty()) << name;
        EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
        ExpectUnchanged(p);
    }
}

TEST_F(DxfImport, GarbageAndTruncatedFiles) {
    const std::string garbage = File("garbage.dxf");
    std::ofstream(garbage) << "this is\nnot a\nDXF file at all\n\x01\x02\n";
    ProjectData p = Existing();
    EXPECT_FALSE(ImportDxfContour(garbage, p).ok);
    ExpectUnchanged(p);

    // The good file cut after every line: never a crash, either a contour or a message.
    std::ifstream in(File("lw_arc.dxf"));
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    const std::string cut = File("cut.dxf");
    for (std::size_t n = 0; n < lines.size(); n += 7) {
        std::ofstream out(cut, std::ios::trunc);
        for (std::size_t i = 0; i < n; ++i)
            out << lines[i] << "\n";
        out.close();
        ProjectData q = Existing();
        DxfImportResult r = ImportDxfContour(cut, q);
        if (!r.ok)
            ExpectUnchanged(q);
        else
            EXPECT_GE(q.PosCount(), 1);
    }
}

// An integer group out of range is a format error of the file with its line, not a cast.
TEST_F(DxfImport, IntegerGroupOutOfRangeIsAFormatError) {
    for (const char* flag : {"1e30", "2147483648"}) {
        const std::string name = File("flag.dxf");
        std::ofstream(name) << "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n3\n70\n"
                            << flag
                            << "\n10\n0\n20\n0\n10\n1\n20\n0\n10\n0\n20\n1\n0\nENDSEC\n0\nEOF\n";
        ProjectData p = Existing();
        const DxfImportResult r = ImportDxfContour(name, p);
        EXPECT_FALSE(r.ok) << flag;
        EXPECT_EQ(r.error, "Datei " + name + ": keine DXF-Datei (Zeile 10)") << flag;
        ExpectUnchanged(p);
    }
    const std::string name = File("flag.dxf"); // 70 within range: a closed (odd) polyline
    std::ofstream(name) << "0\nLWPOLYLINE\n70\n2147483647\n10\n0\n20\n0\n10\n1\n20\n0\n"
                           "10\n0\n20\n1\n0\nEOF\n";
    ProjectData p = Existing();
    EXPECT_TRUE(ImportDxfContour(name, p).ok);
    EXPECT_EQ(p.PosCount(), 3);
}

namespace {

// Centroidal values of a plane shape: area, centroid, second moments about the centroid's
// y and z axes and the product of inertia.
struct Shape {
    long double A = 0, ys = 0, zs = 0, Iy = 0, Iz = 0, Iyz = 0;
};

Shape Box(long double y0, long double z0, long double y1, long double z1) {
    const long double b = y1 - y0, h = z1 - z0;
    return {b * h, (y0 + y1) / 2, (z0 + z1) / 2, b * h * h * h / 12, h * b * b * b / 12, 0};
}

Shape Disc(long double yc, long double zc, long double r) {
    const long double I = kPi * r * r * r * r / 4;
    return {kPi * r * r, yc, zc, I, I, 0};
}

// The quarter disc of centre (yc, zc) in the quadrant of the signs qy, qz.
Shape Quarter(long double yc, long double zc, long double r, int qy, int qz) {
    const long double A = kPi * r * r / 4, d = 4 * r / (3 * kPi), r4 = r * r * r * r;
    // About the centre: pi r^4 / 16 and the product qy qz r^4 / 8; moved to the centroid.
    const long double I = kPi * r4 / 16 - A * d * d;
    return {A, yc + qy * d, zc + qz * d, I, I, qy * qz * r4 / 8 - qy * qz * A * d * d};
}

// Sum of shapes, each with its sign (-1: a hole).
Shape Sum(std::initializer_list<std::pair<int, Shape>> parts) {
    Shape s;
    for (const auto& [k, p] : parts) {
        s.A += k * p.A;
        s.ys += k * p.A * p.ys;
        s.zs += k * p.A * p.zs;
    }
    s.ys /= s.A;
    s.zs /= s.A;
    for (const auto& [k, p] : parts) {
        const long double dy = p.ys - s.ys, dz = p.zs - s.zs;
        s.Iy += k * (p.Iy + p.A * dz * dz);
        s.Iz += k * (p.Iz + p.A * dy * dy);
        s.Iyz += k * (p.Iyz + p.A * dy * dz);
    }
    return s;
}

// The shape under y' = a y + b z, z' = c y + d z (centroidal values only).
Shape Mapped(const Shape& s, long double a, long double b, long double c, long double d) {
    const long double det = std::fabs(a * d - b * c);
    Shape m = s;
    m.A = det * s.A;
    // M = [[Iz, Iyz], [Iyz, Iy]] over (y, z); M' = |det| L M L^T.
    m.Iz = det * (a * a * s.Iz + 2 * a * b * s.Iyz + b * b * s.Iy);
    m.Iy = det * (c * c * s.Iz + 2 * c * d * s.Iyz + d * d * s.Iy);
    m.Iyz = det * (a * c * s.Iz + (a * d + b * c) * s.Iyz + b * d * s.Iy);
    return m;
}

Shape Turned(const Shape& s, long double degrees, long double sy, long double sz) {
    const long double w = degrees * kPi / 180, c = std::cos(w), n = std::sin(w);
    return Mapped(s, c * sy, -n * sz, n * sy, c * sz);
}

const Shape kL = Sum({{1, Box(0, 0, 100, 10)}, {1, Box(0, 10, 10, 80)}});
// The block's L section with its root radius and its hole.
const Shape kLHole = Sum({{1, Box(0, 0, 60, 10)},
                          {1, Box(0, 10, 10, 40)},
                          {1, Box(10, 10, 14, 14)},
                          {-1, Quarter(14, 14, 4, -1, -1)},
                          {-1, Disc(35, 5, 3)}});

Shape IWithFillets() {
    const long double h = 200, b = 100, w = 2.8L, tf = 8.5L, r = 12;
    std::vector<std::pair<int, Shape>> parts;
    Shape s = Sum({{1, Box(-b / 2, 0, b / 2, tf)},
                   {1, Box(-b / 2, h - tf, b / 2, h)},
                   {1, Box(-w, tf, w, h - tf)},
                   {1, Box(w, tf, w + r, tf + r)},
                   {-1, Quarter(w + r, tf + r, r, -1, -1)},
                   {1, Box(w, h - tf - r, w + r, h - tf)},
                   {-1, Quarter(w + r, h - tf - r, r, -1, 1)},
                   {1, Box(-w - r, h - tf - r, -w, h - tf)},
                   {-1, Quarter(-w - r, h - tf - r, r, 1, 1)},
                   {1, Box(-w - r, tf, -w, tf + r)},
                   {-1, Quarter(-w - r, tf + r, r, 1, -1)}});
    return s;
}

} // namespace

// Drawings of lines, arcs, circles and blocks in any order and direction: the imported
// contour's exact-arc area and moments are those of the drawn shape.
TEST_F(DxfImport, DrawingsOfLinesArcsAndBlocksGiveTheDrawnSection) {
    struct Case {
        const char* file;
        Shape shape;
        DxfImportOptions options{};
        long double rel = 1e-12L;
    };
    const Case cases[] = {
        {"lines_shuffled.dxf", kL},
        {"arcs_both_ways.dxf", Sum({{1, Box(0, 0, 100, 60)},
                                    {1, Quarter(100, 30, 30, 1, 1)},
                                    {1, Quarter(100, 30, 30, 1, -1)},
                                    {-1, Quarter(0, 30, 20, 1, 1)},
                                    {-1, Quarter(0, 30, 20, 1, -1)}})},
        {"plate_holes.dxf",
         Sum({{1, Box(0, 0, 200, 100)}, {-1, Disc(50, 50, 20)}, {-1, Box(120, 30, 170, 70)}})},
        {"i_fillets.dxf", IWithFillets()},
        {"block_rotated.dxf", Turned(kLHole, 30, 2, 2)},
        {"block_mirrored.dxf", Turned(kLHole, 90, -1.5L, 1.5L)},
        {"block_nested.dxf", Turned(Turned(kLHole, 90, 1, 1), -30, 0.5L, 0.5L)},
        {"lw_block.dxf", {50, 0, 0, 1e4L / 36, 1e4L / 36, 1e4L / 72}},
        {"lw_closing_arc.dxf", Sum({{1, Box(0, 0, 100, 50)},
                                    {1, Quarter(0, 25, 25, -1, 1)},
                                    {1, Quarter(0, 25, 25, -1, -1)}})},
        {"gap.dxf", kL, {0.01L, ""}, 1e-4L},
        {"layers.dxf", kL, {0, "kontur"}},
    };
    Settings settings;
    for (const Case& c : cases) {
        ProjectData p = Existing();
        const DxfImportResult r = ImportDxfContour(File(c.file), p, c.options);
        ASSERT_TRUE(r.ok) << c.file << ": " << r.error;
        ExactSectionValues v;
        ASSERT_TRUE(ComputeExactArcValues(p, settings, v)) << c.file;
        const Shape& e = c.shape;
        const long double scale = e.Iy + e.Iz;
        EXPECT_NEAR(v.A, e.A, c.rel * e.A) << c.file;
        EXPECT_NEAR(v.IyS, e.Iy, c.rel * scale) << c.file;
        EXPECT_NEAR(v.IzS, e.Iz, c.rel * scale) << c.file;
        EXPECT_NEAR(v.IyzS, e.Iyz, c.rel * scale) << c.file;
        EXPECT_LE(p.PosCount(), kMaxPositions) << c.file;
        // The last position runs straight back to the first: no arc is lost there.
        for (int i = 1; i < p.PosCount(); ++i)
            EXPECT_LT(std::fabs(p.Positions[i - 1u].phi), kFullTurn) << c.file;
    }
}

// A drawing that is no single section is refused with what and where, the project kept.
TEST_F(DxfImport, RefusedDrawingsNameWhatAndWhere) {
    struct Case {
        const char* file;
        std::vector<std::string> parts;
        DxfImportOptions options{};
    };
    const Case cases[] = {
        {"gap.dxf", {cp850("Lücke zwischen"), "(0.001, 80)", "(0, 80)"}},
        {"crossing.dxf", {"schneiden", "(50, 20)"}},
        {"outside.dxf", {cp850("außerhalb der Außenkontur"), "(85, 15)"}},
        {"layers.dxf", {"schneiden"}},
        {"layers.dxf", {"kein Layer \"GIBTESNICHT\""}, {0, "GIBTESNICHT"}},
        {"lw_many.dxf", {"600 Punkte, zu viele Punkte !"}},
        {"lw_bowtie.dxf", {"schneidet sich selbst bei (5, 5)"}},
        {"branch.dxf", {"Verzweigung bei (50, 30): 3 Enden"}},
    };
    for (const Case& c : cases) {
        ProjectData p = Existing();
        const DxfImportResult r = ImportDxfContour(File(c.file), p, c.options);
        EXPECT_FALSE(r.ok) << c.file;
        for (const std::string& part : c.parts)
            EXPECT_NE(r.error.find(part), std::string::npos) << c.file << ": " << r.error;
        ExpectUnchanged(p);
    }
}

// What the import dialog offers: the extent's share as tolerance and the layers of closed
// chains.
TEST_F(DxfImport, SurveyOffersToleranceAndLayers) {
    const DxfDrawingSurvey layers = SurveyDxfDrawing(File("layers.dxf"));
    ASSERT_TRUE(layers.ok) << layers.error;
    EXPECT_NEAR(layers.extent, 120, 1e-9);
    EXPECT_NEAR(layers.tolerance, 120e-6L, 1e-15);
    EXPECT_EQ(layers.layers, (std::vector<std::string>{"KONTUR", "RAHMEN"}));
    EXPECT_TRUE(SurveyDxfDrawing(File("gap.dxf")).layers.empty());
    EXPECT_EQ(SurveyDxfDrawing(File("gap.dxf"), 0.01L).layers, std::vector<std::string>{"0"});
    EXPECT_FALSE(SurveyDxfDrawing(File("missing.dxf")).ok);
}
