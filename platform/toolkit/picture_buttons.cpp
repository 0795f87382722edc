#include "platform/toolkit/picture_buttons.h"

#include <QPainter>

namespace platform::toolkit {

PicturedButton::PicturedButton(QWidget* parent, std::initializer_list<PictureSlot> usedSlots)
    : QAbstractButton(parent), PictureBearer(usedSlots) {
  setFocusPolicy(Qt::NoFocus);
}

QImage PicturedButton::CurrentImage() const {
  PictureSlot slot = PictureSlot::Normal;
  if (!isEnabled()) {
    slot = PictureSlot::Disabled;
  } else if (isDown()) {
    slot = PictureSlot::Pressed;
  } else if (hovered_) {
    slot = PictureSlot::Lit;
  }
  return ImageFor(slot, PictureSlot::Normal, devicePixelRatioF());
}

void PicturedButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void PicturedButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void PicturedButton::PicturesChanged() { update(); }

PictureButton::PictureButton(QWidget* parent)
    : PicturedButton(parent, {PictureSlot::Normal, PictureSlot::Lit, PictureSlot::Pressed}) {}

void PictureButton::paintEvent(QPaintEvent*) {
  const QImage image = CurrentImage();
  if (image.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image);
}

SuperButton::SuperButton(QWidget* parent)
    : PicturedButton(parent, {PictureSlot::Normal, PictureSlot::Lit, PictureSlot::Disabled}) {}

void SuperButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (isDown()) painter.translate(1, 1);

  const QImage image = CurrentImage();
  const QSize pictureSize = image.deviceIndependentSize().toSize();
  QRect captionArea = rect();
  int captionAlignment = Qt::AlignCenter;
  if (!image.isNull() && pictureSize.width() * 2 <= width()) {
    // A small picture is an icon beside the caption.
    painter.drawImage(QPoint(0, (height() - pictureSize.height()) / 2), image);
    captionArea.setLeft(pictureSize.width() + 3);
    captionAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  } else if (!image.isNull()) {
    painter.drawImage(QPoint(0, 0), image);
  }

  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(captionArea, captionAlignment | Qt::TextSingleLine, text());
}

}  // namespace platform::toolkit
