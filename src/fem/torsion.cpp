// Torsion and shear of a prismatic bar by finite elements.
//
// Theory. In coordinates (y, z) from the centroid, St. Venant torsion with twist rate theta'
// moves every point along the bar by u = theta' * omega(y, z). Equilibrium without body
// forces makes omega harmonic, and a stress-free outer surface gives the Neumann condition
// d(omega)/dn = z n_y - y n_z on the contour. Multiplied by a test function v and
// integrated, the condition turns into an area integral:
//     integral grad(omega) . grad(v) dA = integral (z dv/dy - y dv/dz) dA   for every v.
// omega is fixed only up to a constant: one node per connected part is held at zero. The
// torsion constant is then J = Ip - integral |grad omega|^2 dA, Ip the polar moment.
// Moving the pole to (a, b) changes omega by a z - b y + const. The shear centre (Trefftz)
// is the pole about which omega is orthogonal to y and z; about it, with its mean removed,
// the warping constant is Iw = integral omega^2 dA.
// Shear: a transverse force V along a principal axis (coordinate s, moment of inertia
// I = integral s^2 dA) changes the bending stress along the bar by V s / I, which the shear
// stresses balance: div tau = -V s / I, tau . n = 0 on the contour. These values take the
// shear stresses free of rotation (tau = V / I grad psi, the case of Poisson's ratio 0, the
// same assumption as the elementary beam theory's shear flow), so
//     integral grad(psi) . grad(v) dA = integral s v dA,
// and the shear area follows from the shear strain energy: As = I^2 / integral |grad psi|^2
// dA (5/6 A for a rectangle).
//
// The mesh is of six-node triangles; those along an arc have their boundary nodes on the
// circle and map the reference triangle through all six nodes, so the mesh covers the section
// with its true arcs, not their chords. Every integral uses the six-point rule exact for
// polynomials of degree 4, and one sparse Cholesky factorisation serves all three right-hand
// sides.
#include "fem/torsion.h"

#include <Eigen/CholmodSupport>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <cholmod.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <future>
#include <limits>
#include <map>
#include <numbers>
#include <numeric>

#include "fem/cholesky.h"
#include "fem/mesh.h"
#include "text/cp850.h"

namespace vak1 {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Processor time of the process (or, with CLOCK_THREAD_CPUTIME_ID, of the calling thread):
// unlike the wall clock, not stretched by other programs.
double CpuSeconds(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Equilateral triangles of the edge bound that would cover the section at fineness 1. The
// refinement ends with elements of about half that area: about 1000 elements, more for
// sections with thin walls (the elements cannot be much wider than the wall).
constexpr double kElementsAtFineness1 = 500;
// Elements a section with thin walls may take so that three fit across its thinnest wall
// (growing with the square of the fineness), and never more than the solver handles in a few
// seconds.
constexpr double kThinWallElementsAtFineness1 = 50000;
constexpr double kMaxThinWallElements = 250000;

struct QuadPoint {
    double w, l0, l1, l2;
};

// Six points, exact to degree 4 on a triangle; weights sum to 1.
constexpr double kWa = 0.223381589678011, kA1 = 0.108103018168070, kA2 = 0.445948490915965;
constexpr double kWb = 0.109951743655322, kB1 = 0.816847572980459, kB2 = 0.091576213509771;
constexpr QuadPoint kRule[6] = {{kWa, kA1, kA2, kA2}, {kWa, kA2, kA1, kA2}, {kWa, kA2, kA2, kA1},
                                {kWb, kB1, kB2, kB2}, {kWb, kB2, kB1, kB2}, {kWb, kB2, kB2, kB1}};

// Shape functions and their gradients of one six-node triangle at one point.
struct Shape {
    double N[6];
    double dy[6], dz[6];
    double y, z; // the point
    double w;    // weight of the point times the area it stands for
};

// A straight triangle has constant gradients of its area coordinates; one with an edge on an
// arc maps the reference triangle through all six nodes (isoparametric).
struct Element {
    double y[6], z[6];
    double area;         // of the corner triangle
    double gy[3], gz[3]; // gradients of the area coordinates (straight triangles)
    bool curved;

    Element(const FemMesh& m, std::size_t index, double y0, double z0) {
        const std::array<int, 6>& e = m.elements[index];
        curved = index < m.curved.size() && m.curved[index];
        for (int i = 0; i < 6; ++i) {
            y[i] = m.nodes[e[i]].y - y0;
            z[i] = m.nodes[e[i]].z - z0;
        }
        const double twice = (y[1] - y[0]) * (z[2] - z[0]) - (y[2] - y[0]) * (z[1] - z[0]);
        area = twice / 2;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3, k = (i + 2) % 3;
            gy[i] = (z[j] - z[k]) / twice;
            gz[i] = (y[k] - y[j]) / twice;
        }
    }

    Shape At(const QuadPoint& q) const {
        Shape s{};
        const double L[3] = {q.l0, q.l1, q.l2};
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            s.N[i] = L[i] * (2 * L[i] - 1);
            s.N[3 + i] = 4 * L[i] * L[j];
        }
        if (!curved) {
            s.y = L[0] * y[0] + L[1] * y[1] + L[2] * y[2];
            s.z = L[0] * z[0] + L[1] * z[1] + L[2] * z[2];
            s.w = q.w * area;
            for (int i = 0; i < 3; ++i) {
                const int j = (i + 1) % 3;
                s.dy[i] = (4 * L[i] - 1) * gy[i];
                s.dz[i] = (4 * L[i] - 1) * gz[i];
                s.dy[3 + i] = 4 * (L[j] * gy[i] + L[i] * gy[j]);
                s.dz[3 + i] = 4 * (L[j] * gz[i] + L[i] * gz[j]);
            }
            return s;
        }
        // Derivatives by the reference coordinates a = L1, b = L2 (L0 = 1 - a - b).
        double da[6], db[6];
        const double dL0[2] = {-1, -1}, dL1[2] = {1, 0}, dL2[2] = {0, 1};
        const double* dL[3] = {dL0, dL1, dL2};
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            for (int c = 0; c < 2; ++c) {
                const double corner = (4 * L[i] - 1) * dL[i][c];
                const double side = 4 * (L[j] * dL[i][c] + L[i] * dL[j][c]);
                (c == 0 ? da : db)[i] = corner;
                (c == 0 ? da : db)[3 + i] = side;
            }
        }
        double ya = 0, yb = 0, za = 0, zb = 0;
        s.y = s.z = 0;
        for (int k = 0; k < 6; ++k) {
            s.y += s.N[k] * y[k];
            s.z += s.N[k] * z[k];
            ya += da[k] * y[k];
            yb += db[k] * y[k];
            za += da[k] * z[k];
            zb += db[k] * z[k];
        }
        const double det = ya * zb - yb * za;
        s.w = q.w * det / 2;
        for (int k = 0; k < 6; ++k) {
            s.dy[k] = (zb * da[k] - za * db[k]) / det;
            s.dz[k] = (-yb * da[k] + ya * db[k]) / det;
        }
        return s;
    }
};

