// The stresses' windows through the real widgets: the dialog refuses a load that is no number
// and keeps its text, takes the values and the stress of the picture; the colour map window
// shows the chosen stress, follows the choice, exports PNG, SVG and PDF that read back, the
// SVG as shapes and texts, and prints through the program's printer from its File menu.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <numbers>

#include "app/App.h"
#include "project/calculation.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/driver.h"
#include "gui/stresswindow.h"
#include "stress/stressmap.h"

using namespace vak1;
using namespace vak1::test;

namespace {

void Press(QWidget* w, const char* button) {
    auto* b = Child<QPushButton>(w, button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

void Type(QWidget* w, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(w, field);
    ASSERT_NE(edit, nullptr) << field;
    edit->selectAll();
    TypeText(edit, text);
}

// The L-profile 100 x 80 x 10 with its root radius under combined loads.
StressResults LProfileStresses() {
    App app;
    const double quarter = std::numbers::pi / 2;
    const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -quarter},
                                 {10, 20, 0}, {10, 80, 0}, {0, 80, 0},   {0, 0, 0}};
    app.Project.ResetContour();
    for (const auto& pos : contour)
        app.Project.Positions.push_back(pos);
    CalcSection(app.Project, app.Messages, app.Config);
    StressResults r;
    std::string message;
    EXPECT_EQ(ComputeStresses(app.Project, app.Config,
                              {.N = 1e4, .Vy = 2e3, .Vz = 5e3, .Mx = 2e5, .My = 3e6, .Mz = -1e6}, r,
                              message),
              StressStatus::Ok)
        << message;
    return r;
}

// The window's data as the program fills it: raster, shapes and the printout of the results.
StressPictureData PictureOf(const StressResults& r, Printer* printer = nullptr) {
    StressPictureData data;
    data.caption = "Spannungen";
    data.kinds = {"sx", "tau", "sv"};
    data.kind = 2;
    data.render = [&r](int kind, int width, int height) {
        return RenderStressMap(r, static_cast<StressKind>(kind), LoadUnits{}, width, height).rgb;
    };
    data.draw = [&r](int kind, Canvas& canvas, int width, int height) {
        DrawStressMap(r, static_cast<StressKind>(kind), LoadUnits{}, canvas, width, height);
    };
    if (printer)
        data.print = [&r, printer](int kind) {
            PrintStressMap(*printer, r, static_cast<StressKind>(kind), LoadUnits{});
        };
    return data;
}

} // namespace

TEST(StressWindow, DialogRefusesNonNumbersAndTakesTheValuesAndTheKind) {
    QtUi ui;
    StressDialogData data;
    data.caption = "Spannungen";
    data.labels = {"N", "Vy", "Vz", "Mx", "My", "Mz"};
    data.units = {"N", "N", "N", "Nmm", "Nmm", "Nmm"};
    data.values = {"0", "0", "0", "0", "0", "0"};
    data.kinds = {"sx", "tau", "sv"};
    data.kind = 2;
    int checks = 0;
    data.accept = [&](StressDialogData& d) {
        ++checks;
        char* end = nullptr;
        std::strtod(d.values[0].c_str(), &end);
        d.error = *end ? "N: keine Zahl" : "";
        return d.error.empty();
    };
    bool errorShown = false, stayed = false;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        Type(w, "Edit_N", "12a");
        Press(w, "Button_ok");
        errorShown = Child<QLabel>(w, "Label_error")->isVisible() &&
                     Child<QLabel>(w, "Label_error")->text() == "N: keine Zahl";
        stayed = w->isVisible();
        SaveShot(w, "stress-dialog");
        Type(w, "Edit_N", "1500");
        Type(w, "Edit_My", "2e6");
        Child<QComboBox>(w, "Combo_kind")->setCurrentIndex(0);
        Press(w, "Button_ok");
    });
    ASSERT_TRUE(ui.StressDialog(data));
    EXPECT_TRUE(errorShown);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(data.values[0], "1500");
    EXPECT_EQ(data.values[4], "2e6");
    EXPECT_EQ(data.kind, 0);
}

TEST(StressWindow, ColourMapFollowsTheChoiceAndExportsThatReadBack) {
    const StressResults r = LProfileStresses();
    StressPictureData data = PictureOf(r);
    TStressPicture window(nullptr, data, {});
    window.resize(900, 720);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage vonMises = window.Picture();
    ASSERT_FALSE(vonMises.isNull());
    SaveShot(&window, "stress-lprofil-sv");
    Child<QComboBox>(&window, "Combo_kind")->setCurrentIndex(0);
    EXPECT_EQ(data.kind, 0);
    EXPECT_NE(window.Picture(), vonMises);
    SaveShot(&window, "stress-lprofil-sx");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::pair<const char*, QByteArray> files[] = {
        {"map.png", "\x89PNG"}, {"map.svg", "<?xml"}, {"map.pdf", "%PDF"}};
    for (const auto& [name, head] : files) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(window.Export(path)) << name;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(f.read(head.size()) == head) << name;
    }
    QImage back;
    ASSERT_TRUE(back.load(dir.filePath("map.png")));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB888), window.Picture());
}

// The SVG was the raster in a frame: its map, legend and labels are shapes and texts now.
TEST(StressWindow, SvgIsShapesWithTheLegendsValues) {
    const StressResults r = LProfileStresses();
    StressPictureData data = PictureOf(r);
    TStressPicture window(nullptr, data, {});
    window.resize(900, 720);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(window.Export(dir.filePath("map.svg")));
    QFile svg(dir.filePath("map.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int shapes = 0, images = 0;
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            const auto name = xml.name();
            shapes += name == u"polygon" || name == u"path" || name == u"polyline";
            images += name == u"image";
            if (name == u"text") texts << xml.readElementText().trimmed();
        }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    if (!qEnvironmentVariable("VAK1_SHOT_DIR").isEmpty())
        QFile::copy(svg.fileName(), qEnvironmentVariable("VAK1_SHOT_DIR") + "/stress-map.svg");
    EXPECT_EQ(images, 0);
    EXPECT_GE(shapes, static_cast<int>(4 * r.mesh.elements.size())); // four triangles each
    const auto [lo, hi] = std::minmax_element(r.sv.begin(), r.sv.end());
    const auto shown = [](double v) { return QString::asprintf("%.4g", v); };
    for (const QString& expected :
         {shown(*lo), shown(*hi), "sv " + shown(r.svMax.value), QString("sv N/mm2")})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
}

// File -> "Drucken" of the picture window printed nothing the program's printer could reach.
TEST(StressWindow, FileDruckenPrintsTheMapOnOnePage) {
    const StressResults r = LProfileStresses();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("druck.pdf");
    QtPrinter printer;
    printer.PrintToFile(pdf);
    StressPictureData data = PictureOf(r, &printer);
    TStressPicture window(nullptr, data, {});
    window.resize(900, 720);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier); // the menu's shortcut
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    if (!qEnvironmentVariable("VAK1_SHOT_DIR").isEmpty())
        QFile::copy(pdf, qEnvironmentVariable("VAK1_SHOT_DIR") + "/stress-print.pdf");
}
