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
// The mesh is of straight six-node triangles; every integral uses the six-point rule exact
// for polynomials of degree 4, and one sparse Cholesky factorisation serves all three
// right-hand sides.
#include "fem/torsion.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

#include "fem/mesh.h"
#include "text/cp850.h"

namespace vak1 {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Equilateral triangles of the edge bound that would cover the section at fineness 1. The
// refinement ends with elements of about half that area: about 1000 elements, more for
// sections with thin walls (the elements cannot be much wider than the wall).
constexpr double kElementsAtFineness1 = 500;

struct QuadPoint {
    double w, l0, l1, l2;
};

// Six points, exact to degree 4 on a triangle; weights sum to 1.
constexpr double kWa = 0.223381589678011, kA1 = 0.108103018168070, kA2 = 0.445948490915965;
constexpr double kWb = 0.109951743655322, kB1 = 0.816847572980459, kB2 = 0.091576213509771;
constexpr QuadPoint kRule[6] = {{kWa, kA1, kA2, kA2}, {kWa, kA2, kA1, kA2}, {kWa, kA2, kA2, kA1},
                                {kWb, kB1, kB2, kB2}, {kWb, kB2, kB1, kB2}, {kWb, kB2, kB2, kB1}};

// Shape functions and their gradients of one straight six-node triangle at one point.
struct Shape {
    double N[6];
    double dy[6], dz[6];
    double y, z; // the point
};

struct Element {
    double y[3], z[3];
    double area;
    double gy[3], gz[3]; // gradients of the area coordinates

    Element(const FemMesh& m, const std::array<int, 6>& e, double y0, double z0) {
        for (int i = 0; i < 3; ++i) {
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
        s.y = L[0] * y[0] + L[1] * y[1] + L[2] * y[2];
        s.z = L[0] * z[0] + L[1] * z[1] + L[2] * z[2];
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            s.N[i] = L[i] * (2 * L[i] - 1);
            s.dy[i] = (4 * L[i] - 1) * gy[i];
            s.dz[i] = (4 * L[i] - 1) * gz[i];
            s.N[3 + i] = 4 * L[i] * L[j];
            s.dy[3 + i] = 4 * (L[j] * gy[i] + L[i] * gy[j]);
            s.dz[3 + i] = 4 * (L[j] * gz[i] + L[i] * gz[j]);
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
// resolve a kink of that size), then without repeated neighbours and closing point.
std::vector<FemPoint> Cleaned(const std::vector<FemPoint>& in) {
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
    for (FemPoint p : in) {
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
        }
    }
    while (out.size() > 1 && out.front().y == out.back().y && out.front().z == out.back().z)
        out.pop_back();
    return out;
}

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

} // namespace

TorsionStatus ComputeTorsion(const TorsionInput& in, const TorsionOptions& options,
                             TorsionValues& out, std::string& message,
                             const std::function<bool(std::size_t, std::size_t)>& report) {
    out = TorsionValues{};
    message.clear();
    constexpr std::size_t kStages = 5;
    auto going = [&](std::size_t done) { return !report || report(done, kStages); };
    if (!going(0)) return TorsionStatus::Cancelled;

    const std::vector<FemPoint> contour = Cleaned(in.contour);
    for (const FemPoint& p : contour) {
        if (!std::isfinite(p.y) || !std::isfinite(p.z)) {
            message = cp850("Die Kontur enthält ungültige Koordinaten.");
            return TorsionStatus::NotMeshable;
        }
    }
    std::size_t first = 0, second = 0;
    if (FindCrossingEdges(contour, first, second)) {
        message = cp850("Die Kontur schneidet sich selbst (Kanten ab Punkt ") +
                  std::to_string(first + 1) + " und " + std::to_string(second + 1) +
                  cp850("): sie lässt sich nicht vernetzen.");
        return TorsionStatus::NotMeshable;
    }
    const double area = std::fabs(PolygonArea(contour));
    if (contour.size() < 3 || !(area > 0)) {
        message = cp850("Die Kontur umschließt keine Fläche.");
        return TorsionStatus::NotMeshable;
    }
    const double fineness =
        options.fineness > 0 && std::isfinite(options.fineness) ? options.fineness : 1.0;
    // An equilateral triangle of edge h has the area h^2 sqrt(3)/4.
    const double maxEdge = std::sqrt(area / (0.433 * kElementsAtFineness1)) / fineness;

    auto start = Clock::now();
    FemMesh mesh;
    switch (MeshContour(contour, maxEdge, mesh, message, [&] { return going(0); })) {
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

    start = Clock::now();
    // Centroid of the mesh (the same as the polygon's up to rounding; taken from the mesh so
    // that the loads below balance exactly).
    double A = 0, Sy = 0, Sz = 0;
    for (const auto& e : mesh.elements) {
        const FemPoint &a = mesh.nodes[e[0]], &b = mesh.nodes[e[1]], &c = mesh.nodes[e[2]];
        const double t = ((b.y - a.y) * (c.z - a.z) - (c.y - a.y) * (b.z - a.z)) / 2;
        A += t;
        Sy += t * (a.y + b.y + c.y) / 3;
        Sz += t * (a.z + b.z + c.z) / 3;
    }
    const double y0 = Sy / A, z0 = Sz / A;
    const double cphi = std::cos(in.phi), sphi = std::sin(in.phi);

    // One node per connected part holds the constant of every solution.
    const int n = static_cast<int>(mesh.nodes.size());
    std::vector<int> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto& e : mesh.elements)
        for (int i = 1; i < 6; ++i)
            parent[Root(parent, e[i])] = Root(parent, e[0]);
    std::vector<int> dof(n, -1);
    int free = 0;
    for (int i = 0; i < n; ++i)
        if (Root(parent, i) != i) dof[i] = free++;

    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(mesh.elements.size() * 21);
    Eigen::VectorXd fw = Eigen::VectorXd::Zero(free), f1 = fw, f2 = fw;
    double Iyy = 0, Izz = 0, Iyz = 0, I11 = 0, I22 = 0; // Iyy = integral y^2 dA
    std::size_t count = 0;
    for (const auto& e : mesh.elements) {
        const Element el(mesh, e, y0, z0);
        double k[6][6] = {};
        double lw[6] = {}, l1[6] = {}, l2[6] = {};
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            const double w = q.w * el.area;
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
            const int r = dof[e[a]];
            if (r < 0) continue;
            fw[r] += lw[a];
            f1[r] += l1[a];
            f2[r] += l2[a];
            for (int b = 0; b < 6; ++b) {
                const int c = dof[e[b]];
                if (c < 0 || c > r) continue;
                triplets.emplace_back(r, c, a >= b ? k[a][b] : k[b][a]);
            }
        }
        if (++count % 8192 == 0 && !going(1)) return TorsionStatus::Cancelled;
    }
    Eigen::SparseMatrix<double> K(free, free);
    K.setFromTriplets(triplets.begin(), triplets.end());
    triplets = {};
    out.assemblySeconds = Seconds(start);
    if (!going(2)) return TorsionStatus::Cancelled;

