// Hatching of the form sheet's section: the exact contour goes to the CAD layer while a chord
// polygon is collected in a fixed buffer, which is then filled by parallel lines.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace vak1 {

struct CadContext;

constexpr uint16_t kHatchPoints = 2000; // chord polygon points, closing point included
constexpr int kHatchIntersections = 10; // per hatch line
constexpr int kHatchLines = 10000;      // per hatching

struct HatchPoint {
    long double x = 0, y = 0;
};

// The buffers live for the whole run; a hatching never allocates.
struct HatchBuffer {
    HatchBuffer() : points(kHatchPoints + 1) {}
    std::vector<HatchPoint> points; // 1-based, 1..kHatchPoints
    uint16_t count = 0;             // may pass kHatchPoints; those points are not stored
    long double prevPhi = 0;        // arc angle of the previous vertex, radians
    std::array<HatchPoint, kHatchIntersections + 1> cut{}; // intersections of one line, 1-based
    std::array<long double, kHatchIntersections + 1> dist{};
    std::array<int, kHatchIntersections + 1> order{};
    int cutCount = 0;
};

void HatchBegin(const CadContext& cx, bool closed);
// phi: arc angle in radians from this vertex to the next; x, y in drawing units.
void HatchVertex(const CadContext& cx, long double phi, long double x, long double y);
// count 0: every collected point; angle in degrees; spacing 0: automatic (nine lines).
void HatchEnd(const CadContext& cx, uint16_t count, long double angle, long double spacing);
void HatchFill(const CadContext& cx, uint16_t n, long double angle, long double spacing);

// Chords of an arc of angle phi (radians) in the chord polygon.
int HatchChords(long double phi);

} // namespace vak1
