// Pins the writer of the project file: the number formats of its lines (12.500 / 12,500,
// 1000.0000000, lx = 0 as "0", ten decimals for arc angles), the resolution of the target
// path, the overwrite question, archive mode, and that a failed save leaves the previous
// file and ModifiedFlag as they were.
#include <filesystem>
#include <gtest/gtest.h>
#include <numbers>

#include "app/App.h"
#include "app/projectcontext.h"
#include "project/projectfile.h"
#include "sample_project.h"
#include "support/tempfolder.h"
#include "text/textfile.h"

using namespace vak1;
using namespace vak1::test;

namespace {

std::vector<std::string> Written(TestApp& t, const std::string& name = "p") {
    WriteProject(ProjectFileOf(t.app), name);
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    return SplitCrLf(ReadBytes(t.path(name + ".vak1")));
}

// Index of the first line after the contour block.
std::size_t BodyLine(const ProjectData& p) {
    return 7 + 6 + 5 * p.PosCount();
}

} // namespace

TEST(ProjectWrite, EmptyContourGoesStraightToTheBodyBlock) {
    TestApp t;
    const auto lines = Written(t);
    const std::vector<std::string> head = {std::string(65, '-'),
                                           "VAK1  Querschnittberechnung",
                                           "Version 5.0",
                                           std::string(65, '-'),
                                           "",
                                           "",
                                           "",
                                           std::string(15, '-'),
                                           "1. KONTUR",
                                           std::string(15, '-'),
                                           "Anz. Konturelemente",
                                           "0",
                                           std::string(22, '-'),
                                           "7.8000000",
                                           "1000.0000000",
                                           "5.0000000"};
    ASSERT_GE(lines.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(lines[i], head[i]) << i;
    EXPECT_EQ(lines.back(), "1");            // principal axes
    EXPECT_EQ(lines[lines.size() - 2], "1"); // hatching
}

TEST(ProjectWrite, CoordinatesFollowDecimalPlacesAndSeparatorButAnglesKeepTenDecimals) {
    TestApp t;
    ProjectData& p = t.app.Project;
    p.Positions.push_back({12.5L, 0, 0});
    p.Positions.push_back({-3.25L, 1e-9L, std::numbers::pi_v<long double> / 2});
    p.lx = 0;
    t.app.State.OverwriteQuestion = false;
    auto lines = Written(t);
    EXPECT_EQ(lines[13], "1. Punkt");
    EXPECT_EQ(lines[14], "12.500");
    EXPECT_EQ(lines[15], "0.000");
    EXPECT_EQ(lines[16], "0.0000000000");
    EXPECT_EQ(lines[17], "------");
    EXPECT_EQ(lines[18], "2. Punkt");
    EXPECT_EQ(lines[19], "-3.250");
    EXPECT_EQ(lines[20], "0.000");
    EXPECT_EQ(lines[21], "1.5707963268");
    EXPECT_EQ(lines[BodyLine(p) + 1], "0"); // lx = 0

    t.app.Config.DecimalComma = DecimalSign::Comma;
    lines = Written(t);
    EXPECT_EQ(lines[14], "12,500");
    EXPECT_EQ(lines[15], "0,000");
    EXPECT_EQ(lines[16], "0,0000000000");
    EXPECT_EQ(lines[21], "1,5707963268");
    EXPECT_EQ(lines[BodyLine(p)], "7,8000000");

    t.app.Config.DecimalComma = DecimalSign::Point;
    t.app.Config.DecimalPlaces = 5;
    lines = Written(t);
    EXPECT_EQ(lines[14], "12.50000");
    EXPECT_EQ(lines[21], "1.5707963268");
    EXPECT_EQ(lines[BodyLine(p)], "7.800000000");

    t.app.Config.DecimalPlaces = 1;
    lines = Written(t);
    EXPECT_EQ(lines[14], "12.5");
    EXPECT_EQ(lines[21], "1.5707963268");
}

TEST(ProjectWrite, EmptyNameAsksWhereAndAdoptsFolderAndName) {
    TestApp t;
    std::filesystem::create_directory(t.path("sub"));
    t.app.State.ProjectName = "alt";
    t.ui.Push(ScriptedAnswer::File(t.path("sub/neu.vak1")));
    WriteProject(ProjectFileOf(t.app), "");
    ASSERT_EQ(t.app.State.AbortFlag, 0);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].kind, "save");
    EXPECT_EQ(t.ui.shown[0].lines.at(0), "*.vak1|*.vak1");
    EXPECT_EQ(t.ui.shown[0].text, t.folder.path());
    EXPECT_EQ(t.ui.shown[0].prompt, "alt");
    EXPECT_EQ(t.app.State.ProjectDir, t.path("sub/"));
    EXPECT_EQ(t.app.State.ProjectName, "neu");
    EXPECT_TRUE(FileExists(t.path("sub/neu.vak1")));

    // A chosen name without the extension gets it.
    t.ui.Push(ScriptedAnswer::File(t.path("ohne")));
    WriteProject(ProjectFileOf(t.app), "");
    EXPECT_TRUE(FileExists(t.path("ohne.vak1")));
}

