// Pi and the one pair of factors between degrees and radians.
#pragma once
#include <numbers>

namespace vak1 {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kRadPerDeg = kPi / 180; // degrees to radians
constexpr long double kDegPerRad = 180 / kPi; // radians to degrees

} // namespace vak1
