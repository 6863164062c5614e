// Start-up of the program: settings, recent files, the command line with its unattended
// jobs, the template project, the first calculation and the menu language.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "text/installation.h"

namespace vak1 {

struct App;

struct StartResult {
    bool exit = false; // the command line asked for a job or the usage screen: end now
    int code = 0;      // exit code when exit is set
};

// Runs the start-up in its order. The parameters after the program name are taken from
// app.State.CommandLine; out receives the usage screen and job reports.
StartResult StartUp(App& app, std::FILE* out = stdout, std::FILE* err = stderr);

// The lines of the usage screen.
std::vector<std::string> UsageLines();

// True when a parameter asks for an unattended job ("/I", "/X", "/CADi:j") or the usage screen,
// so that no window is needed.
bool IsUnattended(const std::vector<std::string>& args);

} // namespace vak1
