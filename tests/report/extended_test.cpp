// Pins the extended values report: its values reach every output kind, the torsion values
// are shown in the program's units, and a solver that gives no values (cancelled, contour
// not meshable) leaves its note while every other value stays.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <sstream>

#include "calc/extended.h"
#include "report/OutputDocument.h"
#include "report/extendedreport.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

// The progress window's "Abbrechen" pressed at once: every report of the job answers
// "cancelled".
class CancellingUi : public ScriptedUi {
  public:
    void RunWithProgress(ProgressJob& job) override {
        shown.emplace_back("progress", job.caption, "");
        shown.back().helpNumber = helpNumber;
        job.run([](std::size_t) { return false; });
    }
};

class ExtendedReportTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        app.Config.HtmlBrowser = "browser";
        launcher.installed.insert("browser");
        LoadLProfile();
        ASSERT_EQ(app.Project.CalcError, 0);
        ASSERT_TRUE(ComputeExtendedValues(app.Project, values));
    }

    // A solver standing in for the finite elements: it reports two steps, stops when the
    // report says so, and otherwise ends with the given status and fixed values.
    TorsionSolver Solver(TorsionStatus status, std::string message = {}) {
        return [this, status, message](
                   const TorsionInput& in, const TorsionOptions&, TorsionValues& out,
                   std::string& text, const std::function<bool(std::size_t, std::size_t)>& report) {
            input = in;
            if (!report(1, 2) || !report(2, 2)) return TorsionStatus::Cancelled;
            text = message;
            out.J = 25000;
            out.ySc = 5;
            out.zSc = 6;
            out.Iw = 2e9;
            out.As1 = 400;
            out.As2 = 500;
            out.elements = 1234;
            out.nodes = 2600;
            return status;
        };
    }

    std::string Report(uint16_t kind, const char* file, const TorsionSolver& solver) {
        ReportExtended(Out(), app.Project, kind, solver);
        EXPECT_EQ(app.State.AbortFlag, 0);
        return Read(dir + file);
    }

    ExtendedValues values;
    TorsionInput input;
    CancellingUi cancelling;
};

TEST_F(ExtendedReportTest, EveryKindCarriesTheValues) {
    struct Case {
        uint16_t kind;
        const char* file;
        std::string wpl, torsion;
    };
    const std::string wpl = FitField(app.Config, FormatVolume(app.Config, values.plastic1.Wpl),
                                     values.plastic1.Wpl, 17);
    const Case cases[] = {
        {odDosFile, "OUTDOS.TXT", "Wpl1     mm\xFC         " + wpl, kTorsionHeading},
        {odHtml, "vak1.htm", "<TD>Wpl1</TD><TD>mm³</TD><TD><DIV ALIGN=RIGHT>" + wpl,
         std::string("<br>") + kTorsionHeading},
        {odSpreadsheetTxt, "$$$1.txt", "\tWpl1\tmm\xFC\t" + wpl, kTorsionHeading},
    };
    for (const Case& c : cases) {
        const std::string text = Report(c.kind, c.file, Solver(TorsionStatus::Ok));
        EXPECT_NE(text.find(c.wpl), std::string::npos) << c.file;
        EXPECT_NE(text.find(c.torsion), std::string::npos) << c.file;
        EXPECT_LT(text.find("Wpl1"), text.find(c.torsion)) << c.file;
    }
}