double PolygonArea(const std::vector<FemPoint>& c) {
    double a = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const FemPoint& p = c[i];
        const FemPoint& q = c[(i + 1) % c.size()];
        a += p.y * q.z - q.y * p.z;
    }
    return a / 2;
}

// The contour with points closer than a billionth of its size merged (the end of an arc
// and the position it ends at differ in the last digits; such a pair would ask the mesh to
// resolve a kink of that size), then without repeated neighbours and closing point. arcs
// follows: the angle of the edge from each point left to the next.
std::vector<FemPoint> Cleaned(const std::vector<FemPoint>& in, const std::vector<double>& arcsIn,
                              std::vector<double>& arcs) {
    double yMin = 0, yMax = 0, zMin = 0, zMax = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const FemPoint& p = in[i];
        yMin = i ? std::min(yMin, p.y) : p.y;
        yMax = i ? std::max(yMax, p.y) : p.y;
        zMin = i ? std::min(zMin, p.z) : p.z;
        zMax = i ? std::max(zMax, p.z) : p.z;
    }
    const double tol = 1e-9 * std::max(yMax - yMin, zMax - zMin);
    std::vector<FemPoint> distinct, out;
    out.reserve(in.size());
    arcs.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        FemPoint p = in[i];
        const double phi = i < arcsIn.size() && std::isfinite(arcsIn[i]) ? arcsIn[i] : 0;
        for (const FemPoint& q : distinct) {
            if (std::fabs(p.y - q.y) <= tol && std::fabs(p.z - q.z) <= tol) {
                p = q;
                break;
            }
        }
        if (out.empty() || p.y != out.back().y || p.z != out.back().z) {
            if (std::find_if(distinct.begin(), distinct.end(), [&](const FemPoint& q) {
                    return q.y == p.y && q.z == p.z;
                }) == distinct.end())
                distinct.push_back(p);
            out.push_back(p);
            arcs.push_back(phi);
        } else {
            arcs.back() = phi; // the edge of no length goes, the next one starts here
        }
    }
    while (out.size() > 1 && out.front().y == out.back().y && out.front().z == out.back().z) {
        out.pop_back();
        arcs.pop_back();
    }
    return out;
}

// No arc piece turns by more than this: the nodes the refinement adds in the middle of a
// piece move onto the circle by a few hundredths of the piece's length only.
constexpr double kMaxArcStep = std::numbers::pi / 16;

// The polygon the mesh starts from: arcs in pieces with their points on the circle.
struct Outline {
    std::vector<FemPoint> points;
    std::vector<FemEdgeCircle> circles; // of the edge from each point to the next
    std::vector<std::size_t> source;    // the contour edge each edge belongs to
};

