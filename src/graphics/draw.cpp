// Display-list records of the drawing calls and the window/zoom state behind them.
#include "graphics/draw.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/angles.h"
#include "model/rounding.h"

namespace vak1 {

void AppendRecordNumber(std::string& out, long double x) {
    char buf[64];
    if (!std::isfinite(x)) x = 0; // a record must read back as a number
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 8);
    out.append(buf, res.ptr);
}

std::string RecordNumber(long double x) {
    std::string s;
    AppendRecordNumber(s, x);
    return s;
}

namespace {

void AppendFields(std::string&) {}

template <typename... Rest> void AppendFields(std::string& out, long double x, Rest... rest) {
    out += ';';
    AppendRecordNumber(out, x);
    AppendFields(out, rest...);
}

template <typename... Fields> void Record(GraphicsWindow& g, int code, Fields... fields) {
    std::string r = std::to_string(code);
    AppendFields(r, static_cast<long double>(fields)...);
    g.DisplayList.push_back(std::move(r));
}

void IntRecord(GraphicsWindow& g, int code, long long n) {
    std::string r = std::to_string(code);
    r += ';';
    r += std::to_string(n);
    g.DisplayList.push_back(std::move(r));
}

} // namespace

void Clear(GraphicsWindow& g) {
    g.DisplayList.clear();
    g.SectionView = 0;
    g.RepaintRequested = true;
}

void ClearViewPort(GraphicsWindow& g) {
    g.RepaintRequested = true;
}

bool SetWindow(GraphicsWindow& g, uint8_t& abortFlag, uint8_t keepAspect, uint8_t inset,
               long double vx0, long double vy0, long double vx1, long double vy1, long double xmin,
               long double ymin, long double xmax, long double ymax) {
    const long double W = g.GraphWidth, H = g.GraphHeight;
    IntRect v{RoundToInt32(vx0 * W), RoundToInt32((1 - vy1) * H), RoundToInt32(vx1 * W),
              RoundToInt32((1 - vy0) * H)};
    if (inset != 0) v = IntRect{v.x0 + 1, v.y0 + 1, v.x1 - 1, v.y1 - 1};
    g.ViewPort = v;
    std::string r = std::to_string(kRecWindow);
    for (int32_t n : {v.x0, v.y0, v.x1, v.y1}) {
        r += ';';
        r += std::to_string(n);
    }
    AppendFields(r, xmin, ymin, xmax, ymax);
    g.DisplayList.push_back(std::move(r));
    g.World = WorldRect{xmin, ymin, xmax, ymax};
    g.KeepAspect = keepAspect;
    if (xmax == xmin || ymax == ymin) {
        abortFlag = 1;
        return false;
    }
    SetScale(g, v.x0, v.y0, v.x1, v.y1);
    return true;
}

bool Header(GraphicsWindow& g, uint8_t& abortFlag, long double xmin, long double ymin,
            long double xmax, long double ymax) {
    // Taken from the window in force before this one, as the zoom arithmetic expects.
    const WorldRect& w = g.World;
    const long double W = g.GraphWidth, H = g.GraphHeight;
    if (w.xmax != w.xmin && H != 0)
        g.AspectFactor = (W * 0.75L / H) * 640 / (w.xmax - w.xmin) / (480 / (w.ymax - w.ymin));
    if (!SetWindow(g, abortFlag, 1, 1, 0, 0, 1, 1, xmin, ymin, xmax, ymax)) return false;
    SetLineStyle(g, 0);
    SaveLimit(g);
    return true;
}

void SaveLimit(GraphicsWindow& g) {
    g.SavedWorld = g.World;
}

bool RestoreLimit(GraphicsWindow& g, uint8_t& abortFlag) {
    const WorldRect s = g.SavedWorld;
    return SetWindow(g, abortFlag, 1, 1, 0, 0, 1, 1, s.xmin, s.ymin, s.xmax, s.ymax);
}

bool ReSetWindow(GraphicsWindow& g, uint8_t& abortFlag) {
    bool ok = SetWindow(g, abortFlag, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1);
    ResetZoom(g);
    return ok;
}

void SaveViewPort(GraphicsWindow& g) {
    g.SavedViewPort = g.ViewPort;
}
void RetrieveViewPort(GraphicsWindow& g) {
    g.ViewPort = g.SavedViewPort;
}

