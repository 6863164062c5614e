// Picking a position in the drawing of the section and moving it there.
#include <algorithm>
#include <cmath>

#include "app/App.h"
#include "app/outputcontext.h"
#include "cad/drawing.h"
#include "dialogs/dialogs.h"
#include "graphics/mapping.h"
#include "app/contour.h"
#include "help/helperr.h"
#include "text/formats.h"

namespace vak1 {
namespace {

// The decimals of the coordinates as the position list shows them, in the display unit.
int GridDecimals(const Settings& s) {
    const int listed = s.EnglishUnits == Units::English ? 4 : 3;
    return std::clamp(listed + s.DecimalPlaces - 3, 0, 10);
}

long double Snap(long double v, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    return std::round(v * scale) / scale;
}

} // namespace

// The form sheet and the table are laid out in millimetres of the sheet, not of the section.
bool DrawingShowsContour(const App& app) {
    const uint16_t view = app.Graphics.SectionView;
    return !app.Project.CalcError &&
           (view == dkGeometryTable || view == dkPolyline || view == dkGeometry);
}

uint16_t PositionAtPixel(const App& app, int32_t px, int32_t py, int32_t radius) {
    if (!DrawingShowsContour(app)) return 0;
    uint16_t nearest = 0;
    int64_t best = int64_t{radius} * radius + 1;
    for (uint16_t k = 1; k <= app.Project.PosCount(); ++k) {
        const TPosition& p = app.Project.Positions[k - 1u];
        const CanvasPoint c = WorldToPixel(app.Graphics, p.y, p.z);
        const int64_t dx = int64_t{c.x} - px, dy = int64_t{c.y} - py;
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = k;
        }
    }
    return nearest;
}

std::string PickedPositionText(const App& app, uint16_t k) {
    if (k < 1 || k > app.Project.PosCount()) return {};
    const PositionTexts t = PositionColumns(app.Config, k, app.Project.Positions[k - 1u]);
    auto trimmed = [](const std::string& s) {
        const auto first = s.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : s.substr(first);
    };
    const std::string unit = UnitLength(app.Config);
    return "Pos. " + trimmed(t.number) + ":  y = " + trimmed(t.y) + " " + unit +
           "  z = " + trimmed(t.z) + " " + unit;
}

bool MovePosition(App& app, uint16_t k, long double y, long double z) {
    ProjectData& p = app.Project;
    if (k < 1 || k > p.PosCount()) return false;
    const Settings& s = app.Config;
    const bool inch = s.EnglishUnits == Units::English;
    const long double toDisplay = inch ? kMmToInch : 1;
    const long double bound = inch ? kCoordinateMax * kMmToInch : kCoordinateMax;
    const int decimals = GridDecimals(s);
    const long double ys = Snap(y * toDisplay, decimals), zs = Snap(z * toDisplay, decimals);
    // The bound of the coordinate dialog, with its message in the display unit.
    if (!(std::fabs(ys) <= bound && std::fabs(zs) <= bound)) {
        ShowRangeError(Dialogs(app), FormatSignificant(s, -bound), FormatSignificant(s, bound));
        return false;
    }
    const TPosition was = p.Positions[k - 1u];
    TPosition moved = was; // an arc from or to it keeps its angle
    moved.y = std::clamp(inch ? ys * kInchToMm : ys, -kCoordinateMax, kCoordinateMax);
    moved.z = std::clamp(inch ? zs * kInchToMm : zs, -kCoordinateMax, kCoordinateMax);
    if (moved.y == was.y && moved.z == was.z) return false;
    const uint16_t view = app.Graphics.SectionView;
    p.Positions[k - 1u] = moved;
    Recalculate(app);
    if (p.CalcError) {
        // A contour the calculation refuses would take the drawing away under the pointer:
        // its messages are shown, and the position goes back.
        ShowMessageList(HelpContextOf(app), app.Messages);
        p.Positions[k - 1u] = was;
        Recalculate(app);
        return false;
    }
    app.State.ModifiedFlag = 1;
    BuildLineTable(app);
    RedrawView(app, view);
    return true;
}

} // namespace vak1
