// Menu commands of the main window and the project-level steps around them.
#include "app/commands.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "app/App.h"
#include "app/cadcontext.h"
#include "app/dxfdialog.h"
#include "app/notes.h"
#include "app/outputcontext.h"
#include "app/profilecommand.h"
#include "app/projectcontext.h"
#include "app/sheetcommands.h"
#include "app/tablecontext.h"
#include "app/startup.h"
#include "app/stresscommand.h"
#include "cad/drawing.h"
#include "cad/dxfimport.h"
#include "project/calculation.h"
#include "dbase/printoutsets.h"
#include "docu/Documentation.h"
#include "docu/docudialogs.h"
#include "graphics/draw.h"
#include "graphics/hpgl.h"
#include "graphics/logo.h"
#include "graphics/picturebrowser.h"
#include "graphics/printout.h"
#include "help/helperr.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "platform/Launcher.h"
#include "platform/Ui.h"
#include "project/projectfile.h"
#include "report/changelog.h"
#include "report/extendedreport.h"
#include "report/projecttable.h"
#include "report/resultreport.h"
#include "settings/configdialog.h"
#include "settings/settingsfile.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

// What a command does with ModifiedFlag afterwards.
enum class Modified { Keep, SetIfNotAborted, ClearIfNotAborted };

struct Command {
    void (*run)(App&);
    Modified rule = Modified::Keep;
};

constexpr const char* kTemplateName = "null.vak1";
constexpr const char* kHomepage = "https://quorven.example/";
constexpr const char* kSupportMail = "mailto:support@quorven.example";

void NoDemonstration(App& app) {
    ShowInfo(Dialogs(app), cp850(kNoDemonstrationText));
}

// The printout of the graphics window; after a form sheet its page is preset.
void FilePrint(App& app) {
    // The user's sets go to the dBase folder, or without one to the per-user folder; the
    // installation's table only supplies the first sets.
    const std::string user = FallbackSettingsFolder();
    const PrintoutTablePlaces places{
        {app.State.StartDir, app.Config.DbfDir, user, InstalledDataFolder()},
        InstalledDataFolder(),
        {app.Config.DbfDir, user}};
    PrintoutSetHooks sets;
    sets.load = [&](PrintoutDialogData& data) {
        LoadPrintoutSet(TableContextOf(app), places, app.PrintoutRecord, data);
    };
    sets.store = [&](PrintoutDialogData& data) {
        StorePrintoutSet(TableContextOf(app), places, data);
    };
    PrintoutCommand(Dialogs(app), app.Graphics, app.Config, app.Env.printer,
                    app.Cad.FormSheetMarker == 2, sets);
}

// What "Save" hands to WriteProject: the project's own file; empty (the save dialog) when
// the project has no name.
std::string SaveTarget(const App& app) {
    return app.State.ProjectPath();
}

void ReadTemplate(App& app) {
    const std::string path = app.State.ProjectDir + kTemplateName;
    if (!FileExists(path)) return;
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    app.State.AbortFlag = 0; // a broken template was reported; the start goes on without it
}

// --- File menu --------------------------------------------------------------------------

// What "Neu" replaces, so that "Abbrechen" in its dialogs can put it back.
struct OpenProject {
    ProjectData project;
    Documentation docu;
    MessageList messages;
    GraphicsWindow graphics;
    std::string name, file;
    uint8_t modified;

    explicit OpenProject(const App& app)
        : project(app.Project), docu(app.Docu), messages(app.Messages), graphics(app.Graphics),
          name(app.State.ProjectName), file(app.State.ProjectFile),
          modified(app.State.ModifiedFlag) {}

    void Restore(App& app) const {
        const uint16_t width = app.Graphics.GraphWidth, height = app.Graphics.GraphHeight;
        app.Project = project;
        app.Docu = docu;
        app.Messages = messages;
        app.Graphics = graphics;
        ResizeReference(app.Graphics, width, height); // the window may have changed meanwhile
        app.Graphics.RepaintRequested = true;
        app.State.ProjectName = name;
        app.State.ProjectFile = file;
        app.State.ModifiedFlag = modified;
        SetCaption(app);
    }
};

