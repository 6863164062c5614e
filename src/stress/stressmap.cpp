#include "stress/stressmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <utility>

#include <zlib.h>

#include "text/cp850.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr int kScale = 2; // font pixels per glyph dot
constexpr int kGlyphW = 5, kGlyphH = 7;
constexpr int kAdvance = (kGlyphW + 1) * kScale;
constexpr int kLegendWidth = 130, kMargin = 34;

struct Glyph {
    char c;
    const char* rows[kGlyphH];
};
constexpr Glyph kFont[] = {
    {'0', {"01110", "10001", "10011", "10101", "11001", "10001", "01110"}},
    {'1', {"00100", "01100", "00100", "00100", "00100", "00100", "01110"}},
    {'2', {"01110", "10001", "00001", "00010", "00100", "01000", "11111"}},
    {'3', {"11111", "00010", "00100", "00010", "00001", "10001", "01110"}},
    {'4', {"00010", "00110", "01010", "10010", "11111", "00010", "00010"}},
    {'5', {"11111", "10000", "11110", "00001", "00001", "10001", "01110"}},
    {'6', {"00110", "01000", "10000", "11110", "10001", "10001", "01110"}},
    {'7', {"11111", "00001", "00010", "00100", "01000", "01000", "01000"}},
    {'8', {"01110", "10001", "10001", "01110", "10001", "10001", "01110"}},
    {'9', {"01110", "10001", "10001", "01111", "00001", "00010", "01100"}},
    {'.', {"00000", "00000", "00000", "00000", "00000", "01100", "01100"}},
    {'-', {"00000", "00000", "00000", "11111", "00000", "00000", "00000"}},
    {'+', {"00000", "00100", "00100", "11111", "00100", "00100", "00000"}},
    {'=', {"00000", "00000", "11111", "00000", "11111", "00000", "00000"}},
    {'/', {"00000", "00001", "00010", "00100", "01000", "10000", "00000"}},
    {'*', {"00000", "10101", "01110", "11111", "01110", "10101", "00000"}},
    {'e', {"00000", "00000", "01110", "10001", "11111", "10000", "01110"}},
    {'s', {"00000", "00000", "01111", "10000", "01110", "00001", "11110"}},
    {'x', {"00000", "00000", "10001", "01010", "00100", "01010", "10001"}},
    {'t', {"01000", "01000", "11100", "01000", "01000", "01001", "00110"}},
    {'a', {"00000", "00000", "01110", "00001", "01111", "10001", "01111"}},
    {'u', {"00000", "00000", "10001", "10001", "10001", "10011", "01101"}},
    {'v', {"00000", "00000", "10001", "10001", "10001", "01010", "00100"}},
    {'N', {"10001", "11001", "10101", "10011", "10001", "10001", "10001"}},
    {'m', {"00000", "00000", "11010", "10101", "10101", "10001", "10001"}},
    {'p', {"00000", "00000", "11110", "10001", "11110", "10000", "10000"}},
    {'i', {"00100", "00000", "01100", "00100", "00100", "00100", "01110"}},
    {'y', {"00000", "00000", "10001", "10001", "01111", "00001", "01110"}},
    {'z', {"00000", "00000", "11111", "00010", "00100", "01000", "11111"}},
};

