// Device 1: the drawing as a DXF file.
#pragma once
#include "cad/CadOutput.h"
#include <vector>

#include "cad/dxf.h"

namespace vak1 {

class DxfOutput : public CadOutput {
  public:
    explicit DxfOutput(const CadContext& cx);

    uint16_t Device() const override { return cdDxf; }
    const char* Extension() const override { return "dxf"; }
    bool Open() override;
    bool Close() override;
    const CadFile* File() const override { return &dxf_.File(); }

    void Limits(long double xmin, long double ymin, long double xmax, long double ymax) override;
    void Tables(int variant) override { dxf_.DxfTables(variant); }
    void BlocksBegin() override { dxf_.DxfBlocksBegin(); }
    void BlocksEnd() override { dxf_.DxfEndSection(); }
    void BlockBegin(const std::string& name) override { dxf_.DxfBlock(name); }
    void BlockEnd() override { dxf_.DxfEndBlock(); }
    void EntitiesBegin() override { dxf_.DxfEntitiesBegin(); }
    void EntitiesEnd() override { dxf_.DxfEndSection(); }

    void Line(long double x1, long double y1, long double x2, long double y2) override;
    void Circle(long double x, long double y, long double r) override;
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override;
    void Text(const std::string& text, long double x, long double y) override;
    void Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
               long double y3, long double x4, long double y4) override;
    void Insert(const std::string& name, long double x, long double y, long double rotation,
                long double sx, long double sy) override;

    // A block definition whose entity groups come ready-made from a block file.
    void CopyBlock(const std::string& name, const std::vector<std::string>& groups);

    // One POLYLINE entity; the closed flag stands for the closing segment.
    void PolyBegin(bool closed) override;
    void Vertex(long double x, long double y, long double phi) override;
    void PolyEnd() override;

  protected:
    DxfWriter dxf_;
};

} // namespace vak1
