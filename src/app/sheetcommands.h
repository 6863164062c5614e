// The commands of the spreadsheet exchange: start the spreadsheet program with the project
// file in column 1, export it again, import column 1 back as a project, and the standard
// report as a workbook.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

struct App;

void OleStartExcel(App& app);
void OleExportExcel(App& app);
void OleImportExcel(App& app);
void OlePrintoutExcel(App& app);
// The project table's "Export Excel": title row and rows (UTF-8) into a new workbook.
void ExportProjectTable(App& app, const std::vector<std::string>& titles,
                        const std::vector<std::vector<std::string>>& rows);

} // namespace vak1
