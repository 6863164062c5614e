#include "sheet/sheets.h"

#include <cstdlib>
#include <string_view>

#include "sheet/FileSpreadsheet.h"
#include "sheet/UnoSpreadsheet.h"

namespace vak1 {
namespace {

// The office program when it can be connected or started, else the workbook files. The
// choice is made at each connection; the calls after it go to the one that connected.
class FirstWorking : public Spreadsheet {
  public:
    FirstWorking(std::unique_ptr<Spreadsheet> first, std::unique_ptr<Spreadsheet> second)
        : first_(std::move(first)), second_(std::move(second)), current_(second_.get()) {}
    bool Connect() override {
        current_ = first_.get();
        if (first_->Connect()) return true;
        current_ = second_.get();
        return second_->Connect();
    }
    bool Connected() const override { return current_->Connected(); }
    bool Reachable() override { return current_->Reachable(); }
    void Show() override { current_->Show(); }
    void NewWorkbook() override { current_->NewWorkbook(); }
    void SetCell(int row, int column, const std::string& text) override {
        current_->SetCell(row, column, text);
    }
    void OpenText(const std::string& path) override { current_->OpenText(path); }
    bool Flush() override { return current_->Flush(); }
    bool ReadsOpenWorkbook() const override { return current_->ReadsOpenWorkbook(); }
    bool ReadColumn1(const std::string& file, std::vector<std::string>& cells,
                     std::string& error) override {
        return current_->ReadColumn1(file, cells, error);
    }

  private:
    std::unique_ptr<Spreadsheet> first_, second_;
    Spreadsheet* current_;
};

} // namespace

std::unique_ptr<Spreadsheet> MakeSpreadsheet(Launcher* launcher,
                                             std::function<std::string()> tempFolder) {
    const char* choice = std::getenv("VAK1_SPREADSHEET");
    const std::string_view which = choice ? choice : "";
    auto files = std::make_unique<FileSpreadsheet>(launcher, std::move(tempFolder));
    if (which == "file") return files;
    auto office = std::make_unique<UnoSpreadsheet>(UnoOptions{});
    if (which == "uno") return office;
    return std::make_unique<FirstWorking>(std::move(office), std::move(files));
}

} // namespace vak1
