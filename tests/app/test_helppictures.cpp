// Help pictures in the program: the "Hilfe&bild" button of a dialog draws its entry's picture,
// a help entry without a picture leaves the window empty, the logo stands at start and in
// the About box, and the help menu's "Hilfebild" browses the installed pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "app/outputcontext.h"
#include "dialogs/dialogs.h"
#include "graphics/draw.h"
#include "support/tempfolder.h"

using namespace vak1;

namespace {

struct HelpPictures : ::testing::Test {
    void SetUp() override {
        t.app.Config.PltDir = std::string(VAK1_SOURCE_DIR) + "/data/";
        ConnectHelpPictures(t.app);
        // The help buttons as the start-up connects them.
        t.ui.onHelp = [this](uint16_t n, bool picture) {
            ShowHelp(HelpContextOf(t.app), n, picture ? HelpMode::PictureOnly : HelpMode::TextOnly);
        };
    }
    bool Shows(const std::string& text) const {
        for (const auto& r : t.app.Graphics.DisplayList)
            if (r.starts_with("6;") && r.ends_with(text)) return true;
        return false;
    }
    test::TestApp t;
};

} // namespace

TEST_F(HelpPictures, PictureButtonDrawsThePictureOfTheDialogsEntry) {
    struct Case {
        uint16_t help;
        const char* title; // nullptr: an entry without picture, only the empty sheet
    };
    for (const Case c :
         {Case{8200, "Kontur: Positionen gegen den Uhrzeigersinn"},
          Case{8330, "K\xf6rper: Querschnitt und L\xe4nge lx"}, Case{8320, nullptr}}) {
        t.app.Graphics.DisplayList = {"4;0;0;1;1"};
        t.ui.Push(ScriptedAnswer::Text("1").WithHelp(true));
        long v = 0;
        InputInteger(Dialogs(t.app), c.help, "x", v, 0, 9);
        const auto& list = t.app.Graphics.DisplayList;
        ASSERT_FALSE(list.empty());
        EXPECT_TRUE(list[0].ends_with(";0;0;160;120")) << list[0];
        if (c.title)
            EXPECT_TRUE(Shows(c.title)) << c.help;
        else
            EXPECT_LE(list.size(), 2u); // the sheet and its line style
    }
    EXPECT_TRUE(t.ui.Shown("message").empty()); // the picture only, no text box
}

TEST_F(HelpPictures, LogoAtStartWithoutProjectAndInTheAboutBox) {
    for (const char* command : {"", "mi_HelpAbout"}) {
        Clear(t.app.Graphics);
        if (*command)
            RunCommand(t.app, command);
        else
            ShowStartPicture(t.app);
        const auto& list = t.app.Graphics.DisplayList;
        ASSERT_FALSE(list.empty()) << command;
        EXPECT_TRUE(list[0].ends_with(";-1;-1;38;33")) << list[0];
        EXPECT_GE(std::count_if(list.begin(), list.end(),
                                [](const std::string& r) { return r.starts_with("7;"); }),
                  8);
    }
}

TEST_F(HelpPictures, HelpMenuBrowsesTheInstalledPictures) {
    t.ui.Push(ScriptedAnswer::Browse(PictureBrowserAction::Show, 3));
    bool shown = false; // while the browser is open; afterwards the project's picture is back
    t.ui.onShown = [&](const DialogRecord& r) {
        if (r.kind == "pictures") shown = Shows("Schwerpunkt S, Hauptachsen v, w und Winkel phi");
    };
    RunCommand(t.app, "mi_HelpHilfebild");
    EXPECT_TRUE(shown);
    EXPECT_EQ(t.ui.Shown("pictures").size(), 2u);
    EXPECT_EQ(t.app.State.AbortFlag, 0);
}
