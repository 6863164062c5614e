// Pins the complete DXF files and text listings of drawing kinds 1 to 4 of the example
// contour byte for byte against tests/golden (set VAK1_UPDATE_GOLDEN=1 to rewrite them after a
// reviewed change).
#include "cad/cad.h"
#include "cad/drawing.h"
#include "cad/cadtest.h"
#include "support/tempfolder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class GoldenTest : public CadTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

std::string GoldenName(int device, int kind) {
    return "cad_kind" + std::to_string(kind) + (device == cdDxf ? ".dxf" : ".txt");
}

} // namespace

TEST_P(GoldenTest, MatchesByteForByte) {
    const auto [device, kind] = GetParam();
    LoadExample(app.Project);
    Calc();
    std::string error;
    ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, device, kind, File("out"), &error)) << error;
    const std::string written = ReadAll(File(device == cdDxf ? "out.dxf" : "out.txt"));
    const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/" + GoldenName(device, kind);
    if (std::getenv("VAK1_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << written;
        GTEST_SKIP() << "rewrote " << golden;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden;
    const std::string expected = ReadAll(golden);
    if (written != expected) {
        std::size_t at = 0;
        while (at < written.size() && at < expected.size() && written[at] == expected[at])
            ++at;
        const std::size_t from = at > 40 ? at - 40 : 0;
        FAIL() << GoldenName(device, kind) << " differs at byte " << at << ":\nwritten  ..."
               << written.substr(from, 80) << "\nexpected ..." << expected.substr(from, 80);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, GoldenTest,
                         ::testing::Combine(::testing::Values(int{cdDxf}, int{cdTxt}),
                                            ::testing::Values(1, 2, 3, 4)));

TEST(GoldenFiles, DxfGoldensLoadInEzdxf) {
    for (int kind = 1; kind <= 4; ++kind) {
        const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/" + GoldenName(cdDxf, kind);
        // The dump goes beside a copy in a temporary folder, not into the source tree.
        const TempFolder folder("vak1_golden");
        const fs::path copy = folder.dir() / GoldenName(cdDxf, kind);
        fs::copy_file(golden, copy, fs::copy_options::overwrite_existing);
        const EzdxfResult r = LoadWithEzdxf(copy.string());
        EXPECT_EQ(r.rc, 0) << golden;
        EXPECT_EQ(r.Count("WARN|"), 0u) << golden;
        EXPECT_GT(r.lines.size(), 30u) << golden;
    }
}

namespace vak1::test {
namespace {

// A CAD test's folder had a fixed name in the temporary folder; a parameterised test's "/" made
// it vak1_cad_Kinds/..., of which only the last part was removed, so a second user could not
// run the tests afterwards.
class FolderProbe : public CadTest {
  public:
    void TestBody() override {}
    using CadTest::dir;
    using CadTest::SetUp;
    using CadTest::TearDown;
};

class CadFolders : public ::testing::TestWithParam<int> {};

TEST_P(CadFolders, EachTestHasItsOwnFolderAndLeavesNothingBehind) {
    const TempFolder temp("vak1_tmpdir");
    const EnvGuard tmpdir("TMPDIR", temp.dir().c_str());
    {
        FolderProbe first, second;
        first.SetUp();
        second.SetUp();
        EXPECT_NE(first.dir, second.dir);
        EXPECT_EQ(first.dir.parent_path(), temp.dir());
        EXPECT_TRUE(fs::is_directory(first.dir / "tmp"));
        first.TearDown();
        second.TearDown();
    }
    EXPECT_TRUE(fs::is_empty(temp.dir()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CadFolders, ::testing::Values(1));

} // namespace
} // namespace vak1::test