void FileNew(App& app) {
    auto before = std::make_unique<OpenProject>(app);
    const bool dropped = SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    // Saved changes are in the file now; dropped ones stay changes of the project kept.
    if (!dropped) before->modified = app.State.ModifiedFlag;
    // Nothing of the previous project's documentation carries over; a template brings its own.
    app.Docu = Documentation{};
    ReadTemplate(app);
    app.State.Unname();
    SetCaption(app);
    ResetDocumentation(app.Docu, TodayText(*app.Env.clock, app.Config));
    for (auto& link : app.Docu.DocumentLinks)
        link = TDocumentLink{};
    Clear(app.Graphics);
    app.Project.NewProject();

    app.State.ModifiedFlag = 0;
    Clear(app.Graphics);
    EditTextLines(app);
    if (!app.State.AbortFlag) EditPositions(app);
    if (!app.State.AbortFlag) EditBody(app);
    if (app.State.AbortFlag) {
        before->Restore(app);
        return;
    }
    RefreshViews(app);
    app.State.ModifiedFlag = 1;
}

void FileOpen(App& app) {
    SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    std::string path;
    if (!DialogUi(Dialogs(app), kHelpNone)
             .OpenFileDialog(kProjectFilter, app.State.ProjectDir, path)) {
        app.State.AbortFlag = 1;
        return;
    }
    OpenProjectFile(app, path);
}

void FileSave(App& app) {
    app.State.OverwriteQuestion = false;
    WriteProject(ProjectFileOf(app), SaveTarget(app));
    app.State.OverwriteQuestion = true;
    if (!app.State.AbortFlag) app.State.ModifiedFlag = 0;
    SetCaption(app);
}

void FileSaveAs(App& app) {
    WriteProject(ProjectFileOf(app), "");
    if (!app.State.AbortFlag) {
        app.State.ModifiedFlag = 0;
        EnterRecentFile(app, ProjectPath(app));
    }
    SetCaption(app);
}

// The graphics window follows the settings: reference size, zoom and pan steps; the main
// window's drawing area takes the size at once.
void ApplyGraphicSettings(App& app) {
    GraphicsWindow& g = app.Graphics;
    // Only a size the user set stays fixed; one computed from the screen follows the window.
    g.FixedWidth = !app.Config.GraphWidthFromScreen;
    g.FixedHeight = !app.Config.GraphHeightFromScreen;
    if (g.FixedWidth) g.GraphWidth = app.Config.GraphWidth;
    if (g.FixedHeight) g.GraphHeight = app.Config.GraphHeight;
    g.ZoomFactor = app.Config.ZoomFactor;
    g.PanFactor = app.Config.PanFactor;
    g.RepaintRequested = true;
    if (app.Env.ui && (g.FixedWidth || g.FixedHeight))
        app.Env.ui->ResizeGraphicsArea(g.GraphWidth + 1, g.GraphHeight + 1);
}

void FileConfig(App& app) {
    ConfigEnvironment env;
    env.workingDir = app.State.StartDir;
    OutputOpen(OutputContextOf(app), kOnlyKindNames);
    env.textDevices = app.Output.KindNames;
    env.hint = [&app](uint16_t number) { return HelpText(app.Config, number); };
    env.applied = [&app] { ApplyGraphicSettings(app); };
    RunConfigDialog(app.Config, app.State.StartDir, Dialogs(app), env);
    // The main window takes the background colour, also after "Abbrechen".
    app.Graphics.RepaintRequested = true;
}

void FileImportDxf(App& app) {
    SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    std::string path;
    DxfImportOptions options;
    if (!AskDxfImport(app, path, options)) {
        app.State.AbortFlag = 1;
        return;
    }
    DxfImportResult r = ImportDxfContour(path, app.Project, options);
    if (!r.ok) {
        ShowError(Dialogs(app), r.error);
        app.State.AbortFlag = 1;
        return;
    }
    app.State.Unname();
    CalcSection(app.Project, app.Messages, app.Config);
    RefreshViews(app);
    SetCaption(app);
}

void FileExportDxf(App& app) {
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdDxf, dkPolyline);
}

void OpenRecent(App& app, int k) {
    SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    const std::string path = app.State.RecentFiles[k - 1];
    if (path.empty()) return;
    if (!FileExists(path)) {
        for (int i = k - 1; i < 3; ++i)
            app.State.RecentFiles[i] = app.State.RecentFiles[i + 1];
        app.State.RecentFiles[3].clear();
        SetCaption(app);
        ShowInfo(Dialogs(app), "File " + path + " not found !");
        return;
    }
    OpenProjectFile(app, path);
}

