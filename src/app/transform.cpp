// Rotating, shifting, scaling, mirroring and reversing the whole contour.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

#include "app/App.h"
#include "model/angles.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "text/formats.h"
#include "text/cp850.h"
#include "text/parse.h"
#include "platform/Ui.h"

namespace vak1 {
namespace {

constexpr long double kHuge = 1e38L;

PositionTable Columns(const ProjectData& p) {
    PositionTable table;
    for (const TPosition& q : p.Positions)
        table.rows.push_back({"", "", "", "", q.y, q.z, q.phi});
    return table;
}

struct ValueField {
    const char* label;
    long double ContourTransform::*value;
    long double min, max;
};

// The fields of a step read into t: false when one is not a number or out of its range
// (say is then told which, for its message).
bool ReadFields(const std::vector<ValueField>& fields, const std::vector<std::string>& offered,
                const std::vector<std::string>& typed, const ContourTransform& t,
                ContourTransform& into, const std::function<void(bool range, std::size_t i)>& say) {
    into = t;
    for (std::size_t i = 0; i < fields.size() && i < typed.size(); ++i) {
        if (typed[i] == offered[i]) continue;
        const ParsedNumber n = ParseNumber(typed[i]);
        if (!n.valid) {
            if (say) say(false, i);
            return false;
        }
        if (n.value < fields[i].min || n.value > fields[i].max) {
            if (say) say(true, i);
            return false;
        }
        into.*fields[i].value = n.value;
    }
    return true;
}

// One step of the transformation in its dialog with the preview; -1 when the front end
// has no such dialog, 0 when cancelled, 1 when taken into t.
int TransformStep(App& app, uint16_t help, const char* caption,
                  const std::vector<ValueField>& fields, const std::vector<std::string>& choices,
                  ContourTransform& t) {
    TransformDialogData d;
    d.caption = DisplayText(app.Config, cp850(caption));
    for (const ValueField& f : fields) {
        d.labels.push_back(DisplayText(app.Config, cp850(f.label)));
        d.fields.push_back(FormatSignificant(app.Config, t.*f.value));
    }
    for (const std::string& c : choices)
        d.choices.push_back(DisplayText(app.Config, c));
    d.choice = t.mirror;
    const std::vector<std::string> offered = d.fields;
    d.preview = [&](const TransformDialogData& now, PositionTable& before, PositionTable& after) {
        before = Columns(app.Project);
        after = {};
        ContourTransform into;
        if (!ReadFields(fields, offered, now.fields, t, into, {})) return;
        if (!choices.empty()) into.mirror = static_cast<uint16_t>(now.choice);
        auto moved = std::make_unique<ProjectData>(app.Project);
        ApplyTransform(*moved, into);
        after = Columns(*moved);
    };
    for (;;) {
        const int r = DialogUi(Dialogs(app), help).TransformDialog(d);
        if (r <= 0) return r;
        ContourTransform into;
        const auto say = [&](bool range, std::size_t i) {
            if (range)
                ShowRangeError(Dialogs(app), FormatSignificant(app.Config, fields[i].min),
                               FormatSignificant(app.Config, fields[i].max));
            else
                ShowInvalidEntry(Dialogs(app), FieldValue(d.fields[i]));
        };
        if (!ReadFields(fields, offered, d.fields, t, into, say)) continue;
        if (!choices.empty()) into.mirror = static_cast<uint16_t>(std::clamp(d.choice, 1, 3));
        t = into;
        return 1;
    }
}

// Rotation, shift, scale and mirror each in a dialog with the preview, then the direction.
// False when cancelled or when the front end has no such dialog (done is then false).
bool AskTransformWithPreview(App& app, ContourTransform& t, bool& offered) {
    offered = true;
    const std::vector<std::string> mirrors{cp850("Spiegeln um Achse z"),
                                           cp850("Spiegeln um Achse y"), cp850("nicht spiegeln")};
    const int first =
        TransformStep(app, kHelpRotation, "Drehen",
                      {{"Drehwinkel °", &ContourTransform::angleDeg, -360, 360}}, {}, t);
    if (first < 0) {
        offered = false;
        return false;
    }
    if (first == 0 ||
        TransformStep(app, kHelpShift, "Verschieben",
                      {{"Verschiebung y", &ContourTransform::dy, -kHuge, kHuge},
                       {"Verschiebung z", &ContourTransform::dz, -kHuge, kHuge}},
                      {}, t) <= 0 ||
        TransformStep(app, kHelpScale, "Maßstab",
                      {{"Maßstab y", &ContourTransform::sy, -kHuge, kHuge},
                       {"Maßstab z", &ContourTransform::sz, -kHuge, kHuge}},
                      {}, t) <= 0 ||
        TransformStep(app, kHelpMirror, "Spiegeln", {}, mirrors, t) <= 0) {
        app.State.AbortFlag = 1;
        return false;
    }
    InputYesNo(Dialogs(app), kHelpReverse, "Richtungssinn umkehren", t.reverse);
    return !app.State.AbortFlag;
}

// The seven inputs in their order; false when one was cancelled.
bool AskTransform(App& app, ContourTransform& t) {
    bool offered = false;
    const bool asked = AskTransformWithPreview(app, t, offered);
    if (offered) return asked;
    struct ValueInput {
        uint16_t help;
        const char* prompt;
        long double* value;
        long double min, max;
    };
    const ValueInput inputs[] = {
        {kHelpRotation, "Drehwinkel °", &t.angleDeg, -360, 360},
        {kHelpShift, "Verschiebung y", &t.dy, -kHuge, kHuge},
        {kHelpShift, "Verschiebung z", &t.dz, -kHuge, kHuge},
        {kHelpScale, "Maßstab y", &t.sy, -kHuge, kHuge},
        {kHelpScale, "Maßstab z", &t.sz, -kHuge, kHuge},
    };
    for (const auto& in : inputs) {
        InputValue(Dialogs(app), in.help, cp850(in.prompt), *in.value, in.min, in.max);
        if (app.State.AbortFlag) return false;
    }
    const std::vector<std::string> mirrors{cp850("Spiegeln um Achse z"),
                                           cp850("Spiegeln um Achse y"), cp850("nicht spiegeln")};
    InputChoice(Dialogs(app), kHelpMirror, "Spiegeln", mirrors, t.mirror);
    if (app.State.AbortFlag) return false;
    InputYesNo(Dialogs(app), kHelpReverse, "Richtungssinn umkehren", t.reverse);
    return !app.State.AbortFlag;
}

} // namespace

void ReverseDirection(ProjectData& p) {
    // Point i trades places with point n - 1 - i, and the arc from i to i + 1 becomes the
    // arc from n - 2 - i to n - 1 - i, run backwards.
    auto& v = p.Positions;
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n / 2; ++i) {
        std::swap(v[i].y, v[n - 1 - i].y);
        std::swap(v[i].z, v[n - 1 - i].z);
        std::swap(v[i].phi, v[n - 2 - i].phi);
    }
    for (TPosition& q : v)
        q.phi = -q.phi;
}

