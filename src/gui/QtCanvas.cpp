// Pens, brushes and fonts of the replay mapped onto QPainter; fonts are sized by their cell
// height and average character width as the drawing records give them.
#include "gui/QtCanvas.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/angles.h"

namespace vak1 {
namespace {

QColor ToQt(CanvasColor c) {
    return QColor(c.r, c.g, c.b);
}
// Qt computes sizes and offsets of its points in int: far-off points are clamped first.
QPoint ToQt(CanvasPoint p) {
    p = ClampToCanvas(p);
    return QPoint(p.x, p.y);
}

QRect Box(CanvasPoint a, CanvasPoint b) {
    a = ClampToCanvas(a);
    b = ClampToCanvas(b);
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
}

Qt::PenStyle ToQt(PenStyle s) {
    switch (s) {
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

// Angle of p seen from the centre c, counter-clockwise on screen, in degrees.
double ScreenAngle(QPointF c, CanvasPoint p) {
    return std::atan2(c.y() - p.y, p.x - c.x()) * static_cast<double>(kDegPerRad);
}

} // namespace

void QtTextCache::Clear() {
    fonts_.clear();
    textCount_ = 0;
}

QtCanvas::QtCanvas(QPainter& painter, QtTextCache* cache) : painter_(painter), cache_(cache) {
    // Every zoom step asks for fonts of other sizes: the cache starts afresh now and then,
    // before a repaint, while no font of it is in use.
    constexpr std::size_t kMostFonts = 64;
    if (cache_ && cache_->fonts_.size() > kMostFonts) cache_->Clear();
    pen_ = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    brush_ = QBrush(Qt::NoBrush);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    ApplyPen();
}

void QtCanvas::ApplyPen() {
    textPen_ = false;
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
    // The inverting pen mode needs a raster target; elsewhere it draws as a copy.
    const bool invert = mode_ == PenMode::Not && painter_.paintEngine() &&
                        painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter_.setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                       : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::SetPen(CanvasColor color, int32_t width, PenStyle style, PenMode mode) {
    pen_.setColor(ToQt(color));
    // A one-pixel pen is the cosmetic pen: the same line, drawn on the fast path.
    pen_.setWidth(width <= 1 ? 0 : width);
    pen_.setStyle(ToQt(style));
    mode_ = mode;
    ApplyPen();
}

void QtCanvas::SetBrush(CanvasColor color, bool solid) {
    if (solid ? brush_.style() == Qt::SolidPattern && brush_.color() == ToQt(color)
              : brush_.style() == Qt::NoBrush)
        return;
    brush_ = solid ? QBrush(ToQt(color)) : QBrush(Qt::NoBrush);
    painter_.setBrush(brush_);
}

static bool SameFont(const CanvasFont& a, const CanvasFont& b) {
    return a.face == b.face && a.height == b.height && a.width == b.width && a.weight == b.weight &&
           a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut;
}

void QtCanvas::SetFont(const CanvasFont& font, CanvasColor color) {
    fontColor_ = ToQt(color);
    escapement_ = font.escapement;
    fontUsable_ = font.height > 0;
    if (!fontUsable_ || (haveFont_ && SameFont(font, lastRequest_))) return;
    lastRequest_ = font;
    haveFont_ = true;
    if (cache_) {
        std::vector<QtTextCache::Font>& fonts = cache_->fonts_;
        const auto kept = std::find_if(fonts.begin(), fonts.end(),
                                       [&](const auto& f) { return SameFont(f.request, font); });
        if (kept != fonts.end()) {
            cachedFont_ = static_cast<int>(kept - fonts.begin());
            font_ = kept->font;
            ascent_ = kept->ascent;
            return;
        }
    }
    MakeFont(font);
    if (cache_) {
        cachedFont_ = static_cast<int>(cache_->fonts_.size());
        cache_->fonts_.push_back(QtTextCache::Font{font, font_, ascent_, {}});
    }
}

void QtCanvas::MakeFont(const CanvasFont& font) {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(font.height);
    // The height names the whole character cell: scale the size until the cell fits it.
    const double cell = QFontMetricsF(f).height();
    if (cell > 0)
        f.setPixelSize(
            std::max(1, static_cast<int>(std::lround(font.height * font.height / cell))));
    f.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    if (font.width > 0) {
        const double natural = QFontMetricsF(f).averageCharWidth();
        if (natural > 0)
            f.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * font.width / natural)), 1, 4000));
    }
    font_ = f;
    ascent_ = QFontMetricsF(f).ascent();
}

