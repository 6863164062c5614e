// Framed x-y diagrams drawn through the CAD layer: axes with arrows, ticks, numbered scales,
// dotted grid, labels and title, and the mapping of diagram values to drawing millimetres.
#pragma once
#include <cstdint>
#include <string>

namespace vak1 {

struct CadContext;
struct Settings;

struct DiagramState {
    long double x0 = 0, y0 = 0, width = 160, height = 120; // area, drawing millimetres
    long double xmin = 0, xmax = 1, ymin = 0, ymax = 1, dx = 1, dy = 1;
    long double xstep = 1, ystep = 1;
    uint16_t axisKind = 0;  // 0, 1 linear; 2 log y; 3 log x and y; 4 log x
    uint16_t angleMode = 0; // 2, 3: x over one full turn; 3 numbered in degrees
    // Both axes at the same millimetres per unit (a true-to-scale section): the range that is
    // narrower for its side is widened beyond its end once the scales are settled.
    bool equalScales = false;
    // The limits last entered in the limits dialog (xmin, ymin, xmax, ymax).
    long double enteredXMin = 0, enteredYMin = 0, enteredXMax = 0, enteredYMax = 0;
};

struct NiceScale {
    long double min = 0, max = 0, step = 0;
};
// Round limits and step for about n intervals over low .. high.
NiceScale CalcNiceScale(int n, long double low, long double high);

void DiagramReset(DiagramState& d);
void DiagramSetArea(DiagramState& d, long double width, long double height);
void DiagramSetOrigin(DiagramState& d, long double x0, long double y0);
void DiagramSetLimits(DiagramState& d, long double xmin, long double ymin, long double xmax,
                      long double ymax);
// Back from display units to millimetres after the axes are drawn.
void DiagramDivideLimits(DiagramState& d, long double ux, long double uy);

long double DiagramX(const DiagramState& d, long double x);
long double DiagramY(const DiagramState& d, long double y);
long double DiagramLengthX(const DiagramState& d, long double l);
long double DiagramLengthY(const DiagramState& d, long double l);

void DiagramLine(const CadContext& cx, long double x1, long double y1, long double x2,
                 long double y2);
void DiagramText(const CadContext& cx, const std::string& text, long double x, long double y);
void DiagramTextStyle(const CadContext& cx, int font, long double width, long double height,
                      long double angle);
// Filled arrow head with its tip at diagram point (x, y); length in drawing millimetres.
// Kinds 0, 1 point to +x, 2 to +y, 3 to -x, 4 to -y.
void DiagramArrow(const CadContext& cx, int kind, long double length, long double x, long double y);

// The scale numbers: 0 below 1e-12, engineering form below 1e-5 and from 10000 up, else at
// most three decimals.
std::string DiagramNumber(const Settings& s, long double v);

// Axes, ticks, numbers, grid, labels and title over the given limits (mode 2: the x label
// above the axis end); asks for the limits when the output and the settings say so.
void DrawDiagram(const CadContext& cx, const std::string& xLabel, const std::string& yLabel,
                 const std::string& title, int mode, long double xmin, long double ymin,
                 long double xmax, long double ymax);

} // namespace vak1
