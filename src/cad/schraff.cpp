// Hatching: chord polygon collection and the scan-line fill.
#include "cad/schraff.h"

#include <cmath>
#include <numbers>

#include "model/angles.h"
#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "cad/cad.h"
#include "calc/section.h"
#include "model/messages.h"

namespace vak1 {

namespace {

void Append(const CadContext& cx, long double x, long double y) {
    HatchBuffer& h = cx.Hatch;
    if (h.count >= kHatchPoints) {
        // The count still grows, so the fill refuses the incomplete polygon.
        if (h.count < UINT16_MAX) ++h.count;
        AddMessage(cx.Messages, "Schraffurfehler");
        return;
    }
    ++h.count;
    h.points[h.count] = {x, y};
}

// Intersections of the line y = m x + b with the polygon edges 1..n; false after the 11th.
bool CutLine(const CadContext& cx, uint16_t n, long double m, long double b) {
    HatchBuffer& h = cx.Hatch;
    h.cutCount = 0;
    for (uint16_t i = 1; i < n; ++i) {
        const HatchPoint& p = h.points[i];
        const HatchPoint& q = h.points[i + 1];
        long double x = 0, y = 0;
        bool counts = false;
        if (std::fabs(q.x - p.x) >= 0.000001L) {
            const long double s = (q.y - p.y) / (q.x - p.x);
            const long double c = p.y - s * p.x;
            if (s != m) {
                x = (c - b) / (m - s);
                y = c + s * x;
                counts = std::fmin(p.x, q.x) < x && x < std::fmax(p.x, q.x);
            }
        } else {
            x = p.x;
            y = b + m * x;
            counts = std::fmin(p.y, q.y) < y && y < std::fmax(p.y, q.y);
        }
        if (!counts) continue;
        if (h.cutCount == kHatchIntersections) {
            AddMessage(cx.Messages, "Fatal  : schraff schnittp");
            cx.AbortFlag = 1;
            return false;
        }
        h.cut[static_cast<std::size_t>(++h.cutCount)] = {x, y};
    }
    return true;
}

// Orders the intersections of one line by their distance from the leftmost one and joins
// them in pairs.
void JoinPairs(const CadContext& cx) {
    HatchBuffer& h = cx.Hatch;
    const int n = h.cutCount;
    if (n < 2) return;
    int ref = 1;
    for (int i = 2; i <= n; ++i)
        if (h.cut[static_cast<std::size_t>(i)].x < h.cut[static_cast<std::size_t>(ref)].x) ref = i;
    const HatchPoint r = h.cut[static_cast<std::size_t>(ref)];
    for (int i = 1; i <= n; ++i) {
        const HatchPoint& c = h.cut[static_cast<std::size_t>(i)];
        h.dist[static_cast<std::size_t>(i)] = std::hypot(c.x - r.x, c.y - r.y);
        h.order[static_cast<std::size_t>(i)] = i;
    }
    for (int i = 2; i <= n; ++i) { // insertion sort: at most ten keys
        const int k = h.order[static_cast<std::size_t>(i)];
        int j = i - 1;
        while (j >= 1 && h.dist[static_cast<std::size_t>(h.order[static_cast<std::size_t>(j)])] >
                             h.dist[static_cast<std::size_t>(k)]) {
            h.order[static_cast<std::size_t>(j + 1)] = h.order[static_cast<std::size_t>(j)];
            --j;
        }
        h.order[static_cast<std::size_t>(j + 1)] = k;
    }
    for (int i = 1; i + 1 <= n; i += 2) {
        const HatchPoint& a = h.cut[static_cast<std::size_t>(h.order[static_cast<std::size_t>(i)])];
        const HatchPoint& b =
            h.cut[static_cast<std::size_t>(h.order[static_cast<std::size_t>(i + 1)])];
        CadLine(cx, a.x, a.y, b.x, b.y);
    }
}

} // namespace

int HatchChords(long double phi) {
    // More chords than the buffer holds would only overflow it: the count stops there (also
    // for angles no integer can hold, and for non-finite ones).
    const long double n = std::round(std::fabs(phi) * kDegPerRad / 15);
    if (!(n < kHatchPoints)) return kHatchPoints;
    return n < 3 ? 3 : static_cast<int>(n);
}

void HatchBegin(const CadContext& cx, bool closed) {
    CadPolyBegin(cx, closed);
    cx.Hatch.count = 0;
    cx.Hatch.prevPhi = 0;
}

void HatchVertex(const CadContext& cx, long double phi, long double x, long double y) {
    CadVertex(cx, x, y, phi);
    HatchBuffer& h = cx.Hatch;
    if (h.count == 0 || h.prevPhi == 0 || h.count > kHatchPoints) {
        Append(cx, x, y);
    } else {
        const HatchPoint p = h.points[h.count];
        const long double phiArc = h.prevPhi;
        ArcCenter c;
        GetArcCenter(p.x, p.y, x, y, phiArc, c, cx.Messages, cx.Config);
        const long double t0 = phiArc >= 0 ? c.a1 : c.a2;
        const int k = HatchChords(phiArc);
        for (int j = 0; j <= k && h.count <= kHatchPoints; ++j) {
            const long double t = t0 + j * phiArc / k;
            Append(cx, c.yc + c.r * std::cos(t), c.zc + c.r * std::sin(t));
        }
    }
    h.prevPhi = phi;
}

void HatchEnd(const CadContext& cx, uint16_t count, long double angle, long double spacing) {
    CadPolyEnd(cx);
    HatchFill(cx, count == 0 ? cx.Hatch.count : count, angle, spacing);
}

void HatchFill(const CadContext& cx, uint16_t n, long double angle, long double spacing) {
    HatchBuffer& h = cx.Hatch;
    h.cutCount = 0;
    if (n > kHatchPoints) {
        AddMessage(cx.Messages, "Fatal  : n schraff !");
        return;
    }
    if (n == 0) return;
    if (h.points[n].x != h.points[1].x || h.points[n].y != h.points[1].y) {
        if (n == kHatchPoints) {
            AddMessage(cx.Messages, "Fatal  : n schraff !");
            return;
        }
        ++n;
        h.points[n] = h.points[1];
    }
    const long double m = std::tan(angle * kRadPerDeg);
    CadSetLayer(cx, 5);
    CadPolyBegin(cx, false);
    for (uint16_t i = 1; i <= n; ++i)
        CadVertex(cx, h.points[i].x, h.points[i].y, 0);
    CadPolyEnd(cx);

    long double bmin = 1e30L, bmax = -1e30L;
    for (uint16_t i = 1; i <= n; ++i) {
        const long double b = h.points[i].y - m * h.points[i].x;
        bmin = std::fmin(bmin, b);
        bmax = std::fmax(bmax, b);
    }
    if (angle == 0) return;
    const long double step =
        spacing == 0 ? 0.1L * (bmax - bmin) : spacing / std::cos(angle * kRadPerDeg);
    // A step that does not advance would never reach the far side.
    if (!(step > 0) || !std::isfinite(step)) return;
    CadSetLayer(cx, 3);
    long double b = bmin;
    int lines = 0;
    do {
        b += step;
        // Far from the origin a step can be too small to move b on.
        if (++lines > kHatchLines) {
            AddMessage(cx.Messages, "Schraffurfehler");
            return;
        }
        if (!CutLine(cx, n, m, b)) return;
        JoinPairs(cx);
    } while (b < bmax);
}

} // namespace vak1
