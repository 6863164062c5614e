// The section drawing's parts: contour, point arrows, centroid with its axes, result table.
#include <algorithm>
#include <numbers>

#include "cad/CadContext.h"
#include "model/angles.h"
#include "settings/Settings.h"
#include "model/ProjectData.h"
#include "cad/cad.h"
#include "cad/cadaxis.h"
#include "cad/cadtable.h"
#include "cad/drawing.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

void DrawContour(const CadContext& cx, const ProjectData& p) {
    if (p.PosCount() == 0) return;
    CadSetLayer(cx, 5);
    CadPolyBegin(cx, true);
    for (uint16_t i = 1; i <= p.PosCount(); ++i) {
        const TPosition& q = p.Positions[i - 1u];
        // The calculation closes the contour with a straight edge whatever the last
        // position's arc angle says, so the drawing does the same.
        CadVertex(cx, q.y, q.z, i == p.PosCount() ? 0 : q.phi);
    }
    CadPolyEnd(cx);
}

void DrawPointArrows(const CadContext& cx, const ProjectData& p) {
    CadSetLayer(cx, 3);
    const long double e = std::min(p.ZHeight, p.YWidth);
    CadTextStyle(cx, 2, 0.015L * e, 0.02L * e, 0);
    if (p.PolyCount() <= 1) return;
    for (uint16_t j = 1; j < p.PolyCount(); ++j) {
        const TPolyPoint& a = p.PolyPoints[j - 1u];
        const TPolyPoint& b = p.PolyPoints[j];
        CadArrow(cx, std::to_string(j + 1), a.y, a.z, b.y, b.z);
    }
}

void DrawCentroidAxes(const CadContext& cx, const ProjectData& p) {
    const long double e = std::min(p.YWidth, p.ZHeight);
    const long double ys = p.R.ys, zs = p.R.zs;
    constexpr long double kHalfPi = std::numbers::pi_v<long double> / 2;
    CadSetLayer(cx, 18);
    CadCircle(cx, ys, zs, 0.01L * e);
    CadTextStyle(cx, 2, 0.025L * e, e / 30, 0);
    if (p.CalcError) return;
    CadText(cx, "S", ys + 0.01L * p.YWidth, zs + 0.01L * p.ZHeight);
    CadTextStyle(cx, 2, e / 60, 0.025L * e, 0);
    CadAxis(cx, "eta", ys, zs, 1.2L * e, 0);
    CadAxis(cx, "zeta", ys, zs, 1.2L * e, kHalfPi);
    CadSetLayer(cx, 21);
    CadAxis(cx, "v", ys, zs, e, p.R.phi);
    CadAxis(cx, "w", ys, zs, e, p.R.phi + kHalfPi);
}

void DrawResultTable(const CadContext& cx, const ProjectData& p, long double x, long double y,
                     long double h) {
    const TSectionResults& r = p.R;
    const Settings& s = cx.Config;
    TCadTable t = CadTableCreate(cx, "ERGEBNISSE", {}, {25, 4, 4, 10, 0, 0, 0}, x, y, h);
    auto row = [&](const char* description, const char* symbol, const std::string& unit,
                   const std::string& value) {
        CadTableRow(cx, t, {cp850(description), symbol, unit, value, "", "", ""});
    };
    const std::string m4 = UnitMoment4(s);
    row("Querschnittsfläche", "A", UnitArea(s), FormatArea(s, r.A));
    row("Flächenmoment 1.Ord.", "Hy", UnitVolume(s), FormatVolume(s, r.Hy));
    row("Flächenmoment 1.Ord.", "Hz", UnitVolume(s), FormatVolume(s, r.Hz));
    row("Ax.Flächenmoment 2.Ord.", "Iy", m4, FormatMoment4(s, r.Iy));
    row("Ax.Flächenmoment 2.Ord.", "Iz", m4, FormatMoment4(s, r.Iz));
    row("Gem.Flächenmoment 2.Ord.", "Iyz", m4, FormatMoment4(s, r.Iyz));
    row("Pol.Flächenmoment 2.Ord.", "Ip0", m4, FormatMoment4(s, r.Ip0));
    row("Schwerpunktkoordinate", "ys", UnitLength(s), FormatLength(s, r.ys));
    row("Schwerpunktkoordinate", "zs", UnitLength(s), FormatLength(s, r.zs));
    row("Ax.Flächenmoment Schw.p.", "Ieta", m4, FormatMoment4(s, r.IyS));
    row("Ax.Flächenmoment Schw.p.", "Izeta", m4, FormatMoment4(s, r.IzS));
    row("Gem.Flächenmoment Schw.p.", "Iez", m4, FormatMoment4(s, r.IyzS));
    row("Pol.Flächenmoment Schw.p.", "IpS", m4, FormatMoment4(s, r.IpS));
    row("Hauptflächenmoment 1", "I1", m4, FormatMoment4(s, r.I1));
    row("Hauptflächenmoment 2", "I2", m4, FormatMoment4(s, r.I2));
    row("Hauptwinkel", "phi", UnitAngle(s), FormatSignificant(s, r.phi * kDegPerRad));
    if (p.lx > 0) {
        row("Masse", "m", "kg", FormatSignificant(s, p.m));
        row("Massenträgheitsmoment", "Js", cp850("kgm²"), FormatEngineering(s, r.Js));
        row("Massenträgheitsmoment", "J0", cp850("kgm²"), FormatEngineering(s, r.J0));
    }
}

} // namespace vak1
