#pragma once

// A drop-down of colour swatches: the standard colours, the current colour when it is none of
// them, and a last entry that opens the colour dialog. Only a pick by the user is reported;
// a colour set by the program is not.

#include <QComboBox>
#include <cstdint>

#include "platform/toolkit/event_sink.h"

namespace platform::toolkit {

class ColourPicker : public QComboBox {
 public:
  ColourPicker(QWidget* parent, EventSink raise);

  std::uint32_t Colour() const { return colour_; }
  void SetColour(std::uint32_t colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void OnActivated(int index);
  int CustomEntryIndex() const { return count() - 1; }

  EventSink raise_;
  std::uint32_t colour_ = 0;
};

}  // namespace platform::toolkit
