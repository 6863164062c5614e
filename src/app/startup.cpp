// Start-up order, the command line and the unattended report and drawing jobs.
#include "app/startup.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "app/App.h"
#include "app/cadcontext.h"
#include "app/outputcontext.h"
#include "app/profilecommand.h"
#include "app/commands.h"
#include "app/projectcontext.h"
#include "cad/drawing.h"
#include "cad/dxfimport.h"
#include "project/calculation.h"
#include "help/helptext.h"
#include "platform/Ui.h"
#include "profiles/profiletable.h"
#include "dialogs/dialogs.h"
#include "project/projectfile.h"
#include "report/extendedreport.h"
#include "report/projecttable.h"
#include "report/resultreport.h"
#include "report/stressreport.h"
#include "settings/settingsfile.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

bool IsCadParameter(const std::string& p) {
    return UpperAscii(p.substr(0, 4)) == "/CAD";
}

// The name of the project without folder and extension: the base of the job's output.
std::string StrippedName(const std::string& path) {
    return fs::path(path).stem().string();
}

// Texts of the program are code page 850; standard error gets them in UTF-8, once.
void PrintLine(std::FILE* err, const std::string& text) {
    std::fprintf(err, "%s\n", Cp850ToUtf8(text).c_str());
}

void PrintMessages(const App& app, std::FILE* err) {
    for (uint16_t i = 1; i <= app.Messages.count; ++i)
        PrintLine(err, std::string(app.Messages[i]));
}

// The command-line name: a project file as given; a name without "." is the project
// folder's name + ".vak1".
void NameFromCommandLine(AppState& st, const std::string& first) {
    st.ProjectName = StrippedName(first);
    st.ProjectDir.clear();
    const bool dotted = fs::path(first).filename().string().find('.') != std::string::npos;
    st.ProjectFile = dotted ? first : first + "." + kExtension;
}

// A job whose output would replace the file it reads refuses (the same file under any
// spelling or link).
bool WouldReplaceInput(const std::string& input, const std::string& output, std::FILE* err) {
    std::error_code ec;
    if (!fs::equivalent(input, output, ec)) return false;
    // The path and the (UTF-8) literal go to standard error as they are.
    std::fprintf(err, "%s: die Ausgabe würde die Eingabedatei ersetzen, nichts geschrieben\n",
                 output.c_str());
    return true;
}

