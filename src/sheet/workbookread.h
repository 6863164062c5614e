// Column 1 of the first sheet of a workbook file (.xlsx or .ods), read straight from its zip
// archive.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

// The texts (UTF-8) of column 1 from row 1 to the last filled row; empty cells in between
// give empty texts. False, with a reason, when the file is no readable workbook.
bool ReadWorkbookColumn1(const std::string& path, std::vector<std::string>& cells,
                         std::string& error);

} // namespace vak1
