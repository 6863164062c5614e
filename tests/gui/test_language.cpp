// Pins the desktop program in the chosen language: with English chosen no window shows a
// German word outside the project's own data, the key names are Qt's English ones, the help
// follows the language, and the files the program writes do not change with it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <deque>
#include <iterator>

#include "app/App.h"
#include "app/commands.h"
#include "app/menu.h"
#include "app/startup.h"
#include "gui/MainWindow.h"
#include "gui/QtPrinter.h"
#include "gui/QtUi.h"
#include "gui/desktop.h"
#include "gui/driver.h"
#include "gui/translations.h"
#include "help/helptext.h"
#include "testing/FixedClock.h"
#include "testing/RecordingLauncher.h"
#include "testing/RecordingPrinter.h"

using namespace vak1;
using namespace vak1::test;

namespace {

// What a window shows: title, labels, buttons, group boxes, tabs, list lines, headers,
// menus, actions and tooltips.
QStringList Shown(QWidget* w) {
    QStringList out{w->windowTitle(), w->toolTip()};
    for (auto* l : w->findChildren<QLabel*>())
        out << l->text() << l->toolTip();
    for (auto* b : w->findChildren<QAbstractButton*>())
        out << b->text() << b->toolTip();
    for (auto* g : w->findChildren<QGroupBox*>())
        out << g->title();
    for (auto* t : w->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            out << t->tabText(i);
    for (auto* c : w->findChildren<QComboBox*>())
        if (!c->isEditable())
            for (int i = 0; i < c->count(); ++i)
                out << c->itemText(i);
    for (auto* l : w->findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i)
            if (!(l->item(i)->flags() & Qt::ItemIsEditable)) out << l->item(i)->text();
    for (auto* t : w->findChildren<QTableWidget*>()) {
        for (int c = 0; c < t->columnCount(); ++c)
            if (t->horizontalHeaderItem(c)) out << t->horizontalHeaderItem(c)->text();
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->verticalHeaderItem(r)) out << t->verticalHeaderItem(r)->text();
    }
    for (auto* m : w->findChildren<QMenu*>())
        out << m->title();
    for (auto* a : w->findChildren<QAction*>())
        out << a->text() << a->toolTip();
    return out;
}

// German by its letters and its most common words; the project's own data (its text lines,
// file and layer names, the section's name) may be German and is allowed.
QStringList German(const QStringList& texts, const QStringList& alsoThere = {}) {
    static const QStringList words = {
        "und",           "oder",        "der",        "die",
        "das",           "nicht",       "mit",        "für",
        "Datei",         "Abbrechen",   "Hilfe",      "Hilfetext",
        "Hilfebild",     "Neu",         "Ordner",     "Drucker",
        "Zeichnung",     "Bearbeiten",  "Ansicht",    "Berechnung",
        "Einstellungen", "Speichern",   "Öffnen",     "Löschen",
        "Einfügen",      "Ändern",      "Ausdruck",   "Farbe",
        "Schrift",       "Linie",       "Breite",     "Höhe",
        "Länge",         "Winkel",      "Fläche",     "Ja",
        "Nein",          "Meldung",     "Fehler",     "Eingabe",
        "Auswahl",       "Seite",       "Anzahl",     "Dichte",
        "Masse",         "Tabelle",     "Geometrie",  "Körper",
        "Ausgabe",       "Bitte",       "Wert",       "Werte",
        "wählen",        "Schwerpunkt", "Zeichnen",   "Beenden",
        "lesen",         "exportieren", "Projekte",   "Kontur",
        "Punkte",        "Datensatz",   "erwartet",   "gefunden",
        "Zeile",         "Koordinaten", "kein",       "keine",
        "ist",           "Hilfebilder", "versuchen",  "Verschiebung",
        "Drehen",        "Verschieben", "Spannungen", "Wiederherstellen",
        "Bild"};
    static const QStringList data = {"L-Profil", "Winkelprofil", "Quorven"};
    static const QRegularExpression notLetter("[^\\p{L}]+");
    static const QRegularExpression umlaut("[äöüÄÖÜß]");
    QStringList found;
    for (const QString& text : texts) {
        QString t = QString(text).remove('&');
        for (const QString& d : data)
            t.remove(d, Qt::CaseInsensitive);
        bool german = t.contains(umlaut);
        for (const QString& word : t.split(notLetter, Qt::SkipEmptyParts))
            german = german || (words.contains(word) && !alsoThere.contains(word));
        if (german && !found.contains(text)) found << text;
    }
    return found;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct English : ::testing::Test {
    App app;
    QtUi ui;
    // Not named after the application: its name is the window caption, which another test may
    // have left in a language whose letters read as German here.
    QTemporaryDir dir{QDir::tempPath() + "/vak1-english-XXXXXX"};
    std::string folder;
    std::unique_ptr<QtPrinter> printer;
    FixedClock clock;
    RecordingLauncher launcher;
    RecordingPrinter paper;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path().toStdString() + "/";
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Env.launcher = &launcher;
        app.Env.printer = &paper;
        for (std::string* f : {&app.Config.TempDir, &app.Config.DataDir, &app.Config.CadDir,
                               &app.Config.SettingsFolder, &app.State.ProjectDir})
            *f = folder;
        app.Config.PltDir = InstalledDataFolder();
        app.Config.TextDevice = 3; // reports go to a file
        std::filesystem::copy_file(VAK1_SOURCE_DIR "/examples/l-profil.vak1",
                                   folder + "l-profil.vak1");
        OpenProjectFile(app, folder + "l-profil.vak1");
        // A drawing to import, and tables of their own to edit.
        std::filesystem::copy_file(VAK1_GOLDEN_DIR "/cad_kind1.dxf", folder + "kontur.dxf");
        for (const char* table : {"printout.dbf", "profiles.dbf"})
            std::filesystem::copy_file(InstalledDataFolder() + table, folder + table);
        app.Config.DbfDir = folder;
    }
};

// A file dialog takes the folder it shows, the name it proposes or the first file of its
// filter there; a dialog left without one is cancelled by the walk.
void ChooseAFile(QFileDialog& dialog) {
    if (dialog.fileMode() == QFileDialog::ExistingFile) {
        static const QRegularExpression masks("\\(([^)]*)\\)");
        const auto m = masks.match(dialog.selectedNameFilter());
        const QStringList found = dialog.directory().entryList(
            m.hasMatch() ? m.captured(1).split(' ') : QStringList(), QDir::Files, QDir::Name);
        if (found.isEmpty()) return;
        dialog.selectFile(found.first());
    }
    QMetaObject::invokeMethod(&dialog, "accept");
}

// Runs a menu item: the first `accept` windows are confirmed (Enter, or a file chosen),
// every later one is cancelled; each window's German texts are noted,
// those of message boxes only with `messages`. A picture of each window is kept under its
// class name and language where VAK1_SHOT_DIR asks for one.
void Walk(Thh& w, const std::string& name, int accept, bool messages, const QString& language,
          const QStringList& alsoThere, QStringList& german) {
    QAction* action = w.Action(name);
    if (!action || !action->isEnabled() || !action->isVisible()) return;
    auto windows = std::make_shared<int>(0);
    auto stop = std::make_shared<bool>(false);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=, &german, weak = std::weak_ptr<std::function<void()>>(poll)] {
        if (*stop) return;
        QWidget* modal = QApplication::activeModalWidget();
        const int seen = modal ? modal->property("vak1_walked").toInt() : 0;
        if (modal && modal->isVisible() && seen == 0) {
            modal->setProperty("vak1_walked", 1);
            const QString kind = modal->objectName().isEmpty()
                                     ? QString(modal->metaObject()->className())
                                     : modal->objectName();
            SaveShot(modal, QString("lang-%1-%2").arg(kind, language));
            const bool box = qobject_cast<QMessageBox*>(modal) != nullptr;
            for (const QString& g :
                 German(box && !messages ? QStringList() : Shown(modal), alsoThere))
                german << QString::fromStdString(name) + " / " + modal->metaObject()->className() +
                              ": " + g;
            if (++*windows > 40) ADD_FAILURE() << name << " opens window after window";
            auto* files = qobject_cast<QFileDialog*>(modal);
            if (*windows <= accept && files)
                ChooseAFile(*files);
            else if (*windows <= accept)
                QTest::keyClick(KeyTarget(modal), Qt::Key_Return);
            else
                modal->setProperty("vak1_walked", 2);
        }
        // A window that Enter did not close, and every one to cancel, is cancelled.
        if (modal && modal->isVisible() && seen > 0) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        if (auto again = weak.lock()) QTimer::singleShot(5, [again] { (*again)(); });
    };
    QTimer::singleShot(5, [poll] { (*poll)(); });
    action->trigger();
    *stop = true;
    QApplication::processEvents();
}

