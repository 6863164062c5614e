// "Öffnen (Tabelle)" and the unattended table job: the job writes what the window shows, a
// chosen row opens its project, the threads do not change a byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/commands.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

extern char** environ;

using namespace vak1;
using namespace vak1::test;
namespace fs = std::filesystem;

namespace {

const std::string kExamples = std::string(VAK1_SOURCE_DIR) + "/examples/";

// Runs "vak1 /TABLE folder" in cwd with VAK1_THREADS=threads (standard error into errPath
// when given); the exit code.
int TableJob(const std::string& cwd, const std::string& folder, const std::string& threads,
             const std::string& errPath = "") {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0) ::_exit(126);
        if (!errPath.empty() && !std::freopen(errPath.c_str(), "w", stderr)) ::_exit(125);
        ::setenv("VAK1_THREADS", threads.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(VAK1_BINARY), const_cast<char*>("/TABLE"),
                                const_cast<char*>(folder.c_str()), nullptr};
        ::execve(VAK1_BINARY, argv.data(), environ);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ProjectTableJob, WritesTheRowsTheWindowShows) {
    TempFolder out;
    ASSERT_EQ(TableJob(out.path(), kExamples, "0"), 0);
    std::string job = ReadBytes(out / "vak1table.txt");
    std::replace(job.begin(), job.end(), '\t', '|');

    TestApp t;
    t.ui.Push(
        {ScriptedAnswer::File(kExamples), ScriptedAnswer::Projects(ProjectTableAction::Close)});
    RunCommand(t.app, "mi_fileOpenTable");
    const auto shown = t.ui.Shown("projecttable");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].helpNumber, 3400);
    std::string grid = "File|Date  y/m/d|Name|No|n|A|ys|zs|I1|I2|phi\n";
    for (const auto& line : shown[0].lines)
        grid += line + "\n";
    EXPECT_EQ(job, grid);
    EXPECT_EQ(shown[0].lines.size(), 3u);
    EXPECT_EQ(t.ui.Shown("progress").size(), 1u);
}