TEST_F(ExtendedReportTest, TorsionValuesInTheProgramsUnits) {
    struct Case {
        uint16_t english;
        std::string J, Iw, unit6;
    };
    const Case cases[] = {{0, "25000", "2000000000", "mm6"},
                          {1, FormatMoment4(app.Config, 25000 * kMoment4ToIn4), "7.448", "in6"}};
    for (const Case& c : cases) {
        app.Config.EnglishUnits = static_cast<Units>(c.english);
        const std::string text = Report(odDosFile, "OUTDOS.TXT", Solver(TorsionStatus::Ok));
        const std::string torsion = text.substr(text.find(kTorsionHeading));
        EXPECT_NE(torsion.find(c.J), std::string::npos) << torsion;
        EXPECT_NE(torsion.find(c.unit6 + std::string(9, ' ') + c.Iw), std::string::npos) << torsion;
        EXPECT_NE(torsion.find("1234"), std::string::npos);
    }
    // The solver got the counter-clockwise contour of the positions with the fillet's true
    // arc, and the section's own values.
    ASSERT_EQ(input.contour.size(), 7u);
    ASSERT_EQ(input.arcs.size(), 7u);
    EXPECT_DOUBLE_EQ(input.arcs[3], -std::numbers::pi / 2);
    EXPECT_EQ(std::count(input.arcs.begin(), input.arcs.end(), 0.0), 6);
    EXPECT_NEAR(input.A, static_cast<double>(values.A), 1e-9);
    EXPECT_NEAR(input.I1, static_cast<double>(values.axis1.I), 1e-6);
    EXPECT_GT(input.I1, input.I2);
    EXPECT_DOUBLE_EQ(input.ys, static_cast<double>(app.Project.R.ys));
}

TEST_F(ExtendedReportTest, NoTorsionValuesLeaveANoteAndEverythingElse) {
    struct Case {
        bool cancel;
        TorsionStatus status;
        std::string note;
    };
    const Case cases[] = {
        {true, TorsionStatus::Ok, "Abgebrochen: keine Torsions- und Schubwerte berechnet."},
        {false, TorsionStatus::NotMeshable, "Die Kontur schneidet sich selbst."},
        {false, TorsionStatus::Failed, "Gleichungssystem nicht gelöst."},
    };
    for (const Case& c : cases) {
        app.Env.ui = c.cancel ? static_cast<Ui*>(&cancelling) : &ui;
        const std::string text =
            Report(odDosFile, "OUTDOS.TXT", Solver(c.status, cp850(c.note.c_str())));
        const std::string torsion = text.substr(text.find(kTorsionHeading));
        EXPECT_NE(torsion.find(cp850(c.note.c_str())), std::string::npos) << torsion;
        EXPECT_EQ(torsion.find("Torsionstr"), std::string::npos) << c.note;
        EXPECT_NE(text.find("Wpl2"), std::string::npos);
        EXPECT_NE(text.find("dI2"), std::string::npos);
    }
    ASSERT_EQ(cancelling.shown.size(), 1u);
    EXPECT_EQ(cancelling.shown.back().kind, "progress");
    EXPECT_EQ(cancelling.shown.back().helpNumber, kHelpExtendedValues);
}

// The torsion values were of the chord polygon while the exact-arc block was of the true
// arcs: a circle's J fell 0.25 % short of its polar moment. Each block names its contour.
TEST_F(ExtendedReportTest, CircleTwistsLikeItsPolarMomentAndEachBlockNamesItsContour) {
    const long double R = 50, pi = std::numbers::pi_v<long double>;
    app.Project.ResetContour();
    for (const TPosition& pos : {TPosition{R, 0, pi}, TPosition{-R, 0, pi}, TPosition{R, 0, 0}})
        app.Project.Positions.push_back(pos);
    CalcSection(app.Project, app.Messages, app.Config);
    ASSERT_EQ(app.Project.CalcError, 0);
    const std::string text = Report(odDosFile, "OUTDOS.TXT", ComputeTorsion);
    const std::size_t line = text.find(cp850("Torsionsträgheitsmoment"));
    ASSERT_NE(line, std::string::npos) << text;
    std::istringstream fields(text.substr(line, text.find('\n', line) - line));
    std::string field, J;
    while (fields >> field)
        J = field;
    EXPECT_NEAR(std::stod(J) / (pi / 2 * R * R * R * R), 1, 3e-4) << J;

    // The first contour line after each heading is the block's.
    const std::pair<const char*, std::string> blocks[] = {
        {"UMFANG UND TR", "Kontur: Sehnenpolygon der Berechnung"},
        {"ELASTISCHE", "Kontur: Sehnenpolygon der Berechnung"},
        {"PLASTISCHE", "Kontur: Sehnenpolygon der Berechnung"},
        {"EXAKTE KREISB", cp850("Kontur: exakte Kreisbögen")},
        {kTorsionHeading, cp850("Kontur: exakte Kreisbögen")}};
    for (const auto& [heading, contour] : blocks) {
        const std::size_t at = text.find(heading);
        ASSERT_NE(at, std::string::npos) << heading;
        EXPECT_EQ(text.find("Kontur:", at), text.find(contour, at)) << heading;
    }
}

