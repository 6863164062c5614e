// Named printout sets in the supplied printout table: stored from and loaded into the
// printout dialog.
#include "app/tablecontext.h"
#include "dbase/dbftest.h"
#include "dbase/printoutsets.h"
#include "support/ReportFixture.h"
#include "support/tempfolder.h"

namespace vak1::test {
namespace {

class PrintoutSets : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        for (const char* sub : {"start/", "dbf/", "tmp/"})
            std::filesystem::create_directory(dir + sub);
        app.Config.DbfDir = dir + "dbf/";
        app.Config.TempDir = dir + "tmp/";
        table = app.Config.DbfDir + "printout.dbf";
        std::filesystem::copy_file(VAK1_SOURCE_DIR "/data/printout.dbf", table);
        places.folders = {dir + "start/", app.Config.DbfDir};
    }
    static PrintoutDialogData Values(std::string xScale, bool landscape) {
        PrintoutDialogData d;
        d.xScale = std::move(xScale);
        d.yScale = "1.5";
        d.xOrigin = "10";
        d.yOrigin = "5";
        d.landscape = landscape;
        d.monochrome = false;
        d.fit = true;
        d.border = true;
        return d;
    }

    std::string table;
    PrintoutTablePlaces places;
};

TEST_F(PrintoutSets, ANewNameIsAppendedAKnownOneReplacedOnlyAfterYes) {
    const std::vector<std::string> supplied = EngineRecords(table);
    ASSERT_EQ(supplied.size(), 5u);
    EXPECT_EQ(FindPrintoutTable(places), table);

    ui.Push(ScriptedAnswer::Text("Plotter breit"));
    StorePrintoutSet(TableContextOf(app), places, Values("2,5", true));
    std::vector<std::string> expected = supplied;
    expected.push_back(" Plotter breit|2.5|1.5|10|5|T|F|T|T");
    ExpectReadableAs(table, expected);

    // The first set's name: replaced after Yes, kept after No.
    const std::string first = supplied[0].substr(1, supplied[0].find('|') - 1);
    ui.Push({ScriptedAnswer::Text(first), ScriptedAnswer::Answer(Reply::No)});
    StorePrintoutSet(TableContextOf(app), places, Values("3", false));
    EXPECT_EQ(EngineRecords(table), expected);
    ui.Push({ScriptedAnswer::Text(first), ScriptedAnswer::Answer(Reply::Yes)});
    StorePrintoutSet(TableContextOf(app), places, Values("3", false));
    expected[0] = " " + first + "|3|1.5|10|5|F|F|T|T";
    ExpectReadableAs(table, expected);
}

TEST_F(PrintoutSets, LoadingFillsTheDialogAndRemembersTheRecord) {
    ui.Push(ScriptedAnswer::Text("Rund"));
    StorePrintoutSet(TableContextOf(app), places, Values("0.75", true));
    // A remembered record beyond the table: the message, then the last record (the new set).
    int last = 9;
    PrintoutDialogData loaded;
    ui.Push(ScriptedAnswer::Table());
    LoadPrintoutSet(TableContextOf(app), places, last, loaded);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Meldung:|DBF #9 not found."});
    EXPECT_EQ(last, 6);
    EXPECT_EQ(ParseNumber(loaded.xScale).value, 0.75L);
    EXPECT_EQ(ParseNumber(loaded.yScale).value, 1.5L);
    EXPECT_EQ(ParseNumber(loaded.xOrigin).value, 10);
    EXPECT_EQ(ParseNumber(loaded.yOrigin).value, 5);
    EXPECT_TRUE(loaded.landscape && loaded.fit && loaded.border);
    EXPECT_FALSE(loaded.monochrome);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(app.Table.Table.IsOpen());

    // Cancelled: the dialog keeps its values.
    PrintoutDialogData kept = Values("4", false);
    ui.Push(ScriptedAnswer::Cancel());
    LoadPrintoutSet(TableContextOf(app), places, last, kept);
    EXPECT_EQ(kept.xScale, "4");
}

TEST_F(PrintoutSets, WithoutTheTableNothingIsStored) {
    std::filesystem::remove(table);
    EXPECT_EQ(FindPrintoutTable(places), "");
    ui.Push(ScriptedAnswer::Text("Neu"));
    StorePrintoutSet(TableContextOf(app), places, Values("1", false));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("nicht gefunden oder kein Zugriffsrecht"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(table));
}

// Stored sets went into the installation's table (or a temporary copy never read again).
TEST_F(PrintoutSets, SetsGoToACopyInTheUserFolderAndAreReadFromThere) {
    const std::string inst = dir + "inst/";
    std::filesystem::create_directory(inst);
    std::filesystem::rename(table, inst + "printout.dbf");
    const std::string supplied = ReadBytes(inst + "printout.dbf");
    places.folders = {dir + "start/", app.Config.DbfDir, inst};
    places.supplied = inst;
    places.userFolders = {app.Config.DbfDir};

    ui.Push(ScriptedAnswer::Text("Eigener Satz"));
    StorePrintoutSet(TableContextOf(app), places, Values("2", true));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(ReadBytes(inst + "printout.dbf"), supplied);
    EXPECT_EQ(FindPrintoutTable(places), table);
    const std::vector<std::string> records = EngineRecords(table);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records.back(), " Eigener Satz|2|1.5|10|5|T|F|T|T");

    // No user folder can be written (a file stands in the way): the copy in the temporary
    // folder takes the set, and the message says so.
    std::filesystem::remove(table);
    WriteBytes(dir + "blocked", "x");
    places.userFolders = {dir + "blocked/sets/"};
    ui.Push(ScriptedAnswer::Text("Nur temporär"));
    StorePrintoutSet(TableContextOf(app), places, Values("3", false));
    EXPECT_EQ(ReadBytes(inst + "printout.dbf"), supplied);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("temporären Kopie"), std::string::npos);
    EXPECT_EQ(EngineRecords(app.Config.TempDir + "printout.dbf").size(), 6u);
}

// "Datenbank" opened the installation's table itself: a record marked deleted in the table
// window changed the table every user shares, or went into a temporary copy never read again.
TEST_F(PrintoutSets, TheTableWindowChangesTheUsersCopy) {
    const std::string inst = dir + "inst/";
    std::filesystem::create_directory(inst);
    std::filesystem::rename(table, inst + "printout.dbf");
    const std::string supplied = ReadBytes(inst + "printout.dbf");
    places.folders = {dir + "start/", app.Config.DbfDir, inst};
    places.supplied = inst;
    places.userFolders = {app.Config.DbfDir};

    int last = 0;
    PrintoutDialogData data;
    ui.Push(ScriptedAnswer::Table({TableCommand::Delete}));
    LoadPrintoutSet(TableContextOf(app), places, last, data);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(ReadBytes(inst + "printout.dbf") == supplied);
    EXPECT_EQ(FindPrintoutTable(places), table);
    const std::vector<std::string> records = EngineRecords(table);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0][0], '*'); // the first record, marked deleted in the user's copy
}

} // namespace
} // namespace vak1::test
