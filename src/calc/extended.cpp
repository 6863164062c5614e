// Extended section values. The plastic neutral axes are found on the polygon itself: the
// polygon is clipped by a half-plane (the clipped outline keeps the winding number of every
// point inside the half-plane, so its edge integrals are exact even for re-entrant contours
// and slits), and the cut is moved until both parts have half the area.
#include "calc/extended.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/section.h"
#include "model/messages.h"
#include "model/angles.h"

namespace vak1 {
namespace {

// A point in the frame of an axis through the centroid: u along the axis, v along its normal.
struct UV {
    long double u = 0, v = 0;
};

struct Frame {
    long double ys = 0, zs = 0, c = 1, s = 0; // cosine and sine of the axis direction

    UV Of(long double y, long double z) const {
        const long double dy = y - ys, dz = z - zs;
        return {c * dy + s * dz, -s * dy + c * dz};
    }
};

// Area and first moment about the axis (integral of v) of a closed outline fed point by point.
struct Accumulator {
    bool any = false;
    UV first, prev;
    long double twiceA = 0, sixQ = 0;

    void Edge(const UV& a, const UV& b) {
        const long double cross = a.u * b.v - b.u * a.v;
        twiceA += cross;
        sixQ += cross * (a.v + b.v);
    }
    void Add(const UV& p) {
        if (any)
            Edge(prev, p);
        else
            first = p;
        any = true;
        prev = p;
    }
    void Close() {
        if (any) Edge(prev, first);
    }
    long double A() const { return twiceA / 2; }
    long double Q() const { return sixQ / 6; }
};

// The part of the polygon with v >= cut (above) or v <= cut (below), by one clipping pass.
Accumulator ClipPart(const std::vector<UV>& pts, long double cut, bool above) {
    Accumulator acc;
    auto keep = [&](long double v) { return above ? v >= cut : v <= cut; };
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i) {
        const UV& a = pts[i];
        const UV& b = pts[(i + 1) % n];
        const bool inA = keep(a.v), inB = keep(b.v);
        if (inA) acc.Add(a);
        if (inA != inB) {
            const long double t = (cut - a.v) / (b.v - a.v);
            acc.Add({a.u + t * (b.u - a.u), cut});
        }
    }
    acc.Close();
    return acc;
}

// Second moment of the section about the axis of direction (c, s) through the centroid, from
// the centroidal moments.
long double MomentAbout(long double IyS, long double IzS, long double IyzS, long double c,
                        long double s) {
    return s * s * IzS - 2 * s * c * IyzS + c * c * IyS;
}

AxisModuli Moduli(const std::vector<UV>& pts, long double I, long double A) {
    AxisModuli m;
    m.I = I;
    m.i = I > 0 && A > 0 ? std::sqrt(I / A) : 0;
    for (const UV& q : pts) {
        m.ePos = std::max(m.ePos, q.v);
        m.eNeg = std::max(m.eNeg, -q.v);
    }
    m.WPos = m.ePos > 0 ? I / m.ePos : 0;
    m.WNeg = m.eNeg > 0 ? I / m.eNeg : 0;
    return m;
}

// sign turns the integrals of a clockwise polygon into those of the counter-clockwise one.
PlasticAxis Plastic(const std::vector<UV>& pts, const Frame& f, long double sign, long double A,
                    const AxisModuli& elastic) {
    long double lo = pts.front().v, hi = lo;
    for (const UV& q : pts) {
        lo = std::min(lo, q.v);
        hi = std::max(hi, q.v);
    }
    // The area above the cut falls from A to 0 as the cut rises.
    for (int k = 0; k < 200; ++k) {
        const long double mid = (lo + hi) / 2;
        if (!(mid > lo && mid < hi)) break;
        if (sign * ClipPart(pts, mid, true).A() > A / 2)
            lo = mid;
        else
            hi = mid;
    }
    const long double cut = (lo + hi) / 2;
    const Accumulator up = ClipPart(pts, cut, true), down = ClipPart(pts, cut, false);
    PlasticAxis p;
    p.offset = cut;
    p.Wpl = sign * ((up.Q() - cut * up.A()) + (cut * down.A() - down.Q()));
    p.y = f.ys - f.s * cut;
    p.z = f.zs + f.c * cut;
    const long double wel = std::min(elastic.WPos, elastic.WNeg);
    p.shapeFactor = wel > 0 ? p.Wpl / wel : 0;
    return p;
}

// Straight position edges, each with whether the contour also runs it backwards (the two
// sides of a slit, which bound no material).
struct StraightEdge {
    const TPosition* a;
    const TPosition* b;
    bool slit = false;
};

std::vector<StraightEdge> StraightEdges(const ProjectData& p) {
    std::vector<StraightEdge> edges;
    const std::size_t n = p.Positions.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool closing = i + 1 == n;
        const TPosition& P = p.Positions[i];
        const TPosition& Q = p.Positions[closing ? 0 : i + 1];
        if (!closing && P.phi != 0) continue;
        if (P.y == Q.y && P.z == Q.z) continue;
        edges.push_back({&P, &Q});
    }
    for (auto& e : edges)
        for (const auto& other : edges)
            if (e.a->y == other.b->y && e.a->z == other.b->z && e.b->y == other.a->y &&
                e.b->z == other.a->z)
                e.slit = true;
    return edges;
}

