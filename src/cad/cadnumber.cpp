// Fixed and significant-digit numbers for DXF and TXT files.
#include "cad/cadnumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

void AppendFixed(std::string& out, long double x, int decimals, char sep) {
    char buf[128];
    if (!std::isfinite(x) || std::fabs(x) >= 1e30L) x = 0; // no DXF reader takes these
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
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