void UpdateMessageItem(App& app);

// The project table's grid as the window shows it.
void FillProjectTable(ProjectTableData& data, const std::vector<ProjectTableRow>& rows,
                      const NumberStyle& style) {
    data.rows.clear();
    for (const auto& row : rows) {
        std::vector<std::string>& cells = data.rows.emplace_back();
        // The file name is the file system's (UTF-8) already; the other cells are code page 850.
        cells.push_back(row[0]);
        for (std::size_t c = 1; c < row.size(); ++c)
            cells.push_back(DisplayText(style, row[c]));
    }
}

// The folder whose projects the table lists: the project's folder is proposed.
bool ChooseTableFolder(App& app, std::string& folder) {
    std::string chosen = app.State.ProjectDir.empty() ? app.State.StartDir : app.State.ProjectDir;
    if (!DialogUi(Dialogs(app), kHelpNone)
             .FolderDialog(DisplayText(app.Config, cp850("Ordner der Projekttabelle wählen")),
                           chosen)) {
        app.State.AbortFlag = 1;
        return false;
    }
    folder = FolderPath(chosen);
    return true;
}

// "Öffnen (Tabelle)": every project file of a folder with its key results. The files are
// read beside the open project, which stays as it is until a chosen row opens its project
// (after the save-changes question); the window comes back until it is closed.
void FileOpenTable(App& app) {
    std::string folder;
    if (!ChooseTableFolder(app, folder)) return;
    std::vector<std::string> names;
    std::string error;
    if (!ListProjectFiles(folder, names, error)) {
        ShowError(Dialogs(app), error);
        app.State.AbortFlag = 1;
        return;
    }
    ProjectTable table;
    ProgressJob job{
        cp850("Projekte lesen"), names.size(), [&](const std::function<bool(std::size_t)>& report) {
            table = BuildProjectTable(folder, names, app.Config, ProjectTableThreads(), report);
        }};
    app.Env.ui->SetWaitCursor(true);
    app.Env.ui->RunWithProgress(job);
    app.Env.ui->SetWaitCursor(false);
    if (table.cancelled) {
        app.State.AbortFlag = 1;
        return;
    }
    // The messages belong to the listed files, not to the open project.
    if (!table.messages.empty()) {
        std::string text = cp850("Nicht lesbar (die Zeilen bleiben leer):");
        for (const auto& m : table.messages)
            text += "\n" + m;
        ShowInfo(Dialogs(app), text);
    }

    ProjectTableData data;
    data.caption = DisplayText(app.Config, std::string(kProgramName) + "  " + folder);
    for (const auto& title : ProjectTableTitles())
        data.titles.push_back(title);
    data.widths.assign(ProjectTableWidths().begin(), ProjectTableWidths().end());
    FillProjectTable(data, table.rows, app.Config);
    data.sort = [&](int column) {
        SortProjectTable(table.rows, column);
        FillProjectTable(data, table.rows, app.Config);
    };
    for (;;) {
        const ProjectTableAction action =
            DialogUi(Dialogs(app), kHelpProjectTable).ProjectTableDialog(data);
        if (action == ProjectTableAction::Close) return;
        if (action == ProjectTableAction::Export) {
            ExportProjectTable(app, data.titles, data.rows);
            return;
        }
        if (action == ProjectTableAction::Pictures) {
            BrowseHelpPictures({app.Graphics, app.Config, Dialogs(app), app.Env.ports});
            app.State.AbortFlag = 0;
            continue;
        }
        if (data.selected < 1 || data.selected > static_cast<int>(table.rows.size())) continue;
        app.State.AbortFlag = 0;
        SaveChangesQuestion(app);
        if (!app.State.AbortFlag) OpenProjectFile(app, folder + table.rows[data.selected - 1][0]);
        app.State.AbortFlag = 0;
    }
}

void FileExit(App& app) {
    app.State.CloseRequested = true;
}

// --- Edit menu --------------------------------------------------------------------------

// The result view the settings ask for after reading; 0 for none.
uint16_t ResultViewKind(const App& app) {
    switch (app.Config.ResultGraphic) {
    case 1:
        return dkGeometryTable;
    case 2:
        return dkTable;
    case 3:
        return dkForm;
    case 4:
        return dkGeometryTable;
    case 5:
        return dkPolyline;
    default:
        return app.Config.HelpLevel != 0 ? dkGeometryTable : 0;
    }
}

