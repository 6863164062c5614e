// Strict parsing of typed numbers.
#include "text/parse.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace vak1 {
namespace {

std::string_view Trim(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// [+-] (digits [. digits*] | . digits) [(e|E) [+-] digits]
bool IsDecimalNumber(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < t.size() && IsDigit(t[i]))
        ++i, ++intDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i, ++fracDigits;
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

} // namespace

ParsedNumber ParseNumber(std::string_view text) {
    std::string t(Trim(text));
    if (auto comma = t.find(','); comma != std::string::npos) t[comma] = '.';
    if (!IsDecimalNumber(t)) return {};
    errno = 0;
    char* end = nullptr;
    long double v = std::strtold(t.c_str(), &end);
    if (errno == ERANGE && std::isinf(v)) return {};
    if (!std::isfinite(v)) return {};
    return {v, true};
}

ParsedInteger ParseInteger(std::string_view text) {
    std::string_view t = Trim(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == t.size()) return {};
    for (std::size_t k = i; k < t.size(); ++k)
        if (!IsDigit(t[k])) return {};
    errno = 0;
    std::string s(t);
    long long v = std::strtoll(s.c_str(), nullptr, 10);
    if (errno == ERANGE || v > INT32_MAX || v < INT32_MIN) return {};
    return {static_cast<long>(v), true};
}

} // namespace vak1
