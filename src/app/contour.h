// Changing the project by user input: the position list and its actions, the coordinates of
// one position, the transformation of the whole contour, the reset, the body data, the arc
// division and the drawing's text lines. Cancels and failures end in AbortFlag.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cad/drawing.h"
#include "model/ProjectData.h"

namespace vak1 {

struct App;
struct Settings;

// Help numbers of the editing steps.
constexpr uint16_t kHelpCoordinates = 9010;
constexpr uint16_t kHelpPositionList = 8200;
constexpr uint16_t kHelpInsertAt = 8210;
constexpr uint16_t kHelpDeleteWhich = 8290;
constexpr uint16_t kHelpArcDivision = 8300;
constexpr uint16_t kHelpDensity = 8320;
constexpr uint16_t kHelpBodyLength = 8330;
constexpr uint16_t kHelpReset = 8340;
constexpr uint16_t kHelpRotation = 8400;
constexpr uint16_t kHelpShift = 8410;
constexpr uint16_t kHelpScale = 8420;
constexpr uint16_t kHelpMirror = 8430;
constexpr uint16_t kHelpReverse = 8440;
constexpr uint16_t kHelpTextLines = 8350;

// "Pos.  k:     y=... mm     z=... mm     phi=... °" (code page 850).
std::string PositionLine(const Settings& s, uint16_t k, const TPosition& p);
// The numbers of that line one by one: k, y, z and phi (code page 850).
struct PositionTexts {
    std::string number, y, z, phi;
};
PositionTexts PositionColumns(const Settings& s, uint16_t k, const TPosition& p);
// Lines 1..PosCount() describe the positions, the five after them the list's actions; the
// table grows when the contour needs more lines than it has.
void BuildLineTable(App& app);

void EditPositions(App& app);
void EditPosition(App& app, uint16_t k);
// Takes the text of one field of the coordinate dialog (0 y, 1 z, 2 the arc angle) into
// position k with that dialog's checks: false, with its message, when refused.
bool StoreCoordinateField(App& app, uint16_t k, int field, const std::string& text);
// A coordinate list as a spreadsheet or a CAD listing gives it: one position a line, two or
// three numbers (y, z and the arc angle, in the units of the settings) separated by tabs,
// semicolons or blanks, with a decimal point or comma; empty lines are skipped. False with
// the message for the first line that is not such a position.
bool ReadCoordinateList(const Settings& s, const std::string& text,
                        std::vector<TPosition>& positions, std::string& error);

// Picking in the drawing of the section (pixels x right, y down, with the view of its last
// replay): the position drawn nearest to the pixel within radius pixels, 0 for none or while
// the window shows no contour.
bool DrawingShowsContour(const App& app);
uint16_t PositionAtPixel(const App& app, int32_t px, int32_t py, int32_t radius);
// "Pos. 3:  y = 12.500 mm  z = 40.000 mm" (code page 850), the numbers as the list shows them.
std::string PickedPositionText(const App& app, uint16_t k);
// Position k dragged to (y, z) in mm, snapped to the decimals the list shows coordinates
// with. Refused with the coordinate dialog's range message, or with the calculation's
// messages when the contour could no longer be calculated: false and nothing changed.
// Otherwise the section is recalculated and its view drawn anew.
bool MovePosition(App& app, uint16_t k, long double y, long double z);

// The inputs of the transformation, each at its neutral value.
struct ContourTransform {
    long double angleDeg = 0;
    long double dy = 0, dz = 0;
    long double sy = 1, sz = 1;
    uint16_t mirror = 3; // 1 about the z axis, 2 about the y axis, 3 none
    bool reverse = false;
};
void TransformContour(App& app);
// Scale, rotate about the origin, shift; then mirror; then reverse the direction.
void ApplyTransform(ProjectData& p, const ContourTransform& t);
// The same contour walked the other way; every arc keeps its shape.
void ReverseDirection(ProjectData& p);

void ResetContour(App& app);
void EditBody(App& app);
void EditArcDivision(App& app);
void EditTextLines(App& app);

// The calculation after an edit, and the hooks to the view and the message list.
void Recalculate(App& app);
void RedrawView(App& app, uint16_t kind);
// After a recalculation: a failed one leaves no picture of old results and shows the message
// list; a good one redraws the view of kind (0: none).
void ShowRecalculated(App& app, uint16_t kind);

} // namespace vak1
