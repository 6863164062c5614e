// The plotting command line: the question sequence, the batch file for long lines and a real
// start of the plotting program with the plot file.
#include <sys/stat.h>
#include <unistd.h>

#include "cad/drawing.h"
#include "cad/plotline.h"
#include "cadtest.h"
#include "platform/Launcher.h"
#include "platform/ProcessLauncher.h"

namespace vak1::test {
namespace {

// Works in the test's folder, so program folder, plot file and batch file have short names.
class PlotLineTest : public CadTest {
  protected:
    void SetUp() override {
        CadTest::SetUp();
        old = fs::current_path();
        fs::current_path(dir);
        fs::create_directories("p");
        fs::create_directories("t");
        app.Config.TempDir = "t/";
    }
    void TearDown() override {
        fs::current_path(old);
        CadTest::TearDown();
    }
    // An executable script under name; it writes its arguments into args.txt.
    static void WriteProgram(const std::string& path) {
        std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > args.txt\n";
        ::chmod(path.c_str(), 0755);
    }
    fs::path old;
};

struct PlotCase {
    const char* name;
    uint16_t format, interface;
    std::string portOrFile;
    const char* scale;
    const char* expected; // after "p/WKARTUNO t/kartuno"; "*" a batch file
};

TEST_F(PlotLineTest, QuestionSequenceBuildsTheLine) {
    WriteProgram("p/WKARTUNO");
    const PlotCase cases[] = {
        {"parallel port 1", 1, 2, "1", "1", " /CHPL"},
        {"serial port 2", 1, 1, "2", "1", " /CHPL /D1 /P2"},
        {"file OUT", 1, 3, "OUT", "1", " /CHPL /D3 /FOUT"},
        {"scale 0", 1, 2, "1", "0", " /CHPL /M*"},
        {"scale 2.5", 1, 2, "1", "2,5", " /CHPL /M2.5"},
        {"60 characters", 1, 3, std::string(27, 'a'), "1", nullptr},
        {"61 characters", 1, 3, std::string(28, 'a'), "1", "*"},
    };
    for (const PlotCase& c : cases) {
        SCOPED_TRACE(c.name);
        ui.shown.clear();
        const std::string& portOrFile = c.portOrFile;
        ui.Push({ScriptedAnswer::Choice(1), ScriptedAnswer::Text("nichtda"),
                 ScriptedAnswer::Text("p"), ScriptedAnswer::Choice(c.format),
                 ScriptedAnswer::Choice(c.interface), ScriptedAnswer::Text(portOrFile),
                 ScriptedAnswer::Text(c.scale), ScriptedAnswer::YesNo(false),
                 ScriptedAnswer::Keep(), ScriptedAnswer::Keep(), ScriptedAnswer::Keep()});
        const bool batch = c.expected && std::string(c.expected) == "*";
        if (batch) ui.Push({ScriptedAnswer::Text("a.b"), ScriptedAnswer::Text("plot")});
        const std::string line = BuildPlotLine(cx(), "");
        EXPECT_EQ(app.State.AbortFlag, 0);
        EXPECT_EQ(ui.Pending(), 0u);
        // The program folder is asked again until it holds the program.
        const auto texts = ui.Shown("text");
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].prompt, texts[1].prompt);
        const std::string base = "p/WKARTUNO t/kartuno";
        const std::string built = base + " /CHPL /D3 /F" + portOrFile;
        if (!c.expected) {
            EXPECT_EQ(line.size(), 60u);
            EXPECT_EQ(line, built);
        } else if (batch) {
            EXPECT_EQ(built.size(), 61u);
            EXPECT_EQ(line, (dir / "plot.sh").string());
            EXPECT_EQ(ReadAll("plot.sh"), "#!/bin/sh\n" + built + "\n");
            EXPECT_EQ(::access("plot.sh", X_OK), 0);
            EXPECT_EQ(ui.Shown("text").back().prompt, "Name der Batch-Datei (ohne .sh)");
        } else {
            EXPECT_EQ(line, base + c.expected);
        }
        EXPECT_EQ(batch, !ui.Messages().empty());
        ui.shown.clear();
    }
}

