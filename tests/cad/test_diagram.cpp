// Pins the diagram frame: nice scales (including coinciding limits), the mapping, axes only
// where the range holds 0, ticks and numbers, and when the limits dialog is asked, what
// "Calculate", OK and cancel do.
#include "cad/cad.h"
#include "cad/cadtest.h"
#include "cad/recorder.h"
#include "cad/diagram.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class DiagramTest : public CadTest {
  protected:
    void Use(uint16_t device) { app.Cad.Out = std::make_unique<Recorder>(cx(), out, device); }
    void Draw(long double xmin, long double ymin, long double xmax, long double ymax) {
        DiagramState& d = app.Diagram;
        DiagramReset(d);
        DiagramSetArea(d, 100, 100);
        DiagramSetOrigin(d, 60, 170);
        DrawDiagram(cx(), " y [mm]", "z [mm]", "Titel", 2, xmin, ymin, xmax, ymax);
    }
    std::vector<std::string> out;
};

void ExpectScale(const NiceScale& s, double min, double max, double step) {
    EXPECT_NEAR(static_cast<double>(s.min), min, 1e-12);
    EXPECT_NEAR(static_cast<double>(s.max), max, 1e-12);
    EXPECT_NEAR(static_cast<double>(s.step), step, 1e-12);
}

} // namespace

TEST(NiceScaleTest, RoundLimitsAndSteps) {
    ExpectScale(CalcNiceScale(6, 0, 7.3L), 0, 8, 1);
    ExpectScale(CalcNiceScale(6, 3, 3), 2, 4, 0.5); // coinciding limits widen by one
    ExpectScale(CalcNiceScale(6, 0, 100), 0, 100, 20);
    ExpectScale(CalcNiceScale(6, 0, 0.0073L), 0, 0.008, 0.001);
    // An exact upper limit stays the upper limit (the 1e-5 shrink), not one step beyond.
    ExpectScale(CalcNiceScale(6, 0, 60), 0, 60, 10);
}

TEST_F(DiagramTest, MappingAndUnitDivision) {
    DiagramState& d = app.Diagram;
    DiagramSetArea(d, 100, 100);
    DiagramSetOrigin(d, 60, 170);
    DiagramSetLimits(d, 0, 0, 4, 8);
    EXPECT_NEAR(static_cast<double>(DiagramX(d, 1)), 85, 1e-12);
    EXPECT_NEAR(static_cast<double>(DiagramY(d, 2)), 195, 1e-12);
    EXPECT_NEAR(static_cast<double>(DiagramLengthX(d, 2)), 50, 1e-12);
    DiagramDivideLimits(d, 0.5L, 2);
    EXPECT_NEAR(static_cast<double>(d.xmax), 8, 1e-12);
    EXPECT_NEAR(static_cast<double>(d.ymax), 4, 1e-12);
    DiagramReset(d);
    EXPECT_EQ(d.width, 160);
    EXPECT_EQ(d.height, 120);
}

TEST_F(DiagramTest, AxesTicksNumbersAndGrid) {
    Use(cdTxt);
    Draw(0, 0, 7.3L, 3);
    // x: 0 .. 8 step 1 (9 ticks); y: 0 .. 3 step 0.5 (7 ticks).
    const DiagramState& d = app.Diagram;
    EXPECT_NEAR(static_cast<double>(d.xmax), 8, 1e-12);
    EXPECT_NEAR(static_cast<double>(d.ymax), 3, 1e-12);
    // Axis line, ticks and grid: 1 + 9 + 9 on x, 1 + 7 + 7 on y, all on layer 17.
    EXPECT_EQ(Starting(out, "LINE|17|").size(), 34u);
    EXPECT_EQ(Starting(out, "SOLID|17|").size(), 2u);
    // The x axis at y = 0 runs to xmax + 0.05 dx with its arrow tip there.
    EXPECT_EQ(Starting(out, "LINE|17|")[0], "LINE|17|60.000|170.000|165.000|170.000");
    EXPECT_EQ(Starting(out, "SOLID|17|")[0],
              "SOLID|17|161.000|169.500|161.000|170.500|165.000|170.000|165.000|170.000");
    // Numbers: x ones, y halves with at most three decimals; label of mode 2 above the axis.
    bool half = false, seven = false, label = false;
    for (const auto& t : Starting(out, "TEXT|17|")) {
        half |= t.ends_with("|2.5");
        seven |= t.ends_with("|7");
        label |= t == "TEXT|17|161.000|173.000|2.300|0.826|0.000| y [mm]";
    }
    EXPECT_TRUE(half);
    EXPECT_TRUE(seven);
    EXPECT_TRUE(label); // at (1.01 xmax, ymin + 0.03 dy)
    // Title on the diagram pen above the area.
    EXPECT_EQ(Starting(out, "TEXT|4|").size(), 1u);
    EXPECT_EQ(app.Diagram.angleMode, 0);
}

