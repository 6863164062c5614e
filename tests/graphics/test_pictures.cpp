// The installed help pictures: every one read by hp2xx as well draws the same lines as ours
// (an interpreter that misreads an instruction moves or loses lines), and two of them
// painted on the image canvas match their stored pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

#include "graphics/draw.h"
#include "graphics/hpgl.h"
#include "graphics/replay.h"
#include "support/png.h"
#include "support/tempfolder.h"
#include "testing/ImageCanvas.h"

using namespace vak1;
namespace fs = std::filesystem;

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

std::vector<double> Numbers(const std::string& record) {
    std::vector<double> out;
    std::size_t at = record.find(';');
    while (at != std::string::npos) {
        out.push_back(std::strtod(record.c_str() + at + 1, nullptr));
        at = record.find(';', at + 1);
    }
    return out;
}

// Chords of a counter-clockwise arc about (cx, cy) from angle a to angle b (radians).
void Chords(std::vector<Segment>& out, double cx, double cy, double r, double a, double b) {
    while (b <= a)
        b += 2 * M_PI;
    const int n = std::max(4, static_cast<int>((b - a) / 0.02));
    for (int i = 0; i < n; ++i) {
        const double u = a + (b - a) * i / n, v = a + (b - a) * (i + 1) / n;
        out.push_back({cx + r * std::cos(u), cy + r * std::sin(u), cx + r * std::cos(v),
                       cy + r * std::sin(v)});
    }
}

// What our interpreter draws, labels left out.
std::vector<Segment> OurLines(const std::string& text) {
    GraphicsWindow g;
    DrawHpgl(g, g.Hpgl, text, false);
    std::vector<Segment> out;
    for (const auto& r : g.DisplayList) {
        const auto n = Numbers(r);
        if (r.starts_with("4;")) out.push_back({n[0], n[1], n[2], n[3]});
        if (r.starts_with("3;")) Chords(out, n[0], n[1], n[2], 0, 2 * M_PI);
        if (r.starts_with("5;")) {
            const double cx = (n[0] + n[2]) / 2, cy = (n[1] + n[3]) / 2, rad = (n[2] - n[0]) / 2;
            Chords(out, cx, cy, rad, std::atan2(n[5] - cy, n[4] - cx),
                   std::atan2(n[7] - cy, n[6] - cx));
        }
    }
    return out;
}

std::string WithoutLabels(std::string text) {
    for (std::size_t at; (at = text.find("LB")) != std::string::npos;)
        text.erase(at, text.find('\x03', at) - at + 1);
    return text;
}

// The LINE entities of hp2xx's DXF output for the picture text.
std::vector<Segment> Hp2xxLines(const std::string& text, const test::TempFolder& folder) {
    const std::string in = folder / "in.plt", out = folder / "out.dxf";
    test::WriteBytes(in, text);
    std::vector<std::string> args = {"hp2xx", "-q", "-m", "dxf", "-f", out, in};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    int status = -1;
    if (posix_spawnp(&pid, "hp2xx", nullptr, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    EXPECT_EQ(status, 0) << "hp2xx did not run";
    std::istringstream dxf(test::ReadBytes(out));
    std::vector<Segment> lines;
    std::string code, value;
    Segment s{};
    bool inLine = false;
    while (std::getline(dxf, code) && std::getline(dxf, value)) {
        const int c = std::atoi(code.c_str());
        const double v = std::atof(value.c_str());
        if (c == 0) {
            if (inLine) lines.push_back(s);
            inLine = value.find("LINE") == 0;
        }
        if (!inLine) continue;
        if (c == 10) s.x1 = v;
        if (c == 20) s.y1 = v;
        if (c == 11) s.x2 = v;
        if (c == 21) s.y2 = v;
    }
    return lines;
}

// Scaled into the unit square by the bounding box, aspect kept.
void Normalise(std::vector<Segment>& lines) {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const auto& s : lines) {
        x0 = std::min({x0, s.x1, s.x2}), x1 = std::max({x1, s.x1, s.x2});
        y0 = std::min({y0, s.y1, s.y2}), y1 = std::max({y1, s.y1, s.y2});
    }
    const double size = std::max(x1 - x0, y1 - y0);
    for (auto& s : lines)
        s = {(s.x1 - x0) / size, (s.y1 - y0) / size, (s.x2 - x0) / size, (s.y2 - y0) / size};
}

double Distance(double px, double py, const Segment& s) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - s.x1 - t * dx, py - s.y1 - t * dy);
}

// The largest distance from a point of a line of a to the nearest line of b.
double Farthest(const std::vector<Segment>& a, const std::vector<Segment>& b) {
    double worst = 0;
    for (const auto& s : a)
        for (int i = 0; i <= 10; ++i) {
            const double px = s.x1 + (s.x2 - s.x1) * i / 10, py = s.y1 + (s.y2 - s.y1) * i / 10;
            double best = 1e300;
            for (const auto& t : b)
                best = std::min(best, Distance(px, py, t));
            worst = std::max(worst, best);
        }
    return worst;
}

std::vector<fs::path> Pictures() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(fs::path(VAK1_SOURCE_DIR) / "data"))
        if (e.path().extension() == ".plt") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

TEST(HelpPictures, Hp2xxDrawsTheSameLinesAsOurInterpreter) {
    test::TempFolder folder;
    const auto pictures = Pictures();
    ASSERT_GE(pictures.size(), 6u);
    for (const auto& p : pictures) {
        const std::string text = test::ReadBytes(p.string());
        auto ours = OurLines(text), theirs = Hp2xxLines(WithoutLabels(text), folder);
        ASSERT_FALSE(ours.empty()) << p;
        ASSERT_FALSE(theirs.empty()) << p;
        Normalise(ours);
        Normalise(theirs);
        EXPECT_LT(Farthest(ours, theirs), 0.005) << p << ": a line of ours that hp2xx lacks";
        EXPECT_LT(Farthest(theirs, ours), 0.005) << p << ": a line of hp2xx that we lack";
    }
}

// The pictures on a 320 x 240 window; VAK1_UPDATE_GOLDEN=1 writes them anew.
TEST(HelpPictures, PaintedPicturesMatchTheStoredOnes) {
    for (const char* name : {"kontur", "achsen"}) {
        GraphicsWindow g;
        g.GraphWidth = 320;
        g.GraphHeight = 240;
        uint8_t abort = 0;
        ASSERT_TRUE(Header(g, abort, 0, 0, 160, 120));
        DrawHpgl(g, g.Hpgl,
                 test::ReadBytes(std::string(VAK1_SOURCE_DIR) + "/data/" + name + ".plt"), false);
        ImageCanvas canvas(321, 241);
        Settings s;
        Replay(g, s, canvas, abort);
        test::RgbImage img{canvas.Width(), canvas.Height(), {}};
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const CanvasColor c = canvas.Pixel(x, y);
                img.rgb.insert(img.rgb.end(), {c.r, c.g, c.b});
            }
        const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/hpgl_" + name + ".png";
        const char* update = std::getenv("VAK1_UPDATE_GOLDEN");
        if (update && std::string(update) == "1") test::WritePng(golden, img);
        test::RgbImage expected;
        ASSERT_TRUE(test::ReadPng(golden, expected)) << golden;
        ASSERT_EQ(expected.width, img.width);
        ASSERT_EQ(expected.height, img.height);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < img.rgb.size(); i += 3)
            if (!std::equal(img.rgb.begin() + long(i), img.rgb.begin() + long(i) + 3,
                            expected.rgb.begin() + long(i)))
                ++differing;
        EXPECT_LE(differing, img.rgb.size() / 3 / 500) << name;
    }
}