// Every menu item but those that leave the program or start another one, at the depths up to
// depth.
void WalkEveryItem(Thh& w, App& app, int depth, bool messages, const QString& language,
                   const QStringList& alsoThere, QStringList& german) {
    const std::set<std::string> skipped = {
        "mi_fileexit",       "mi_helpwww",       "mi_helpemail",       "mi_OleExportExcel",
        "mi_OleImportExcel", "mi_OleStartExcel", "mi_OlePrintoutExcel"};
    for (int accept = 0; accept <= depth; ++accept)
        for (const std::string& name : MenuItemNames(app.Menu.Bar)) {
            if (skipped.count(name) || name.rfind("mi_helplanguage", 0) == 0) continue;
            Walk(w, name, accept, messages, language, alsoThere, german);
        }
}

// Runs a menu item, giving its first windows to steps; every window's texts are noted in
// shown, and a window after the steps is cancelled.
void RunNoting(Thh& w, const char* item, std::vector<Step> steps, QStringList& shown) {
    auto left = std::make_shared<std::deque<Step>>(steps.begin(), steps.end());
    auto stop = std::make_shared<bool>(false);
    auto windows = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=, &shown, weak = std::weak_ptr<std::function<void()>>(poll)] {
        if (*stop) return;
        // The next look is due before a step runs: a step may open a window of its own.
        if (auto again = weak.lock()) QTimer::singleShot(5, [again] { (*again)(); });
        QWidget* modal = QApplication::activeModalWidget();
        // A window shown again (the same dialog after its error message) counts as new.
        if (modal && modal->property("vak1_noted").toBool() && !modal->isVisible())
            modal->setProperty("vak1_noted", false);
        if (modal && modal->isVisible() && modal->property("vak1_noted").toBool()) {
            // Left open by its step (a refused entry): cancelled.
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        } else if (modal && modal->isVisible()) {
            modal->setProperty("vak1_noted", true);
            shown << Shown(modal);
            SaveShot(modal, QString("lang-%1-%2").arg(item).arg(++*windows));
            if (auto* box = qobject_cast<QMessageBox*>(modal)) shown << box->text();
            if (!left->empty()) {
                Step step = std::move(left->front());
                left->pop_front();
                step(modal);
                // What the step changed in a window that stays open.
                if (modal->isVisible()) shown << Shown(modal);
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        }
    };
    QTimer::singleShot(5, [poll] { (*poll)(); });
    w.RunCommand(item);
    *stop = true;
    QApplication::processEvents();
}

} // namespace

