// Pins the contour transformation: the order scale, rotate, shift, then mirror, then
// reverse; arcs keep their shape when reversed or mirrored; a cancel at any of the seven
// inputs changes nothing; an empty contour is refused only after the inputs.
#include <cmath>
#include <numbers>

#include "project/calculation.h"
#include "editfixture.h"
#include "app/contour.h"

namespace vak1::test {
namespace {

using A = ScriptedAnswer;
using D = DialogAction;
using Transform = EditFixture;
constexpr long double kPi = std::numbers::pi_v<long double>;

struct Inputs {
    std::string angle = "", dy = "", dz = "", sy = "", sz = "";
    int mirror = 3;
    bool reverse = false;
};

void Script(ScriptedUi& ui, const Inputs& in) {
    for (const std::string* t : {&in.angle, &in.dy, &in.dz, &in.sy, &in.sz})
        ui.Push(t->empty() ? A::Keep() : A::Text(*t));
    ui.Push({A::Choice(in.mirror), A::YesNo(in.reverse)});
}

void ExpectAt(const TPosition& p, long double y, long double z) {
    EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(y), 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), static_cast<double>(z), 1e-12);
}

TEST_F(Transform, RotateScaleAndShiftInThatOrder) {
    SetContour({{10, 0, 0.5L}});
    Script(ui, {.angle = "90"});
    TransformContour(app);
    ExpectAt(app.Project.Positions[0], 0, 10);
    EXPECT_EQ(app.Project.Positions[0].phi, 0.5L); // arcs are not turned by a rotation

    SetContour({{10, 0, 0}});
    Script(ui, {.angle = "90", .sy = "2"});
    TransformContour(app);
    ExpectAt(app.Project.Positions[0], 0, 20);

    SetContour({{10, 0, 0}});
    Script(ui, {.angle = "90", .dy = "5", .dz = "-1"});
    TransformContour(app);
    ExpectAt(app.Project.Positions[0], 5, 9);

    SetContour({{10, 4, 0}});
    Script(ui, {.sy = "0", .sz = "-0,5"}); // a scale of 0 is accepted
    TransformContour(app);
    ExpectAt(app.Project.Positions[0], 0, -2);
    ExpectScriptUsed();
}

TEST_F(Transform, InputsPromptsAndHelpNumbers) {
    SetContour({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
    // The first answer is out of range: the angle is asked again.
    ui.Push(A::Text("400"));
    Script(ui, {.angle = "-360"});
    TransformContour(app);
    EXPECT_EQ(ui.Messages().at(0), "Fehler : |Gültiger Wertebereich: -360 .. 360 !");
    std::vector<std::string> prompts;
    std::vector<uint16_t> helps;
    for (const auto& r : ui.shown) {
        if (r.kind == "message") continue;
        prompts.push_back(r.prompt);
        helps.push_back(r.helpNumber);
    }
    EXPECT_EQ(prompts, (std::vector<std::string>{"Drehwinkel °", "Drehwinkel °", "Verschiebung y",
                                                 "Verschiebung z", "Maßstab y", "Maßstab z",
                                                 "Spiegeln", "Richtungssinn umkehren"}));
    EXPECT_EQ(helps, (std::vector<uint16_t>{8400, 8400, 8410, 8410, 8420, 8420, 8430, 8440}));
    const auto texts = ui.Shown("text");
    EXPECT_EQ(texts[2].text, "0");
    EXPECT_EQ(texts[4].text, "1");
    const DialogRecord mirror = ui.Shown("choice").at(0);
    EXPECT_EQ(mirror.lines, (std::vector<std::string>{"Spiegeln um Achse z", "Spiegeln um Achse y",
                                                      "nicht spiegeln"}));
    EXPECT_EQ(mirror.preselected, 3);
    EXPECT_FALSE(mirror.asList);
    EXPECT_EQ(ui.Shown("yesno").at(0).preselected, 2); // "&Nein"
    // -360 turns the contour once around.
    ExpectAt(app.Project.Positions[1], 10, 0);
    EXPECT_EQ(redraws, std::vector<uint16_t>{dkGeometryTable});
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(ui.mismatched, 0);
}

TEST_F(Transform, CancelAtAnyInputChangesNothing) {
    const std::vector<TPosition> contour{{0, 0, 0.2L}, {10, 0, 0}, {10, 10, -0.1L}};
    for (int cancelAt = 0; cancelAt < 7; ++cancelAt) {
        SetContour(contour);
        ui = ScriptedUi{};
        app.State.AbortFlag = 0;
        const std::vector<A> answers{A::Text("33"), A::Text("1"), A::Text("2"),  A::Text("3"),
                                     A::Text("4"),  A::Choice(1), A::YesNo(true)};
        for (int i = 0; i < cancelAt; ++i)
            ui.Push(answers[i]);
        ui.Push(A::Cancel());
        TransformContour(app);
        EXPECT_EQ(app.State.AbortFlag, 1) << cancelAt;
        EXPECT_EQ(ui.shown.size(), static_cast<std::size_t>(cancelAt + 1)) << cancelAt;
        const auto c = Contour();
        for (std::size_t k = 0; k < contour.size(); ++k)
            EXPECT_TRUE(Same(c[k], contour[k]));
    }
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(app.State.ModifiedFlag, 0);
}

TEST_F(Transform, EmptyContourIsRefusedAfterTheInputs) {
    app.Project.ResetContour();
    Script(ui, {.angle = "10"});
    TransformContour(app);
    EXPECT_EQ(ui.Shown("text").size(), 5u);
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"Fehler : |Fehler : keine Geometrie eingegeben !"});
    EXPECT_EQ(app.Project.PosCount(), 0);
    ExpectScriptUsed();
}

