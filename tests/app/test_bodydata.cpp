// Pins the reset question and its three answers, the body data with its ranges, units and
// cancel, the arc division, and the text lines' code page conversion both ways.
#include "editfixture.h"
#include "app/contour.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

using A = ScriptedAnswer;
using D = DialogAction;
using BodyData = EditFixture;

const std::vector<TPosition> kSquare{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};

TEST_F(BodyData, ResetYesClearsTheContour) {
    SetContour(kSquare);
    ui.Push(A::Answer(Reply::Yes));
    ResetContour(app);
    EXPECT_EQ(app.Project.PosCount(), 0);
    EXPECT_TRUE(Same(app.Project.Before(0), {0, 0, 0}));
    for (std::size_t k = 0; k < kMaxPositions; ++k)
        ASSERT_TRUE(Same(app.Project.Earlier(k), {UnsetCoordinate, UnsetCoordinate, 0})) << k;
    const DialogRecord q = ui.shown.at(0);
    EXPECT_EQ(q.prompt, "Koordinaten auf 0 setzen ?");
    EXPECT_EQ(q.helpNumber, kHelpReset);
}

TEST_F(BodyData, ResetNoKeepsThePositionsForAppending) {
    SetContour(kSquare);
    ui.Push(A::Answer(Reply::No));
    ResetContour(app);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(app.Project.PosCount(), 0);
    EXPECT_TRUE(Same(app.Project.Earlier(1), kSquare[1]));
    // Appending brings the old positions back one by one.
    ui.Push({A::Press(D::Append), A::Coordinates({}), A::Press(D::Append), A::Coordinates({}),
             A::Press(D::Ok)});
    EditPositions(app);
    ASSERT_EQ(app.Project.PosCount(), 2);
    EXPECT_EQ(ui.Shown("coordinates").at(1).fields[0], "10");
    EXPECT_TRUE(Same(app.Project.Positions[1], kSquare[1]));
    ExpectScriptUsed();
}

TEST_F(BodyData, ResetCancelLeavesTheContourAsItWas) {
    SetContour(kSquare);
    ui.Push(A::Cancel());
    ResetContour(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    ASSERT_EQ(app.Project.PosCount(), kSquare.size());
    for (std::size_t i = 0; i < kSquare.size(); ++i)
        EXPECT_TRUE(Same(app.Project.Positions[i], kSquare[i])) << i;
}

TEST_F(BodyData, BodyInputsAndRecalculation) {
    SetContour(kSquare);
    ui.Push({A::Text("7,85"), A::Text("2000")});
    EditBody(app);
    EXPECT_EQ(app.Project.rho, 7.85L);
    EXPECT_EQ(app.Project.lx, 2000);
    const auto texts = ui.Shown("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].prompt, "Dichte des Werkstoffs [kg/dm3]");
    EXPECT_EQ(texts[0].text, "7.8");
    EXPECT_EQ(texts[0].helpNumber, kHelpDensity);
    EXPECT_EQ(texts[1].prompt, "Länge des Körpers in x-Richtung [mm]");
    EXPECT_EQ(texts[1].text, "1000");
    EXPECT_EQ(texts[1].helpNumber, kHelpBodyLength);
    EXPECT_EQ(app.Project.V, 200000); // recalculated with the new length
    ExpectScriptUsed();
}

TEST_F(BodyData, DensityOutOfRangeAndInchLength) {
    app.Config.EnglishUnits = Units::English;
    ui.Push({A::Text("0"), A::Text("7,85"), A::Text("-5"), A::Text("1")});
    EditBody(app);
    EXPECT_EQ(app.Project.rho, 7.85L); // no inch conversion of the density
    EXPECT_EQ(app.Project.lx, 25.4L);
    const auto m = ui.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], "Fehler : |Gültiger Wertebereich: 0.01 .. 100 !");
    EXPECT_EQ(m[1], "Fehler : |Gültiger Wertebereich: 0 .. 39370079 !");
    const auto texts = ui.Shown("text");
    EXPECT_EQ(texts[2].prompt, "Länge des Körpers in x-Richtung [inch]");
    EXPECT_EQ(texts[2].text, "39.37");
    ExpectScriptUsed();
}

TEST_F(BodyData, CancelOfEitherInputLeavesTheBodyAsItWas) {
    SetContour(kSquare);
    ui.Push(A::Cancel());
    EditBody(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.shown.size(), 1u); // the length is not asked
    app.State.AbortFlag = 0;
    ui.Push({A::Text("2"), A::Cancel()});
    EditBody(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.rho, 7.8L);
    EXPECT_EQ(app.Project.lx, 1000);
    EXPECT_EQ(app.Project.m, 0); // no calculation
    ExpectScriptUsed();
}

TEST_F(BodyData, ArcDivision) {
    SetContour({{0, 0, 3.14159L}, {10, 0, 0}});
    ui.Push({A::Text("31"), A::Text("0,1")});
    EditArcDivision(app);
    EXPECT_EQ(app.Project.ArcDivision, 0.1L);
    const DialogRecord first = ui.shown.at(0);
    EXPECT_EQ(first.prompt, "Polygon-Teilung für Kreisbogenberechnung [Grad]");
    EXPECT_EQ(first.helpNumber, kHelpArcDivision);
    EXPECT_EQ(first.text, "5");
    EXPECT_EQ(ui.Messages().at(0), "Fehler : |Gültiger Wertebereich: 0.1 .. 30 !");
    EXPECT_GT(app.Project.PolyCount(), 1000); // recalculated with the finer division
    ui.Push(A::Cancel());
    EditArcDivision(app);
    EXPECT_EQ(app.Project.ArcDivision, 0.1L);
    ExpectScriptUsed();
}

TEST_F(BodyData, TextLinesConvertBothWays) {
    ProjectData& p = app.Project;
    p.DrawingName = cp850("Träger");
    p.RemarkLines[2] = cp850("Maß 1:10");
    app.Config.PlainCharacters =
        UnitCharacters::Plain; // must not turn the stored umlauts into "ae"
    ui.Push(A::Lines({std::nullopt, "Blech ½", "Nr. 4711-ÄÖÜ", std::nullopt, std::string(80, 'x'),
                      std::nullopt}));
    EditTextLines(app);
    EXPECT_EQ(app.State.AbortFlag, 0);
    const DialogRecord r = ui.shown.at(0);
    EXPECT_EQ(r.labels,
              (std::vector<std::string>{"Zeichnungsname", "Zeichnungsname 2", "Zeichnungsnummer",
                                        "Zeile 1", "Zeile 2", "Zeile 3"}));
    EXPECT_EQ(r.maxLengths, (std::vector<std::size_t>{25, 30, 18, 65, 65, 65}));
    EXPECT_EQ(r.fields[0], "Träger");
    EXPECT_EQ(r.fields[5], "Maß 1:10");
    EXPECT_EQ(p.DrawingName, cp850("Träger"));
    EXPECT_EQ(p.DrawingName2, cp850("Blech ½"));
    EXPECT_EQ(p.DrawingNumber, cp850("Nr. 4711-ÄÖÜ"));
    EXPECT_EQ(p.RemarkLines[1], std::string(65, 'x'));
    EXPECT_EQ(p.RemarkLines[2], cp850("Maß 1:10"));
}

TEST_F(BodyData, TextLinesCancelStoresNothing) {
    app.Project.DrawingNumber = "A-1";
    ui.Push(A::Cancel());
    EditTextLines(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.DrawingNumber, "A-1");
}

} // namespace
} // namespace vak1::test
