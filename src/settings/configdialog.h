// The settings dialog's logic: its controls filled from the settings and read back with
// their conversions and limits, the "<" buttons, "Import.." and "&Speichern".
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace vak1 {

struct DialogContext;
struct Settings;

// Help numbers of the tab pages' "&Hilfe" buttons and of the working folder's "?".
constexpr uint16_t kHelpConfigGraphics = 1940;
constexpr uint16_t kHelpConfigPrinter = 1935;
constexpr uint16_t kHelpConfigText = 1930;
constexpr uint16_t kHelpConfigLayers = 1910;
constexpr uint16_t kHelpConfigColors = 1555;
constexpr uint16_t kHelpConfigCad = 1920;
constexpr uint16_t kHelpWorkingDir = 1605;
// Hints of the folder labels.
constexpr uint16_t kHintCadDir = 1570;
constexpr uint16_t kHintPltDir = 1590;
constexpr uint16_t kHintEdiDir = 1595;
constexpr uint16_t kHintDbfDir = 1600;
constexpr uint16_t kHintTempDir = 1610;

// What the dialog shows besides the settings.
struct ConfigEnvironment {
    std::string workingDir;               // the current folder at start (UTF-8)
    std::vector<std::string> textDevices; // names of the output kinds 1..n (code page 850)
    // The help text of a number for the folder hints (UTF-8); empty: no hints.
    std::function<std::string(uint16_t)> hint;
    // Runs after every read-back ("OK" and "&Speichern"): the settings took effect.
    std::function<void()> applied;
};

void FillConfigDialog(const Settings& s, const ConfigEnvironment& env, ConfigDialogData& d);
// Copies every control into its setting; screen decides the graphic size typed as 0.
void ReadConfigDialog(const ConfigDialogData& d, const ScreenMetrics& screen, Settings& s);
// The "<" buttons and the thickness buttons: they change controls only.
void ConfigDefault(ConfigDialogData& d, ConfigButton button, const Settings& s,
                   const ScreenMetrics& screen);
// The range a spin of the dialog accepts: the limits the settings file's table gives its
// setting (spins whose 0 asks for the default also take 0).
struct ConfigRange {
    int min = 0, max = 0;
};
ConfigRange ConfigSpinRange(int ConfigDialogData::*spin);

// The caption: program name + " Konfiguration".
std::string ConfigCaption();

// The whole dialog. "OK" reads back and returns true; "Abbrechen" sets AbortFlag and leaves
// the settings as they were after the last "&Speichern".
bool RunConfigDialog(Settings& s, const std::string& startDir, const DialogContext& dc,
                     const ConfigEnvironment& env);

} // namespace vak1
