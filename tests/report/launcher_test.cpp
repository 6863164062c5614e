// Pins that programs are started without a shell: a file name with blanks, ";" and "$(...)"
// reaches the program as one unchanged argument and runs nothing else.
#include <filesystem>

#include "platform/ProcessLauncher.h"
#include "support/ReportFixture.h"

namespace vak1::test {
namespace {

using LauncherTest = ReportFixture;

TEST_F(LauncherTest, FileNameWithShellCharactersIsOneArgument) {
    ProcessLauncher launcher;
    const std::string name =
        dir + "mein bericht; touch " + dir + "boese $(touch " + dir + "auch).txt";
    const std::string out = dir + "out";
    ASSERT_TRUE(launcher.Start("/bin/sh", {"-c", "printf %s \"$1\" > \"$2\"", "sh", name, out}));
    EXPECT_EQ(launcher.Wait(launcher.LastPid()), 0);
    EXPECT_EQ(Read(out), name);
    EXPECT_FALSE(std::filesystem::exists(dir + "boese"));
    EXPECT_FALSE(std::filesystem::exists(dir + "auch"));
}

TEST_F(LauncherTest, ExistsLooksAtPathAndFiles) {
    ProcessLauncher launcher;
    EXPECT_TRUE(launcher.Exists("sh"));
    EXPECT_TRUE(launcher.Exists("/bin/sh"));
    EXPECT_FALSE(launcher.Exists(dir + "kein-programm"));
    EXPECT_FALSE(launcher.Exists(""));
    EXPECT_FALSE(launcher.Start(dir + "kein-programm", {}));
}

} // namespace
} // namespace vak1::test
