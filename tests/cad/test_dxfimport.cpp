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
#include "calc/section.h"
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
        p.Positions[++p.PosCount] = {1, 2, 0};
        p.Positions[++p.PosCount] = {3, 4, 0.5L};
        return p;
    }
    void ExpectUnchanged(const ProjectData& p) {
        EXPECT_EQ(p.PosCount, 2);
        EXPECT_EQ(p.Positions[2].y, 3);
        EXPECT_EQ(p.Positions[2].phi, 0.5L);
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
    ASSERT_EQ(p.PosCount, 4);
    EXPECT_EQ(p.Positions[3].y, 100);
    EXPECT_EQ(p.Positions[3].z, 50);
    EXPECT_NEAR(p.Positions[3].phi, kPi, 1e-12);
    EXPECT_EQ(p.Positions[4].phi, 0);
    EXPECT_EQ(p.Positions[5].y, UnsetCoordinate); // the rest of the slots are reset
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
    ASSERT_EQ(p.PosCount, 4);
    EXPECT_NEAR(p.Positions[2].phi, kPi / 2, 1e-12);
    EXPECT_EQ(p.Positions[3].y, 80);
    EXPECT_EQ(p.Positions[3].z, 60);
}

TEST_F(DxfImport, InchUnitsAndMirroredExtrusion) {
    ProjectData p;
    ASSERT_TRUE(ImportDxfContour(File("lw_inch.dxf"), p).ok);
    EXPECT_NEAR(p.Positions[2].y, 25.4L, 1e-12);
    EXPECT_NEAR(p.Positions[3].z, 25.4L, 1e-12);

    ProjectData q;
    ASSERT_TRUE(ImportDxfContour(File("lw_mirrored.dxf"), q).ok);
    EXPECT_EQ(q.Positions[2].y, -10);
    EXPECT_NEAR(q.Positions[3].phi, -4 * std::atan(0.5L), 1e-15);
}

TEST_F(DxfImport, RefusalsKeepTheProject) {
    for (const char* name : {"lw_open.dxf", "lw_block.dxf", "only_lines.dxf", "lw_many.dxf",
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
            EXPECT_GE(q.PosCount, 1);
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
    EXPECT_EQ(p.PosCount, 3);
}
