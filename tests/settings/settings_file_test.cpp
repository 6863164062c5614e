// Pins the settings file: every entry written and read back in its place, the load checks
// (decimals 0/12, lines per page 4, date code 4, ...), reals with a comma, 7-decimal reals
// shifted by the decimal places, the points where an older file may end (after entry 10,
// after "Layer Monochrom"), and broken files: truncated anywhere or with garbage they load
// what they can with one clear message; a failed save keeps the old file.
#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/App.h"
#include "settings/configdialog.h"
#include "settings/settingsfile.h"
#include "settings/settingstable.h"
#include "settings_sample.h"
#include "support/tempfolder.h"
#include "text/installation.h"

using namespace vak1;
using namespace vak1::test;

namespace {

std::vector<std::string> SavedLines(TestApp& t) {
    SaveSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
    return SplitCrLf(ReadBytes(t.path("vak1.cfg")));
}

std::size_t KeyIndex(const std::vector<std::string>& lines, const std::string& utf8Key) {
    const auto it = std::find(lines.begin(), lines.end(), cp850(utf8Key));
    EXPECT_NE(it, lines.end()) << utf8Key;
    return static_cast<std::size_t>(it - lines.begin());
}

// Loads the given lines as the settings file of a fresh App.
void LoadLines(TestApp& u, const std::vector<std::string>& lines) {
    WriteBytes(u.path("vak1.cfg"), CrLf(lines));
    LoadSettings(u.app.Config, u.app.State.StartDir, Dialogs(u.app));
}

class ScreenUi : public ScriptedUi {
  public:
    ScreenMetrics Screen() const override { return {1920, 1080, 120, 800, 700}; }
};

} // namespace

TEST(SettingsFile, SaveAndLoadReproduceEveryEntry) {
    TestApp t;
    FillSettings(t.app.Config);
    SavedLines(t);
    TestApp u;
    WriteBytes(u.path("vak1.cfg"), ReadBytes(t.path("vak1.cfg")));
    LoadSettings(u.app.Config, u.app.State.StartDir, Dialogs(u.app));
    EXPECT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    EXPECT_EQ(u.Errors(), 0);
    ExpectSameSettings(t.app.Config, u.app.Config);
}

TEST(SettingsFile, RealsGetAPointAndDecimalPlacesShiftTheSevenDecimals) {
    TestApp t;
    t.app.Config.DecimalComma = DecimalSign::Comma;
    t.app.Config.DecimalPlaces = 5;
    t.app.Config.ZoomFactor = 1.2L;
    t.app.Config.CadTextWidthFactor = 0.85L;
    auto lines = SavedLines(t);
    EXPECT_EQ(lines[KeyIndex(lines, "Zoomfaktor") + 1], "1.200000000");
    EXPECT_EQ(lines[KeyIndex(lines, "Pan-Faktor") + 1], "0.100000000");
    EXPECT_EQ(lines[KeyIndex(lines, "Textbreitenfaktor CAD") + 1].find(','), std::string::npos);
    EXPECT_EQ(lines[KeyIndex(lines, "Dot=1 Komma=2") + 1], "2");
    EXPECT_EQ(t.app.Config.DecimalComma, DecimalSign::Comma); // restored after writing
    t.app.Config.DecimalPlaces = 3;
    lines = SavedLines(t);
    EXPECT_EQ(lines[KeyIndex(lines, "Zoomfaktor") + 1], "1.2000000");
    EXPECT_EQ(lines[KeyIndex(lines, "Windows Screendump Scale") + 1], "1.0000000");
    EXPECT_EQ(lines[KeyIndex(lines, "Textwinkel") + 1], "0");
}

