// Shared set-up of the CAD tests: a fresh App with scripted dialogs in its own temporary
// folder, the example contours, file reading and the ezdxf check.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/cadcontext.h"
#include "project/calculation.h"
#include "support/tempfolder.h"
#include "testing/FixedClock.h"
#include "testing/RecordingLauncher.h"
#include "testing/ScriptedUi.h"

namespace vak1::test {

namespace fs = std::filesystem;

inline constexpr long double kPi = std::numbers::pi_v<long double>;

// An L-profile 100 x 80, 10 thick, with an inner fillet of radius 10 (the bundled example).
inline void LoadExample(ProjectData& p) {
    const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -kPi / 2},
                                 {10, 20, 0}, {10, 80, 0}, {0, 80, 0}};
    p.ResetContour();
    for (const auto& pos : contour)
        p.Positions.push_back(pos);
}

// A rectangle 40 x 20 with its lower left corner at the origin.
inline void LoadRectangle(ProjectData& p) {
    const TPosition contour[] = {{0, 0, 0}, {40, 0, 0}, {40, 20, 0}, {0, 20, 0}};
    p.ResetContour();
    for (const auto& pos : contour)
        p.Positions.push_back(pos);
}

class CadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::make_unique<TempFolder>("vak1_cad_" + std::string(info->test_suite_name()) +
                                              "_" + info->name());
        dir = folder->dir();
        fs::create_directories(dir / "tmp");
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Env.launcher = &launcher;
        app.Config.TempDir = (dir / "tmp").string() + "/";
        app.Config.CadDir = dir.string() + "/";
        app.State.ProjectName = "beispiel";
        app.State.ProjectDir = "/daten/";
    }
    void TearDown() override { folder.reset(); }

    void Calc() { CalcSection(app.Project, app.Messages, app.Config); }
    // The CAD layer's view of app as it stands.
    CadContext cx() { return CadContextOf(app); }
    std::string File(const std::string& name) const { return (dir / name).string(); }

    App app;
    ScriptedUi ui;
    FixedClock clock;
    RecordingLauncher launcher;
    std::unique_ptr<TempFolder> folder;
    fs::path dir;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Lines of a CR LF file; a line end without CR fails the test.
inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
    const std::string all = ReadAll(path);
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < all.size()) {
        const std::size_t nl = all.find('\n', at);
        if (nl == std::string::npos) {
            ADD_FAILURE() << "last line without line end in " << path;
            lines.push_back(all.substr(at));
            break;
        }
        EXPECT_TRUE(nl > at && all[nl - 1] == '\r')
            << "line " << lines.size() + 1 << " of " << path << " lacks CR";
        lines.push_back(all.substr(at, nl > at && all[nl - 1] == '\r' ? nl - 1 - at : nl - at));
        at = nl + 1;
    }
    return lines;
}

struct EzdxfResult {
    int rc = -1;
    std::vector<std::string> lines;
    // Lines that start with prefix (for example "LINE|" or "TEXT|3|").
    std::vector<std::string> Of(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : lines)
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    std::size_t Count(const std::string& prefix) const { return Of(prefix).size(); }
    bool Has(const std::string& line) const {
        for (const auto& l : lines)
            if (l == line) return true;
        return false;
    }
};

// Loads path with ezdxf (tests/tools/dxf_dump.py) and returns what it found.
inline EzdxfResult LoadWithEzdxf(const std::string& path) {
    const std::string out = path + ".ezdxf.txt";
    const std::string cmd = std::string("\"") + VAK1_PYTHON + "\" \"" + VAK1_SOURCE_DIR +
                            "/tests/tools/dxf_dump.py\" \"" + path + "\" \"" + out + "\"";
    EzdxfResult r;
    const int status = std::system(cmd.c_str());
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);)
        r.lines.push_back(line);
    return r;
}

// A complete DXF file must load in ezdxf without errors, warnings or repairs.
inline EzdxfResult ExpectLoadsInEzdxf(const std::string& path) {
    EzdxfResult r = LoadWithEzdxf(path);
    EXPECT_EQ(r.rc, 0) << path << ": " << (r.lines.empty() ? "no output" : r.lines[0]);
    for (const auto& w : r.Of("WARN|"))
        ADD_FAILURE() << path << ": " << w;
    return r;
}

} // namespace vak1::test
