// Drawing generation: the dispatcher that opens a drawing on a device, writes its frame of
// calls and the content of the chosen kind, and the procedures that draw that content.
#pragma once
#include <string>

#include "cad/CadLayer.h"

namespace vak1 {

struct CadContext;
struct Documentation;
struct ProjectData;

// Drawing kinds, the entries of the kind dialog.
enum DrawingKind : int {
    dkChoose = 0, // DrawSection shows the kind dialog
    dkGeometryTable = 1,
    dkPolyline = 2,
    dkTable = 3,
    dkGeometry = 4,
    dkForm = 5,
    dkBack = 6,
};

extern const char* const kDrawingKindCaptions[6];

// mode 0 asks for the device, 1..5 use it; kind 0 shows the kind dialog until "zurück ..",
// kinds 1..5 draw once. Draws nothing when AbortFlag is set or the last calculation failed.
void DrawSection(const CadContext& cx, const ProjectData& p, const Documentation& docu,
                 CadDeviceCode mode, DrawingKind kind);

// Extents of a drawing kind for CadLimits.
struct DrawingExtents {
    long double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
DrawingExtents KindExtents(const ProjectData& p, DrawingKind kind);

void DrawContour(const CadContext& cx, const ProjectData& p);
void DrawPointArrows(const CadContext& cx, const ProjectData& p);
void DrawCentroidAxes(const CadContext& cx, const ProjectData& p);
void DrawResultTable(const CadContext& cx, const ProjectData& p, long double x, long double y,
                     long double h);

// The shear centre ("SM"), the plastic neutral axes ("pl1", "pl2") and the finite-element
// mesh of fineness 1 over the section, in the section's coordinates. A contour the solver
// cannot mesh leaves the mesh and the shear centre out.
void DrawSolverOverlay(const CadContext& cx, const ProjectData& p);

// The drawing options dialog ("Zeichnungsoptionen"): hatching and principal axes. Cancel sets
// AbortFlag and keeps both options.
void EditDrawingOptions(const CadContext& cx, ProjectData& p);

// Unattended drawing of the loaded, calculated project: device 1 (DXF), 2 (IGES) or 5 (TXT),
// kind 1..5, into outputBase + "." + extension, without any dialog. False, with the reason in
// error (code page 850, one line per message), when nothing or not everything was written.
bool RunCadJob(const CadContext& cx, const ProjectData& p, const Documentation& docu, int device,
               int kind, const std::string& outputBase, std::string* error = nullptr);

} // namespace vak1
