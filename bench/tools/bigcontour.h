// The benchmark contour: 500 positions on a circle of radius 1000 mm, each edge but the
// closing one a shallow arc, so the polygon has close to 2000 points.
#pragma once
#include <cmath>
#include <numbers>

#include "app/App.h"
#include "project/calculation.h"

namespace vak1::bench {

inline void LoadBigContour(App& app) {
    ProjectData& p = app.Project;
    constexpr long double pi = std::numbers::pi_v<long double>;
    p.ResetContour();
    p.ArcDivision = 5;
    for (int i = 0; i < 500; ++i) {
        const long double t = 2 * pi * i / 500;
        // 15 degrees give three chords per arc; every 42nd edge straight stays below 2000.
        const long double phi = i % 42 == 0 ? 0 : (i % 2 ? 15 : -15) * pi / 180;
        p.Positions.push_back(TPosition{1000 * std::cos(t), 1000 * std::sin(t), phi});
    }
    CalcSection(p, app.Messages, app.Config);
}

} // namespace vak1::bench
