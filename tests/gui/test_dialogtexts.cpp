// Pins the words and access keys of the German dialogs: no English pieces left among their
// captions, and within each window (each tab page with the buttons below the pages) no access
// key used twice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>

#include "app/App.h"
#include "app/tablecontext.h"
#include "gui/QtUi.h"
#include "gui/configwindow.h"
#include "gui/docuwindows.h"
#include "gui/driver.h"
#include "gui/plotform.h"
#include "gui/printforms.h"
#include "gui/projecttablewindow.h"
#include "settings/configdialog.h"

using namespace vak1;
using namespace vak1::test;

namespace {

// The captions of a window: title, labels, buttons, group boxes, tabs, menus and actions.
QStringList Captions(QWidget* w) {
    QStringList out{w->windowTitle()};
    for (auto* l : w->findChildren<QLabel*>())
        out << l->text();
    for (auto* b : w->findChildren<QAbstractButton*>())
        out << b->text();
    for (auto* g : w->findChildren<QGroupBox*>())
        out << g->title();
    for (auto* t : w->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            out << t->tabText(i);
    for (auto* m : w->findChildren<QMenu*>())
        out << m->title();
    for (auto* a : w->findChildren<QAction*>())
        out << a->text();
    return out;
}

// The English words of the captions that a German window must not show.
QStringList EnglishWords(const QStringList& captions) {
    static const QStringList english = {
        "Directories", "Document",  "Setup",     "Program", "File",   "Command",
        "Line",        "Lines",     "Printer",   "Save",    "Append", "Pack",
        "Common",      "Structure", "Delimited", "Export",  "Config", "Select",
        "Directory",   "Info",      "Exit",      "Help"};
    QStringList found;
    static const QRegularExpression notLetter("[^\\p{L}]+");
    for (const QString& caption : captions)
        for (const QString& word : QString(caption).remove('&').split(notLetter))
            if (english.contains(word)) found << caption;
    return found;
}

// The access key of a caption in lower case; empty without one.
QString AccessKey(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption.mid(i + 1, 1).toLower();
    }
    return {};
}

// Access keys used twice among the buttons and group boxes the user can reach at once: for
// each tab page, its own with those outside every page.
QStringList SharedKeys(QWidget* w) {
    QStringList shared;
    auto* tabs = w->findChild<QTabWidget*>();
    const int pages = tabs ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
        if (tabs) tabs->setCurrentIndex(page);
        std::map<QString, QString> seen;
        auto take = [&](QWidget* widget, const QString& caption) {
            if (!widget->isVisibleTo(w)) return;
            const QString key = AccessKey(caption);
            if (key.isEmpty()) return;
            const auto [at, fresh] = seen.emplace(key, caption);
            if (!fresh) shared << at->second + " / " + caption;
        };
        for (auto* b : w->findChildren<QAbstractButton*>())
            take(b, b->text());
        for (auto* g : w->findChildren<QGroupBox*>())
            take(g, g->title());
        for (auto* l : w->findChildren<QLabel*>())
            if (l->buddy()) take(l, l->text());
        for (auto* bar : w->findChildren<QMenuBar*>())
            for (QAction* a : bar->actions())
                if (a->isVisible()) take(bar, a->text());
    }
    return shared;
}

} // namespace

// "Directories", the whole "Document Setup" dialog, "Command Line:", "Printer Info", the
// table window's and the project table's menus were English in the German program; the
// settings dialog's two help buttons of the CAD page shared their key.
TEST(DialogTexts, GermanWindowsAreGermanAndKeepTheirAccessKeysApart) {
    App app;
    QtUi ui;
    app.Env.ui = &ui;
    ConfigDialogData config;
    FillConfigDialog(app.Config, {}, config);
    DocumentsDialogData documents;
    PlotFormData plot;
    PrintoutDialogData printout;
    printout.loadSet = printout.storeSet = [](PrintoutDialogData&) {};
    std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> windows;
    windows.emplace_back("settings", std::make_unique<Tconfig>(nullptr, config));
    windows.emplace_back("documents",
                         std::make_unique<TForm_confDoku>(nullptr, documents, HelpHandler{}));
    windows.emplace_back("plot", std::make_unique<TForm_confkartuno>(nullptr, plot, HelpHandler{}));
    windows.emplace_back("printout",
                         std::make_unique<TForm_printconf>(nullptr, printout, HelpHandler{}));
    windows.emplace_back("printer info",
                         std::make_unique<TForm_printerinfo>(nullptr, PrinterInfoData{}));
    ProjectTableData projects;
    windows.emplace_back("project table",
                         std::make_unique<TForm_preview>(nullptr, projects, HelpHandler{}));
    for (const auto& [what, w] : windows) {
        EXPECT_EQ(EnglishWords(Captions(w.get())).join(" | ").toStdString(), "") << what;
        EXPECT_EQ(SharedKeys(w.get()).join(" | ").toStdString(), "") << what;
    }

    // The table window over a real table, in edit mode with all its menus.
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    std::string error;
    ASSERT_TRUE(DbfTable::Create(folder + "t.dbf", {{"NAME", 'C', 20, 0}}, error)) << error;
    app.Config.DbfDir = app.Config.TempDir = folder;
    const TableContext ctx = TableContextOf(app);
    ASSERT_TRUE(OpenTableWithWriteCheck(ctx, "t"));
    QStringList table, tableKeys;
    OnNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        table = Captions(w);
        tableKeys = SharedKeys(w);
        static_cast<QDialog*>(w)->reject();
    });
    ShowTable(ctx, 0, kTableEdit, "");
    CloseTable(app.Table);
    EXPECT_FALSE(table.isEmpty());
    EXPECT_EQ(EnglishWords(table).join(" | ").toStdString(), "");
    EXPECT_EQ(tableKeys.join(" | ").toStdString(), "");
}