Outline Pieces(const std::vector<FemPoint>& corners, const std::vector<double>& arcs,
               double maxPiece) {
    Outline o;
    const std::size_t n = corners.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double phi = arcs[k];
        o.points.push_back(corners[k]);
        o.circles.push_back({});
        o.source.push_back(k);
        FemPoint a = corners[k], b = corners[(k + 1) % n];
        const double halfSin = std::sin(phi / 2);
        const double dy0 = b.y - a.y, dz0 = b.z - a.z, c = std::hypot(dy0, dz0);
        // Arcs of almost no angle (their centre far away, its coordinates without digits to
        // spare) and arcs of a full turn are taken as their chord.
        if (phi == 0 || !(std::fabs(halfSin) > 1e-7) || !(c > 0)) continue;
        // An arc run forwards and one run backwards (the two sides of a slit) get the same
        // points to the last digit: both are computed from the same end.
        const bool swap = b.y < a.y || (b.y == a.y && b.z < a.z);
        const double turn = swap ? -phi : phi;
        if (swap) std::swap(a, b);
        const double dy = b.y - a.y, dz = b.z - a.z;
        const double h = c / 2 / std::tan(turn / 2);
        const FemEdgeCircle circle{(a.y + b.y) / 2 - dz * h / c, (a.z + b.z) / 2 + dy * h / c,
                                   std::fabs(c / 2 / halfSin)};
        const double byAngle = std::ceil(std::fabs(phi) / kMaxArcStep);
        const double byLength = maxPiece > 0 ? std::ceil(circle.r * std::fabs(phi) / maxPiece) : 1;
        const int m = static_cast<int>(std::min(20000.0, std::max(byAngle, byLength)));
        const double a0 = std::atan2(a.z - circle.zc, a.y - circle.yc);
        std::vector<FemPoint> inner;
        for (int j = 1; j < m; ++j) {
            const double t = a0 + turn * j / m;
            inner.push_back(
                {circle.yc + circle.r * std::cos(t), circle.zc + circle.r * std::sin(t)});
        }
        if (swap) std::reverse(inner.begin(), inner.end());
        o.circles.back() = circle;
        for (const FemPoint& p : inner) {
            o.points.push_back(p);
            o.circles.push_back(circle);
            o.source.push_back(k);
        }
    }
    return o;
}

// The thinnest wall: from points along every edge a ray into the section (to the left of a
// counter-clockwise edge) up to the first edge it meets. Neighbouring edges are left out (a
// sharp corner is no wall), and so are the two sides of a slit, which bound no material.
double ThinnestWall(const std::vector<FemPoint>& c, const std::vector<FemEdgeCircle>& circles,
                    double orientation) {
    const std::size_t n = c.size();
    std::vector<char> slit(n, 0);
    std::map<std::array<double, 4>, std::size_t> edges;
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint &a = c[i], &b = c[(i + 1) % n];
        edges[{a.y, a.z, b.y, b.z}] = i;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const FemPoint &a = c[i], &b = c[(i + 1) % n];
        const auto twin = edges.find({b.y, b.z, a.y, a.z});
        if (twin != edges.end()) slit[i] = slit[twin->second] = 1;
    }
    double size = 0;
    for (const FemPoint& p : c)
        size = std::max({size, std::fabs(p.y - c[0].y), std::fabs(p.z - c[0].z)});
    const double eps = 1e-9 * size;
    double wall = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < n; ++i) {
        if (slit[i]) continue;
        const FemPoint &a = c[i], &b = c[(i + 1) % n];
        const double len = std::hypot(b.y - a.y, b.z - a.z);
        if (!(len > 0)) continue;
        const double ny = -(b.z - a.z) / len * orientation, nz = (b.y - a.y) / len * orientation;
        const int samples = circles[i].r > 0 ? 1 : 5;
        for (int k = 0; k < samples; ++k) {
            const double t = (k + 0.5) / samples;
            const double oy = a.y + t * (b.y - a.y), oz = a.z + t * (b.z - a.z);
            for (std::size_t j = 0; j < n; ++j) {
                if (j == i || slit[j] || j == (i + 1) % n || i == (j + 1) % n) continue;
                const FemPoint &p = c[j], &q = c[(j + 1) % n];
                // o + s n = p + u (q - p)
                const double ey = q.y - p.y, ez = q.z - p.z;
                const double det = ey * nz - ez * ny;
                if (det == 0) continue;
                const double ry = p.y - oy, rz = p.z - oz;
                const double s = (ey * rz - ez * ry) / det;
                const double u = (ny * rz - nz * ry) / det;
                if (s > eps && s < wall && u >= 0 && u <= 1) wall = s;
            }
        }
    }
    return wall;
}

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

} // namespace

std::vector<FemPoint> MergedContour(const std::vector<FemPoint>& contour) {
    std::vector<double> arcs;
    return Cleaned(contour, {}, arcs);
}

std::string NonPhysicalTorsionMessage(const TorsionValues& v) {
    const char* which = !(v.J > 0)     ? "J <= 0"
                        : !(v.As1 > 0) ? "As1 <= 0"
                        : !(v.As2 > 0) ? "As2 <= 0"
                        : !(v.Iw >= 0) ? "Iw < 0"
                                       : nullptr;
    if (!which) return {};
    return cp850("Die Torsionswerte sind nicht physikalisch (") + which +
           cp850("): das Netz löst die Kontur nicht genau genug auf; eine größere Netzfeinheit "
                 "wählen.");
}

