// Form sheet: frame insertion, diagram area, contour, principal axes and result table.
#include "cad/form.h"

#include <algorithm>
#include <numbers>

#include "app/App.h"
#include "cad/CadOutput.h"
#include "cad/cad.h"
#include "cad/cadaxis.h"
#include "cad/drawing.h"
#include "cad/frame.h"
#include "cad/schraff.h"
#include "cad/diagram.h"
#include "text/formats.h"

namespace vak1 {

namespace {

constexpr long double kHalfPi = std::numbers::pi_v<long double> / 2;

// The calculation closes the contour with a straight edge whatever the last position's arc
// angle says: outline and hatching do the same.
long double EdgeAngle(const ProjectData& p, uint16_t i) {
    return i == p.PosCount ? 0 : p.Positions[i].phi;
}

void Contour(App& app) {
    const ProjectData& p = app.Project;
    const DiagramState& d = app.Diagram;
    CadSetLayer(app, 5);
    if (p.DrawHatching) {
        HatchBegin(app, true);
        for (uint16_t i = 1; i <= p.PosCount; ++i) {
            const TPosition& pos = p.Positions[i];
            HatchVertex(app, EdgeAngle(p, i), DiagramX(d, pos.y), DiagramY(d, pos.z));
        }
        HatchEnd(app, 0, 45, 0);
        return;
    }
    CadPolyBegin(app, true);
    for (uint16_t i = 1; i <= p.PosCount; ++i) {
        const TPosition& pos = p.Positions[i];
        CadVertex(app, DiagramX(d, pos.y), DiagramY(d, pos.z), EdgeAngle(p, i));
    }
    CadPolyEnd(app);
}

void PrincipalAxes(App& app) {
    const ProjectData& p = app.Project;
    const DiagramState& d = app.Diagram;
    CadSetLayer(app, 21);
    const long double e = std::min(p.YWidth, p.ZHeight);
    const long double x = DiagramX(d, p.R.ys), y = DiagramY(d, p.R.zs);
    CadAxis(app, "v", x, y, 100 * e / (d.xmax - d.xmin), p.R.phi);
    CadAxis(app, "w", x, y, 100 * e / (d.ymax - d.ymin), p.R.phi + kHalfPi);
}

} // namespace

void DefineFormFrame(App& app) {
    const ProjectData& p = app.Project;
    if (app.Cad.Out && app.Cad.Out->Device() == cdPlot && !app.Config.DrawHideLogo)
        DefineFileBlock(app, "logo_1");
    CadBlockBegin(app, "FRAME_1");
    DrawFrame(app, p.DrawingName, p.DrawingName2, p.DrawingNumber);
    CadBlockEnd(app);
}

void DrawForm(App& app) {
    const ProjectData& p = app.Project;
    CadInsert(app, "FRAME_1", 0, 0, 0, 1, 1);

    DiagramState& d = app.Diagram;
    DiagramReset(d);
    DiagramSetArea(d, 100, 100);
    DiagramSetOrigin(d, 60, 170);
    // A production drawing keeps the section's proportions.
    d.equalScales = true;
    const long double u = app.Config.EnglishUnits == 1 ? kMmToInch : 1;
    const long double ymax = std::max(p.YMax, p.YMin + p.ZHeight);
    const long double zmax = std::max(p.ZMax, p.ZMin + p.YWidth);
    const std::string unit = UnitLength(app.Config);
    DrawDiagram(app, " y [" + unit + "]", "z [" + unit + "]", "", 2, p.YMin * u, p.ZMin * u,
                ymax * u, zmax * u);
    DiagramDivideLimits(d, u, u);

    if (p.PosCount > 0) Contour(app);
    if (p.DrawPrincipalAxes) PrincipalAxes(app);
    DiagramReset(d);
    DrawResultTable(app, 60, 150, 2.5L);
    app.Cad.FormSheetMarker = 2;
}

} // namespace vak1
