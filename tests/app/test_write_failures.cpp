// Every file the program writes, written again when the disk fills half-way and when the
// target cannot be replaced: the files there before stay byte for byte, the user is told,
// and no temporary file is left behind.
//
// A full disk is a file size limit (RLIMIT_FSIZE holds for root too, so the tests need no
// mount). A target that cannot be replaced is a folder of the target's name: rename(2) and
// open(2) both refuse it whoever runs the test, where a read-only folder stops nobody who
// runs as root.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "app/cadcontext.h"
#include "app/outputcontext.h"
#include "app/projectcontext.h"
#include "app/startup.h"
#include "app/tablecontext.h"
#include "cad/cad.h"
#include "cad/CadContext.h"
#include "cad/drawing.h"
#include "cad/plotline.h"
#include "dbase/dbftest.h"
#include "graphics/picturebrowser.h"
#include "help/helperr.h"
#include "project/projectfile.h"
#include "report/changelog.h"
#include "report/resultreport.h"
#include "settings/settingsfile.h"
#include "support/ReportFixture.h"
#include "support/tempfolder.h"

namespace vak1::test {
namespace {

namespace fs = std::filesystem;

// Every file below the folder with its bytes; a folder is listed with "/" appended.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(e.path(), folder).string();
        files[e.is_directory() ? name + "/" : name] = e.is_directory() ? "" : ReadBytes(e.path());
    }
    return files;
}

// The standard input of every writer: the L-profile calculated, a folder for temporary files
// and a table of 40 records in the table window on demand.
struct Scene : ReportFixture {
    Scene() {
        SetUp();
        LoadLProfile();
        app.State.ProjectName = "p";
        app.State.StartDir = dir;
        app.State.OverwriteQuestion = false;
        app.Config.TempDir = dir + "tmp/";
        fs::create_directory(app.Config.TempDir);
        app.Config.CadDir = dir;
        app.Config.DbfDir = dir;
        app.Config.TextDeviceDialog = 0;
    }
    ~Scene() override { TearDown(); }
    void TestBody() override {}
    using ReportFixture::app;
    using ReportFixture::dir;
    using ReportFixture::ui;

    std::string Path(const std::string& name) const { return dir + name; }
    void Answer(ScriptedAnswer a) { ui.Push(std::move(a)); }
    // Error messages shown so far, and lines written to standard error by a job.
    int Told() const {
        int n = 0;
        for (const auto& r : ui.shown)
            if (r.kind == "message" && r.messageKind == MessageKind::Error) ++n;
        return n + static_cast<int>(std::count(err.begin(), err.end(), '\n'));
    }
    std::string LastTold() const {
        const auto m = ui.Messages();
        return err + (m.empty() ? std::string() : m.back());
    }
    void Table() {
        std::vector<std::vector<std::string>> rows;
        for (int i = 1; i <= 40; ++i)
            rows.push_back({"Satz " + std::to_string(i), std::to_string(i), "0", "F"});
        MakeTable(Path("t.dbf"), SampleFields(), rows);
        OpenTable(TableContextOf(app), Path("t.dbf"));
    }
    // Runs step with the folder as the current folder.
    void InFolder(const std::function<void()>& step) {
        const fs::path was = fs::current_path();
        fs::current_path(dir);
        step();
        fs::current_path(was);
    }
    // A job of the command line run in the folder; its standard error is kept in err (in
    // memory: a file would meet the size limit too).
    void Job(std::vector<std::string> args) {
        app.State.CommandLine = std::move(args);
        char* text = nullptr;
        std::size_t length = 0;
        std::FILE* errFile = ::open_memstream(&text, &length);
        std::FILE* out = std::fopen("/dev/null", "w");
        InFolder([&] { StartUp(app, out, errFile); });
        std::fclose(out);
        std::fclose(errFile);
        err.append(text, length);
        std::free(text);
    }

    std::string err;
};

struct Writer {
    const char* what;
    const char* target; // below the test's folder
    // Run before each write and not part of what is compared.
    std::function<void(Scene&)> prepare;
    std::function<void(Scene&)> write;
    // false: the writer reads its target first (an open table, a file it edits), which
    // therefore cannot be a folder
    bool replaceable = true;
};

