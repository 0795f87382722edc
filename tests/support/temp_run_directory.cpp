#include "tests/support/temp_run_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace testsupport {

TempRunDirectory::TempRunDirectory() {
  if (const char* old = std::getenv("BRELVANE_HOME")) {
    previous_ = old;
    hadPrevious_ = true;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "brelvane-test-XXXXXX").string();
  if (char* made = mkdtemp(pattern.data())) path_ = made;
  setenv("BRELVANE_HOME", path_.c_str(), 1);
}

TempRunDirectory::~TempRunDirectory() {
  if (hadPrevious_) {
    setenv("BRELVANE_HOME", previous_.c_str(), 1);
  } else {
    unsetenv("BRELVANE_HOME");
  }
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them writable before removing.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string SourceDir() {
  if (const char* dir = std::getenv("BRELVANE_SOURCE_DIR")) return dir;
  return ".";
}

}  // namespace testsupport
