// Pins the generic dialogs: comma and broken numbers, range messages in both units, exact
// values kept when the offer is accepted, list or radio by count, cancel changing nothing,
// help numbers reaching the help buttons, and the file checks never emptying a file.
#include <cerrno>
#include <fstream>
#include <sstream>

#include "app/editfixture.h"
#include "support/tempfolder.h"
#include "dialogs/dialogs.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

using A = ScriptedAnswer;
using GenericDialogs = EditFixture;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(GenericDialogs, ValueTakesCommaAndRefusesTwoCommas) {
    long double v = 1;
    ui.Push({A::Text("1,5,3"), A::Text("7,85")});
    InputValue(Dialogs(app), kHelpNone, "Wert", v, 0, 100);
    EXPECT_EQ(v, 7.85L);
    EXPECT_EQ(app.State.AbortFlag, 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0], "Fehler : |Ungültige Eingabe \"1,5,3\" !");
    EXPECT_EQ(ui.beeps, 1);
    // After the refusal the dialog offers the value it started with again.
    auto texts = ui.Shown("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "1");
    EXPECT_EQ(texts[0].caption, "Eingabe");
    EXPECT_EQ(texts[0].maxLength, 30u);
    ExpectScriptUsed();
}

TEST_F(GenericDialogs, DensityRangeMessageAndRetry) {
    long double rho = 7.8L;
    ui.Push({A::Text("0"), A::Text("101"), A::Text("2.5")});
    InputValue(Dialogs(app), kHelpNone, "Dichte", rho, 0.01L, 100);
    EXPECT_EQ(rho, 2.5L);
    const auto m = ui.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], "Fehler : |Gültiger Wertebereich: 0.01 .. 100 !");
    EXPECT_EQ(m[1], m[0]);
    ExpectScriptUsed();
}

TEST_F(GenericDialogs, AcceptingTheOfferKeepsTheExactValue) {
    long double v = 12.3456789L; // offered shortened
    ui.Push(A::Keep());
    InputValue(Dialogs(app), kHelpNone, "Wert", v, 0, 100);
    EXPECT_EQ(ui.Shown("text")[0].text, "12.35");
    EXPECT_EQ(v, 12.3456789L);

    app.Config.EnglishUnits = Units::English;
    long double lx = 1000.123456L;
    ui.Push(A::Keep());
    InputLength(Dialogs(app), kHelpNone, "L", lx, 0, 1e9L);
    EXPECT_EQ(lx, 1000.123456L);
}