struct Raster {
    StressImage& im;
    void Put(int x, int y, const std::uint8_t c[3]) {
        if (x < 0 || y < 0 || x >= im.width || y >= im.height) return;
        std::memcpy(&im.rgb[(static_cast<std::size_t>(y) * im.width + x) * 3], c, 3);
    }
    void Dot(double x, double y, int width, const std::uint8_t c[3]) {
        const int x0 = static_cast<int>(std::lround(x)), y0 = static_cast<int>(std::lround(y));
        for (int dy = 0; dy < width; ++dy)
            for (int dx = 0; dx < width; ++dx)
                Put(x0 + dx - width / 2, y0 + dy - width / 2, c);
    }
    void Line(double x0, double y0, double x1, double y1, int width, const std::uint8_t c[3],
              int dash = 0) {
        const double len = std::hypot(x1 - x0, y1 - y0);
        const int steps = std::max(1, static_cast<int>(std::ceil(len * 2)));
        for (int i = 0; i <= steps; ++i) {
            if (dash > 0 && (i / (2 * dash)) % 2 == 1) continue;
            const double t = static_cast<double>(i) / steps;
            Dot(x0 + t * (x1 - x0), y0 + t * (y1 - y0), width, c);
        }
    }
    void Text(int x, int y, const std::string& text, const std::uint8_t c[3]) {
        for (const char ch : text) {
            for (const Glyph& g : kFont) {
                if (g.c != ch) continue;
                for (int r = 0; r < kGlyphH; ++r)
                    for (int k = 0; k < kGlyphW; ++k)
                        if (g.rows[r][k] == '1')
                            for (int sy = 0; sy < kScale; ++sy)
                                for (int sx = 0; sx < kScale; ++sx)
                                    Put(x + k * kScale + sx, y + r * kScale + sy, c);
            }
            x += kAdvance;
        }
    }
};

// The mesh's outline: the edges of one element only, each as its corner, midside and corner node.
std::vector<std::array<int, 3>> OutlineEdges(const TorsionField& mesh) {
    std::map<std::pair<int, int>, std::pair<int, int>> edges; // corners -> midside, count
    for (const auto& e : mesh.elements)
        for (int i = 0; i < 3; ++i) {
            const int a = e[i], b = e[(i + 1) % 3];
            auto& entry = edges[{std::min(a, b), std::max(a, b)}];
            entry.first = e[3 + i];
            ++entry.second;
        }
    std::vector<std::array<int, 3>> outline;
    for (const auto& [ends, mid] : edges)
        if (mid.second == 1) outline.push_back({ends.first, mid.first, ends.second});
    return outline;
}

std::string Number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", std::fabs(x) < 1e-300 ? 0.0 : x);
    return text;
}

const char* Symbol(StressKind kind) {
    return kind == StressKind::Normal ? "sx" : kind == StressKind::Shear ? "tau" : "sv";
}

// Each six-node element as four straight triangles over its corner and midside nodes.
constexpr int kSub[4][3] = {{0, 3, 5}, {3, 1, 4}, {5, 4, 2}, {3, 4, 5}};

// Where the map, its legend and its colours lie in a picture of width x height; unit is the
// size of one pixel of the screen's picture (larger on a page or in a vector file).
struct MapLayout {
    double lo = 0, hi = 0, span = 0; // the values the colours run over
    double y0 = 0, y1 = 0, z0 = 0, z1 = 0;
    double left = 0, top = 0, mapW = 0, mapH = 0, scale = 0, ox = 0, oy = 0;
    double X(double y) const { return ox + (y - y0) * scale; }
    double Y(double z) const { return oy - (z - z0) * scale; }
    void Colour(double v, std::uint8_t c[3]) const {
        StressColour(span ? (v - lo) / span : 0.5, c);
    }
};

