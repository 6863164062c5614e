// Pins the hatching: intercept scan and pairing of the 45 degree lines, the chord counts of
// arcs and their agreement with the section polygon, the 2000-point limit with the closing
// point, angle 0, the closed polygon without extra point and the 11th intersection.
#include <cmath>
#include <limits>

#include "cad/cad.h"
#include "cad/cadtest.h"
#include "cad/recorder.h"
#include "cad/schraff.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class HatchTest : public CadTest {
  protected:
    void SetUp() override {
        CadTest::SetUp();
        app.Cad.Out = std::make_unique<Recorder>(cx(), out);
    }
    void Hatch(const std::vector<std::array<long double, 3>>& v, long double angle = 45) {
        HatchBegin(cx(), true);
        for (const auto& p : v)
            HatchVertex(cx(), p[2], p[0], p[1]);
        HatchEnd(cx(), 0, angle, 0);
    }
    bool HasMessage(const std::string& text) const {
        for (uint16_t i = 1; i <= app.Messages.count; ++i)
            if (app.Messages[i] == text) return true;
        return false;
    }
    // Vertices of the chord polygon (the open polyline on layer 5 after the exact contour).
    int ChordVertices() const {
        int n = -1;
        for (const auto& s : out) {
            if (s == "POLY|5|0")
                n = 0;
            else if (n >= 0 && s.rfind("VERTEX|", 0) == 0)
                ++n;
            else if (n >= 0 && s == "END")
                break;
        }
        return n;
    }
    std::vector<std::string> out;
};

// Point i of the hatch buffer.
HatchPoint At(const App& app, int i) {
    return app.Hatch.points[static_cast<std::size_t>(i)];
}

} // namespace

TEST_F(HatchTest, RectangleAt45DegreesGetsNineLinesJoiningBothSides) {
    Hatch({{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}});
    EXPECT_EQ(app.Messages.count, 0u);
    EXPECT_EQ(ChordVertices(), 5); // the closing point is appended
    const auto lines = Starting(out, "LINE|3|");
    ASSERT_EQ(lines.size(), 9u);
    // Intercepts run from -100 to 50 in steps of 15; each line y = x + b enters the
    // rectangle on its bottom or left edge and leaves on its right or top edge.
    for (int j = 1; j <= 9; ++j) {
        const long double b = -100 + 15 * j;
        const long double x1 = b < 0 ? -b : 0, y1 = b < 0 ? 0 : b;
        const long double x2 = b <= -50 ? 100 : 50 - b, y2 = x2 + b;
        EXPECT_EQ(lines[static_cast<std::size_t>(j - 1)],
                  "LINE|3|" + Fmt(x1) + "|" + Fmt(y1) + "|" + Fmt(x2) + "|" + Fmt(y2))
            << "b = " << static_cast<double>(b);
    }
    // The exact contour went out first as a closed polyline.
    EXPECT_EQ(Starting(out, "POLY|")[0].back(), '1');
}

TEST_F(HatchTest, ArcChordsFollowTheFifteenDegreeRule) {
    EXPECT_EQ(HatchChords(kPi), 12);
    EXPECT_EQ(HatchChords(-kPi / 2), 6);
    EXPECT_EQ(HatchChords(20 * kPi / 180), 3);
    EXPECT_EQ(HatchChords(1e-3L), 3);
    for (const auto& [phi, chords] :
         std::vector<std::pair<long double, int>>{{kPi, 12}, {kPi / 2, 6}, {20 * kPi / 180, 3}}) {
        HatchBegin(cx(), true);
        HatchVertex(cx(), phi, 0, 0);
        HatchVertex(cx(), 0, 20, 0);
        // The first vertex, then j = 0 .. k, where j = 0 repeats it.
        ASSERT_EQ(app.Hatch.count, chords + 2) << static_cast<double>(phi);
        const HatchPoint last = At(app, app.Hatch.count);
        EXPECT_NEAR(static_cast<double>(last.x), 20, 1e-9);
        EXPECT_NEAR(static_cast<double>(last.y), 0, 1e-9);
        HatchEnd(cx(), 0, 45, 0);
    }
}

TEST_F(HatchTest, ChordPointsLieOnTheArcOfTheSectionPolygon) {
    // The section calculation divides the same fillet; with a 15 degree division both must
    // put the chord points on the same side and the same circle.
    LoadExample(app.Project);
    app.Project.ArcDivision = 15;
    Calc();
    const ProjectData& p = app.Project;
    HatchBegin(cx(), true);
    for (uint16_t i = 1; i <= p.PosCount(); ++i)
        HatchVertex(cx(), p.Positions[i - 1u].phi, p.Positions[i - 1u].y, p.Positions[i - 1u].z);
    // Positions 4 (20, 10) to 5 (10, 20): a quarter turning clockwise, 6 chords.
    ASSERT_EQ(app.Hatch.count, 4 + 7 + 2); // the arc's j = 0 .. 6 after position 4
    int matched = 0;
    for (int i = 5; i <= 11; ++i)
        for (uint16_t j = 1; j <= p.PolyCount(); ++j)
            if (std::fabs(At(app, i).x - p.PolyPoints[j - 1u].y) < 1e-9L &&
                std::fabs(At(app, i).y - p.PolyPoints[j - 1u].z) < 1e-9L) {
                ++matched;
                break;
            }
    EXPECT_EQ(matched, 7);
    HatchEnd(cx(), 0, 45, 0);
    EXPECT_EQ(app.Messages.count, 0u);
}

