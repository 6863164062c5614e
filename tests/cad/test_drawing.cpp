// Pins the drawing dispatcher: the kind dialog and its preselection, the device and save
// dialogs, kind 3 with and without body length, the empty contour, failed calculations, the
// refusals of the unattended job and failing output files, and the drawing options dialog.
#include <algorithm>
#include <cmath>

#include "cad/cad.h"
#include "cad/drawing.h"
#include "cad/cadtest.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class DrawingTest : public CadTest {
  protected:
    std::vector<DialogRecord> Choices() const {
        std::vector<DialogRecord> out;
        for (const auto& d : ui.shown)
            if (d.kind == "choice") out.push_back(d);
        return out;
    }
    // Number of DXF groups "code / value" in the file's lines.
    static std::size_t CountGroup(const std::vector<std::string>& lines, const std::string& code,
                                  const std::string& value) {
        std::size_t n = 0;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == code && lines[i + 1] == value) ++n;
        return n;
    }
};

} // namespace

TEST_F(DrawingTest, KindDialogPreselectsTheKindAfterTheOneDrawn) {
    LoadRectangle(app.Project);
    Calc();
    ui.Push({ScriptedAnswer::Choice(2), ScriptedAnswer::Choice(5), ScriptedAnswer::Choice(6)});
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkChoose);
    const auto choices = Choices();
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].prompt, "Bitte wählen ..");
    EXPECT_EQ(choices[0].lines.size(), 6u);
    EXPECT_EQ(choices[0].lines[5], "zurück ..");
    EXPECT_EQ(choices[0].preselected, 1);
    EXPECT_EQ(choices[1].preselected, 3); // after "nur Polylinie": "nur Tabelle"
    EXPECT_EQ(choices[2].preselected, 6); // after "Formblatt": "zurück .."
    EXPECT_EQ(app.State.AbortFlag, 0);
}

TEST_F(DrawingTest, CancelInTheKindDialogStops) {
    LoadRectangle(app.Project);
    Calc();
    ui.Push(ScriptedAnswer::Cancel());
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkChoose);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_TRUE(app.Graphics.DisplayList.empty());

    // Without any Ui (unattended) the dialogs count as cancelled.
    app.Env.ui = nullptr;
    app.State.AbortFlag = 0;
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkChoose);
    EXPECT_EQ(app.State.AbortFlag, 1);
    app.State.AbortFlag = 0;
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_TRUE(app.Graphics.DisplayList.empty());
}

TEST_F(DrawingTest, DeviceAndSaveDialogs) {
    LoadRectangle(app.Project);
    Calc();
    ui.Push({ScriptedAnswer::Choice(1), ScriptedAnswer::File(File("zeichnung"))});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    ASSERT_EQ(app.State.AbortFlag, 0);
    const auto choices = Choices();
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].prompt, "CAD-Code");
    EXPECT_EQ(choices[0].preselected, 3); // the screen after program start
    EXPECT_EQ(choices[0].lines[3], "Ausgabe auf Laserprinter/Plotter mit KARTUNO");
    const DialogRecord& save = ui.shown.back();
    EXPECT_EQ(save.kind, "save");
    EXPECT_EQ(save.lines, std::vector<std::string>{"*.dxf|*.dxf|*.*|*.*"});
    EXPECT_EQ(save.prompt, "beispiel");        // proposed name
    EXPECT_EQ(save.text, app.Config.CadDir);   // initial folder
    ExpectLoadsInEzdxf(File("zeichnung.dxf")); // ".dxf" appended to a name without "."

    // The device chosen last is preselected next time.
    ui.Push({ScriptedAnswer::Choice(5), ScriptedAnswer::File(File("liste.lst"))});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    ui.Push(ScriptedAnswer::Cancel());
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(Choices().back().preselected, 5);
    EXPECT_TRUE(fs::exists(File("liste.lst")));
    EXPECT_EQ(app.State.AbortFlag, 1);
}

TEST_F(DrawingTest, CancelledSaveDialogWritesNothing) {
    LoadRectangle(app.Project);
    Calc();
    ui.Push({ScriptedAnswer::Choice(1), ScriptedAnswer::Cancel()});
    DrawSection(cx(), app.Project, app.Docu, cdChoose, dkPolyline);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_TRUE(app.Cad.FileName.empty());
    EXPECT_FALSE(app.Cad.Out);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // "tmp"
}

