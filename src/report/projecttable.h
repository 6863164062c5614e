// The project table: one row of key results per project file of a folder, read and
// calculated on several threads at once, with the rows in file-name order.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "settings/Settings.h"

namespace vak1 {

constexpr int kProjectTableColumns = 11;
constexpr uint16_t kHelpProjectTable = 3400;

// Code page 850 cells: file, date, name, number, positions, A, ys, zs, I1, I2, phi.
using ProjectTableRow = std::array<std::string, kProjectTableColumns>;

struct ProjectTable {
    std::vector<ProjectTableRow> rows;
    std::vector<std::string> messages; // one per project that could not be read
    bool cancelled = false;
};

const ProjectTableRow& ProjectTableTitles();
const std::array<int, kProjectTableColumns>& ProjectTableWidths();

// The entries of folder ending in ".vak1" in any case (files, links, anything), names only,
// in byte order. False with the reason in error when the folder cannot be read.
bool ListProjectFiles(const std::string& folder, std::vector<std::string>& names,
                      std::string& error);

// Reads and calculates each file of folder on up to threads threads (0: one per core) and
// builds its row; a file that cannot be read keeps its file and date with the other cells
// empty and adds its message. progress(done) runs on the calling thread; false cancels.
ProjectTable BuildProjectTable(const std::string& folder, const std::vector<std::string>& names,
                               const Settings& settings, unsigned threads,
                               const std::function<bool(std::size_t done)>& progress = {});

// Orders the rows by the texts of column (0-based), byte by byte; numbers sort as text.
void SortProjectTable(std::vector<ProjectTableRow>& rows, int column);

// The title row and the rows as UTF-8 lines of tab-separated cells.
std::string ProjectTableText(const std::vector<ProjectTableRow>& rows);

} // namespace vak1
