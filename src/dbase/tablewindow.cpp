// The table window's operations and the model its grid and navigator work on.
#include "dbase/tablewindow.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Launcher.h"
#include "platform/Ui.h"
#include "report/texttable.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/installation.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

const DialogContext& D(const TableContext& ctx) {
    return ctx.out.dialogs;
}

// The folder of a path, with its "/"; empty for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    return path.substr(FolderOf(path).size());
}

std::string BaseOf(const std::string& path) {
    const std::string name = NameOf(path);
    return name.substr(0, name.rfind('.'));
}

// Shows the engine's message of a failed operation.
void ShowTableError(const TableContext& ctx) {
    ShowError(D(ctx), ctx.w.Table.Error());
}

// The records of the table as the grid shows them.
class TableModel : public TableWindowModel {
  public:
    explicit TableModel(const TableContext& ctx) : ctx_(ctx), t_(ctx.w.Table) {}

    std::string Caption() const override {
        return DisplayText(D(ctx_).style, TableCaption(ctx_.w, ctx_.w.Mode));
    }
    bool BrowseOnly() const override { return ctx_.w.Mode == kTableBrowse; }
    bool SelectAndClose() const override { return ctx_.w.SelectAndClose; }
    int Rows() const override { return t_.ViewCount(); }
    int Columns() const override { return t_.FieldCount(); }
    std::string ColumnTitle(int c) const override { return FieldText(t_.Field(c).name); }
    int ColumnLength(int c) const override { return t_.Field(c).length; }
    bool LogicalColumn(int c) const override { return t_.Field(c).type == 'L'; }
    std::string Cell(int row, int c) const override {
        return FieldText(t_.FieldText(t_.ViewRecord(row), c));
    }
    bool RowDeleted(int row) const override { return t_.Deleted(t_.ViewRecord(row)); }
    bool SetCell(int row, int c, const std::string& text) override {
        if (BrowseOnly()) return false;
        const int rec = t_.ViewRecord(row);
        if (rec != t_.RecNo() && !t_.Go(rec)) return Failed();
        if (!t_.SetFieldText(c, FieldValue(text)) || !t_.Post()) return Failed();
        return true;
    }
    int CurrentRow() const override { return t_.ViewRow(t_.RecNo()); }
    void SetCurrentRow(int row) override {
        if (row >= 0 && row < Rows() && !t_.Go(t_.ViewRecord(row))) Failed();
    }
    std::string RecordLabel() const override {
        return std::to_string(t_.RecNo()) + "/" + std::to_string(t_.RecordCount());
    }
    void SortByColumn(int c) override {
        if (!t_.Post()) Failed();
        t_.SortBy(c);
    }
    bool Run(TableCommand command) override;

  private:
    bool Failed() {
        ShowTableError(ctx_);
        return false;
    }
    void Move(int row) {
        if (Rows() > 0) SetCurrentRow(std::clamp(row, 0, Rows() - 1));
    }
    bool Editable() const { return !BrowseOnly(); }

    TableContext ctx_;
    DbfTable& t_;
};

