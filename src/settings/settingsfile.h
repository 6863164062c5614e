// The settings file, the recent-files file and the check of the configured folders.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vak1 {

struct DialogContext;
struct Settings;
struct ScreenMetrics;

// The four most recently used project files, the newest first; empty entries are unused.
using RecentFileList = std::array<std::string, 4>;

// Base name of both files and the filter of the import dialog.
inline constexpr const char* kSettingsBase = "vak1";
inline constexpr const char* kSettingsFilter = "*.cfg|*.cfg";
// Help number of the question for the folder of temporary files.
constexpr uint16_t kHelpTempFolder = 1610;

// Every function here takes the start folder of the program (ending with "/"): it stands in
// for an unset settings folder, which it then becomes, and for empty folder settings.

// Reads "vak1.cfg" from the settings folder, or else from the per-user folder, which then
// becomes the settings folder. No file: the sizes that depend on the screen of the dialogs'
// Ui are set and AbortFlag. A broken file loads what it can, then one message names the file
// and line and AbortFlag is set.
void LoadSettings(Settings& s, const std::string& startDir, const DialogContext& d);
// Writes every setting; the old file stays unless every line was written.
void SaveSettings(Settings& s, const std::string& startDir, const DialogContext& d);
// Loads another settings file chosen with the open dialog; cancel sets AbortFlag.
void ImportSettings(Settings& s, const std::string& startDir, const DialogContext& d);
// Completes empty folder settings and reports folders that cannot be used.
void CheckFolders(Settings& s, const std::string& startDir, const DialogContext& d);
// The list kept beside the settings file; a missing file leaves every entry empty.
void LoadRecentFiles(Settings& s, const std::string& startDir, RecentFileList& recent);
// Writes the list with the project folder in its first line.
void SaveRecentFiles(Settings& s, const std::string& startDir, const std::string& projectDir,
                     const RecentFileList& recent, const DialogContext& d);

// The per-user folder tried when the start folder holds no settings file ($HOME/.quorven/);
// empty when there is no home folder.
std::string FallbackSettingsFolder();
// The size of dialog windows in percent that suits the screen.
int ScreenInputWindowScale(const ScreenMetrics& m);
// The folder for temporary files the environment names ($TMPDIR, else $TEMP); empty if none.
std::string TempFromEnvironment();
// Settings folder + base name + "." + extension.
std::string SettingsFilePath(const Settings& s, const std::string& extension);
// Whether the settings files can be written into folder (never into the installation).
bool CanHoldSettings(const std::string& folder);
// Creates the settings folder before a write when it is the per-user folder.
void MakeSettingsFolder(const Settings& s);

} // namespace vak1
