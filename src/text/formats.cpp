// Fixed, significant-digit and engineering formats; unit texts in code page 850.
#include "text/formats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vak1 {

int DecimalExponent(long double b) {
    if (b == 0 || !std::isfinite(b)) return 0;
    long double t = std::log(b) / std::log(10.0L);
    return t >= 0 ? static_cast<int>(std::trunc(t)) : static_cast<int>(std::trunc(t)) - 1;
}

namespace {

long double Pow10(int k) {
    return std::pow(10.0L, static_cast<long double>(k));
}

// b * 10^k; in two steps where 10^k alone would overflow (for the smallest values).
long double ScaleByPow10(long double b, int k) {
    if (k < 4000) return b * Pow10(k);
    return b * Pow10(k / 2) * Pow10(k - k / 2);
}

// What a value without a number shows in place of its digits.
std::string NonFiniteMark(long double x) {
    if (std::isnan(x)) return "nan";
    return x > 0 ? "inf" : "-inf";
}

// Nearest integer, halves to the even neighbour (the default rounding mode).
long long RoundEven(long double v) {
    return std::llrint(v);
}

// Drops the extra digit of n and one decimal for every trailing zero after it.
int TrimZeros(long long n, int d) {
    do {
        n /= 10;
        if (n % 10 == 0) --d;
    } while (n % 10 == 0 && n != 0);
    return d;
}

} // namespace

SignificantWidth SignificantDigits(long double x, int s) {
    long double b = std::fabs(x);
    int e = DecimalExponent(b);
    SignificantWidth r;
    if (!std::isfinite(x)) return r;
    if (e >= s) {
        r.w = e + 1;
        r.d = 0;
    } else if (e < 0) {
        int k = s - e;
        r.w = 0;
        r.d = TrimZeros(RoundEven(ScaleByPow10(b, k)), k - 1);
    } else {
        r.w = e + 1;
        r.d = TrimZeros(RoundEven(b * Pow10(s - r.w + 2)), s - r.w + 1);
        r.d = std::max(r.d, 0);
    }
    return r;
}

