// Meshing with CGAL's constrained Delaunay triangulation and its Delaunay refinement. The
// only file that includes CGAL: its headers take long to compile.
#include "fem/mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <numbers>

#include "text/cp850.h"

namespace vak1 {

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Point = K::Point_2;
using Vb =
    CGAL::Triangulation_vertex_base_with_info_2<int, K, CGAL::Delaunay_mesh_vertex_base_2<K>>;
// A face knows its element, so that the element across an edge gives the edge's midside node.
using Fb = CGAL::Triangulation_face_base_with_info_2<int, K, CGAL::Delaunay_mesh_face_base_2<K>>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
using CDT = CGAL::Constrained_Delaunay_triangulation_2<K, Tds>;
using Criteria = CGAL::Delaunay_mesh_size_criteria_2<CDT>;
using Mesher = CGAL::Delaunay_mesher_2<CDT, Criteria>;
using Face = CDT::Face_handle;

// Beyond this many vertices the mesh would no longer fit a desktop's memory comfortably.
constexpr std::size_t kMaxVertices = 3000000;
// A refinement that goes on far beyond the vertex count the size bound asks for has met a
// contour it cannot resolve.
constexpr double kVertexOverrun = 50;

// Below these the refinement cannot resolve the contour and may not end: an angle of
// 0.001 degrees, an area of a millionth of the squared extent.
constexpr double kMinAngle = 0.001 * std::numbers::pi / 180;
constexpr double kMinAreaToExtent2 = 1e-6;

Point P(const FemPoint& p) {
    return Point(p.y, p.z);
}

// Winding number of the contour about q (q on no edge).
int Winding(const std::vector<FemPoint>& c, double y, double z) {
    int w = 0;
    const std::size_t n = c.size();
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint& a = c[i];
        const FemPoint& b = c[(i + 1) % n];
        const double side = (b.y - a.y) * (z - a.z) - (y - a.y) * (b.z - a.z);
        if (a.z <= z) {
            if (b.z > z && side > 0) ++w;
        } else if (b.z <= z && side < 0) {
            --w;
        }
    }
    return w;
}

// Marks every face bounded by the contour's edges by the winding number of one of its
// points: holes cut in through a slit stay outside.
void MarkDomain(CDT& cdt, const std::vector<FemPoint>& contour) {
    std::map<Face, bool> seen;
    std::vector<Face> stack, component;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        Face start = f;
        if (seen.count(start)) continue;
        const Point c = CGAL::centroid(start->vertex(0)->point(), start->vertex(1)->point(),
                                       start->vertex(2)->point());
        const bool inside = Winding(contour, c.x(), c.y()) != 0;
        stack.assign(1, start);
        seen[start] = true;
        while (!stack.empty()) {
            Face g = stack.back();
            stack.pop_back();
            g->set_in_domain(inside);
            for (int i = 0; i < 3; ++i) {
                Face h = g->neighbor(i);
                if (cdt.is_infinite(h) || cdt.is_constrained(CDT::Edge(g, i)) || seen.count(h))
                    continue;
                seen[h] = true;
                stack.push_back(h);
            }
        }
    }
    for (auto f = cdt.all_faces_begin(); f != cdt.all_faces_end(); ++f)
        if (cdt.is_infinite(f)) f->set_in_domain(false);
}

FemPoint OnCircle(const FemPoint& p, const FemEdgeCircle& c) {
    const double dy = p.y - c.yc, dz = p.z - c.zc, d = std::hypot(dy, dz);
    if (!(d > 0)) return p;
    return {c.yc + c.r * dy / d, c.zc + c.r * dz / d};
}

using VertexKey = std::pair<const void*, const void*>;

VertexKey Key(CDT::Vertex_handle a, CDT::Vertex_handle b) {
    const void* pa = &*a;
    const void* pb = &*b;
    return pa < pb ? VertexKey{pa, pb} : VertexKey{pb, pa};
}

