#pragma once

// A drawing area showing its background picture; where the picture is transparent, whatever
// lies beneath shows through. The user can move it inside its parent with the mouse.

#include <QPoint>
#include <QWidget>

#include "platform/toolkit/event_sink.h"
#include "platform/toolkit/picture_bearer.h"

namespace platform::toolkit {

class Canvas : public QWidget, public PictureBearer {
 public:
  Canvas(QWidget* parent, EventSink raise);

  // Repaints the area from the background picture.
  void ClearArea(int x, int y, int width, int height);

  // While the left button that was pressed on the canvas stays down, the canvas follows the
  // mouse, which is held inside the parent; does nothing when the button is not down.
  void BeginDrag();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void PicturesChanged() override;

 private:
  EventSink raise_;
  bool leftButtonDown_ = false;
  bool dragging_ = false;
  QPoint grabOffset_;  // where the canvas was taken hold of, in its own coordinates
};

}  // namespace platform::toolkit
