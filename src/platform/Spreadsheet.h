// A spreadsheet program the commands hand cells to: connect (or start it), show it, make a
// new workbook, set cell texts, open a text file as a workbook, and read column 1 back.
// Texts cross this interface in UTF-8; rows and columns count from 1.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

// What the exchange says when the spreadsheet program it was connected to has gone.
inline constexpr const char* kSpreadsheetGoneText =
    "Die Tabellenkalkulation ist nicht mehr erreichbar";

class Spreadsheet {
  public:
    virtual ~Spreadsheet() = default;
    // Connects to a running spreadsheet program or starts one; false when none can be used.
    virtual bool Connect() = 0;
    virtual bool Connected() const = 0;
    // Whether the connection still answers: a program the user has closed since does not
    // (Connected() is false afterwards).
    virtual bool Reachable() { return Connected(); }
    // The program's window is shown (a back end without a window shows its workbooks when
    // they are finished).
    virtual void Show() = 0;
    virtual void NewWorkbook() = 0;
    virtual void SetCell(int row, int column, const std::string& text) = 0;
    // Opens a tab-separated text file (UTF-8) as a new workbook; numbers become numbers.
    virtual void OpenText(const std::string& path) = 0;
    // The calls of one command are over: a back end that works on files writes the workbook
    // and opens it now. False when that failed.
    virtual bool Flush() { return true; }
    // True when ReadColumn1 reads the workbook open in the program; false when it reads a
    // workbook file the user chooses (.xlsx or .ods).
    virtual bool ReadsOpenWorkbook() const = 0;
    // The texts of column 1 of the first sheet, from row 1 to the last filled row (an empty
    // cell in between gives an empty text). False, with a reason, when nothing could be read.
    virtual bool ReadColumn1(const std::string& file, std::vector<std::string>& cells,
                             std::string& error) = 0;
};

} // namespace vak1