// The refinement splits a contour edge at its middle, which for a chord of an arc lies inside
// the circle: the vertices along such a chord move onto the circle. Returns the circle of
// every triangulation edge along a chord.
std::map<VertexKey, FemEdgeCircle> FitArcs(CDT& cdt, const std::vector<CDT::Vertex_handle>& ends,
                                           const std::vector<FemEdgeCircle>& circles) {
    std::map<VertexKey, FemEdgeCircle> arcEdges;
    struct Chain {
        std::vector<CDT::Vertex_handle> vertices;
        FemEdgeCircle circle;
    };
    std::vector<Chain> chains;
    const std::size_t n = ends.size();
    for (std::size_t k = 0; k < n && k < circles.size(); ++k) {
        if (!(circles[k].r > 0)) continue;
        const CDT::Vertex_handle a = ends[k], b = ends[(k + 1) % n];
        if (a == b) continue;
        const double ay = a->point().x(), az = a->point().y();
        const double dy = b->point().x() - ay, dz = b->point().y() - az;
        const double len2 = dy * dy + dz * dz;
        Chain chain{{a}, circles[k]};
        double at = 0;
        // Along the constraint from a to b: the constrained neighbour on the chord next ahead.
        while (chain.vertices.back() != b) {
            const CDT::Vertex_handle cur = chain.vertices.back();
            CDT::Vertex_handle next;
            double nextAt = 2;
            auto ec = cdt.incident_edges(cur), done = ec;
            do {
                if (!cdt.is_constrained(*ec)) continue;
                const auto f = ec->first;
                const int i = ec->second;
                const CDT::Vertex_handle w =
                    f->vertex(CDT::cw(i)) == cur ? f->vertex(CDT::ccw(i)) : f->vertex(CDT::cw(i));
                if (cdt.is_infinite(w)) continue;
                if (w == b) {
                    next = w;
                    nextAt = 1;
                    continue;
                }
                const double py = w->point().x() - ay, pz = w->point().y() - az;
                const double t = (py * dy + pz * dz) / len2;
                if (std::fabs(dy * pz - dz * py) <= 1e-9 * len2 && t > at && t < 1 && t < nextAt) {
                    next = w;
                    nextAt = t;
                }
            } while (++ec != done);
            if (nextAt > 1) break; // no way along the chord: it stays straight
            chain.vertices.push_back(next);
            at = nextAt;
        }
        if (chain.vertices.back() == b) chains.push_back(std::move(chain));
    }
    // Moved only now: a slit runs along the same chord twice.
    for (const Chain& c : chains) {
        for (std::size_t i = 1; i + 1 < c.vertices.size(); ++i) {
            const auto& v = c.vertices[i];
            const FemPoint p = OnCircle({v->point().x(), v->point().y()}, c.circle);
            v->set_point(Point(p.y, p.z));
        }
        for (std::size_t i = 0; i + 1 < c.vertices.size(); ++i)
            arcEdges[Key(c.vertices[i], c.vertices[i + 1])] = c.circle;
    }
    return arcEdges;
}

} // namespace

bool FindCrossingEdges(const std::vector<FemPoint>& contour, std::size_t& first,
                       std::size_t& second) {
    const std::size_t n = contour.size();
    struct Edge {
        std::size_t index;
        double zMin, zMax, yMin, yMax;
    };
    std::vector<Edge> edges;
    edges.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint& a = contour[i];
        const FemPoint& b = contour[(i + 1) % n];
        edges.push_back(
            {i, std::min(a.z, b.z), std::max(a.z, b.z), std::min(a.y, b.y), std::max(a.y, b.y)});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.zMin < b.zMin; });
    // Sweep in z: only edges whose z ranges overlap can cross.
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const Edge& e = edges[i];
        const Point a = P(contour[e.index]), b = P(contour[(e.index + 1) % n]);
        for (std::size_t j = i + 1; j < edges.size() && edges[j].zMin <= e.zMax; ++j) {
            const Edge& f = edges[j];
            if (f.yMin > e.yMax || f.yMax < e.yMin) continue;
            const Point c = P(contour[f.index]), d = P(contour[(f.index + 1) % n]);
            // Crossing in the inside of both edges; touching points and edges lying on each
            // other are allowed.
            const auto o1 = CGAL::orientation(a, b, c), o2 = CGAL::orientation(a, b, d);
            const auto o3 = CGAL::orientation(c, d, a), o4 = CGAL::orientation(c, d, b);
            if (o1 != CGAL::COLLINEAR && o2 != CGAL::COLLINEAR && o1 != o2 &&
                o3 != CGAL::COLLINEAR && o4 != CGAL::COLLINEAR && o3 != o4) {
                first = std::min(e.index, f.index);
                second = std::max(e.index, f.index);
                return true;
            }
        }
    }
    return false;
}