long double Length(long double dy, long double dz) {
    return std::sqrt(dy * dy + dz * dz);
}

long double SlitLength(const ProjectData& p) {
    long double sum = 0;
    for (const auto& e : StraightEdges(p))
        if (e.slit) sum += Length(e.b->y - e.a->y, e.b->z - e.a->z);
    return sum;
}

// Integrals of a region: area, first moments (of z and y) and second moments.
struct Integrals {
    long double A = 0, Hy = 0, Hz = 0, Iy = 0, Iz = 0, Iyz = 0;
};

void AddChord(Integrals& r, long double y1, long double z1, long double y2, long double z2) {
    const long double c = y1 * z2 - y2 * z1;
    r.A += c / 2;
    r.Hz += (y1 + y2) * c / 6;
    r.Hy += (z1 + z2) * c / 6;
    r.Iy += (z1 * z1 + z1 * z2 + z2 * z2) * c / 12;
    r.Iz += (y1 * y1 + y1 * y2 + y2 * y2) * c / 12;
    r.Iyz += (y1 * z2 + 2 * y1 * z1 + 2 * y2 * z2 + y2 * z1) * c / 24;
}

// The circular segment between the chord and the arc of angle phi about centre (yc, zc) with
// radius r, starting at polar angle a1; counted negative for a clockwise arc. In the
// segment's own frame (x from the centre to the arc's middle, w across) with half angle t:
// area r^2/2 (2t - sin 2t), integral of x 2/3 r^3 sin^3 t, of w and x w zero, of x^2 and w^2
// the sector's r^4/8 (2t +- sin 2t) less the triangle's r^4 sin t cos^3 t / 2 and
// r^4 sin^3 t cos t / 6.
void AddSegment(Integrals& r, long double yc, long double zc, long double radius, long double a1,
                long double phi) {
    const long double t = std::fabs(phi) / 2;
    const long double st = std::sin(t), ct = std::cos(t), s2 = std::sin(2 * t);
    const long double r2 = radius * radius, r4 = r2 * r2;
    const long double As = r2 / 2 * (2 * t - s2);
    const long double Sx = 2.0L / 3 * r2 * radius * st * st * st;
    const long double Ixx = r4 / 8 * (2 * t + s2) - r4 * st * ct * ct * ct / 2;
    const long double Iww = r4 / 8 * (2 * t - s2) - r4 * st * st * st * ct / 6;
    const long double mid = a1 + phi / 2;
    const long double dy = std::cos(mid), dz = std::sin(mid);
    const long double sign = phi < 0 ? -1 : 1;
    r.A += sign * As;
    r.Hz += sign * (yc * As + dy * Sx);
    r.Hy += sign * (zc * As + dz * Sx);
    r.Iz += sign * (yc * yc * As + 2 * yc * dy * Sx + dy * dy * Ixx + dz * dz * Iww);
    r.Iy += sign * (zc * zc * As + 2 * zc * dz * Sx + dz * dz * Ixx + dy * dy * Iww);
    r.Iyz += sign * (yc * zc * As + (yc * dz + zc * dy) * Sx + dy * dz * (Ixx - Iww));
}

} // namespace

