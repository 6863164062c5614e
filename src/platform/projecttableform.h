// The project table window (TForm_preview) and the progress window of a long job, as the
// core hands them to the desktop.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vak1 {

enum class ProjectTableAction {
    Close,    // "OK", "Abbrechen", "E&xit" or the window closed
    Open,     // a cell of another row selected: selected is the row
    Pictures, // the help-picture button
    Export,   // "Export Excel": the grid into a new workbook, then the window closes
};

// The grid: titles and widths of the columns, one row per project file (UTF-8). selected is
// the 1-based row (0: none) and comes back as the row that closed the window. sort sorts
// the rows by the 0-based column and puts them back into rows.
struct ProjectTableData {
    std::string caption;
    std::vector<std::string> titles;
    std::vector<int> widths;
    std::vector<std::vector<std::string>> rows;
    int selected = 0;
    std::function<void(int column)> sort;
};

// A job that reports its progress: run works, calling report(done) after each step of
// total; report returns false once the user cancelled, and run then ends soon.
struct ProgressJob {
    std::string caption;
    std::size_t total = 0;
    std::function<void(const std::function<bool(std::size_t done)>& report)> run;
};

} // namespace vak1
