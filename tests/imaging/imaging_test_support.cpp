#include "tests/imaging/imaging_test_support.h"

#include <gtest/gtest.h>
#include <QBuffer>

#include "imaging/drawing_surface.h"
#include "imaging/imaging.h"
#include "imaging/solid_brush.h"

namespace imagingtest {

namespace {

// The library is started once for the whole run and never shut down here: the start-up tests
// balance their own start-ups, and the process's end releases the rest.
class ImagingEnvironment : public testing::Environment {
 public:
  void SetUp() override { ASSERT_NE(imaging::StartImaging(), 0u) << "imaging library refused"; }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ImagingEnvironment);

}  // namespace

Bytes Encode(const QImage& picture, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format);
  return Bytes(data.begin(), data.end());
}

QImage Decode(const Bytes& bytes) {
  const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

QImage PatternPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(40 * x + 10, 60 * y + 20, 200));
  }
  return picture;
}

bool MakeFilledBitmap(imaging::ImageObject& bitmap, int width, int height,
                      platform::gdiplus::Argb colour) {
  imaging::DrawingSurface surface;
  imaging::SolidBrush brush;
  return bitmap.CreateBitmap(width, height) && surface.CreateFromImage(bitmap) &&
         brush.CreateSolidFill(colour) && surface.FillRectangleI(brush, 0, 0, width, height);
}

QImage Pixels(const imaging::ImageObject& bitmap) {
  return Decode(bitmap.SaveToBytes(std::string(imaging::kPngFormat)));
}

}  // namespace imagingtest
