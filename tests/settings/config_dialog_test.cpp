// The settings dialog through the scripted Ui: conversions and limits of the read-back, the
// "<" buttons, "Import.." shown but not taken over, "&Speichern" with a failing save, and
// every control from the settings to the file and back.
#include <cmath>
#include <gtest/gtest.h>

#include "settings/configdialog.h"
#include "settings/settingsfile.h"
#include "settings_sample.h"
#include "support/tempfolder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

using Configure = std::function<void(ConfigDialogData&)>;

ConfigEnvironment Environment() {
    ConfigEnvironment env;
    env.workingDir = "/start/";
    env.textDevices = {
        "Bildschirm", "Textdrucker", "Datei", "Windows-Drucker", "externes Textprogramm",
        "TXT",        "HTML"};
    return env;
}

bool RunDialog(TestApp& t, Configure configure, bool cancel = false) {
    t.ui.Push(ScriptedAnswer::Config(std::move(configure), cancel));
    return RunConfigDialog(t.app.Config, t.app.State.StartDir, Dialogs(t.app), Environment());
}

} // namespace

TEST(ConfigDialog, ReadBackConvertsAndLimits) {
    struct Case {
        const char* what;
        Configure edit;
        std::function<bool(const Settings&)> stored;
    };
    const Case cases[] = {
        {"zoom 0 gives 1", [](auto& d) { d.zoomFactor = "0"; },
         [](const Settings& s) { return s.ZoomFactor == 1; }},
        {"zoom not a number gives 1", [](auto& d) { d.zoomFactor = "x"; },
         [](const Settings& s) { return s.ZoomFactor == 1; }},
        {"comma is the decimal point", [](auto& d) { d.zoomFactor = "1,5"; },
         [](const Settings& s) { return s.ZoomFactor == 1.5L; }},
        {"30 degrees stored in radians", [](auto& d) { d.angles3D[0] = "30"; },
         [](const Settings& s) {
             return std::fabs(s.Default3D[0] - 0.5235987755982988L) < 1e-15L;
         }},
        {"text width 0 gives 1", [](auto& d) { d.textWidthFactor = "0"; },
         [](const Settings& s) { return s.TextWidthFactor == 1; }},
        {"text height 0 gives 1", [](auto& d) { d.textHeightFactor = "0"; },
         [](const Settings& s) { return s.TextHeightFactor == 1; }},
        {"dimension factor below 0.01 gives 1", [](auto& d) { d.dimensionFactor = "0.009"; },
         [](const Settings& s) { return s.DimensionFactor == 1; }},
        {"dialog scales 0 give 100",
         [](auto& d) { d.inputWindowScale = d.dialogElementsScale = 0; },
         [](const Settings& s) {
             return s.InputWindowScale == 100 && s.DialogElementsScale == 100;
         }},
        {"graphic size shown + 1, clamped to 5000",
         [](auto& d) { d.graphWidth = "801", d.graphHeight = "9000"; },
         [](const Settings& s) { return s.GraphWidth == 800 && s.GraphHeight == 5000; }},
        {"graphic size 0 fits the screen", [](auto& d) { d.graphWidth = d.graphHeight = "0"; },
         [](const Settings& s) { return s.GraphWidth == 1024 - 9 && s.GraphHeight == 768 - 91; }},
        {"choices are index + 1",
         [](auto& d) { d.cadTextMode = 2, d.printerPort = 3, d.decimalComma = 1, d.dateCode = 2; },
         [](const Settings& s) {
             return s.CadTextMode == 3 && s.PrinterPort == 4 &&
                    s.DecimalComma == DecimalSign::Comma && s.DateCode == 3;
         }},
        {"help level, units and index style are the index",
         [](auto& d) { d.helpLevel = 2, d.englishUnits = 1, d.indexStyle = 3; },
         [](const Settings& s) {
             return s.HelpLevel == 2 && s.EnglishUnits == Units::English && s.IndexStyle == 3;
         }},
        {"ticked drawing parts are not hidden",
         [](auto& d) { d.showTitle = false, d.showLogo = true; },
         [](const Settings& s) { return s.DrawHideTitle && !s.DrawHideLogo; }},
        {"layer row 1 is layer 5",
         [](auto& d) {
             d.layers[0] = {"KONTUR", 7, 4};
         },
         [](const Settings& s) {
             return s.LayerNames[4] == "KONTUR" && s.LayerColors[4] == 7 &&
                    s.LineThickness0to5[5] == 4;
         }},
        {"spins stay in the ranges of the settings file",
         [](auto& d) { d.decimalPlaces = 10, d.dxfDecimals = 0; },
         [](const Settings& s) { return s.DecimalPlaces == 9 && s.DxfDecimals == 1; }},
        {"plot lines in use up to the last one",
         [](auto& d) {
             d.plotCommandLines = {"a", "", "c", "", ""};
         },
         [](const Settings& s) { return s.PlotCommandCount == 3 && s.PlotCommandLines[2] == "c"; }},
    };
    for (const Case& c : cases) {
        TestApp t;
        EXPECT_TRUE(RunDialog(t, c.edit)) << c.what;
        EXPECT_TRUE(c.stored(t.app.Config)) << c.what;
    }
}