TEST(ProjectWrite, CancelledDialogWritesNothing) {
    TestApp t;
    t.ui.Push(ScriptedAnswer::Cancel());
    WriteProject(ProjectFileOf(t.app), "");
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_TRUE(std::filesystem::is_empty(t.folder.path()));
}

TEST(ProjectWrite, NameWithPointIsTheWholePath) {
    TestApp t;
    t.app.State.ProjectDir = t.path("gibtsnicht/");
    WriteProject(ProjectFileOf(t.app), t.path("x.txt"));
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    EXPECT_TRUE(FileExists(t.path("x.txt")));
    WriteProject(ProjectFileOf(t.app), "ohnepunkt"); // goes into the (missing) project folder
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_NE(t.LastError().find("Ungültiger Dateiname \"" + t.path("gibtsnicht/ohnepunkt.vak1") +
                                 "\" !"),
              std::string::npos)
        << t.LastError();
}

TEST(ProjectWrite, OverwriteQuestionGuardsTheOldFile) {
    TestApp t;
    WriteBytes(t.path("p.vak1"), "alt");
    t.ui.Push(ScriptedAnswer::Answer(Reply::No));
    WriteProject(ProjectFileOf(t.app), "p");
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].prompt, t.path("p.vak1") + " existiert bereits.   Überschreiben ?");
    EXPECT_EQ(ReadBytes(t.path("p.vak1")), "alt");

    t.app.State.AbortFlag = 0;
    t.ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    WriteProject(ProjectFileOf(t.app), "p");
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    EXPECT_NE(ReadBytes(t.path("p.vak1")), "alt");

    // "Save" switches the question off; "aktuell" never asks.
    t.app.State.OverwriteQuestion = false;
    WriteProject(ProjectFileOf(t.app), "p");
    t.app.State.OverwriteQuestion = true;
    WriteBytes(t.path("aktuell.vak1"), "alt");
    WriteProject(ProjectFileOf(t.app), "aktuell");
    EXPECT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.app.State.AbortFlag, 0);
}

TEST(ProjectWrite, ArchiveModeRefusesEveryNameButAktuell) {
    TestApp t;
    t.app.State.CommandLineFile = true;
    t.app.Config.ArchiveMode = true;
    for (std::string name : {"p", "", "aktuell.vak1"}) {
        t.app.State.AbortFlag = 0;
        WriteProject(ProjectFileOf(t.app), name);
        EXPECT_EQ(t.app.State.AbortFlag, 1) << name;
        EXPECT_EQ(t.LastError(),
                  "File- und User- Befehle sind im Archivierungsmodus nicht möglich.");
    }
    EXPECT_EQ(t.Errors(), 3); // no save dialog came up for the empty name
    t.app.State.AbortFlag = 0;
    WriteProject(ProjectFileOf(t.app), "aktuell");
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    EXPECT_TRUE(FileExists(t.path("aktuell.vak1")));

    t.app.Config.ArchiveMode = false;
    WriteProject(ProjectFileOf(t.app), "p");
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    EXPECT_FALSE(t.app.State.CommandLineFile);
}

TEST(ProjectWrite, TargetThatIsAFolderIsRefused) {
    TestApp t;
    std::filesystem::create_directory(t.path("ordner.vak1"));
    WriteProject(ProjectFileOf(t.app), "ordner");
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.LastError(), "Ungültiger Dateiname \"" + t.path("ordner.vak1") + "\" !");
    EXPECT_TRUE(std::filesystem::is_directory(t.path("ordner.vak1")));
}

TEST(ProjectWrite, SaveFailingHalfWayKeepsTheOldFileAndModifiedFlag) {
    TestApp t;
    FillSample(t.app);
    WriteProject(ProjectFileOf(t.app), "p");
    ASSERT_EQ(t.app.State.AbortFlag, 0);
    const std::string old = ReadBytes(t.path("p.vak1"));
    ASSERT_GT(old.size(), 600u);

    t.app.Project.Positions[0].y = 1; // a change that must not reach the file
    t.app.State.ModifiedFlag = 1;
    t.app.State.OverwriteQuestion = false;
    {
        FileSizeLimit limit(300);
        WriteProject(ProjectFileOf(t.app), "p");
    }
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.app.State.ModifiedFlag, 1);
    EXPECT_EQ(t.Errors(), 1);
    EXPECT_EQ(ReadBytes(t.path("p.vak1")), old);
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(t.folder.path()))
        (void)e, ++files;
    EXPECT_EQ(files, 1u); // no temporary file left behind
}

TEST(ProjectWrite, GoldenFile) {
    TestApp t;
    FillSample(t.app);
    WriteProject(ProjectFileOf(t.app), "golden");
    ASSERT_EQ(t.app.State.AbortFlag, 0);
    const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/project/sample.vak1";
    const std::string written = ReadBytes(t.path("golden.vak1"));
    if (std::getenv("VAK1_UPDATE_GOLDEN")) WriteBytes(golden, written);
    EXPECT_EQ(written, ReadBytes(golden));
}
