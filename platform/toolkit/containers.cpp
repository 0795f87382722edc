#include "platform/toolkit/containers.h"

#include <QPainter>
#include <QPalette>

#include "platform/toolkit/colours.h"

namespace platform::toolkit {

std::uint32_t ShapeBox::FillColour() const {
  return fill_ ? *fill_ : FromQColor(palette().color(QPalette::Window));
}

void ShapeBox::SetFillColour(std::uint32_t colour) {
  fill_ = colour & 0xFFFFFF;
  update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
  if (!fill_) return;
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(*fill_));
}

std::uint32_t GroupBox::BackgroundColour() const {
  return FromQColor(palette().color(QPalette::Window));
}

void GroupBox::SetBackgroundColour(std::uint32_t colour) {
  const QColor background = ToQColor(colour);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, ContrastingText(background));
  setPalette(colours);
  setAutoFillBackground(true);
}

}  // namespace platform::toolkit
