// Writing the project file: target resolution, archive mode, overwrite question, then every
// line into a temporary file that replaces the old one only when complete.
#include "project/projectfile.h"

#include <filesystem>

#include "app/App.h"
#include "docu/docusections.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/filenumbers.h"
#include "text/linecursor.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

void Abort(App& app) {
    app.State.AbortFlag = 1;
}

// Archive mode lets a command-line run write nothing but "aktuell".
bool ArchiveAllows(App& app, const std::string& name) {
    if (!app.State.CommandLineFile) return true;
    if (!app.Config.ArchiveMode) {
        app.State.CommandLineFile = false;
        return true;
    }
    if (name == "aktuell") return true;
    ShowError(Dialogs(app), cp850("File- und User- Befehle sind im Archivierungsmodus nicht möglich."));
    Abort(app);
    return false;
}

bool ResolveTarget(App& app, const std::string& name, std::string& path) {
    AppState& st = app.State;
    if (!ArchiveAllows(app, name)) return false;
    if (name.empty()) {
        std::string chosen;
        if (!DialogUi(Dialogs(app), kHelpNone).SaveFileDialog(kProjectFilter, st.ProjectDir, st.ProjectName, chosen)) {
            Abort(app);
            return false;
        }
        NameProjectAfter(app, chosen);
        path = st.ProjectDir + st.ProjectName + "." + kExtension;
        st.ProjectFile = path;
    } else if (name.find('.') != std::string::npos) {
        path = name;
    } else {
        path = FolderPath(st.ProjectDir) + name + "." + kExtension;
    }
    return true;
}

void WriteHeader(TextFileWriter& out, const ProjectData& p) {
    const std::string rule(65, '-');
    out.WriteLine(rule);
    out.WriteLine(kProgramTitle);
    out.WriteLine(std::string("Version ") + kVersion);
    out.WriteLine(rule);
    for (const auto& line : p.RemarkLines)
        out.WriteLine(SingleLine(line));
}

void WriteContour(TextFileWriter& out, const ProjectData& p, const Settings& s) {
    // Arc angles get all ten decimals whatever the display decimals say: fewer would turn
    // a 90 degree arc into 90.012 degrees at every save.
    Settings angle = s;
    angle.DecimalPlaces = 3;
    const std::string rule(15, '-');
    out.WriteLine(rule);
    out.WriteLine("1. KONTUR");
    out.WriteLine(rule);
    out.WriteLine("Anz. Konturelemente");
    out.WriteLine(std::to_string(p.PosCount));
    out.WriteLine(std::string(22, '-'));
    for (int k = 1; k <= p.PosCount && k <= kMaxPositions; ++k) {
        const TPosition& pos = p.Positions[k];
        out.WriteLine(std::to_string(k) + ". Punkt");
        out.WriteLine(FormatFileFixed(s, pos.y, 3));
        out.WriteLine(FormatFileFixed(s, pos.z, 3));
        out.WriteLine(FormatFileFixed(angle, pos.phi, 10));
        out.WriteLine("------");
    }
}

void WriteBodyAndTexts(TextFileWriter& out, const ProjectData& p, const Settings& s) {
    out.WriteLine(FormatBodyValue(s, p.rho));
    out.WriteLine(FormatBodyValue(s, p.lx));
    out.WriteLine(FormatBodyValue(s, p.ArcDivision));
    out.WriteLine(SingleLine(p.DrawingName));
    out.WriteLine(SingleLine(p.DrawingNumber));
    out.WriteLine(SingleLine(p.DrawingName2));
}

} // namespace

void WriteProject(App& app, const std::string& name) {
    std::string path;
    if (!ResolveTarget(app, name, path)) return;
    CheckTargetFile(Dialogs(app), path);
    if (app.State.AbortFlag) return;

    TextFileWriter out;
    if (out.Open(path)) {
        const ProjectData& p = app.Project;
        WriteHeader(out, p);
        WriteContour(out, p, app.Config);
        WriteBodyAndTexts(out, p, app.Config);
        WriteChangesSection(out, app.Docu, app.Config);
        WriteDocumentsSection(out, app.Docu);
        out.WriteLine(p.DrawHatching ? "1" : "0");
        out.WriteLine(p.DrawPrincipalAxes ? "1" : "0");
        out.Commit();
    }
    ReportWriteError(Dialogs(app), out);
}

void NameProjectAfter(App& app, const std::string& path) {
    const std::filesystem::path p(path);
    app.State.ProjectName = p.stem().string();
    app.State.ProjectDir = p.has_parent_path() ? FolderPath(p.parent_path().string()) : "";
    app.State.ProjectFile = path;
}

} // namespace vak1
