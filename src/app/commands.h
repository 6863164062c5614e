// The command flow of the main window: every menu command runs under one protocol (clear
// AbortFlag, act, set or clear ModifiedFlag), plus the questions and lists around the
// project: save changes, recent files, the window caption, refreshing the views.
#pragma once
#include <functional>
#include <map>
#include <string>

namespace vak1 {

struct App;

// Runs the menu command of the item name under the command protocol. Unknown names and
// commands of parts not built yet say so in an information box. False when there is no
// handler for the name.
bool RunCommand(App& app, const std::string& item);
// Item names that have a handler.
std::vector<std::string> CommandNames();

// Threads that read the project table: the environment variable VAK1_THREADS when set,
// else 0 (one per core).
unsigned ProjectTableThreads();
// Before New, Open, Import DXF, a recent file and shut-down. Cancel sets AbortFlag. True
// when the project's changes were dropped unsaved.
bool SaveChangesQuestion(App& app);
// Full path of the current project: the name itself while it came from the command line.
std::string ProjectPath(const App& app);
// Puts path first in the recent files, without duplicates (compared in capitals).
void EnterRecentFile(App& app, const std::string& path);
// Caption, recent-file items and the error-message item of the menu.
void SetCaption(App& app);
// After New and after reading: the message item's count and the result view of the settings.
void RefreshViews(App& app);
// Reads a project by path as Open does after its dialog.
void OpenProjectFile(App& app, const std::string& path);
// Asked to close the main window: the save-changes question; true when it may close.
bool QueryClose(App& app);
// Help entries with a picture draw it in the graphics window (the desktop program's hook).
void ConnectHelpPictures(App& app);
// The window at start: the project read at start, or else the logo.
void ShowStartPicture(App& app);
// After the window closed: temporary block files deleted, recent files and settings written.
void ShutDown(App& app);

} // namespace vak1
