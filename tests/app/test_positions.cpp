// Pins the position list: append, insert and delete move the right slots, the 501st
// position is refused, every position is listed, the selection and the questions pick the
// target, and recalculation and redraw follow the help level.
#include "editfixture.h"
#include "app/contour.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

using A = ScriptedAnswer;
using D = DialogAction;
using Positions = EditFixture;

const TPosition PA{1, 2, 0.1L}, PB{3, 4, 0.2L}, PC{5, 6, 0.3L};
const std::vector<TPosition> kSquare{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};

TEST_F(Positions, AppendOnEmptyContourStartsAtTheOrigin) {
    app.Project.ResetContour();
    ui.Push({A::Press(D::Append), A::Coordinates({"10", "0,5", "90"}), A::Press(D::Ok)});
    EditPositions(app);
    ASSERT_EQ(app.Project.PosCount(), 1);
    EXPECT_EQ(app.Project.Positions[0].y, 10);
    EXPECT_EQ(app.Project.Positions[0].z, 0.5L);
    EXPECT_NEAR(static_cast<double>(app.Project.Positions[0].phi), 1.5707963267948966, 1e-15);
    const DialogRecord c = ui.Shown("coordinates").at(0);
    EXPECT_EQ(c.caption, "Koordinaten 1");
    EXPECT_EQ(c.fields, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(c.labels, (std::vector<std::string>{"Y 1", "Z 1", "Kreisbogenwinkel 1-2"}));
    EXPECT_EQ(c.units, (std::vector<std::string>{"mm", "mm", "°"}));
    EXPECT_EQ(c.helpNumber, kHelpCoordinates);
    const auto lists = ui.Shown("positions");
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].caption, "Eingabe der Positionen");
    EXPECT_EQ(lists[0].helpNumber, kHelpPositionList);
    EXPECT_EQ(lists[1].lines.size(), 1u);
    EXPECT_EQ(app.State.AbortFlag, 0);
    ExpectScriptUsed();
}

TEST_F(Positions, CancelledAppendKeepsTheNewPositionAndLeavesThroughTheRecalculation) {
    app.Project.ResetContour();
    app.Project.EarlierPositions = {{UnsetCoordinate, UnsetCoordinate, 0.25L}};
    ui.Push({A::Press(D::Append), A::Cancel()});
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    ASSERT_EQ(app.Project.PosCount(), 1);
    EXPECT_TRUE(Same(app.Project.Positions[0], {0, 0, 0.25L}));
    // One position has no area: the final calculation fails and the list of messages shows.
    EXPECT_EQ(app.Project.CalcError, 1);
    EXPECT_EQ(messageListShown, 1);
    EXPECT_EQ(app.State.ModifiedFlag, 1); // the count did change
    ExpectScriptUsed();
}

TEST_F(Positions, InsertBeforeTheSelectedPositionStartsAsItsCopy) {
    SetContour({PA, PB, PC});
    ui.Push({A::Press(D::Insert, 2), A::Coordinates({"7"}), A::Press(D::Ok)});
    EditPositions(app);
    const auto c = Contour();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_TRUE(Same(c[0], PA));
    EXPECT_TRUE(Same(c[1], {7, PB.z, PB.phi}));
    EXPECT_TRUE(Same(c[2], PB));
    EXPECT_TRUE(Same(c[3], PC));
    EXPECT_EQ(ui.Shown("coordinates").at(0).caption, "Koordinaten 2");
    ExpectScriptUsed();
}

TEST_F(Positions, InsertBeforeTheFirstPosition) {
    SetContour({PA, PB});
    ui.Push({A::Press(D::Insert, 1), A::Coordinates({}), A::Press(D::Ok)});
    EditPositions(app);
    const auto c = Contour();
    ASSERT_EQ(c.size(), 3u);
    EXPECT_TRUE(Same(c[0], PA));
    EXPECT_TRUE(Same(c[1], PA));
    EXPECT_TRUE(Same(c[2], PB));
    ExpectScriptUsed();
}

TEST_F(Positions, InsertWithoutSelectionAsksRadioOrList) {
    for (uint16_t n : {7, 8}) {
        std::vector<TPosition> contour;
        for (uint16_t k = 0; k < n; ++k)
            contour.push_back({k * 1.0L, 0, 0});
        SetContour(contour);
        ui.shown.clear();
        ui.Push({A::Press(D::Insert), A::Choice(n), A::Coordinates({"99"}), A::Press(D::Ok)});
        EditPositions(app);
        const auto choices = ui.Shown("choice");
        ASSERT_EQ(choices.size(), 1u);
        EXPECT_EQ(choices[0].prompt, "Vor welcher Position soll eingefügt werden ?");
        EXPECT_EQ(choices[0].asList, n == 8);
        EXPECT_EQ(choices[0].helpNumber, kHelpInsertAt);
        ASSERT_EQ(choices[0].lines.size(), n);
        EXPECT_EQ(choices[0].lines[0].substr(0, 8), "Pos.  1:");
        ASSERT_EQ(app.Project.PosCount(), n + 1);
        EXPECT_EQ(app.Project.Positions[n - 1u].y, 99);
        EXPECT_EQ(app.Project.Positions[n].y, n - 1);
        ExpectScriptUsed();
    }
}

