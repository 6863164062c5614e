// The spreadsheet back end of an office program driven through UNO. The UNO calls run in a
// helper process (Python with the office's UNO bridge) that this class starts without a
// shell and talks to over two pipes, one request and one answer per line; nothing of the
// office is loaded into this program.
#pragma once
#include <cstdio>
#include <string>
#include <sys/types.h>

#include "platform/Spreadsheet.h"

namespace vak1 {

// The Python of the distribution, which has the office's UNO bridge; else the first
// "python3" on the search path (a Python of the user's own usually lacks the bridge).
std::string SystemPython();

struct UnoOptions {
    std::string python = SystemPython();
    std::string office = "soffice";
    // The office's connection, as its "--accept" option takes it (without ";urp;").
    std::string accept = "pipe,name=vak1office";
    // A profile folder for an office this back end starts (empty: the user's own profile).
    std::string profile;
    bool headless = false; // an office started here runs without windows
};

class UnoSpreadsheet : public Spreadsheet {
  public:
    explicit UnoSpreadsheet(UnoOptions options) : options_(std::move(options)) {}
    ~UnoSpreadsheet() override;
    UnoSpreadsheet(const UnoSpreadsheet&) = delete;
    UnoSpreadsheet& operator=(const UnoSpreadsheet&) = delete;

    bool Connect() override;
    bool Connected() const override { return connected_; }
    bool Reachable() override;
    void Show() override;
    void NewWorkbook() override;
    void SetCell(int row, int column, const std::string& text) override;
    void OpenText(const std::string& path) override;
    bool ReadsOpenWorkbook() const override { return true; }
    bool ReadColumn1(const std::string& file, std::vector<std::string>& cells,
                     std::string& error) override;

    // Whether the helper and the office can be started at all (both programs found).
    bool Installed() const;
    // The process id of the office the helper started at the last connection; 0 when it
    // connected to one already running.
    long OfficePid() const { return officePid_; }

  private:
    bool StartHelper();
    void StopHelper();
    // Sends one request; the answer's words after "ok", or false with the reason. An office
    // that has gone ends the connection, with kSpreadsheetGoneText as the reason.
    bool Ask(const std::string& request, std::string& answer);

    UnoOptions options_;
    pid_t helper_ = -1;
    std::FILE* to_ = nullptr;
    std::FILE* from_ = nullptr;
    bool connected_ = false;
    long officePid_ = 0;
};

} // namespace vak1
