#include <QApplication>
#include <filesystem>
#include <regex>
#include <set>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/export.h"
#include "design/material_import.h"
#include "platform/runtime/files.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

namespace fs = std::filesystem;

class ExportTest : public testsupport::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window().SetTicked(kOpenAfterExportBox, false);
  }

  std::string Import(const char* name) {
    const std::string folder = runDirectory() + "/icons";
    fs::create_directories(folder);
    const std::string path =
        testsupport::WriteFile(folder, name, testsupport::MakePicture(48, 48, 0xFF00FF00));
    LoadMaterial(window(), path);
    return path;
  }

  std::set<std::string> ExportedNames() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(exportFolder())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  platform::Bytes Exported(const std::string& name) const {
    return platform::ReadWholeFile(exportFolder() + "/" + name);
  }

  void ExpectFilesHoldThePictures(const std::string& stem, const std::string& extension) {
    DesignState& design = Design();
    for (const ButtonStateControls& row : kButtonStates) {
      const std::string name = stem + row.exportSuffix + extension;
      EXPECT_EQ(Exported(name), PictureOf(design, static_cast<int>(row.state))) << name;
    }
  }
};

TEST_F(ExportTest, TheExportFolderExistsAfterStartUp) {
  EXPECT_TRUE(fs::is_directory(exportFolder()));
}

TEST_F(ExportTest, FilesAreNamedAfterTheMaterialAndHoldTheStatePictures) {
  struct Case {
    const char* file;
    const char* extension;
  };
  for (const Case c : {Case{"home.png", "png"}, Case{"home.jpg", "jpg"}}) {
    fs::remove_all(exportFolder());
    Import(c.file);
    OnExportClicked(window());
    OnExportClicked(window());  // a second export overwrites the same three files
    EXPECT_EQ(ExportedNames(), (std::set<std::string>{std::string("home_普通.") + c.extension,
                                                      std::string("home_点燃.") + c.extension,
                                                      std::string("home_按下.") + c.extension}))
        << c.file;
    ExpectFilesHoldThePictures("home", c.extension);
    // Whatever the extension says, the content is PNG.
    const platform::Bytes normal = Exported(std::string("home_普通.") + c.extension);
    ASSERT_GE(normal.size(), 8u);
    EXPECT_EQ(normal[1], 'P');
    EXPECT_EQ(normal[2], 'N');
    EXPECT_EQ(normal[3], 'G');
  }
}

TEST_F(ExportTest, WithoutMaterialTheFirstExportIsNamedAfterTheTimeAndTheNextAfterNothing) {
  OnExportClicked(window());
  const std::set<std::string> first = ExportedNames();
  ASSERT_EQ(first.size(), 3u);
  const std::regex dated("([1-9][0-9]*)-([1-9][0-9]?)-([1-9][0-9]?)_(0|[1-9][0-9]?)-(0|[1-9][0-9]?)-(0|[1-9][0-9]?)_(普通|点燃|按下)\\.png");
  for (const std::string& name : first) EXPECT_TRUE(std::regex_match(name, dated)) << name;

  OnExportClicked(window());
  for (const char* name : {"_普通.png", "_点燃.png", "_按下.png"}) {
    EXPECT_TRUE(fs::exists(exportFolder() + "/" + name)) << name;
  }
  ExpectFilesHoldThePictures("", "png");
}

TEST_F(ExportTest, AfterDeletingTheMaterialItsNameIsStillUsed) {
  Import("home.png");
  OnDeleteMaterialClicked(window());
  OnExportClicked(window());
  EXPECT_TRUE(ExportedNames().count("home_普通.png"));
}

TEST_F(ExportTest, TheFolderIsShownWithTheNormalFileOnlyWhenTheOptionIsTicked) {
  Import("home.png");
  OnExportClicked(window());
  EXPECT_TRUE(shownItems.empty());

  window().SetTicked(kOpenAfterExportBox, true);
  Click(kExportButton);  // the real button, through its wiring
  ASSERT_EQ(shownItems.size(), 1u);
  EXPECT_EQ(shownItems[0], exportFolder() + "/home_普通.png");
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndTheOthersAreStillWritten) {
  Import("home.png");
  // A folder standing where the Lit file goes cannot be replaced by a file, even by root.
  fs::create_directories(exportFolder() + "/home_点燃.png");
  OnExportClicked(window());
  EXPECT_EQ(Exported("home_普通.png"), Design().normalPicture);
  EXPECT_EQ(Exported("home_按下.png"), Design().pressedPicture);
  const std::string report = window().Text(kExportResultLabel);
  EXPECT_NE(report.find("home_点燃.png"), std::string::npos) << report;
  EXPECT_EQ(report.find("home_普通.png"), std::string::npos) << report;

  // Once every file is written again, nothing is shown.
  fs::remove_all(exportFolder() + "/home_点燃.png");
  OnExportClicked(window());
  EXPECT_EQ(window().Text(kExportResultLabel), "");
}

TEST_F(ExportTest, AnExportFolderThatCannotExistWritesNothingAndSaysSo) {
  Import("home.png");
  fs::remove_all(exportFolder());
  testsupport::WriteFile(runDirectory(), "导出图片", {'x'});  // a file where the folder goes
  window().SetTicked(kOpenAfterExportBox, true);
  OnExportClicked(window());
  const std::string report = window().Text(kExportResultLabel);
  for (const char* name : {"home_普通.png", "home_点燃.png", "home_按下.png"}) {
    EXPECT_NE(report.find(name), std::string::npos) << report;
  }
  EXPECT_TRUE(shownItems.empty());
}

TEST_F(ExportTest, AnExportFolderRemovedWhileRunningIsMadeAgain) {
  Import("home.png");
  fs::remove_all(exportFolder());
  OnExportClicked(window());
  EXPECT_EQ(Exported("home_普通.png"), Design().normalPicture);
}

}  // namespace
}  // namespace design
