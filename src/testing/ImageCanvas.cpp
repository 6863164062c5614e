// Bresenham lines, sampled ellipses and arcs, even-odd scanline fill.
#include "testing/ImageCanvas.h"

#include <numbers>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vak1 {
namespace {

constexpr double kPi = std::numbers::pi;

// On/off pattern of the pen styles, in pixels along the line.
bool PatternOn(PenStyle s, long step) {
    switch (s) {
    case PenStyle::Dot:
        return step % 4 < 2;
    case PenStyle::Dash:
        return step % 12 < 8;
    case PenStyle::DashDot: {
        const long k = step % 16;
        return k < 8 || (k >= 11 && k < 13);
    }
    default:
        return true;
    }
}

} // namespace

ImageCanvas::ImageCanvas(int32_t width, int32_t height, CanvasColor background)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), background_(background),
      rgb_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    for (std::size_t i = 0; i < rgb_.size(); i += 3) {
        rgb_[i] = background.r;
        rgb_[i + 1] = background.g;
        rgb_[i + 2] = background.b;
    }
}

void ImageCanvas::SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) {
    pen_ = color;
    penWidth_ = std::clamp(width, 1, 64);
    style_ = style;
    mode_ = mode;
}

void ImageCanvas::SetBrush(CanvasColor color, bool solid) {
    brush_ = color;
    solid_ = solid;
}

void ImageCanvas::SetFont(const CanvasFont& font, CanvasColor color) {
    fontSpec_ = font;
    font_ = color;
}

void ImageCanvas::Plot(int32_t x, int32_t y, CanvasColor c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = &rgb_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x)) *
                       3];
    if (mode_ == PenMode::Not) {
        p[0] = static_cast<uint8_t>(~p[0]);
        p[1] = static_cast<uint8_t>(~p[1]);
        p[2] = static_cast<uint8_t>(~p[2]);
        return;
    }
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

void ImageCanvas::PenDot(int32_t x, int32_t y, long step) {
    if (!PatternOn(style_, step)) return;
    const int32_t h = (penWidth_ - 1) / 2;
    for (int32_t dy = -h; dy < penWidth_ - h; ++dy)
        for (int32_t dx = -h; dx < penWidth_ - h; ++dx)
            Plot(x + dx, y + dy, pen_);
}

