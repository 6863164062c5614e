// Fixed and significant-digit numbers for DXF and TXT files.
#include "cad/cadnumber.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                          "34353637383940414243444546474849505152535455565758596061626364656667"
                          "6869707172737475767778798081828384858687888990919293949596979899";

// Writes the decimal digits of q, at least minDigits of them (zeros in front), so that they
// end just before end; returns where they start.
char* DigitsBefore(char* end, u128 q, int minDigits) {
    char* t = end;
    constexpr uint64_t kChunk = 10000000000000000000ull; // 10^19
    while (q > UINT64_MAX) {
        uint64_t low = static_cast<uint64_t>(q % kChunk);
        q /= kChunk;
        for (int i = 0; i < 19; ++i, low /= 10)
            *--t = static_cast<char>('0' + low % 10);
    }
    uint64_t v = static_cast<uint64_t>(q);
    while (v >= 100) {
        const std::size_t pair = static_cast<std::size_t>(v % 100) * 2;
        v /= 100;
        t -= 2;
        std::memcpy(t, kPairs + pair, 2);
    }
    if (v >= 10) {
        t -= 2;
        std::memcpy(t, kPairs + v * 2, 2);
    } else if (v > 0) {
        *--t = static_cast<char>('0' + v);
    }
    while (end - t < minDigits)
        *--t = '0';
    return t;
}

constexpr auto kPowersOf5 = [] {
    std::array<uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

} // namespace

char* FixedChars(char* out, long double x, int decimals) {
    static_assert(sizeof(long double) >= 10 && std::numeric_limits<long double>::digits == 64,
                  "the x87 extended format");
    if (decimals < 0 || decimals > 19) return nullptr;
    uint64_t mantissa = 0;
    uint16_t signExponent = 0;
    std::memcpy(&mantissa, &x, 8);
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    const int biased = signExponent & 0x7FFF;
    if (biased == 0x7FFF) return nullptr;
    // x = mantissa * 2^e exactly; x * 10^decimals = mantissa * 5^decimals * 2^(e + decimals).
    const int e = (biased == 0 ? 1 : biased) - 16383 - 63;
    const u128 n = static_cast<u128>(mantissa) * kPowersOf5[static_cast<std::size_t>(decimals)];
    const int shift = e + decimals;
    u128 q = 0;
    if (n == 0) {
        q = 0;
    } else if (shift >= 0) {
        if (shift >= 127 || (n >> (127 - shift)) != 0) return nullptr;
        q = n << shift;
    } else if (-shift < 128) {
        // Rounded to nearest, a tie to the even neighbour: the decimal digits of the exact
        // binary value, as the C library prints them.
        const int s = -shift;
        q = n >> s;
        const u128 rest = n - (q << s);
        const u128 half = static_cast<u128>(1) << (s - 1);
        if (rest > half || (rest == half && (q & 1) != 0)) ++q;
    } // else: far below half a unit of the last place, q stays 0
    char* p = out;
    if (signExponent & 0x8000) *p++ = '-';
    char digits[48];
    const char* const end = digits + sizeof digits;
    const char* const first = DigitsBefore(digits + sizeof digits, q, decimals + 1);
    const auto whole = static_cast<std::size_t>(end - first - decimals);
    std::memcpy(p, first, whole);
    p += whole;
    if (decimals > 0) {
        *p++ = '.';
        std::memcpy(p, first + whole, static_cast<std::size_t>(decimals));
        p += decimals;
    }
    return p;
}

char* FixedNumberChars(char* out, long double x, int decimals) {
    if (!std::isfinite(x)) return nullptr;
    // The fixed form of the largest values would run to thousands of digits.
    const bool exponent = std::fabs(x) >= 1e30L;
    char* end = exponent ? nullptr : FixedChars(out, x, decimals);
    if (!end) {
        char* const last = out + kFixedNumberChars;
        end = (exponent ? std::to_chars(out, last, x, std::chars_format::scientific,
                                        std::max(decimals, 1))
                        : std::to_chars(out, last, x, std::chars_format::fixed, decimals))
                  .ptr;
        if (exponent) std::replace(out, end, 'e', 'E');
    }
    // A negative value that rounds to zero is written as zero.
    if (out[0] == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; })) {
        std::memmove(out, out + 1, static_cast<std::size_t>(end - out - 1));
        --end;
    }
    return end;
}

bool AppendFixed(std::string& out, long double x, int decimals, char sep) {
    char buf[kFixedNumberChars];
    char* const end = FixedNumberChars(buf, x, decimals);
    if (!end) return false;
    if (sep != '.' && decimals > 0) std::replace(buf, end, '.', sep);
    out.append(buf, static_cast<std::size_t>(end - buf));
    return true;
}

std::string NotANumberText() {
    return cp850("Die Zeichnung enthält eine Zahl ohne Wert");
}

std::string FixedText(long double x, int decimals, char sep) {
    std::string s;
    AppendFixed(s, x, decimals, sep);
    return s;
}

int CadDecimals(const Settings& s) {
    return std::clamp(s.DxfDecimals, 0, 16);
}

std::string SignificantText(const Settings& s, long double x) {
    std::string t;
    if (s.DecimalComma == DecimalSign::Point) {
        t = FormatSignificant(s, x);
    } else {
        Settings point = s;
        point.DecimalComma = DecimalSign::Point;
        t = FormatSignificant(point, x);
    }
    const auto first = t.find_first_not_of(' ');
    return first == std::string::npos ? "0" : t.substr(first);
}

std::string CadTextConvert(const Settings& s, const std::string& text) {
    switch (s.CadTextMode) {
    case 2:
        return OemToAnsiText(text, false);
    case 3:
        return PlainAscii(text);
    default:
        return text;
    }
}

} // namespace vak1
