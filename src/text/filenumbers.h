// Numbers in the program's own line files: plain fixed point without exponent or leading
// blanks, following the decimal places and the separator of the settings.
#pragma once
#include <string>

#include "text/formats.h"

namespace vak1 {

// n decimals when DecimalPlaces is 3, otherwise n shifted by the difference, within 0..10.
// Values below 1e-8 in size are written as 0.
std::string FormatFileFixed(const NumberStyle& s, long double x, int n);
// Whole numbers below 1 (0 above all) in the short significant form, the rest with 7
// decimals.
std::string FormatBodyValue(const NumberStyle& s, long double x);

} // namespace vak1
