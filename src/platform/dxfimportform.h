// Dialog data of the DXF import: the drawing, the tolerance for joining ends and the layer.
// Texts are UTF-8 like every text crossing the Ui.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

struct DxfImportDialogData {
    std::string caption;
    std::string filter, folder; // of the file choice
    std::string file;           // the chosen drawing
    std::string tolerance;      // mm, as shown and typed
    std::string extent;         // the drawing's extent as shown
    // The layer choice: "alle Layer" first, then each layer holding closed chains; layer
    // indexes it. The choice is open only when there are two layers or more.
    std::vector<std::string> layers;
    int layer = 0;
    std::string error; // what reading the drawing found wrong (shown; OK then refuses)
    // Reads file again: newFile resets the tolerance to the drawing's default; otherwise the
    // typed tolerance is kept and the layers follow it. Fills extent, layers and error.
    std::function<void(DxfImportDialogData&, bool newFile)> survey;
};

} // namespace vak1
