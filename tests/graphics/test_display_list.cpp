// Pins the display-list records of the drawing calls: the short-arc rule, texts with ";",
// records suppressed for unchanged style, width and colour, the colour and line-style maps,
// the window that stops the drawing when it has no width, and the reading of the fields.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

#include "graphics/draw.h"

using namespace vak1;

namespace {
std::vector<std::string> L(std::initializer_list<const char*> l) {
    return {l.begin(), l.end()};
}
} // namespace

TEST(DisplayList, ArcBelowFourDegreesBecomesAChord) {
    GraphicsWindow g;
    Arc(g, 0, 0, 10, 12, 5);
    Arc(g, 0, 0, 10, 100, 5);
    ASSERT_EQ(g.DisplayList.size(), 2u);
    EXPECT_EQ(g.DisplayList[0], "4;4.9240388;0.86824089;4.890738;1.0395585");
    EXPECT_EQ(g.DisplayList[1].rfind("5;-5;-5;5;5;4.9240388;0.86824089;", 0), 0u);
}

TEST(DisplayList, ArcSweepIsTakenModuloOneTurn) {
    GraphicsWindow g;
    Arc(g, 0, 0, 350, 10, 1); // crosses zero: 20 degrees
    Arc(g, 0, 0, 0, 360, 1);  // a whole turn reads as 0: chord
    Arc(g, 0, 0, -10, -8, 1); // 2 degrees
    ASSERT_EQ(g.DisplayList.size(), 3u);
    EXPECT_EQ(g.DisplayList[0][0], '5');
    EXPECT_EQ(g.DisplayList[1].substr(0, 2), "4;");
    EXPECT_EQ(g.DisplayList[2].substr(0, 2), "4;");
}

TEST(DisplayList, RecordsOfTheShapes) {
    GraphicsWindow g;
    line(g, 1.5L, -2, 3, 4);
    circle(g, 1, 2, 0.5L);
    Solid(g, 0, 0, 1, 0, 1, 1, 0, 1);
    OutTextXY(g, 1, 2, "a;b;c");
    SetTextStyle(g, 2, 30, 3.5L, 2.5L);
    Rectangle(g, 0, 0, 2, 1);
    SleepMs(g, 250);
    line(g, 123456789, 0.000012345678L, 1e-20L, 0);
    EXPECT_EQ(
        std::vector<std::string>(g.DisplayList.begin(), g.DisplayList.begin() + 5),
        L({"4;1.5;-2;3;4", "3;1;2;0.5", "7;0;0;1;0;1;1;0;1", "6;1;2;a;b;c", "9;3.5;2.5;2;30"}));
    EXPECT_EQ(std::vector<std::string>(g.DisplayList.begin() + 5, g.DisplayList.end()),
              L({"4;0;0;2;0", "4;2;0;2;1", "4;2;1;0;1", "4;0;1;0;0", "13;250",
                 "4;1.2345679e+08;1.2345678e-05;1e-20;0"}));
}

TEST(DisplayList, UnchangedStyleWidthAndColourAppendNothing) {
    GraphicsWindow g;
    SetLineStyle(g, 3);
    SetLineStyle(g, 3);
    SetLineWidth(g, 1); // the initial width
    SetLineWidth(g, 2);
    SetLineWidth(g, 2);
    SetColor(g, 4);
    SetColor(g, 4);
    SetColor(g, 17); // above 16: not recorded, not remembered
    SetColor(g, 16);
    EXPECT_EQ(g.DisplayList, L({"11;3", "12;2", "8;4", "8;16"}));
    EXPECT_EQ(GetColor(g), 16);
}