TEST_F(GenericDialogs, InchBodyLengthOfferAndRange) {
    app.Config.EnglishUnits = Units::English;
    long double lx = 1000;
    ui.Push({A::Text("-1"), A::Text("1")});
    InputLength(Dialogs(app), kHelpNone, cp850("Länge"), lx, 0, 1e9L);
    auto texts = ui.Shown("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "39.37");
    EXPECT_EQ(texts[0].prompt, "Länge [inch]");
    EXPECT_EQ(ui.Messages().at(0), "Fehler : |Gültiger Wertebereich: 0 .. 39370079 !");
    EXPECT_NEAR(static_cast<double>(lx), 25.4, 1e-12);
}

TEST_F(GenericDialogs, MetricLengthPromptAndBoundsHeld) {
    long double lx = 5;
    ui.Push(A::Text("39370078.7401575")); // the upper bound in inch, typed in mm mode
    InputLength(Dialogs(app), kHelpNone, "L", lx, 0, 1e9L);
    EXPECT_EQ(ui.Shown("text")[0].prompt, "L [mm]");
    EXPECT_EQ(lx, 39370078.7401575L);
    // Typed at the inch bound, the value converted back never passes the mm bound.
    app.Config.EnglishUnits = Units::English;
    ui.Push(A::Text("39370078.74015748"));
    InputLength(Dialogs(app), kHelpNone, "L", lx, 0, 1e9L);
    EXPECT_LE(lx, 1e9L);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(GenericDialogs, CancelLeavesEveryValueUnchanged) {
    long double v = 3;
    long n = 4;
    uint16_t choice = 2;
    bool flag = true;
    std::string text = cp850("Maß");
    ui.Push({A::Cancel(), A::Cancel(), A::Cancel(), A::Cancel(), A::Cancel()});
    InputValue(Dialogs(app), kHelpNone, "v", v, 0, 10);
    EXPECT_EQ(app.State.AbortFlag, 1);
    app.State.AbortFlag = 0;
    InputInteger(Dialogs(app), kHelpNone, "n", n, 0, 10);
    EXPECT_EQ(app.State.AbortFlag, 1);
    app.State.AbortFlag = 0;
    InputChoice(Dialogs(app), kHelpNone, "c", std::vector<std::string>{"a", "b", "c"}, choice);
    EXPECT_EQ(app.State.AbortFlag, 1);
    app.State.AbortFlag = 0;
    InputYesNo(Dialogs(app), kHelpNone, "y", flag);
    EXPECT_EQ(app.State.AbortFlag, 1);
    app.State.AbortFlag = 0;
    InputText(Dialogs(app), kHelpNone, "t", 20, text);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(choice, 2);
    EXPECT_TRUE(flag);
    EXPECT_EQ(text, cp850("Maß"));
    ExpectScriptUsed();
}

TEST_F(GenericDialogs, IntegerBoundsInEitherOrder) {
    long n = 5;
    ui.Push({A::Text("11"), A::Text("2.5"), A::Text("-3")});
    InputInteger(Dialogs(app), kHelpNone, "n", n, 10, -10);
    EXPECT_EQ(n, -3);
    const auto m = ui.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], "Fehler : |Gültiger Wertebereich: -10 .. 10 !");
    EXPECT_EQ(m[1], "Fehler : |Ungültige Eingabe \"2.5\" !");
    EXPECT_EQ(ui.Shown("text")[0].maxLength, 12u);
}

TEST_F(GenericDialogs, ChoiceIsRadioUpToSevenAndListFromEight) {
    for (uint16_t n : {7, 8}) {
        for (uint16_t k = 0; k < n; ++k)
            app.State.LineTable[k] = "line " + std::to_string(k + 1);
        uint16_t choice = 0; // no current choice: the first line is preselected
        ui.Push(A::Choice(n));
        InputChoice(Dialogs(app), kHelpNone, "Wahl", app.State.LineTable, n, choice);
        EXPECT_EQ(choice, n);
        const DialogRecord r = ui.shown.back();
        EXPECT_EQ(r.asList, n == 8);
        EXPECT_EQ(r.caption, "Auswahl");
        EXPECT_EQ(r.preselected, 1);
        ASSERT_EQ(r.lines.size(), n);
        EXPECT_EQ(r.lines.back(), "line " + std::to_string(n));
    }
    ExpectScriptUsed();
}

TEST_F(GenericDialogs, QuestionRepliesAndMessageSwitch) {
    ui.Push({A::Answer(Reply::Yes), A::Answer(Reply::No), A::Answer(Reply::Cancel)});
    EXPECT_TRUE(AskQuestion(Dialogs(app), kHelpNone, "q"));
    EXPECT_FALSE(AskQuestion(Dialogs(app), kHelpNone, "q"));
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(AskQuestion(Dialogs(app), kHelpNone, "q"));
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.shown[0].caption, "VAK1  Querschnittberechnung");

    app.State.MessageDisplay = false;
    ShowError(Dialogs(app), "hidden");
    ShowInfo(Dialogs(app), "shown");
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Meldung:|shown"});
}

