// Pins every bit the section calculation leaves behind: the results, body values, extents,
// polygon and messages of the shipped examples and of a set of contours (the benchmark's
// 500-position contour among them), as the exact 80-bit patterns in a golden file. Any
// change to the order of the floating-point operations shows here. VAK1_UPDATE_GOLDEN=1
// rewrites the golden file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "project/calculation.h"
#include "docu/Documentation.h"
#include "model/messages.h"
#include "project/projectfile.h"
#include "support/tempfolder.h"

using namespace vak1;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The ten significant bytes of an extended value: sign and exponent, then the mantissa.
std::string Bits(long double v) {
    static_assert(sizeof(long double) >= 10);
    uint64_t mantissa = 0;
    uint16_t exponent = 0;
    std::memcpy(&mantissa, &v, 8);
    std::memcpy(&exponent, reinterpret_cast<const char*>(&v) + 8, 2);
    char text[24];
    std::snprintf(text, sizeof text, "%04x%016llx", exponent,
                  static_cast<unsigned long long>(mantissa));
    return text;
}

// FNV-1a over the significant bytes of the polygon laid out in 2001 slots counted from 1,
// the slots before and after it empty: the layout the golden file was written with.
std::string PolygonHash(const ProjectData& p) {
    uint64_t h = 14695981039346656037ull;
    auto add = [&h](long double v) {
        const auto* b = reinterpret_cast<const unsigned char*>(&v);
        for (int i = 0; i < 10; ++i)
            h = (h ^ b[i]) * 1099511628211ull;
    };
    add(0);
    add(0);
    for (const TPolyPoint& q : p.PolyPoints) {
        add(q.y);
        add(q.z);
    }
    for (std::size_t i = p.PolyPoints.size(); i < kMaxPolyPoints; ++i) {
        add(0);
        add(0);
    }
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

std::string Describe(const std::string& name, const ProjectData& p, const MessageList& msgs) {
    std::string out = "case " + name + "\n";
    out += "CalcError " + std::to_string(p.CalcError) + " PolyCount " +
           std::to_string(p.PolyCount()) + " polygon " + PolygonHash(p) + "\n";
    const TSectionResults& R = p.R;
    const std::pair<const char*, long double> values[] = {
        {"A", R.A},           {"Hy", R.Hy},          {"Hz", R.Hz},     {"Iy", R.Iy},
        {"Iz", R.Iz},         {"Iyz", R.Iyz},        {"Ip0", R.Ip0},   {"ys", R.ys},
        {"zs", R.zs},         {"IyS", R.IyS},        {"IzS", R.IzS},   {"IyzS", R.IyzS},
        {"IpS", R.IpS},       {"phi", R.phi},        {"I1", R.I1},     {"I2", R.I2},
        {"J0", R.J0},         {"Js", R.Js},          {"V", p.V},       {"m", p.m},
        {"YMin", p.YMin},     {"YMax", p.YMax},      {"ZMin", p.ZMin}, {"ZMax", p.ZMax},
        {"YWidth", p.YWidth}, {"ZHeight", p.ZHeight}};
    for (const auto& [label, v] : values)
        out += std::string(label) + " " + Bits(v) + "\n";
    for (uint16_t i = 1; i <= msgs.count; ++i)
        out += "message " + std::string(msgs[i]) + "\n";
    return out;
}

void Contour(ProjectData& p, const std::vector<TPosition>& positions) {
    p.ResetContour();
    for (const TPosition& pos : positions)
        p.Positions.push_back(pos);
}

// The benchmark's contour: 500 positions on a circle of radius 100, arcs of 13 to 17
// degrees, a different angle at each position.
void BenchmarkContour(ProjectData& p, long double sense) {
    p.ResetContour();
    for (int i = 0; i < 500; ++i) {
        long double a = 2 * kPi * i / 500;
        long double phi = (13 + 4.0L * ((i * 37) % 101) / 100) * kPi / 180;
        p.Positions.push_back({100 * std::cos(a), 100 * std::sin(a), sense * phi});
    }
}

void Example(ProjectData& p, const char* file, long double division) {
    Documentation docu;
    const ProjectReadResult r =
        ReadProjectFile(p, docu, std::string(VAK1_SOURCE_DIR) + "/examples/" + file);
    ASSERT_TRUE(r.ok) << file;
    if (division > 0) p.ArcDivision = division;
}

} // namespace

TEST(SectionBits, EveryResultBitStaysAsPinned) {
    const long double deg = kPi / 180;
    const std::vector<std::pair<std::string, std::function<void(ProjectData&)>>> cases = {
        {"i-traeger", [](ProjectData& p) { Example(p, "i-traeger.vak1", 0); }},
        {"l-profil", [](ProjectData& p) { Example(p, "l-profil.vak1", 0); }},
        {"rohr", [](ProjectData& p) { Example(p, "rohr.vak1", 0); }},
        {"l-profil fine", [](ProjectData& p) { Example(p, "l-profil.vak1", 0.1L); }},
        {"rohr odd division", [](ProjectData& p) { Example(p, "rohr.vak1", 0.7L); }},
        {"benchmark", [](ProjectData& p) { BenchmarkContour(p, 1); }},
        {"benchmark clockwise", [](ProjectData& p) { BenchmarkContour(p, -1); }},
        // Half circle, full-circle arc between equal points, an arc of a single chord.
        {"arcs",
         [deg](ProjectData& p) {
             Contour(p, {{0, 0, 0},
                         {50, 0, 180 * deg},
                         {50, 30, 0},
                         {50, 30, 360 * deg},
                         {50, 30, 0},
                         {0, 30, -2 * deg},
                         {0, 0, 0}});
         }},
        {"large coordinates",
         [deg](ProjectData& p) {
             Contour(p, {{1e9L, -1e9L, 0},
                         {1e9L + 3, -1e9L, 95 * deg},
                         {1e9L + 3, -1e9L + 7, 0},
                         {1e9L, -1e9L + 7, 0}});
         }},
        {"zero area",
         [](ProjectData& p) {
             Contour(p, {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
         }},
        {"too many points",
         [deg](ProjectData& p) {
             Contour(p, {{0, 0, 0}, {10, 0, 359 * deg}, {10, 10, 0}});
             p.ArcDivision = 0.1L;
         }},
        {"not finite",
         [](ProjectData& p) {
             Contour(p, {{0, 0, 0}, {1e4000L, 0, 0}, {1e4000L, 1e4000L, 0}});
         }},
    };
    std::string actual;
    for (const auto& [name, fill] : cases) {
        ProjectData p;
        MessageList msgs;
        NumberStyle s;
        fill(p);
        CalcSection(p, msgs, s);
        actual += Describe(name, p, msgs);
    }
    const std::string golden = VAK1_GOLDEN_DIR "/calc/section_bits.txt";
    if (std::getenv("VAK1_UPDATE_GOLDEN")) test::WriteBytes(golden, actual);
    EXPECT_EQ(actual, test::ReadBytes(golden));
}
