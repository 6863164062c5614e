// IGES device: CAD calls in drawing units and degrees become IGES entities.
#include "cad/IgesOutput.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/angles.h"
#include "cad/CadContext.h"
#include "platform/Clock.h"
#include "settings/Settings.h"
#include "cad/cadnumber.h"
#include "cad/dxf.h"
#include "model/messages.h"

namespace vak1 {

namespace {}

IgesOutput::IgesOutput(const CadContext& cx) : CadOutput(cx), iges_(cx.Config) {}

bool IgesOutput::Open() {
    return iges_.Create(cx_.Cad.FileName);
}

void IgesOutput::Limits(long double, long double, long double xmax, long double ymax) {
    SystemClock system;
    const Clock& clock = cx_.clock ? *cx_.clock : static_cast<const Clock&>(system);
    iges_.Start(cx_.Cad.FileName, std::max(xmax, ymax), clock.Now());
}

void IgesOutput::Line(long double x1, long double y1, long double x2, long double y2) {
    iges_.Line(x1, y1, x2, y2);
}

void IgesOutput::Circle(long double x, long double y, long double r) {
    iges_.Circle(x, y, r);
}

void IgesOutput::Arc(long double x, long double y, long double a1, long double a2, long double r) {
    if (ArcIsCircle(a1, a2)) {
        iges_.Circle(x, y, r);
        return;
    }
    iges_.Arc(x, y, x + r * std::cos(a1 * kRadPerDeg), y + r * std::sin(a1 * kRadPerDeg),
              x + r * std::cos(a2 * kRadPerDeg), y + r * std::sin(a2 * kRadPerDeg));
}

void IgesOutput::Text(const std::string& text, long double x, long double y) {
    const CadLayer& c = cx_.Cad;
    iges_.Text(CadTextConvert(cx_.Config, text), c.TextHeight, c.TextWidthFactor, c.TextRotation, x,
               y);
}

void IgesOutput::Solid(long double x1, long double y1, long double x2, long double y2,
                       long double x3, long double y3, long double x4, long double y4) {
    iges_.Solid(x1, y1, x2, y2, x3, y3, x4, y4);
}

void IgesOutput::Insert(const std::string& name, long double x, long double y, long double rotation,
                        long double, long double) {
    if (!iges_.Instance(name, x, y, rotation))
        AddMessage(cx_.Messages, "Blockname " + name + " not found !");
}

} // namespace vak1
