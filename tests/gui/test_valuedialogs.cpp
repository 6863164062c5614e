// Pins the generic dialogs as the user meets them: captions, labels and button texts, the
// length limit, Enter accepting and Escape cancelling, radio group up to 7 lines and list
// from 8, the help buttons keeping the dialog open, the file filters and the file dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "app/App.h"
#include "gui/QtUi.h"
#include "gui/filefilter.h"
#include "gui/driver.h"
#include "dialogs/dialogs.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct Fixture : ::testing::Test {
    App app;
    QtUi ui;
    void SetUp() override { app.Env.ui = &ui; }
};

QStringList ButtonTexts(QWidget* w) {
    QStringList texts;
    for (const char* name : {"Button_ok", "Button_cancel", "Button_helptext", "Button_helppicture"})
        if (auto* b = Child<QPushButton>(w, name)) texts << b->text();
    return texts;
}

// A radio button takes clicks on its circle and label, not on the empty rest of its row.
void ClickRadio(QRadioButton* r) {
    ASSERT_NE(r, nullptr);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
}

const QStringList kButtons = {"OK", "Abbrechen", "&Hilfetext", "Hilfe&bild"};

std::vector<std::string> NumberedLines(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back("Zeile " + std::to_string(i));
    return lines;
}

} // namespace

using TextDialog = Fixture;

TEST_F(TextDialog, ShowsCaptionPromptButtonsAndAcceptsTypedTextWithEnter) {
    QString caption, prompt, prefilled;
    QStringList buttons;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        prompt = Child<QLabel>(w, "Label_prompt")->text();
        auto* edit = Child<QLineEdit>(w, "Edit");
        prefilled = edit->text();
        buttons = ButtonTexts(w);
        edit->clear();
        QTest::keyClicks(edit, "Welle 2");
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    std::string text = "alt";
    ASSERT_TRUE(ui.InputTextDialog("Eingabe", "Bezeichnung Ä", 30, text));
    EXPECT_EQ(caption, "Eingabe");
    EXPECT_EQ(prompt, QString::fromUtf8("Bezeichnung Ä"));
    EXPECT_EQ(prefilled, "alt");
    EXPECT_EQ(buttons, kButtons);
    EXPECT_EQ(text, "Welle 2");
}

TEST_F(TextDialog, StopsTypingAtTheMaximumLength) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* edit = Child<QLineEdit>(w, "Edit");
        edit->clear();
        QTest::keyClicks(edit, "0123456789abcdef");
        QTest::keyClick(KeyTarget(w), Qt::Key_Enter);
    });
    std::string text;
    ASSERT_TRUE(ui.InputTextDialog("Eingabe", "Kurz", 12, text));
    EXPECT_EQ(text, "0123456789ab");
}

TEST_F(TextDialog, EscapeCancelsAndLeavesTheValueAndSetsAbortThroughTheCore) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClicks(Child<QLineEdit>(w, "Edit"), "99");
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    long double density = 7.85L;
    InputValue(Dialogs(app), kHelpNone, cp850("Dichte"), density, 0.01L, 100);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(density, 7.85L);
}

TEST_F(TextDialog, ValueWithDecimalCommaIsTakenAndARangeErrorAsksAgain) {
    QString error;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* edit = Child<QLineEdit>(w, "Edit");
            EXPECT_EQ(edit->maxLength(), 30);
            edit->clear();
            QTest::keyClicks(edit, "0");
            QTest::keyClick(KeyTarget(w), Qt::Key_Return);
        })
        .Then([&](QWidget* box) { // the range message
            ASSERT_NE(box, nullptr);
            error = box->windowTitle() + "|" + static_cast<QMessageBox*>(box)->text();
            QTest::keyClick(KeyTarget(box), Qt::Key_Return);
        })
        .Then([&](QWidget* again) { // the same input once more
            ASSERT_NE(again, nullptr);
            auto* e = Child<QLineEdit>(again, "Edit");
            e->clear();
            QTest::keyClicks(e, "7,85");
            QTest::keyClick(KeyTarget(again), Qt::Key_Return);
        })
        .Start();
    long double density = 1;
    InputValue(Dialogs(app), kHelpNone, cp850("Dichte"), density, 0.01L, 100);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_NEAR(static_cast<double>(density), 7.85, 1e-12);
    EXPECT_EQ(error, QString::fromUtf8("Fehler : |Gültiger Wertebereich: 0.01 .. 100 !"));
}

TEST_F(TextDialog, HelpButtonsReportTheCurrentHelpNumberAndKeepTheDialogOpen) {
    std::vector<std::pair<int, bool>> calls;
    ui.onHelp = [&](uint16_t n, bool picture) { calls.emplace_back(n, picture); };
    bool stillOpen = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(Child<QPushButton>(w, "Button_helptext"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(w, "Button_helppicture"), Qt::LeftButton);
        stillOpen = w->isVisible();
        QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
    });
    std::string text = "x";
    InputText(Dialogs(app), 3055, "p", 10, text);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(calls, (std::vector<std::pair<int, bool>>{{3055, false}, {3055, true}}));
}

