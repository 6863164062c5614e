// Whole-process timings of the unattended jobs on a 500-position project with arcs (and of the
// extended values of the L-profile example), beside a program that only starts and exits.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "app/App.h"
#include "process.h"
#include "app/projectcontext.h"
#include "testing/FixedClock.h"
#include "testing/ScriptedUi.h"
#include "project/projectfile.h"

extern char** environ;

using namespace vak1;
namespace fs = std::filesystem;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// BIG.vak1: 500 positions on a circle, every edge an arc of 13 to 17 degrees (about 2000
// polygon points), written by the program's own writer.
std::string BigProject() {
    static const std::string dir = [] {
        fs::path d = fs::temp_directory_path() / "vak1-bench-jobs";
        fs::create_directories(d);
        return d.string() + "/";
    }();
    const std::string path = dir + "BIG.vak1";
    if (fs::exists(path)) return path;
    App app;
    ScriptedUi ui;
    FixedClock clock;
    app.Env.ui = &ui;
    app.Env.clock = &clock;
    for (int i = 0; i < 500; ++i) {
        long double a = 2 * kPi * i / 500;
        long double phi = (13 + 4.0L * ((i * 37) % 101) / 100) * kPi / 180;
        app.Project.Positions.push_back({100 * std::cos(a), 100 * std::sin(a), phi});
    }
    WriteProject(ProjectFileOf(app), path);
    return path;
}

void BM_EmptyProcess(benchmark::State& state) {
    bench::RunProcess(state, {VAK1_EMPTY_PROCESS});
}
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ReportJob(benchmark::State& state) {
    const std::string project = BigProject();
    fs::current_path(fs::path(project).parent_path());
    bench::RunProcess(state, {VAK1_BINARY, project, "/I", "/NOGUI"});
}
BENCHMARK(BM_ReportJob)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The extended values of the 500-position contour and of the L-profile of the examples,
// torsion and shear by finite elements included.
void BM_ExtendedJob(benchmark::State& state) {
    const std::string project = BigProject();
    fs::current_path(fs::path(project).parent_path());
    bench::RunProcess(state, {VAK1_BINARY, project, "/X", "/NOGUI"});
}
BENCHMARK(BM_ExtendedJob)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ExtendedJobLProfile(benchmark::State& state) {
    fs::current_path(fs::path(BigProject()).parent_path());
    bench::RunProcess(state,
                      {VAK1_BINARY, VAK1_SOURCE_DIR "/examples/l-profil.vak1", "/X", "/NOGUI"});
}
BENCHMARK(BM_ExtendedJobLProfile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_DxfJob(benchmark::State& state) {
    const std::string project = BigProject();
    fs::current_path(fs::path(project).parent_path());
    bench::RunProcess(state, {VAK1_BINARY, project, "/CAD1:1"});
}
BENCHMARK(BM_DxfJob)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
