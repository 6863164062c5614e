// Reading the records once: the fields are split at ";" and read as std::from_chars reads them.
#include "graphics/recordlist.h"

#include <array>
#include <charconv>

#include "graphics/draw.h"

namespace vak1 {
namespace {

// Powers of ten that a long double holds exactly.
constexpr int kExactPowers = 27;
constexpr std::array<long double, kExactPowers + 1> kPowers = [] {
    std::array<long double, kExactPowers + 1> p{};
    long double v = 1;
    for (long double& x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

// A field of the list's number form ("-12.5", "1.2345679e+08", at most 19 digits and a power
// of ten a long double holds): the digits as an integer times or divided by that power is a
// single correctly rounded operation, the same value the library's reading gives.
bool FastValue(std::string_view t, long double& out) {
    const char* p = t.data();
    const char* const end = p + t.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    uint64_t digits = 0;
    int count = 0, scale = 0;
    const char* const start = p;
    for (; p != end && *p >= '0' && *p <= '9'; ++p, ++count)
        digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    if (p == start) return false;
    if (p != end && *p == '.') {
        ++p;
        for (; p != end && *p >= '0' && *p <= '9'; ++p, ++count, --scale)
            digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (count > 19) return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool down = p != end && *p == '-';
        if (p != end && (*p == '-' || *p == '+')) ++p;
        int e = 0, n = 0;
        for (; p != end && *p >= '0' && *p <= '9' && n < 4; ++p, ++n)
            e = e * 10 + (*p - '0');
        if (n == 0) return false;
        scale += down ? -e : e;
    }
    if (p != end || scale > kExactPowers || scale < -kExactPowers) return false;
    long double v = static_cast<long double>(digits);
    v = scale >= 0 ? v * kPowers[static_cast<std::size_t>(scale)]
                   : v / kPowers[static_cast<std::size_t>(-scale)];
    out = negative ? -v : v;
    return true;
}

} // namespace

long double RecordFieldValue(std::string_view field) {
    long double x = 0;
    if (FastValue(field, x)) return x;
    x = 0;
    std::from_chars(field.data(), field.data() + field.size(), x);
    return x;
}

int RecordNumberCount(int code) {
    switch (code) {
    case kRecMove:
    case kRecLineTo:
    case kRecText:
        return 2;
    case kRecCircle:
        return 3;
    case kRecLine:
    case kRecTextStyle:
        return 4;
    case kRecArc:
    case kRecSolid:
    case kRecWindow:
        return 8;
    case kRecColor:
    case kRecLineStyle:
    case kRecLineWidth:
    case kRecSleep:
        return 1;
    default:
        return 0;
    }
}

RecordList::RecordList(std::initializer_list<std::string> records) {
    *this = records;
}

RecordList& RecordList::operator=(std::initializer_list<std::string> records) {
    clear();
    for (const std::string& r : records)
        push_back(r);
    return *this;
}

void RecordList::clear() {
    texts_.clear();
    parsed_.clear();
    numbers_.clear();
}

// "code;f1;f2;...": the code before the first ";", then the fields; fields left out read as 0.
ParsedRecord RecordList::Parse(std::string_view r, std::size_t numbersAt) {
    ParsedRecord out;
    const std::size_t semi = r.find(';');
    std::from_chars(r.data(), r.data() + (semi == std::string_view::npos ? r.size() : semi),
                    out.code);
    const int wanted = RecordNumberCount(out.code);
    out.first = static_cast<uint32_t>(numbersAt);
    out.text = static_cast<uint32_t>(r.size());
    if (numbersAt + static_cast<std::size_t>(wanted) > numbers_.size())
        numbers_.resize(numbersAt + static_cast<std::size_t>(wanted));
    long double* v = numbers_.data() + numbersAt;
    std::size_t at = semi == std::string_view::npos ? r.size() : semi + 1;
    for (int k = 0; k < wanted; ++k) {
        if (at >= r.size()) {
            v[k] = 0;
            continue;
        }
        const std::size_t next = r.find(';', at);
        v[k] = RecordFieldValue(r.substr(at, next == std::string_view::npos ? r.npos : next - at));
        at = next == std::string_view::npos ? r.size() : next + 1;
        if (k == 1) out.text = static_cast<uint32_t>(at);
    }
    return out;
}

void RecordList::push_back(std::string record) {
    parsed_.push_back(Parse(record, numbers_.size()));
    texts_.push_back(std::move(record));
}

void RecordList::Replace(std::size_t i, std::string record) {
    const ParsedRecord old = parsed_[i];
    int32_t code = 0;
    std::from_chars(record.data(), record.data() + record.size(), code);
    // Numbers that fit where the old ones were go there; others go to the end.
    const std::size_t at =
        RecordNumberCount(code) <= RecordNumberCount(old.code) ? old.first : numbers_.size();
    parsed_[i] = Parse(record, at);
    texts_[i] = std::move(record);
}

} // namespace vak1