using ChoiceDialog = Fixture;

TEST_F(ChoiceDialog, SevenLinesAreARadioGroupAndAClickPlusEnterPicksALine) {
    int radios = -1;
    bool hasList = true;
    QString caption;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        radios = static_cast<int>(w->findChildren<QRadioButton*>().size());
        hasList = Child<QListWidget>(w, "ListBox") != nullptr;
        EXPECT_TRUE(Child<QRadioButton>(w, "Radio_3")->isChecked());
        ClickRadio(Child<QRadioButton>(w, "Radio_6"));
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    int choice = 3;
    ASSERT_TRUE(ui.ChoiceDialog("Auswahl", "Position", NumberedLines(7), false, choice));
    EXPECT_EQ(caption, "Auswahl");
    EXPECT_EQ(radios, 7);
    EXPECT_FALSE(hasList);
    EXPECT_EQ(choice, 6);
}

TEST_F(ChoiceDialog, EightLinesThroughTheCoreAreAListAndADoubleClickAccepts) {
    int rows = 0, radios = -1, preselected = 0;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* list = Child<QListWidget>(w, "ListBox");
        ASSERT_NE(list, nullptr);
        rows = list->count();
        preselected = list->currentRow() + 1;
        radios = static_cast<int>(w->findChildren<QRadioButton*>().size());
        const QRect r = list->visualItemRect(list->item(4));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    });
    for (int i = 1; i <= 8; ++i)
        app.State.LineTable[static_cast<std::size_t>(i - 1)] = "P " + std::to_string(i);
    uint16_t choice = 0; // 0 is shown as the first line
    InputChoice(Dialogs(app), kHelpNone, "Position", app.State.LineTable, 8, choice);
    EXPECT_EQ(rows, 8);
    EXPECT_EQ(radios, 0);
    EXPECT_EQ(preselected, 1);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(choice, 5);
}

TEST_F(ChoiceDialog, EscapeInTheListCancels) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Down);
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    int choice = 2;
    EXPECT_FALSE(ui.ChoiceDialog("Auswahl", "Position", NumberedLines(9), true, choice));
    EXPECT_EQ(choice, 2);
}

TEST_F(ChoiceDialog, EnterInTheListAcceptsTheLineMovedTo) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Down);
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    int choice = 2;
    EXPECT_TRUE(ui.ChoiceDialog("Auswahl", "Position", NumberedLines(9), true, choice));
    EXPECT_EQ(choice, 3);
}

using YesNoDialog = Fixture;

TEST_F(YesNoDialog, ShowsJaNeinPreselectedAndReturnsNein) {
    QString caption, group, yesText, noText;
    bool yesChecked = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        group = Child<QGroupBox>(w, "RadioGroup")->title();
        yesText = Child<QRadioButton>(w, "Radio_ja")->text();
        noText = Child<QRadioButton>(w, "Radio_nein")->text();
        yesChecked = Child<QRadioButton>(w, "Radio_ja")->isChecked();
        ClickRadio(Child<QRadioButton>(w, "Radio_nein"));
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    bool flag = true;
    InputYesNo(Dialogs(app), kHelpNone, "Schraffur zeichnen ?", flag);
    EXPECT_EQ(caption, "Eingabe");
    EXPECT_EQ(group, "Auswahl");
    EXPECT_EQ(yesText, "&Ja");
    EXPECT_EQ(noText, "&Nein");
    EXPECT_TRUE(yesChecked);
    EXPECT_FALSE(flag);
    EXPECT_EQ(app.State.AbortFlag, 0);
}

TEST_F(YesNoDialog, EscapeSetsAbortAndKeepsTheFlag) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    bool flag = false;
    InputYesNo(Dialogs(app), kHelpNone, "Frage", flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(app.State.AbortFlag, 1);
}

using Boxes = Fixture;

TEST_F(Boxes, QuestionHasJaNeinAbbrechenAndEscapeIsCancel) {
    QString caption;
    QStringList texts;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* box = static_cast<QMessageBox*>(w);
        caption = box->windowTitle();
        for (auto* b : box->buttons())
            texts << b->text();
        texts.sort();
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(AskQuestion(Dialogs(app), kHelpNone, cp850("Bisherige Eingaben verwerfen ?")));
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(caption, kProgramTitle);
    EXPECT_EQ(texts, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
}

TEST_F(Boxes, QuestionAnsweredNoIsNoAndYesIsYes) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(static_cast<QMessageBox*>(w)->button(QMessageBox::No), Qt::LeftButton);
    });
    EXPECT_EQ(ui.Question("t", "q"), Reply::No);
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Return); // Yes is the default
    });
    EXPECT_EQ(ui.Question("t", "q"), Reply::Yes);
}