TEST_F(Transform, ResultsBeyondTheCoordinateBoundAreRefused) {
    const std::vector<TPosition> contour{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
    for (const Inputs& in : {Inputs{.sy = "1e38"}, Inputs{.dz = "-1000000001"}}) {
        SetContour(contour);
        Script(ui, in);
        TransformContour(app);
        const auto c = Contour();
        for (std::size_t k = 0; k < contour.size(); ++k)
            EXPECT_TRUE(Same(c[k], contour[k]));
    }
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>(
                  2, "Fehler : |Gültiger Wertebereich: -1000000000 .. 1000000000 !"));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    ExpectScriptUsed();
}

TEST_F(Transform, ReverseGivesEveryArcToItsNewStart) {
    const TPosition p1{0, 0, 0.1L}, p2{10, 0, 0.2L}, p3{10, 10, 0.3L}, p4{0, 10, 0.4L};
    SetContour({p1, p2, p3, p4});
    Script(ui, {.reverse = true});
    TransformContour(app);
    const auto c = Contour();
    EXPECT_TRUE(Same(c[0], {p4.y, p4.z, -p3.phi}));
    EXPECT_TRUE(Same(c[1], {p3.y, p3.z, -p2.phi}));
    EXPECT_TRUE(Same(c[2], {p2.y, p2.z, -p1.phi}));
    EXPECT_TRUE(Same(c[3], {p1.y, p1.z, -p4.phi}));
    ExpectScriptUsed();
}

// Results of the contour as it stands, for comparing shapes.
TSectionResults Results(App& app) {
    CalcSection(app.Project, app.Messages, app.Config);
    EXPECT_EQ(app.Project.CalcError, 0);
    return app.Project.R;
}

TEST_F(Transform, ReverseAndMirrorKeepTheShapeOfArcs) {
    // A square with a half circle bulging out on the right and an arc bulging in on top.
    const std::vector<TPosition> arcs{
        {0, 0, 0}, {10, 0, kPi}, {10, 5, 0}, {10, 10, -kPi / 4}, {0, 10, 0}};
    SetContour(arcs);
    const TSectionResults before = Results(app);

    Script(ui, {.reverse = true});
    TransformContour(app);
    const TSectionResults reversed = Results(app);
    EXPECT_NEAR(static_cast<double>(reversed.A), static_cast<double>(-before.A), 1e-9);
    EXPECT_NEAR(static_cast<double>(reversed.IyS), static_cast<double>(-before.IyS), 1e-6);
    EXPECT_NEAR(static_cast<double>(reversed.ys), static_cast<double>(before.ys), 1e-9);

    SetContour(arcs);
    Script(ui, {.mirror = 1});
    TransformContour(app);
    const TSectionResults mirrored = Results(app);
    EXPECT_NEAR(static_cast<double>(mirrored.A), static_cast<double>(-before.A), 1e-9);
    EXPECT_NEAR(static_cast<double>(mirrored.ys), static_cast<double>(-before.ys), 1e-9);
    EXPECT_NEAR(static_cast<double>(mirrored.zs), static_cast<double>(before.zs), 1e-9);
    EXPECT_NEAR(static_cast<double>(mirrored.I1), static_cast<double>(before.I1), 1e-6);
    EXPECT_NEAR(static_cast<double>(mirrored.I2), static_cast<double>(before.I2), 1e-6);
    ExpectScriptUsed();
}

TEST_F(Transform, MirrorAboutYNegatesZAndArcs) {
    SetContour({{1, 2, 0.5L}, {3, 4, -0.25L}});
    Script(ui, {.mirror = 2});
    TransformContour(app);
    EXPECT_TRUE(Same(app.Project.Positions[0], {1, -2, -0.5L}));
    EXPECT_TRUE(Same(app.Project.Positions[1], {3, -4, 0.25L}));
}

TEST_F(Transform, FromTheListCancelEndsAtOnceAndSuccessReturnsToTheList) {
    SetContour({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
    ui.Push(A::Press(D::Transform));
    Script(ui, {.dy = "1"});
    ui.Push({A::Press(D::Transform), A::Cancel()});
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.Shown("positions").size(), 2u);
    EXPECT_EQ(app.Project.Positions[0].y, 1);
    EXPECT_EQ(redraws, std::vector<uint16_t>{dkGeometryTable}); // only the transform's own
    ExpectScriptUsed();
}

} // namespace
} // namespace vak1::test
