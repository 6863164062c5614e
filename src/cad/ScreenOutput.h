// Device 3: the graphics window. Primitives become display-list records; block definitions
// go to temporary DXF files "$" + name + ".dx$" in the temporary folder, deleted at the end.
#pragma once
#include <memory>

#include "cad/CadLayer.h"
#include "cad/CadOutput.h"
#include "cad/dxf.h"

namespace vak1 {

class ScreenOutput : public CadOutput {
  public:
    explicit ScreenOutput(const CadContext& cx) : CadOutput(cx) {}

    uint16_t Device() const override { return cdScreen; }
    bool Open() override;
    bool Close() override;

    void Limits(long double xmin, long double ymin, long double xmax, long double ymax) override;
    void BlockBegin(const std::string& name) override;
    void BlockEnd() override;
    void EntitiesBegin() override;
    void Layer(int n) override;
    void LineStyle(int n) override;
    void TextStyle(int kind, long double width, long double height, long double angle) override;

    void Line(long double x1, long double y1, long double x2, long double y2) override;
    void Circle(long double x, long double y, long double r) override;
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override;
    void Text(const std::string& text, long double x, long double y) override;
    void Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
               long double y3, long double x4, long double y4) override;
    void Insert(const std::string& name, long double x, long double y, long double rotation,
                long double sx, long double sy) override;

  private:
    // The open block file while block mode is on; null otherwise.
    DxfWriter* Block() const;
    void ReportBlockFileError() const;
    std::unique_ptr<DxfWriter> block_;
};

// Path of the temporary file of block name.
std::string BlockFilePath(const Settings& s, const std::string& name);
// Deletes every "$*.dx$" file of the temporary folder.
void DeleteBlockFiles(const Settings& s);

} // namespace vak1
