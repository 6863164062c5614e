// Dialog data of the stresses: the internal forces as typed and the stress to draw, and the
// window of the colour map. Texts are UTF-8 like every text crossing the Ui.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

struct StressDialogData {
    std::string caption;
    std::array<std::string, 6> labels; // N, Vy, Vz, Mx, My, Mz with their meaning
    std::array<std::string, 6> units;
    std::array<std::string, 6> values; // as shown and typed
    std::vector<std::string> kinds;    // the stresses the picture can show
    int kind = 0;                      // index into kinds
    std::string error;                 // why OK was refused (shown)
    // OK: true takes the values; false keeps the dialog open with error set.
    std::function<bool(StressDialogData&)> accept;
};

struct StressPictureData {
    std::string caption;
    std::vector<std::string> kinds;
    int kind = 0;
    // The picture of kinds[kind] as an RGB raster of width x height, rows top to bottom.
    std::function<std::vector<std::uint8_t>(int kind, int width, int height)> render;
    std::string fileFilter, folder, name; // of the export, name without extension
};

} // namespace vak1
