// The replay target on a QPainter: the graphics window's picture, or a printer page.
#pragma once
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLine>
#include <QPen>
#include <vector>

#include "platform/Canvas.h"

class QPainter;

namespace vak1 {

class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(QPainter& painter);

    void SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) override;
    void SetBrush(CanvasColor color, bool solid) override;
    void SetFont(const CanvasFont& font, CanvasColor color) override;
    void Line(CanvasPoint a, CanvasPoint b) override;
    void Lines(const CanvasPoint* ends, int count) override;
    void Ellipse(CanvasPoint topLeft, CanvasPoint bottomRight) override;
    void Arc(CanvasPoint topLeft, CanvasPoint bottomRight, CanvasPoint start,
             CanvasPoint end) override;
    void Polygon(const CanvasPoint* points, int count) override;
    void Text(CanvasPoint topLeft, const std::string& utf8) override;
    void Pause(int32_t ms) override;

  private:
    void ApplyPen();
    void MakeFont(const CanvasFont& font);

    QPainter& painter_;
    QPen pen_;
    PenMode mode_ = PenMode::Copy;
    QBrush brush_;
    QFont font_;
    QColor fontColor_;
    int32_t escapement_ = 0;
    bool fontUsable_ = false;
    CanvasFont lastRequest_; // the request font_ was made for; measuring a font is slow
    bool haveFont_ = false;
    double ascent_ = 0;
    std::vector<QLine> lines_; // kept between calls, so a run of lines allocates nothing
};

} // namespace vak1
