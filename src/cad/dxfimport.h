// Import of a contour from a DXF file written by any CAD program: LINE, ARC, CIRCLE,
// LWPOLYLINE and POLYLINE (with bulges) of the model space and of the blocks it inserts,
// joined into closed chains; the largest is the outline, the others are its holes.
#pragma once
#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace vak1 {

// Ends of the drawing closer than this share of its extent meet.
constexpr long double kDxfToleranceShare = 1e-6L;

struct DxfImportOptions {
    long double tolerance = 0; // mm; 0: the default of the drawing
    std::string layer;         // as named in the file (any case); empty: every layer
};

struct DxfImportResult {
    bool ok = false;
    std::string error; // code page 850, names the file and what was wrong and where
    int vertices = 0;
};

// What a drawing offers before its import.
struct DxfDrawingSurvey {
    bool ok = false;
    std::string error;               // code page 850, as for the import
    long double extent = 0;          // larger side of the drawing's box, mm
    long double tolerance = 0;       // the default tolerance, mm
    std::vector<std::string> layers; // layers holding closed chains at the tolerance asked for
};

// Reads path and, only when its chains make one contour of 1..500 positions, replaces the
// positions of project (with the arc angles of the drawing; nothing of earlier positions kept). A
// closed polyline taken alone keeps its first point and direction; otherwise the outline runs
// counter-clockwise and each hole is reached through a slit of zero width, so the calculation's
// area is the outline's less the holes'. Lengths in inch (header $INSUNITS 1) are converted to mm.
DxfImportResult ImportDxfContour(const std::string& path, ProjectData& project,
                                 const DxfImportOptions& options = {});

// The extent, the default tolerance and the layers of closed chains at tolerance (0: the
// default).
DxfDrawingSurvey SurveyDxfDrawing(const std::string& path, long double tolerance = 0);

} // namespace vak1
