// The stresses' windows through the real widgets: the dialog refuses a load that is no number
// and keeps its text, takes the values and the stress of the picture; the colour map window
// shows the chosen stress, follows the choice, and exports PNG, SVG and PDF that read back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <numbers>

#include "app/App.h"
#include "calc/section.h"
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
        app.Project.Positions[++app.Project.PosCount] = pos;
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
    StressPictureData data;
    data.caption = "Spannungen";
    data.kinds = {"sx", "tau", "sv"};
    data.kind = 2;
    data.render = [&r](int kind, int width, int height) {
        return RenderStressMap(r, static_cast<StressKind>(kind), LoadUnits{}, width, height).rgb;
    };
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
    QFile svg(dir.filePath("map.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    const int at = text.indexOf("base64,") + 7;
    ASSERT_GT(at, 7);
    QImage embedded;
    ASSERT_TRUE(
        embedded.loadFromData(QByteArray::fromBase64(text.mid(at, text.indexOf('"', at) - at))));
    EXPECT_EQ(embedded.size(), window.Picture().size());
}
