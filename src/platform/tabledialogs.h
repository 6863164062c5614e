// The table window's view of its table: the grid, the record navigator and the commands of
// its menus and buttons. The core implements it; the window only shows and forwards.
#pragma once
#include <string>

namespace vak1 {

enum class TableCommand {
    First,
    Prior,
    Next,
    Last,
    Insert,     // navigator "+": a new record at the end
    Delete,     // navigator "-": marks the current record as deleted (or unmarks it)
    Edit,       // navigator: edit state
    Post,       // navigator and "Append" of the edit menu: writes the pending edit
    CancelEdit, // navigator: drops the pending edit
    Refresh,
    Search,      // "&Suchen"
    SearchAgain, // "&Weitersuchen"
    ExportHtml,
    SaveDelimited,
    AppendDbf,
    AppendDelimited,
    Print, // "&Drucken..."
    Pack,
    HelpCommon,    // "Common"
    HelpStructure, // "dbf Structure"
    HelpPicture,   // "Hilfe&bild"
    HelpFile,      // "Datei"
};

class TableWindowModel {
  public:
    virtual ~TableWindowModel() = default;
    virtual std::string Caption() const = 0; // UTF-8, as all texts here
    // Browse mode: navigator first/prior/next/last only, the editing commands hidden, the
    // grid read-only.
    virtual bool BrowseOnly() const = 0;
    // Moving to a record (cell click, Up, Down) closes the window as "OK" does.
    virtual bool SelectAndClose() const = 0;
    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    virtual std::string ColumnTitle(int column) const = 0;
    virtual int ColumnLength(int column) const = 0; // characters
    virtual bool LogicalColumn(int column) const = 0;
    virtual std::string Cell(int row, int column) const = 0;
    virtual bool RowDeleted(int row) const = 0;
    // The value as typed; false (after a message) when the field does not take it.
    virtual bool SetCell(int row, int column, const std::string& text) = 0;
    virtual int CurrentRow() const = 0; // -1: none
    virtual void SetCurrentRow(int row) = 0;
    // Record number "/" record count.
    virtual std::string RecordLabel() const = 0;
    // True when the window is to close as with "OK".
    virtual bool Run(TableCommand command) = 0;
    virtual void SortByColumn(int column) = 0;

    // The grid's first visible row and current column: set by the window when it closes,
    // used again when it is shown for choosing a record.
    int topRow = 0;
    int column = 0;
};

} // namespace vak1