void ApplyTransform(ProjectData& p, const ContourTransform& t) {
    const long double theta = t.angleDeg * kRadPerDeg;
    const long double c = std::cos(theta), s = std::sin(theta);
    for (TPosition& pos : p.Positions) {
        const long double y = t.sy * pos.y, z = t.sz * pos.z;
        pos.y = t.dy + y * c - z * s;
        pos.z = t.dz + z * c + y * s;
        if (t.mirror == 1) pos.y = -pos.y;
        if (t.mirror == 2) pos.z = -pos.z;
        if (t.mirror == 1 || t.mirror == 2) pos.phi = -pos.phi;
    }
    if (t.reverse) ReverseDirection(p);
}

void TransformContour(App& app) {
    ContourTransform t;
    if (!AskTransform(app, t)) return;
    if (app.Project.PosCount() == 0) {
        ShowError(Dialogs(app), "Fehler : keine Geometrie eingegeben !");
        return;
    }
    // Scales and shifts may carry the contour beyond the coordinate bound; such a result is
    // refused as a whole, with the range message of a typed coordinate.
    auto moved = std::make_unique<ProjectData>(app.Project);
    ApplyTransform(*moved, t);
    for (const TPosition& pos : moved->Positions) {
        if (!(std::fabs(pos.y) <= kCoordinateMax && std::fabs(pos.z) <= kCoordinateMax)) {
            ShowRangeError(Dialogs(app), FormatSignificant(app.Config, -kCoordinateMax),
                           FormatSignificant(app.Config, kCoordinateMax));
            return; // back to the position list, the contour unchanged
        }
    }
    app.Project.Positions = moved->Positions;
    app.State.ModifiedFlag = 1;
    Recalculate(app);
    ShowRecalculated(app, dkGeometryTable);
}

} // namespace vak1
