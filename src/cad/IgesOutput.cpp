// IGES placeholder: refuses before any file is created.
#include "cad/IgesOutput.h"

#include "app/App.h"
#include "text/cp850.h"

namespace vak1 {

bool IgesOutput::Open() {
    app_.Cad.WriteError = cp850("IGES-Ausgabe ist in dieser Version noch nicht verfügbar");
    return false;
}

} // namespace vak1