bool CheckMeshable(const std::vector<FemPoint>& c, std::string& message) {
    const std::size_t n = c.size();
    if (n < 3) return true;
    double yMin = c[0].y, yMax = yMin, zMin = c[0].z, zMax = zMin, twice = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint &p = c[i], &q = c[(i + 1) % n];
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
        zMin = std::min(zMin, p.z);
        zMax = std::max(zMax, p.z);
        twice += (p.y - c[0].y) * (q.z - c[0].z) - (q.y - c[0].y) * (p.z - c[0].z);
    }
    const double extent = std::max(yMax - yMin, zMax - zMin);
    if (std::fabs(twice) / 2 < kMinAreaToExtent2 * extent * extent) {
        message = cp850("Die Kontur ist zu schmal für ein Netz (Fläche unter einem Millionstel "
                        "ihrer Größe im Quadrat): sie lässt sich nicht vernetzen.");
        return false;
    }
    const double orientation = twice < 0 ? -1 : 1;
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint &p = c[i], &prev = c[(i + n - 1) % n], &next = c[(i + 1) % n];
        const double uy = prev.y - p.y, uz = prev.z - p.z, vy = next.y - p.y, vz = next.z - p.z;
        const double cross = (vy * uz - vz * uy) * orientation, dot = vy * uy + vz * uz;
        if (cross == 0) continue; // straight on, or a slit's turn
        // The angle inside the section, from the edge out to the edge in.
        double angle = std::atan2(cross, dot);
        if (angle < 0) angle += 2 * std::numbers::pi;
        if (angle < kMinAngle) {
            message = cp850("Die Kontur hat einen Winkel unter 0.001 Grad: sie lässt sich nicht "
                            "vernetzen.");
            return false;
        }
    }
    return true;
}

