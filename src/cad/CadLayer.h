// State of the device-independent CAD layer: the chosen output device, layer, text style,
// current point, polyline and block state and the extents of the open drawing.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vak1 {

class CadOutput;

// Output devices, numbered as in the device dialog.
enum CadDeviceCode : uint16_t {
    cdChoose = 0, // CadOpen asks for the device
    cdDxf = 1,
    cdIges = 2,
    cdScreen = 3,
    cdPlot = 4,
    cdTxt = 5,
};

// Transformation of the block insertion the screen device is drawing (nested up to 4 deep).
struct CadInsertState {
    int Depth = 0;
    long double OffsetX = 0, OffsetY = 0, Rotation = 0, ScaleX = 1, ScaleY = 1;
    long Insertions = 0; // block insertions read in the open drawing, at every depth
};

struct CadLayer {
    CadLayer();
    ~CadLayer();
    CadLayer(CadLayer&&) noexcept;
    CadLayer& operator=(CadLayer&&) noexcept;

    uint16_t CadDevice = cdScreen; // the device used last; preselected in the device dialog

    int LayerNumber = 0;
    std::string LayerName = "0"; // at most 32 characters

    // Text style; angles in degrees.
    long double TextHeight = 3.5L;
    long double TextWidthFactor = 1;
    long double TextRotation = 0;
    long double TextOblique = 0;

    // Line style of the following entities: 0 the layer's own, 1 dotted, 2 dash-dot, 3 dashed.
    uint16_t LineStyle = 0;

    long double CurX = 0, CurY = 0; // CadMoveTo / CadLineTo

    // Polyline in progress.
    int32_t VertexCount = 0;
    long double PrevPhi = 0;
    bool PolyClosed = false;
    long double FirstX = 0, FirstY = 0;

    bool BlockMode = false; // between CadBlocksBegin and CadBlocksEnd

    // Extents of the open drawing.
    long double XMin = 0, YMin = 0, XMax = 0, YMax = 0, Width = 0, Height = 0;

    // 0 after CadOpen; 2 while a form sheet is drawn, 1 while a diagram frame is drawn.
    uint16_t FormSheetMarker = 0;

    CadInsertState Insert;

    // Blocks of the open DXF drawing whose definitions were copied in from block files.
    std::vector<std::string> FileBlocks;

    std::string FileName;      // the output file of the open drawing
    std::string JobOutputBase; // unattended job: output file is this + "." + extension
    uint16_t PlotLine = 1;     // chosen plotting command line (1-based)

    // A failed write of the output file; the drawing command ends with this message.
    bool WriteFailed = false;
    std::string WriteError;

    std::unique_ptr<CadOutput> Out; // the open device, null between drawings
};

} // namespace vak1
