// The guard that keeps image readers' warnings out of the user's terminal.

#include "platform/pictures/quiet_image_warnings.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::pictures::QuietImageWarnings;

std::vector<std::string> captured;

void Capture(QtMsgType, const QMessageLogContext&, const QString& message) {
  captured.push_back(message.toStdString());
}

void Warn(const char* category) {
  const QLoggingCategory logging(category);
  qCWarning(logging, "%s", category);
}

TEST(QuietImageWarnings, HoldsBackImageMessagesOfItsThreadOnly) {
  struct Case {
    const char* category;
    bool heldBack;
  };
  constexpr std::array cases{
      Case{"qt.gui.imageio", true},       Case{"qt.gui.imageio.jpeg", true},
      Case{"qt.imageformats.tiff", true}, Case{"default", true},
      Case{"qt.core.io", false},          Case{"brelvane", false},
  };
  captured.clear();
  const QtMessageHandler before = qInstallMessageHandler(Capture);
  std::vector<std::string> passed;
  {
    QuietImageWarnings quiet;
    for (const Case& c : cases) Warn(c.category);
    std::thread([] { Warn("qt.gui.imageio"); }).join();
    passed = captured;
  }
  captured.clear();
  Warn("qt.gui.imageio");
  const std::vector<std::string> after = captured;
  qInstallMessageHandler(before);

  std::vector<std::string> expected;
  for (const Case& c : cases) {
    if (!c.heldBack) expected.push_back(c.category);
  }
  expected.push_back("qt.gui.imageio");  // from another thread
  EXPECT_EQ(passed, expected);
  EXPECT_EQ(after, std::vector<std::string>{"qt.gui.imageio"}) << "the handler is restored";
}

// libpng prints its errors through the C stream itself, a piece at a time.
TEST(QuietImageWarnings, DropsLibpngLinesPrintedMeanwhileAndPrintsTheRestAfterwards) {
  testing::internal::CaptureStderr();
  {
    QuietImageWarnings quiet;
    std::fprintf(stderr, "libpng error: IDAT: CRC error");
    std::fprintf(stderr, "\n");
    std::fprintf(stderr, "another line\n");
    std::fprintf(stderr, "libpng warning: iCCP: known incorrect sRGB profile\n");
  }
  std::fprintf(stderr, "libpng error: after\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "another line\nlibpng error: after\n");
}

}  // namespace
