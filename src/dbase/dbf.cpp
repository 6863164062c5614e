// The dBase engine on shapelib. The records are held in memory as raw dBase records (the
// deletion byte, then the fields as stored); every posted change is written at once.
#include "dbase/dbf.h"

#include <shapefil.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/cp850.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

DBFHandle H(void* h) {
    return static_cast<DBFHandle>(h);
}

// Language driver ids: 0x02 is code page 850; the Windows ANSI drivers are 1252.
constexpr const char* kCodePage850 = "LDID/2";

DbfCodePage CodePageOf(const char* name) {
    if (!name) return DbfCodePage::Cp850;
    const std::string n = name;
    if (n == "LDID/3" || n == "LDID/87" || n == "LDID/88" || n == "LDID/89" || n == "1252" ||
        n == "ANSI 1252" || n == "CP1252")
        return DbfCodePage::Win1252;
    if (n == "UTF-8" || n == "UTF8") return DbfCodePage::Utf8;
    return DbfCodePage::Cp850;
}

std::string FromTable(DbfCodePage cp, std::string_view text) {
    switch (cp) {
    case DbfCodePage::Win1252:
        return cp850(Win1252ToUtf8(text));
    case DbfCodePage::Utf8:
        return cp850(text);
    default:
        return std::string(text);
    }
}

std::string ToTable(DbfCodePage cp, std::string_view text) {
    switch (cp) {
    case DbfCodePage::Win1252:
        return Utf8ToWin1252(Cp850ToUtf8(text));
    case DbfCodePage::Utf8:
        return Cp850ToUtf8(text);
    default:
        return std::string(text);
    }
}

std::string Trim(std::string_view s, bool left) {
    std::size_t b = 0, e = s.size();
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\0'))
        --e;
    while (left && b < e && s[b] == ' ')
        ++b;
    return std::string(s.substr(b, e - b));
}

// Upper case for searching: ASCII and the German letters of code page 850.
unsigned char Fold(unsigned char c) {
    switch (c) {
    case 0x84:
        return 0x8E; // ä
    case 0x94:
        return 0x99; // ö
    case 0x81:
        return 0x9A; // ü
    default:
        return c < 128 ? static_cast<unsigned char>(std::toupper(c)) : c;
    }
}

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
    return out;
}

bool IsNumeric(char type) {
    return type == 'N' || type == 'F';
}

std::string ShortName(std::string_view name) {
    return Folded(name.substr(0, 10));
}

} // namespace

DbfTable::~DbfTable() {
    Close();
}

bool DbfTable::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool DbfTable::Create(const std::string& path, const std::vector<DbfField>& fields,
                      std::string& error) {
    DBFHandle h = DBFCreateEx(path.c_str(), kCodePage850);
    if (!h) {
        error = path + ": Tabelle kann nicht angelegt werden";
        return false;
    }
    for (const DbfField& f : fields) {
        if (DBFAddNativeFieldType(h, f.name.substr(0, 10).c_str(), f.type, f.length, f.decimals) <
            0) {
            DBFClose(h);
            error = path + ": Feld " + f.name + " ungültig";
            return false;
        }
    }
    DBFClose(h);
    return true;
}

bool DbfTable::Open(const std::string& path) {
    Close();
    error_.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return Fail(path + cp850(" nicht gefunden"));
    // shapelib puts ".dbf" in place of any other extension: refuse rather than open another
    // file than the one named.
    const std::size_t dot = path.rfind('.');
    const std::string ext = dot == std::string::npos ? "" : path.substr(dot);
    if (ext != ".dbf" && ext != ".DBF") return Fail(path + ": keine dBase-Tabelle (.dbf)");
    // The read-only attribute: no write bit at all (the owner may be allowed anyway).
    readOnly_ = (st.st_mode & 0222) == 0;
    DBFHandle h = readOnly_ ? nullptr : DBFOpen(path.c_str(), "rb+");
    if (!h) {
        h = DBFOpen(path.c_str(), "rb");
        readOnly_ = true;
    }
    if (!h) return Fail(path + cp850(" ist keine lesbare dBase-Tabelle"));
    handle_ = h;
    path_ = path;
    codePage_ = CodePageOf(DBFGetCodePage(h));
    if (!ReadAll()) {
        const std::string message = error_;
        Close();
        return Fail(message);
    }
    current_ = records_.empty() ? 0 : 1;
    sortField_ = -1;
    RebuildView();
    return true;
}

