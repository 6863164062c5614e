// The section calculation: polygon of the contour, edge integrals, centroidal, principal
// and body values.
#pragma once
#include "project/messages.h"
#include "project/ProjectData.h"
#include "settings/Settings.h"

namespace vak1 {

struct ArcCenter {
    long double yc = 0, zc = 0, r = 0;
    long double a1 = 0, a2 = 0; // polar angles of the arc's ends about the centre
};

// Circle through (y1, z1) and (y2, z2) with arc angle phi (radians). Returns false, with a
// message, when sin(phi/2) is exactly 0.
bool GetArcCenter(long double y1, long double z1, long double y2, long double z2, long double phi,
                  ArcCenter& out, MessageList& messages, const Settings& settings);

// From A, Hy, Hz, Iy, Iz and Iyz of R: the centroid, the centroidal moments (IpS too), the
// principal angle phi and the principal moments I1 >= I2 (both positive for a clockwise
// contour as for a counter-clockwise one). A must not be 0.
void CentroidAndPrincipal(TSectionResults& R);

// Rebuilds the polygon and every result from the positions. Never throws: a failure sets
// CalcError and leaves its message in the list.
void CalcSection(ProjectData& p, MessageList& messages, const Settings& settings);

} // namespace vak1
