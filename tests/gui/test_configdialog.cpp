// The settings dialog through its real widgets: the tab pages, typed values with their
// conversions, "<" buttons, the colour choice taking effect at once, "OK" reading back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>

#include "app/App.h"
#include "gui/QtUi.h"
#include "gui/driver.h"
#include "settings/configdialog.h"
#include "settings/settings_sample.h"
#include "settings/settingsfile.h"

using namespace vak1;
using namespace vak1::test;

namespace {

void Click(QWidget* w, const char* name) {
    auto* b = Child<QPushButton>(w, name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

void Type(QWidget* w, const char* name, const char* text) {
    auto* e = Child<QLineEdit>(w, name);
    ASSERT_NE(e, nullptr) << name;
    e->clear();
    QTest::keyClicks(e, text);
}

} // namespace

TEST(ConfigDialogGui, TabsControlsAndColourChoiceThroughTheWidgets) {
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    QTemporaryDir dir;
    QStringList tabs, colours;
    QString current, panel;
    int backgroundAtOnce = 0;
    QWidget* config = nullptr;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* pages = Child<QTabWidget>(w, "PageControl");
            for (int i = 0; i < pages->count(); ++i)
                tabs << pages->tabText(i);
            current = pages->tabText(pages->currentIndex());
            Type(w, "Edit_zoomFactor", "0");
            Type(w, "Edit_angleX", "30");
            Click(w, "Button_textWidthDefault");
            Child<QComboBox>(w, "ComboBox_cadTextMode")->setCurrentIndex(2);
            Child<QCheckBox>(w, "CheckBox_showLogo")->setChecked(false);
            Click(w, "Button_thickness2");
            Click(w, "Button_layerDefault1");
            config = w;
            // The colour choice is modal: it is answered by the next step.
            QTimer::singleShot(0, w, [w] { Click(w, "Button_background"); });
        })
        .Then([&](QWidget* choice) {
            ASSERT_NE(choice, nullptr);
            EXPECT_EQ(choice->windowTitle(), "Select Color");
            auto* list = Child<QListWidget>(choice, "ListBox_colors");
            for (int i = 0; i < list->count(); ++i)
                colours << list->item(i)->text();
            list->setCurrentRow(4);
            Click(choice, "Button_ok");
            QTimer::singleShot(100, config, [&] {
                backgroundAtOnce = app.Config.BackgroundColor;
                panel = Child<QLabel>(config, "Panel_background")->text();
                Click(config, "Button_ok");
            });
        })
        .Start();
    ASSERT_TRUE(RunConfigDialog(app.Config, dir.path().toStdString() + "/", Dialogs(app), {}));

    EXPECT_EQ(tabs, QStringList({"Ordner", "Grafik", "CAD", "Farbe", "Drucker", "Ausdruck",
                                 "Einstellungen", "Extern", "Zeichnung"}));
    EXPECT_EQ(current, "Grafik");
    EXPECT_EQ(colours.size(), 16);
    EXPECT_EQ(colours.value(2), QString::fromUtf8("grün"));
    EXPECT_EQ(colours.value(15), "schwarz");
    EXPECT_EQ(backgroundAtOnce, 5);
    EXPECT_EQ(panel, "blau");

    const Settings& s = app.Config;
    EXPECT_EQ(s.ZoomFactor, 1);
    EXPECT_NEAR(static_cast<double>(s.Default3D[0]), 0.5235987755982988, 1e-15);
    EXPECT_EQ(s.TextWidthFactor, 0.8L);
    EXPECT_EQ(s.CadTextMode, 3);
    EXPECT_TRUE(s.DrawHideLogo);
    EXPECT_FALSE(s.DrawHideTitle);
    EXPECT_EQ(s.LineThickness16to31,
              (std::array<int, 16>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(s.LayerNames[4], "5");
    EXPECT_EQ(s.LayerColors[4], 1);
    EXPECT_EQ(s.LineThickness0to5[5], 3);
    EXPECT_EQ(s.BackgroundColor, 5);
}

// The widgets' own ranges changed a file at the limits of its table on "OK" (DxfDecimals 2
// became 3, a printer port beyond the choice became LPT1).
TEST(ConfigDialogGui, OkWithoutChangesKeepsAFileAtTheTableLimits) {
    for (const bool high : {false, true}) {
        SCOPED_TRACE(high ? "high limits" : "low limits");
        QTemporaryDir dir;
        const std::string start = dir.path().toStdString() + "/";
        App app;
        QtUi ui;
        app.Env.ui = &ui;
        SetTableLimits(app.Config, high);
        SaveSettings(app.Config, start, Dialogs(app));
        app.Config = Settings();
        LoadSettings(app.Config, start, Dialogs(app));
        ASSERT_EQ(app.State.AbortFlag, 0);
        const Settings loaded = app.Config;
        DialogScript()
            .Then([](QWidget* w) {
                ASSERT_NE(w, nullptr);
                Click(w, "Button_ok");
            })
            .Start();
        ASSERT_TRUE(RunConfigDialog(app.Config, start, Dialogs(app), {}));
        ExpectSameSettings(loaded, app.Config);
    }
}
