#include "platform/toolkit/picture_bearer.h"

#include <QFile>
#include <QFileInfo>

#include "platform/toolkit/picture_cache.h"

namespace platform::toolkit {
namespace {

int IndexOf(PictureSlot slot) { return static_cast<int>(slot); }

Bytes ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return Bytes(data.begin(), data.end());
}

QString HighDensityPath(const QString& path) {
  const QFileInfo info(path);
  return info.path() + '/' + info.completeBaseName() + "@2x." + info.suffix();
}

}  // namespace

PictureBearer::PictureBearer(std::initializer_list<PictureSlot> usedSlots) {
  for (PictureSlot slot : usedSlots) slots_[IndexOf(slot)].used = true;
}

void PictureBearer::SetPicture(PictureSlot slot, const Bytes& bytes) {
  Slot& target = slots_[IndexOf(slot)];
  if (!target.used) return;
  target.bytes = bytes;
  target.image = DecodePicture(bytes);
  target.highDensityImage = QImage();
  PicturesChanged();
}

Bytes PictureBearer::Picture(PictureSlot slot) const { return slots_[IndexOf(slot)].bytes; }

void PictureBearer::LoadPictureFile(PictureSlot slot, const QString& path) {
  if (!slots_[IndexOf(slot)].used) return;
  SetPicture(slot, ReadResource(path));
  QImage highDensity(HighDensityPath(path));
  highDensity.setDevicePixelRatio(2.0);
  slots_[IndexOf(slot)].highDensityImage = highDensity;
}

QImage PictureBearer::ImageOf(const Slot& slot, qreal devicePixelRatio) const {
  if (devicePixelRatio > 1.0 && !slot.highDensityImage.isNull()) return slot.highDensityImage;
  return slot.image;
}

QImage PictureBearer::ImageFor(PictureSlot slot, PictureSlot fallback,
                               qreal devicePixelRatio) const {
  QImage image = ImageOf(slots_[IndexOf(slot)], devicePixelRatio);
  if (image.isNull()) image = ImageOf(slots_[IndexOf(fallback)], devicePixelRatio);
  return image;
}

}  // namespace platform::toolkit
