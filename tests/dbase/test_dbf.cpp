// The dBase engine: every table written here is read back by dbfread as well.
#include <shapefil.h>

#include "dbase/dbf.h"
#include "dbase/dbftest.h"
#include "support/tempfolder.h"

namespace vak1::test {
namespace {

const std::vector<std::vector<std::string>> kFive = {{"Delta", "4", "40", "T"},
                                                     {"alpha", "1.5", "10", "F"},
                                                     {"Charlie", "3", "-5", "T"},
                                                     {"Bravo", "2.25", "20", ""},
                                                     {"Echo", "0.5", "0", "F"}};

TEST(Dbf, ReplacedFieldsAreReadBackIndependently) {
    TempFolder dir;
    const std::string path = dir / "printout.dbf";
    std::vector<DbfField> fields = SampleFields();
    fields.push_back({"DATUM", 'D', 8, 0});
    fields.push_back({"BORDERLINE", 'L', 1, 0});
    MakeTable(path, fields, {});
    DbfTable t;
    ASSERT_TRUE(t.Open(path));
    // Replacing in an empty table makes its first record; field names are cut to 10.
    ASSERT_TRUE(t.ReplaceString("name", cp850("Größe A4")));
    ASSERT_TRUE(t.ReplaceReal("XSCALE", -1.23456L));
    ASSERT_TRUE(t.ReplaceInteger("xorigin", -12));
    ASSERT_TRUE(t.ReplaceLogical("landscape", true));
    ASSERT_TRUE(t.ReplaceLogical("borderlines", true));
    ASSERT_TRUE(t.ReplaceString("DATUM", "20261207"));
    ASSERT_TRUE(t.Post());
    ASSERT_TRUE(t.Append());
    ASSERT_TRUE(t.ReplaceString("NAME", "zweiter"));
    ASSERT_TRUE(t.ReplaceLogical("LANDSCAPE", false));
    ASSERT_TRUE(t.SetDeleted(true)); // posts first
    EXPECT_EQ(t.RecordCount(), 2);
    ASSERT_TRUE(t.Go(1));
    EXPECT_TRUE(t.LogicalField("landscape"));
    EXPECT_EQ(t.FieldText("XSCALE"), "-1.235");
    t.Close();
    ExpectReadableAs(path, {" Größe A4|-1.235|-12|T|20261207|T", "*zweiter|||F||?"});
}

TEST(Dbf, RefusesValuesThatDoNotFitAndKeepsTheRecord) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), {kFive[0]});
    struct Case {
        const char* field;
        std::string text;
    } cases[] = {{"XORIGIN", "123456"}, {"NAME", std::string(26, 'x')},
                 {"XSCALE", "abc"},     {"XSCALE", "123456.5"},
                 {"LANDSCAPE", "x"},    {"NOSUCH", "1"}};
    DbfTable t;
    ASSERT_TRUE(t.Open(path));
    for (const Case& c : cases) {
        EXPECT_FALSE(t.ReplaceString(c.field, c.text)) << c.field << " " << c.text;
        EXPECT_FALSE(t.Error().empty());
    }
    t.Close();
    // Another file of the same name with another extension is not taken for the table.
    WriteBytes(dir / "t.txt", "text");
    EXPECT_FALSE(t.Open(dir / "t.txt"));
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(t.Open(path));
    EXPECT_TRUE(t.ReadOnly());
    EXPECT_FALSE(t.ReplaceString("NAME", "x"));
    t.Close();
    ExpectReadableAs(path, {" Delta|4|40|T"});
}

TEST(Dbf, SortingKeepsTheCurrentRecord) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), kFive);
    struct Case {
        int field;
        std::vector<int> order;
    } cases[] = {{0, {4, 3, 1, 5, 2}}, // byte order: capitals before "alpha"
                 {1, {5, 2, 4, 3, 1}},
                 {2, {3, 5, 2, 4, 1}},
                 {-1, {1, 2, 3, 4, 5}}};
    DbfTable t;
    ASSERT_TRUE(t.Open(path));
    ASSERT_TRUE(t.Go(3));
    for (const Case& c : cases) {
        t.SortBy(c.field);
        std::vector<int> order;
        for (int row = 0; row < t.ViewCount(); ++row)
            order.push_back(t.ViewRecord(row));
        EXPECT_EQ(order, c.order) << c.field;
        EXPECT_EQ(t.RecNo(), 3);
    }
}

