// Speed of the CAD output: the kind-1 DXF of a 500-position contour (about 2000 polygon
// points), in process and as a whole process beside ezdxf writing the same entities; and the
// replay of a 100 000-record display list onto the image canvas.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/cadcontext.h"
#include "cad/drawing.h"
#include "graphics/draw.h"
#include "graphics/replay.h"
#include "testing/ImageCanvas.h"
#include "tools/bigcontour.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

std::string Scratch(const std::string& name) {
    return (fs::temp_directory_path() / ("vak1_bench_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

void Kind1InProcess(benchmark::State& state) {
    App app;
    bench::LoadBigContour(app);
    if (app.Project.CalcError) state.SkipWithError("contour did not calculate");
    const std::string base = Scratch("inproc");
    for (auto _ : state) {
        if (!RunCadJob(CadContextOf(app), app.Project, app.Docu, cdDxf, dkGeometryTable, base))
            state.SkipWithError("write failed");
    }
    state.counters["polygon_points"] = app.Project.PolyCount();
    state.counters["bytes"] = static_cast<double>(fs::file_size(base + ".dxf"));
    fs::remove(base + ".dxf");
}
BENCHMARK(Kind1InProcess)->Unit(benchmark::kMillisecond);

void Kind1OurProcess(benchmark::State& state) {
    const std::string base = Scratch("ours");
    const std::string cmd = std::string("\"") + VAK1_CADJOB_TOOL + "\" \"" + base + "\"";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("cadjob failed");
    }
    fs::remove(base + ".dxf");
}
BENCHMARK(Kind1OurProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void Kind1EzdxfProcess(benchmark::State& state) {
    const std::string base = Scratch("ez"), list = Scratch("entities.txt");
    const std::string make =
        std::string("\"") + VAK1_CADJOB_TOOL + "\" \"" + base + "\" \"" + list + "\"";
    if (std::system(make.c_str()) != 0) state.SkipWithError("entity list failed");
    const std::string cmd = std::string("\"") + VAK1_PYTHON + "\" \"" + VAK1_SOURCE_DIR +
                            "/bench/ezdxf_kind1.py\" \"" + list + "\" \"" + base + "_ez.dxf\"";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("ezdxf script failed");
    }
    fs::remove(base + ".dxf");
    fs::remove(base + "_ez.dxf");
    fs::remove(list);
}
BENCHMARK(Kind1EzdxfProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// 100 000 records of every drawing kind over a 1000 x 750 world.
GraphicsWindow BigDisplayList() {
    GraphicsWindow g;
    g.GraphWidth = 1024;
    g.GraphHeight = 768;
    uint8_t abort = 0;
    Header(g, abort, 0, 0, 1000, 750);
    SetTextStyle(g, 2, 0, 5, 4);
    for (int i = 0; g.DisplayList.size() < 100000; ++i) {
        const long double x = (i * 37) % 1000, y = (i * 53) % 750;
        switch (i % 8) {
        case 0:
            SetColor(g, 1 + i % 15);
            break;
        case 1:
            circle(g, x, y, 5 + i % 20);
            break;
        case 2:
            Arc(g, x, y, i % 360, (i % 360) + 90, 10);
            break;
        case 3:
            OutTextXY(g, x, y, std::to_string(i));
            break;
        case 4:
            Solid(g, x, y, x + 8, y + 2, x + 8, y - 2, x, y);
            break;
        default:
            line(g, x, y, x + 40, y + 25);
            break;
        }
    }
    return g;
}

void Replay100k(benchmark::State& state) {
    GraphicsWindow g = BigDisplayList();
    Settings s;
    ImageCanvas canvas(1024, 768);
    uint8_t abort = 0;
    for (auto _ : state) {
        Replay(g, s, canvas, abort);
        benchmark::ClobberMemory();
    }
    state.counters["records"] = static_cast<double>(g.DisplayList.size());
    state.counters["records_per_s"] = benchmark::Counter(
        static_cast<double>(g.DisplayList.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Replay100k)->Unit(benchmark::kMillisecond);

} // namespace
