// The dBase engine: one dBase III/IV table read and written through shapelib's DBF
// functions. Texts in and out are code page 850; a table whose language driver names
// another code page is converted on reading and writing. Records are numbered from 1 as
// dBase numbers them; the view (the records a grid shows, in its order) may hide deleted
// records and may be sorted on one field.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vak1 {

struct DbfField {
    std::string name; // at most 10 characters
    char type = 'C';  // 'C' character, 'N'/'F' number, 'L' logical, 'D' date, others kept raw
    int length = 10;
    int decimals = 0;
};

// The code page a table's texts are stored in.
enum class DbfCodePage { Cp850, Win1252, Utf8 };

class DbfTable {
  public:
    DbfTable() = default;
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // A new empty table, marked as code page 850; an existing file is replaced.
    static bool Create(const std::string& path, const std::vector<DbfField>& fields,
                       std::string& error);

    // Opens an existing table, not exclusively: for writing when the file allows it, else
    // read-only. Any open table is closed first.
    bool Open(const std::string& path);
    // Posts a pending edit, then closes.
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    bool ReadOnly() const { return readOnly_; }
    const std::string& Path() const { return path_; }
    DbfCodePage CodePage() const { return codePage_; }
    // The message of the last failed operation.
    const std::string& Error() const { return error_; }

    int RecordCount() const { return static_cast<int>(records_.size()); }
    int RecNo() const { return current_; } // 0: no record
    // Posts a pending edit and makes record n (1..count) current.
    bool Go(int n);

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    const DbfField& Field(int i) const { return fields_[i]; }
    // 0-based index by name (case does not count; cut to 10 characters); -1 when missing.
    int FieldIndex(std::string_view name) const;
    // The text of a field of the current record (of the pending edit): character fields
    // without trailing blanks, other fields without blanks around them.
    std::string FieldText(int field) const;
    std::string FieldText(std::string_view name) const;
    std::string FieldText(int record, int field) const;
    bool LogicalField(std::string_view name) const;

    // Replacing a field puts the current record into edit state; in an empty table a new
    // record is appended first. False (with Error) for a missing field, a value that does
    // not fit, or a read-only table.
    bool ReplaceString(std::string_view name, std::string_view text);
    bool ReplaceReal(std::string_view name, long double value);
    bool ReplaceInteger(std::string_view name, long value);
    bool ReplaceLogical(std::string_view name, bool value);
    // A field as typed in the grid: checked against the field's type and length.
    bool SetFieldText(int field, std::string_view text);

    bool Editing() const { return editing_; }
    bool Edit();
    // Writes the pending edit; true when there was nothing to write.
    bool Post();
    void Cancel();
    // A new blank record at the end, current and in edit state.
    bool Append();

    bool Deleted() const { return Deleted(current_); }
    bool Deleted(int record) const;
    // Marks or unmarks the current record as deleted (written at once).
    bool SetDeleted(bool deleted);

    // Removes the records marked as deleted: the kept records go to a new file that then
    // replaces the table. The current record stays current when it is kept.
    bool Pack();

    // The view: whether deleted records are shown, and the sort order.
    void ShowDeleted(bool show);
    bool ShowsDeleted() const { return showDeleted_; }
    // Sorts the view on one field (-1: record order); the current record stays current.
    void SortBy(int field);
    int SortField() const { return sortField_; }
    int ViewCount() const { return static_cast<int>(view_.size()); }
    int ViewRecord(int row) const { return view_[row]; }
    int ViewRow(int record) const; // -1 when the record is not in the view

    // The first record of the view from the top, or after the current record, with text
    // in one of its fields (case does not count); it becomes current. False: no hit, the
    // current record stays.
    bool Search(std::string_view text, bool fromCurrent);

    // Appends the records of another table not marked as deleted (fields by name) or of a delimited
    // text file (fields in order, character fields in double quotes, separated by commas). Nothing
    // is appended when a value does not fit. Returns the count appended, -1 on failure.
    int AppendFromDbf(const std::string& path);
    int AppendFromDelimited(const std::string& path);
    // Writes the records of the view that are not deleted as delimited text (CR LF).
    bool CopyToDelimited(const std::string& path);

  private:
    using Record = std::string; // the raw record: deletion byte, then the fields
    std::string Raw(const Record& r, int field) const;
    bool Fail(std::string message);
    bool Writable();
    bool StartEdit();
    bool Encode(int field, std::string_view text, std::string& raw);
    bool PutField(Record& r, int field, std::string_view text);
    bool WriteRecord(int record);
    int AppendRecords(std::vector<Record>& added);
    // What adding records changes of the table file: its length, the start of its header
    // (record count and date) and its last byte (the end mark the new records overwrite).
    struct Tail {
        long long size = -1;
        std::string head;
        char last = 0;
    };
    Tail TailOf() const;
    // Puts the file back as it was before records were added and opens it again; false when
    // some of it could not be put back.
    bool PutBack(const Tail& tail);
    void RebuildView();
    bool ReadAll();

    void* handle_ = nullptr; // DBFHandle
    std::string path_;
    std::string error_;
    bool readOnly_ = false;
    DbfCodePage codePage_ = DbfCodePage::Cp850;
    std::vector<DbfField> fields_;
    std::vector<int> offsets_;
    int recordLength_ = 0;
    std::vector<Record> records_;
    int current_ = 0;
    bool editing_ = false, appending_ = false;
    Record pending_;
    bool showDeleted_ = true;
    int sortField_ = -1;
    std::vector<int> view_;
};

// A delimited text line split into fields: commas separate, double quotes enclose texts
// ("" inside a quoted text is one quote).
std::vector<std::string> SplitDelimited(std::string_view line);

} // namespace vak1
