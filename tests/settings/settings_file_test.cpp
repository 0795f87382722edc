#include <QApplication>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/material_import.h"
#include "platform/runtime/files.h"
#include "settings/colour_settings.h"
#include "settings/control_snapshot.h"
#include "tests/support/main_window_fixture.h"

namespace settings {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kLayerGrey = 15527148;

// The lines of a file, without line ends.
std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SectionsOf(const std::string& path) {
  std::vector<std::string> sections;
  for (const std::string& line : Lines(path)) {
    if (!line.empty() && line.front() == '[') sections.push_back(line.substr(1, line.size() - 2));
  }
  return sections;
}

// The key=value lines of one section, in file order.
std::vector<std::string> EntriesOf(const std::string& path, const std::string& section) {
  std::vector<std::string> entries;
  bool inside = false;
  for (const std::string& line : Lines(path)) {
    if (!line.empty() && line.front() == '[') {
      inside = line == "[" + section + "]";
    } else if (inside && !line.empty()) {
      entries.push_back(line);
    }
  }
  return entries;
}

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class SettingsTest : public testsupport::MainWindowTest {};

TEST_F(SettingsTest, FirstStartUsesTheFormValuesAndClosingWritesAFileFromScratch) {
  for (const ColourSetting& setting : kColourSettings) {
    EXPECT_EQ(window().Colour(setting.picker), setting.picker == kColourSettings[0].picker ? 0u : kLayerGrey)
        << setting.picker;
  }
  EXPECT_EQ(window().FillColour(design::kBackdrop), 0u);
  EXPECT_TRUE(fs::is_directory(runDirectory() + "/data"));
  EXPECT_TRUE(fs::is_directory(exportFolder()));
  EXPECT_FALSE(fs::exists(settingsFile()));

  CloseWindow();
  EXPECT_EQ(SectionsOf(settingsFile()), (std::vector<std::string>{"选择框", "编辑框", "颜色选择器"}));
  EXPECT_EQ(EntriesOf(settingsFile(), "选择框"),
            (std::vector<std::string>{"选择框_锁定宽高XY=真", "选择框_导出后打开所在目录=真",
                                      "选择框_按下图片_继承统一设置=真",
                                      "选择框_点燃图片_继承统一设置=真",
                                      "选择框_普通图片_继承统一设置=真"}));
  EXPECT_EQ(EntriesOf(settingsFile(), "编辑框"),
            (std::vector<std::string>{"编辑框_统一_图层高=100", "编辑框_统一_图层宽=200",
                                      "编辑框_素材_高=100", "编辑框_素材_宽=200",
                                      "编辑框_素材_x=200", "编辑框_素材_y=100",
                                      "编辑框_按下图片_透明度=110", "编辑框_点燃图片_透明度=160",
                                      "编辑框_普通图片_透明度=255"}));
  EXPECT_EQ(EntriesOf(settingsFile(), "颜色选择器"),
            (std::vector<std::string>{"颜色选择器_统一_幕布=0", "颜色选择器_统一_图层=15527148",
                                      "颜色选择器_普通图片=15527148", "颜色选择器_点燃图片=15527148",
                                      "颜色选择器_按下图片=15527148"}));
}

TEST_F(SettingsTest, ChangesComeBackAfterARestart) {
  window().SetTicked("选择框_点燃图片_继承统一设置", false);
  window().SetTicked(design::kLockBox, false);
  window().SetText(design::kLayerWidthBox, "240");
  window().SetText(design::kLayerHeightBox, "60");
  window().SetText("编辑框_普通图片_透明度", "12.7");
  window().SetColour("颜色选择器_统一_幕布", 0x00FF8000);
  window().SetColour("颜色选择器_点燃图片", 0x00123456);
  RestartWindow();

  EXPECT_FALSE(window().Ticked("选择框_点燃图片_继承统一设置"));
  EXPECT_FALSE(window().Ticked(design::kLockBox));
  EXPECT_TRUE(window().Ticked("选择框_普通图片_继承统一设置"));
  EXPECT_EQ(window().Text("编辑框_普通图片_透明度"), "12.7");
  EXPECT_EQ(window().Colour("颜色选择器_点燃图片"), 0x00123456u);
  EXPECT_EQ(window().FillColour(design::kBackdrop), 0x00FF8000u);
  EXPECT_EQ(window().BackgroundColour(design::kDemoGroup), 0x00FF8000u);
  // The restored layer size is the one applied to the canvases and the demonstration buttons.
  for (const char* control : design::kLayerSizedControls) {
    EXPECT_EQ(window().Width(control), 240) << control;
    EXPECT_EQ(window().Height(control), 60) << control;
  }
  EXPECT_EQ(testsupport::Decode(design::Design().normalPicture).width, 240);
}

TEST_F(SettingsTest, ValuesAreReadAsTheSettingsFileSaysThem) {
  CloseWindow();
  WriteText(settingsFile(),
            "[选择框]\n"
            "选择框_锁定宽高XY=0\n"           // any value but 假 ticks
            "选择框_点燃图片_继承统一设置=假\n"
            "选择框_普通图片_继承统一设置=\n"  // empty: the form state stays
            "选择框_不存在=假\n"               // no such control: ignored
            "[编辑框]\n"
            "编辑框_素材_x=say #引号hi#引号\n"
            "编辑框_素材_y=a><br><b\n"
            "[颜色选择器]\n"
            "颜色选择器_统一_幕布=255\n"
            "颜色选择器_统一_图层=\n"
            "颜色选择器_普通图片=12abc\n");
  OpenWindow();
  EXPECT_TRUE(window().Ticked(design::kLockBox));
  EXPECT_FALSE(window().Ticked("选择框_点燃图片_继承统一设置"));
  EXPECT_TRUE(window().Ticked("选择框_普通图片_继承统一设置"));
  EXPECT_EQ(window().Text("编辑框_素材_x"), "say \"hi\"");
  EXPECT_EQ(window().Text("编辑框_素材_y"), "a\r\nb");
  EXPECT_EQ(window().Text(design::kLayerWidthBox), "200");  // no key: the form text
  EXPECT_EQ(window().FillColour(design::kBackdrop), 255u);   // red
  EXPECT_EQ(window().Colour("颜色选择器_统一_图层"), 0u);    // present but empty: black
  EXPECT_EQ(window().Colour("颜色选择器_普通图片"), 12u);
  EXPECT_EQ(window().Colour("颜色选择器_按下图片"), kLayerGrey);  // missing: the default
}

TEST_F(SettingsTest, AnExclusionListLeavesItsKeysAsTheyWere) {
  CloseWindow();
  WriteText(settingsFile(), "[编辑框]\n编辑框_素材_x=7\n编辑框_素材_y=8\n");
  OpenWindow();
  window().SetText("编辑框_素材_x", "70");
  window().SetText("编辑框_素材_y", "80");
  window().SetText("编辑框_素材_宽", "90");
  std::string path;
  EXPECT_EQ(SaveEditBoxTexts(window(), path, "编辑框_素材_x|编辑框_素材_y"), 9);
  EXPECT_EQ(path, settingsFile());
  const std::vector<std::string> entries = EntriesOf(settingsFile(), "编辑框");
  EXPECT_NE(std::find(entries.begin(), entries.end(), "编辑框_素材_x=7"), entries.end());
  EXPECT_NE(std::find(entries.begin(), entries.end(), "编辑框_素材_y=8"), entries.end());
  EXPECT_NE(std::find(entries.begin(), entries.end(), "编辑框_素材_宽=90"), entries.end());
  EXPECT_EQ(entries.size(), 9u);
}

TEST_F(SettingsTest, ASettingsFileInTheWindowsChineseCodePageIsRead) {
  CloseWindow();
  WriteText(runDirectory() + "/utf8.ini",
            "[选择框]\r\n选择框_锁定宽高XY=假\r\n[编辑框]\r\n编辑框_素材_x=#引号中文#引号\r\n");
  fs::create_directories(runDirectory() + "/data");
  const std::string command = "iconv -f UTF-8 -t CP936 '" + runDirectory() + "/utf8.ini' > '" +
                              settingsFile() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  OpenWindow();
  EXPECT_FALSE(window().Ticked(design::kLockBox));
  EXPECT_EQ(window().Text("编辑框_素材_x"), "\"中文\"");
}

TEST_F(SettingsTest, AnUnusableSettingsFileLeavesTheDefaults) {
  struct Case {
    const char* what;
    void (*make)(const std::string& path);
  };
  const Case kCases[] = {
      {"binary junk",
       [](const std::string& path) {
         std::string junk;
         for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919) & 0xFF));
         WriteText(path, junk);
       }},
      {"a folder", [](const std::string& path) { fs::create_directories(path); }},
      {"one megabyte line", [](const std::string& path) { WriteText(path, std::string(1 << 20, 'x')); }},
  };
  for (const Case& c : kCases) {
    CloseWindow();
    fs::remove_all(settingsFile());
    c.make(settingsFile());
    OpenWindow();
    EXPECT_EQ(window().Text(design::kLayerWidthBox), "200") << c.what;
    EXPECT_TRUE(window().Ticked(design::kLockBox)) << c.what;
    EXPECT_EQ(window().Colour("颜色选择器_统一_图层"), kLayerGrey) << c.what;
  }
  fs::remove_all(settingsFile());
}

