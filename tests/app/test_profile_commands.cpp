// The unattended section job: a designation of the table writes the project of that section,
// which reads back with its contour and name; an unknown designation or a missing name
// writes nothing, says why on standard error and ends with exit code 1. The sections of every
// family, slits of hollow sections included, carry no note of a crossing contour.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "calc/extended.h"
#include "app/notes.h"
#include "project/calculation.h"
#include "docu/Documentation.h"
#include "profiles/profiles.h"
#include "project/projectfile.h"
#include "support/tempfolder.h"

extern char** environ;

using namespace vak1;
using namespace vak1::test;
namespace fs = std::filesystem;

namespace {

// Runs the program with args in cwd, standard error into errPath; the exit code.
int RunProgram(const std::string& cwd, const std::vector<std::string>& args,
               const std::string& errPath) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0) ::_exit(126);
        if (!std::freopen(errPath.c_str(), "w", stderr)) ::_exit(125);
        std::vector<char*> argv{const_cast<char*>(VAK1_BINARY)};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execve(VAK1_BINARY, argv.data(), environ);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ProfileJob, WritesTheProjectOfATableSectionOrNothing) {
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* written; // the project file, or nullptr
        const char* err;     // part of standard error
    };
    const Case cases[] = {
        {{"/PROFILE", "IPE 200", "ipe.vak1"}, 0, "ipe.vak1", ""},
        {{"/profile", "HE B 200", "heb"}, 0, "heb.vak1", ""},
        {{"/PROFILE", "IPE 201", "falsch.vak1"}, 1, nullptr, "\"IPE 201\" nicht in"},
        {{"/PROFILE", "IPE 200"}, 1, nullptr, "Projektdatei fehlen"},
    };
    for (const Case& c : cases) {
        TempFolder dir("profilejob");
        const std::string errPath = dir.path() + "err.txt";
        EXPECT_EQ(RunProgram(dir.path(), c.args, errPath), c.code) << c.args[1];
        const std::string err = ReadBytes(errPath);
        EXPECT_NE(err.find(c.err), std::string::npos) << err;
        std::size_t files = 0;
        for (const auto& e : fs::directory_iterator(dir.path()))
            files += e.path().filename() != "err.txt";
        EXPECT_EQ(files, c.written ? 1u : 0u) << c.args[1];
        if (!c.written) continue;
        ProjectData p;
        Documentation docu;
        ASSERT_TRUE(ReadProjectFile(p, docu, dir.path() + c.written).ok) << c.written;
        EXPECT_EQ(p.PosCount(), 16) << c.written;
        EXPECT_EQ(p.DrawingName, c.code == 0 && c.args[1] == "IPE 200" ? "IPE 200" : "HEB 200");
        MessageList messages;
        CalcSection(p, messages, Settings{});
        EXPECT_EQ(p.CalcError, 0);
        ExactSectionValues exact;
        ASSERT_TRUE(ComputeExactArcValues(p, Settings{}, exact));
        EXPECT_NEAR(static_cast<double>(exact.A), c.args[1] == "IPE 200" ? 2848.4 : 7808.1, 0.1);
    }
}

TEST(ProfileNotes, NoSectionOfAnyFamilyIsTakenForACrossingContour) {
    for (const ParametricShape& shape : ParametricShapes()) {
        std::vector<TPosition> contour;
        std::string error;
        ASSERT_TRUE(ParametricContour(shape.shape, shape.defaults, contour, error)) << error;
        ProjectData p;
        SetProjectContour(p, contour, "x");
        MessageList messages;
        CalcSection(p, messages, Settings{});
        ASSERT_EQ(p.CalcError, 0) << shape.prefix;
        EXPECT_EQ(SectionNotes(p), std::vector<std::string>{}) << shape.prefix;
    }
}
