// Entry of the desktop program: the Qt application, its Ui, the main window and the loop.
#pragma once
#include "gui/MainWindow.h"

namespace vak1 {

struct App;

// The reference size of the graphics window (settings, else the screen less its frame) and
// the view steps of the settings.
void SetUpGraphicsWindow(App& app, int screenWidth, int screenHeight);

// Runs the desktop program until its main window closes; returns the exit code. The Qt
// application is made here unless one exists already.
int RunGui(App& app, int argc, char** argv, GuiCommands commands = {});

} // namespace vak1
