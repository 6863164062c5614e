// Torsion and shear values of a section by finite elements: the warping function and the
// shear functions on a mesh of six-node triangles over the closed contour.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

struct FemPoint {
    double y = 0, z = 0;
};

// The sparse Cholesky factorisation of the finite-element system. All give the same values up
// to rounding and differ only in speed.
enum class FemSolver {
    Automatic,         // the fastest for the size of the system
    Simplicial,        // Eigen's simplicial LDL^T
    CholmodSimplicial, // CHOLMOD's simplicial LL^T
    CholmodSupernodal, // CHOLMOD's supernodal LL^T, on dense blocks of columns
    SimplicialCorners, // Eigen's simplicial LDL^T, the nodes numbered by ordering the corners
    Supernodal,        // this program's supernodal LL^T on dense fronts, in the corners' order
};

struct TorsionOptions {
    // 1 = the mesh size the section's size suggests; 2 halves the element edge, and so on.
    double fineness = 1;
    FemSolver solver = FemSolver::Automatic;
};

// Values in the units of the contour (mm or inch), about the centroid and the principal axes
// that the caller passes in.
struct TorsionValues {
    double J = 0;            // St. Venant torsion constant
    double ySc = 0, zSc = 0; // shear centre, contour coordinates
    double Iw = 0;           // warping constant about the shear centre
    double As1 = 0, As2 = 0; // shear areas along the principal axes 1 and 2
    std::size_t elements = 0, nodes = 0;
    double wall = 0;         // thinnest wall found (0: none across the section)
    double wallElements = 0; // element edges across it; below 3 the budget did not allow more
    double meshSeconds = 0, assemblySeconds = 0, solveSeconds = 0;
    double solveCpuSeconds = 0;              // solveSeconds in processor time
    FemSolver solver = FemSolver::Automatic; // the one that solved the system
};

struct TorsionInput {
    std::vector<FemPoint> contour; // closed polygon, first point not repeated at the end
    // Angle of the arc from contour point i to the next (radians, positive counter-clockwise
    // about its centre); missing or 0: a straight edge.
    std::vector<double> arcs;
    double ys = 0, zs = 0; // centroid
    double phi = 0;        // angle of principal axis 1 from the y axis, radians
    double I1 = 0, I2 = 0; // principal moments of inertia
    double A = 0;          // area
};

enum class TorsionStatus { Ok, Cancelled, NotMeshable, Failed };

// The shear stresses of the solution at the nodes of the mesh, per unit load: the mean of
// the values the elements meeting at a node give there.
struct TorsionField {
    std::vector<FemPoint> nodes; // contour coordinates
    // Corner nodes 0..2 counter-clockwise, then the midside nodes of the edges 0-1, 1-2, 2-0.
    std::vector<std::array<int, 6>> elements;
    // Per node: the stress vector (tau_xy, tau_xz) of a torsion moment 1 about the shear
    // centre, of a shear force 1 along principal axis 1 and of one along principal axis 2.
    std::vector<std::array<double, 6>> unit;
};

// The contour as the solver meshes it: points closer than a billionth of its size taken as
// one (an arc ends a rounding error beside its position), without repeated neighbours and
// without the closing point.
std::vector<FemPoint> MergedContour(const std::vector<FemPoint>& contour);

// Empty for values a section can have (J, As1, As2 > 0, Iw >= 0); otherwise why they cannot
// stand (code page 850): such values are a failed run, never a result.
std::string NonPhysicalTorsionMessage(const TorsionValues& v);

// report(done, total) is called now and then; it returns false once the user cancelled, and
// the computation then ends with Cancelled. On NotMeshable and Failed, message says why (code
// page 850).
TorsionStatus
ComputeTorsion(const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
               std::string& message,
               const std::function<bool(std::size_t done, std::size_t total)>& report = {});

// ComputeTorsion that also gives the stress field of its solution.
TorsionStatus
ComputeTorsionField(const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
                    TorsionField& field, std::string& message,
                    const std::function<bool(std::size_t done, std::size_t total)>& report = {});

} // namespace vak1