TEST_F(DrawingTest, TableKindWithoutBodyLengthOmitsMassRows) {
    LoadExample(app.Project);
    app.Project.lx = 0;
    Calc();
    ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkTable, File("ohne")));
    ExpectLoadsInEzdxf(File("ohne.dxf"));
    const auto lines = ReadCrLfLines(File("ohne.dxf"));
    EXPECT_EQ(CountGroup(lines, "  0", "TEXT"), 17u * 4u);
    EXPECT_EQ(CountGroup(lines, " 40", "3.500000"), 17u * 4u);
    EXPECT_EQ(CountGroup(lines, "  1", " Masse"), 0u);

    app.Project.lx = 1000;
    Calc();
    ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkTable, File("mit")));
    ExpectLoadsInEzdxf(File("mit.dxf"));
    const auto with = ReadCrLfLines(File("mit.dxf"));
    EXPECT_EQ(CountGroup(with, " 40", "2.900000"), 20u * 4u);
    EXPECT_EQ(CountGroup(with, "  1", " Masse"), 1u);
    EXPECT_EQ(CountGroup(with, "  1", " kg"), 1u);
    EXPECT_EQ(CountGroup(with, "  1", cp850(" kgm²")), 2u);
}

TEST_F(DrawingTest, EmptyContourDrawsNoContourButKeepsExtents) {
    app.Project.ResetContour(); // PosCount() 0, extents 0..160 x 0..120 from start-up
    for (int kind : {dkGeometryTable, dkPolyline, dkGeometry}) {
        const std::string base = File("leer" + std::to_string(kind));
        ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, kind, base)) << kind;
        ExpectLoadsInEzdxf(base + ".dxf");
        const auto lines = ReadCrLfLines(base + ".dxf");
        EXPECT_EQ(CountGroup(lines, "  0", "POLYLINE"), 0u) << kind;
        EXPECT_EQ(CountGroup(lines, "  0", "SOLID"), kind == dkPolyline ? 0u : 4u) << kind;
    }
    const auto lines = ReadCrLfLines(File("leer2.dxf"));
    EXPECT_EQ(lines[11], "-8.000000");
    EXPECT_EQ(lines[13], "-6.000000");
    EXPECT_EQ(lines[17], "168.000000");
    EXPECT_EQ(lines[19], "126.000000");
}

// The message list with its explanations, and the picture of the last good calculation is
// gone.
TEST_F(DrawingTest, FailedCalculationShowsMessagesAndDrawsNothing) {
    app.Config.PltDir = VAK1_SOURCE_DIR "/data/";
    LoadRectangle(app.Project);
    Calc();
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkPolyline);
    ASSERT_FALSE(app.Graphics.DisplayList.empty());
    app.Project.Positions[2].z = app.Project.Positions[3].z = 0; // no area left
    Calc();
    ASSERT_EQ(app.Project.CalcError, 1);
    ui.Push({ScriptedAnswer::Choice(1), ScriptedAnswer::Explained()});
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkPolyline);
    EXPECT_TRUE(app.Graphics.DisplayList.empty());
    EXPECT_TRUE(ui.Shown("message").empty());
    const auto lists = ui.Shown("choice");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].prompt,
              "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");
    EXPECT_EQ(lists[0].lines.front(), "Fatal  : A = 0 !");
    const auto explained = ui.Shown("explain");
    ASSERT_EQ(explained.size(), 1u);
    ASSERT_EQ(explained[0].lines.size(), 2u);
    EXPECT_FALSE(explained[0].lines[0].empty()); // the cause from the message file

    std::string error;
    EXPECT_FALSE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkPolyline, File("x"), &error));
    EXPECT_NE(error.find("A = 0"), std::string::npos);
    EXPECT_FALSE(fs::exists(File("x.dxf")));
}

TEST_F(DrawingTest, JobRefusesWhatItCannotWrite) {
    LoadRectangle(app.Project);
    Calc();
    app.Env.ui = nullptr; // unattended: nothing may ask
    std::string error;
    EXPECT_FALSE(RunCadJob(cx(), app.Project, app.Docu, cdScreen, dkPolyline, File("s"), &error));
    EXPECT_NE(error.find("1=DXF"), std::string::npos);
    EXPECT_FALSE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, 7, File("s"), &error));
    EXPECT_FALSE(
        RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkPolyline, File("fehlt/x"), &error));
    EXPECT_NE(error.find("fehlt/x.dxf"), std::string::npos);
    // After all that, a good job still runs.
    EXPECT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdTxt, dkPolyline, File("gut"), &error))
        << error;
    EXPECT_TRUE(fs::exists(File("gut.txt")));
}

TEST_F(DrawingTest, FullDiskIsReportedNotSwallowed) {
    LoadExample(app.Project);
    Calc();
    std::string error;
    {
        FileSizeLimit full(1000); // the drawing is longer
        EXPECT_FALSE(
            RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkGeometryTable, File("voll"), &error));
    }
    EXPECT_NE(error.find("voll"), std::string::npos) << error;
    EXPECT_TRUE(app.Cad.WriteFailed);
    const auto messages = ui.Messages();
    ASSERT_EQ(messages.size(), 1u);
}

