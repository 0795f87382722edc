#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/runtime/profile.h"
#include "tests/platform/runtime/runtime_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace {

using platform::kProfileReadLimit;
using platform::ReadProfileString;
using runtimetest::WriteRaw;

class ProfileReadTest : public testing::Test {
 protected:
  testsupport::TempRunDirectory run_;
  const std::string path_ = run_.path() + "/setsoft.ini";
};

TEST_F(ProfileReadTest, FollowsTheProfileRules) {
  struct Case {
    const char* name;
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::string_view expected;  // the default is always "DEF"
  };
  const Case cases[] = {
      {"plain", "[颜色选择器]\n颜色选择器_统一_幕布=255\n", "颜色选择器", "颜色选择器_统一_幕布",
       "255"},
      {"missing key", "[s]\nk=1\n", "s", "other", "DEF"},
      {"missing section", "[s]\nk=1\n", "t", "k", "DEF"},
      {"present but empty", "[s]\nk=\n", "s", "k", ""},
      {"line without equals", "[s]\nk\n", "s", "k", ""},
      {"ascii case ignored", "[Colours]\nBackDrop=5\n", "cOLOURS", "BACKDROP", "5"},
      {"blanks around names and values", "  [ s ]  \n\t k \t= \t v w \t\n", "s", "k", "v w"},
      {"blanks around the asked names", "[s]\nk=1\n", " s\t", "\tk ", "1"},
      {"control characters before asked names", "[s]\nk=1\n", "\x01\x1fs", "\x7fk", "1"},
      {"quotes stripped", "[s]\nk=\"  a b  \"\n", "s", "k", "  a b  "},
      {"one pair of quotes only", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
      {"lone quote kept", "[s]\nk=\"\n", "s", "k", "\""},
      {"unbalanced quote kept", "[s]\nk=\"abc\n", "s", "k", "\"abc"},
      {"equals inside value", "[s]\nk=a=b\n", "s", "k", "a=b"},
      {"first of repeated keys", "[s]\nk=1\nk=2\n", "s", "k", "1"},
      {"key belongs to its section", "[a]\nk=1\n[b]\nj=2\n", "b", "k", "DEF"},
      {"comments are no keys", "[s]\n;k=1\n#k=2\n", "s", "k", "DEF"},
      {"keys before any section", "k=1\n[s]\n", "s", "k", "DEF"},
      {"crlf lines", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
      {"last line without break", "[s]\nk=v", "s", "k", "v"},
      {"byte-order mark", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},
      {"empty file", "", "s", "k", "DEF"},
  };
  for (const Case& c : cases) {
    WriteRaw(path_, c.file);
    EXPECT_EQ(ReadProfileString(path_, c.section, c.key, "DEF"), c.expected) << c.name;
  }
}

TEST_F(ProfileReadTest, MissingOrUnusableFileGivesTheDefault) {
  EXPECT_EQ(ReadProfileString(path_, "s", "k", "15527148"), "15527148");
  EXPECT_EQ(ReadProfileString(run_.path(), "s", "k", "15527148"), "15527148");
  EXPECT_EQ(ReadProfileString(run_.path() + "/missing/x.ini", "s", "k", "0"), "0");
}

TEST_F(ProfileReadTest, NamesThatAreOnlyBlanksGiveEmptyNotTheDefault) {
  WriteRaw(path_, "[s]\nk=1\n");
  EXPECT_EQ(ReadProfileString(path_, " \t", "k", "DEF"), "");
  EXPECT_EQ(ReadProfileString(path_, "s", "", "DEF"), "");
  EXPECT_EQ(ReadProfileString(" \x01", "s", "k", "DEF"), "");
  EXPECT_EQ(ReadProfileString("  " + path_, "s", "k", "DEF"), "1");
}

TEST_F(ProfileReadTest, LongValuesAreCutAtTheReadLimitOnACharacterBoundary) {
  std::string chineseValue = "a";
  for (int i = 0; i < 5000; ++i) chineseValue += "中";
  WriteRaw(path_, "[s]\nascii=" + std::string(20000, 'x') + "\nchinese=" + chineseValue + "\n");
  EXPECT_EQ(ReadProfileString(path_, "s", "ascii", ""), std::string(kProfileReadLimit, 'x'));

  // 1 + 3n bytes: the limit falls inside a character, which is left out whole.
  const std::string chinese = ReadProfileString(path_, "s", "chinese", "");
  EXPECT_EQ(chinese.size(), 10237u);
  EXPECT_TRUE(chinese.ends_with("中"));
  EXPECT_EQ(ReadProfileString(path_, "s", "missing", std::string(20000, 'd')).size(),
            static_cast<std::size_t>(kProfileReadLimit));
}

TEST_F(ProfileReadTest, FileThatIsNotUtf8IsReadAsGb18030) {
  WriteRaw(path_, runtimetest::kGb18030Settings);
  EXPECT_EQ(ReadProfileString(path_, "颜色选择器", "颜色选择器_统一_幕布", "DEF"), "中文值");
}

}  // namespace
