// The drawing interface of the graphics window: every call appends one text record to the
// display list (or changes the mapping); nothing paints until the list is replayed.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/GraphicsWindow.h"

namespace vak1 {

// Record codes of the display list.
enum RecordCode : int {
    kRecMove = 1,
    kRecLineTo = 2,
    kRecCircle = 3,
    kRecLine = 4,
    kRecArc = 5,
    kRecText = 6,
    kRecSolid = 7,
    kRecColor = 8,
    kRecTextStyle = 9,
    kRecWindow = 10,
    kRecLineStyle = 11,
    kRecLineWidth = 12,
    kRecSleep = 13,
};

// A real in the list's number form: at most 8 significant digits, point as separator.
std::string RecordNumber(long double x);
void AppendRecordNumber(std::string& out, long double x);

// Empties the list and asks for a repaint.
void Clear(GraphicsWindow& g);
void ClearViewPort(GraphicsWindow& g);

// Viewport as fractions 0..1 of the reference size (y upward) and the world window. A world
// window without width or height sets abortFlag and returns false.
bool SetWindow(GraphicsWindow& g, uint8_t& abortFlag, uint8_t keepAspect, uint8_t inset,
               long double vx0, long double vy0, long double vx1, long double vy1, long double xmin,
               long double ymin, long double xmax, long double ymax);
bool Header(GraphicsWindow& g, uint8_t& abortFlag, long double xmin, long double ymin,
            long double xmax, long double ymax);
void SaveLimit(GraphicsWindow& g);
bool RestoreLimit(GraphicsWindow& g, uint8_t& abortFlag);
bool ReSetWindow(GraphicsWindow& g, uint8_t& abortFlag);
void SaveViewPort(GraphicsWindow& g);
void RetrieveViewPort(GraphicsWindow& g);
bool Regen(GraphicsWindow& g, uint8_t& abortFlag);

// Zoom rectangle in viewport pixels (y upward from Y0); derives the visible window and scales.
void SetScale(GraphicsWindow& g, int32_t zx0, int32_t zy0, int32_t zx1, int32_t zy1);
void ResetZoom(GraphicsWindow& g);
// A new reference size in pixels: the viewports of the list and the zoom rectangle are
// scaled along, so the picture is fitted into the new size at the next replay.
void ResizeReference(GraphicsWindow& g, int32_t width, int32_t height);

void line(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2);
void circle(GraphicsWindow& g, long double x, long double y, long double r);
// Angles in degrees, counter-clockwise from phiStart to phiEnd.
void Arc(GraphicsWindow& g, long double x, long double y, long double phiStart, long double phiEnd,
         long double r);
void Solid(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2,
           long double x3, long double y3, long double x4, long double y4);
// text in the Windows code page; it may contain ";".
void OutTextXY(GraphicsWindow& g, long double x, long double y, std::string_view text);
void Rectangle(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2);
void SetTextStyle(GraphicsWindow& g, int font, long double angle, long double height,
                  long double width);

void SetColor(GraphicsWindow& g, int n);
int GetColor(const GraphicsWindow& g);
// CAD colour number -> colour number of the palette.
int GetColorTurbo(int n);
void SetColorAcad(GraphicsWindow& g, int n);
void SetLineStyle(GraphicsWindow& g, uint16_t n);
void SetLineWidth(GraphicsWindow& g, uint16_t n);
// DXF line-type names -> line style numbers 0..3.
uint16_t LineStyleOfName(std::string_view name);
void SetLineStyleName(GraphicsWindow& g, std::string_view name);
void SleepMs(GraphicsWindow& g, int32_t ms);

long double EinX(const GraphicsWindow& g, long double f);
long double EinY(const GraphicsWindow& g, long double f);
int GetDirection(long double angle);

} // namespace vak1
