// Chains of a drawing: ends joined within the tolerance, checks on a fine chord polygon of
// every chain (arcs in steps of at most one degree), slits to the holes.
#include "cad/dxfchains.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <set>

#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kChordStep = kPi / 180;

struct Vertex {
    long double x = 0, y = 0, phi = 0; // phi: the arc to the next vertex
};

struct Chain {
    std::vector<Vertex> v;
    bool polyline = false;
    std::set<int> layers;
    std::vector<DxfPoint> ring; // chord polygon, closed implicitly
    long double area = 0;       // signed, with exact arcs
    DxfPoint lo, hi;            // bounding box of the ring
};

std::string Num(long double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6Lg", std::fabs(v) < 5e-13L ? 0.0L : v);
    return buf;
}

std::string At(DxfPoint p) {
    return "(" + Num(p.x) + ", " + Num(p.y) + ")";
}

long double Dist(DxfPoint a, DxfPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

long double Cross(DxfPoint o, DxfPoint a, DxfPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Points of the arc from a to b (without a and b).
void ArcPoints(DxfPoint a, DxfPoint b, long double phi, std::vector<DxfPoint>& out) {
    const long double dx = b.x - a.x, dy = b.y - a.y;
    const long double t = std::tan(phi / 2);
    if (t == 0 || (dx == 0 && dy == 0)) return;
    const long double k = 0.5L / t; // centre = midpoint + k * left normal of the chord
    const DxfPoint c{(a.x + b.x) / 2 - k * dy, (a.y + b.y) / 2 + k * dx};
    const long double r = Dist(a, c);
    const long double a0 = std::atan2(a.y - c.y, a.x - c.x);
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(phi) / kChordStep)));
    for (int i = 1; i < n; ++i) {
        const long double w = a0 + phi * i / n;
        out.push_back({c.x + r * std::cos(w), c.y + r * std::sin(w)});
    }
}

void Finish(Chain& c) {
    c.ring.clear();
    c.area = 0;
    const std::size_t n = c.v.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vertex& p = c.v[i];
        const Vertex& q = c.v[(i + 1) % n];
        c.ring.push_back({p.x, p.y});
        c.area += (p.x * q.y - q.x * p.y) / 2;
        if (p.phi == 0) continue;
        ArcPoints({p.x, p.y}, {q.x, q.y}, p.phi, c.ring);
        const long double h = Dist({p.x, p.y}, {q.x, q.y}) / 2;
        const long double r = h / std::sin(std::fabs(p.phi) / 2);
        c.area += r * r / 2 * (p.phi - std::sin(p.phi));
    }
    c.lo = c.hi = c.ring.front();
    for (const DxfPoint& p : c.ring) {
        c.lo = {std::min(c.lo.x, p.x), std::min(c.lo.y, p.y)};
        c.hi = {std::max(c.hi.x, p.x), std::max(c.hi.y, p.y)};
    }
}

void Reverse(Chain& c) {
    const std::size_t n = c.v.size();
    std::vector<Vertex> r(n);
    for (std::size_t i = 0; i < n; ++i) {
        // The edge from v[i] to v[i+1] becomes the edge from v[i+1] to v[i].
        r[n - 1 - i] = {c.v[(i + 1) % n].x, c.v[(i + 1) % n].y, -c.v[i].phi};
    }
    c.v = std::move(r);
    Finish(c);
}

bool OnSegment(DxfPoint p, DxfPoint a, DxfPoint b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether the segments meet (touching counts), and where.
bool Meet(DxfPoint p1, DxfPoint p2, DxfPoint q1, DxfPoint q2, DxfPoint& at) {
    const long double d1 = Cross(q1, q2, p1), d2 = Cross(q1, q2, p2);
    const long double d3 = Cross(p1, p2, q1), d4 = Cross(p1, p2, q2);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        const long double t = d1 / (d1 - d2);
        at = {p1.x + t * (p2.x - p1.x), p1.y + t * (p2.y - p1.y)};
        return true;
    }
    if (d1 == 0 && OnSegment(p1, q1, q2)) return at = p1, true;
    if (d2 == 0 && OnSegment(p2, q1, q2)) return at = p2, true;
    if (d3 == 0 && OnSegment(q1, p1, p2)) return at = q1, true;
    if (d4 == 0 && OnSegment(q2, p1, p2)) return at = q2, true;
    return false;
}

