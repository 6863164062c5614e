// The list of the four most recently used project files, kept beside the settings file.
#include "app/App.h"
#include "dialogs/dialogs.h"
#include "settings/settingsfile.h"
#include "text/linecursor.h"
#include "text/textfile.h"

namespace vak1 {

void LoadRecentFiles(App& app) {
    Settings& s = app.Config;
    if (s.SettingsFolder.empty()) s.SettingsFolder = app.State.StartDir;
    std::vector<std::string> lines;
    const bool ok = ReadTextLines(SettingsFilePath(s, "cff"), lines);
    for (std::size_t i = 0; i < app.State.RecentFiles.size(); ++i)
        app.State.RecentFiles[i] = ok && i + 1 < lines.size() ? lines[i + 1] : std::string();
}

void SaveRecentFiles(App& app) {
    Settings& s = app.Config;
    if (s.SettingsFolder.empty()) s.SettingsFolder = app.State.StartDir;
    TextFileWriter out;
    if (out.Open(SettingsFilePath(s, "cff"))) {
        out.WriteLine(std::string(kSettingsBase) + " Session " + app.State.ProjectDir);
        for (const auto& file : app.State.RecentFiles)
            out.WriteLine(SingleLine(file));
        out.Commit();
    }
    ReportWriteError(Dialogs(app), out);
}

} // namespace vak1
