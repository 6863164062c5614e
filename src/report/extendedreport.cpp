// The extended values report. The polygon values come first and never wait for the solver;
// the torsion and shear part is written last, after the solver ran or was cancelled.
#include "report/extendedreport.h"

#include <algorithm>
#include <cmath>

#include "model/angles.h"
#include "calc/extended.h"
#include "platform/Ui.h"
#include "platform/projecttableform.h"
#include "model/ProjectData.h"
#include "report/OutputDocument.h"
#include "report/resultreport.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/program.h"

namespace vak1 {
namespace {

constexpr std::size_t kValueWidth = kResultLineLength - kValueColumn + 1;
constexpr std::size_t kProgressSteps = 1000;

// Values in the units and number forms of the settings, fitted to the value field.
// A value the format would show as 0 keeps its digits above the floor of its dimension.
struct Values {
    const Settings& s;
    SmallValueFloor floor;
    bool inch() const { return s.EnglishUnits == Units::English; }
    std::string Fit(const std::string& text, long double shown) const {
        return FitField(s, text, shown, kValueWidth);
    }
    std::string Kept(const std::string& text, long double x, long double factor,
                     int dimension) const {
        return Fit(KeepSmallValue(s, text, x * factor, floor.Of(dimension) * factor), x * factor);
    }
    std::string Length(long double x) const {
        return Kept(FormatLength(s, x), x, inch() ? kMmToInch : 1, 1);
    }
    std::string Area(long double x) const {
        return Kept(FormatArea(s, x), x, inch() ? kAreaToIn2 : 1, 2);
    }
    std::string Volume(long double x) const {
        return Kept(FormatVolume(s, x), x, inch() ? kVolumeToIn3 : 1, 3);
    }
    std::string Moment4(long double x) const {
        return Kept(FormatMoment4(s, x), x, inch() ? kMoment4ToIn4 : 1, 4);
    }
    std::string Moment6(long double x) const {
        const long double shown = inch() ? x * std::pow(kMmToInch, 6) : x;
        return Fit(FormatSignificant(s, shown), shown);
    }
    std::string Plain(long double x) const { return Fit(FormatSignificant(s, x), x); }
    std::string Count(std::size_t n) const { return std::to_string(n); }
    std::string Unit6() const { return inch() ? "in6" : "mm6"; }
};

// The blocks differ in the contour they take: the chord polygon of the standard calculation
// or the positions with their true arcs; each says which.
enum class Contour { Chords, Arcs };

void Heading(const OutputContext& ctx, const char* utf8, Contour contour) {
    WriteLine(ctx, " ");
    WriteLine(ctx, cp850(utf8));
    WriteLine(ctx, SeparatorThick(ctx.settings));
    WriteLine(ctx, cp850(contour == Contour::Chords ? "Kontur: Sehnenpolygon der Berechnung"
                                                    : "Kontur: exakte Kreisbögen"));
}

void Line(const OutputContext& ctx, const char* label, const char* symbol, const std::string& unit,
          const std::string& value) {
    WriteResultLine(ctx, cp850(label), symbol, unit, value);
}

void Radii(const OutputContext& ctx, const ProjectData& p, const ExtendedValues& x) {
    const Values v{ctx.settings, SmallValueFloorOf(p)};
    const std::string ul = UnitLength(ctx.settings);
    Heading(ctx, "UMFANG UND TRÄGHEITSRADIEN", Contour::Chords);
    Line(ctx, "Umfang (Sehnenpolygon)", "U", ul, v.Length(x.U));
    Line(ctx, "Trägheitsradius Schwerpunkt", "iy", ul, v.Length(x.y.i));
    Line(ctx, "Trägheitsradius Schwerpunkt", "iz", ul, v.Length(x.z.i));
    Line(ctx, "Trägheitsradius Hauptachse 1", "i1", ul, v.Length(x.axis1.i));
    Line(ctx, "Trägheitsradius Hauptachse 2", "i2", ul, v.Length(x.axis2.i));
    Line(ctx, "Richtung Hauptachse 1 zur y-Achse", "alpha1", "Grad",
         v.Plain(x.angle1 * kDegPerRad));
}

// The moduli of one axis: the extreme fibre on either side and W = I / e.
void Elastic(const OutputContext& ctx, const ProjectData& p, const AxisModuli& m,
             const std::string& axis, const std::string& k) {
    const Values v{ctx.settings, SmallValueFloorOf(p)};
    const std::string ul = UnitLength(ctx.settings), u3 = UnitVolume(ctx.settings);
    const std::string e = "Randabstand " + axis, w = "Widerstandsmom. " + axis;
    WriteResultLine(ctx, e + " (+)", "e" + k + "+", ul, v.Length(m.ePos));
    WriteResultLine(ctx, e + " (-)", "e" + k + "-", ul, v.Length(m.eNeg));
    WriteResultLine(ctx, w + " (+)", "W" + k + "+", u3, v.Volume(m.WPos));
    WriteResultLine(ctx, w + " (-)", "W" + k + "-", u3, v.Volume(m.WNeg));
}

void ElasticModuli(const OutputContext& ctx, const ProjectData& p, const ExtendedValues& x) {
    Heading(ctx, "ELASTISCHE WIDERSTANDSMOMENTE", Contour::Chords);
    Elastic(ctx, p, x.y, "y-Achse", "y");
    Elastic(ctx, p, x.z, "z-Achse", "z");
    Elastic(ctx, p, x.axis1, "Hauptachse 1", "1");
    Elastic(ctx, p, x.axis2, "Hauptachse 2", "2");
}

void PlasticModuli(const OutputContext& ctx, const ProjectData& p, const ExtendedValues& x) {
    const Values v{ctx.settings, SmallValueFloorOf(p)};
    const std::string ul = UnitLength(ctx.settings), u3 = UnitVolume(ctx.settings);
    Heading(ctx, "PLASTISCHE WIDERSTANDSMOMENTE", Contour::Chords);
    Line(ctx, "Plast. Widerstandsmoment Achse 1", "Wpl1", u3, v.Volume(x.plastic1.Wpl));
    Line(ctx, "Formfaktor Wpl1 / Wel1", "k1", "-", v.Plain(x.plastic1.shapeFactor));
    Line(ctx, "Plast. Nullinie 1, Abstand", "v1", ul, v.Length(x.plastic1.offset));
    Line(ctx, "Plast. Nullinie 1, Punkt", "y1", ul, v.Length(x.plastic1.y));
    Line(ctx, "Plast. Nullinie 1, Punkt", "z1", ul, v.Length(x.plastic1.z));
    Line(ctx, "Plast. Widerstandsmoment Achse 2", "Wpl2", u3, v.Volume(x.plastic2.Wpl));
    Line(ctx, "Formfaktor Wpl2 / Wel2", "k2", "-", v.Plain(x.plastic2.shapeFactor));
    Line(ctx, "Plast. Nullinie 2, Abstand", "v2", ul, v.Length(x.plastic2.offset));
    Line(ctx, "Plast. Nullinie 2, Punkt", "y2", ul, v.Length(x.plastic2.y));
    Line(ctx, "Plast. Nullinie 2, Punkt", "z2", ul, v.Length(x.plastic2.z));
}

std::string Percent(const Values& v, long double chord, long double exact) {
    if (exact == 0) return "-";
    return v.Plain((chord - exact) / exact * 100);
}

void ExactArcs(const OutputContext& ctx, const ProjectData& p) {
    const Values v{ctx.settings, SmallValueFloorOf(p)};
    const Settings& s = ctx.settings;
    const std::string u2 = UnitArea(s), u4 = UnitMoment4(s);
    Heading(ctx, "EXAKTE KREISBÖGEN", Contour::Arcs);
    ExactSectionValues e;
    if (!ComputeExactArcValues(p, s, e)) {
        WriteLine(ctx, cp850("Keine Werte: die Fläche mit exakten Bögen ist 0."));
        return;
    }
    const TSectionResults& r = p.R;
    Line(ctx, "Querschnittsfläche exakt", "A", u2, v.Area(e.A));
    Line(ctx, "Hauptflächenmoment 1 exakt", "I1", u4, v.Moment4(e.I1));
    Line(ctx, "Hauptflächenmoment 2 exakt", "I2", u4, v.Moment4(e.I2));
    Line(ctx, "Umfang exakt", "U", UnitLength(s), v.Length(e.U));
    Line(ctx, "Differenz Sehnen - exakt", "dA", u2, v.Area(r.A - e.A));
    Line(ctx, "Differenz Sehnen - exakt", "dA", "%", Percent(v, r.A, e.A));
    Line(ctx, "Differenz Sehnen - exakt", "dI1", u4, v.Moment4(r.I1 - e.I1));
    Line(ctx, "Differenz Sehnen - exakt", "dI1", "%", Percent(v, r.I1, e.I1));
    Line(ctx, "Differenz Sehnen - exakt", "dI2", u4, v.Moment4(r.I2 - e.I2));
    Line(ctx, "Differenz Sehnen - exakt", "dI2", "%", Percent(v, r.I2, e.I2));
}

// The contour about its first point (origin): far from the origin the solver's double
// coordinates would keep few digits of the section's own size.
TorsionInput InputOf(const ProjectData& p, const Settings& s, const ExtendedValues& x,
                     ContourPoint& origin) {
    TorsionInput in;
    const std::vector<ContourArcPoint> contour = CounterClockwiseArcContour(p, s);
    origin = contour.empty() ? ContourPoint{} : ContourPoint{contour[0].y, contour[0].z};
    for (const ContourArcPoint& q : contour) {
        in.contour.push_back(
            {static_cast<double>(q.y - origin.y), static_cast<double>(q.z - origin.z)});
        in.arcs.push_back(static_cast<double>(q.phi));
    }
    in.ys = static_cast<double>(p.R.ys);
    in.zs = static_cast<double>(p.R.zs);
    in.phi = static_cast<double>(x.angle1);
    in.I1 = static_cast<double>(x.axis1.I);
    in.I2 = static_cast<double>(x.axis2.I);
    in.A = static_cast<double>(x.A);
    return in;
}

// The solver under the Ui's progress window; its own steps are scaled to the window's.
TorsionStatus RunSolver(const OutputContext& ctx, const TorsionSolver& solver,
                        const TorsionInput& in, const TorsionOptions& options, TorsionValues& out,
                        std::string& message) {
    TorsionStatus status = TorsionStatus::Failed;
    message = cp850("Torsionsberechnung nicht gelaufen.");
    ProgressJob job{
        cp850("Torsion und Schub (finite Elemente)"), kProgressSteps,
        [&](const std::function<bool(std::size_t)>& report) {
            status = solver(in, options, out, message, [&](std::size_t done, std::size_t total) {
                const std::size_t step = total ? std::min(done, total) * kProgressSteps / total : 0;
                return report(step);
            });
        }};
    DialogUi(ctx.dialogs, kHelpExtendedValues).RunWithProgress(job);
    return status;
}

void Torsion(const OutputContext& ctx, const ProjectData& p, const ExtendedValues& x,
             const TorsionSolver& solver, const TorsionOptions& options) {
    const Values v{ctx.settings, SmallValueFloorOf(p)};
    const Settings& s = ctx.settings;
    Heading(ctx, kTorsionHeading, Contour::Arcs);
    TorsionValues t;
    std::string message;
    ContourPoint origin;
    const TorsionInput input = InputOf(p, s, x, origin);
    TorsionStatus status = RunSolver(ctx, solver, input, options, t, message);
    if (status == TorsionStatus::Ok) {
        message = NonPhysicalTorsionMessage(t);
        if (!message.empty()) status = TorsionStatus::Failed;
    }
    if (status == TorsionStatus::Cancelled) {
        WriteLine(ctx, cp850("Abgebrochen: keine Torsions- und Schubwerte berechnet."));
        return;
    }
    if (status != TorsionStatus::Ok) {
        WriteWrappedLines(ctx, message);
        return;
    }
    const std::string ul = UnitLength(s);
    Line(ctx, "Torsionsträgheitsmoment", "J", UnitMoment4(s), v.Moment4(t.J));
    Line(ctx, "Schubmittelpunkt", "ySM", ul, v.Length(origin.y + t.ySc));
    Line(ctx, "Schubmittelpunkt", "zSM", ul, v.Length(origin.z + t.zSc));
    Line(ctx, "Wölbwiderstand", "Iw", v.Unit6(), v.Moment6(t.Iw));
    Line(ctx, "Schubfläche Hauptachse 1", "As1", UnitArea(s), v.Area(t.As1));
    Line(ctx, "Schubfläche Hauptachse 2", "As2", UnitArea(s), v.Area(t.As2));
    Line(ctx, "Elemente des Netzes", "ne", "-", v.Count(t.elements));
    Line(ctx, "Knoten des Netzes", "nk", "-", v.Count(t.nodes));
    if (t.wall > 0 && t.wallElements < 3) {
        const std::string note = "Hinweis: nur " + FormatSignificant(s, t.wallElements) +
                                 cp850(" Elemente über die dünnste Wand (") +
                                 FormatLength(s, t.wall) + " " + ul +
                                 cp850("); eine größere Netzfeinheit wählen.");
        WriteWrappedLines(ctx, note);
    }
}

} // namespace

void ReportExtended(const OutputContext& ctx, const ProjectData& project, uint16_t kind,
                    const TorsionSolver& solver, const TorsionOptions& options) {
    const auto& r = project.RemarkLines;
    SetHeader(ctx, {kProgramTitle, r[0], r[1], r[2], ""}, 0);
    ExtendedValues x;
    if (project.CalcError || !ComputeExtendedValues(project, x)) {
        if (ctx.ShowMessageList) ctx.ShowMessageList();
        return;
    }
    OutputOpen(ctx, kind);
    if (ctx.dialogs.AbortFlag) return;
    PageHeader(ctx);
    if (ctx.dialogs.AbortFlag) {
        OutputDiscard(ctx);
        return;
    }
    WriteLine(ctx, "");
    WriteLine(ctx, "ERWEITERTE QUERSCHNITTSWERTE");
    Radii(ctx, project, x);
    ElasticModuli(ctx, project, x);
    PlasticModuli(ctx, project, x);
    ExactArcs(ctx, project);
    Torsion(ctx, project, x, solver, options);
    PageEnd(ctx);
    OutputClose(ctx);
}

bool RunExtendedJob(const OutputContext& ctx, const ProjectData& project,
                    const std::string& txtPath, const TorsionSolver& solver) {
    ExtendedValues x;
    if (project.CalcError || !ComputeExtendedValues(project, x)) return false;
    return WriteJobFile(ctx, txtPath, [&] { ReportExtended(ctx, project, odFile, solver); });
}

} // namespace vak1
