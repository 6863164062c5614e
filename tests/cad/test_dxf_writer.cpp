// Pins the DXF group form: codes right-aligned in three, D decimals (D = 0 without point), the
// significant-digit groups of TEXT, the unpadded end of the STYLE table, ARC-to-CIRCLE, bulges,
// the text conversion modes and the layer table the dispatcher asks for.
#include <cmath>
#include <cstdio>

#include "cad/cad.h"
#include "cad/cadnumber.h"
#include "cad/dxf.h"
#include "cad/cadtest.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class DxfWriterTest : public CadTest {
  protected:
    // Runs body against a fresh writer and returns the file's lines (a fragment of groups,
    // not a DXF document).
    template <typename Fn> std::vector<std::string> Write(Fn body) {
        const std::string path = File("w.groups");
        DxfWriter w(app.Config, app.Cad);
        EXPECT_TRUE(w.Create(path));
        body(w);
        EXPECT_TRUE(w.Close());
        return ReadCrLfLines(path);
    }
};

std::vector<std::string> L(std::initializer_list<const char*> l) {
    return {l.begin(), l.end()};
}

} // namespace

TEST(CadNumber, FixedPointForms) {
    EXPECT_EQ(FixedText(12.5L, 6), "12.500000");
    EXPECT_EQ(FixedText(-0.25L, 6), "-0.250000");
    EXPECT_EQ(FixedText(0, 6), "0.000000");
    EXPECT_EQ(FixedText(-1e-9L, 6), "0.000000"); // no "-0.000000"
    EXPECT_EQ(FixedText(12, 0), "12");
    EXPECT_EQ(FixedText(-3, 0), "-3");
    EXPECT_EQ(FixedText(0, 0), "0");
    EXPECT_EQ(FixedText(12.5L, 6, ','), "12,500000");
    EXPECT_EQ(FixedText(1234567.125L, 2), "1234567.12"); // half to even of the exact value
    EXPECT_EQ(FixedText(NAN, 3), "");                    // no number rather than a wrong one
}