    start = Clock::now();
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower> solver;
    solver.compute(K);
    if (solver.info() != Eigen::Success) {
        message = cp850("Das Gleichungssystem der Torsion ist nicht lösbar.");
        return TorsionStatus::Failed;
    }
    if (!going(3)) return TorsionStatus::Cancelled;
    const Eigen::VectorXd xw = solver.solve(fw);
    const Eigen::VectorXd x1 = solver.solve(f1);
    const Eigen::VectorXd x2 = solver.solve(f2);
    if (solver.info() != Eigen::Success) {
        message = cp850("Das Gleichungssystem der Torsion ist nicht lösbar.");
        return TorsionStatus::Failed;
    }
    if (!going(4)) return TorsionStatus::Cancelled;

    std::vector<double> omega(n, 0.0);
    for (int i = 0; i < n; ++i)
        if (dof[i] >= 0) omega[i] = xw[dof[i]];
    out.J = Iyy + Izz - fw.dot(xw);
    out.As1 = I22 * I22 / f1.dot(x1);
    out.As2 = I11 * I11 / f2.dot(x2);

    // Shear centre: the pole (a, b) about which omega + a z - b y is orthogonal to y and z.
    double Wy = 0, Wz = 0;
    for (const auto& e : mesh.elements) {
        const Element el(mesh, e, y0, z0);
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            double w = 0;
            for (int a = 0; a < 6; ++a)
                w += s.N[a] * omega[e[a]];
            Wy += q.w * el.area * w * s.y;
            Wz += q.w * el.area * w * s.z;
        }
    }
    const double det = Iyy * Izz - Iyz * Iyz;
    const double a = (Iyz * Wy - Iyy * Wz) / det;
    const double b = (Izz * Wy - Iyz * Wz) / det;
    out.ySc = y0 + a;
    out.zSc = z0 + b;

    double W = 0, W2 = 0;
    for (const auto& e : mesh.elements) {
        const Element el(mesh, e, y0, z0);
        for (const QuadPoint& q : kRule) {
            const Shape s = el.At(q);
            double w = a * s.z - b * s.y;
            for (int k = 0; k < 6; ++k)
                w += s.N[k] * omega[e[k]];
            W += q.w * el.area * w;
            W2 += q.w * el.area * w * w;
        }
    }
    out.Iw = W2 - W * W / A;
    out.solveSeconds = Seconds(start);
    if (!std::isfinite(out.J) || !std::isfinite(out.Iw) || !std::isfinite(out.ySc) ||
        !std::isfinite(out.zSc) || !std::isfinite(out.As1) || !std::isfinite(out.As2)) {
        message = cp850("Die Torsionswerte sind nicht berechenbar.");
        return TorsionStatus::Failed;
    }
    going(kStages);
    return TorsionStatus::Ok;
}

} // namespace vak1
