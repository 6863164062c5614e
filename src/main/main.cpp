// vak1: for now computes the bundled example contour and prints every result.
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>

#include "app/App.h"
#include "cad/CadLayer.h"
#include "cad/drawing.h"
#include "calc/section.h"
#include "report/formats.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

// An L-profile 100 x 80, 10 thick, with an inner fillet of radius 10.
void LoadExample(ProjectData& p) {
    const long double quarter = std::numbers::pi_v<long double> / 2;
    const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -quarter},
                                 {10, 20, 0}, {10, 80, 0}, {0, 80, 0}};
    p.ResetContour();
    for (const auto& pos : contour) p.Positions[++p.PosCount] = pos;
}

void Line(const Settings& s, const char* label, const std::string& value,
          const std::string& unit) {
    std::printf("%-40s %14s %s\n", Cp850ToUtf8(cp850(label)).c_str(),
                Cp850ToUtf8(value).c_str(), Cp850ToUtf8(unit).c_str());
    (void)s;
}

} // namespace

int main() {
    App app;
    LoadExample(app.Project);
    CalcSection(app.Project, app.Messages, app.Config);
    const Settings& s = app.Config;
    const ProjectData& p = app.Project;
    const TSectionResults& r = p.R;
    std::printf("%s %s: L-Profil 100 x 80 x 10 mit Ausrundung R10\n\n", kProgramTitle, kVersion);
    for (uint16_t i = 1; i <= app.Messages.count; ++i)
        std::printf("Meldung: %s\n", Cp850ToUtf8(app.Messages[i]).c_str());
    if (p.CalcError) return 1;
    Line(s, "Querschnittsfläche A", FormatArea(s, r.A), UnitArea(s));
    Line(s, "Statisches Moment Hy", FormatVolume(s, r.Hy), UnitVolume(s));
    Line(s, "Statisches Moment Hz", FormatVolume(s, r.Hz), UnitVolume(s));
    Line(s, "Flächenmoment Iy", FormatMoment4(s, r.Iy), UnitMoment4(s));
    Line(s, "Flächenmoment Iz", FormatMoment4(s, r.Iz), UnitMoment4(s));
    Line(s, "Flächenmoment Iyz", FormatMoment4(s, r.Iyz), UnitMoment4(s));
    Line(s, "Polares Moment Ip0", FormatMoment4(s, r.Ip0), UnitMoment4(s));
    Line(s, "Schwerpunkt ys", FormatLength(s, r.ys), UnitLength(s));
    Line(s, "Schwerpunkt zs", FormatLength(s, r.zs), UnitLength(s));
    Line(s, "Flächenmoment IyS", FormatMoment4(s, r.IyS), UnitMoment4(s));
    Line(s, "Flächenmoment IzS", FormatMoment4(s, r.IzS), UnitMoment4(s));
    Line(s, "Flächenmoment IyzS", FormatMoment4(s, r.IyzS), UnitMoment4(s));
    Line(s, "Polares Moment IpS", FormatMoment4(s, r.IpS), UnitMoment4(s));
    Line(s, "Hauptwinkel phi", FormatSignificant(s, r.phi * 180 / std::numbers::pi_v<long double>), "Grad");
    Line(s, "Hauptträgheitsmoment I1", FormatMoment4(s, r.I1), UnitMoment4(s));
    Line(s, "Hauptträgheitsmoment I2", FormatMoment4(s, r.I2), UnitMoment4(s));
    Line(s, "Volumen V", FormatVolume(s, p.V), UnitVolume(s));
    Line(s, "Masse m", FormatSignificant(s, p.m), "kg");
    Line(s, "Massenträgheitsmoment Ursprung", FormatEngineering(s, r.J0), cp850("kgm²"));
    Line(s, "Massenträgheitsmoment Schwerpunkt", FormatEngineering(s, r.Js), cp850("kgm²"));
    std::printf("\n%u Polygonpunkte, Bereich y %s .. %s, z %s .. %s\n", p.PolyCount,
                FormatLength(s, p.YMin).c_str(), FormatLength(s, p.YMax).c_str(),
                FormatLength(s, p.ZMin).c_str(), FormatLength(s, p.ZMax).c_str());
    // The drawing of kind 1 ("Geometrie mit Tabelle") as DXF in the current folder.
    std::string error;
    if (!RunCadJob(app, cdDxf, dkGeometryTable, "example", &error)) {
        std::printf("DXF: %s\n", error.c_str());
        return 1;
    }
    std::printf("DXF-Zeichnung: %s\n", std::filesystem::absolute("example.dxf").c_str());
    return 0;
}
