// The work both table targets do on an open table: every field of every record read, the
// view without deleted records and sorted on each field, a search, an edit of each field,
// a new record, a deletion, packing, the copy as delimited text appended to the table again,
// and the table window's page and printout.
#pragma once
#include "app/tablecontext.h"
#include "dbase/dbf.h"
#include "fuzzsupport.h"

namespace vak1::fuzz {

inline void WorkOnTable(FuzzApp& f) {
    DbfTable& t = f.app.Table.Table;
    for (int r = 1; r <= t.RecordCount() && r <= 50; ++r) {
        t.Deleted(r);
        for (int i = 0; i < t.FieldCount(); ++i)
            t.FieldText(r, i);
    }
    t.ShowDeleted(false);
    for (int i = -1; i < t.FieldCount() && i < 8; ++i)
        t.SortBy(i);
    t.Search("1", false);
    t.Search("a", true);
    TableHtmlLines(f.app.Table, "t.dbf", "01.01.2000", "12:00");
    PrintTable(TableContextOf(f.app));
    if (t.ReadOnly()) return;
    if (t.RecordCount() > 0) t.Go(1);
    for (int i = 0; i < t.FieldCount() && i < 8; ++i) {
        t.SetFieldText(i, "12.5");
        t.SetFieldText(i, "T");
        t.SetFieldText(i, "20001231");
    }
    t.Post();
    t.Append();
    t.SetFieldText(0, "-1");
    t.Post();
    t.SetDeleted(true);
    t.Pack();
    const std::string copy = InFolder("copy.txt");
    if (t.CopyToDelimited(copy)) t.AppendFromDelimited(copy);
}

} // namespace vak1::fuzz