bool DbfTable::ReadAll() {
    DBFHandle h = H(handle_);
    fields_.clear();
    offsets_.clear();
    int offset = 1;
    for (int i = 0; i < DBFGetFieldCount(h); ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0, decimals = 0;
        DBFGetFieldInfo(h, i, name, &width, &decimals);
        fields_.push_back({name, DBFGetNativeFieldType(h, i), width, decimals});
        offsets_.push_back(offset);
        offset += width;
    }
    // The record length of the header: one too short for the fields is no table; a longer one
    // keeps its extra bytes, as shapelib reads and writes whole records of that length.
    if (h->nRecordLength < offset)
        return Fail(path_ + cp850(": Satzlänge ") + std::to_string(h->nRecordLength) +
                    cp850(" zu kurz für die Felder (") + std::to_string(offset) + ")");
    recordLength_ = h->nRecordLength;
    records_.clear();
    // The header may claim more records than the file holds; reading stops at the first one
    // missing, so no more is reserved than the file can hold.
    const int n = DBFGetRecordCount(h);
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(path_, ec);
    const std::uintmax_t fit = ec ? 0 : bytes / static_cast<std::uintmax_t>(recordLength_);
    records_.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(std::max(n, 0), fit)));
    for (int i = 0; i < n; ++i) {
        const char* raw = DBFReadTuple(h, i);
        if (!raw) return Fail(path_ + ": Datensatz " + std::to_string(i + 1) + " nicht lesbar");
        records_.emplace_back(raw, recordLength_);
    }
    return true;
}

void DbfTable::Close() {
    if (!handle_) return;
    Post();
    DBFClose(H(handle_));
    handle_ = nullptr;
    records_.clear();
    fields_.clear();
    view_.clear();
    current_ = 0;
    editing_ = appending_ = false;
}

bool DbfTable::Go(int n) {
    if (!Post()) return false;
    if (n < 1 || n > RecordCount()) return Fail("DBF #" + std::to_string(n) + " not found.");
    current_ = n;
    return true;
}

int DbfTable::FieldIndex(std::string_view name) const {
    const std::string wanted = ShortName(name);
    for (int i = 0; i < FieldCount(); ++i)
        if (ShortName(fields_[i].name) == wanted) return i;
    return -1;
}

std::string DbfTable::Raw(const Record& r, int field) const {
    return r.substr(offsets_[field], fields_[field].length);
}

std::string DbfTable::FieldText(int record, int field) const {
    if (record < 1 || record > RecordCount() || field < 0 || field >= FieldCount()) return {};
    const Record& r = editing_ && record == current_ ? pending_ : records_[record - 1];
    const std::string raw = Raw(r, field);
    if (fields_[field].type == 'C') return FromTable(codePage_, Trim(raw, false));
    return Trim(raw, true);
}

std::string DbfTable::FieldText(int field) const {
    return FieldText(current_, field);
}

std::string DbfTable::FieldText(std::string_view name) const {
    return FieldText(FieldIndex(name));
}

bool DbfTable::LogicalField(std::string_view name) const {
    const std::string t = FieldText(name);
    return !t.empty() && std::strchr("TtYyJj", t[0]) != nullptr;
}

bool DbfTable::Writable() {
    if (!handle_) return Fail("Keine Tabelle offen");
    if (readOnly_) return Fail(path_ + cp850(": kein Schreibrecht"));
    return true;
}

