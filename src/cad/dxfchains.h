// The pieces of a drawing (lines, circular arcs, closed polylines, circles) joined into closed
// chains, and the chains into the one contour the calculation takes: the outline with its
// holes, each hole reached by a slit of zero width.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

struct DxfPoint {
    long double x = 0, y = 0;
};

// A straight edge (phi 0) or a circular arc from a to b turning by phi radians about its
// centre (positive counter-clockwise). layer indexes the drawing's layer names.
struct DxfPiece {
    DxfPoint a, b;
    long double phi = 0;
    int layer = 0;
};

// Pieces that close by themselves, end to end: a closed polyline as drawn, or a circle.
struct DxfClosedGroup {
    std::vector<DxfPiece> pieces;
    bool polyline = false; // keeps its direction and first point as the outline
};

struct DxfShapes {
    std::vector<DxfPiece> loose; // joined where their ends meet
    std::vector<DxfClosedGroup> closed;
};

// One position of the joined contour: the arc angle runs to the next position; the last
// position runs straight back to the first.
struct DxfContourPoint {
    long double y = 0, z = 0, phi = 0;
};

struct DxfJoinResult {
    bool ok = false;
    std::string error; // code page 850: what is wrong and where (mm)
    std::vector<DxfContourPoint> contour;
};

// Joins the pieces of layer (-1: every layer): ends closer than tolerance (mm) meet. The
// outline is the chain of largest area, the others must be holes in it. At most maxPoints
// positions.
DxfJoinResult JoinDxfContour(const DxfShapes& shapes, long double tolerance, int layer,
                             std::size_t maxPoints);

// The layers (indexes, ascending) holding a piece of a closed chain at this tolerance.
std::vector<int> LayersOfClosedChains(const DxfShapes& shapes, long double tolerance);

} // namespace vak1
