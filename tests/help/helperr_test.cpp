// Pins the message file: lookup by the first 14 characters, the rewrite of one record that
// leaves every other byte unchanged, the explanation window with "Save Changes ?", and the
// message list dialog (preselection by help level, "/nogui" in any case).
#include "help/helperr.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

class MessageFileTest : public ReportFixture {
  protected:
    const std::string file = "Schraffurfehler\r\nUrsache eins\r\nAbhilfe eins\r\n"
                             "GetArcCenter l12=0\r\nUrsache zwei\r\nAbhilfe zwei\r\n"
                             "Fatal  : A = 0 !\r\nUrsache drei\r\nAbhilfe drei\r\n"
                             "Invalid temp directory\nUrsache vier\nAbhilfe vier";
    void SetUp() override {
        ReportFixture::SetUp();
        std::filesystem::create_directory(dir + "temp");
        app.Config.TempDir = dir + "temp/";
        Write(dir + "vak1.err", file);
    }
};

TEST_F(MessageFileTest, RewritingTheThirdRecordLeavesEveryOtherByte) {
    ASSERT_TRUE(RewriteMessageFile(Help(), "Fatal  : A = 0 !", "neue Ursache", "neue Abhilfe"));
    std::string expected = file;
    expected.replace(expected.find("Ursache drei"), 12, "neue Ursache");
    expected.replace(expected.find("Abhilfe drei"), 12, "neue Abhilfe");
    EXPECT_EQ(Read(dir + "vak1.err"), expected);
    EXPECT_FALSE(FileExists(dir + "temp/vak1.ERR")); // the temporary copy is gone

    // The last record has LF ends and no final line end; both stay that way.
    ASSERT_TRUE(RewriteMessageFile(Help(), "Invalid temp directory", "c", "r"));
    expected.replace(expected.find("Ursache vier\nAbhilfe vier"), 25, "c\nr");
    EXPECT_EQ(Read(dir + "vak1.err"), expected);
}

TEST_F(MessageFileTest, RewriteOfAnUnknownMessageChangesNothing) {
    EXPECT_FALSE(RewriteMessageFile(Help(), "Unbekannte Meldung", "c", "r"));
    EXPECT_EQ(Read(dir + "vak1.err"), file);
    EXPECT_EQ(ui.Messages().back(), "Fehler : |Unbekannte Meldung not found.");
}

TEST_F(MessageFileTest, RewriteRefusesATemporaryCopyNamedLikeTheFileItself) {
    // "vak1.ERR" beside "vak1.err" is the same file where case does not count.
    app.Config.TempDir = app.Config.PltDir;
    EXPECT_FALSE(RewriteMessageFile(Help(), "Schraffurfehler", "c", "r"));
    EXPECT_EQ(Read(dir + "vak1.err"), file);
}

TEST_F(MessageFileTest, CauseAndRemedyAreFoundByTheFirstFourteenCharacters) {
    AddMessage(app.Messages, "GetArcCenter l12=0 bei Position 4");
    AddMessage(app.Messages, "Keine solche Meldung");
    EXPECT_EQ(MessageCause(app.Config, app.Messages, 1), "Ursache zwei");
    EXPECT_EQ(MessageRemedy(app.Config, app.Messages, 1), "Abhilfe zwei");
    EXPECT_EQ(MessageCause(app.Config, app.Messages, 2),
              "keine Beschreibung dieser Fehlermeldung vorhanden.");
    EXPECT_EQ(MessageRemedy(app.Config, app.Messages, 2), "");
    std::remove((dir + "vak1.err").c_str());
    EXPECT_EQ(MessageCause(app.Config, app.Messages, 1), "");
    EXPECT_EQ(MessageRemedy(app.Config, app.Messages, 1), "");
}

TEST_F(MessageFileTest, ExplanationEditedAndSavedRewritesOnlyThatRecord) {
    AddMessage(app.Messages, "GetArcCenter l12=0");
    ui.Push({ScriptedAnswer::Edit("Zwei Punkte\nfallen zusammen", "Punkt löschen"),
             ScriptedAnswer::Answer(Reply::Yes)});
    ExplainMessage(Help(), app.Messages, 1);
    ASSERT_GE(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, "explain");
    EXPECT_EQ(ui.shown[0].prompt, "GetArcCenter l12=0");
    EXPECT_EQ(ui.shown[0].lines, (std::vector<std::string>{"Ursache zwei", "Abhilfe zwei"}));
    EXPECT_EQ(ui.shown[1].prompt, "Save Changes ?");
    EXPECT_EQ(ui.shown[0].helpNumber, 1970);
    EXPECT_EQ(ui.shown[1].helpNumber, 1970);
    std::string expected = file;
    // A line break typed into a memo must not split the record.
    expected.replace(expected.find("Ursache zwei"), 12, "Zwei Punkte fallen zusammen");
    expected.replace(expected.find("Abhilfe zwei"), 12, cp850("Punkt löschen"));
    EXPECT_EQ(Read(dir + "vak1.err"), expected);
}

