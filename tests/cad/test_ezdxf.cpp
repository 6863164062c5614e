// Pins that every drawing kind's DXF loads in an independent reader (ezdxf) without errors and
// that the reader finds what was drawn: entity counts, layers, known points, texts, bulges.
#include <algorithm>

#include "cad/cad.h"
#include "cad/drawing.h"
#include "cad/cadtest.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class EzdxfTest : public CadTest {
  protected:
    EzdxfResult DrawAndLoad(int kind) {
        Calc();
        std::string error;
        EXPECT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, kind,
                              File("k" + std::to_string(kind)), &error))
            << error;
        EzdxfResult r = LoadWithEzdxf(File("k" + std::to_string(kind) + ".dxf"));
        EXPECT_EQ(r.rc, 0) << (r.lines.empty() ? "no output" : r.lines[0]);
        for (const auto& w : r.Of("WARN|"))
            ADD_FAILURE() << w;
        return r;
    }
};

} // namespace

TEST_F(EzdxfTest, PolylineKindOfTheExample) {
    LoadExample(app.Project);
    EzdxfResult r = DrawAndLoad(dkPolyline);
    ASSERT_EQ(r.Count("POLYLINE|"), 1u);
    EXPECT_EQ(r.Of("POLYLINE|")[0], "POLYLINE|5|1|7");
    // The fillet from (20, 10) to (10, 20) turns clockwise through a quarter: bulge -tan(pi/8).
    EXPECT_TRUE(r.Has("VERTEX|20.000000|10.000000|-0.414214"));
    EXPECT_TRUE(r.Has("VERTEX|100.000000|0.000000|0.000000"));
    EXPECT_EQ(r.Count("LINE|") + r.Count("TEXT|") + r.Count("SOLID|"), 0u);
    EXPECT_TRUE(r.Has("HEADER|$EXTMIN|-5.000000|-4.000000"));
    EXPECT_TRUE(r.Has("HEADER|$EXTMAX|105.000000|84.000000"));
    EXPECT_TRUE(r.Has("HEADER|$LTSCALE|15.000000"));
    // ezdxf adds its own "Defpoints" layer on loading.
    EXPECT_EQ(r.Count("LAYER|") - r.Count("LAYER|Defpoints|"), 22u);
    EXPECT_TRUE(r.Has("LAYER|1|2|DASHDOT"));
    EXPECT_TRUE(r.Has("LAYER|2|2|DASHED"));
    EXPECT_TRUE(r.Has("LAYER|31|16|CONTINUOUS"));
    EXPECT_TRUE(r.Has("STYLE|STANDARD|TXT8"));
}

TEST_F(EzdxfTest, GeometryKindCarriesArrowsAndAxes) {
    LoadRectangle(app.Project);
    EzdxfResult r = DrawAndLoad(dkGeometry);
    const ProjectData& p = app.Project;
    ASSERT_EQ(p.PolyCount(), 5u);
    // Four point arrows plus eta, zeta, v and w: one line, one solid and one text each.
    EXPECT_EQ(r.Count("LINE|3|"), 4u);
    EXPECT_EQ(r.Count("SOLID|3|"), 4u);
    EXPECT_EQ(r.Count("LINE|18|"), 2u);
    EXPECT_EQ(r.Count("LINE|21|"), 2u);
    EXPECT_EQ(r.Count("CIRCLE|18|"), 1u);
    EXPECT_TRUE(r.Has("CIRCLE|18|20.000000|10.000000|0.200000"));
    // Arrow 2 runs from (0, 0) to (40, 0); its head and label sit at (40, 0).
    EXPECT_TRUE(r.Has("LINE|3|0.000000|0.000000|40.000000|0.000000"));
    std::vector<std::string> labels;
    for (const auto& t : r.Of("TEXT|3|"))
        labels.push_back(t.substr(t.rfind('|') + 1));
    EXPECT_EQ(labels, (std::vector<std::string>{" 2", " 3", " 4", " 5"}));
    EXPECT_EQ(r.Count("TEXT|3|40.000000|0.000000|0.400000|"), 1u);
    EXPECT_EQ(r.Count("TEXT|18|"), 3u); // S, eta, zeta on 18; v, w on 21
    EXPECT_EQ(r.Count("TEXT|21|"), 2u);
}

TEST_F(EzdxfTest, TableKindWithMassRows) {
    LoadExample(app.Project);
    EzdxfResult r = DrawAndLoad(dkTable);
    // Title row and 19 quantity rows, four text columns each.
    EXPECT_EQ(r.Count("TEXT|18|"), 20u * 4u);
    EXPECT_TRUE(r.Has("HEADER|$EXTMAX|140.000000|125.000000"));
    EXPECT_EQ(r.Count("TEXT|18|5.000000|115.650000|2.900000|"), 1u); // " ERGEBNISSE"
    const auto texts = r.Of("TEXT|18|");
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.ends_with("| ERGEBNISSE"); }));
}

TEST_F(EzdxfTest, GeometryWithTableKind) {
    LoadExample(app.Project);
    EzdxfResult r = DrawAndLoad(dkGeometryTable);
    EXPECT_EQ(r.Count("POLYLINE|5|1|"), 1u);
    EXPECT_EQ(r.Count("SOLID|3|"), static_cast<std::size_t>(app.Project.PolyCount() - 1));
    EXPECT_EQ(r.Count("TEXT|18|"), 20u * 4u + 3u);
    EXPECT_TRUE(r.Has("HEADER|$EXTMAX|185.000000|92.000000"));
}