TEST_F(GenericDialogs, HelpButtonsShowTheCallersNumber) {
    long double v = 1;
    ui.Push(A::Text("2").WithHelp(false).WithHelp(true));
    InputValue(Dialogs(app), 8320, "v", v, 0, 10);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(ui.shown[0].helpNumber, 8320);
    const std::vector<std::pair<uint16_t, bool>> expected{{8320, false}, {8320, true}};
    EXPECT_EQ(help, expected);
}

TEST_F(GenericDialogs, TextFieldKeepsUmlautsWhatEverTheDisplaySetting) {
    app.Config.PlainCharacters =
        UnitCharacters::Plain; // prompts lose their umlauts, stored texts must not
    std::string text = cp850("Größe");
    ui.Push(A::Keep());
    InputText(Dialogs(app), kHelpNone, cp850("Maß"), 25, text);
    EXPECT_EQ(text, cp850("Größe"));
    EXPECT_EQ(ui.shown[0].text, "Größe");
    EXPECT_EQ(ui.shown[0].prompt, "Mass");

    ui.Push(A::Text("äöüßÄÖÜ1234567890"));
    InputText(Dialogs(app), kHelpNone, "t", 10, text);
    EXPECT_EQ(text, cp850("äöüßÄÖÜ123")); // ten characters, not ten bytes
}

TEST_F(GenericDialogs, FormatCoordinateInBothUnits) {
    const Settings& s = app.Config;
    EXPECT_EQ(FormatCoordinate(s, 0), "0");
    EXPECT_EQ(FormatCoordinate(s, 12.5L), "12.5");
    EXPECT_EQ(FormatCoordinate(s, 123.4567891L), "123.4568");
    EXPECT_EQ(FormatCoordinate(s, -0.123456789L), "-0.123457");
    EXPECT_EQ(FormatCoordinate(s, 1234567.8L), "1234568");
    app.Config.EnglishUnits = Units::English;
    EXPECT_EQ(FormatCoordinate(s, 25.4L), "1.0000");
    EXPECT_EQ(FormatCoordinate(s, 1000), "39.3701");
    app.Config.EnglishUnits = Units::Metric;
    app.Config.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(FormatCoordinate(s, 12.5L), "12,5");
    // Damaged data must not crash the display.
    EXPECT_FALSE(FormatCoordinate(s, std::numeric_limits<long double>::quiet_NaN()).empty());
}

TEST_F(GenericDialogs, TargetCheckNeverEmptiesAnExistingFile) {
    TempFolder dir;
    const std::string path = dir / "p.vak1";
    std::ofstream(path, std::ios::binary) << "keep me\r\n";
    ui.Push(A::Answer(Reply::Yes));
    CheckTargetFile(Dialogs(app), path);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(ReadAll(path), "keep me\r\n");
    ASSERT_EQ(ui.Shown("question").size(), 1u);
    EXPECT_EQ(ui.shown[0].prompt, path + " existiert bereits.   Überschreiben ?");
    EXPECT_EQ(ui.shown[0].helpNumber, 3055);

    ui.Push(A::Answer(Reply::No));
    CheckTargetFile(Dialogs(app), path);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ReadAll(path), "keep me\r\n");
}

// The writability test of a new target created its test file through a link standing at the
// name, so a dangling link planted there created the file it led to.
TEST_F(GenericDialogs, TargetCheckCreatesNothingThroughALink) {
    TempFolder dir;
    const std::string victim = dir / "opfer.txt", target = dir / "vak1.htm";
    std::filesystem::create_symlink(victim, target);
    CheckTargetFile(Dialogs(app), target);
    EXPECT_EQ(app.State.AbortFlag, 0); // the writer replaces the link itself
    EXPECT_FALSE(std::filesystem::exists(victim));
    EXPECT_TRUE(std::filesystem::is_symlink(target));
}