TEST(Dbf, PackRemovesExactlyTheMarkedRecords) {
    struct Case {
        std::vector<int> marked;
        int current;
        std::vector<std::string> kept;
        std::string currentAfter;
    } cases[] = {{{2, 4}, 3, {"Delta", "Charlie", "Echo"}, "Charlie"},
                 {{1}, 1, {"alpha", "Charlie", "Bravo", "Echo"}, "alpha"},
                 {{}, 5, {"Delta", "alpha", "Charlie", "Bravo", "Echo"}, "Echo"},
                 {{1, 2, 3, 4, 5}, 2, {}, ""}};
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string path = dir / "t.dbf";
        MakeTable(path, SampleFields(), kFive);
        DbfTable t;
        ASSERT_TRUE(t.Open(path));
        for (int rec : c.marked) {
            ASSERT_TRUE(t.Go(rec));
            ASSERT_TRUE(t.SetDeleted(true));
        }
        ASSERT_TRUE(t.Go(c.current));
        ASSERT_TRUE(t.Pack()) << t.Error();
        EXPECT_EQ(t.FieldText("NAME"), c.currentAfter);
        std::vector<std::string> names;
        for (int rec = 1; rec <= t.RecordCount(); ++rec)
            names.push_back(t.FieldText(rec, 0));
        EXPECT_EQ(names, c.kept);
        t.Close();
        EXPECT_FALSE(std::filesystem::exists(dir / "$pack$.dbf"));
        std::vector<std::string> records;
        for (const auto& row : kFive)
            if (std::find(c.kept.begin(), c.kept.end(), row[0]) != c.kept.end())
                records.push_back(" " + row[0] + "|" + row[1] + "|" + row[2] + "|" +
                                  (row[3].empty() ? "?" : row[3]));
        ExpectReadableAs(path, records);
        EXPECT_EQ(Dbfread(path).find("\n*"), std::string::npos);
    }
}

TEST(Dbf, AppendFromDbfTakesFieldsByNameAndTheSourceCodePage) {
    TempFolder dir;
    const std::string target = dir / "t.dbf", source = dir / "ansi.dbf";
    MakeTable(target, SampleFields(), {kFive[0]});
    // A table of another program: Windows code page, other field order, one extra field.
    DBFHandle h = DBFCreateEx(source.c_str(), "LDID/87");
    DBFAddField(h, "XORIGIN", FTInteger, 6, 0);
    DBFAddField(h, "NAME", FTString, 30, 0);
    DBFAddField(h, "COMMENT", FTString, 10, 0);
    DBFWriteIntegerAttribute(h, 0, 0, 7);
    DBFWriteStringAttribute(h, 0, 1, "M\xFCller und S\xF6hne GmbH & Co. KG"); // 1252
    DBFWriteStringAttribute(h, 0, 2, "extra");
    DBFWriteIntegerAttribute(h, 1, 0, 8);
    DBFWriteStringAttribute(h, 1, 1, "deleted");
    DBFMarkRecordDeleted(h, 1, 1);
    DBFWriteIntegerAttribute(h, 2, 0, 123456); // does not fit XORIGIN (5)
    DBFClose(h);

    DbfTable t;
    ASSERT_TRUE(t.Open(target));
    EXPECT_EQ(t.AppendFromDbf(source), -1);
    EXPECT_NE(t.Error().find("Satz 3"), std::string::npos) << t.Error();
    EXPECT_EQ(t.RecordCount(), 1);
    h = DBFOpen(source.c_str(), "rb+");
    DBFWriteIntegerAttribute(h, 2, 0, 9);
    DBFClose(h);
    EXPECT_EQ(t.AppendFromDbf(source), 2);
    t.Close();
    ExpectReadableAs(target, {" Delta|4|40|T", " Müller und Söhne GmbH & C||7|?", " ||9|?"});
}

TEST(Dbf, AppendFromDelimitedText) {
    struct Case {
        std::string text;
        int appended;
        std::vector<std::string> records;
    } cases[] = {
        {"\"A, quoted\",1.5,2,T\r\n\r\n\"say \"\"hi\"\"\",,3\r\n",
         2,
         {" Delta|4|40|T", " A, quoted|1.5|2|T", " say \"hi\"||3|?"}},
        {"  \"B\" , 2 , 3 , F \n", 1, {" Delta|4|40|T", " B|2|3|F"}},
        {"\"ok\",1,2,T\r\n\"bad\",x,2,T\r\n", -1, {" Delta|4|40|T"}}, // nothing half-appended
        {"", 0, {" Delta|4|40|T"}},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string path = dir / "t.dbf";
        MakeTable(path, SampleFields(), {kFive[0]});
        WriteBytes(dir / "in.txt", c.text);
        DbfTable t;
        ASSERT_TRUE(t.Open(path));
        EXPECT_EQ(t.AppendFromDelimited(dir / "in.txt"), c.appended) << c.text;
        if (c.appended < 0) {
            EXPECT_NE(t.Error().find("Zeile 2"), std::string::npos) << t.Error();
        }
        t.Close();
        ExpectReadableAs(path, c.records);
    }
}

