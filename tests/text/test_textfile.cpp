// Pins the temporary file of the checked writer: a save that ends any other way than by
// its commit once left "NAME.$tmpPID" beside the file.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/tempfolder.h"
#include "text/installation.h"
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

// The temporary file took the mode of the target by name after it was written, and a new file
// got whatever fopen gave it; the file written must carry the target's mode or the umask's.
TEST(TextFileWriter, WrittenFileKeepsTheTargetsModeOrTheUmasks) {
    test::TempFolder folder;
    const mode_t oldMask = ::umask(027);
    const std::string kept = folder / "alt.txt";
    {
        std::FILE* f = std::fopen(kept.c_str(), "wb");
        std::fclose(f);
    }
    ::chmod(kept.c_str(), 0604);
    for (const std::string& path : {kept, folder / "neu.txt"}) {
        TextFileWriter w;
        ASSERT_TRUE(w.Open(path));
        w.WriteLine("x");
        ASSERT_TRUE(w.Commit());
    }
    ::umask(oldMask);
    struct stat st {};
    ASSERT_EQ(::stat(kept.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    ASSERT_EQ(::stat((folder / "neu.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Whoever could write the installation's data folder (root) changed the files every user
// shares; the program writes there for nobody, and says the file is write-protected.
TEST(TextFileWriter, TheInstallationsDataIsNeverWritten) {
    const std::string data = InstalledDataFolder();
    ASSERT_FALSE(data.empty());
    const std::string shipped = data + "vak1.err", before = test::ReadBytes(shipped);
    ASSERT_FALSE(before.empty());
    const struct {
        std::string path;
        bool atomic;
    } cases[] = {{shipped, true}, {shipped, false}, {data + "neu.txt", true}};
    for (const auto& c : cases) {
        TextFileWriter w;
        EXPECT_FALSE(w.Open(c.path, c.atomic)) << c.path;
        EXPECT_EQ(w.ErrorCode(), EROFS) << c.path;
        w.WriteLine("x");
        EXPECT_FALSE(w.Commit());
    }
    EXPECT_EQ(test::ReadBytes(shipped), before);
    EXPECT_FALSE(fs::exists(data + "neu.txt"));
    fs::remove(data + "neu.txt"); // what a writer without the rule left
}

// Temporary files left by a killed run piled up; those older than a day are removed at start,
// and nothing else: fresh ones (a run going on), other names, links and folders stay.
TEST(TextFileWriter, StaleTemporaryFilesAreRemoved) {
    test::TempFolder folder;
    struct Case {
        const char* name;
        bool old, removed;
    } cases[] = {{"p.vak1.$tmp4711", true, true}, {"p.vak1.$tmpAb3xYz", true, true},
                 {"$OUT3.TMP", true, true},       {"$OUTq1w2e3.TMP", true, true},
                 {"$$$a1b2c3.dbh", true, true},   {"$pack$a1b2c3.dbf", true, true},
                 {"TESTa1b2c3.$$$", true, true},  {"p.vak1.$tmp9x8y7z", false, false},
                 {"p.vak1", true, false},         {"$$$1.txt", true, false},
                 {"notizen.TMP", true, false},    {".$tmp123", true, false}};
    const timespec dayAndAHalfAgo[2] = {{::time(nullptr) - 36 * 3600, 0},
                                        {::time(nullptr) - 36 * 3600, 0}};
    for (const Case& c : cases) {
        std::FILE* f = std::fopen((folder / c.name).c_str(), "wb");
        ASSERT_TRUE(f) << c.name;
        std::fclose(f);
        if (c.old) ::utimensat(AT_FDCWD, (folder / c.name).c_str(), dayAndAHalfAgo, 0);
    }
    fs::create_symlink(folder / "p.vak1", folder / "q.vak1.$tmp123456");
    fs::create_directory(folder / "r.vak1.$tmp654321");
    for (const char* name : {"q.vak1.$tmp123456", "r.vak1.$tmp654321"})
        ::utimensat(AT_FDCWD, (folder / name).c_str(), dayAndAHalfAgo, AT_SYMLINK_NOFOLLOW);
    RemoveStaleTemporaryFiles(folder.path());
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(folder / c.name), !c.removed) << c.name;
    EXPECT_TRUE(fs::is_symlink(folder / "q.vak1.$tmp123456"));
    EXPECT_TRUE(fs::is_directory(folder / "r.vak1.$tmp654321"));
}
