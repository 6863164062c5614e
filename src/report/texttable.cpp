// Table header, rows and closing line in the layout of the current output kind.
#include "report/texttable.h"

#include <algorithm>

#include "report/OutputDocument.h"
#include "settings/Settings.h"
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
    const OutputContext& ctx = ctx_;
    const uint16_t kind = ctx.doc.Kind;
    if (kind == odSpreadsheetTxt) {
        WriteLineStart(ctx, Cut(cells[0]));
        for (std::size_t c = 1; c < columns_; ++c)
            WriteRaw(ctx, "\t" + Cut(cells[c]));
        WriteLineEnd(ctx);
    } else if (kind == odHtml) {
        const bool plain = ctx.settings.PlainCharacters == UnitCharacters::Plain;
        auto cell = [&](std::size_t c) { return HtmlEscape(Cut(cells[c])); };
        std::string row = header ? "<TR><TD><CENTER>" + cell(0) + "</CENTER></TD>"
                                 : "<TR><TD>" + cell(0) + "</TD>";
        for (std::size_t c = 1; c < columns_; ++c)
            row += header ? "<TD><CENTER>" + cell(c) + "</CENTER></TD>"
                          : "<TD><DIV ALIGN=RIGHT>" + cell(c) + "</DIV></TD>";
        WriteRaw(ctx, OemToDesktopText(row + "</TR>", plain));
        WriteLineEnd(ctx);
    } else {
        WriteLineStart(ctx, Fit(cells[0], 0));
        for (std::size_t c = 1; c < columns_; ++c)
            WriteRaw(ctx, Fit(cells[c], c));
        WriteRaw(ctx, " ");
        WriteLineEnd(ctx);
    }
}

void TTextTable::Init(const std::array<int, kTableColumns>& widths,
                      const std::array<std::string, kTableColumns>& titles) {
    widths_ = widths;
    columns_ = 1;
    while (columns_ < kTableColumns && widths_[columns_] != 0)
        ++columns_;
    columns_ = std::max<std::size_t>(columns_, 2);
    const uint16_t kind = ctx_.doc.Kind;
    if (kind == odHtml) WriteRawLine(ctx_, "<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    const bool framed = kind != odSpreadsheetTxt && kind != odHtml;
    if (framed) WriteLine(ctx_, SeparatorThick(ctx_.settings));
    WriteCells(titles, true);
    if (framed) WriteLine(ctx_, SeparatorThick(ctx_.settings));
}

void TTextTable::AddRow(const std::array<std::string, kTableColumns>& cells) {
    WriteCells(cells, false);
    const uint16_t kind = ctx_.doc.Kind;
    if (RowSeparator && kind != odSpreadsheetTxt && kind != odHtml)
        WriteLine(ctx_, SeparatorThin(ctx_.settings));
}

void TTextTable::Done() {
    if (!RowSeparator) WriteLine(ctx_, SeparatorThin(ctx_.settings));
    if (ctx_.doc.Kind == odHtml) WriteRawLine(ctx_, "</TABLE>");
}

} // namespace vak1
