// The drawing dispatcher and the unattended drawing job.
#include "cad/drawing.h"

#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "docu/Documentation.h"
#include "cad/cad.h"
#include "cad/form.h"
#include "dialogs/dialogs.h"
#include "graphics/draw.h"
#include "graphics/GraphicsWindow.h"
#include "model/ProjectData.h"
#include "model/messages.h"
#include "platform/Ui.h"
#include "text/cp850.h"

namespace vak1 {

const char* const kDrawingKindCaptions[6] = {
    "Geometrie mit Tabelle", "nur Polylinie", "nur Tabelle", "Geometrie", "Formblatt", "zurück .."};

namespace {

void DrawContent(const CadContext& cx, const ProjectData& p, DrawingKind kind) {
    switch (kind) {
    case dkGeometryTable:
        DrawResultTable(cx, p, p.YMax + 0.2L * p.YWidth, p.ZMax, 0.02L * p.ZHeight);
        DrawContour(cx, p);
        DrawPointArrows(cx, p);
        DrawCentroidAxes(cx, p);
        if (cx.SolverOverlay && *cx.SolverOverlay) DrawSolverOverlay(cx, p);
        break;
    case dkPolyline:
        DrawContour(cx, p);
        break;
    case dkTable:
        DrawResultTable(cx, p, 5, 120, p.lx != 0 ? 2.9L : 3.5L);
        break;
    case dkGeometry:
        DrawContour(cx, p);
        DrawPointArrows(cx, p);
        DrawCentroidAxes(cx, p);
        if (cx.SolverOverlay && *cx.SolverOverlay) DrawSolverOverlay(cx, p);
        break;
    case dkForm:
        DrawForm(cx, p);
        break;
    default:
        break;
    }
}

// One drawing of one kind on the device of mode, from CadOpen to CadClose.
void DrawKind(const CadContext& cx, const ProjectData& p, const Documentation& docu,
              CadDeviceCode mode, DrawingKind kind) {
    CadOpen(cx, mode);
    if (cx.AbortFlag) return;
    CadSetLayer(cx, 0);
    const DrawingExtents e = KindExtents(p, kind);
    CadLimits(cx, e.xmin, e.ymin, e.xmax, e.ymax);
    if (!cx.AbortFlag) {
        CadTables(cx, 2);
        CadBlocksBegin(cx);
        if (kind == dkForm) DefineFormFrame(cx, p, docu);
        CadBlocksEnd(cx);
        CadEntitiesBegin(cx);
        DrawContent(cx, p, kind);
        CadEntitiesEnd(cx);
    }
    // Closing also after a stop, so the file is complete and the block files are gone.
    const uint8_t stopped = cx.AbortFlag;
    CadClose(cx);
    cx.AbortFlag |= stopped;
    if (cx.Cad.CadDevice == cdScreen && !cx.AbortFlag)
        cx.Graphics.SectionView = static_cast<uint16_t>(kind);
    if (cx.ui) cx.ui->SetWaitCursor(false);
}

} // namespace

DrawingExtents KindExtents(const ProjectData& p, DrawingKind kind) {
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

void DrawSection(const CadContext& cx, const ProjectData& p, const Documentation& docu,
                 CadDeviceCode mode, DrawingKind kind) {
    if (cx.AbortFlag) return;
    if (p.CalcError) {
        // No picture of results that do not belong to the section any more.
        if (mode == cdScreen) Clear(cx.Graphics);
        if (cx.ShowMessageList) cx.ShowMessageList();
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
        DrawingKind k = kind;
        if (kind == dkChoose) {
            if (!cx.ui) { // nobody to ask: as if cancelled
                cx.AbortFlag = 1;
                return;
            }
            uint16_t choice = preselected;
            InputChoice(cx.Dialogs(), kHelpKind, cp850("Bitte wählen .."), lines, choice);
            if (cx.AbortFlag || choice == dkBack) return;
            k = static_cast<DrawingKind>(choice);
        }
        if (k < dkGeometryTable || k > dkForm) return;
        DrawKind(cx, p, docu, mode, k);
        preselected = static_cast<uint16_t>(k);
        if (kind != dkChoose || cx.AbortFlag) return;
    }
}

void EditDrawingOptions(const CadContext& cx, ProjectData& p) {
    std::vector<bool> checked{p.DrawHatching, p.DrawPrincipalAxes};
    if (!cx.ui ||
        !DialogUi(cx.Dialogs(), kHelpKind)
             .CheckBoxDialog("Zeichnungsoptionen", {"Schraffur", "Hauptachsen"}, checked)) {
        cx.AbortFlag = 1;
        return;
    }
    p.DrawHatching = checked.at(0);
    p.DrawPrincipalAxes = checked.at(1);
    cx.AbortFlag = 0;
}

bool RunCadJob(const CadContext& cx, const ProjectData& p, const Documentation& docu, int device,
               int kind, const std::string& outputBase, std::string* error) {
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
    if (p.CalcError) {
        std::string text = "Berechnungsfehler:";
        for (uint16_t i = 1; i <= cx.Messages.count; ++i) {
            text += ' ';
            text += cx.Messages[i];
        }
        return fail(text);
    }
    cx.AbortFlag = 0;
    cx.Cad.JobOutputBase = outputBase;
    cx.Cad.WriteError.clear();
    const uint16_t before = cx.Messages.count;
    DrawSection(cx, p, docu, static_cast<CadDeviceCode>(device), static_cast<DrawingKind>(kind));
    cx.Cad.JobOutputBase.clear();
    if (cx.AbortFlag || cx.Cad.WriteFailed || !cx.Cad.WriteError.empty()) {
        if (!cx.Cad.WriteError.empty()) return fail(cx.Cad.WriteError);
        // The drawing's own messages (the hatching's) say why it stopped.
        std::string text = "Zeichnung abgebrochen";
        for (uint16_t i = before + 1; i <= cx.Messages.count; ++i) {
            text += '\n';
            text += cx.Messages[i];
        }
        return fail(text);
    }
    return true;
}

} // namespace vak1
