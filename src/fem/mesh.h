// The mesh of six-node triangles over a closed contour.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "fem/torsion.h"

namespace vak1 {

struct FemMesh {
    std::vector<FemPoint> nodes;
    // Corner nodes 0..2 counter-clockwise, then the midside nodes of the edges 0-1, 1-2, 2-0.
    std::vector<std::array<int, 6>> elements;
    // Per element: an edge follows an arc, so its midside node lies off the straight line.
    std::vector<char> curved;
};

// The circle a contour edge lies on (r 0: a straight edge).
struct FemEdgeCircle {
    double yc = 0, zc = 0, r = 0;
};

enum class MeshStatus { Ok, Cancelled, NotMeshable, Failed };

// Meshes the area inside the contour (non-zero winding number; a slit that runs in and back
// along the same line joins the two sides) with triangles whose edges stay below maxEdge.
// keepGoing is asked now and then; false ends with Cancelled. On NotMeshable and Failed,
// message says why (code page 850). circles (empty, or one per edge i from point i to i + 1)
// names the edges that are chords of a circle: the boundary nodes the refinement puts on such
// an edge move onto the circle, and the midside nodes of the boundary edges there lie on it.
MeshStatus MeshContour(const std::vector<FemPoint>& contour, double maxEdge, FemMesh& mesh,
                       std::string& message, const std::function<bool()>& keepGoing,
                       const std::vector<FemEdgeCircle>& circles = {});

// False, with the reason (code page 850), for a contour the mesher cannot resolve in finite
// time: an angle below a thousandth of a degree, or an area below a millionth of the square
// of its extent (a sliver). Edges running straight back along the previous one (the sides of
// a slit) are no angle.
bool CheckMeshable(const std::vector<FemPoint>& contour, std::string& message);

// The first pair of contour edges that cross each other (index i: from point i to i + 1).
// Edges may touch and run back along each other; they may not cross.
bool FindCrossingEdges(const std::vector<FemPoint>& contour, std::size_t& first,
                       std::size_t& second);

} // namespace vak1