TEST(DisplayList, CadColoursMapOntoThePalette) {
    const int expected[] = {0, 12, 14, 10, 11, 9, 13, 15, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(GetColorTurbo(n), expected[n]) << n;
    EXPECT_EQ(GetColorTurbo(16), 12); // (16 and 15) + 1 = 1
    EXPECT_EQ(GetColorTurbo(30), 8);  // 14 + 1 = 15 -> 8
    EXPECT_EQ(GetColorTurbo(256), 12);
    GraphicsWindow g;
    SetColorAcad(g, 2);
    EXPECT_EQ(g.DisplayList, L({"8;14"}));
}

TEST(DisplayList, LineStyleNamesAreExactAndCaseSensitive) {
    EXPECT_EQ(LineStyleOfName("DOTTED"), 1);
    EXPECT_EQ(LineStyleOfName("PUNKT"), 1);
    EXPECT_EQ(LineStyleOfName("CENTER"), 2);
    EXPECT_EQ(LineStyleOfName("STRICHPUNKT"), 2);
    EXPECT_EQ(LineStyleOfName("HIDDEN"), 3);
    EXPECT_EQ(LineStyleOfName("VERDECKT"), 3);
    EXPECT_EQ(LineStyleOfName("dashed"), 0);
    EXPECT_EQ(LineStyleOfName("DASHED "), 0);
    GraphicsWindow g;
    SetLineStyleName(g, "DASHDOT");
    EXPECT_EQ(g.DisplayList, L({"11;2"}));
}

TEST(DisplayList, WindowWithoutWidthStopsTheDrawing) {
    GraphicsWindow g;
    uint8_t abort = 0;
    EXPECT_TRUE(Header(g, abort, 0, 0, 100, 50));
    EXPECT_EQ(abort, 0);
    const long double sx = g.sx;
    EXPECT_FALSE(SetWindow(g, abort, 1, 1, 0, 0, 1, 1, 5, 0, 5, 10));
    EXPECT_EQ(abort, 1);
    EXPECT_EQ(g.DisplayList.back(), "10;1;1;639;479;5;0;5;10");
    EXPECT_EQ(g.sx, sx); // the scales of the last good window stay
}

TEST(DisplayList, SetWindowMapsFractionsAndKeepsAspect) {
    GraphicsWindow g;
    g.GraphWidth = 800;
    g.GraphHeight = 600;
    uint8_t abort = 0;
    SetWindow(g, abort, 1, 0, 0.25L, 0.5L, 0.75L, 1, 0, 0, 100, 100);
    EXPECT_EQ(g.ViewPort.x0, 200);
    EXPECT_EQ(g.ViewPort.y0, 0);
    EXPECT_EQ(g.ViewPort.x1, 600);
    EXPECT_EQ(g.ViewPort.y1, 300);
    // 400 x 300 pixels for 100 x 100: the smaller scale wins (ratio 0.75 * 800 / 600 = 1).
    EXPECT_EQ(g.sx, 3);
    EXPECT_EQ(g.sy, 3);
    SetWindow(g, abort, 0, 0, 0.25L, 0.5L, 0.75L, 1, 0, 0, 100, 100);
    EXPECT_EQ(g.sx, 4);
    EXPECT_EQ(g.sy, 3);
}

TEST(DisplayList, HeaderAspectFactorComesFromThePreviousWindow) {
    GraphicsWindow g;
    uint8_t abort = 0;
    Header(g, abort, 0, 0, 200, 100); // previous window 0..1 x 0..1
    EXPECT_DOUBLE_EQ(static_cast<double>(g.AspectFactor), 640.0 / 480.0);
    Header(g, abort, 0, 0, 10, 10); // previous window 200 x 100
    EXPECT_DOUBLE_EQ(static_cast<double>(g.AspectFactor), 640.0 / 200 / (480.0 / 100));
    EXPECT_EQ(g.SavedWorld.xmax, 10);
}

TEST(DisplayList, HelpersOfTheWindow) {
    GraphicsWindow g;
    uint8_t abort = 0;
    Header(g, abort, 10, 0, 30, 5);
    EXPECT_EQ(EinX(g, 0.5L), 10);
    EXPECT_EQ(EinY(g, 0.2L), 1);
    EXPECT_EQ(GetDirection(90), 1);
    EXPECT_EQ(GetDirection(45), 0);
    EXPECT_EQ(GetDirection(-90), 1);
    EXPECT_EQ(GetDirection(270), 1);
    EXPECT_EQ(GetDirection(180), 0);
    Clear(g);
    EXPECT_TRUE(g.DisplayList.empty());
}

// The fields are read once, without the library, where they have the list's own number form:
// the value must be the library's to the last bit, for that form and for any other text.
TEST(DisplayList, FieldsReadAsTheLibraryReadsThem) {
    auto library = [](std::string_view t) {
        long double x = 0;
        std::from_chars(t.data(), t.data() + t.size(), x);
        return x;
    };
    auto same = [](long double a, long double b) {
        return std::memcmp(&a, &b, 10) == 0 || (std::isnan(a) && std::isnan(b));
    };
    std::vector<std::string> fields = {"0",
                                       "-0",
                                       "1",
                                       "-2.5",
                                       "0.1",
                                       "1.2345679e+08",
                                       "1e-20",
                                       "1e+27",
                                       "9.9999999e+27",
                                       "1e28",
                                       "1e-28",
                                       "3.4028237e+38",
                                       "12345678901234567890",
                                       "1234567890123456789",
                                       "0.0000000000000000001",
                                       "",
                                       "-",
                                       "abc",
                                       "1.5abc",
                                       "+1",
                                       ".5",
                                       "5.",
                                       "1e",
                                       "1e+",
                                       "1e400",
                                       "-1e-5000",
                                       "inf",
                                       "nan",
                                       "0x10",
                                       "7;8",
                                       " 1"};
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 20000; ++i)
        fields.push_back(RecordNumber(static_cast<long double>(mantissa(random)) *
                                      std::pow(10.0L, static_cast<int>(i % 61) - 30)));
    for (const std::string& f : fields)
        EXPECT_TRUE(same(RecordFieldValue(f), library(f))) << "\"" << f << "\"";
}
