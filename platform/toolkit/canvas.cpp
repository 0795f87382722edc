#include "platform/toolkit/canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace platform::toolkit {

Canvas::Canvas(QWidget* parent, EventSink raise)
    : QWidget(parent), PictureBearer({PictureSlot::Background}), raise_(std::move(raise)) {}

void Canvas::ClearArea(int x, int y, int width, int height) {
  // The area may lie anywhere, far outside the canvas; edges are computed wide so that no
  // value of the material boxes overflows, and only what falls inside is repainted.
  const qint64 left = std::min<qint64>(x, qint64{x} + width);
  const qint64 top = std::min<qint64>(y, qint64{y} + height);
  const qint64 right = std::min<qint64>(std::max<qint64>(x, qint64{x} + width), this->width());
  const qint64 bottom =
      std::min<qint64>(std::max<qint64>(y, qint64{y} + height), this->height());
  const qint64 clippedLeft = std::max<qint64>(left, 0);
  const qint64 clippedTop = std::max<qint64>(top, 0);
  if (right <= clippedLeft || bottom <= clippedTop) return;
  update(QRect(static_cast<int>(clippedLeft), static_cast<int>(clippedTop),
               static_cast<int>(right - clippedLeft), static_cast<int>(bottom - clippedTop)));
}

void Canvas::BeginDrag() {
  if (!leftButtonDown_) return;
  dragging_ = true;
  grabMouse();
}

void Canvas::paintEvent(QPaintEvent*) {
  const QImage image =
      ImageFor(PictureSlot::Background, PictureSlot::Background, devicePixelRatioF());
  if (image.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  leftButtonDown_ = true;
  grabOffset_ = event->position().toPoint();
  raise_(ControlEvent::LeftButtonDown);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !parentWidget()) return QWidget::mouseMoveEvent(event);
  const QRect area = parentWidget()->rect();
  if (area.isEmpty()) return;
  QPoint mouse = mapToParent(event->position().toPoint());
  mouse.setX(std::clamp(mouse.x(), area.left(), area.right()));
  mouse.setY(std::clamp(mouse.y(), area.top(), area.bottom()));
  move(mouse - grabOffset_);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  leftButtonDown_ = false;
  if (dragging_) {
    dragging_ = false;
    releaseMouse();
  }
}

void Canvas::PicturesChanged() { update(); }

}  // namespace platform::toolkit
