// Pins the contour dialogs as the user meets them: a rectangle entered through the position
// list and the coordinate dialog, the list's buttons and its close-means-OK rule, a double
// click opening that position, spin and unit switch in the coordinate dialog, and the text
// lines with their labels, limits, Enter and Escape.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <numbers>
#include <QPushButton>
#include <QSet>

#include "app/App.h"
#include "project/calculation.h"
#include "gui/QtUi.h"
#include "gui/contourpreview.h"
#include "gui/driver.h"
#include "app/contour.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct EditDialogs : ::testing::Test {
    App app;
    QtUi ui;
    int redraws = 0;
    void SetUp() override {
        app.Env.ui = &ui;
        app.State.RedrawView = [this](uint16_t) { ++redraws; };
    }
    void AddPosition(long double y, long double z) {
        app.Project.Positions.push_back(TPosition{y, z, 0});
    }
};

QStringList Buttons(QWidget* w) {
    QStringList texts;
    for (QPushButton* b : w->findChildren<QPushButton*>())
        texts << b->text();
    return texts;
}

void Click(QWidget* w, const char* name) {
    auto* b = Child<QPushButton>(w, name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Types y and z into the coordinate dialog and confirms with Enter.
Step EnterCoordinates(const QString& y, const QString& z) {
    return [y, z](QWidget* w) {
        ASSERT_NE(w, nullptr);
        for (auto [name, text] : {std::pair{"Edit_y", y}, std::pair{"Edit_z", z}}) {
            auto* e = Child<QLineEdit>(w, name);
            ASSERT_NE(e, nullptr);
            e->clear();
            QTest::keyClicks(e, text);
        }
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    };
}

} // namespace

TEST_F(EditDialogs, RectangleThroughThePositionListAndTheCoordinateDialog) {
    QString listCaption, coordCaption;
    QStringList listButtons, labels, units;
    int linesAtEnd = 0;
    DialogScript script;
    const QString corners[4][2] = {{"0", "0"}, {"100", "0"}, {"100", "50"}, {"0", "50"}};
    for (int k = 0; k < 4; ++k) {
        script.Then([&, k](QWidget* w) {
            ASSERT_NE(w, nullptr);
            if (k == 0) {
                listCaption = w->windowTitle();
                listButtons = Buttons(w);
            }
            Click(w, "Button_neu");
        });
        if (k == 0) {
            script.Then([&](QWidget* w) {
                ASSERT_NE(w, nullptr);
                coordCaption = w->windowTitle();
                for (const char* n : {"Label_y", "Label_z", "Label_phi"})
                    labels << Child<QLabel>(w, n)->text();
                for (const char* n : {"Unit_y", "Unit_z", "Unit_phi"})
                    units << Child<QLabel>(w, n)->text();
                EnterCoordinates(corners[0][0], corners[0][1])(w);
            });
        } else {
            script.Then(EnterCoordinates(corners[k][0], corners[k][1]));
        }
    }
    script.Then([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        linesAtEnd = Child<QTableWidget>(w, "StringGrid_positionen")->rowCount();
        SaveShot(w, "positionlist");
        QTest::keyClick(KeyTarget(w), Qt::Key_Return);
    });
    script.Start();
    EditPositions(app);

    EXPECT_EQ(script.Left(), 0u);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(listCaption, "Eingabe der Positionen");
    for (const char* b : {"&Neu", "&Einfügen", "&Löschen", "Transform.", "&Ändern", "OK",
                          "Abbrechen", "&Hilfe", "Hilfe&bild"})
        EXPECT_TRUE(listButtons.contains(QString::fromUtf8(b))) << b;
    EXPECT_EQ(coordCaption, "Koordinaten 1");
    EXPECT_EQ(labels, (QStringList{"Y 1", "Z 1", "Kreisbogenwinkel 1-2"}));
    EXPECT_EQ(units, (QStringList{"mm", "mm", QString::fromUtf8("°")}));
    EXPECT_EQ(linesAtEnd, 4);
    ASSERT_EQ(app.Project.PosCount(), 4);
    EXPECT_EQ(app.Project.Positions[2].y, 100);
    EXPECT_EQ(app.Project.Positions[2].z, 50);
    CalcSection(app.Project, app.Messages, app.Config);
    EXPECT_NEAR(static_cast<double>(app.Project.R.A), 5000, 1e-9);
    EXPECT_GT(redraws, 0);
}

TEST_F(EditDialogs, DoubleClickOpensThatPositionAndClosingTheListCountsAsOk) {
    AddPosition(0, 0);
    AddPosition(10, 0);
    AddPosition(10, 10);
    QString opened;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* table = Child<QTableWidget>(w, "StringGrid_positionen");
            const QRect r = table->visualItemRect(table->item(1, 1));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            opened = w->windowTitle();
            EnterCoordinates("12", "0")(w);
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            w->close(); // the frame's close button
        })
        .Start();
    EditPositions(app);
    EXPECT_EQ(opened, "Koordinaten 2");
    EXPECT_EQ(app.Project.Positions[1].y, 12);
    EXPECT_EQ(app.State.AbortFlag, 0);
}