MapLayout LayoutOf(const StressResults& r, StressKind kind, const std::vector<double>& values,
                   double width, double height, double unit) {
    MapLayout m;
    m.lo = m.hi = values[0];
    for (const double v : values) {
        m.lo = std::min(m.lo, v);
        m.hi = std::max(m.hi, v);
    }
    if (kind == StressKind::Normal) {
        m.lo = std::min(m.lo, r.sxMin.value);
        m.hi = std::max(m.hi, r.sxMax.value);
    }
    m.span = m.hi - m.lo > 1e-12 * std::max(std::fabs(m.hi), std::fabs(m.lo)) ? m.hi - m.lo : 0;
    const auto& nodes = r.mesh.nodes;
    m.y0 = m.y1 = nodes[0].y;
    m.z0 = m.z1 = nodes[0].z;
    for (const FemPoint& p : nodes) {
        m.y0 = std::min(m.y0, p.y);
        m.y1 = std::max(m.y1, p.y);
        m.z0 = std::min(m.z0, p.z);
        m.z1 = std::max(m.z1, p.z);
    }
    m.left = kMargin * unit;
    m.top = (kMargin + 10) * unit;
    m.mapW = width - (kLegendWidth + 2 * kMargin) * unit;
    m.mapH = height - m.top - kMargin * unit;
    m.scale =
        std::min(m.mapW / std::max(m.y1 - m.y0, 1e-300), m.mapH / std::max(m.z1 - m.z0, 1e-300));
    m.ox = m.left + (m.mapW - m.scale * (m.y1 - m.y0)) / 2;
    m.oy = m.top + (m.mapH + m.scale * (m.z1 - m.z0)) / 2;
    return m;
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    const auto be = [&out](std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8)
            out += static_cast<char>((v >> s) & 0xff);
    };
    be(static_cast<std::uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    be(static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

} // namespace

const std::vector<double>& StressValues(const StressResults& r, StressKind kind) {
    return kind == StressKind::Normal ? r.sigma : kind == StressKind::Shear ? r.tau : r.sv;
}

void StressColour(double t, std::uint8_t rgb[3]) {
    t = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, 1.0);
    const double centre[3] = {3, 2, 1}; // red, green, blue peak at t = 3/4, 1/2, 1/4
    for (int k = 0; k < 3; ++k)
        rgb[k] = static_cast<std::uint8_t>(
            std::lround(255 * std::clamp(1.5 - std::fabs(4 * t - centre[k]), 0.0, 1.0)));
}

