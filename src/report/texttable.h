// A small table written into the output document: fixed-width columns in the text kinds,
// tab-separated cells in kind 6, an HTML table in kind 7.
#pragma once
#include <array>
#include <string>

#include "report/OutputDocument.h"

namespace vak1 {

constexpr std::size_t kTableColumns = 7;
constexpr std::size_t kTableCellLength = 60;

class TTextTable {
  public:
    explicit TTextTable(const OutputContext& ctx) : ctx_(ctx) {}
    // widths[0] is column 1; further columns exist up to the first width of 0, but column 2
    // is always written. Writes the header.
    void Init(const std::array<int, kTableColumns>& widths,
              const std::array<std::string, kTableColumns>& titles);
    void AddRow(const std::array<std::string, kTableColumns>& cells);
    void Done();

    bool RowSeparator = true;

  private:
    std::string Fit(const std::string& text, std::size_t column) const;
    void WriteCells(const std::array<std::string, kTableColumns>& cells, bool header);

    OutputContext ctx_; // a copy: the table may outlive the context it was made from
    std::array<int, kTableColumns> widths_{};
    std::size_t columns_ = 2;
};

} // namespace vak1
