// Plot device and the start of the plotting program.
#include "cad/PlotOutput.h"

#include <algorithm>

#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "settings/Settings.h"
#include "dialogs/dialogs.h"
#include "platform/Launcher.h"
#include "platform/Ui.h"

namespace vak1 {

bool PlotOutput::Open() {
    if (cx_.ui) cx_.ui->StatusMessage(cx_.Cad.FileName + " wird geplottet..");
    return DxfOutput::Open();
}

bool PlotOutput::Close() {
    if (!DxfOutput::Close()) return false;
    StartPlot(cx_);
    return true;
}

void StartPlot(const CadContext& cx) {
    const Settings& s = cx.Config;
    const std::size_t count =
        std::clamp<std::size_t>(s.PlotCommandCount, 1, s.PlotCommandLines.size());
    const std::size_t line = std::clamp<std::size_t>(cx.Cad.PlotLine, 1, count);
    const std::string& command = s.PlotCommandLines[line - 1];
    if (cx.launcher && !cx.launcher->MayStart(command, NamedBy::SettingsFile)) return;
    const int result = cx.launcher ? cx.launcher->StartProgram(command, true) : 2;
    if (result > 31 || !cx.ui) return;
    if (result == 0)
        ShowError(cx.Dialogs(), "out of memory !");
    else if (result == 2 || result == 3) {
        const std::vector<std::string> words = SplitCommandLine(command);
        ShowError(cx.Dialogs(), "file not found: " + (words.empty() ? command : words.front()));
    } else
        ShowError(cx.Dialogs(), "Exec error " + std::to_string(result));
}

} // namespace vak1
