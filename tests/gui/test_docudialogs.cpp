// Pins the documentation dialogs as the user meets them: the change entry with its date
// button and a two-line memo, and the drawing information with its row titles, date
// buttons and free-text grid, read back into the documentation.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/App.h"
#include "docu/docudialogs.h"
#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct DocuDialogs : ::testing::Test {
    App app;
    QtUi ui;
    void SetUp() override { app.Env.ui = &ui; }
};

void Click(QWidget* w, const char* name) {
    auto* b = Child<QPushButton>(w, name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

TEST_F(DocuDialogs, ChangeEntryWithTheDateButtonAndATwoLineMemo) {
    app.Docu.ChangeEntries[0].text = "alt";
    QString caption, date;
    int textLength = 0;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        caption = w->windowTitle();
        auto* text = Child<QLineEdit>(w, "Edit_aenderung");
        auto* dateEdit = Child<QLineEdit>(w, "Edit_datum");
        auto* memo = Child<QPlainTextEdit>(w, "Memo_beschreibung");
        ASSERT_TRUE(text && dateEdit && memo);
        textLength = text->maxLength();
        date = dateEdit->text();
        dateEdit->clear();
        Click(w, "Button_datum");
        text->clear();
        QTest::keyClicks(text, "Bohrung");
        QTest::keyClicks(Child<QLineEdit>(w, "Edit_bearbeiter"), "KLMNOP");
        memo->setFocus();
        QTest::keyClicks(memo, "eins");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "zwei");
        Click(w, "Button_ok");
    });
    EXPECT_TRUE(NewChange(Dialogs(app), app.Docu, "15.03.2024"));
    EXPECT_EQ(caption, QString::fromUtf8("Änderung 1"));
    EXPECT_EQ(date, "15.03.2024");
    EXPECT_EQ(textLength, 20);
    const TChangeEntry& e = app.Docu.ChangeEntries[0];
    EXPECT_EQ(e.text, "Bohrung");
    EXPECT_EQ(e.date, "15.03.2024");
    EXPECT_EQ(e.editor, "KLMNO");
    EXPECT_EQ(e.description, "eins\r\nzwei");
    EXPECT_EQ(app.State.AbortFlag, 0);
}

TEST_F(DocuDialogs, DrawingInformationGridsAndDateButtons) {
    app.Docu.ApprovalRows[kPrepared] = {"01.02.2020", "Meier"};
    app.Docu.FreeTextCount = 1;
    app.Docu.FreeTexts[0] = {10, 20, 2.5L, 0, "alt"};
    QString title, releaseRow, prepared, x1;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        title = w->windowTitle();
        auto* approvals = Child<QTableWidget>(w, "StringGrid1");
        auto* texts = Child<QTableWidget>(w, "StringGrid2");
        ASSERT_TRUE(approvals && texts);
        releaseRow = approvals->verticalHeaderItem(3)->text();
        prepared = approvals->item(0, 1)->text();
        x1 = texts->item(0, 0)->text();
        Click(w, "Button3");
        QTest::keyClicks(Child<QLineEdit>(w, "Edit_ersatzfuer"), "ALT-1");
        texts->item(0, 0)->setText("1,5");
        texts->item(1, 4)->setText("zweiter");
        texts->item(3, 4)->setText("nach der Leerzeile");
        Click(w, "Button_ok");
    });
    EXPECT_TRUE(EditDrawingInfo(Dialogs(app), app.Docu, "Freigabe", "15.03.2024"));
    EXPECT_EQ(title, "Zeichnungsinfo");
    EXPECT_EQ(releaseRow, "Freigabe");
    EXPECT_EQ(prepared, "Meier");
    EXPECT_EQ(x1, "10");
    EXPECT_EQ(app.Docu.ApprovalRows[kStandardised].date, "15.03.2024");
    EXPECT_EQ(app.Docu.ReplacementFor, "ALT-1");
    EXPECT_EQ(app.Docu.FreeTextCount, 2);
    EXPECT_EQ(app.Docu.FreeTexts[0].x, 1.5L);
    EXPECT_EQ(app.Docu.FreeTexts[0].text, "alt");
    EXPECT_EQ(app.Docu.FreeTexts[1].text, "zweiter");
}
