// Typed value lines of the settings file.
#include "settings/cfgreader.h"

#include <algorithm>
#include <cmath>

#include "text/parse.h"
#include "text/linecursor.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

std::string Upper(std::string_view t) {
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    return UpperAscii(t);
}

} // namespace

const std::string* CfgReader::Line() {
    if (pos_ < lines_.size()) return &lines_[pos_++];
    if (!endAllowed && truncatedAt == 0) truncatedAt = lines_.size() + 1;
    return nullptr;
}

void CfgReader::Bad() {
    if (badAt == 0) badAt = pos_;
}

void CfgReader::Text(std::string& v, std::size_t maxLength) {
    if (const std::string* l = Line()) v = l->substr(0, maxLength);
}

void CfgReader::Integer(int& v) {
    const std::string* l = Line();
    if (!l) return;
    ParsedInteger n = ParseInteger(*l);
    if (!n.valid) Bad();
    v = static_cast<int>(n.value);
}

void CfgReader::Word(uint16_t& v) {
    int i = v;
    Integer(i);
    v = static_cast<uint16_t>(static_cast<unsigned>(i) & 0xFFFFu);
}

void CfgReader::Char(char& v) {
    if (const std::string* l = Line()) v = l->empty() ? '\0' : l->front();
}

void CfgReader::Bool(bool& v) {
    if (const std::string* l = Line()) v = Upper(*l) == "TRUE";
}

void CfgReader::BoolUnlessFalse(bool& v) {
    if (const std::string* l = Line()) v = Upper(*l) != "FALSE";
}

void CfgReader::Real(long double& v) {
    const std::string* l = Line();
    if (!l) return;
    std::string t = *l;
    std::replace(t.begin(), t.end(), ',', '.');
    ParsedNumber n = ParseNumber(t);
    if (!n.valid || std::fabs(n.value) > kMaxFileNumber) {
        Bad();
        n.value = 0;
    }
    v = n.value;
}

void CfgReader::Real6(long double& v) {
    const std::size_t before = pos_;
    Real(v);
    if (pos_ != before) v = ToReal48(v);
}

bool CfgReader::Rectangle(Rect& r) {
    const std::string* l = Line();
    if (!l) return false;
    int values[4] = {};
    std::size_t start = 0;
    for (int& value : values) {
        const std::size_t bar = l->find('|', start);
        ParsedInteger n = bar == std::string::npos ? ParsedInteger{}
                                                   : ParseInteger(l->substr(start, bar - start));
        if (!n.valid) {
            Bad();
            return false;
        }
        value = static_cast<int>(n.value);
        start = bar + 1;
    }
    r = Rect{values[0], values[1], values[2], values[3]};
    return true;
}

long double ToReal48(long double x) {
    if (x == 0 || !std::isfinite(x)) return 0;
    int e = 0;
    long double m = std::frexp(x, &e);
    x = std::ldexp(std::nearbyint(std::ldexp(m, 40)), e - 40);
    const long double a = std::fabs(x);
    if (a > 1.7e38L || a < 2.9e-39L) return 0;
    return x;
}

} // namespace vak1
