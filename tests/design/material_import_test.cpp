#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/material_geometry.h"
#include "design/material_import.h"
#include "design/renderer.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/run_directory.h"
#include "platform/toolkit/application.h"
#include "tests/platform/toolkit/odd_pictures.h"
#include "tests/design/material_test_support.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

using testsupport::Decode;
using testsupport::DecodedPicture;

constexpr std::array<const char*, 4> kBoxes{kMaterialWidthBox, kMaterialHeightBox, kMaterialXBox,
                                            kMaterialYBox};

Geometry BoxValues(platform::Window& window) {
  Geometry values{};
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    values[i] = platform::TextToInt(window.Text(kBoxes[i]));
  }
  return values;
}

class MaterialImportTest : public testsupport::MainWindowTest {
 protected:
  void TearDown() override {
    platform::Application::SetFileChooser(nullptr);
    MainWindowTest::TearDown();
  }

  std::string Write(const std::string& name, const platform::Bytes& bytes) {
    return testsupport::WriteFile(runDirectory(), name, bytes);
  }

  // The common dialog answers every request with `answer` (nothing: cancelled).
  void AnswerDialog(std::optional<std::string> answer) {
    platform::Application::SetFileChooser(
        [this, answer](const platform::FileDialogRequest& request) {
          requests_.push_back(request);
          return answer;
        });
  }

  void ImportThroughDialog(const std::string& path) {
    AnswerDialog(path);
    Click(kImportButton);
  }

  Geometry Boxes() { return BoxValues(window()); }

  void SetBoxes(const std::array<const char*, 4>& texts) {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) window().SetText(kBoxes[i], texts[i]);
  }

  std::vector<platform::FileDialogRequest> requests_;
};

// Every state picture is red exactly where `rect` meets the 200 x 100 layer.
void ExpectRedExactlyIn(const Geometry& rect) {
  for (const ButtonStateControls& row : kButtonStates) {
    const DecodedPicture picture = Decode(PictureOf(Design(), static_cast<int>(row.state)));
    ASSERT_TRUE(picture.valid) << row.canvas;
    ASSERT_EQ(picture.width, 200);
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const bool inside =
            x >= rect[2] && x < rect[2] + rect[0] && y >= rect[3] && y < rect[3] + rect[1];
        const bool red = picture.pixels[static_cast<std::size_t>(y) * picture.width + x] == kRed;
        if (inside != red && wrong++ == 0) {
          ADD_FAILURE() << row.canvas << ": pixel " << x << "," << y << " is "
                        << (red ? "red" : "not red");
        }
      }
    }
    EXPECT_EQ(wrong, 0) << row.canvas << " has pixels on the wrong side of the material's edge";
  }
}

