// Import of a contour from a DXF file written by any CAD program: the first closed
// polyline (POLYLINE with VERTEX entities, or LWPOLYLINE) becomes the positions.
#pragma once
#include <string>

#include "project/ProjectData.h"

namespace vak1 {

struct DxfImportResult {
    bool ok = false;
    std::string error; // code page 850, names the file and what was wrong
    int vertices = 0;
};

// Reads path and, only when a closed polyline of 1..500 vertices was found, replaces the
// positions of project (PosCount, Positions 1..n with phi = 4 atan(bulge); the rest of the
// slots reset). Lengths in inch (header $INSUNITS 1) are converted to mm.
DxfImportResult ImportDxfContour(const std::string& path, ProjectData& project);

} // namespace vak1