bool TableModel::Run(TableCommand command) {
    using C = TableCommand;
    const bool editing = Editable();
    D(ctx_).AbortFlag = 0; // every command starts afresh, as a menu command does
    switch (command) {
    case C::First:
        Move(0);
        break;
    case C::Prior:
        Move(CurrentRow() - 1);
        break;
    case C::Next:
        Move(CurrentRow() + 1);
        break;
    case C::Last:
        Move(Rows() - 1);
        break;
    case C::Insert:
        if (editing && !t_.Append()) Failed();
        break;
    case C::Delete:
        if (editing && t_.RecNo() > 0 && !t_.SetDeleted(!t_.Deleted())) Failed();
        break;
    case C::Edit:
        if (editing && !t_.Edit()) Failed();
        break;
    case C::Post:
        if (!t_.Post()) Failed();
        break;
    case C::CancelEdit:
        t_.Cancel();
        break;
    case C::Refresh: {
        const int rec = t_.RecNo(), sort = t_.SortField();
        if (!t_.Post() || !t_.Open(ctx_.w.FileName)) return Failed();
        t_.ShowDeleted(editing);
        t_.SortBy(sort);
        GoToRecord(ctx_.w, rec);
        break;
    }
    case C::Search:
    case C::SearchAgain:
        SearchTable(ctx_, command == C::SearchAgain);
        return SelectAndClose();
    case C::ExportHtml:
        ExportTableHtml(ctx_);
        break;
    case C::SaveDelimited:
        SaveTableDelimited(ctx_);
        break;
    case C::AppendDbf:
        if (editing) AppendTableDbf(ctx_);
        break;
    case C::AppendDelimited:
        if (editing) AppendTableDelimited(ctx_);
        break;
    case C::Print:
        PrintTable(ctx_);
        break;
    case C::Pack:
        // Packing removes the marked records for good: it is asked first.
        if (editing &&
            AskQuestion(D(ctx_), kHelpNone, cp850("Markierte Datensätze endgültig löschen ?")))
            PackTable(ctx_);
        break;
    case C::HelpCommon:
        ShowHelp(ctx_.help, kHelpTableCommon, HelpMode::TextOnly);
        break;
    case C::HelpStructure:
        ShowHelp(ctx_.help, ctx_.w.TableHelp, HelpMode::TextOnly);
        break;
    case C::HelpPicture:
        ShowHelp(ctx_.help, ctx_.w.TableHelp, HelpMode::PictureOnly);
        break;
    case C::HelpFile:
        ShowInfo(D(ctx_), ctx_.w.FileName);
        break;
    }
    // A cancelled dialog of a command ends that command, not the window.
    D(ctx_).AbortFlag = 0;
    return false;
}

bool ReadOnlyAttribute(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) == 0;
}

} // namespace

// Creates a new "TEST*.$$$" in folder with one line: can the folder be written? The name is
// the probe's own, never an entry that was there (a link would lead the line elsewhere).
// The installation's data folder counts as read-only for everyone.
bool FolderWritable(const std::string& folder) {
    if (InsideInstalledData(FolderPath(folder) + "TEST.$$$")) return false;
    std::string test;
    const int fd = CreateUniqueFile(folder + "TEST", ".$$$", test);
    if (fd < 0) return false;
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        std::remove(test.c_str());
        return false;
    }
    const bool written = std::fputs("DBF Write Check\r\n", f) >= 0;
    const bool closed = std::fclose(f) == 0;
    std::remove(test.c_str());
    return written && closed;
}

bool OpenTable(const TableContext& ctx, const std::string& path) {
    TableWindow& w = ctx.w;
    w.FileName = path;
    if (!w.Table.Open(path)) {
        ShowTableError(ctx);
        D(ctx).AbortFlag = 1;
        return false;
    }
    return true;
}

bool OpenTableWithWriteCheck(const TableContext& ctx, std::string name) {
    if (NameOf(name).find('.') == std::string::npos) name += ".dbf";
    // A name with a folder (a table the user chose) stays where it is.
    const std::string folder =
        name.find('/') == std::string::npos ? FolderPath(ctx.out.settings.DbfDir) : FolderOf(name);
    std::string path = folder + NameOf(name);
    ctx.w.TempCopy = false;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
    } else {
        ShowError(D(ctx), "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !");
        D(ctx).AbortFlag = 1;
        return false;
    }
    if (!FolderWritable(folder) || ReadOnlyAttribute(path)) {
        const std::string copy = FolderPath(ctx.out.settings.TempDir) + NameOf(path);
        namespace fs = std::filesystem;
        std::error_code ec;
        if (fs::exists(copy, ec))
            fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);
        if (!ec) fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
        if (ec) {
            ShowError(D(ctx), copy + ": " + ec.message());
            D(ctx).AbortFlag = 1;
            return false;
        }
        path = copy;
        ctx.w.TempCopy = true;
    }
    return OpenTable(ctx, path);
}

void CloseTable(TableWindow& w) {
    w.Table.Close();
}