bool DbfTable::StartEdit() {
    if (!Writable()) return false;
    if (editing_) return true;
    if (records_.empty()) return Append();
    if (current_ < 1) current_ = 1;
    pending_ = records_[current_ - 1];
    editing_ = true;
    appending_ = false;
    return true;
}

bool DbfTable::Edit() {
    return StartEdit();
}

bool DbfTable::Encode(int field, std::string_view text, std::string& raw) {
    const DbfField& f = fields_[field];
    const std::size_t width = static_cast<std::size_t>(f.length);
    std::string value;
    switch (f.type) {
    case 'N':
    case 'F': {
        const std::string t = Trim(text, true);
        if (!t.empty()) {
            const ParsedNumber n = ParseNumber(t);
            if (!n.valid) return Fail(f.name + ": \"" + t + "\" ist keine Zahl");
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.*Lf", f.decimals, n.value);
            value = buf;
            // No "-0.00" for a negative value that rounds to zero.
            if (value[0] == '-' && value.find_first_not_of("-0.") == std::string::npos)
                value.erase(0, 1);
        }
        if (value.size() > width)
            return Fail(f.name + ": " + t + cp850(" passt nicht in das Feld"));
        raw = std::string(width - value.size(), ' ') + value;
        return true;
    }
    case 'L': {
        const std::string t = Trim(text, true);
        if (t.empty() || t == "?")
            value = "?";
        else if (std::strchr("TtYyJj1", t[0]))
            value = "T";
        else if (std::strchr("FfNn0", t[0]))
            value = "F";
        else
            return Fail(f.name + ": \"" + t + "\" ist kein logischer Wert");
        break;
    }
    case 'D': {
        value = Trim(text, true);
        const bool digits =
            std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!value.empty() && (value.size() != 8 || !digits))
            return Fail(f.name + ": \"" + value + "\" ist kein Datum (JJJJMMTT)");
        break;
    }
    default:
        value = f.type == 'C' ? ToTable(codePage_, text) : std::string(text);
    }
    if (value.size() > width)
        return Fail(f.name + ": Text zu lang (" + std::to_string(width) + ")");
    raw = value + std::string(width - value.size(), ' ');
    return true;
}

bool DbfTable::PutField(Record& r, int field, std::string_view text) {
    std::string raw;
    if (!Encode(field, text, raw)) return false;
    r.replace(offsets_[field], raw.size(), raw);
    return true;
}

bool DbfTable::SetFieldText(int field, std::string_view text) {
    if (field < 0 || field >= FieldCount()) return Fail("Feld fehlt");
    std::string raw;
    if (!Encode(field, text, raw) || !StartEdit()) return false;
    pending_.replace(offsets_[field], raw.size(), raw);
    return true;
}

bool DbfTable::ReplaceString(std::string_view name, std::string_view text) {
    const int i = FieldIndex(name);
    if (i < 0) return Fail("Feld " + std::string(name) + " fehlt");
    return SetFieldText(i, text);
}

bool DbfTable::ReplaceReal(std::string_view name, long double value) {
    char buf[64];
    const int i = FieldIndex(name);
    std::snprintf(buf, sizeof buf, "%.*Lf", i >= 0 ? fields_[i].decimals : 0, value);
    return ReplaceString(name, buf);
}

bool DbfTable::ReplaceInteger(std::string_view name, long value) {
    return ReplaceString(name, std::to_string(value));
}

bool DbfTable::ReplaceLogical(std::string_view name, bool value) {
    return ReplaceString(name, value ? "T" : "F");
}

