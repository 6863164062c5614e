// Device 5: the text listing, one tab-separated line per drawing call.
#pragma once
#include <initializer_list>

#include "cad/CadLayer.h"
#include "cad/CadOutput.h"
#include "cad/outfile.h"

namespace vak1 {

class TxtOutput : public CadOutput {
  public:
    explicit TxtOutput(const CadContext& cx);

    uint16_t Device() const override { return cdTxt; }
    const char* Extension() const override { return "txt"; }
    bool Open() override;
    bool Close() override;
    const CadFile* File() const override { return &file_; }

    void Limits(long double xmin, long double ymin, long double xmax, long double ymax) override;
    void BlocksBegin() override { file_.Line("SECTION BLOCKS"); }
    void BlockBegin(const std::string& name) override;
    void BlockEnd() override { file_.Line("END OF BLOCK"); }
    void EntitiesBegin() override { file_.Line("SECTION ENTITIES"); }

    void Line(long double x1, long double y1, long double x2, long double y2) override;
    void Circle(long double x, long double y, long double r) override;
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override;
    void Text(const std::string& text, long double x, long double y) override;
    void Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
               long double y3, long double x4, long double y4) override;
    void Insert(const std::string& name, long double x, long double y, long double rotation,
                long double sx, long double sy) override;

  private:
    void Row(const char* keyword, std::initializer_list<long double> numbers);

    CadFile file_;
    int decimals_;
    char separator_;
};

} // namespace vak1
