// Entry of the desktop program: start-up, the main window with the program's commands,
// shut-down. Exported unmangled so the program entry can load it at run time.
#pragma once
#include <memory>

#include "gui/MainWindow.h"

namespace vak1 {

struct App;
class QtPrinter;

// The program's commands as the main window runs them: every menu item but "Beenden" (the
// window closes itself, through the close question), the save-changes question on closing,
// the start-up, which makes the printer into printer, and the first view of a project read
// at start.
GuiCommands DesktopCommands(App& app, std::unique_ptr<QtPrinter>& printer);

int RunDesktop(App& app, int argc, char** argv);

} // namespace vak1

extern "C" int vak1_run_desktop(vak1::App* app, int argc, char** argv);
