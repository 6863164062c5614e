// A canvas that paints into an RGB raster in memory, for picture tests of the replay and for
// benchmarks. Text is shown as one outlined cell per character (no fonts needed).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vak1 {

class ImageCanvas : public Canvas {
  public:
    ImageCanvas(int32_t width, int32_t height, CanvasColor background = {255, 255, 255});

    void SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) override;
    void SetBrush(CanvasColor color, bool solid) override;
    void SetFont(const CanvasFont& font, CanvasColor color) override;
    void Line(CanvasPoint a, CanvasPoint b) override;
    void Ellipse(CanvasPoint topLeft, CanvasPoint bottomRight) override;
    void Arc(CanvasPoint topLeft, CanvasPoint bottomRight, CanvasPoint start,
             CanvasPoint end) override;
    void Polygon(const CanvasPoint* points, int count) override;
    void Text(CanvasPoint topLeft, const std::string& utf8) override;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    CanvasColor Pixel(int32_t x, int32_t y) const;
    // Pixels that differ from the background.
    std::size_t CountInk() const;
    // Binary PPM, for looking at a failed test's picture.
    bool SavePpm(const std::string& path) const;

  private:
    void Plot(int32_t x, int32_t y, CanvasColor c);
    void PenDot(int32_t x, int32_t y, long step);
    void EllipsePoints(CanvasPoint tl, CanvasPoint br, double from, double sweep);

    int32_t width_, height_;
    CanvasColor background_;
    std::vector<uint8_t> rgb_;
    CanvasColor pen_{}, brush_{}, font_{};
    int32_t penWidth_ = 1;
    PenStyle style_ = PenStyle::Solid;
    PenMode mode_ = PenMode::Copy;
    bool solid_ = false;
    CanvasFont fontSpec_;
};

} // namespace vak1
