// The finite-element values drawn over the section: the solver runs in its worker like the
// extended values' one, so a contour it cannot mesh costs the drawing only these parts.
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "cad/CadContext.h"
#include "cad/cad.h"
#include "cad/drawing.h"
#include "calc/extended.h"
#include "fem/worker.h"
#include "model/ProjectData.h"

namespace vak1 {

void DrawSolverOverlay(const CadContext& cx, const ProjectData& p) {
    ExtendedValues x;
    if (p.CalcError || !ComputeExtendedValues(p, x)) return;
    const std::vector<ContourArcPoint> contour = CounterClockwiseArcContour(p, cx.Config);
    if (contour.empty()) return;
    long double y0 = contour[0].y, y1 = y0, z0 = contour[0].z, z1 = z0;
    for (const ContourArcPoint& q : contour) {
        y0 = std::min(y0, q.y);
        y1 = std::max(y1, q.y);
        z0 = std::min(z0, q.z);
        z1 = std::max(z1, q.z);
    }
    const long double reach = 0.6L * std::max(y1 - y0, z1 - z0);
    const long double e = std::min(p.YWidth, p.ZHeight);

    // The plastic neutral axes run parallel to the principal axes through their points.
    CadSetLayer(cx, 21);
    CadTextStyle(cx, 2, e / 60, 0.025L * e, 0);
    const PlasticAxis* axes[2] = {&x.plastic1, &x.plastic2};
    for (int k = 0; k < 2; ++k) {
        const long double a = x.angle1 + k * std::acos(0.0L);
        const long double c = std::cos(a) * reach, s = std::sin(a) * reach;
        const PlasticAxis& pl = *axes[k];
        CadLine(cx, pl.y - c, pl.z - s, pl.y + c, pl.z + s);
        CadText(cx, k == 0 ? "pl1" : "pl2", pl.y + c, pl.z + s);
    }

    TorsionInput in;
    const long double oy = contour[0].y, oz = contour[0].z;
    for (const ContourArcPoint& q : contour) {
        in.contour.push_back({static_cast<double>(q.y - oy), static_cast<double>(q.z - oz)});
        in.arcs.push_back(static_cast<double>(q.phi));
    }
    in.ys = static_cast<double>(p.R.ys - oy);
    in.zs = static_cast<double>(p.R.zs - oz);
    in.phi = static_cast<double>(x.angle1);
    in.I1 = static_cast<double>(x.axis1.I);
    in.I2 = static_cast<double>(x.axis2.I);
    in.A = static_cast<double>(x.A);
    TorsionValues values;
    TorsionField field;
    std::string message;
    if (ComputeTorsionFieldContained(in, {}, values, field, message) != TorsionStatus::Ok) return;

    // Every element edge once, through its midside node.
    CadSetLayer(cx, 18);
    std::set<std::pair<int, int>> drawn;
    for (const auto& el : field.elements)
        for (int i = 0; i < 3; ++i) {
            const int a = el[i], b = el[(i + 1) % 3], m = el[3 + i];
            if (!drawn.insert({std::min(a, b), std::max(a, b)}).second) continue;
            const FemPoint &pa = field.nodes[a], &pm = field.nodes[m], &pb = field.nodes[b];
            CadLine(cx, oy + pa.y, oz + pa.z, oy + pm.y, oz + pm.z);
            CadLine(cx, oy + pm.y, oz + pm.z, oy + pb.y, oz + pb.z);
        }
    CadSetLayer(cx, 21);
    const long double ySc = oy + values.ySc, zSc = oz + values.zSc;
    CadCircle(cx, ySc, zSc, 0.015L * e);
    CadTextStyle(cx, 2, 0.025L * e, e / 30, 0);
    CadText(cx, "SM", ySc + 0.015L * p.YWidth, zSc - 0.04L * p.ZHeight);
}

} // namespace vak1
