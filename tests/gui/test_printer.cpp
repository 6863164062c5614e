// Pins text printing through Qt: the printout of a text file becomes pages of a real
// document (a PDF here), one page per form feed within the chosen range.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "app/App.h"
#include "app/outputcontext.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "report/OutputDocument.h"

using namespace vak1;

namespace {

int CountPages(const QByteArray& pdf) {
    int n = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (!pdf.mid(at, 12).endsWith('s')) ++n; // "/Type /Pages" is the page tree
    return n;
}

} // namespace

TEST(QtPrinterTest, TextFileBecomesPdfPages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string text = dir.filePath("bericht.txt").toStdString();
    std::ofstream(text, std::ios::binary)
        << "Seite eins\r\n\f\r\nSeite zwei\r\nZeile\r\n\f\r\nSeite drei\r\n";
    App app;
    QtUi ui;
    QtPrinter printer;
    const QString pdf = dir.filePath("druck.pdf");
    printer.PrintToFile(pdf);
    app.Env.ui = &ui;
    app.Env.printer = &printer;
    PrintTextFile(OutputContextOf(app), text);
    EXPECT_EQ(app.State.AbortFlag, 0);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(CountPages(bytes), 3);
}
