#include "app/stresscommand.h"

#include <cstdio>
#include <string>

#include "app/App.h"
#include "app/outputcontext.h"
#include "platform/Ui.h"
#include "report/extendedreport.h"
#include "report/stressreport.h"
#include "stress/stressmap.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

std::string Shown(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", x);
    return text;
}

} // namespace

void ViewStresses(App& app) {
    if (app.Project.CalcError) { // no dialog: the report shows the calculation's messages
        ReportStresses(OutputContextOf(app), app.Project, app.State.StressLoads);
        return;
    }
    const bool inch = app.Config.EnglishUnits == Units::English;
    const LoadUnits u = LoadUnitsOf(inch);
    SectionLoads& loads = app.State.StressLoads;
    StressDialogData d;
    d.caption = "Spannungen";
    d.labels = {"Normalkraft N (Zug positiv)", "Querkraft Vy",          "Querkraft Vz",
                "Torsionsmoment Mx",           "Biegemoment My (um y)", "Biegemoment Mz (um z)"};
    d.units = {u.forceName, u.forceName, u.forceName, u.momentName, u.momentName, u.momentName};
    d.values = {Shown(loads.N / u.force),   Shown(loads.Vy / u.force),  Shown(loads.Vz / u.force),
                Shown(loads.Mx / u.moment), Shown(loads.My / u.moment), Shown(loads.Mz / u.moment)};
    d.kinds = {"Normalspannung sx", "Schubspannung tau", "Vergleichsspannung sv"};
    d.kind = app.State.StressPictureKind;
    SectionLoads typed;
    d.accept = [&](StressDialogData& data) {
        std::string all;
        for (std::size_t i = 0; i < data.values.size(); ++i) {
            SectionLoads one;
            if (!ParseLoads(data.values[i], inch, one)) {
                data.error = data.labels[i] + ": keine Zahl";
                return false;
            }
            all += (i ? "," : "") + data.values[i];
        }
        data.error.clear();
        return ParseLoads(all, inch, typed);
    };
    if (!DialogUi(Dialogs(app), kHelpStresses).StressDialog(d)) return;
    loads = typed;
    app.State.StressPictureKind = d.kind;
    StressResults results;
    ReportStresses(OutputContextOf(app), app.Project, loads, 0, SolveFieldInWorker,
                   TorsionOptions{static_cast<double>(app.State.MeshFineness)}, &results);
    if (results.mesh.nodes.empty()) return;
    StressPictureData picture;
    picture.caption = "Spannungen";
    picture.kinds = d.kinds;
    picture.kind = d.kind;
    picture.render = [&results, u](int kind, int width, int height) {
        return RenderStressMap(results, static_cast<StressKind>(kind), u, width, height).rgb;
    };
    picture.draw = [&results, u](int kind, Canvas& canvas, int width, int height) {
        DrawStressMap(results, static_cast<StressKind>(kind), u, canvas, width, height);
    };
    picture.print = [&app, &results, u](int kind) {
        if (app.Env.printer)
            PrintStressMap(*app.Env.printer, results, static_cast<StressKind>(kind), u);
    };
    picture.folder = app.State.ProjectDir;
    picture.name = app.State.ProjectName.empty() ? "spannungen" : app.State.ProjectName + "_s";
    DialogUi(Dialogs(app), kHelpStresses).StressPicture(picture);
    app.State.StressPictureKind = picture.kind;
}

} // namespace vak1
