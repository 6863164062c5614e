// Loading the settings file entry by entry, with the load checks, and the points at which
// an older, shorter file may end.
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "settings/cfgreader.h"
#include "settings/settingsfile.h"
#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

ScreenMetrics ScreenOf(const App& app) {
    return app.Env.ui ? app.Env.ui->Screen() : ScreenMetrics{};
}

void ApplyGraphicSize(Settings& s, const ScreenMetrics& m) {
    if (s.GraphWidth == 0 || s.GraphWidth == 65535)
        s.GraphWidth = static_cast<uint16_t>(m.width - 9);
    if (s.GraphHeight == 0 || s.GraphHeight == 65535)
        s.GraphHeight = static_cast<uint16_t>(m.height - 91);
}

// Each block reads up to a point where the file may end; false when it ended there.
bool Read1to10(CfgReader& r, Settings& s) {
    r.Key(); // title
    r.Key(); // version of the writing program
    for (std::size_t i = 0; i < s.LayerNames.size(); ++i) {
        r.Key();
        r.Text(s.LayerNames[i], 32);
        r.Key();
        r.Integer(s.LayerColors[i]);
    }
    r.Key(), r.Text(s.CadFontName, 32);
    r.Key(), r.Real(s.CadTextWidthFactor);
    if (s.CadTextWidthFactor == 0) s.CadTextWidthFactor = 1;
    r.Key(), r.Real(s.CadTextAngle);
    r.Key(), r.Text(s.CadDir);
    r.Key(), r.Text(s.DbfDir);
    r.Key(), r.Word(s.HelpLevel);
    r.Key(), r.Word(s.PrinterPort);
    if (s.PrinterPort == 0) s.PrinterPort = 1;
    return !r.AtEnd();
}

bool Read11(CfgReader& r, Settings& s) {
    r.Key(), r.Word(s.PrinterType);
    return !r.AtEnd();
}

bool Read12to15(CfgReader& r, Settings& s) {
    r.Key(), r.Word(s.PrintDensity);
    r.Key(), r.Char(s.HardcopyRotated);
    if (s.HardcopyRotated == '\0') s.HardcopyRotated = 'N';
    r.Key(), r.Integer(s.DecimalPlaces);
    if (s.DecimalPlaces < 1 || s.DecimalPlaces > 9) s.DecimalPlaces = 3;
    r.Key(), r.Word(s.PrintThicknessVertical);
    if (s.PrintThicknessVertical == 0 || s.PrintThicknessVertical > 4) s.PrintThicknessVertical = 1;
    return !r.AtEnd();
}

bool Read16to23(CfgReader& r, Settings& s) {
    r.Key(), r.Bool(s.ColorGraphics);
    r.Key(), r.Real(s.GraphCorrectionFactor);
    if (s.GraphCorrectionFactor == 0) s.GraphCorrectionFactor = 1;
    r.Key(), r.Integer(s.GraphMode);
    r.Key(), r.Integer(s.GraphDriver);
    r.Key(), r.Word(s.GraphWidth);
    r.Key(), r.Word(s.GraphHeight);
    r.Key(), r.Text(s.TempDir);
    r.Key(), r.Word(s.HardcopyPort);
    if (s.HardcopyPort == 0) s.HardcopyPort = 1;
    return !r.AtEnd();
}

bool Read24to30(CfgReader& r, Settings& s) {
    r.Key(), r.Text(s.EdiDir);
    r.Key(), r.Text(s.PltDir);
    r.Key(), r.Word(s.SeparatorStyle);
    if (s.SeparatorStyle == 0) s.SeparatorStyle = 1;
    r.Key(), r.Integer(s.LinesPerPage);
    if (s.LinesPerPage < 5) s.LinesPerPage = 66;
    r.Key(), r.Real(s.ZoomFactor);
    if (s.ZoomFactor == 0) s.ZoomFactor = 1.02L;
    r.Key(), r.Real(s.PanFactor);
    if (s.PanFactor == 0) s.PanFactor = 0.01L;
    r.Key(), r.Text(s.ProgramDir);
    return !r.AtEnd();
}

