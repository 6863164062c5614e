// Entry of the desktop program: start-up, the main window with the program's commands,
// shut-down. Exported unmangled so the program entry can load it at run time.
#pragma once

namespace vak1 {

struct App;

int RunDesktop(App& app, int argc, char** argv);

} // namespace vak1

extern "C" int vak1_run_desktop(vak1::App* app, int argc, char** argv);
