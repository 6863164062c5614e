// The fixed-point number form of the CAD files against the C library's "%.*Lf": the same
// bytes for ties, negative zero, the smallest and largest magnitudes and every width the
// writers use.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cad/cadnumber.h"

using namespace vak1;

namespace {

std::string Library(long double x, int decimals) {
    char buf[5000];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimals, x);
    return buf;
}

} // namespace

TEST(CadNumber, FixedCharsWritesTheLibrarysBytes) {
    std::vector<long double> values = {0.0L,
                                       -0.0L,
                                       0.5L,
                                       1.5L,
                                       2.5L,
                                       -2.5L,
                                       0.125L,
                                       0.375L,
                                       -0.0625L,
                                       0.0005L,
                                       1.0005L,
                                       2.675L,
                                       999.9995L,
                                       9.5L,
                                       99.5L,
                                       1e-5L,
                                       -1e-4L,
                                       -4e-4L,
                                       5e-4L,
                                       1e-20L,
                                       123456789.123456789L,
                                       -987654.3210987L,
                                       1e19L,
                                       18446744073709551615.0L,
                                       18446744073709551616.0L,
                                       1e29L,
                                       -9.999999999999999e29L,
                                       LDBL_MIN,
                                       LDBL_TRUE_MIN,
                                       -LDBL_TRUE_MIN,
                                       LDBL_EPSILON,
                                       std::nextafter(0.5L, 1.0L),
                                       std::nextafter(0.5L, 0.0L),
                                       std::nextafter(2.5L, 3.0L),
                                       std::ldexp(1.0L, 62),
                                       std::ldexp(1.0L, 63) + 1,
                                       std::ldexp(1.0L, 90),
                                       1e6L / 3};
    // Values with every bit of the mantissa in use, over the magnitudes a drawing has.
    uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 400; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const long double m = static_cast<long double>(state) / 18446744073709551616.0L;
        values.push_back((i % 2 ? -1 : 1) * std::ldexp(m, i % 80 - 40));
    }
    for (int decimals : {0, 1, 2, 3, 4, 6, 9, 10, 13, 16, 19}) {
        for (long double x : values) {
            char buf[128];
            char* end = FixedChars(buf, x, decimals);
            if (!end) {
                // Only values too large for the 127-bit route may be left to the library.
                EXPECT_GE(std::fabs(x) * std::pow(10.0L, decimals), 1e37L) << x;
                continue;
            }
            EXPECT_EQ(std::string(buf, end), Library(x, decimals))
                << "decimals " << decimals << " bits of " << static_cast<double>(x);
        }
    }
    char buf[8];
    EXPECT_EQ(FixedChars(buf, INFINITY, 3), nullptr);
    EXPECT_EQ(FixedChars(buf, NAN, 3), nullptr);
}
