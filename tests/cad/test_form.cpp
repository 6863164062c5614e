// Pins the form sheet (drawing kind 5) end to end: golden DXF, IGES and TXT files of the
// L-profile, the frame block and its insertion as an independent DXF reader sees them, the
// IGES file as Open CASCADE reads it (entity counts equal to the listing's), hatching and
// principal axes switched off, the inch display, the plot file's logo, the form-sheet marker,
// and that our own "nur Polylinie" DXF imports back as the same contour.
#include <algorithm>

#include "cad/cad.h"
#include "cad/cadnumber.h"
#include "cad/cadtest.h"
#include "cad/drawing.h"
#include "cad/dxfimport.h"
#include "cad/form.h"
#include "cad/igescheck.h"
#include "cad/recorder.h"
#include "text/formats.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class FormTest : public CadTest {
  protected:
    void SetUp() override {
        CadTest::SetUp();
        LoadExample(app.Project);
        ProjectData& p = app.Project;
        p.DrawingName = "Winkelprofil";
        p.DrawingName2 = "L 100 x 80 x 10 mit R10";
        p.DrawingNumber = "VAK-4711";
        Documentation& d = app.Docu;
        d.ChangeCount = 2;
        d.ChangeEntries[0] = {"Erstausgabe", "01.02.2024", "mk", ""};
        d.ChangeEntries[1] = {cp850("Radius geändert"), "15.03.2024", "mk", ""};
        d.ApprovalRows[kPrepared] = {"01.02.2024", "Kunz"};
        Calc();
    }
    std::string Write(int device, const std::string& name) {
        std::string error;
        EXPECT_TRUE(RunCadJob(cx(), app.Project, app.Docu, device, dkForm, File(name), &error))
            << error;
        return File(name + (device == cdDxf ? ".dxf" : device == cdIges ? ".igs" : ".txt"));
    }
    // ezdxf must load the file; the only complaints allowed are code page 850 bytes that
    // have no character in the Windows code page ezdxf assumes (text mode 1 writes them as
    // they are).
    EzdxfResult Load(const std::string& path, bool undecodable = false) {
        EzdxfResult r = LoadWithEzdxf(path);
        EXPECT_EQ(r.rc, 0) << (r.lines.empty() ? "no output" : r.lines[0]);
        for (const auto& w : r.Of("WARN|"))
            if (!undecodable || w.find("unicode decoding") == std::string::npos) ADD_FAILURE() << w;
        return r;
    }
};

// The numbers of a line after its first fields (a recorder's kind and layer).
std::vector<double> Numbers(const std::string& line, int skip = 2) {
    std::vector<double> v;
    std::size_t at = line.find('|');
    for (int i = 1; i < skip; ++i)
        at = line.find('|', at + 1);
    while (at != std::string::npos) {
        v.push_back(std::strtod(line.c_str() + at + 1, nullptr));
        at = line.find('|', at + 1);
    }
    return v;
}

int Rows(const std::string& txt, const std::string& keyword) {
    int n = 0;
    for (const auto& l : ReadCrLfLines(txt))
        n += l.rfind(keyword + "\t", 0) == 0;
    return n;
}

} // namespace

TEST_F(FormTest, GoldenFilesByteForByte) {
    for (int device : {int{cdDxf}, int{cdIges}, int{cdTxt}}) {
        const std::string written = ReadAll(Write(device, "form"));
        const std::string name = std::string("form_lprofile.") + (device == cdDxf    ? "dxf"
                                                                  : device == cdIges ? "igs"
                                                                                     : "txt");
        const std::string golden = std::string(VAK1_GOLDEN_DIR) + "/" + name;
        if (std::getenv("VAK1_UPDATE_GOLDEN")) {
            std::ofstream(golden, std::ios::binary) << written;
            continue;
        }
        ASSERT_TRUE(fs::exists(golden)) << golden;
        const std::string expected = ReadAll(golden);
        if (written == expected) continue;
        std::size_t at = 0;
        while (at < written.size() && at < expected.size() && written[at] == expected[at])
            ++at;
        const std::size_t from = at > 40 ? at - 40 : 0;
        ADD_FAILURE() << name << " differs at byte " << at << ":\nwritten  ..."
                      << written.substr(from, 80) << "\nexpected ..." << expected.substr(from, 80);
    }
}

