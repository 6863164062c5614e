// The form-sheet benchmark contour: 500 positions around a flattened ring, every fourth edge
// a 30 degree arc, so both the section polygon and the hatching's chord polygon stay within
// their 2000 points.
#pragma once
#include <cmath>
#include <numbers>

#include "app/App.h"
#include "project/calculation.h"

namespace vak1::bench {

inline void LoadFormContour(App& app) {
    ProjectData& p = app.Project;
    constexpr long double pi = std::numbers::pi_v<long double>;
    p.ResetContour();
    for (int i = 0; i < 500; ++i) {
        const long double t = 2 * pi * i / 500;
        const long double phi = i % 4 == 1 ? 30 * pi / 180 : 0;
        p.Positions.push_back(TPosition{120 * std::cos(t), 60 * std::sin(t), phi});
    }
    p.DrawHatching = true;
    p.DrawPrincipalAxes = true;
    CalcSection(p, app.Messages, app.Config);
}

} // namespace vak1::bench