TEST_F(GenericDialogs, TargetCheckWithoutQuestionAndForNewFiles) {
    TempFolder dir;
    const std::string aktuell = dir / "aktuell.vak1";
    std::ofstream(aktuell) << "x";
    CheckTargetFile(Dialogs(app), aktuell); // "aktuell" files are replaced without asking
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(ReadAll(aktuell), "x");

    const std::string fresh = dir / "neu.vak1";
    CheckTargetFile(Dialogs(app), fresh);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(std::filesystem::exists(fresh)); // the test file is gone again

    const std::string missing = dir / "nichtda/neu.vak1";
    CheckTargetFile(Dialogs(app), missing);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.Messages().back(), "Fehler : |Ungültiger Dateiname \"" + missing + "\" !");
}

TEST_F(GenericDialogs, SourceCheck) {
    TempFolder dir;
    CheckSourceFile(Dialogs(app), dir.dir().string()); // a folder is not a readable file
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(ui.Messages().back(), "Fehler : |Datei " + dir.dir().string() +
                                        " nicht gefunden oder kein Zugriffsrecht !");
    app.State.AbortFlag = 0;
    std::ofstream(dir / "a.vak1") << "x";
    CheckSourceFile(Dialogs(app), (dir / "a.vak1"));
    EXPECT_EQ(app.State.AbortFlag, 0);
}

} // namespace
} // namespace vak1::test

namespace vak1::test {
namespace {

// The scripted Ui is the safety net of every dialog test: an answer that meets the wrong
// dialog must be noticed, not silently taken as "unchanged".
TEST_F(GenericDialogs, ScriptNoticesAnswersForTheWrongDialog) {
    uint16_t choice = 2;
    ui.Push(A::Text("3"));
    InputChoice(Dialogs(app), kHelpNone, "c", std::vector<std::string>{"a", "b", "c"}, choice);
    EXPECT_EQ(ui.mismatched, 1);
    EXPECT_EQ(choice, 2);
    long double v = 1;
    InputValue(Dialogs(app), kHelpNone, "v", v, 0, 2); // nothing left to answer: cancelled
    EXPECT_EQ(ui.unanswered, 1);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(Utf8Prefix("äöü", 2), "äö");
}

} // namespace
} // namespace vak1::test

namespace vak1::test {
namespace {

// A file that cannot be created must be explained and must not be retried for ever.
TEST_F(GenericDialogs, CreateRetriesOnlyWhileTheUserWants) {
    TempFolder dir;
    const std::string path = dir / "fehlt/a.txt";
    TextFileWriter w;
    ui.Push({A::Answer(Reply::Yes), A::Answer(Reply::No)});
    EXPECT_FALSE(CreateFileWithRetry(Dialogs(app), w, path));
    EXPECT_EQ(app.State.AbortFlag, 1);
    const auto m = ui.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], "Fehler : |I/O-Error " + std::to_string(ENOENT) + " (" + path + ")");
    EXPECT_TRUE(std::filesystem::is_empty(dir.dir()));
    ExpectScriptUsed();

    app.State.AbortFlag = 0;
    TextFileWriter ok;
    EXPECT_TRUE(CreateFileWithRetry(Dialogs(app), ok, (dir / "a.txt")));
    EXPECT_EQ(ui.Messages().size(), 2u);
}

// A folder ending in a character a name could not end with elsewhere ("." "-" "+" ":" or a
// letter beyond ASCII) once got no "/": its files were joined onto the folder's name.
TEST_F(GenericDialogs, FolderRule) {
    EXPECT_EQ(FolderPath("  /daten/cad  "), "/daten/cad/");
    EXPECT_EQ(FolderPath("/daten/"), "/daten/");
    EXPECT_EQ(FolderPath(""), "");
    for (const char* folder : {"c:", ".", "..", "Maß", "proj-", "x+", "a\\", "/"}) {
        const std::string joined = FolderPath(folder) + "p.vak1";
        EXPECT_EQ(joined, folder == std::string("/") ? "/p.vak1" : folder + std::string("/p.vak1"));
    }
}

} // namespace
} // namespace vak1::test
