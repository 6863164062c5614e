// Fixed-point numbers for line files. A buffer sized by the number itself, so even huge
// values are written whole and read back as they were.
#include "text/filenumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "text/formats.h"

namespace vak1 {

std::string FormatFileFixed(const NumberStyle& s, long double x, int n) {
    const int d = s.DecimalPlaces == 3 ? n : std::clamp(n + s.DecimalPlaces - 3, 0, 10);
    if (!std::isfinite(x) || std::fabs(x) < 1e-8L) x = 0;
    const int size = std::snprintf(nullptr, 0, "%.*Lf", d, x);
    std::string text(static_cast<std::size_t>(std::max(size, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*Lf", d, x);
    text.pop_back();
    if (UsesDecimalComma(s)) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string FormatBodyValue(const NumberStyle& s, long double x) {
    if (x < 1 && std::fabs(x - std::nearbyint(x)) < 1e-10L) return FormatSignificant(s, x);
    return FormatFileFixed(s, x, 7);
}

} // namespace vak1
