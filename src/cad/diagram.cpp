// Diagram frame: nice scales, the limits dialog, axes, ticks, numbers, grid and labels.
#include "cad/diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/angles.h"
#include "cad/CadContext.h"
#include "cad/CadLayer.h"
#include "settings/Settings.h"
#include "cad/CadOutput.h"
#include "cad/cad.h"
#include "text/parse.h"
#include "platform/Ui.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {

namespace {

constexpr uint16_t kHelpLimits = 1950;
constexpr int kMaxTicks = 1000; // entered limits with a tiny step must not hang the drawing

// x truncated toward zero, one less for negative x.
long double F(long double x) {
    const long double t = std::trunc(x);
    return x < 0 ? t - 1 : t;
}

bool LogX(const DiagramState& d) {
    return d.axisKind == 3 || d.axisKind == 4;
}
bool LogY(const DiagramState& d) {
    return d.axisKind == 2 || d.axisKind == 3;
}

long double Log10(long double v) {
    return v > 0 ? std::log10(v) : 0;
}

long double TextFactor(const DiagramState& d) {
    return std::max(d.height * 0.01L, d.width * 0.00625L);
}

struct Scales {
    NiceScale x, y;
};

Scales AutoScales(const DiagramState& d, long double xmin, long double ymin, long double xmax,
                  long double ymax) {
    Scales s;
    if (d.angleMode == 2 || d.angleMode == 3)
        s.x = {0, 2 * kPi, kPi / 4};
    else if (LogX(d))
        s.x = CalcNiceScale(6, Log10(xmin), Log10(xmax));
    else
        s.x = CalcNiceScale(6, xmin, xmax);
    s.y = LogY(d) ? CalcNiceScale(12, Log10(ymin), Log10(ymax)) : CalcNiceScale(6, ymin, ymax);
    return s;
}

std::string Field(const CadContext& cx, long double v) {
    std::string t = FormatSignificant(cx.Config, v);
    const auto first = t.find_first_not_of(' ');
    return first == std::string::npos ? std::string("0") : t.substr(first);
}

long double Parsed(const std::string& text) {
    return ParseNumber(Cp850ToUtf8(text)).value;
}

// TEinDiagramLimits: OK stores the entered limits and scales from them; cancel keeps s.
void AskLimits(const CadContext& cx, const std::string& title, const std::string& xLabel,
               const std::string& yLabel, Scales& s) {
    DiagramState& d = cx.Diagram;
    DiagramLimitsDialogData data;
    data.caption = Cp850ToUtf8(title);
    data.xLabel = Cp850ToUtf8(xLabel);
    data.yLabel = Cp850ToUtf8(yLabel);
    data.fields = {Field(cx, d.enteredXMin), Field(cx, d.enteredYMin), Field(cx, d.enteredXMax),
                   Field(cx, d.enteredYMax)};
    data.calculated = {Field(cx, s.x.min), Field(cx, s.y.min), Field(cx, s.x.max),
                       Field(cx, s.y.max)};
    if (!DialogUi(cx.Dialogs(), kHelpLimits).DiagramLimitsDialog(data)) return;
    d.enteredXMin = Parsed(data.fields[0]);
    d.enteredYMin = Parsed(data.fields[1]);
    d.enteredXMax = Parsed(data.fields[2]);
    d.enteredYMax = Parsed(data.fields[3]);
    if (d.angleMode == 2 || d.angleMode == 3)
        s.x = {d.enteredXMin, d.enteredXMax, kPi / 4};
    else
        s.x = CalcNiceScale(6, d.enteredXMin, d.enteredXMax);
    s.y = CalcNiceScale(6, d.enteredYMin, d.enteredYMax);
}

bool AskForLimits(const CadContext& cx) {
    const CadOutput* out = cx.Cad.Out.get();
    return cx.ui && out && out->Device() != cdScreen && cx.Config.EnterDiagramLimits &&
           cx.CommandLine.size() < 2;
}

int TickCount(long double min, long double max, long double step) {
    if (!(step > 0) || !std::isfinite(min) || !std::isfinite(max)) return 1;
    const long double n = std::floor((max - min + 1e-5L) / step) + 1;
    return n < 1 ? 1 : n > kMaxTicks ? kMaxTicks : static_cast<int>(n);
}

std::string TickNumber(const CadContext& cx, long double v, bool logarithmic, bool degrees) {
    if (logarithmic) return "10^" + DiagramNumber(cx.Config, v);
    return DiagramNumber(cx.Config, degrees ? v * kDegPerRad : v);
}

void EqualScales(DiagramState& d) {
    if (!(d.dx > 0) || !(d.dy > 0) || !(d.width > 0) || !(d.height > 0)) return;
    const long double mx = d.width / d.dx, my = d.height / d.dy;
    if (mx > my)
        DiagramSetLimits(d, d.xmin, d.ymin, d.xmin + d.width / my, d.ymax);
    else if (my > mx)
        DiagramSetLimits(d, d.xmin, d.ymin, d.xmax, d.ymin + d.height / mx);
}

void XAxis(const CadContext& cx, const std::string& label, int mode) {
    const DiagramState& d = cx.Diagram;
    if (d.ymin <= 0 && 0 <= d.ymax) {
        DiagramLine(cx, d.xmin, 0, d.xmax + 0.05L * d.dx, 0);
        DiagramArrow(cx, 1, d.width * 0.04L, d.xmax + 0.05L * d.dx, 0);
    }
    DiagramTextStyle(cx, 2, 1.9L, 2.3L, 0);
    const int n = TickCount(d.xmin, d.xmax, d.xstep);
    for (int i = 0; i < n; ++i) {
        const long double x = d.xmin + i * d.xstep;
        DiagramLine(cx, x, d.ymin - 0.01L * d.dy, x, d.ymin);
        DiagramText(cx, TickNumber(cx, x, LogX(d), d.angleMode == 3), x - 0.03L * d.xmax,
                    d.ymin - 0.07L * d.dy);
    }
    if (mode == 2)
        DiagramText(cx, label, 1.01L * d.xmax, d.ymin + 0.03L * d.dy);
    else
        DiagramText(cx, label, 1.06L * d.xmax, d.ymin - 0.07L * d.dy);
}

void YAxis(const CadContext& cx, const std::string& label) {
    const DiagramState& d = cx.Diagram;
    if (d.xmin <= 0 && 0 <= d.xmax) {
        DiagramLine(cx, 0, d.ymin, 0, d.ymax + 0.05L * d.dy);
        DiagramArrow(cx, 2, d.height * 0.04L, 0, d.ymax + 0.05L * d.dy);
    }
    const int n = TickCount(d.ymin, d.ymax, d.ystep);
    for (int i = 0; i < n; ++i) {
        const long double y = d.ymin + i * d.ystep;
        DiagramLine(cx, d.xmin - 0.01L * d.dx, y, d.xmin, y);
        DiagramText(cx, TickNumber(cx, y, LogY(d), false), d.xmin - 0.1L * d.dx, y - 0.01L * d.dy);
    }
    DiagramText(cx, label, d.xmin - 0.1L * d.dx, d.ymax + 0.07L * d.dy);
}

// Dotted, on the diagram pen.
void Grid(const CadContext& cx) {
    const DiagramState& d = cx.Diagram;
    CadSetLayer(cx, 17);
    CadSetLineStyle(cx, 1);
    const int nx = TickCount(d.xmin, d.xmax, d.xstep);
    for (int i = 0; i < nx; ++i) {
        const long double x = d.xmin + i * d.xstep;
        DiagramLine(cx, x, d.ymin, x, d.ymax);
    }
    const int ny = TickCount(d.ymin, d.ymax, d.ystep);
    for (int i = 0; i < ny; ++i) {
        const long double y = d.ymin + i * d.ystep;
        DiagramLine(cx, d.xmin, y, d.xmax, y);
    }
    CadSetLineStyle(cx, 0);
}

} // namespace

