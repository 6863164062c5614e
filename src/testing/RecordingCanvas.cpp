// Text lines for each canvas call.
#include "testing/RecordingCanvas.h"

namespace vak1 {
namespace {

std::string Pt(CanvasPoint p) {
    return std::to_string(p.x) + " " + std::to_string(p.y);
}
std::string Col(CanvasColor c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}
const char* StyleName(PenStyle s) {
    switch (s) {
    case PenStyle::Dot:
        return "dot";
    case PenStyle::DashDot:
        return "dashdot";
    case PenStyle::Dash:
        return "dash";
    default:
        return "solid";
    }
}

} // namespace

void RecordingCanvas::SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) {
    calls.push_back("pen " + Col(color) + " " + std::to_string(width) + " " + StyleName(style) +
                    (mode == PenMode::Copy ? " copy" : " not"));
}

void RecordingCanvas::SetBrush(CanvasColor color, bool solid) {
    calls.push_back("brush " + Col(color) + (solid ? " solid" : " clear"));
}

void RecordingCanvas::SetFont(const CanvasFont& f, CanvasColor color) {
    calls.push_back("font " + f.face + " " + std::to_string(f.height) + " " +
                    std::to_string(f.width) + " " + std::to_string(f.escapement) + " " +
                    std::to_string(f.weight) + " " + Col(color));
}

void RecordingCanvas::Line(CanvasPoint a, CanvasPoint b) {
    calls.push_back("line " + Pt(a) + " " + Pt(b));
}

void RecordingCanvas::Ellipse(CanvasPoint tl, CanvasPoint br) {
    calls.push_back("ellipse " + Pt(tl) + " " + Pt(br));
}

void RecordingCanvas::Arc(CanvasPoint tl, CanvasPoint br, CanvasPoint s, CanvasPoint e) {
    calls.push_back("arc " + Pt(tl) + " " + Pt(br) + " " + Pt(s) + " " + Pt(e));
}

void RecordingCanvas::Polygon(const CanvasPoint* points, int count) {
    std::string line = "polygon";
    for (int i = 0; i < count; ++i) {
        line += ' ';
        line += Pt(points[i]);
    }
    calls.push_back(line);
}

void RecordingCanvas::Text(CanvasPoint tl, const std::string& utf8) {
    calls.push_back("text " + Pt(tl) + " " + utf8);
}

void RecordingCanvas::Pause(int32_t ms) {
    calls.push_back("pause " + std::to_string(ms));
}

std::vector<std::string> RecordingCanvas::Shapes() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind("pen", 0) != 0 && c.rfind("brush", 0) != 0 && c.rfind("font", 0) != 0 &&
            c.rfind("pause", 0) != 0)
            out.push_back(c);
    return out;
}

} // namespace vak1
