// CalcSection on a 500-position contour with arcs (about 2000 polygon points), beside GEOS
// computing only area and centroid of the same polygon (left out when GEOS is not found).
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#ifdef VAK1_HAVE_GEOS
#include <geos_c.h>
#endif

#include "project/calculation.h"

using namespace vak1;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// 500 positions on a circle of radius 100; every edge but the closing one is an arc of 13
// to 17 degrees, a different angle at each position, which the 5 degree division turns into
// 3 chords: 1997 points from the positions.
void BigContour(ProjectData& p) {
    p.ResetContour();
    for (int i = 0; i < 500; ++i) {
        long double a = 2 * kPi * i / 500;
        long double phi = (13 + 4.0L * ((i * 37) % 101) / 100) * kPi / 180;
        p.Positions.push_back({100 * std::cos(a), 100 * std::sin(a), phi});
    }
}

void BM_CalcSection(benchmark::State& state) {
    ProjectData p;
    MessageList msgs;
    NumberStyle s;
    BigContour(p);
    for (auto _ : state) {
        CalcSection(p, msgs, s);
        benchmark::DoNotOptimize(p.R.I1);
    }
    state.counters["points"] = p.PolyCount();
    if (p.CalcError) state.SkipWithError("calculation failed");
}
BENCHMARK(BM_CalcSection);

#ifdef VAK1_HAVE_GEOS
void BM_GeosAreaCentroid(benchmark::State& state) {
    ProjectData p;
    MessageList msgs;
    NumberStyle s;
    BigContour(p);
    CalcSection(p, msgs, s);
    GEOSContextHandle_t ctx = GEOS_init_r();
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(ctx, p.PolyCount(), 2);
    for (unsigned i = 0; i < p.PolyCount(); ++i) {
        GEOSCoordSeq_setX_r(ctx, seq, i, static_cast<double>(p.PolyPoints[i].y));
        GEOSCoordSeq_setY_r(ctx, seq, i, static_cast<double>(p.PolyPoints[i].z));
    }
    GEOSGeometry* ring = GEOSGeom_createLinearRing_r(ctx, seq);
    GEOSGeometry* poly = GEOSGeom_createPolygon_r(ctx, ring, nullptr, 0);
    for (auto _ : state) {
        double area = 0;
        GEOSArea_r(ctx, poly, &area);
        GEOSGeometry* c = GEOSGetCentroid_r(ctx, poly);
        benchmark::DoNotOptimize(area);
        GEOSGeom_destroy_r(ctx, c);
    }
    GEOSGeom_destroy_r(ctx, poly);
    GEOS_finish_r(ctx);
}
BENCHMARK(BM_GeosAreaCentroid);
#endif

} // namespace