TEST_F(MaterialImportTest, PlacesThePictureByItsSizeOrByTheLockedBoxesAndDrawsItThere) {
  struct Case {
    const char* name;
    int side;
    bool locked;
    std::array<const char*, 4> boxes;  // before the import
    Geometry expected;
  };
  const std::array<Case, 4> kCases{{
      {"48 centred", 48, false, {"200", "100", "200", "100"}, {48, 48, 76, 26}},
      {"larger than the layer", 251, false, {"200", "100", "200", "100"}, {251, 251, -25, -75}},
      // The initial boxes put a locked material wholly outside the layer.
      {"locked at the initial boxes", 48, true, {"200", "100", "200", "100"}, {200, 100, 200, 100}},
      {"locked, scaled to the boxes", 48, true, {"30", "20", "10", "5"}, {30, 20, 10, 5}},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    window().SetTicked(kLockBox, c.locked);
    SetBoxes(c.boxes);
    ImportThroughDialog(Write("主页.png", testsupport::MakePicture(c.side, c.side, kRed)));
    EXPECT_EQ(Of(Design().materialRect), c.expected);
    EXPECT_EQ(Boxes(), c.expected);
    EXPECT_EQ(Design().materialImage.GetWidth(), c.side);
    ExpectRedExactlyIn(c.expected);
  }
}

TEST_F(MaterialImportTest, DialogAsksForOnePictureFromTheDesktopAndCancellingChangesNothing) {
  window().SetTicked(kLockBox, false);
  const std::string path = Write("主页.png", testsupport::MakePicture(48, 48, kRed));
  ImportThroughDialog(path);
  EXPECT_EQ(Design().materialPathStem, runDirectory() + "/主页");
  EXPECT_EQ(Design().materialName, "主页");
  EXPECT_EQ(Design().materialExtension, "png");

  const DesignState& design = Design();
  const Geometry rect = Of(design.materialRect);
  const StatePicture picture = design.normalPicture;
  const platform::Bytes fileBytes = design.materialFileBytes;
  AnswerDialog(std::nullopt);
  Click(kImportButton);
  EXPECT_EQ(Of(design.materialRect), rect);
  EXPECT_EQ(Boxes(), rect);
  EXPECT_EQ(design.normalPicture, picture);
  EXPECT_EQ(design.materialFileBytes, fileBytes);
  EXPECT_EQ(design.materialName, "主页");
  EXPECT_EQ(design.materialImage.GetWidth(), 48);

  ASSERT_EQ(requests_.size(), 2u);
  for (const platform::FileDialogRequest& request : requests_) {
    EXPECT_EQ(request.kind, 0);
    EXPECT_EQ(request.initialFolder, platform::DesktopFolder());
    EXPECT_EQ(request.filter,
              "PNG.JPG.GIF.BMP.DIB.ICO.CUR|*.png;*.jpg;*.gif;*.bmp;*.dib;*.ico;*.cur");
  }
}

TEST_F(MaterialImportTest, DeletingKeepsNamesAndPlacementAndRendersWithoutMaterial) {
  window().SetTicked(kLockBox, false);
  LoadMaterial(window(), Write("主页.png", testsupport::MakePicture(48, 48, kRed)));
  const DesignState& design = Design();
  const platform::Bytes fileBytes = design.materialFileBytes;
  ASSERT_FALSE(fileBytes.empty());

  Click(kDeleteButton);
  EXPECT_EQ(design.materialImage.GetWidth(), 0);
  EXPECT_EQ(design.materialPathStem, runDirectory() + "/主页");
  EXPECT_EQ(design.materialExtension, "png");
  EXPECT_EQ(design.materialName, "主页");
  EXPECT_EQ(design.materialFileBytes, fileBytes);
  EXPECT_EQ(Of(design.materialRect), (Geometry{48, 48, 76, 26}));
  EXPECT_EQ(Boxes(), (Geometry{48, 48, 76, 26}));
  ExpectRedExactlyIn({0, 0, 0, 0});
}

// What an import left behind, taken where the import ran.
struct ImportResult {
  Geometry rect{};
  Geometry boxes{};
  int imageWidth = -1;
  bool fileBytesEmpty = false;
};

ImportResult Inspect(platform::Window& window) {
  ImportResult result;
  result.rect = Of(Design().materialRect);
  result.boxes = BoxValues(window);
  result.imageWidth = Design().materialImage.GetWidth();
  result.fileBytesEmpty = Design().materialFileBytes.empty();
  return result;
}

// Root reads every file, so a file without read permission is imported by a child process
// that has given up root for the unprivileged user; it reports back through a pipe.
std::optional<ImportResult> DropAsUnprivilegedUser(platform::Window& window,
                                                   const std::string& path) {
  if (::geteuid() != 0) {
    OnMaterialDropped(window, path.c_str());
    return Inspect(window);
  }
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    OnMaterialDropped(window, path.c_str());
    const ImportResult result = Inspect(window);
    const bool sent = ::write(channel[1], &result, sizeof result) == sizeof result;
    ::_exit(sent ? 0 : 3);
  }
  ::close(channel[1]);
  ImportResult result;
  const bool received = child > 0 && ::read(channel[0], &result, sizeof result) == sizeof result;
  ::close(channel[0]);
  int status = 0;
  if (child > 0) ::waitpid(child, &status, 0);
  if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return result;
}

