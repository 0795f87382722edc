// Loading a picture only to measure it: the format is told from the bytes, the size is checked
// against the limits before anything is decoded, and the picture is decoded once so that a
// file whose header is fine but whose pixels are broken is refused. No pixels are kept; the
// toolkit remembers each picture number's width and height.

#include "platform/toolkit/picture_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPixelFormat>
#include <QSize>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <span>
#include <string_view>

#include "platform/toolkit/pcx_reader.h"
#include "platform/toolkit/window.h"

namespace platform {
namespace {

using namespace std::string_view_literals;

enum class Kind { Png, Jpeg, Gif, Bmp, Icon, Pcx };

struct Signature {
  std::string_view magic;
  Kind kind;
  const char* readerName;  // the toolkit's image reader; none for PCX, which is read here
};

// Bitmaps and device-independent bitmaps share the "BM" file header; cursors differ from icons
// only in the resource type. Anything else is refused, even where a reader exists for it.
constexpr std::array kSignatures{
    Signature{"\x89PNG\r\n\x1a\n"sv, Kind::Png, "png"},
    Signature{"\xFF\xD8\xFF"sv, Kind::Jpeg, "jpeg"},
    Signature{"GIF87a"sv, Kind::Gif, "gif"},
    Signature{"GIF89a"sv, Kind::Gif, "gif"},
    Signature{"BM"sv, Kind::Bmp, "bmp"},
    Signature{"\x00\x00\x01\x00"sv, Kind::Icon, "ico"},
    Signature{"\x00\x00\x02\x00"sv, Kind::Icon, "cur"},
    Signature{"\x0A"sv, Kind::Pcx, nullptr},
};

// Enough for the largest picture allowed at 16 bits per channel.
constexpr int kAllocationLimitMegabytes = static_cast<int>(kMaxPicturePixels * 8 >> 20);

std::optional<Signature> Detect(const Bytes& bytes) {
  for (const Signature& signature : kSignatures) {
    if (bytes.size() >= signature.magic.size() &&
        std::equal(signature.magic.begin(), signature.magic.end(), bytes.begin(),
                   [](char expected, std::uint8_t actual) {
                     return static_cast<std::uint8_t>(expected) == actual;
                   })) {
      return signature;
    }
  }
  return std::nullopt;
}

bool Fits(QSize size) { return PictureFitsLimits(size.width(), size.height()); }

int BitsPerPixel(QImage::Format format) {
  return format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel();
}

// An icon file's largest entry, then its deepest colour: the one the imaging layer draws.
void JumpToLargestEntry(QImageReader& reader) {
  const int count = reader.imageCount();
  int best = 0;
  std::int64_t bestArea = -1;
  int bestDepth = -1;
  for (int i = 0; i < count && reader.jumpToImage(i); ++i) {
    const QSize size = reader.size();
    const std::int64_t area = std::int64_t{size.width()} * size.height();
    const int depth = BitsPerPixel(reader.imageFormat());
    if (area > bestArea || (area == bestArea && depth > bestDepth)) {
      best = i;
      bestArea = area;
      bestDepth = depth;
    }
  }
  reader.jumpToImage(best);
}

// The reader reports a trimmed size for a GIF whose screen is far larger than its first frame,
// yet decodes the whole screen; the screen in the header is what decoding costs.
bool GifScreenFits(const Bytes& bytes) {
  if (bytes.size() < 10) return false;
  return PictureFitsLimits(bytes[6] | (bytes[7] << 8), bytes[8] | (bytes[9] << 8));
}

std::optional<QSize> MeasureWithReader(const Bytes& bytes, const Signature& signature) {
  if (signature.kind == Kind::Gif && !GifScreenFits(bytes)) return std::nullopt;
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
  QImageReader reader(&buffer, signature.readerName);
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(kAllocationLimitMegabytes);
  if (signature.kind == Kind::Icon) JumpToLargestEntry(reader);
  if (!Fits(reader.size())) return std::nullopt;
  const QImage picture = reader.read();
  if (picture.isNull() || !Fits(picture.size())) return std::nullopt;
  return picture.size();
}

std::optional<QSize> MeasurePcx(const Bytes& bytes) {
  const std::optional<PcxHeader> header = ReadPcxHeader(bytes);
  if (!header || !PictureFitsLimits(header->width, header->height) ||
      !PcxPixelDataComplete(bytes, *header)) {
    return std::nullopt;
  }
  return QSize(header->width, header->height);
}

std::optional<QSize> Measure(const Bytes& bytes) {
  const std::optional<Signature> signature = Detect(bytes);
  if (!signature) return std::nullopt;
  if (signature->kind == Kind::Pcx) return MeasurePcx(bytes);
  return MeasureWithReader(bytes, *signature);
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
