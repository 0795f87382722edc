#include "platform/pictures/picture_reader.h"

#include <QPixelFormat>
#include <QSize>

#include "platform/pictures/picture_limits.h"

namespace platform::pictures {
namespace {

bool Fits(QSize size) { return PictureFitsLimits(size.width(), size.height()); }

int BitsPerPixel(QImage::Format format) {
  return format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel();
}

// The largest entry, then the deepest colour; the first of equals.
int LargestIconEntry(QImageReader& reader) {
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
  return best;
}

}  // namespace

PictureReader::PictureReader(std::span<const std::uint8_t> bytes, PictureFormat format)
    : data_(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<qsizetype>(bytes.size()))),
      buffer_(&data_) {
  buffer_.open(QIODevice::ReadOnly);
  reader_.setDevice(&buffer_);
  reader_.setFormat(ReaderName(format));
  reader_.setAutoDetectImageFormat(false);
  reader_.setAllocationLimit(kReaderAllocationLimitMegabytes);
  if (format == PictureFormat::Icon || format == PictureFormat::Cursor) {
    reader_.jumpToImage(LargestIconEntry(reader_));
  }
}

QImage PictureReader::Read() {
  const QSize claimed = reader_.size();  // invalid where the reader cannot tell beforehand
  if (claimed.isValid() && !Fits(claimed)) return {};
  // Readers fill only the rows the file holds: a truncated file would leave the rest as
  // whatever memory held before. Reading into a cleared picture of the claimed size makes the
  // missing rows transparent black instead.
  QImage image;
  const QImage::Format format = reader_.imageFormat();
  if (claimed.isValid() && format != QImage::Format_Invalid) {
    image = QImage(claimed, format);
    if (!image.isNull()) image.fill(0);
  }
  if (!reader_.read(&image) || image.isNull() || !Fits(image.size())) return {};
  return image;
}

}  // namespace platform::pictures
