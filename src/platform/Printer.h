// The system printer for text documents: a page range dialog, then pages of text lines at
// fixed line positions in one font. Texts cross this boundary as UTF-8.
#pragma once
#include <string>

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
};

} // namespace vak1
