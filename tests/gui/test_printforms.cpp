// Pins the graphic printout through the real print path: the printout dialog's widgets, Qt's
// printing into a PDF file, and the page rendered by pdftoppm. Also the printer information
// window and the plotting command line form.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

#include "app/App.h"
#include "app/cadcontext.h"
#include "app/commands.h"
#include "cad/drawing.h"
#include "project/calculation.h"
#include "graphics/printout.h"
#include "graphics/zoom.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "platform/configform.h"
#include "gui/driver.h"

using namespace vak1;
using namespace vak1::test;

namespace {

// The box around the ink of a page, and whether any ink is coloured.
struct Page {
    QSize size;
    QRect ink;
    int coloured = 0;
};

Page Analyse(const QImage& img) {
    Page p{img.size(), {}, 0};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) < 200) p.ink |= QRect(x, y, 1, 1);
            if (std::max({std::abs(c.red() - c.green()), std::abs(c.green() - c.blue()),
                          std::abs(c.red() - c.blue())}) > 40)
                ++p.coloured;
        }
    return p;
}

// In Qt's print dialog: the last printer entry ("print to file") into the file path, then
// the dialog's own accept, which sets the printer up.
void ChoosePrintToFile(QWidget* dialog, const QString& path) {
    auto* printers = dialog->findChild<QComboBox*>("printers");
    ASSERT_NE(printers, nullptr);
    printers->setCurrentIndex(printers->count() - 1);
    auto* file = dialog->findChild<QLineEdit*>("filename");
    ASSERT_NE(file, nullptr);
    file->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

class Printout : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        app.Env.ui = &ui;
        app.Config.TempDir = dir.path().toStdString() + "/";
        const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -1.5707963L},
                                     {10, 20, 0}, {10, 80, 0}, {0, 80, 0}};
        app.Project.ResetContour();
        for (const auto& pos : contour)
            app.Project.Positions.push_back(pos);
        CalcSection(app.Project, app.Messages, app.Config);
    }
    void Draw(DrawingKind kind) {
        DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, kind);
        ASSERT_EQ(app.State.AbortFlag, 0);
    }
    // File -> "Drucken" into a PDF file: edit changes the dialog, then "OK"; the page as
    // rendered by pdftoppm.
    Page Print(const std::function<void(QWidget*)>& edit) {
        const QString pdf = dir.filePath(QString("druck%1.pdf").arg(++prints));
        QtPrinter printer;
        printer.PrintToFile(pdf);
        app.Env.printer = &printer;
        OnNextModal([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            if (edit) edit(w);
            Child<QPushButton>(w, "Button_ok")->click();
        });
        EXPECT_TRUE(RunCommand(app, "mi_fileprint"));
        app.Env.printer = nullptr;
        EXPECT_EQ(app.State.AbortFlag, 0);
        const QString png = dir.filePath(QString("seite%1").arg(prints));
        QProcess render;
        render.start("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, png});
        EXPECT_TRUE(render.waitForFinished(30000));
        const QImage img(png + ".png");
        EXPECT_FALSE(img.isNull()) << "pdftoppm (poppler-utils) rendered nothing";
        return Analyse(img);
    }
    static void Set(QWidget* w, const char* name, const char* text) {
        Child<QLineEdit>(w, name)->setText(text);
    }

    QTemporaryDir dir;
    App app;
    QtUi ui;
    int prints = 0;
};

TEST_F(Printout, OriginMovesThePictureAndMonochromeStaysBlack) {
    Draw(dkGeometryTable);
    const Page mono = Print([](QWidget* w) {
        EXPECT_TRUE(Child<QRadioButton>(w, "Radio_mono")->isChecked());
        Child<QCheckBox>(w, "CheckBox_border")->setChecked(true); // black too
        EXPECT_EQ(Child<QLabel>(w, "Label_printer")->text(), "PDF");
    });
    ASSERT_FALSE(mono.ink.isEmpty());
    EXPECT_EQ(mono.coloured, 0);
    const Page moved = Print([](QWidget* w) {
        Set(w, "Edit_xorigin", "10");
        Child<QCheckBox>(w, "CheckBox_border")->setChecked(true);
        Child<QRadioButton>(w, "Radio_color")->setChecked(true);
    });
    EXPECT_GT(moved.coloured, 0);
    const double shift = mono.size.width() * 10.0 / 210;
    EXPECT_NEAR(moved.ink.left() - mono.ink.left(), shift, 1.5);
    EXPECT_NEAR(moved.ink.top(), mono.ink.top(), 1);
}