bool Regen(GraphicsWindow& g, uint8_t& abortFlag) {
    const IntRect zoom = g.ZoomRect;
    bool ok = RestoreLimit(g, abortFlag);
    ok = SetWindow(g, abortFlag, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1) && ok;
    ResetZoom(g);
    SetScale(g, zoom.x0, zoom.y0, zoom.x1, zoom.y1);
    ClearViewPort(g);
    return ok;
}

void SetScale(GraphicsWindow& g, int32_t zx0, int32_t zy0, int32_t zx1, int32_t zy1) {
    if (zx0 == zx1 || zy0 == zy1) return;
    const IntRect& v = g.ViewPort;
    if (v.x1 == v.x0 || v.y1 == v.y0) return;
    g.ZoomRect = IntRect{zx0, zy0, zx1, zy1};
    const WorldRect& w = g.World;
    const long double dx = v.x1 - v.x0, dy = v.y1 - v.y0;
    g.Visible.xmin = w.xmin + (zx0 - v.x0) / dx * (w.xmax - w.xmin);
    g.Visible.xmax = w.xmin + (zx1 - v.x0) / dx * (w.xmax - w.xmin);
    g.Visible.ymin = w.ymin + (zy0 - v.y0) / dy * (w.ymax - w.ymin);
    g.Visible.ymax = w.ymin + (zy1 - v.y0) / dy * (w.ymax - w.ymin);
    if (g.Visible.xmax == g.Visible.xmin || g.Visible.ymax == g.Visible.ymin) return;
    g.sx = dx / (g.Visible.xmax - g.Visible.xmin);
    g.sy = dy / (g.Visible.ymax - g.Visible.ymin);
    if (g.KeepAspect != 0) {
        // As many pixels per unit across as up, whatever the shape of the window, so circles
        // stay round: the smaller scale wins, and the room left over in the other direction
        // is shared equally on both sides, so the picture sits in the middle.
        const long double s = std::min(std::fabs(g.sx), std::fabs(g.sy));
        g.sx = std::copysign(s, g.sx);
        g.sy = std::copysign(s, g.sy);
        const long double cx = (g.Visible.xmin + g.Visible.xmax) / 2;
        const long double cy = (g.Visible.ymin + g.Visible.ymax) / 2;
        g.Visible.xmin = cx - dx / g.sx / 2;
        g.Visible.xmax = cx + dx / g.sx / 2;
        g.Visible.ymin = cy - dy / g.sy / 2;
        g.Visible.ymax = cy + dy / g.sy / 2;
    }
}

void ResizeReference(GraphicsWindow& g, int32_t width, int32_t height) {
    width = std::clamp(width, 1, 0xFFFE);
    height = std::clamp(height, 1, 0xFFFE);
    if (width == g.GraphWidth && height == g.GraphHeight) return;
    const long double fx = static_cast<long double>(width) / g.GraphWidth;
    const long double fy = static_cast<long double>(height) / g.GraphHeight;
    auto scaled = [&](const IntRect& r) {
        return IntRect{RoundToInt32(r.x0 * fx), RoundToInt32(r.y0 * fy), RoundToInt32(r.x1 * fx),
                       RoundToInt32(r.y1 * fy)};
    };
    // The viewports of the list are pixels of the old size: they move along, so the next
    // replay fits the picture into the new size.
    for (std::size_t i = 0; i < g.DisplayList.size(); ++i) {
        const std::string& r = g.DisplayList[i];
        if (g.DisplayList.Parsed(i).code != kRecWindow || !r.starts_with("10;")) continue;
        std::string_view rest = std::string_view(r).substr(3);
        int32_t v[4] = {};
        for (int32_t& n : v) {
            const auto res = std::from_chars(rest.data(), rest.data() + rest.size(), n);
            rest.remove_prefix(static_cast<std::size_t>(res.ptr - rest.data()));
            if (!rest.empty() && rest.front() == ';') rest.remove_prefix(1);
        }
        const IntRect n = scaled(IntRect{v[0], v[1], v[2], v[3]});
        std::string out = std::to_string(kRecWindow);
        for (int32_t k : {n.x0, n.y0, n.x1, n.y1})
            out += ";" + std::to_string(k);
        out += ";";
        out.append(rest);
        g.DisplayList.Replace(i, std::move(out));
    }
    g.ViewPort = scaled(g.ViewPort);
    g.SavedViewPort = scaled(g.SavedViewPort);
    const IntRect zoom = scaled(g.ZoomRect);
    g.GraphWidth = static_cast<uint16_t>(width);
    g.GraphHeight = static_cast<uint16_t>(height);
    SetScale(g, zoom.x0, zoom.y0, zoom.x1, zoom.y1);
}

