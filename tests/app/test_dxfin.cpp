// Pins the DXF import as the user and a batch caller meet it: the import dialog offers the
// drawing's tolerance and its layers, and the job /DXFIN writes the project of the contour or
// nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/commands.h"
#include "app/startup.h"
#include "calc/extended.h"
#include "docu/Documentation.h"
#include "project/projectfile.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

class DxfIn : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        AllFoldersInDir();
        app.Config.HelpLevel = 0;
        app.Config.CadDir = dir;
        const std::string cmd = std::string(VAK1_PYTHON) + " " + VAK1_SOURCE_DIR +
                                "/tests/tools/make_import_dxf.py " + dir;
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    // Runs the program in the test's folder; standard error is kept in err.
    int Job(const std::string& args) {
        const std::string cmd =
            "cd '" + dir + "' && '" + VAK1_BINARY + "' " + args + " >out.txt 2>err.txt";
        const int status = std::system(cmd.c_str());
        err = Read(dir + "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err;
};

} // namespace

// The job writes the project of the drawing's contour, or names why not and writes nothing.
TEST_F(DxfIn, JobWritesTheProjectOrNothing) {
    struct Case {
        const char* args;
        int code;
        const char* written; // the project file, or nullptr
        long double area;    // its exact area
        const char* message; // part of standard error
    };
    const Case cases[] = {
        {"/DXFIN plate_holes.dxf blech", 0, "blech.vak1", 20000 - kPi * 400 - 2000, ""},
        {"/dxfin lines_shuffled.dxf winkel.vak1", 0, "winkel.vak1", 1700, ""},
        {"/DXFIN gap.dxf offen", 1, nullptr, 0, "Lücke zwischen"},
        {"/DXFIN crossing.dxf kreuz", 1, nullptr, 0, "schneiden oder berühren sich bei (50, 20)"},
        {"/DXFIN fehlt.dxf nichts", 1, nullptr, 0, "nicht gefunden"},
        {"/DXFIN plate_holes.dxf", 1, nullptr, 0, "/DXFIN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Job(c.args), c.code) << c.args << ": " << err;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.args << ": " << err;
        if (!c.written) {
            for (const auto& e : fs::directory_iterator(dir))
                EXPECT_NE(e.path().extension(), ".vak1") << c.args;
            continue;
        }
        ProjectData p;
        Documentation docu;
        ASSERT_TRUE(ReadProjectFile(p, docu, dir + c.written).ok) << c.args;
        ExactSectionValues v;
        ASSERT_TRUE(ComputeExactArcValues(p, app.Config, v)) << c.args;
        EXPECT_NEAR(v.A, c.area, 1e-6) << c.args;
        fs::remove(dir + c.written);
    }
    // An existing project is not replaced unasked.
    ASSERT_EQ(Job("/DXFIN plate_holes.dxf blech"), 0) << err;
    const std::string before = Read(dir + "blech.vak1");
    EXPECT_EQ(Job("/DXFIN lines_shuffled.dxf blech"), 1);
    EXPECT_NE(err.find("existiert bereits"), std::string::npos) << err;
    EXPECT_EQ(Read(dir + "blech.vak1"), before);
    std::string usage;
    for (const std::string& line : UsageLines())
        usage += line + "\n";
    EXPECT_NE(usage.find("/DXFIN Drawing.dxf Filename"), std::string::npos);
}

// The import dialog shows the drawing's tolerance and the layers of its closed chains; the
// tolerance typed and the layer chosen are the ones the import takes, and the import marks
// the project modified.
TEST_F(DxfIn, DialogOffersToleranceAndLayers) {
    struct Case {
        const char* file;
        std::optional<std::string> tolerance;
        int layer;
        int positions; // 0: refused, project kept
        const char* message;
    };
    const Case cases[] = {
        {"layers.dxf", std::nullopt, 0, 0, "schneiden"}, {"layers.dxf", std::nullopt, 1, 6, ""},
        {"gap.dxf", std::nullopt, 0, 0, "Lücke"},        {"gap.dxf", "0,01", 0, 6, ""},
        {"gap.dxf", "null", 0, 0, "Toleranz"},
    };
    for (const Case& c : cases) {
        LoadLProfile();
        app.State.ModifiedFlag = 0;
        ui.shown.clear();
        ui.Push(ScriptedAnswer::DxfImport(dir + c.file, c.tolerance, c.layer + 1));
        RunCommand(app, "mi_fileImportDXF");
        const auto shown = ui.Shown("dxfimport");
        ASSERT_EQ(shown.size(), 1u) << c.file;
        if (std::string(c.file) == "layers.dxf") {
            EXPECT_EQ(shown[0].fields, (std::vector<std::string>{"0.00012", "120 mm"}));
            EXPECT_EQ(shown[0].lines, (std::vector<std::string>{"alle Layer", "KONTUR", "RAHMEN"}));
        } else {
            EXPECT_EQ(shown[0].fields[0], "0.0001") << c.file; // a millionth of 100 mm
        }
        const bool ok = c.positions > 0;
        EXPECT_EQ(app.State.AbortFlag, ok ? 0 : 1) << c.file;
        EXPECT_EQ(app.State.ModifiedFlag, ok ? 1 : 0) << c.file;
        EXPECT_EQ(app.Project.PosCount(), ok ? c.positions : 7) << c.file;
        if (!ok) {
            ASSERT_FALSE(ui.Messages().empty()) << c.file;
            EXPECT_NE(ui.Messages().back().find(c.message), std::string::npos)
                << ui.Messages().back();
        }
    }
}
