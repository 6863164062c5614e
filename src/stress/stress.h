// Stresses of a section under its internal forces. x runs along the bar; N is positive in
// tension; Mx twists about the shear centre; Vy and Vz act through the shear centre; My
// bends about the y axis and Mz about the z axis, both positive by the right-hand rule about
// their axis, so that sigma = N/A + My z/Iy - Mz y/Iz about principal axes y, z.
// Forces in N, moments in N mm, lengths in mm, stresses in N/mm2.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "fem/torsion.h"
#include "fem/worker.h"
#include "text/formats.h"

namespace vak1 {

struct ProjectData;

// The units loads and stresses are shown and typed in: N, N mm and N/mm2, or in inch mode
// lbf, lbf in and psi. The factors take a shown value to N, N mm, N/mm2 and mm.
struct LoadUnits {
    double force = 1, moment = 1, stress = 1, length = 1;
    const char *forceName = "N", *momentName = "Nmm", *stressName = "N/mm2";
};
LoadUnits LoadUnitsOf(bool inch);

struct SectionLoads {
    double N = 0, Vy = 0, Vz = 0, Mx = 0, My = 0, Mz = 0;
};

// The values of the section the normal stress takes: area, centroid and moments about the
// centroid (Iy = integral z^2 dA, Iz = integral y^2 dA, Iyz = integral y z dA), positive area.
struct NormalStressSection {
    double A = 0, ys = 0, zs = 0, Iy = 0, Iz = 0, Iyz = 0;
};

// The linear field sigma(y, z) = c + gy (y - ys) + gz (z - zs).
struct NormalStressField {
    double ys = 0, zs = 0, c = 0, gy = 0, gz = 0;
    double At(double y, double z) const { return c + gy * (y - ys) + gz * (z - zs); }
};
// The picture's and the report's choice of stress.
enum class StressKind { Normal, Shear, VonMises };

NormalStressField NormalStressOf(const NormalStressSection& s, const SectionLoads& loads);

struct StressPoint {
    double value = 0, y = 0, z = 0;
};

// The line sigma = 0 where the section bends.
struct NeutralAxis {
    bool exists = false;
    double angle = 0;      // direction from the y axis, radians, in (-pi/2, pi/2]
    bool crossesY = false; // crosses the centroid's y axis (z = zs) ...
    double y = 0;          // ... at this y
    bool crossesZ = false; // crosses the centroid's z axis (y = ys) ...
    double z = 0;          // ... at this z
};

struct StressResults {
    NormalStressSection section;
    NormalStressField normal;
    StressPoint sxMax, sxMin;  // on the contour's corners and arcs
    StressPoint tauMax, svMax; // at the mesh nodes
    NeutralAxis neutral;
    TorsionField mesh;                            // empty when the solver did not run
    std::vector<double> sigma, tau, sv;           // per mesh node
    std::vector<std::array<double, 2>> tauVector; // (tau_xy, tau_xz) per mesh node
    double ySc = 0, zSc = 0;                      // shear centre of the solution
};

// The solver of the shear stress field (ComputeTorsionFieldContained unless a caller brings
// its own).
using TorsionFieldSolver = std::function<TorsionStatus(
    const TorsionInput&, const TorsionOptions&, TorsionValues&, TorsionField&, std::string&,
    const std::function<bool(std::size_t done, std::size_t total)>&)>;
TorsionStatus SolveFieldInWorker(const TorsionInput& in, const TorsionOptions& options,
                                 TorsionValues& out, TorsionField& field, std::string& message,
                                 const std::function<bool(std::size_t, std::size_t)>& report);

enum class StressStatus { Ok, NoSection, Cancelled, Failed };

// The stresses of the calculated project under loads: the normal stresses from the section
// with its exact arcs, the shear stresses from the finite-element solution. On Failed and
// Cancelled, message says why (code page 850); the normal stresses are set even then.
StressStatus ComputeStresses(const ProjectData& p, const NumberStyle& settings,
                             const SectionLoads& loads, StressResults& out, std::string& message,
                             const TorsionFieldSolver& solver = SolveFieldInWorker,
                             const TorsionOptions& options = {},
                             const std::function<bool(std::size_t, std::size_t)>& report = {});

} // namespace vak1