// After a command recalculated: the section view on show is drawn anew, or the messages
// take the place of a picture that no longer fits the data.
void ShowRecalculation(App& app) {
    const uint16_t shown = app.Graphics.SectionView;
    const uint8_t aborted = app.State.AbortFlag;
    ShowRecalculated(app, shown != 0 ? shown : ResultViewKind(app));
    app.State.AbortFlag = aborted;
}

void EditGeometry(App& app) {
    EditPositions(app);
    const uint8_t aborted = app.State.AbortFlag;
    CalcSection(app.Project, app.Messages, app.Config);
    ShowRecalculation(app);
    if (!app.Project.CalcError && app.Config.HelpLevel >= 2) ShowMessagesAndNotes(app);
    app.State.AbortFlag = aborted;
}

void EditBodyData(App& app) {
    EditBody(app);
    if (!app.State.AbortFlag) ShowRecalculation(app);
}

void EditCalculation(App& app) {
    EditArcDivision(app);
    if (!app.State.AbortFlag) ShowRecalculation(app);
}

void EditZeichnen(App& app) {
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkChoose);
}

// --- View and CAD menus -----------------------------------------------------------------

template <CadDeviceCode Mode, DrawingKind Kind> void Draw(App& app) {
    DrawSection(CadContextOf(app), app.Project, app.Docu, Mode, Kind);
}

void ViewStandard(App& app) {
    ReportStandard(OutputContextOf(app), app.Project, app.Messages);
}
void ViewExcerpt(App& app) {
    ReportExcerpt(OutputContextOf(app), app.Project);
}
// The mesh fineness is asked before the torsion solver runs and kept while the program runs.
void ViewExtended(App& app) {
    if (!app.Project.CalcError) {
        InputValue(Dialogs(app), kHelpMeshFineness,
                   cp850("Netzfeinheit für Torsion und Schub (1 = Standard, 2 = halbe "
                         "Elementgröße):"),
                   app.State.MeshFineness, 1, kMeshFinenessMax);
        if (app.State.AbortFlag) return;
    }
    ReportExtended(OutputContextOf(app), app.Project, 0, ComputeTorsionInWorker,
                   TorsionOptions{static_cast<double>(app.State.MeshFineness)});
}
// Shear centre, plastic neutral axes and mesh on the section drawing: on and off.
void ViewSolverOverlay(App& app) {
    app.State.DrawSolverOverlay = !app.State.DrawSolverOverlay;
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
}
void ShowMessages(App& app) {
    ShowMessagesAndNotes(app);
}

void CadOptions(App& app) {
    EditDrawingOptions(CadContextOf(app), app.Project);
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkForm);
}

// "Profile" of the dBase menu: a table of the dBase folder in the table window, for editing.
void DbfTables(App& app) {
    std::string path;
    if (!DialogUi(Dialogs(app), kHelpNone)
             .OpenFileDialog("*.dbf|*.dbf", FolderPath(app.Config.DbfDir), path)) {
        app.State.AbortFlag = 1;
        return;
    }
    const TableContext t = TableContextOf(app);
    if (!OpenTableWithWriteCheck(t, path)) return;
    const std::size_t slash = path.rfind('/');
    SetTableTitles(app.Table, "dBase", path.substr(slash == std::string::npos ? 0 : slash + 1));
    GoToRecord(app.Table, 1);
    ShowTable(t, kHelpDbfTable, kTableEdit, "");
    CloseTable(app.Table);
}

// --- Documentation and help ---------------------------------------------------------------

std::string Today(const App& app) {
    return TodayText(*app.Env.clock, app.Config);
}

// A change to the documentation is a change to the project, saved with it.
void MarkDocuChanged(App& app, bool changed) {
    if (changed) app.State.ModifiedFlag = 1;
}

void ShowChanges(App& app) {
    WriteChangeLog(OutputContextOf(app), app.Docu, odScreen);
}

void PrintChanges(App& app) {
    WriteChangeLog(OutputContextOf(app), app.Docu, 0);
}

// The change commands show the log afterwards unless a dialog was cancelled.
void DocuNewChange(App& app) {
    MarkDocuChanged(app, NewChange(Dialogs(app), app.Docu, Today(app)));
    if (!app.State.AbortFlag) ShowChanges(app);
}