TEST(CadNumber, HugeValuesKeepTheirValueInTheExponentForm) {
    const struct {
        long double x;
        int decimals;
        char sep;
        const char* text;
    } cases[] = {
        {0x1p96L, 0, '.', "79228162514264337593543950336"}, // 2^96: still fixed
        {1e30L, 6, '.', "1.000000E+30"},
        {-1e35L, 6, '.', "-1.000000E+35"},
        {-1e32L, 0, '.', "-1.0E+32"},
        {2.5e300L, 3, ',', "2,500E+300"},
        {1.25e4000L, 2, '.', "1.25E+4000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedText(c.x, c.decimals, c.sep), c.text);
    // Below 1e30 but too many digits for the exact formatter: the library's fixed form.
    char printed[128];
    std::snprintf(printed, sizeof printed, "%.19Lf", -9.87654321e29L);
    EXPECT_EQ(FixedText(-9.87654321e29L, 19), printed);
    std::string out = "x";
    EXPECT_FALSE(AppendFixed(out, INFINITY, 6));
    EXPECT_EQ(out, "x");
}

TEST(CadNumber, SignificantFormUsesPointWhateverTheDisplay) {
    Settings s;
    s.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(SignificantText(s, 1.0L), "1");
    EXPECT_EQ(SignificantText(s, 0.75L), "0.75");
    EXPECT_EQ(SignificantText(s, 45.0L), "45");
    EXPECT_EQ(SignificantText(s, 0.000001L), "0");
}

TEST_F(DxfWriterTest, LineGroupsAreRightAlignedWithSixDecimals) {
    app.Cad.LayerName = "5";
    auto lines = Write([](DxfWriter& w) { w.DxfLine(12.5L, -0.25L, 0, 1000); });
    EXPECT_EQ(lines, L({"  0", "LINE", "  8", "5", " 10", "12.500000", " 20", "-0.250000", " 11",
                        "0.000000", " 21", "1000.000000"}));
}

TEST_F(DxfWriterTest, ZeroDecimalsWriteNoPoint) {
    app.Config.DxfDecimals = 0;
    auto lines = Write([](DxfWriter& w) { w.DxfCircle(12, -3, 0); });
    EXPECT_EQ(lines, L({"  0", "CIRCLE", "  8", "0", " 10", "12", " 20", "-3", " 40", "0"}));
}

TEST_F(DxfWriterTest, ArcWithEqualOrFullTurnAnglesBecomesCircle) {
    auto lines = Write([](DxfWriter& w) {
        w.DxfArc(1, 2, 90, 90, 3);
        w.DxfArc(1, 2, 0, 360, 3);
        w.DxfArc(1, 2, 360, 0.000001L, 3);
        w.DxfArc(1, 2, 0, 90, 3);
    });
    std::vector<std::string> kinds;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        if (lines[i] == "  0") kinds.push_back(lines[i + 1]);
    EXPECT_EQ(kinds, L({"CIRCLE", "CIRCLE", "CIRCLE", "ARC"}));
    EXPECT_EQ(lines.back(), "90.000000"); // group 51 of the real arc
}

TEST_F(DxfWriterTest, TextWritesStyleGroupsInSignificantForm) {
    app.Cad.TextHeight = 2.5L;
    app.Cad.TextWidthFactor = 1;
    app.Cad.TextRotation = 0;
    app.Cad.TextOblique = 0;
    auto lines = Write([](DxfWriter& w) { w.DxfText("Hallo;\tdu", 1, 2); });
    EXPECT_EQ(lines, L({"  0",      "TEXT", "  8",      "0",   " 10",        "1.000000", " 20",
                        "2.000000", " 40",  "2.500000", "  1", "Hallo;\tdu", "  7",      "STANDARD",
                        " 41",      "1",    " 50",      "0",   " 51",        "0"}));
}

// The cached text of a style group was reused when the first ten bytes of the value matched,
// which on machines with a 16-byte or 8-byte long double is not the whole value.
TEST_F(DxfWriterTest, StyleGroupsFollowEveryChangeOfValue) {
    const long double angles[] = {1, 2, 2, -0.0L, 0, 0.5L, 1e-3L, 1, 1 + 0x1p-60L, 360, -360};
    auto lines = Write([&](DxfWriter& w) {
        for (long double a : angles) {
            app.Cad.TextRotation = a;
            w.DxfText("t", 0, 0);
        }
    });
    std::vector<std::string> written, expected;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        if (lines[i] == " 50") written.push_back(lines[i + 1]);
    Settings point = app.Config;
    point.DecimalComma = DecimalSign::Point;
    for (long double a : angles)
        expected.push_back(SignificantText(point, a));
    EXPECT_EQ(written, expected);
}

TEST_F(DxfWriterTest, TextModesConvertTheText) {
    const std::string text = cp850("Maß ä");
    app.Config.CadTextMode = 1;
    EXPECT_EQ(Write([&](DxfWriter& w) { w.DxfText(text, 0, 0); })[11], text);
    app.Config.CadTextMode = 2;
    EXPECT_EQ(Write([&](DxfWriter& w) { w.DxfText(text, 0, 0); })[11], "Ma\xDF \xE4");
    app.Config.CadTextMode = 3;
    EXPECT_EQ(Write([&](DxfWriter& w) { w.DxfText(text, 0, 0); })[11], "Mass ae");
    app.Config.CadTextMode = 2;
    EXPECT_EQ(Write([&](DxfWriter& w) { w.DxfText(std::string(255, 'x'), 0, 0); })[11], "");
}

TEST_F(DxfWriterTest, VertexBulgeOnlyForArcs) {
    auto lines = Write([](DxfWriter& w) {
        w.DxfPolyline(1);
        w.DxfVertex(0, 0, 0);
        w.DxfVertex(10, 0, kPi);
        w.DxfSeqEnd();
    });
    EXPECT_EQ(lines, L({"  0", "POLYLINE", "  8", "0",      " 66", "1",         " 70", "1",
                        "  0", "VERTEX",   "  8", "0",      " 10", "0.000000",  " 20", "0.000000",
                        "  0", "VERTEX",   "  8", "0",      " 10", "10.000000", " 20", "0.000000",
                        " 42", "1.000000", "  0", "SEQEND", "  8", "0"}));
    auto open = Write([](DxfWriter& w) { w.DxfPolyline(0); });
    EXPECT_EQ(open, L({"  0", "POLYLINE", "  8", "0", " 66", "1"}));
}

TEST_F(DxfWriterTest, StyleTableEndsWithUnpaddedZero) {
    app.Config.CadFontName = "txt8";
    auto lines = Write([](DxfWriter& w) { w.DxfTables(2); });
    ASSERT_GE(lines.size(), 8u);
    const std::vector<std::string> tail(lines.end() - 8, lines.end());
    EXPECT_EQ(tail, L({"  3", "TXT8", "  4", "", "0", "ENDTAB", "  0", "ENDSEC"}));
}

TEST_F(DxfWriterTest, LayerTableOfVariantTwo) {
    app.Config.LayerNames = {"Mitte", "Verdeckt", "3", "4", "Kontur"};
    auto lines = Write([](DxfWriter& w) { w.DxfTables(2); });
    std::vector<std::string> names;
    for (std::size_t i = 0; i + 3 < lines.size(); ++i)
        if (lines[i] == "  0" && lines[i + 1] == "LAYER") names.push_back(lines[i + 3]);
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names[0], "0");
    EXPECT_EQ(names[1], "Mitte");
    EXPECT_EQ(names[5], "Kontur");
    EXPECT_EQ(names[6], "16");
    EXPECT_EQ(names[21], "31");
    // Declared count 24, line-type count 23 for this variant.
    const auto declared = [&](const char* table) {
        for (std::size_t i = 0; i + 5 < lines.size(); ++i)
            if (lines[i + 1] == "TABLE" && lines[i + 3] == table) return lines[i + 5];
        return std::string();
    };
    EXPECT_EQ(declared("LAYER"), "24");
    EXPECT_EQ(declared("LTYPE"), "23");
}

TEST_F(DxfWriterTest, MonochromeLayersAllColourOne) {
    app.Config.LayerMonochrome = true;
    auto lines = Write([](DxfWriter& w) { w.DxfTables(1); });
    int layers = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == " 62") {
            ++layers;
            EXPECT_EQ(lines[i + 1], "1");
        }
    EXPECT_EQ(layers, 16);
}

TEST_F(DxfWriterTest, NamesWithTabsAndBreaksStayUnchanged) {
    auto lines = Write([](DxfWriter& w) { w.DxfInsert("A\tB", 1, 2, 30, 0.5L, 2); });
    EXPECT_EQ(lines[5], "A\tB");
    EXPECT_EQ(lines[lines.size() - 1], "30.000000"); // rotation last
}

TEST(CadLayerName, FoldsHighNumbersOntoSixteenToThirtyOne) {
    Settings s;
    s.LayerNames = {"a", "b", "c", "d", "e"};
    EXPECT_EQ(CadLayerNumber(40), 24);
    EXPECT_EQ(CadLayerNumber(31), 31);
    EXPECT_EQ(CadLayerNumber(32), 16);
    EXPECT_EQ(CadLayerName(s, CadLayerNumber(40)), "24");
    EXPECT_EQ(CadLayerName(s, 0), "0");
    EXPECT_EQ(CadLayerName(s, 5), "e");
    EXPECT_EQ(CadLayerName(s, 17), "17");
}
