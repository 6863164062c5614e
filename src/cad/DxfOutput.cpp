// DXF device: every CAD call becomes its DXF group sequence.
#include "cad/DxfOutput.h"

#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "cad/cad.h"

namespace vak1 {

DxfOutput::DxfOutput(const CadContext& cx) : CadOutput(cx), dxf_(cx.Config, cx.Cad) {}

bool DxfOutput::Open() {
    return dxf_.Create(cx_.Cad.FileName);
}

bool DxfOutput::Close() {
    dxf_.DxfEof();
    return dxf_.Close();
}

void DxfOutput::Limits(long double xmin, long double ymin, long double xmax, long double ymax) {
    dxf_.DxfHeader(xmin, ymin, xmax, ymax);
}

void DxfOutput::Line(long double x1, long double y1, long double x2, long double y2) {
    dxf_.DxfLine(x1, y1, x2, y2);
}

void DxfOutput::Circle(long double x, long double y, long double r) {
    dxf_.DxfCircle(x, y, r);
}

void DxfOutput::Arc(long double x, long double y, long double a1, long double a2, long double r) {
    dxf_.DxfArc(x, y, a1, a2, r);
}

void DxfOutput::Text(const std::string& text, long double x, long double y) {
    dxf_.DxfText(text, x, y);
}

void DxfOutput::Solid(long double x1, long double y1, long double x2, long double y2,
                      long double x3, long double y3, long double x4, long double y4) {
    dxf_.DxfSolid(x1, y1, x2, y2, x3, y3, x4, y4);
}

void DxfOutput::Insert(const std::string& name, long double x, long double y, long double rotation,
                       long double sx, long double sy) {
    dxf_.DxfInsert(name, x, y, rotation, sx, sy);
}

void DxfOutput::CopyBlock(const std::string& name, const std::vector<std::string>& groups) {
    dxf_.DxfBlock(name);
    for (const std::string& line : groups)
        dxf_.File().Line(line);
    dxf_.DxfEndBlock();
}

void DxfOutput::PolyBegin(bool closed) {
    cx_.Cad.VertexCount = 0;
    cx_.Cad.PolyClosed = closed;
    dxf_.DxfPolyline(closed ? 1 : 0);
}

void DxfOutput::Vertex(long double x, long double y, long double phi) {
    ++cx_.Cad.VertexCount;
    dxf_.DxfVertex(x, y, phi);
}

void DxfOutput::PolyEnd() {
    dxf_.DxfSeqEnd();
    cx_.Cad.VertexCount = 0;
}

} // namespace vak1
