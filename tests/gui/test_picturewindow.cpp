// Pins the help-picture browser's dialog: the list with the shown picture selected, the spin
// that moves to the next picture and closes, "&Hilfe" that stays open, the operation buttons.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

TEST(PictureBrowserDialog, SpinShowsTheNextPictureHelpStaysOpenButtonsCloseWithTheirOperation) {
    QtUi ui;
    std::vector<std::pair<int, bool>> help;
    ui.onHelp = [&](uint16_t n, bool picture) { help.emplace_back(n, picture); };
    ui.helpNumber = 2300;
    PictureBrowserData data{"VAK1 Hilfebilder", {"a       : eins", "b       : zwei"}, 1};
    QStringList shown;
    bool open = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* list = Child<QComboBox>(w, "ComboBox_bilder");
        ASSERT_NE(list, nullptr);
        shown << list->currentText();
        QTest::mouseClick(Child<QPushButton>(w, "Button_help"), Qt::LeftButton);
        open = w->isVisible();
        Child<QToolButton>(w, "SpinButton_down")->click();
    });
    EXPECT_EQ(ui.PictureBrowserDialog(data), PictureBrowserAction::Show);
    EXPECT_EQ(data.selected, 2);
    EXPECT_EQ(shown, QStringList{"a       : eins"});
    EXPECT_TRUE(open);
    EXPECT_EQ(help, (std::vector<std::pair<int, bool>>{{2300, false}}));

    const std::pair<const char*, PictureBrowserAction> buttons[] = {
        {"Button_ok", PictureBrowserAction::Close},
        {"Button_neu", PictureBrowserAction::Add},
        {"Button_aendern", PictureBrowserAction::Change},
        {"Button_einfuegen", PictureBrowserAction::Insert},
        {"Button_loeschen", PictureBrowserAction::Delete},
        {"Button_plot", PictureBrowserAction::Plot}};
    for (const auto& [name, action] : buttons) {
        OnNextModal([name = name](QWidget* w) {
            ASSERT_NE(w, nullptr);
            QTest::mouseClick(Child<QPushButton>(w, name), Qt::LeftButton);
        });
        EXPECT_EQ(ui.PictureBrowserDialog(data), action) << name;
    }
}
