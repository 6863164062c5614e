// The reset of the contour, the body data, the arc division and the drawing's text lines.
#include <array>
#include <utility>
#include <vector>

#include "app/App.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "text/cp850.h"

namespace vak1 {

void ResetContour(App& app) {
    // The contour is emptied; its coordinates stay as the start of positions entered again
    // unless the answer is yes.
    std::vector<TPosition> before = app.Project.Positions;
    app.Project.KeepEarlier();
    app.Project.Positions.clear();
    const bool yes = AskQuestion(Dialogs(app), kHelpReset, "Koordinaten auf 0 setzen ?");
    if (app.State.AbortFlag) {
        app.Project.Positions = std::move(before); // a cancelled command changes nothing
        return;
    }
    if (yes) app.Project.ResetContour();
}

void EditArcDivision(App& app) {
    InputValue(Dialogs(app), kHelpArcDivision,
               cp850("Polygon-Teilung für Kreisbogenberechnung [Grad]"), app.Project.ArcDivision,
               kArcDivisionMin, kArcDivisionMax);
    if (!app.State.AbortFlag) Recalculate(app);
}

void EditBody(App& app) {
    ProjectData& p = app.Project;
    const long double rhoBefore = p.rho;
    InputValue(Dialogs(app), kHelpDensity, "Dichte des Werkstoffs [kg/dm3]", p.rho, kRhoMin,
               kRhoMax);
    if (app.State.AbortFlag) return;
    InputLength(Dialogs(app), kHelpBodyLength, cp850("Länge des Körpers in x-Richtung"), p.lx,
                kLxMin, kLxMax);
    if (app.State.AbortFlag) {
        // The command counts as cancelled and is not marked as a change, so the density
        // must not stay changed behind the user's back either.
        p.rho = rhoBefore;
        return;
    }
    Recalculate(app);
}

void EditTextLines(App& app) {
    ProjectData& p = app.Project;
    const std::array<std::string*, 6> texts{&p.DrawingName,    &p.DrawingName2,
                                            &p.DrawingNumber,  &p.RemarkLines[0],
                                            &p.RemarkLines[1], &p.RemarkLines[2]};
    const std::array<std::size_t, 6> lengths{kDrawingNameLength,   kDrawingName2Length,
                                             kDrawingNumberLength, kRemarkLineLength,
                                             kRemarkLineLength,    kRemarkLineLength};
    const std::array<const char*, 6> labels{
        "Zeichnungsname", "Zeichnungsname 2", "Zeichnungsnummer", "Zeile 1", "Zeile 2", "Zeile 3"};
    TextLinesDialogData d;
    d.caption = "Text";
    for (std::size_t i = 0; i < texts.size(); ++i)
        d.fields.push_back({labels[i], lengths[i], FieldText(*texts[i])});
    d.buttons = {{DialogAction::Ok, "OK"},
                 {DialogAction::Cancel, "Abbrechen"},
                 {DialogAction::HelpText, "&Hilfetext"},
                 {DialogAction::HelpPicture, "Hilfe&bild"}};
    if (!DialogUi(Dialogs(app), kHelpTextLines).TextLinesDialog(d)) {
        app.State.AbortFlag = 1;
        return;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string text = FieldValue(d.fields[i].text);
        if (text.size() > lengths[i]) text.resize(lengths[i]);
        *texts[i] = text;
    }
}

} // namespace vak1
