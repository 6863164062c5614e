// Table header, rows and closing line in the layout of the current output kind.
#include "report/texttable.h"

#include <algorithm>

#include "app/App.h"
#include "report/OutputDocument.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

std::string Cut(const std::string& text) {
    return text.substr(0, kTableCellLength);
}

} // namespace

std::string TTextTable::Fit(const std::string& text, std::size_t column) const {
    const auto width = static_cast<std::size_t>(std::max(widths_[column], 0));
    std::string out = Cut(text).substr(0, width);
    out.resize(width, ' ');
    return out;
}

void TTextTable::WriteCells(const std::array<std::string, kTableColumns>& cells, bool header) {
    App& app = app_;
    const uint16_t kind = app.Output.Kind;
    if (kind == odSpreadsheetTxt) {
        WriteLineStart(app, Cut(cells[0]));
        for (std::size_t c = 1; c < columns_; ++c)
            WriteRaw(app, "\t" + Cut(cells[c]));
        WriteLineEnd(app);
    } else if (kind == odHtml) {
        const bool plain = app.Config.PlainCharacters == 1;
        auto cell = [&](std::size_t c) { return HtmlEscape(Cut(cells[c])); };
        std::string row = header ? "<TR><TD><CENTER>" + cell(0) + "</CENTER></TD>"
                                 : "<TR><TD>" + cell(0) + "</TD>";
        for (std::size_t c = 1; c < columns_; ++c)
            row += header ? "<TD><CENTER>" + cell(c) + "</CENTER></TD>"
                          : "<TD><DIV ALIGN=RIGHT>" + cell(c) + "</DIV></TD>";
        WriteRaw(app, OemToDesktopText(row + "</TR>", plain));
        WriteLineEnd(app);
    } else {
        WriteLineStart(app, Fit(cells[0], 0));
        for (std::size_t c = 1; c < columns_; ++c)
            WriteRaw(app, Fit(cells[c], c));
        WriteRaw(app, " ");
        WriteLineEnd(app);
    }
}

void TTextTable::Init(const std::array<int, kTableColumns>& widths,
                      const std::array<std::string, kTableColumns>& titles) {
    widths_ = widths;
    columns_ = 1;
    while (columns_ < kTableColumns && widths_[columns_] != 0)
        ++columns_;
    columns_ = std::max<std::size_t>(columns_, 2);
    const uint16_t kind = app_.Output.Kind;
    if (kind == odHtml) WriteRawLine(app_, "<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    const bool framed = kind != odSpreadsheetTxt && kind != odHtml;
    if (framed) WriteLine(app_, SeparatorThick(app_.Config));
    WriteCells(titles, true);
    if (framed) WriteLine(app_, SeparatorThick(app_.Config));
}

void TTextTable::AddRow(const std::array<std::string, kTableColumns>& cells) {
    WriteCells(cells, false);
    const uint16_t kind = app_.Output.Kind;
    if (RowSeparator && kind != odSpreadsheetTxt && kind != odHtml)
        WriteLine(app_, SeparatorThin(app_.Config));
}

void TTextTable::Done() {
    if (!RowSeparator) WriteLine(app_, SeparatorThin(app_.Config));
    if (app_.Output.Kind == odHtml) WriteRawLine(app_, "</TABLE>");
}

} // namespace vak1