std::string FormatFixed(const NumberStyle& s, long double x, int w, int d) {
    if (s.DecimalPlaces != 3) d = std::clamp(d + s.DecimalPlaces - 3, 0, 10);
    if (std::fabs(x) < 1e-8L) x = 0;
    w = std::clamp(w, 0, 64);
    d = std::clamp(d, 0, 64);
    std::string text;
    if (!std::isfinite(x)) {
        text = NonFiniteMark(x);
        if (static_cast<int>(text.size()) < w) text.insert(0, w - text.size(), ' ');
    } else {
        // Every digit is written: a number cut to a buffer would be a wrong number.
        const int n = std::snprintf(nullptr, 0, "%*.*Lf", w, d, x);
        text.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
        std::snprintf(text.data(), text.size(), "%*.*Lf", w, d, x);
        text.pop_back();
    }
    if (d > 0 && static_cast<int>(text.size()) < w + d + 1)
        text.insert(0, static_cast<std::size_t>(w + d + 1) - text.size(), ' ');
    if (UsesDecimalComma(s)) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string FormatSignificant(const NumberStyle& s, long double x) {
    if (!std::isfinite(x)) return NonFiniteMark(x);
    if (std::fabs(x) < 1e-5L) return "0";
    SignificantWidth sw = SignificantDigits(x, 3);
    return FormatFixed(s, x, sw.w, sw.d);
}

std::string FormatEngineering(const NumberStyle& s, long double x) {
    if (std::fabs(x) < 1e-12L) x = 0;
    long double b = std::fabs(x);
    if (!std::isfinite(x)) return NonFiniteMark(x);
    if (b >= 1e-5L && b < 10000) return FormatSignificant(s, x);
    int e = DecimalExponent(b);
    int r = e % 3;
    long double m;
    if (e >= 4)
        m = x / Pow10(e - r);
    else if (e < -2)
        m = x * Pow10(r - e);
    else
        return FormatSignificant(s, x);
    return FormatSignificant(s, m) + "E" + std::to_string((e / 3) * 3);
}

std::string FormatPowerOfTen(const NumberStyle& s, long double x) {
    if (!std::isfinite(x)) return NonFiniteMark(x);
    if (x == 0) return "0";
    const int e = DecimalExponent(std::fabs(x));
    const int r = e % 3;
    const long double m = e >= 0 ? x / Pow10(e - r) : ScaleByPow10(x, r - e);
    return FormatSignificant(s, m) + "E" + std::to_string(e - r);
}

std::string KeepSmallValue(const NumberStyle& s, const std::string& text, long double x,
                           long double floor) {
    if (!std::isfinite(x) || x == 0 || !(std::fabs(x) >= floor)) return text;
    if (text.find_first_of("123456789") != std::string::npos) return text;
    return FormatPowerOfTen(s, x);
}

std::string FormatLength(const NumberStyle& s, long double mm) {
    if (s.EnglishUnits != Units::English) return FormatSignificant(s, mm);
    long double inch = mm * kMmToInch;
    return FormatFixed(s, inch, SignificantDigits(inch, 3).w, 4);
}

std::string FormatLengthFixed(const NumberStyle& s, long double mm, int w, int d) {
    if (s.EnglishUnits != Units::English) return FormatFixed(s, mm, w, d);
    return FormatFixed(s, mm * kMmToInch, std::max(w - 1, 1), d + 1);
}

std::string FormatArea(const NumberStyle& s, long double mm2) {
    return FormatSignificant(s, s.EnglishUnits == Units::English ? mm2 * kAreaToIn2 : mm2);
}

std::string FormatVolume(const NumberStyle& s, long double mm3) {
    return FormatSignificant(s, s.EnglishUnits == Units::English ? mm3 * kVolumeToIn3 : mm3);
}

std::string FormatMoment4(const NumberStyle& s, long double mm4) {
    return FormatSignificant(s, s.EnglishUnits == Units::English ? mm4 * kMoment4ToIn4 : mm4);
}

std::string FitField(const NumberStyle& s, const std::string& text, long double shown,
                     std::size_t width) {
    if (text.size() <= width) return text;
    const std::size_t first = std::min(text.find_first_not_of(' '), text.size());
    const std::string trimmed = text.substr(first);
    if (trimmed.size() <= width) return std::string(width - trimmed.size(), ' ') + trimmed;
    const std::size_t point = std::min(trimmed.find_first_of(".,"), trimmed.size());
    if (point <= width) { // only decimals go beyond the field: the last ones give way
        std::string cut = trimmed.substr(0, width);
        if (cut.back() == '.' || cut.back() == ',') cut.replace(cut.size() - 1, 1, " ");
        return std::string(width - cut.size(), ' ') + cut;
    }
    return FormatEngineering(s, shown);
}

std::string UnitLength(const NumberStyle& s) {
    return s.EnglishUnits == Units::English ? "in" : "mm";
}

std::string UnitArea(const NumberStyle& s) {
    std::string base = s.EnglishUnits == Units::English ? "in" : "mm";
    return base + (s.PlainCharacters == UnitCharacters::Plain ? "2" : "\xFD");
}

std::string UnitVolume(const NumberStyle& s) {
    std::string base = s.EnglishUnits == Units::English ? "in" : "mm";
    return base + (s.PlainCharacters == UnitCharacters::Plain ? "3" : "\xFC");
}

std::string UnitMoment4(const NumberStyle& s) {
    return s.EnglishUnits == Units::English ? "in4" : "mm4";
}

std::string UnitAngle(const NumberStyle& s) {
    return s.PlainCharacters == UnitCharacters::Plain ? "deg" : "\xF8";
}

} // namespace vak1