// A file at the limits of its table came back changed after "OK" (DxfDecimals 2 became 3).
TEST(ConfigDialog, OkWithoutChangesKeepsAFileAtTheTableLimits) {
    for (const bool high : {false, true}) {
        TestApp t;
        SetTableLimits(t.app.Config, high);
        SaveSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
        TestApp u;
        WriteBytes(u.path("vak1.cfg"), ReadBytes(t.path("vak1.cfg")));
        LoadSettings(u.app.Config, u.app.State.StartDir, Dialogs(u.app));
        ASSERT_EQ(u.Errors(), 0) << u.LastError();
        const Settings loaded = u.app.Config;
        ASSERT_TRUE(RunDialog(u, [](ConfigDialogData&) {}));
        SCOPED_TRACE(high ? "high limits" : "low limits");
        ExpectSameSettings(loaded, u.app.Config);
    }
}

TEST(ConfigDialog, DefaultButtons) {
    struct Case {
        const char* what;
        const char* temp; // TEMP, with TMPDIR unset
        ConfigButton button;
        Configure before;
        std::function<bool(const ConfigDialogData&)> shown;
    };
    const Case cases[] = {
        {"temporary folder without TEMP stays", "", ConfigButton::TempDirDefault,
         [](auto& d) { d.tempDir = "/eigen"; },
         [](const auto& d) { return d.tempDir == "/eigen"; }},
        {"temporary folder takes TEMP", "/var/tmp", ConfigButton::TempDirDefault,
         [](auto& d) { d.tempDir = "/eigen"; },
         [](const auto& d) { return d.tempDir == "/var/tmp"; }},
        {"layer row 2", "", ConfigButton::LayerDefault,
         [](auto& d) {
             d.layerRow = 1, d.layers[1] = {"X", 9, 9};
         },
         [](const auto& d) {
             return d.layers[1].name == "4" && d.layers[1].color == 3 && d.layers[1].thickness == 2;
         }},
        {"scale y copies scale x", "", ConfigButton::ScaleYDefault,
         [](auto& d) { d.scaleX = "2.5"; }, [](const auto& d) { return d.scaleY == "2.5"; }},
        {"text window by font size", "", ConfigButton::TextWindowDefault,
         [](auto& d) { d.printFontSize = 12; },
         [](const auto& d) {
             return d.textWindow == std::array<std::string, 4>{"10", "40", "840", "460"};
         }},
        {"thickness 3 for all 16", "", ConfigButton::Thickness3, [](auto&) {},
         [](const auto& d) {
             return std::all_of(d.colorLayers.begin(), d.colorLayers.end(),
                                [](const auto& r) { return r.thickness == 3; });
         }},
    };
    for (const Case& c : cases) {
        TestApp t;
        EnvGuard temp("TEMP", c.temp), tmpdir("TMPDIR", nullptr);
        t.app.Config.GraphWidth = 1000;
        t.app.Config.GraphHeight = 480;
        bool shown = false;
        RunDialog(t, [&](ConfigDialogData& d) {
            c.before(d);
            d.press(d, c.button);
            shown = c.shown(d);
        });
        EXPECT_TRUE(shown) << c.what;
    }
}

