#pragma once

// The real main window for tests: each test gets its own run directory, the program objects
// and the window are made as the start routine makes them (the created handler runs), and the
// window is closed in order at the end (the will-be-destroyed handler and the exit routine
// run). Headless on the offscreen platform.

#include <memory>
#include <optional>
#include <vector>
#include <string>

#include <gtest/gtest.h>

#include "platform/runtime/bytes.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/window.h"
#include "tests/support/temp_run_directory.h"

class QWidget;

namespace testsupport {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads the main window as the start routine does; the created handler runs.
  void OpenWindow();
  // Closes it as the user would, then runs the exit routine.
  void CloseWindow();
  void RestartWindow();

  platform::Window& window() { return *window_; }
  QWidget* widget(const char* control);
  const std::string& runDirectory() const { return runDirectory_.path(); }
  std::string settingsFile() const { return runDirectory() + "/data/setsoft.ini"; }
  std::string exportFolder() const { return runDirectory() + "/导出图片"; }

  // Focus in and out of an edit box, as the user tabbing through it would.
  void FocusIn(const char* control);
  void FocusOut(const char* control);
  void Click(const char* control);

  // What the program asked the desktop to do: no test opens a file manager, a dialog or a link.
  std::vector<std::string> shownItems;    // show-in-folder requests
  std::vector<std::string> openedLinks;   // link-opener requests
  std::vector<platform::FileDialogRequest> dialogRequests;
  // The file dialog's answer: a path, or nothing for "cancelled".
  std::optional<std::string> chosenFile;

 private:
  TempRunDirectory runDirectory_;
  std::unique_ptr<platform::Application> application_;
  std::unique_ptr<platform::Window> window_;
};

// A picture made in memory, encoded in the given format ("PNG", "JPG", "BMP", ...), filled
// with one ARGB colour.
platform::Bytes MakePicture(int width, int height, unsigned argb, const char* format = "PNG");

// Writes bytes to a file under the run directory; answers the full path.
std::string WriteFile(const std::string& folder, const std::string& name,
                      const platform::Bytes& bytes);

struct DecodedPixel {
  int alpha, red, green, blue;
};
struct DecodedPicture {
  int width = 0;
  int height = 0;
  bool valid = false;
  DecodedPixel at(int x, int y) const;
  std::vector<unsigned> pixels;  // non-premultiplied ARGB
};
// Decodes PNG bytes the way a viewer would (not through the imaging library).
DecodedPicture Decode(const platform::Bytes& bytes);

}  // namespace testsupport
