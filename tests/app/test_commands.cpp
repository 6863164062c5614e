// Pins the command flow of the main window: the protocol's modified-flag rules, the
// save-changes question, recent files and their captions, the window caption, language
// switch and the start-up with its unattended jobs and exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

#include "app/cadcontext.h"
#include "app/commands.h"
#include "app/projectcontext.h"
#include "app/mainmenu.h"
#include "app/startup.h"
#include "app/tablecontext.h"
#include "cad/drawing.h"
#include "help/helptext.h"
#include "text/cp850.h"
#include "project/projectfile.h"
#include "report/OutputDocument.h"
#include "report/resultreport.h"
#include "support/ReportFixture.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

class Commands : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        AllFoldersInDir();
        app.Config.HelpLevel = 0; // no drawing after reads unless a test wants one
    }
    bool Asked(const std::string& text) const {
        for (const auto& r : ui.shown)
            if (r.kind == "question" && r.prompt == text) return true;
        return false;
    }
    // Saves the L-profile as dir + name + ".vak1" through "Save As".
    std::string SaveAs(const std::string& name) {
        const std::string path = dir + name + ".vak1";
        ui.Push(ScriptedAnswer::File(path));
        EXPECT_TRUE(RunCommand(app, "mi_FileSaveAs"));
        return path;
    }
};

} // namespace

TEST_F(Commands, SaveAsThenOpenRoundTrip) {
    LoadLProfile();
    app.State.ModifiedFlag = 1;
    const std::string path = SaveAs("winkel");
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    EXPECT_EQ(app.State.ProjectName, "winkel");
    EXPECT_EQ(app.State.RecentFiles[0], path);
    EXPECT_EQ(app.State.Caption, "VAK1  Querschnittberechnung  -  winkel.vak1");

    app.Project.ResetContour();
    ui.Push(ScriptedAnswer::File(path));
    RunCommand(app, "mi_fileOpen");
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Project.PosCount(), 7);
    EXPECT_NEAR(app.Project.R.A, 1722, 1);
    EXPECT_EQ(app.State.RecentFiles[0], path);
    EXPECT_EQ(app.State.RecentFiles[1], ""); // the same path is not listed twice
}

TEST_F(Commands, ModifiedFlagRules) {
    LoadLProfile();
    // Reset clears the flag although the positions are gone.
    app.State.ModifiedFlag = 1;
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    RunCommand(app, "mi_editReset");
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    // A cancelled body dialog leaves the flag clear.
    ui.Push(ScriptedAnswer::Cancel());
    RunCommand(app, "mi_editKoerper");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    // A completed one sets it.
    ui.Push({ScriptedAnswer::Text("2,7"), ScriptedAnswer::Keep()});
    RunCommand(app, "mi_editKoerper");
    EXPECT_EQ(app.Project.rho, 2.7L);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    EXPECT_FALSE(RunCommand(app, "mi_noSuchItem"));
}

TEST_F(Commands, SaveChangesQuestionForNamedAndUnnamedProjects) {
    // Unnamed and modified: "Bisherige Eingaben verwerfen ?"; No keeps the window open.
    app.State.ModifiedFlag = 1;
    ui.Push(ScriptedAnswer::Answer(Reply::No));
    EXPECT_FALSE(QueryClose(app));
    EXPECT_TRUE(Asked("Bisherige Eingaben verwerfen ?"));
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    EXPECT_TRUE(QueryClose(app));
    EXPECT_EQ(app.State.ModifiedFlag, 0);

    // Named and modified: Yes saves under the name without the overwrite question.
    LoadLProfile();
    const std::string path = SaveAs("balken");
    app.Project.rho = 1.5L;
    app.State.ModifiedFlag = 1;
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    EXPECT_TRUE(QueryClose(app));
    EXPECT_TRUE(Asked("Datei speichern (" + path + ") ?"));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    EXPECT_EQ(ui.unanswered, 0);
    app.Project.rho = 9;
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    EXPECT_EQ(app.Project.rho, 1.5L);
    // Cancel keeps everything.
    app.State.ModifiedFlag = 1;
    ui.Push(ScriptedAnswer::Answer(Reply::Cancel));
    EXPECT_FALSE(QueryClose(app));
    EXPECT_EQ(app.State.ModifiedFlag, 1);
}

TEST_F(Commands, ArchiveModeSkipsTheQuestion) {
    app.State.CommandLineFile = true;
    app.Config.ArchiveMode = true;
    app.State.ProjectName = dir + "x.vak1";
    app.State.ModifiedFlag = 1;
    EXPECT_TRUE(QueryClose(app));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(app.State.ModifiedFlag, 0);
}

