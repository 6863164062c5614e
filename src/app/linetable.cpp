// The line table of the position list, and the recalculation and redraw after an edit.
#include <algorithm>
#include <cstdio>
#include <numbers>

#include "app/App.h"
#include "app/cadcontext.h"
#include "app/outputcontext.h"
#include "model/angles.h"
#include "cad/drawing.h"
#include "project/calculation.h"
#include "graphics/draw.h"
#include "app/contour.h"
#include "dialogs/dialogs.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

PositionTexts PositionColumns(const Settings& s, uint16_t k, const TPosition& p) {
    const bool inch = s.EnglishUnits == Units::English;
    auto length = [&](long double mm) {
        return inch ? FormatFixed(s, mm * kMmToInch, 4, 4) : FormatFixed(s, mm, 5, 3);
    };
    char number[8];
    std::snprintf(number, sizeof number, "%3u", static_cast<unsigned>(k));
    return {number, length(p.y), length(p.z), FormatFixed(s, p.phi * kDegPerRad, 4, 1)};
}

std::string PositionLine(const Settings& s, uint16_t k, const TPosition& p) {
    const PositionTexts t = PositionColumns(s, k, p);
    const std::string unit = UnitLength(s);
    return "Pos." + t.number + ":     y=" + t.y + " " + unit + "     z=" + t.z + " " + unit +
           "     phi=" + t.phi + " " + UnitAngle(s);
}

void BuildLineTable(App& app) {
    const ProjectData& p = app.Project;
    auto& table = app.State.LineTable;
    const std::size_t needed = std::size_t{p.PosCount()} + 5;
    if (table.size() < needed) table.resize(needed);
    for (uint16_t k = 1; k <= p.PosCount(); ++k)
        table[k - 1] = PositionLine(app.Config, k, p.Positions[k - 1u]);
    static constexpr const char* kActions[] = {
        "Neue Position eingeben", "Position einfügen", "Position löschen",
        "Drehen, schieben, vergrößern, verkleinern", "zurück .."};
    std::size_t i = p.PosCount();
    for (const char* action : kActions)
        table[i++] = cp850(action);
}

void Recalculate(App& app) {
    CalcSection(app.Project, app.Messages, app.Config);
}

// The section view in the main window; a connected hook (tests) takes its place.
void RedrawView(App& app, uint16_t kind) {
    if (app.State.RedrawView) {
        app.State.RedrawView(kind);
        return;
    }
    const uint8_t aborted = app.State.AbortFlag;
    app.State.AbortFlag = 0; // a cancelled dialog still leaves the view of what was entered
    DrawSection(CadContextOf(app), app.Project, app.Docu, cdScreen, static_cast<DrawingKind>(kind));
    app.State.AbortFlag = aborted;
}

void ShowRecalculated(App& app, uint16_t kind) {
    if (app.Project.CalcError) {
        Clear(app.Graphics);
        ShowMessageList(HelpContextOf(app), app.Messages);
    } else if (kind != 0) {
        RedrawView(app, kind);
    }
}

} // namespace vak1