namespace {

// The reference coordinates of the six nodes of an element.
constexpr QuadPoint kNodePoints[6] = {{0, 1, 0, 0},     {0, 0, 1, 0},     {0, 0, 0, 1},
                                      {0, 0.5, 0.5, 0}, {0, 0, 0.5, 0.5}, {0, 0.5, 0, 0.5}};

// The stresses of unit loads at the nodes: the gradients each element gives at its nodes,
// averaged over the elements that meet there.
void FillField(const FemMesh& mesh, double y0, double z0, const FemPoint& origin,
               const std::vector<double>& omega, const std::vector<double>& psi1,
               const std::vector<double>& psi2, double J, double I1, double I2,
               TorsionField& field) {
    const std::size_t n = mesh.nodes.size();
    field.nodes.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        field.nodes[i] = {origin.y + mesh.nodes[i].y, origin.z + mesh.nodes[i].z};
    field.elements = mesh.elements;
    field.unit.assign(n, {});
    std::vector<int> count(n, 0);
    for (std::size_t index = 0; index < mesh.elements.size(); ++index) {
        const auto& e = mesh.elements[index];
        const Element el(mesh, index, y0, z0);
        for (int k = 0; k < 6; ++k) {
            const Shape s = el.At(kNodePoints[k]);
            double g[6] = {};
            for (int a = 0; a < 6; ++a) {
                g[0] += s.dy[a] * omega[e[a]];
                g[1] += s.dz[a] * omega[e[a]];
                g[2] += s.dy[a] * psi1[e[a]];
                g[3] += s.dz[a] * psi1[e[a]];
                g[4] += s.dy[a] * psi2[e[a]];
                g[5] += s.dz[a] * psi2[e[a]];
            }
            std::array<double, 6>& u = field.unit[e[k]];
            u[0] += (g[0] - s.z) / J;
            u[1] += (g[1] + s.y) / J;
            u[2] += g[2] / I1;
            u[3] += g[3] / I1;
            u[4] += g[4] / I2;
            u[5] += g[5] / I2;
            ++count[e[k]];
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        if (count[i] > 0)
            for (double& v : field.unit[i])
                v /= count[i];
}

// The nodes numbered for a factorisation with little fill, at the cost of a minimum-degree
// search over the corner nodes only (a quarter of the nodes, a seventh of the couplings):
// the corners in the order of that search, each midside node right after the first of its
// edge's two corners. Once that corner is gone, every node the midside node is coupled to
// (those of the two elements at its edge) is coupled to the rest already, so the midside node
// goes without fill of its own. number[node] is the node's place.
std::vector<int> CornerOrder(const FemMesh& mesh) {
    const int nodes = static_cast<int>(mesh.nodes.size());
    std::vector<int> corner(nodes, -1);
    int corners = 0;
    for (const auto& e : mesh.elements)
        for (int i = 0; i < 3; ++i)
            if (corner[e[i]] < 0) corner[e[i]] = corners++;
    // The couplings of the corners, each once (the upper triangle).
    std::vector<Eigen::Triplet<double>> edges;
    edges.reserve(mesh.elements.size() * 3);
    for (const auto& e : mesh.elements)
        for (int i = 0; i < 3; ++i) {
            const int a = corner[e[i]], b = corner[e[(i + 1) % 3]];
            edges.emplace_back(std::min(a, b), std::max(a, b), 1.0);
        }
    Eigen::SparseMatrix<double> graph(corners, corners);
    graph.setFromTriplets(edges.begin(), edges.end());
    edges = {};
    cholmod_common common;
    cholmod_start(&common);
    cholmod_sparse pattern{};
    pattern.nrow = pattern.ncol = static_cast<std::size_t>(corners);
    pattern.nzmax = static_cast<std::size_t>(graph.nonZeros());
    pattern.p = graph.outerIndexPtr();
    pattern.i = graph.innerIndexPtr();
    pattern.stype = 1;
    pattern.itype = CHOLMOD_INT;
    pattern.xtype = CHOLMOD_PATTERN;
    pattern.dtype = CHOLMOD_DOUBLE;
    pattern.sorted = 1;
    pattern.packed = 1;
    std::vector<int> eliminated(corners); // eliminated[k]: the corner eliminated k-th
    const bool ordered = cholmod_amd(&pattern, nullptr, 0, eliminated.data(), &common);
    cholmod_finish(&common);
    if (!ordered) std::iota(eliminated.begin(), eliminated.end(), 0);
    std::vector<int> step(corners);
    for (int k = 0; k < corners; ++k)
        step[eliminated[k]] = k;
    // Corner k takes key 2k, the midside nodes after it 2k + 1; nodes outside every element
    // come last.
    std::vector<int> key(nodes, 2 * corners);
    for (const auto& e : mesh.elements)
        for (int i = 0; i < 3; ++i) {
            const int a = step[corner[e[i]]], b = step[corner[e[(i + 1) % 3]]];
            key[e[i]] = 2 * a;
            key[e[3 + i]] = 2 * std::min(a, b) + 1;
        }
    std::vector<int> first(2 * corners + 2, 0), number(nodes);
    for (int k : key)
        ++first[k + 1];
    std::partial_sum(first.begin(), first.end(), first.begin());
    for (int i = 0; i < nodes; ++i)
        number[i] = first[key[i]]++;
    return number;
}

using SparseK = Eigen::SparseMatrix<double>;

// The solver that Automatic stands for. Measured on the L-profile (bench_fem, 100 000
// elements, 203 000 unknowns, processor time of the whole solution): Eigen's simplicial LDL^T
// after its own minimum-degree search 0.79 s, two fifths of it the search and the analysis;
// the same after the corners' search of CornerOrder 0.41 s, with 6.6 million entries in the
// factor instead of 7.5 (5.6e8 operations instead of 8e8). CHOLMOD's simplicial
// factorisation is a fifth slower than Eigen's on the same ordering; its nested dissection
// (METIS) saves only 3 % of the entries and takes a second to find; its supernodal one loses
// to the simplicial ones: the small fronts of the elements give supernodes too narrow for its
// dense kernels, and Debian's reference BLAS is slow. The supernodal factorisation of this
// program (SupernodalCholesky) takes the corners' order too, but merges the small supernodes
// into their parents and runs Eigen's blocked dense kernels on the fronts, two subtrees at a
// time: its solution takes about half the time of the simplicial one, the more so the finer
// the mesh. The time grows with the elements to the power 1.4: the separators of a plane mesh
// grow with the square root of its nodes, and their dense blocks with its cube.
FemSolver SolverFor(FemSolver wanted) {
    return wanted == FemSolver::Automatic ? FemSolver::Supernodal : wanted;
}

// Factorises K (its lower triangle) and solves K X = F; going() is asked between the two.
template <class Solver>
TorsionStatus Factorise(Solver& solver, const SparseK& K, const Eigen::MatrixXd& F,
                        Eigen::MatrixXd& X, const std::function<bool()>& going) {
    solver.compute(K);
    if (solver.info() != Eigen::Success) return TorsionStatus::Failed;
    if (!going()) return TorsionStatus::Cancelled;
    X = solver.solve(F);
    return solver.info() == Eigen::Success ? TorsionStatus::Ok : TorsionStatus::Failed;
}

TorsionStatus Factorise(FemSolver which, const SparseK& K, const Eigen::MatrixXd& F,
                        Eigen::MatrixXd& X, const std::function<bool()>& going) {
    if (which == FemSolver::SimplicialCorners) {
        Eigen::SimplicialLDLT<SparseK, Eigen::Lower, Eigen::NaturalOrdering<int>> solver;
        return Factorise(solver, K, F, X, going);
    }
    if (which == FemSolver::Simplicial) {
        Eigen::SimplicialLDLT<SparseK, Eigen::Lower> solver;
        return Factorise(solver, K, F, X, going);
    }
    Eigen::CholmodDecomposition<SparseK, Eigen::Lower> solver;
    solver.setMode(which == FemSolver::CholmodSupernodal ? Eigen::CholmodSupernodalLLt
                                                         : Eigen::CholmodSimplicialLLt);
    return Factorise(solver, K, F, X, going);
}

// The lower triangle of the system's matrix by columns (start, rows), the unknowns numbered by
// dof: the unknowns of an element are coupled with each other. elementDofs: the unknowns of
// the elements in the given order (-1: none), which the assembly reads in the same order.
void Pattern(const FemMesh& mesh, const std::vector<std::size_t>& order,
             const std::vector<int>& dof, int free, std::vector<std::array<int, 6>>& elementDofs,
             std::vector<int>& start, std::vector<int>& rows) {
    const int elements = static_cast<int>(order.size());
    elementDofs.resize(elements);
    std::vector<int> at(free + 1, 0);
    for (int k = 0; k < elements; ++k)
        for (int a = 0; a < 6; ++a) {
            const int d = dof[mesh.elements[order[k]][a]];
            elementDofs[k][a] = d;
            if (d >= 0) ++at[d + 1];
        }
    std::partial_sum(at.begin(), at.end(), at.begin());
    std::vector<int> elementsAt(at[free]), next(at.begin(), at.end() - 1);
    for (int k = 0; k < elements; ++k)
        for (int d : elementDofs[k])
            if (d >= 0) elementsAt[next[d]++] = k;
    // The rows of a column in the order the elements reach them: no one needs them sorted.
    std::vector<int> mark(free, -1);
    start.assign(free + 1, 0);
    rows.clear();
    rows.reserve(static_cast<std::size_t>(free) * 8);
    for (int c = 0; c < free; ++c) {
        for (int p = at[c]; p < at[c + 1]; ++p)
            for (int r : elementDofs[elementsAt[p]])
                if (r >= c && mark[r] != c) {
                    mark[r] = c;
                    rows.push_back(r);
                }
        start[c + 1] = static_cast<int>(rows.size());
    }
}

// The elements in the order of a Morton curve through the centres of their corners.
std::vector<std::size_t> AlongACurve(const FemMesh& mesh) {
    double yMin = mesh.nodes[0].y, yMax = yMin, zMin = mesh.nodes[0].z, zMax = zMin;
    for (const FemPoint& p : mesh.nodes) {
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
        zMin = std::min(zMin, p.z);
        zMax = std::max(zMax, p.z);
    }
    const double scale = 65535 / std::max({yMax - yMin, zMax - zMin, 1e-300});
    // The bits of a 16-bit number spread to the even places of a 32-bit one.
    const auto spread = [](std::uint32_t x) {
        x = (x | (x << 8)) & 0x00FF00FFu;
        x = (x | (x << 4)) & 0x0F0F0F0Fu;
        x = (x | (x << 2)) & 0x33333333u;
        return (x | (x << 1)) & 0x55555555u;
    };
    std::vector<std::pair<std::uint32_t, std::size_t>> keys(mesh.elements.size());
    for (std::size_t index = 0; index < mesh.elements.size(); ++index) {
        const auto& e = mesh.elements[index];
        double y = 0, z = 0;
        for (int i = 0; i < 3; ++i) {
            y += mesh.nodes[e[i]].y / 3;
            z += mesh.nodes[e[i]].z / 3;
        }
        const auto iy = static_cast<std::uint32_t>(std::clamp((y - yMin) * scale, 0.0, 65535.0));
        const auto iz = static_cast<std::uint32_t>(std::clamp((z - zMin) * scale, 0.0, 65535.0));
        keys[index] = {spread(iy) | (spread(iz) << 1), index};
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::size_t> order(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        order[k] = keys[k].second;
    return order;
}

TorsionStatus Solve(const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
                    TorsionField* field, std::string& message,
                    const std::function<bool(std::size_t, std::size_t)>& report) {
    out = TorsionValues{};
    message.clear();
    constexpr std::size_t kStages = 5;
    auto going = [&](std::size_t done) { return !report || report(done, kStages); };
    if (!going(0)) return TorsionStatus::Cancelled;

    for (const FemPoint& p : in.contour) {
        if (!std::isfinite(p.y) || !std::isfinite(p.z)) {
            message = cp850("Die Kontur enthält ungültige Koordinaten.");
            return TorsionStatus::NotMeshable;
        }
    }
    // Mesh and integrals about the first point: far from the origin the coordinates would
    // leave the elements few digits of their own.
    const FemPoint origin = in.contour.empty() ? FemPoint{} : in.contour.front();
    std::vector<FemPoint> local = in.contour;
    for (FemPoint& p : local) {
        p.y -= origin.y;
        p.z -= origin.z;
    }
    std::vector<double> arcs;
    const std::vector<FemPoint> corners = Cleaned(local, in.arcs, arcs);
    // Arc pieces of a bounded angle for the checks and the size of the elements.
    const Outline coarse = Pieces(corners, arcs, 0);
    std::size_t first = 0, second = 0;
    if (FindCrossingEdges(coarse.points, first, second)) {
        message = cp850("Die Kontur schneidet sich selbst (Kanten ab Punkt ") +
                  std::to_string(coarse.source[first] + 1) + " und " +
                  std::to_string(coarse.source[second] + 1) +
                  cp850("): sie lässt sich nicht vernetzen.");
        return TorsionStatus::NotMeshable;
    }
    const double signedArea = PolygonArea(coarse.points);
    const double area = std::fabs(signedArea);
    if (corners.size() < 2 || coarse.points.size() < 3 || !(area > 0)) {
        message = cp850("Die Kontur umschließt keine Fläche.");
        return TorsionStatus::NotMeshable;
    }
    if (!CheckMeshable(coarse.points, message)) return TorsionStatus::NotMeshable;
    const double fineness =
        options.fineness > 0 && std::isfinite(options.fineness) ? options.fineness : 1.0;
    // An equilateral triangle of edge h has the area h^2 sqrt(3)/4; the refinement ends with
    // about twice as many elements as such triangles would need.
    const double nominal = std::sqrt(area / (0.433 * kElementsAtFineness1));
    double maxEdge = nominal / fineness;
    // A wall with fewer than three elements across it leaves the shear stresses across it
    // unresolved: at fineness 1 three fit across the thinnest wall, a finer mesh divides that
    // size as it divides the other, as far as the budget of the fineness allows.
    const double wall = ThinnestWall(coarse.points, coarse.circles, signedArea < 0 ? -1 : 1);
    if (std::isfinite(wall)) {
        out.wall = wall;
        const double wanted = std::min(nominal, wall / 3) / fineness;
        const double budget =
            std::min(kMaxThinWallElements, kThinWallElementsAtFineness1 * fineness * fineness);
        const double smallest = std::sqrt(2 * area / (0.433 * budget));
        if (wanted < maxEdge) maxEdge = std::max(wanted, std::min(smallest, maxEdge));
        out.wallElements = wall / maxEdge;
    }
    const Outline outline = Pieces(corners, arcs, maxEdge);

    auto start = Clock::now();
    FemMesh mesh;
    switch (MeshContour(
        outline.points, maxEdge, mesh, message, [&] { return going(0); }, outline.circles)) {
    case MeshStatus::Ok:
        break;
    case MeshStatus::Cancelled:
        return TorsionStatus::Cancelled;
    case MeshStatus::NotMeshable:
        return TorsionStatus::NotMeshable;
    case MeshStatus::Failed:
        return TorsionStatus::Failed;
    }
    out.meshSeconds = Seconds(start);
    out.elements = mesh.elements.size();
    out.nodes = mesh.nodes.size();
    if (!going(1)) return TorsionStatus::Cancelled;

    // The supernodal factorisation takes the matrix as it comes, with an elimination order
    // beside it. The order and the analysis of the factor's structure need only the mesh:
    // they run on a second thread while this one assembles the system (without a thread to
    // be had, when the factorisation asks for them).
    out.solver = SolverFor(options.solver);
    const bool supernodal = out.solver == FemSolver::Supernodal;
    const int n = static_cast<int>(mesh.nodes.size());
    std::vector<int> dof(n, -1);
    int free = 0;
    std::vector<int> columns, rows;
    SupernodalCholesky cholesky;
    std::future<double> analysed;
    // Set once dof, columns and rows are there; broken when the assembly ends early.
    std::promise<void> patternReady;
    if (supernodal) {
        analysed = std::async(std::launch::async | std::launch::deferred,
                              [&, ready = patternReady.get_future()]() mutable {
                                  const double cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
                                  const std::vector<int> number = CornerOrder(mesh);
                                  ready.get();
                                  std::vector<int> node(n), place(free);
                                  for (int i = 0; i < n; ++i)
                                      node[number[i]] = i;
                                  int placed = 0;
                                  for (int i : node)
                                      if (dof[i] >= 0) place[dof[i]] = placed++;
                                  cholesky.Analyse(columns, rows, place);
                                  return CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - cpu;
                              });
    }

    start = Clock::now();
    // Centroid of the mesh (the same as the polygon's up to rounding; taken from the mesh so
    // that the loads below balance exactly).
    // By the quadrature of the integrals below: with curved elements only that balances.
    double A = 0, Sy = 0, Sz = 0;
    const double yRef = mesh.nodes[0].y, zRef = mesh.nodes[0].z;
    for (std::size_t index = 0; index < mesh.elements.size(); ++index) {
        const Element el(mesh, index, yRef, zRef);
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            A += s.w;
            Sy += s.w * s.y;
            Sz += s.w * s.z;
        }
    }
    const double y0 = yRef + Sy / A, z0 = zRef + Sz / A;
    const double cphi = std::cos(in.phi), sphi = std::sin(in.phi);

    // One node per connected part holds the constant of every solution.
    std::vector<int> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto& e : mesh.elements)
        for (int i = 1; i < 6; ++i)
            parent[Root(parent, e[i])] = Root(parent, e[0]);
    // The numbering replaces the ordering a solver would search for: it counts as solution.
    const Clock::time_point numberingStart = Clock::now();
    const double numberingCpu = CpuSeconds();
    // The supernodal path takes the elements along a curve through the section and numbers
    // the unknowns as the elements reach them: the entries an element adds then lie close
    // together in memory. The factorisation has an elimination order of its own.
    std::vector<std::size_t> elementOrder(mesh.elements.size());
    std::iota(elementOrder.begin(), elementOrder.end(), std::size_t{0});
    if (supernodal) elementOrder = AlongACurve(mesh);
    if (out.solver == FemSolver::SimplicialCorners) {
        const std::vector<int> number = CornerOrder(mesh);
        std::vector<int> node(n);
        for (int i = 0; i < n; ++i)
            node[number[i]] = i;
        for (int i : node)
            if (Root(parent, i) != i) dof[i] = free++;
    } else if (supernodal) {
        for (std::size_t index : elementOrder)
            for (int i : mesh.elements[index])
                if (dof[i] < 0 && Root(parent, i) != i) dof[i] = free++;
    } else {
        for (int i = 0; i < n; ++i)
            if (Root(parent, i) != i) dof[i] = free++;
    }
    const double numbering = Seconds(numberingStart);
    out.solveCpuSeconds = CpuSeconds() - numberingCpu;

    std::vector<Eigen::Triplet<double>> triplets;
    std::vector<double> values;
    std::vector<std::array<int, 6>> elementDofs;
    if (supernodal) {
        Pattern(mesh, elementOrder, dof, free, elementDofs, columns, rows);
        values.assign(rows.size(), 0.0);
        patternReady.set_value();
    } else {
        triplets.reserve(mesh.elements.size() * 21);
    }
    Eigen::VectorXd fw = Eigen::VectorXd::Zero(free), f1 = fw, f2 = fw;
    double Iyy = 0, Izz = 0, Iyz = 0, I11 = 0, I22 = 0; // Iyy = integral y^2 dA
    std::size_t count = 0;
    for (std::size_t position = 0; position < elementOrder.size(); ++position) {
        const std::size_t index = elementOrder[position];
        std::array<int, 6> d;
        if (supernodal) {
            d = elementDofs[position];
        } else {
            for (int a = 0; a < 6; ++a)
                d[a] = dof[mesh.elements[index][a]];
        }
        const Element el(mesh, index, y0, z0);
        double k[6][6] = {};
        double lw[6] = {}, l1[6] = {}, l2[6] = {};
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            const double w = s.w;
            const double eta = s.y * cphi + s.z * sphi, zeta = -s.y * sphi + s.z * cphi;
            Iyy += w * s.y * s.y;
            Izz += w * s.z * s.z;
            Iyz += w * s.y * s.z;
            I11 += w * zeta * zeta;
            I22 += w * eta * eta;
            for (int a = 0; a < 6; ++a) {
                for (int b = 0; b <= a; ++b)
                    k[a][b] += w * (s.dy[a] * s.dy[b] + s.dz[a] * s.dz[b]);
                lw[a] += w * (s.z * s.dy[a] - s.y * s.dz[a]);
                l1[a] += w * eta * s.N[a];
                l2[a] += w * zeta * s.N[a];
            }
        }
        for (int a = 0; a < 6; ++a) {
            const int r = d[a];
            if (r < 0) continue;
            fw[r] += lw[a];
            f1[r] += l1[a];
            f2[r] += l2[a];
            for (int b = 0; b < 6; ++b) {
                const int c = d[b];
                if (c < 0 || c > r) continue;
                const double v = a >= b ? k[a][b] : k[b][a];
                if (!supernodal) {
                    triplets.emplace_back(r, c, v);
                    continue;
                }
                int p = columns[c];
                while (rows[p] != r)
                    ++p;
                values[p] += v;
            }
        }
        if (++count % 8192 == 0 && !going(1)) return TorsionStatus::Cancelled;
    }
    Eigen::SparseMatrix<double> K(free, free);
    if (!supernodal) K.setFromTriplets(triplets.begin(), triplets.end());
    triplets = {};
    out.assemblySeconds = Seconds(start) - numbering;
    if (!going(2)) return TorsionStatus::Cancelled;

    start = Clock::now();
    const double solutionCpu = CpuSeconds();
    Eigen::MatrixXd F(free, 3), X;
    F << fw, f1, f2;
    TorsionStatus solved = TorsionStatus::Ok;
    Eigen::MatrixXd shear;
    std::future<void> shearSolved;
    if (supernodal) {
        out.solveCpuSeconds += analysed.get();
        if (!cholesky.Factorise(values)) {
            solved = TorsionStatus::Failed;
        } else if (!going(3)) {
            solved = TorsionStatus::Cancelled;
        } else {
            // The shear functions on a second thread while this one solves for the warping
            // function and takes the shear centre and the warping constant from it.
            shear = F.rightCols(2);
            shearSolved = std::async(std::launch::async | std::launch::deferred,
                                     [&] { cholesky.Solve(shear); });
            X = F.leftCols(1);
            cholesky.Solve(X);
        }
    } else {
        solved = Factorise(out.solver, K, F, X, [&] { return going(3); });
    }
    if (solved == TorsionStatus::Failed) {
        message = cp850("Das Gleichungssystem der Torsion ist nicht lösbar.");
        return TorsionStatus::Failed;
    }
    if (solved == TorsionStatus::Cancelled || !going(4)) return TorsionStatus::Cancelled;
    const Eigen::VectorXd xw = X.col(0);

    std::vector<double> omega(n, 0.0);
    for (int i = 0; i < n; ++i)
        if (dof[i] >= 0) omega[i] = xw[dof[i]];
    out.J = Iyy + Izz - fw.dot(xw);

    // Shear centre: the pole (a, b) about which omega + a z - b y is orthogonal to y and z.
    // Per integration point its weight, y, z and omega, for the warping constant below.
    double Wy = 0, Wz = 0;
    std::vector<std::array<double, 4>> points;
    points.reserve(mesh.elements.size() * std::size(kRule));
    for (std::size_t index = 0; index < mesh.elements.size(); ++index) {
        const auto& e = mesh.elements[index];
        const Element el(mesh, index, y0, z0);
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            double w = 0;
            for (int a = 0; a < 6; ++a)
                w += s.N[a] * omega[e[a]];
            Wy += s.w * w * s.y;
            Wz += s.w * w * s.z;
            points.push_back({s.w, s.y, s.z, w});
        }
    }
    const double det = Iyy * Izz - Iyz * Iyz;
    const double a = (Iyz * Wy - Iyy * Wz) / det;
    const double b = (Izz * Wy - Iyz * Wz) / det;
    out.ySc = origin.y + (y0 + a);
    out.zSc = origin.z + (z0 + b);

    double W = 0, W2 = 0;
    for (const auto& [weight, y, z, omegaAt] : points) {
        const double w = a * z - b * y + omegaAt;
        W += weight * w;
        W2 += weight * w * w;
    }
    out.Iw = W2 - W * W / A;
    if (shearSolved.valid()) {
        shearSolved.get();
        X.conservativeResize(Eigen::NoChange, 3);
        X.rightCols(2) = shear;
    }
    const Eigen::VectorXd x1 = X.col(1), x2 = X.col(2);
    out.As1 = I22 * I22 / f1.dot(x1);
    out.As2 = I11 * I11 / f2.dot(x2);
    out.solveSeconds = Seconds(start) + numbering;
    out.solveCpuSeconds += CpuSeconds() - solutionCpu;
    if (!std::isfinite(out.J) || !std::isfinite(out.Iw) || !std::isfinite(out.ySc) ||
        !std::isfinite(out.zSc) || !std::isfinite(out.As1) || !std::isfinite(out.As2)) {
        message = cp850("Die Torsionswerte sind nicht berechenbar.");
        return TorsionStatus::Failed;
    }
    // The warping constant of a section that does not warp (a circle) is 0 up to rounding.
    if (out.Iw < 0 && out.Iw > -1e-12 * (Iyy + Izz) * A) out.Iw = 0;
    // J is the polar moment less the warping energy: for thin open walls that difference
    // keeps fewer digits than the solution has, and can even fall below 0.
    message = NonPhysicalTorsionMessage(out);
    if (!message.empty()) {
        out = TorsionValues{};
        return TorsionStatus::Failed;
    }
    if (field) {
        std::vector<double> psi1(n, 0.0), psi2(n, 0.0);
        for (int i = 0; i < n; ++i) {
            if (dof[i] < 0) continue;
            psi1[i] = x1[dof[i]];
            psi2[i] = x2[dof[i]];
        }
        FillField(mesh, y0, z0, origin, omega, psi1, psi2, out.J, I22, I11, *field);
    }
    going(kStages);
    return TorsionStatus::Ok;
}

} // namespace

TorsionStatus ComputeTorsion(const TorsionInput& in, const TorsionOptions& options,
                             TorsionValues& out, std::string& message,
                             const std::function<bool(std::size_t, std::size_t)>& report) {
    return Solve(in, options, out, nullptr, message, report);
}

TorsionStatus ComputeTorsionField(const TorsionInput& in, const TorsionOptions& options,
                                  TorsionValues& out, TorsionField& field, std::string& message,
                                  const std::function<bool(std::size_t, std::size_t)>& report) {
    field = TorsionField{};
    const TorsionStatus status = Solve(in, options, out, &field, message, report);
    if (status != TorsionStatus::Ok) field = TorsionField{};
    return status;
}

} // namespace vak1
