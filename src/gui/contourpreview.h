// A small picture of the contour beside the position list: the positions joined by their
// edges and arcs, z upwards, with one position marked.
#pragma once
#include <QColor>
#include <QPointF>
#include <QWidget>

#include "platform/positiontable.h"

namespace vak1 {

class ContourPreview : public QWidget {
  public:
    static QColor MarkColor() { return {220, 0, 0}; }
    static QColor OverlayColor() { return {0, 120, 220}; }

    explicit ContourPreview(const PositionTable& table, QWidget* parent = nullptr);
    void SetTable(const PositionTable& table);
    // A second contour drawn over the first (a transformed one); an empty table removes it.
    void SetOverlay(const PositionTable& table);
    // 1-based; 0 marks none.
    void SetMarked(int position);
    int Marked() const { return marked_; }
    // Where position k (1-based) is drawn, in the widget's coordinates.
    QPointF PlaceOf(int position) const;
    QSize sizeHint() const override { return {220, 180}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QPointF> points_;  // positions in mm, z upwards
    std::vector<QPointF> outline_; // the closed contour with its arcs as chords, in mm
    std::vector<QPointF> overlay_; // the second contour, in mm
    QRectF bounds_;
    int marked_ = 0;
    QPointF Map(QPointF mm) const;
};

} // namespace vak1