TEST_F(EditDialogs, EscapeInThePositionListCancels) {
    AddPosition(0, 0);
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    EditPositions(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
}

TEST_F(EditDialogs, PositionTableKeysAreTheButtonsChangeInsertAndDelete) {
    const struct {
        Qt::Key key;
        int selected; // 1-based, 0: none
        DialogAction action;
    } cases[] = {
        {Qt::Key_Return, 2, DialogAction::Edit},   {Qt::Key_Enter, 3, DialogAction::Edit},
        {Qt::Key_Return, 0, DialogAction::Ok},     {Qt::Key_Insert, 2, DialogAction::Insert},
        {Qt::Key_Insert, 0, DialogAction::Insert}, {Qt::Key_Delete, 1, DialogAction::Delete},
    };
    for (const auto& c : cases) {
        PositionListDialogData data;
        data.selected = c.selected;
        for (int k = 1; k <= 3; ++k)
            data.table.rows.push_back({std::to_string(k), "0.000", "0.000", "0.0", k * 1.0L, 0, 0});
        for (auto [action, caption] : {std::pair{DialogAction::Insert, "&Einfügen"},
                                       {DialogAction::Delete, "&Löschen"},
                                       {DialogAction::Edit, "&Ändern"},
                                       {DialogAction::Ok, "OK"}})
            data.buttons.push_back({action, caption});
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            QTest::keyClick(Child<QTableWidget>(w, "StringGrid_positionen"), c.key);
            if (w->isVisible()) static_cast<QDialog*>(w)->reject(); // the key did nothing
        });
        EXPECT_EQ(ui.PositionListDialog(data), c.action) << c.key << " " << c.selected;
        EXPECT_EQ(data.selected, c.selected) << c.key;
    }
}

TEST_F(EditDialogs, DeleteKeyRemovesTheSelectedPosition) {
    app.Config.HelpLevel = 0; // two positions leave no area: no message list on leaving
    AddPosition(0, 0);
    AddPosition(10, 0);
    AddPosition(10, 10);
    DialogScript()
        .Then([](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* table = Child<QTableWidget>(w, "StringGrid_positionen");
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualItemRect(table->item(1, 0)).center());
            QTest::keyClick(table, Qt::Key_Delete);
            if (w->isVisible()) static_cast<QDialog*>(w)->reject(); // the key did nothing
        })
        .Then([](QWidget* w) {
            ASSERT_NE(w, nullptr);
            w->close(); // closing is "OK"; Escape would take the delete back
        })
        .Start();
    EditPositions(app);
    ASSERT_EQ(app.Project.PosCount(), 2);
    EXPECT_EQ(app.Project.Positions[1].y, 10);
    EXPECT_EQ(app.Project.Positions[1].z, 10);
}

