// vak1: unattended jobs run headless, without loading the desktop libraries; any other start
// loads the desktop module (beside the program in the build tree, in lib/vak1/ of an
// installation) and opens the main window.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/startup.h"
#include "platform/Clock.h"
#include "platform/ProcessLauncher.h"
#include "app/startapproval.h"
#include "settings/settingsfile.h"
#include "platform/headless/ConsoleUi.h"
#include "platform/headless/FilePortWriter.h"
#include "text/installation.h"
#include "text/textfile.h"

using namespace vak1;

namespace {

// Whether the desktop toolkit finds something to show its window on: an X or Wayland
// display, or a platform of its own that needs none (offscreen, vnc, linuxfb, ...).
bool HasDisplay() {
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform) return set("DISPLAY") || set("WAYLAND_DISPLAY");
    // A list of platforms, each perhaps with options: the first usable one is taken.
    std::string list(platform);
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        const std::string name = list.substr(start, end - start);
        if (name.starts_with("xcb")) {
            if (set("DISPLAY")) return true;
        } else if (name.starts_with("wayland")) {
            if (set("WAYLAND_DISPLAY")) return true;
        } else if (!name.empty()) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

int RunDesktopModule(App& app, int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "no display: use /I or /CADi:j, see /?\n");
        return 1;
    }
    const std::string module = DesktopModuleOf(ProgramFolder(), VAK1_DESKTOP_MODULE);
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = int (*)(App*, int, char**);
    Entry entry = handle ? reinterpret_cast<Entry>(::dlsym(handle, "vak1_run_desktop")) : nullptr;
    if (!entry) {
        const char* why = ::dlerror();
        std::fprintf(stderr, "%s: the desktop program cannot be started (%s); use /I or /CADi:j\n",
                     kProgramName, why ? why : module.c_str());
        return 1;
    }
    return entry(&app, argc, argv); // the module stays loaded until the program ends
}

} // namespace

int main(int argc, char** argv) {
    App app;
    SystemClock clock;
    ProcessLauncher launcher;
    ConsoleUi console;
    FilePortWriter ports;
    app.Env.ports = &ports;
    app.Env.clock = &clock;
    app.Env.launcher = &launcher;
    app.Env.ui = &console;
    // Programs named by a project or by another's settings file start only once the user agreed.
    AskingApproval approval(app, FallbackSettingsFolder());
    launcher.SetApproval(&approval);
    for (int i = 1; i < argc; ++i)
        app.State.CommandLine.emplace_back(argv[i]);

    RemoveTemporaryFilesOnAbnormalEnd();
    if (IsUnattended(app.State.CommandLine)) return StartUp(app).code;
    return RunDesktopModule(app, argc, argv);
}