TEST_F(DiagramTest, RangeWithoutZeroHasNoAxisLineAndNoArrow) {
    Use(cdTxt);
    Draw(2, 5, 9, 9);
    EXPECT_TRUE(Starting(out, "SOLID|").empty());
    // Only ticks and grid remain: for x 2 .. 9 step 1 and y 5 .. 9 step 1.
    const DiagramState& d = app.Diagram;
    const std::size_t nx = static_cast<std::size_t>((d.xmax - d.xmin) / d.xstep + 1.5L);
    const std::size_t ny = static_cast<std::size_t>((d.ymax - d.ymin) / d.ystep + 1.5L);
    EXPECT_EQ(Starting(out, "LINE|17|").size(), 2 * nx + 2 * ny);
}

TEST_F(DiagramTest, ScaleNumbersSwitchToEngineeringForm) {
    EXPECT_EQ(DiagramNumber(app.Config, 1e-13L), "0");
    EXPECT_EQ(DiagramNumber(app.Config, 0.125L), "0.125");
    EXPECT_EQ(DiagramNumber(app.Config, 2.5L), "2.5");
    EXPECT_EQ(DiagramNumber(app.Config, 12345), DiagramNumber(app.Config, 12345.0L));
    EXPECT_NE(DiagramNumber(app.Config, 20000).find('E'), std::string::npos);
    app.Config.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(DiagramNumber(app.Config, 2.5L), "2,5");
}

TEST_F(DiagramTest, LimitsDialogOnlyForFilesWithTheSettingAndWithoutJobParameters) {
    app.Config.EnterDiagramLimits = false;
    Use(cdDxf);
    Draw(0, 0, 7.3L, 3);
    EXPECT_TRUE(ui.Shown("limits").empty());

    app.Config.EnterDiagramLimits = true;
    Use(cdScreen);
    Draw(0, 0, 7.3L, 3);
    EXPECT_TRUE(ui.Shown("limits").empty());

    app.State.CommandLine = {"a.vak1", "/CAD1:5"};
    Use(cdDxf);
    Draw(0, 0, 7.3L, 3);
    EXPECT_TRUE(ui.Shown("limits").empty());
    EXPECT_EQ(ui.unanswered, 0);
}

TEST_F(DiagramTest, LimitsDialogCalculateOkAndCancel) {
    app.Config.EnterDiagramLimits = true;
    Use(cdDxf);
    // "Calculate", then a new upper x limit: the scales are computed from the fields.
    ui.Push(ScriptedAnswer::Limits({std::nullopt, std::nullopt, "30", std::nullopt}, true));
    Draw(0, 0, 7.3L, 3);
    auto shown = ui.Shown("limits");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Titel");
    EXPECT_EQ(shown[0].labels, (std::vector<std::string>{" y [mm]", "z [mm]"}));
    EXPECT_EQ(shown[0].lines, (std::vector<std::string>{"0", "0", "8", "3"}));
    EXPECT_EQ(shown[0].helpNumber, 1950);
    EXPECT_NEAR(static_cast<double>(app.Diagram.xmax), 30, 1e-12);
    EXPECT_NEAR(static_cast<double>(app.Diagram.xstep), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(app.Diagram.ymax), 3, 1e-12);

    // The next dialog offers the limits entered last; cancel keeps the automatic scales.
    ui.Push(ScriptedAnswer::Cancel());
    Draw(0, 0, 7.3L, 3);
    shown = ui.Shown("limits");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].fields, (std::vector<std::string>{"0", "0", "30", "3"}));
    EXPECT_NEAR(static_cast<double>(app.Diagram.xmax), 8, 1e-12);
    EXPECT_EQ(app.State.AbortFlag, 0);
}
