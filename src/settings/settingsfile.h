// The settings file, the recent-files file and the check of the configured folders.
#pragma once
#include <cstdint>
#include <string>

namespace vak1 {

struct App;
struct Settings;

// Base name of both files and the filter of the import dialog.
inline constexpr const char* kSettingsBase = "vak1";
inline constexpr const char* kSettingsFilter = "*.cfg|*.cfg";
// Help number of the question for the folder of temporary files.
constexpr uint16_t kHelpTempFolder = 1610;

// Reads "vak1.cfg" from the settings folder (the start folder unless set), or else from the
// per-user folder, which then becomes the settings folder. No file: the screen-dependent
// sizes are set and AbortFlag. A broken file loads what it can, then one message names the
// file and line and AbortFlag is set.
void LoadSettings(App& app);
// Writes every setting; the old file stays unless every line was written.
void SaveSettings(App& app);
// Loads another settings file chosen with the open dialog; cancel sets AbortFlag.
void ImportSettings(App& app);
// Completes empty folder settings and reports folders that cannot be used.
void CheckFolders(App& app);
void LoadRecentFiles(App& app);
void SaveRecentFiles(App& app);

// The per-user folder tried when the start folder holds no settings file ($HOME/.quorven/);
// empty when there is no home folder.
std::string FallbackSettingsFolder();
// Settings folder + base name + "." + extension.
std::string SettingsFilePath(const Settings& s, const std::string& extension);

} // namespace vak1