TEST_F(FormTest, DxfHasTheFrameBlockAndItsInsertion) {
    const EzdxfResult r = Load(Write(cdDxf, "form"), true);
    EXPECT_EQ(r.Count("BLOCK|FRAME_1|"), 1u);
    ASSERT_EQ(r.Count("INSERT|"), 1u);
    EXPECT_NE(r.Of("INSERT|")[0].find("|FRAME_1|0.000000|0.000000|1.000000|1.000000|0.000000"),
              std::string::npos);
    EXPECT_TRUE(r.Has("HEADER|$EXTMIN|-5.000000|-5.000000"));
    EXPECT_TRUE(r.Has("HEADER|$EXTMAX|225.000000|310.000000"));
    // The exact contour (closed) and the chord polygon (open) on layer 5, hatch lines on 3.
    EXPECT_EQ(r.Count("POLYLINE|5|1|7"), 1u);
    EXPECT_EQ(r.Count("POLYLINE|5|0|"), 1u);
    EXPECT_GT(r.Count("LINE|3|"), 0u);
    // The section 0 .. 100 maps to the sheet 60 .. 160 (scale 0 .. 100 step 20 both ways).
    EXPECT_TRUE(r.Has("VERTEX|160.000000|170.000000|0.000000"));
    EXPECT_TRUE(r.Has("VERTEX|80.000000|180.000000|-0.414214"));
    EXPECT_EQ(r.Count("TEXT|21|"), 2u); // v and w
    EXPECT_TRUE(r.Has("TEXT|17|161.000000|173.000000|2.300000|0.826000|0.000000|0.000000| y [mm]"));
    // The result table at (60, 150) with h = 2.5.
    EXPECT_EQ(r.Count("TEXT|18|60.000000|146.250000|2.500000|"), 1u);

    // In the Windows code page every text decodes.
    app.Config.CadTextMode = 2;
    Load(Write(cdDxf, "form2"));
}

TEST_F(FormTest, IgesLoadsInOpenCascadeWithTheListingsCounts) {
    const std::string igs = Write(cdIges, "form");
    const std::string txt = Write(cdTxt, "form");
    const IgesCheck r = ExpectIgesLoads(igs);
    EXPECT_EQ(r.Count(110), Rows(txt, "LINE"));
    EXPECT_EQ(r.Count(100), Rows(txt, "ARC") + Rows(txt, "CIRCLE"));
    EXPECT_EQ(r.Count(212), Rows(txt, "TEXT"));
    EXPECT_EQ(r.Count(106), Rows(txt, "SOLID"));
    EXPECT_EQ(r.Count(308), 1);
    EXPECT_EQ(r.Count(408), 1);
    EXPECT_EQ(r.Count(100), 1); // the fillet; the chord polygon is straight
    EXPECT_GT(r.Count(110), 100);
}

TEST_F(FormTest, WithoutHatchingAndPrincipalAxes) {
    app.Project.DrawHatching = false;
    app.Project.DrawPrincipalAxes = false;
    const EzdxfResult r = Load(Write(cdDxf, "plain"), true);
    EXPECT_EQ(r.Count("POLYLINE|"), 1u);
    EXPECT_EQ(r.Count("POLYLINE|5|1|7"), 1u);
    EXPECT_EQ(r.Count("LINE|3|"), 0u);
    EXPECT_EQ(r.Count("TEXT|21|"), 0u);
    EXPECT_EQ(r.Count("LINE|21|"), 0u);
    EXPECT_EQ(app.Cad.FormSheetMarker, 2);
}

TEST_F(FormTest, InchDisplayLabelsTheAxesButDrawsTheSameSection) {
    app.Config.EnglishUnits = Units::English;
    const EzdxfResult r = Load(Write(cdDxf, "inch"), true);
    bool label = false;
    for (const auto& t : r.Of("TEXT|17|"))
        label |= t.ends_with("| y [in]");
    EXPECT_TRUE(label);
    // 100 mm is 3.94 in: a nice scale of 0 .. 4 in, so the section is a little smaller.
    const long double x100 = 60 + 100 * (100 * kMmToInch) / 4;
    char want[64];
    std::snprintf(want, sizeof want, "VERTEX|%.6f|170.000000|0.000000", static_cast<double>(x100));
    EXPECT_TRUE(r.Has(want)) << want;
}

