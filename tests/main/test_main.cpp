// Pins the program entry as a user meets it: the desktop program started where there is no
// display once aborted with the toolkit's message and a core dump.
#include <gtest/gtest.h>

#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1; // -1: ended by a signal
    std::string err;
};

// Runs the program with exactly the given environment; standard output is dropped.
Outcome RunProgram(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    int pipeFd[2];
    if (::pipe(pipeFd) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::dup2(pipeFd[1], 2);
        ::close(pipeFd[0]);
        ::close(pipeFd[1]);
        std::vector<char*> argv{const_cast<char*>(VAK1_BINARY)};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const auto& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        ::execve(VAK1_BINARY, argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(pipeFd[1]);
    Outcome o;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFd[0], buf, sizeof buf)) > 0;)
        o.err.append(buf, n);
    ::close(pipeFd[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status)) o.exitCode = WEXITSTATUS(status);
    return o;
}

} // namespace

TEST(ProgramStart, WithoutADisplayTheDesktopProgramSaysWhatToUse) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> env;
    };
    const Case cases[] = {
        {{"x.vak1"}, {}},
        {{"x.vak1", "/TABLE"}, {"QT_QPA_PLATFORM=xcb"}},
        {{}, {"QT_QPA_PLATFORM=wayland", "DISPLAY=:99"}},
    };
    for (const Case& c : cases) {
        const Outcome o = RunProgram(c.args, c.env);
        EXPECT_EQ(o.exitCode, 1) << o.err;
        EXPECT_EQ(o.err, "no display: use /I or /CADi:j, see /?\n");
    }
}