void Nothing(Scene&) {}

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> rows = {
        {"project file", "p.vak1", Nothing,
         [](Scene& f) { WriteProject(ProjectFileOf(f.app), "p"); }},
        {"settings", "vak1.cfg", Nothing,
         [](Scene& f) { SaveSettings(f.app.Config, f.dir, Dialogs(f.app)); }},
        {"recent files", "vak1.cff", Nothing,
         [](Scene& f) {
             SaveRecentFiles(f.app.Config, f.dir, f.dir,
                             {f.Path("eins.vak1"), f.Path("zwei.vak1"), "", ""}, Dialogs(f.app));
         }},
        {"report file of a job", "p.txt", Nothing,
         [](Scene& f) {
             RunReportJob(OutputContextOf(f.app), f.app.Project, f.app.Messages, f.Path("p.txt"));
         }},
        {"report file", "r.txt", [](Scene& f) { f.Answer(ScriptedAnswer::File(f.Path("r.txt"))); },
         [](Scene& f) {
             ReportStandard(OutputContextOf(f.app), f.app.Project, f.app.Messages, odFile);
         }},
        {"report in the output window", "tmp/outwin.txt", Nothing,
         [](Scene& f) {
             ReportStandard(OutputContextOf(f.app), f.app.Project, f.app.Messages, odScreen);
         }},
        {"report as HTML", "r.htm",
         [](Scene& f) { f.Answer(ScriptedAnswer::File(f.Path("r.htm"))); },
         [](Scene& f) {
             f.app.Config.HtmlBrowser.clear();
             ReportStandard(OutputContextOf(f.app), f.app.Project, f.app.Messages, odHtml);
         }},
        {"report tab-separated", "tmp/$$$1.txt", Nothing,
         [](Scene& f) {
             ReportStandard(OutputContextOf(f.app), f.app.Project, f.app.Messages,
                            odSpreadsheetTxt);
         }},
        {"change log", "c.txt", [](Scene& f) { f.Answer(ScriptedAnswer::File(f.Path("c.txt"))); },
         [](Scene& f) { WriteChangeLog(OutputContextOf(f.app), f.app.Docu, odFile); }},
        {"DXF drawing", "p.dxf", Nothing,
         [](Scene& f) {
             RunCadJob(CadContextOf(f.app), f.app.Project, f.app.Docu, cdDxf, 1, f.Path("p"));
         }},
        {"IGES drawing", "p.igs", Nothing,
         [](Scene& f) {
             RunCadJob(CadContextOf(f.app), f.app.Project, f.app.Docu, cdIges, 1, f.Path("p"));
         }},
        {"TXT drawing listing", "p.txt", Nothing,
         [](Scene& f) {
             RunCadJob(CadContextOf(f.app), f.app.Project, f.app.Docu, cdTxt, 1, f.Path("p"));
         }},
        {"block file of the screen", "tmp/$blk.dx$", Nothing,
         [](Scene& f) {
             const CadContext cx = CadContextOf(f.app);
             CadOpen(cx, cdScreen);
             CadBlocksBegin(cx);
             CadBlockBegin(cx, "blk");
             for (int i = 0; i < 20; ++i)
                 CadLine(cx, 0, i, 100, i);
             CadBlockEnd(cx);
             CadBlocksEnd(cx);
         }},
        {"batch file of a long plotting line", "plot.sh",
         [](Scene& f) {
             fs::create_directories(f.Path("p"));
             WriteBytes(f.Path("p/WKARTUNO"), "#!/bin/sh\n");
             f.ui.Push(
                 {ScriptedAnswer::Choice(1), ScriptedAnswer::Text("p"), ScriptedAnswer::Choice(1),
                  ScriptedAnswer::Choice(3), ScriptedAnswer::Text(std::string(28, 'a')),
                  ScriptedAnswer::Text("1"), ScriptedAnswer::YesNo(false), ScriptedAnswer::Keep(),
                  ScriptedAnswer::Keep(), ScriptedAnswer::Keep(), ScriptedAnswer::Text("plot")});
         },
         [](Scene& f) { f.InFolder([&] { BuildPlotLine(CadContextOf(f.app), ""); }); }},
        {"help-picture index", "vak1.dbh", Nothing,
         [](Scene& f) {
             std::vector<std::string> lines;
             for (int i = 0; i < 20; ++i)
                 lines.push_back(PictureIndexLine("bild" + std::to_string(i), "Ein Bild"));
             RewritePictureIndex(Dialogs(f.app), f.app.Config, f.Path("vak1.dbh"), lines);
         }},
        {"message file", "vak1.err",
         [](Scene& f) {
             if (FileExists(f.Path("vak1.err"))) return;
             std::string bytes;
             for (int i = 0; i < 20; ++i)
                 bytes += "Meldung Nummer " + std::to_string(i) + "\r\nUrsache\r\nAbhilfe\r\n";
             WriteBytes(f.Path("vak1.err"), bytes);
         },
         [](Scene& f) {
             RewriteMessageFile(HelpContextOf(f.app), "Meldung Nummer 3", "neue Ursache",
                                "neue Abhilfe");
         },
         false},
        {"table as delimited text", "t.txt",
         [](Scene& f) {
             if (!f.app.Table.Table.IsOpen()) f.Table();
             f.Answer(ScriptedAnswer::File(f.Path("t.txt")));
         },
         [](Scene& f) { SaveTableDelimited(TableContextOf(f.app)); }},
        {"table as HTML", "t.htm",
         [](Scene& f) {
             if (!f.app.Table.Table.IsOpen()) f.Table();
             f.app.Config.HtmlBrowser.clear();
             f.Answer(ScriptedAnswer::File(f.Path("t.htm")));
         },
         [](Scene& f) { ExportTableHtml(TableContextOf(f.app)); }},
        {"records appended to a table", "t.dbf",
         [](Scene& f) {
             if (!f.app.Table.Table.IsOpen()) f.Table();
             std::string rows;
             for (int i = 1; i <= 40; ++i)
                 rows += "\"Neu " + std::to_string(i) + "\"," + std::to_string(i) + ",0,F\r\n";
             WriteBytes(f.Path("neu.txt"), rows);
             f.Answer(ScriptedAnswer::File(f.Path("neu.txt")));
         },
         [](Scene& f) { AppendTableDelimited(TableContextOf(f.app)); }, false},
        {"packed table", "t.dbf",
         [](Scene& f) {
             if (!f.app.Table.Table.IsOpen()) f.Table();
             f.app.Table.Table.Go(1);
             f.app.Table.Table.SetDeleted(true);
             f.Answer(ScriptedAnswer::Answer(Reply::Yes));
         },
         [](Scene& f) { PackTable(TableContextOf(f.app)); }, false},
        {"project table of a folder", "vak1table.txt",
         [](Scene& f) { WriteProject(ProjectFileOf(f.app), "p"); },
         [](Scene& f) {
             f.Job({"/TABLE", f.dir});
         }},
    };
    return rows;
}