TEST_F(Positions, DeleteMovesTheRestDownAndKeepsTheFreedSlot) {
    SetContour({PA, PB, PC});
    ui.Push({A::Press(D::Delete, 1), A::Press(D::Ok)});
    EditPositions(app);
    const auto c = Contour();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(Same(c[0], PB));
    EXPECT_TRUE(Same(c[1], PC));
    EXPECT_TRUE(Same(app.Project.Earlier(2), PC));
    ExpectScriptUsed();
}

TEST_F(Positions, DeleteWithoutSelectionAsks) {
    SetContour({PA, PB, PC});
    ui.Push({A::Press(D::Delete), A::Choice(3), A::Press(D::Ok)});
    EditPositions(app);
    const auto c = Contour();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(Same(c[1], PB));
    const DialogRecord q = ui.Shown("choice").at(0);
    EXPECT_EQ(q.prompt, "zu löschende Position wählen  ...");
    EXPECT_EQ(q.helpNumber, kHelpDeleteWhich);
    ExpectScriptUsed();
}

TEST_F(Positions, CancelledQuestionEndsAtOnceWithoutChange) {
    SetContour({PA, PB, PC});
    ui.Push({A::Press(D::Delete), A::Cancel()});
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.PosCount(), 3);
    ui.Push({A::Press(D::Insert), A::Cancel()});
    app.State.AbortFlag = 0;
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Contour().size(), 3u);
    EXPECT_TRUE(Same(Contour()[2], PC));
    EXPECT_TRUE(redraws.empty()); // no final recalculation and redraw
    EXPECT_EQ(ui.Shown("positions").size(), 2u);
    ExpectScriptUsed();
}

TEST_F(Positions, The501stPositionIsRefused) {
    std::vector<TPosition> full(kMaxPositions, TPosition{1, 1, 0});
    for (D action : {D::Append, D::Insert}) {
        SetContour(full);
        app.State.AbortFlag = 0;
        ui.shown.clear();
        ui.Push(A::Press(action, 1));
        EditPositions(app);
        EXPECT_EQ(app.Project.PosCount(), kMaxPositions);
        EXPECT_EQ(app.State.AbortFlag, 1);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Fehler : |zu viele Punkte !"});
        EXPECT_TRUE(ui.Shown("coordinates").empty());
        EXPECT_EQ(ui.Shown("positions").size(), 1u); // the list is closed
        ExpectScriptUsed();
    }
}

TEST_F(Positions, AllFiveHundredPositionsAreListed) {
    std::vector<TPosition> full;
    for (int k = 0; k < kMaxPositions; ++k)
        full.push_back({k * 1.0L, 0, 0});
    SetContour(full);
    ui.Push({A::Press(D::Pick, 500), A::Coordinates({}), A::Press(D::Ok)});
    EditPositions(app);
    const auto lists = ui.Shown("positions");
    ASSERT_EQ(lists.size(), 2u);
    ASSERT_EQ(lists[0].lines.size(), 500u);
    EXPECT_EQ(lists[0].lines[499].substr(0, 25), "Pos.500:     y=  499.000 ");
    EXPECT_EQ(ui.Shown("coordinates").at(0).caption, "Koordinaten 500");
    EXPECT_EQ(lists[1].preselected, 500); // the selection is remembered
    EXPECT_EQ(app.State.LineTable.at(504), "zur\x81"
                                           "ck ..");
    ExpectScriptUsed();
}

TEST_F(Positions, PositionLineInBothUnits) {
    const TPosition p{10, -2.5L, 1.5707963267948966L};
    EXPECT_EQ(PositionLine(app.Config, 7, p),
              cp850("Pos.  7:     y=   10.000 mm     z=   -2.500 mm     phi=  90.0 °"));
    app.Config.EnglishUnits = Units::English;
    EXPECT_EQ(PositionLine(app.Config, 12, {25.4L, 0, 0}),
              cp850("Pos. 12:     y=   1.0000 in     z=   0.0000 in     phi=   0.0 °"));
}

TEST_F(Positions, ChangeWithoutSelectionEditsTheFirst) {
    SetContour({PA, PB});
    ui.Push({A::Press(D::Edit), A::Coordinates({"-1"}), A::Press(D::Ok)});
    EditPositions(app);
    EXPECT_EQ(app.Project.Positions[0].y, -1);
    EXPECT_TRUE(Same(app.Project.Positions[1], PB));
    ExpectScriptUsed();
}

