#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/runtime/profile.h"
#include "tests/platform/runtime/runtime_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace {

using platform::ReadProfileString;
using platform::WriteProfileString;
using runtimetest::FolderNames;
using runtimetest::ReadRaw;
using runtimetest::WriteRaw;

class ProfileWriteTest : public testing::Test {
 protected:
  testsupport::TempRunDirectory run_;
  const std::string path_ = run_.path() + "/setsoft.ini";
};

constexpr std::string_view kSettings =
    "; Brelvane settings\n"
    "[选择框]\n"
    "选择框_锁定宽高XY=真\n"
    "\n"
    "; the edit boxes\n"
    "[编辑框]\n"
    "编辑框_统一_图层宽 = 200\n"
    "编辑框_统一_图层高=100\n"
    "\n";

TEST_F(ProfileWriteTest, ChangesOnlyTheLineConcerned) {
  struct Case {
    const char* name;
    std::string_view before;
    std::string_view section;
    std::string_view key;
    std::string_view value;
    std::string_view after;
  };
  const Case cases[] = {
      {"replaced in place", kSettings, "编辑框", "编辑框_统一_图层宽", "300",
       "; Brelvane settings\n[选择框]\n选择框_锁定宽高XY=真\n\n; the edit boxes\n[编辑框]\n"
       "编辑框_统一_图层宽=300\n编辑框_统一_图层高=100\n\n"},
      {"new key after the section's last key", kSettings, "选择框", "选择框_导出后打开所在目录",
       "假",
       "; Brelvane settings\n[选择框]\n选择框_锁定宽高XY=真\n选择框_导出后打开所在目录=假\n\n"
       "; the edit boxes\n[编辑框]\n编辑框_统一_图层宽 = 200\n编辑框_统一_图层高=100\n\n"},
      {"new section at the end", kSettings, "颜色选择器", "颜色选择器_统一_幕布", "0",
       "; Brelvane settings\n[选择框]\n选择框_锁定宽高XY=真\n\n; the edit boxes\n[编辑框]\n"
       "编辑框_统一_图层宽 = "
       "200\n编辑框_统一_图层高=100\n\n[颜色选择器]\n颜色选择器_统一_幕布=0\n"},
      {"key spelling in the file kept", "[Size]\nWidth=1\n", "size", "WIDTH", "2",
       "[Size]\nWidth=2\n"},
      {"empty section gets its first key", "[a]\n[b]\nk=1\n", "a", "k", "2",
       "[a]\nk=2\n[b]\nk=1\n"},
      {"last line without break", "[s]\nk=1", "s", "j", "2", "[s]\nk=1\nj=2\n"},
      {"new section after text without break", "[s]\nk=1", "t", "j", "2", "[s]\nk=1\n\n[t]\nj=2\n"},
      {"crlf file stays crlf", "[s]\r\nk=1\r\n", "s", "j", "2", "[s]\r\nk=1\r\nj=2\r\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "2", "\xEF\xBB\xBF[s]\nk=2\n"},
      {"lines before any section kept", "k=1\n", "s", "k", "2", "k=1\n\n[s]\nk=2\n"},
      {"blanks around given names dropped", "", " s ", "\tk ", "v", "[s]\nk=v\n"},
      {"empty value", "[s]\nk=1\n", "s", "k", "", "[s]\nk=\n"},
  };
  for (const Case& c : cases) {
    WriteRaw(path_, c.before);
    EXPECT_TRUE(WriteProfileString(path_, c.section, c.key, c.value)) << c.name;
    EXPECT_EQ(ReadRaw(path_), c.after) << c.name;
  }
}

TEST_F(ProfileWriteTest, CreatesTheFileAndReadsBackWhatItWrote) {
  ASSERT_TRUE(WriteProfileString(path_, "编辑框", "编辑框_素材_x", "-25"));
  ASSERT_TRUE(WriteProfileString(path_, "编辑框", "编辑框_素材_y", "#引号><br><"));
  ASSERT_TRUE(WriteProfileString(path_, "选择框", "选择框_锁定宽高XY", "真"));
  EXPECT_EQ(
      ReadRaw(path_),
      "[编辑框]\n编辑框_素材_x=-25\n编辑框_素材_y=#引号><br><\n\n[选择框]\n选择框_锁定宽高XY=真\n");
  EXPECT_EQ(ReadProfileString(path_, "编辑框", "编辑框_素材_y", ""), "#引号><br><");
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"setsoft.ini"});
}

TEST_F(ProfileWriteTest, FailsWithoutTouchingAnythingWhenTheFileCannotBeWritten) {
  std::filesystem::create_directory(run_.path() + "/folder");
  EXPECT_FALSE(WriteProfileString(run_.path() + "/missing/setsoft.ini", "s", "k", "v"));
  EXPECT_FALSE(WriteProfileString(run_.path() + "/folder", "s", "k", "v"));
  EXPECT_FALSE(WriteProfileString("", "s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(run_.path() + "/folder"));
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"folder"});
}

TEST_F(ProfileWriteTest, RefusesTextsThatWouldReadBackAsOtherLines) {
  WriteRaw(path_, kSettings);
  struct Case {
    const char* name;
    std::string_view section;
    std::string_view key;
    std::string_view value;
  };
  const Case cases[] = {
      {"line break in value", "s", "k", "1\n[other]\nk=2"},
      {"carriage return in value", "s", "k", "1\r2"},
      {"nul in value", "s", "k", std::string_view("1\0002", 3)},
      {"line break in key", "s", "k\nj", "1"},
      {"line break in section", "s]\n[t", "k", "1"},
      {"equals in key", "s", "k=j", "1"},
      {"key read as a section", "s", "[t]", "1"},
      {"key read as a comment", "s", ";k", "1"},
      {"empty key", "s", "  ", "1"},
      {"empty section", "", "k", "1"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(WriteProfileString(path_, c.section, c.key, c.value)) << c.name;
  }
  EXPECT_EQ(ReadRaw(path_), kSettings);
}

TEST_F(ProfileWriteTest, UnchangedValueLeavesTheFileUntouched) {
  WriteRaw(path_, kSettings);
  struct stat before {};
  ::stat(path_.c_str(), &before);
  ASSERT_TRUE(WriteProfileString(path_, "编辑框", "编辑框_统一_图层高", "100"));
  struct stat after {};
  ::stat(path_.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(ProfileWriteTest, Gb18030FileIsRewrittenAsUtf8WithItsContent) {
  WriteRaw(path_, runtimetest::kGb18030Settings);
  ASSERT_TRUE(WriteProfileString(path_, "颜色选择器", "颜色选择器_普通图片", "255"));
  EXPECT_EQ(ReadRaw(path_),
            "[颜色选择器]\r\n颜色选择器_统一_幕布=中文值\r\n颜色选择器_普通图片=255\r\n");
}

}  // namespace
