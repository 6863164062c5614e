// Form sheet: frame insertion, diagram area, contour, principal axes and result table.
#include "cad/form.h"

#include <algorithm>
#include <numbers>

#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "settings/Settings.h"
#include "model/ProjectData.h"
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
    return i == p.PosCount() ? 0 : p.Positions[i - 1u].phi;
}

void Contour(const CadContext& cx, const ProjectData& p) {
    const DiagramState& d = cx.Diagram;
    CadSetLayer(cx, 5);
    if (p.DrawHatching) {
        HatchBegin(cx, true);
        for (uint16_t i = 1; i <= p.PosCount(); ++i) {
            const TPosition& pos = p.Positions[i - 1u];
            HatchVertex(cx, EdgeAngle(p, i), DiagramX(d, pos.y), DiagramY(d, pos.z));
        }
        HatchEnd(cx, 0, 45, 0);
        return;
    }
    CadPolyBegin(cx, true);
    for (uint16_t i = 1; i <= p.PosCount(); ++i) {
        const TPosition& pos = p.Positions[i - 1u];
        CadVertex(cx, DiagramX(d, pos.y), DiagramY(d, pos.z), EdgeAngle(p, i));
    }
    CadPolyEnd(cx);
}

void PrincipalAxes(const CadContext& cx, const ProjectData& p) {
    const DiagramState& d = cx.Diagram;
    CadSetLayer(cx, 21);
    const long double e = std::min(p.YWidth, p.ZHeight);
    const long double x = DiagramX(d, p.R.ys), y = DiagramY(d, p.R.zs);
    CadAxis(cx, "v", x, y, 100 * e / (d.xmax - d.xmin), p.R.phi);
    CadAxis(cx, "w", x, y, 100 * e / (d.ymax - d.ymin), p.R.phi + kHalfPi);
}

} // namespace

void DefineFormFrame(const CadContext& cx, const ProjectData& p, const Documentation& docu) {
    if (cx.Cad.Out && cx.Cad.Out->Device() == cdPlot && !cx.Config.DrawHideLogo)
        DefineFileBlock(cx, "logo_1");
    CadBlockBegin(cx, "FRAME_1");
    DrawFrame(cx, docu, p.DrawingName, p.DrawingName2, p.DrawingNumber);
    CadBlockEnd(cx);
}

void DrawForm(const CadContext& cx, const ProjectData& p) {
    CadInsert(cx, "FRAME_1", 0, 0, 0, 1, 1);

    DiagramState& d = cx.Diagram;
    DiagramReset(d);
    DiagramSetArea(d, 100, 100);
    DiagramSetOrigin(d, 60, 170);
    // A production drawing keeps the section's proportions.
    d.equalScales = true;
    const long double u = cx.Config.EnglishUnits == Units::English ? kMmToInch : 1;
    const long double ymax = std::max(p.YMax, p.YMin + p.ZHeight);
    const long double zmax = std::max(p.ZMax, p.ZMin + p.YWidth);
    const std::string unit = UnitLength(cx.Config);
    DrawDiagram(cx, " y [" + unit + "]", "z [" + unit + "]", "", 2, p.YMin * u, p.ZMin * u,
                ymax * u, zmax * u);
    DiagramDivideLimits(d, u, u);

    if (p.PosCount() > 0) Contour(cx, p);
    if (p.DrawPrincipalAxes) PrincipalAxes(cx, p);
    DiagramReset(d);
    DrawResultTable(cx, p, 60, 150, 2.5L);
    cx.Cad.FormSheetMarker = 2;
}

} // namespace vak1
