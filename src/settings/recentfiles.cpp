// The list of the four most recently used project files, kept beside the settings file.
#include "dialogs/dialogs.h"
#include "settings/Settings.h"
#include "settings/settingsfile.h"
#include "text/linecursor.h"
#include "text/textfile.h"

namespace vak1 {

void LoadRecentFiles(Settings& s, const std::string& startDir, RecentFileList& recent) {
    if (s.SettingsFolder.empty()) s.SettingsFolder = startDir;
    std::vector<std::string> lines;
    const bool ok = ReadTextLines(SettingsFilePath(s, "cff"), lines);
    for (std::size_t i = 0; i < recent.size(); ++i)
        recent[i] = ok && i + 1 < lines.size() ? lines[i + 1] : std::string();
}

void SaveRecentFiles(Settings& s, const std::string& startDir, const std::string& projectDir,
                     const RecentFileList& recent, const DialogContext& d) {
    if (s.SettingsFolder.empty()) s.SettingsFolder = startDir;
    MakeSettingsFolder(s);
    TextFileWriter out;
    if (out.Open(SettingsFilePath(s, "cff"))) {
        out.WriteLine(std::string(kSettingsBase) + " Session " + projectDir);
        for (const auto& file : recent)
            out.WriteLine(SingleLine(file));
        out.Commit();
    }
    ReportWriteError(d, out);
}

} // namespace vak1