void SetTableTitles(TableWindow& w, std::string_view title1, std::string_view title2) {
    w.Title1 = title1;
    w.Title2 = title2;
}

void GoToRecord(TableWindow& w, int n) {
    if (n > w.Table.RecordCount() || n <= 0) n = 1;
    w.Table.Go(n);
}

void GoToRecordWithMessage(const TableContext& ctx, int n) {
    const int count = ctx.w.Table.RecordCount();
    if (n > count) {
        ShowInfo(D(ctx), "DBF #" + std::to_string(n) + " not found.");
        n = count;
    }
    GoToRecord(ctx.w, n);
}

std::string TableCaption(const TableWindow& w, int mode) {
    if (mode == kTableBrowse) return w.Title2 + "   " + w.Title1;
    return w.Title2 + "  " + w.Title1 + "  (" + w.FileName + ")";
}

bool ShowTable(const TableContext& ctx, uint16_t help, int mode, std::string_view closeWord) {
    TableWindow& w = ctx.w;
    w.Mode = mode == kTableBrowse ? kTableBrowse : kTableEdit;
    w.SelectAndClose = closeWord == "CLOSE";
    w.TableHelp = help;
    w.Table.ShowDeleted(w.Mode != kTableBrowse);
    if (w.Mode != kTableBrowse && w.TempCopy)
        ShowInfo(D(ctx),
                 cp850("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."));
    TableModel model(ctx);
    model.topRow = w.TopRow;
    model.column = w.Column;
    const bool ok = DialogUi(D(ctx), help).TableWindowDialog(model);
    if (ok && w.Table.Post()) {
        w.LastRecord = w.Table.RecNo();
        w.TopRow = model.topRow;
        w.Column = model.column;
        D(ctx).AbortFlag = 0;
        return true;
    }
    if (ok) ShowTableError(ctx);
    w.Table.Cancel();
    D(ctx).AbortFlag = 1;
    return false;
}

void SearchTable(const TableContext& ctx, bool again) {
    TableWindow& w = ctx.w;
    if (!again || w.SearchText.empty()) {
        std::string text = w.SearchText;
        InputText(D(ctx), kHelpTableSearch, "Suchbegriff eingeben", kSearchTextLength, text);
        if (D(ctx).AbortFlag) return;
        w.SearchText = text;
        again = false;
    }
    if (!w.Table.Search(w.SearchText, again)) {
        if (!w.Table.Error().empty() && w.Table.Editing()) ShowTableError(ctx);
        ShowInfo(D(ctx), w.SearchText + " nicht gefunden");
    }
}

std::vector<std::string> TableHtmlLines(const TableWindow& w, const std::string& path,
                                        const std::string& date, const std::string& time) {
    auto html = [](std::string_view text) { return HtmlEscape(Cp850ToUtf8(text)); };
    std::string upper = path;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::vector<std::string> lines = {
        "<HTML>",
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"><title>" +
            html(NameOf(path)) + "</title></head>",
        "<BODY BGCOLOR=\"C0C0C0\">",
        "<P>" + std::string(kProgramName) + " V" + kVersion + "</P>",
        "<P>" + html(upper) + "</P>",
        "<P>" + date + " - " + time + "</P>",
        "<HR>",
        "<TABLE BORDER = \"1\" WIDTH= \"100%\">"};
    const DbfTable& t = w.Table;
    std::string titles = "<TR>";
    for (int f = 0; f < t.FieldCount(); ++f)
        titles += "<TD><CENTER>" + html(t.Field(f).name) + "</CENTER></TD>";
    lines.push_back(titles + "</TR>");
    for (int row = 0; row < t.ViewCount(); ++row) {
        std::string line = "<TR>";
        for (int f = 0; f < t.FieldCount(); ++f)
            line += "<TD>" + html(t.FieldText(t.ViewRecord(row), f)) + "</TD>";
        lines.push_back(line + "</TR>");
    }
    for (const char* end : {"</TABLE>", "</BODY>", "</HTML>"})
        lines.push_back(end);
    return lines;
}