TEST(SettingsFile, LoadChecksReplaceValuesOutOfRange) {
    TestApp t;
    const auto good = SavedLines(t);
    struct Case {
        const char* key;
        const char* value;
        std::function<bool(const Settings&)> holds;
    };
    const Case cases[] = {
        {"Dezimalstellen", "0", [](const Settings& s) { return s.DecimalPlaces == 3; }},
        {"Dezimalstellen", "12", [](const Settings& s) { return s.DecimalPlaces == 3; }},
        {"Dezimalstellen", "9", [](const Settings& s) { return s.DecimalPlaces == 9; }},
        {"Zeilen pro Seite für Drucker", "4",
         [](const Settings& s) { return s.LinesPerPage == 66; }},
        {"Zeilen pro Seite für Drucker", "5",
         [](const Settings& s) { return s.LinesPerPage == 5; }},
        {"Date Code", "4", [](const Settings& s) { return s.DateCode == 1; }},
        {"Date Code", "3", [](const Settings& s) { return s.DateCode == 3; }},
        {"Zoomfaktor", "1,5", [](const Settings& s) { return s.ZoomFactor == 1.5L; }},
        {"Zoomfaktor", "0", [](const Settings& s) { return s.ZoomFactor == 1.02L; }},
        {"Pan-Faktor", "0", [](const Settings& s) { return s.PanFactor == 0.01L; }},
        {"Textbreitenfaktor CAD", "0,0",
         [](const Settings& s) { return s.CadTextWidthFactor == 1; }},
        {"Druckdicke vertikal", "5",
         [](const Settings& s) { return s.PrintThicknessVertical == 1; }},
        {"Druckerschnittstelle", "0", [](const Settings& s) { return s.PrinterPort == 1; }},
        {"Hilfegrad", "-1", [](const Settings& s) { return s.HelpLevel == 65535; }},
        {"Hardcopy um 90° gedreht ?", "",
         [](const Settings& s) { return s.HardcopyRotated == 'N'; }},
        {"Hardcopy um 90° gedreht ?", "ja",
         [](const Settings& s) { return s.HardcopyRotated == 'j'; }},
        {"Farbgrafik", "true", [](const Settings& s) { return s.ColorGraphics; }},
        {"Farbgrafik", "ja", [](const Settings& s) { return !s.ColorGraphics; }},
        {"Edit 3D x,y,z ?", "ja", [](const Settings& s) { return s.Edit3D; }},
        {"Edit 3D x,y,z ?", "false", [](const Settings& s) { return !s.Edit3D; }},
        {"Header Space Lines", "31", [](const Settings& s) { return s.HeaderSpaceLines == 0; }},
        {"Text Device", "10", [](const Settings& s) { return s.TextDevice == 1; }},
        {"Dot=1 Komma=2", "3",
         [](const Settings& s) { return s.DecimalComma == DecimalSign::Point; }},
        {"Default Data Directory", "", [](const Settings& s) { return !s.DataDir.empty(); }},
        {"Text Height Factor", "0.09", [](const Settings& s) { return s.TextHeightFactor == 1; }},
        {"Input Window Scale %", "9", [](const Settings& s) { return s.InputWindowScale == 100; }},
        {"Text Font Printout", "",
         [](const Settings& s) { return s.PrintFontName == "Courier New"; }},
        {"Text Size Printout", "0", [](const Settings& s) { return s.PrintFontSize == 10; }},
        {"Decimals DXF,TXT", "33", [](const Settings& s) { return s.DxfDecimals == 6; }},
        {"CAD Text Mode", "0", [](const Settings& s) { return s.CadTextMode == 1; }},
        {"Windows Screendump Scale", "0",
         [](const Settings& s) { return s.ScreendumpScale == 1 && s.PrintScaleVertical == 1; }},
        {"Print Scale Vertical", "0.00001",
         [](const Settings& s) { return s.PrintScaleVertical == s.ScreendumpScale; }},
        {"Windows Screendump Scale", "0.1",
         [](const Settings& s) {
             return s.ScreendumpScale != 0.1L && std::fabs(s.ScreendumpScale - 0.1L) < 1e-12L;
         }},
        {"Text window left/top/width/height", "1|2|0|4|",
         [](const Settings& s) { return s.TextWindowRect.width == 0; }},
        {"Text window left/top/width/height", "1|2|3|4|",
         [](const Settings& s) {
             return s.TextWindowRect.left == 1 && s.TextWindowRect.height == 4;
         }},
    };
    for (const Case& c : cases) {
        auto lines = good;
        lines[KeyIndex(lines, c.key) + 1] = c.value;
        TestApp u;
        LoadLines(u, lines);
        EXPECT_TRUE(c.holds(u.app.Config)) << c.key << " = " << c.value;
    }
}

