// Fixed and significant-digit numbers for DXF and TXT files.
#include "cad/cadnumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

bool AppendFixed(std::string& out, long double x, int decimals, char sep) {
    if (!std::isfinite(x)) return false;
    char buf[128];
    // The fixed form of the largest values would run to thousands of digits.
    const bool exponent = std::fabs(x) >= 1e30L;
    auto res = exponent
                   ? std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific,
                                   std::max(decimals, 1))
                   : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    if (exponent) std::replace(buf, res.ptr, 'e', 'E');
    const char* begin = buf;
    if (buf[0] == '-') {
        // A negative value that rounds to zero is written as zero.
        bool zero = std::all_of(buf + 1, res.ptr, [](char c) { return c == '0' || c == '.'; });
        if (zero) begin = buf + 1;
    }
    const std::size_t at = out.size();
    out.append(begin, static_cast<std::size_t>(res.ptr - begin));
    if (sep != '.' && decimals > 0)
        std::replace(out.begin() + static_cast<long>(at), out.end(), '.', sep);
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
    if (s.DecimalComma == 1) {
        t = FormatSignificant(s, x);
    } else {
        Settings point = s;
        point.DecimalComma = 1;
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
