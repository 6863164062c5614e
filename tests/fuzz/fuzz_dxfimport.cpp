// The DXF import of a contour: when a polyline was taken over, the project is calculated,
// reported and drawn.
#include "cad/dxfimport.h"
#include "fuzzsupport.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string path = fuzz::InFolder("import.dxf");
    fuzz::WriteFile(path, data, size);
    fuzz::FuzzApp f;
    if (ImportDxfContour(path, f.app.Project).ok) fuzz::RunProject(f, fuzz::ChoiceOf(data, size));
    return 0;
}