// The rarer messages read English too: a wrong entry in a dialog, a project file or table
// that cannot be read, a calculation that fails, a file that cannot be written.
TEST_F(English, MessagesOfWrongInputBadFilesAndFailedCalculationsShowNoGerman) {
    Thh w(app, DesktopCommands(app, printer));
    ui.SetParent(&w);
    w.show();
    w.Action("mi_helplanguageEnglish")->trigger();
    const std::string project = ReadAll(folder + "l-profil.vak1");
    auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder + name, std::ios::binary) << text;
    };
    std::string damaged = project;
    damaged.replace(damaged.find("Version 5.0"), 11, "Fassung 5");
    write("kaputt.vak1", damaged);
    // Three positions on one line: no area.
    const std::size_t from = project.find("1. Punkt"), to = project.find("7.8500000");
    std::string flat =
        project.substr(0, project.rfind("7\r\n", from)) + "3\r\n" + "----------------------\r\n";
    for (int k : {1, 2, 3})
        flat += std::to_string(k) + ". Punkt\r\n" + std::to_string(k % 3 * 50) +
                "\r\n0\r\n0\r\n------\r\n";
    write("flach.vak1", flat + project.substr(to));
    write("kaputt.dbf", "keine Tabelle");

    auto choose = [](const char* name) {
        return [name](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(dialog, nullptr) << name;
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    };
    auto type = [](const char* text) {
        return [text](QWidget* d) {
            auto* edit = d->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr) << text;
            edit->selectAll();
            TypeText(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
        };
    };
    auto press = [](const char* button) {
        return [button](QWidget* d) {
            auto* b = Child<QAbstractButton>(d, button);
            ASSERT_NE(b, nullptr) << button;
            QTest::mouseClick(b, Qt::LeftButton);
        };
    };
    auto date = [](const char* text) {
        return [text](QWidget* d) {
            auto* edit = Child<QLineEdit>(d, "Edit_datum");
            ASSERT_NE(edit, nullptr);
            edit->setText(text);
            QTest::keyClick(edit, Qt::Key_Return);
        };
    };
    auto enter = [](QWidget* d) { QTest::keyClick(KeyTarget(d), Qt::Key_Return); };
    const struct {
        const char* project; // opened first
        const char* item;
        std::vector<Step> steps;
        const char* english; // in the message looked for
    } cases[] = {
        {nullptr, "mi_docuNewChange", {date("32.13.2026")}, "Invalid date"},
        {nullptr, "mi_editKoerper", {type("1000")}, "Valid range"},
        {nullptr, "mi_fileOpen", {choose("kaputt.vak1")}, "expected"},
        {nullptr, "mi_dbfProfile", {choose("kaputt.dbf")}, "dBase"},
        {nullptr,
         "mi_editGeometrie",
         {press("Button_transform"), enter, enter, enter, enter, enter},
         "Mirror"},
        {nullptr, "mi_viewStresses", {type("1e3x")}, "not a number"},
        {nullptr, "mi_docudeleteChange", {}, "Delete the last change"},
        {"flach.vak1", "mi_viewErrorMessages", {}, "Fatal"},
    };
    for (const auto& c : cases) {
        app.State.ModifiedFlag = 0; // no save question before the case's own windows
        QStringList shown;
        if (c.project) RunNoting(w, "mi_fileOpen", {choose(c.project)}, shown);
        RunNoting(w, c.item, c.steps, shown);
        EXPECT_FALSE(shown.filter(c.english).isEmpty()) << c.item << " " << c.english << ":\n"
                                                        << shown.join("\n").toStdString();
        const QStringList german = German(shown);
        EXPECT_TRUE(german.isEmpty()) << c.item << ":\n" << german.join("\n").toStdString();
    }
}

