// Pins the output window and the explanation window: the menu captions, the read-only text
// in the chosen font, select-all and copy, print and export forwarded, the place and size
// given back on closing; the explanation's labels, the read-only message, the change flag
// that only OK keeps, and its help button.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

QStringList MenuTexts(QWidget* w, const char* name) {
    QStringList texts;
    if (auto* m = Child<QMenu>(w, name))
        for (QAction* a : m->actions())
            texts << a->text();
    return texts;
}

} // namespace

TEST(OutputWindow, ShowsTheTextWithItsMenusAndGivesBackItsPlace) {
    QtUi ui;
    TextWindow window;
    window.caption = "VAK1 - outwin.txt";
    window.text = "Querschnittsfläche A   1722 mm²\nZeile zwei";
    window.fontName = "Courier New";
    window.fontSize = 11;
    window.fontStyle = 1;
    window.left = 40;
    window.top = 30;
    window.width = 500;
    window.height = 300;
    int printed = 0, exported = 0;
    window.print = [&] { ++printed; };
    window.exportText = [&] { ++exported; };
    QString caption, text, family, copied;
    QStringList file, edit;
    bool readOnly = false, bold = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        auto* memo = Child<QPlainTextEdit>(w, "Memo");
        text = memo->toPlainText();
        readOnly = memo->isReadOnly();
        family = memo->font().family();
        bold = memo->font().bold();
        file = MenuTexts(w, "Menu_datei");
        edit = MenuTexts(w, "Menu_bearbeiten");
        Child<QAction>(w, "mi_print")->trigger();
        Child<QAction>(w, "mi_export")->trigger();
        Child<QAction>(w, "mi_selectall")->trigger();
        Child<QAction>(w, "mi_copy")->trigger();
        copied = QApplication::clipboard()->text();
        w->setGeometry(60, 50, 420, 260);
        Child<QAction>(w, "mi_exit")->trigger();
    });
    ui.ShowTextWindow(window);
    EXPECT_EQ(caption, "VAK1 - outwin.txt");
    EXPECT_EQ(text, QString::fromUtf8("Querschnittsfläche A   1722 mm²\nZeile zwei"));
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(family, "Courier New");
    EXPECT_TRUE(bold);
    EXPECT_EQ(file, (QStringList{"Export &Notepad", "&Drucken...", "&Beenden       "}));
    EXPECT_EQ(edit, (QStringList{QString::fromUtf8("Alles aus&wählen"), "&Kopieren"}));
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(exported, 1);
    EXPECT_EQ(copied, text);
    EXPECT_EQ(window.width, 420);
    EXPECT_EQ(window.height, 260);
}

TEST(ExplanationWindow, OnlyAnEditConfirmedWithOkCountsAsAChange) {
    QtUi ui;
    std::vector<std::pair<int, bool>> help;
    ui.onHelp = [&](uint16_t n, bool picture) { help.emplace_back(n, picture); };
    ui.helpNumber = 1970;
    Explanation e{"Fatal  : A = 0 !", "Kontur ohne Fläche", "Positionen prüfen"};
    QStringList labels;
    bool messageReadOnly = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Fehlermeldung");
        for (QLabel* l : w->findChildren<QLabel*>())
            labels << l->text();
        messageReadOnly = Child<QLineEdit>(w, "Edit_meldung")->isReadOnly();
        QTest::mouseClick(Child<QPushButton>(w, "Button_hilfe"), Qt::LeftButton);
        auto* remedy = Child<QPlainTextEdit>(w, "Memo_abhilfe");
        remedy->moveCursor(QTextCursor::End);
        QTest::keyClicks(remedy, " und schliessen");
        QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
    });
    ui.ExplanationDialog(e);
    EXPECT_EQ(labels, (QStringList{"Fehlermeldung", "Ursache", "Abhilfe"}));
    EXPECT_TRUE(messageReadOnly);
    EXPECT_TRUE(e.changed);
    EXPECT_EQ(e.remedy, "Positionen prüfen und schliessen");
    EXPECT_EQ(e.cause, "Kontur ohne Fläche");
    EXPECT_EQ(help, (std::vector<std::pair<int, bool>>{{1970, false}}));

    e.changed = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClicks(Child<QPlainTextEdit>(w, "Memo_ursache"), "x");
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    ui.ExplanationDialog(e);
    EXPECT_FALSE(e.changed);
    EXPECT_EQ(e.cause, "Kontur ohne Fläche");
}