// The first place where two edges of the chord polygons meet that are no neighbours in one
// chain: same is true when both edges belong to the same chain. Swept along x, so that only
// edges whose x ranges overlap are compared.
bool FirstMeeting(const std::vector<Chain>& cs, DxfPoint& at, bool& same) {
    struct Edge {
        long double x0, x1;
        std::size_t chain, index;
    };
    std::vector<Edge> edges;
    for (std::size_t c = 0; c < cs.size(); ++c) {
        const std::size_t n = cs[c].ring.size();
        for (std::size_t i = 0; i < n; ++i) {
            const DxfPoint p = cs[c].ring[i], q = cs[c].ring[(i + 1) % n];
            edges.push_back({std::min(p.x, q.x), std::max(p.x, q.x), c, i});
        }
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.x0 < b.x0; });
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const Edge& e = edges[i];
        const std::vector<DxfPoint>& r = cs[e.chain].ring;
        const DxfPoint p1 = r[e.index], p2 = r[(e.index + 1) % r.size()];
        for (std::size_t j = i + 1; j < edges.size() && edges[j].x0 <= e.x1; ++j) {
            const Edge& f = edges[j];
            const std::vector<DxfPoint>& s = cs[f.chain].ring;
            if (e.chain == f.chain) {
                const std::size_t n = s.size();
                if ((e.index + 1) % n == f.index || (f.index + 1) % n == e.index) continue;
            }
            if (Meet(p1, p2, s[f.index], s[(f.index + 1) % s.size()], at)) {
                same = e.chain == f.chain;
                return true;
            }
        }
    }
    return false;
}

bool Inside(DxfPoint p, const Chain& c) {
    bool in = false;
    const std::size_t n = c.ring.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const DxfPoint a = c.ring[i], b = c.ring[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

// Union-find over the ends of the loose pieces.
struct Clusters {
    std::vector<std::size_t> parent;
    explicit Clusters(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
    std::size_t Find(std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    }
    void Join(std::size_t a, std::size_t b) { parent[Find(a)] = Find(b); }
};

struct Chains {
    std::vector<Chain> closed;
    std::vector<DxfPoint> freeEnds;
    std::vector<std::pair<DxfPoint, std::size_t>> branches; // point, ends meeting there
};

Chains BuildChains(const DxfShapes& shapes, long double tol, int layer) {
    Chains out;
    auto wanted = [layer](const DxfPiece& p) { return layer < 0 || p.layer == layer; };
    for (const DxfClosedGroup& g : shapes.closed) {
        if (g.pieces.empty() || !wanted(g.pieces.front())) continue;
        Chain c;
        c.polyline = g.polyline;
        for (const DxfPiece& p : g.pieces) {
            // An edge shorter than the tolerance joins its two ends.
            if (Dist(p.a, p.b) <= tol) continue;
            c.v.push_back({p.a.x, p.a.y, p.phi});
            c.layers.insert(p.layer);
        }
        if (c.v.size() >= 2) out.closed.push_back(std::move(c));
    }

    std::vector<DxfPiece> pieces;
    for (const DxfPiece& p : shapes.loose)
        if (wanted(p) && !(p.phi == 0 && Dist(p.a, p.b) <= tol)) pieces.push_back(p);
    const std::size_t ends = 2 * pieces.size();
    auto end = [&pieces](std::size_t e) { return e % 2 ? pieces[e / 2].b : pieces[e / 2].a; };
    std::vector<std::size_t> order(ends);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t i, std::size_t j) { return end(i).x < end(j).x; });
    Clusters cl(ends);
    for (std::size_t i = 0; i < ends; ++i)
        for (std::size_t j = i + 1; j < ends && end(order[j]).x - end(order[i]).x <= tol; ++j)
            if (Dist(end(order[i]), end(order[j])) <= tol) cl.Join(order[i], order[j]);
    std::vector<std::vector<std::size_t>> members(ends);
    for (std::size_t e = 0; e < ends; ++e)
        members[cl.Find(e)].push_back(e);
    for (std::size_t e = 0; e < ends; ++e) {
        if (members[e].size() == 1) out.freeEnds.push_back(end(e));
        if (members[e].size() > 2) out.branches.push_back({end(e), members[e].size()});
    }

    std::vector<bool> used(pieces.size(), false);
    // From the end e through its piece and on while the ends meet in pairs.
    auto walk = [&](std::size_t e, Chain& c) {
        for (;;) {
            const std::size_t k = e / 2;
            used[k] = true;
            const DxfPiece& p = pieces[k];
            c.v.push_back(e % 2 ? Vertex{p.b.x, p.b.y, -p.phi} : Vertex{p.a.x, p.a.y, p.phi});
            c.layers.insert(p.layer);
            const std::size_t other = e ^ 1;
            const auto& at = members[cl.Find(other)];
            if (at.size() != 2) return false;
            const std::size_t next = at[0] == other ? at[1] : at[0];
            if (used[next / 2]) return true;
            e = next;
        }
    };
    for (std::size_t e = 0; e < ends; ++e)
        if (!used[e / 2] && members[cl.Find(e)].size() != 2) {
            Chain c;
            walk(e, c);
        }
    for (std::size_t k = 0; k < pieces.size(); ++k)
        if (!used[k]) {
            Chain c;
            walk(2 * k, c);
            // An arc that closes on itself within the tolerance has no circle to keep.
            if (c.v.size() >= 2) out.closed.push_back(std::move(c));
        }
    for (Chain& c : out.closed)
        Finish(c);
    return out;
}

// A slit candidate: a vertex of an unjoined hole and a vertex already in the contour.
struct Bridge {
    long double length;
    std::size_t hole, hv, chain, cv;
};

} // namespace

