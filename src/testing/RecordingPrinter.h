// A printer that keeps the printed pages as text, for tests.
#pragma once
#include <string>
#include <vector>

#include "platform/Printer.h"

namespace vak1 {

struct PrintedLine {
    int row = 0;
    std::string text;
};

class RecordingPrinter : public Printer {
  public:
    bool ChoosePages(int pageCount, int& from, int& to) override {
        offered = pageCount;
        if (cancel) return false;
        from = chooseFrom > 0 ? chooseFrom : 1;
        to = chooseTo > 0 ? chooseTo : pageCount;
        return true;
    }
    bool BeginDocument(const std::string& t, const PrintFont& f, int lines) override {
        title = t;
        font = f;
        linesPerPage = lines;
        pages.assign(1, {});
        ++documents;
        return true;
    }
    void NewPage() override { pages.emplace_back(); }
    void PrintLine(int row, const std::string& text) override {
        pages.back().push_back({row, text});
    }
    void EndDocument() override { ended = true; }

    // Script: cancel the dialog, or choose a range (0: the offered bound).
    bool cancel = false;
    int chooseFrom = 0, chooseTo = 0;

    int offered = -1; // page count the dialog offered; -1 when it was never shown
    int documents = 0;
    bool ended = false;
    std::string title;
    PrintFont font;
    int linesPerPage = 0;
    std::vector<std::vector<PrintedLine>> pages;
};

} // namespace vak1
