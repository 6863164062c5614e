// Conversion of the program's file dialog filters to Qt's form.
#include "gui/filefilter.h"

#include <vector>

namespace vak1 {
namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = s.find(sep, start);
        parts.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return parts;
        start = p + 1;
    }
}

std::string Masks(const std::string& mask) {
    std::string out;
    for (const std::string& m : Split(mask, ';')) {
        if (m.empty()) continue;
        if (!out.empty()) out += ' ';
        out += m;
    }
    return out.empty() ? "*" : out;
}

} // namespace

std::string QtFileFilter(const std::string& filter) {
    if (filter.empty()) return "*";
    const std::vector<std::string> parts = Split(filter, '|');
    std::string out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string& desc = parts[i];
        const std::string masks = Masks(i + 1 < parts.size() ? parts[i + 1] : desc);
        if (!out.empty()) out += ";;";
        // "(" would be read by Qt as the start of the mask list.
        if (desc.empty() || desc == masks || desc.find('(') != std::string::npos)
            out += desc.empty() || desc == masks ? masks + " (" + masks + ")" : desc;
        else
            out += desc + " (" + masks + ")";
    }
    return out;
}

} // namespace vak1
