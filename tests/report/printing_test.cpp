// Pins printing through the system printer: one page per form-feed line, the chosen page
// range, the font of the settings, and a file without form feeds printing nothing.
#include "report/OutputDocument.h"
#include "support/ReportFixture.h"

namespace vak1::test {
namespace {

using PrintingTest = ReportFixture;

TEST_F(PrintingTest, ChosenRangeStartsOnTheFirstPrinterPage) {
    Write(dir + "doc.txt", "a1\r\na2\r\n\f\r\nb1\r\n\f\r\nc1\r\nc2\r\n\f\r\n");
    app.Config.PrintFontName = "Mono";
    app.Config.PrintFontSize = 9;
    app.Config.LinesPerPage = 60;
    printer.chooseFrom = 2;
    printer.chooseTo = 3;
    PrintTextFile(Out(), dir + "doc.txt");
    EXPECT_EQ(printer.offered, 3);
    EXPECT_EQ(printer.font.name, "Mono");
    EXPECT_EQ(printer.font.size, 9);
    EXPECT_EQ(printer.linesPerPage, 60);
    ASSERT_EQ(printer.pages.size(), 2u);
    ASSERT_EQ(printer.pages[0].size(), 1u);
    EXPECT_EQ(printer.pages[0][0].text, "b1");
    EXPECT_EQ(printer.pages[0][0].row, 0);
    ASSERT_EQ(printer.pages[1].size(), 2u);
    EXPECT_EQ(printer.pages[1][1].text, "c2");
    EXPECT_EQ(printer.pages[1][1].row, 1);
    EXPECT_TRUE(printer.ended);
}

// Counting only form feeds would offer no page for a text without one and print nothing, and
// would drop the last page of a text that does not end with a form feed.
TEST_F(PrintingTest, TextAfterTheLastFormFeedIsAPageOfItsOwn) {
    Write(dir + "doc.txt", "a1\r\na2\r\n");
    PrintTextFile(Out(), dir + "doc.txt");
    EXPECT_EQ(printer.offered, 1);
    ASSERT_EQ(printer.pages.size(), 1u);
    ASSERT_EQ(printer.pages[0].size(), 2u);
    EXPECT_EQ(printer.pages[0][1].text, "a2");

    printer = RecordingPrinter{};
    Write(dir + "two.txt", "a1\r\n\f\r\nb1\r\n");
    PrintTextFile(Out(), dir + "two.txt");
    EXPECT_EQ(printer.offered, 2);
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(printer.pages[1][0].text, "b1");

    printer = RecordingPrinter{};
    Write(dir + "ended.txt", "a1\r\n\f\r\n");
    PrintTextFile(Out(), dir + "ended.txt");
    EXPECT_EQ(printer.offered, 1); // a closing form feed adds no empty page
}

TEST_F(PrintingTest, MissingFileAndCancelledDialog) {
    PrintTextFile(Out(), dir + "fehlt.txt");
    EXPECT_EQ(ui.Messages().back(), "Fehler : |" + dir + "fehlt.txt not found !");
    EXPECT_EQ(printer.documents, 0);
    Write(dir + "doc.txt", "a\r\n\f\r\n");
    printer.cancel = true;
    PrintTextFile(Out(), dir + "doc.txt");
    EXPECT_EQ(printer.documents, 0);
}

TEST_F(PrintingTest, WindowsPrinterKindPrintsTheDocumentAndDeletesIt) {
    app.Config.LinesPerPage = 10;
    SetHeader(Out(), {"Kopf", "", "", "", ""}, 0);
    OutputOpen(Out(), odWindowsPrinter);
    PageHeader(Out());
    for (int i = 0; i < 12; ++i)
        WriteLine(Out(), "Zeile");
    PageEnd(Out());
    OutputClose(Out());
    EXPECT_EQ(printer.offered, 2);
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_FALSE(FileExists(app.Output.OutputFileName));
}

} // namespace
} // namespace vak1::test
