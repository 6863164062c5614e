// Pins the DXF import dialog with its real widgets: after the file dialog it shows the
// drawing's extent and tolerance, takes a typed tolerance (refusing one that is no positive
// number) and offers the layers of closed chains only when there is a choice.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/App.h"
#include "app/dxfdialog.h"
#include "gui/QtUi.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

struct DxfImportDialog : ::testing::Test {
    App app;
    QtUi ui;
    QTemporaryDir dir;
    void SetUp() override {
        app.Env.ui = &ui;
        ASSERT_TRUE(dir.isValid());
        app.Config.CadDir = dir.path().toStdString();
        // The folder's name may hold blanks (it follows the application's name).
        const std::string cmd = std::string(VAK1_PYTHON) + " " + VAK1_SOURCE_DIR +
                                "/tests/tools/make_import_dxf.py '" + dir.path().toStdString() +
                                "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    static void ChooseFile(QWidget* w, const char* name) {
        ASSERT_NE(qobject_cast<QFileDialog*>(w), nullptr);
        auto* edit = w->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    static void Retype(QLineEdit* edit, const char* text) {
        edit->window()->activateWindow();
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
};

} // namespace

TEST_F(DxfImportDialog, ToleranceShownAndTypedLayerChosen) {
    QString tolerance, extent;
    QStringList layers, layersAfter;
    bool choice = false;
    DialogScript()
        .Then([](QWidget* w) { ChooseFile(w, "layers.dxf"); })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->windowTitle(), "DXF Import");
            auto* edit = Child<QLineEdit>(w, "Edit_tolerance");
            auto* box = Child<QComboBox>(w, "ComboBox_layer");
            tolerance = edit->text();
            extent = Child<QLabel>(w, "Label_extent")->text();
            layers = Items(box);
            choice = box->isEnabled();
            SaveShot(w, "dxfin-layers");
            Retype(edit, "0,5");
            layersAfter = Items(box);
            box->setCurrentIndex(1);
            SaveShot(w, "dxfin-layer-chosen");
            QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
        })
        .Start();
    std::string path;
    DxfImportOptions options;
    ASSERT_TRUE(AskDxfImport(app, path, options));
    EXPECT_EQ(tolerance, "0.00012");
    EXPECT_EQ(extent, "120 mm");
    EXPECT_EQ(layers, (QStringList{"alle Layer", "KONTUR", "RAHMEN"}));
    EXPECT_TRUE(choice);
    EXPECT_EQ(layersAfter, layers);
    EXPECT_EQ(options.tolerance, 0.5L);
    EXPECT_EQ(options.layer, "KONTUR");
    EXPECT_EQ(QString::fromStdString(path), dir.filePath("layers.dxf"));
}

TEST_F(DxfImportDialog, BadToleranceKeepsTheDialogOpenAndOneLayerIsNoChoice) {
    bool openAfterBad = false, errorShown = false, choice = true;
    QStringList before, after;
    DialogScript()
        .Then([](QWidget* w) { ChooseFile(w, "gap.dxf"); })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* edit = Child<QLineEdit>(w, "Edit_tolerance");
            auto* box = Child<QComboBox>(w, "ComboBox_layer");
            before = Items(box);
            Retype(edit, "null");
            QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
            openAfterBad = w->isVisible();
            errorShown = Child<QLabel>(w, "Label_error")->isVisible();
            // At 0.01 mm the gap of 0.001 mm closes: the chain's layer appears.
            Retype(edit, "0.01");
            EXPECT_TRUE(QTest::qWaitFor([box] { return box->count() > 1; }, 2000));
            after = Items(box);
            choice = box->isEnabled();
            QTest::mouseClick(Child<QPushButton>(w, "Button_ok"), Qt::LeftButton);
        })
        .Start();
    std::string path;
    DxfImportOptions options;
    ASSERT_TRUE(AskDxfImport(app, path, options));
    EXPECT_TRUE(openAfterBad);
    EXPECT_TRUE(errorShown);
    EXPECT_EQ(before, QStringList{"alle Layer"});
    EXPECT_EQ(after, (QStringList{"alle Layer", "0"}));
    EXPECT_FALSE(choice);
    EXPECT_EQ(options.tolerance, 0.01L);
    EXPECT_EQ(options.layer, "");
}