TEST_F(SettingsTest, ASettingsFileThatCannotBeWrittenAtShutDownKeepsThePreviousOne) {
  CloseWindow();
  const std::string previous = "[编辑框]\n编辑框_统一_图层宽=123\n";
  WriteText(settingsFile(), previous);
  OpenWindow();
  window().SetText(design::kLayerWidthBox, "456");

  // A disk that is full: no new file can be written whole (permissions would not stop root).
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = previous.size() / 2;
  setrlimit(RLIMIT_FSIZE, &small);
  CloseWindow();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  std::stringstream content;
  content << std::ifstream(settingsFile(), std::ios::binary).rdbuf();
  EXPECT_EQ(content.str(), previous);
  for (const auto& entry : fs::directory_iterator(runDirectory() + "/data")) {
    EXPECT_EQ(entry.path().filename(), "setsoft.ini") << "left behind: " << entry.path();
  }
  OpenWindow();
}

TEST_F(SettingsTest, ARunDirectoryThatCannotBeMadeLeavesEverythingWorkingButUnsaved) {
  CloseWindow();
  testsupport::WriteFile(runDirectory(), "a-file", {'x'});
  const std::string unusable = runDirectory() + "/a-file/brelvane";
  setenv("BRELVANE_HOME", unusable.c_str(), 1);
  OpenWindow();
  EXPECT_FALSE(design::Design().normalPicture.empty());
  window().SetText(design::kLayerWidthBox, "240");
  CloseWindow();
  EXPECT_FALSE(fs::exists(unusable));
  setenv("BRELVANE_HOME", runDirectory().c_str(), 1);
  OpenWindow();
  EXPECT_EQ(window().Text(design::kLayerWidthBox), "200");
}

}  // namespace
}  // namespace settings
