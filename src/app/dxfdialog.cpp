// The import dialog's data from a first reading of the drawing.
#include "app/dxfdialog.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "app/App.h"
#include "dialogs/dialogs.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr const char* kAllLayers = "alle Layer";
constexpr const char* kToleranceText = "Toleranz: bitte eine positive Zahl (mm) eingeben";

std::string Short(long double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6Lg", v);
    return buf;
}

bool ValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// Layer names come as the CAD program wrote them: UTF-8 in newer drawings, the Windows code
// page in older ones.
std::string LayerText(const std::string& name) {
    return ValidUtf8(name) ? name : Win1252ToUtf8(name);
}

bool Tolerance(const std::string& text, long double& value) {
    const ParsedNumber t = ParseNumber(text);
    value = t.value;
    return t.valid && std::isfinite(t.value) && t.value > 0;
}

} // namespace

bool AskDxfImport(App& app, std::string& path, DxfImportOptions& options) {
    DxfImportDialogData data;
    data.caption = "DXF Import";
    data.filter = "*.dxf|*.dxf";
    data.folder = FolderPath(app.Config.CadDir);
    std::vector<std::string> names; // the layers of the list as the drawing names them
    data.survey = [&names](DxfImportDialogData& d, bool newFile) {
        long double tolerance = 0;
        const bool typed = !newFile && Tolerance(d.tolerance, tolerance);
        const std::string chosen =
            d.layer > 0 && d.layer <= static_cast<int>(names.size()) ? names[d.layer - 1] : "";
        const DxfDrawingSurvey s = SurveyDxfDrawing(d.file, typed ? tolerance : 0);
        d.error = s.ok ? "" : Cp850ToUtf8(s.error);
        if (s.ok && !newFile && !typed) d.error = kToleranceText;
        if (s.ok && newFile) d.tolerance = Short(s.tolerance);
        d.extent = s.ok ? Short(s.extent) + " mm" : "";
        names = s.layers;
        d.layers = {kAllLayers};
        d.layer = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            d.layers.push_back(LayerText(names[i]));
            if (names[i] == chosen) d.layer = static_cast<int>(i + 1);
        }
    };
    if (!DialogUi(Dialogs(app), kHelpNone).DxfImportDialog(data)) return false;
    if (!Tolerance(data.tolerance, options.tolerance)) {
        ShowError(Dialogs(app), kToleranceText);
        return false;
    }
    // A drawing that cannot be read is named by the import itself.
    path = data.file;
    options.layer =
        data.layer > 0 && data.layer <= static_cast<int>(names.size()) ? names[data.layer - 1] : "";
    return true;
}

} // namespace vak1
