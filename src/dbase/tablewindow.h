// The table window Tdbf4: one dBase table shown in a grid, with the operations the program
// and the window's commands run on it. The window is made once and serves every table in
// turn; the last record and grid position are kept for the next showing.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dbase/dbf.h"
#include "help/helptext.h"
#include "report/OutputDocument.h"

namespace vak1 {

constexpr uint16_t kHelpTableSearch = 2450;
constexpr uint16_t kHelpTableCommon = 3210;
// A table opened from the dBase menu: what its window offers.
constexpr uint16_t kHelpDbfTable = 8450;
constexpr std::size_t kSearchTextLength = 50;

enum TableMode : int { kTableBrowse = 1, kTableEdit = 2 };

struct TableWindow {
    DbfTable Table;
    std::string FileName;       // the table's file as used (a copy in TempDir after the check)
    std::string Title1, Title2; // code page 850
    std::string SearchText;
    bool SelectAndClose = false;
    int Mode = kTableEdit;
    uint16_t TableHelp = 0; // the help of the table ("dbf Structure", "Hilfe&bild")
    bool TempCopy = false;  // the write check made a copy in the temporary folder
    int LastRecord = 0, TopRow = 0, Column = 0;
};

// What the table window works with: itself, the output document's view of the program
// (dialogs, settings, launcher, clock, printing) and the help.
struct TableContext {
    TableWindow& w;
    OutputContext out;
    HelpContext help;
};

// Opens the table at path; an engine error is shown and sets AbortFlag.
bool OpenTable(const TableContext& ctx, const std::string& path);
// Opens name (".dbf" added when it has no ".") from the dBase folder, or from its own folder
// when it has one; works on a copy in
// the temporary folder when the folder cannot be written or the file is read-only.
bool OpenTableWithWriteCheck(const TableContext& ctx, std::string name);
// Creates and removes a test file in folder (ending in "/"): can the folder be written?
bool FolderWritable(const std::string& folder);
void CloseTable(TableWindow& w);
void SetTableTitles(TableWindow& w, std::string_view title1, std::string_view title2);
// Record n, or record 1 when n is 0 or beyond the record count.
void GoToRecord(TableWindow& w, int n);
// As GoToRecord, but beyond the count: "DBF #n not found." and the last record.
void GoToRecordWithMessage(const TableContext& ctx, int n);
// Shows the window modally in mode (kTableBrowse, else editing); closeWord "CLOSE" closes it
// as soon as a record is chosen. True for "OK" (AbortFlag cleared), false for "Abbrechen"
// (AbortFlag set). help is the help of the table.
bool ShowTable(const TableContext& ctx, uint16_t help, int mode, std::string_view closeWord);
std::string TableCaption(const TableWindow& w, int mode); // code page 850

// The window's commands.
void SearchTable(const TableContext& ctx, bool again);
void ExportTableHtml(const TableContext& ctx);
void SaveTableDelimited(const TableContext& ctx);
void AppendTableDbf(const TableContext& ctx);
void AppendTableDelimited(const TableContext& ctx);
void PackTable(const TableContext& ctx);
// The first seven fields of every record of the view through the output document.
void PrintTable(const TableContext& ctx);

// The lines of the HTML page of the table (UTF-8, texts escaped).
std::vector<std::string> TableHtmlLines(const TableWindow& w, const std::string& path,
                                        const std::string& date, const std::string& time);

} // namespace vak1
