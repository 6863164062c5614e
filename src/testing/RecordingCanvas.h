// A canvas that writes every call as one line of text, for tests of the replay.
#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vak1 {

class RecordingCanvas : public Canvas {
  public:
    void SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) override;
    void SetBrush(CanvasColor color, bool solid) override;
    void SetFont(const CanvasFont& font, CanvasColor color) override;
    void Line(CanvasPoint a, CanvasPoint b) override;
    void Ellipse(CanvasPoint topLeft, CanvasPoint bottomRight) override;
    void Arc(CanvasPoint topLeft, CanvasPoint bottomRight, CanvasPoint start,
             CanvasPoint end) override;
    void Polygon(const CanvasPoint* points, int count) override;
    void Text(CanvasPoint topLeft, const std::string& utf8) override;
    void Pause(int32_t ms) override;

    // "line 1 2 3 4", "pen 255,0,0 1 solid copy", "text 5 6 Hallo", ...
    std::vector<std::string> calls;
    // The calls that paint (line, ellipse, arc, polygon, text).
    std::vector<std::string> Shapes() const;
};

} // namespace vak1
