#include "platform/runtime/run_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/platform/runtime/runtime_test_support.h"
#include "tests/support/temp_run_directory.h"

namespace {

using platform::DesktopFolder;
using platform::RunDirectory;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old, hadPrevious_ = true;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (hadPrevious_) {
      ::setenv(name_, previous_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string previous_;
  bool hadPrevious_ = false;
};

std::string ProgramFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

TEST(RunDirectoryTest, HomeVariableReplacesTheProgramFolderWithoutTrailingSlash) {
  testsupport::TempRunDirectory run;
  EXPECT_EQ(RunDirectory(), run.path());
  ScopedEnvironment slashed("BRELVANE_HOME", run.path() + "//");
  EXPECT_EQ(RunDirectory(), run.path());
}

TEST(RunDirectoryTest, EmptyHomeVariableMeansTheProgramFolder) {
  ScopedEnvironment empty("BRELVANE_HOME", "");
  if (::access(ProgramFolder().c_str(), W_OK) != 0) GTEST_SKIP() << "build folder not writable";
  EXPECT_EQ(RunDirectory(), ProgramFolder());
}

TEST(RunDirectoryTest, UnwritableProgramFolderFallsBackToTheUsersDataFolder) {
  if (!runtimetest::RunningAsRoot()) {
    GTEST_SKIP() << "needs root to run as a user who cannot write the build folder";
  }
  testsupport::TempRunDirectory scratch;
  const std::string dataHome = scratch.path() + "/share";
  std::filesystem::create_directory(dataHome);
  ::chmod(scratch.path().c_str(), 0755);
  ::chmod(dataHome.c_str(), 0777);
  ScopedEnvironment empty("BRELVANE_HOME", "");
  ScopedEnvironment xdg("XDG_DATA_HOME", dataHome + "/");

  const int result = runtimetest::RunUnprivileged([&] {
    return RunDirectory() == dataHome + "/brelvane" &&
                   std::filesystem::is_directory(dataHome + "/brelvane")
               ? 1
               : 0;
  });
  EXPECT_EQ(result, 1);
}

TEST(DesktopFolderTest, IsTheDesktopWhenItExistsElseHomeAndEndsInSlash) {
  testsupport::TempRunDirectory home;
  ScopedEnvironment homeVariable("HOME", home.path());
  ScopedEnvironment config("XDG_CONFIG_HOME", home.path() + "/.config");
  EXPECT_EQ(DesktopFolder(), home.path() + "/");

  std::filesystem::create_directory(home.path() + "/Desktop");
  EXPECT_EQ(DesktopFolder(), home.path() + "/Desktop/");
}

}  // namespace