NiceScale CalcNiceScale(int n, long double low, long double high) {
    if (std::fabs(high - low) < 1e-5L) {
        low -= 1;
        high += 1;
    }
    high -= (high - low) * 1e-5L;
    const long double e = (high - low) / n;
    const long double k = e == 0 ? 0 : std::round(F(std::log10(std::fabs(e))));
    const long double p = std::pow(10.0L, k);
    const long double g = e / p;
    const long double m = g < 1.5L ? 1 : g < 3 ? 2 : g < 8 ? 5 : 10;
    NiceScale s;
    s.step = m * p;
    s.max = (F(high / s.step) + 1) * s.step;
    s.min = F(low / s.step) * s.step;
    return s;
}

void DiagramReset(DiagramState& d) {
    const DiagramState fresh;
    const long double ex[4] = {d.enteredXMin, d.enteredYMin, d.enteredXMax, d.enteredYMax};
    d = fresh;
    // The entered limits are offered again in the next dialog.
    d.enteredXMin = ex[0];
    d.enteredYMin = ex[1];
    d.enteredXMax = ex[2];
    d.enteredYMax = ex[3];
}

void DiagramSetArea(DiagramState& d, long double width, long double height) {
    d.width = width;
    d.height = height;
}

void DiagramSetOrigin(DiagramState& d, long double x0, long double y0) {
    d.x0 = x0;
    d.y0 = y0;
}