void ResetZoom(GraphicsWindow& g) {
    SetScale(g, g.ViewPort.x0, g.ViewPort.y0, g.ViewPort.x1, g.ViewPort.y1);
}

void line(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2) {
    Record(g, kRecLine, x1, y1, x2, y2);
}

void circle(GraphicsWindow& g, long double x, long double y, long double r) {
    Record(g, kRecCircle, x, y, r);
}

void Arc(GraphicsWindow& g, long double x, long double y, long double phiStart, long double phiEnd,
         long double r) {
    // frac keeps the sign, so the sweep is taken modulo one turn.
    long double s = (std::fmod(phiEnd / 360, 1.0L) - std::fmod(phiStart / 360, 1.0L)) * 360;
    if (s < 0) s += 360;
    const long double xs = x + r * std::cos(phiStart * kRadPerDeg),
                      ys = y + r * std::sin(phiStart * kRadPerDeg);
    const long double xe = x + r * std::cos(phiEnd * kRadPerDeg),
                      ye = y + r * std::sin(phiEnd * kRadPerDeg);
    // A canvas arc whose end pixels coincide paints a whole circle: short arcs become chords.
    if (s < 4) {
        line(g, xs, ys, xe, ye);
        return;
    }
    Record(g, kRecArc, x - r, y - r, x + r, y + r, xs, ys, xe, ye);
}

void Solid(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2,
           long double x3, long double y3, long double x4, long double y4) {
    Record(g, kRecSolid, x1, y1, x2, y2, x3, y3, x4, y4);
}

void OutTextXY(GraphicsWindow& g, long double x, long double y, std::string_view text) {
    std::string r = std::to_string(kRecText);
    AppendFields(r, x, y);
    r += ';';
    r.append(text);
    g.DisplayList.push_back(std::move(r));
}

void Rectangle(GraphicsWindow& g, long double x1, long double y1, long double x2, long double y2) {
    line(g, x1, y1, x2, y1);
    line(g, x2, y1, x2, y2);
    line(g, x2, y2, x1, y2);
    line(g, x1, y2, x1, y1);
}

void SetTextStyle(GraphicsWindow& g, int font, long double angle, long double height,
                  long double width) {
    std::string r = std::to_string(kRecTextStyle);
    AppendFields(r, height, width);
    r += ';';
    r += std::to_string(font);
    AppendFields(r, angle);
    g.DisplayList.push_back(std::move(r));
}

void SetColor(GraphicsWindow& g, int n) {
    if (n > 16 || n == g.CurrentColor) return;
    IntRecord(g, kRecColor, n);
    g.CurrentColor = n;
}

int GetColor(const GraphicsWindow& g) {
    return g.CurrentColor;
}

int GetColorTurbo(int n) {
    if (n > 15) n = (n & 15) + 1;
    static constexpr int kFirst[8] = {0, 12, 14, 10, 11, 9, 13, 15};
    if (n >= 0 && n <= 7) return kFirst[n];
    return n - 7;
}

void SetColorAcad(GraphicsWindow& g, int n) {
    SetColor(g, GetColorTurbo(n));
}

void SetLineStyle(GraphicsWindow& g, uint16_t n) {
    if (n == g.CurrentLineStyle) return;
    IntRecord(g, kRecLineStyle, n);
    g.CurrentLineStyle = n;
}

void SetLineWidth(GraphicsWindow& g, uint16_t n) {
    if (n == g.CurrentLineWidth) return;
    IntRecord(g, kRecLineWidth, n);
    g.CurrentLineWidth = n;
}

uint16_t LineStyleOfName(std::string_view name) {
    if (name == "DOTTED" || name == "PUNKT") return 1;
    if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return 2;
    if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return 3;
    return 0;
}

void SetLineStyleName(GraphicsWindow& g, std::string_view name) {
    SetLineStyle(g, LineStyleOfName(name));
}

void SleepMs(GraphicsWindow& g, int32_t ms) {
    IntRecord(g, kRecSleep, ms);
}

long double EinX(const GraphicsWindow& g, long double f) {
    return f * (g.World.xmax - g.World.xmin);
}
long double EinY(const GraphicsWindow& g, long double f) {
    return f * (g.World.ymax - g.World.ymin);
}

int GetDirection(long double angle) {
    if ((angle > 45 && angle < 135) || (angle > 225 && angle < 315) ||
        (angle > -135 && angle < -45))
        return 1;
    return 0;
}

} // namespace vak1
