// The office back end against a real headless office in a profile of its own.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "app/commands.h"
#include "sheet/UnoSpreadsheet.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

// The office's own program file, so that its process id is the office itself.
std::string OfficeBinary() {
    for (const char* p : {"/usr/lib/libreoffice/program/soffice.bin", "/usr/bin/soffice"})
        if (fs::exists(p)) return p;
    return {};
}

// Whether pid runs: not gone and not defunct (the office is no child of this process).
bool Running(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return false;
    const std::size_t name = stat.rfind(')');
    return name != std::string::npos && name + 2 < stat.size() && stat[name + 2] != 'Z';
}

class UnoSheet : public test::ReportFixture {
  protected:
    void TearDown() override {
        if (office > 0) End(office);
        // A killed office leaves its pipe behind, in the office's own fixed folder.
        for (const std::string& name : pipes) {
            std::error_code ec;
            fs::remove("/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_" + name, ec);
        }
        ReportFixture::TearDown();
    }
    // Ends the office as a user would, so it removes its pipes; killed when it hangs.
    static void End(pid_t pid) {
        ::kill(pid, SIGTERM);
        for (int i = 0; i < 1000 && Running(pid); ++i)
            ::usleep(10000);
        if (Running(pid)) ::kill(pid, SIGKILL);
    }
    // A pipe name of this test run, removed at the end.
    std::string Pipe(const std::string& kind) {
        pipes.push_back(kind + std::to_string(::getpid()));
        return pipes.back();
    }
    // A headless office in a profile of this test, on a pipe of its own.
    UnoOptions Headless(const std::string& pipe) {
        UnoOptions options;
        options.python = VAK1_PYTHON;
        options.accept = "pipe,name=" + Pipe(pipe);
        options.office = OfficeBinary();
        options.profile = dir + "profile";
        options.headless = true;
        return options;
    }
    static bool OfficeInstalled() {
        return !OfficeBinary().empty() &&
               std::system((std::string(VAK1_PYTHON) + " -c 'import uno'").c_str()) == 0;
    }
    std::vector<std::string> pipes;
    pid_t office = -1;
};

TEST_F(UnoSheet, StartAndExportFillColumnOneOfTheOfficeWorkbook) {
    if (!OfficeInstalled()) GTEST_SKIP() << "no office with its Python bridge installed";
    const UnoOptions options = Headless("vak1test");
    UnoSpreadsheet sheet(options); // starts the office in its own profile
    app.Env.spreadsheet = &sheet;
    Write(dir + "drei.vak1", cp850("Zeile ä\r\n2\r\n\r\nvier\tfünf\r\n"));
    app.State.ProjectName = "drei";
    ASSERT_TRUE(RunCommand(app, "mi_OleStartExcel"));
    office = static_cast<pid_t>(sheet.OfficePid());
    EXPECT_GT(office, 0);
    ASSERT_EQ(app.State.AbortFlag, 0) << (ui.shown.empty() ? "" : ui.shown.back().prompt);
    Write(dir + "drei.vak1", cp850("neu\r\n"));
    ASSERT_TRUE(RunCommand(app, "mi_OleExportExcel"));

    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(sheet.ReadColumn1("", cells, error)) << error;
    EXPECT_EQ(cells, (std::vector<std::string>{"neu", "2", "", "vier\tfünf"}));
}

// After the office had gone, "Import" showed the bridge's internal error and "Export" did
// nothing; import now says the office is gone and export starts it again.
TEST_F(UnoSheet, AnOfficeThatHasGoneIsNamedOrStartedAgain) {
    if (!OfficeInstalled()) GTEST_SKIP() << "no office with its Python bridge installed";
    const UnoOptions options = Headless("vak1gone");
    UnoSpreadsheet sheet(options);
    app.Env.spreadsheet = &sheet;
    Write(dir + "eins.vak1", "eins\r\n");
    app.State.ProjectName = "eins";
    ASSERT_TRUE(RunCommand(app, "mi_OleStartExcel"));
    ASSERT_EQ(app.State.AbortFlag, 0) << (ui.shown.empty() ? "" : ui.shown.back().prompt);
    office = static_cast<pid_t>(sheet.OfficePid());
    ASSERT_GT(office, 0);
    End(office);

    RunCommand(app, "mi_OleImportExcel");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.shown.back().prompt, "Die Tabellenkalkulation ist nicht mehr erreichbar");
    EXPECT_FALSE(sheet.Connected());

    ASSERT_TRUE(RunCommand(app, "mi_OleExportExcel"));
    EXPECT_EQ(app.State.AbortFlag, 0) << ui.shown.back().prompt;
    office = static_cast<pid_t>(sheet.OfficePid());
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(sheet.ReadColumn1("", cells, error)) << error;
    EXPECT_EQ(cells, std::vector<std::string>{"eins"});
}

// The report writes a decimal point; an office in a language with a decimal comma read
// "12.500" as twelve thousand five hundred or as text.
TEST_F(UnoSheet, NumbersOfATextFileAreReadWithTheirPointInAnyLanguage) {
    if (!OfficeInstalled()) GTEST_SKIP() << "no office with its Python bridge installed";
    const UnoOptions options = Headless("vak1numbers");
    const test::EnvGuard lang("LANG", "de_DE.UTF-8"), all("LC_ALL", "de_DE.UTF-8");
    UnoSpreadsheet sheet(options);
    ASSERT_TRUE(sheet.Connect());
    office = static_cast<pid_t>(sheet.OfficePid());
    Write(dir + "zahlen.txt", "     12.500\tA\n  -3\tB\n  abc\tC\n 1 2\tD\n");
    sheet.OpenText(dir + "zahlen.txt");
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(sheet.ReadColumn1("", cells, error)) << error;
    // A number cell reads back in the office's own form, without the blanks.
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_TRUE(cells[0] == "12.5" || cells[0] == "12,5") << cells[0];
    EXPECT_EQ(cells[1], "-3");
    EXPECT_EQ(cells[2], "  abc");
    EXPECT_EQ(cells[3], " 1 2");
}

// The helper ran as "python3 -c" and so imported a uno.py of the current folder first: a
// project folder sent to the user could run code of its own on any spreadsheet command.
TEST_F(UnoSheet, AUnoModuleInTheCurrentFolderIsNotRun) {
    if (!OfficeInstalled()) GTEST_SKIP() << "no office with its Python bridge installed";
    Write(dir + "uno.py", "open('" + dir + "planted', 'w').write('x')\nraise SystemExit(3)\n");
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    UnoSpreadsheet sheet(Headless("vak1planted"));
    const bool connected = sheet.Connect();
    office = static_cast<pid_t>(sheet.OfficePid());
    fs::current_path(before);
    EXPECT_TRUE(connected);
    EXPECT_FALSE(fs::exists(dir + "planted"));
}

} // namespace