TEST_F(MessageFileTest, ExplanationNotSavedOrUnchangedLeavesTheFile) {
    AddMessage(app.Messages, "Schraffurfehler");
    ui.Push({ScriptedAnswer::Edit("x", "y"), ScriptedAnswer::Answer(Reply::No)});
    ExplainMessage(Help(), app.Messages, 1);
    ui.Push(ScriptedAnswer::Explained().WithHelp(false));
    ExplainMessage(Help(), app.Messages, 1);
    ASSERT_EQ(ui.helpShown.size(), 1u); // "&Hilfe" shows help text 1970
    EXPECT_EQ(ui.helpShown[0], std::make_pair(uint16_t{1970}, false));
    EXPECT_EQ(Read(dir + "vak1.err"), file);
    EXPECT_EQ(ui.shown.size(), 3u); // no question after an unchanged window
}

TEST_F(MessageFileTest, LongCauseSurvivesAnEditOfTheRemedy) {
    const std::string longCause = cp850(std::string(150, 'a') + " Größe " + std::string(150, 'b'));
    ASSERT_TRUE(RewriteMessageFile(Help(), "Schraffurfehler", longCause, "Abhilfe eins"));
    AddMessage(app.Messages, "Schraffurfehler");
    ui.Push({ScriptedAnswer::Edit(Cp850ToUtf8(longCause), "neue Abhilfe"),
             ScriptedAnswer::Answer(Reply::Yes)});
    ExplainMessage(Help(), app.Messages, 1);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown[0].lines[0], Cp850ToUtf8(longCause)); // shown whole, not emptied
    EXPECT_EQ(MessageCause(app.Config, app.Messages, 1), longCause);
    EXPECT_EQ(MessageRemedy(app.Config, app.Messages, 1), "neue Abhilfe");
}

TEST_F(MessageFileTest, ExplanationWithoutFileOrRecord) {
    AddMessage(app.Messages, "Neue Meldung ohne Satz");
    ExplainMessage(Help(), app.Messages, 1);
    EXPECT_EQ(ui.Messages().back(), "Meldung|keine Beschreibung dieser Fehlermeldung vorhanden.");
    EXPECT_EQ(app.State.AbortFlag, 0);
    std::remove((dir + "vak1.err").c_str());
    ExplainMessage(Help(), app.Messages, 1);
    EXPECT_EQ(ui.Messages().back(),
              "Fehler : |Datei " + dir + "vak1.err nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_EQ(app.State.AbortFlag, 1);
}

TEST_F(MessageFileTest, MessageListPreselectsByHelpLevelAndWalksOn) {
    AddMessage(app.Messages, "Schraffurfehler");
    AddMessage(app.Messages, "GetArcCenter l12=0");
    app.Config.HelpLevel = 1;
    ui.Push(ScriptedAnswer::Choice(3));
    ShowMessageList(Help(), app.Messages);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].preselected, 3);
    EXPECT_EQ(ui.shown[0].lines.back(), "Weiter/zurück...");
    EXPECT_EQ(ui.shown[0].prompt,
              "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");
    EXPECT_EQ(ui.shown[0].helpNumber, 1210);

    ui.shown.clear();
    app.Config.HelpLevel = 2;
    ui.Push({ScriptedAnswer::Choice(1), ScriptedAnswer::Explained(), ScriptedAnswer::Choice(2),
             ScriptedAnswer::Explained()});
    ShowMessageList(Help(), app.Messages);
    ASSERT_EQ(ui.shown.size(), 4u);
    EXPECT_EQ(ui.shown[0].preselected, 1);
    EXPECT_EQ(ui.shown[1].prompt, "Schraffurfehler");
    EXPECT_EQ(ui.shown[2].preselected, 2); // the next message is offered
    EXPECT_EQ(ui.shown[3].prompt, "GetArcCenter l12=0");
    EXPECT_EQ(ui.Pending(), 0u); // the loop ended after the last message
    EXPECT_EQ(ui.mismatched, 0);
}

TEST_F(MessageFileTest, MessageListIsSilentWithNoGuiInSmallLetters) {
    AddMessage(app.Messages, "Fatal  : A = 0 !");
    app.State.CommandLine = {"test.vak1", "/I", "/nogui"};
    ShowMessageList(Help(), app.Messages);
    EXPECT_TRUE(ui.shown.empty());
    app.State.CommandLine.clear();
    app.Messages.count = 0;
    ShowMessageList(Help(), app.Messages);
    EXPECT_EQ(ui.Messages().back(), "Meldung:|Berechnung erfolgreich ohne Fehlermeldungen");
}

} // namespace
} // namespace vak1::test