TEST_F(MaterialImportTest, UnreadableFileGivesAnEmptyRectangleAtTheCentreAndNoMaterial) {
  struct Case {
    const char* name;
    // Makes the file under the run directory and answers its path; nullptr drops no path.
    std::string (*make)(const std::string& folder);
    bool unprivileged;
  };
  const std::array<Case, 7> kCases{{
      {"missing", [](const std::string& f) { return f + "/missing.png"; }, false},
      {"a folder",
       [](const std::string& f) {
         std::filesystem::create_directory(f + "/folder.png");
         return f + "/folder.png";
       },
       false},
      {"empty", [](const std::string& f) { return testsupport::WriteFile(f, "empty.png", {}); },
       false},
      // Opening a pipe that nobody writes must not wait for a writer.
      {"a pipe",
       [](const std::string& f) {
         ::mkfifo((f + "/pipe.png").c_str(), 0600);
         return f + "/pipe.png";
       },
       false},
      {"absent path", nullptr, false},
      {"empty path", [](const std::string&) { return std::string(); }, false},
      {"no read permission",
       [](const std::string& f) {
         const std::string path =
             testsupport::WriteFile(f, "locked.png", testsupport::MakePicture(48, 48, kRed));
         ::chmod(path.c_str(), 0200);
         ::chmod(f.c_str(), 0711);  // the unprivileged user may pass through, not read
         return path;
       },
       true},
  }};
  window().SetTicked(kLockBox, false);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    // A material already in place must go: the failed import replaces it with none.
    LoadMaterial(window(), Write("before.png", testsupport::MakePicture(48, 48, kRed)));
    ASSERT_EQ(Design().materialImage.GetWidth(), 48);

    std::optional<ImportResult> result;
    if (c.make == nullptr) {
      OnMaterialDropped(window(), nullptr);
      result = Inspect(window());
    } else if (c.unprivileged) {
      result = DropAsUnprivilegedUser(window(), c.make(runDirectory()));
    } else {
      OnMaterialDropped(window(), c.make(runDirectory()).c_str());
      result = Inspect(window());
    }
    ASSERT_TRUE(result.has_value()) << "the unprivileged import did not report back";
    EXPECT_EQ(result->rect, (Geometry{0, 0, 100, 50}));
    EXPECT_EQ(result->boxes, (Geometry{0, 0, 100, 50}));
    EXPECT_EQ(result->imageWidth, 0);
    EXPECT_TRUE(result->fileBytesEmpty);
    if (!c.unprivileged) ExpectRedExactlyIn({0, 0, 0, 0});
  }
}

long PeakResidentKilobytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST_F(MaterialImportTest, PicturesOfEveryKindAreMeasuredAndDrawnOrRefusedSafely) {
  const testsupport::OddPictures& files = testsupport::OddPictures::Get();
  if (!files.error().empty()) GTEST_SKIP() << files.error();
  struct Case {
    const char* file;
    int width;
    int height;
    bool decoded;  // the imaging layer holds the picture
  };
  // Measuring and drawing are separate: only the measured size is placed, so a picture that
  // is decoded but not measured (TIFF) draws nothing, and one that is measured but not decoded
  // (PCX) leaves an empty rectangle of its size.
  const std::vector<Case> kCases{
      {"png-palette-transparent.png", 31, 17, true},
      {"png-16bit.png", 33, 19, true},
      {"png-grey.png", 35, 21, true},
      {"png-interlaced.png", 37, 25, true},
      {"jpeg-baseline.jpg", 41, 27, true},
      {"jpeg-progressive.jpg", 43, 29, true},
      {"jpeg-cmyk.jpg", 45, 31, true},
      {"gif-transparent.gif", 49, 35, true},
      {"gif-animated.gif", 51, 37, true},
      {"bmp-1bit.bmp", 53, 39, true},
      {"bmp-4bit.bmp", 53, 39, true},
      {"bmp-8bit.bmp", 53, 39, true},
      {"bmp-24bit.bmp", 53, 39, true},
      {"bmp-32bit.bmp", 53, 39, true},
      {"bmp-32bit-alpha.bmp", 53, 39, true},
      {"bmp-rle8.bmp", 53, 39, true},
      {"bmp-rle4.bmp", 6, 2, true},
      {"bmp-as-dib.dib", 53, 39, true},
      // Cut short: the rows that are there are drawn.
      {"bmp-truncated.bmp", 53, 39, true},
      {"ico-several-sizes.ico", 48, 48, true},
      {"ico-png-256.ico", 256, 256, true},
      {"cursor.cur", 32, 32, true},
      {"pcx-8bit.pcx", 55, 41, false},
      {"pcx-24bit.pcx", 55, 41, false},
      {"pcx-1bit.pcx", 57, 43, false},
      {"picture.tif", 0, 0, true},
      // Refused: not pictures, cut short, or claiming sizes no picture may have.
      {"picture.webp", 0, 0, false},
      {"text-named.png", 0, 0, false},
      {"random.bin", 0, 0, false},
      {"png-truncated.png", 0, 0, false},
      {"pcx-truncated.pcx", 0, 0, false},
      {"png-claims-100000x100000.png", 0, 0, false},
      {"png-claims-10000x10000.png", 0, 0, false},
      {"gif-claims-65535x65535.gif", 0, 0, false},
      {"pcx-claims-65535-wide.pcx", 0, 0, false},
  };
  window().SetTicked(kLockBox, false);
  Design().materialRect = {};
  RenderAllStates(window());
  const std::vector<unsigned> layerOnly = Decode(Design().normalPicture).pixels;
  const long peakBefore = PeakResidentKilobytes();

  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    OnMaterialDropped(window(), files.Path(c.file).c_str());
    const Geometry expected{c.width, c.height, (200 - c.width) / 2, (100 - c.height) / 2};
    EXPECT_EQ(Of(Design().materialRect), expected);
    EXPECT_EQ(Boxes(), expected);
    EXPECT_EQ(Design().materialImage.GetWidth() > 0, c.decoded);
    const bool drawn = c.decoded && c.width > 0;
    EXPECT_EQ(Decode(Design().normalPicture).pixels != layerOnly, drawn);
  }
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 200 * 1024)
      << "a picture claiming a huge size was allocated";
}

TEST_F(MaterialImportTest, AnimatedGifShowsItsFirstFrame) {
  const testsupport::OddPictures& files = testsupport::OddPictures::Get();
  if (!files.error().empty()) GTEST_SKIP() << files.error();
  // The first frame (20 x 10 at 5, 5) and the background of the 51 x 37 screen are red; the
  // second frame fills the screen blue.
  window().SetTicked(kLockBox, false);
  LoadMaterial(window(), files.Path("gif-animated.gif"));
  ASSERT_EQ(Of(Design().materialRect), (Geometry{51, 37, 74, 31}));
  const DecodedPicture picture = Decode(Design().normalPicture);
  ASSERT_TRUE(picture.valid);
  for (const auto& [x, y] : {std::pair{74 + 10, 31 + 10}, std::pair{74 + 40, 31 + 30}}) {
    EXPECT_EQ(picture.pixels[y * picture.width + x], kRed) << x << "," << y;
  }
}

TEST_F(MaterialImportTest, FilesThatBreakTheImagingLibraryAreDrawnRepeatedlyWithoutHarm) {
  const std::filesystem::path folder = testsupport::SourceDir() + "/tests/fixtures/hostile";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  window().SetTicked(kLockBox, false);
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    LoadMaterial(window(), entry.path().string());
    // The library was seen to fail on the second draw of such a picture.
    RenderAllStates(window());
    RenderAllStates(window());
    const DecodedPicture picture = Decode(Design().pressedPicture);
    EXPECT_TRUE(picture.valid);
    EXPECT_EQ(picture.width, 200);
  }
}

}  // namespace
}  // namespace design
