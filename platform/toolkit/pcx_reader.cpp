#include "platform/toolkit/pcx_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/pictures/picture_limits.h"

namespace platform {
namespace {

using ByteSpan = std::span<const std::uint8_t>;
using Palette = std::array<QRgb, 256>;

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kHeaderPaletteAt = 16;
constexpr std::size_t kEndPaletteSize = 768;
constexpr std::uint8_t kEndPaletteMarker = 0x0C;
constexpr int kVersionWithoutPalette = 3;

struct Layout {
  int bitsPerPixel;
  int planes;
};
constexpr std::array<Layout, 9> kLayouts{{
    {1, 1},
    {1, 2},
    {1, 3},
    {1, 4},  // 2 to 16 colours, one bit of the index per plane
    {2, 1},
    {4, 1},  // 4 or 16 colours, packed
    {8, 1},  // 256 colours, palette at the end of the file
    {8, 3},
    {8, 4},  // red, green, blue (and alpha) planes
}};

// The colours a picture without a palette of its own is shown with.
constexpr std::array<QRgb, 16> kDefaultColours{
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

int Word(ByteSpan bytes, std::size_t at) { return bytes[at] | (bytes[at + 1] << 8); }

bool IsTrueColour(const PcxHeader& header) {
  return header.bitsPerPixel == 8 && header.planes >= 3;
}

bool HasEndPalette(ByteSpan bytes, const PcxHeader& header) {
  return header.bitsPerPixel == 8 && header.planes == 1 &&
         bytes.size() >= kHeaderSize + 1 + kEndPaletteSize &&
         bytes[bytes.size() - kEndPaletteSize - 1] == kEndPaletteMarker;
}

// The run-length data lies between the header and the palette at the end, when there is one.
ByteSpan PixelData(ByteSpan bytes, const PcxHeader& header) {
  std::size_t end = bytes.size();
  if (HasEndPalette(bytes, header)) end -= kEndPaletteSize + 1;
  return bytes.subspan(kHeaderSize, end - kHeaderSize);
}

// A byte with both top bits set repeats the byte after it (low six bits) times; any other byte
// stands for itself. Runs may cross scanlines.
class RunLengthDecoder {
 public:
  explicit RunLengthDecoder(ByteSpan data) : data_(data) {}

  // The next count bytes into out, or skipped when out is null; false when the data ends first.
  bool Take(std::uint8_t* out, std::size_t count) {
    while (count > 0) {
      if (runLeft_ == 0 && !StartRun()) return false;
      const std::size_t taken = std::min(count, runLeft_);
      if (out != nullptr) {
        std::memset(out, runValue_, taken);
        out += taken;
      }
      runLeft_ -= taken;
      count -= taken;
    }
    return true;
  }

 private:
  bool StartRun() {
    while (next_ < data_.size()) {
      const std::uint8_t code = data_[next_++];
      if ((code & 0xC0) != 0xC0) {
        runValue_ = code;
        runLeft_ = 1;
        return true;
      }
      if (next_ == data_.size()) return false;
      runValue_ = data_[next_++];
      runLeft_ = code & 0x3F;
      if (runLeft_ > 0) return true;  // a run of none is skipped
    }
    return false;
  }

  ByteSpan data_;
  std::size_t next_ = 0;
  std::size_t runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

std::size_t ScanlineSize(const PcxHeader& header) {
  return static_cast<std::size_t>(header.bytesPerLine) * header.planes;
}

Palette ColoursOf(ByteSpan bytes, const PcxHeader& header) {
  Palette colours{};
  if (header.bitsPerPixel == 8 && header.planes == 1) {
    if (HasEndPalette(bytes, header)) {
      const std::size_t at = bytes.size() - kEndPaletteSize;
      for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = qRgb(bytes[at + 3 * i], bytes[at + 3 * i + 1], bytes[at + 3 * i + 2]);
      }
    } else {
      for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = qRgb(i, i, i);
    }
    return colours;
  }
  const auto headerColour = [&](std::size_t i) {
    const std::size_t at = kHeaderPaletteAt + 3 * i;
    return qRgb(bytes[at], bytes[at + 1], bytes[at + 2]);
  };
  const bool twoColours = header.bitsPerPixel * header.planes == 1;
  if (twoColours &&
      (header.version == kVersionWithoutPalette || headerColour(0) == headerColour(1))) {
    // Writers that leave the palette of a two-colour picture empty mean black and white.
    colours[0] = kDefaultColours.front();
    colours[1] = kDefaultColours.back();
  } else if (header.version == kVersionWithoutPalette) {
    std::copy(kDefaultColours.begin(), kDefaultColours.end(), colours.begin());
  } else {
    for (std::size_t i = 0; i < kDefaultColours.size(); ++i) colours[i] = headerColour(i);
  }
  return colours;
}

// The palette index of pixel x: bitsPerPixel bits, most significant first, from each plane;
// plane p gives the bits p * bitsPerPixel and up.
int IndexAt(const std::uint8_t* scanline, const PcxHeader& header, int x) {
  const int bitAt = x * header.bitsPerPixel;
  const int shift = 8 - header.bitsPerPixel - bitAt % 8;
  const int mask = (1 << header.bitsPerPixel) - 1;
  int index = 0;
  for (int plane = 0; plane < header.planes; ++plane) {
    const std::uint8_t byte = scanline[plane * header.bytesPerLine + bitAt / 8];
    index |= ((byte >> shift) & mask) << (plane * header.bitsPerPixel);
  }
  return index;
}

QRgb PixelAt(const std::uint8_t* scanline, const PcxHeader& header, const Palette& colours, int x) {
  if (!IsTrueColour(header)) return colours[IndexAt(scanline, header, x)];
  const int line = header.bytesPerLine;
  const int alpha = header.planes == 4 ? scanline[3 * line + x] : 255;
  return qRgba(scanline[x], scanline[line + x], scanline[2 * line + x], alpha);
}

}  // namespace

std::optional<PcxHeader> ReadPcxHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  constexpr std::uint8_t kManufacturer = 0x0A;
  constexpr std::uint8_t kLatestVersion = 5;
  constexpr std::uint8_t kRunLengthEncoding = 1;
  if (bytes[0] != kManufacturer || bytes[1] > kLatestVersion || bytes[2] != kRunLengthEncoding) {
    return std::nullopt;
  }
  PcxHeader header;
  header.version = bytes[1];
  header.bitsPerPixel = bytes[3];
  header.planes = bytes[65];
  header.width = Word(bytes, 8) - Word(bytes, 4) + 1;
  header.height = Word(bytes, 10) - Word(bytes, 6) + 1;
  header.bytesPerLine = Word(bytes, 66);
  const bool knownLayout = std::any_of(kLayouts.begin(), kLayouts.end(), [&](Layout layout) {
    return layout.bitsPerPixel == header.bitsPerPixel && layout.planes == header.planes;
  });
  if (!knownLayout || header.width <= 0 || header.height <= 0) return std::nullopt;
  const int neededBytesPerLine = (header.width * header.bitsPerPixel + 7) / 8;
  if (header.bytesPerLine < neededBytesPerLine) return std::nullopt;
  return header;
}

bool PcxPixelDataComplete(std::span<const std::uint8_t> bytes, const PcxHeader& header) {
  RunLengthDecoder decoder(PixelData(bytes, header));
  for (int y = 0; y < header.height; ++y) {
    if (!decoder.Take(nullptr, ScanlineSize(header))) return false;
  }
  return true;
}

std::optional<QImage> DecodePcx(std::span<const std::uint8_t> bytes) {
  const std::optional<PcxHeader> header = ReadPcxHeader(bytes);
  if (!header || !pictures::PictureFitsLimits(header->width, header->height)) return std::nullopt;
  // Checked before the picture is allocated, so a short file cannot claim a large picture.
  if (!PcxPixelDataComplete(bytes, *header)) return std::nullopt;

  QImage image(header->width, header->height, QImage::Format_ARGB32);
  if (image.isNull()) return std::nullopt;
  const Palette colours = ColoursOf(bytes, *header);
  RunLengthDecoder decoder(PixelData(bytes, *header));
  std::vector<std::uint8_t> scanline(ScanlineSize(*header));
  for (int y = 0; y < header->height; ++y) {
    if (!decoder.Take(scanline.data(), scanline.size())) return std::nullopt;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < header->width; ++x) row[x] = PixelAt(scanline.data(), *header, colours, x);
  }
  return image;
}

}  // namespace platform
