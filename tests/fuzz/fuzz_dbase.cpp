// dBase tables: the bytes are a table file, opened by the engine and worked on.
#include "dbfwork.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string path = fuzz::InFolder("fuzz.dbf");
    fuzz::WriteFile(path, data, size);
    fuzz::FuzzApp f;
    if (f.app.Table.Table.Open(path)) fuzz::WorkOnTable(f);
    f.app.Table.Table.Close();
    return 0;
}