TEST_F(Commands, RecentFilesMoveUpAndVanishedOnesAreRemoved) {
    for (const char* p : {"/a/1.vak1", "/a/2.vak1", "/a/3.vak1", "/a/4.vak1", "/a/5.vak1"})
        EnterRecentFile(app, p);
    EXPECT_EQ(app.State.RecentFiles[0], "/a/5.vak1");
    EXPECT_EQ(app.State.RecentFiles[3], "/a/2.vak1");
    EnterRecentFile(app, "/A/3.VAK1"); // the same file in other letters moves to the top
    EXPECT_EQ(app.State.RecentFiles[0], "/A/3.VAK1");
    EXPECT_EQ(app.State.RecentFiles[1], "/a/5.vak1");
    EXPECT_EQ(app.State.RecentFiles[2], "/a/4.vak1");
    EXPECT_EQ(app.State.RecentFiles[3], "/a/2.vak1");

    RunCommand(app, "mi_file2"); // /a/5.vak1 does not exist
    EXPECT_EQ(app.State.RecentFiles[1], "/a/4.vak1");
    EXPECT_EQ(app.State.RecentFiles[3], "");
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages().back(), "Meldung:|File /a/5.vak1 not found !");
    const MenuItem* m4 = FindMenuItem(app.Menu.Bar, "mi_file4");
    EXPECT_FALSE(m4->visible);
    EXPECT_EQ(FindMenuItem(app.Menu.Bar, "mi_file1")->caption, "&1 /A/3.VAK1");
}

TEST_F(Commands, RecentFileCaptionShortensFromFiftyCharacters) {
    const std::string p49 = "/home/anwender/projekte/querschnitte/profile.vak1";
    ASSERT_EQ(p49.size(), 49u);
    EXPECT_EQ(RecentFileCaption(1, p49), "&1 " + p49);
    const std::string p50 = "/home/anwender/projekte/querschnitte/profile1.vak1";
    ASSERT_EQ(p50.size(), 50u);
    EXPECT_EQ(RecentFileCaption(2, p50), "&2 /home/.../profile1.vak1");
}

TEST_F(Commands, WindowCaptionRules) {
    EXPECT_EQ(WindowCaption(app.State), "VAK1  Querschnittberechnung");
    app.State.ProjectName = "rohr";
    EXPECT_EQ(WindowCaption(app.State), "VAK1  Querschnittberechnung  -  rohr.vak1");
    app.State.ProjectFile = "daten/rohr.vak1";
    app.State.CommandLineFile = true;
    EXPECT_EQ(WindowCaption(app.State), "VAK1  Querschnittberechnung  -  daten/rohr.vak1");
}

TEST_F(Commands, LanguageSwitchAppliesCaptionsAndStoresTheNumber) {
    AddMessage(app.Messages, "Fatal  : A = 0 !");
    RunCommand(app, "mi_helplanguageEnglish");
    EXPECT_EQ(app.Config.MenuLanguage, 2);
    EXPECT_EQ(FindMenuItem(app.Menu.Bar, "mi_fileOpenTable")->caption, "Open... (&Table)");
    const MenuItem* errors = FindMenuItem(app.Menu.Bar, "mi_viewErrorMessages");
    EXPECT_EQ(errors->caption, "E&rror messages (1)");
    EXPECT_TRUE(errors->enabled);
    RunCommand(app, "mi_helplanguageDeutsch");
    EXPECT_EQ(FindMenuItem(app.Menu.Bar, "mi_fileOpen")->caption, "Ö&ffnen...");
}

TEST_F(Commands, EveryMenuItemHasAHandler) {
    for (const auto& name : MenuItemNames(BuildMenuBar())) {
        if (name.rfind("mi_", 0) != 0 || name == "mi_fileRecentSeparator") continue;
        bool isSubmenu = false;
        for (const char* menu : {"mi_file", "mi_Edit", "mi_View", "mi_CAD", "mi_database",
                                 "mi_documentation", "mi_Help", "mi_helplanguage"})
            isSubmenu = isSubmenu || name == menu;
        if (isSubmenu) continue;
        auto names = CommandNames();
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
}

// Texts of the picture on show.
static bool PictureShows(const App& app, const std::string& text) {
    for (const auto& r : app.Graphics.DisplayList)
        if (r.rfind("6;", 0) == 0 && r.find(text) != std::string::npos) return true;
    return false;
}

// After a recalculation the view on show is drawn anew; a failed one shows the message list
// and leaves no picture of the old results.
// Hilfe -> "Demo" promised the function for a later version; this program has none.
TEST_F(Commands, DemoIsDisabledAndSaysThereIsNoDemonstration) {
    EXPECT_FALSE(FindMenuItem(app.Menu.Bar, "mi_helpDemo")->enabled);
    RunCommand(app, "mi_helpDemo");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0],
              "Meldung:|Die Demonstration ist in dieser Version nicht enthalten.");
}

