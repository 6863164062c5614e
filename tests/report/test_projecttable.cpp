// The project table's rows: file-name order, text sort, unreadable projects, threads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "report/projecttable.h"
#include "support/tempfolder.h"

using namespace vak1;
using vak1::test::TempFolder;
namespace fs = std::filesystem;

namespace {

const std::string kExamples = std::string(VAK1_SOURCE_DIR) + "/examples/";

std::vector<std::string> Files(const std::string& folder) {
    std::vector<std::string> names;
    std::string error;
    EXPECT_TRUE(ListProjectFiles(folder, names, error)) << error;
    return names;
}

} // namespace

TEST(ProjectTable, EmptyFolderGivesOnlyTheTitleRow) {
    TempFolder dir;
    std::ofstream(dir / "notes.txt") << "x";
    const ProjectTable t = BuildProjectTable(dir.path(), Files(dir.path()), Settings{}, 0);
    EXPECT_EQ(ProjectTableText(t.rows), "File\tDate  y/m/d\tName\tNo\tn\tA\tys\tzs\tI1\tI2\tphi\n");
}

TEST(ProjectTable, SortingByANumberColumnIsTextOrder) {
    std::vector<ProjectTableRow> rows(3);
    rows[0][0] = "b", rows[0][5] = "20.0";
    rows[1][0] = "a", rows[1][5] = "100.0";
    rows[2][0] = "c", rows[2][5] = "3.5";
    SortProjectTable(rows, 5);
    EXPECT_EQ(rows[0][5], "100.0");
    EXPECT_EQ(rows[1][5], "20.0");
    EXPECT_EQ(rows[2][0], "c");
}

TEST(ProjectTable, UnreadableProjectKeepsItsRowWithEmptyCellsAndAMessage) {
    TempFolder dir;
    fs::copy_file(kExamples + "rohr.vak1", dir / "b.vak1");
    std::ofstream(dir / "a.VAK1") << "kein Projekt\r\n";
    const ProjectTable t = BuildProjectTable(dir.path(), Files(dir.path()), Settings{}, 2);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][0], "a.VAK1");
    EXPECT_EQ(t.rows[0][1].size(), 10u); // yyyy/mm/dd
    for (int c = 2; c < kProjectTableColumns; ++c)
        EXPECT_EQ(t.rows[0][c], "") << c;
    EXPECT_NE(t.rows[1][5], "");
    ASSERT_EQ(t.messages.size(), 1u);
    EXPECT_EQ(t.messages[0], "Zeile 1 in a.VAK1");
}

TEST(ProjectTable, ManyThreadsGiveTheRowsOfOneThread) {
    TempFolder dir;
    int k = 0;
    for (int copy = 0; copy < 12; ++copy)
        for (const char* name : {"i-traeger", "l-profil", "rohr"})
            fs::copy_file(kExamples + name + ".vak1",
                          dir / (std::to_string(k++ % 7) + name + std::to_string(copy) + ".vak1"));
    Settings inch;
    inch.EnglishUnits = Units::English;
    const auto names = Files(dir.path());
    const std::string one = ProjectTableText(BuildProjectTable(dir.path(), names, inch, 1).rows);
    std::size_t reports = 0;
    const ProjectTable many = BuildProjectTable(dir.path(), names, inch, 4, [&](std::size_t) {
        ++reports;
        return true;
    });
    EXPECT_EQ(ProjectTableText(many.rows), one);
    EXPECT_GT(reports, 0u);
    EXPECT_FALSE(many.cancelled);
}