bool DbfTable::WriteRecord(int record) {
    DBFHandle h = H(handle_);
    // shapelib does not see a write that fails when its buffer goes to the disk, and then
    // writes a header it could not read back: a new record is looked for on the disk, and a
    // table that could not take it is put back as it was.
    const bool grows = record > DBFGetRecordCount(h);
    const Tail before = grows ? TailOf() : Tail{};
    Record& r = records_[record - 1];
    bool ok = DBFWriteTuple(h, record - 1, r.data());
    if (ok) {
        // Writes the record and the header with the record count now, for other readers.
        DBFUpdateHeader(h);
        struct stat st {};
        ok = !grows || (::stat(path_.c_str(), &st) == 0 &&
                        st.st_size >= static_cast<off_t>(h->nHeaderLength) +
                                          static_cast<off_t>(DBFGetRecordCount(h)) * recordLength_);
    }
    if (!ok) {
        PutBack(before);
        return Fail(path_ + ": Schreibfehler");
    }
    return true;
}

DbfTable::Tail DbfTable::TailOf() const {
    Tail t;
    std::FILE* f = std::fopen(path_.c_str(), "rb");
    if (!f) return t;
    char head[32];
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && st.st_size > 0 &&
        std::fread(head, 1, sizeof head, f) == sizeof head &&
        std::fseek(f, static_cast<long>(st.st_size - 1), SEEK_SET) == 0) {
        const int last = std::fgetc(f);
        if (last != EOF) {
            t.size = st.st_size;
            t.head.assign(head, sizeof head);
            t.last = static_cast<char>(last);
        }
    }
    std::fclose(f);
    return t;
}

bool DbfTable::PutBack(const Tail& t) {
    if (t.size < 0) return false;
    DBFClose(H(handle_)); // which may write its header once more: it is put back below
    handle_ = nullptr;
    struct stat st {};
    const bool longer = ::stat(path_.c_str(), &st) == 0 && st.st_size > t.size;
    bool ok = !longer || ::truncate(path_.c_str(), static_cast<off_t>(t.size)) == 0;
    if (std::FILE* f = std::fopen(path_.c_str(), "rb+")) {
        ok = std::fwrite(t.head.data(), 1, t.head.size(), f) == t.head.size() && ok;
        // Only a changed end mark is written again: the bytes beyond a full disk's end
        // may not take even one.
        if (std::fseek(f, static_cast<long>(t.size - 1), SEEK_SET) == 0 &&
            std::fgetc(f) != t.last && std::fseek(f, static_cast<long>(t.size - 1), SEEK_SET) == 0)
            ok = std::fputc(t.last, f) != EOF && ok;
        ok = std::fclose(f) == 0 && ok;
    } else {
        ok = false;
    }
    handle_ = DBFOpen(path_.c_str(), "rb+");
    return ok && handle_;
}

bool DbfTable::Post() {
    if (!editing_) return true;
    const Record before = records_[current_ - 1];
    records_[current_ - 1] = pending_;
    if (!WriteRecord(current_)) {
        records_[current_ - 1] = before;
        return false;
    }
    editing_ = appending_ = false;
    RebuildView();
    return true;
}

void DbfTable::Cancel() {
    if (!editing_) return;
    if (appending_) {
        records_.pop_back();
        current_ = RecordCount();
        RebuildView();
    }
    editing_ = appending_ = false;
}

bool DbfTable::Append() {
    if (!Writable() || !Post()) return false;
    records_.push_back(Record(recordLength_, ' '));
    current_ = RecordCount();
    pending_ = records_.back();
    editing_ = appending_ = true;
    RebuildView();
    return true;
}

bool DbfTable::Deleted(int record) const {
    return record >= 1 && record <= RecordCount() && records_[record - 1][0] == '*';
}

bool DbfTable::SetDeleted(bool deleted) {
    if (current_ < 1 || !Writable() || !Post()) return false;
    Record& r = records_[current_ - 1];
    const char before = r[0];
    r[0] = deleted ? '*' : ' ';
    if (!WriteRecord(current_)) {
        r[0] = before;
        return false;
    }
    RebuildView();
    return true;
}

