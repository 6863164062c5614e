// The system printer: text documents (a page range dialog, then pages of text lines at fixed
// line positions in one font) and the graphic printout of one page. Texts cross this boundary
// as UTF-8.
#pragma once
#include <string>

#include "platform/Canvas.h"
#include "platform/printdialogs.h"

namespace vak1 {

struct PrintFont {
    std::string name = "Courier New";
    int size = 10; // points
    int style = 0; // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
};

class Printer {
  public:
    virtual ~Printer() = default;
    // The print dialog offering pages 1..pageCount with all pages preselected; from and to
    // receive the chosen range. False when cancelled.
    virtual bool ChoosePages(int pageCount, int& from, int& to) = 0;
    // Portrait, document begun on the first page; each page holds linesPerPage lines.
    virtual bool BeginDocument(const std::string& title, const PrintFont& font,
                               int linesPerPage) = 0;
    virtual void NewPage() = 0;
    // One line at the left edge, row counted from 0 at the top of the current page.
    virtual void PrintLine(int row, const std::string& text) = 0;
    virtual void EndDocument() = 0;

    // The graphic printout. The current printer's name and orientation.
    virtual std::string PrinterName() const { return {}; }
    virtual bool Landscape() const { return false; }
    // The system print dialog; false when cancelled.
    virtual bool ChoosePrinter() { return false; }
    // Begins a one-page job in the orientation; the canvas of the page and its size in
    // device pixels and dots per inch, or null when the job cannot begin.
    virtual Canvas* BeginGraphic(bool /*landscape*/, int& /*width*/, int& /*height*/,
                                 int& /*dpi*/) {
        return nullptr;
    }
    virtual void EndGraphic() {}
    // The rows of the printer information window; false when there is no printer.
    virtual bool Information(PrinterInfoData& /*info*/) { return false; }
};

} // namespace vak1