TEST_F(FormTest, PlotFileDefinesTheLogoItInserts) {
    std::ofstream(app.Config.TempDir + "$logo_1.dx$", std::ios::binary)
        << "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n5\r\n 21\r\n5\r\n"
           "  0\r\nEOF\r\n";
    app.Config.PlotCommandLines[0] = "wkartuno  kartuno /CHPL";
    launcher.installed.insert("wkartuno");
    DrawSection(cx(), app.Project, app.Docu, cdPlot, dkForm);
    EXPECT_EQ(app.State.AbortFlag, 0);
    const EzdxfResult r = Load(app.Config.TempDir + "kartuno.dxf", true);
    EXPECT_TRUE(r.Has("BLOCK|logo_1|1"));
    EXPECT_EQ(r.Count("BLOCK|FRAME_1|"), 1u);
}

TEST_F(FormTest, OwnPolylineDxfImportsAsTheSameContour) {
    std::string error;
    ASSERT_TRUE(RunCadJob(cx(), app.Project, app.Docu, cdDxf, dkPolyline, File("kontur"), &error))
        << error;
    ProjectData imported;
    const DxfImportResult r = ImportDxfContour(File("kontur.dxf"), imported);
    ASSERT_TRUE(r.ok) << r.error;
    const ProjectData& p = app.Project;
    ASSERT_EQ(imported.PosCount(), p.PosCount());
    for (uint16_t i = 1; i <= p.PosCount(); ++i) {
        EXPECT_NEAR(static_cast<double>(imported.Positions[i - 1u].y),
                    static_cast<double>(p.Positions[i - 1u].y), 1e-6);
        EXPECT_NEAR(static_cast<double>(imported.Positions[i - 1u].z),
                    static_cast<double>(p.Positions[i - 1u].z), 1e-6);
        EXPECT_NEAR(static_cast<double>(imported.Positions[i - 1u].phi),
                    static_cast<double>(p.Positions[i - 1u].phi), 5e-6); // bulge to 6 decimals
    }
}

TEST_F(FormTest, ClosingEdgeIsStraightSoHatchingStaysInsideTheOutline) {
    ProjectData& p = app.Project;
    p.Positions.back().phi = -kPi / 2; // the calculation ignores it
    for (bool hatching : {true, false}) {
        SCOPED_TRACE(hatching ? "hatched" : "outline only");
        p.DrawHatching = hatching;
        std::vector<std::string> out;
        app.Cad.Out = std::make_unique<Recorder>(cx(), out);
        DrawForm(cx(), app.Project);
        app.Cad.Out.reset();
        // The outline: only the fillet is an arc; its box bounds every hatch line.
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        int arcs = 0;
        const auto vertices = Starting(out, "VERTEX|5|");
        for (std::size_t i = 0; i < static_cast<std::size_t>(p.PosCount()); ++i) {
            const std::vector<double> v = Numbers(vertices.at(i));
            x0 = std::min(x0, v[0]), x1 = std::max(x1, v[0]);
            y0 = std::min(y0, v[1]), y1 = std::max(y1, v[1]);
            arcs += v[2] != 0;
        }
        EXPECT_EQ(arcs, 1);
        EXPECT_EQ(Starting(out, "LINE|3|").empty(), !hatching);
        for (const auto& line : Starting(out, "LINE|3|")) {
            const std::vector<double> v = Numbers(line);
            for (int k : {0, 2}) {
                EXPECT_GE(v[k], x0 - 1e-3) << line;
                EXPECT_LE(v[k], x1 + 1e-3) << line;
                EXPECT_GE(v[k + 1], y0 - 1e-3) << line;
                EXPECT_LE(v[k + 1], y1 + 1e-3) << line;
            }
        }
    }
}

TEST_F(FormTest, ScreenConvertsTitleBlockTextsOnceInEveryTextMode) {
    const std::string want = ";" + OemToAnsiText(cp850("Änderung"), false);
    for (uint16_t mode : {1, 2, 3}) {
        app.Config.CadTextMode = mode;
        DrawSection(cx(), app.Project, app.Docu, cdScreen, dkForm);
        const auto& list = app.Graphics.DisplayList;
        EXPECT_EQ(std::count_if(list.begin(), list.end(),
                                [&](const std::string& r) {
                                    return r.starts_with("6;") && r.ends_with(want);
                                }),
                  1)
            << "text mode " << mode;
    }
}

