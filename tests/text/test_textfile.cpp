// Pins the temporary file of the checked writer: a save that ends any other way than by
// its commit once left "NAME.$tmpPID" beside the file.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/tempfolder.h"
#include "text/textfile.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

// Runs step in a child process that has the program's clean-up installed; returns the
// wait status.
int InChild(void (*step)(const std::string& folder), const std::string& folder) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        RemoveTemporaryFilesOnAbnormalEnd();
        step(folder);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

void Begin(TextFileWriter& w, const std::string& path) {
    w.Open(path);
    w.WriteLine("eine Zeile");
}

} // namespace

TEST(TextFileWriter, NoTemporaryFileOutlivesAFailedSave) {
    struct Case {
        const char* how;
        void (*step)(const std::string& folder);
        int signal; // 0: the child ends normally
    };
    const Case cases[] = {
        {"terminated",
         [](const std::string& f) {
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             std::raise(SIGTERM);
         },
         SIGTERM},
        {"interrupted",
         [](const std::string& f) {
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             std::raise(SIGINT);
         },
         SIGINT},
        {"hung up",
         [](const std::string& f) {
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             std::raise(SIGHUP);
         },
         SIGHUP},
        {"aborted",
         [](const std::string& f) {
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             std::abort();
         },
         SIGABRT},
        {"beyond the size limit",
         [](const std::string& f) {
             const rlimit small{64, RLIM_INFINITY};
             ::setrlimit(RLIMIT_FSIZE, &small);
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             w.Write(std::string(1000, 'x'));
             if (w.Commit()) ::_exit(2);
         },
         0},
        {"opened again elsewhere",
         [](const std::string& f) {
             TextFileWriter w;
             Begin(w, f + "p.vak1");
             Begin(w, f + "q.vak1");
         },
         0},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        const int status = InChild(c.step, folder.path());
        if (c.signal) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << c.how;
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.how;
        }
        EXPECT_TRUE(fs::is_empty(folder.path())) << c.how;
    }
}