bool ComputeExtendedValues(const ProjectData& p, ExtendedValues& out) {
    const TSectionResults& R = p.R;
    if (p.CalcError || p.PolyPoints.size() < 4 || R.A == 0 || !std::isfinite(R.A)) return false;
    out = ExtendedValues{};
    const long double sign = R.A < 0 ? -1 : 1;
    const long double A = sign * R.A;
    const long double IyS = sign * R.IyS, IzS = sign * R.IzS, IyzS = sign * R.IyzS;
    out.A = A;

    long double U = 0;
    for (std::size_t j = 0; j + 1 < p.PolyPoints.size(); ++j)
        U += Length(p.PolyPoints[j + 1].y - p.PolyPoints[j].y,
                    p.PolyPoints[j + 1].z - p.PolyPoints[j].z);
    out.U = U - SlitLength(p);

    // Axis 1 carries the larger moment I1; the standard angle phi may name either axis.
    const long double c = std::cos(R.phi), s = std::sin(R.phi);
    const bool firstAtPhi = MomentAbout(IyS, IzS, IyzS, c, s) >= MomentAbout(IyS, IzS, IyzS, -s, c);
    out.angle1 = firstAtPhi ? R.phi : R.phi + kPi / 2;
    if (out.angle1 > kPi / 2) out.angle1 -= kPi;

    const Frame frames[4] = {{R.ys, R.zs, 1, 0},  // y axis, normal +z
                             {R.ys, R.zs, 0, -1}, // z axis, normal +y
                             {R.ys, R.zs, std::cos(out.angle1), std::sin(out.angle1)},   // axis 1
                             {R.ys, R.zs, -std::sin(out.angle1), std::cos(out.angle1)}}; // axis 2
    AxisModuli* moduli[4] = {&out.y, &out.z, &out.axis1, &out.axis2};
    std::vector<UV> pts(p.PolyPoints.size() - 1);
    for (int k = 0; k < 4; ++k) {
        const Frame& f = frames[k];
        for (std::size_t j = 0; j < pts.size(); ++j)
            pts[j] = f.Of(p.PolyPoints[j].y, p.PolyPoints[j].z);
        *moduli[k] = Moduli(pts, MomentAbout(IyS, IzS, IyzS, f.c, f.s), A);
        if (k == 2) out.plastic1 = Plastic(pts, f, sign, A, out.axis1);
        if (k == 3) out.plastic2 = Plastic(pts, f, sign, A, out.axis2);
    }
    return true;
}

