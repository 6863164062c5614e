// The CAD layer's view of the program, built from App where a drawing command starts.
#pragma once
#include "app/App.h"
#include "app/outputcontext.h"
#include "cad/CadContext.h"
#include "help/helperr.h"

namespace vak1 {

inline CadContext CadContextOf(App& app) {
    return {app.Cad,
            app.Config,
            app.Messages,
            app.Env.ui,
            app.State.AbortFlag,
            app.State.MessageDisplay,
            app.State.OverwriteQuestion,
            app.Env.clock,
            app.Env.launcher,
            app.Graphics,
            app.Diagram,
            app.Hatch,
            app.State.ProjectName,
            app.State.CommandLine,
            [&app] { return app.State.ProjectPath(); },
            [&app] { ShowMessageList(HelpContextOf(app), app.Messages); },
            &app.Config.PlotCommandLines,
            &app.State.DrawSolverOverlay};
}

} // namespace vak1
