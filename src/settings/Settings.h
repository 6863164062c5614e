// Every user preference of the program, at its value before any settings file is read.
// Loading and saving the settings file works on this one struct.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "text/formats.h"

namespace vak1 {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Choices of the printouts, stored as their numbers in the settings file (a number that
// names none of them is kept as it is).
enum class PrintColors : uint16_t { Mono = 1, Color = 2 };
enum class Orientation : uint16_t { Portrait = 1, Landscape = 2 };
enum class PageHeaders : uint16_t { EveryPage = 1, FirstPageOnly = 2 };

struct Settings : NumberStyle {
    // DecimalPlaces, DecimalComma, EnglishUnits and PlainCharacters come from NumberStyle.
    // CAD layers 1..5 and texts (entries 3..6).
    std::array<std::string, 5> LayerNames{"1", "2", "3", "4", "5"};
    std::array<int, 5> LayerColors{2, 2, 2, 3, 1};
    std::string CadFontName = "TXT8";
    long double CadTextWidthFactor = 1;
    long double CadTextAngle = 0;

    // Folders; empty until CheckFolders completes them.
    std::string CadDir;
    std::string DbfDir;
    std::string TempDir;
    std::string EdiDir;
    std::string PltDir;
    std::string DataDir;
    std::string ProgramDir;

    uint16_t HelpLevel = 1;
    uint16_t PrinterPort = 1;
    uint16_t PrinterType = 3;
    uint16_t PrintDensity = 1;
    char HardcopyRotated = 'J';
    uint16_t PrintThicknessVertical = 1;
    bool ColorGraphics = true;
    long double GraphCorrectionFactor = 1;
    int GraphMode = 0;
    int GraphDriver = 0;
    uint16_t GraphWidth = 0;
    uint16_t GraphHeight = 0;
    // The graphic size was computed from the screen, not set by the user: it is written as
    // 0, so that every start computes it afresh and the drawing follows the window.
    bool GraphWidthFromScreen = false, GraphHeightFromScreen = false;
    uint16_t HardcopyPort = 1;
    uint16_t SeparatorStyle = 2;
    int LinesPerPage = 66;

    // Graphics window (zoom and pan steps of the window at creation).
    long double ZoomFactor = 1.2L;
    long double PanFactor = 0.1L;

    // Plot program command lines 1..5 and how many are in use.
    static constexpr const char* kDefaultPlotLine = "C:\\KARTUNO\\WKARTUNO KARTUNO.DXF /M1.0";
    std::array<std::string, 5> PlotCommandLines{
        kDefaultPlotLine, kDefaultPlotLine, kDefaultPlotLine, kDefaultPlotLine, kDefaultPlotLine};
    uint16_t PlotCommandCount = 1;

    int BackgroundColor = 1;
    PrintColors PrintColorMode = PrintColors::Mono;
    bool LayerMonochrome = false;
    long double TextWidthFactor = 0.8L;
    std::string GraphFontName = "Arial";
    std::array<int, 16> LayerColors16to31{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

    // External programs. The Windows defaults are replaced by the desktop's opener.
    std::string TextProgram = "xdg-open";
    uint16_t DatabaseMode = 1;
    std::string ExternalDatabase;

    int ScreendumpOriginX = 0;
    int ScreendumpOriginY = 0;
    long double ScreendumpScale = 1; // held as a 6-byte real in the file
    bool ScreendumpBorder = false;

    bool ArchiveMode = false;
    uint16_t DateCode = 1;
    int HeaderSpaceLines = 0;
    uint16_t TextDevice = 1;
    bool TextDeviceDialog = false;
    bool SmallOnlineWindow = false;
    bool EnterDiagramLimits = false;
    long double TextHeightFactor = 1;
    int InputWindowScale = 102;
    std::string HtmlBrowser = "xdg-open";
    long double PrintScaleVertical = 1;
    std::array<int, 6> LineThickness0to5{3, 1, 1, 1, 2, 3};
    bool GraphicPrintDialog = false;
    Rect TextWindowRect{};
    PageHeaders HeaderMode = PageHeaders::EveryPage;
    std::string PrintFontName = "Courier New";
    uint16_t PrintFontSize = 10;
    uint16_t PrintFontStyle = 0;
    uint16_t GraphFontStyle = 0;
    Orientation PrinterOrientation = Orientation::Portrait;
    bool Edit3D = false;
    std::array<long double, 3> Default3D{0, 0, 0};
    uint16_t IndexStyle = 0;
    DecimalSign ExportDecimal = DecimalSign::Comma; // of tab-separated values
    std::string ReleaseField;
    int DxfDecimals = 6;
    uint16_t CadTextMode = 1;
    std::array<int, 16> LineThickness16to31{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int DialogElementsScale = 100;
    uint16_t AngleFormat = 2;
    long double DimensionFactor = 1;
    int Reserved80 = 0;
    int MenuLanguage = 0;
    int ResultGraphic = 0;
    bool DrawHideTitle = false;
    bool DrawHideFileName = false;
    bool DrawHideDate = false;
    bool DrawHideLogo = false;

    // Frame around the graphic ("Umrandung" of the settings dialog); not in the file.
    bool GraphicBorder = false;

    // Where the settings file lives and its base name ("vak1").
    std::string SettingsFolder;
    std::string SettingsBaseName = "vak1";
    // The file the values were last read from; empty while they are the program's own.
    std::string SettingsSource;
};

} // namespace vak1