TEST_F(English, EveryMenuItemAndItsDialogsShowNoGermanAndKeysReadCtrl) {
    Thh w(app, DesktopCommands(app, printer));
    ui.SetParent(&w);
    w.resize(900, 640);
    w.show();
    // Started in German as the program starts: Qt's German key names.
    LoadQtTranslations(app.Config.MenuLanguage);
    auto keyNames = [&w] {
        QStringList names;
        for (QAction* a : w.findChildren<QAction*>())
            if (!a->shortcut().isEmpty() && a->shortcut().toString().contains('+'))
                names << a->shortcut().toString(QKeySequence::NativeText);
        return names;
    };
    ASSERT_FALSE(keyNames().isEmpty());
    EXPECT_TRUE(keyNames().filter("Strg+").size() == keyNames().size())
        << keyNames().join(" ").toStdString();
    w.Action("mi_helplanguageEnglish")->trigger();
    ASSERT_EQ(app.Config.MenuLanguage, 2);
    EXPECT_TRUE(keyNames().filter("Ctrl+").size() == keyNames().size())
        << keyNames().join(" ").toStdString();
    QStringList german = German(Shown(&w));
    WalkEveryItem(w, app, 4, true, "en", QStringList(), german);
    german.removeDuplicates();
    EXPECT_TRUE(german.isEmpty()) << german.join("\n").toStdString();
}