TEST(ConfigDialog, ImportIsShownButTakenOverOnlyByOk) {
    for (const bool cancel : {true, false}) {
        TestApp t, other;
        other.app.Config.DecimalPlaces = 6;
        other.app.Config.MenuLanguage = 2; // a setting without a control
        SaveSettings(other.app.Config, other.app.State.StartDir, Dialogs(other.app));
        t.app.Config.DecimalPlaces = 4;
        t.ui.Push(ScriptedAnswer::Config(
            [&](ConfigDialogData& d) {
                t.ui.Push(ScriptedAnswer::File(other.path("vak1.cfg")));
                d.press(d, ConfigButton::Import);
                EXPECT_EQ(d.decimalPlaces, 6);
                EXPECT_EQ(t.app.Config.DecimalPlaces, 4);
            },
            cancel));
        RunConfigDialog(t.app.Config, t.app.State.StartDir, Dialogs(t.app), Environment());
        EXPECT_EQ(t.app.Config.DecimalPlaces, cancel ? 4 : 6);
        EXPECT_EQ(t.app.Config.MenuLanguage, cancel ? 0 : 2);
        EXPECT_EQ(t.app.State.AbortFlag, cancel ? 1 : 0);
    }
}

TEST(ConfigDialog, SaveWritesTheFileAndAFailedSaveKeepsTheOldOne) {
    TestApp t;
    std::string saved, afterFailure;
    RunDialog(
        t,
        [&](ConfigDialogData& d) {
            d.helpLevel = 2;
            d.press(d, ConfigButton::Save);
            saved = ReadBytes(t.path("vak1.cfg"));
            d.helpLevel = 0;
            {
                FileSizeLimit limit(200);
                d.press(d, ConfigButton::Save);
            }
            afterFailure = ReadBytes(t.path("vak1.cfg"));
        },
        true);
    Settings loaded;
    TestApp u;
    WriteBytes(u.path("vak1.cfg"), saved);
    LoadSettings(loaded, u.app.State.StartDir, Dialogs(u.app));
    EXPECT_EQ(loaded.HelpLevel, 2);
    EXPECT_EQ(afterFailure, saved);
    EXPECT_EQ(t.Errors(), 1);
    EXPECT_EQ(t.app.State.AbortFlag, 1); // "Abbrechen" at the end
}

TEST(ConfigDialog, EveryControlReachesTheFileAndComesBack) {
    Settings wanted;
    FillSettings(wanted);
    TestApp t;
    ASSERT_TRUE(RunDialog(t, [&](ConfigDialogData& d) {
        ConfigDialogData typed;
        FillConfigDialog(wanted, Environment(), typed);
        typed.press = d.press;
        d = typed;
    }));
    // What the dialog does not show keeps its value.
    Settings& s = t.app.Config;
    s.PrinterType = wanted.PrinterType;
    s.PrintDensity = wanted.PrintDensity;
    s.HardcopyRotated = wanted.HardcopyRotated;
    s.PrintThicknessVertical = wanted.PrintThicknessVertical;
    s.GraphCorrectionFactor = wanted.GraphCorrectionFactor;
    s.GraphMode = wanted.GraphMode;
    s.GraphDriver = wanted.GraphDriver;
    s.HardcopyPort = wanted.HardcopyPort;
    s.DatabaseMode = wanted.DatabaseMode;
    s.ExternalDatabase = wanted.ExternalDatabase;
    s.SmallOnlineWindow = wanted.SmallOnlineWindow;
    s.LineThickness0to5[0] = wanted.LineThickness0to5[0];
    s.Reserved80 = wanted.Reserved80;
    s.MenuLanguage = wanted.MenuLanguage;
    SaveSettings(s, t.app.State.StartDir, Dialogs(t.app));
    TestApp u;
    WriteBytes(u.path("vak1.cfg"), ReadBytes(t.path("vak1.cfg")));
    LoadSettings(u.app.Config, u.app.State.StartDir, Dialogs(u.app));
    EXPECT_EQ(u.Errors(), 0) << u.LastError();
    ExpectSameSettings(wanted, u.app.Config);
}
