// Pins the block reader of the screen device: the insertion transformation, TEXT defaults,
// layer names, closed and open polylines, an INSERT at the end of a file, the nesting limit
// (reported, not fatal), a missing file, a POLYLINE without VERTEX, truncated files, and the
// whole form sheet on screen with the frame replayed from its block file.
#include <cstdlib>

#include "cad/cad.h"
#include "cad/cadtest.h"
#include "cad/drawing.h"
#include "cad/dxfread.h"
#include "cad/recorder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class BlockReadTest : public CadTest {
  protected:
    void SetUp() override {
        CadTest::SetUp();
        app.Cad.Out = std::make_unique<Recorder>(cx(), out, cdScreen);
    }
    // A block file from "code\nvalue" pairs given as one string per group.
    void Block(const std::string& name, const std::vector<std::pair<int, std::string>>& groups,
               bool eof = true) {
        std::ofstream f(app.Config.TempDir + "$" + name + ".dx$", std::ios::binary);
        for (const auto& [code, value] : groups)
            f << "  " << code << "\r\n" << value << "\r\n";
        if (eof) f << "  0\r\nEOF\r\n";
    }
    void Read(const std::string& name, long double x = 0, long double y = 0, long double rot = 0,
              long double sx = 1, long double sy = 1) {
        app.Cad.Insert = CadInsertState{};
        ReadBlock(cx(), name, x, y, rot, sx, sy);
    }
    bool HasMessage(const std::string& text) const {
        for (uint16_t i = 1; i <= app.Messages.count; ++i)
            if (app.Messages[i] == text) return true;
        return false;
    }
    std::vector<std::string> out;
};

using G = std::vector<std::pair<int, std::string>>;

G LineGroups(const std::string& layer, const char* x1, const char* y1, const char* x2,
             const char* y2) {
    return {{0, "LINE"}, {8, layer}, {10, x1}, {20, y1}, {11, x2}, {21, y2}};
}

G Polyline(int flag, int vertices, const char* bulge = nullptr) {
    G g{{0, "POLYLINE"}, {8, "5"}, {66, "1"}};
    if (flag) g.push_back({70, std::to_string(flag)});
    const char* xy[4][2] = {{"0", "0"}, {"10", "0"}, {"10", "10"}, {"0", "10"}};
    for (int i = 0; i < vertices; ++i) {
        g.insert(g.end(), {{0, "VERTEX"}, {8, "5"}, {10, xy[i][0]}, {20, xy[i][1]}});
        if (bulge && i == 0) g.push_back({42, bulge});
    }
    g.insert(g.end(), {{0, "SEQEND"}, {8, "5"}});
    return g;
}

} // namespace

TEST_F(BlockReadTest, InsertionRotatedAndScaled) {
    Block("B", LineGroups("0", "0.0", "0.0", "1.0", "0.0"));
    Read("B", 10, 20, 90, 2, 2);
    EXPECT_EQ(Starting(out, "LINE|"),
              (std::vector<std::string>{"LINE|0|10.000|20.000|10.000|22.000"}));
    // Circle and arc: radius times sx, arc angles turned with the insertion.
    Block("C", {{0, "CIRCLE"},
                {8, "0"},
                {10, "1"},
                {20, "0"},
                {40, "2"},
                {0, "ARC"},
                {8, "0"},
                {10, "0"},
                {20, "0"},
                {40, "1"},
                {50, "0"},
                {51, "45"}});
    out.clear();
    Read("C", 10, 20, 90, 2, 2);
    EXPECT_EQ(Starting(out, "CIRCLE|")[0], "CIRCLE|0|10.000|22.000|4.000");
    EXPECT_EQ(Starting(out, "ARC|")[0], "ARC|0|10.000|20.000|90.000|135.000|2.000");
    // Comma decimals and garbage numbers: the comma is a point, garbage counts as 0.
    Block("D", LineGroups("0", "1,5", "x", "2", "3"));
    out.clear();
    Read("D");
    EXPECT_EQ(Starting(out, "LINE|")[0], "LINE|0|1.500|0.000|2.000|3.000");
}

TEST_F(BlockReadTest, TextDefaultsAndInsertionRotation) {
    Block("T", {{0, "TEXT"}, {1, " Hallo"}, {8, "0"}, {10, "1"}, {20, "2"}, {51, "15"}});
    Read("T");
    EXPECT_EQ(Starting(out, "TEXT|"),
              (std::vector<std::string>{"TEXT|0|1.000|2.000|3.500|1.000|0.000| Hallo"}));
    out.clear();
    Block("T", {{0, "TEXT"},
                {1, "A"},
                {8, "0"},
                {10, "1"},
                {20, "0"},
                {40, "2"},
                {41, "0.5"},
                {50, "10"}});
    Read("T", 0, 0, 90, 2, 3);
    // Height times sy, width height * factor * sx, rotation plus the insertion's.
    EXPECT_EQ(Starting(out, "TEXT|"),
              (std::vector<std::string>{"TEXT|0|0.000|2.000|6.000|0.333|100.000|A"}));
}

