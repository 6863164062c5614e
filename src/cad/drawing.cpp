// The drawing dispatcher and the unattended drawing job.
#include "cad/drawing.h"

#include "app/App.h"
#include "app/outputcontext.h"
#include "cad/cad.h"
#include "cad/form.h"
#include "dialogs/dialogs.h"
#include "graphics/draw.h"
#include "help/helperr.h"
#include "platform/Ui.h"
#include "text/cp850.h"

namespace vak1 {

const char* const kDrawingKindCaptions[6] = {
    "Geometrie mit Tabelle", "nur Polylinie", "nur Tabelle", "Geometrie", "Formblatt", "zurück .."};

namespace {


void DrawContent(App& app, int kind) {
    const ProjectData& p = app.Project;
    switch (kind) {
    case dkGeometryTable:
        DrawResultTable(app, p.YMax + 0.2L * p.YWidth, p.ZMax, 0.02L * p.ZHeight);
        DrawContour(app);
        DrawPointArrows(app);
        DrawCentroidAxes(app);
        break;
    case dkPolyline:
        DrawContour(app);
        break;
    case dkTable:
        DrawResultTable(app, 5, 120, p.lx != 0 ? 2.9L : 3.5L);
        break;
    case dkGeometry:
        DrawContour(app);
        DrawPointArrows(app);
        DrawCentroidAxes(app);
        break;
    case dkForm:
        DrawForm(app);
        break;
    default:
        break;
    }
}

// One drawing of one kind on the device of mode, from CadOpen to CadClose.
void DrawKind(App& app, int mode, int kind) {
    CadOpen(app, mode);
    if (app.State.AbortFlag) return;
    CadSetLayer(app, 0);
    const DrawingExtents e = KindExtents(app, kind);
    CadLimits(app, e.xmin, e.ymin, e.xmax, e.ymax);
    if (!app.State.AbortFlag) {
        CadTables(app, 2);
        CadBlocksBegin(app);
        if (kind == dkForm) DefineFormFrame(app);
        CadBlocksEnd(app);
        CadEntitiesBegin(app);
        DrawContent(app, kind);
        CadEntitiesEnd(app);
    }
    // Closing also after a stop, so the file is complete and the block files are gone.
    const uint8_t stopped = app.State.AbortFlag;
    CadClose(app);
    app.State.AbortFlag |= stopped;
    if (app.Cad.CadDevice == cdScreen && !app.State.AbortFlag)
        app.Graphics.SectionView = static_cast<uint16_t>(kind);
    if (app.Env.ui) app.Env.ui->SetWaitCursor(false);
}

} // namespace

DrawingExtents KindExtents(const App& app, int kind) {
    const ProjectData& p = app.Project;
    const long double W = p.YWidth, H = p.ZHeight;
    switch (kind) {
    case dkGeometryTable:
        return {p.YMin - 0.1L * W, p.ZMin - 0.1L * H, p.YMax + 0.05L * W + 1.0L * H,
                p.ZMax + 0.15L * H};
    case dkTable:
        return {0, 0, 140, 125};
    case dkForm:
        return {-5, -5, 225, 310};
    default:
        return {p.YMin - 0.05L * W, p.ZMin - 0.05L * H, p.YMax + 0.05L * W, p.ZMax + 0.05L * H};
    }
}

void DrawSection(App& app, int mode, int kind) {
    if (app.State.AbortFlag) return;
    if (app.Project.CalcError) {
        // No picture of results that do not belong to the section any more.
        if (mode == cdScreen) Clear(app.Graphics);
        ShowMessageList(HelpContextOf(app), app.Messages);
        return;
    }
    const std::vector<std::string> lines = [] {
        std::vector<std::string> l;
        for (const char* c : kDrawingKindCaptions)
            l.push_back(cp850(c));
        return l;
    }();
    uint16_t preselected = 0;
    for (;;) {
        ++preselected;
        int k = kind;
        if (kind == 0) {
            if (!app.Env.ui) { // nobody to ask: as if cancelled
                app.State.AbortFlag = 1;
                return;
            }
            uint16_t choice = preselected;
            InputChoice(Dialogs(app), kHelpKind, cp850("Bitte wählen .."), lines, choice);
            if (app.State.AbortFlag || choice == dkBack) return;
            k = choice;
        }
        if (k < dkGeometryTable || k > dkForm) return;
        DrawKind(app, mode, k);
        preselected = static_cast<uint16_t>(k);
        if (kind != 0 || app.State.AbortFlag) return;
    }
}

void EditDrawingOptions(App& app) {
    ProjectData& p = app.Project;
    std::vector<bool> checked{p.DrawHatching, p.DrawPrincipalAxes};
    if (!app.Env.ui ||
        !DialogUi(Dialogs(app), kHelpKind).CheckBoxDialog("Zeichnungsoptionen", {"Schraffur", "Hauptachsen"}, checked)) {
        app.State.AbortFlag = 1;
        return;
    }
    p.DrawHatching = checked.at(0);
    p.DrawPrincipalAxes = checked.at(1);
    app.State.AbortFlag = 0;
}

bool RunCadJob(App& app, int device, int kind, const std::string& outputBase, std::string* error) {
    auto fail = [&](const std::string& text) {
        if (error) *error = text;
        return false;
    };
    if (device != cdDxf && device != cdIges && device != cdTxt)
        return fail(cp850("Ausgabegerät ") + std::to_string(device) +
                    " ist im Kommandozeilenmodus nicht erlaubt (1=DXF, 2=IGS, 5=TXT)");
    if (kind < dkGeometryTable || kind > dkForm)
        return fail("Zeichnungsart " + std::to_string(kind) + " gibt es nicht (1..5)");
    if (outputBase.empty()) return fail("Kein Name der Ausgabedatei");
    if (app.Project.CalcError) {
        std::string text = "Berechnungsfehler:";
        for (uint16_t i = 1; i <= app.Messages.count; ++i) {
            text += ' ';
            text += app.Messages[i];
        }
        return fail(text);
    }
    app.State.AbortFlag = 0;
    app.Cad.JobOutputBase = outputBase;
    app.Cad.WriteError.clear();
    const uint16_t before = app.Messages.count;
    DrawSection(app, device, kind);
    app.Cad.JobOutputBase.clear();
    if (app.State.AbortFlag || app.Cad.WriteFailed || !app.Cad.WriteError.empty()) {
        if (!app.Cad.WriteError.empty()) return fail(app.Cad.WriteError);
        // The drawing's own messages (the hatching's) say why it stopped.
        std::string text = "Zeichnung abgebrochen";
        for (uint16_t i = before + 1; i <= app.Messages.count; ++i) {
            text += '\n';
            text += app.Messages[i];
        }
        return fail(text);
    }
    return true;
}

} // namespace vak1