void ExportTableHtml(const TableContext& ctx) {
    TableWindow& w = ctx.w;
    std::string path;
    if (!DialogUi(D(ctx), kHelpNone)
             .SaveFileDialog("HTML files|*.HTM;*.HTML|All files|*.*", FolderOf(w.FileName),
                             BaseOf(w.FileName) + ".htm", path))
        return;
    // The page never replaces the table it shows.
    std::error_code ec;
    if (std::filesystem::equivalent(path, w.FileName, ec)) {
        ShowError(D(ctx), path + cp850(": die Tabelle selbst kann nicht überschrieben werden"));
        return;
    }
    if (!w.Table.Post()) return ShowTableError(ctx);
    TextFileWriter out;
    if (out.Open(path))
        for (const std::string& line :
             TableHtmlLines(w, path, HeaderDate(ctx.out), HeaderTime(ctx.out)))
            out.WriteLine(line);
    if (!out.Commit()) return ReportWriteError(D(ctx), out);
    const std::string& browser = ctx.out.settings.HtmlBrowser;
    Launcher* launcher = ctx.out.env.launcher;
    if (browser.empty()) return;
    if (launcher && launcher->Exists(browser) &&
        !launcher->MayStart(CommandText(browser, {path}), NamedBy::SettingsFile))
        return;
    if (!launcher || !launcher->Exists(browser) || !launcher->Start(browser, {path}))
        ShowError(D(ctx), browser + " not found");
}

void SaveTableDelimited(const TableContext& ctx) {
    TableWindow& w = ctx.w;
    std::string path;
    if (!DialogUi(D(ctx), kHelpNone)
             .SaveFileDialog("txt|*.txt|All files|*.*", FolderOf(w.FileName),
                             BaseOf(w.FileName) + ".txt", path))
        return;
    if (!w.Table.CopyToDelimited(path)) ShowTableError(ctx);
}

namespace {

void AppendFrom(const TableContext& ctx, const char* filter, bool dbf) {
    TableWindow& w = ctx.w;
    std::string path;
    if (!DialogUi(D(ctx), kHelpNone).OpenFileDialog(filter, FolderOf(w.FileName), path)) return;
    const int n = dbf ? w.Table.AppendFromDbf(path) : w.Table.AppendFromDelimited(path);
    if (n < 0) ShowTableError(ctx);
}

} // namespace

void AppendTableDbf(const TableContext& ctx) {
    AppendFrom(ctx, "*.dbf|*.dbf", true);
}

void AppendTableDelimited(const TableContext& ctx) {
    AppendFrom(ctx, "*.txt|*.txt", false);
}

void PackTable(const TableContext& ctx) {
    if (!ctx.w.Table.Pack()) ShowTableError(ctx);
}

void PrintTable(const TableContext& ctx) {
    TableWindow& w = ctx.w;
    DbfTable& t = w.Table;
    if (!t.Post()) return ShowTableError(ctx);
    SetHeader(ctx.out, {"", w.Title1, TableCaption(w, w.Mode), w.FileName, ""}, 0);
    OutputOpen(ctx.out, 0);
    if (D(ctx).AbortFlag) return;
    PageHeader(ctx.out);
    std::array<int, kTableColumns> widths{};
    std::array<std::string, kTableColumns> titles{};
    const int columns = std::min<int>(t.FieldCount(), kTableColumns);
    for (int f = 0; f < columns; ++f) {
        widths[f] = t.Field(f).length + 1;
        titles[f] = t.Field(f).name;
    }
    TTextTable table(ctx.out);
    table.Init(widths, titles);
    for (int row = 0; row < t.ViewCount(); ++row) {
        std::array<std::string, kTableColumns> cells{};
        for (int f = 0; f < columns; ++f)
            cells[f] = t.FieldText(t.ViewRecord(row), f);
        table.AddRow(cells);
    }
    table.Done();
    PageEnd(ctx.out);
    OutputClose(ctx.out);
}

} // namespace vak1
