// The questions of File -> DXF import: the drawing, the tolerance for joining its ends and
// the layer of its contour.
#pragma once
#include <string>

#include "cad/dxfimport.h"

namespace vak1 {

struct App;

// Shows the import dialog on the CAD folder; false when it was cancelled or its tolerance is
// no positive number (said in a message).
bool AskDxfImport(App& app, std::string& path, DxfImportOptions& options);

} // namespace vak1
