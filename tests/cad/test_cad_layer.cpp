// Pins the CAD layer over its devices: the text listing and its decimal comma, polylines as
// segments with the closing one, layer folding, arcs of radius 0, empty texts, the text style,
// and on the screen device the display records, block files and the identification line.
#include <algorithm>
#include <cmath>

#include "cad/cad.h"
#include "cad/drawing.h"
#include "cad/ScreenOutput.h"
#include "cad/cadtest.h"
#include "graphics/draw.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class CadLayerTest : public CadTest {
  protected:
    // Opens device 5 on file name, runs body inside ENTITIES, closes; the listing's lines.
    template <typename Fn> std::vector<std::string> Listing(Fn body) {
        app.Cad.JobOutputBase = File("liste");
        CadOpen(cx(), cdTxt);
        EXPECT_EQ(app.State.AbortFlag, 0);
        CadEntitiesBegin(cx());
        body();
        CadEntitiesEnd(cx());
        CadClose(cx());
        app.Cad.JobOutputBase.clear();
        auto lines = ReadCrLfLines(File("liste.txt"));
        EXPECT_EQ(lines.front(), "SECTION ENTITIES");
        EXPECT_EQ(lines.back(), "EOF");
        return std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
    }
    std::vector<std::string> Records(const char* prefix) const {
        std::vector<std::string> out;
        for (const auto& r : app.Graphics.DisplayList)
            if (r.rfind(prefix, 0) == 0) out.push_back(r);
        return out;
    }
};

} // namespace

TEST_F(CadLayerTest, ListingUsesTheConfiguredDecimalSeparator) {
    app.Config.DecimalComma = DecimalSign::Comma;
    auto lines = Listing([&] { CadLine(cx(), 12.5L, 0, -1, 2); });
    EXPECT_EQ(lines, std::vector<std::string>{"LINE\t12,500000\t0,000000\t-1,000000\t2,000000"});
    app.Config.DecimalComma = DecimalSign::Point;
    app.Config.DxfDecimals = 0;
    lines = Listing([&] { CadLine(cx(), 12.5L, 0, -1, 2); });
    EXPECT_EQ(lines, std::vector<std::string>{"LINE\t12\t0\t-1\t2"});
}

TEST_F(CadLayerTest, ListingOfEveryCall) {
    app.Config.DxfDecimals = 1;
    auto lines = Listing([&] {
        CadSetLayer(cx(), 7); // writes nothing
        CadCircle(cx(), 1, 2, 3);
        CadArc(cx(), 1, 2, 0, 90, 3);
        CadArc(cx(), 1, 2, 90, 90, 3);
        CadArc(cx(), 1, 2, 0, 90, 0); // radius 0: nothing
        CadText(cx(), "", 1, 1);      // empty: nothing
        CadText(cx(), "a;b", 1, 1);
        CadSolid(cx(), 0, 0, 1, 0, 0, 1, 1, 1);
        CadInsert(cx(), "B", 1, 2, 30, 2, 3);
    });
    EXPECT_EQ(lines,
              (std::vector<std::string>{"CIRCLE\t1.0\t2.0\t3.0", "ARC\t1.0\t2.0\t3.0\t0.0\t90.0",
                                        "CIRCLE\t1.0\t2.0\t3.0", "TEXT\t1.0\t1.0\ta;b",
                                        "SOLID\t0.0\t0.0\t1.0\t0.0\t0.0\t1.0\t1.0\t1.0",
                                        "INSERT\tB\t1.0\t2.0\t30.0\t2.0\t3.0"}));
}

TEST_F(CadLayerTest, ListingHasTheSectionAndBlockLines) {
    app.Cad.JobOutputBase = File("bl");
    CadOpen(cx(), cdTxt);
    CadLimits(cx(), 0, -1, 10, 20);
    CadTables(cx(), 2);
    CadBlocksBegin(cx());
    CadBlockBegin(cx(), "RAHMEN");
    CadLine(cx(), 0, 0, 1, 1);
    CadBlockEnd(cx());
    CadBlocksEnd(cx());
    CadEntitiesBegin(cx());
    CadEntitiesEnd(cx());
    CadClose(cx());
    EXPECT_EQ(ReadCrLfLines(File("bl.txt")),
              (std::vector<std::string>{"MINMAX\t0.000000\t-1.000000\t10.000000\t20.000000",
                                        "SECTION BLOCKS", "BLOCK\tRAHMEN",
                                        "LINE\t0.000000\t0.000000\t1.000000\t1.000000",
                                        "END OF BLOCK", "SECTION ENTITIES", "EOF"}));
}

