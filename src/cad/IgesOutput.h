// Device 2: the drawing as an IGES file.
#pragma once
#include "cad/CadLayer.h"
#include "cad/CadOutput.h"
#include "cad/iges.h"

namespace vak1 {

class IgesOutput : public CadOutput {
  public:
    explicit IgesOutput(const CadContext& cx);

    uint16_t Device() const override { return cdIges; }
    const char* Extension() const override { return "igs"; }
    bool Open() override;
    bool Close() override { return iges_.Close(); }
    const CadFile* File() const override { return &iges_.File(); }

    void Limits(long double xmin, long double ymin, long double xmax, long double ymax) override;
    void BlockBegin(const std::string& name) override { iges_.SubfigureBegin(name); }
    void BlockEnd() override { iges_.SubfigureEnd(); }
    void Layer(int n) override { iges_.Layer(n); }
    void LineStyle(int n) override { iges_.LineStyle(n); }

    void Line(long double x1, long double y1, long double x2, long double y2) override;
    void Circle(long double x, long double y, long double r) override;
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override;
    void Text(const std::string& text, long double x, long double y) override;
    void Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
               long double y3, long double x4, long double y4) override;
    void Insert(const std::string& name, long double x, long double y, long double rotation,
                long double sx, long double sy) override;

  private:
    IgesWriter iges_;
};

} // namespace vak1
