// Device 2: the IGES file. Its writer is not part of this version yet, so opening refuses
// with a message and no file is written.
#pragma once
#include "cad/CadLayer.h"
#include "cad/CadOutput.h"

namespace vak1 {

class IgesOutput : public CadOutput {
  public:
    explicit IgesOutput(App& app) : CadOutput(app) {}

    uint16_t Device() const override { return cdIges; }
    const char* Extension() const override { return "igs"; }
    bool Open() override;
    bool Close() override { return true; }

    void Limits(long double, long double, long double, long double) override {}
    void Line(long double, long double, long double, long double) override {}
    void Circle(long double, long double, long double) override {}
    void Arc(long double, long double, long double, long double, long double) override {}
    void Text(const std::string&, long double, long double) override {}
    void Solid(long double, long double, long double, long double, long double, long double,
               long double, long double) override {}
    void Insert(const std::string&, long double, long double, long double, long double,
                long double) override {}
};

} // namespace vak1
