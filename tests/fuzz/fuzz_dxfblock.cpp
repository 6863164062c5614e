// The block reader of the screen device: the bytes are a temporary block file, inserted into
// a screen drawing (itself again, turned, mirrored and scaled) and replayed; the plot device
// copies the same file into its DXF file as a block definition.
#include "cad/ScreenOutput.h"
#include "cad/cad.h"
#include "fuzzsupport.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    App& app = f.app;
    const std::string block = BlockFilePath(app.Config, "FUZZ");
    const CadContext cx = CadContextOf(app);
    CadOpen(cx, cdScreen);
    if (!app.State.AbortFlag) {
        fuzz::WriteFile(block, data, size);
        CadLimits(cx, 0, 0, 200, 150);
        CadEntitiesBegin(cx);
        CadInsert(cx, "FUZZ", 50, 40, 30, 1, 1);
        CadInsert(cx, "FUZZ", 120, 90, 0, -2, 0.5L);
        CadEntitiesEnd(cx);
        CadClose(cx);
        fuzz::ReplayAll(app.Graphics, app.Config);
    }
    app.State.AbortFlag = 0;
    CadOpen(cx, cdPlot);
    if (!app.State.AbortFlag) {
        fuzz::WriteFile(block, data, size);
        CadLimits(cx, 0, 0, 200, 150);
        CadBlocksBegin(cx);
        DefineFileBlock(cx, "FUZZ");
        CadBlocksEnd(cx);
        CadEntitiesBegin(cx);
        CadInsert(cx, "FUZZ", 10, 10, 0, 1, 1);
        CadEntitiesEnd(cx);
        CadClose(cx);
    }
    return 0;
}