TEST(ProjectTableJob, ParallelRunWritesTheBytesOfOneCore) {
    TempFolder in, one, many;
    for (int copy = 0; copy < 10; ++copy)
        for (const char* name : {"i-traeger", "l-profil", "rohr"})
            fs::copy_file(kExamples + name + ".vak1", in / (name + std::to_string(copy) + ".vak1"));
    WriteBytes(in / "kaputt.vak1", "x\r\n");
    ASSERT_EQ(TableJob(one.path(), in.path(), "1"), 1); // kaputt.vak1 cannot be read
    ASSERT_EQ(TableJob(many.path(), in.path(), "4"), 1);
    const std::string text = ReadBytes(one / "vak1table.txt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32);
    EXPECT_EQ(ReadBytes(many / "vak1table.txt"), text);
}

TEST(ProjectTableJob, FolderThatCannotBeReadEndsWithExitCode1) {
    TempFolder out;
    EXPECT_EQ(TableJob(out.path(), out / "fehlt", "0"), 1);
    EXPECT_FALSE(fs::exists(out / "vak1table.txt"));
}

TEST(ProjectTableCommand, ChosenRowOpensItsProjectAndTheWindowComesBackSorted) {
    TestApp t;
    fs::copy_file(kExamples + "rohr.vak1", t.path("a.vak1"));
    fs::copy_file(kExamples + "l-profil.vak1", t.path("b.vak1"));
    t.app.State.ModifiedFlag = 1;
    t.ui.Push({ScriptedAnswer::File(t.folder.path()),
               ScriptedAnswer::Projects(ProjectTableAction::Open, 1, {4}),
               ScriptedAnswer::Answer(Reply::Yes), // discard the unnamed project
               ScriptedAnswer::Projects(ProjectTableAction::Close)});
    RunCommand(t.app, "mi_fileOpenTable");
    const auto shown = t.ui.Shown("projecttable");
    ASSERT_EQ(shown.size(), 2u);
    const std::string first = shown[0].lines[0].substr(0, shown[0].lines[0].find('|'));
    EXPECT_EQ(shown[1].lines, shown[0].lines); // the sorted order stays
    EXPECT_EQ(shown[1].preselected, 1);
    EXPECT_EQ(t.app.State.ProjectFile, t.path(first));
    EXPECT_EQ(t.app.State.ModifiedFlag, 0);
    EXPECT_GT(t.app.Project.PosCount(), 0);
    EXPECT_EQ(t.ui.Pending(), 0u);
}

// The table replaced the open project (no name, blank drawing, the listed files' messages in
// its list) and always listed the project folder: now it asks for the folder and leaves the
// project as it is; cancel lists nothing.
TEST(ProjectTableCommand, ListsTheChosenFolderBesideTheOpenProject) {
    TestApp t;
    TempFolder other;
    fs::copy_file(kExamples + "rohr.vak1", other / "a.vak1");
    WriteBytes(other / "kaputt.vak1", "x\r\n");
    fs::copy_file(kExamples + "l-profil.vak1", t.path("offen.vak1"));
    t.ui.Push(ScriptedAnswer::File(t.path("offen.vak1")));
    RunCommand(t.app, "mi_fileOpen");
    ASSERT_EQ(t.app.State.AbortFlag, 0);
    t.app.Project.rho = 2.5L;
    t.app.State.ModifiedFlag = 1;
    const std::string caption = t.app.State.Caption;
    const auto picture = t.app.Graphics.DisplayList;
    const int messages = t.app.Messages.count;

    struct Case {
        ScriptedAnswer folder;
        std::size_t tables;
    };
    const Case cases[] = {{ScriptedAnswer::Cancel(), 0}, {ScriptedAnswer::File(other.path()), 1}};
    for (const Case& c : cases) {
        t.ui.shown.clear();
        t.ui.Push(c.folder);
        if (c.tables) t.ui.Push(ScriptedAnswer::Projects(ProjectTableAction::Close));
        RunCommand(t.app, "mi_fileOpenTable");
        const auto asked = t.ui.Shown("folder");
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, t.folder.path());
        const auto shown = t.ui.Shown("projecttable");
        ASSERT_EQ(shown.size(), c.tables);
        if (c.tables) {
            ASSERT_EQ(shown[0].lines.size(), 2u);
            EXPECT_TRUE(shown[0].lines[0].starts_with("a.vak1|"));
            EXPECT_EQ(t.ui.Messages().size(), 1u); // names the file that cannot be read
        }
        EXPECT_EQ(t.ui.Pending(), 0u);
        EXPECT_TRUE(t.ui.Shown("question").empty());
        EXPECT_EQ(t.app.State.ProjectPath(), t.path("offen.vak1"));
        EXPECT_EQ(t.app.State.Caption, caption);
        EXPECT_EQ(t.app.State.ModifiedFlag, 1);
        EXPECT_EQ(t.app.Project.rho, 2.5L);
        EXPECT_EQ(t.app.Graphics.DisplayList.size(), picture.size());
        EXPECT_EQ(t.app.Messages.count, messages);
    }
}

