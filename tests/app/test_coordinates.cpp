// Pins the coordinate dialog: the prefill of unset coordinates, spinning through the
// positions, the unit switch, inch input, and untouched fields keeping their exact values.
#include <numbers>

#include "editfixture.h"
#include "app/contour.h"

namespace vak1::test {
namespace {

using A = ScriptedAnswer;
using D = DialogAction;
using Coordinates = EditFixture;
constexpr long double kPi = std::numbers::pi_v<long double>;

std::vector<std::string> Captions(const ScriptedUi& ui) {
    std::vector<std::string> out;
    for (const auto& r : ui.Shown("coordinates"))
        out.push_back(r.caption);
    return out;
}

TEST_F(Coordinates, UnsetCoordinatesStartFromThePositionBefore) {
    SetContour({{5, 6, 0}, {UnsetCoordinate, UnsetCoordinate, 0.3L}});
    ui.Push(A::Cancel());
    EditPosition(app, 2);
    EXPECT_EQ(app.State.AbortFlag, 1);
    // Cancelled, but the prefill stays.
    EXPECT_TRUE(Same(app.Project.Positions[1], {5, 6, 0.3L}));
    EXPECT_EQ(ui.shown.at(0).fields, (std::vector<std::string>{"5", "6", "17.19"}));
}

TEST_F(Coordinates, OnlyTheUnsetCoordinateIsPrefilled) {
    SetContour({{5, 6, 0}, {UnsetCoordinate, 2, 0}});
    ui.Push(A::Coordinates({}));
    EditPosition(app, 2);
    EXPECT_TRUE(Same(app.Project.Positions[1], {5, 2, 0}));
}

TEST_F(Coordinates, SpinStoresAndStopsAtBothEnds) {
    SetContour({{1, 1, 0}, {2, 2, 0}, {3, 3, 0}});
    ui.Push({A::Coordinates({"8"}, D::SpinUp), A::Coordinates({}, D::SpinUp),
             A::Coordinates({}, D::SpinDown), A::Coordinates({"", " "}, D::SpinDown),
             A::Coordinates({}, D::SpinDown), A::Coordinates({"-4"}, D::Ok)});
    app.State.AbortFlag = 1; // OK clears it
    EditPosition(app, 2);
    EXPECT_EQ(Captions(ui),
              (std::vector<std::string>{"Koordinaten 2", "Koordinaten 3", "Koordinaten 3",
                                        "Koordinaten 2", "Koordinaten 1", "Koordinaten 1"}));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(Same(app.Project.Positions[0], {-4, 1, 0}));
    // Empty fields count as 0.
    EXPECT_TRUE(Same(app.Project.Positions[1], {0, 0, 0}));
    EXPECT_TRUE(Same(app.Project.Positions[2], {3, 3, 0}));
    ExpectScriptUsed();
}

TEST_F(Coordinates, UnitSwitchShowsInchAndStoresMillimetres) {
    SetContour({{25.4L, 12.7L, 0}});
    ui.Push({A::Coordinates({}, D::SwitchUnit), A::Coordinates({"2", std::nullopt, "45"})});
    EditPosition(app, 1);
    EXPECT_EQ(app.Config.EnglishUnits, Units::English);
    const auto shown = ui.Shown("coordinates");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].units[0], "mm");
    EXPECT_EQ(shown[1].units[0], "in");
    EXPECT_EQ(shown[1].fields[0], "1.0000");
    EXPECT_EQ(shown[1].fields[1], "0.5000");
    EXPECT_EQ(app.Project.Positions[0].y, 2 * 25.4L);
    EXPECT_EQ(app.Project.Positions[0].z, 12.7L);
    EXPECT_EQ(app.Project.Positions[0].phi, 45 * kPi / 180);
    ExpectScriptUsed();
}

TEST_F(Coordinates, UntouchedFieldsKeepTheExactValues) {
    const TPosition exact{12.3456789012L, -0.000123456789L, 0.123456789012L};
    SetContour({exact});
    ui.Push(
        {A::Coordinates({}, D::SwitchUnit), A::Coordinates({}, D::SwitchUnit), A::Coordinates({})});
    EditPosition(app, 1);
    EXPECT_EQ(app.Config.EnglishUnits, Units::Metric);
    EXPECT_TRUE(Same(app.Project.Positions[0], exact));
    EXPECT_EQ(app.State.ModifiedFlag, 0);
    ExpectScriptUsed();
}

TEST_F(Coordinates, PictureButtonStoresTheFieldsFirst) {
    SetContour({{1, 1, 0}});
    ui.Push({A::Coordinates({"7"}, D::StorePicture).WithHelp(false), A::Cancel()});
    EditPosition(app, 1);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.Positions[0].y, 7); // kept, although the dialog was cancelled
    EXPECT_EQ(help, (std::vector<std::pair<uint16_t, bool>>{{kHelpCoordinates, false},
                                                            {kHelpCoordinates, true}}));
    const auto shown = ui.Shown("coordinates");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].fields[0], "7");
    EXPECT_EQ(shown[0].buttons,
              (std::vector<std::string>{"OK", "Abbrechen", "<", ">", "mm <--> inch", "&Hilfetext",
                                        "Hilfe&bild"}));
}