TEST_F(Printout, FitPrintsTheWholeSavedWindow) {
    Draw(dkGeometryTable);
    // At half size the whole picture stays well inside the page.
    auto half = [](QWidget* w) {
        Set(w, "Edit_xscale", "0.5");
        Set(w, "Edit_yscale", "0,5");
    };
    const Page whole = Print(half);
    for (int k = 0; k < 3; ++k)
        ZoomKey(app.Graphics, ViewKey::Plus);
    const Page zoomed = Print(half);
    EXPECT_GT(zoomed.ink.width(), whole.ink.width() + 10);
    const Page fitted = Print([&](QWidget* w) {
        half(w);
        Child<QCheckBox>(w, "CheckBox_fit")->setChecked(true);
    });
    EXPECT_NEAR(fitted.ink.left(), whole.ink.left(), 2);
    EXPECT_NEAR(fitted.ink.right(), whole.ink.right(), 2);
    EXPECT_NEAR(fitted.ink.bottom(), whole.ink.bottom(), 2);
}

// After a form sheet the dialog starts at scale 1.9, so the A4 sheet fills the A4 page.
TEST_F(Printout, FormSheetFillsTheA4Page) {
    Draw(dkForm);
    QString xScale;
    const Page page =
        Print([&](QWidget* w) { xScale = Child<QLineEdit>(w, "Edit_xscale")->text(); });
    EXPECT_EQ(xScale, "1.9");
    EXPECT_GT(page.ink.width(), page.size.width() * 0.9);
    EXPECT_GT(page.ink.height(), page.size.height() * 0.9);
    EXPECT_LT(page.ink.right(), page.size.width() - 1);
    EXPECT_LT(page.ink.bottom(), page.size.height() - 1);
}

// A scale of 0 would print nothing: the range message, and the dialog stays open.
TEST_F(Printout, ScaleZeroIsRefused) {
    Draw(dkPolyline);
    QString message;
    const Page page = Print([&](QWidget* w) {
        OnNextModal([&](QWidget* box) {
            ASSERT_NE(box, nullptr);
            message = static_cast<QMessageBox*>(box)->text();
            static_cast<QDialog*>(box)->accept();
        });
        Set(w, "Edit_yscale", "0");
        Child<QPushButton>(w, "Button_ok")->click();
        EXPECT_TRUE(w->isVisible());
        Set(w, "Edit_yscale", "1");
    });
    EXPECT_TRUE(message.startsWith(QString::fromUtf8("Gültiger Wertebereich: 0.001 .. 1000")))
        << message.toStdString();
    EXPECT_FALSE(page.ink.isEmpty());
}

TEST_F(Printout, PrinterInfoListsThePrinterOrSaysThereIsNone) {
    QtPrinter pdf;
    pdf.PrintToFile(dir.filePath("info.pdf"));
    std::map<QString, QString> rows;
    int count = 0;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Druckerinfo");
        auto* grid = Child<QTableWidget>(w, "StringGrid_info");
        count = grid->rowCount();
        for (int r = 0; r < count; ++r)
            rows[grid->item(r, 0)->text()] = grid->item(r, 1)->text();
        Child<QPushButton>(w, "Button_ok")->click();
    });
    ShowPrinterInfo(Dialogs(app), &pdf);
    EXPECT_EQ(count, 16);
    EXPECT_EQ(rows["Name"], "PDF");
    EXPECT_EQ(rows["Pinsel"], QString::fromUtf8("–"));
    EXPECT_EQ(rows["Schriften"], "unbekannt");
    EXPECT_EQ(rows[QString::fromUtf8("Druckbreite (mm)")], "210");

    QString message;
    OnNextModal([&](QWidget* box) {
        ASSERT_NE(box, nullptr);
        message = static_cast<QMessageBox*>(box)->text();
        static_cast<QDialog*>(box)->accept();
    });
    ShowPrinterInfo(Dialogs(app), nullptr);
    EXPECT_TRUE(message.startsWith("Kein Drucker")) << message.toStdString();
}

// The printer information said "Kein Drucker eingerichtet" after "print to file" was chosen
// in the print dialog, and the printout dialog kept the name it found when it opened.
TEST_F(Printout, APrinterChosenMeanwhileIsNamedAndDescribed) {
    QtPrinter printer;
    app.Env.printer = &printer;
    QString before, after;
    std::map<QString, QString> rows;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* label = Child<QLabel>(w, "Label_printer");
        before = label->text();
        // The system print dialog, as "Drucker..." opens it: print into a file.
        OnNextModal([&](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr);
            ChoosePrintToFile(dialog, dir.filePath("gewaehlt.pdf"));
        });
        ASSERT_TRUE(printer.ChoosePrinter());
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(w, &activation);
        after = label->text();
        OnNextModal([&](QWidget* info) {
            ASSERT_NE(info, nullptr);
            static_cast<QDialog*>(info)->accept();
            auto* grid = Child<QTableWidget>(info, "StringGrid_info");
            ASSERT_NE(grid, nullptr) << "no printer information";
            for (int r = 0; r < grid->rowCount(); ++r)
                rows[grid->item(r, 0)->text()] = grid->item(r, 1)->text();
        });
        Child<QPushButton>(w, "Button_printerinfo")->click();
        Child<QPushButton>(w, "Button_cancel")->click();
    });
    RunCommand(app, "mi_fileprint");
    app.Env.printer = nullptr;
    EXPECT_NE(before, after);
    EXPECT_EQ(after, "PDF: gewaehlt.pdf");
    EXPECT_EQ(rows["Name"], "PDF: gewaehlt.pdf");
    EXPECT_EQ(rows["DPI (vertikal)"], rows["DPI (horizontal)"]); // a PDF page is square
    EXPECT_FALSE(rows["DPI (vertikal)"].isEmpty());
}