TEST_F(FormTest, DxfDeclaresTheCodePageOfItsTexts) {
    const struct {
        uint16_t mode;
        const char* codepage;
    } cases[] = {{1, "dos850"}, {2, "ANSI_1252"}};
    for (const auto& c : cases) {
        app.Config.CadTextMode = c.mode;
        // ezdxf's loader decodes by the header; its recover pass (the structure check) takes
        // the code page only beside a $ACADVER, so it still reports the bytes of mode 1.
        const EzdxfResult r = Load(Write(cdDxf, "cp" + std::to_string(c.mode)), c.mode == 1);
        EXPECT_TRUE(r.Has(std::string("HEADER|$DWGCODEPAGE|") + c.codepage)) << c.mode;
        EXPECT_TRUE(r.Has("BTEXT|FRAME_1|Änderung")) << c.mode;
    }
}

TEST_F(FormTest, GridIsDottedOnEveryDevice) {
    constexpr int kGridLines = 12; // 0 .. 100 in steps of 20, both ways
    DrawSection(cx(), app.Project, app.Docu, cdScreen, dkForm);
    const auto& list = app.Graphics.DisplayList;
    const auto dotted = std::find(list.begin(), list.end(), "11;1");
    ASSERT_NE(dotted, list.end());
    const auto back = std::find_if(dotted + 1, list.end(),
                                   [](const std::string& r) { return r.starts_with("11;"); });
    EXPECT_EQ(std::count_if(dotted, back, [](const std::string& r) { return r.starts_with("4;"); }),
              kGridLines);
    EXPECT_EQ(
        std::count_if(dotted, back, [](const std::string& r) { return !r.starts_with("4;"); }), 1);

    const EzdxfResult r = Load(Write(cdDxf, "grid"), true);
    EXPECT_EQ(r.Count("LINETYPE|"), static_cast<std::size_t>(kGridLines));
    EXPECT_EQ(r.Count("LINETYPE|LINE|17|DASHED"), static_cast<std::size_t>(kGridLines));

    // IGES: the first directory record of each line, line font pattern 5 (dotted) in field 4.
    int fonts = 0;
    std::size_t d = 0;
    for (const auto& l : ReadCrLfLines(Write(cdIges, "grid")))
        if (l.size() == 80 && l[72] == 'D' && d++ % 2 == 0 && l.substr(0, 8) == "     110")
            fonts += l.substr(24, 8) == "       5";
    EXPECT_EQ(fonts, kGridLines);
}

TEST_F(FormTest, SectionKeepsItsProportionsInDxfAndIges) {
    const std::vector<std::vector<TPosition>> contours = {
        {{0, 5, 0}, {10, 5, 0}, {10, 15, 0}, {0, 15, 0}}, // a square off the axis
        {{0, 0, 0},
         {100, 0, 0},
         {100, 10, 0},
         {20, 10, -kPi / 2},
         {10, 20, 0},
         {10, 80, 0},
         {0, 80, 0}},                                                        // the L-profile
        {{0, 2, 0}, {30, 2, 0}, {30, 12, kPi / 2}, {20, 22, 0}, {0, 22, 0}}, // a rounded corner
    };
    int n = 0;
    for (const auto& contour : contours) {
        SCOPED_TRACE(++n);
        ProjectData& p = app.Project;
        p.ResetContour();
        for (const auto& pos : contour)
            p.Positions.push_back(pos);
        Calc();
        const EzdxfResult r = Load(Write(cdDxf, "p" + std::to_string(n)), true);
        const auto head = std::find(r.lines.begin(), r.lines.end(),
                                    "POLYLINE|5|1|" + std::to_string(contour.size()));
        ASSERT_NE(head, r.lines.end());
        std::vector<std::vector<double>> v; // sheet x, y and bulge of each vertex
        for (std::size_t i = 1; i <= contour.size(); ++i)
            v.push_back(Numbers(*(head + i), 1));
        // One scale for both axes: sheet = origin + k * section.
        const double k = (v[1][0] - v[0][0]) / static_cast<double>(contour[1].y - contour[0].y);
        const std::string igs = ReadAll(Write(cdIges, "p" + std::to_string(n)));
        for (std::size_t i = 0; i < contour.size(); ++i) {
            EXPECT_NEAR(v[i][0] - v[0][0], k * static_cast<double>(contour[i].y - contour[0].y),
                        1e-5);
            EXPECT_NEAR(v[i][1] - v[0][1], k * static_cast<double>(contour[i].z - contour[0].z),
                        1e-5);
            // The IGES outline passes through the same points.
            const std::string at = FixedText(v[i][0], 3) + "," + FixedText(v[i][1], 3) + ",";
            EXPECT_NE(igs.find(at), std::string::npos) << at;
        }
    }
}
