// Pins picking in the drawing with real mouse events on the main window's graphics window: a
// click near a position picks it (number and coordinates in the status bar, the position
// list opening at its row), a click beside every position picks none, a drag moves the
// position onto the grid of the shown decimals as one undo step, and a drag to where the
// contour cannot go is refused with its message and changes nothing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "app/App.h"
#include "project/calculation.h"
#include "graphics/mapping.h"
#include "gui/GraphicsWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/desktop.h"
#include "gui/driver.h"
#include "gui/undohistory.h"
#include "testing/FixedClock.h"

using namespace vak1;
using namespace vak1::test;

namespace {

using Contour = std::vector<TPosition>;

// A rectangle with an arc from its second to its third corner.
const Contour kPlate = {{0, 0, 0}, {100, 0, 0.5L}, {100, 50, 0}, {0, 50, 0}};

// Every text a window shows: its message, labels, list lines and buttons.
QString Texts(QWidget* w) {
    QString all;
    if (auto* box = qobject_cast<QMessageBox*>(w)) all += box->text() + "\n";
    for (auto* l : w->findChildren<QLabel*>())
        all += l->text() + "\n";
    for (auto* list : w->findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            all += list->item(i)->text() + "\n";
    for (auto* b : w->findChildren<QAbstractButton*>())
        all += b->text() + "\n";
    return all;
}

struct Picking : ::testing::Test {
    App app;
    QtUi ui;
    FixedClock clock;
    QTemporaryDir dir;
    std::unique_ptr<QtPrinter> printer;
    std::unique_ptr<Thh> window;
    TFquorgra* graphics = nullptr;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::string folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        for (std::string* f : {&app.Config.TempDir, &app.Config.DataDir, &app.Config.PltDir,
                               &app.Config.SettingsFolder, &app.State.ProjectDir})
            *f = folder;
        window = std::make_unique<Thh>(app, DesktopCommands(app, printer));
        ui.SetParent(window.get());
        window->resize(900, 640);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        graphics = window->Graphics();
    }
    void TearDown() override { app.State.ModifiedFlag = 0; }

    // The contour drawn in the window, with a history of its own.
    void Show(const Contour& contour) {
        ProjectData& p = app.Project;
        p.Positions = contour;
        CalcSection(p, app.Messages, app.Config);
        app.State.PickedPosition = 0;
        window->RunCommand("mi_viewGrafik");
        window->History().Stack().clear();
        app.State.ModifiedFlag = 0;
        window->SyncFromCore();
        graphics->Picture();
    }
    Contour Now() const {
        const ProjectData& p = app.Project;
        return p.Positions;
    }
    QPoint Pixel(long double y, long double z) {
        graphics->Picture();
        const CanvasPoint c = WorldToPixel(app.Graphics, y, z);
        return {c.x, c.y};
    }
    QString Status() const { return window->findChild<QLabel*>("StatusLastCommand")->text(); }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(graphics, Qt::LeftButton, {}, from);
        QTest::mouseMove(graphics, (from + to) / 2);
        QTest::mouseMove(graphics, to);
        QTest::mouseRelease(graphics, Qt::LeftButton, {}, to);
    }
};

bool Same(const Contour& a, const Contour& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const TPosition& x, const TPosition& y) {
               return x.y == y.y && x.z == y.z && x.phi == y.phi;
           });
}

} // namespace

// Clicks in the drawing picked nothing: no position number, no coordinates, no row.
TEST_F(Picking, ClickPicksTheNearestPositionAndNamesItInTheStatusBar) {
    Show(kPlate);
    struct Case {
        long double y, z; // where the click aims
        QPoint off;       // pixels beside it
        uint16_t picked;
        const char* status;
    };
    const Case cases[] = {
        {100, 50, {0, 0}, 3, "Pos. 3:  y = 100.000 mm  z = 50.000 mm"},
        {100, 0, {4, -3}, 2, "Pos. 2:  y = 100.000 mm  z = 0.000 mm"},
        {50, 25, {0, 0}, 0, ""}, // inside the plate, far from every corner
        {0, 0, {-3, 2}, 1, "Pos. 1:  y = 0.000 mm  z = 0.000 mm"},
        {0, 50, {9, 0}, 0, ""}, // beside a corner, out of reach
    };
    for (const Case& c : cases) {
        QTest::mouseClick(graphics, Qt::LeftButton, {}, Pixel(c.y, c.z) + c.off);
        EXPECT_EQ(app.State.PickedPosition, c.picked) << c.status;
        EXPECT_EQ(Status().toStdString(), c.status);
    }
    // A click is no move.
    EXPECT_TRUE(Same(Now(), kPlate));
    EXPECT_EQ(window->History().Stack().count(), 0);
}