TEST_F(DrawingTest, PlotDeviceWritesThePlotFileAndStartsTheLine) {
    LoadRectangle(app.Project);
    Calc();
    app.Config.PlotCommandLines[0] = "wkartuno kartuno /CHPL";
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkPolyline);
    EXPECT_EQ(app.State.AbortFlag, 0);
    ExpectLoadsInEzdxf((dir / "tmp" / "kartuno.dxf").string());
    EXPECT_EQ(launcher.commandLines, std::vector<std::string>{"wkartuno kartuno /CHPL"});
    ASSERT_EQ(ui.status.size(), 1u);
    EXPECT_EQ(ui.status[0], app.Config.TempDir + "kartuno.dxf wird geplottet..");
    EXPECT_TRUE(ui.Messages().empty());

    // Start failures: the message, and the plot file stays.
    launcher.result = 2;
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkPolyline);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("file not found"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "tmp" / "kartuno.dxf"));
    launcher.result = 11;
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkPolyline);
    EXPECT_NE(ui.Messages().back().find("Exec error 11"), std::string::npos);
}

TEST_F(DrawingTest, OptionsDialogStoresOrKeeps) {
    app.Project.DrawHatching = true;
    app.Project.DrawPrincipalAxes = true;
    ui.Push({ScriptedAnswer::YesNo(false), ScriptedAnswer::YesNo(true)});
    EditDrawingOptions(cx(), app.Project);
    EXPECT_EQ(app.State.AbortFlag, 0);
    EXPECT_FALSE(app.Project.DrawHatching);
    EXPECT_TRUE(app.Project.DrawPrincipalAxes);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].caption, "Zeichnungsoptionen");
    EXPECT_EQ(ui.shown[0].prompt, "Schraffur");
    EXPECT_EQ(ui.shown[0].preselected, 1); // shows the stored value

    ui.Push({ScriptedAnswer::YesNo(true), ScriptedAnswer::Cancel()});
    EditDrawingOptions(cx(), app.Project);
    EXPECT_EQ(app.State.AbortFlag, 1);
    EXPECT_FALSE(app.Project.DrawHatching);
    // The menu command then redraws, which does nothing after the cancel.
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkPolyline);
    EXPECT_TRUE(app.Graphics.DisplayList.empty());
}

TEST_F(DrawingTest, HugeCoordinatesAreWrittenAndMissingOnesRefused) {
    ProjectData& p = app.Project;
    LoadRectangle(p);
    for (uint16_t i = 1; i <= p.PosCount(); ++i) {
        p.Positions[i - 1u].y = p.Positions[i - 1u].y * 1e35L - 1e35L;
        p.Positions[i - 1u].z *= 1e35L;
    }
    Calc();
    // The calculation refuses a polygon beyond the coordinate bound; the writer still has to
    // write such numbers in full.
    ASSERT_EQ(p.CalcError, 1);
    p.CalcError = 0;
    std::string error;
    ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkPolyline, File("gross"), &error))
        << error;
    const EzdxfResult r = ExpectLoadsInEzdxf(File("gross.dxf"));
    ASSERT_TRUE(r.Has("POLYLINE|5|1|4"));
    const auto vertices = r.Of("VERTEX|");
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(std::stod(vertices[0].substr(7)), -1e35);
    EXPECT_DOUBLE_EQ(std::stod(vertices[2].substr(7)), 3.9e36);

    p.Positions[1].y = NAN;
    for (int device : {int{cdDxf}, int{cdIges}, int{cdTxt}}) {
        EXPECT_FALSE(
            RunCadJob(cx(), app.Project, app.Docu, device, dkPolyline, File("nan"), &error))
            << device;
        EXPECT_NE(error.find("Zahl ohne Wert"), std::string::npos) << error;
    }
}

// A hatching that stops the unattended drawing once left only "Zeichnung abgebrochen".
TEST_F(DrawingTest, JobStoppedByTheHatchingNamesItsMessages) {
    // Eight tall teeth: a 45 degree hatch line through their middle crosses sixteen edges.
    ProjectData& p = app.Project;
    p.ResetContour();
    p.Positions.push_back({0, -10, 0});
    for (int i = 0; i < 8; ++i) {
        const long double x = 4.0L * i;
        if (i > 0) p.Positions.push_back({x, 0, 0});
        p.Positions.push_back({x, 100, 0});
        p.Positions.push_back({x + 2, 100, 0});
        p.Positions.push_back({x + 2, i == 7 ? -10.0L : 0.0L, 0});
    }
    p.DrawHatching = true;
    Calc();
    ASSERT_EQ(p.CalcError, 0);
    app.Env.ui = nullptr;
    std::string error;
    EXPECT_FALSE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkForm, File("kamm"), &error));
    EXPECT_EQ(error, "Zeichnung abgebrochen\nFatal  : schraff schnittp");
}