TEST_F(EditDialogs, PositionTableHasTheNumbersInColumnsAndThePreviewMarksTheSelection) {
    AddPosition(0, 0);
    AddPosition(100, 0);
    app.Project.Positions[1].phi = std::numbers::pi_v<long double> / 2;
    AddPosition(100, 50);
    AddPosition(-12.5L, 50);
    QStringList headers, row2;
    bool rightAligned = true;
    QString family;
    QSet<int> digitAdvances;
    QList<bool> marked; // at position 2 after a click, at 2 and 3 after the down key
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* table = Child<QTableWidget>(w, "StringGrid_positionen");
        auto* preview = Child<ContourPreview>(w, "Preview_kontur");
        ASSERT_TRUE(table && preview);
        for (int c = 0; c < table->columnCount(); ++c) {
            headers << table->horizontalHeaderItem(c)->text();
            row2 << table->item(1, c)->text();
            for (int r = 0; r < table->rowCount(); ++r)
                rightAligned =
                    rightAligned && (table->item(r, c)->textAlignment() & Qt::AlignRight);
        }
        family = QFontInfo(table->font()).family();
        const QFontMetrics metrics(table->font());
        for (char d = '0'; d <= '9'; ++d)
            digitAdvances << metrics.horizontalAdvance(QChar(d));
        digitAdvances << metrics.horizontalAdvance('-') << metrics.horizontalAdvance('.');
        auto isMarked = [preview](int k) {
            const QPoint at = preview->PlaceOf(k).toPoint();
            return preview->grab().toImage().pixelColor(at) == ContourPreview::MarkColor();
        };
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(1, 2)).center());
        marked << isMarked(2);
        QTest::keyClick(table, Qt::Key_Down);
        marked << isMarked(2) << isMarked(3);
        SaveShot(w, "positiontable");
        QTest::keyClick(table, Qt::Key_Escape);
    });
    EditPositions(app);
    EXPECT_EQ(headers, (QStringList{"Pos.", "y [mm]", "z [mm]", QString::fromUtf8("phi [°]")}));
    EXPECT_EQ(row2, (QStringList{"2", "100.000", "0.000", "90.0"}));
    EXPECT_TRUE(rightAligned);
    // The table's font is chosen, not the desktop's monospace font, and its digits, sign and
    // point take the same room.
    EXPECT_EQ(family, "Liberation Mono");
    EXPECT_EQ(digitAdvances.size(), 1);
    EXPECT_EQ(marked, (QList<bool>{true, false, true}));
}

TEST_F(EditDialogs, SpinMovesToTheNextPositionAndTheUnitButtonShowsInch) {
    AddPosition(0, 0);
    AddPosition(25.4L, 50.8L);
    QString second, unit, yInch;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            Click(w, "Button_spinup");
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            second = w->windowTitle();
            Click(w, "Button_unit");
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            SaveShot(w, "coordinates");
            unit = Child<QLabel>(w, "Unit_y")->text();
            yInch = Child<QLineEdit>(w, "Edit_y")->text();
            QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
        })
        .Start();
    EditPosition(app, 1);
    EXPECT_EQ(second, "Koordinaten 2");
    EXPECT_EQ(unit, "in");
    EXPECT_EQ(yInch.toDouble(), 1.0);
    EXPECT_EQ(app.Config.EnglishUnits, Units::English);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.Positions[1].y, 25.4L); // an unchanged field keeps the exact value
}

TEST_F(EditDialogs, TextLinesShowSixLimitedFieldsAndEnterStoresThem) {
    app.Project.DrawingNumber = "Z-100";
    QStringList labels;
    QList<int> limits;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->windowTitle(), "Text");
            for (int i = 1; i <= 6; ++i) {
                auto* e = Child<QLineEdit>(w, QString("Edit_%1").arg(i).toUtf8().constData());
                ASSERT_NE(e, nullptr);
                limits << e->maxLength();
            }
            for (QLabel* l : w->findChildren<QLabel*>())
                labels << l->text();
            SaveShot(w, "textlines");
            auto* name = Child<QLineEdit>(w, "Edit_1");
            TypeText(name, QString::fromUtf8("Träger mit sehr langem Namen über 25"));
            QTest::keyClick(KeyTarget(w), Qt::Key_Return);
        })
        .Start();
    EditTextLines(app);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(limits, (QList<int>{25, 30, 18, 65, 65, 65}));
    EXPECT_EQ(labels, (QStringList{"Zeichnungsname", "Zeichnungsname 2", "Zeichnungsnummer",
                                   "Zeile 1", "Zeile 2", "Zeile 3"}));
    EXPECT_EQ(app.Project.DrawingName, cp850("Träger mit sehr langem Na"));
    EXPECT_EQ(app.Project.DrawingNumber, "Z-100");
}

TEST_F(EditDialogs, EscapeInTheTextLinesStoresNothing) {
    app.Project.DrawingName = "alt";
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        QTest::keyClicks(Child<QLineEdit>(w, "Edit_1"), "neu");
        QTest::keyClick(KeyTarget(w), Qt::Key_Escape);
    });
    EditTextLines(app);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_EQ(app.Project.DrawingName, "alt");
}