TEST_F(Commands, RecalculationRedrawsTheViewOrShowsTheMessages) {
    app.Config.HelpLevel = 1; // the result view after reading: "Grafik"
    OpenProjectFile(app, VAK1_SOURCE_DIR "/examples/rohr.vak1");
    ASSERT_EQ(app.Project.CalcError, 0);
    ASSERT_TRUE(PictureShows(app, "Masse")); // length 2000

    ui.Push({ScriptedAnswer::Keep(), ScriptedAnswer::Text("0")});
    RunCommand(app, "mi_editKoerper");
    EXPECT_FALSE(PictureShows(app, "Masse"));
    EXPECT_TRUE(PictureShows(app, "ERGEBNISSE"));
    ui.Push({ScriptedAnswer::Keep(), ScriptedAnswer::Text("1000")});
    RunCommand(app, "mi_editKoerper");
    EXPECT_TRUE(PictureShows(app, "Masse"));

    ui.Push({ScriptedAnswer::Text("0.1"), ScriptedAnswer::Choice(2)});
    RunCommand(app, "mi_editBerechnung");
    ASSERT_EQ(app.Project.CalcError, 1);
    EXPECT_EQ(app.State.ModifiedFlag, 1);
    EXPECT_TRUE(app.Graphics.DisplayList.empty());
    const auto lists = ui.Shown("choice");
    ASSERT_FALSE(lists.empty());
    EXPECT_EQ(lists.back().lines.front(), "Fatal  : > 2000 Punkte !");
    EXPECT_EQ(ui.Pending(), 0u);
}

// The status line of the plot goes with its command; a failed start names the program.
TEST_F(Commands, PlotStatusEndsWithTheCommand) {
    LoadLProfile();
    app.Config.PlotCommandLines[0] = "wkartuno kartuno /CHPL";
    launcher.result = 2;
    ui.Push({ScriptedAnswer::Choice(4), ScriptedAnswer::PlotForm(),
             ScriptedAnswer::Keep()}); // the plotting program, its line as it stands
    RunCommand(app, "mi_cadPolylinie");
    ASSERT_EQ(ui.status.size(), 2u);
    EXPECT_NE(ui.status[0].find("kartuno.dxf wird geplottet.."), std::string::npos);
    EXPECT_EQ(ui.status[1], "");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("file not found: wkartuno"), std::string::npos);
}

// --- start-up and the unattended jobs ---------------------------------------------------

class StartUpJobs : public Commands {
  protected:
    StartResult Run(std::vector<std::string> args) {
        app.State.CommandLine = std::move(args);
        if (out) std::fclose(out);
        if (err) std::fclose(err);
        out = std::tmpfile();
        err = std::tmpfile();
        StartResult r = StartUp(app, out, err);
        return r;
    }
    static std::string Contents(std::FILE* f) {
        std::string s;
        std::rewind(f);
        for (int c; (c = std::fgetc(f)) != EOF;)
            s += static_cast<char>(c);
        return s;
    }
    void TearDown() override {
        if (out) std::fclose(out);
        if (err) std::fclose(err);
        Commands::TearDown();
    }
    std::string SavedProject(const char* name) {
        LoadLProfile();
        return SaveAs(name);
    }
    std::FILE* out = nullptr;
    std::FILE* err = nullptr;
};

TEST_F(StartUpJobs, ReportJobWritesNameTxtInTheCurrentFolder) {
    const std::string path = SavedProject("job");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    StartResult r = Run({path, "/I", "/nogui"});
    fs::current_path(cwd);
    EXPECT_TRUE(r.exit);
    EXPECT_EQ(r.code, 0) << Contents(err);
    EXPECT_TRUE(app.State.NoGui); // "/nogui" in small letters counts
    const std::string report = Read(dir + "job.txt");
    EXPECT_NE(report.find("1722"), std::string::npos);
    // The page header names the file without its folder.
    EXPECT_NE(report.find(" job.vak1 "), std::string::npos);
    EXPECT_EQ(report.find(dir), std::string::npos);
}

// A read-only report was replaced by the job without a word; it is kept, and the job says why.
TEST_F(StartUpJobs, ReportJobKeepsAReadOnlyReport) {
    const std::string path = SavedProject("schutz");
    Write(dir + "schutz.txt", "alter Bericht");
    ::chmod((dir + "schutz.txt").c_str(), 0444);
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    StartResult r = Run({path, "/I", "/NOGUI"});
    fs::current_path(cwd);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(Read(dir + "schutz.txt"), "alter Bericht");
    EXPECT_NE(Contents(err).find("Schreibschutz entfernen !"), std::string::npos) << Contents(err);
}