// The limits a settings dialog reads from the table are the ones loading enforces: for every
// numeric entry with limits, the value next to each limit outside falls back, the limit stays.
TEST(SettingsFile, LoadChecksAreTheLimitsOfTheTable) {
    TestApp t;
    const auto good = SavedLines(t); // one plot command line: every entry has its lines
    std::size_t line = 0, checked = 0;
    for (const CfgEntry& e : SettingsEntries()) {
        const std::size_t valueLine = line + (e.key ? 1 : 0);
        line = valueLine + 1;
        const bool numeric =
            e.type == CfgType::Integer || e.type == CfgType::Word || e.type == CfgType::Real;
        if (!numeric || e.limits.check == CfgCheck::None) continue;
        const auto value = [&](const Settings& s) -> long double {
            if (e.type == CfgType::Integer) return std::get<CfgSlot<int>>(e.setting).get(s);
            if (e.type == CfgType::Word) return WordSetting(e, s);
            return std::get<CfgSlot<long double>>(e.setting).get(s);
        };
        std::vector<std::pair<long double, long double>> cases; // written, loaded
        if (e.limits.check == CfgCheck::NonZero) cases.push_back({0, e.limits.fallback});
        if (e.limits.check == CfgCheck::Range) {
            cases.push_back({e.limits.min - 1, e.limits.fallback});
            cases.push_back({e.limits.min, e.limits.min});
            if (e.limits.max < 65535) {
                cases.push_back({e.limits.max, e.limits.max});
                cases.push_back({e.limits.max + 1, e.limits.fallback});
            }
        }
        for (const auto& [written, loaded] : cases) {
            auto lines = good;
            std::ostringstream text;
            text << static_cast<double>(written);
            lines.at(valueLine) = text.str();
            TestApp u;
            LoadLines(u, lines);
            EXPECT_EQ(u.Errors(), 0) << u.LastError();
            EXPECT_EQ(value(u.app.Config), loaded) << valueLine << ": " << text.str();
            ++checked;
        }
    }
    EXPECT_EQ(line, good.size());
    EXPECT_GT(checked, 60u);
}

TEST(SettingsFile, OlderFileEndingAfterEntryTenKeepsTheRest) {
    TestApp t;
    FillSettings(t.app.Config);
    auto lines = SavedLines(t);
    lines.resize(KeyIndex(lines, "Druckertyp"));
    TestApp u;
    u.app.Config.ZoomFactor = 3; // a value from before loading
    LoadLines(u, lines);
    EXPECT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    EXPECT_EQ(u.Errors(), 0);
    const Settings& s = u.app.Config;
    EXPECT_EQ(s.LayerNames, t.app.Config.LayerNames);
    EXPECT_EQ(s.HelpLevel, 2);
    EXPECT_EQ(s.PrinterPort, 2);
    EXPECT_EQ(s.PrinterType, 3);
    EXPECT_EQ(s.DecimalPlaces, 3);
    EXPECT_EQ(s.ZoomFactor, 3);
    EXPECT_EQ(s.GraphWidth, 0); // the size check belongs to later ends only
    EXPECT_EQ(s.DataDir, "");
}

TEST(SettingsFile, OlderFileEndingAfterLayerMonochromTakesTheCadTextSettings) {
    TestApp t;
    FillSettings(t.app.Config);
    t.app.Config.GraphWidth = 0;
    t.app.Config.GraphHeight = 65535;
    auto lines = SavedLines(t);
    lines.resize(KeyIndex(lines, "Textbreitenfaktor Grafik"));
    TestApp u;
    u.app.Config.GraphFontName = "Vorher";
    LoadLines(u, lines);
    EXPECT_EQ(u.Errors(), 0) << u.LastError();
    const Settings& s = u.app.Config;
    EXPECT_TRUE(s.LayerMonochrome);
    EXPECT_EQ(s.TextWidthFactor, 0.85L);
    EXPECT_EQ(s.GraphFontName, "Arial");
    EXPECT_EQ(s.GraphWidth, 1024 - 9);
    EXPECT_EQ(s.GraphHeight, 768 - 91);
    EXPECT_EQ(s.TextProgram, Settings{}.TextProgram);
}

