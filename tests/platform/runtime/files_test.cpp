#include "platform/runtime/files.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/platform/runtime/runtime_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace {

using platform::Bytes;
using platform::ReadWholeFile;
using platform::WriteWholeFile;
using runtimetest::FolderNames;
using runtimetest::ReadRaw;
using runtimetest::WriteRaw;

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

class FilesTest : public testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return run_.path() + "/" + name; }

  testsupport::TempRunDirectory run_;
};

TEST_F(FilesTest, ReadsBinaryContentWhole) {
  const std::string content("\x89PNG\r\n\x1a\n\0\0\xff", 11);
  WriteRaw(PathOf("picture.png"), content);
  EXPECT_EQ(ReadWholeFile(PathOf("picture.png")), BytesOf(content));
  EXPECT_EQ(platform::ReadFileContent(PathOf("picture.png")).state,
            platform::FileContent::State::kRead);
}

TEST_F(FilesTest, AnythingButARegularFileReadsEmptyWithoutBlocking) {
  std::filesystem::create_directory(PathOf("folder"));
  ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
  // A sparse file past the read limit takes no disk space but would take the memory.
  WriteRaw(PathOf("huge"), "");
  ASSERT_EQ(::truncate(PathOf("huge").c_str(), platform::kReadableFileLimit + 1), 0);
  using State = platform::FileContent::State;
  struct Case {
    std::string path;
    State state;
  };
  // A pipe with no writer would block a plain open for ever; /dev/zero would never end.
  const Case cases[] = {
      {PathOf("missing"), State::kMissing},   {PathOf("missing/below"), State::kMissing},
      {PathOf("folder"), State::kUnreadable}, {PathOf("pipe"), State::kUnreadable},
      {"/dev/zero", State::kUnreadable},      {"", State::kMissing},
      {PathOf("huge"), State::kUnreadable},
  };
  for (const Case& c : cases) {
    const platform::FileContent content = platform::ReadFileContent(c.path);
    EXPECT_EQ(content.state, c.state) << c.path;
    EXPECT_TRUE(content.bytes.empty()) << c.path;
    EXPECT_TRUE(ReadWholeFile(c.path).empty()) << c.path;
  }
}

TEST_F(FilesTest, WriteCreatesAndReplacesLeavingNoTemporaryFile) {
  const std::string path = PathOf("导出.png");
  ASSERT_TRUE(WriteWholeFile(path, BytesOf("first, longer content")));
  ASSERT_TRUE(WriteWholeFile(path, BytesOf("second")));
  EXPECT_EQ(ReadRaw(path), "second");
  ASSERT_TRUE(WriteWholeFile(path, Bytes()));
  EXPECT_EQ(ReadRaw(path), "");
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"导出.png"});
}

TEST_F(FilesTest, ReplacingKeepsTheFilesPermissionsAndSymbolicLinks) {
  const std::string path = PathOf("setsoft.ini");
  WriteRaw(path, "old");
  ::chmod(path.c_str(), 0640);
  std::filesystem::create_symlink(path, PathOf("link.ini"));

  ASSERT_TRUE(WriteWholeFile(PathOf("link.ini"), BytesOf("new")));
  EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link.ini")));
  EXPECT_EQ(ReadRaw(path), "new");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(FilesTest, WriteFailsForEmptyPathMissingFolderOrFolderInPlace) {
  std::filesystem::create_directory(PathOf("folder"));
  for (const std::string& path : {std::string(), PathOf("missing/file"), PathOf("folder")}) {
    EXPECT_FALSE(WriteWholeFile(path, BytesOf("x"))) << path;
  }
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("folder")));
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"folder"});
}

TEST_F(FilesTest, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
  const std::string folder = PathOf("data");
  const std::string path = folder + "/setsoft.ini";
  std::filesystem::create_directory(folder);
  WriteRaw(path, "old content");
  ::chmod(run_.path().c_str(), 0755);  // reachable by the unprivileged child
  ::chmod(folder.c_str(), 0555);

  const int result =
      runtimetest::RunUnprivileged([&] { return WriteWholeFile(path, BytesOf("new")) ? 1 : 0; });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadRaw(path), "old content");
  EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"setsoft.ini"});
}

TEST_F(FilesTest, AFileItsOwnerMadeReadOnlyIsNotReplaced) {
  const std::string path = PathOf("setsoft.ini");
  WriteRaw(path, "old content");
  ::chmod(run_.path().c_str(), 0777);  // the folder itself may be written by the child
  ::chmod(path.c_str(), 0444);

  const int result =
      runtimetest::RunUnprivileged([&] { return WriteWholeFile(path, BytesOf("new")) ? 1 : 0; });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadRaw(path), "old content");
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"setsoft.ini"});
}

// Lowers the file-size limit so that writes fail part-way, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(FilesTest, WriteThatRunsOutOfSpaceKeepsTheOldFileAndCleansUp) {
  const std::string path = PathOf("picture.png");
  WriteRaw(path, "old content");
  bool written = true;
  {
    FileSizeLimit limit(1000);
    written = WriteWholeFile(path, Bytes(5000, 0xAB));
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadRaw(path), "old content");
  EXPECT_EQ(FolderNames(run_.path()), std::vector<std::string>{"picture.png"});
}

}  // namespace