// The position list opened without the position picked in the drawing selected.
TEST_F(Picking, PositionListOpensAtThePickedRow) {
    Show(kPlate);
    QTest::mouseClick(graphics, Qt::LeftButton, {}, Pixel(0, 50));
    SaveShot(window.get(), "edit-pick");
    std::vector<int> rows;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* table = Child<QTableWidget>(w, "StringGrid_positionen");
        ASSERT_NE(table, nullptr);
        for (const QModelIndex& i : table->selectionModel()->selectedRows())
            rows.push_back(i.row());
        w->close();
    });
    window->RunCommand("mi_editGeometrie");
    EXPECT_EQ(rows, std::vector<int>{3});
}

// A drag left the position off the grid of the shown decimals, took several steps back,
// lost the arc's angle, or left the status bar showing where it had been dragged to.
TEST_F(Picking, DragMovesThePositionOntoTheGridAsOneUndoStep) {
    struct Case {
        int decimals;
        uint16_t k;
        long double y, z; // where it is let go
    };
    const Case cases[] = {
        {3, 3, 121.3L, 61.7L}, // the arc's end
        {1, 2, 113.4L, -8.2L}, // the arc's start
        {0, 4, -12.6L, 57.4L},
    };
    for (const Case& c : cases) {
        app.Config.DecimalPlaces = c.decimals;
        Show(kPlate);
        const TPosition was = app.Project.Positions[c.k - 1u];
        const QPoint to = Pixel(c.y, c.z);
        const WorldPoint w = PixelToWorld(app.Graphics, to.x(), to.y());
        QTest::mouseClick(graphics, Qt::LeftButton, {}, Pixel(was.y, was.z));
        const QString wasShown = Status();
        Drag(Pixel(was.y, was.z), to);

        const long double grid = std::pow(10.0L, -c.decimals);
        const TPosition now = app.Project.Positions[c.k - 1u];
        for (const auto& [v, aim] : {std::pair{now.y, w.x}, std::pair{now.z, w.y}}) {
            EXPECT_LE(std::fabs(v - aim), grid / 2 + 1e-9L) << c.k;
            EXPECT_LT(std::fabs(v / grid - std::round(v / grid)), 1e-6L) << c.k;
        }
        Contour moved = kPlate;
        moved[c.k - 1] = {now.y, now.z, was.phi};
        EXPECT_TRUE(Same(Now(), moved)) << c.k;
        EXPECT_EQ(window->History().Stack().count(), 1);
        EXPECT_TRUE(window->isWindowModified());
        EXPECT_TRUE(Status().startsWith(QString("Pos. %1:").arg(c.k))) << Status().toStdString();

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Same(Now(), kPlate)) << c.k;
        EXPECT_FALSE(window->isWindowModified());
        EXPECT_EQ(Status().toStdString(), wasShown.toStdString());
    }
}

// Escape in the middle of a drag moved the position all the same when the button was let go.
TEST_F(Picking, EscapeTakesADragBack) {
    Show(kPlate);
    const TPosition was = app.Project.Positions[3];
    const QPoint from = Pixel(was.y, was.z), to = Pixel(was.y + 30, was.z + 20);
    QTest::mousePress(graphics, Qt::LeftButton, {}, from);
    QTest::mouseMove(graphics, to);
    QTest::keyClick(graphics, Qt::Key_Escape);
    QTest::mouseMove(graphics, to + QPoint(6, 6));
    QTest::mouseRelease(graphics, Qt::LeftButton, {}, to + QPoint(6, 6));
    EXPECT_TRUE(Same(Now(), kPlate));
    EXPECT_EQ(window->History().Stack().count(), 0);
    EXPECT_FALSE(window->isWindowModified());
}

// A drag beyond the coordinates' bound or onto a contour without area was taken.
TEST_F(Picking, RefusedDragKeepsTheContour) {
    const long double far = 9.5e8L;
    struct Case {
        Contour contour;
        int decimals;
        uint16_t k;
        long double y, z; // where it is let go
        const char* message;
    };
    const Case cases[] = {
        {{{-far, -far, 0}, {far, -far, 0}, {far, far, 0}, {-far, far, 0}},
         3,
         3,
         1.04e9L,
         far,
         "Gültiger Wertebereich"},
        {{{0, 0, 0}, {100, 0, 0}, {50, 50, 0}}, 0, 3, 30, 0, "A = 0"},
    };
    for (const Case& c : cases) {
        app.Config.DecimalPlaces = c.decimals;
        Show(c.contour);
        const TPosition was = app.Project.Positions[c.k - 1u];
        const QPoint to = Pixel(c.y, c.z);
        ASSERT_TRUE(graphics->rect().contains(to)) << c.message;
        QString shown;
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            shown = Texts(w);
            w->close();
        });
        Drag(Pixel(was.y, was.z), to);
        QTest::qWait(50);
        EXPECT_TRUE(shown.contains(QString::fromUtf8(c.message))) << shown.toStdString();
        EXPECT_TRUE(Same(Now(), c.contour)) << c.message;
        EXPECT_EQ(app.Project.CalcError, 0);
        EXPECT_EQ(window->History().Stack().count(), 0);
        EXPECT_FALSE(window->isWindowModified());
    }
}
