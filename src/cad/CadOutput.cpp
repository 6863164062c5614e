// The segment form of polylines, for every device without a polyline entity.
#include "cad/CadOutput.h"

#include <numbers>

#include "model/angles.h"
#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "cad/CadLayer.h"
#include "cad/cad.h"
#include "calc/section.h"

namespace vak1 {

void CadOutput::Segment(long double x1, long double y1, long double x2, long double y2,
                        long double phi) {
    if (phi == 0) {
        CadLine(cx_, x1, y1, x2, y2);
        return;
    }
    // A failing centre leaves the arc without radius, which draws nothing; the message stays
    // in the list.
    ArcCenter c;
    GetArcCenter(x1, y1, x2, y2, phi, c, cx_.Messages, cx_.Config);
    CadArc(cx_, c.yc, c.zc, c.a1 * kDegPerRad, c.a2 * kDegPerRad, c.r);
}

void CadOutput::PolyBegin(bool closed) {
    CadLayer& cad = cx_.Cad;
    cad.VertexCount = 0;
    cad.PolyClosed = closed;
    cad.PrevPhi = 0;
}

void CadOutput::Vertex(long double x, long double y, long double phi) {
    CadLayer& cad = cx_.Cad;
    if (cad.VertexCount == 0) {
        cad.FirstX = x;
        cad.FirstY = y;
    } else {
        Segment(cad.CurX, cad.CurY, x, y, cad.PrevPhi);
    }
    ++cad.VertexCount;
    cad.CurX = x;
    cad.CurY = y;
    cad.PrevPhi = phi;
}

void CadOutput::PolyEnd() {
    CadLayer& cad = cx_.Cad;
    if (cad.PolyClosed && cad.VertexCount > 1)
        Segment(cad.CurX, cad.CurY, cad.FirstX, cad.FirstY, cad.PrevPhi);
    cad.VertexCount = 0;
}

} // namespace vak1