TEST(Dbf, CopyToDelimitedLeavesOutDeletedRecordsAndReadsBack) {
    TempFolder dir;
    const std::string path = dir / "t.dbf", copy = dir / "t2.dbf";
    MakeTable(
        path, SampleFields(),
        {{"Say \"a,b\"", "1", "2", "T"}, {"*gone", "1", "1", "F"}, {cp850("Öl"), "", "", ""}});
    DbfTable t;
    ASSERT_TRUE(t.Open(path));
    ASSERT_TRUE(t.CopyToDelimited(dir / "out.txt"));
    EXPECT_EQ(ReadBytes(dir / "out.txt"),
              "\"Say \"\"a,b\"\"\",1.000,2,T\r\n\"" + cp850("Öl") + "\",,,?\r\n");
    MakeTable(copy, SampleFields(), {});
    DbfTable back;
    ASSERT_TRUE(back.Open(copy));
    EXPECT_EQ(back.AppendFromDelimited(dir / "out.txt"), 2);
    back.Close();
    ExpectReadableAs(copy, {" Say \"a,b\"|1|2|T", " Öl|||?"});
}

TEST(Dbf, SearchFromTheTopOrOnFromTheCurrentRecord) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), kFive);
    struct Case {
        std::string text;
        bool fromCurrent;
        int start;
        bool found;
        int after;
    } cases[] = {{"ALPHA", false, 5, true, 2}, {"r", false, 1, true, 3},
                 {"r", true, 3, true, 4},      {"r", true, 4, false, 4},
                 {"40", false, 3, true, 1},    {"zulu", false, 4, false, 4}};
    DbfTable t;
    ASSERT_TRUE(t.Open(path));
    for (const Case& c : cases) {
        ASSERT_TRUE(t.Go(c.start));
        EXPECT_EQ(t.Search(c.text, c.fromCurrent), c.found) << c.text << " " << c.start;
        EXPECT_EQ(t.RecNo(), c.after) << c.text << " " << c.start;
    }
}

TEST(Dbf, RecordCountBeyondTheFileIsRefusedWithoutReservingIt) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), {kFive[0]});
    std::string bytes = ReadBytes(path);
    bytes.replace(4, 4, "\xff\xff\xff\x7f"); // 2^31 - 1 records claimed, one there
    WriteBytes(path, bytes);
    DbfTable t;
    EXPECT_FALSE(t.Open(path));
    EXPECT_NE(t.Error().find("Datensatz 2 nicht lesbar"), std::string::npos) << t.Error();
}

// The header's record length against the fields: one too short for them is refused, a longer
// one keeps its extra bytes, written as blanks.
TEST(Dbf, HeaderRecordLengthOtherThanTheFields) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), {}); // records of 1 + 39 bytes
    std::string bytes = ReadBytes(path);
    const auto setLength = [&](int n) {
        bytes[10] = static_cast<char>(n & 0xFF);
        bytes[11] = static_cast<char>(n >> 8);
        WriteBytes(path, bytes);
    };
    DbfTable t;
    setLength(35);
    EXPECT_FALSE(t.Open(path));
    setLength(44);
    ASSERT_TRUE(t.Open(path)) << t.Error();
    ASSERT_TRUE(t.Append());
    ASSERT_TRUE(t.SetFieldText(0, "Rahmen"));
    ASSERT_TRUE(t.Post()) << t.Error();
    t.Close();
    const std::string written = ReadBytes(path);
    const std::size_t header = static_cast<unsigned char>(written[8]) |
                               static_cast<std::size_t>(static_cast<unsigned char>(written[9]))
                                   << 8;
    ASSERT_GE(written.size(), header + 44);
    EXPECT_EQ(written.substr(header, 7), " Rahmen");
    EXPECT_EQ(written.substr(header + 40, 4), "    ");
    ASSERT_TRUE(t.Open(path)) << t.Error();
    EXPECT_EQ(t.FieldText(1, 0), "Rahmen");
}

// Some programs leave room after the field list (the header length says so); packing keeps
// the header as it is.
TEST(Dbf, PackKeepsAHeaderWithRoomAfterTheFields) {
    TempFolder dir;
    const std::string path = dir / "t.dbf";
    MakeTable(path, SampleFields(), {kFive[0], {"*alpha", "1", "2", "F"}});
    std::string bytes = ReadBytes(path);
    const std::size_t header = 32 + 32 * SampleFields().size() + 1;
    bytes.insert(header, 263, '\0');
    bytes[8] = static_cast<char>((header + 263) & 0xFF);
    bytes[9] = static_cast<char>((header + 263) >> 8);
    WriteBytes(path, bytes);
    DbfTable t;
    ASSERT_TRUE(t.Open(path)) << t.Error();
    ASSERT_TRUE(t.Pack()) << t.Error();
    EXPECT_EQ(t.RecordCount(), 1);
    t.Close();
    ExpectReadableAs(path, {" Delta|4|40|T"});
}

} // namespace
} // namespace vak1::test
