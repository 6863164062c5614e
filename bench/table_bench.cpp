// Whole-process timings of the unattended table job over 10 000 generated project files of
// 100 to 500 positions with arcs, on all cores and on one.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "app/App.h"
#include "process.h"
#include "app/projectcontext.h"
#include "project/projectfile.h"
#include "testing/FixedClock.h"
#include "testing/ScriptedUi.h"

extern char** environ;

using namespace vak1;
namespace fs = std::filesystem;

namespace {

constexpr int kProjects = 10000;

// The folder of the projects: one file per position count 100..500 written by the program's
// own writer, copied under new names until there are kProjects.
std::string ProjectFolder() {
    static const std::string dir = [] {
        const fs::path d = fs::temp_directory_path() / "vak1-bench-table";
        const fs::path projects = d / "projects";
        if (fs::exists(d / "complete")) return projects.string();
        fs::remove_all(d);
        fs::create_directories(projects);
        constexpr long double pi = std::numbers::pi_v<long double>;
        for (int k = 0; k < kProjects; ++k) {
            const int n = 100 + k % 401;
            const std::string path = (projects / ("p" + std::to_string(k) + ".vak1")).string();
            if (k >= 401) {
                fs::copy_file(projects / ("p" + std::to_string(k % 401) + ".vak1"), path);
                continue;
            }
            App app;
            ScriptedUi ui;
            FixedClock clock;
            app.Env.ui = &ui;
            app.Env.clock = &clock;
            for (int i = 0; i < n; ++i) {
                const long double a = 2 * pi * i / n;
                const long double phi = (i % 2 ? 10 : -10) * pi / 180;
                app.Project.Positions.push_back({100 * std::cos(a), 100 * std::sin(a), phi});
            }
            WriteProject(ProjectFileOf(app), path);
        }
        std::ofstream(d / "complete") << "";
        return projects.string();
    }();
    return dir;
}

void RunTableJob(benchmark::State& state, const char* threads) {
    const std::string folder = ProjectFolder();
    fs::current_path(fs::path(folder).parent_path());
    std::vector<std::string> env{std::string("VAK1_THREADS=") + threads};
    for (char** e = environ; *e; ++e)
        if (!std::string(*e).starts_with("VAK1_THREADS=")) env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    bench::RunProcess(state, {VAK1_BINARY, "/TABLE", folder}, envp.data());
    // Seconds per project of the whole process.
    state.counters["s_per_project"] = benchmark::Counter(
        kProjects, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_TableJobAllCores(benchmark::State& state) {
    RunTableJob(state, "0");
}
BENCHMARK(BM_TableJobAllCores)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_TableJobOneCore(benchmark::State& state) {
    RunTableJob(state, "1");
}
BENCHMARK(BM_TableJobOneCore)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