// Folders whose name ended in ".", "-", "+" or a letter beyond ASCII were joined to their files
// without "/": every file was missed, and the empty table ended with exit code 0. A project that
// cannot be read now ends the job with exit code 1, its table still written.
TEST(ProjectTableJob, EveryFolderNameIsJoinedAndAnUnreadProjectIsAFailure) {
    TempFolder out;
    for (const char* name : {"Maß", "proj-", "x+"}) {
        fs::create_directory(out / name);
        fs::copy_file(kExamples + "l-profil.vak1", out / (std::string(name) + "/l-profil.vak1"));
    }
    struct Case {
        std::string cwd, folder;
        bool broken;
    } cases[] = {{out / "Maß", ".", false},
                 {out.path(), "Maß", false},
                 {out.path(), "proj-", false},
                 {out.path(), "x+", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        if (c.broken) WriteBytes(out / (c.folder + "/kaputt.vak1"), "x\r\n");
        EXPECT_EQ(TableJob(c.cwd, c.folder, "1"), c.broken ? 1 : 0);
        const std::string text = ReadBytes(c.cwd + "/vak1table.txt");
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.broken ? 3 : 2);
        EXPECT_NE(text.find("l-profil.vak1\t"), std::string::npos);
    }
}

// Names with a tab, CR or LF reshaped the table, names starting with = + - @ ran as formulas
// in a spreadsheet, umlauts were converted twice, and links, FIFOs and folders named *.vak1
// vanished without a row or a message.
TEST(ProjectTableJob, EveryEntryGetsOneRowThatASpreadsheetTakesAsText) {
    TempFolder in, out;
    const std::string project = ReadBytes(kExamples + "l-profil.vak1");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"a\tb.vak1", "a b.vak1"}, {"c\nd.vak1", "c d.vak1"},     {"e\rf.vak1", "e f.vak1"},
        {"=g.vak1", "'=g.vak1"},   {"+h.vak1", "'+h.vak1"},       {"-i.vak1", "'-i.vak1"},
        {"@j.vak1", "'@j.vak1"},   {"Träger.vak1", "Träger.vak1"}};
    for (const auto& f : files)
        WriteBytes(in / f.first, project);
    fs::create_symlink(in / "fehlt", in / "tot.vak1");
    fs::create_symlink(in / "schleife.vak1", in / "schleife.vak1");
    ASSERT_EQ(::mkfifo((in / "rohr.vak1").c_str(), 0600), 0);
    fs::create_directory(in / "ordner.vak1");
    EXPECT_EQ(TableJob(out.path(), in.path(), "1", out / "err.txt"), 1);
    const std::string text = ReadBytes(out / "vak1table.txt");
    std::vector<std::string> firstCells, emptyRows;
    std::size_t start = text.find('\n') + 1;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 10) << line;
        const std::string first = line.substr(0, line.find('\t'));
        firstCells.push_back(first);
        if (line == first + std::string(10, '\t')) emptyRows.push_back(first);
    }
    std::vector<std::string> expected;
    for (const auto& f : files)
        expected.push_back(f.second);
    std::sort(expected.begin(), expected.end());
    std::sort(firstCells.begin(), firstCells.end());
    std::vector<std::string> odd = {"ordner.vak1", "rohr.vak1", "schleife.vak1", "tot.vak1"};
    std::vector<std::string> all = expected;
    all.insert(all.end(), odd.begin(), odd.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(firstCells, all);
    std::sort(emptyRows.begin(), emptyRows.end());
    EXPECT_EQ(emptyRows, odd);
    const std::string err = ReadBytes(out / "err.txt");
    for (const auto& name : odd)
        EXPECT_NE(err.find(name), std::string::npos) << name;
}

// The window converted the file name, already the file system's UTF-8, a second time
// ("Träger.vak1" showed as "Tr├ñger.vak1").
TEST(ProjectTableCommand, FileNamesAreShownAsTheyAreNamed) {
    TestApp t;
    TempFolder folder;
    fs::copy_file(kExamples + "l-profil.vak1", folder / "Träger.vak1");
    t.ui.Push(
        {ScriptedAnswer::File(folder.path()), ScriptedAnswer::Projects(ProjectTableAction::Close)});
    RunCommand(t.app, "mi_fileOpenTable");
    const auto shown = t.ui.Shown("projecttable");
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].lines.size(), 1u);
    EXPECT_EQ(shown[0].lines[0].rfind("Träger.vak1|", 0), 0u) << shown[0].lines[0];
}