std::vector<int> LayersOfClosedChains(const DxfShapes& shapes, long double tolerance) {
    const Chains chains = BuildChains(shapes, tolerance, -1);
    std::set<int> layers;
    for (const Chain& c : chains.closed)
        layers.insert(c.layers.begin(), c.layers.end());
    return {layers.begin(), layers.end()};
}

DxfJoinResult JoinDxfContour(const DxfShapes& shapes, long double tol, int layer,
                             std::size_t maxPoints) {
    DxfJoinResult result;
    Chains ch = BuildChains(shapes, tol, layer);
    if (!ch.branches.empty()) {
        result.error = "Verzweigung bei " + At(ch.branches[0].first) + ": " +
                       std::to_string(ch.branches[0].second) + " Enden treffen sich";
        return result;
    }
    if (!ch.freeEnds.empty()) {
        // The gap to close is the nearest pair of loose ends (swept along x).
        std::vector<DxfPoint>& f = ch.freeEnds;
        std::sort(f.begin(), f.end(), [](DxfPoint p, DxfPoint q) { return p.x < q.x; });
        std::size_t bi = 0, bj = f.size() > 1 ? 1 : 0;
        long double best = Dist(f[bi], f[bj]);
        for (std::size_t i = 0; i < f.size(); ++i)
            for (std::size_t j = i + 1; j < f.size() && f[j].x - f[i].x < best; ++j)
                if (Dist(f[i], f[j]) < best) {
                    best = Dist(f[i], f[j]);
                    bi = i, bj = j;
                }
        const DxfPoint a = f[bi], b = f[bj];
        result.error = cp850("Kontur nicht geschlossen: Lücke zwischen ") + At(a) + " und " +
                       At(b) + " (Abstand " + Num(Dist(a, b)) + " mm)";
        return result;
    }
    std::vector<Chain>& cs = ch.closed;
    if (cs.empty()) {
        result.error = cp850("keine geschlossene Polylinie und keine geschlossene Kontur aus "
                             "Linien und Bögen gefunden");
        return result;
    }
    // Positions: every vertex, two more per hole (its slit runs there and back), one more
    // when no straight edge is left to close the contour.
    std::size_t count = 0;
    bool straight = cs.size() > 1;
    for (const Chain& c : cs) {
        count += c.v.size();
        for (const Vertex& v : c.v)
            straight = straight || v.phi == 0;
    }
    count += 2 * (cs.size() - 1) + (straight ? 0 : 1);
    if (count > maxPoints) {
        result.error = std::to_string(count) + " Punkte, zu viele Punkte !";
        return result;
    }

    DxfPoint at;
    bool same = false;
    if (FirstMeeting(cs, at, same)) {
        result.error = same ? "Kontur schneidet sich selbst bei " + At(at)
                            : cp850("Konturen schneiden oder berühren sich bei ") + At(at);
        return result;
    }
    for (const Chain& c : cs) {
        if (!(std::fabs(c.area) > 0)) {
            result.error = cp850("Kontur ohne Fläche bei ") + At(c.ring[0]);
            return result;
        }
    }
    std::size_t outer = 0;
    for (std::size_t i = 1; i < cs.size(); ++i)
        if (std::fabs(cs[i].area) > std::fabs(cs[outer].area)) outer = i;
    std::swap(cs[0], cs[outer]);
    for (std::size_t i = 1; i < cs.size(); ++i) {
        const DxfPoint p = cs[i].ring[0];
        if (!Inside(p, cs[0])) {
            result.error = cp850("Kontur bei ") + At(p) + cp850(" liegt außerhalb der Außenkontur");
            return result;
        }
        for (std::size_t j = 1; j < cs.size(); ++j)
            if (j != i && Inside(p, cs[j])) {
                result.error = "Kontur bei " + At(p) + " liegt in einem Loch";
                return result;
            }
    }
    // A polyline outline keeps its direction, as drawn; a joined one turns counter-clockwise.
    // The holes run the other way, so that their areas are taken away.
    if (!cs[0].polyline && cs[0].area < 0) Reverse(cs[0]);
    const bool ccw = cs[0].area > 0;
    for (std::size_t i = 1; i < cs.size(); ++i)
        if ((cs[i].area > 0) == ccw) Reverse(cs[i]);

    struct Entry {
        Vertex v;
        std::size_t chain, index;
    };
    std::vector<Entry> contour;
    for (std::size_t i = 0; i < cs[0].v.size(); ++i)
        contour.push_back({cs[0].v[i], 0, i});
    std::vector<bool> joined(cs.size(), false);
    joined[0] = true;
    std::set<std::pair<std::size_t, std::size_t>> slitEnds;
    std::vector<std::pair<DxfPoint, DxfPoint>> slits;
    auto point = [&cs](std::size_t c, std::size_t i) {
        return DxfPoint{cs[c].v[i].x, cs[c].v[i].y};
    };
    auto legal = [&](DxfPoint a, DxfPoint b) {
        DxfPoint at;
        for (const Chain& c : cs) {
            const std::size_t n = c.ring.size();
            for (std::size_t k = 0; k < n; ++k) {
                const DxfPoint p = c.ring[k], q = c.ring[(k + 1) % n];
                auto same = [](DxfPoint u, DxfPoint w) { return u.x == w.x && u.y == w.y; };
                if (same(p, a) || same(q, a) || same(p, b) || same(q, b)) continue;
                if (Meet(a, b, p, q, at)) return false;
            }
        }
        for (const auto& [p, q] : slits)
            if (Meet(a, b, p, q, at)) return false;
        const DxfPoint mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
        if (!Inside(mid, cs[0])) return false;
        for (std::size_t j = 1; j < cs.size(); ++j)
            if (Inside(mid, cs[j])) return false;
        return true;
    };
    for (std::size_t round = 1; round < cs.size(); ++round) {
        std::vector<Bridge> bridges;
        for (std::size_t h = 1; h < cs.size(); ++h) {
            if (joined[h]) continue;
            for (std::size_t hv = 0; hv < cs[h].v.size(); ++hv)
                for (std::size_t c = 0; c < cs.size(); ++c) {
                    if (!joined[c]) continue;
                    for (std::size_t cv = 0; cv < cs[c].v.size(); ++cv)
                        if (!slitEnds.count({c, cv}))
                            bridges.push_back({Dist(point(h, hv), point(c, cv)), h, hv, c, cv});
                }
        }
        std::sort(bridges.begin(), bridges.end(),
                  [](const Bridge& a, const Bridge& b) { return a.length < b.length; });
        const Bridge* found = nullptr;
        for (const Bridge& b : bridges)
            if (legal(point(b.hole, b.hv), point(b.chain, b.cv))) {
                found = &b;
                break;
            }
        if (!found) {
            std::size_t h = 1;
            while (joined[h])
                ++h;
            result.error = "kein Steg ohne Schnitt zum Loch bei " + At(point(h, 0));
            return result;
        }
        const Bridge b = *found;
        auto at = std::find_if(contour.begin(), contour.end(), [&b](const Entry& e) {
            return e.chain == b.chain && e.index == b.cv;
        });
        std::vector<Entry> splice;
        Entry from = *at;
        from.v.phi = 0; // the slit into the hole
        splice.push_back(from);
        const Chain& hole = cs[b.hole];
        const std::size_t n = hole.v.size();
        for (std::size_t k = 0; k < n; ++k)
            splice.push_back({hole.v[(b.hv + k) % n], b.hole, (b.hv + k) % n});
        Entry back{hole.v[b.hv], b.hole, n}; // again the first hole point, slit back
        back.v.phi = 0;
        splice.push_back(back);
        Entry again = *at; // the contour goes on from its vertex as before
        again.index = cs[b.chain].v.size();
        splice.push_back(again);
        const std::size_t pos = static_cast<std::size_t>(at - contour.begin());
        contour.erase(contour.begin() + static_cast<std::ptrdiff_t>(pos));
        contour.insert(contour.begin() + static_cast<std::ptrdiff_t>(pos), splice.begin(),
                       splice.end());
        joined[b.hole] = true;
        slitEnds.insert({b.hole, b.hv});
        slitEnds.insert({b.chain, b.cv});
        slits.push_back({point(b.hole, b.hv), point(b.chain, b.cv)});
    }

    // The contour closes straight from its last position to its first: start after a
    // straight edge (the outline's own start when its last edge is one).
    std::size_t start = 0;
    if (contour.back().v.phi != 0) {
        for (std::size_t i = 0; i < contour.size(); ++i)
            if (contour[i].v.phi == 0) {
                start = (i + 1) % contour.size();
                break;
            }
    }
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const Vertex& v = contour[(start + i) % contour.size()].v;
        result.contour.push_back({v.x, v.y, v.phi});
    }
    if (result.contour.back().phi != 0) {
        DxfContourPoint first = result.contour.front();
        first.phi = 0;
        result.contour.push_back(first);
    }
    result.ok = true;
    return result;
}

} // namespace vak1
