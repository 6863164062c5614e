// Repaint of the graphics window: a 100 000-record display list replayed into the offscreen
// window's picture at the size of a full-screen client area.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLine>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

#include "app/cadcontext.h"
#include "app/App.h"
#include "cad/CadLayer.h"
#include "cad/drawing.h"
#include "project/calculation.h"
#include "graphics/draw.h"
#include "graphics/replay.h"
#include "gui/GraphicsWidget.h"

using namespace vak1;

namespace {

constexpr int kRecords = 100000;

// Short hatch-like strokes over a 1000 x 800 mm sheet, with a colour change now and then,
// and when mixed also arcs, filled arrow heads and point numbers as the drawings have them.
void Fill(App& app, bool mixed) {
    GraphicsWindow& g = app.Graphics;
    g.GraphWidth = 1271;
    g.GraphHeight = 933;
    Clear(g);
    Header(g, app.State.AbortFlag, 0, 0, 1000, 800);
    SetTextStyle(g, 0, 0, 3.5L, 3.5L);
    for (int i = 0; static_cast<int>(g.DisplayList.size()) < kRecords; ++i) {
        const long double x = (i * 37) % 1000, y = (i * 53) % 800;
        if (i % 500 == 0) SetColor(g, 1 + (i / 500) % 15);
        if (!mixed || i % 10 < 7) {
            line(g, x, y, x + 8, y + 8);
        } else if (i % 10 == 7) {
            Arc(g, x, y, 10, 100, 6);
        } else if (i % 10 == 8) {
            Solid(g, x, y, x + 4, y + 1, x + 4, y - 1, x, y);
        } else {
            OutTextXY(g, x, y, std::to_string(i % 500));
        }
    }
}

void Repaint(benchmark::State& state, bool mixed) {
    App app;
    Fill(app, mixed);
    TFquorgra widget(app);
    widget.resize(app.Graphics.GraphWidth + 1, app.Graphics.GraphHeight + 1);
    for (auto _ : state) {
        widget.Refresh();
        benchmark::DoNotOptimize(widget.Picture().constBits());
    }
    state.counters["records"] = static_cast<double>(app.Graphics.DisplayList.size());
}

// The replay alone, onto a canvas that draws nothing: what parsing and mapping cost.
class NullCanvas : public Canvas {
  public:
    void SetPen(CanvasColor, int32_t, PenStyle, PenMode) override {}
    void SetBrush(CanvasColor, bool) override {}
    void SetFont(const CanvasFont&, CanvasColor) override {}
    void Line(CanvasPoint a, CanvasPoint) override { sum += a.x; }
    void Ellipse(CanvasPoint, CanvasPoint) override {}
    void Arc(CanvasPoint, CanvasPoint, CanvasPoint, CanvasPoint) override {}
    void Polygon(const CanvasPoint*, int) override {}
    void Text(CanvasPoint, const std::string&) override {}
    long sum = 0;
};

void BM_Replay100kNoPainting(benchmark::State& state) {
    App app;
    Fill(app, true);
    NullCanvas canvas;
    for (auto _ : state) {
        Replay(app.Graphics, app.Config, canvas, app.State.AbortFlag);
        benchmark::DoNotOptimize(canvas.sum);
    }
}
BENCHMARK(BM_Replay100kNoPainting)->Unit(benchmark::kMillisecond);

void BM_Repaint100kLines(benchmark::State& state) {
    Repaint(state, false);
}
void BM_Repaint100kMixed(benchmark::State& state) {
    Repaint(state, true);
}

// A drawing at the program's own limits: 500 positions, every other one starting a small arc,
// drawn with point numbers, axes and the result table.
void BM_RepaintLargestDrawing(benchmark::State& state) {
    App app;
    app.Config.TempDir = QDir::tempPath().toStdString() + "/";
    app.Graphics.GraphWidth = 1271;
    app.Graphics.GraphHeight = 933;
    ProjectData& p = app.Project;
    p.ResetContour();
    const long double pi = std::numbers::pi_v<long double>;
    for (int k = 0; k < 500; ++k) {
        const long double a = 2 * pi * k / 500;
        p.Positions.push_back(
            TPosition{500 * std::cos(a), 400 * std::sin(a), k % 2 ? 0 : pi / 100});
    }
    CalcSection(p, app.Messages, app.Config);
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
    TFquorgra widget(app);
    widget.resize(app.Graphics.GraphWidth + 1, app.Graphics.GraphHeight + 1);
    for (auto _ : state) {
        widget.Refresh();
        benchmark::DoNotOptimize(widget.Picture().constBits());
    }
    state.counters["records"] = static_cast<double>(app.Graphics.DisplayList.size());
    state.counters["polypoints"] = p.PolyCount();
}
BENCHMARK(BM_RepaintLargestDrawing)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Repaint100kLines)->Unit(benchmark::kMillisecond);

// Beside the repaint of the lines: Qt alone drawing the very same pixel lines, mapped
// beforehand, in the same runs and with the same pen, onto a picture of the same size. What
// the repaint takes beyond this is ours.
class LineCollector : public NullCanvas {
  public:
    void Lines(const CanvasPoint* ends, int count) override {
        for (int i = 0; i < count; ++i)
            lines.emplace_back(ends[2 * i].x, ends[2 * i].y, ends[2 * i + 1].x, ends[2 * i + 1].y);
    }
    std::vector<QLine> lines;
};

void BM_QtDrawLinesAlone(benchmark::State& state) {
    App app;
    Fill(app, false);
    LineCollector collected;
    Replay(app.Graphics, app.Config, collected, app.State.AbortFlag);
    QImage picture(app.Graphics.GraphWidth + 1, app.Graphics.GraphHeight + 1, QImage::Format_RGB32);
    constexpr std::size_t kRun = 1024;
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.translate(0.5, 0.5);
        painter.setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (std::size_t i = 0; i < collected.lines.size(); i += kRun)
            painter.drawLines(collected.lines.data() + i,
                              static_cast<int>(std::min(kRun, collected.lines.size() - i)));
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["lines"] = static_cast<double>(collected.lines.size());
}
BENCHMARK(BM_QtDrawLinesAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint100kMixed)->Unit(benchmark::kMillisecond);

// Beside them: one frame of a 60 Hz screen, the time a repaint has before the next frame is
// due (kept busy, so it reads the same in both columns).
void BM_OneFrameAt60Hz(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const Clock::time_point due = Clock::now() + std::chrono::microseconds(16667);
        while (Clock::now() < due) {
        }
    }
}
BENCHMARK(BM_OneFrameAt60Hz)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
