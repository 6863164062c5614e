// Pins where the extended values show: the view menu item writes the report through the
// output document, and the unattended job "/X" writes NAME_x.txt, whose polygon part is
// pinned byte for byte (VAK1_UPDATE_GOLDEN=1 rewrites it after a deliberate change).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/commands.h"
#include "app/startup.h"
#include "project/projectfile.h"
#include "app/projectcontext.h"
#include "report/extendedreport.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

class ExtendedValuesCommand : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        AllFoldersInDir();
        app.Config.HelpLevel = 0;
        app.Config.TextDevice = odDosFile;
        app.Config.TextDeviceDialog = false;
    }
};

} // namespace

TEST_F(ExtendedValuesCommand, MenuItemWritesTheReport) {
    LoadLProfile();
    ui.Push(ScriptedAnswer::Keep());
    ASSERT_TRUE(RunCommand(app, "mi_viewExtended"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    const std::string text = Read(dir + "OUTDOS.TXT");
    EXPECT_NE(text.find("ERWEITERTE QUERSCHNITTSWERTE"), std::string::npos);
    EXPECT_NE(text.find(kTorsionHeading), std::string::npos);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back().kind, "progress");
    EXPECT_EQ(ui.shown.back().helpNumber, kHelpExtendedValues);

    RunCommand(app, "mi_helplanguageEnglish");
    EXPECT_EQ(FindMenuItem(app.Menu.Bar, "mi_viewExtended")->caption, "E&xtended Values");
}

// The fineness asked before the solver reaches the mesh and is offered again next time; a
// cancel there writes no report.
TEST_F(ExtendedValuesCommand, MeshFinenessIsAskedKeptAndRefinesTheMesh) {
    LoadLProfile();
    const auto elements = [&] {
        for (const std::string& line : Lines(Read(dir + "OUTDOS.TXT")))
            if (const std::size_t at = line.find("Elemente des Netzes"); at != std::string::npos) {
                std::istringstream fields(line.substr(at + 19));
                std::string symbol, unit;
                long n = 0;
                fields >> symbol >> unit >> n;
                return n;
            }
        return 0L;
    };
    ui.Push({ScriptedAnswer::Text("1"), ScriptedAnswer::Text("3"), ScriptedAnswer::Cancel()});
    RunCommand(app, "mi_viewExtended");
    const long coarse = elements();
    RunCommand(app, "mi_viewExtended");
    EXPECT_GT(elements(), 4 * coarse);
    EXPECT_GT(coarse, 0);
    fs::remove(dir + "OUTDOS.TXT");
    RunCommand(app, "mi_viewExtended");
    EXPECT_FALSE(fs::exists(dir + "OUTDOS.TXT"));
    const auto asked = ui.Shown("text");
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked.back().helpNumber, kHelpMeshFineness);
    EXPECT_EQ(asked.back().text, "3");
}

TEST_F(ExtendedValuesCommand, FailedCalculationShowsTheMessagesInstead) {
    app.Project.ResetContour();
    app.Project.Positions.push_back({0, 0, 0});
    app.Project.Positions.push_back({10, 0, 0});
    CalcSection(app.Project, app.Messages, app.Config);
    ASSERT_EQ(app.Project.CalcError, 1);
    RunCommand(app, "mi_viewExtended");
    EXPECT_FALSE(fs::exists(dir + "OUTDOS.TXT"));
    const auto lists = ui.Shown("choice");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists.back().lines.front(), "Fatal  : A = 0 !");
}

TEST_F(ExtendedValuesCommand, JobWritesNameXTxt) {
    LoadLProfile();
    app.State.ProjectName = "winkel";
    WriteProject(ProjectFileOf(app), dir + "winkel.vak1");
    EXPECT_TRUE(IsUnattended({dir + "winkel.vak1", "/X", "/NOGUI"}));
    const StartResult r = RunJob({dir + "winkel.vak1", "/X", "/NOGUI"}).result;
    EXPECT_TRUE(r.exit);
    EXPECT_EQ(r.code, 0);

    const std::string text = Read(dir + "winkel_x.txt");
    const std::size_t torsion = text.find(kTorsionHeading);
    ASSERT_NE(torsion, std::string::npos);
    // The polygon part is pinned; the solver's part only has to say something.
    const std::string polygonPart = text.substr(0, torsion);
    const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/report/extended_x.txt";
    if (std::getenv("VAK1_UPDATE_GOLDEN")) Write(golden, polygonPart);
    EXPECT_TRUE(Read(golden) == polygonPart) << polygonPart;
    const std::vector<std::string> lines = Lines(text.substr(torsion));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[2].find_first_not_of(' '), std::string::npos);
}

// An empty contour gave all-zero results with exit code 0 from /I and /CAD, and exit code 1
// without a reason from /X: every job fails with the reason on standard error.
TEST_F(ExtendedValuesCommand, EmptyContourFailsEveryJobWithItsReason) {
    app.Project.ResetContour();
    app.State.ProjectName = "leer";
    WriteProject(ProjectFileOf(app), dir + "leer.vak1");
    for (const char* job : {"/I", "/X", "/CAD1:1", "/CAD5:1"}) {
        const auto [r, reason] = RunJob({dir + "leer.vak1", job, "/NOGUI"});
        EXPECT_TRUE(r.exit) << job;
        EXPECT_EQ(r.code, 1) << job;
        EXPECT_NE(reason.find("Kontur leer"), std::string::npos) << job << ": " << reason;
    }
}