void DiagramSetLimits(DiagramState& d, long double xmin, long double ymin, long double xmax,
                      long double ymax) {
    d.xmin = xmin;
    d.ymin = ymin;
    d.xmax = xmax;
    d.ymax = ymax;
    d.dx = xmax - xmin;
    d.dy = ymax - ymin;
}

void DiagramDivideLimits(DiagramState& d, long double ux, long double uy) {
    d.xstep /= ux;
    d.ystep /= uy;
    DiagramSetLimits(d, d.xmin / ux, d.ymin / uy, d.xmax / ux, d.ymax / uy);
}

long double DiagramX(const DiagramState& d, long double x) {
    return d.x0 + (x - d.xmin) / (d.xmax - d.xmin) * d.width;
}
long double DiagramY(const DiagramState& d, long double y) {
    return d.y0 + (y - d.ymin) / (d.ymax - d.ymin) * d.height;
}
long double DiagramLengthX(const DiagramState& d, long double l) {
    return l * d.width / (d.xmax - d.xmin);
}
long double DiagramLengthY(const DiagramState& d, long double l) {
    return l * d.height / (d.ymax - d.ymin);
}

void DiagramLine(const CadContext& cx, long double x1, long double y1, long double x2,
                 long double y2) {
    const DiagramState& d = cx.Diagram;
    CadLine(cx, DiagramX(d, x1), DiagramY(d, y1), DiagramX(d, x2), DiagramY(d, y2));
}

void DiagramText(const CadContext& cx, const std::string& text, long double x, long double y) {
    CadText(cx, text, DiagramX(cx.Diagram, x), DiagramY(cx.Diagram, y));
}

void DiagramTextStyle(const CadContext& cx, int font, long double width, long double height,
                      long double angle) {
    const long double f = TextFactor(cx.Diagram);
    CadTextStyle(cx, font, width * f, height * f, angle);
}

void DiagramArrow(const CadContext& cx, int kind, long double a, long double x, long double y) {
    const long double tx = DiagramX(cx.Diagram, x), ty = DiagramY(cx.Diagram, y);
    const long double w = a * 0.125L;
    long double bx = tx, by = ty, px = 0, py = 0; // base centre and half-base direction
    switch (kind) {
    case 2:
        by = ty - a;
        px = w;
        break;
    case 3:
        bx = tx + a;
        py = w;
        break;
    case 4:
        by = ty + a;
        px = w;
        break;
    default:
        bx = tx - a;
        py = w;
        break;
    }
    CadSolid(cx, bx - px, by - py, bx + px, by + py, tx, ty, tx, ty);
}

std::string DiagramNumber(const Settings& s, long double v) {
    const long double b = std::fabs(v);
    if (b < 1e-12L) return "0";
    if (b < 1e-5L || b >= 10000) {
        std::string t = FormatEngineering(s, v);
        const auto first = t.find_first_not_of(' ');
        return first == std::string::npos ? t : t.substr(first);
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3Lf", v);
    std::string t = buf;
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.') t.pop_back();
    if (t == "-0") t = "0";
    if (UsesDecimalComma(s)) std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

void DrawDiagram(const CadContext& cx, const std::string& xLabel, const std::string& yLabel,
                 const std::string& title, int mode, long double xmin, long double ymin,
                 long double xmax, long double ymax) {
    DiagramState& d = cx.Diagram;
    const uint16_t marker = cx.Cad.FormSheetMarker;
    cx.Cad.FormSheetMarker = 1;
    CadSetLayer(cx, 4);
    DiagramTextStyle(cx, 2, 2.5L, 3.5L, 0);
    const long double chars = static_cast<long double>(title.size());
    CadText(cx, title, std::max(d.x0 + d.width * 0.5L - chars * 3.5L * 0.5L, cx.Cad.XMin),
            d.y0 + d.height + 3);

    CadSetLayer(cx, 17);
    Scales s = AutoScales(d, xmin, ymin, xmax, ymax);
    if (AskForLimits(cx)) AskLimits(cx, title, xLabel, yLabel, s);
    DiagramSetLimits(d, s.x.min, s.y.min, s.x.max, s.y.max);
    d.xstep = s.x.step;
    d.ystep = s.y.step;
    if (d.equalScales && d.axisKind <= 1) EqualScales(d);

    XAxis(cx, xLabel, mode);
    YAxis(cx, yLabel);
    Grid(cx);
    d.angleMode = 0;
    cx.Cad.FormSheetMarker = marker;
}

} // namespace vak1