void QtCanvas::Line(CanvasPoint a, CanvasPoint b) {
    RestorePen();
    painter_.drawLine(ToQt(a), ToQt(b));
}

void QtCanvas::Lines(const CanvasPoint* ends, int count) {
    RestorePen();
    lines_.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = QLine(ToQt(ends[2 * i]), ToQt(ends[2 * i + 1]));
    painter_.drawLines(lines_.data(), count);
}

void QtCanvas::Ellipse(CanvasPoint topLeft, CanvasPoint bottomRight) {
    RestorePen();
    painter_.drawEllipse(Box(topLeft, bottomRight));
}

void QtCanvas::Arc(CanvasPoint topLeft, CanvasPoint bottomRight, CanvasPoint start,
                   CanvasPoint end) {
    RestorePen();
    const QRect box = Box(topLeft, bottomRight);
    const QPointF c = QRectF(box).center();
    const double a0 = ScreenAngle(c, start);
    double span = ScreenAngle(c, end) - a0;
    while (span <= 0)
        span += 360; // equal rays make the full ellipse
    painter_.drawArc(box, static_cast<int>(std::lround(a0 * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::Polygon(const CanvasPoint* points, int count) {
    RestorePen();
    points_.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < points_.size(); ++i)
        points_[i] = ToQt(points[i]);
    painter_.drawPolygon(points_.data(), count);
}

void QtCanvas::Text(CanvasPoint topLeft, const std::string& utf8) {
    if (!fontUsable_) return;
    // Underline and strike-out are drawn with the text's own layout only.
    if (cache_ && !font_.underline() && !font_.strikeOut()) {
        CachedText(topLeft, utf8);
        return;
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setFont(font_);
    painter_.setPen(fontColor_);
    painter_.translate(topLeft.x, topLeft.y);
    if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
    painter_.drawText(QPointF(0, ascent_), QString::fromStdString(utf8));
    painter_.restore();
}

// The same pixels as the text laid out anew: the kept layout is the one Qt makes for it, at
// the same position. An unturned text needs no saved painter state: only the pen is changed,
// and it goes back before the next line or shape.
void QtCanvas::CachedText(CanvasPoint topLeft, const std::string& utf8) {
    constexpr std::size_t kMostTexts = 20000; // then the cache starts afresh
    if (cache_->textCount_ >= kMostTexts) {
        for (QtTextCache::Font& f : cache_->fonts_)
            f.texts.clear();
        cache_->textCount_ = 0;
    }
    auto& texts = cache_->fonts_[static_cast<std::size_t>(cachedFont_)].texts[escapement_];
    auto it = texts.find(utf8);
    const bool turned = escapement_ != 0;
    if (turned) {
        painter_.save();
        painter_.translate(topLeft.x, topLeft.y);
        painter_.rotate(-escapement_ / 10.0);
    }
    if (it == texts.end()) {
        QStaticText text(QString::fromStdString(utf8));
        text.setTextFormat(Qt::PlainText);
        text.prepare(painter_.transform(), font_);
        it = texts.emplace(utf8, std::move(text)).first;
        ++cache_->textCount_;
    }
    if (turned || !textPen_) {
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setPen(fontColor_);
        textPen_ = !turned; // a turned text's pen goes with the restored state
    } else if (painter_.pen().color() != fontColor_) {
        painter_.setPen(fontColor_);
    }
    // The kept layout is drawn in the painter's font.
    if (turned || painterFont_ != cachedFont_) {
        painter_.setFont(font_);
        if (!turned) painterFont_ = cachedFont_;
    }
    painter_.drawStaticText(turned ? QPointF(0, 0) : QPointF(topLeft.x, topLeft.y), it->second);
    if (turned) painter_.restore();
}

void QtCanvas::Pause(int32_t ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace vak1
