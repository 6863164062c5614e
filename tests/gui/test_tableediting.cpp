// Pins the position table edited in place: cells taken with the coordinate dialog's checks
// (a refused entry keeps its cell open with what was typed), coordinate lists pasted before
// the selection as one step of the table's undo (refused whole when a line is no position or
// the contour would pass 500 positions), selected rows copied as tab-separated text, and
// several rows deleted together.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <numbers>

#include "app/App.h"
#include "gui/QtUi.h"
#include "gui/driver.h"
#include "app/contour.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct TableEditing : ::testing::Test {
    App app;
    QtUi ui;
    QString message; // the text of the last message box
    void SetUp() override {
        app.Env.ui = &ui;
        app.Config.HelpLevel = 0;
        app.State.RedrawView = [](uint16_t) {};
        const long double corners[3][2] = {{0, 0}, {10, 0}, {10, 10}};
        for (auto& c : corners)
            app.Project.Positions.push_back(TPosition{c[0], c[1], 0});
    }
    // Runs the list; act gets its table, then the list closes (as OK) once the events of the
    // edit are through. A message box on the way (expected) is answered and its text kept,
    // and the text of the cell editor open after it too.
    void InList(const std::function<void(QTableWidget*)>& act, bool expectBox = false,
                QString* editorText = nullptr) {
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* table = Child<QTableWidget>(w, "StringGrid_positionen");
            if (expectBox)
                OnNextModal([&](QWidget* box) {
                    ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
                    message = static_cast<QMessageBox*>(box)->text();
                    static_cast<QMessageBox*>(box)->accept();
                });
            act(table);
            QTest::qWait(expectBox ? 100 : 10);
            if (auto* e = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex())))
                if (editorText) *editorText = e->text();
            w->close();
        });
        EditPositions(app);
        EXPECT_EQ(app.State.AbortFlag, 0);
    }
    static void Select(QTableWidget* t, int first, int last) {
        t->clearSelection();
        t->setRangeSelected(QTableWidgetSelectionRange(first, 0, last, 3), true);
    }
};

// No message where none is expected, else one that starts with the expected text.
bool Says(const QString& message, const char* expected) {
    return *expected ? message.startsWith(QString::fromUtf8(expected)) : message.isEmpty();
}

void TypeInCell(QTableWidget* t, int row, int column, const QString& text) {
    t->setCurrentCell(row, column);
    QTest::keyClick(t, Qt::Key_F2);
    auto* e = qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
    ASSERT_NE(e, nullptr);
    e->selectAll();
    QTest::keyClicks(e, text);
    SaveShot(t->window(), "edit-positiontable");
    QTest::keyClick(e, Qt::Key_Return);
}

} // namespace

TEST_F(TableEditing, CellsTakeTheirEntryWithTheCoordinateChecks) {
    const long double quarter = std::numbers::pi_v<long double> / 2;
    const struct {
        int column;
        const char* typed;
        const char* message; // empty: taken
        long double value;   // of position 2's y, z or phi afterwards
    } cases[] = {
        {1, "12,5", "", 12.5L},
        {2, "-3.25", "", -3.25L},
        {3, "90", "", quarter},
        {2, "abc", "Ungültige Eingabe", 0},
        {3, "400", "Gültiger Wertebereich: -360 < phi < 360 !", 0},
        {1, "2e9", "Gültiger Wertebereich", 10},
    };
    for (const auto& c : cases) {
        message.clear();
        QString kept;
        const TPosition before = app.Project.Positions[1];
        InList([&](QTableWidget* t) { TypeInCell(t, 1, c.column, c.typed); }, *c.message != 0,
               &kept);
        const TPosition& p = app.Project.Positions[1];
        const long double values[] = {p.y, p.z, p.phi};
        EXPECT_NEAR(static_cast<double>(values[c.column - 1]), static_cast<double>(c.value), 1e-12)
            << c.typed;
        EXPECT_TRUE(Says(message, c.message)) << c.typed;
        if (*c.message) {
            EXPECT_EQ(kept, c.typed); // the cell stays open with the entry
            EXPECT_EQ(p.y, before.y);
            EXPECT_EQ(p.z, before.z);
            EXPECT_EQ(p.phi, before.phi);
        }
        app.Project.Positions[1] = TPosition{10, 0, 0};
    }
}

TEST_F(TableEditing, PastedListsGoBeforeTheSelectionOrAreRefusedWhole) {
    std::string many;
    for (int i = 0; i < 498; ++i)
        many += std::to_string(i) + "\t1\n";
    const struct {
        std::string clipboard;
        int selectedRow; // 0-based, -1: none
        int count;       // positions afterwards
        int at;          // the first pasted position
        long double y, z, phi;
        const char* message;
    } cases[] = {
        {"1\t2\n3;4;90\n", 1, 5, 2, 1, 2, 0, ""},
        {"1,5 2,5\r\n\r\n  3.5   4.5  \r\n", -1, 5, 4, 1.5L, 2.5L, 0, ""},
        {"7;8;-45", 0, 4, 1, 7, 8, -std::numbers::pi_v<long double> / 4, ""},
        {"1 2\nx y\n", 1, 3, 2, 10, 0, 0, "Zeile 2"},
        {"1 2 3 4\n", 1, 3, 2, 10, 0, 0, "Zeile 1"},
        {many, 1, 3, 2, 10, 0, 0, "zu viele Punkte !"},
    };
    for (const auto& c : cases) {
        message.clear();
        app.Project.Positions = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
        QApplication::clipboard()->setText(QString::fromStdString(c.clipboard));
        InList(
            [&](QTableWidget* t) {
                if (c.selectedRow >= 0) Select(t, c.selectedRow, c.selectedRow);
                QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
            },
            *c.message != 0);
        const std::string label = c.clipboard.substr(0, 20);
        EXPECT_EQ(app.Project.PosCount(), c.count) << label;
        const TPosition& p = app.Project.Positions[c.at - 1u];
        EXPECT_EQ(p.y, c.y) << label;
        EXPECT_EQ(p.z, c.z) << label;
        EXPECT_NEAR(static_cast<double>(p.phi), static_cast<double>(c.phi), 1e-15) << label;
        EXPECT_TRUE(Says(message, c.message)) << label << " " << message.toStdString();
    }
}

TEST_F(TableEditing, APasteIsOneStepOfTheTablesUndo) {
    QApplication::clipboard()->setText("1 1\n2 2\n3 3\n");
    std::vector<int> counts;
    InList([&](QTableWidget* t) {
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        counts.push_back(t->rowCount());
        QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
        counts.push_back(t->rowCount());
        QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        counts.push_back(t->rowCount());
    });
    EXPECT_EQ(counts, (std::vector<int>{6, 3, 6}));
    EXPECT_EQ(app.Project.PosCount(), 6);
    EXPECT_EQ(app.Project.Positions[5].y, 3);
}

TEST_F(TableEditing, SelectedRowsAreCopiedAsTabSeparatedTextAndDeletedTogether) {
    QString copied;
    InList([&](QTableWidget* t) {
        Select(t, 1, 2);
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        QTest::keyClick(t, Qt::Key_Delete);
    });
    const QStringList lines = copied.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
    EXPECT_TRUE(lines[1].startsWith("10")) << lines[1].toStdString();
    EXPECT_EQ(app.Project.PosCount(), 1);
    // The copied rows read back as the positions they came from.
    std::vector<TPosition> back;
    std::string error;
    ASSERT_TRUE(ReadCoordinateList(app.Config, copied.toStdString(), back, error)) << error;
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].y, 10);
    EXPECT_EQ(back[1].z, 10);
}