void DocuModifyChanges(App& app) {
    MarkDocuChanged(app, ModifyLastChange(Dialogs(app), app.Docu, Today(app)));
    if (!app.State.AbortFlag) ShowChanges(app);
}

void DocuDeleteChange(App& app) {
    // The entry is gone with it: asked first.
    if (app.Docu.ChangeCount > 0 &&
        !AskQuestion(Dialogs(app), kHelpNone, cp850("Letzte Änderung löschen ?"))) {
        app.State.AbortFlag = 1;
        return;
    }
    MarkDocuChanged(app, DeleteLastChange(app.Docu));
    ShowChanges(app);
}

void DocuDrawingInfo(App& app) {
    MarkDocuChanged(app,
                    EditDrawingInfo(Dialogs(app), app.Docu, app.Config.ReleaseField, Today(app)));
}

void DocumentSetup(App& app) {
    EditDocumentLinks(Dialogs(app), app.Docu, HelpText(app.Config, kHelpDocumentProgram),
                      HelpText(app.Config, kHelpDocumentFile));
}

template <int K> void StartDocument(App& app) {
    StartDocumentLink(Dialogs(app), app.Env.launcher, app.Docu, K);
}

void HelpPictures(App& app) {
    BrowseHelpPictures({app.Graphics, app.Config, Dialogs(app), app.Env.ports});
}

void HelpAbout(App& app) {
    DrawQuorvenLogo(app.Graphics, app.State.AbortFlag);
    ShowInfo(Dialogs(app), std::string(kProgramTitle) + "\nVersion " + kVersion);
}

void HelpHistory(App& app) {
    ShowInfo(Dialogs(app), std::string(kProgramTitle) + "\nVersion " + kVersion +
                               cp850(": Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe."));
}

void OpenAddress(App& app, const char* address) {
    if (!app.Env.launcher || !app.Env.launcher->Open(address))
        ShowError(Dialogs(app), std::string(address) + cp850(" konnte nicht geöffnet werden."));
}
void HelpWww(App& app) {
    OpenAddress(app, kHomepage);
}
void HelpEmail(App& app) {
    OpenAddress(app, kSupportMail);
}

template <int L> void Language(App& app) {
    SetLanguage(app, L);
}
template <int K> void Recent(App& app) {
    OpenRecent(app, K);
}

