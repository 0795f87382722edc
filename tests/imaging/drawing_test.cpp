// Filling and drawing through a surface and a solid brush, checked by the pixels written.

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cstdlib>

#include "imaging/drawing_surface.h"
#include "imaging/image_object.h"
#include "imaging/imaging.h"
#include "imaging/solid_brush.h"
#include "tests/imaging/imaging_test_support.h"

namespace {

using imaging::DrawingSurface;
using imaging::ImageObject;
using imaging::SolidBrush;
using imagingtest::Pixels;
using platform::gdiplus::Argb;
namespace status = platform::gdiplus::status;

// Largest difference of one channel between two colours.
int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                   std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(DrawingSurface, FillCoversEveryPixelWithTheBrushColour) {
  struct Case {
    Argb colour;
    int tolerance;  // colours below full alpha are stored premultiplied
  };
  const std::array cases{
      Case{0xFF336699, 0}, Case{0xFFFFFFFF, 0}, Case{0xFF000000, 0},
      Case{0x80FF0000, 2}, Case{0x6E13579B, 2},
  };
  for (const Case& c : cases) {
    ImageObject bitmap;
    ASSERT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 200, 100, c.colour)) << std::hex << c.colour;
    const QImage pixels = Pixels(bitmap);
    ASSERT_EQ(pixels.size(), QSize(200, 100));
    int worst = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 200; ++x) {
        ASSERT_EQ(qAlpha(pixels.pixel(x, y)), int(c.colour >> 24)) << x << "," << y;
        worst = std::max(worst, ChannelDistance(pixels.pixel(x, y), c.colour));
      }
    }
    EXPECT_LE(worst, c.tolerance) << std::hex << c.colour;
  }
}

TEST(DrawingSurface, DrawsAPictureAtItsOwnSizeUnscaled) {
  const QImage source = imagingtest::PatternPicture(5, 4);
  ImageObject picture;
  ASSERT_TRUE(picture.LoadFromBytes(imagingtest::Encode(source, "PNG")));
  ImageObject bitmap;
  ASSERT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 12, 9, 0xFFFFFFFF));

  DrawingSurface surface;
  ASSERT_TRUE(surface.CreateFromImage(bitmap));
  EXPECT_TRUE(surface.DrawImageRectI(picture, 3, 2, 5, 4));
  surface.Flush();

  const QImage pixels = Pixels(bitmap);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 3 && x < 8 && y >= 2 && y < 6;
      const QRgb expected = inside ? source.pixel(x - 3, y - 2) : 0xFFFFFFFF;
      EXPECT_EQ(pixels.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(DrawingSurface, ScalesTheWholePictureIntoTheDestination) {
  QImage source(4, 2, QImage::Format_ARGB32);
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 2; ++y) source.setPixel(x, y, x < 2 ? 0xFFFF0000 : 0xFF0000FF);
  }
  ImageObject picture;
  ASSERT_TRUE(picture.LoadFromBytes(imagingtest::Encode(source, "PNG")));
  ImageObject bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(40, 20));
  DrawingSurface surface;
  ASSERT_TRUE(surface.CreateFromImage(bitmap));

  struct Draw {
    const char* name;
    int top;
    bool (*draw)(DrawingSurface&, const ImageObject&);
  };
  const std::array draws{
      Draw{"integer", 0,
           [](DrawingSurface& s, const ImageObject& p) {
             return s.DrawImageRectI(p, 0, 0, 40, 10);
           }},
      Draw{"float", 10,
           [](DrawingSurface& s, const ImageObject& p) {
             return s.DrawImageRect(p, 0.0f, 10.0f, 40.0f, 10.0f);
           }},
  };
  for (const Draw& d : draws) EXPECT_TRUE(d.draw(surface, picture)) << d.name;

  // Sampled at source pixel centres, away from the edges that bilinear filtering softens.
  const QImage pixels = Pixels(bitmap);
  for (const Draw& d : draws) {
    for (int y : {d.top + 2, d.top + 7}) {
      EXPECT_EQ(pixels.pixel(12, y), 0xFFFF0000u) << d.name << " row " << y;
      EXPECT_EQ(pixels.pixel(27, y), 0xFF0000FFu) << d.name << " row " << y;
    }
  }
}