// A name without extension was read as it stood instead of NAME.vak1; a name of 255 bytes
// failed for the length of its temporary file; the report and the CAD text listing, both
// NAME.txt, replaced each other without a word.
TEST_F(StartUpJobs, JobNamesAndTheSharedTextFile) {
    const std::string longName(250, 'a');
    SavedProject(longName.c_str());
    SavedProject("beide");
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* txt; // the start of NAME.txt afterwards
    } cases[] = {{{longName + ".vak1", "/I"}, 0, "       "},
                 {{"beide", "/I"}, 0, "       "},
                 {{"beide.vak1", "/I"}, 0, "       "},
                 {{"beide.vak1", "/CAD5:1"}, 1, "       "},
                 {{"beide.vak1", "/CAD1:1"}, 0, "       "}};
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        EXPECT_EQ(Run(c.args).code, c.code) << Contents(err);
        const std::string stem = fs::path(c.args[0]).stem().string();
        EXPECT_EQ(Read(stem + ".txt").rfind(c.txt, 0), 0u);
        if (c.code) {
            EXPECT_NE(Contents(err).find(stem + ".txt"), std::string::npos);
        }
    }
    fs::remove("beide.txt");
    EXPECT_EQ(Run({"beide.vak1", "/CAD5:1"}).code, 0);
    EXPECT_EQ(Run({"beide.vak1", "/CAD5:2"}).code, 0);
    EXPECT_EQ(Run({"beide.vak1", "/I"}).code, 1);
    EXPECT_EQ(Read("beide.txt").rfind("MINMAX\t", 0), 0u);
    fs::current_path(cwd);
}

TEST_F(StartUpJobs, FailuresEndWithExitCodeOne) {
    StartResult missing = Run({dir + "fehlt.vak1", "/I"});
    EXPECT_TRUE(missing.exit);
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(Contents(err).find("nicht gefunden"), std::string::npos);

    // A project whose calculation fails writes no report.
    const std::string broken = dir + "leer.vak1";
    app.Project.ResetContour();
    app.Project.Positions.push_back({0, 0, 0});
    app.Project.Positions.push_back({10, 0, 0});
    ui.Push(ScriptedAnswer::File(broken));
    RunCommand(app, "mi_FileSaveAs");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    StartResult r = Run({broken, "/I"});
    fs::current_path(cwd);
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(fs::exists(dir + "leer.txt"));
    EXPECT_NE(Contents(err).find("Fatal  : A = 0 !"), std::string::npos);
}

TEST_F(StartUpJobs, CadJobWritesTheDrawing) {
    const std::string path = SavedProject("zeichnung");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    StartResult r = Run({path, "/CAD1:2"});
    StartResult t = Run({path, "/cad5:1"});
    fs::current_path(cwd);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(t.code, 0);
    const std::string dxf = Read(dir + "zeichnung.dxf");
    EXPECT_NE(dxf.find("POLYLINE"), std::string::npos);
    EXPECT_NE(dxf.find("EOF"), std::string::npos);
    EXPECT_FALSE(Read(dir + "zeichnung.txt").empty());
}

TEST_F(StartUpJobs, UsageScreenAndExtensionRule) {
    StartResult r = Run({"/?"});
    EXPECT_TRUE(r.exit);
    EXPECT_EQ(r.code, 0);
    const std::string usage = Contents(out);
    EXPECT_EQ(usage.rfind("VAK1 Command Line Mode\n", 0), 0u);
    EXPECT_NE(usage.find("Example: wvak1 test.vak1 /CAD1:1     ->  test.dxf"), std::string::npos);
    // The usage screen's own 12 lines stay in their places (the switch spelt as the parser
    // takes it); the lines of the table and extended-values jobs follow them.
    const auto lines = UsageLines();
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[1], "wvak1 Filename [/I] [/CADi:j] [/NOGUI]");
    EXPECT_EQ(lines[2], "/I       -> TXT file");
    EXPECT_EQ(lines[6], "/NOGUI   -> No GUI, exit on fatal error");
    EXPECT_EQ(lines[11], "Example: wvak1 test.edi /E /NOGUI   ->  test.edi");
    std::string ours;
    for (std::size_t i = 12; i < lines.size(); ++i)
        ours += lines[i] + "\n";
    for (const char* job : {"/X", "/TABLE"})
        EXPECT_NE(ours.find(job), std::string::npos) << job;

    StartResult e = Run({"projekt"});
    EXPECT_TRUE(e.exit);
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_NE(ui.Messages().back().find("Erweiterung .vak1 mu"), std::string::npos);
}

TEST_F(StartUpJobs, NormalStartReadsTheTemplateAndCalculates) {
    const std::string path = SavedProject("null");
    ASSERT_EQ(path, dir + "null.vak1");
    app.Project.ResetContour();
    app.State.ModifiedFlag = 1;
    StartResult r = Run({});
    EXPECT_FALSE(r.exit);
    EXPECT_EQ(app.Project.PosCount(), 7);
    EXPECT_NEAR(app.Project.R.A, 1722, 1);
    EXPECT_EQ(app.State.ProjectName, "");
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    EXPECT_EQ(app.State.Caption, "VAK1  Querschnittberechnung");
}

