// The coordinate dialog of one position, with its spin and unit buttons.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/App.h"
#include "model/angles.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "text/parse.h"
#include "platform/Ui.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

// A coordinate not entered yet starts from the position before it.
void Prefill(ProjectData& p, uint16_t k) {
    TPosition& pos = p.Positions[k - 1u];
    if (pos.y == UnsetCoordinate) pos.y = p.Before(k - 1u).y;
    if (pos.z == UnsetCoordinate) pos.z = p.Before(k - 1u).z;
}

DialogButton Button(const App& app, DialogAction action, const char* caption) {
    return DialogButton{action, DisplayText(app.Config, cp850(caption))};
}

CoordinateDialogData CoordinateData(const App& app, uint16_t k) {
    const Settings& s = app.Config;
    const TPosition& pos = app.Project.Positions[k - 1u];
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

// Takes the fields into position k, all of them or none. A field left as it was offered
// keeps the exact stored value: its text is only a rounded display, and storing that would
// move the position a little every time the dialog is confirmed, spun through or switched
// between units. A field that is not a number is refused with the message of the value
// dialogs. A typed coordinate beyond the bound (with the range message in the display
// unit) or an arc angle of a full turn or more is refused: false, the position as it was.
bool Store(App& app, uint16_t k, const std::array<std::string, 3>& offered,
           const std::array<std::string, 3>& fields) {
    const Settings& s = app.Config;
    const bool inch = s.EnglishUnits == Units::English;
    const long double lengthFactor = inch ? kInchToMm : 1;
    const long double bound = inch ? kCoordinateMax * kMmToInch : kCoordinateMax;
    // A field left empty counts as 0.
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool blank = fields[i].find_first_not_of(" \t") == std::string::npos;
        if (fields[i] != offered[i] && !blank && !ParseNumber(fields[i]).valid) {
            ShowInvalidEntry(Dialogs(app), FieldValue(fields[i]));
            return false;
        }
    }
    TPosition pos = app.Project.Positions[k - 1u];
    const std::array<long double*, 2> lengths{&pos.y, &pos.z};
    bool changed = false;
    for (std::size_t i = 0; i < 2; ++i) {
        if (fields[i] == offered[i]) continue;
        const long double v = ParseNumber(fields[i]).value;
        if (!(std::fabs(v) <= bound)) {
            ShowRangeError(Dialogs(app), FormatSignificant(s, -bound), FormatSignificant(s, bound));
            return false;
        }
        // Checked in the display unit; rounding back must not carry it past the bound.
        *lengths[i] = std::clamp(v * lengthFactor, -kCoordinateMax, kCoordinateMax);
        changed = true;
    }
    if (fields[2] != offered[2]) {
        const long double degrees = ParseNumber(fields[2]).value;
        const long double phi = degrees * kRadPerDeg;
        if (!(std::fabs(degrees) < 360 && std::fabs(phi) < kFullTurn)) {
            DialogUi(Dialogs(app), kHelpCoordinates).Beep();
            ShowError(Dialogs(app), cp850("Gültiger Wertebereich: -360 < phi < 360 !"));
            return false;
        }
        pos.phi = phi;
        changed = true;
    }
    app.Project.Positions[k - 1u] = pos;
    if (changed) app.State.ModifiedFlag = 1;
    return true;
}

} // namespace

bool StoreCoordinateField(App& app, uint16_t k, int field, const std::string& text) {
    if (k < 1 || k > app.Project.PosCount() || field < 0 || field > 2) return false;
    Prefill(app.Project, k);
    const std::array<std::string, 3> offered = CoordinateData(app, k).fields;
    std::array<std::string, 3> fields = offered;
    fields[static_cast<std::size_t>(field)] = text;
    return Store(app, k, offered, fields);
}

bool ReadCoordinateList(const Settings& s, const std::string& text,
                        std::vector<TPosition>& positions, std::string& error) {
    const bool inch = s.EnglishUnits == Units::English;
    const long double lengthFactor = inch ? kInchToMm : 1;
    const long double bound = inch ? kCoordinateMax * kMmToInch : kCoordinateMax;
    positions.clear();
    std::size_t start = 0;
    for (int line = 1; start <= text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> numbers;
        std::string number;
        for (std::size_t i = start; i <= end; ++i) {
            const char c = i < end ? text[i] : ' ';
            if (c == '\t' || c == ';' || c == ' ' || c == '\r') {
                if (!number.empty()) numbers.push_back(std::exchange(number, {}));
            } else {
                number += c;
            }
        }
        start = end + 1;
        if (numbers.empty()) continue;
        std::array<long double, 3> v{0, 0, 0};
        bool valid = numbers.size() == 2 || numbers.size() == 3;
        for (std::size_t i = 0; valid && i < numbers.size(); ++i) {
            const ParsedNumber n = ParseNumber(numbers[i]);
            valid = n.valid && (i == 2 ? std::fabs(n.value) < 360 : std::fabs(n.value) <= bound);
            v[i] = n.value;
        }
        if (!valid) {
            error = cp850("Zeile ") + std::to_string(line) +
                    cp850(": zwei oder drei Zahlen erwartet (y, z, phi), |y|, |z| <= ") +
                    FormatSignificant(s, bound) + ", |phi| < 360";
            return false;
        }
        positions.push_back({std::clamp(v[0] * lengthFactor, -kCoordinateMax, kCoordinateMax),
                             std::clamp(v[1] * lengthFactor, -kCoordinateMax, kCoordinateMax),
                             v[2] * kRadPerDeg});
    }
    return true;
}

void EditPosition(App& app, uint16_t k) {
    ProjectData& p = app.Project;
    if (k < 1 || k > p.PosCount()) return;
    std::optional<std::array<std::string, 3>> typed; // shown again after a refusal
    for (;;) {
        Prefill(p, k);
        CoordinateDialogData d = CoordinateData(app, k);
        const std::array<std::string, 3> offered = d.fields;
        if (typed) d.fields = *std::exchange(typed, std::nullopt);
        const DialogAction action = DialogUi(Dialogs(app), kHelpCoordinates).CoordinateDialog(d);
        if (action == DialogAction::Cancel) {
            app.State.AbortFlag = 1;
            return;
        }
        const bool stores = action == DialogAction::Ok || action == DialogAction::SpinDown ||
                            action == DialogAction::SpinUp || action == DialogAction::SwitchUnit ||
                            action == DialogAction::StorePicture;
        if (stores && !Store(app, k, offered, d.fields)) {
            typed = d.fields;
            continue;
        }
        switch (action) {
        case DialogAction::Ok:
            app.State.AbortFlag = 0;
            return;
        case DialogAction::SpinDown:
            if (k > 1) --k;
            break;
        case DialogAction::SpinUp:
            if (k < p.PosCount()) ++k;
            break;
        case DialogAction::SwitchUnit:
            app.Config.EnglishUnits =
                app.Config.EnglishUnits == Units::English ? Units::Metric : Units::English;
            break;
        case DialogAction::StorePicture:
            DialogUi(Dialogs(app), kHelpCoordinates).Help(true);
            break;
        default:
            break;
        }
    }
}

} // namespace vak1
