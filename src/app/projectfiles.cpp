// Writing and reading the project file with the user: the file's own lines come from
// project/, the choices and messages are made here.
#include "app/projectfiles.h"

#include <cerrno>

#include "platform/Ui.h"
#include "settings/Settings.h"
#include "text/cp850.h"
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

} // namespace

void WriteProject(const ProjectFileContext& c, const std::string& name) {
    std::string path;
    if (!ResolveTarget(c, name, path)) return;
    CheckTargetFile(c.dialogs, path);
    if (c.dialogs.AbortFlag) return;

    TextFileWriter out;
    if (out.Open(path)) {
        WriteProjectLines(out, c.project, c.docu, c.config);
        out.Commit();
    }
    ReportWriteError(c.dialogs, out);
}

void ReadProject(ProjectData& project, Documentation& docu, const DialogContext& d,
                 const std::string& path) {
    CheckSourceFile(d, path);
    if (d.AbortFlag) return;
    const ProjectReadResult r = ReadProjectFile(project, docu, path);
    if (r.ok) return;
    if (r.error == EFBIG)
        ShowError(d, "Datei " + path + cp850(" ist größer als 1 MB: keine Projektdatei"));
    else if (r.error != 0)
        ShowError(d, "Lesefehler (" + path + ", errno " + std::to_string(r.error) + ")");
    else
        ShowError(d, "Fehler in Projektdatei " + path + ", Zeile " + std::to_string(r.line) + ": " +
                         r.reason + " !");
    d.AbortFlag = 1;
}

} // namespace vak1