TEST_F(StartUpJobs, CommandLineFileIsReadAndNamedAsGiven) {
    const std::string path = SavedProject("direkt");
    app.Project.ResetContour();
    StartResult r = Run({path});
    EXPECT_FALSE(r.exit);
    EXPECT_TRUE(app.State.CommandLineFile);
    EXPECT_EQ(app.State.ProjectFile, path);
    EXPECT_EQ(app.State.ProjectDir, "");
    EXPECT_EQ(app.Project.PosCount(), 7);
    EXPECT_EQ(ProjectPath(app), path);
}

// The help texts were taken from the source tree's data folder compiled into the program: a
// moved build and every installation lost them, and a change went into the tracked files.
TEST_F(StartUpJobs, HelpButtonsShowTheInstalledHelpTexts) {
    StartResult r = Run({});
    ASSERT_FALSE(r.exit);
    // The temporary folder has no help file: the installation's data folder is taken, found
    // from the program's own file (a test program lies one folder below the build tree's).
    const std::string installed =
        (fs::path(ProgramFolder()) / "../share/vak1/").lexically_normal().string();
    EXPECT_EQ(app.Config.PltDir, installed);
    EXPECT_TRUE(fs::exists(installed + "vak1.hlp"));
    EXPECT_FALSE(fs::equivalent(installed, std::string(VAK1_SOURCE_DIR) + "/data/"));
    const std::size_t before = ui.shown.size();
    ui.helpNumber = 8330; // the body length's help
    ui.Help(false);
    ASSERT_GT(ui.shown.size(), before);
    const DialogRecord& box = ui.shown.back();
    EXPECT_EQ(box.kind, "message");
    EXPECT_EQ(box.messageKind, MessageKind::Help);
    EXPECT_NE(box.caption.find("8330"), std::string::npos);
    const HelpEntry entry = FindHelpEntry(app.Config, 8330);
    EXPECT_TRUE(entry.found);
    EXPECT_NE(box.prompt.find(ToDisplay(entry.lines[0], false)), std::string::npos) << box.prompt;
}

TEST_F(Commands, ImportDxfTakesTheContourAndLeavesTheProjectUnnamed) {
    LoadLProfile();
    const std::string named = SaveAs("vorher");
    std::string error;
    ASSERT_TRUE(RunCadJob(CadContextOf(app), app.Project, app.Docu, cdDxf, dkPolyline,
                          dir + "kontur", &error))
        << error; // "nur Polylinie"
    const TSectionResults before = app.Project.R;
    app.Project.ResetContour();
    app.State.ModifiedFlag = 0;
    app.Config.CadDir = dir;
    ui.Push(ScriptedAnswer::File(dir + "kontur.dxf"));
    RunCommand(app, "mi_fileImportDXF");
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Project.PosCount(), 7);
    EXPECT_NEAR(app.Project.R.A, before.A, 1e-3); // the bulge keeps 6 decimals
    EXPECT_EQ(app.State.ProjectName, "");
    EXPECT_EQ(app.State.ModifiedFlag, 1); // the imported contour is in no file yet
    EXPECT_EQ(app.State.Caption, "VAK1  Querschnittberechnung");

    // A file without a closed polyline: a message, the project stays.
    std::ofstream(dir + "leer.dxf") << "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n";
    ui.Push({ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::File(dir + "leer.dxf")});
    RunCommand(app, "mi_fileImportDXF");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.PosCount(), 7);
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_NE(ui.Messages().back().find("keine geschlossene Polylinie"), std::string::npos);
    (void)named;
}

// Folder settings without a closing "/" once lost the message explanations ("PLT Ordner")
// and put temporary files beside the folder instead of into it.
TEST_F(StartUpJobs, FolderSettingsWithoutSlashAreUsedAsFolders) {
    for (const char* sub : {"plt", "tmp", "work"})
        fs::create_directory(dir + sub);
    for (const char* file : {"vak1.hlp", "quorven.hlp", "vak1.err"})
        fs::copy_file(std::string(VAK1_SOURCE_DIR) + "/data/" + file, dir + "plt/" + file);
    app.Config.PltDir = " " + dir + "plt ";
    app.Config.TempDir = dir + "tmp";
    app.Config.CadDir = app.Config.DataDir = dir + "work";
    // Two positions on one spot with an arc between them: a message that has an explanation.
    app.Project.ResetContour();
    for (const TPosition& p : {TPosition{0, 0, 0}, TPosition{20, 0, 0}, TPosition{20, 10, 0.5L},
                               TPosition{20, 10, 0}, TPosition{0, 10, 0}})
        app.Project.Positions.push_back(p);
    ui.Push(ScriptedAnswer::File(dir + "work/bogen.vak1"));
    RunCommand(app, "mi_FileSaveAs");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir + "work");
    StartResult r = Run({"bogen.vak1", "/I", "/NOGUI"});
    ReportStandard(Out(), app.Project, app.Messages,
                   odScreen); // the screen report goes through the temporary folder
    fs::current_path(cwd);
    EXPECT_EQ(r.code, 0) << Contents(err);
    const std::string report = Read(dir + "work/bogen.txt");
    EXPECT_NE(report.find("GetArcCenter l12=0"), std::string::npos);
    EXPECT_NE(report.find(cp850("Zwei aufeinanderfolgende Positionen")), std::string::npos);
    EXPECT_NE(report.find(cp850("die doppelte Position löschen")), std::string::npos);
    EXPECT_TRUE(fs::exists(dir + "tmp/outwin.txt"));
    std::vector<std::string> top;
    for (const auto& e : fs::directory_iterator(dir))
        top.push_back(e.path().filename().string());
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{"plt", "tmp", "work"}));
}

