// Painting and view keys of the graphics window. The replayed picture is kept, so that the
// rubber band can be drawn over it without replaying the whole list on every mouse move.
#include "gui/GraphicsWidget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "app/App.h"
#include "graphics/draw.h"
#include "graphics/palette.h"
#include "graphics/replay.h"
#include "graphics/mapping.h"
#include "graphics/zoom.h"
#include "gui/QtCanvas.h"
#include "gui/fontmap.h"
#include "app/contour.h"

namespace vak1 {
namespace {

constexpr int kRepaintPollMs = 40;
// How near a click must come to a position to pick it, and how far the pointer must go from
// the press before a picked position moves: in pixels of the window.
constexpr int kPickRadius = 6;
constexpr int kMoveThreshold = 3;

ViewKey KeyOf(const QKeyEvent& e) {
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    switch (e.key()) {
    case Qt::Key_Escape:
        return ViewKey::Escape;
    case Qt::Key_F5:
        return ViewKey::F5;
    case Qt::Key_Up:
        return ViewKey::Up;
    case Qt::Key_Down:
        return ViewKey::Down;
    case Qt::Key_Left:
        return ViewKey::Left;
    case Qt::Key_Right:
        return ViewKey::Right;
    case Qt::Key_PageUp:
        return ViewKey::PageUp;
    case Qt::Key_PageDown:
        return ViewKey::PageDown;
    // Plus and minus zoom from the main keyboard as from the numeric pad; Ctrl+0 shows
    // everything, as Escape does.
    case Qt::Key_Plus:
        return ViewKey::Plus;
    case Qt::Key_Minus:
        return ViewKey::Minus;
    case Qt::Key_0:
        return (e.modifiers() & Qt::ControlModifier) && !keypad ? ViewKey::Escape : ViewKey::Other;
    default:
        return ViewKey::Other;
    }
}

QColor Background(const Settings& s) {
    const CanvasColor c = PaletteColor(s.BackgroundColor);
    return QColor(c.r, c.g, c.b);
}

} // namespace

TFquorgra::TFquorgra(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("TFquorgra");
    InstallFontSubstitutions();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Commands draw while their dialogs are open; the window follows without waiting for
    // the command to end.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [this] {
        if (app_.Graphics.RepaintRequested) Refresh();
    });
    watch->start(kRepaintPollMs);
}

QSize TFquorgra::sizeHint() const {
    return QSize(app_.Graphics.GraphWidth + 1, app_.Graphics.GraphHeight + 1);
}

void TFquorgra::Refresh() {
    stale_ = true;
    app_.Graphics.RepaintRequested = false;
    update();
}

void TFquorgra::ViewChanged() {
    Refresh();
}

void TFquorgra::Render() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    // The client area is one pixel more than the drawing area; a size not fixed by the
    // settings follows the window, and the picture is fitted into it.
    GraphicsWindow& g = app_.Graphics;
    ResizeReference(g, g.FixedWidth ? g.GraphWidth : std::max(1, size.width() - 1),
                    g.FixedHeight ? g.GraphHeight : std::max(1, size.height() - 1));
    // The picture has the screen's own pixels; the replay draws in the window's units.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (picture_.size() != pixels) picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Background(app_.Config));
    const bool busy = app_.Graphics.DisplayList.size() > 10000;
    if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter painter(&picture_);
    // Smooth edges; whole pixel coordinates fall on pixel centres, so straight lines across
    // and up stay sharp.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(0.5, 0.5);
    if (ratio != textsRatio_) {
        texts_.Clear();
        textsRatio_ = ratio;
    }
    QtCanvas canvas(painter, &texts_);
    Replay(app_.Graphics, app_.Config, canvas, app_.State.AbortFlag);
    painter.end();
    if (busy) QGuiApplication::restoreOverrideCursor();
    stale_ = false;
}

const QImage& TFquorgra::Picture() {
    if (stale_ || picture_.deviceIndependentSize().toSize() != size()) Render();
    return picture_;
}

void TFquorgra::paintEvent(QPaintEvent*) {
    const QImage& picture = Picture();
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
    PaintPicked(painter);
    const GraphicsWindow& g = app_.Graphics;
    if (!g.DragActive) return;
    // The rubber band inverts what lies under it, so it shows on every background.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(g.DragX0, g.DragY0), QPoint(g.DragX1, g.DragY1)).normalized());
}

