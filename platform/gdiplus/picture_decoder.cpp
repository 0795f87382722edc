#include "platform/gdiplus/picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPixelFormat>
#include <QSize>

#include "platform/gdiplus/bitmap_limits.h"
#include "platform/gdiplus/png_chunks.h"
#include "platform/gdiplus/quiet_image_warnings.h"

namespace platform::gdiplus {
namespace {

// Enough for the largest picture allowed at 16 bits per channel.
constexpr int kAllocationLimitMegabytes = static_cast<int>(kMaxDecodedPixels * 8 >> 20);

bool ClaimAllowed(QSize size) {
  const std::int64_t width = size.width();
  const std::int64_t height = size.height();
  return width <= kMaxBitmapSide && height <= kMaxBitmapSide && width * height <= kMaxDecodedPixels;
}

// A reader over the bytes, bound to the reader of the recognised format alone, so that no
// other reader ever sees bytes that claimed to be this format.
class PictureReader {
 public:
  PictureReader(std::span<const std::uint8_t> bytes, PictureFormat format)
      : data_(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                      static_cast<qsizetype>(bytes.size()))),
        buffer_(&data_) {
    buffer_.open(QIODevice::ReadOnly);
    reader_.setDevice(&buffer_);
    reader_.setFormat(FormatInfo(format).readerName);
    reader_.setAutoDetectImageFormat(false);
    reader_.setAllocationLimit(kAllocationLimitMegabytes);
  }
  QImageReader& Reader() { return reader_; }

 private:
  QByteArray data_;
  QBuffer buffer_;
  QImageReader reader_;
};

int BitsPerPixel(QImage::Format format) {
  return format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel();
}

// An icon file's largest entry, then its deepest colour; the first of equals.
int LargestIconEntry(QImageReader& reader) {
  const int count = reader.imageCount();
  int best = 0;
  std::int64_t bestArea = -1;
  int bestDepth = -1;
  for (int i = 0; i < count; ++i) {
    if (!reader.jumpToImage(i)) break;
    const QSize size = reader.size();
    const std::int64_t area = std::int64_t{size.width()} * size.height();
    const int depth = BitsPerPixel(reader.imageFormat());
    if (area > bestArea || (area == bestArea && depth > bestDepth)) {
      best = i;
      bestArea = area;
      bestDepth = depth;
    }
  }
  return best;
}

DecodedPicture Failed(PictureFormat format, Status status) {
  DecodedPicture failed;
  failed.format = format;
  failed.status = status;
  return failed;
}

// Reads the reader's current image: refused before decoding when its header claims too
// much, and again afterwards for readers that cannot tell the size beforehand.
DecodedPicture ReadCurrent(QImageReader& reader, PictureFormat format) {
  const QSize claimed = reader.size();
  if (claimed.isValid() && !ClaimAllowed(claimed)) return Failed(format, status::OutOfMemory);
  QImage image = reader.read();
  if (image.isNull() || !ClaimAllowed(image.size())) return Failed(format, status::OutOfMemory);
  DecodedPicture decoded;
  decoded.status = status::Ok;
  decoded.format = format;
  decoded.image = image.convertToFormat(QImage::Format_ARGB32);
  decoded.frameCount = 1;
  if (decoded.image.isNull()) return Failed(format, status::OutOfMemory);
  return decoded;
}

int CountFrames(std::span<const std::uint8_t> bytes, PictureFormat format) {
  if (!FormatInfo(format).multiFrame) return 1;
  PictureReader counter(bytes, format);
  return std::max(1, counter.Reader().imageCount());
}

// Moves to the frame at index: directly where the reader can jump, else by reading past the
// frames before it (each of which passes the size guard too).
bool SkipTo(QImageReader& reader, PictureFormat format, int index) {
  if (index == 0 || reader.jumpToImage(index)) return true;
  for (int i = 0; i < index; ++i) {
    if (ReadCurrent(reader, format).status != status::Ok) return false;
  }
  return true;
}

// The format of bytes that may go to a reader, or the status that refuses them.
std::optional<PictureFormat> ReadableFormat(std::span<const std::uint8_t> bytes, Status* refusal) {
  const std::optional<PictureFormat> format = DetectPictureFormat(bytes);
  *refusal = status::InvalidParameter;
  if (!format) return std::nullopt;
  *refusal = status::OutOfMemory;
  if (*format == PictureFormat::Png && !PngChunksFit(bytes)) return std::nullopt;
  return format;
}

}  // namespace

DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes) {
  Status refusal = status::Ok;
  const std::optional<PictureFormat> format = ReadableFormat(bytes, &refusal);
  if (!format) return Failed(PictureFormat::Png, refusal);
  QuietImageWarnings quiet;
  PictureReader picture(bytes, *format);
  QImageReader& reader = picture.Reader();
  if (*format == PictureFormat::Icon || *format == PictureFormat::Cursor) {
    reader.jumpToImage(LargestIconEntry(reader));
  }
  DecodedPicture decoded = ReadCurrent(reader, *format);
  if (decoded.status == status::Ok) decoded.frameCount = CountFrames(bytes, *format);
  return decoded;
}

DecodedPicture DecodeFrame(std::span<const std::uint8_t> bytes, int index) {
  Status refusal = status::Ok;
  const std::optional<PictureFormat> format = ReadableFormat(bytes, &refusal);
  if (!format) return Failed(PictureFormat::Png, refusal);
  QuietImageWarnings quiet;
  if (index < 0 || index >= CountFrames(bytes, *format)) {
    return Failed(*format, status::InvalidParameter);
  }
  PictureReader picture(bytes, *format);
  if (!SkipTo(picture.Reader(), *format, index)) return Failed(*format, status::InvalidParameter);
  return ReadCurrent(picture.Reader(), *format);
}

}  // namespace platform::gdiplus
