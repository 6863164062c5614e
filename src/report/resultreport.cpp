// Standard report, excerpt and the result line; they read the last calculation's results
// and never recalculate.
#include "report/resultreport.h"

#include <algorithm>
#include <cstdio>
#include <numbers>

#include "calc/angles.h"
#include "app/App.h"
#include "help/helperr.h"
#include "report/OutputDocument.h"
#include "text/formats.h"
#include "report/texttable.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

void ReportHeader(App& app) {
    const auto& r = app.Project.RemarkLines;
    SetHeader(app, {kProgramTitle, r[0], r[1], r[2], ""}, 0);
}

// Header, calculation test, output choice and first page. False when nothing is to be
// written.
bool BeginReport(App& app, uint16_t kind) {
    ReportHeader(app);
    if (app.Project.CalcError) {
        ShowMessageList(app);
        return false;
    }
    OutputOpen(app, kind);
    if (app.State.AbortFlag) return false;
    PageHeader(app);
    if (app.State.AbortFlag) {
        OutputDiscard(app);
        return false;
    }
    return true;
}

std::string RightAligned3(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", n);
    return buf;
}

void ContourTable(App& app) {
    const Settings& s = app.Config;
    const ProjectData& p = app.Project;
    WriteLine(app, "GEOMETRIE KONTUR");
    TTextTable table(app);
    table.Init({3, 12, 12, 10, 0, 0, 0},
               {"  i", "       y " + UnitLength(s), "       z " + UnitLength(s),
                "    phi " + UnitAngle(s), "", "", ""});
    table.RowSeparator = false;
    for (int i = 1; i <= p.PosCount; ++i) {
        const TPosition& pos = p.Positions[i];
        table.AddRow({RightAligned3(i), FormatLengthFixed(s, pos.y, 7, 3),
                      FormatLengthFixed(s, pos.z, 7, 3), FormatFixed(s, pos.phi * kDegPerRad, 8, 1),
                      "", "", ""});
    }
    table.Done();
}

void SectionResults(App& app) {
    const Settings& s = app.Config;
    const TSectionResults& r = app.Project.R;
    const std::string u4 = UnitMoment4(s);
    WriteLine(app, " ");
    WriteLine(app, "ERGEBNISSE QUERSCHNITT");
    WriteLine(app, SeparatorThick(s));
    WriteResultLine(app, cp850("Querschnittsfläche"), "A", UnitArea(s), FormatArea(s, r.A));
    WriteResultLine(app, cp850("Flächenmoment 1.Ordnung"), "Hy", UnitVolume(s),
                    FormatVolume(s, r.Hy));
    WriteResultLine(app, cp850("Flächenmoment 1.Ordnung"), "Hz", UnitVolume(s),
                    FormatVolume(s, r.Hz));
    WriteResultLine(app, cp850("Ax.Flächenmoment 2.Ordnung"), "Iy", u4, FormatMoment4(s, r.Iy));
    WriteResultLine(app, cp850("Ax.Flächenmoment 2.Ordnung"), "Iz", u4, FormatMoment4(s, r.Iz));
    WriteResultLine(app, cp850("Gemischt.Flächenmoment 2.Ord."), "Iyz", u4,
                    FormatMoment4(s, r.Iyz));
    WriteResultLine(app, cp850("Polares Flächenmoment 2.Ord."), "IP0", u4, FormatMoment4(s, r.Ip0));
    WriteResultLine(app, "Schwerpunktkoordinate", "ys", UnitLength(s), FormatLength(s, r.ys));
    WriteResultLine(app, "Schwerpunktkoordinate", "zs", UnitLength(s), FormatLength(s, r.zs));
    WriteResultLine(app, cp850("Ax.Flächenmoment Schwerpunkt"), "IyS", u4, FormatMoment4(s, r.IyS));
    WriteResultLine(app, cp850("Ax.Flächenmoment Schwerpunkt"), "IzS", u4, FormatMoment4(s, r.IzS));
    WriteResultLine(app, cp850("Ax.Flächenmoment Schwerpunkt"), "IyzS", u4,
                    FormatMoment4(s, r.IyzS));
    WriteResultLine(app, cp850("Polares Flächenmoment Schw.p."), "IpS", u4,
                    FormatMoment4(s, r.IpS));
    WriteResultLine(app, cp850("Hauptflächenmoment 1"), "I1", u4, FormatMoment4(s, r.I1));
    WriteResultLine(app, cp850("Hauptflächenmoment 2"), "I2", u4, FormatMoment4(s, r.I2));
    WriteResultLine(app, "Hauptwinkel phi", "phi", "Grad",
                    FormatSignificant(s, r.phi * kDegPerRad));
}

