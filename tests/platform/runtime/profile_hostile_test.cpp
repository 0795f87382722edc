#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "platform/runtime/profile.h"
#include "tests/platform/runtime/runtime_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace {

using platform::kProfileReadLimit;
using platform::ReadProfileString;
using platform::WriteProfileString;
using runtimetest::ReadRaw;
using runtimetest::WriteRaw;

class ProfileHostileTest : public testing::Test {
 protected:
  testsupport::TempRunDirectory run_;
  const std::string path_ = run_.path() + "/setsoft.ini";
};

std::string BinaryJunk(std::size_t size) {
  std::mt19937 random(20240611);
  std::string junk(size, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  return junk;
}

TEST_F(ProfileHostileTest, MalformedFilesGiveDefaultsAndStayWritable) {
  const std::string megabyteLine(1 << 20, 'q');
  struct Case {
    const char* name;
    std::string file;
  };
  const Case cases[] = {
      {"binary junk", BinaryJunk(64 * 1024)},
      {"nul bytes", std::string(4096, '\0')},
      {"no sections", "k=1\nj=2\n"},
      {"one megabyte line", megabyteLine},
      {"unterminated section headers", "[[[[\n[\n]\n[]=\n===\n"},
      {"only line breaks", std::string(100000, '\n')},
      {"stray carriage returns", "\r\r\r[s\r]\rk\r=\r"},
  };
  for (const Case& c : cases) {
    WriteRaw(path_, c.file);
    EXPECT_EQ(ReadProfileString(path_, "s", "k", "DEF"), "DEF") << c.name;
    EXPECT_TRUE(WriteProfileString(path_, "s", "k", "v")) << c.name;
    EXPECT_EQ(ReadProfileString(path_, "s", "k", "DEF"), "v") << c.name;
  }
}

TEST_F(ProfileHostileTest, HugeLinesAreReadAndKeptWhole) {
  const std::string megabyteLine(1 << 20, 'q');
  WriteRaw(path_, megabyteLine + "\n[s]\nk=" + megabyteLine + "\n");
  EXPECT_EQ(ReadProfileString(path_, "s", "k", ""), std::string(kProfileReadLimit, 'q'));
  ASSERT_TRUE(WriteProfileString(path_, "s", "j", "1"));
  EXPECT_EQ(ReadRaw(path_), megabyteLine + "\n[s]\nk=" + megabyteLine + "\nj=1\n");
}

TEST_F(ProfileHostileTest, SomethingOtherThanAFileInItsPlaceIsLeftAlone) {
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  EXPECT_EQ(ReadProfileString(path_, "s", "k", "DEF"), "DEF");
  EXPECT_FALSE(WriteProfileString(path_, "s", "k", "v"));
  struct stat info {};
  ASSERT_EQ(::stat(path_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  EXPECT_EQ(ReadProfileString("/dev/zero", "s", "k", "DEF"), "DEF");
}

}  // namespace
