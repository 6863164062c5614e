#include "dbase/printoutsets.h"

#include <cmath>
#include <filesystem>

#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

const char* const kTableName = "printout.dbf";

const DialogContext& D(const TableContext& ctx) {
    return ctx.out.dialogs;
}

// Opens the table from the first place that has it (with the write check); the message of a
// missing table names the first place.
bool OpenPrintoutTable(const TableContext& ctx, const PrintoutTablePlaces& places) {
    std::string path = FindPrintoutTable(places);
    if (path.empty())
        path = (places.folders.empty() ? std::string() : FolderPath(places.folders.front())) +
               kTableName;
    return OpenTableWithWriteCheck(ctx, path);
}

bool SameFolder(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::equivalent(FolderPath(a), FolderPath(b), ec);
}

// The table sets are stored in: the one found, unless it is the supplied one or its folder
// cannot be written; then a copy of it in the first user folder that can be written (an
// existing table there is taken as it is), else a copy in the temporary folder (temp is set).
// Empty when no table is found.
std::string WritablePrintoutTable(const TableContext& ctx, const PrintoutTablePlaces& places,
                                  bool& temp) {
    namespace fs = std::filesystem;
    temp = false;
    const std::string found = FindPrintoutTable(places);
    if (found.empty()) return {};
    const std::string folder = fs::path(found).parent_path().string() + "/";
    if (!SameFolder(folder, places.supplied) && FolderWritable(folder)) return found;
    const auto copy = [&](const std::string& dir) {
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!FolderWritable(dir)) return std::string();
        const std::string target = dir + kTableName;
        if (temp || !fs::exists(target, ec)) {
            fs::copy_file(found, target, fs::copy_options::overwrite_existing, ec);
            if (ec) return std::string();
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ec);
        }
        return target;
    };
    for (const std::string& user : places.userFolders)
        if (!user.empty())
            if (std::string target = copy(FolderPath(user)); !target.empty()) return target;
    temp = true;
    if (std::string target = copy(FolderPath(ctx.out.settings.TempDir)); !target.empty())
        return target;
    return found;
}

std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The number an edit field holds; an unreadable one is 0 (the dialog refuses bad scales).
long double Real(const std::string& text) {
    return ParseNumber(text).value;
}

} // namespace

std::string FindPrintoutTable(const PrintoutTablePlaces& places) {
    for (const std::string& folder : places.folders) {
        if (folder.empty()) continue;
        const std::string path = FolderPath(folder) + kTableName;
        if (FileExists(path)) return path;
    }
    return {};
}

void LoadPrintoutSet(const TableContext& ctx, const PrintoutTablePlaces& places, int& lastRecord,
                     PrintoutDialogData& data) {
    // The window edits the sets: the supplied table is changed in the user's copy of it.
    bool temp = false;
    const std::string path = WritablePrintoutTable(ctx, places, temp);
    if (path.empty() ? !OpenPrintoutTable(ctx, places) : !OpenTableWithWriteCheck(ctx, path))
        return;
    if (temp) ctx.w.TempCopy = true; // the window warns that changes stay in the copy
    TableWindow& w = ctx.w;
    SetTableTitles(w, "Printout", "");
    if (lastRecord > 0) GoToRecordWithMessage(ctx, lastRecord);
    if (ShowTable(ctx, kHelpPrintoutTable, kTableEdit, "") && w.Table.RecNo() > 0) {
        lastRecord = w.Table.RecNo();
        // Fields 2 to 5 by position: x and y scale, x and y origin.
        std::string* fields[] = {&data.xScale, &data.yScale, &data.xOrigin, &data.yOrigin};
        for (int i = 0; i < 4 && i + 1 < w.Table.FieldCount(); ++i)
            *fields[i] = Cp850ToUtf8(w.Table.FieldText(i + 1));
        data.landscape = w.Table.LogicalField("landscape");
        data.monochrome = w.Table.LogicalField("monochrom");
        data.fit = w.Table.LogicalField("variable");
        data.border = w.Table.LogicalField("borderline");
    }
    CloseTable(w);
    D(ctx).AbortFlag = 0;
}

void StorePrintoutSet(const TableContext& ctx, const PrintoutTablePlaces& places,
                      const PrintoutDialogData& data) {
    const DialogContext& d = D(ctx);
    std::string name;
    InputText(d, kHelpPrintoutTable, "Name", kPrintoutNameLength, name);
    name = Trimmed(name);
    if (d.AbortFlag || name.empty()) {
        d.AbortFlag = 0;
        return;
    }
    bool temp = false;
    const std::string path = WritablePrintoutTable(ctx, places, temp);
    if (path.empty() ? !OpenPrintoutTable(ctx, places) : !OpenTableWithWriteCheck(ctx, path))
        return;
    DbfTable& t = ctx.w.Table;
    int record = 0;
    for (int r = 1; r <= t.RecordCount() && !record; ++r)
        if (!t.Deleted(r) && Trimmed(t.FieldText(r, t.FieldIndex("name"))) == name) record = r;
    bool ok = true;
    if (record) {
        if (!AskQuestion(d, kHelpPrintoutTable, name + cp850(" ersetzen ?"))) {
            CloseTable(ctx.w);
            return;
        }
        ok = t.Go(record) && t.Edit();
    } else {
        ok = t.Append();
    }
    ok = ok && t.ReplaceString("name", name) && t.ReplaceReal("xscale", Real(data.xScale)) &&
         t.ReplaceReal("yscale", Real(data.yScale)) &&
         t.ReplaceInteger("xorigin", std::lround(static_cast<double>(Real(data.xOrigin)))) &&
         t.ReplaceInteger("yorigin", std::lround(static_cast<double>(Real(data.yOrigin)))) &&
         t.ReplaceLogical("landscape", data.landscape) &&
         t.ReplaceLogical("monochrom", data.monochrome) && t.ReplaceLogical("variable", data.fit) &&
         t.ReplaceLogical("borderline", data.border) && t.Post();
    if (!ok) {
        ShowError(d, t.Error());
        t.Cancel();
    } else if (temp || ctx.w.TempCopy) {
        // The copy is never read again: the set is lost when the program ends.
        ShowInfo(d, cp850("Kein beschreibbarer Ordner für printout.dbf: \"") + name +
                        cp850("\" steht nur in der temporären Kopie ") + ctx.w.FileName +
                        cp850(" und geht beim Beenden verloren."));
    }
    CloseTable(ctx.w);
}

} // namespace vak1
