// Pins what the graphics window shows after commands that draw something else, and the notes
// on a clockwise or self-crossing contour that the message list and its menu item carry
// without touching the calculation's own messages.
#include <gtest/gtest.h>

#include <functional>

#include "app/cadcontext.h"
#include "app/commands.h"
#include "app/notes.h"
#include "cad/drawing.h"
#include "graphics/draw.h"
#include "graphics/logo.h"
#include "graphics/picturebrowser.h"
#include "help/helptext.h"
#include "report/resultreport.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

using A = ScriptedAnswer;

class Pictures : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        AllFoldersInDir();
        ConnectHelpPictures(app);
        ui.onHelp = [this](uint16_t number, bool picture) {
            ShowHelp(HelpContextOf(app), number,
                     picture ? HelpMode::PictureOnly : HelpMode::TextOnly);
        };
    }
    // What the list draws: colour, line style and width are only written when they change,
    // so they depend on the picture before.
    static std::vector<std::string> Drawn(const std::vector<std::string>& list) {
        std::vector<std::string> out;
        for (const std::string& r : list)
            if (!r.starts_with("8;") && !r.starts_with("11;") && !r.starts_with("12;"))
                out.push_back(r);
        return out;
    }
    std::vector<std::string> Picture() const { return Drawn(app.Graphics.DisplayList.Texts()); }
    // The picture the view command draws of the project as it is now.
    std::vector<std::string> FreshView(DrawingKind kind) {
        DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, kind);
        return Picture();
    }
};

// Help pictures (also a help entry without one), the picture browser, the about box's logo
// and the settings' new reference size stayed in the graphics window after their command;
// the project's drawing comes back.
TEST_F(Pictures, CommandsThatDrawSomethingElseLeaveTheProjectsDrawing) {
    Write(dir + "vak1.dbh", PictureIndexLine("bild", "Ein Bild") + "\r\n");
    Write(dir + "bild.plt", "IN;SP1;PU0,0;PD1000,1000;");
    struct Case {
        const char* item;
        std::vector<A> answers;
    };
    const Case cases[] = {
        {"mi_editKoerper", {A::Cancel().WithHelp(true)}}, // help 8320 has no picture here
        {"mi_HelpHilfebild", {A::Browse(PictureBrowserAction::Close)}},
        {"mi_HelpAbout", {}},
        {"mi_fileConfig", {A::Config([](ConfigDialogData& d) {
             d.graphWidth = "900";
             d.graphHeight = "500";
         })}},
    };
    LoadLProfile();
    for (DrawingKind view : {dkGeometryTable, dkForm}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.item) + " " + std::to_string(view));
            ui = ScriptedUi{};
            ui.onHelp = [this](uint16_t number, bool picture) {
                ShowHelp(HelpContextOf(app), number,
                         picture ? HelpMode::PictureOnly : HelpMode::TextOnly);
            };
            for (const A& a : c.answers)
                ui.Push(a);
            DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, view);
            ASSERT_EQ(app.Graphics.SectionView, view);
            RunCommand(app, c.item);
            EXPECT_EQ(ui.Pending(), 0u);
            EXPECT_EQ(app.Graphics.SectionView, view);
            const auto shown = Picture();
            EXPECT_EQ(shown, FreshView(view));
        }
    }
}

// "Rücksetzen" left the old contour on show; without a contour the start picture is shown.
TEST_F(Pictures, ResetShowsTheStartPicture) {
    GraphicsWindow logo;
    uint8_t abort = 0;
    DrawQuorvenLogo(logo, abort);
    for (Reply reply : {Reply::Yes, Reply::No}) {
        LoadLProfile();
        DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, dkGeometryTable);
        ui.Push(A::Answer(reply));
        RunCommand(app, "mi_editReset");
        EXPECT_EQ(app.Project.PosCount(), 0);
        EXPECT_EQ(app.Graphics.SectionView, 0);
        EXPECT_EQ(Picture(), Drawn(logo.DisplayList.Texts()));
    }
}

// A clockwise contour gave negative values without a word, a self-crossing one values of no
// section: both are noted in the message list and counted by its menu item, while the
// calculation's messages (and so every report) stay as they were.
TEST_F(Pictures, ClockwiseAndSelfCrossingContoursAreNoted) {
    const std::string clockwise = "Kontur im Uhrzeigersinn: Fläche und Momente negativ";
    const std::string crossing =
        "Warnung: Kontur schneidet sich selbst, ihre Fläche ist die keines Querschnitts";
    struct Case {
        std::vector<TPosition> contour;
        std::vector<std::string> notes;
    };
    const long double half = std::numbers::pi_v<long double>; // a half circle
    const Case cases[] = {
        {{{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}, {}},
        {{{0, 0, 0}, {0, 50, 0}, {100, 50, 0}, {100, 0, 0}}, {clockwise}},
        {{{0, 0, 0}, {0, 40, 0}, {100, 0, 0}, {100, 60, 0}}, {crossing}},
        {{{0, 0, 0}, {100, 60, 0}, {100, 0, 0}, {0, 40, 0}}, {clockwise, crossing}},
        // The arc's end lies a rounding error beside its position: no crossing.
        {{{0, 0, half}, {100, 0, 0}}, {}},
        // A slit in and back along the same line touches itself but does not cross.
        {{{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {50, 50, 0}, {50, 20, 0}, {50, 50, 0}, {0, 50, 0}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notes.size());
        app.Project.ResetContour();
        for (const TPosition& p : c.contour)
            app.Project.Positions.push_back(p);
        CalcSection(app.Project, app.Messages, app.Config);
        ASSERT_EQ(app.Project.CalcError, 0);
        EXPECT_EQ(app.Messages.count, 0);
        std::vector<std::string> notes;
        for (const std::string& n : SectionNotes(app.Project))
            notes.push_back(Cp850ToUtf8(n));
        EXPECT_EQ(notes, c.notes);

        ui = ScriptedUi{};
        ui.Push(A::Choice(1));
        RunCommand(app, "mi_viewErrorMessages");
        const MenuItem* item = FindMenuItem(app.Menu.Bar, "mi_viewErrorMessages");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->caption, "&Fehlermeldungen (" + std::to_string(c.notes.size()) + ")");
        EXPECT_EQ(item->enabled, !c.notes.empty());
        if (c.notes.empty()) {
            EXPECT_EQ(ui.Messages(), std::vector<std::string>{
                                         "Meldung:|Berechnung erfolgreich ohne Fehlermeldungen"});
            continue;
        }
        const auto lists = ui.Shown("choice");
        ASSERT_FALSE(lists.empty());
        std::vector<std::string> expected = c.notes;
        expected.push_back("Weiter/zurück...");
        EXPECT_EQ(lists[0].lines, expected);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Meldung:|" + c.notes[0]});
    }
}

} // namespace