bool ComputeExactArcValues(const ProjectData& p, const NumberStyle& settings,
                           ExactSectionValues& out) {
    out = ExactSectionValues{};
    // Two positions joined by an arc and the closing chord already bound an area.
    const std::size_t n = p.Positions.size();
    if (n < 2) return false;
    // Integrated about the first position: far from the origin the moments about it would
    // be differences of large, nearly equal numbers.
    const long double y0 = p.Positions[0].y, z0 = p.Positions[0].z;
    Integrals r;
    long double arcs = 0;
    MessageList ignored;
    for (std::size_t i = 0; i < n; ++i) {
        const TPosition& P0 = p.Positions[i];
        const TPosition& Q0 = p.Positions[i + 1 == n ? 0 : i + 1];
        const TPosition P{P0.y - y0, P0.z - z0, P0.phi}, Q{Q0.y - y0, Q0.z - z0, Q0.phi};
        AddChord(r, P.y, P.z, Q.y, Q.z);
        if (i + 1 == n || P.phi == 0 || (P0.y == Q0.y && P0.z == Q0.z)) continue;
        ArcCenter c;
        if (!GetArcCenter(P.y, P.z, Q.y, Q.z, P.phi, c, ignored, settings)) continue;
        const long double a1 = std::atan2(P.z - c.zc, P.y - c.yc);
        AddSegment(r, c.yc, c.zc, c.r, a1, P.phi);
        arcs += c.r * std::fabs(P.phi);
    }
    long double straight = 0;
    for (const auto& e : StraightEdges(p))
        if (!e.slit) straight += Length(e.b->y - e.a->y, e.b->z - e.a->z);
    out.U = straight + arcs;

    if (r.A == 0) return false;
    out.A = r.A;
    out.Hy = r.Hy;
    out.Hz = r.Hz;
    out.Iy = r.Iy;
    out.Iz = r.Iz;
    out.Iyz = r.Iyz;
    CentroidAndPrincipal(out); // by the rules of the standard calculation
    // Back to the origin: the centroidal and principal values stay as they are.
    out.ys += y0;
    out.zs += z0;
    out.Iy = r.Iy + 2 * z0 * r.Hy + z0 * z0 * r.A;
    out.Iz = r.Iz + 2 * y0 * r.Hz + y0 * y0 * r.A;
    out.Iyz = r.Iyz + y0 * r.Hy + z0 * r.Hz + y0 * z0 * r.A;
    out.Hy = r.Hy + z0 * r.A;
    out.Hz = r.Hz + y0 * r.A;
    for (long double v : {out.A, out.Iy, out.Iz, out.Iyz, out.I1, out.I2, out.U})
        if (!std::isfinite(v)) return false;
    return true;
}

std::vector<ContourArcPoint> CounterClockwiseArcContour(const ProjectData& p,
                                                        const NumberStyle& settings) {
    std::vector<ContourArcPoint> pts;
    MessageList ignored;
    for (std::size_t i = 0; i < p.Positions.size(); ++i) {
        const TPosition& P = p.Positions[i];
        ContourArcPoint q{P.y, P.z, 0};
        if (i + 1 < p.Positions.size() && P.phi != 0) {
            // Arcs the calculation draws as straight lines stay straight here too.
            const TPosition& Q = p.Positions[i + 1];
            ArcCenter c;
            if (std::sin(P.phi / 2) != 0 && !(P.y == Q.y && P.z == Q.z) &&
                GetArcCenter(P.y, P.z, Q.y, Q.z, P.phi, c, ignored, settings))
                q.phi = P.phi;
        }
        pts.push_back(q);
    }
    if (p.R.A < 0) {
        // Reversed, the edge from point k to k + 1 is the old edge from n - 2 - k to n - 1 - k
        // run backwards.
        const std::size_t n = pts.size();
        std::vector<ContourArcPoint> rev(n);
        for (std::size_t k = 0; k < n; ++k) {
            rev[k] = pts[n - 1 - k];
            rev[k].phi = -pts[(2 * n - 2 - k) % n].phi;
        }
        pts.swap(rev);
    }
    return pts;
}

std::vector<ContourPoint> CounterClockwiseContour(const ProjectData& p) {
    std::vector<ContourPoint> pts;
    const long double tol = 1e-12L * std::max(p.YWidth, p.ZHeight);
    auto same = [&](const ContourPoint& a, const TPolyPoint& b) {
        return std::fabs(a.y - b.y) <= tol && std::fabs(a.z - b.z) <= tol;
    };
    for (std::size_t j = 0; j + 1 < p.PolyPoints.size(); ++j) {
        const TPolyPoint& q = p.PolyPoints[j];
        if (!pts.empty() && same(pts.back(), q)) continue;
        pts.push_back({q.y, q.z});
    }
    while (pts.size() > 1 && same(pts.front(), TPolyPoint{pts.back().y, pts.back().z}))
        pts.pop_back();
    if (p.R.A < 0) std::reverse(pts.begin(), pts.end());
    return pts;
}

} // namespace vak1