bool Read31to34(CfgReader& r, Settings& s) {
    std::string line = s.PlotCommandLines[0];
    r.Key(), r.Text(line);
    if (!line.empty()) s.PlotCommandLines[0] = line;
    if (r.AtEnd()) return false;
    r.Key(), r.Integer(s.BackgroundColor);
    if (r.AtEnd()) return false;
    r.Key(), r.Word(s.PrintColorMode);
    if (s.PrintColorMode == 0) s.PrintColorMode = 1;
    if (r.AtEnd()) return false;
    r.Key(), r.Bool(s.LayerMonochrome);
    if (r.AtEnd()) {
        // Files of this age had no graphic text settings of their own.
        s.TextWidthFactor = s.CadTextWidthFactor;
        s.GraphFontName = "Arial";
        return false;
    }
    return true;
}

bool Read35to44(CfgReader& r, Settings& s) {
    r.Key(), r.Real(s.TextWidthFactor);
    if (s.TextWidthFactor == 0) s.TextWidthFactor = 0.8L;
    r.Key(), r.Text(s.GraphFontName, 60);
    if (r.AtEnd()) return false;
    for (std::size_t k = 0; k < s.LayerColors16to31.size(); ++k) {
        r.Key(), r.Integer(s.LayerColors16to31[k]);
        if (s.LayerColors16to31[k] == 0) s.LayerColors16to31[k] = 1;
    }
    if (r.AtEnd()) return false;
    r.Key(), r.Text(s.TextProgram);
    r.Key(), r.Word(s.DatabaseMode);
    r.Key(), r.Text(s.ExternalDatabase);
    if (r.AtEnd()) return false;
    r.Key(), r.Integer(s.ScreendumpOriginX);
    r.Key(), r.Integer(s.ScreendumpOriginY);
    r.Key(), r.Real6(s.ScreendumpScale);
    if (s.ScreendumpScale == 0) {
        s.ScreendumpScale = 1;
        s.PrintScaleVertical = 1;
    }
    r.Key(), r.Bool(s.ScreendumpBorder);
    return !r.AtEnd();
}

void ReadPlotCommandLines(CfgReader& r, Settings& s) {
    uint16_t n = s.PlotCommandCount;
    r.Key(), r.Word(n);
    // The lines beyond the fifth are read past, so the entries after them stay in place.
    for (uint16_t k = 2; k <= n; ++k) {
        std::string excess;
        r.Text(k <= s.PlotCommandLines.size() ? s.PlotCommandLines[k - 1] : excess);
    }
    s.PlotCommandCount = std::min<uint16_t>(n, static_cast<uint16_t>(s.PlotCommandLines.size()));
}

// Entries 47 to 55 came later; an older file may end anywhere among them.
void ReadLaterEntries(CfgReader& r, Settings& s, const std::string& startDir) {
    r.endAllowed = true;
    if (!r.AtEnd()) {
        r.Key(), r.Word(s.DateCode);
        if (s.DateCode == 0 || s.DateCode > 3) s.DateCode = 1;
    }
    if (!r.AtEnd()) {
        r.Key(), r.Integer(s.HeaderSpaceLines);
        if (s.HeaderSpaceLines < 0 || s.HeaderSpaceLines > 30) s.HeaderSpaceLines = 0;
    }
    if (!r.AtEnd()) {
        r.Key(), r.Word(s.TextDevice);
        if (s.TextDevice == 0 || s.TextDevice > 9) s.TextDevice = 1;
        r.Key(), r.Bool(s.TextDeviceDialog);
    }
    if (!r.AtEnd()) r.Key(), r.Bool(s.SmallOnlineWindow);
    if (!r.AtEnd()) r.Key(), r.Bool(s.EnterDiagramLimits);
    r.Key(), r.Word(s.DecimalComma);
    if (s.DecimalComma == 0 || s.DecimalComma > 2) s.DecimalComma = 1;
    r.Key(), r.Text(s.DataDir);
    if (s.DataDir.empty()) s.DataDir = startDir;
    r.Key();
    if (!r.AtEnd()) {
        r.Real(s.TextHeightFactor);
        if (s.TextHeightFactor < 0.1L) s.TextHeightFactor = 1;
    }
    r.Key();
    if (!r.AtEnd()) {
        r.Integer(s.InputWindowScale);
        if (s.InputWindowScale < 10 || s.InputWindowScale > 1000) s.InputWindowScale = 100;
    }
    r.Key(), r.Text(s.HtmlBrowser);
    r.endAllowed = false;
}