// Umlauts of the jobs' messages once reached standard error converted twice.
TEST_F(StartUpJobs, JobMessagesReachStandardErrorInUtf8Once) {
    const std::string path = SavedProject("umlaut");
    struct Case {
        std::vector<std::string> args;
        std::string text;
    };
    const Case cases[] = {
        {{path, "/CAD3:1"},
         "Ausgabegerät 3 ist im Kommandozeilenmodus nicht erlaubt (1=DXF, 2=IGS, 5=TXT)\n"},
        {{dir + "fehlt-ä.vak1", "/I"},
         "Datei " + dir + "fehlt-ä.vak1 nicht gefunden oder kein Zugriffsrecht !\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args).code, 1);
        EXPECT_EQ(Contents(err), c.text);
    }
}

// "p.txt /I" once wrote the report over the project file it had read.
TEST_F(StartUpJobs, JobRefusesToWriteOverItsInput) {
    LoadLProfile();
    WriteProject(ProjectFileOf(app), dir + "p.txt");
    ASSERT_EQ(app.State.AbortFlag, 0);
    const std::string project = Read(dir + "p.txt");
    fs::copy_file(dir + "p.txt", dir + "q.dxf");
    fs::copy_file(dir + "p.txt", dir + "s.vak1");
    fs::create_symlink(dir + "s.vak1", dir + "s.txt");
    struct Case {
        std::vector<std::string> args;
        std::string input;
    };
    const Case cases[] = {{{"p.txt", "/I", "/NOGUI"}, "p.txt"},
                          {{"./p.txt", "/I"}, "p.txt"},
                          {{"q.dxf", "/CAD1:1"}, "q.dxf"},
                          {{"s.vak1", "/I"}, "s.vak1"}};
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    for (const Case& c : cases) {
        StartResult r = Run(c.args);
        EXPECT_EQ(r.code, 1) << c.args[0];
        EXPECT_NE(Contents(err).find("Eingabedatei"), std::string::npos) << c.args[0];
        EXPECT_EQ(Read(dir + c.input), project) << c.args[0];
    }
    fs::current_path(cwd);
    EXPECT_TRUE(fs::is_symlink(dir + "s.txt"));
}

// "/E" and "/G" once lost the name given with them; only the template empties it.
TEST_F(StartUpJobs, EditSwitchesKeepTheNameUnlessTheTemplateIsRead) {
    struct Case {
        const char* option;
        bool withTemplate;
        const char* name;
    };
    for (const Case c :
         {Case{"/E", false, "neu"}, Case{"/G", false, "neu"}, Case{"/E", true, ""}}) {
        fs::remove(dir + "null.vak1");
        if (c.withTemplate) SavedProject("null");
        app.State.Unname();
        app.State.CommandLineFile = false;
        EXPECT_FALSE(Run({dir + "neu.edi", c.option}).exit);
        EXPECT_EQ(app.State.ProjectName, c.name) << c.option;
        EXPECT_EQ(app.State.ProjectPath(), c.withTemplate ? "" : dir + "neu.edi") << c.option;
    }
}

// Started as "vak1 name.vak1", the report once proposed "name.vak1.txt".
TEST_F(StartUpJobs, CommandLineNameCarriesNoExtension) {
    const std::string path = SavedProject("direkt");
    Run({path});
    EXPECT_EQ(app.State.ProjectName, "direkt");
    ui.Push(ScriptedAnswer::Cancel());
    ReportStandard(Out(), app.Project, app.Messages, odFile);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back().kind, "save");
    EXPECT_EQ(ui.shown.back().prompt, "direkt.txt");
}

