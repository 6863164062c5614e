// The printout of the graphics window: the printout settings, their dialog and the replay
// onto one printer page.
#pragma once
#include <cstdint>
#include <functional>

#include "dialogs/dialogs.h"
#include "graphics/GraphicsWindow.h"
#include "platform/printdialogs.h"
#include "settings/Settings.h"

namespace vak1 {

class Printer;

constexpr uint16_t kHelpPrintout = 1030;

struct PrintoutSettings {
    long double xScale = 1, yScale = 1;
    int32_t xOrigin = 0, yOrigin = 0; // millimetres
    bool border = false;
    bool fit = false;       // print the whole saved world window
    uint16_t colorMode = 1; // 1 monochrome, 2 colour
    bool landscape = false;
};

// The dialog's start values: the settings, or the form sheet's A4 page after a form sheet.
PrintoutSettings PrintoutDefaults(const Settings& s, bool formSheet);

// Replays the window onto one printer page by the printout settings; with fit the whole
// saved world window first. False (abortFlag set) when the job could not be made.
bool PrintGraphic(GraphicsWindow& g, const Settings& s, const PrintoutSettings& p, Printer& printer,
                  uint8_t& abortFlag);

// The dialog's "Datenbank" and "Übernehmen Datenbank": the named sets of the printout table.
struct PrintoutSetHooks {
    std::function<void(PrintoutDialogData&)> load, store;
};

// File -> "Drucken": the printout dialog, then the printout. Cancel sets AbortFlag.
void PrintoutCommand(const DialogContext& d, GraphicsWindow& g, const Settings& s, Printer* printer,
                     bool formSheet, const PrintoutSetHooks& sets = {});

// The printer information window; a clear message when there is no printer.
void ShowPrinterInfo(const DialogContext& d, Printer* printer);

} // namespace vak1