TEST_F(BlockReadTest, LayerNamesMapToNumbers) {
    app.Config.LayerNames[4] = "KONTUR";
    Block("L", [] {
        G g = LineGroups("KONTUR", "0", "0", "1", "0");
        for (const char* name : {"17", "XY", "0", "40"}) {
            const G more = LineGroups(name, "0", "0", "1", "0");
            g.insert(g.end(), more.begin(), more.end());
        }
        return g;
    }());
    Read("L");
    std::vector<std::string> layers;
    for (const auto& l : Starting(out, "LINE|"))
        layers.push_back(l.substr(5, l.find('|', 5) - 5));
    EXPECT_EQ(layers, (std::vector<std::string>{"5", "17", "0", "0", "24"}));
    EXPECT_EQ(DxfLayerNumber(app.Config, "KONTUR"), 5);
    EXPECT_EQ(DxfLayerNumber(app.Config, "-3"), 0);
}

TEST_F(BlockReadTest, ClosedAndOpenPolylines) {
    Block("P", Polyline(1, 3));
    Read("P");
    EXPECT_EQ(Starting(out, "LINE|").size(), 3u);
    EXPECT_EQ(Starting(out, "LINE|").back(), "LINE|5|10.000|10.000|0.000|0.000");
    out.clear();
    Block("P", Polyline(0, 3));
    Read("P");
    EXPECT_EQ(Starting(out, "LINE|").size(), 2u);
    // A bulge of 1 is a half circle from (0, 0) to (10, 0), counter-clockwise: below the chord.
    out.clear();
    Block("P", Polyline(0, 2, "1"));
    Read("P");
    ASSERT_EQ(Starting(out, "ARC|").size(), 1u);
    EXPECT_EQ(Starting(out, "ARC|")[0], "ARC|5|5.000|0.000|180.000|0.000|5.000");
}

TEST_F(BlockReadTest, PolylineWithoutVertexIsReportedAndReadingGoesOn) {
    G g{{0, "POLYLINE"}, {8, "5"}, {66, "1"}};
    const G line = LineGroups("0", "0", "0", "1", "1");
    g.insert(g.end(), line.begin(), line.end());
    Block("E", g);
    Read("E");
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Fehler : |Error in DXF File"}));
    EXPECT_EQ(Starting(out, "LINE|").size(), 1u);
}

TEST_F(BlockReadTest, InsertAtTheVeryEndAndNestedTransformations) {
    Block("INNER", LineGroups("0", "0", "0", "1", "0"));
    Block("OUTER", {{0, "INSERT"}, {8, "17"}, {2, "INNER"}, {10, "5"}, {20, "0"}, {50, "90"}},
          false);
    Read("OUTER", 10, 20, 0, 2, 2);
    // Inner (0,0)-(1,0) turned 90 at (5, 0), then scaled 2 and moved to (10, 20).
    EXPECT_EQ(Starting(out, "LINE|"),
              (std::vector<std::string>{"LINE|0|20.000|20.000|20.000|22.000"}));
    EXPECT_EQ(app.Cad.LayerNumber, 17); // the INSERT's layer is selected again
    EXPECT_EQ(app.Cad.Insert.Depth, 0);
    EXPECT_EQ(app.Cad.Insert.ScaleX, 1);
}

TEST_F(BlockReadTest, FifthLevelIsReportedAndSkippedNotFatal) {
    // A block that inserts itself between two lines.
    G g = LineGroups("0", "0", "0", "1", "0");
    g.insert(g.end(), {{0, "INSERT"}, {8, "0"}, {2, "SELF"}, {10, "0"}, {20, "1"}});
    const G after = LineGroups("0", "0", "0", "0", "1");
    g.insert(g.end(), after.begin(), after.end());
    Block("SELF", g);
    Read("SELF");
    EXPECT_TRUE(HasMessage("error blockno.5"));
    EXPECT_EQ(app.Messages.count, 1u);
    // Four levels drew both their lines; the fifth was left out.
    EXPECT_EQ(Starting(out, "LINE|").size(), 8u);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Cad.Insert.Depth, 0);
}

// Within the depth limit a block inserting itself forty times would read 40^4 insertions;
// the drawing stops after kMaxBlockInsertions with the depth message of the refused one.
TEST_F(BlockReadTest, FanOutStopsAtTheInsertionLimit) {
    G g = LineGroups("0", "0", "0", "1", "0");
    for (int i = 0; i < 40; ++i)
        g.insert(g.end(), {{0, "INSERT"}, {8, "0"}, {2, "FAN"}, {10, std::to_string(i)}});
    Block("FAN", g);
    Read("FAN");
    EXPECT_EQ(app.Cad.Insert.Insertions, kMaxBlockInsertions);
    EXPECT_EQ(Starting(out, "LINE|").size(), static_cast<std::size_t>(kMaxBlockInsertions));
    EXPECT_TRUE(HasMessage("error blockno.5")); // the depth limit
    EXPECT_TRUE(HasMessage("error blockno.4")); // the insertion limit
    EXPECT_EQ(app.State.AbortFlag, 0);
}

