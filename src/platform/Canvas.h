// The surface the display list is replayed onto: the graphics widget, the printer page or an
// image in tests. Coordinates are device pixels with y downward.
#pragma once
#include <cstdint>
#include <string>

namespace vak1 {

struct CanvasColor {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const CanvasColor&, const CanvasColor&) = default;
};

struct CanvasPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// Device coordinates are kept within +-kCanvasLimit: far beyond any screen or page, and small
// enough that the sums and differences a canvas forms of a few of them stay within int32_t.
constexpr int32_t kCanvasLimit = 1 << 24;
constexpr int32_t ClampToCanvas(int64_t v) {
    return v < -kCanvasLimit  ? -kCanvasLimit
           : v > kCanvasLimit ? kCanvasLimit
                              : static_cast<int32_t>(v);
}
constexpr CanvasPoint ClampToCanvas(CanvasPoint p) {
    return CanvasPoint{ClampToCanvas(p.x), ClampToCanvas(p.y)};
}

enum class PenStyle { Solid, Dot, DashDot, Dash };
enum class PenMode { Copy, Not };

struct CanvasFont {
    std::string face;
    int32_t height = 0;     // pixels
    int32_t width = 0;      // average character width in pixels, 0: natural
    int32_t escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
};

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) = 0;
    // solid false: shapes are drawn as outlines only.
    virtual void SetBrush(CanvasColor color, bool solid) = 0;
    virtual void SetFont(const CanvasFont& font, CanvasColor color) = 0;
    virtual void Line(CanvasPoint a, CanvasPoint b) = 0;
    // count lines with the same pen, from ends[2i] to ends[2i + 1]; the same as drawing them
    // one by one, which is what a canvas does that cannot do better.
    virtual void Lines(const CanvasPoint* ends, int count) {
        for (int i = 0; i < count; ++i)
            Line(ends[2 * i], ends[2 * i + 1]);
    }
    // The ellipse inside the box (left, top)..(right, bottom).
    virtual void Ellipse(CanvasPoint topLeft, CanvasPoint bottomRight) = 0;
    // Part of the ellipse in the box, counter-clockwise as seen on screen from the ray
    // through start to the ray through end (both taken from the box centre).
    virtual void Arc(CanvasPoint topLeft, CanvasPoint bottomRight, CanvasPoint start,
                     CanvasPoint end) = 0;
    virtual void Polygon(const CanvasPoint* points, int count) = 0;
    // UTF-8 text with its cell's top-left corner at topLeft, transparent background.
    virtual void Text(CanvasPoint topLeft, const std::string& utf8) = 0;
    virtual void Pause(int32_t /*ms*/) {}
};

} // namespace vak1
