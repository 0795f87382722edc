// Loading a picture only to measure it: the format is told from the bytes, the size is checked
// against the limits before anything is decoded, and the picture is decoded once so that a
// file whose header is fine but whose pixels are broken is refused. No pixels are kept; the
// toolkit remembers each picture number's width and height.

#include "platform/toolkit/picture_loader.h"

#include <QImage>
#include <QSize>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <span>

#include "platform/pictures/header_claims.h"
#include "platform/pictures/picture_format.h"
#include "platform/pictures/picture_limits.h"
#include "platform/pictures/picture_reader.h"
#include "platform/pictures/quiet_image_warnings.h"
#include "platform/toolkit/pcx_reader.h"
#include "platform/toolkit/window.h"

namespace platform {
namespace {

using pictures::PictureFormat;

// The formats a picture may come in; anything else is refused, even where a reader exists for
// it.
constexpr std::array kLoadableFormats{
    PictureFormat::Png,  PictureFormat::Jpeg,   PictureFormat::Gif, PictureFormat::Bmp,
    PictureFormat::Icon, PictureFormat::Cursor, PictureFormat::Pcx,
};

bool Loadable(PictureFormat format) {
  return std::find(kLoadableFormats.begin(), kLoadableFormats.end(), format) !=
         kLoadableFormats.end();
}

std::optional<QSize> MeasureWithReader(const Bytes& bytes, PictureFormat format) {
  if (!pictures::HeaderClaimsFit(bytes, format)) return std::nullopt;
  pictures::QuietImageWarnings quiet;
  pictures::PictureReader reader(bytes, format);
  const QImage picture = reader.Read();
  if (picture.isNull()) return std::nullopt;
  return picture.size();
}

std::optional<QSize> MeasurePcx(const Bytes& bytes) {
  const std::optional<PcxHeader> header = ReadPcxHeader(bytes);
  if (!header || !pictures::PictureFitsLimits(header->width, header->height) ||
      !PcxPixelDataComplete(bytes, *header)) {
    return std::nullopt;
  }
  return QSize(header->width, header->height);
}

std::optional<QSize> Measure(const Bytes& bytes) {
  const std::optional<PictureFormat> format = pictures::DetectPictureFormat(bytes);
  if (!format || !Loadable(*format)) return std::nullopt;
  if (*format == PictureFormat::Pcx) return MeasurePcx(bytes);
  return MeasureWithReader(bytes, *format);
}

// The sizes of the most recent pictures, in a ring indexed by picture number. Numbers keep
// increasing, so a slot that has been reused no longer answers for its old number.
class PictureSizes {
 public:
  int Add(QSize size) {
    last_ = last_ == INT_MAX ? 1 : last_ + 1;
    slots_[Slot(last_)] = {last_, size};
    return last_;
  }

  QSize Find(int picture) const {
    if (picture <= 0 || slots_[Slot(picture)].picture != picture) return QSize(0, 0);
    return slots_[Slot(picture)].size;
  }

  int Count() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const Entry& entry) { return entry.picture > 0; }));
  }

 private:
  struct Entry {
    int picture = 0;
    QSize size;
  };
  static std::size_t Slot(int picture) {
    return static_cast<std::size_t>(picture) % kRememberedPictures;
  }

  std::array<Entry, kRememberedPictures> slots_{};
  int last_ = 0;
};

// Pictures are loaded on the toolkit's thread only.
PictureSizes& Sizes() {
  static PictureSizes sizes;
  return sizes;
}

}  // namespace

int LoadPicture(const Bytes& bytes) {
  const std::optional<QSize> size = Measure(bytes);
  return size ? Sizes().Add(*size) : 0;
}

int PictureWidth(int picture) { return Sizes().Find(picture).width(); }

int PictureHeight(int picture) { return Sizes().Find(picture).height(); }

int RememberedPictureCount() { return Sizes().Count(); }

}  // namespace platform
