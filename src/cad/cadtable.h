// The result table of a drawing: a frame of rows 2h high with up to seven text columns.
#pragma once
#include <array>
#include <string>

namespace vak1 {

struct CadContext;

struct TCadTable {
    std::array<long double, 8> x{}; // column boundaries
    long double top = 0, rowBottom = 0, textBase = 0;
    std::array<std::string, 7> cells{};
    long double h = 0, pitch = 0;
    int used = 0; // strictly increasing boundaries from x[0] on
    bool rowLines = true, outerLines = true;
};

constexpr std::size_t kCadCellLength = 80;

// Title row: title and six column titles; widths of the seven columns in units of 0.9 h.
TCadTable CadTableCreate(const CadContext& cx, const std::string& title,
                         const std::array<std::string, 6>& titles,
                         const std::array<long double, 7>& widths, long double x, long double y,
                         long double h);
void CadTableRow(const CadContext& cx, TCadTable& t, const std::array<std::string, 7>& texts);

} // namespace vak1