TEST(SettingsFile, TruncatedAfterEveryLineLoadsWhatIsThere) {
    TestApp t;
    FillSettings(t.app.Config);
    const auto full = SavedLines(t);
    // Where a shorter file is a legal older version: the ends of entries 10, 11, 15, 23,
    // 30..34, 36, 37, 40, 44 and anywhere from entry 47 up to the end of entry 56.
    std::vector<std::size_t> legal;
    for (const char* key :
         {"Druckertyp", "Druckdichte", "Farbgrafik", "EDI Ordner", "KARTUNO-Kommandozeile",
          "Hintergrundfarbe", "Windows-Druckmodus (1=mono 2=color)", "Layer Monochrom",
          "Textbreitenfaktor Grafik", "Color Layer 16", "Textprogramm",
          "Windows Screendump Origin X", "KARTUNO Command lines (n, line 2 .. line n)"})
        legal.push_back(KeyIndex(full, key));
    for (std::size_t k = KeyIndex(full, "Date Code"); k <= KeyIndex(full, "Print Scale Vertical");
         ++k)
        legal.push_back(k);
    legal.push_back(full.size());
    for (std::size_t keep = 0; keep <= full.size(); ++keep) {
        TestApp u;
        u.app.Config.DrawHideLogo = true;
        u.app.Config.DimensionFactor = 4;
        LoadLines(u, std::vector<std::string>(full.begin(), full.begin() + keep));
        const bool isLegal = std::find(legal.begin(), legal.end(), keep) != legal.end();
        if (isLegal) {
            EXPECT_EQ(u.Errors(), 0) << keep << ": " << u.LastError();
        } else {
            ASSERT_EQ(u.Errors(), 1) << keep;
            EXPECT_EQ(u.app.State.AbortFlag, 1);
            EXPECT_EQ(u.LastError().rfind("Einstellungsdatei " + u.path("vak1.cfg") +
                                              " endet vorzeitig in Zeile " +
                                              std::to_string(keep + 1) + ", fehlende Werte",
                                          0),
                      0u)
                << u.LastError();
        }
        if (keep < full.size()) {
            EXPECT_TRUE(u.app.Config.DrawHideLogo) << keep;
        }
        if (keep + 8 <= full.size()) {
            EXPECT_EQ(u.app.Config.DimensionFactor, 4) << keep;
        }
        if (keep > KeyIndex(full, "Hilfegrad") + 1) {
            EXPECT_EQ(u.app.Config.HelpLevel, 2) << keep;
        }
    }
}

TEST(SettingsFile, GarbageNumbersLoadAsZeroWithOneMessage) {
    TestApp t;
    FillSettings(t.app.Config);
    t.app.Config.PlainCharacters = UnitCharacters::CodePage; // the message keeps its umlaut
    const auto good = SavedLines(t);
    for (const char* garbage : {"garbage", "1e999", "nan", "1,5,3"}) {
        int flagged = 0;
        for (std::size_t i = 0; i < good.size(); ++i) {
            auto lines = good;
            lines[i] = garbage;
            TestApp u;
            LoadLines(u, lines);
            ASSERT_LE(u.Errors(), 1);
            if (u.Errors() == 0) continue;
            ++flagged;
            EXPECT_EQ(u.app.State.AbortFlag, 1);
            EXPECT_EQ(u.LastError(), "Einstellungsdatei " + u.path("vak1.cfg") +
                                         ": ungültige Zahl in Zeile " + std::to_string(i + 1) +
                                         " !");
        }
        // Value lines of integers, words and reals: 5 + 8 + 7 + 6 + 4 + 16 + ... of them.
        EXPECT_GT(flagged, 90) << garbage;
        EXPECT_LT(flagged, 130) << garbage;
    }
    auto lines = good;
    lines[KeyIndex(lines, "Dezimalstellen") + 1] = "nan";
    lines[KeyIndex(lines, "Zoomfaktor") + 1] = "1e999";
    lines[KeyIndex(lines, "Hilfegrad") + 1] = "zwei";
    TestApp u;
    LoadLines(u, lines);
    EXPECT_EQ(u.app.Config.DecimalPlaces, 3);
    EXPECT_EQ(u.app.Config.ZoomFactor, 1.02L);
    EXPECT_EQ(u.app.Config.HelpLevel, 0);
    EXPECT_EQ(u.Errors(), 1);
    EXPECT_EQ(u.app.Config.LayerNames, t.app.Config.LayerNames); // the rest still loads
    EXPECT_EQ(u.app.Config.DrawHideLogo, true);
}