void WriteOnAFullDisk(const Writer& w) {
    Scene f;
    w.prepare(f);
    w.write(f);
    ASSERT_EQ(f.Told(), 0) << f.LastTold();
    const std::size_t size = fs::file_size(f.Path(w.target));
    ASSERT_GT(size, 60u);
    w.prepare(f);
    const auto before = Snapshot(f.dir);
    const int told = f.Told();
    {
        FileSizeLimit limit(size / 2);
        w.write(f);
    }
    EXPECT_GT(f.Told(), told);
    EXPECT_EQ(Snapshot(f.dir), before);
}

TEST(WriteFailures, DiskFullHalfWayKeepsTheOldFiles) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.what);
        WriteOnAFullDisk(w);
    }
}

TEST(WriteFailures, TargetThatCannotBeReplacedStaysAsItWas) {
    for (const Writer& w : Writers()) {
        if (!w.replaceable) continue;
        SCOPED_TRACE(w.what);
        Scene f;
        w.prepare(f);
        fs::create_directories(f.Path(w.target));
        WriteBytes(f.Path(w.target) + "/alt", "alt");
        const auto before = Snapshot(f.dir);
        w.write(f);
        EXPECT_GT(f.Told(), 0);
        EXPECT_EQ(Snapshot(f.dir), before);
    }
}

// Temporary files were opened by fixed names (following links, not exclusively) and their mode
// set by name: a link planted there by another user led the write into the victim's file.
TEST(WriteFailures, LinksPlantedAtTemporaryNamesAreNotFollowed) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.what);
        Scene f;
        w.prepare(f);
        const std::string victim = f.Path("opfer.txt");
        WriteBytes(victim, "fremd");
        ::chmod(victim.c_str(), 0600);
        std::vector<std::string> names = {std::string(w.target) + ".$tmp" +
                                              std::to_string(::getpid()),
                                          "tmp/$$$.dbh", "$pack$.dbf"};
        for (int i = 1; i <= 11; ++i)
            names.push_back("tmp/$OUT" + std::to_string(i) + ".TMP");
        for (const auto& name : names)
            fs::create_symlink(victim, f.Path(name));
        w.write(f);
        EXPECT_EQ(ReadBytes(victim), "fremd");
        EXPECT_EQ(fs::status(victim).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
}

} // namespace
} // namespace vak1::test