StressImage RenderStressMap(const StressResults& r, StressKind kind, const LoadUnits& units,
                            int width, int height) {
    StressImage im;
    im.width = std::max(width, 2 * kLegendWidth);
    im.height = std::max(height, 4 * kMargin);
    im.rgb.assign(static_cast<std::size_t>(im.width) * im.height * 3, 255);
    const std::vector<double>& values = StressValues(r, kind);
    const auto& nodes = r.mesh.nodes;
    if (nodes.empty() || values.size() != nodes.size()) return im;
    Raster out{im};
    const std::uint8_t black[3] = {0, 0, 0}, white[3] = {255, 255, 255};

    const MapLayout m = LayoutOf(r, kind, values, im.width, im.height, 1);
    const double lo = m.lo, hi = m.hi;
    auto colourOf = [&](double v, std::uint8_t c[3]) { m.Colour(v, c); };
    const double y0 = m.y0, y1 = m.y1, z0 = m.z0, z1 = m.z1;
    const double left = m.left, top = m.top, mapW = m.mapW, mapH = m.mapH;
    auto px = [&](double y) { return m.X(y); };
    auto py = [&](double z) { return m.Y(z); };

    // Each element in four straight triangles over its corner and midside nodes.
    for (const auto& e : r.mesh.elements) {
        for (const auto& t : kSub) {
            double X[3], Y[3], V[3];
            for (int k = 0; k < 3; ++k) {
                X[k] = px(nodes[e[t[k]]].y);
                Y[k] = py(nodes[e[t[k]]].z);
                V[k] = values[e[t[k]]];
            }
            const double det = (X[1] - X[0]) * (Y[2] - Y[0]) - (X[2] - X[0]) * (Y[1] - Y[0]);
            if (det == 0) continue;
            const int xa = static_cast<int>(std::floor(std::min({X[0], X[1], X[2]})));
            const int xb = static_cast<int>(std::ceil(std::max({X[0], X[1], X[2]})));
            const int ya = static_cast<int>(std::floor(std::min({Y[0], Y[1], Y[2]})));
            const int yb = static_cast<int>(std::ceil(std::max({Y[0], Y[1], Y[2]})));
            for (int y = std::max(ya, 0); y <= std::min(yb, im.height - 1); ++y)
                for (int x = std::max(xa, 0); x <= std::min(xb, im.width - 1); ++x) {
                    const double cx = x + 0.5, cy = y + 0.5;
                    const double l1 =
                        ((cx - X[0]) * (Y[2] - Y[0]) - (X[2] - X[0]) * (cy - Y[0])) / det;
                    const double l2 =
                        ((X[1] - X[0]) * (cy - Y[0]) - (cx - X[0]) * (Y[1] - Y[0])) / det;
                    const double l0 = 1 - l1 - l2, eps = -1e-9;
                    if (l0 < eps || l1 < eps || l2 < eps) continue;
                    std::uint8_t c[3];
                    colourOf(l0 * V[0] + l1 * V[1] + l2 * V[2], c);
                    out.Put(x, y, c);
                }
        }
    }
    // The outline: element edges that belong to one element only.
    for (const auto& [first, middle, last] : OutlineEdges(r.mesh)) {
        const FemPoint &a = nodes[first], &m = nodes[middle], &b = nodes[last];
        out.Line(px(a.y), py(a.z), px(m.y), py(m.z), 2, black);
        out.Line(px(m.y), py(m.z), px(b.y), py(b.z), 2, black);
    }
    // The neutral axis across the map.
    if (r.neutral.exists) {
        const double ay = r.neutral.crossesY ? r.neutral.y : r.section.ys;
        const double az = r.neutral.crossesY ? r.section.zs : r.neutral.z;
        const double c = std::cos(r.neutral.angle), s = std::sin(r.neutral.angle);
        const double reach =
            std::hypot(y1 - y0, z1 - z0) + std::hypot(ay - (y0 + y1) / 2, az - (z0 + z1) / 2);
        const double xa = px(ay - reach * c), ya = py(az - reach * s);
        const double xb = px(ay + reach * c), yb = py(az + reach * s);
        // Only the part over the map area.
        const int steps = static_cast<int>(std::hypot(xb - xa, yb - ya)) + 1;
        bool labelled = false;
        int tx = 0, ty = 0;
        for (int i = 0; i <= steps; ++i) {
            const double x = xa + (xb - xa) * i / steps, y = ya + (yb - ya) * i / steps;
            if (x < left || x > left + mapW || y < top || y > top + mapH) continue;
            if ((i / 8) % 2 == 0) out.Dot(x, y, 2, black);
            if (!labelled && x > left + 4 && y > top + 4 && y < top + mapH - 20) {
                tx = static_cast<int>(x) + 4;
                ty = static_cast<int>(y) + 4;
                labelled = true;
            }
        }
        // After the line, so that none of its dashes runs through the label.
        if (labelled) {
            for (int dy = -1; dy <= kGlyphH * kScale; ++dy)
                for (int dx = -1; dx <= 4 * kAdvance; ++dx)
                    out.Put(tx + dx, ty + dy, white);
            out.Text(tx, ty, "sx=0", black);
        }
    }
    // The extremes.
    auto mark = [&](const StressPoint& p, const std::string& label) {
        const double x = px(p.y), y = py(p.z);
        for (int k = 0; k < 24; ++k) {
            const double a = k * 2 * 3.14159265358979 / 24;
            out.Dot(x + 6 * std::cos(a), y + 6 * std::sin(a), 3, white);
            out.Dot(x + 6 * std::cos(a), y + 6 * std::sin(a), 1, black);
        }
        const std::string text = label + " " + Number(p.value / units.stress);
        int tx = static_cast<int>(x) + 10, ty = static_cast<int>(y) - 8;
        const int w = static_cast<int>(text.size()) * kAdvance;
        if (tx + w > im.width - kLegendWidth) tx = static_cast<int>(x) - 10 - w;
        ty = std::clamp(ty, 2, im.height - kGlyphH * kScale - 2);
        for (int dy = -2; dy < kGlyphH * kScale + 2; ++dy)
            for (int dx = -2; dx < w + 1; ++dx)
                out.Put(tx + dx, ty + dy, white);
        out.Text(tx, ty, text, black);
    };
    if (kind == StressKind::Normal) {
        mark(r.sxMax, "sx+");
        mark(r.sxMin, "sx-");
    } else {
        mark(kind == StressKind::Shear ? r.tauMax : r.svMax, Symbol(kind));
    }
    // The legend: the colour bar from the lowest value (bottom) to the highest.
    const int bx = im.width - kLegendWidth + 10, barTop = static_cast<int>(top);
    const int barBottom = static_cast<int>(top + mapH);
    for (int y = barTop; y <= barBottom; ++y) {
        std::uint8_t c[3];
        StressColour(static_cast<double>(barBottom - y) / std::max(1, barBottom - barTop), c);
        for (int x = bx; x < bx + 20; ++x)
            out.Put(x, y, c);
    }
    out.Line(bx, barTop, bx + 20, barTop, 1, black);
    out.Line(bx, barBottom, bx + 20, barBottom, 1, black);
    out.Line(bx, barTop, bx, barBottom, 1, black);
    out.Line(bx + 20, barTop, bx + 20, barBottom, 1, black);
    constexpr int kTicks = 5;
    for (int k = 0; k < kTicks; ++k) {
        const double f = static_cast<double>(k) / (kTicks - 1);
        const int y = static_cast<int>(std::lround(barBottom - f * (barBottom - barTop)));
        out.Line(bx + 20, y, bx + 25, y, 1, black);
        out.Text(bx + 28, y - kGlyphH * kScale / 2, Number((lo + f * (hi - lo)) / units.stress),
                 black);
    }
    out.Text(bx, 6, std::string(Symbol(kind)) + " " + units.stressName, black);
    return im;
}

