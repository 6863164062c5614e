// The spreadsheet back end without a spreadsheet program to drive: each finished workbook
// is written as an .xlsx file into the temporary folder and opened with the desktop's
// program for it; column 1 is read back from an .xlsx or .ods file the user chooses.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/Spreadsheet.h"

namespace vak1 {

class Launcher;

class FileSpreadsheet : public Spreadsheet {
  public:
    // folder gives the temporary folder (ending with "/") at the time a workbook is written.
    FileSpreadsheet(Launcher* launcher, std::function<std::string()> folder)
        : launcher_(launcher), folder_(std::move(folder)) {}

    bool Connect() override;
    bool Connected() const override { return connected_; }
    void Show() override { visible_ = true; }
    void NewWorkbook() override;
    void SetCell(int row, int column, const std::string& text) override;
    void OpenText(const std::string& path) override;
    bool Flush() override;
    bool ReadsOpenWorkbook() const override { return false; }
    bool ReadColumn1(const std::string& file, std::vector<std::string>& cells,
                     std::string& error) override;

    // The workbook file written last; empty before the first.
    const std::string& LastFile() const { return last_; }

  private:
    struct Cell {
        std::string text;
        bool number = false;
    };
    Launcher* launcher_;
    std::function<std::string()> folder_;
    std::map<std::pair<int, int>, Cell> cells_;
    bool connected_ = false;
    bool visible_ = false;
    bool changed_ = false;
    int written_ = 0;
    std::string last_;
};

} // namespace vak1
