// The section window's command.
#include "app/profilecommand.h"

#include "app/App.h"
#include "app/commands.h"
#include "app/startup.h"
#include "project/calculation.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "profiles/profiledialog.h"
#include "text/cp850.h"

namespace vak1 {

std::vector<std::string> ProfileTableFolders(const App& app) {
    return {app.Config.DbfDir, InstalledDataFolder()};
}

void EditProfile(App& app) {
    // Changes dropped at the question are still the project's while the window may be
    // cancelled: "Abbrechen" keeps them marked.
    const uint8_t modified = app.State.ModifiedFlag;
    const bool dropped = SaveChangesQuestion(app);
    if (app.State.AbortFlag) return;
    // Without the table the parametric shapes are still there; the user learns why the
    // series are missing.
    std::vector<ProfileRow> rows;
    std::string error;
    const std::string table = FindProfileTable(ProfileTableFolders(app));
    if (table.empty())
        ShowInfo(Dialogs(app), cp850("Tabelle ") + kProfileTableName + cp850(" nicht gefunden."));
    else if (!ReadProfileTable(table, rows, error))
        ShowInfo(Dialogs(app), error);
    ProfileDialogData data = MakeProfileDialog(rows);
    std::vector<TPosition> contour;
    std::string designation;
    for (;;) {
        if (!DialogUi(Dialogs(app), kHelpNone).ProfileDialog(data)) {
            if (dropped) app.State.ModifiedFlag = modified;
            app.State.AbortFlag = 1;
            return;
        }
        if (ProfileChoiceContour(data, rows, contour, designation, error)) break;
        ShowError(Dialogs(app), error);
    }
    SetProjectContour(app.Project, contour, designation);
    app.State.Unname();
    CalcSection(app.Project, app.Messages, app.Config);
    RefreshViews(app);
    SetCaption(app);
}

} // namespace vak1
