// The settings dialog Tconfig as plain control values: edits hold the text shown, choices
// their 0-based index, spins their number, check boxes their state. The core fills the
// values from the settings and reads them back; buttons that need the core (the "<" buttons,
// "Import..", "&Speichern", the background colour) go through press. Texts are UTF-8.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

// The buttons whose work the core does. The front end first stores its controls in the
// data, calls press, then shows the data again.
enum class ConfigButton {
    Save,       // "&Speichern": read back and write the settings file; the dialog stays open
    Import,     // "Import..": another settings file, shown but not taken over
    Background, // a background colour was chosen (backgroundColor): takes effect at once
    // The "<" buttons.
    TempDirDefault,
    TextWidthDefault,
    TextHeightDefault,
    GraphSizeDefault,
    ZoomDefault,
    PanDefault,
    InputWindowScaleDefault,
    DialogElementsScaleDefault,
    CadTextWidthDefault,
    CadTextAngleDefault,
    ReleaseFieldDefault,
    DxfDecimalsDefault,
    DimensionFactorDefault,
    LayerDefault, // the row layerRow of the layer grid
    OriginXDefault,
    OriginYDefault,
    ScaleXDefault,
    ScaleYDefault,
    TextWindowDefault,
    // "Strichstärke=1", "=2", "=3" of the colour grid.
    Thickness1,
    Thickness2,
    Thickness3,
};

// One row of a layer grid.
struct ConfigLayerRow {
    std::string name; // the layer grid only
    int color = 1;
    int thickness = 1;
};

struct ConfigDialogData {
    std::string caption;
    // "Directories"
    std::string dbfDir, programDir, pltDir, tempDir, ediDir, dataDir, cadDir;
    std::string dataDirLabel;
    std::string workingDir; // read only
    std::string user;       // "User: " + the user name
    // Hints of the folder labels, empty below help level 1: CAD, DBF, temporary, PLT, EDI.
    std::string cadHint, dbfHint, tempHint, pltHint, ediHint;

    // "Grafik"
    int colorGraphics = 0; // 0 "color", 1 "monochrom"
    std::string graphFontName;
    int graphFontStyle = 0;
    std::string textWidthFactor, textHeightFactor;
    int backgroundColor = 0;
    std::string graphWidth, graphHeight;
    std::string zoomFactor, panFactor;
    bool graphicBorder = false;
    int inputWindowScale = 100, dialogElementsScale = 100;
    std::array<std::string, 3> angles3D{}; // degrees
    bool edit3D = false;
    int indexStyle = 0;

    // "CAD"
    std::string cadFontName, cadTextWidthFactor, cadTextAngle;
    bool enterDiagramLimits = false;
    std::string releaseField;
    int dxfDecimals = 6;
    int cadTextMode = 0;
    std::string dimensionFactor;
    std::array<ConfigLayerRow, 5> layers{}; // row 1 is layer 5
    int layerRow = 0;                       // selected row, 0-based
    bool layerMonochrome = false;

    // "Farbe": layers 16..31
    std::array<ConfigLayerRow, 16> colorLayers{};

    // "Drucker"
    std::string originX, originY, scaleX, scaleY;
    bool screendumpBorder = false;
    int printColorMode = 0, printerOrientation = 0;
    bool graphicPrintDialog = false;

    // "Ausdruck"
    int printerPort = 0, separatorStyle = 0;
    int linesPerPage = 66, headerSpaceLines = 0;
    int dateCode = 0;
    std::vector<std::string> textDevices; // names of the output kinds
    int textDevice = -1;                  // index in textDevices; -1: none of them
    bool textDeviceDialog = false;
    std::array<std::string, 4> textWindow{}; // left, top, width, height
    int englishUnits = 0, angleFormat = 0, headerMode = 0;
    std::string printFontName;
    int printFontSize = 10, printFontStyle = 0;

    // "Einstellungen"
    int helpLevel = 0, decimalComma = 0, exportDecimal = 0;
    int decimalPlaces = 3;
    bool archiveMode = false;
    int plainCharacters = 0, resultGraphic = 0;

    // "Extern"
    std::array<std::string, 5> plotCommandLines{};
    std::vector<std::string> plotHints; // the plotting form's hints; empty below help level 1
    std::string textProgram, htmlBrowser;

    // "Zeichnung": ticked is shown
    bool showTitle = true, showFileName = true, showDate = true, showLogo = true;

    // The core's part of a button; set by the core before the dialog is shown.
    std::function<void(ConfigDialogData&, ConfigButton)> press;
    // Help texts of the tab pages and of the working folder's "?".
    std::function<void(uint16_t number)> help;
};

// The 16 colour names of the colour choice; colour number = index + 1.
inline const std::array<const char*, 16> kColorNames = {
    "rot",   "gelb",        "grün",        "cyan",        "blau",       "magenta",
    "weiß",  "dunkel blau", "dunkel grün", "dunkel cyan", "dunkel rot", "dunkel magenta",
    "braun", "hell grau",   "dunkel grau", "schwarz"};

} // namespace vak1