TEST_F(HatchTest, TwoThousandPointsWithTheClosingPointAreTheLimit) {
    auto ring = [](int n) {
        std::vector<std::array<long double, 3>> v;
        for (int i = 0; i < n; ++i) {
            const long double t = 2 * kPi * i / n;
            v.push_back({100 * std::cos(t), 100 * std::sin(t), 0});
        }
        return v;
    };
    Hatch(ring(1999));
    EXPECT_EQ(app.Messages.count, 0u);
    EXPECT_EQ(ChordVertices(), 2000);
    EXPECT_FALSE(Starting(out, "LINE|3|").empty());

    out.clear();
    Hatch(ring(2000));
    EXPECT_TRUE(HasMessage("Fatal  : n schraff !"));
    EXPECT_FALSE(HasMessage("Schraffurfehler"));
    EXPECT_EQ(ChordVertices(), -1);
    EXPECT_TRUE(Starting(out, "LINE|3|").empty());
    EXPECT_EQ(Starting(out, "VERTEX|").size(), 2000u); // the exact contour is still drawn

    out.clear();
    app.Messages = MessageList{};
    Hatch(ring(2001));
    EXPECT_TRUE(HasMessage("Schraffurfehler"));
    EXPECT_TRUE(HasMessage("Fatal  : n schraff !"));
    EXPECT_EQ(ChordVertices(), -1);
    EXPECT_EQ(Starting(out, "VERTEX|").size(), 2001u);
}

TEST_F(HatchTest, AngleZeroDrawsBothPolygonsButNoHatchLines) {
    Hatch({{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}, 0);
    EXPECT_EQ(Starting(out, "POLY|").size(), 2u);
    EXPECT_EQ(ChordVertices(), 5);
    EXPECT_TRUE(Starting(out, "LINE|").empty());
}

TEST_F(HatchTest, ClosedInputGetsNoExtraPointAndAVertexLineCountsNoEdge) {
    // A diamond whose first point is repeated at the end: no closing point is added.
    Hatch({{0, 0, 0}, {10, -10, 0}, {20, 0, 0}, {10, 10, 0}, {0, 0, 0}});
    EXPECT_EQ(ChordVertices(), 5);
    // Intercepts -20 .. 0 in steps of 2: nine lines with two intersections each; the last
    // runs along an edge and through two vertices and, by the strict tests, counts none.
    const auto lines = Starting(out, "LINE|3|");
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0],
              "LINE|3|9.000|-9.000|19.000|1.000"); // y = x - 18 against y = -x, y = 20 - x
}

TEST_F(HatchTest, EleventhIntersectionStopsWithAFatalMessage) {
    // Six tall teeth: a 45 degree line through their middle crosses twelve vertical edges.
    std::vector<std::array<long double, 3>> comb{{0, -10, 0}};
    for (int i = 0; i < 6; ++i) {
        const long double x = 4.0L * i;
        if (i > 0) comb.push_back({x, 0, 0});
        comb.push_back({x, 100, 0});
        comb.push_back({x + 2, 100, 0});
        comb.push_back({x + 2, i == 5 ? -10.0L : 0.0L, 0});
    }
    Hatch(comb);
    EXPECT_TRUE(HasMessage("Fatal  : schraff schnittp"));
    EXPECT_EQ(app.State.AbortFlag, 1);
    // The lines before the failing one stay drawn.
    EXPECT_FALSE(Starting(out, "LINE|3|").empty());
}

TEST_F(HatchTest, ArcAnglesOfAnySizeStopAtTheBuffer) {
    const long double huge[] = {2e18L, -1e300L, 1e4000L,
                                std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()};
    for (long double phi : huge) {
        SCOPED_TRACE(static_cast<double>(phi));
        EXPECT_EQ(HatchChords(phi), int{kHatchPoints});
        out.clear();
        app.Messages = MessageList{};
        Hatch({{0, 0, phi}, {20, 0, 0}, {20, 10, 0}});
        EXPECT_GT(app.Hatch.count, kHatchPoints);
        EXPECT_TRUE(HasMessage("Fatal  : n schraff !"));
        EXPECT_TRUE(Starting(out, "LINE|3|").empty());
    }
    // Far from the origin the automatic step does not move the hatch line on.
    app.Messages = MessageList{};
    const long double x = 0x1p83L, w = 0x1p21L; // w is two units in the last place of x
    Hatch({{x, 0, 0}, {x + w, 0, 0}, {x + w, w, 0}, {x, w, 0}});
    EXPECT_TRUE(HasMessage("Schraffurfehler"));
}