// Opening "a.b.vak1" once named the project "a.b", and Save wrote "./a.b" without asking.
TEST_F(Commands, ProjectKeepsTheFileItWasOpenedFrom) {
    LoadLProfile();
    const std::string path = SaveAs("a.b");
    app.State.Unname();
    ui.Push(ScriptedAnswer::File(path));
    RunCommand(app, "mi_fileOpen");
    ASSERT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.State.Caption, "VAK1  Querschnittberechnung  -  a.b.vak1");
    app.Project.rho = 2.5L;
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    RunCommand(app, "mi_FileSave");
    fs::current_path(cwd);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(fs::exists(dir + "a.b"));
    app.Project.rho = 0;
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    EXPECT_EQ(app.Project.rho, 2.5L);
    ReportStandard(Out(), app.Project, app.Messages, odDosFile);
    EXPECT_NE(Read(dir + "OUTDOS.TXT").find(dir + "a.b.vak1 "), std::string::npos);
}

// New, Import DXF and Open once left archive mode, after which Save As wrote any name.
TEST_F(Commands, ArchiveModeLastsUntilASaveFindsItOff) {
    LoadLProfile();
    const std::string other = SaveAs("anders");
    std::string error;
    ASSERT_TRUE(RunCadJob(CadContextOf(app), app.Project, app.Docu, cdDxf, dkPolyline,
                          dir + "kontur", &error))
        << error;
    app.State.CommandLineFile = true;
    app.Config.ArchiveMode = true;
    struct Step {
        const char* command;
        ScriptedAnswer answer;
    };
    const Step steps[] = {{"mi_fileNew", ScriptedAnswer::Cancel()},
                          {"mi_fileImportDXF", ScriptedAnswer::File(dir + "kontur.dxf")},
                          {"mi_fileOpen", ScriptedAnswer::File(other)}};
    for (const Step& s : steps) {
        ui.Push(s.answer);
        RunCommand(app, s.command);
        EXPECT_TRUE(app.State.CommandLineFile) << s.command;
    }
    EXPECT_EQ(app.State.ProjectPath(), other);
    RunCommand(app, "mi_FileSaveAs");
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_NE(ui.Messages().back().find("Archivierungsmodus"), std::string::npos);
    app.Config.ArchiveMode = false;
    RunCommand(app, "mi_FileSave");
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(app.State.CommandLineFile);
}

TEST_F(StartUpJobs, SettingsChangedInTheDialogSurviveARestart) {
    ASSERT_FALSE(Run({}).exit);
    ui.Push(ScriptedAnswer::Config([](ConfigDialogData& d) {
        d.helpLevel = 2;
        d.graphWidth = "801";
        d.graphHeight = "601";
    }));
    ASSERT_TRUE(RunCommand(app, "mi_fileConfig"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Graphics.GraphWidth, 800);
    ASSERT_EQ(ui.Shown("graphicsarea").size(), 1u);
    EXPECT_EQ(ui.Shown("graphicsarea")[0].text, "801 x 601");
    ShutDown(app);

    App again;
    again.Env = app.Env;
    again.State.StartDir = dir;
    ASSERT_FALSE(StartUp(again, out, err).exit);
    EXPECT_EQ(again.Config.HelpLevel, 2);
    EXPECT_EQ(again.Config.GraphWidth, 800);
    EXPECT_EQ(again.Config.GraphHeight, 600);
}

TEST_F(Commands, DbaseMenuShowsTheChosenTableForEditing) {
    app.Config.DbfDir = dir;
    std::string error;
    ASSERT_TRUE(DbfTable::Create(dir + "masse.dbf", {{"NAME", 'C', 10, 0}}, error));
    ui.Push({ScriptedAnswer::File(dir + "masse.dbf"), ScriptedAnswer::Table({}, 0)});
    RunCommand(app, "mi_dbfProfile");
    const std::vector<DialogRecord> open = ui.Shown("open");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].text, dir);
    ASSERT_EQ(ui.Shown("table").size(), 1u);
    EXPECT_EQ(ui.Shown("table")[0].caption, "masse.dbf  dBase  (" + dir + "masse.dbf)");
    EXPECT_EQ(ui.Shown("table")[0].helpNumber, kHelpDbfTable);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(app.Table.Table.IsOpen());
}

// An imported contour counted as saved: "Beenden", "Öffnen" and "Neu" dropped it unasked.
TEST_F(Commands, AnImportedContourIsKeptByTheSaveQuestion) {
    LoadLProfile();
    std::string error;
    ASSERT_TRUE(RunCadJob(CadContextOf(app), app.Project, app.Docu, cdDxf, dkPolyline,
                          dir + "kontur", &error))
        << error;
    app.Project.ResetContour();
    app.Config.CadDir = dir;
    for (const char* next : {"close", "mi_fileOpen", "mi_fileNew"}) {
        ui.shown.clear();
        app.State.ModifiedFlag = 0;
        ui.Push({ScriptedAnswer::File(dir + "kontur.dxf"), ScriptedAnswer::Answer(Reply::No)});
        RunCommand(app, "mi_fileImportDXF");
        ASSERT_EQ(app.Project.PosCount(), 7) << next;
        if (std::string(next) == "close")
            EXPECT_FALSE(QueryClose(app));
        else
            RunCommand(app, next);
        EXPECT_TRUE(Asked("Bisherige Eingaben verwerfen ?")) << next;
        EXPECT_EQ(app.Project.PosCount(), 7) << next;
        EXPECT_EQ(ui.Pending(), 0u) << next;
    }
}

