// Menu items and the help numbers of the dialogs their commands open first.
#include "app/menuhelp.h"

#include <array>
#include <utility>

#include "cad/cad.h"
#include "dbase/tablewindow.h"
#include "docu/docudialogs.h"
#include "graphics/picturebrowser.h"
#include "graphics/printout.h"
#include "help/helperr.h"
#include "app/contour.h"
#include "report/projecttable.h"

namespace vak1 {

uint16_t MenuItemHelp(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, uint16_t>, 20> kItems{{
        {"mi_fileOpenTable", kHelpProjectTable},
        {"mi_fileprint", kHelpPrintout},
        {"mi_editText", kHelpTextLines},
        {"mi_editGeometrie", kHelpPositionList},
        {"mi_editKoerper", kHelpDensity},
        {"mi_editBerechnung", kHelpArcDivision},
        {"mi_editReset", kHelpReset},
        {"mi_editZeichnen", kHelpKind},
        {"mi_cadGrafik", kHelpDevice},
        {"mi_cadPolylinie", kHelpDevice},
        {"mi_cadTabelle", kHelpDevice},
        {"mi_cadzeichnung", kHelpDevice},
        {"mi_viewErrorMessages", kHelpMessageList},
        {"mi_helpErrorMessages", kHelpMessageList},
        {"mi_dbfProfile", kHelpDbfTable},
        {"mi_docdrawinginfo", kHelpDrawingInfo},
        {"mi_docuNewChange", kHelpChange},
        {"mi_docuModifyChanges", kHelpChange},
        {"mi_DocumentSetup", kHelpDocuments},
        {"mi_HelpHilfebild", kHelpPictureBrowser},
    }};
    for (const auto& [item, help] : kItems)
        if (item == name) return help;
    return 0;
}

} // namespace vak1
