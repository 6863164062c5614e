// The help-picture browser on a copy of the installed index: each index operation changes
// exactly its line, a failing temporary write leaves the index as it was, the plot reaches
// the port in blocks with its escape sequences, and without an index the chosen picture's
// folder becomes the picture folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "graphics/picturebrowser.h"
#include "platform/PortWriter.h"
#include "settings/Settings.h"
#include "support/tempfolder.h"
#include "testing/ScriptedUi.h"

using namespace vak1;
using A = PictureBrowserAction;
namespace fs = std::filesystem;

namespace {

struct RecordingPorts : PortWriter {
    bool Open(const std::string& port) override {
        name = port;
        return true;
    }
    bool Write(std::string_view bytes) override {
        writes.emplace_back(bytes);
        return true;
    }
    bool Close() override { return true; }
    std::string name;
    std::vector<std::string> writes;
};

class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& e : fs::directory_iterator(fs::path(VAK1_SOURCE_DIR) / "data"))
            if (e.path().extension() == ".plt" || e.path().extension() == ".dbh")
                fs::copy_file(e.path(), folder / e.path().filename().string());
        fs::create_directory(folder / "tmp");
        s.PltDir = folder.path();
        s.TempDir = folder / "tmp";
        original = Index();
    }
    void Browse() { BrowseHelpPictures({g, s, DialogContext{ui, s, abort}, &ports}); }
    std::vector<std::string> Index() const {
        return test::SplitCrLf(test::ReadBytes(folder / "vak1.dbh"));
    }
    test::TempFolder folder;
    Settings s;
    ScriptedUi ui;
    GraphicsWindow g;
    RecordingPorts ports;
    uint8_t abort = 0;
    std::vector<std::string> original;
};

} // namespace

TEST_F(BrowserTest, IndexOperationsChangeTheirLineOnly) {
    struct Case {
        const char* what;
        std::vector<ScriptedAnswer> answers;
        std::function<void(std::vector<std::string>&)> expect;
    };
    const std::string added = "\"neu\",\"Ein neues Bild\"";
    const std::vector<Case> cases = {
        {"add",
         {ScriptedAnswer::Browse(A::Add), ScriptedAnswer::File(folder / "neu.plt"),
          ScriptedAnswer::Text("Ein neues Bild")},
         [&](auto& v) { v.push_back(added); }},
        {"change",
         {ScriptedAnswer::Browse(A::Change, 2), ScriptedAnswer::Text("bogen2"),
          ScriptedAnswer::Text("Anders")},
         [](auto& v) { v[1] = "\"bogen2\",\"Anders\""; }},
        {"insert",
         {ScriptedAnswer::Browse(A::Insert, 3), ScriptedAnswer::File(folder / "neu.plt"),
          ScriptedAnswer::Text("Ein neues Bild")},
         [&](auto& v) { v.insert(v.begin() + 2, added); }},
        {"delete",
         {ScriptedAnswer::Browse(A::Delete, 4), ScriptedAnswer::Answer(Reply::Yes)},
         [](auto& v) { v.erase(v.begin() + 3); }},
    };
    for (const auto& c : cases) {
        test::WriteBytes(folder / "vak1.dbh", test::CrLf(original));
        for (const auto& a : c.answers)
            ui.Push(a);
        ui.Push(ScriptedAnswer::Browse(A::Close));
        Browse();
        std::vector<std::string> expected = original;
        c.expect(expected);
        EXPECT_EQ(Index(), expected) << c.what;
        EXPECT_EQ(ui.Pending(), 0u) << c.what;
        EXPECT_FALSE(fs::exists(folder / "tmp/$$$.dbh")) << c.what;
    }
    EXPECT_EQ(abort, 0);
    // The first pass showed picture 1; the dialogs list the pictures, the shown one selected.
    const auto dialogs = ui.Shown("pictures");
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs[0].caption, "VAK1 Hilfebilder");
    EXPECT_EQ(dialogs[0].preselected, 1);
    EXPECT_EQ(dialogs[0].lines.size(), original.size());
    EXPECT_EQ(dialogs[0].lines[0], "kontur  : Kontur mit Positionen und Umlaufsinn");
    EXPECT_EQ(dialogs[0].helpNumber, kHelpPictureBrowser);
}

TEST_F(BrowserTest, FailingTemporaryWriteLeavesTheIndexUnchanged) {
    ui.Push({ScriptedAnswer::Browse(A::Change, 1), ScriptedAnswer::Text("kontur"),
             ScriptedAnswer::Text(std::string(50, 'x'))});
    {
        test::FileSizeLimit limit(100); // the index is longer: the temporary file fails
        Browse();
    }
    EXPECT_EQ(Index(), original);
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_FALSE(fs::exists(folder / "tmp/$$$.dbh"));
}

TEST_F(BrowserTest, PlotSendsThePictureInBlocksBetweenTheEscapes) {
    test::WriteBytes(folder / "vak1.dbh", "\"gross\",\"5000 Bytes\"\r\n");
    const std::string picture(5000, 'P');
    test::WriteBytes(folder / "gross.plt", picture);
    ui.Push({ScriptedAnswer::Browse(A::Plot, 1), ScriptedAnswer::Text("2"),
             ScriptedAnswer::Answer(Reply::Yes), ScriptedAnswer::Browse(A::Close)});
    Browse();
    EXPECT_EQ(ports.name, "LPT2");
    const std::vector<std::string> expected = {"\x1b"
                                               "E\x1b%0B",
                                               picture.substr(0, 2048), picture.substr(2048, 2048),
                                               picture.substr(4096),
                                               "\x1b%0A\x1b"
                                               "E"};
    EXPECT_EQ(ports.writes, expected);
    EXPECT_EQ(ui.status, (std::vector<std::string>{"Hilfebild wird ausgegeben .."}));
}

TEST_F(BrowserTest, WithoutIndexTheChosenFolderBecomesThePictureFolder) {
    fs::remove(folder / "vak1.dbh");
    fs::create_directory(folder / "andere");
    test::WriteBytes(folder / "andere/linie.plt", "SP1;PU0,0;PD400,0;");
    ui.Push(ScriptedAnswer::File(folder / "andere/linie.plt"));
    Browse(); // the second file dialog is cancelled
    EXPECT_EQ(s.PltDir, folder / "andere/");
    ASSERT_FALSE(g.DisplayList.empty());
    EXPECT_EQ(g.DisplayList.back(), "4;0;0;10;0");
    EXPECT_EQ(ui.Shown("open").size(), 2u);
    EXPECT_EQ(abort, 0);
}
