// Standard report, excerpt and the result line; they read the last calculation's results
// and never recalculate.
#include "report/resultreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/ProjectData.h"
#include "model/messages.h"
#include "model/angles.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "report/texttable.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/program.h"

namespace vak1 {
namespace {

void ReportHeader(const OutputContext& ctx, const ProjectData& project) {
    const auto& r = project.RemarkLines;
    SetHeader(ctx, {kProgramTitle, r[0], r[1], r[2], ""}, 0);
}

// Header, calculation test, output choice and first page. False when nothing is to be
// written.
bool BeginReport(const OutputContext& ctx, const ProjectData& project, uint16_t kind) {
    ReportHeader(ctx, project);
    if (project.CalcError) {
        if (ctx.ShowMessageList) ctx.ShowMessageList();
        return false;
    }
    OutputOpen(ctx, kind);
    if (ctx.dialogs.AbortFlag) return false;
    PageHeader(ctx);
    if (ctx.dialogs.AbortFlag) {
        OutputDiscard(ctx);
        return false;
    }
    return true;
}

// The values of the result lines, each in its field of 17 characters (Fit: FitField).
constexpr std::size_t kValueWidth = kResultLineLength - kValueColumn + 1;

std::string Fit(const Settings& s, const std::string& text, long double shown) {
    return FitField(s, text, shown, kValueWidth);
}
// text of the value x (mm units) shown as shown = x * factor; a value the format shows as 0
// although it reaches the noise floor of its dimension keeps its digits.
std::string Shown(const Settings& s, const std::string& text, long double x, long double factor,
                  const SmallValueFloor& floor, int dimension) {
    const long double shown = x * factor;
    return Fit(s, KeepSmallValue(s, text, shown, floor.Of(dimension) * factor), shown);
}
std::string AreaValue(const Settings& s, long double x, const SmallValueFloor& f = {}) {
    return Shown(s, FormatArea(s, x), x, s.EnglishUnits == Units::English ? kAreaToIn2 : 1, f, 2);
}
std::string VolumeValue(const Settings& s, long double x, const SmallValueFloor& f = {}) {
    return Shown(s, FormatVolume(s, x), x, s.EnglishUnits == Units::English ? kVolumeToIn3 : 1, f,
                 3);
}
std::string Moment4Value(const Settings& s, long double x, const SmallValueFloor& f = {}) {
    return Shown(s, FormatMoment4(s, x), x, s.EnglishUnits == Units::English ? kMoment4ToIn4 : 1, f,
                 4);
}
std::string LengthValue(const Settings& s, long double x, const SmallValueFloor& f = {}) {
    return Shown(s, FormatLength(s, x), x, s.EnglishUnits == Units::English ? kMmToInch : 1, f, 1);
}
std::string PlainValue(const Settings& s, long double x) {
    return Fit(s, FormatSignificant(s, x), x);
}

std::string RightAligned3(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", n);
    return buf;
}

void ContourTable(const OutputContext& ctx, const ProjectData& p) {
    const Settings& s = ctx.settings;
    WriteLine(ctx, "GEOMETRIE KONTUR");
    TTextTable table(ctx);
    table.Init({3, 12, 12, 10, 0, 0, 0},
               {"  i", "       y " + UnitLength(s), "       z " + UnitLength(s),
                "    phi " + UnitAngle(s), "", "", ""});
    table.RowSeparator = false;
    for (int i = 1; i <= p.PosCount(); ++i) {
        const TPosition& pos = p.Positions[static_cast<std::size_t>(i - 1)];
        const long double unit = s.EnglishUnits == Units::English ? kMmToInch : 1;
        table.AddRow(
            {RightAligned3(i), FitField(s, FormatLengthFixed(s, pos.y, 7, 3), pos.y * unit, 12),
             FitField(s, FormatLengthFixed(s, pos.z, 7, 3), pos.z * unit, 12),
             FitField(s, FormatFixed(s, pos.phi * kDegPerRad, 8, 1), pos.phi * kDegPerRad, 10), "",
             "", ""});
    }
    table.Done();
}

void SectionResults(const OutputContext& ctx, const ProjectData& p) {
    const TSectionResults& r = p.R;
    const SmallValueFloor f = SmallValueFloorOf(p);
    const Settings& s = ctx.settings;
    const std::string u4 = UnitMoment4(s);
    WriteLine(ctx, " ");
    WriteLine(ctx, "ERGEBNISSE QUERSCHNITT");
    WriteLine(ctx, SeparatorThick(s));
    WriteResultLine(ctx, cp850("Querschnittsfläche"), "A", UnitArea(s), AreaValue(s, r.A, f));
    WriteResultLine(ctx, cp850("Flächenmoment 1.Ordnung"), "Hy", UnitVolume(s),
                    VolumeValue(s, r.Hy, f));
    WriteResultLine(ctx, cp850("Flächenmoment 1.Ordnung"), "Hz", UnitVolume(s),
                    VolumeValue(s, r.Hz, f));
    WriteResultLine(ctx, cp850("Ax.Flächenmoment 2.Ordnung"), "Iy", u4, Moment4Value(s, r.Iy, f));
    WriteResultLine(ctx, cp850("Ax.Flächenmoment 2.Ordnung"), "Iz", u4, Moment4Value(s, r.Iz, f));
    WriteResultLine(ctx, cp850("Gemischt.Flächenmoment 2.Ord."), "Iyz", u4,
                    Moment4Value(s, r.Iyz, f));
    WriteResultLine(ctx, cp850("Polares Flächenmoment 2.Ord."), "IP0", u4,
                    Moment4Value(s, r.Ip0, f));
    WriteResultLine(ctx, "Schwerpunktkoordinate", "ys", UnitLength(s), LengthValue(s, r.ys, f));
    WriteResultLine(ctx, "Schwerpunktkoordinate", "zs", UnitLength(s), LengthValue(s, r.zs, f));
    WriteResultLine(ctx, cp850("Ax.Flächenmoment Schwerpunkt"), "IyS", u4,
                    Moment4Value(s, r.IyS, f));
    WriteResultLine(ctx, cp850("Ax.Flächenmoment Schwerpunkt"), "IzS", u4,
                    Moment4Value(s, r.IzS, f));
    WriteResultLine(ctx, cp850("Ax.Flächenmoment Schwerpunkt"), "IyzS", u4,
                    Moment4Value(s, r.IyzS, f));
    WriteResultLine(ctx, cp850("Polares Flächenmoment Schw.p."), "IpS", u4,
                    Moment4Value(s, r.IpS, f));
    WriteResultLine(ctx, cp850("Hauptflächenmoment 1"), "I1", u4, Moment4Value(s, r.I1, f));
    WriteResultLine(ctx, cp850("Hauptflächenmoment 2"), "I2", u4, Moment4Value(s, r.I2, f));
    WriteResultLine(ctx, "Hauptwinkel phi", "phi", "Grad", PlainValue(s, r.phi * kDegPerRad));
}

void BodyResults(const OutputContext& ctx, const ProjectData& p) {
    const Settings& s = ctx.settings;
    const std::string kgm2 = cp850("kgm²");
    const SmallValueFloor f = SmallValueFloorOf(p);
    WriteLine(ctx, " ");
    WriteLine(ctx, cp850("ERGEBNISSE KÖRPER"));
    WriteLine(ctx, SeparatorThick(s));
    WriteResultLine(ctx, cp850("Länge des Profils in x-Richtung"), "lx", UnitLength(s),
                    LengthValue(s, p.lx));
    WriteResultLine(ctx, "Werkstoffdichte", "rho", "kg/dm3", PlainValue(s, p.rho));
    WriteResultLine(ctx, "Volumen", "V", UnitVolume(s), VolumeValue(s, p.V, f));
    WriteResultLine(ctx, "Masse", "m", "kg", PlainValue(s, p.m));
    WriteResultLine(ctx, cp850("Massenträgheitsmoment Schwerpunkt"), "Js", kgm2,
                    FormatEngineering(s, p.R.Js));
    WriteResultLine(ctx, cp850("Massenträgheitsmoment Ursprung"), "J0", kgm2,
                    FormatEngineering(s, p.R.J0));
}

} // namespace

SmallValueFloor SmallValueFloorOf(const ProjectData& p) {
    SmallValueFloor f;
    f.size = std::max({std::fabs(p.YMin), std::fabs(p.YMax), std::fabs(p.ZMin), std::fabs(p.ZMax)});
    return f;
}

std::string ResultLineText(std::string_view label, std::string_view symbol, std::string_view unit,
                           std::string_view value) {
    // A field longer than its column pushes the following ones to the right instead of
    // being split by them.
    std::string line(kResultLineLength, ' ');
    std::size_t end = 0;
    auto place = [&](std::size_t col, std::string_view text) {
        const std::size_t at = std::max(col, end + 1);
        InsertAt(line, at, text, kResultLineLength);
        end = at - 1 + text.size();
    };
    place(1, label);
    place(kSymbolColumn, symbol);
    place(kUnitColumn, unit);
    place(kValueColumn, value);
    return line;
}

void WriteResultLine(const OutputContext& ctx, std::string_view label, std::string_view symbol,
                     std::string_view unit, std::string_view value) {
    const uint16_t kind = ctx.doc.Kind;
    if (IsTabKind(kind)) {
        std::string v(value);
        const bool point = ctx.settings.ExportDecimal == DecimalSign::Point;
        for (char& c : v)
            if (c == (point ? ',' : '.')) c = point ? '.' : ',';
        WriteRawLine(ctx, std::string(label) + "\t" + std::string(symbol) + "\t" +
                              std::string(unit) + "\t" + v);
    } else if (kind == odHtml) {
        OpenHtmlTable(ctx);
        WriteRawLine(ctx, "<TR><TD>" + HtmlEscape(label) + "</TD><TD>" + HtmlEscape(symbol) +
                              "</TD><TD>" + HtmlEscape(unit) + "</TD><TD><DIV ALIGN=RIGHT>" +
                              HtmlEscape(value) + "</DIV></TD></TR>");
    } else {
        WriteLine(ctx, ResultLineText(label, symbol, unit, value));
        if (ctx.settings.SeparatorStyle != 4) WriteLine(ctx, SeparatorThin(ctx.settings));
    }
}

void ReportStandard(const OutputContext& ctx, const ProjectData& project,
                    const MessageList& messages, uint16_t kind) {
    if (!BeginReport(ctx, project, kind)) return;
    WriteLine(ctx, "");
    if (project.PosCount() > 0) ContourTable(ctx, project);
    SectionResults(ctx, project);
    EnsureSpace(ctx);
    if (project.lx > 0) BodyResults(ctx, project);
    PageEnd(ctx);
    if (messages.count > 0) {
        PageHeader(ctx);
        WriteMessageBlock(ctx, messages);
        PageEnd(ctx);
    }
    OutputClose(ctx);
}

void ReportExcerpt(const OutputContext& ctx, const ProjectData& project, uint16_t kind) {
    if (!BeginReport(ctx, project, kind)) return;
    const Settings& s = ctx.settings;
    const ProjectData& p = project;
    const TSectionResults& r = p.R;
    const std::string u4 = UnitMoment4(s), ul = UnitLength(s);
    const SmallValueFloor f = SmallValueFloorOf(p);
    const bool inch = s.EnglishUnits == Units::English;
    auto m4 = [&](long double x) {
        const long double k = inch ? kMoment4ToIn4 : 1;
        return KeepSmallValue(s, FormatMoment4(s, x), x * k, f.Of(4) * k);
    };
    const long double ka = inch ? kAreaToIn2 : 1, kl = inch ? kMmToInch : 1;
    auto length = [&](long double x) {
        return KeepSmallValue(s, FormatLength(s, x), x * kl, f.Of(1) * kl);
    };
    WriteLine(ctx, "");
    WriteLine(ctx, cp850("Querschnittsfläche:  A = ") +
                       KeepSmallValue(s, FormatArea(s, r.A), r.A * ka, f.Of(2) * ka) + " " +
                       UnitArea(s));
    WriteLine(ctx, "");
    WriteLine(ctx, "Schwerpunkt :   ys = " + length(r.ys) + " " + ul + "    zs = " + length(r.zs) +
                       " " + ul);
    WriteLine(ctx, "");
    WriteLine(ctx, cp850("Flächenmomente yz-Achse [") + u4 + "] : Iy = " + m4(r.Iy) +
                       " Iz = " + m4(r.Iz));
    WriteLine(ctx, std::string(32, ' ') + "Iyz = " + m4(r.Iyz) + " Ip0 = " + m4(r.Ip0));
    WriteLine(ctx, "");
    WriteLine(ctx, cp850("Flächenmomente Schwerpunkt [") + u4 + "]: IyS = " + m4(r.IyS) +
                       "  IzS = " + m4(r.IzS));
    WriteLine(ctx, std::string(34, ' ') + "Iyzs=" + m4(r.IyzS) + "  IpS = " + m4(r.IpS));
    WriteLine(ctx, "");
    WriteLine(ctx,
              cp850("Hauptflächenmomente [") + u4 + "] :  I1 = " + m4(r.I1) + "  I2 = " + m4(r.I2));
    if (p.lx > 0) {
        WriteLine(ctx, " ");
        const long double kv = inch ? kVolumeToIn3 : 1;
        WriteLine(ctx, "V = " + KeepSmallValue(s, FormatVolume(s, p.V), p.V * kv, f.Of(3) * kv) +
                           " " + UnitVolume(s) + "    m = " + FormatSignificant(s, p.m) + " kg");
        WriteLine(ctx, " ");
        WriteLine(ctx, cp850("Massenträgheitsmomente [kgm²]: Js = ") + FormatEngineering(s, r.Js) +
                           "    J0 = " + FormatEngineering(s, r.J0));
    }
    PageEnd(ctx);
    OutputClose(ctx);
}

bool RunReportJob(const OutputContext& ctx, const ProjectData& project, const MessageList& messages,
                  const std::string& txtPath) {
    if (project.CalcError) return false;
    return WriteJobFile(ctx, txtPath, [&] { ReportStandard(ctx, project, messages, odFile); });
}

bool WriteJobFile(const OutputContext& ctx, const std::string& txtPath,
                  const std::function<void()>& write) {
    const uint8_t abortBefore = ctx.dialogs.AbortFlag;
    ctx.dialogs.AbortFlag = 0;
    ctx.doc.JobFile = txtPath;
    write();
    ctx.doc.JobFile.clear();
    const bool ok = !ctx.dialogs.AbortFlag;
    ctx.dialogs.AbortFlag = abortBefore || !ok;
    return ok;
}

} // namespace vak1
