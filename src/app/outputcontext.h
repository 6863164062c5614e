// The output document's and the help's view of the program, made from App where a command
// writes a report or shows help or messages.
#pragma once
#include "app/App.h"
#include "help/helperr.h"
#include "help/helptext.h"
#include "report/OutputDocument.h"

namespace vak1 {

inline HelpContext HelpContextOf(App& app) {
    HelpContext h{app.Config,
                  Dialogs(app),
                  NoGuiRequested(app.State.NoGui, app.State.CommandLine),
                  {},
                  app.State.ShowMessageList};
    if (app.State.HelpPicture)
        h.HelpPicture = [&app](const std::string& pltFile) { app.State.HelpPicture(app, pltFile); };
    return h;
}

inline OutputContext OutputContextOf(App& app) {
    return {app.Output,
            app.Config,
            Dialogs(app),
            app.Env,
            app.State.ProjectName,
            app.State.ProjectDir,
            app.State.ProjectPath(),
            app.State.CommandLineFile,
            app.Project.RemarkLines,
            [&app] { ShowMessageList(HelpContextOf(app), app.Messages); }};
}

} // namespace vak1
