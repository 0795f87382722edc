#pragma once

// Controls that hold other controls. Children are placed from the container's top-left
// corner (caption and frame included) and clipped by it.

#include <QGroupBox>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace platform::toolkit {

// A rectangle filled with its fill colour; without one, the window shows through.
class ShapeBox : public QWidget {
 public:
  explicit ShapeBox(QWidget* parent) : QWidget(parent) {}

  std::uint32_t FillColour() const;
  void SetFillColour(std::uint32_t colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<std::uint32_t> fill_;
};

// A captioned frame; its background colour fills it whole, and its caption and labels switch
// to a legible text colour on dark backgrounds.
class GroupBox : public QGroupBox {
 public:
  explicit GroupBox(QWidget* parent) : QGroupBox(parent) {}

  std::uint32_t BackgroundColour() const;
  void SetBackgroundColour(std::uint32_t colour);
};

}  // namespace platform::toolkit
