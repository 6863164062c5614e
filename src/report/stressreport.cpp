// The stress report. The normal stresses never wait for the solver; the shear and von Mises
// stresses follow once it ran, or its message stands in their place.
#include "report/stressreport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/Ui.h"
#include "model/ProjectData.h"
#include "report/OutputDocument.h"
#include "report/resultreport.h"
#include "settings/Settings.h"
#include "stress/stressmap.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr std::size_t kValueWidth = kResultLineLength - kValueColumn + 1;
constexpr std::size_t kProgressSteps = 1000;
constexpr double kDegPerRadian = 57.295779513082320876798;

struct Shown {
    const Settings& s;
    LoadUnits u;
    std::string Plain(double x) const {
        return FitField(s, FormatSignificant(s, x), x, kValueWidth);
    }
    std::string Length(double mm) const {
        return FitField(s, FormatLength(s, mm), mm / u.length, kValueWidth);
    }
};

void Line(const OutputContext& ctx, const char* label, const std::string& symbol,
          const std::string& unit, const std::string& value) {
    WriteResultLine(ctx, cp850(label), symbol, unit, value);
}

void Point(const OutputContext& ctx, const Shown& v, const char* label, const std::string& symbol,
           const StressPoint& p) {
    Line(ctx, label, symbol, v.u.stressName, v.Plain(p.value / v.u.stress));
    const std::string ul = UnitLength(ctx.settings);
    Line(ctx, "  an der Stelle", "y", ul, v.Length(p.y));
    Line(ctx, "  an der Stelle", "z", ul, v.Length(p.z));
}

void WriteStresses(const OutputContext& ctx, const SectionLoads& loads, const StressResults& r,
                   StressStatus status, const std::string& message) {
    const Shown v{ctx.settings, LoadUnitsOf(ctx.settings.EnglishUnits == Units::English)};
    WriteLine(ctx, " ");
    WriteLine(ctx, kStressHeading);
    WriteLine(ctx, SeparatorThick(ctx.settings));
    const std::string f = v.u.forceName, m = v.u.momentName;
    Line(ctx, "Normalkraft (Zug positiv)", "N", f, v.Plain(loads.N / v.u.force));
    Line(ctx, "Querkraft in y", "Vy", f, v.Plain(loads.Vy / v.u.force));
    Line(ctx, "Querkraft in z", "Vz", f, v.Plain(loads.Vz / v.u.force));
    Line(ctx, "Torsionsmoment um x", "Mx", m, v.Plain(loads.Mx / v.u.moment));
    Line(ctx, "Biegemoment um y", "My", m, v.Plain(loads.My / v.u.moment));
    Line(ctx, "Biegemoment um z", "Mz", m, v.Plain(loads.Mz / v.u.moment));
    WriteLine(ctx, " ");
    Point(ctx, v, "Größte Normalspannung", "sx+", r.sxMax);
    Point(ctx, v, "Kleinste Normalspannung", "sx-", r.sxMin);
    const std::string ul = UnitLength(ctx.settings);
    if (!r.neutral.exists) {
        WriteLine(ctx, cp850("Keine Nullinie: die Normalspannung ist überall gleich."));
    } else {
        Line(ctx, "Nullinie, Winkel zur y-Achse", "aN", "Grad",
             v.Plain(r.neutral.angle * kDegPerRadian));
        if (r.neutral.crossesY)
            Line(ctx, "Nullinie schneidet die y-Achse", "yN", ul, v.Length(r.neutral.y));
        if (r.neutral.crossesZ)
            Line(ctx, "Nullinie schneidet die z-Achse", "zN", ul, v.Length(r.neutral.z));
    }
    WriteLine(ctx, " ");
    if (status == StressStatus::Cancelled) {
        WriteLine(ctx, cp850("Abgebrochen: keine Schub- und Vergleichsspannungen berechnet."));
        return;
    }
    if (status != StressStatus::Ok) {
        WriteWrappedLines(ctx, message);
        return;
    }
    Point(ctx, v, "Größte Schubspannung", "tau", r.tauMax);
    Point(ctx, v, "Größte Vergleichsspannung", "sv", r.svMax);
    Line(ctx, "Elemente des Netzes", "ne", "-", std::to_string(r.mesh.elements.size()));
}

