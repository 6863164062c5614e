// Pins where the stresses show: View -> "Spannungen" asks the internal forces (kept while the
// program runs, refused when not a number), writes the report through the output document and
// shows the colour map; the job /S: writes NAME_s.txt and NAME_s.png, or fails with exit 1.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands.h"
#include "app/projectcontext.h"
#include "app/startup.h"
#include "project/projectfile.h"
#include "report/stressreport.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

class StressCommand : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        AllFoldersInDir();
        app.Config.HelpLevel = 0;
        app.Config.TextDevice = odDosFile;
        app.Config.TextDeviceDialog = false;
    }
    static ScriptedAnswer Loads(std::vector<std::optional<std::string>> fields, int kind = 0) {
        ScriptedAnswer a;
        a.kind = "stress";
        a.fields = std::move(fields);
        a.choice = kind;
        return a;
    }
};

} // namespace

TEST_F(StressCommand, DialogKeepsTheLoadsRefusesNonNumbersAndWritesTheReport) {
    LoadLProfile();
    ui.Push({Loads({"1000", "abc", "500", "2e4", "3e5", "-1e5"}, 2), Loads({std::nullopt, "0"}),
             Loads({}), ScriptedAnswer::Cancel()});
    ASSERT_TRUE(RunCommand(app, "mi_viewStresses"));
    const auto asked = ui.Shown("stress");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].helpNumber, kHelpStresses);
    EXPECT_EQ(asked[0].units[0], "N");
    EXPECT_EQ(asked[0].units[3], "Nmm");
    EXPECT_NE(asked[1].prompt.find("keine Zahl"), std::string::npos);
    EXPECT_EQ(app.State.StressLoads.N, 1000);
    EXPECT_EQ(app.State.StressLoads.My, 3e5);
    EXPECT_EQ(app.State.StressPictureKind, 1);

    const std::string text = Read(dir + "OUTDOS.TXT");
    for (const char* symbol : {kStressHeading, " sx+ ", " sx- ", " tau ", " sv ", " yN ", " zN "})
        EXPECT_NE(text.find(symbol), std::string::npos) << symbol;
    const auto pictures = ui.Shown("stresspicture");
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].preselected, 2);
    ASSERT_EQ(ui.pictures.size(), 3u);
    for (const auto& rgb : ui.pictures) {
        ASSERT_EQ(rgb.size(), 400u * 300u * 3u);
        // The map is more than its white background.
        EXPECT_GT(std::count_if(rgb.begin(), rgb.end(), [](std::uint8_t c) { return c < 128; }),
                  5000);
    }

    // Offered again as typed; a cancel writes nothing.
    fs::remove(dir + "OUTDOS.TXT");
    RunCommand(app, "mi_viewStresses");
    const auto again = ui.Shown("stress");
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(again[2].fields[0], "1000");
    EXPECT_EQ(again[2].fields[4], "300000");
    EXPECT_EQ(again[2].preselected, 2);
    EXPECT_TRUE(fs::exists(dir + "OUTDOS.TXT"));
    fs::remove(dir + "OUTDOS.TXT");
    RunCommand(app, "mi_viewStresses");
    EXPECT_FALSE(fs::exists(dir + "OUTDOS.TXT"));
}

// In inch mode the loads are typed in lbf and lbf in and the stresses shown in psi.
TEST_F(StressCommand, InchModeTakesPoundsAndShowsPsi) {
    LoadLProfile();
    app.Config.EnglishUnits = Units::English;
    ui.Push(Loads({"1000", "0", "0", "0", "100", "0"}));
    RunCommand(app, "mi_viewStresses");
    EXPECT_NEAR(app.State.StressLoads.N, 4448.2216152605, 1e-9);
    EXPECT_NEAR(app.State.StressLoads.My, 100 * 4.4482216152605 * 25.4, 1e-9);
    const auto asked = ui.Shown("stress");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0].units[4], "lbf*in");
    const std::string text = Read(dir + "OUTDOS.TXT");
    EXPECT_NE(text.find(" psi "), std::string::npos);
}

TEST_F(StressCommand, JobWritesTheReportAndThePictureOrFailsWithExit1) {
    LoadLProfile();
    app.State.ProjectName = "winkel";
    WriteProject(ProjectFileOf(app), dir + "winkel.vak1");
    app.Project.ResetContour();
    app.State.ProjectName = "leer";
    WriteProject(ProjectFileOf(app), dir + "leer.vak1");
    Write(dir + "kaputt.vak1", "no project\r\n");
    struct Case {
        std::string file, loads;
        int code;
    };
    const Case cases[] = {
        {"winkel", "/S:1000,200,500,2e4,3e5,-1e5", 0},
        {"winkel", "/s:0,0,0,0,1e6", 0},
        {"winkel", "/S:1,2,x", 1},
        {"winkel", "/S:1,2,3,4,5,6,7", 1},
        {"leer", "/S:1,0,0,0,0,0", 1},
        {"kaputt", "/S:1,0,0,0,0,0", 1},
        {"fehlt", "/S:1,0,0,0,0,0", 1},
    };
    for (const Case& c : cases) {
        fs::remove(dir + c.file + "_s.txt");
        fs::remove(dir + c.file + "_s.png");
        ASSERT_TRUE(IsUnattended({dir + c.file + ".vak1", c.loads, "/NOGUI"}));
        const auto [r, err] = RunJob({dir + c.file + ".vak1", c.loads, "/NOGUI"});
        EXPECT_TRUE(r.exit) << c.file << c.loads;
        EXPECT_EQ(r.code, c.code) << c.file << c.loads << err;
        if (c.code != 0) {
            EXPECT_FALSE(fs::exists(dir + c.file + "_s.png")) << c.file << c.loads;
            EXPECT_FALSE(err.empty()) << c.file << c.loads;
            continue;
        }
        const std::string text = Read(dir + c.file + "_s.txt");
        EXPECT_NE(text.find(kStressHeading), std::string::npos);
        EXPECT_NE(text.find(" sv "), std::string::npos);
        const std::string png = Read(dir + c.file + "_s.png");
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        EXPECT_EQ(png.substr(12, 4), "IHDR");
    }
}