TEST_F(CadLayerTest, PolylineSegmentsCloseTheContour) {
    // A semicircle from (10, 0) to (-10, 0) counter-clockwise, then straight back.
    auto lines = Listing([&] {
        CadPolyBegin(cx(), true);
        CadVertex(cx(), 10, 0, kPi);
        CadVertex(cx(), -10, 0, 0);
        CadPolyEnd(cx());
    });
    EXPECT_EQ(lines,
              (std::vector<std::string>{"ARC\t0.000000\t0.000000\t10.000000\t0.000000\t180.000000",
                                        "LINE\t-10.000000\t0.000000\t10.000000\t0.000000"}));
    // Clockwise: the arc starts at the new vertex; closing segment with the last phi.
    lines = Listing([&] {
        CadPolyBegin(cx(), true);
        CadVertex(cx(), 10, 0, 0);
        CadVertex(cx(), -10, 0, -kPi);
        CadPolyEnd(cx());
    });
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "LINE\t10.000000\t0.000000\t-10.000000\t0.000000",
                         "ARC\t0.000000\t0.000000\t10.000000\t0.000000\t180.000000"}));
    EXPECT_EQ(app.Messages.count, 0);
}

TEST_F(CadLayerTest, ArcWithoutChordReportsAndDrawsNoArc) {
    auto lines = Listing([&] {
        CadPolyBegin(cx(), false);
        CadVertex(cx(), 5, 5, kPi / 2);
        CadVertex(cx(), 5, 5, 0);
        CadPolyEnd(cx());
    });
    EXPECT_TRUE(lines.empty()); // radius 0
    ASSERT_EQ(app.Messages.count, 1);
    EXPECT_EQ(app.Messages[1], "GetArcCenter l12=0");
}

TEST_F(CadLayerTest, LayerFortyIsDrawnOnTwentyFour) {
    app.Cad.JobOutputBase = File("l");
    CadOpen(cx(), cdDxf);
    CadEntitiesBegin(cx());
    CadSetLayer(cx(), 40);
    CadLine(cx(), 0, 0, 1, 1);
    CadEntitiesEnd(cx());
    CadClose(cx());
    EXPECT_EQ(app.Cad.LayerNumber, 24);
    EXPECT_TRUE(
        ExpectLoadsInEzdxf(File("l.dxf")).Has("LINE|24|0.000000|0.000000|1.000000|1.000000"));
    const auto lines = ReadCrLfLines(File("l.dxf"));
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[5], "LINE");
    EXPECT_EQ(lines[7], "24");
}

TEST_F(CadLayerTest, TextStyleWidthFactor) {
    app.Config.CadTextWidthFactor = 0.8L;
    app.Config.CadTextAngle = 15;
    CadTextStyle(cx(), 2, 1.5L, 2, 30);
    EXPECT_DOUBLE_EQ(static_cast<double>(app.Cad.TextWidthFactor), 0.6);
    EXPECT_EQ(app.Cad.TextHeight, 2);
    EXPECT_EQ(app.Cad.TextRotation, 30);
    EXPECT_EQ(app.Cad.TextOblique, 15);
    CadTextStyle(cx(), 2, 0, 2, 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(app.Cad.TextWidthFactor), 0.8 * 0.7);
    CadTextStyle(cx(), 2, 1, 0, 0); // no height: no division by zero
    EXPECT_TRUE(std::isfinite(app.Cad.TextWidthFactor));
}

TEST_F(CadLayerTest, ScreenDrawingRecords) {
    LoadRectangle(app.Project);
    Calc();
    app.State.ProjectDir = "/daten/";
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkPolyline);
    ASSERT_EQ(app.State.AbortFlag, 0);
    const auto& list = app.Graphics.DisplayList;
    ASSERT_FALSE(list.empty());
    // Layer 0 (colour 1 -> palette 12) before the window of the extents, inset by a pixel;
    // the window reaches down to the foot of the identification line written on the edge.
    EXPECT_EQ(std::vector<std::string>(list.begin(), list.begin() + 3),
              (std::vector<std::string>{"11;0", "8;12", "10;1;1;639;479;-2;-1.448976;42;21"}));
    // Identification line on layer 30 with the fixed clock.
    const auto texts = Records("6;");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].ends_with(";10:30 15.03.2024  VAK1 5.0  /daten/beispiel.vak1"));
    // Contour on layer 5: colour 1 maps to palette 12, width of layer 5, four sides.
    const auto colour = std::find(list.begin(), list.end(), "8;12");
    ASSERT_NE(colour, list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), "12;3"), list.end());
    const auto lines = Records("4;");
    EXPECT_EQ(lines, (std::vector<std::string>{"4;0;0;40;0", "4;40;0;40;20", "4;40;20;0;20",
                                               "4;0;20;0;0"}));
    EXPECT_TRUE(app.Graphics.RepaintRequested);
}

