// Runs the Open CASCADE checker (tests/tools/iges_check.cpp) on an IGES file and keeps its
// report: load status, failed checks, entity counts by type.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace vak1::test {

struct IgesCheck {
    int rc = -1;
    std::vector<std::string> lines;
    bool Available() const { return std::string(VAK1_IGES_CHECK).size() > 0; }
    std::vector<std::string> Of(const std::string& prefix) const {
        std::vector<std::string> r;
        for (const auto& l : lines)
            if (l.rfind(prefix, 0) == 0) r.push_back(l);
        return r;
    }
    // Entities of an IGES type (all forms).
    int Count(int type) const {
        int n = 0;
        for (const auto& l : Of("TYPE|" + std::to_string(type) + "|"))
            n += std::stoi(l.substr(l.rfind('|') + 1));
        return n;
    }
};

inline IgesCheck CheckIges(const std::string& path) {
    IgesCheck r;
    if (!r.Available()) return r;
    const std::string out = path + ".occt.txt";
    const std::string cmd =
        std::string("\"") + VAK1_IGES_CHECK + "\" \"" + path + "\" > \"" + out + "\" 2>/dev/null";
    const int status = std::system(cmd.c_str());
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.find('|') != std::string::npos) r.lines.push_back(line);
    return r;
}

// Loads path with Open CASCADE and expects it read without a failed check.
inline IgesCheck ExpectIgesLoads(const std::string& path) {
    IgesCheck r = CheckIges(path);
    if (!r.Available()) {
        ADD_FAILURE() << "the Open CASCADE checker was not built (libocct-data-exchange-dev)";
        return r;
    }
    EXPECT_EQ(r.rc, 0) << path;
    EXPECT_EQ(r.Of("LOAD|"), std::vector<std::string>{"LOAD|done"}) << path;
    for (const auto& f : r.Of("FAIL|"))
        ADD_FAILURE() << path << ": " << f;
    return r;
}

} // namespace vak1::test
