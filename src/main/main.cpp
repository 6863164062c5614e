// vak1: unattended jobs run headless; everything else opens the desktop program.
#include <cstdio>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/startup.h"
#include "platform/Clock.h"
#include "platform/ProcessLauncher.h"
#include "platform/headless/ConsoleUi.h"

#ifdef VAK1_HAVE_GUI
#include "gui/RunGui.h"
#endif

using namespace vak1;

int main(int argc, char** argv) {
    App app;
    SystemClock clock;
    ProcessLauncher launcher;
    ConsoleUi console;
    app.Env.clock = &clock;
    app.Env.launcher = &launcher;
    app.Env.ui = &console;
    for (int i = 1; i < argc; ++i) app.State.CommandLine.emplace_back(argv[i]);

    if (IsUnattended(app.State.CommandLine)) return StartUp(app).code;
#ifdef VAK1_HAVE_GUI
    return RunGui(app, argc, argv);
#else
    std::fprintf(stderr, "%s: built without the desktop front end; use /I or /CADi:j\n",
                 kProgramName);
    return 1;
#endif
}
