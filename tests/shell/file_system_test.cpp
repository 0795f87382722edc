#include "shell/file_system.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_run_directory.h"

namespace {

namespace fs = std::filesystem;

class FileSystemTest : public testing::Test {
 protected:
  ~FileSystemTest() override { shell::SetShowItemInFolder(nullptr); }

  std::string Under(const std::string& name) const { return run.path() + "/" + name; }
  std::string MakeFile(const std::string& name) const {
    std::ofstream(Under(name)) << "x";
    return Under(name);
  }

  testsupport::TempRunDirectory run;
};

TEST_F(FileSystemTest, EnsureDirectoryCreatesEveryLevelWithOrWithoutFinalSlash) {
  for (const char* ending : {"", "/"}) {
    const std::string top = Under("top");
    fs::remove_all(top);
    const std::string path = top + "/导出图片" + ending;
    EXPECT_TRUE(shell::EnsureDirectory(path)) << path;
    EXPECT_TRUE(fs::is_directory(top + "/导出图片")) << path;
    EXPECT_TRUE(shell::EnsureDirectory(path)) << path << " existing";
  }
  EXPECT_TRUE(shell::EnsureDirectory(""));  // the root
}

TEST_F(FileSystemTest, EnsureDirectoryFailsWhereNoFolderCanBe) {
  const std::string file = MakeFile("plain");
  const std::array<std::string, 3> kImpossible{file + "/a/b", file, "/proc/brelvane-none/a/"};
  for (const std::string& path : kImpossible) {
    EXPECT_FALSE(shell::EnsureDirectory(path)) << path;
  }
}

TEST_F(FileSystemTest, TellsFilesFromFolders) {
  const std::string file = MakeFile("a file.png");
  EXPECT_TRUE(shell::PathExists(file));
  EXPECT_FALSE(shell::IsDirectory(file));
  EXPECT_TRUE(shell::PathExists(run.path()));
  EXPECT_TRUE(shell::IsDirectory(run.path()));
  EXPECT_FALSE(shell::PathExists(Under("missing")));
  EXPECT_FALSE(shell::IsDirectory(Under("missing")));
  EXPECT_FALSE(shell::PathExists(""));
}

TEST_F(FileSystemTest, OpenFolderAndSelectAsksTheShellOnlyForExistingItems) {
  std::vector<std::pair<std::string, bool>> asked;
  shell::SetShowItemInFolder([&](const std::string& path, bool startRename) {
    asked.emplace_back(path, startRename);
    return true;
  });
  EXPECT_FALSE(shell::OpenFolderAndSelect(Under("missing.png")));
  EXPECT_TRUE(asked.empty());

  const std::string file = MakeFile("导出.png");
  EXPECT_TRUE(shell::OpenFolderAndSelect(file));
  EXPECT_TRUE(shell::OpenFolderAndSelect(file, true));
  const std::vector<std::pair<std::string, bool>> expected{{file, false}, {file, true}};
  EXPECT_EQ(asked, expected);

  shell::SetShowItemInFolder([](const std::string&, bool) { return false; });
  EXPECT_FALSE(shell::OpenFolderAndSelect(file));
}

TEST_F(FileSystemTest, EnsureDataDirectoryAnswersTheSettingsFileEitherWay) {
  const std::string expected = run.path() + "/data/setsoft.ini";
  EXPECT_EQ(shell::EnsureDataDirectory(), expected);
  EXPECT_TRUE(fs::is_directory(Under("data")));
  EXPECT_FALSE(fs::exists(expected));

  EXPECT_EQ(shell::EnsureDataDirectory(), expected);

  // A file in the folder's place cannot become the folder; the path is answered all the same.
  fs::remove_all(Under("data"));
  MakeFile("data");
  EXPECT_EQ(shell::EnsureDataDirectory(), expected);
  EXPECT_FALSE(fs::is_directory(Under("data")));
}

}  // namespace