namespace {

// Device coordinates of the canvas, rounded once where a shape is handed over.
CanvasPoint At(double x, double y) {
    return ClampToCanvas(
        CanvasPoint{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))});
}

CanvasColor ColourOf(const std::uint8_t c[3]) {
    return {c[0], c[1], c[2]};
}

// Clips the line through (x, y) along (dx, dy) to the box; false when it misses it.
bool ClipToBox(double x, double y, double dx, double dy, double left, double top, double right,
               double bottom, double ends[4]) {
    double t0 = -std::numeric_limits<double>::infinity(), t1 = -t0;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x - left, right - x, y - top, bottom - y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 < t1) || !std::isfinite(t0) || !std::isfinite(t1)) return false;
    ends[0] = x + t0 * dx;
    ends[1] = y + t0 * dy;
    ends[2] = x + t1 * dx;
    ends[3] = y + t1 * dy;
    return true;
}

} // namespace

void DrawStressMap(const StressResults& r, StressKind kind, const LoadUnits& units, Canvas& canvas,
                   int width, int height) {
    const CanvasColor black{0, 0, 0}, white{255, 255, 255};
    // The screen picture's pixel in this picture: margins, pens and texts grow with the page.
    const double unit = std::max(0.5, std::min(width / 840.0, height / 700.0));
    const auto pen = [&](CanvasColor c, double w, PenStyle style = PenStyle::Solid) {
        canvas.SetPen(c, std::max<int32_t>(1, static_cast<int32_t>(std::lround(w * unit))), style,
                      PenMode::Copy);
    };
    const auto box = [&](double x0, double y0, double x1, double y1, CanvasColor fill) {
        canvas.SetBrush(fill, true);
        canvas.SetPen(fill, 1, PenStyle::Solid, PenMode::Copy);
        const CanvasPoint corners[4] = {At(x0, y0), At(x1, y0), At(x1, y1), At(x0, y1)};
        canvas.Polygon(corners, 4);
    };
    box(0, 0, width, height, white);
    const std::vector<double>& values = StressValues(r, kind);
    const auto& nodes = r.mesh.nodes;
    if (nodes.empty() || values.size() != nodes.size()) return;
    const MapLayout m = LayoutOf(r, kind, values, width, height, unit);

    // A font of the screen picture's glyph height; texts are measured by an estimate of
    // their width, generous enough for the white box behind a label.
    CanvasFont font;
    font.face = "Liberation Sans";
    font.height = std::max<int32_t>(1, static_cast<int32_t>(std::lround(kGlyphH * kScale * unit)));
    canvas.SetFont(font, black);
    const auto textWidth = [&](const std::string& t) { return 0.62 * font.height * t.size(); };
    const auto label = [&](double x, double y, const std::string& text) {
        box(x - 2 * unit, y - 2 * unit, x + textWidth(text) + 2 * unit, y + font.height + 2 * unit,
            white);
        canvas.SetFont(font, black);
        canvas.Text(At(x, y), text);
    };

    // The map: each triangle in the colour of its mean value, its edges in the same colour so
    // that no background shows between neighbours. Drawn colour by colour: a vector file then
    // states each colour once for all its triangles.
    struct Triangle {
        std::uint32_t colour;
        CanvasPoint corners[3];
    };
    std::vector<Triangle> triangles;
    triangles.reserve(4 * r.mesh.elements.size());
    for (const auto& e : r.mesh.elements)
        for (const auto& t : kSub) {
            std::uint8_t c[3];
            m.Colour((values[e[t[0]]] + values[e[t[1]]] + values[e[t[2]]]) / 3, c);
            Triangle& tri = triangles.emplace_back();
            tri.colour = c[0] << 16 | c[1] << 8 | c[2];
            for (int k = 0; k < 3; ++k)
                tri.corners[k] = At(m.X(nodes[e[t[k]]].y), m.Y(nodes[e[t[k]]].z));
        }
    std::stable_sort(triangles.begin(), triangles.end(),
                     [](const Triangle& a, const Triangle& b) { return a.colour < b.colour; });
    for (std::size_t i = 0; i < triangles.size(); ++i) {
        if (i == 0 || triangles[i].colour != triangles[i - 1].colour) {
            const std::uint32_t c = triangles[i].colour;
            const CanvasColor colour{static_cast<std::uint8_t>(c >> 16),
                                     static_cast<std::uint8_t>(c >> 8 & 0xff),
                                     static_cast<std::uint8_t>(c & 0xff)};
            canvas.SetBrush(colour, true);
            canvas.SetPen(colour, 1, PenStyle::Solid, PenMode::Copy);
        }
        canvas.Polygon(triangles[i].corners, 3);
    }
    // The outline: element edges that belong to one element only.
    std::vector<CanvasPoint> outline;
    for (const auto& [first, middle, last] : OutlineEdges(r.mesh)) {
        const FemPoint &a = nodes[first], &c = nodes[middle], &b = nodes[last];
        outline.insert(outline.end(), {At(m.X(a.y), m.Y(a.z)), At(m.X(c.y), m.Y(c.z)),
                                       At(m.X(c.y), m.Y(c.z)), At(m.X(b.y), m.Y(b.z))});
    }
    pen(black, 2);
    canvas.Lines(outline.data(), static_cast<int>(outline.size() / 2));
    // The neutral axis over the map area, labelled where it enters it.
    double axis[4] = {};
    bool axisShown = false;
    if (r.neutral.exists) {
        const double ay = r.neutral.crossesY ? r.neutral.y : r.section.ys;
        const double az = r.neutral.crossesY ? r.section.zs : r.neutral.z;
        if (ClipToBox(m.X(ay), m.Y(az), std::cos(r.neutral.angle), -std::sin(r.neutral.angle),
                      m.left, m.top, m.left + m.mapW, m.top + m.mapH, axis)) {
            axisShown = true;
            pen(black, 2, PenStyle::Dash);
            canvas.Line(At(axis[0], axis[1]), At(axis[2], axis[3]));
        }
    }
    // The extremes: a ring at the point, its label beside it.
    std::vector<std::pair<const StressPoint*, std::string>> marks;
    if (kind == StressKind::Normal)
        marks = {{&r.sxMax, "sx+"}, {&r.sxMin, "sx-"}};
    else
        marks = {{kind == StressKind::Shear ? &r.tauMax : &r.svMax, Symbol(kind)}};
    canvas.SetBrush(white, false);
    for (const auto& [p, symbol] : marks) {
        const double x = m.X(p->y), y = m.Y(p->z), ring = 6 * unit;
        pen(white, 3);
        canvas.Ellipse(At(x - ring, y - ring), At(x + ring, y + ring));
        pen(black, 1);
        canvas.Ellipse(At(x - ring, y - ring), At(x + ring, y + ring));
    }
    for (const auto& [p, symbol] : marks) {
        const double x = m.X(p->y), y = m.Y(p->z);
        const std::string text = symbol + " " + Number(p->value / units.stress);
        double tx = x + 10 * unit;
        if (tx + textWidth(text) > width - kLegendWidth * unit)
            tx = x - 10 * unit - textWidth(text);
        label(tx, std::clamp(y - 8 * unit, 2 * unit, height - font.height - 2 * unit), text);
    }
    if (axisShown) {
        const double tx = std::clamp(axis[0], m.left + 4 * unit, m.left + m.mapW - 60 * unit);
        const double ty = std::clamp(axis[1], m.top + 4 * unit, m.top + m.mapH - 24 * unit);
        label(tx + 4 * unit, ty + 4 * unit, "sx=0");
    }
    // The legend: the colour bar from the lowest value (bottom) to the highest in bands.
    const double bx = width - (kLegendWidth - 10) * unit, bw = 20 * unit;
    const double barTop = m.top, barBottom = m.top + m.mapH;
    constexpr int kBands = 64;
    for (int k = 0; k < kBands; ++k) {
        std::uint8_t c[3];
        StressColour((k + 0.5) / kBands, c);
        box(bx, barBottom - (k + 1) * (barBottom - barTop) / kBands, bx + bw,
            barBottom - k * (barBottom - barTop) / kBands, ColourOf(c));
    }
    canvas.SetBrush(white, false);
    pen(black, 1);
    const CanvasPoint frame[4] = {At(bx, barTop), At(bx + bw, barTop), At(bx + bw, barBottom),
                                  At(bx, barBottom)};
    canvas.Polygon(frame, 4);
    constexpr int kTicks = 5;
    for (int k = 0; k < kTicks; ++k) {
        const double f = static_cast<double>(k) / (kTicks - 1);
        const double y = barBottom - f * (barBottom - barTop);
        pen(black, 1);
        canvas.Line(At(bx + bw, y), At(bx + bw + 5 * unit, y));
        canvas.SetFont(font, black);
        canvas.Text(At(bx + bw + 8 * unit, y - font.height / 2.0),
                    Number((m.lo + f * (m.hi - m.lo)) / units.stress));
    }
    canvas.SetFont(font, black);
    canvas.Text(At(bx, 6 * unit), std::string(Symbol(kind)) + " " + units.stressName);
}

