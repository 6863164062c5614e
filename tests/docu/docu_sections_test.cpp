// Pins the documentation data: the reset of File "New", the exact lines of the two project
// file sections (approval line, free texts, descriptions whose line breaks become "|"), and
// that the readers take back exactly what the writers wrote or name the line that is wrong.
#include <gtest/gtest.h>

#include "docu/Documentation.h"
#include "docu/docusections.h"
#include "testing/FixedClock.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

using namespace vak1;
using vak1::test::TempFolder;

namespace {

Documentation Sample() {
    Documentation d;
    d.ChangeCount = 2;
    d.ChangeEntries[0] = {"Erstausgabe", "01.02.2024", "MM", "neu"};
    d.ChangeEntries[1] = {cp850("Maße geändert"), "15.03.2024", "KL", "Zeile eins\r\nZeile zwei"};
    d.ChangeEntries[2] = {"alt", "x", "y", "bleibt im Speicher"};
    d.ApprovalRows = {{{"01.02.2024", "MM"}, {"02.02.2024", "PR"}, {"", "NO"}, {"03.02.2024", ""}}};
    d.ReplacementFor = "Z-100";
    d.ReplacedBy = "Z-102";
    d.FreeTextCount = 2;
    d.FreeTexts[0] = {12.5L, -3, 2.5L, 0, "Werkstoff S235"};
    d.FreeTexts[1] = {100, 20, 3.5L, 90, "a|b"};
    d.DocumentLinks[0] = {"libreoffice", "/daten/stueckliste.ods"};
    return d;
}

std::vector<std::string> WriteBoth(const TempFolder& tmp, Documentation& d, const Settings& s) {
    TextFileWriter out;
    EXPECT_TRUE(out.Open(tmp / "d.txt"));
    WriteChangesSection(out, d, s);
    WriteDocumentsSection(out, d);
    EXPECT_TRUE(out.Commit());
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(tmp / "d.txt", lines));
    return lines;
}

bool ReadBoth(const std::vector<std::string>&, Documentation& d, LineCursor& in) {
    return ReadChangesSection(in, d) && ReadDocumentsSection(in, d);
}

} // namespace

TEST(Documentation, ResetKeepsFreeTextsAndLinksAndStampsToday) {
    Documentation d = Sample();
    ResetDocumentation(d, "15.03.2024");
    EXPECT_EQ(d.ChangeCount, 0);
    EXPECT_EQ(d.ReplacementFor, "");
    EXPECT_EQ(d.ReplacedBy, "");
    EXPECT_EQ(d.ApprovalRows[kPrepared].date, "15.03.2024");
    EXPECT_EQ(d.ApprovalRows[kPrepared].name, "");
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ(d.ApprovalRows[row].date, "");
        EXPECT_EQ(d.ApprovalRows[row].name, "");
    }
    EXPECT_EQ(d.FreeTextCount, 2);
    EXPECT_EQ(d.FreeTexts[1].text, "a|b");
    EXPECT_EQ(d.DocumentLinks[0].program, "libreoffice");
    EXPECT_EQ(d.ChangeEntries[1].editor, "KL"); // a freed slot keeps its contents
}

TEST(Documentation, StartValuesAndTodayInEveryDateFormat) {
    Documentation d;
    EXPECT_EQ(d.ChangeCount, 0);
    EXPECT_EQ(d.FreeTextCount, 0);
    for (const auto& link : d.DocumentLinks) {
        EXPECT_EQ(link.program, kDefaultDocumentProgram);
        EXPECT_EQ(link.file, "");
    }
    FixedClock clock(DateTime{2024, 3, 5, 9, 7, 0});
    Settings s;
    const std::pair<uint16_t, const char*> cases[] = {{1, "05.03.2024"},
                                                      {2, "03/05/2024"},
                                                      {3, "2024/03/05"},
                                                      {4, "05/03/2024"},
                                                      {7, "2024/03/05"}};
    for (auto [code, text] : cases) {
        s.DateCode = code;
        EXPECT_EQ(TodayText(clock, s), text) << code;
    }
}

TEST(Documentation, SectionLinesAreThoseOfTheFileFormat) {
    TempFolder tmp;
    Documentation d = Sample();
    Settings s;
    const auto lines = WriteBoth(tmp, d, s);
    const std::vector<std::string> expected = {cp850("ÄNDERUNGEN"),
                                               "2",
                                               std::string(20, '-'),
                                               "Erstausgabe",
                                               "01.02.2024",
                                               "MM",
                                               "neu",
                                               std::string(14, '-'),
                                               cp850("Maße geändert"),
                                               "15.03.2024",
                                               "KL",
                                               "Zeile eins|",
                                               "Zeile zwei",
                                               std::string(14, '-'),
                                               "02.02.2024|PR||NO|03.02.2024||2||",
                                               "01.02.2024",
                                               "Z-100",
                                               "Z-102",
                                               "MM",
                                               "12.5|-3|2.5|0|Werkstoff S235||",
                                               "100|20|3.5|90|a|b||",
                                               "Dokumente",
                                               "5",
                                               std::string(20, '-'),
                                               "libreoffice",
                                               "/daten/stueckliste.ods",
                                               std::string(14, '-')};
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << i;
    EXPECT_EQ(lines.size(), expected.size() + 4 * 3);
    EXPECT_EQ(lines[expected.size()], kDefaultDocumentProgram);
    // The stored description changes with the file.
    EXPECT_EQ(d.ChangeEntries[1].description, "Zeile eins|\nZeile zwei");
}

