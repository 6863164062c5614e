// Checked reads of one line at a time, with the German wording of what was expected.
#include "text/linecursor.h"

#include <cmath>

#include "text/parse.h"
#include "text/cp850.h"

namespace vak1 {

void LineCursor::Fail(std::string reason) {
    if (Failed()) return;
    failLine_ = pos_ == 0 ? 1 : pos_;
    failReason_ = std::move(reason);
}

bool LineCursor::Next(std::string& out) {
    if (Failed()) return false;
    if (AtEnd()) {
        failLine_ = lines_.size() + 1;
        failReason_ = "Datei endet vorzeitig";
        return false;
    }
    out = lines_[pos_++];
    return true;
}

bool LineCursor::Text(std::string& out, std::size_t maxLength) {
    if (!Next(out)) return false;
    if (out.size() > maxLength) out.resize(maxLength);
    return true;
}

bool LineCursor::Expect(std::string_view text) {
    std::string line;
    if (!Next(line)) return false;
    if (line == text) return true;
    Fail("\"" + std::string(text) + "\" erwartet");
    return false;
}

bool LineCursor::Number(long double& value) {
    std::string line;
    if (!Next(line)) return false;
    ParsedNumber n = ParseNumber(line);
    if (!n.valid || std::fabs(n.value) > kMaxFileNumber) {
        Fail("Zahl erwartet");
        return false;
    }
    value = n.value;
    return true;
}

bool LineCursor::Integer(long& value, long min, long max) {
    std::string line;
    if (!Next(line)) return false;
    ParsedInteger n = ParseInteger(line);
    if (!n.valid || n.value < min || n.value > max) {
        Fail(cp850("ganze Zahl von ") + std::to_string(min) + " bis " + std::to_string(max) +
             " erwartet");
        return false;
    }
    value = n.value;
    return true;
}

} // namespace vak1

namespace vak1 {

std::string SingleLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

} // namespace vak1