// Integer groups out of range are a format error, not a cast: reported, the rest skipped.
TEST_F(BlockReadTest, IntegerGroupOutOfRangeIsAFormatError) {
    for (const char* flag : {"1e30", "2147483648", "-2147483649", "abc"}) {
        G g{{0, "POLYLINE"}, {8, "5"}, {66, "1"}, {70, flag}};
        const G rest = Polyline(0, 3);
        g.insert(g.end(), rest.begin() + 3, rest.end());
        const G line = LineGroups("0", "0", "0", "1", "1");
        g.insert(g.end(), line.begin(), line.end());
        Block("F", g);
        out.clear();
        ui.shown.clear();
        Read("F");
        EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Fehler : |Error in DXF File"})) << flag;
        EXPECT_TRUE(Starting(out, "LINE|").empty()) << flag;
        EXPECT_TRUE(Starting(out, "ARC|").empty()) << flag;
    }
    Block("F", Polyline(2147483647, 3)); // the largest value is read (flag bit 1: closed)
    out.clear();
    Read("F");
    EXPECT_EQ(Starting(out, "LINE|").size(), 3u);
}

TEST_F(BlockReadTest, MissingFileSetsAbortAndDrawsNothing) {
    Read("NIRGENDS");
    EXPECT_TRUE(HasMessage("Invalid temp directory"));
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_TRUE(out.empty());
}

TEST_F(BlockReadTest, TruncatedAndBrokenFilesNeverCrash) {
    G g = Polyline(1, 3, "0.5");
    const G more[] = {LineGroups("17", "1", "2", "3", "4"),
                      {{0, "TEXT"}, {1, "x"}, {10, "1"}, {20, "1"}},
                      {{0, "SOLID"},
                       {10, "0"},
                       {20, "0"},
                       {11, "1"},
                       {21, "0"},
                       {12, "0"},
                       {22, "1"},
                       {13, "1"},
                       {23, "1"}},
                      {{0, "INSERT"}, {2, "T0"}, {10, "1"}}};
    for (const auto& m : more)
        g.insert(g.end(), m.begin(), m.end());
    std::string all;
    for (const auto& [c, v] : g)
        all += "  " + std::to_string(c) + "\r\n" + v + "\r\n";
    all += "  0\r\nEOF\r\n";
    for (std::size_t cut = 0; cut <= all.size(); cut += 3) {
        std::ofstream(app.Config.TempDir + "$T0.dx$", std::ios::binary) << all.substr(0, cut);
        app.State.AbortFlag = 0;
        Read("T0");
    }
    std::ofstream(app.Config.TempDir + "$T1.dx$", std::ios::binary)
        << "abc\n\n\n  0\nLINE\n 10\n1e999999\nzz\n";
    Read("T1");
    SUCCEED();
}

TEST_F(BlockReadTest, FormSheetOnScreenReplaysTheFrameAndTheLogo) {
    LoadExample(app.Project);
    Calc();
    app.Cad.Out.reset();
    // A logo from outside: one line from (0, 0) to (5, 5).
    std::ofstream(app.Config.TempDir + "$logo_1.dx$", std::ios::binary)
        << "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n5\r\n 21\r\n5\r\n"
           "  0\r\nEOF\r\n";
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkForm);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Messages.count, 0u);
    auto hasLine = [&](double x1, double y1, double x2, double y2) {
        for (const auto& r : app.Graphics.DisplayList) {
            if (r.rfind("4;", 0) != 0) continue;
            double v[4];
            if (std::sscanf(r.c_str(), "4;%lf;%lf;%lf;%lf", &v[0], &v[1], &v[2], &v[3]) == 4 &&
                std::fabs(v[0] - x1) < 1e-6 && std::fabs(v[1] - y1) < 1e-6 &&
                std::fabs(v[2] - x2) < 1e-6 && std::fabs(v[3] - y2) < 1e-6)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(hasLine(0, 148.5, 15, 148.5)); // the frame's centre mark
    EXPECT_TRUE(hasLine(75, 10, 80, 15));      // the logo inside the frame block
    EXPECT_TRUE(hasLine(60, 170, 165, 170));   // the diagram's y = 0 axis
    // The screen drawing deletes every block file afterwards.
    int left = 0;
    for (const auto& e : fs::directory_iterator(app.Config.TempDir))
        left += e.is_regular_file();
    EXPECT_EQ(left, 0);
}
