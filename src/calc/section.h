// The section calculation: polygon of the contour, edge integrals, centroidal, principal
// and body values.
#pragma once
#include <vector>

#include "model/messages.h"
#include "model/ProjectData.h"
#include "text/formats.h"

namespace vak1 {

struct ArcCenter {
    long double yc = 0, zc = 0, r = 0;
    long double a1 = 0, a2 = 0; // polar angles of the arc's ends about the centre
};

// Circle through (y1, z1) and (y2, z2) with arc angle phi (radians). Returns false, with a
// message, when sin(phi/2) is exactly 0.
bool GetArcCenter(long double y1, long double z1, long double y2, long double z2, long double phi,
                  ArcCenter& out, MessageList& messages, const NumberStyle& settings);

// From A, Hy, Hz, Iy, Iz and Iyz of R: the centroid, the centroidal moments (IpS too), the
// principal angle phi and the principal moments I1 >= I2 (both positive for a clockwise
// contour as for a counter-clockwise one). A must not be 0.
void CentroidAndPrincipal(TSectionResults& R);

// What one calculation of the positions gives.
struct SectionOutcome {
    // The chord polygon, closed: its last point repeats the first. Empty when the positions
    // give none (no positions, or more points than a polygon holds).
    std::vector<TPolyPoint> polygon;
    // The polygon's extents (a width or height of 0 counts as 1); set with the polygon.
    long double YMin = 0, ZMin = 0, YMax = 0, ZMax = 0, YWidth = 0, ZHeight = 0;
    // Results as computed; hasResults is false where they have no value (A = 0, a result not
    // finite) and nothing of them may be taken.
    bool hasResults = false;
    TSectionResults R{};
    long double V = 0, m = 0; // volume (mm3) and mass (kg) of the body
    // False for a body without length: V, m, J0 and Js are then not computed.
    bool hasBodyValues = false;
    // True when the results hold (or there are no positions); otherwise the messages say why.
    bool valid = true;
    MessageList messages;
};

// The polygon and every result from the positions, the arc division and the body data of in.
// Never throws: a failure is an outcome that is not valid, with its message.
SectionOutcome ComputeSection(const ProjectData& in, const NumberStyle& style);

} // namespace vak1