// The picked position is framed, and while it is dragged its two edges follow the pointer;
// inverted, as the rubber band is, so they show on every background.
void TFquorgra::PaintPicked(QPainter& painter) {
    const uint16_t k = app_.State.PickedPosition;
    const ProjectData& p = app_.Project;
    if (k < 1 || k > p.PosCount() || !DrawingShowsContour(app_)) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    auto pixel = [&](uint16_t i) { // position number i, counted from 1
        const TPosition& q = p.Positions[i - 1u];
        const CanvasPoint c = WorldToPixel(app_.Graphics, q.y, q.z);
        return QPoint(c.x, c.y);
    };
    QPoint at = pixel(k);
    if (moving_) {
        at = movedTo_;
        if (p.PosCount() > 1) {
            painter.drawLine(pixel(k > 1 ? k - 1 : p.PosCount()), at);
            painter.drawLine(at, pixel(k < p.PosCount() ? k + 1 : 1));
        }
    }
    painter.drawRect(QRect(at - QPoint(kPickRadius, kPickRadius), QSize(1, 1) * 2 * kPickRadius));
    painter.restore();
}

void TFquorgra::Pick(uint16_t k) {
    // A zoom box begun beside the contour leaves the status bar alone while nothing is picked.
    if (k == 0 && app_.State.PickedPosition == 0) return;
    app_.State.PickedPosition = k;
    update();
    if (positionPicked) positionPicked(k);
}

void TFquorgra::resizeEvent(QResizeEvent* event) {
    stale_ = true;
    QWidget::resizeEvent(event);
}

void TFquorgra::keyPressEvent(QKeyEvent* event) {
    // Escape takes a drag back: the position stays where it was when the button is let go.
    if (moving_ && event->key() == Qt::Key_Escape) {
        moving_ = false;
        dragCancelled_ = true;
        unsetCursor();
        update();
        return;
    }
    if (ZoomKey(app_.Graphics, KeyOf(*event)))
        ViewChanged();
    else
        QWidget::keyPressEvent(event);
}

void TFquorgra::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        app_.Graphics.ResetArmed = false;
        panning_ = true;
        panFrom_ = event->position().toPoint();
        panStart_ = app_.Graphics.ZoomRect;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const MouseButton button = event->button() == Qt::RightButton  ? MouseButton::Right
                               : event->button() == Qt::LeftButton ? MouseButton::Left
                                                                   : MouseButton::Middle;
    const QPoint p = event->position().toPoint();
    // A left click on the contour picks; the armed reset of a double click goes first.
    if (event->button() == Qt::LeftButton && !app_.Graphics.ResetArmed) {
        Picture(); // the view of the picture on show
        const uint16_t k = PositionAtPixel(app_, p.x(), p.y(), kPickRadius);
        Pick(k);
        if (k != 0) {
            holding_ = true;
            moving_ = false;
            dragCancelled_ = false;
            pressedAt_ = movedTo_ = p;
            return;
        }
    }
    if (MouseDown(app_.Graphics, app_.State.AbortFlag, button, p.x(), p.y())) ViewChanged();
    if (app_.Graphics.DragActive) update();
}

void TFquorgra::mouseDoubleClickEvent(QMouseEvent*) {
    MouseDoubleClick(app_.Graphics);
}

void TFquorgra::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (panning_) {
        const QPoint d = p - panFrom_;
        PanByPixels(app_.Graphics, panStart_, d.x(), d.y());
        ViewChanged();
    }
    if (cursorMoved) {
        const WorldPoint w = PixelToWorld(app_.Graphics, p.x(), p.y());
        cursorMoved(w.x, w.y);
    }
    if (holding_) {
        if (dragCancelled_) return;
        if (!moving_ && (p - pressedAt_).manhattanLength() >= kMoveThreshold) {
            moving_ = true;
            setCursor(Qt::SizeAllCursor);
        }
        if (moving_) {
            movedTo_ = p;
            update();
        }
        return;
    }
    if (!app_.Graphics.DragActive) return;
    MouseMove(app_.Graphics, p.x(), p.y());
    update();
}

void TFquorgra::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panning_) {
        panning_ = false;
        unsetCursor();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (holding_) {
        holding_ = false;
        if (!std::exchange(moving_, false)) return;
        unsetCursor();
        update();
        const WorldPoint w = PixelToWorld(app_.Graphics, p.x(), p.y());
        if (positionDragged) positionDragged(app_.State.PickedPosition, w.x, w.y);
        return;
    }
    const bool wasDragging = app_.Graphics.DragActive;
    if (MouseUp(app_.Graphics, p.x(), p.y()))
        ViewChanged();
    else if (wasDragging)
        update();
}

void TFquorgra::wheelEvent(QWheelEvent* event) {
    // One notch of the wheel is one zoom step; finer wheels add up to whole steps.
    wheelAngle_ += event->angleDelta().y();
    const QPointF p = event->position();
    bool changed = false;
    for (; wheelAngle_ >= 120; wheelAngle_ -= 120)
        changed |= ZoomAboutPixel(app_.Graphics, p.x(), p.y(), true);
    for (; wheelAngle_ <= -120; wheelAngle_ += 120)
        changed |= ZoomAboutPixel(app_.Graphics, p.x(), p.y(), false);
    if (changed) ViewChanged();
    event->accept();
}

} // namespace vak1
