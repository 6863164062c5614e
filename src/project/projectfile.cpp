// Writing the project file: target resolution, archive mode, overwrite question, then every
// line into a temporary file that replaces the old one only when complete.
#include "project/projectfile.h"

#include <filesystem>

#include "docu/Documentation.h"
#include "docu/docusections.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "model/ProjectData.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/filenumbers.h"
#include "text/linecursor.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

// Archive mode lets a command-line run write nothing but "aktuell".
bool ArchiveAllows(const ProjectFileContext& c, const std::string& name) {
    if (!c.commandLineFile) return true;
    if (!c.config.ArchiveMode) {
        c.commandLineFile = false;
        return true;
    }
    if (name == "aktuell") return true;
    ShowError(c.dialogs,
              cp850("File- und User- Befehle sind im Archivierungsmodus nicht möglich."));
    c.dialogs.AbortFlag = 1;
    return false;
}

bool ResolveTarget(const ProjectFileContext& c, const std::string& name, std::string& path) {
    const ProjectLocation& at = c.location;
    if (!ArchiveAllows(c, name)) return false;
    if (name.empty()) {
        std::string chosen;
        if (!DialogUi(c.dialogs, kHelpNone)
                 .SaveFileDialog(kProjectFilter, at.dir, at.name, chosen)) {
            c.dialogs.AbortFlag = 1;
            return false;
        }
        NameProjectAfter(at, chosen);
        path = at.dir + at.name + "." + kExtension;
        at.file = path;
    } else if (name.find('.') != std::string::npos) {
        path = name;
    } else {
        path = FolderPath(at.dir) + name + "." + kExtension;
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
    out.WriteLine(std::to_string(p.PosCount()));
    out.WriteLine(std::string(22, '-'));
    for (int k = 1; k <= p.PosCount() && k <= kMaxPositions; ++k) {
        const TPosition& pos = p.Positions[static_cast<std::size_t>(k - 1)];
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

void WriteProject(const ProjectFileContext& c, const std::string& name) {
    std::string path;
    if (!ResolveTarget(c, name, path)) return;
    CheckTargetFile(c.dialogs, path);
    if (c.dialogs.AbortFlag) return;

    TextFileWriter out;
    if (out.Open(path)) {
        const ProjectData& p = c.project;
        WriteHeader(out, p);
        WriteContour(out, p, c.config);
        WriteBodyAndTexts(out, p, c.config);
        WriteChangesSection(out, c.docu, c.config);
        WriteDocumentsSection(out, c.docu);
        out.WriteLine(p.DrawHatching ? "1" : "0");
        out.WriteLine(p.DrawPrincipalAxes ? "1" : "0");
        out.Commit();
    }
    ReportWriteError(c.dialogs, out);
}

void NameProjectAfter(const ProjectLocation& where, const std::string& path) {
    const std::filesystem::path p(path);
    where.name = p.stem().string();
    where.dir = p.has_parent_path() ? FolderPath(p.parent_path().string()) : "";
    where.file = path;
}

} // namespace vak1
