// Pins the question before a program named by a project or by another's settings file starts:
// the full command is shown, nothing starts without "Ja", each answer is remembered per command
// in the user's own folder, and the user's own settings start their programs unasked.
#include <gtest/gtest.h>

#include <memory>

#include "app/cadcontext.h"
#include "app/commands.h"
#include "app/startapproval.h"
#include "cad/PlotOutput.h"
#include "report/OutputDocument.h"
#include "support/ReportFixture.h"

using namespace vak1;

namespace {

class StartApprovalTest : public test::ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        home = dir + "home/.quorven/";
        NewRun();
    }
    // A later run of the program: only the answers file is left of this one.
    void NewRun() {
        approval = std::make_unique<AskingApproval>(app, home);
        launcher.SetApproval(approval.get());
    }
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const auto& r : ui.Shown("question"))
            texts.push_back(r.prompt);
        return texts;
    }
    std::string home;
    std::unique_ptr<AskingApproval> approval;
};

} // namespace

TEST_F(StartApprovalTest, AProjectsLinkStartsOnlyAfterYesAndEachAnswerIsKeptForLaterRuns) {
    // A long path too: the question shows the whole command, not an empty box.
    const std::string script = dir + "a b" + std::string(260, 'x') + ".sh";
    app.Docu.DocumentLinks[0] = {"/bin/sh", script};
    app.Docu.DocumentLinks[1] = {"", dir + "plan.pdf"};
    ui.Push(ScriptedAnswer::Cancel()); // no answer: nothing starts, the question comes again
    RunCommand(app, "mi_Document1");
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    RunCommand(app, "mi_Document1");
    ui.Push(ScriptedAnswer::Answer(Reply::No));
    RunCommand(app, "mi_Document2");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "/bin/sh");
    const auto asked = Questions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_NE(asked[0].find("Projektdatei"), std::string::npos);
    EXPECT_NE(asked[1].find("/bin/sh \"" + script + "\""), std::string::npos) << asked[1];
    EXPECT_NE(asked[2].find("xdg-open " + dir + "plan.pdf"), std::string::npos) << asked[2];

    NewRun();
    RunCommand(app, "mi_Document1");
    RunCommand(app, "mi_Document2");
    EXPECT_EQ(Questions().size(), 3u);
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[1].args, std::vector<std::string>{script});
    EXPECT_NE(ui.Messages().back().find("abgelehnt"), std::string::npos);
    EXPECT_NE(ui.Messages().back().find(home + kStartAnswersFile), std::string::npos);
}

TEST_F(StartApprovalTest, ProgramsOfASettingsFileAreAskedForUnlessItIsTheUsersOwn) {
    app.Config.TextProgram = "editor";
    launcher.installed.insert("editor");
    app.Config.PlotCommandLines[0] = "/bin/sh -c \"plot it\"";
    app.Config.PlotCommandCount = 1;
    const struct {
        std::string source;
        bool asked;
    } cases[] = {{dir + "vak1.cfg", true}, {home + "vak1.cfg", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        app.Config.SettingsSource = c.source;
        launcher.started.clear();
        launcher.commandLines.clear();
        ui.shown.clear();
        ui.Push(ScriptedAnswer::Cancel());
        ui.Push(ScriptedAnswer::Cancel());
        OutputOpen(Out(), odTextProgram);
        PageHeader(Out());
        OutputClose(Out());
        StartPlot(CadContextOf(app));
        const auto asked = Questions();
        EXPECT_EQ(asked.size(), c.asked ? 2u : 0u);
        EXPECT_EQ(launcher.started.size() + launcher.commandLines.size(), c.asked ? 0u : 2u);
        if (!c.asked) continue;
        EXPECT_NE(asked[0].find("editor " + dir + "outwin.txt"), std::string::npos);
        EXPECT_NE(asked[1].find(app.Config.PlotCommandLines[0]), std::string::npos);
        EXPECT_NE(asked[1].find(c.source), std::string::npos);
    }
}
