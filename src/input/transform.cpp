// Rotating, shifting, scaling, mirroring and reversing the whole contour.
#include <cmath>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

#include "app/App.h"
#include "model/angles.h"
#include "input/contour.h"
#include "dialogs/dialogs.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr long double kHuge = 1e38L;

// The seven inputs in their order; false when one was cancelled.
bool AskTransform(App& app, ContourTransform& t) {
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
    auto& pos = p.Positions;
    const int n = p.PosCount;
    for (int s = 1; s <= n / 2; ++s) {
        std::swap(pos[s].y, pos[n + 1 - s].y);
        std::swap(pos[s].z, pos[n + 1 - s].z);
        std::swap(pos[s].phi, pos[n - s].phi);
    }
    for (int k = 1; k <= n; ++k)
        pos[k].phi = -pos[k].phi;
}

void ApplyTransform(ProjectData& p, const ContourTransform& t) {
    const long double theta = t.angleDeg * kRadPerDeg;
    const long double c = std::cos(theta), s = std::sin(theta);
    for (int k = 1; k <= p.PosCount; ++k) {
        TPosition& pos = p.Positions[k];
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
    if (app.Project.PosCount == 0) {
        ShowError(Dialogs(app), "Fehler : keine Geometrie eingegeben !");
        return;
    }
    // Scales and shifts may carry the contour beyond the coordinate bound; such a result is
    // refused as a whole, with the range message of a typed coordinate.
    auto moved = std::make_unique<ProjectData>(app.Project);
    ApplyTransform(*moved, t);
    for (int k = 1; k <= moved->PosCount; ++k) {
        const TPosition& pos = moved->Positions[k];
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