// The report, the DXF drawing and the project file written with English chosen are the
// German ones byte for byte: the language is the windows' only.
TEST_F(English, FilesWrittenAreTheSameInEveryLanguage) {
    Thh w(app, DesktopCommands(app, printer));
    ui.SetParent(&w);
    w.show();
    auto chooseFile = [](const char* name) {
        return [name](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(dialog, nullptr) << name;
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    };
    auto closeBox = [](QWidget* d) {
        ASSERT_NE(d, nullptr);
        QTest::keyClick(KeyTarget(d), Qt::Key_Return);
    };
    std::map<std::string, std::string> files[2];
    const char* items[] = {"mi_helplanguageDeutsch", "mi_helplanguageEnglish"};
    for (int pass = 0; pass < 2; ++pass) {
        w.Action(items[pass])->trigger();
        DialogScript save;
        save.Then(chooseFile("projekt.vak1")).Start();
        w.RunCommand("mi_FileSaveAs");
        EXPECT_EQ(save.Left(), 0u);
        DialogScript report;
        report.Then(chooseFile("bericht.txt")).Then(closeBox).Start();
        w.RunCommand("mi_viewStandard");
        EXPECT_EQ(report.Left(), 0u);
        DialogScript dxf;
        dxf.Then(chooseFile("kontur.dxf")).Start();
        w.RunCommand("mi_fileExportDXF");
        EXPECT_EQ(dxf.Left(), 0u);
        for (const char* name : {"bericht.txt", "kontur.dxf", "projekt.vak1"}) {
            files[pass][name] = ReadAll(folder + name);
            EXPECT_FALSE(files[pass][name].empty()) << name;
            std::filesystem::remove(folder + name);
        }
    }
    for (const auto& [name, german] : files[0]) {
        EXPECT_TRUE(files[1][name] == german) << name << " differs in English";
    }
}

// The help of a dialog and the tooltips of the menu come from the English help file once
// English is chosen, and from the German one again after German.
TEST_F(English, HelpFollowsTheLanguage) {
    Thh w(app, DesktopCommands(app, printer));
    w.Action("mi_helplanguageEnglish")->trigger();
    const std::string english = HelpFirstLine(app.Config, 8200);
    EXPECT_EQ(HelpFilePath(app.Config, 8200), InstalledDataFolder() + "en/vak1.hlp");
    EXPECT_EQ(HelpFilePath(app.Config, 100), InstalledDataFolder() + "en/quorven.hlp");
    EXPECT_TRUE(German({QString::fromStdString(english)}).isEmpty()) << english;
    const QString tip = w.Action("mi_editGeometrie")->toolTip();
    EXPECT_FALSE(tip.isEmpty());
    EXPECT_TRUE(German({tip}).isEmpty()) << tip.toStdString();
    w.Action("mi_helplanguageDeutsch")->trigger();
    EXPECT_EQ(HelpFilePath(app.Config, 8200), InstalledDataFolder() + "vak1.hlp");
    EXPECT_NE(HelpFirstLine(app.Config, 8200), english);
    EXPECT_NE(w.Action("mi_editGeometrie")->toolTip(), tip);
}

// French, Romanian and Korean have their menus, and the labels and buttons of every dialog,
// in their language: no German left there (messages may stay German).
TEST_F(English, OtherLanguagesShowNoGermanLabels) {
    Thh w(app, DesktopCommands(app, printer));
    ui.SetParent(&w);
    w.resize(900, 640);
    w.show();
    // Words these languages share with German.
    const struct {
        const char* item;
        const char* code;
        QStringList alsoThere;
    } languages[] = {{"mi_helplanguageFrancais", "fr", {"Masse"}},
                     {"mi_helplanguageRoman", "ro", {"Linie", "Geometrie"}},
                     {"mi_helplanguageKorea", "ko", {}}};
    for (const auto& [item, code, alsoThere] : languages) {
        w.Action(item)->trigger();
        QStringList german = German(Shown(&w), alsoThere);
        WalkEveryItem(w, app, 2, false, code, alsoThere, german);
        german.removeDuplicates();
        EXPECT_TRUE(german.isEmpty()) << code << ":\n" << german.join("\n").toStdString();
    }
}

// A message with a value, name or path in it finds its English by its pattern, keeps the
// pieces as they were, is translated line by line and stays German while German is chosen.
TEST(Translation, MessagesWithValuesAndSeveralLinesFindTheirEnglish) {
    const struct {
        const char* german;
        const char* english;
    } cases[] = {
        {"Gültiger Wertebereich: 0,01 .. 100 !", "Valid range: 0,01 .. 100 !"},
        {"Datei /a b/ü.vak1 nicht gefunden oder kein Zugriffsrecht !",
         "File /a b/ü.vak1 not found or no access permission !"},
        {"Höhe muß größer als 0 sein.", "Height must be greater than 0."},
        {"Fehler : \nDer Ausdruck konnte nicht erstellt werden.",
         "Error : \nThe printout could not be made."},
        {"  &Neu  ", "  &New  "},
        {"Datei /x/k.dxf: Verzweigung bei (120, 80): 3 Enden treffen sich",
         "File /x/k.dxf: Branch at (120, 80): 3 ends meet"},
        {"Kontur nicht geschlossen: Lücke zwischen (0, 0) und (1, 2) (Abstand 2.2 mm)",
         "Contour not closed: gap between (0, 0) and (1, 2) (distance 2.2 mm)"},
        {"p.vak1 nennt ein Programm, das jetzt gestartet werden soll:\n\nxdg-open a\n\n"
         "Starten Sie es nur, wenn Sie der Herkunft der Datei vertrauen. Programm starten?",
         "p.vak1 names a program that is to be started now:\n\nxdg-open a\n\n"
         "Start it only if you trust where the file comes from. Start the program?"},
        {"Die Einstellungsdatei /h/vak1.cfg nennt ein Programm, das jetzt gestartet werden "
         "soll:\n\nkartuno a\n\nStarten Sie es nur, wenn Sie der Herkunft der Datei vertrauen. "
         "Programm starten?",
         "The settings file /h/vak1.cfg names a program that is to be started now:\n\nkartuno "
         "a\n\nStart it only if you trust where the file comes from. Start the program?"},
        {"Schreibschutz entfernen ! (/a (1)/b.txt)",
         "Remove the write protection ! (/a (1)/b.txt)"},
        {"/d/t.dbf, Zeile 3: PREIS: \"x\" ist keine Zahl",
         "/d/t.dbf, line 3: PREIS: \"x\" is not a number"},
        {"Rechteck 100 x 50", "Rechteck 100 x 50"}, // the user's own text
    };
    LoadQtTranslations(2);
    for (const auto& c : cases)
        EXPECT_EQ(TrCore(c.german).toStdString(), c.english) << c.german;
    LoadQtTranslations(1);
    for (const auto& c : cases)
        EXPECT_EQ(TrCore(c.german).toStdString(), c.german);
}

// The section window's message, which changes while the window is open, and the refusal box
// after it read English with English chosen.
TEST_F(English, MessagesOfAnOpenWindowFollowTheLanguage) {
    Thh w(app, DesktopCommands(app, printer));
    ui.SetParent(&w);
    w.Action("mi_helplanguageEnglish")->trigger();
    app.Config.DbfDir = folder; // no table there: the installation's is found
    QString shown, refused, label;
    DialogScript script;
    script.Then([&](QWidget* d) {
        ASSERT_NE(d, nullptr);
        auto* list = Child<QListWidget>(d, "List_families");
        ASSERT_NE(list, nullptr);
        const auto found = list->findItems("Angle", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found[0]).center());
        auto* t = Child<QLineEdit>(d, "Edit_3");
        ASSERT_NE(t, nullptr);
        t->selectAll();
        QTest::keyClicks(t, "90");
        shown = Child<QLabel>(d, "Label_error")->text();
        label = Child<QLabel>(d, "Label_1")->text();
        QTest::mouseClick(Child<QPushButton>(d, "Button_ok"), Qt::LeftButton);
    });
    script.Then([&](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        refused = box->text();
        box->reject();
    });
    script.Then([](QWidget* d) {
        ASSERT_NE(d, nullptr);
        qobject_cast<QDialog*>(d)->reject();
    });
    script.Start();
    w.RunCommand("mi_editProfile");
    EXPECT_TRUE(shown.startsWith("t must be less than b")) << shown.toStdString();
    EXPECT_TRUE(refused.startsWith("t must be less than b")) << refused.toStdString();
    EXPECT_TRUE(German({label}).isEmpty()) << label.toStdString();
}
