#include "sheet/FileSpreadsheet.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include <cstdio>
#include <xlsxwriter.h>

#include "platform/Launcher.h"
#include "sheet/workbookread.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

// What a text import takes as a number: the field is a finite decimal number, maybe with
// the blanks that align the report's columns around it.
bool IsNumber(const std::string& field, double& value) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const std::string s = field.substr(first, field.find_last_not_of(' ') + 1 - first);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && errno == 0 && std::isfinite(value) &&
           s.find_first_of("xXpPnNiI") == std::string::npos;
}

} // namespace

bool FileSpreadsheet::Connect() {
    connected_ = launcher_ != nullptr && !folder_().empty();
    visible_ = false;
    cells_.clear();
    changed_ = false;
    return connected_;
}

void FileSpreadsheet::NewWorkbook() {
    Flush();
    cells_.clear();
}

void FileSpreadsheet::SetCell(int row, int column, const std::string& text) {
    if (row < 1 || column < 1 || row > 1048576 || column > 16384) return;
    cells_[{row, column}] = {text, false};
    changed_ = true;
}

void FileSpreadsheet::OpenText(const std::string& path) {
    NewWorkbook();
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) return;
    for (std::size_t r = 0; r < lines.size() && r < 1048576; ++r) {
        const std::string& line = lines[r];
        int column = 1;
        for (std::size_t start = 0; start <= line.size(); ++column) {
            std::size_t tab = line.find('\t', start);
            if (tab == std::string::npos) tab = line.size();
            Cell c{line.substr(start, tab - start), false};
            double v = 0;
            c.number = IsNumber(c.text, v);
            if (!c.text.empty()) cells_[{static_cast<int>(r) + 1, column}] = c;
            start = tab + 1;
        }
    }
    changed_ = true;
}

bool FileSpreadsheet::Flush() {
    if (!changed_) return true;
    changed_ = false;
    const std::string path = folder_() + "$vak1_" + std::to_string(::getpid()) + "_" +
                             std::to_string(++written_) + ".xlsx";
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    for (const auto& [at, cell] : cells_) {
        const auto row = static_cast<lxw_row_t>(at.first - 1);
        const auto col = static_cast<lxw_col_t>(at.second - 1);
        double v = 0;
        if (cell.number && IsNumber(cell.text, v))
            worksheet_write_number(sheet, row, col, v, nullptr);
        else
            worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
    }
    if (workbook_close(book) != LXW_NO_ERROR) {
        std::remove(path.c_str()); // what was written of it is no workbook
        return false;
    }
    last_ = path;
    if (visible_ && launcher_) return launcher_->Open(path);
    return true;
}

bool FileSpreadsheet::ReadColumn1(const std::string& file, std::vector<std::string>& cells,
                                  std::string& error) {
    return ReadWorkbookColumn1(file, cells, error);
}

} // namespace vak1
