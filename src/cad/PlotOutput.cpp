// Plot device and the start of the plotting program.
#include "cad/PlotOutput.h"

#include <algorithm>

#include "app/App.h"
#include "dialogs/dialogs.h"
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
    const std::size_t count = std::clamp<std::size_t>(s.PlotCommandCount, 1, s.PlotCommandLines.size());
    const std::size_t line = std::clamp<std::size_t>(app.Cad.PlotLine, 1, count);
    const std::string& command = s.PlotCommandLines[line - 1];
    const int result = app.Env.launcher ? app.Env.launcher->StartProgram(command, true) : 2;
    if (result > 31 || !app.Env.ui) return;
    if (result == 0)
        ShowError(Dialogs(app), "out of memory !");
    else if (result == 2 || result == 3) {
        const std::vector<std::string> words = SplitCommandLine(command);
        ShowError(Dialogs(app), "file not found: " + (words.empty() ? command : words.front()));
    } else
        ShowError(Dialogs(app), "Exec error " + std::to_string(result));
}

} // namespace vak1