TEST(Documentation, FreeTextNumbersFollowTheDecimalComma) {
    TempFolder tmp;
    Documentation d = Sample();
    Settings s;
    s.DecimalComma = DecimalSign::Comma;
    const auto lines = WriteBoth(tmp, d, s);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "12,5|-3|2,5|0|Werkstoff S235||"), lines.end());
    Documentation back;
    LineCursor in(lines);
    ASSERT_TRUE(ReadBoth(lines, back, in)) << in.FailLine() << " " << in.FailReason();
    EXPECT_EQ(back.FreeTexts[0].x, 12.5L);
    EXPECT_EQ(back.FreeTexts[0].h, 2.5L);
}

TEST(Documentation, ReadBackGivesEveryFieldAsWritten) {
    TempFolder tmp;
    Documentation d = Sample();
    const auto lines = WriteBoth(tmp, d, Settings{});
    Documentation back;
    back.ChangeEntries[2].text = "anders";
    LineCursor in(lines);
    ASSERT_TRUE(ReadBoth(lines, back, in)) << in.FailLine() << " " << in.FailReason();
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(back.ChangeCount, 2);
    for (int n = 0; n < 2; ++n) {
        EXPECT_EQ(back.ChangeEntries[n].text, d.ChangeEntries[n].text);
        EXPECT_EQ(back.ChangeEntries[n].date, d.ChangeEntries[n].date);
        EXPECT_EQ(back.ChangeEntries[n].editor, d.ChangeEntries[n].editor);
        EXPECT_EQ(back.ChangeEntries[n].description, d.ChangeEntries[n].description);
    }
    EXPECT_EQ(back.ChangeEntries[2].text, "anders"); // slots above the count are not in the file
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(back.ApprovalRows[row].date, d.ApprovalRows[row].date) << row;
        EXPECT_EQ(back.ApprovalRows[row].name, d.ApprovalRows[row].name) << row;
    }
    EXPECT_EQ(back.ReplacementFor, "Z-100");
    EXPECT_EQ(back.ReplacedBy, "Z-102");
    ASSERT_EQ(back.FreeTextCount, 2);
    EXPECT_EQ(back.FreeTexts[0].y, -3);
    EXPECT_EQ(back.FreeTexts[1].phi, 90);
    EXPECT_EQ(back.FreeTexts[1].text, "a|b");
    EXPECT_EQ(back.DocumentLinks[0].file, "/daten/stueckliste.ods");
    EXPECT_EQ(back.DocumentLinks[4].program, kDefaultDocumentProgram);
}

TEST(Documentation, DescriptionsThatLookLikeStructureStillReadBack) {
    TempFolder tmp;
    Documentation d;
    d.ChangeCount = 3;
    d.ChangeEntries[0].description = std::string(14, '-'); // the rule itself, alone
    d.ChangeEntries[1].description = "";
    d.ChangeEntries[2].description = "a\r\n\r\nb\n";
    const auto lines = WriteBoth(tmp, d, Settings{});
    Documentation back;
    LineCursor in(lines);
    ASSERT_TRUE(ReadBoth(lines, back, in)) << in.FailLine() << " " << in.FailReason();
    EXPECT_EQ(back.ChangeEntries[0].description, std::string(14, '-'));
    EXPECT_EQ(back.ChangeEntries[1].description, "");
    EXPECT_EQ(back.ChangeEntries[2].description, "a|\n|\nb\n");
    EXPECT_EQ(back.ChangeEntries[2].description, d.ChangeEntries[2].description);
}

TEST(Documentation, BrokenSectionsNameTheirLine) {
    TempFolder tmp;
    Documentation d = Sample();
    const auto good = WriteBoth(tmp, d, Settings{});
    struct Case {
        std::size_t line; // 0-based line to replace
        std::string text;
    };
    const Case cases[] = {{0, "AENDERUNGEN"},
                          {1, "26"},
                          {1, "-1"},
                          {1, "zwei"},
                          {14, "a|b|c|d|e|f|9||"},
                          {14, "a|b|c|d|e|f|2|"},
                          {19, "1e999|0|0|0|x||"},
                          {19, "nan|0|0|0|x||"},
                          {19, "1|2|3|4|x|"},
                          {21, "Dokument"},
                          {22, "6"}};
    for (const Case& c : cases) {
        auto lines = good;
        lines[c.line] = c.text;
        Documentation back;
        LineCursor in(lines);
        EXPECT_FALSE(ReadBoth(lines, back, in)) << c.text;
        EXPECT_EQ(in.FailLine(), c.line + 1) << c.text;
        EXPECT_FALSE(in.FailReason().empty());
    }
    for (std::size_t keep = 0; keep < good.size(); ++keep) {
        std::vector<std::string> lines(good.begin(), good.begin() + keep);
        Documentation back;
        LineCursor in(lines);
        EXPECT_FALSE(ReadBoth(lines, back, in)) << keep;
        EXPECT_EQ(in.FailLine(), keep + 1) << keep;
    }
}