bool DbfTable::Pack() {
    if (!Writable() || !Post()) return false;
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
    // The packed table is the table's own header (fields, record length and language driver
    // as they stand, the record count set) followed by the kept records; written here, not
    // through shapelib's clone, which fails on headers it reads well enough.
    const DBFHandle h = H(handle_);
    std::string header(static_cast<std::size_t>(std::max(h->nHeaderLength, 0)), '\0');
    std::FILE* in = std::fopen(path_.c_str(), "rb");
    const bool haveHeader = in && header.size() >= 12 &&
                            std::fread(header.data(), 1, header.size(), in) == header.size();
    if (in) std::fclose(in);
    if (!haveHeader) return Fail(path_ + ": Kopf nicht lesbar");
    // A new file of its own: a fixed name could be a link someone planted in the folder.
    std::string temp;
    const int fd = CreateUniqueFile(folder + "$pack$", ".dbf", temp);
    if (fd < 0) return Fail(folder + "$pack$.dbf: Datei kann nicht angelegt werden");
    struct stat st {};
    ::fchmod(fd, ::stat(path_.c_str(), &st) == 0 ? st.st_mode & 07777 : NewFileMode());
    std::string body;
    int kept = 0, newCurrent = 0;
    for (int i = 1; i <= RecordCount(); ++i) {
        if (Deleted(i)) continue;
        body += records_[i - 1];
        ++kept;
        if (i <= current_) newCurrent = kept;
    }
    body += '\x1a';
    for (int b = 0; b < 4; ++b)
        header[4 + b] = static_cast<char>(static_cast<unsigned>(kept) >> (8 * b) & 0xFF);
    const std::string file = header + body;
    std::size_t done = 0;
    while (done < file.size()) {
        const ssize_t n = ::write(fd, file.data() + done, file.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    // The new file must be on the disk before it takes the table's name.
    bool ok = done == file.size() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        std::remove(temp.c_str());
        return Fail(temp + ": Schreibfehler");
    }
    const std::string path = path_;
    const int sort = sortField_;
    const bool showDeleted = showDeleted_;
    DBFClose(H(handle_));
    handle_ = nullptr;
    const bool renamed = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!renamed) std::remove(temp.c_str());
    if (!Open(path)) return false;
    showDeleted_ = showDeleted;
    current_ = std::min(std::max(newCurrent, RecordCount() > 0 ? 1 : 0), RecordCount());
    SortBy(sort);
    if (!renamed) return Fail(path + ": Tabelle kann nicht ersetzt werden");
    return true;
}

void DbfTable::ShowDeleted(bool show) {
    showDeleted_ = show;
    RebuildView();
}

void DbfTable::SortBy(int field) {
    sortField_ = field >= 0 && field < FieldCount() ? field : -1;
    RebuildView();
}

void DbfTable::RebuildView() {
    view_.clear();
    for (int i = 1; i <= RecordCount(); ++i)
        if (showDeleted_ || !Deleted(i)) view_.push_back(i);
    if (sortField_ < 0) return;
    const int f = sortField_;
    if (IsNumeric(fields_[f].type)) {
        auto value = [&](int rec) {
            const ParsedNumber n = ParseNumber(FieldText(rec, f));
            return n.valid ? n.value : -1e300L;
        };
        std::stable_sort(view_.begin(), view_.end(),
                         [&](int a, int b) { return value(a) < value(b); });
    } else {
        std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
            return Raw(records_[a - 1], f) < Raw(records_[b - 1], f);
        });
    }
}

int DbfTable::ViewRow(int record) const {
    const auto it = std::find(view_.begin(), view_.end(), record);
    return it == view_.end() ? -1 : static_cast<int>(it - view_.begin());
}

bool DbfTable::Search(std::string_view text, bool fromCurrent) {
    if (!Post()) return false;
    const std::string wanted = Folded(text);
    int row = 0;
    if (fromCurrent) {
        const int at = ViewRow(current_);
        row = at + 1;
    }
    for (; row < ViewCount(); ++row) {
        const int rec = view_[row];
        for (int f = 0; f < FieldCount(); ++f) {
            if (Folded(FieldText(rec, f)).find(wanted) != std::string::npos) {
                current_ = rec;
                return true;
            }
        }
    }
    return false;
}