TEST_F(Positions, HelpLevelDecidesRecalculationAndRedraw) {
    SetContour(kSquare);
    app.Config.HelpLevel = 0;
    ui.Push({A::Press(D::Edit, 2), A::Coordinates({"20"}), A::Press(D::Ok)});
    EditPositions(app);
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(app.Project.R.A, 0); // not recalculated

    app.Config.HelpLevel = 1;
    ui.Push({A::Press(D::Edit, 2), A::Coordinates({"10"}), A::Press(D::Ok)});
    EditPositions(app);
    EXPECT_EQ(redraws, (std::vector<uint16_t>{dkPolyline, dkGeometryTable}));
    EXPECT_EQ(app.Project.R.A, 100);

    // A delete redraws without recalculating.
    redraws.clear();
    ui.Push({A::Press(D::Delete, 4), A::Press(D::Cancel)});
    EditPositions(app);
    EXPECT_EQ(redraws, std::vector<uint16_t>{dkPolyline});
    EXPECT_EQ(app.Project.R.A, 100);
    EXPECT_EQ(app.Project.PosCount(), 4); // "Abbrechen" takes the delete back
    ExpectScriptUsed();
}

TEST_F(Positions, FailedCalculationShowsTheMessagesInsteadOfTheView) {
    SetContour({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}}); // no area
    ui.Push({A::Press(D::Edit, 3), A::Coordinates({"30"}), A::Press(D::Ok)});
    EditPositions(app);
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(messageListShown, 1); // on leaving; after the edit nothing is drawn
    // With messages listed, the list offers them.
    ui.Push({A::Press(D::Messages), A::Press(D::Ok)});
    EditPositions(app);
    const auto lists = ui.Shown("positions");
    const auto& buttons = lists.back().buttons;
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), "&Fehlermeldungen"), buttons.end());
    EXPECT_EQ(messageListShown, 3);
    const auto& first = lists.front().buttons;
    EXPECT_EQ(std::find(first.begin(), first.end(), "&Fehlermeldungen"), first.end());
    ExpectScriptUsed();
}

// "Abbrechen" of the list kept what "Ändern", "Einfügen" and "Löschen" had done (the L
// profile's area stayed changed); it restores the contour as it was when the list opened.
TEST_F(Positions, CancelRestoresTheContourOfTheListsStart) {
    SetContour({PA, PB, PC});
    const TPosition spare{7, 8, 0};
    // What an index beyond the contour held is kept as well.
    app.Project.EarlierPositions = {PA, PB, PC, spare};
    ui.Push({A::Press(D::Edit, 2), A::Coordinates({"20", "30"}), A::Press(D::Insert, 1),
             A::Coordinates({"-1"}), A::Press(D::Append), A::Coordinates({"9"}),
             A::Press(D::Delete, 3), A::Press(D::Cancel)});
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    ExpectContour({PA, PB, PC});
    EXPECT_TRUE(Same(app.Project.Earlier(3), spare));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    ExpectScriptUsed();
}

// Escape in the coordinate dialog of an inserted position left a copy of its neighbour (a
// second point on the same spot) and closed the list; the insert is taken back and the
// list comes again.
TEST_F(Positions, CancelledInsertIsTakenBackAndTheListStaysOpen) {
    for (int at : {1, 3}) {
        SCOPED_TRACE(at);
        SetContour({PA, PB, PC});
        app.Project.EarlierPositions = {PA, PB, PC, PB};
        ui.shown.clear();
        app.State.AbortFlag = 0;
        ui.Push({A::Press(D::Insert, at), A::Cancel(), A::Press(D::Ok)});
        EditPositions(app);
        EXPECT_EQ(app.State.AbortFlag, 0);
        ExpectContour({PA, PB, PC});
        EXPECT_TRUE(Same(app.Project.Earlier(3), PB));
        EXPECT_EQ(ui.Shown("positions").size(), 2u);
        ExpectScriptUsed();
    }
}

TEST_F(Positions, ListButtonsAndHelp) {
    SetContour(kSquare);
    ui.Push(A::Press(D::Ok).WithHelp(false));
    EditPositions(app);
    const auto r = ui.Shown("positions").at(0);
    EXPECT_EQ(r.buttons,
              (std::vector<std::string>{"&Neu", "&Einfügen", "&Löschen", "Transform.", "&Ändern",
                                        "OK", "Abbrechen", "&Hilfe", "Hilfe&bild"}));
    EXPECT_EQ(help, (std::vector<std::pair<uint16_t, bool>>{{kHelpPositionList, false}}));
}

} // namespace
} // namespace vak1::test
