// The CAD layer: one device-independent set of drawing operations, routed to the output
// device chosen by CadOpen. Drawing units are millimetres, angles of arcs and texts degrees.
#pragma once
#include <cstdint>
#include <string>

#include "cad/CadLayer.h"
#include "settings/Settings.h"

namespace vak1 {

struct CadContext;

// Help numbers of the drawing commands: opening the output (its file), the kind of drawing.
constexpr uint16_t kHelpOpen = 8260;
constexpr uint16_t kHelpKind = 8270;
constexpr uint16_t kHelpDevice = 2050; // the choice of the output device

// Captions of the device dialog, devices 1..5.
extern const char* const kCadDeviceCaptions[5];

// Layer numbers above 31 fold onto 16..31; the name follows the configured layer names.
int CadLayerNumber(int n);
std::string CadLayerName(const Settings& s, int n);

// Chooses the device (mode 0 asks), names and creates the output. Sets AbortFlag when
// cancelled or when the output cannot be created.
void CadOpen(const CadContext& cx, CadDeviceCode mode);
void CadClose(const CadContext& cx);

void CadLimits(const CadContext& cx, long double xmin, long double ymin, long double xmax,
               long double ymax);
void CadTables(const CadContext& cx, int variant);
void CadBlocksBegin(const CadContext& cx);
// Copies the temporary block file of name into the open DXF file as a block definition (for
// the plot file, whose reader cannot see the temporary folder); false when it is not there
// or not a plain group file.
bool DefineFileBlock(const CadContext& cx, const char* name);
void CadBlocksEnd(const CadContext& cx);
void CadBlockBegin(const CadContext& cx, const std::string& name);
void CadBlockEnd(const CadContext& cx);
void CadEntitiesBegin(const CadContext& cx);
void CadEntitiesEnd(const CadContext& cx);

// Selects the layer of the following entities (not called CadLayer, which names the state).
void CadSetLayer(const CadContext& cx, int n);
// Line style of the following entities (see CadLayer::LineStyle) until the next layer.
void CadSetLineStyle(const CadContext& cx, int n);
void CadTextStyle(const CadContext& cx, int kind, long double width, long double height,
                  long double angle);

void CadLine(const CadContext& cx, long double x1, long double y1, long double x2, long double y2);
void CadCircle(const CadContext& cx, long double x, long double y, long double r);
void CadArc(const CadContext& cx, long double x, long double y, long double a1, long double a2,
            long double r);
// (x, y) is the left end of the base line; text in code page 850.
void CadText(const CadContext& cx, const std::string& text, long double x, long double y);
void CadSolid(const CadContext& cx, long double x1, long double y1, long double x2, long double y2,
              long double x3, long double y3, long double x4, long double y4);
void CadInsert(const CadContext& cx, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy);

void CadMoveTo(const CadContext& cx, long double x, long double y);
void CadLineTo(const CadContext& cx, long double x, long double y);
void CadRectangle(const CadContext& cx, long double x1, long double y1, long double x2,
                  long double y2);

// phi: arc angle in radians from this vertex to the next, 0 for a straight edge.
void CadPolyBegin(const CadContext& cx, bool closed);
void CadVertex(const CadContext& cx, long double x, long double y, long double phi);
void CadPolyEnd(const CadContext& cx);

} // namespace vak1
