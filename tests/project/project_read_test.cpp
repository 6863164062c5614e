// Pins the reader of the project file: it takes back every field the writer wrote (arc
// angles to ten decimals, so a saved arc keeps its angle), accepts LF as well as CR LF and
// the decimal comma, and on a broken file (truncated anywhere, garbage, numbers out of
// range) shows one message with file and line, sets AbortFlag and keeps the project.
#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

#include "app/App.h"
#include "app/projectcontext.h"
#include "project/projectfile.h"
#include "sample_project.h"
#include "support/tempfolder.h"

using namespace vak1;
using namespace vak1::test;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

std::string SampleFile(TestApp& t) {
    FillSample(t.app);
    WriteProject(ProjectFileOf(t.app), "sample");
    EXPECT_EQ(t.app.State.AbortFlag, 0);
    return ReadBytes(t.path("sample.vak1"));
}

// A project that differs from the sample in every field, to see that nothing changed.
void FillOther(App& app) {
    app.Project.ResetContour();
    app.Project.Positions.push_back({1, 2, 0});
    app.Project.lx = 7;
    app.Project.DrawingName = "anders";
    app.Docu.ChangeCount = 1;
    app.Docu.ChangeEntries[0].text = "anders";
}

} // namespace

TEST(ProjectRead, RoundTripRestoresEveryField) {
    TestApp t;
    SampleFile(t);
    TestApp u;
    u.app.Config.DecimalComma =
        DecimalSign::Comma; // the display setting of the reader does not matter
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("sample.vak1"));
    ASSERT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    EXPECT_EQ(u.Errors(), 0);
    ExpectSameProject(t.app, u.app);
    EXPECT_EQ(u.app.Project.PolyCount(), 0); // reading does not calculate; the caller does
    EXPECT_EQ(u.app.Project.R.A, 0);

    // Saving what was read gives the same file again.
    u.app.Config.DecimalComma = DecimalSign::Point;
    WriteProject(ProjectFileOf(u.app), "again");
    EXPECT_EQ(ReadBytes(u.path("again.vak1")), ReadBytes(t.path("sample.vak1")));
}

TEST(ProjectRead, ArcAnglesSurviveSaving) {
    TestApp t;
    ProjectData& p = t.app.Project;
    const long double angles[] = {kPi / 2, kPi, -kPi / 3, 2 * kPi / 7, 1e-4L};
    for (long double a : angles)
        p.Positions.push_back({p.PosCount() * 10.0L, 0, a});
    t.app.Config.DecimalPlaces = 1; // fewest decimals for the coordinates
    WriteProject(ProjectFileOf(t.app), "arcs");
    TestApp u;
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("arcs.vak1"));
    ASSERT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    for (int k = 1; k <= p.PosCount(); ++k) {
        const long double degrees = u.app.Project.Positions[k - 1u].phi * 180 / kPi;
        EXPECT_NEAR(static_cast<double>(degrees), static_cast<double>(angles[k - 1] * 180 / kPi),
                    1e-8)
            << k;
    }
}

TEST(ProjectRead, AcceptsLfLineEndsAndTheDecimalComma) {
    TestApp t;
    std::string text = SampleFile(t);
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    std::string comma = lf;
    for (const char* number : {"120.250", "35.125", "1.5707963268", "2.7000000", "95.5"})
        for (std::size_t at; (at = comma.find(number)) != std::string::npos;) {
            std::string with = number;
            with[with.find('.')] = ',';
            comma.replace(at, with.size(), with);
        }
    ASSERT_NE(comma.find("120,250"), std::string::npos);
    for (const std::string& variant : {lf, comma}) {
        WriteBytes(t.path("v.vak1"), variant);
        TestApp u;
        ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("v.vak1"));
        ASSERT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
        ExpectSameProject(t.app, u.app);
    }
}

