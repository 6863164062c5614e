// The desktop program as a loadable module: the unattended jobs start without Qt, and only a
// start with a window loads this library.
#include "gui/desktop.h"

#include "app/App.h"
#include "app/commands.h"
#include "app/startup.h"
#include "gui/QtPrinter.h"
#include "gui/RunGui.h"
#include "platform/headless/FilePortWriter.h"
#include "sheet/sheets.h"
#include "text/textfile.h"

namespace vak1 {

GuiCommands DesktopCommands(App& app, std::unique_ptr<QtPrinter>& printer) {
    GuiCommands commands;
    for (const auto& name : CommandNames())
        if (name != "mi_fileexit") // the window closes itself, through closeQuery
            commands.items[name] = [&app, name] { RunCommand(app, name); };
    commands.closeQuery = [&app] { return QueryClose(app); };
    // The printer needs the Qt application, which exists once the start-up runs.
    ConnectHelpPictures(app);
    commands.startUp = [&app, &printer](int& code) {
        printer = std::make_unique<QtPrinter>();
        app.Env.printer = printer.get();
        StartResult r = StartUp(app);
        code = r.code;
        return !r.exit;
    };
    // A project read at start is shown like one opened from the menu, else the logo.
    commands.started = [&app] { ShowStartPicture(app); };
    return commands;
}

int RunDesktop(App& app, int argc, char** argv) {
    std::unique_ptr<QtPrinter> printer;
    FilePortWriter ports;
    app.Env.ports = &ports;
    std::unique_ptr<Spreadsheet> sheet =
        MakeSpreadsheet(app.Env.launcher, [&app] { return FolderPath(app.Config.TempDir); });
    app.Env.spreadsheet = sheet.get();
    const int code = RunGui(app, argc, argv, DesktopCommands(app, printer));
    app.Env.printer = nullptr;
    app.Env.ports = nullptr;
    app.Env.spreadsheet = nullptr;
    ShutDown(app);
    return code;
}

} // namespace vak1

extern "C" int vak1_run_desktop(vak1::App* app, int argc, char** argv) {
    return vak1::RunDesktop(*app, argc, argv);
}