const std::map<std::string, Command>& Table() {
    static const std::map<std::string, Command> table = {
        {"mi_fileNew", {FileNew, Modified::SetIfNotAborted}},
        {"mi_fileOpen", {FileOpen}},
        {"mi_fileOpenTable", {FileOpenTable}},
        {"mi_FileSave", {FileSave}},
        {"mi_FileSaveAs", {FileSaveAs}},
        {"mi_fileImportDXF", {FileImportDxf, Modified::SetIfNotAborted}},
        {"mi_fileExportDXF", {FileExportDxf}},
        {"mi_fileprint", {FilePrint}},
        {"mi_fileConfig", {FileConfig}},
        {"mi_file1", {Recent<1>}},
        {"mi_file2", {Recent<2>}},
        {"mi_file3", {Recent<3>}},
        {"mi_file4", {Recent<4>}},
        {"mi_fileexit", {FileExit}},
        {"mi_editText", {EditTextLines, Modified::SetIfNotAborted}},
        {"mi_editGeometrie", {EditGeometry, Modified::SetIfNotAborted}},
        {"mi_editKoerper", {EditBodyData, Modified::SetIfNotAborted}},
        {"mi_editBerechnung", {EditCalculation, Modified::SetIfNotAborted}},
        {"mi_editReset", {ResetContour, Modified::ClearIfNotAborted}},
        {"mi_editProfile", {EditProfile, Modified::SetIfNotAborted}},
        {"mi_editZeichnen", {EditZeichnen}},
        {"mi_viewStandard", {ViewStandard}},
        {"mi_viewAuszug", {ViewExcerpt}},
        {"mi_viewExtended", {ViewExtended}},
        {"mi_viewStresses", {ViewStresses}},
        {"mi_viewSolverOverlay", {ViewSolverOverlay}},
        {"mi_viewGrafik", {Draw<cdScreen, dkGeometryTable>}},
        {"mi_viewTabelle", {Draw<cdScreen, dkTable>}},
        {"mi_viewpolyline", {Draw<cdScreen, dkPolyline>}},
        {"mi_viewzeichnung", {Draw<cdScreen, dkForm>}},
        {"mi_cadGrafik", {Draw<cdChoose, dkGeometryTable>}},
        {"mi_cadPolylinie", {Draw<cdChoose, dkPolyline>}},
        {"mi_cadTabelle", {Draw<cdChoose, dkTable>}},
        {"mi_cadzeichnung", {Draw<cdChoose, dkForm>}},
        {"mi_cadoptions", {CadOptions}},
        {"mi_viewErrorMessages", {ShowMessages}},
        {"mi_helpErrorMessages", {ShowMessages}},
        {"mi_dbfProfile", {DbfTables}},
        {"mi_OleStartExcel", {OleStartExcel}},
        {"mi_OleExportExcel", {OleExportExcel}},
        {"mi_OleImportExcel", {OleImportExcel, Modified::SetIfNotAborted}},
        {"mi_OlePrintoutExcel", {OlePrintoutExcel}},
        {"mi_docdrawinginfo", {DocuDrawingInfo}},
        {"mi_docuShowChanges1", {ShowChanges}},
        {"mi_docuPrintChanges", {PrintChanges}},
        {"mi_docuNewChange", {DocuNewChange}},
        {"mi_docuModifyChanges", {DocuModifyChanges}},
        {"mi_docudeleteChange", {DocuDeleteChange}},
        {"mi_Document1", {StartDocument<1>}},
        {"mi_Document2", {StartDocument<2>}},
        {"mi_Document3", {StartDocument<3>}},
        {"mi_Document4", {StartDocument<4>}},
        {"mi_Document5", {StartDocument<5>}},
        {"mi_DocumentSetup", {DocumentSetup, Modified::SetIfNotAborted}},
        {"mi_HelpHilfebild", {HelpPictures}},
        {"mi_HelpAbout", {HelpAbout}},
        {"mi_helphistory", {HelpHistory}},
        {"mi_helpwww", {HelpWww}},
        {"mi_helpemail", {HelpEmail}},
        {"mi_helpDemo", {NoDemonstration}},
        {"mi_helplanguageDeutsch", {Language<1>}},
        {"mi_helplanguageEnglish", {Language<2>}},
        {"mi_helplanguageFrancais", {Language<3>}},
        {"mi_helplanguageRoman", {Language<7>}},
        {"mi_helplanguageKorea", {Language<8>}},
    };
    return table;
}

void UpdateMessageItem(App& app) {
    SetErrorMessagesItem(app.Menu.Bar, app.Menu.Captions, ShownMessageCount(app));
}

// The project's picture after a command that drew something else: the section view that was
// on show (else the one the settings ask for), the logo while there is no contour, nothing
// while the calculation failed.
void ShowProjectPicture(App& app, uint16_t view) {
    const uint8_t aborted = app.State.AbortFlag;
    app.State.AbortFlag = 0;
    const uint16_t kind = view != 0 ? view : ResultViewKind(app);
    if (app.Project.PosCount() == 0)
        DrawQuorvenLogo(app.Graphics, app.State.AbortFlag);
    else if (app.Project.CalcError || kind == 0)
        Clear(app.Graphics);
    else
        DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen,
                    static_cast<DrawingKind>(kind));
    app.State.AbortFlag = aborted;
}

// Whether the command left a picture that is not the project's: a help picture no later
// drawing replaced, the picture browser, the logo of the about box, the settings' new
// reference size (the list was drawn for the old one), a reset contour.
bool LeftAnotherPicture(const App& app, const std::string& item) {
    if (app.State.PictureReplaced && app.Graphics.SectionView == 0) return true;
    if (item == "mi_HelpHilfebild" || item == "mi_HelpAbout") return true;
    return !app.State.AbortFlag && (item == "mi_fileConfig" || item == "mi_editReset");
}

} // namespace

bool RunCommand(App& app, const std::string& item) {
    const auto& table = Table();
    auto it = table.find(item);
    if (it == table.end()) return false;
    app.State.AbortFlag = 0;
    app.State.PictureReplaced = false;
    const uint16_t view = app.Graphics.SectionView;
    it->second.run(app);
    if (LeftAnotherPicture(app, item)) ShowProjectPicture(app, view);
    switch (it->second.rule) {
    case Modified::SetIfNotAborted:
        if (!app.State.AbortFlag) app.State.ModifiedFlag = 1;
        break;
    case Modified::ClearIfNotAborted:
        if (!app.State.AbortFlag) app.State.ModifiedFlag = 0;
        break;
    case Modified::Keep:
        break;
    }
    // A status line tells what the command is doing; it ends with the command.
    if (app.Env.ui) app.Env.ui->StatusMessage("");
    UpdateMessageItem(app);
    return true;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const auto& [name, command] : Table())
        names.push_back(name);
    return names;
}