TEST(ProjectRead, TruncatedAfterEveryLineKeepsTheProject) {
    TestApp t;
    const auto lines = SplitCrLf(SampleFile(t));
    for (std::size_t keep = 0; keep < lines.size(); ++keep) {
        std::vector<std::string> part(lines.begin(), lines.begin() + keep);
        WriteBytes(t.path("cut.vak1"), CrLf(part));
        TestApp u, before;
        FillOther(u.app);
        FillOther(before.app);
        ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("cut.vak1"));
        EXPECT_EQ(u.app.State.AbortFlag, 1) << keep;
        ASSERT_EQ(u.Errors(), 1) << keep;
        EXPECT_EQ(u.LastError(), "Fehler in Projektdatei " + t.path("cut.vak1") + ", Zeile " +
                                     std::to_string(keep + 1) + ": Datei endet vorzeitig !");
        ExpectSameProject(before.app, u.app);
    }
}

TEST(ProjectRead, GarbageInAnyLineIsReportedWithItsNumber) {
    TestApp t;
    const auto lines = SplitCrLf(SampleFile(t));
    const std::size_t approval =
        std::find_if(lines.begin(), lines.end(),
                     [](const auto& l) { return l.find("|PR|") != std::string::npos; }) -
        lines.begin();
    int refused = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto broken = lines;
        broken[i] = "\x01#garbage 1e999 nan";
        WriteBytes(t.path("g.vak1"), CrLf(broken));
        TestApp u, before;
        FillOther(u.app);
        FillOther(before.app);
        ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("g.vak1"));
        if (u.app.State.AbortFlag == 0) continue; // a free text line takes any text
        ++refused;
        ASSERT_EQ(u.Errors(), 1);
        const std::string& text = u.LastError();
        const std::size_t at = text.find(", Zeile ");
        ASSERT_NE(at, std::string::npos) << text;
        const std::size_t named = std::stoul(text.substr(at + 8));
        // A lost rule after a description lets the description run on; the structure breaks
        // a few lines later, and that is the line named.
        if (lines[i] == std::string(14, '-') && i < approval)
            EXPECT_GT(named, i + 1) << text;
        else
            EXPECT_EQ(named, i + 1) << text;
        ExpectSameProject(before.app, u.app);
    }
    // Every line but the 3 remark lines, 3 drawing texts and 22 documentation texts.
    EXPECT_EQ(refused, static_cast<int>(lines.size()) - 28);
}

TEST(ProjectRead, NumbersThatAreNoValuesAreRefused) {
    TestApp t;
    const auto lines = SplitCrLf(SampleFile(t));
    struct Case {
        std::size_t line;
        const char* text;
    };
    // 11: count, 14: y of position 1, 16: phi, 43: rho, 44: lx, 45: division, last: option.
    const Case cases[] = {{11, "501"},
                          {11, "-1"},
                          {11, "6.0"},
                          {14, "1e999"},
                          {14, "nan"},
                          {14, "inf"},
                          {16, "1,5,3"},
                          {14, "1e39"},
                          {43, "0"},
                          {43, "101"},
                          {44, "-1"},
                          {45, "0.05"},
                          {45, "31"},
                          {lines.size() - 1, "2"},
                          {13, "2. Punkt"},
                          {14, "1e12"},
                          {15, "-1000000000.001"},
                          {16, "2e18"},
                          {16, "-6.2831853073"}};
    for (const Case& c : cases) {
        auto broken = lines;
        broken[c.line] = c.text;
        WriteBytes(t.path("n.vak1"), CrLf(broken));
        TestApp u;
        ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("n.vak1"));
        EXPECT_EQ(u.app.State.AbortFlag, 1) << c.line << " " << c.text;
        EXPECT_NE(u.LastError().find(", Zeile " + std::to_string(c.line + 1) + ": "),
                  std::string::npos)
            << u.LastError();
        EXPECT_EQ(u.app.Project.PosCount(), 0);
    }
}

