// The view option "Schubmittelpunkt und Netz" adds to the section drawing the shear centre,
// both plastic neutral axes and the finite-element mesh; off, the drawing stays as it was.
#include <algorithm>

#include "app/commands.h"
#include "cad/cadtest.h"
#include "cad/drawing.h"

namespace vak1::test {
namespace {

class SolverOverlayTest : public CadTest {};

std::size_t Holding(const RecordList& list, const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(list.begin(), list.end(),
                      [&](const std::string& r) { return r.find(text) != std::string::npos; }));
}

TEST_F(SolverOverlayTest, OptionAddsShearCentrePlasticAxesAndMesh) {
    LoadExample(app.Project);
    Calc();
    ASSERT_EQ(app.Project.CalcError, 0);
    // The second drawing of a kind, as every later one, starts from the shown view.
    for (int i = 0; i < 2; ++i)
        DrawSection(cx(), app.Project, app.Docu, cdScreen, dkGeometry);
    const RecordList plain = app.Graphics.DisplayList;
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(Holding(plain, "SM"), 0u);

    ASSERT_TRUE(RunCommand(app, "mi_viewSolverOverlay"));
    EXPECT_TRUE(app.State.DrawSolverOverlay);
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkGeometry);
    const RecordList& overlay = app.Graphics.DisplayList;
    for (const char* label : {"SM", "pl1", "pl2"})
        EXPECT_EQ(Holding(overlay, label), 1u) << label;
    // About a thousand elements of three edges, two lines each, shared edges drawn once.
    EXPECT_GT(overlay.size(), plain.size() + 2000);

    RunCommand(app, "mi_viewSolverOverlay");
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkGeometry);
    EXPECT_EQ(app.Graphics.DisplayList.size(), plain.size());
}

} // namespace
} // namespace vak1::test
