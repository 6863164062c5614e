// Delimited text appended to a table of every field type, then worked on.
#include "dbfwork.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string text = fuzz::InFolder("fuzz.txt");
    fuzz::WriteFile(text, data, size);
    const std::string path = fuzz::InFolder("table.dbf");
    std::string error;
    if (!DbfTable::Create(path,
                          {{"NAME", 'C', 12, 0},
                           {"ZAHL", 'N', 10, 3},
                           {"GANZ", 'N', 4, 0},
                           {"JA", 'L', 1, 0},
                           {"TAG", 'D', 8, 0},
                           {"WERT", 'F', 19, 11}},
                          error))
        return 0;
    fuzz::FuzzApp f;
    DbfTable& t = f.app.Table.Table;
    if (t.Open(path) && t.AppendFromDelimited(text) > 0) fuzz::WorkOnTable(f);
    t.Close();
    return 0;
}