TEST(SettingsFile, PlotCommandLinesBeyondFiveAreReadPast) {
    TestApp t;
    FillSettings(t.app.Config);
    auto lines = SavedLines(t);
    const std::size_t n = KeyIndex(lines, "KARTUNO Command lines (n, line 2 .. line n)") + 1;
    lines[n] = "7";
    const std::vector<std::string> more = {"4", "5", "6", "7"};
    lines.insert(lines.begin() + static_cast<long>(n) + 3, more.begin(), more.end());
    TestApp u;
    LoadLines(u, lines);
    EXPECT_EQ(u.Errors(), 0) << u.LastError();
    EXPECT_EQ(u.app.Config.PlotCommandCount, 5);
    EXPECT_EQ(u.app.Config.PlotCommandLines[3], "4");
    EXPECT_EQ(u.app.Config.PlotCommandLines[4], "5");
    EXPECT_TRUE(u.app.Config.ArchiveMode); // the next entry is still in place
    EXPECT_TRUE(u.app.Config.DrawHideLogo);
}

TEST(SettingsFile, NoFileSetsScreenSizesAndAbortFlag) {
    TestApp t;
    ScreenUi ui;
    t.app.Env.ui = &ui;
    EnvGuard home("HOME", t.path("leer").c_str());
    LoadSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    const Settings& s = t.app.Config;
    EXPECT_EQ(s.GraphWidth, 1920 - 9);
    EXPECT_EQ(s.GraphHeight, 1080 - 91);
    EXPECT_EQ(s.TextWindowRect.height, 1080 - 80);
    EXPECT_EQ(s.InputWindowScale, 135); // (800 / 746 + 0.009) * 120 / 96 * 100 = 135.17
    EXPECT_EQ(s.ZoomFactor, Settings{}.ZoomFactor);
    EXPECT_EQ(s.SettingsFolder, t.folder.path());
}

TEST(SettingsFile, HomeFolderIsTheFallback) {
    TestApp t;
    const std::string home = t.path("home");
    std::filesystem::create_directories(home + "/.quorven");
    TestApp other;
    other.app.Config.HelpLevel = 0;
    SaveSettings(other.app.Config, other.app.State.StartDir, Dialogs(other.app));
    std::filesystem::copy_file(other.path("vak1.cfg"), home + "/.quorven/vak1.cfg");
    EnvGuard guard("HOME", home.c_str());
    EXPECT_EQ(FallbackSettingsFolder(), home + "/.quorven/");
    t.app.State.StartDir = t.path("start/");
    LoadSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
    EXPECT_EQ(t.app.Config.HelpLevel, 0);
    EXPECT_EQ(t.app.Config.SettingsFolder, home + "/.quorven/");
}

// Without a settings file anywhere, the settings, the recent files and the window place were
// written to the start folder even where it could not take them (the desktop started in a
// read-only folder, the installation): the save failed each time. They go to the per-user
// folder, created at the first save.
TEST(SettingsFile, AStartFolderThatCannotTakeTheFilesLeavesThemToTheHomeFolder) {
    TestApp t;
    const std::string home = t.path("home"), user = home + "/.quorven/";
    std::filesystem::create_directories(home);
    const std::string readOnly = t.path("schreibgeschuetzt/");
    std::filesystem::create_directories(readOnly);
    ::chmod(readOnly.c_str(), 0555);
    EnvGuard guard("HOME", home.c_str());
    // Root writes any folder but the installation's: the read-only one counts for users.
    std::vector<std::string> starts{InstalledDataFolder()};
    if (::geteuid() != 0) starts.push_back(readOnly);
    for (const std::string& start : starts) {
        std::filesystem::remove_all(user);
        Settings s;
        t.ui.shown.clear();
        LoadSettings(s, start, Dialogs(t.app));
        EXPECT_EQ(s.SettingsFolder, user) << start;
        t.app.State.AbortFlag = 0;
        SaveSettings(s, start, Dialogs(t.app));
        SaveRecentFiles(s, start, start, RecentFileList{}, Dialogs(t.app));
        EXPECT_EQ(t.Errors(), 0) << start << ": " << t.LastError();
        EXPECT_TRUE(std::filesystem::exists(user + "vak1.cfg")) << start;
        EXPECT_TRUE(std::filesystem::exists(user + "vak1.cff")) << start;
        EXPECT_FALSE(std::filesystem::exists(start + "vak1.cfg")) << start;
    }
    ::chmod(readOnly.c_str(), 0755);
}

