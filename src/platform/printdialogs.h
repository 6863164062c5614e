// Dialog data of the plotting command line form, the printout dialog and the printer
// information window. Texts are UTF-8 like every text crossing the Ui.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

// Help numbers of the plotting command line, its form and its question sequence.
constexpr uint16_t kHelpPlotLines = 2055;
constexpr uint16_t kHelpPlotLine = 2060;
constexpr uint16_t kHelpPlotProgram = 2080;
constexpr uint16_t kHelpPlotFormat = 2090;
constexpr uint16_t kHelpPlotInterface = 2110;
constexpr uint16_t kHelpPlotPort = 2120;
constexpr uint16_t kHelpPlotFile = 2130;
constexpr uint16_t kHelpPlotScale = 2140;
constexpr uint16_t kHelpPlotRotate = 2145;
constexpr uint16_t kHelpPlotOffset = 2150;
constexpr uint16_t kHelpPlotWidth = 2160;
constexpr uint16_t kHelpPlotBatch = 2170;
constexpr uint16_t kHelpPlotFont = 2280;

// The entries whose texts are the form's hints, in the order of PlotFormData::hintTexts.
constexpr std::array<uint16_t, 9> kPlotFormHints{kHelpPlotProgram, kHelpPlotFormat, kHelpPlotPort,
                                                 kHelpPlotFile,    kHelpPlotScale,  kHelpPlotRotate,
                                                 kHelpPlotOffset,  kHelpPlotWidth,  kHelpPlotFont};

// The controls of the plotting command line form, as the form holds them.
struct PlotFormFields {
    std::string program = "c:\\kartuno\\wkartuno";
    int format = 0;    // 0 HPL, 1 PS, 2 PLT, 3 PL2, 4 ART
    int interface = 1; // 0 serial, 1 parallel, 2 file
    std::string com = "1", lpt = "1";
    std::string outDir; // output folder, the temporary folder at first
    std::string scale = "1";
    bool fitScale = false; // "Maßstab anpassen ?": the scale becomes "0"
    bool rotate = false;
    std::string xOffset = "0", yOffset = "0";
    std::string widthFactor = "1";
    std::string psFont;
};

// The form "KARTUNO": starts from its defaults, not from the line passed in. OK without a
// change keeps line; any change replaces it by the line the controls make.
struct PlotFormData {
    std::string line;
    std::string tempDir; // the output folder's default and its "<" button
    bool hints = false;  // help texts as hints on the controls
    // The hints: program, format, port, output folder, scale, rotation, offsets, text width
    // factor, PostScript font.
    std::vector<std::string> hintTexts;
    PlotFormFields initial; // the controls' start values
};

// The printout dialog "Ausdruck". The buttons that need the program call back with the
// dialog's current values in data, then the dialog shows data again.
struct PrintoutDialogData {
    std::string xScale, yScale, xOrigin, yOrigin; // edit fields as typed
    bool border = false;
    bool fit = false;
    bool monochrome = true;
    bool landscape = false;
    std::string printerName; // cut to 40 characters
    // The current printer's name, asked again whenever the dialog is activated (the
    // printer may have been changed meanwhile).
    std::function<std::string()> currentPrinter;
    std::function<void(PrintoutDialogData&)> choosePrinter; // "Drucker..."
    std::function<void(PrintoutDialogData&)> loadSet;       // "Datenbank"
    std::function<void(PrintoutDialogData&)> storeSet;      // "Übernehmen Datenbank"
    std::function<void(PrintoutDialogData&)> printerInfo;   // "Printer Info"
    // "OK" is refused (the dialog stays open) while this says no.
    std::function<bool(PrintoutDialogData&)> accept;
};

// "Printer Info": name and value rows; a value the platform does not know is "–".
struct PrinterInfoData {
    std::vector<std::pair<std::string, std::string>> rows;
};

} // namespace vak1
