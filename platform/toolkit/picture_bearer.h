#pragma once

// What canvases and picture buttons share: a picture per slot, kept exactly as the bytes
// that were given, decoded for display.

#include <QImage>
#include <QString>
#include <array>
#include <initializer_list>

#include "platform/runtime/bytes.h"
#include "platform/toolkit/window.h"

namespace platform::toolkit {

class PictureBearer {
 public:
  virtual ~PictureBearer() = default;

  // Slots the control does not have ignore writes and read empty.
  void SetPicture(PictureSlot slot, const Bytes& bytes);
  Bytes Picture(PictureSlot slot) const;

  // Loads a picture file of the resources; a file beside it named with "@2x" before the
  // extension is drawn instead on high-density screens.
  void LoadPictureFile(PictureSlot slot, const QString& path);

 protected:
  explicit PictureBearer(std::initializer_list<PictureSlot> usedSlots);

  // The picture to draw, or the fallback slot's when this one holds none; null when neither
  // holds a drawable picture.
  QImage ImageFor(PictureSlot slot, PictureSlot fallback, qreal devicePixelRatio) const;

  virtual void PicturesChanged() = 0;

 private:
  struct Slot {
    bool used = false;
    Bytes bytes;
    QImage image;
    QImage highDensityImage;
  };
  QImage ImageOf(const Slot& slot, qreal devicePixelRatio) const;

  static constexpr int kSlotCount = 5;
  std::array<Slot, kSlotCount> slots_;
};

}  // namespace platform::toolkit
