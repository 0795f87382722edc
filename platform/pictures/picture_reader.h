#pragma once

// A toolkit image reader over a picture's bytes, set up the one way the program decodes:
// bound to the reader of the recognised format alone (no other reader ever sees bytes that
// claimed to be this format), with the reader's allocation limited, and on an icon file's
// largest entry (then its deepest colour), the one the program shows.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <span>

#include "platform/pictures/picture_format.h"

namespace platform::pictures {

class PictureReader {
 public:
  // format must have a reader (see ReaderName); bytes must outlive the reader.
  PictureReader(std::span<const std::uint8_t> bytes, PictureFormat format);
  PictureReader(const PictureReader&) = delete;
  PictureReader& operator=(const PictureReader&) = delete;

  // The current image, or a null image when its header claims more than the limits, when it
  // cannot be decoded, or when it decodes larger than the limits (for readers that cannot tell
  // the size beforehand).
  QImage Read();

  QImageReader& Reader() { return reader_; }

 private:
  QByteArray data_;
  QBuffer buffer_;
  QImageReader reader_;
};

}  // namespace platform::pictures
