// Pins what the edit fields take while typed into: a value field only what can be a number,
// with its unit beside it; a text field no more than its limit, which its tooltip names; a
// date field only a date of the calendar, "32.13.2026" refused with its message.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct FieldChecks : ::testing::Test {
    App app;
    QtUi ui;
    void SetUp() override { app.Env.ui = &ui; }
};

} // namespace

TEST_F(FieldChecks, ValueFieldsTakeNumbersOnlyWithTheUnitBeside) {
    QString typed, unit;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* e = Child<QLineEdit>(w, "Edit");
        e->selectAll();
        QTest::keyClicks(e, "x1a2,5;");
        typed = e->text();
        if (auto* label = Child<QLabel>(w, "Label_unit")) unit = label->text();
        QTest::keyClick(e, Qt::Key_Return);
    });
    long double length = 1000;
    InputLength(Dialogs(app), 0, "Länge", length, 0, 1e9L);
    EXPECT_EQ(typed, "12,5");
    EXPECT_EQ(unit, "mm");
    EXPECT_EQ(length, 12.5L);
}

TEST_F(FieldChecks, TextFieldsStopAtTheirLimitAndNameIt) {
    QString tip;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* e = Child<QLineEdit>(w, "Edit");
        tip = e->toolTip();
        e->selectAll();
        QTest::keyClicks(e, "abcdefgh");
        QTest::keyClick(e, Qt::Key_Return);
    });
    std::string text;
    InputText(Dialogs(app), 0, "Name", 5, text);
    EXPECT_EQ(text, "abcde");
    EXPECT_TRUE(tip.contains("5")) << tip.toStdString();
}

TEST_F(FieldChecks, ChangeDateMustBeADateOfTheCalendar) {
    const struct {
        const char* typed;
        const char* stored; // nullptr: refused, the dialog stays open
    } cases[] = {{"32.13.2026", nullptr},
                 {"29.02.2025", nullptr},
                 {"29.02.2024", "29.02.2024"},
                 {"1x.1.2026", "1.1.2026"},
                 {"", ""}};
    for (const auto& c : cases) {
        ChangeDialogData data;
        data.caption = "Änderung 1";
        data.dateLength = 10;
        QString message;
        bool stayed = false;
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* date = Child<QLineEdit>(w, "Edit_datum");
            date->clear();
            QTest::keyClicks(date, c.typed);
            if (!c.stored)
                OnNextModal([&](QWidget* box) {
                    auto* b = qobject_cast<QMessageBox*>(box);
                    ASSERT_NE(b, nullptr);
                    message = b->text();
                    b->accept();
                });
            QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
            if (!c.stored) {
                QTest::qWait(100);
                stayed = w->isVisible();
                static_cast<QDialog*>(w)->reject();
            }
        });
        const bool ok = ui.ChangeDialog(data);
        EXPECT_EQ(ok, c.stored != nullptr) << c.typed;
        if (c.stored) {
            EXPECT_EQ(data.date, c.stored) << c.typed;
        } else {
            EXPECT_TRUE(stayed) << c.typed;
            EXPECT_EQ(message, QString::fromUtf8("Ungültiges Datum: ") + c.typed);
        }
    }
}