// Device 4 with the answer "0": the question sequence builds the line, the plot file is
// written and the program is started with its arguments, without a shell.
TEST_F(PlotLineTest, PlotStartsTheProgramWithThePlotFile) {
    WriteProgram("p/WKARTUNO");
    LoadRectangle(app.Project);
    Calc();
    ProcessLauncher real;
    app.Env.launcher = &real;
    ui.Push({ScriptedAnswer::Choice(4), ScriptedAnswer::PlotForm(), ScriptedAnswer::Text("0"),
             ScriptedAnswer::Choice(1), ScriptedAnswer::Text("p"), ScriptedAnswer::Choice(1),
             ScriptedAnswer::Choice(2), ScriptedAnswer::Keep(), ScriptedAnswer::Text("0"),
             ScriptedAnswer::YesNo(false), ScriptedAnswer::Keep(), ScriptedAnswer::Keep(),
             ScriptedAnswer::Keep()});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(ui.Shown("plotform").at(0).text, Settings::kDefaultPlotLine);
    const std::string line = "p/WKARTUNO t/kartuno /CHPL /M*";
    EXPECT_EQ(app.Config.PlotCommandLines[0], line);
    ASSERT_EQ(real.Wait(real.LastPid()), 0);
    EXPECT_EQ(ReadAll("args.txt"), "t/kartuno\n/CHPL\n/M*\n");
    ExpectLoadsInEzdxf("t/kartuno.dxf");
    EXPECT_TRUE(ui.Messages().empty());

    // A program that is not there: "file not found", the plot file stays.
    app.Config.PlotCommandLines[0] = "p/fehlt t/kartuno";
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkPolyline);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("file not found"), std::string::npos);
    EXPECT_TRUE(fs::exists("t/kartuno.dxf"));
}

// Plot lines were built without quotes, so a program, temporary or current folder with a blank
// split the program or the plot file into several words.
TEST_F(PlotLineTest, FoldersWithBlanksReachTheProgramAsOneWord) {
    PlotParameters p;
    p.program = "p q/WKARTUNO";
    p.file = "t u/kartuno";
    p.format = 1;
    p.interface = 2;
    p.outputFile = "a b.ps";
    p.psFont = "andere Schriften";
    EXPECT_EQ(SplitCommandLine(ComposePlotLine(p)),
              (std::vector<std::string>{"p q/WKARTUNO", "t u/kartuno", "/CPS", "/D3", "/Fa b.ps",
                                        "/Tandere Schriften"}));
    PlotFormFields f;
    f.program = "/x y/wkartuno";
    f.interface = 2;
    f.outDir = "/a b/";
    EXPECT_EQ(SplitCommandLine(FormPlotLine(f)),
              (std::vector<std::string>{"/x y/wkartuno", "/a b/kartuno", "/CHPL", "/D3",
                                        "/F/a b/kartuno"}));

    // A line too long for a start goes through a batch file in a current folder with a blank.
    const fs::path programs = dir / "p q", temp = dir / "t u", current = dir / "c d";
    for (const fs::path& folder : {programs, temp, current})
        fs::create_directories(folder);
    WriteProgram((programs / "WKARTUNO").string());
    fs::current_path(current);
    app.Config.TempDir = temp.string() + "/";
    LoadRectangle(app.Project);
    Calc();
    ProcessLauncher real;
    app.Env.launcher = &real;
    const std::string output = "aus gabe $HOME *.plt";
    ui.Push({ScriptedAnswer::Choice(4), ScriptedAnswer::PlotForm(), ScriptedAnswer::Text("0"),
             ScriptedAnswer::Choice(1), ScriptedAnswer::Text("../p q"), ScriptedAnswer::Choice(1),
             ScriptedAnswer::Choice(3), ScriptedAnswer::Text(output), ScriptedAnswer::Text("0"),
             ScriptedAnswer::YesNo(false), ScriptedAnswer::Keep(), ScriptedAnswer::Keep(),
             ScriptedAnswer::Keep(), ScriptedAnswer::Text("plot")});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(SplitCommandLine(app.Config.PlotCommandLines[0]),
              std::vector<std::string>{(current / "plot.sh").string()});
    ASSERT_EQ(real.Wait(real.LastPid()), 0) << ui.Messages().size();
    EXPECT_EQ(ReadAll("args.txt"),
              (temp / "kartuno").string() + "\n/CHPL\n/D3\n/F" + output + "\n/M*\n");
    EXPECT_TRUE(fs::exists(temp / "kartuno.dxf"));
}

// The line the form made was stored only after the prompt that follows it, so cancelling the
// prompt lost it.
TEST_F(PlotLineTest, TheFormsLineIsKeptWhenThePromptIsCancelled) {
    LoadRectangle(app.Project);
    Calc();
    ui.Push({ScriptedAnswer::Choice(4), ScriptedAnswer::PlotForm("neu kartuno /M*"),
             ScriptedAnswer::Cancel()});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(app.Config.PlotCommandLines[0], "neu kartuno /M*");
    EXPECT_TRUE(launcher.started.empty());
}

} // namespace
} // namespace vak1::test
