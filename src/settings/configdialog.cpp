// Filling the settings dialog from the settings and reading it back.
#include "settings/configdialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "dialogs/dialogs.h"
#include "platform/printdialogs.h"
#include "settings/Settings.h"
#include "settings/settingsfile.h"
#include "settings/settingstable.h"
#include "text/parse.h"
#include "text/program.h"
#include "model/angles.h"

namespace vak1 {
namespace {

// Degrees are shown, radians stored.

std::string RealText(long double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15Lg", x);
    return buf;
}

// A number typed into an edit: "," reads as ".", anything else gives 0.
long double Real(const std::string& text) {
    return ParseNumber(text).value;
}

int Int(const std::string& text) {
    const long double v = std::round(Real(text));
    return static_cast<int>(std::clamp<long double>(v, -2147483647.0L, 2147483647.0L));
}

// A choice index back to a stored number: index + offset, never below the first entry.
template <class T> T Index(int index, int offset) {
    return static_cast<T>(std::max(index, 0) + offset);
}

int Shown(int stored, int offset) {
    return std::max(stored - offset, 0);
}

struct LayerDefaultRow {
    const char* name;
    int color, thickness;
};
// Rows 1..5 of the layer grid (layers 5..1).
constexpr LayerDefaultRow kLayerDefaults[5] = {
    {"5", 1, 3}, {"4", 3, 2}, {"3", 2, 1}, {"2", 2, 1}, {"1", 2, 1}};

// Row r of the layer grid shows layer 5 - r.
std::size_t LayerOfRow(std::size_t row) {
    return 4 - row;
}

// The table's limits of the setting at this address of the probe.
ConfigRange TableRange(const Settings& probe, const void* setting, int zeroMeansDefault) {
    const CfgEntry* e = FindSettingsEntry(probe, setting);
    if (!e || e->limits.check != CfgCheck::Range) return {0, 2147483647};
    const auto bound = [](long double v) {
        return static_cast<int>(std::clamp<long double>(v, 0, 2147483647.0L));
    };
    return {zeroMeansDefault ? 0 : bound(e->limits.min), bound(e->limits.max)};
}

int InRange(int value, ConfigRange r) {
    return std::clamp(value, r.min, r.max);
}

Settings WithGraphicSize(Settings s, const ScreenMetrics& screen) {
    if (s.GraphWidth == 0 || s.GraphWidth == 65535) {
        s.GraphWidth = static_cast<uint16_t>(std::max(screen.width - 9, 1));
        s.GraphWidthFromScreen = true;
    }
    if (s.GraphHeight == 0 || s.GraphHeight == 65535) {
        s.GraphHeight = static_cast<uint16_t>(std::max(screen.height - 91, 1));
        s.GraphHeightFromScreen = true;
    }
    return s;
}

} // namespace

ConfigRange ConfigSpinRange(int ConfigDialogData::*spin) {
    static const Settings probe;
    using D = ConfigDialogData;
    if (spin == &D::dxfDecimals) return TableRange(probe, &probe.DxfDecimals, false);
    if (spin == &D::decimalPlaces) return TableRange(probe, &probe.DecimalPlaces, false);
    if (spin == &D::linesPerPage) return TableRange(probe, &probe.LinesPerPage, false);
    if (spin == &D::headerSpaceLines) return TableRange(probe, &probe.HeaderSpaceLines, false);
    if (spin == &D::inputWindowScale) return TableRange(probe, &probe.InputWindowScale, true);
    if (spin == &D::dialogElementsScale) return TableRange(probe, &probe.DialogElementsScale, true);
    return {0, 2147483647};
}

std::string ConfigCaption() {
    return std::string(kProgramName) + " Konfiguration";
}

void FillConfigDialog(const Settings& s, const ConfigEnvironment& env, ConfigDialogData& d) {
    d.caption = ConfigCaption();
    d.dbfDir = FieldText(s.DbfDir);
    d.programDir = FieldText(s.ProgramDir);
    d.pltDir = FieldText(s.PltDir);
    d.tempDir = FieldText(s.TempDir);
    d.ediDir = FieldText(s.EdiDir);
    d.dataDir = FieldText(s.DataDir);
    d.cadDir = FieldText(s.CadDir);
    d.dataDirLabel = std::string("Ordner für Projektdateien (*.") + kExtension + ")";
    d.workingDir = env.workingDir;
    const char* user = std::getenv("USERNAME");
    if (!user || !*user) user = std::getenv("USER");
    d.user = std::string("User: ") + (user ? user : "");
    const bool hints = s.HelpLevel >= 1 && env.hint;
    d.cadHint = hints ? env.hint(kHintCadDir) : "";
    d.dbfHint = hints ? env.hint(kHintDbfDir) : "";
    d.tempHint = hints ? env.hint(kHintTempDir) : "";
    d.pltHint = hints ? env.hint(kHintPltDir) : "";
    d.ediHint = hints ? env.hint(kHintEdiDir) : "";
    d.plotHints.clear();
    if (hints)
        for (uint16_t n : kPlotFormHints)
            d.plotHints.push_back(env.hint(n));

    d.colorGraphics = s.ColorGraphics ? 0 : 1;
    d.graphFontName = FieldText(s.GraphFontName);
    d.graphFontStyle = s.GraphFontStyle;
    d.textWidthFactor = RealText(s.TextWidthFactor);
    d.textHeightFactor = RealText(s.TextHeightFactor);
    d.backgroundColor = s.BackgroundColor;
    d.graphWidth = std::to_string(s.GraphWidth + 1);
    d.graphHeight = std::to_string(s.GraphHeight + 1);
    d.zoomFactor = RealText(s.ZoomFactor);
    d.panFactor = RealText(s.PanFactor);
    d.graphicBorder = s.GraphicBorder;
    d.inputWindowScale = s.InputWindowScale;
    d.dialogElementsScale = s.DialogElementsScale;
    for (std::size_t i = 0; i < 3; ++i)
        d.angles3D[i] = RealText(s.Default3D[i] * 180 / kPi);
    d.edit3D = s.Edit3D;
    d.indexStyle = s.IndexStyle;

    d.cadFontName = FieldText(s.CadFontName);
    d.cadTextWidthFactor = RealText(s.CadTextWidthFactor);
    d.cadTextAngle = RealText(s.CadTextAngle);
    d.enterDiagramLimits = s.EnterDiagramLimits;
    d.releaseField = FieldText(s.ReleaseField);
    d.dxfDecimals = s.DxfDecimals;
    d.cadTextMode = Shown(s.CadTextMode, 1);
    d.dimensionFactor = RealText(s.DimensionFactor);
    for (std::size_t r = 0; r < d.layers.size(); ++r) {
        const std::size_t k = LayerOfRow(r);
        d.layers[r] = {FieldText(s.LayerNames[k]), s.LayerColors[k], s.LineThickness0to5[k + 1]};
    }
    d.layerMonochrome = s.LayerMonochrome;
    for (std::size_t k = 0; k < d.colorLayers.size(); ++k)
        d.colorLayers[k] = {"", s.LayerColors16to31[k], s.LineThickness16to31[k]};

    d.originX = std::to_string(s.ScreendumpOriginX);
    d.originY = std::to_string(s.ScreendumpOriginY);
    d.scaleX = RealText(s.ScreendumpScale);
    d.scaleY = RealText(s.PrintScaleVertical);
    d.screendumpBorder = s.ScreendumpBorder;
    d.printColorMode = Shown(static_cast<int>(s.PrintColorMode), 1);
    d.printerOrientation = Shown(static_cast<int>(s.PrinterOrientation), 1);
    d.graphicPrintDialog = s.GraphicPrintDialog;

    d.printerPort = Shown(s.PrinterPort, 1);
    d.separatorStyle = Shown(s.SeparatorStyle, 1);
    d.linesPerPage = s.LinesPerPage;
    d.headerSpaceLines = s.HeaderSpaceLines;
    d.dateCode = Shown(s.DateCode, 1);
    d.textDevices.clear();
    for (const auto& name : env.textDevices)
        d.textDevices.push_back(FieldText(name));
    d.textDevice =
        s.TextDevice >= 1 && s.TextDevice <= d.textDevices.size() ? s.TextDevice - 1 : -1;
    d.textDeviceDialog = s.TextDeviceDialog;
    d.textWindow = {std::to_string(s.TextWindowRect.left), std::to_string(s.TextWindowRect.top),
                    std::to_string(s.TextWindowRect.width),
                    std::to_string(s.TextWindowRect.height)};
    d.englishUnits = static_cast<int>(s.EnglishUnits);
    d.angleFormat = Shown(s.AngleFormat, 1);
    d.headerMode = Shown(static_cast<int>(s.HeaderMode), 1);
    d.printFontName = FieldText(s.PrintFontName);
    d.printFontSize = s.PrintFontSize;
    d.printFontStyle = s.PrintFontStyle;

    d.helpLevel = s.HelpLevel;
    d.decimalComma = Shown(static_cast<int>(s.DecimalComma), 1);
    d.exportDecimal = Shown(static_cast<int>(s.ExportDecimal), 1);
    d.decimalPlaces = s.DecimalPlaces;
    d.archiveMode = s.ArchiveMode;
    d.plainCharacters = static_cast<int>(s.PlainCharacters);
    d.resultGraphic = s.ResultGraphic;

    for (std::size_t k = 0; k < d.plotCommandLines.size(); ++k)
        d.plotCommandLines[k] =
            k < s.PlotCommandCount || k == 0 ? FieldText(s.PlotCommandLines[k]) : std::string();
    d.textProgram = FieldText(s.TextProgram);
    d.htmlBrowser = FieldText(s.HtmlBrowser);

    d.showTitle = !s.DrawHideTitle;
    d.showFileName = !s.DrawHideFileName;
    d.showDate = !s.DrawHideDate;
    d.showLogo = !s.DrawHideLogo;
}

void ReadConfigDialog(const ConfigDialogData& d, const ScreenMetrics& screen, Settings& s) {
    s.DbfDir = FieldValue(d.dbfDir);
    s.ProgramDir = FieldValue(d.programDir);
    s.PltDir = FieldValue(d.pltDir);
    s.TempDir = FieldValue(d.tempDir);
    s.EdiDir = FieldValue(d.ediDir);
    s.DataDir = FieldValue(d.dataDir);
    s.CadDir = FieldValue(d.cadDir);

    s.ColorGraphics = d.colorGraphics == 0;
    s.GraphFontName = FieldValue(d.graphFontName).substr(0, 60);
    s.GraphFontStyle = static_cast<uint16_t>(d.graphFontStyle);
    s.TextWidthFactor = Real(d.textWidthFactor);
    if (s.TextWidthFactor == 0) s.TextWidthFactor = 1;
    s.TextHeightFactor = Real(d.textHeightFactor);
    if (s.TextHeightFactor == 0) s.TextHeightFactor = 1;
    s.BackgroundColor = d.backgroundColor;
    // The edits show the client size; 0 asks for the largest that fits the screen.
    const int width = std::clamp(Int(d.graphWidth) - 1, 0, 5000);
    const int height = std::clamp(Int(d.graphHeight) - 1, 0, 5000);
    // A size left as it was keeps its origin; one typed becomes the user's.
    if (width != s.GraphWidth) s.GraphWidthFromScreen = width == 0;
    if (height != s.GraphHeight) s.GraphHeightFromScreen = height == 0;
    s.GraphWidth = static_cast<uint16_t>(width != 0 ? width : std::max(screen.width - 9, 1));
    s.GraphHeight = static_cast<uint16_t>(height != 0 ? height : std::max(screen.height - 91, 1));
    s.ZoomFactor = Real(d.zoomFactor);
    if (s.ZoomFactor == 0) s.ZoomFactor = 1;
    s.PanFactor = Real(d.panFactor);
    s.GraphicBorder = d.graphicBorder;
    s.InputWindowScale = d.inputWindowScale != 0 ? d.inputWindowScale : 100;
    s.DialogElementsScale = d.dialogElementsScale != 0 ? d.dialogElementsScale : 100;
    for (std::size_t i = 0; i < 3; ++i)
        s.Default3D[i] = Real(d.angles3D[i]) * kPi / 180;
    s.Edit3D = d.edit3D;
    s.IndexStyle = Index<uint16_t>(d.indexStyle, 0);

    s.CadFontName = FieldValue(d.cadFontName).substr(0, 32);
    s.CadTextWidthFactor = Real(d.cadTextWidthFactor);
    s.CadTextAngle = Real(d.cadTextAngle);
    s.EnterDiagramLimits = d.enterDiagramLimits;
    s.ReleaseField = FieldValue(d.releaseField);
    s.DxfDecimals = InRange(d.dxfDecimals, ConfigSpinRange(&ConfigDialogData::dxfDecimals));
    s.CadTextMode = Index<uint16_t>(d.cadTextMode, 1);
    s.DimensionFactor = Real(d.dimensionFactor);
    if (s.DimensionFactor < 0.01L) s.DimensionFactor = 1;
    for (std::size_t r = 0; r < d.layers.size(); ++r) {
        const std::size_t k = LayerOfRow(r);
        s.LayerNames[k] = FieldValue(d.layers[r].name).substr(0, 32);
        s.LayerColors[k] = d.layers[r].color;
        s.LineThickness0to5[k + 1] = d.layers[r].thickness;
    }
    s.LayerMonochrome = d.layerMonochrome;
    for (std::size_t k = 0; k < d.colorLayers.size(); ++k) {
        s.LayerColors16to31[k] = d.colorLayers[k].color;
        s.LineThickness16to31[k] = d.colorLayers[k].thickness;
    }

    s.ScreendumpOriginX = Int(d.originX);
    s.ScreendumpOriginY = Int(d.originY);
    s.ScreendumpScale = Real(d.scaleX);
    s.PrintScaleVertical = Real(d.scaleY);
    s.ScreendumpBorder = d.screendumpBorder;
    s.PrintColorMode = Index<PrintColors>(d.printColorMode, 1);
    s.PrinterOrientation = Index<Orientation>(d.printerOrientation, 1);
    s.GraphicPrintDialog = d.graphicPrintDialog;

    s.PrinterPort = Index<uint16_t>(d.printerPort, 1);
    s.SeparatorStyle = Index<uint16_t>(d.separatorStyle, 1);
    s.LinesPerPage = d.linesPerPage;
    s.HeaderSpaceLines = d.headerSpaceLines;
    s.DateCode = Index<uint16_t>(d.dateCode, 1);
    if (d.textDevice >= 0 && d.textDevice < static_cast<int>(d.textDevices.size()))
        s.TextDevice = static_cast<uint16_t>(d.textDevice + 1);
    s.TextDeviceDialog = d.textDeviceDialog;
    s.TextWindowRect = {Int(d.textWindow[0]), Int(d.textWindow[1]), Int(d.textWindow[2]),
                        Int(d.textWindow[3])};
    s.EnglishUnits = Index<Units>(d.englishUnits, 0);
    s.AngleFormat = Index<uint16_t>(d.angleFormat, 1);
    s.HeaderMode = Index<PageHeaders>(d.headerMode, 1);
    s.PrintFontName = FieldValue(d.printFontName).substr(0, 60);
    s.PrintFontSize = static_cast<uint16_t>(std::clamp(d.printFontSize, 1, 65535));
    s.PrintFontStyle = static_cast<uint16_t>(d.printFontStyle);

    s.HelpLevel = Index<uint16_t>(d.helpLevel, 0);
    s.DecimalComma = Index<DecimalSign>(d.decimalComma, 1);
    s.ExportDecimal = Index<DecimalSign>(d.exportDecimal, 1);
    s.DecimalPlaces = InRange(d.decimalPlaces, ConfigSpinRange(&ConfigDialogData::decimalPlaces));
    s.ArchiveMode = d.archiveMode;
    s.PlainCharacters = Index<UnitCharacters>(d.plainCharacters, 0);
    s.ResultGraphic = std::max(d.resultGraphic, 0);

    // The lines in use run up to the last one that is not empty; the slots beyond are not
    // in the file and keep what they hold.
    uint16_t count = 1;
    std::array<std::string, 5> lines;
    for (std::size_t k = 0; k < d.plotCommandLines.size(); ++k) {
        lines[k] = FieldValue(d.plotCommandLines[k]).substr(0, 80);
        if (!lines[k].empty()) count = static_cast<uint16_t>(k + 1);
    }
    for (std::size_t k = 0; k < count; ++k)
        s.PlotCommandLines[k] = lines[k];
    s.PlotCommandCount = count;
    s.TextProgram = FieldValue(d.textProgram);
    s.HtmlBrowser = FieldValue(d.htmlBrowser);

    s.DrawHideTitle = !d.showTitle;
    s.DrawHideFileName = !d.showFileName;
    s.DrawHideDate = !d.showDate;
    s.DrawHideLogo = !d.showLogo;
}

void ConfigDefault(ConfigDialogData& d, ConfigButton button, const Settings& s,
                   const ScreenMetrics& screen) {
    using B = ConfigButton;
    switch (button) {
    case B::TempDirDefault:
        if (const std::string temp = TempFromEnvironment(); !temp.empty()) d.tempDir = temp;
        break;
    case B::TextWidthDefault:
        d.textWidthFactor = "0.8";
        break;
    case B::TextHeightDefault:
        d.textHeightFactor = "1";
        break;
    case B::GraphSizeDefault:
        d.graphWidth = std::to_string(screen.width - 9 + 1);
        d.graphHeight = std::to_string(screen.height - 91 + 1);
        break;
    case B::ZoomDefault:
        d.zoomFactor = "1.02";
        break;
    case B::PanDefault:
        d.panFactor = "0.02";
        break;
    case B::InputWindowScaleDefault:
        d.inputWindowScale = ScreenInputWindowScale(screen);
        break;
    case B::DialogElementsScaleDefault: {
        const double factor = screen.pixelsPerInchY / 96.0;
        d.dialogElementsScale =
            static_cast<int>(std::lround(d.inputWindowScale / (factor * 100) * 100));
        break;
    }
    case B::CadTextWidthDefault:
        d.cadTextWidthFactor = "1";
        break;
    case B::CadTextAngleDefault:
        d.cadTextAngle = "0";
        break;
    case B::ReleaseFieldDefault:
        d.releaseField = "Frei";
        break;
    case B::DxfDecimalsDefault:
        d.dxfDecimals = 6;
        break;
    case B::DimensionFactorDefault:
        d.dimensionFactor = "1.0";
        break;
    case B::LayerDefault:
        if (d.layerRow >= 0 && d.layerRow < 5) {
            const LayerDefaultRow& row = kLayerDefaults[d.layerRow];
            d.layers[d.layerRow] = {row.name, row.color, row.thickness};
        }
        break;
    case B::OriginXDefault:
        d.originX = "0";
        break;
    case B::OriginYDefault:
        d.originY = "0";
        break;
    case B::ScaleXDefault:
        d.scaleX = "1.0";
        break;
    case B::ScaleYDefault:
        d.scaleY = d.scaleX;
        break;
    case B::TextWindowDefault: {
        int width = 620;
        if (s.GraphWidth > 640) width = d.printFontSize * 70 != 0 ? d.printFontSize * 70 : 700;
        d.textWindow = {"10", "40", std::to_string(width), std::to_string(s.GraphHeight - 20)};
        break;
    }
    case B::Thickness1:
    case B::Thickness2:
    case B::Thickness3: {
        const int t = button == B::Thickness1 ? 1 : button == B::Thickness2 ? 2 : 3;
        for (auto& row : d.colorLayers)
            row.thickness = t;
        break;
    }
    case B::Save:
    case B::Import:
    case B::Background:
        break;
    }
}

bool RunConfigDialog(Settings& s, const std::string& startDir, const DialogContext& dc,
                     const ConfigEnvironment& env) {
    const ScreenMetrics screen = dc.ui.Screen();
    ConfigDialogData data;
    FillConfigDialog(s, env, data);
    // The settings the dialog shows: after "Import.." those of the imported file, whose
    // values without a control are taken over with the controls.
    Settings shown = s;
    auto readBack = [&](const ConfigDialogData& d) {
        // A value the controls cannot show exactly (a real with more digits, a size beyond
        // the edit's limit) stays as it was unless its control was changed. An unset graphic
        // size is the one the screen gives, as after loading.
        const Settings before = WithGraphicSize(shown, screen);
        Settings result = before;
        ReadConfigDialog(d, screen, result);
        ConfigDialogData untouched;
        FillConfigDialog(before, env, untouched);
        Settings baseline = before;
        ReadConfigDialog(untouched, screen, baseline);
        KeepUntouchedSettings(before, baseline, result);
        result.SettingsFolder = s.SettingsFolder;
        result.SettingsBaseName = s.SettingsBaseName;
        s = result;
        shown = s;
        if (env.applied) env.applied();
    };
    data.press = [&](ConfigDialogData& d, ConfigButton button) {
        switch (button) {
        case ConfigButton::Save:
            readBack(d);
            dc.AbortFlag = 0;
            SaveSettings(s, startDir, dc);
            dc.AbortFlag = 0;
            FillConfigDialog(s, env, d);
            break;
        case ConfigButton::Import: {
            // Only shown: "OK" or "&Speichern" takes the values over.
            Settings imported = s;
            dc.AbortFlag = 0;
            ImportSettings(imported, startDir, dc);
            if (!dc.AbortFlag) {
                shown = imported;
                FillConfigDialog(imported, env, d);
            }
            dc.AbortFlag = 0;
            break;
        }
        case ConfigButton::Background:
            s.BackgroundColor = d.backgroundColor;
            break;
        default:
            ConfigDefault(d, button, s, screen);
            break;
        }
    };
    Ui& ui = DialogUi(dc, kHelpConfigGraphics);
    data.help = [&ui](uint16_t number) {
        const uint16_t current = ui.helpNumber;
        ui.helpNumber = number;
        ui.Help(false);
        ui.helpNumber = current;
    };
    if (!ui.ConfigDialog(data)) {
        dc.AbortFlag = 1;
        return false;
    }
    readBack(data);
    return true;
}

} // namespace vak1
