// Pins the folder check at start (completion of empty folders, the messages in their
// order, the question for a new temporary folder, no user file destroyed by the probe) and
// the recent-files file (five lines, short or missing files, failed saves).
#include <filesystem>
#include <gtest/gtest.h>

#include "app/App.h"
#include "settings/settingsfile.h"
#include "support/tempfolder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

std::vector<std::string> ErrorTexts(const TestApp& t) {
    std::vector<std::string> out;
    for (const auto& r : t.ui.shown)
        if (r.kind == "message") out.push_back(r.prompt);
    return out;
}

} // namespace

TEST(CheckFolders, EmptyFoldersAreCompletedAndPass) {
    TestApp t;
    EnvGuard tmpdir("TMPDIR", t.folder.path().c_str());
    t.app.Config.CadDir = t.folder.path();
    t.app.Config.DataDir = "   ";
    CheckFolders(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.Errors(), 0) << t.LastError();
    const Settings& s = t.app.Config;
    EXPECT_EQ(s.TempDir, t.folder.path());
    EXPECT_EQ(s.DbfDir, t.folder.path());
    EXPECT_EQ(s.PltDir, t.folder.path());
    EXPECT_EQ(s.EdiDir, t.folder.path());
    EXPECT_EQ(s.DataDir, t.folder.path());
    EXPECT_TRUE(std::filesystem::is_empty(t.folder.path())); // the probe is gone

    TestApp u;
    EnvGuard noTmpdir("TMPDIR", nullptr), noTemp("TEMP", nullptr);
    CheckFolders(u.app.Config, u.app.State.StartDir, Dialogs(u.app));
    EXPECT_EQ(u.app.Config.TempDir, u.folder.path()); // no environment: the start folder
}

TEST(CheckFolders, BadFoldersAreReportedInOrderAndTheTempFolderIsAskedFor) {
    TestApp t;
    const std::string missing = t.path("fehlt");
    Settings& s = t.app.Config;
    s.CadDir = s.DbfDir = s.PltDir = s.TempDir = s.EdiDir = s.DataDir = missing;
    t.ui.Push(ScriptedAnswer::Text(t.folder.path()));
    CheckFolders(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    const std::vector<std::string> expected = {
        "ungültiger CAD Ordner konfiguriert",
        "ungültiger DBF Ordner konfiguriert",
        "ungültiger PLT Ordner konfiguriert",
        "ungültiger Ordner für temporäre Dateien konfiguriert",
        "ungültiger EDI Ordner konfiguriert",
        "ungültiger Data Ordner konfiguriert"};
    EXPECT_EQ(ErrorTexts(t), expected);
    const auto input = std::find_if(t.ui.shown.begin(), t.ui.shown.end(),
                                    [](const DialogRecord& r) { return r.kind == "text"; });
    ASSERT_NE(input, t.ui.shown.end());
    EXPECT_EQ(input->prompt, "Ordner für temporäre Dateien");
    EXPECT_EQ(input->maxLength, 60u);
    EXPECT_EQ(input - t.ui.shown.begin(), 4); // right after the temporary-folder message
    EXPECT_EQ(s.TempDir, t.folder.path());
}

TEST(CheckFolders, ProbeNeverReplacesAUserFile) {
    TestApp t;
    WriteBytes(t.path("x.$$$"), "Daten");
    t.app.Config.CadDir = t.folder.path();
    t.app.Config.TempDir = t.app.Config.EdiDir = t.app.Config.DataDir = t.folder.path();
    CheckFolders(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.Errors(), 0) << t.LastError();
    EXPECT_EQ(ReadBytes(t.path("x.$$$")), "Daten");
}

TEST(RecentFiles, SaveAndLoadKeepTheFourEntries) {
    TestApp t;
    t.app.State.RecentFiles = {"/a/eins.vak1", "", "/b/drei.vak1", "/c/vier.vak1"};
    t.app.State.ProjectDir = "/projekte/";
    SaveRecentFiles(t.app.Config, t.app.State.StartDir, t.app.State.ProjectDir,
                    t.app.State.RecentFiles, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    EXPECT_EQ(ReadBytes(t.path("vak1.cff")), CrLf({"vak1 Session /projekte/", "/a/eins.vak1", "",
                                                   "/b/drei.vak1", "/c/vier.vak1"}));
    TestApp u;
    u.app.Config.SettingsFolder = t.folder.path();
    LoadRecentFiles(u.app.Config, u.app.State.StartDir, u.app.State.RecentFiles);
    EXPECT_EQ(u.app.State.RecentFiles, t.app.State.RecentFiles);
}

TEST(RecentFiles, ShortOrMissingFileEmptiesTheRest) {
    TestApp t;
    t.app.State.RecentFiles = {"w", "x", "y", "z"};
    WriteBytes(t.path("vak1.cff"), "vak1 Session /\n/nur/eins.vak1");
    LoadRecentFiles(t.app.Config, t.app.State.StartDir, t.app.State.RecentFiles);
    EXPECT_EQ(t.app.State.RecentFiles, (std::array<std::string, 4>{"/nur/eins.vak1", "", "", ""}));
    t.app.State.RecentFiles = {"w", "x", "y", "z"};
    std::filesystem::remove(t.path("vak1.cff"));
    LoadRecentFiles(t.app.Config, t.app.State.StartDir, t.app.State.RecentFiles);
    EXPECT_EQ(t.app.State.RecentFiles, (std::array<std::string, 4>{}));
    EXPECT_EQ(t.Errors(), 0);
}

TEST(RecentFiles, FailedSaveKeepsTheOldFile) {
    TestApp t;
    t.app.State.RecentFiles = {"/a/eins.vak1", "", "", ""};
    SaveRecentFiles(t.app.Config, t.app.State.StartDir, t.app.State.ProjectDir,
                    t.app.State.RecentFiles, Dialogs(t.app));
    const std::string old = ReadBytes(t.path("vak1.cff"));
    t.app.State.RecentFiles[0] = std::string(400, 'n');
    {
        FileSizeLimit limit(100);
        SaveRecentFiles(t.app.Config, t.app.State.StartDir, t.app.State.ProjectDir,
                        t.app.State.RecentFiles, Dialogs(t.app));
    }
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.Errors(), 1);
    EXPECT_EQ(ReadBytes(t.path("vak1.cff")), old);
}
