// Rounding an extended value to an integer without the library call.
#pragma once
#include <cmath>
#include <cstdint>

namespace vak1 {

// v rounded to the nearest integer, halves to even, as std::llrint rounds in the default
// rounding mode. On x86 that is one instruction, the very one the C library's llrint runs;
// here it is inline, without the call and the trip of the 10-byte value through memory.
inline int64_t RoundToInteger(long double v) {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
    int64_t r;
    __asm__("fistpll %0" : "=m"(r) : "t"(v) : "st");
    return r;
#else
    return std::llrint(v);
#endif
}

// The same, for pixel and window numbers.
inline int32_t RoundToInt32(long double v) {
    return static_cast<int32_t>(RoundToInteger(v));
}

} // namespace vak1