MeshStatus MeshContour(const std::vector<FemPoint>& contour, double maxEdge, FemMesh& mesh,
                       std::string& message, const std::function<bool()>& keepGoing,
                       const std::vector<FemEdgeCircle>& circles) {
    mesh = FemMesh{};
    try {
        CDT cdt;
        std::vector<CDT::Vertex_handle> handles;
        handles.reserve(contour.size());
        for (const FemPoint& p : contour)
            handles.push_back(cdt.insert(P(p)));
        for (std::size_t i = 0; i < handles.size(); ++i) {
            const auto& a = handles[i];
            const auto& b = handles[(i + 1) % handles.size()];
            if (a != b) cdt.insert_constraint(a, b);
        }
        // A frame well away from the contour keeps the points the refinement inserts off
        // the triangulation's convex hull.
        double yMin = contour[0].y, yMax = yMin, zMin = contour[0].z, zMax = zMin;
        for (const FemPoint& p : contour) {
            yMin = std::min(yMin, p.y);
            yMax = std::max(yMax, p.y);
            zMin = std::min(zMin, p.z);
            zMax = std::max(zMax, p.z);
        }
        const double margin = std::max(yMax - yMin, zMax - zMin);
        for (const double y : {yMin - margin, yMax + margin})
            for (const double z : {zMin - margin, zMax + margin})
                cdt.insert(Point(y, z));
        if (cdt.dimension() < 2) {
            message = cp850("Die Kontur umschließt keine Fläche.");
            return MeshStatus::NotMeshable;
        }
        MarkDomain(cdt, contour);

        // Angle bound 0.125: no angle below about 20.7 degrees.
        double area = 0;
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const FemPoint& p = contour[i];
            const FemPoint& q = contour[(i + 1) % contour.size()];
            area += (p.y * q.z - q.y * p.z) / 2;
        }
        const double expected = std::fabs(area) / (maxEdge * maxEdge) + 2.0 * contour.size();
        const std::size_t limit = static_cast<std::size_t>(std::min(
            static_cast<double>(kMaxVertices), std::max(100000.0, kVertexOverrun * expected)));
        Mesher mesher(cdt, Criteria(0.125, maxEdge));
        mesher.init(true);
        std::size_t steps = 0;
        while (!mesher.is_refinement_done()) {
            mesher.step_by_step_refine_mesh();
            if (++steps % 2048 == 0) {
                if (keepGoing && !keepGoing()) return MeshStatus::Cancelled;
                if (cdt.number_of_vertices() > limit) {
                    message = limit < kMaxVertices
                                  ? cp850("Die Netzverfeinerung kommt an der Kontur nicht zum "
                                          "Ende.")
                                  : cp850("Das Netz würde zu fein: bitte eine gröbere "
                                          "Netzfeinheit wählen.");
                    return MeshStatus::Failed;
                }
            }
        }

        const auto arcEdges = FitArcs(cdt, handles, circles);

        // Corner nodes: the vertices of faces inside; then one midside node per edge, made by
        // the first of the two elements at the edge.
        for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v)
            v->info() = -1;
        int faces = 0;
        for (auto f = cdt.all_faces_begin(); f != cdt.all_faces_end(); ++f)
            f->info() = !cdt.is_infinite(f) && f->is_in_domain() ? faces++ : -1;
        mesh.elements.reserve(faces);
        mesh.nodes.reserve(static_cast<std::size_t>(faces) * 2 + cdt.number_of_vertices());
        mesh.curved.reserve(faces);
        for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
            if (f->info() < 0) continue;
            std::array<int, 6> e{};
            for (int i = 0; i < 3; ++i) {
                auto v = f->vertex(i);
                if (v->info() < 0) {
                    v->info() = static_cast<int>(mesh.nodes.size());
                    mesh.nodes.push_back({v->point().x(), v->point().y()});
                }
                e[i] = v->info();
            }
            char curved = 0;
            for (int i = 0; i < 3; ++i) {
                const int a = e[i], b = e[(i + 1) % 3];
                const auto arc = arcEdges.empty()
                                     ? arcEdges.end()
                                     : arcEdges.find(Key(f->vertex(i), f->vertex((i + 1) % 3)));
                if (arc != arcEdges.end()) curved = 1;
                // The edge from corner i to i + 1 lies opposite corner i + 2.
                const Face across = f->neighbor((i + 2) % 3);
                if (across->info() >= 0 && across->info() < f->info()) {
                    const int opposite = across->index(f);
                    e[3 + i] = mesh.elements[across->info()][3 + (opposite + 1) % 3];
                    continue;
                }
                e[3 + i] = static_cast<int>(mesh.nodes.size());
                const FemPoint& p = mesh.nodes[a];
                const FemPoint& q = mesh.nodes[b];
                const FemPoint m{(p.y + q.y) / 2, (p.z + q.z) / 2};
                mesh.nodes.push_back(arc == arcEdges.end() ? m : OnCircle(m, arc->second));
            }
            mesh.elements.push_back(e);
            mesh.curved.push_back(curved);
        }
        if (mesh.elements.empty()) {
            message = cp850("Die Kontur umschließt keine Fläche.");
            return MeshStatus::NotMeshable;
        }
        return MeshStatus::Ok;
    } catch (const std::bad_alloc&) {
        mesh = FemMesh{};
        message = cp850("Zu wenig Speicher für das Netz.");
        return MeshStatus::Failed;
    } catch (const std::exception&) {
        // CGAL reports edges it cannot insert and failed checks by exceptions.
        mesh = FemMesh{};
        message = cp850("Die Kontur lässt sich nicht vernetzen.");
        return MeshStatus::NotMeshable;
    }
}

} // namespace vak1