bool PrintStressMap(Printer& printer, const StressResults& r, StressKind kind,
                    const LoadUnits& units) {
    if (!printer.ChoosePrinter()) return false;
    int width = 0, height = 0, dpi = 0;
    Canvas* page = printer.BeginGraphic(true, width, height, dpi);
    if (!page) return false;
    DrawStressMap(r, kind, units, *page, width, height);
    printer.EndGraphic();
    return true;
}

std::string EncodePng(const StressImage& image) {
    std::string raw;
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    raw.reserve((row + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&image.rgb[y * row]), row);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  6) != Z_OK)
        return {};
    packed.resize(size);
    std::string header;
    for (const int v : {image.width, image.height})
        for (int s = 24; s >= 0; s -= 8)
            header += static_cast<char>((v >> s) & 0xff);
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", "");
    return out;
}

bool WriteStressPng(const StressImage& image, const std::string& path, std::string& error) {
    const std::string bytes = EncodePng(image);
    TextFileWriter file;
    if (bytes.empty() || !file.Open(path)) {
        error = path + cp850(": Bild nicht geschrieben");
        return false;
    }
    file.Write(bytes);
    if (!file.Commit()) {
        error = path + cp850(": Bild nicht geschrieben");
        return false;
    }
    return true;
}

} // namespace vak1