TEST_F(Coordinates, CommaDecimalsInAndOut) {
    app.Config.DecimalComma = DecimalSign::Comma;
    SetContour({{1.5L, 0, 0}});
    ui.Push(A::Coordinates({std::nullopt, "2,25"}));
    EditPosition(app, 1);
    EXPECT_EQ(ui.shown.at(0).fields[0], "1,5");
    EXPECT_TRUE(Same(app.Project.Positions[0], {1.5L, 2.25L, 0}));
}

// A typed coordinate beyond 1e9 mm is refused with the range message in the display unit;
// the dialog comes back with the typed text and the position keeps its values.
TEST_F(Coordinates, CoordinatesBeyondTheBoundAreRefused) {
    struct Case {
        int englishUnits;
        std::string y, z, message;
    };
    const std::string mm = "Fehler : |Gültiger Wertebereich: -1000000000 .. 1000000000 !";
    const std::string inch = "Fehler : |Gültiger Wertebereich: -39370079 .. 39370079 !";
    const Case cases[] = {{0, "1e999", "0", mm},
                          {0, "1", "-1000000000,5", mm},
                          {1, "39370079", "0", inch},
                          {0, "1e-4940", "1e4000", mm}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y + " " + c.z);
        app.Config.EnglishUnits = static_cast<Units>(c.englishUnits);
        app.State.ModifiedFlag = 0;
        ui = ScriptedUi{};
        SetContour({{5, 6, 0}});
        ui.Push({A::Coordinates({c.y, c.z}), A::Cancel()});
        EditPosition(app, 1);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(ui.beeps, 1);
        const auto shown = ui.Shown("coordinates");
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[1].fields[0], c.y);
        EXPECT_EQ(shown[1].fields[1], c.z);
        EXPECT_TRUE(Same(app.Project.Positions[0], {5, 6, 0}));
        EXPECT_EQ(app.State.ModifiedFlag, 0);
    }
}

TEST_F(Coordinates, TheBoundItselfIsAccepted) {
    SetContour({{5, 6, 0}});
    ui.Push(A::Coordinates({"1e9", "-1E9", "-359,99"}));
    EditPosition(app, 1);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(Same(app.Project.Positions[0], {1e9L, -1e9L, -359.99L * kPi / 180}));
}

TEST_F(Coordinates, ArcAnglesOfAFullTurnOrMoreAreRefused) {
    for (const char* angle : {"360", "-360", "1.1459e20", "1e999"}) {
        SCOPED_TRACE(angle);
        ui = ScriptedUi{};
        SetContour({{5, 6, 0.5L}});
        ui.Push({A::Coordinates({"7", std::nullopt, angle}, D::SpinUp), A::Cancel()});
        EditPosition(app, 1);
        EXPECT_EQ(ui.Messages(),
                  std::vector<std::string>{"Fehler : |Gültiger Wertebereich: -360 < phi < 360 !"});
        EXPECT_EQ(ui.Shown("coordinates").at(1).fields[2], angle);
        EXPECT_TRUE(Same(app.Project.Positions[0], {5, 6, 0.5L}));
    }
}

TEST_F(Coordinates, OutsideTheContourNothingOpens) {
    SetContour({{1, 1, 0}});
    EditPosition(app, 0);
    EditPosition(app, 2);
    EXPECT_TRUE(ui.shown.empty());
}

// Letters in a field were stored as 0 and collapsed the contour; they are refused as the
// value dialogs refuse them, and the dialog comes back with the typed text.
TEST_F(Coordinates, FieldsThatAreNoNumberAreRefusedAndKept) {
    struct Case {
        std::vector<std::optional<std::string>> typed;
        std::string refused;
    };
    const Case cases[] = {{{"abc"}, "abc"},
                          {{std::nullopt, "12abc"}, "12abc"},
                          {{"1", "2", "9x"}, "9x"},
                          {{"1,5,3"}, "1,5,3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        ui = ScriptedUi{};
        app.State.ModifiedFlag = 0;
        SetContour({{5, 6, 0.5L}});
        ui.Push({A::Coordinates(c.typed), A::Cancel()});
        EditPosition(app, 1);
        EXPECT_EQ(ui.Messages(),
                  std::vector<std::string>{"Fehler : |Ungültige Eingabe \"" + c.refused + "\" !"});
        EXPECT_EQ(ui.beeps, 1);
        const auto shown = ui.Shown("coordinates");
        ASSERT_EQ(shown.size(), 2u);
        for (std::size_t i = 0; i < c.typed.size(); ++i)
            EXPECT_EQ(shown[1].fields[i], c.typed[i].value_or(shown[0].fields[i]));
        EXPECT_TRUE(Same(app.Project.Positions[0], {5, 6, 0.5L}));
        EXPECT_EQ(app.State.ModifiedFlag, 0);
        ExpectScriptUsed();
    }
}

} // namespace
} // namespace vak1::test
