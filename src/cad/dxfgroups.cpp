// The group reader and the entity field table shared by the DXF readers.
#include "cad/dxfgroups.h"

#include <cmath>
#include <cstdint>

#include "text/parse.h"

namespace vak1 {
namespace {

std::string_view Trimmed(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

bool In(int code, int first, int last) {
    return code >= first && code <= last;
}

// The checked value of an integer group; false when it is no number or out of range.
bool CheckedInteger(const DxfGroup& g, long long& out) {
    const ParsedNumber n = ParseNumber(g.Name());
    if (!n.valid) return false;
    const long double v = std::trunc(n.value);
    const bool wide = In(g.code, 160, 169);
    const long double lo = wide ? static_cast<long double>(INT64_MIN) : INT32_MIN;
    const long double hi = wide ? static_cast<long double>(INT64_MAX) : INT32_MAX;
    if (v < lo || v > hi) return false;
    out = static_cast<long long>(v);
    return true;
}

} // namespace

std::string_view DxfGroup::Name() const {
    return Trimmed(value);
}

long double DxfGroup::Number() const {
    return ParseNumber(Name()).value;
}

bool IsDxfIntegerCode(int code) {
    return In(code, 60, 79) || In(code, 90, 99) || In(code, 160, 179) || In(code, 270, 289) ||
           In(code, 370, 389) || In(code, 400, 409) || In(code, 420, 429) || In(code, 440, 459) ||
           In(code, 1060, 1071);
}

bool DxfGroupReader::Next() {
    ok_ = false;
    if (Failed() || pos_ + 1 >= lines_.size()) return false;
    const ParsedInteger code = ParseInteger(Trimmed(lines_[pos_]));
    if (!code.valid) {
        failedLine_ = pos_ + 1;
        return false;
    }
    group_.code = static_cast<int>(code.value);
    group_.value = lines_[pos_ + 1];
    group_.integer = 0;
    if (IsDxfIntegerCode(group_.code) && !CheckedInteger(group_, group_.integer)) {
        failedLine_ = pos_ + 2;
        return false;
    }
    pos_ += 2;
    return ok_ = true;
}

void ReadDxfFields(DxfGroupReader& r, std::initializer_list<DxfField> fields) {
    while (r.Next() && r.Current().code != 0) {
        const DxfGroup& g = r.Current();
        for (const DxfField& f : fields) {
            if (f.code != g.code) continue;
            if (auto* number = std::get_if<long double*>(&f.target)) **number = g.Number();
            if (auto* integer = std::get_if<int*>(&f.target))
                **integer = static_cast<int>(g.integer);
            if (auto* text = std::get_if<std::string*>(&f.target)) **text = g.value;
        }
    }
}

} // namespace vak1
