// The commands of the spreadsheet exchange: start the spreadsheet program with the project
// file in column 1, export it again, import column 1 back as a project, and the standard
// report as a workbook.
#pragma once

namespace vak1 {

struct App;

void OleStartExcel(App& app);
void OleExportExcel(App& app);
void OleImportExcel(App& app);
void OlePrintoutExcel(App& app);

} // namespace vak1