// "Abbrechen" in any dialog of "Neu" discarded the open project, and a new project took the
// free texts and approvals of the previous one.
TEST_F(Commands, NewCancelledKeepsTheProjectAndNewStartsWithEmptyDocumentation) {
    LoadLProfile();
    Documentation& d = app.Docu;
    d.ChangeCount = 1;
    d.ChangeEntries[0] = {"alt", "01.01.2020", "KL", "Beschreibung"};
    d.ApprovalRows = {
        {{"01.01.2020", "MM"}, {"02.01.2020", "PR"}, {"03.01.2020", "NO"}, {"04.01.2020", "FR"}}};
    d.ReplacedBy = "Z-2";
    d.FreeTextCount = 1;
    d.FreeTexts[0] = {10, 20, 3.5L, 0, "Firma"};
    d.DocumentLinks[0] = {"libreoffice", "/daten/liste.ods"};
    const std::string path = SaveAs("alt");
    app.Project.rho = 2.5L;
    app.State.ModifiedFlag = 1;
    RunCommand(app, "mi_viewpolyline");
    const auto picture = app.Graphics.DisplayList;
    ASSERT_FALSE(picture.empty());

    const ScriptedAnswer lines = ScriptedAnswer::Lines({std::string("Neu")});
    const ScriptedAnswer ok = ScriptedAnswer::Press(DialogAction::Ok);
    const std::vector<ScriptedAnswer> beforeCancel[] = {
        {}, {lines}, {lines, ok}, {lines, ok, ScriptedAnswer::Text("7")}};
    for (const auto& steps : beforeCancel) {
        ui.Push(ScriptedAnswer::Answer(Reply::No)); // the changes are not saved
        for (const auto& step : steps)
            ui.Push(step);
        ui.Push(ScriptedAnswer::Cancel());
        RunCommand(app, "mi_fileNew");
        const std::size_t n = steps.size();
        EXPECT_EQ(app.State.AbortFlag, 1) << n;
        EXPECT_EQ(ui.Pending(), 0u) << n;
        EXPECT_EQ(app.Project.PosCount(), 7) << n;
        EXPECT_NEAR(app.Project.R.A, 1722, 1) << n;
        EXPECT_EQ(app.Project.rho, 2.5L) << n;
        EXPECT_EQ(app.Project.DrawingName, "") << n;
        EXPECT_EQ(app.State.ProjectPath(), path) << n;
        EXPECT_EQ(app.State.ModifiedFlag, 1) << n;
        EXPECT_EQ(app.State.Caption, "VAK1  Querschnittberechnung  -  alt.vak1") << n;
        EXPECT_EQ(app.Docu.FreeTextCount, 1) << n;
        EXPECT_EQ(app.Docu.ChangeCount, 1) << n;
        EXPECT_EQ(app.Docu.ApprovalRows[kReleased].date, "04.01.2020") << n;
        EXPECT_EQ(app.Docu.DocumentLinks[0].file, "/daten/liste.ods") << n;
        EXPECT_EQ(app.Graphics.DisplayList.size(), picture.size()) << n;
    }
    // Saved before the cancel: the project kept is no longer modified.
    ui.Push({ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::Cancel()});
    RunCommand(app, "mi_fileNew");
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    EXPECT_EQ(app.State.ProjectPath(), path);

    ui.Push({lines, ok, ScriptedAnswer::Text("7"), ScriptedAnswer::Text("500")});
    RunCommand(app, "mi_fileNew");
    ASSERT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.State.ProjectName, "");
    EXPECT_EQ(app.Docu.ChangeCount, 0);
    EXPECT_EQ(app.Docu.ChangeEntries[0].text, "");
    EXPECT_EQ(app.Docu.FreeTextCount, 0);
    EXPECT_EQ(app.Docu.FreeTexts[0].text, "");
    EXPECT_EQ(app.Docu.ReplacedBy, "");
    EXPECT_EQ(app.Docu.ApprovalRows[kPrepared].date, TodayText(clock, app.Config));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(app.Docu.ApprovalRows[row].name, "") << row;
    for (int row = 1; row < 4; ++row)
        EXPECT_EQ(app.Docu.ApprovalRows[row].date, "") << row;
    EXPECT_EQ(app.Docu.DocumentLinks[0].file, "");
}
