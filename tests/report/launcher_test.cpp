// Pins that programs are started without a shell: a file name with blanks, ";" and "$(...)"
// reaches the program as one unchanged argument and runs nothing else.
#include <chrono>
#include <filesystem>
#include <sstream>
#include <fstream>
#include <thread>
#include <unistd.h>

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

// The children of this process that have ended but were not waited for.
std::vector<pid_t> DefunctChildren() {
    std::vector<pid_t> defunct;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        if (!std::getline(in, stat)) continue;
        const std::size_t name = stat.rfind(')'); // the program name may hold blanks
        if (name == std::string::npos) continue;
        std::istringstream rest(stat.substr(name + 1));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        if (state == 'Z' && parent == ::getpid())
            defunct.push_back(std::stoi(entry.path().filename().string()));
    }
    return defunct;
}

// A finished child was waited for only at the next start, so the plot program or the browser
// stayed a defunct process as long as the program ran on.
TEST_F(LauncherTest, FinishedChildrenDoNotStayDefunct) {
    ProcessLauncher launcher;
    ASSERT_TRUE(launcher.Start("/bin/sh", {"-c", "exit 3"}));
    const pid_t child = launcher.LastPid();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::filesystem::exists("/proc/" + std::to_string(child)) &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(DefunctChildren(), std::vector<pid_t>{});
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(child)));
    EXPECT_EQ(launcher.Wait(child), 3); // its status is still there for whoever asks
    EXPECT_EQ(launcher.Wait(child), -1);
}

} // namespace
} // namespace vak1::test