TEST_F(CadLayerTest, ScreenArcOfTheFillet) {
    LoadExample(app.Project);
    Calc();
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkPolyline);
    // The fillet (20, 10) -> (10, 20), clockwise about (20, 20): drawn from the new vertex.
    EXPECT_EQ(Records("5;"), std::vector<std::string>{"5;10;10;30;30;10;20;20;10"});
}

TEST_F(CadLayerTest, ScreenBlocksLiveInTemporaryFilesUntilClose) {
    CadOpen(cx(), cdScreen);
    CadLimits(cx(), 0, 0, 100, 100);
    CadBlocksBegin(cx());
    CadBlockBegin(cx(), "RAHMEN");
    CadSetLayer(cx(), 5);
    CadLine(cx(), 0, 0, 10, 0);
    CadBlockEnd(cx());
    CadBlocksEnd(cx());
    const std::string block = BlockFilePath(app.Config, "RAHMEN");
    ASSERT_TRUE(fs::exists(block));
    EXPECT_EQ(
        ReadCrLfLines(block),
        (std::vector<std::string>{"  0", "LINE", "  8", "5", " 10", "0.000000", " 20", "0.000000",
                                  " 11", "10.000000", " 21", "0.000000", "  0", "EOF"}));
    EXPECT_TRUE(Records("4;").empty()); // nothing reached the window
    // A logo block file from outside is inserted and removed with the others.
    std::ofstream(BlockFilePath(app.Config, "LOGO_2")) << "  0\r\nEOF\r\n";
    std::ofstream(dir / "tmp" / "behalten.txt") << "x";
    CadEntitiesBegin(cx());
    CadLine(cx(), 0, 0, 10, 0);
    CadEntitiesEnd(cx());
    CadClose(cx());
    EXPECT_EQ(Records("4;").size(), 1u);
    EXPECT_FALSE(fs::exists(block));
    EXPECT_FALSE(fs::exists(BlockFilePath(app.Config, "LOGO_2")));
    EXPECT_TRUE(fs::exists(dir / "tmp" / "behalten.txt"));
}

TEST_F(CadLayerTest, UnwritableTemporaryFolderSkipsTheBlock) {
    app.Config.TempDir = File("fehlt") + "/";
    CadOpen(cx(), cdScreen);
    CadLimits(cx(), 0, 0, 100, 100);
    CadBlocksBegin(cx());
    CadBlockBegin(cx(), "RAHMEN");
    EXPECT_EQ(app.State.AbortFlag, 1);
    CadLine(cx(), 0, 0, 10, 0);
    CadBlockEnd(cx());
    EXPECT_EQ(app.State.AbortFlag, 0);
    CadBlocksEnd(cx());
    CadEntitiesBegin(cx());
    CadClose(cx());
    EXPECT_TRUE(Records("4;").empty());
}

TEST_F(CadLayerTest, PlotFileDefinesTheLogoBlocksItInserts) {
    LoadRectangle(app.Project);
    Calc();
    std::ofstream(BlockFilePath(app.Config, "LOGO_3"))
        << "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n 11\r\n10.0\r\n 21\r\n5.0\r\n"
           "  0\r\nEOF\r\n";
    std::ofstream(BlockFilePath(app.Config, "LOGO_2")) << "kein DXF\r\n";
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkPolyline);
    const EzdxfResult r = ExpectLoadsInEzdxf(app.Config.TempDir + "kartuno.dxf");
    EXPECT_TRUE(r.Has("BLOCK|LOGO_3|1"));
    // At (xmin + 0.91 w, ymin + 0.96 h), scaled w / 480 and h / 360 (extents -2..42 x -1..21).
    EXPECT_TRUE(r.Has("INSERT|0|LOGO_3|38.040000|20.120000|0.091667|0.061111|0.000000"));
    // A broken logo file is neither defined nor inserted.
    EXPECT_EQ(r.Count("BLOCK|LOGO_2"), 0u);
    EXPECT_EQ(r.Count("INSERT|"), 1u);
}
