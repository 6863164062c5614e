// The table window's view of the program, made from App where a command shows a table.
#pragma once
#include "app/outputcontext.h"
#include "dbase/tablewindow.h"

namespace vak1 {

inline TableContext TableContextOf(App& app) {
    return {app.Table, OutputContextOf(app), HelpContextOf(app)};
}

} // namespace vak1