// A read-only output file is kept, as in the dialogs; the job says so and fails.
bool OutputReadOnly(const std::string& output, std::FILE* err) {
    struct stat st {};
    if (::stat(output.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if ((st.st_mode & 0222) != 0 && ::access(output.c_str(), W_OK) == 0) return false;
    std::fprintf(err, "%s: Schreibschutz entfernen !\n", output.c_str());
    return true;
}

// The report and the CAD text listing are both NAME.txt: neither job replaces the other's file
// (the listing is known by its first line).
bool OtherJobsText(const std::string& txt, bool cadListing, std::FILE* err) {
    std::FILE* f = std::fopen(txt.c_str(), "rb");
    if (!f) return false;
    char head[7] = {};
    const bool listing = std::fread(head, 1, sizeof head, f) == sizeof head &&
                         std::string_view(head, sizeof head) == "MINMAX\t";
    std::fclose(f);
    if (listing == cadListing) return false;
    std::fprintf(err, "%s: %s, nicht ersetzt\n", txt.c_str(),
                 listing ? "enthält eine CAD-Liste" : "enthält keine CAD-Liste");
    return true;
}

// Names the project of a job after its file without the folder: the report's page header
// shows the file name only.
void NameJobProject(App& app, const std::string& path) {
    NameProjectAfter(ProjectLocationOf(app), path);
    app.State.ProjectDir.clear();
}

// Reads and calculates the project of an unattended job. A project that cannot be read or
// whose calculation fails ends the job with exit code 1: a batch caller must see it.
bool ReadForJob(App& app, const std::string& path, std::FILE* err) {
    if (!FileExists(path)) {
        // The path is the file system's (UTF-8) and is printed as it is.
        std::fprintf(err, "Datei %s nicht gefunden oder kein Zugriffsrecht !\n", path.c_str());
        return false;
    }
    app.State.AbortFlag = 0;
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    if (app.State.AbortFlag) {
        std::fprintf(err, "%s: Projekt nicht gelesen\n", path.c_str());
        return false;
    }
    // A contour without positions has no results: the calculation leaves it alone, a job
    // that would report zeros for it fails instead.
    if (app.Project.PosCount() == 0) {
        std::fprintf(err, "%s: Kontur leer (keine Positionen), nichts berechnet\n", path.c_str());
        return false;
    }
    CalcSection(app.Project, app.Messages, app.Config);
    if (app.Project.CalcError) {
        PrintMessages(app, err);
        return false;
    }
    return true;
}

StartResult ReportJob(App& app, const std::string& path, std::FILE* out, std::FILE* err) {
    const std::string txt = StrippedName(path) + ".txt";
    if (WouldReplaceInput(path, txt, err)) return {true, 1};
    if (OutputReadOnly(txt, err) || OtherJobsText(txt, false, err)) return {true, 1};
    if (!ReadForJob(app, path, err)) return {true, 1};
    NameJobProject(app, path);
    if (!RunReportJob(OutputContextOf(app), app.Project, app.Messages, txt)) {
        std::fprintf(err, "%s: Bericht nicht geschrieben\n", txt.c_str());
        return {true, 1};
    }
    std::fprintf(out, "%s\n", txt.c_str());
    return {true, 0};
}

// The extended values as NAME_x.txt; a torsion solver that gives no values leaves its
// message in the report and does not fail the job.
StartResult ExtendedJob(App& app, const std::string& path, std::FILE* out, std::FILE* err) {
    const std::string txt = StrippedName(path) + "_x.txt";
    if (WouldReplaceInput(path, txt, err)) return {true, 1};
    if (OutputReadOnly(txt, err)) return {true, 1};
    if (!ReadForJob(app, path, err)) return {true, 1};
    NameJobProject(app, path);
    if (!RunExtendedJob(OutputContextOf(app), app.Project, txt)) {
        std::fprintf(err, "%s: Bericht nicht geschrieben\n", txt.c_str());
        return {true, 1};
    }
    std::fprintf(out, "%s\n", txt.c_str());
    return {true, 0};
}

bool IsStressParameter(const std::string& p) {
    return p.size() >= 3 && (p[0] == '/') && (p[1] == 'S' || p[1] == 's') && p[2] == ':';
}

// The stresses under the loads of /S:N,Vy,Vz,Mx,My,Mz as NAME_s.txt and the colour map of the
// von Mises stress as NAME_s.png.
StartResult StressJob(App& app, const std::string& path, const std::string& param, std::FILE* out,
                      std::FILE* err) {
    SectionLoads loads;
    if (!ParseLoads(param.substr(3), app.Config.EnglishUnits == Units::English, loads)) {
        PrintLine(err, param + cp850(": Schnittgrößen N,Vy,Vz,Mx,My,Mz erwartet"));
        return {true, 1};
    }
    const std::string txt = StrippedName(path) + "_s.txt", png = StrippedName(path) + "_s.png";
    if (WouldReplaceInput(path, txt, err) || WouldReplaceInput(path, png, err)) return {true, 1};
    if (OutputReadOnly(txt, err) || OutputReadOnly(png, err)) return {true, 1};
    if (!ReadForJob(app, path, err)) return {true, 1};
    NameJobProject(app, path);
    std::string error;
    if (!RunStressJob(OutputContextOf(app), app.Project, loads, txt, png, error)) {
        PrintLine(err, error);
        return {true, 1};
    }
    std::fprintf(out, "%s\n%s\n", txt.c_str(), png.c_str());
    return {true, 0};
}

StartResult CadJob(App& app, const std::string& path, const std::string& param, std::FILE* out,
                   std::FILE* err) {
    const int device = param.size() > 4 ? param[4] - '0' : 0;
    int kind = 0;
    if (param.size() > 6) kind = std::atoi(param.c_str() + 6);
    const std::string base = StrippedName(path);
    const char* extension = device == cdIges ? ".igs" : device == cdTxt ? ".txt" : ".dxf";
    if (WouldReplaceInput(path, base + extension, err)) return {true, 1};
    if (OutputReadOnly(base + extension, err)) return {true, 1};
    if (device == cdTxt && OtherJobsText(base + extension, true, err)) return {true, 1};
    if (!ReadForJob(app, path, err)) return {true, 1};
    NameJobProject(app, path);
    std::string error;
    if (!RunCadJob(CadContextOf(app), app.Project, app.Docu, device, kind, base, &error)) {
        PrintLine(err, error);
        return {true, 1};
    }
    std::fprintf(out, "%s%s\n", base.c_str(), extension);
    return {true, 0};
}

bool IsTableParameter(const std::string& p) {
    return UpperAscii(p) == "/TABLE";
}

// The project table of folder as tab-separated UTF-8 text in the current folder. Projects
// that cannot be read keep their row, are named on standard error and make the exit code 1.
StartResult TableJob(App& app, const std::vector<std::string>& args, std::FILE* out,
                     std::FILE* err) {
    if (args.size() < 2) {
        std::fprintf(err, "/TABLE: Ordner fehlt\n");
        return {true, 1};
    }
    const std::string folder = FolderPath(args[1]);
    std::vector<std::string> names;
    std::string error;
    if (!ListProjectFiles(folder, names, error)) {
        std::fprintf(err, "%s\n", error.c_str());
        return {true, 1};
    }
    const ProjectTable table = BuildProjectTable(folder, names, app.Config, ProjectTableThreads());
    for (const auto& m : table.messages)
        PrintLine(err, m);
    const std::string text = ProjectTableText(table.rows);
    const char* target = "vak1table.txt";
    TextFileWriter file; // an older table stays unless the new one was written whole
    if (file.Open(target)) file.Write(text);
    if (!file.Commit()) {
        PrintLine(err, std::string(target) + ": Tabelle nicht geschrieben (" +
                           IoErrorText(file.Stage(), file.ErrorCode()) + ")");
        return {true, 1};
    }
    std::fprintf(out, "%s\n", target);
    // A batch caller must see that rows are missing their values.
    return {true, table.messages.empty() ? 0 : 1};
}

// The project made by a job as target: its name printed on out, or the failure on err.
StartResult WriteJobProject(App& app, const std::string& target, std::FILE* out, std::FILE* err) {
    NameJobProject(app, target);
    app.State.AbortFlag = 0;
    WriteProject(ProjectFileOf(app), target);
    if (app.State.AbortFlag) {
        std::fprintf(err, "%s: Projekt nicht geschrieben\n", target.c_str());
        return {true, 1};
    }
    std::fprintf(out, "%s\n", target.c_str());
    return {true, 0};
}

bool IsProfileParameter(const std::string& p) {
    return UpperAscii(p) == "/PROFILE";
}

// "/PROFILE designation NAME": the project of a section of the table as NAME.vak1 (hollow
// sections with hot-finished corners). An unknown designation writes nothing.
StartResult ProfileJob(App& app, const std::vector<std::string>& args, std::FILE* out,
                       std::FILE* err) {
    if (args.size() < 3) {
        std::fprintf(err, "/PROFILE: Bezeichnung und Projektdatei fehlen\n");
        return {true, 1};
    }
    const std::string table = FindProfileTable(ProfileTableFolders(app));
    if (table.empty()) {
        std::fprintf(err, "/PROFILE: Tabelle %s nicht gefunden, nichts geschrieben\n",
                     kProfileTableName);
        return {true, 1};
    }
    std::vector<ProfileRow> rows;
    std::vector<TPosition> contour;
    std::string error;
    if (!ReadProfileTable(table, rows, error)) {
        PrintLine(err, error);
        return {true, 1};
    }
    // The designation and the paths are the command line's (UTF-8) and are printed as they are.
    const ProfileRow* row = FindProfile(rows, cp850(args[1]));
    if (!row) {
        std::fprintf(err, "/PROFILE: Profil \"%s\" nicht in %s gefunden, nichts geschrieben\n",
                     args[1].c_str(), table.c_str());
        return {true, 1};
    }
    if (!ProfileRowContour(*row, HollowMaking::HotFinished, contour, error)) {
        PrintLine(err, error);
        return {true, 1};
    }
    const bool dotted = fs::path(args[2]).filename().string().find('.') != std::string::npos;
    const std::string target = dotted ? args[2] : args[2] + "." + kExtension;
    if (OutputReadOnly(target, err)) return {true, 1};
    SetProjectContour(app.Project, contour, row->designation);
    CalcSection(app.Project, app.Messages, app.Config);
    if (app.Project.CalcError) {
        PrintMessages(app, err);
        return {true, 1};
    }
    app.State.OverwriteQuestion = false; // a job replaces its output, as the others do
    return WriteJobProject(app, target, out, err);
}

bool IsDxfInParameter(const std::string& p) {
    return UpperAscii(p) == "/DXFIN";
}

// The contour of a drawing as the project file NAME.vak1; a drawing that gives no contour
// is named with its reason and nothing is written.
StartResult DxfInJob(App& app, const std::vector<std::string>& args, std::FILE* out,
                     std::FILE* err) {
    if (args.size() < 3) {
        std::fprintf(err, "/DXFIN: Zeichnung und Projektdatei fehlen\n");
        return {true, 1};
    }
    const std::string& drawing = args[1];
    std::string target = args[2];
    if (fs::path(target).filename().string().find('.') == std::string::npos)
        target += std::string(".") + kExtension;
    if (WouldReplaceInput(drawing, target, err)) return {true, 1};
    if (OutputReadOnly(target, err)) return {true, 1};
    const DxfImportResult r = ImportDxfContour(drawing, app.Project);
    if (!r.ok) {
        PrintLine(err, r.error);
        return {true, 1};
    }
    CalcSection(app.Project, app.Messages, app.Config);
    return WriteJobProject(app, target, out, err);
}

// Evaluates the command line; a filled result ends the program.
bool EvaluateCommandLine(App& app, StartResult& result, std::FILE* out, std::FILE* err) {
    const auto& args = app.State.CommandLine;
    for (const auto& a : args)
        if (UpperAscii(a) == "/NOGUI") app.State.NoGui = true;
    if (args.empty()) return false;
    const std::string& first = args[0];
    if (first == "?" || first == "/?") {
        for (const auto& line : UsageLines())
            std::fprintf(out, "%s\n", line.c_str());
        result = {true, 0};
        return true;
    }
    if (IsTableParameter(first)) {
        result = TableJob(app, args, out, err);
        return true;
    }
    if (IsProfileParameter(first)) {
        result = ProfileJob(app, args, out, err);
        return true;
    }
    if (IsDxfInParameter(first)) {
        result = DxfInJob(app, args, out, err);
        return true;
    }
    if (UpperAscii(first) == "DEMO") {
        ShowInfo(Dialogs(app), cp850(kNoDemonstrationText));
        return false;
    }
    NameFromCommandLine(app.State, first);
    const std::string second = args.size() > 1 ? args[1] : "";
    if (second == "/E" || second == "/e" || second == "/G") return false;
    if (second == "/I" || second == "/i") {
        result = ReportJob(app, app.State.ProjectFile, out, err);
        return true;
    }
    if (second == "/X" || second == "/x") {
        result = ExtendedJob(app, app.State.ProjectFile, out, err);
        return true;
    }
    if (IsStressParameter(second)) {
        result = StressJob(app, app.State.ProjectFile, second, out, err);
        return true;
    }
    if (IsCadParameter(second)) {
        result = CadJob(app, app.State.ProjectFile, second, out, err);
        return true;
    }
    if (first.find('.') == std::string::npos) {
        ShowError(Dialogs(app),
                  cp850(std::string("Erweiterung .") + kExtension + " muß mit angegeben werden"));
        result = {true, 1};
        return true;
    }
    app.State.MessageDisplay = false;
    ReadProject(app.Project, app.Docu, Dialogs(app), first);
    app.State.MessageDisplay = true;
    app.State.CommandLineFile = true;
    if (app.State.AbortFlag) {
        // A new project under that name: the path must be writable.
        app.State.AbortFlag = 0;
        CheckTargetFile(Dialogs(app), first);
        if (app.State.AbortFlag) {
            result = {true, 1};
            return true;
        }
    }
    return false;
}

// Help texts and the message file come with the program: without a configured folder that
// holds them, the installation's data folder is used.
void UseInstalledData(App& app) {
    const std::string configured = FolderPath(app.Config.PltDir);
    const std::string installed = InstalledDataFolder();
    if (!FileExists(configured + "vak1.hlp") && !installed.empty()) app.Config.PltDir = installed;
}

std::string CurrentFolder() {
    std::error_code ec;
    std::string cwd = fs::current_path(ec).string();
    return ec ? std::string() : FolderPath(cwd);
}

} // namespace

std::vector<std::string> UsageLines() {
    const std::string prog = std::string("w") + kExtension;
    const std::string file = std::string(" test.") + kExtension;
    return {std::string(kProgramName) + " Command Line Mode",
            prog + " Filename [/I] [/CADi:j] [/NOGUI]",
            "/I       -> TXT file",
            "/CADi:j  -> CAD File",
            "            i: 1=DXF, 2=IGS, 5=TXT",
            "            j: index (1,2,3, ..)",
            "/NOGUI   -> No GUI, exit on fatal error",
            "/?       -> Help",
            "Example: " + prog + file + "             ->  GUI",
            "Example: " + prog + file + " /I /NOGUI   ->  test.txt",
            "Example: " + prog + file + " /CAD1:1     ->  test.dxf",
            "Example: " + prog + " test.edi /E /NOGUI   ->  test.edi",
            prog + " Filename /X [/NOGUI]",
            prog + " /TABLE Folder",
            prog + " /PROFILE Designation Filename",
            "/X       -> extended values: TXT file Filename_x.txt",
            "/TABLE   -> table of the folder's projects: vak1table.txt",
            prog + " /DXFIN Drawing.dxf Filename",
            "/PROFILE -> project file of a section of profiles.dbf",
            "/DXFIN   -> project of the drawing's contour: Filename.vak1",
            "Example: " + prog + file + " /X /NOGUI   ->  test_x.txt",
            "Example: " + prog + " /PROFILE \"IPE 200\" ipe200  ->  ipe200." + kExtension,
            prog + " Filename /S:N,Vy,Vz,Mx,My,Mz [/NOGUI]",
            "/S:...   -> stresses under the loads (N, N*mm; inch: lbf, lbf*in):",
            "            Filename_s.txt and the von Mises colour map Filename_s.png",
            "Example: " + prog + file + " /S:1000,0,500,0,2e5,0 /NOGUI  ->  test_s.txt"};
}

bool IsUnattended(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    if (args[0] == "?" || args[0] == "/?" || IsTableParameter(args[0]) ||
        IsProfileParameter(args[0]) || IsDxfInParameter(args[0]))
        return true;
    if (args.size() < 2) return false;
    return args[1] == "/I" || args[1] == "/i" || args[1] == "/X" || args[1] == "/x" ||
           IsCadParameter(args[1]) || IsStressParameter(args[1]);
}

StartResult StartUp(App& app, std::FILE* out, std::FILE* err) {
    AppState& st = app.State;
    RefreshMenu(app);
    if (st.StartDir.empty()) st.StartDir = CurrentFolder();

    if (app.Env.ui)
        app.Env.ui->onHelp = [&app](uint16_t number, bool picture) {
            ShowHelp(HelpContextOf(app), number,
                     picture ? HelpMode::PictureOnly : HelpMode::TextOnly);
        };
    LoadSettings(app.Config, app.State.StartDir, Dialogs(app));
    st.AbortFlag = 0;
    CheckFolders(app.Config, app.State.StartDir, Dialogs(app));
    st.AbortFlag = 0;
    // Runs that were killed leave their temporary files; a day later they are nobody's work.
    RemoveStaleTemporaryFiles(st.StartDir);
    RemoveStaleTemporaryFiles(FolderPath(app.Config.TempDir));
    UseInstalledData(app);
    LoadRecentFiles(app.Config, app.State.StartDir, app.State.RecentFiles);
    st.AbortFlag = 0;
    app.Graphics.ZoomFactor = app.Config.ZoomFactor;
    app.Graphics.PanFactor = app.Config.PanFactor;

    StartResult result;
    if (EvaluateCommandLine(app, result, out, err)) return result;

    if (st.CommandLineFile) {
        st.ProjectDir.clear();
    } else {
        st.ProjectDir = FolderPath(app.Config.DataDir);
        const std::string templ = st.ProjectDir + "null.vak1";
        if (FileExists(templ)) {
            ReadProject(app.Project, app.Docu, Dialogs(app), templ);
            st.AbortFlag = 0;
            st.Unname(); // the template leaves the project unnamed
        }
    }
    CalcSection(app.Project, app.Messages, app.Config);
    if (app.Config.MenuLanguage > 0) SetLanguage(app, app.Config.MenuLanguage);
    SetCaption(app);
    st.AbortFlag = 0;
    st.ModifiedFlag = 0;
    return result;
}

} // namespace vak1
