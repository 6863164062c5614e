// The graphics window: the main window's drawing surface. It paints the display list, and
// turns keys and mouse into zoom and pan of the view.
#pragma once
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "graphics/GraphicsWindow.h"
#include "gui/QtCanvas.h"

class QPainter;

namespace vak1 {

struct App;

class TFquorgra : public QWidget {
  public:
    explicit TFquorgra(App& app, QWidget* parent = nullptr);

    // The list or the view changed: replay it at the next paint.
    void Refresh();
    // The replayed picture as it is shown (without the rubber band).
    const QImage& Picture();
    QSize sizeHint() const override;
    // Told the world point under the pointer whenever it moves over the window.
    std::function<void(long double x, long double y)> cursorMoved;
    // A left click picked position k of the contour (0: a click beside every position).
    std::function<void(uint16_t k)> positionPicked;
    // The picked position k was dragged and let go at the world point (y, z).
    std::function<void(uint16_t k, long double y, long double z)> positionDragged;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void Render();
    void ViewChanged();
    void Pick(uint16_t k);
    void PaintPicked(QPainter& painter);

    App& app_;
    QImage picture_;
    bool stale_ = true;
    QtTextCache texts_;    // the texts' layouts, kept between repaints
    qreal textsRatio_ = 0; // the pixel ratio they were laid out for
    // The middle button drags the picture.
    bool panning_ = false;
    QPoint panFrom_;
    IntRect panStart_;
    int wheelAngle_ = 0;
    // The left button holds a picked position; it moves once the pointer has left the
    // pixels around the press, so a click never moves it.
    bool holding_ = false;
    bool moving_ = false;
    bool dragCancelled_ = false; // Escape during this press: the rest of it moves nothing
    QPoint pressedAt_, movedTo_;
};

} // namespace vak1
