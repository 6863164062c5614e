// The folder settings at start: empty ones are completed, unusable ones are reported.
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "settings/Settings.h"
#include "settings/settingsfile.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

bool Blank(const std::string& t) {
    return t.find_first_not_of(' ') == std::string::npos;
}

// A probe file can be created and removed again. The probe never replaces a file that is
// already there.
bool Writable(const std::string& folder) {
    const std::string dir = FolderPath(folder);
    std::string probe = dir + "x.$$$";
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0 && errno == EEXIST) {
        probe = dir + "x" + std::to_string(::getpid()) + ".$$$";
        fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    }
    if (fd < 0) return false;
    ::close(fd);
    return ::unlink(probe.c_str()) == 0;
}

bool Searchable(const std::string& folder) {
    std::string dir = FolderPath(folder);
    if (dir.empty()) dir = ".";
    DIR* d = ::opendir(dir.c_str());
    if (!d) return false;
    ::closedir(d);
    return true;
}

} // namespace

std::string TempFromEnvironment() {
    for (const char* name : {"TMPDIR", "TEMP"})
        if (const char* v = std::getenv(name); v && *v) return v;
    return {};
}

void CheckFolders(Settings& s, const std::string& start, const DialogContext& d) {
    if (Blank(s.TempDir)) s.TempDir = TempFromEnvironment();
    if (Blank(s.TempDir)) s.TempDir = start;
    for (std::string* dir : {&s.DbfDir, &s.PltDir, &s.EdiDir, &s.DataDir})
        if (Blank(*dir)) *dir = start;

    if (!Writable(s.CadDir)) ShowError(d, cp850("ungültiger CAD Ordner konfiguriert"));
    if (!Searchable(s.DbfDir)) ShowError(d, cp850("ungültiger DBF Ordner konfiguriert"));
    if (!Searchable(s.PltDir)) ShowError(d, cp850("ungültiger PLT Ordner konfiguriert"));
    if (!Writable(s.TempDir)) {
        ShowError(d, cp850("ungültiger Ordner für temporäre Dateien konfiguriert"));
        InputText(d, kHelpTempFolder, cp850("Ordner für temporäre Dateien"), 60, s.TempDir);
        if (d.AbortFlag) return;
    }
    if (!Writable(s.EdiDir)) ShowError(d, cp850("ungültiger EDI Ordner konfiguriert"));
    if (!Writable(s.DataDir)) ShowError(d, cp850("ungültiger Data Ordner konfiguriert"));
}

} // namespace vak1
