#include "tests/support/main_window_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QFocusEvent>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <fstream>

#include "app/main_window_layout.h"
#include "app/main_window_wiring.h"
#include "app/program.h"
#include "imaging/imaging.h"
#include "platform/toolkit/qt_access.h"
#include "shell/file_system.h"

namespace testsupport {

void MainWindowTest::SetUp() { OpenWindow(); }

void MainWindowTest::TearDown() {
  if (window_) CloseWindow();
}

void MainWindowTest::OpenWindow() {
  static int argc = 1;
  static char name[] = "brelvane-tests";
  static char* argv[] = {name, nullptr};
  application_ = std::make_unique<platform::Application>(argc, argv);
  shell::SetShowItemInFolder([this](const std::string& path, bool) {
    shownItems.push_back(path);
    return true;
  });
  platform::Application::SetLinkOpener(
      [this](const std::string& address) { openedLinks.push_back(address); });
  platform::Application::SetFileChooser([this](const platform::FileDialogRequest& request) {
    dialogRequests.push_back(request);
    return chosenFile;
  });
  app::InitProgramObjects();
  application_->SetExitRoutine(&app::OnProgramExit);
  imaging::StartImaging();
  window_ = application_->LoadWindow(app::MainWindowLayout(), &app::WireMainWindow);
  QWidget* top = platform::TopLevelOf(*window_);
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
}

void MainWindowTest::CloseWindow() {
  platform::TopLevelOf(*window_)->close();
  application_->RunUntilClosed(*window_);  // returns at once: the window has closed
  window_.reset();
  application_.reset();
  shell::SetShowItemInFolder(nullptr);
  platform::Application::SetLinkOpener(nullptr);
  platform::Application::SetFileChooser(nullptr);
}

void MainWindowTest::RestartWindow() {
  CloseWindow();
  OpenWindow();
}

QWidget* MainWindowTest::widget(const char* control) {
  return platform::WidgetOf(*window_, control);
}

void MainWindowTest::FocusIn(const char* control) {
  QWidget* w = widget(control);
  w->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
}

void MainWindowTest::FocusOut(const char* control) {
  // Move the focus to the window itself, as a click elsewhere would.
  QWidget* w = widget(control);
  if (w->hasFocus()) {
    platform::TopLevelOf(*window_)->setFocus(Qt::MouseFocusReason);
  }
  QApplication::processEvents();
}

void MainWindowTest::Click(const char* control) {
  QTest::mouseClick(widget(control), Qt::LeftButton);
  QApplication::processEvents();
}

platform::Bytes MakePicture(int width, int height, unsigned argb, const char* format) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(QColor::fromRgba(argb));
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return platform::Bytes(data.begin(), data.end());
}

std::string WriteFile(const std::string& folder, const std::string& name,
                      const platform::Bytes& bytes) {
  const std::string path = folder + "/" + name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path;
}

DecodedPixel DecodedPicture::at(int x, int y) const {
  const unsigned p = pixels[static_cast<std::size_t>(y) * width + x];
  return {static_cast<int>(p >> 24), static_cast<int>((p >> 16) & 0xFF),
          static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

DecodedPicture Decode(const platform::Bytes& bytes) {
  DecodedPicture picture;
  QImage image;
  if (bytes.empty() || !image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                           static_cast<int>(bytes.size()), "PNG")) {
    return picture;
  }
  image = image.convertToFormat(QImage::Format_ARGB32);
  picture.width = image.width();
  picture.height = image.height();
  picture.valid = true;
  picture.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const unsigned*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), line, line + image.width());
  }
  return picture;
}

}  // namespace testsupport
