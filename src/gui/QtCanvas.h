// The replay target on a QPainter: the graphics window's picture, or a printer page.
#pragma once
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLine>
#include <QPen>
#include <QStaticText>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Canvas.h"

class QPainter;

namespace vak1 {

// Fonts and texts of a window, laid out once and kept from one repaint to the next: a repaint
// draws the glyphs again without measuring fonts or shaping texts.
class QtTextCache {
  public:
    // Everything goes, e.g. when the screen's pixel ratio changes.
    void Clear();

  private:
    friend class QtCanvas;
    struct Font {
        CanvasFont request;
        QFont font;
        double ascent = 0;
        // The texts drawn in it, per angle (tenths of a degree).
        std::unordered_map<int32_t, std::unordered_map<std::string, QStaticText>> texts;
    };
    std::vector<Font> fonts_;
    std::size_t textCount_ = 0;
};

class QtCanvas : public Canvas {
  public:
    // With a cache, texts are drawn from their kept layout (the screen); without, each is laid
    // out where it is drawn (the printer).
    explicit QtCanvas(QPainter& painter, QtTextCache* cache = nullptr);

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
    // Before a line or a shape: the pen and mode a text left on the painter give way.
    void RestorePen() {
        if (textPen_) ApplyPen();
    }
    void MakeFont(const CanvasFont& font);
    void CachedText(CanvasPoint topLeft, const std::string& utf8);

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
    std::vector<QPoint> points_;
    QtTextCache* cache_;
    int cachedFont_ = -1;  // font_ in the cache
    int painterFont_ = -1; // the cached font the painter has
    bool textPen_ = false; // the painter has the text's colour as its pen
};

} // namespace vak1
