#pragma once

// Buttons drawn from pictures. They draw nothing but their pictures (and the super button its
// caption), so they are transparent wherever the pictures are. Neither takes the focus on a
// click: pressing one leaves the focus, and the edit box that holds it, alone.

#include <QAbstractButton>
#include <initializer_list>

#include "platform/toolkit/picture_bearer.h"

namespace platform::toolkit {

class PicturedButton : public QAbstractButton, public PictureBearer {
 protected:
  PicturedButton(QWidget* parent, std::initializer_list<PictureSlot> usedSlots);

  // The picture for the button's present look; the normal one when that look has none.
  QImage CurrentImage() const;

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void PicturesChanged() override;

 private:
  bool hovered_ = false;
};

// Its look is its normal, lit (mouse over it) or pressed picture.
class PictureButton : public PicturedButton {
 public:
  explicit PictureButton(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A caption over its normal, lit or disabled picture. Pressed, picture and caption move one
// pixel down and to the right.
class SuperButton : public PicturedButton {
 public:
  explicit SuperButton(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform::toolkit
