// Speed of the form sheet with hatching for a 500-position contour with arcs: the drawing job
// in process, and as a whole process for the DXF (/CAD1:5) and IGES (/CAD2:5) devices.
// Aim: each whole process under 50 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/cadcontext.h"
#include "cad/drawing.h"
#include "tools/formcontour.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

std::string Scratch(const std::string& name) {
    return (fs::temp_directory_path() /
            ("vak1_bench_form_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

void FormInProcess(benchmark::State& state) {
    const int device = static_cast<int>(state.range(0));
    App app;
    bench::LoadFormContour(app);
    if (app.Project.CalcError) state.SkipWithError("contour did not calculate");
    const std::string base = Scratch("inproc");
    const std::string file = base + (device == cdDxf ? ".dxf" : ".igs");
    for (auto _ : state) {
        if (!RunCadJob(CadContextOf(app), app.Project, app.Docu, device, dkForm, base))
            state.SkipWithError("write failed");
    }
    if (app.Messages.count != 0) state.SkipWithError("the hatching reported a problem");
    state.counters["hatch_points"] = app.Hatch.count;
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
    fs::remove(file);
}
BENCHMARK(FormInProcess)->Arg(cdDxf)->Arg(cdIges)->Unit(benchmark::kMillisecond);

void FormWholeProcess(benchmark::State& state) {
    const int device = static_cast<int>(state.range(0));
    const std::string base = Scratch("process");
    const std::string cmd = std::string("\"") + VAK1_FORMJOB_TOOL + "\" " + std::to_string(device) +
                            " \"" + base + "\"";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("formjob failed");
    }
    fs::remove(base + (device == cdDxf ? ".dxf" : ".igs"));
}
BENCHMARK(FormWholeProcess)
    ->Arg(cdDxf)
    ->Arg(cdIges)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);

} // namespace