void BodyResults(App& app) {
    const Settings& s = app.Config;
    const ProjectData& p = app.Project;
    const std::string kgm2 = cp850("kgm²");
    WriteLine(app, " ");
    WriteLine(app, cp850("ERGEBNISSE KÖRPER"));
    WriteLine(app, SeparatorThick(s));
    WriteResultLine(app, cp850("Länge des Profils in x-Richtung"), "lx", UnitLength(s),
                    FormatLength(s, p.lx));
    WriteResultLine(app, "Werkstoffdichte", "rho", "kg/dm3", FormatSignificant(s, p.rho));
    WriteResultLine(app, "Volumen", "V", UnitVolume(s), FormatVolume(s, p.V));
    WriteResultLine(app, "Masse", "m", "kg", FormatSignificant(s, p.m));
    WriteResultLine(app, cp850("Massenträgheitsmoment Schwerpunkt"), "Js", kgm2,
                    FormatEngineering(s, p.R.Js));
    WriteResultLine(app, cp850("Massenträgheitsmoment Ursprung"), "J0", kgm2,
                    FormatEngineering(s, p.R.J0));
}

} // namespace

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

void WriteResultLine(App& app, std::string_view label, std::string_view symbol,
                     std::string_view unit, std::string_view value) {
    const uint16_t kind = app.Output.Kind;
    if (IsTabKind(kind)) {
        std::string v(value);
        const bool point = app.Config.ExportDecimal == 1;
        for (char& c : v)
            if (c == (point ? ',' : '.')) c = point ? '.' : ',';
        WriteRawLine(app, std::string(label) + "\t" + std::string(symbol) + "\t" +
                              std::string(unit) + "\t" + v);
    } else if (kind == odHtml) {
        OpenHtmlTable(app);
        WriteRawLine(app, "<TR><TD>" + HtmlEscape(label) + "</TD><TD>" + HtmlEscape(symbol) +
                              "</TD><TD>" + HtmlEscape(unit) + "</TD><TD><DIV ALIGN=RIGHT>" +
                              HtmlEscape(value) + "</DIV></TD></TR>");
    } else {
        WriteLine(app, ResultLineText(label, symbol, unit, value));
        if (app.Config.SeparatorStyle != 4) WriteLine(app, SeparatorThin(app.Config));
    }
}

void ReportStandard(App& app, uint16_t kind) {
    if (!BeginReport(app, kind)) return;
    WriteLine(app, "");
    if (app.Project.PosCount > 0) ContourTable(app);
    SectionResults(app);
    EnsureSpace(app);
    if (app.Project.lx > 0) BodyResults(app);
    PageEnd(app);
    if (app.Messages.count > 0) {
        PageHeader(app);
        WriteMessageBlock(app);
        PageEnd(app);
    }
    OutputClose(app);
}

void ReportExcerpt(App& app, uint16_t kind) {
    if (!BeginReport(app, kind)) return;
    const Settings& s = app.Config;
    const ProjectData& p = app.Project;
    const TSectionResults& r = p.R;
    const std::string u4 = UnitMoment4(s), ul = UnitLength(s);
    auto m4 = [&](long double x) { return FormatMoment4(s, x); };
    WriteLine(app, "");
    WriteLine(app, cp850("Querschnittsfläche:  A = ") + FormatArea(s, r.A) + " " + UnitArea(s));
    WriteLine(app, "");
    WriteLine(app, "Schwerpunkt :   ys = " + FormatLength(s, r.ys) + " " + ul +
                       "    zs = " + FormatLength(s, r.zs) + " " + ul);
    WriteLine(app, "");
    WriteLine(app, cp850("Flächenmomente yz-Achse [") + u4 + "] : Iy = " + m4(r.Iy) +
                       " Iz = " + m4(r.Iz));
    WriteLine(app, std::string(32, ' ') + "Iyz = " + m4(r.Iyz) + " Ip0 = " + m4(r.Ip0));
    WriteLine(app, "");
    WriteLine(app, cp850("Flächenmomente Schwerpunkt [") + u4 + "]: IyS = " + m4(r.IyS) +
                       "  IzS = " + m4(r.IzS));
    WriteLine(app, std::string(34, ' ') + "Iyzs=" + m4(r.IyzS) + "  IpS = " + m4(r.IpS));
    WriteLine(app, "");
    WriteLine(app,
              cp850("Hauptflächenmomente [") + u4 + "] :  I1 = " + m4(r.I1) + "  I2 = " + m4(r.I2));
    if (p.lx > 0) {
        WriteLine(app, " ");
        WriteLine(app, "V = " + FormatVolume(s, p.V) + " " + UnitVolume(s) +
                           "    m = " + FormatSignificant(s, p.m) + " kg");
        WriteLine(app, " ");
        WriteLine(app, cp850("Massenträgheitsmomente [kgm²]: Js = ") + FormatEngineering(s, r.Js) +
                           "    J0 = " + FormatEngineering(s, r.J0));
    }
    PageEnd(app);
    OutputClose(app);
}

bool RunReportJob(App& app, const std::string& txtPath) {
    if (app.Project.CalcError) return false;
    const uint8_t abortBefore = app.State.AbortFlag;
    app.State.AbortFlag = 0;
    app.Output.JobFile = txtPath;
    ReportStandard(app, odFile);
    app.Output.JobFile.clear();
    const bool ok = !app.State.AbortFlag;
    app.State.AbortFlag = abortBefore || !ok;
    return ok;
}

} // namespace vak1
