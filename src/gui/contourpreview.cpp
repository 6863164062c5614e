// The contour preview: arcs become chords of at most 5 degrees; the picture keeps the
// proportions of the contour and fills the widget.
#include "gui/contourpreview.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vak1 {
namespace {

constexpr double kMargin = 10;

// The points of the arc from a to b that turns by phi (radians, counter-clockwise positive),
// b included; a straight edge gives b alone.
void AddEdge(std::vector<QPointF>& out, QPointF a, QPointF b, double phi) {
    const double half = std::sin(phi / 2);
    const QPointF d = b - a;
    const double chord = std::hypot(d.x(), d.y());
    if (std::abs(half) < 1e-9 || chord == 0) {
        out.push_back(b);
        return;
    }
    // The centre lies left of a -> b for an arc turning counter-clockwise of less than 180
    // degrees, at chord / (2 tan(phi / 2)) from the chord's middle.
    const double offset = chord / (2 * std::tan(phi / 2));
    const QPointF left(-d.y() / chord, d.x() / chord);
    const QPointF centre = (a + b) / 2 + left * offset;
    const double r = std::abs(chord / (2 * half));
    const double start = std::atan2(a.y() - centre.y(), a.x() - centre.x());
    const int steps =
        std::max(2, static_cast<int>(std::ceil(std::abs(phi) * 36 / std::numbers::pi)));
    for (int i = 1; i < steps; ++i) {
        const double t = start + phi * i / steps;
        out.emplace_back(centre.x() + r * std::cos(t), centre.y() + r * std::sin(t));
    }
    out.push_back(b);
}

// The closed contour of the table with its arcs as chords, in mm.
std::vector<QPointF> Outline(const PositionTable& table) {
    std::vector<QPointF> points, out;
    for (const PositionRow& r : table.rows)
        points.emplace_back(static_cast<double>(r.yMm), static_cast<double>(r.zMm));
    const std::size_t n = points.size();
    if (n == 0) return out;
    out.push_back(points[0]);
    for (std::size_t k = 0; k < n; ++k) {
        // The last position joins the first by a straight edge.
        const double phi = k + 1 < n ? static_cast<double>(table.rows[k].phiRad) : 0;
        AddEdge(out, points[k], points[(k + 1) % n], phi);
    }
    return out;
}

QRectF Bounds(const std::vector<QPointF>& a, const std::vector<QPointF>& b) {
    bool first = true;
    double y0 = 0, y1 = 0, z0 = 0, z1 = 0;
    for (const auto* list : {&a, &b})
        for (const QPointF& p : *list) {
            if (first) {
                y0 = y1 = p.x();
                z0 = z1 = p.y();
                first = false;
            }
            y0 = std::min(y0, p.x());
            y1 = std::max(y1, p.x());
            z0 = std::min(z0, p.y());
            z1 = std::max(z1, p.y());
        }
    return QRectF(QPointF(y0, z0), QPointF(y1, z1));
}

} // namespace

ContourPreview::ContourPreview(const PositionTable& table, QWidget* parent) : QWidget(parent) {
    setObjectName("Preview_kontur");
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    SetTable(table);
}

void ContourPreview::SetTable(const PositionTable& table) {
    points_.clear();
    for (const PositionRow& r : table.rows)
        points_.emplace_back(static_cast<double>(r.yMm), static_cast<double>(r.zMm));
    outline_ = Outline(table);
    bounds_ = Bounds(outline_, overlay_);
    update();
}

void ContourPreview::SetOverlay(const PositionTable& table) {
    overlay_ = Outline(table);
    bounds_ = Bounds(outline_, overlay_);
    update();
}

void ContourPreview::SetMarked(int position) {
    marked_ = position;
    update();
}

QPointF ContourPreview::Map(QPointF mm) const {
    const double w = std::max(1.0, width() - 2 * kMargin);
    const double h = std::max(1.0, height() - 2 * kMargin);
    // A contour without extent in one direction is scaled by the other alone.
    const double sy = bounds_.width() > 0 ? w / bounds_.width() : 1e300;
    const double sz = bounds_.height() > 0 ? h / bounds_.height() : 1e300;
    double scale = std::min(sy, sz);
    if (scale >= 1e300) scale = 1;
    const QPointF middle(width() / 2.0, height() / 2.0);
    return {middle.x() + (mm.x() - bounds_.center().x()) * scale,
            middle.y() - (mm.y() - bounds_.center().y()) * scale};
}

QPointF ContourPreview::PlaceOf(int position) const {
    if (position < 1 || position > static_cast<int>(points_.size())) return {};
    return Map(points_[static_cast<std::size_t>(position - 1)]);
}

void ContourPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().mid().color(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (overlay_.size() > 1) {
        QPainterPath over(Map(overlay_[0]));
        for (std::size_t i = 1; i < overlay_.size(); ++i)
            over.lineTo(Map(overlay_[i]));
        painter.setPen(QPen(OverlayColor(), 2));
        painter.drawPath(over);
    }
    if (outline_.empty()) return;
    QPainterPath path(Map(outline_[0]));
    for (std::size_t i = 1; i < outline_.size(); ++i)
        path.lineTo(Map(outline_[i]));
    painter.setPen(QPen(palette().text().color(), 1.5));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().text());
    for (std::size_t k = 1; k <= points_.size(); ++k)
        painter.drawEllipse(PlaceOf(static_cast<int>(k)), 2, 2);
    if (marked_ >= 1 && marked_ <= static_cast<int>(points_.size())) {
        painter.setBrush(MarkColor());
        painter.drawEllipse(PlaceOf(marked_), 5, 5);
    }
}

} // namespace vak1