unsigned ProjectTableThreads() {
    const char* forced = std::getenv("VAK1_THREADS");
    return forced ? static_cast<unsigned>(std::max(0, std::atoi(forced))) : 0;
}

std::string ProjectPath(const App& app) {
    return app.State.ProjectPath();
}

bool SaveChangesQuestion(App& app) {
    AppState& st = app.State;
    if (st.CommandLineFile && app.Config.ArchiveMode) {
        const bool dropped = st.ModifiedFlag != 0;
        st.ModifiedFlag = 0;
        return dropped;
    }
    if (!st.ModifiedFlag) return false;
    if (!st.ProjectName.empty()) {
        const bool yes =
            AskQuestion(Dialogs(app), kHelpNone, "Datei speichern (" + ProjectPath(app) + ") ?");
        if (st.AbortFlag) return false;
        if (!yes) {
            st.ModifiedFlag = 0;
            return true;
        }
        st.OverwriteQuestion = false;
        WriteProject(ProjectFileOf(app), SaveTarget(app));
        st.OverwriteQuestion = true;
        if (!st.AbortFlag) st.ModifiedFlag = 0;
        return false;
    }
    const bool discard = AskQuestion(Dialogs(app), kHelpNone, "Bisherige Eingaben verwerfen ?");
    if (discard)
        st.ModifiedFlag = 0;
    else
        st.AbortFlag = 1;
    return discard;
}

void ConnectHelpPictures(App& app) {
    app.State.HelpPicture = [](App& a, const std::string& pltFile) {
        a.State.PictureReplaced = true;
        ShowHelpPicture(a.Graphics, a.Graphics.Hpgl, Dialogs(a), pltFile);
    };
}

void ShowStartPicture(App& app) {
    if (app.Project.PosCount() > 0)
        RefreshViews(app);
    else
        DrawQuorvenLogo(app.Graphics, app.State.AbortFlag);
}

void EnterRecentFile(App& app, const std::string& path) {
    auto& r = app.State.RecentFiles;
    const std::string key = UpperAscii(path);
    auto end = std::remove_if(r.begin(), r.end(), [&](const std::string& e) {
        return !e.empty() && UpperAscii(e) == key;
    });
    std::fill(end, r.end(), std::string());
    for (int i = 3; i > 0; --i)
        r[i] = r[i - 1];
    r[0] = path;
}

void SetCaption(App& app) {
    app.State.Caption = WindowCaption(app.State);
    RefreshMenu(app);
}

void RefreshViews(App& app) {
    UpdateMessageItem(app);
    const uint8_t aborted = app.State.AbortFlag;
    ShowRecalculated(app, ResultViewKind(app));
    app.State.AbortFlag = aborted;
}

void OpenProjectFile(App& app, const std::string& path) {
    ReadProject(app.Project, app.Docu, Dialogs(app), path);
    if (!app.State.AbortFlag) {
        NameProjectAfter(ProjectLocationOf(app), path);
        app.State.ModifiedFlag = 0;
        EnterRecentFile(app, path);
    }
    SetCaption(app);
    if (app.State.AbortFlag) return;
    CalcSection(app.Project, app.Messages, app.Config);
    RefreshViews(app);
}

bool QueryClose(App& app) {
    app.State.AbortFlag = 0;
    SaveChangesQuestion(app);
    return !app.State.AbortFlag;
}

void ShutDown(App& app) {
    std::error_code ec;
    const std::string temp = FolderPath(app.Config.TempDir);
    if (!temp.empty())
        for (const auto& entry : fs::directory_iterator(temp, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.size() >= 5 && name[0] == '$' && name.ends_with(".dx$"))
                fs::remove(entry.path(), ec);
        }
    app.State.AbortFlag = 0;
    SaveRecentFiles(app.Config, app.State.StartDir, app.State.ProjectDir, app.State.RecentFiles,
                    Dialogs(app));
    app.State.AbortFlag = 0;
    SaveSettings(app.Config, app.State.StartDir, Dialogs(app));
}

} // namespace vak1