TEST(ProjectRead, CoordinatesBeyondTheBoundAreNamedWithTheirLine) {
    TestApp t;
    auto lines = SplitCrLf(SampleFile(t));
    lines[14] = "1e12"; // y of position 1
    WriteBytes(t.path("weit.vak1"), CrLf(lines));
    TestApp u;
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("weit.vak1"));
    EXPECT_EQ(u.LastError(), "Fehler in Projektdatei " + t.path("weit.vak1") +
                                 ", Zeile 15: Wert außerhalb -1000000000 .. 1000000000 !");
    lines[14] = "1000000000.000"; // the bound itself is a coordinate
    WriteBytes(t.path("weit.vak1"), CrLf(lines));
    u.app.State.AbortFlag = 0;
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("weit.vak1"));
    EXPECT_EQ(u.Errors(), 1);
    EXPECT_EQ(u.app.Project.Positions[0].y, 1e9L);
}

// An arc of a full turn or more is refused; an angle just below one, which the file's ten
// decimals round up to 6.2831853072, is read back below a full turn.
TEST(ProjectRead, ArcAnglesBelowAFullTurn) {
    TestApp t;
    ProjectData& p = t.app.Project;
    p.Positions.push_back({0, 0, -std::nextafter(2 * kPi, 0.0L)});
    p.Positions.push_back({10, 0, 0});
    WriteProject(ProjectFileOf(t.app), "voll");
    TestApp u;
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("voll.vak1"));
    ASSERT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    EXPECT_LT(std::fabs(u.app.Project.Positions[0].phi), 2 * kPi);
    EXPECT_GT(std::fabs(u.app.Project.Positions[0].phi), 2 * kPi - 1e-15L);

    auto lines = SplitCrLf(ReadBytes(t.path("voll.vak1")));
    ASSERT_EQ(lines[16], "-6.2831853072");
    lines[16] = "2e18";
    WriteBytes(t.path("voll.vak1"), CrLf(lines));
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("voll.vak1"));
    EXPECT_EQ(u.LastError(), "Fehler in Projektdatei " + t.path("voll.vak1") +
                                 ", Zeile 17: Kreisbogenwinkel von 360 Grad oder mehr !");
}

TEST(ProjectRead, EmptyContourAndMissingFile) {
    TestApp t;
    WriteProject(ProjectFileOf(t.app), "leer");
    TestApp u;
    FillOther(u.app);
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("leer.vak1"));
    ASSERT_EQ(u.app.State.AbortFlag, 0) << u.LastError();
    EXPECT_EQ(u.app.Project.PosCount(), 0);
    EXPECT_EQ(u.app.Project.Earlier(0).y, UnsetCoordinate); // nothing of the old contour kept
    EXPECT_EQ(u.app.Project.lx, 1000);

    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("fehlt.vak1"));
    EXPECT_EQ(u.app.State.AbortFlag, 1);
    EXPECT_EQ(u.LastError(),
              "Datei " + t.path("fehlt.vak1") + " nicht gefunden oder kein Zugriffsrecht !");
}

// A project file was read whole whatever its size (a 3 GB file ended the program out of
// memory); one beyond 1 MB is refused before it is read, with its reason.
TEST(ProjectRead, FileBeyondOneMegabyteIsRefusedBeforeReading) {
    TestApp t;
    WriteBytes(t.path("gross.vak1"), SampleFile(t) + std::string(1 << 20, ' '));
    TestApp u, before;
    FillOther(u.app);
    FillOther(before.app);
    ReadProject(u.app.Project, u.app.Docu, Dialogs(u.app), t.path("gross.vak1"));
    EXPECT_EQ(u.app.State.AbortFlag, 1);
    ASSERT_EQ(u.Errors(), 1);
    EXPECT_EQ(u.LastError(),
              "Datei " + t.path("gross.vak1") + " ist größer als 1 MB: keine Projektdatei");
    ExpectSameProject(before.app, u.app);
}
