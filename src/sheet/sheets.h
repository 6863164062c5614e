// The spreadsheet back end of the desktop program.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/Spreadsheet.h"

namespace vak1 {

class Launcher;

// The environment variable VAK1_SPREADSHEET chooses: "file" for workbook files opened with
// the desktop's program, "uno" for the office program alone; without it the office program
// is tried first and the workbook files are the fall-back. tempFolder gives the temporary
// folder (ending with "/").
std::unique_ptr<Spreadsheet> MakeSpreadsheet(Launcher* launcher,
                                             std::function<std::string()> tempFolder);

} // namespace vak1
