// Torsion and shear by finite elements: the L-profile example and a 500-position contour
// with arcs, each at the coarsest mesh giving J within 0.1 % of a much finer one, and the
// growth of meshing, assembly and solution time with the element count, for each of the
// sparse Cholesky solvers side by side.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "project/calculation.h"
#include "docu/Documentation.h"
#include "fem/torsion.h"
#include "project/projectfile.h"

using namespace vak1;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

TorsionInput InputOf(const ProjectData& p) {
    TorsionInput in;
    // The polygon repeats its first point at the end.
    for (std::size_t i = 0; i + 1 < p.PolyPoints.size(); ++i)
        in.contour.push_back(
            {static_cast<double>(p.PolyPoints[i].y), static_cast<double>(p.PolyPoints[i].z)});
    in.ys = static_cast<double>(p.R.ys);
    in.zs = static_cast<double>(p.R.zs);
    in.phi = static_cast<double>(p.R.phi);
    in.I1 = static_cast<double>(p.R.I1);
    in.I2 = static_cast<double>(p.R.I2);
    in.A = static_cast<double>(p.R.A);
    return in;
}

TorsionInput LProfile() {
    ProjectData p;
    Documentation docu;
    MessageList msgs;
    NumberStyle s;
    ReadProjectFile(p, docu, std::string(VAK1_SOURCE_DIR) + "/examples/l-profil.vak1");
    CalcSection(p, msgs, s);
    return InputOf(p);
}

// 500 positions on a circle of radius 100, every edge an arc of 13 to 17 degrees.
TorsionInput BigContour() {
    ProjectData p;
    MessageList msgs;
    NumberStyle s;
    p.ResetContour();
    for (int i = 0; i < 500; ++i) {
        long double a = 2 * kPi * i / 500;
        long double phi = (13 + 4.0L * ((i * 37) % 101) / 100) * kPi / 180;
        p.Positions.push_back({100 * std::cos(a), 100 * std::sin(a), phi});
    }
    CalcSection(p, msgs, s);
    return InputOf(p);
}

TorsionValues Solve(const TorsionInput& in, double fineness,
                    FemSolver solver = FemSolver::Automatic) {
    TorsionValues v;
    std::string message;
    TorsionOptions o;
    o.fineness = fineness;
    o.solver = solver;
    if (ComputeTorsion(in, o, v, message) != TorsionStatus::Ok) v.J = 0;
    return v;
}

// The coarsest fineness of a ladder whose J lies within 0.1 % of the J at fineness 8.
double FinenessFor01Percent(const TorsionInput& in) {
    const double reference = Solve(in, 8).J;
    for (double f : {0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0})
        if (std::fabs(Solve(in, f).J / reference - 1) < 0.001) return f;
    return 8;
}

void Run(benchmark::State& state, const TorsionInput& in, double fineness,
         FemSolver solver = FemSolver::Automatic) {
    TorsionValues v;
    double mesh = 0, assembly = 0, solution = 0, solutionCpu = 0;
    for (auto _ : state) {
        v = Solve(in, fineness, solver);
        // A copy: Google Benchmark 1.7's DoNotOptimize of a writable double lets GCC clobber it.
        const double J = v.J;
        benchmark::DoNotOptimize(J);
        mesh += v.meshSeconds;
        assembly += v.assemblySeconds;
        solution += v.solveSeconds;
        solutionCpu += v.solveCpuSeconds;
    }
    if (v.J == 0) state.SkipWithError("no torsion values");
    const double runs = static_cast<double>(state.iterations());
    const double k = static_cast<double>(v.elements) / 1000;
    state.counters["fineness"] = fineness;
    state.counters["elements"] = static_cast<double>(v.elements);
    state.counters["mesh_ms_per_1000"] = 1000 * mesh / runs / k;
    state.counters["assembly_ms_per_1000"] = 1000 * assembly / runs / k;
    state.counters["solve_ms_per_1000"] = 1000 * solution / runs / k;
    // The whole solution of the system: factorisation, the three solutions and the values
    // taken from them.
    state.counters["solution_ms"] = 1000 * solution / runs;
    // The same in processor time, which other programs on the machine do not stretch.
    state.counters["solution_cpu_ms"] = 1000 * solutionCpu / runs;
    // Meshing, assembly and solution together: what the user waits for.
    state.counters["total_ms"] = 1000 * (mesh + assembly + solution) / runs;
}

void BM_LProfile(benchmark::State& state) {
    static const TorsionInput in = LProfile();
    static const double fineness = FinenessFor01Percent(in);
    Run(state, in, fineness);
}
BENCHMARK(BM_LProfile)->Unit(benchmark::kMillisecond);

void BM_BigContour(benchmark::State& state) {
    static const TorsionInput in = BigContour();
    static const double fineness = FinenessFor01Percent(in);
    Run(state, in, fineness);
}
BENCHMARK(BM_BigContour)->Unit(benchmark::kMillisecond);

const char* NameOf(FemSolver solver) {
    switch (solver) {
    case FemSolver::Simplicial:
        return "eigen-simplicial";
    case FemSolver::CholmodSimplicial:
        return "cholmod-simplicial";
    case FemSolver::CholmodSupernodal:
        return "cholmod-supernodal";
    case FemSolver::SimplicialCorners:
        return "eigen-simplicial-corners";
    case FemSolver::Supernodal:
        return "supernodal";
    case FemSolver::Automatic:
        break;
    }
    return "automatic";
}

// The L-profile from about 12 500 to 200 000 elements (the fineness in tenths: 34, 48, 68, 96
// and 136 give about 12 500, 25 000, 50 000, 100 000 and 200 000), solved by Eigen's
// simplicial LDL^T with its own ordering (the solver of earlier releases), by the same after
// the corners' ordering (the solver before the supernodal one) and by Automatic in turn, in the
// same run: solution_ms and solution_cpu_ms show how the solution grows with the elements,
// total_ms the whole run with meshing and assembly.
void BM_LProfileGrowth(benchmark::State& state) {
    static const TorsionInput in = LProfile();
    const auto solver = static_cast<FemSolver>(state.range(1));
    state.SetLabel(NameOf(solver));
    Run(state, in, static_cast<double>(state.range(0)) / 10, solver);
}
void GrowthArgs(benchmark::internal::Benchmark* b) {
    for (int tenths : {34, 48, 68, 96, 136})
        for (FemSolver solver :
             {FemSolver::Simplicial, FemSolver::SimplicialCorners, FemSolver::Automatic})
            b->Args({tenths, static_cast<int>(solver)});
}
BENCHMARK(BM_LProfileGrowth)->Apply(GrowthArgs)->Unit(benchmark::kMillisecond);

} // namespace