// The form shows the passed line until a control changes; then the line its controls make.
TEST(PlotForm, RebuildsTheLineOnEveryChangeAndKeepsThePassedOne) {
    QtUi ui;
    PlotFormData data;
    data.line = "plotte kartuno.dxf";
    data.tempDir = "/tmp/p/";
    data.initial.outDir = data.tempDir;
    data.hints = true;
    data.hintTexts = {"p", "f", "port", "dir", "Maßstab", "r", "xy", "b", "font"};
    QString before, after, hint;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        before = Child<QLabel>(w, "Label_commandline")->text();
        hint = Child<QLineEdit>(w, "Edit_scale")->toolTip();
        Child<QPushButton>(w, "Button_ok")->click();
    });
    ASSERT_TRUE(ui.PlotLineForm(data));
    EXPECT_EQ(before, "plotte kartuno.dxf");
    EXPECT_EQ(hint, QString::fromUtf8("Maßstab"));
    EXPECT_EQ(data.line, "plotte kartuno.dxf");

    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        Child<QLineEdit>(w, "Edit_scale")->setText("2,5");
        after = Child<QLabel>(w, "Label_commandline")->text();
        Child<QCheckBox>(w, "CheckBox_scale")->setChecked(true);
        EXPECT_FALSE(Child<QLineEdit>(w, "Edit_scale")->isEnabled());
        Child<QPushButton>(w, "Button_ok")->click();
    });
    ASSERT_TRUE(ui.PlotLineForm(data));
    EXPECT_EQ(after, "c:\\kartuno\\wkartuno /tmp/p/kartuno /CHPL /M2,5");
    EXPECT_EQ(data.line, "c:\\kartuno\\wkartuno /tmp/p/kartuno /CHPL /M*");
}

// A double-click on a plotting line of the settings opened a bare text field instead of the
// form, and the form had neither hints nor help there; its "..." offered only the programs.
TEST(PlotForm, DoubleClickInTheSettingsOpensTheFormWithHintsHelpAndAllFiles) {
    QtUi ui;
    ConfigDialogData data;
    data.caption = "VAK1 Konfiguration";
    data.tempDir = "/t/";
    data.plotCommandLines = {"plotte a", "plotte b", "", "", ""};
    data.plotHints = {"p", "f", "port", "dir", "Maßstab", "r", "xy", "b", "font"};
    std::vector<uint16_t> helped;
    data.help = [&](uint16_t number) { helped.push_back(number); };
    QString form, hint;
    QStringList filters;
    DialogScript()
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            auto* list = Child<QListWidget>(w, "ListBox_plotLines");
            list->setCurrentRow(1);
            QTimer::singleShot(0, w, [list] { emit list->itemDoubleClicked(list->item(1)); });
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            form = w->objectName();
            if (form != "TForm_confkartuno") { // another dialog: closed, the settings too
                static_cast<QDialog*>(w)->reject();
                QTimer::singleShot(0, [] {
                    Child<QPushButton>(QApplication::activeModalWidget(), "Button_cancel")->click();
                });
                return;
            }
            hint = Child<QLineEdit>(w, "Edit_scale")->toolTip();
            Child<QPushButton>(w, "Button_helptext")->click();
            QTimer::singleShot(0, w, [w] { Child<QPushButton>(w, "Button_kartunoPath")->click(); });
        })
        .Then([&](QWidget* w) {
            ASSERT_NE(w, nullptr);
            if (auto* files = qobject_cast<QFileDialog*>(w)) filters = files->nameFilters();
            static_cast<QDialog*>(w)->reject();
            QWidget* kartuno = QApplication::activeModalWidget();
            QTimer::singleShot(0, kartuno, [] {
                QWidget* top = QApplication::activeModalWidget();
                Child<QPushButton>(top, "Button_ok")->click(); // the form, unchanged
                QTimer::singleShot(0, [] {
                    Child<QPushButton>(QApplication::activeModalWidget(), "Button_cancel")->click();
                });
            });
        })
        .Start();
    ui.ConfigDialog(data);
    EXPECT_EQ(form, "TForm_confkartuno");
    EXPECT_EQ(hint, QString::fromUtf8("Maßstab"));
    EXPECT_EQ(helped, std::vector<uint16_t>{2055});
    EXPECT_TRUE(filters.contains("Alle Dateien (*)")) << filters.join("|").toStdString();
}

} // namespace