// Sliver triangles hung the extended values for ever at full load, or crashed the program:
// the report ends within seconds with the solver's message in place of the torsion values.
TEST_F(ExtendedReportTest, SliverContoursEndWithinSecondsWithTheirMessage) {
    const std::vector<std::vector<TPosition>> slivers = {
        {{0, 0, 0}, {1000, 0, 0}, {500, 0.001L, 0}},
        {{0, 0, 0}, {1e6L, 0, 0}, {5e5L, 1, 0}},
        {{0, 0, 0}, {1000, 0, 0}, {300, 0.002L, 0}},
    };
    for (const auto& sliver : slivers) {
        app.Project.ResetContour();
        for (const TPosition& pos : sliver)
            app.Project.Positions.push_back(pos);
        CalcSection(app.Project, app.Messages, app.Config);
        ASSERT_EQ(app.Project.CalcError, 0);
        const auto start = std::chrono::steady_clock::now();
        ReportExtended(Out(), app.Project, odDosFile);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  5);
        const std::string text = Read(dir + "OUTDOS.TXT");
        // The message as one line, without the wrapping of the report.
        std::istringstream words(text.substr(std::min(text.find(kTorsionHeading), text.size())));
        std::string word, torsion;
        while (words >> word)
            torsion += word + " ";
        EXPECT_NE(torsion.find(cp850("lässt sich nicht vernetzen.")), std::string::npos) << torsion;
        EXPECT_EQ(torsion.find("Torsionstr"), std::string::npos);
    }
}

// A thin slit ring reported J = -0.00414 mm4 as its value: values no section can have are a
// failed run with its message.
TEST_F(ExtendedReportTest, NonPhysicalTorsionValuesAreAFailedRun) {
    const std::pair<void (*)(TorsionValues&), const char*> cases[] = {
        {[](TorsionValues& v) { v.J = -0.00414; }, "(J <= 0)"},
        {[](TorsionValues& v) { v.As2 = -3; }, "(As2 <= 0)"},
        {[](TorsionValues& v) { v.Iw = -1e6; }, "(Iw < 0)"},
    };
    for (const auto& [spoil, reason] : cases) {
        const TorsionSolver spoilt = [&, spoil = spoil](const TorsionInput& in,
                                                        const TorsionOptions& o, TorsionValues& out,
                                                        std::string& m, const auto& report) {
            const TorsionStatus status = Solver(TorsionStatus::Ok)(in, o, out, m, report);
            spoil(out);
            return status;
        };
        const std::string text = Report(odDosFile, "OUTDOS.TXT", spoilt);
        const std::string torsion = text.substr(text.find(kTorsionHeading));
        EXPECT_NE(torsion.find(cp850("Die Torsionswerte sind nicht physikalisch ") + reason),
                  std::string::npos)
            << torsion;
        EXPECT_EQ(torsion.find("Torsionstr"), std::string::npos) << torsion;
    }
}

// A wall that the fineness's element budget could not give three elements across was not
// mentioned: the shear areas then are too large without a word.
TEST_F(ExtendedReportTest, ThinWallBeyondTheBudgetLeavesANote) {
    const TorsionSolver thin = [](const TorsionInput&, const TorsionOptions&, TorsionValues& out,
                                  std::string&,
                                  const std::function<bool(std::size_t, std::size_t)>&) {
        out.J = 1;
        out.As1 = out.As2 = 1;
        out.wall = 0.5;
        out.wallElements = 1.25;
        return TorsionStatus::Ok;
    };
    const std::string text = Report(odDosFile, "OUTDOS.TXT", thin);
    EXPECT_NE(text.find(cp850("Hinweis: nur 1.25 Elemente über die dünnste Wand (0.5 mm)")),
              std::string::npos)
        << text.substr(text.find(kTorsionHeading));
}

} // namespace
} // namespace vak1::test
