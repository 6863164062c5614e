// Device 4: the drawing as the DXF file "kartuno.dxf" in the temporary folder, handed to the
// plotting program once it is complete.
#pragma once
#include "cad/DxfOutput.h"

namespace vak1 {

class PlotOutput : public DxfOutput {
  public:
    explicit PlotOutput(const CadContext& cx) : DxfOutput(cx) {}

    uint16_t Device() const override { return cdPlot; }
    const char* Extension() const override { return ""; }
    bool Open() override;
    bool Close() override;
};

// Name of the plot file.
constexpr const char* kPlotFileName = "kartuno.dxf";

// Starts the chosen plotting command line without waiting; start failures are shown.
void StartPlot(const CadContext& cx);

} // namespace vak1
