// Warnings of the image readers stay out of the user's terminal while the layer decodes.

#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>
#include <vector>

#include "platform/gdiplus/picture_decoder.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

std::vector<QString> captured;

void Capture(QtMsgType, const QMessageLogContext&, const QString& message) {
  captured.push_back(message);
}

// Half a JPEG makes its reader warn that the data holds no image.
TEST(QuietWarnings, DecodingPrintsNothingAndRestoresTheHandler) {
  Bytes halfJpeg = ReadFileBytes(FixturePath("pictures", "jpeg-baseline.jpg"));
  halfJpeg.resize(100);
  captured.clear();
  const QtMessageHandler before = qInstallMessageHandler(Capture);
  const DecodedPicture decoded = DecodePicture(halfJpeg);
  qWarning("after decoding");
  qInstallMessageHandler(before);
  EXPECT_NE(decoded.status, status::Ok);
  QString all;
  for (const QString& message : captured) all += message + "\n";
  EXPECT_EQ(all.toStdString(), "after decoding\n");
}

}  // namespace
}  // namespace gdiplus_test
