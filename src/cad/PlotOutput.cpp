// Plot device and the start of the plotting program.
#include "cad/PlotOutput.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "app/App.h"
#include "input/dialogs.h"
#include "platform/Launcher.h"
#include "platform/Ui.h"

namespace vak1 {

bool PlotOutput::Open() {
    if (app_.Env.ui) app_.Env.ui->StatusMessage(app_.Cad.FileName + " wird geplottet..");
    return DxfOutput::Open();
}

bool PlotOutput::Close() {
    if (!DxfOutput::Close()) return false;
    StartPlot(app_);
    return true;
}

void StartPlot(App& app) {
    const Settings& s = app.Config;
    const std::size_t count =
        std::clamp<std::size_t>(s.PlotCommandCount, 1, s.PlotCommandLines.size());
    const std::size_t line = std::clamp<std::size_t>(app.Cad.PlotLine, 1, count);
    // The stored line is the program followed by its switches, separated by blanks.
    std::vector<std::string> words;
    std::istringstream in(s.PlotCommandLines[line - 1]);
    for (std::string w; in >> w;) words.push_back(w);
    Launcher* launcher = app.Env.launcher;
    std::string failure;
    if (words.empty() || !launcher || !launcher->Exists(words[0]))
        failure = "file not found";
    else if (!launcher->Start(words[0], std::vector<std::string>(words.begin() + 1, words.end())))
        failure = "Exec error (" + words[0] + ")";
    if (!failure.empty() && app.Env.ui) ShowError(app, failure);
}

} // namespace vak1