TEST(DrawingSurface, AnEmptyPictureDrawsNothing) {
  ImageObject bitmap;
  ASSERT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 10, 6, 0xFF00FF00));
  const QImage before = Pixels(bitmap);

  ImageObject material;  // loaded, then cleared the way the delete-material command clears it
  ASSERT_TRUE(
      material.LoadFromBytes(imagingtest::Encode(imagingtest::PatternPicture(3, 3), "PNG")));
  EXPECT_FALSE(material.LoadFromBytes({}));

  DrawingSurface surface;
  ASSERT_TRUE(surface.CreateFromImage(bitmap));
  EXPECT_FALSE(surface.DrawImageRectI(material, 0, 0, 10, 6));
  EXPECT_EQ(imaging::LastStatus(), status::InvalidParameter);
  EXPECT_FALSE(surface.DrawImageRect(material, 0, 0, 10, 6));
  EXPECT_FALSE(surface.DrawImage(material, 0, 0));
  EXPECT_EQ(Pixels(bitmap), before);
}

TEST(DrawingSurface, AnEmptySurfaceDrawsNothing) {
  ImageObject picture;
  ASSERT_TRUE(picture.CreateBitmap(4, 4));
  SolidBrush brush;
  ASSERT_TRUE(brush.CreateSolidFill(0xFFFF0000));
  DrawingSurface surface;
  EXPECT_FALSE(surface.FillRectangleI(brush, 0, 0, 4, 4));
  EXPECT_NE(imaging::LastStatus(), status::Ok);
  EXPECT_FALSE(surface.DrawImage(picture, 0, 0));
  EXPECT_FALSE(surface.DrawImageRectI(picture, 0, 0, 4, 4));
}

TEST(DrawingSurface, DrawingABitmapOntoItselfKeepsOpaquePixels) {
  ImageObject bitmap;
  ASSERT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 8, 4, 0xFF123456));
  DrawingSurface surface;
  ASSERT_TRUE(surface.CreateFromImage(bitmap));
  surface.DrawImage(bitmap, 0, 0);
  EXPECT_EQ(Pixels(bitmap).pixel(7, 3), 0xFF123456u);
}

TEST(DrawingSurface, WindowAndDeviceContextsThatTheLibraryRefusesLeaveTheSurfaceEmpty) {
  DrawingSurface surface;
  EXPECT_FALSE(surface.CreateFromWindow(nullptr));
  EXPECT_EQ(surface.GetNativeHandle(), nullptr);
  EXPECT_FALSE(surface.CreateFromDeviceContext(nullptr));
  EXPECT_EQ(surface.GetNativeHandle(), nullptr);
  EXPECT_NE(imaging::LastStatus(), status::Ok);
}

TEST(SolidBrush, ColourRoundTripsWithItsAlpha) {
  for (Argb colour : {0x80FF0000u, 0x00000000u, 0xFFFFFFFFu, 0x12345678u}) {
    SolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(colour));
    EXPECT_EQ(brush.GetSolidFillColor(), colour);
    EXPECT_EQ(brush.GetBrushType(), 0) << "solid colour";
  }
}

TEST(SolidBrush, ANewColourChangesLaterFillsOnly) {
  ImageObject bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(10, 4));
  DrawingSurface surface;
  ASSERT_TRUE(surface.CreateFromImage(bitmap));
  SolidBrush brush;
  ASSERT_TRUE(brush.CreateSolidFill(0xFFFF0000));
  ASSERT_TRUE(surface.FillRectangleI(brush, 0, 0, 5, 4));
  ASSERT_TRUE(brush.SetSolidFillColor(0xFF0000FF));
  EXPECT_EQ(brush.GetSolidFillColor(), 0xFF0000FFu);
  ASSERT_TRUE(surface.FillRectangleI(brush, 5, 0, 5, 4));

  const QImage pixels = Pixels(bitmap);
  EXPECT_EQ(pixels.pixel(4, 3), 0xFFFF0000u);
  EXPECT_EQ(pixels.pixel(5, 0), 0xFF0000FFu);
}

TEST(SolidBrush, ACloneIsASeparateBrushThatOutlivesTheOriginal) {
  auto original = std::make_unique<SolidBrush>();
  ASSERT_TRUE(original->CreateSolidFill(0xC0408020));
  SolidBrush clone;
  ASSERT_TRUE(original->CloneBrush(clone));
  EXPECT_NE(clone.GetNativeHandle(), nullptr);
  EXPECT_NE(clone.GetNativeHandle(), original->GetNativeHandle());
  EXPECT_EQ(clone.SolidFillHandle(), clone.GetNativeHandle());

  EXPECT_TRUE(original->DeleteBrush());
  original.reset();
  EXPECT_EQ(clone.GetSolidFillColor(), 0xC0408020u);
  ImageObject bitmap;
  DrawingSurface surface;
  ASSERT_TRUE(bitmap.CreateBitmap(3, 3));
  ASSERT_TRUE(surface.CreateFromImage(bitmap));
  EXPECT_TRUE(surface.FillRectangleI(clone, 0, 0, 3, 3));
  EXPECT_LE(ChannelDistance(Pixels(bitmap).pixel(2, 2), 0xC0408020), 2);
}

}  // namespace
