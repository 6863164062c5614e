// Section values beyond area and moments: perimeter, radii of gyration, elastic and plastic
// section moduli from the polygon of the last calculation, and the section values with every
// arc integrated exactly as a circular segment instead of its chords.
#pragma once
#include <vector>

#include "model/ProjectData.h"
#include "text/formats.h"

namespace vak1 {

// Bending about one axis through the centroid. The positive side is the side the axis normal
// points to: +z for the y axis, +y for the z axis, and for a principal axis of direction
// angle a the normal (-sin a, cos a).
struct AxisModuli {
    long double I = 0;              // second moment about the axis
    long double i = 0;              // radius of gyration sqrt(I / A)
    long double ePos = 0, eNeg = 0; // largest distance of a polygon point on each side
    long double WPos = 0, WNeg = 0; // elastic section moduli I / e (0 where e is 0)
};

// Bending about a principal axis in the fully plastic state.
struct PlasticAxis {
    long double Wpl = 0;         // plastic section modulus
    long double offset = 0;      // plastic neutral axis: distance from the centroid along the
                                 // axis normal (signed)
    long double y = 0, z = 0;    // its point nearest to the centroid
    long double shapeFactor = 0; // Wpl over the smaller elastic modulus of the axis
};

// Values of a section of either orientation; they are those of the counter-clockwise contour,
// so areas and moments are positive.
struct ExtendedValues {
    long double A = 0;
    long double U = 0;      // perimeter of the chord polygon; edges run to and fro (slits) left out
    long double angle1 = 0; // direction of principal axis 1 (moment I1) from the y axis, radians
    AxisModuli y, z, axis1, axis2;
    PlasticAxis plastic1, plastic2;
};

// False when the project holds no valid calculation (CalcError, no polygon, A = 0).
bool ComputeExtendedValues(const ProjectData& p, ExtendedValues& out);

// Section values with exact arcs, in the signs of the standard calculation (a clockwise
// contour gives negative area and moments; I1 >= I2 >= 0 for both).
// Ip0 and the body values (J0, Js) stay 0.
struct ExactSectionValues : TSectionResults {
    long double U = 0; // perimeter with the arcs' true length
};

// False when the contour has fewer than three positions, its area is 0 or a value is not
// finite.
bool ComputeExactArcValues(const ProjectData& p, const NumberStyle& settings,
                           ExactSectionValues& out);

// The chord polygon of the last calculation as an open counter-clockwise point list: the
// closing point and points that repeat their predecessor are left out.
struct ContourPoint {
    long double y = 0, z = 0;
};
std::vector<ContourPoint> CounterClockwiseContour(const ProjectData& p);

// The contour of the positions with its true arcs, counter-clockwise: phi is the angle of the
// arc from the point to the next one (positive counter-clockwise about its centre, 0 for a
// straight edge); the last point runs straight back to the first.
struct ContourArcPoint {
    long double y = 0, z = 0, phi = 0;
};
std::vector<ContourArcPoint> CounterClockwiseArcContour(const ProjectData& p,
                                                        const NumberStyle& settings);

} // namespace vak1