TEST_F(Boxes, ErrorAndInfoBoxesCarryTheirCaptions) {
    QStringList seen;
    auto close = [&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        seen << w->windowTitle() + "|" + static_cast<QMessageBox*>(w)->text();
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    };
    OnNextModal(close);
    ShowError(Dialogs(app), cp850("Datei fehlt"));
    OnNextModal(close);
    ShowInfo(Dialogs(app), cp850("Fertig für heute"));
    EXPECT_EQ(seen, (QStringList{"Fehler : |Datei fehlt",
                                 QString::fromUtf8("Meldung:|Fertig für heute")}));
}

TEST(FileFilter, PairsBecomeQtFiltersAndMaskListsAreSplit) {
    EXPECT_EQ(QtFileFilter("*.vak1|*.vak1"), "*.vak1 (*.vak1)");
    EXPECT_EQ(QtFileFilter("Projekte|*.vak1|Alle|*.*"), "Projekte (*.vak1);;Alle (*.*)");
    EXPECT_EQ(QtFileFilter("Zeichnungen|*.dxf;*.DXF"), "Zeichnungen (*.dxf *.DXF)");
    EXPECT_EQ(QtFileFilter(""), "*");
}

using FileDialogs = Fixture;

TEST_F(FileDialogs, OpenDialogStartsInTheFolderAndReturnsTheTypedFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("welle.vak1");
    std::ofstream(file.toStdString()) << "x\r\n";
    QString shownDir;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* dialog = static_cast<QFileDialog*>(w);
        shownDir = dialog->directory().absolutePath();
        auto* name = w->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, "welle.vak1");
        QTest::keyClick(name, Qt::Key_Return);
    });
    std::string path;
    ASSERT_TRUE(ui.OpenFileDialog("*.vak1|*.vak1", dir.path().toStdString(), path));
    EXPECT_EQ(shownDir, QDir(dir.path()).absolutePath());
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).canonicalFilePath(),
              QFileInfo(file).canonicalFilePath());

    // The next dialog for project files opens there again, whatever folder the command gives;
    // another kind of file starts in its own.
    for (const char* filter : {"*.vak1|*.vak1", "*.dxf|*.dxf"}) {
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            shownDir = static_cast<QFileDialog*>(w)->directory().absolutePath();
            QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
        });
        EXPECT_FALSE(ui.OpenFileDialog(filter, QDir::rootPath().toStdString(), path));
        EXPECT_EQ(shownDir, std::string(filter) == "*.dxf|*.dxf" ? QDir::rootPath()
                                                                 : QDir(dir.path()).absolutePath());
    }
}

TEST_F(FileDialogs, CancelledSaveDialogLeavesTheName) {
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    std::string path = "bleibt";
    EXPECT_FALSE(
        ui.SaveFileDialog("*.vak1|*.vak1", QDir::tempPath().toStdString(), "neu.vak1", path));
    EXPECT_EQ(path, "bleibt");
}

// The diagram limits: the last entered limits shown, "Calculate" puts the automatic ones in,
// OK returns the fields, Escape keeps nothing.
TEST_F(Fixture, DiagramLimitsCalculateThenOk) {
    DiagramLimitsDialogData data;
    data.caption = "Formblatt";
    data.xLabel = " y [mm]";
    data.yLabel = "z [mm]";
    data.fields = {"1", "2", "3", "4"};
    data.calculated = {"0", "-10", "120", "110"};
    QString shownX;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Formblatt");
        shownX = Child<QLineEdit>(w, "Edit_xmin")->text();
        QTest::mouseClick(Child<QPushButton>(w, "Button_calculate"), Qt::LeftButton);
        auto* ymax = Child<QLineEdit>(w, "Edit_ymax");
        ymax->clear();
        QTest::keyClicks(ymax, "150");
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    ASSERT_TRUE(ui.DiagramLimitsDialog(data));
    EXPECT_EQ(shownX, "1");
    EXPECT_EQ(data.fields, (std::array<std::string, 4>{"0", "-10", "120", "150"}));

    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClicks(Child<QLineEdit>(w, "Edit_xmin"), "9");
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(ui.DiagramLimitsDialog(data));
    EXPECT_EQ(data.fields[0], "0");
}

TEST_F(TextDialog, F1ShowsTheHelpTextOfTheOpenDialog) {
    std::vector<std::pair<uint16_t, bool>> asked;
    ui.onHelp = [&](uint16_t number, bool picture) { asked.emplace_back(number, picture); };
    ui.helpNumber = 1234;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(Child<QLineEdit>(w, "Edit"), Qt::Key_F1);
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    std::string text;
    EXPECT_FALSE(ui.InputTextDialog("Eingabe", "Text", 10, text));
    EXPECT_EQ(asked, (std::vector<std::pair<uint16_t, bool>>{{1234, false}}));
}
