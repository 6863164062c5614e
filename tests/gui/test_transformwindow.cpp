// Pins the transformation dialogs: rotate, move, scale and mirror one dialog each in that
// order, each drawing the moved contour over the current one as its values are typed, the
// values taken as the prompts took them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/App.h"
#include "gui/QtUi.h"
#include "gui/contourpreview.h"
#include "gui/driver.h"
#include "app/contour.h"

using namespace vak1;
using namespace vak1::test;

namespace {

// Pixels of the overlay's colour in the preview.
int OverlayPixels(QWidget* w) {
    const QImage image = Child<ContourPreview>(w, "Preview_kontur")->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == ContourPreview::OverlayColor();
    return n;
}

Step Fill(QStringList texts, QStringList* captions, QList<int>* overlays) {
    return [=](QWidget* w) {
        ASSERT_NE(w, nullptr);
        *captions << w->windowTitle();
        for (int i = 0; i < texts.size(); ++i) {
            auto* e = Child<QLineEdit>(w, QString("Edit_%1").arg(i + 1).toUtf8().constData());
            ASSERT_NE(e, nullptr);
            e->selectAll();
            QTest::keyClicks(e, texts[i]);
        }
        *overlays << OverlayPixels(w);
        SaveShot(w, "edit-transform-" + w->windowTitle());
        QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
    };
}

} // namespace

TEST(TransformWindow, EachTransformationShowsItsPreviewAndTheValuesAreTaken) {
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    app.Config.HelpLevel = 0;
    app.State.RedrawView = [](uint16_t) {};
    const long double corners[4][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}};
    for (auto& c : corners)
        app.Project.Positions.push_back(TPosition{c[0], c[1], 0});
    QStringList captions;
    QList<int> overlays;
    DialogScript()
        .Then(Fill({"90"}, &captions, &overlays))
        .Then(Fill({"x", "5"}, &captions, &overlays)) // "x" cannot be typed: y stays 0
        .Then(Fill({"2", "1"}, &captions, &overlays))
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            captions << w->windowTitle();
            QTest::mouseClick(Child<QRadioButton>(w, "Radio_3"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
        })
        .Then([](QWidget* w) { // the direction stays
            ASSERT_NE(w, nullptr);
            QTest::keyClick(KeyTarget(w), Qt::Key_Return);
        })
        .Start();
    TransformContour(app);
    EXPECT_EQ(captions,
              (QStringList{"Drehen", "Verschieben", QString::fromUtf8("Maßstab"), "Spiegeln"}));
    ASSERT_EQ(overlays.size(), 3);
    for (int n : overlays)
        EXPECT_GT(n, 20); // the moved contour is drawn
    // Scaled, rotated about the origin, then moved: (100, 0) -> (200, 0) -> (0, 200) + (0, 5).
    EXPECT_NEAR(static_cast<double>(app.Project.Positions[1].y), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(app.Project.Positions[1].z), 205, 1e-9);
    EXPECT_EQ(app.State.AbortFlag, 0);
}