std::vector<std::string> SplitDelimited(std::string_view line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        std::string cell;
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i++];
            }
            while (i < line.size() && line[i] != ',')
                ++i;
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            cell = Trim(line.substr(i, comma - i), true);
            i = comma;
        }
        out.push_back(cell);
        if (i >= line.size()) break;
        ++i; // the comma
    }
    return out;
}

int DbfTable::AppendFromDbf(const std::string& path) {
    if (!Writable() || !Post()) return -1;
    DbfTable source;
    if (!source.Open(path)) {
        Fail(source.Error());
        return -1;
    }
    std::vector<int> map(FieldCount(), -1);
    for (int f = 0; f < FieldCount(); ++f)
        map[f] = source.FieldIndex(fields_[f].name);
    std::vector<Record> added;
    for (int rec = 1; rec <= source.RecordCount(); ++rec) {
        if (source.Deleted(rec)) continue;
        Record r(recordLength_, ' ');
        for (int f = 0; f < FieldCount(); ++f) {
            if (map[f] < 0) continue;
            std::string text = source.FieldText(rec, map[f]);
            if (fields_[f].type == 'C' && text.size() > static_cast<std::size_t>(fields_[f].length))
                text.resize(fields_[f].length);
            if (!PutField(r, f, text)) {
                Fail(path + ", Satz " + std::to_string(rec) + ": " + error_);
                return -1;
            }
        }
        added.push_back(std::move(r));
    }
    return AppendRecords(added);
}

// Writes the checked records at the end of the table; the count, or -1 when a write fails.
int DbfTable::AppendRecords(std::vector<Record>& added) {
    const int count = static_cast<int>(added.size());
    const std::size_t kept = records_.size();
    const Tail before = TailOf();
    for (Record& r : added) {
        records_.push_back(std::move(r));
        if (!WriteRecord(RecordCount())) {
            PutBack(before); // the records written before it go too: all or nothing
            records_.resize(kept);
            current_ = std::min(current_, RecordCount());
            RebuildView();
            return -1;
        }
    }
    RebuildView();
    return count;
}

int DbfTable::AppendFromDelimited(const std::string& path) {
    if (!Writable() || !Post()) return -1;
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        Fail(path + cp850(" nicht gefunden oder nicht lesbar"));
        return -1;
    }
    std::vector<Record> added;
    int lineNo = 0;
    for (const std::string& line : lines) {
        ++lineNo;
        if (Trim(line, true).empty()) continue;
        const std::vector<std::string> cells = SplitDelimited(line);
        Record r(recordLength_, ' ');
        for (int f = 0; f < FieldCount() && f < static_cast<int>(cells.size()); ++f) {
            if (!PutField(r, f, cells[f])) {
                Fail(path + ", Zeile " + std::to_string(lineNo) + ": " + error_);
                return -1;
            }
        }
        added.push_back(std::move(r));
    }
    return AppendRecords(added);
}

bool DbfTable::CopyToDelimited(const std::string& path) {
    if (!handle_ || !Post()) return false;
    TextFileWriter out;
    if (!out.Open(path)) return Fail(path + ": Datei kann nicht angelegt werden");
    for (const int rec : view_) {
        if (Deleted(rec)) continue;
        std::string line;
        for (int f = 0; f < FieldCount(); ++f) {
            if (f > 0) line += ',';
            const std::string text = FieldText(rec, f);
            if (fields_[f].type == 'C') {
                line += '"';
                for (const char c : text)
                    line += c == '"' ? std::string("\"\"") : std::string(1, c);
                line += '"';
            } else {
                line += text;
            }
        }
        out.WriteLine(line);
    }
    if (!out.Commit()) return Fail(path + ": Schreibfehler");
    return true;
}

} // namespace vak1
