// The coordinate dialog of one position, with its spin and unit buttons.
#include <array>
#include <numbers>
#include <string>

#include "app/App.h"
#include "calc/angles.h"
#include "input/contour.h"
#include "dialogs/dialogs.h"
#include "text/parse.h"
#include "platform/Ui.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// A coordinate not entered yet starts from the position before it.
void Prefill(ProjectData& p, uint16_t k) {
    TPosition& pos = p.Positions[k];
    if (pos.y == UnsetCoordinate) pos.y = p.Positions[k - 1].y;
    if (pos.z == UnsetCoordinate) pos.z = p.Positions[k - 1].z;
}

DialogButton Button(const App& app, DialogAction action, const char* caption) {
    return DialogButton{action, DisplayText(app.Config, cp850(caption))};
}

CoordinateDialogData CoordinateData(const App& app, uint16_t k) {
    const Settings& s = app.Config;
    const TPosition& pos = app.Project.Positions[k];
    const std::string n = std::to_string(k);
    CoordinateDialogData d;
    d.caption = "Koordinaten " + n;
    d.labels = {"Y " + n, "Z " + n, "Kreisbogenwinkel " + n + "-" + std::to_string(k + 1)};
    const std::string length = DisplayText(app.Config, UnitLength(s));
    d.units = {length, length, DisplayText(app.Config, UnitAngle(s))};
    d.fields = {FormatCoordinate(s, pos.y), FormatCoordinate(s, pos.z),
                FormatSignificant(s, pos.phi * kDegPerRad)};
    d.buttons = {Button(app, DialogAction::Ok, "OK"),
                 Button(app, DialogAction::Cancel, "Abbrechen"),
                 Button(app, DialogAction::SpinDown, "<"),
                 Button(app, DialogAction::SpinUp, ">"),
                 Button(app, DialogAction::SwitchUnit, "mm <--> inch"),
                 Button(app, DialogAction::HelpText, "&Hilfetext"),
                 Button(app, DialogAction::StorePicture, "Hilfe&bild")};
    return d;
}

// Takes the fields into position k. A field left as it was offered keeps the exact stored
// value: its text is only a rounded display, and storing that would move the position a
// little every time the dialog is confirmed, spun through or switched between units.
void Store(App& app, uint16_t k, const std::array<std::string, 3>& offered,
           const std::array<std::string, 3>& fields) {
    TPosition& pos = app.Project.Positions[k];
    const long double lengthFactor = app.Config.EnglishUnits == 1 ? kInchToMm : 1;
    const std::array<long double*, 3> targets{&pos.y, &pos.z, &pos.phi};
    const std::array<long double, 3> factors{lengthFactor, lengthFactor, kRadPerDeg};
    for (std::size_t i = 0; i < 3; ++i) {
        if (fields[i] == offered[i]) continue;
        *targets[i] = ParseNumber(fields[i]).value * factors[i];
        app.State.ModifiedFlag = 1;
    }
}

} // namespace

void EditPosition(App& app, uint16_t k) {
    ProjectData& p = app.Project;
    if (k < 1 || k > p.PosCount) return;
    for (;;) {
        Prefill(p, k);
        CoordinateDialogData d = CoordinateData(app, k);
        const std::array<std::string, 3> offered = d.fields;
        const DialogAction action = DialogUi(Dialogs(app), kHelpCoordinates).CoordinateDialog(d);
        switch (action) {
        case DialogAction::Cancel:
            app.State.AbortFlag = 1;
            return;
        case DialogAction::Ok:
            Store(app, k, offered, d.fields);
            app.State.AbortFlag = 0;
            return;
        case DialogAction::SpinDown:
            Store(app, k, offered, d.fields);
            if (k > 1) --k;
            break;
        case DialogAction::SpinUp:
            Store(app, k, offered, d.fields);
            if (k < p.PosCount) ++k;
            break;
        case DialogAction::SwitchUnit:
            Store(app, k, offered, d.fields);
            app.Config.EnglishUnits = app.Config.EnglishUnits == 1 ? 0 : 1;
            break;
        case DialogAction::StorePicture:
            Store(app, k, offered, d.fields);
            DialogUi(Dialogs(app), kHelpCoordinates).Help(true);
            break;
        default:
            break;
        }
    }
}

} // namespace vak1