bool Read45to56(CfgReader& r, Settings& s, const std::string& startDir) {
    ReadPlotCommandLines(r, s);
    r.Key(), r.Bool(s.ArchiveMode);
    ReadLaterEntries(r, s, startDir);
    return !r.AtEnd();
}

void Read57to69(CfgReader& r, Settings& s) {
    r.Key(), r.Real6(s.PrintScaleVertical);
    if (s.PrintScaleVertical < 0.0001L) s.PrintScaleVertical = s.ScreendumpScale;
    r.Key();
    for (int& t : s.LineThickness0to5) {
        r.Integer(t);
        if (t < 1 || t > 255) t = 1;
    }
    r.Key(), r.Bool(s.GraphicPrintDialog);
    Rect rect;
    r.Key();
    if (r.Rectangle(rect) && rect.width != 0 && rect.height != 0 && !r.AtEnd())
        s.TextWindowRect = rect;
    r.Key(), r.Word(s.EnglishUnits);
    r.Key(), r.Word(s.HeaderMode);
    if (s.HeaderMode == 0 || s.HeaderMode > 2) s.HeaderMode = 1;
    r.Key(), r.Text(s.PrintFontName, 60);
    if (s.PrintFontName.empty()) s.PrintFontName = "Courier New";
    r.Key(), r.Word(s.PrintFontSize);
    if (s.PrintFontSize == 0) s.PrintFontSize = 10;
    r.Key(), r.Word(s.PrintFontStyle);
    r.Key(), r.Word(s.GraphFontStyle);
    r.Key(), r.Word(s.PrinterOrientation);
    r.Key(), r.BoolUnlessFalse(s.Edit3D);
    r.Key();
    for (long double& a : s.Default3D)
        r.Real(a);
}

void Read70to86(CfgReader& r, Settings& s) {
    r.Word(s.IndexStyle);
    r.Word(s.ExportDecimal);
    if (s.ExportDecimal == 0) s.ExportDecimal = 2;
    r.Text(s.ReleaseField);
    r.Key(), r.Integer(s.DxfDecimals);
    if (s.DxfDecimals < 1 || s.DxfDecimals > 32) s.DxfDecimals = 6;
    r.Key(), r.Word(s.CadTextMode);
    if (s.CadTextMode == 0) s.CadTextMode = 1;
    r.Key();
    for (int& t : s.LineThickness16to31)
        r.Integer(t);
    r.Word(s.PlainCharacters);
    r.Integer(s.DialogElementsScale);
    if (s.DialogElementsScale < 10 || s.DialogElementsScale > 1000) s.DialogElementsScale = 100;
    r.Word(s.AngleFormat);
    if (s.AngleFormat == 0 || s.AngleFormat > 2) s.AngleFormat = 2;
    r.Real(s.DimensionFactor);
    if (s.DimensionFactor == 0) s.DimensionFactor = 1;
    r.Integer(s.Reserved80);
    r.Integer(s.MenuLanguage);
    r.Integer(s.ResultGraphic);
    r.Bool(s.DrawHideTitle);
    r.Bool(s.DrawHideFileName);
    r.Bool(s.DrawHideDate);
    r.Bool(s.DrawHideLogo);
}

