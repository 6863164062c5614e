// Tables for the dBase tests, and their independent reading through dbfread.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dbase/dbf.h"
#include "text/cp850.h"
#include "text/parse.h"

namespace vak1::test {

// A table with the given fields and rows (cells as typed; a row starting with "*" in its
// first cell is marked as deleted, the "*" dropped).
inline void MakeTable(const std::string& path, const std::vector<DbfField>& fields,
                      const std::vector<std::vector<std::string>>& rows) {
    std::string error;
    ASSERT_TRUE(DbfTable::Create(path, fields, error)) << error;
    DbfTable t;
    ASSERT_TRUE(t.Open(path)) << t.Error();
    for (const auto& row : rows) {
        ASSERT_TRUE(t.Append());
        bool deleted = false;
        for (std::size_t f = 0; f < row.size(); ++f) {
            std::string cell = row[f];
            if (f == 0 && cell.starts_with("*")) deleted = true, cell.erase(0, 1);
            ASSERT_TRUE(t.SetFieldText(static_cast<int>(f), cell)) << t.Error();
        }
        ASSERT_TRUE(t.Post()) << t.Error();
        if (deleted) {
            ASSERT_TRUE(t.SetDeleted(true));
        }
    }
}

// The table as dbfread reads it (tests/tools/dbf_dump.py): language driver, fields, records.
inline std::string Dbfread(const std::string& path) {
    const std::string command = std::string(VAK1_PYTHON) +
                                " " VAK1_SOURCE_DIR "/tests/tools/dbf_dump.py '" + path + "' 2>&1";
    std::string out;
    if (std::FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// The records as the engine reads them, in the form of Dbfread's record lines (UTF-8).
inline std::vector<std::string> EngineRecords(const std::string& path) {
    DbfTable t;
    EXPECT_TRUE(t.Open(path)) << t.Error();
    std::vector<std::string> out;
    for (int rec = 1; rec <= t.RecordCount(); ++rec) {
        std::string line = t.Deleted(rec) ? "*" : " ";
        for (int f = 0; f < t.FieldCount(); ++f) {
            std::string text = t.FieldText(rec, f);
            const char type = t.Field(f).type;
            if ((type == 'N' || type == 'F') && !text.empty()) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.6Lg", ParseNumber(text).value);
                text = buf;
            }
            if (type == 'L' && text.empty()) text = "?";
            line += (f ? "|" : "") + Cp850ToUtf8(text);
        }
        out.push_back(line);
    }
    return out;
}

// Checks that dbfread reads path with the expected record lines, the fields the engine
// sees and the code page 850 language driver, and that the engine reads the same records.
inline void ExpectReadableAs(const std::string& path, const std::vector<std::string>& records) {
    DbfTable t;
    ASSERT_TRUE(t.Open(path)) << t.Error();
    std::string expected = "2\n";
    for (int f = 0; f < t.FieldCount(); ++f)
        expected += t.Field(f).name + " " + t.Field(f).type + " " +
                    std::to_string(t.Field(f).length) + " " + std::to_string(t.Field(f).decimals) +
                    "\n";
    t.Close();
    for (const auto& r : records)
        expected += r + "\n";
    EXPECT_EQ(Dbfread(path), expected);
    EXPECT_EQ(EngineRecords(path), records);
}

// The fields most tests use: a name, a real, an integer and a logical.
inline std::vector<DbfField> SampleFields() {
    return {{"NAME", 'C', 25, 0},
            {"XSCALE", 'N', 8, 3},
            {"XORIGIN", 'N', 5, 0},
            {"LANDSCAPE", 'L', 1, 0}};
}

} // namespace vak1::test