void ImageCanvas::Line(CanvasPoint a, CanvasPoint b) {
    a = ClampToCanvas(a); // the differences below stay within int32_t
    b = ClampToCanvas(b);
    // Far-off points (a zoomed-in view) are clipped to a sane box before stepping.
    const long lim = 4L * (width_ + height_);
    if (std::labs(a.x) > lim || std::labs(a.y) > lim || std::labs(b.x) > lim ||
        std::labs(b.y) > lim)
        return;
    long dx = std::labs(static_cast<long>(b.x) - a.x),
         dy = -std::labs(static_cast<long>(b.y) - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long err = dx + dy, step = 0;
    int32_t x = a.x, y = a.y;
    for (;;) {
        PenDot(x, y, step++);
        if (x == b.x && y == b.y) break;
        const long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageCanvas::EllipsePoints(CanvasPoint tl, CanvasPoint br, double from, double sweep) {
    const double cx = (tl.x + br.x) / 2.0, cy = (tl.y + br.y) / 2.0;
    const double rx = std::abs(br.x - tl.x) / 2.0, ry = std::abs(br.y - tl.y) / 2.0;
    if (rx > 8 * (width_ + height_) || ry > 8 * (width_ + height_)) return;
    const long n = std::max(8L, static_cast<long>(std::ceil((rx + ry) * sweep)));
    for (long i = 0; i <= n; ++i) {
        const double t = from + sweep * static_cast<double>(i) / static_cast<double>(n);
        // Screen y runs downward, so counter-clockwise on screen subtracts the sine.
        PenDot(static_cast<int32_t>(std::lround(cx + rx * std::cos(t))),
               static_cast<int32_t>(std::lround(cy - ry * std::sin(t))), i);
    }
}

void ImageCanvas::Ellipse(CanvasPoint tl, CanvasPoint br) {
    tl = ClampToCanvas(tl);
    br = ClampToCanvas(br);
    if (solid_) {
        const double cx = (tl.x + br.x) / 2.0, cy = (tl.y + br.y) / 2.0;
        const double rx = std::abs(br.x - tl.x) / 2.0, ry = std::abs(br.y - tl.y) / 2.0;
        for (int32_t y = std::max(0, std::min(tl.y, br.y));
             y <= std::min(height_ - 1, std::max(tl.y, br.y)); ++y)
            for (int32_t x = std::max(0, std::min(tl.x, br.x));
                 x <= std::min(width_ - 1, std::max(tl.x, br.x)); ++x) {
                const double u = rx > 0 ? (x - cx) / rx : 0, v = ry > 0 ? (y - cy) / ry : 0;
                if (u * u + v * v <= 1) Plot(x, y, brush_);
            }
    }
    EllipsePoints(tl, br, 0, 2 * kPi);
}

void ImageCanvas::Arc(CanvasPoint tl, CanvasPoint br, CanvasPoint s, CanvasPoint e) {
    tl = ClampToCanvas(tl);
    br = ClampToCanvas(br);
    const double cx = (tl.x + br.x) / 2.0, cy = (tl.y + br.y) / 2.0;
    const double a1 = std::atan2(cy - s.y, s.x - cx), a2 = std::atan2(cy - e.y, e.x - cx);
    double sweep = a2 - a1;
    if (sweep <= 0) sweep += 2 * kPi;
    EllipsePoints(tl, br, a1, sweep);
}

void ImageCanvas::Polygon(const CanvasPoint* given, int count) {
    if (count < 2) return;
    std::vector<CanvasPoint> clamped(given, given + count);
    for (CanvasPoint& p : clamped)
        p = ClampToCanvas(p);
    const CanvasPoint* pts = clamped.data();
    if (solid_) {
        int32_t top = pts[0].y, bottom = pts[0].y;
        for (int i = 1; i < count; ++i) {
            top = std::min(top, pts[i].y);
            bottom = std::max(bottom, pts[i].y);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, height_ - 1);
        std::vector<double> xs;
        for (int32_t y = top; y <= bottom; ++y) {
            xs.clear();
            const double yc = y + 0.5;
            for (int i = 0; i < count; ++i) {
                const CanvasPoint p = pts[i], q = pts[(i + 1) % count];
                if ((p.y <= yc) != (q.y <= yc))
                    xs.push_back(p.x + (yc - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
                for (int32_t x = std::max(0, static_cast<int32_t>(std::ceil(xs[k] - 0.5)));
                     x <= std::min(width_ - 1, static_cast<int32_t>(std::floor(xs[k + 1] - 0.5)));
                     ++x)
                    Plot(x, y, brush_);
        }
    }
    for (int i = 0; i < count; ++i)
        Line(pts[i], pts[(i + 1) % count]);
}

void ImageCanvas::Text(CanvasPoint tl, const std::string& utf8) {
    const int32_t h = std::max(fontSpec_.height, 1);
    const int32_t w = fontSpec_.width > 0 ? fontSpec_.width : std::max(h / 2, 1);
    const CanvasColor saved = pen_;
    const PenStyle savedStyle = style_;
    const int32_t savedWidth = penWidth_;
    pen_ = font_;
    style_ = PenStyle::Solid;
    penWidth_ = 1;
    tl = ClampToCanvas(tl);
    int64_t x = tl.x;
    for (unsigned char ch : utf8) {
        if ((ch & 0xC0) == 0x80) continue; // one cell per character, not per byte
        if (ch != ' ') {
            const int32_t top = tl.y, bottom = ClampToCanvas(int64_t{tl.y} + h - 1);
            const CanvasPoint a{ClampToCanvas(x + 1), top}, b{ClampToCanvas(x + w - 2), top},
                c{b.x, bottom}, d{a.x, bottom};
            Line(a, b);
            Line(b, c);
            Line(c, d);
            Line(d, a);
        }
        x += w;
    }
    pen_ = saved;
    style_ = savedStyle;
    penWidth_ = savedWidth;
}

CanvasColor ImageCanvas::Pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return background_;
    const uint8_t* p = &rgb_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                              static_cast<std::size_t>(x)) *
                             3];
    return CanvasColor{p[0], p[1], p[2]};
}

std::size_t ImageCanvas::CountInk() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < rgb_.size(); i += 3)
        if (rgb_[i] != background_.r || rgb_[i + 1] != background_.g ||
            rgb_[i + 2] != background_.b)
            ++n;
    return n;
}

bool ImageCanvas::SavePpm(const std::string& path) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width_, height_);
    const bool ok = std::fwrite(rgb_.data(), 1, rgb_.size(), f) == rgb_.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace vak1