// False when the file ended before the graphic size entries count as read.
bool ReadEntries(CfgReader& r, Settings& s, const std::string& startDir) {
    if (!Read1to10(r, s) || !Read11(r, s) || !Read12to15(r, s) || !Read16to23(r, s)) return false;
    if (Read24to30(r, s) && Read31to34(r, s) && Read35to44(r, s) && Read45to56(r, s, startDir)) {
        Read57to69(r, s);
        Read70to86(r, s);
    }
    return true;
}

void ReportProblem(App& app, const CfgReader& r, const std::string& path) {
    if (r.truncatedAt == 0 && r.badAt == 0) return;
    std::string text = "Einstellungsdatei " + path;
    if (r.badAt != 0 && (r.truncatedAt == 0 || r.badAt < r.truncatedAt))
        text += cp850(": ungültige Zahl in Zeile ") + std::to_string(r.badAt);
    else
        text += " endet vorzeitig in Zeile " + std::to_string(r.truncatedAt) +
                cp850(", fehlende Werte unverändert");
    ShowError(Dialogs(app), text + " !");
    app.State.AbortFlag = 1;
}

void NoSettingsFile(App& app) {
    Settings& s = app.Config;
    const ScreenMetrics m = ScreenOf(app);
    ApplyGraphicSize(s, m);
    s.TextWindowRect.height = m.height - 80;
    const double ratio = static_cast<double>(m.mainWindowHeight) / (m.mainClientHeight + 46);
    s.InputWindowScale =
        static_cast<int>(std::lround((ratio + 0.009) * (m.pixelsPerInchY / 96.0) * 100));
    app.State.AbortFlag = 1;
}

} // namespace

std::string FallbackSettingsFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return FolderPath(home) + ".quorven/";
}

std::string SettingsFilePath(const Settings& s, const std::string& extension) {
    return FolderPath(s.SettingsFolder) + s.SettingsBaseName + "." + extension;
}

namespace {

void LoadSettingsLines(App& app, const std::vector<std::string>& lines, const std::string& path) {
    Settings& s = app.Config;
    s.GraphCorrectionFactor = 1;
    CfgReader r(lines);
    if (ReadEntries(r, s, app.State.StartDir)) ApplyGraphicSize(s, ScreenOf(app));
    ReportProblem(app, r, path);
}

} // namespace

void LoadSettings(App& app) {
    Settings& s = app.Config;
    if (s.SettingsFolder.empty()) s.SettingsFolder = app.State.StartDir;
    std::vector<std::string> lines;
    std::string path = SettingsFilePath(s, "cfg");
    if (!ReadTextLines(path, lines)) {
        Settings fallback = s;
        fallback.SettingsFolder = FallbackSettingsFolder();
        path = SettingsFilePath(fallback, "cfg");
        if (fallback.SettingsFolder.empty() || !ReadTextLines(path, lines)) {
            NoSettingsFile(app);
            return;
        }
        s.SettingsFolder = fallback.SettingsFolder;
    }
    LoadSettingsLines(app, lines, path);
}

void ImportSettings(App& app) {
    Settings& s = app.Config;
    if (s.SettingsFolder.empty()) s.SettingsFolder = app.State.StartDir;
    std::string chosen;
    if (!DialogUi(Dialogs(app), kHelpNone).OpenFileDialog(kSettingsFilter, s.SettingsFolder, chosen)) {
        app.State.AbortFlag = 1;
        return;
    }
    const std::string folder = s.SettingsFolder, base = s.SettingsBaseName;
    const std::filesystem::path p(chosen);
    s.SettingsFolder = FolderPath(p.parent_path().string());
    s.SettingsBaseName = p.stem().string();
    const std::string path = SettingsFilePath(s, "cfg");
    std::vector<std::string> lines;
    if (ReadTextLines(path, lines)) {
        LoadSettingsLines(app, lines, path);
    } else {
        ShowError(Dialogs(app), "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !");
        app.State.AbortFlag = 1;
    }
    s.SettingsFolder = folder;
    s.SettingsBaseName = base;
}

} // namespace vak1
