// Reset of the drawing documentation and the date text it stamps.
#include "docu/Documentation.h"

#include <cstdio>

#include "platform/Clock.h"
#include "settings/Settings.h"

namespace vak1 {

void ResetDocumentation(Documentation& d, const std::string& today) {
    d.ChangeCount = 0;
    d.ReplacementFor.clear();
    d.ReplacedBy.clear();
    for (auto& row : d.ApprovalRows)
        row = TApprovalRow{};
    d.ApprovalRows[kPrepared].date = today.substr(0, kApprovalFieldLength);
}

std::vector<std::string> DescriptionLines(const std::string& description) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < description.size(); ++i) {
        const char c = description[i];
        const bool crlf = c == '\r' && i + 1 < description.size() && description[i + 1] == '\n';
        if (crlf) {
            ++i;
        } else if (c != '\n' && c != '\r') {
            lines.back() += c;
            continue;
        } else if (c == '\n' && !lines.back().empty() && lines.back().back() == '|') {
            lines.back().pop_back();
        }
        lines.emplace_back();
    }
    return lines;
}

bool DescriptionEndsLikeAnEntry(const std::string& description) {
    const std::vector<std::string> lines = DescriptionLines(description);
    return lines.size() > 1 && lines.back() == std::string(14, '-');
}

std::string TodayText(const Clock& clock, const Settings& s) {
    const DateTime t = clock.Now();
    char buf[32];
    switch (s.DateCode) {
    case 1:
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", t.day, t.month, t.year);
        break;
    case 2:
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.month, t.day, t.year);
        break;
    case 4:
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.day, t.month, t.year);
        break;
    default:
        std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.year, t.month, t.day);
        break;
    }
    return buf;
}

} // namespace vak1