StressStatus Compute(const OutputContext& ctx, const ProjectData& project,
                     const SectionLoads& loads, const TorsionFieldSolver& solver,
                     const TorsionOptions& options, StressResults& r, std::string& message) {
    StressStatus status = StressStatus::NoSection;
    ProgressJob job{cp850("Spannungen (finite Elemente)"), kProgressSteps,
                    [&](const std::function<bool(std::size_t)>& report) {
                        status = ComputeStresses(
                            project, ctx.settings, loads, r, message, solver, options,
                            [&](std::size_t done, std::size_t total) {
                                return report(total ? std::min(done, total) * kProgressSteps / total
                                                    : 0);
                            });
                    }};
    DialogUi(ctx.dialogs, kHelpStresses).RunWithProgress(job);
    return status;
}

void Write(const OutputContext& ctx, const ProjectData& project, const SectionLoads& loads,
           uint16_t kind, const StressResults& r, StressStatus status, const std::string& message) {
    const auto& lines = project.RemarkLines;
    SetHeader(ctx, {kProgramTitle, lines[0], lines[1], lines[2], ""}, 0);
    OutputOpen(ctx, kind);
    if (ctx.dialogs.AbortFlag) return;
    PageHeader(ctx);
    if (ctx.dialogs.AbortFlag) {
        OutputDiscard(ctx);
        return;
    }
    WriteStresses(ctx, loads, r, status, message);
    PageEnd(ctx);
    OutputClose(ctx);
}

} // namespace

void ReportStresses(const OutputContext& ctx, const ProjectData& project, const SectionLoads& loads,
                    uint16_t kind, const TorsionFieldSolver& solver, const TorsionOptions& options,
                    StressResults* results) {
    StressResults r;
    std::string message;
    const StressStatus status = project.CalcError
                                    ? StressStatus::NoSection
                                    : Compute(ctx, project, loads, solver, options, r, message);
    if (status == StressStatus::NoSection) {
        if (ctx.ShowMessageList) ctx.ShowMessageList();
        return;
    }
    Write(ctx, project, loads, kind, r, status, message);
    if (results) *results = std::move(r);
}

bool ParseLoads(const std::string& text, bool inch, SectionLoads& loads) {
    const LoadUnits u = LoadUnitsOf(inch);
    double values[6] = {};
    std::size_t count = 0, at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(',', at);
        if (end == std::string::npos) end = text.size();
        if (count == 6) return false;
        const std::string piece = text.substr(at, end - at);
        if (piece.find_first_not_of(' ') != std::string::npos) {
            char* stop = nullptr;
            const double x = std::strtod(piece.c_str(), &stop);
            if (stop == piece.c_str() ||
                std::string(stop).find_first_not_of(' ') != std::string::npos || !std::isfinite(x))
                return false;
            values[count] = x;
        }
        ++count;
        at = end + 1;
    }
    loads = {values[0] * u.force,  values[1] * u.force,  values[2] * u.force,
             values[3] * u.moment, values[4] * u.moment, values[5] * u.moment};
    return true;
}

bool RunStressJob(const OutputContext& ctx, const ProjectData& project, const SectionLoads& loads,
                  const std::string& txtPath, const std::string& pngPath, std::string& error,
                  const TorsionFieldSolver& solver) {
    StressResults r;
    std::string message;
    const StressStatus status =
        project.CalcError ? StressStatus::NoSection
                          : ComputeStresses(project, ctx.settings, loads, r, message, solver);
    if (status == StressStatus::NoSection) {
        error = cp850("keine Berechnung des Querschnitts");
        return false;
    }
    if (!WriteJobFile(ctx, txtPath,
                      [&] { Write(ctx, project, loads, odFile, r, status, message); })) {
        error = txtPath + cp850(": Bericht nicht geschrieben");
        return false;
    }
    if (status != StressStatus::Ok) {
        error = message;
        return false;
    }
    const StressImage image =
        RenderStressMap(r, StressKind::VonMises,
                        LoadUnitsOf(ctx.settings.EnglishUnits == Units::English), 800, 600);
    if (!WriteStressPng(image, pngPath, error)) return false;
    return true;
}

} // namespace vak1
