// Named printout settings in the table "printout.dbf": loaded into and stored from the
// printout dialog.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dbase/tablewindow.h"
#include "platform/printdialogs.h"

namespace vak1 {

constexpr uint16_t kHelpPrintoutTable = 1040;
constexpr std::size_t kPrintoutNameLength = 25;

// The folders "printout.dbf" is looked for in, in order: the folder current at start, the
// dBase folder, the per-user folder, the installation's data folder.
struct PrintoutTablePlaces {
    std::vector<std::string> folders;
    // The installation's folder: its table is the supplied one and is never written.
    std::string supplied;
    // Where stored sets go when the table found is the supplied one or lies in a folder that
    // cannot be written: the first of these folders that can be written (created when
    // missing), into a copy of the table found.
    std::vector<std::string> userFolders;
};

// The table's path in the first folder that has it; empty when none has it.
std::string FindPrintoutTable(const PrintoutTablePlaces& places);

// "Datenbank": the table window over the sets; a set chosen with "OK" fills the dialog.
// lastRecord is the record chosen before (0: none) and becomes the chosen one.
void LoadPrintoutSet(const TableContext& ctx, const PrintoutTablePlaces& places, int& lastRecord,
                     PrintoutDialogData& data);

// "Übernehmen Datenbank": asks for a name and stores the dialog's values under it: a new
// record for a new name, the record of that name (after asking) for a known one. When only
// a temporary copy of the table can be written, it says so.
void StorePrintoutSet(const TableContext& ctx, const PrintoutTablePlaces& places,
                      const PrintoutDialogData& data);

} // namespace vak1