TEST(SettingsFile, ImportLoadsTheChosenFileAndRestoresTheFolder) {
    TestApp t;
    TestApp other;
    other.app.Config.DecimalPlaces = 6;
    other.app.Config.SettingsBaseName = "werkstatt";
    SaveSettings(other.app.Config, other.app.State.StartDir, Dialogs(other.app));
    t.app.Config.SettingsFolder = t.folder.path();
    t.ui.Push(ScriptedAnswer::File(other.path("werkstatt.cfg")));
    ImportSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 0) << t.LastError();
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].kind, "open");
    EXPECT_EQ(t.ui.shown[0].lines.at(0), "*.cfg|*.cfg");
    EXPECT_EQ(t.ui.shown[0].text, t.folder.path());
    EXPECT_EQ(t.app.Config.DecimalPlaces, 6);
    EXPECT_EQ(t.app.Config.SettingsFolder, t.folder.path());
    EXPECT_EQ(t.app.Config.SettingsBaseName, "vak1");

    t.ui.Push(ScriptedAnswer::Cancel());
    t.app.Config.DecimalPlaces = 2;
    ImportSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.app.Config.DecimalPlaces, 2);
}

TEST(SettingsFile, FailedSaveKeepsTheOldFile) {
    TestApp t;
    SavedLines(t);
    const std::string old = ReadBytes(t.path("vak1.cfg"));
    t.app.Config.HelpLevel = 0;
    {
        FileSizeLimit limit(200);
        SaveSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    }
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.Errors(), 1);
    EXPECT_EQ(ReadBytes(t.path("vak1.cfg")), old);

    t.app.State.AbortFlag = 0;
    t.app.Config.SettingsFolder = t.path("vak1.cfg/"); // a file where a folder belongs
    SaveSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    EXPECT_EQ(t.app.State.AbortFlag, 1);
    EXPECT_EQ(t.Errors(), 2);
    EXPECT_EQ(ReadBytes(t.path("vak1.cfg")), old);
}

TEST(SettingsFile, GoldenFile) {
    TestApp t;
    FillSettings(t.app.Config);
    SaveSettings(t.app.Config, t.app.State.StartDir, Dialogs(t.app));
    const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/settings/vak1.cfg";
    const std::string written = ReadBytes(t.path("vak1.cfg"));
    if (std::getenv("VAK1_UPDATE_GOLDEN")) WriteBytes(golden, written);
    EXPECT_EQ(written, ReadBytes(golden));
}

// A graphic size computed from the screen went into the file on the next save and came back
// as the user's fixed size ("Auflösung horizontal 1591"); only a size the user set is kept.
TEST(SettingsFile, AGraphicSizeFromTheScreenIsWrittenAsUnset) {
    struct Case {
        const char* what;
        uint16_t inFile;
        std::function<void(ConfigDialogData&)> typed; // null: the dialog is not opened
        const char* written;
    };
    const Case cases[] = {
        {"not set", 0, nullptr, "0"},
        {"set by the user", 1000, nullptr, "1000"},
        {"not set, dialog left alone", 0, [](ConfigDialogData&) {}, "0"},
        {"not set, then typed", 0, [](ConfigDialogData& d) { d.graphWidth = "801"; }, "800"},
        {"set, then typed 0", 1000, [](ConfigDialogData& d) { d.graphWidth = "0"; }, "0"},
    };
    for (const Case& c : cases) {
        TestApp t;
        t.app.Config.GraphWidth = c.inFile;
        const auto lines = SavedLines(t);
        TestApp u;
        LoadLines(u, lines);
        EXPECT_EQ(u.app.Config.GraphWidth, c.inFile ? c.inFile : 1024 - 9) << c.what;
        if (c.typed) {
            u.ui.Push(ScriptedAnswer::Config(c.typed, false));
            ASSERT_TRUE(RunConfigDialog(u.app.Config, u.app.State.StartDir, Dialogs(u.app), {}));
        }
        const auto saved = SavedLines(u);
        EXPECT_EQ(saved.at(KeyIndex(saved, "Auflösung horizontal") + 1), c.written) << c.what;
    }
}

// A stored choice that names none of its values (a unit code 7) must come back as it was
// written, and count as the first choice meanwhile.
TEST(SettingsFile, ChoiceNumbersNamingNoValueReadAndWriteBackUnchanged) {
    TestApp t;
    std::vector<std::string> lines = SavedLines(t);
    const std::size_t units = KeyIndex(lines, "Metric Units=0,  English units=1") + 1;
    lines[units] = "7";
    TestApp u;
    LoadLines(u, lines);
    EXPECT_EQ(u.Errors(), 0);
    EXPECT_FALSE(InInch(u.app.Config));
    EXPECT_EQ(SavedLines(u).at(units), "7");
}
