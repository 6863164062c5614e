// The one pair of factors between degrees and radians.
#pragma once
#include <numbers>

namespace vak1 {

constexpr long double kRadPerDeg = std::numbers::pi_v<long double> / 180; // degrees to radians
constexpr long double kDegPerRad = 180 / std::numbers::pi_v<long double>; // radians to degrees

} // namespace vak1
