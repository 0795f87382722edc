#pragma once

// The odd and hostile pictures of tests/fixtures/make-odd-pictures.sh, written once per test
// program into a temporary folder that is removed at exit.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "platform/runtime/bytes.h"
#include "tests/support/temp_run_directory.h"

namespace testsupport {

class OddPictures {
 public:
  static const OddPictures& Get() {
    static const OddPictures pictures;
    return pictures;
  }

  // Empty when the pictures were written; otherwise what the script said (a missing tool).
  const std::string& error() const { return error_; }

  platform::Bytes Read(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    return platform::Bytes(std::istreambuf_iterator<char>(file), {});
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  ~OddPictures() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  OddPictures(const OddPictures&) = delete;
  OddPictures& operator=(const OddPictures&) = delete;

 private:
  OddPictures() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brelvane-odd-pictures-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      error_ = "cannot create a temporary folder";
      return;
    }
    folder_ = pattern;
    const std::string script = SourceDir() + "/tests/fixtures/make-odd-pictures.sh";
    const std::string command = "bash '" + script + "' '" + folder_.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char chunk[256];
      while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) output += chunk;
      if (pclose(pipe) != 0) error_ = script + " failed: " + output;
    } else {
      error_ = "cannot run " + script;
    }
  }

  std::filesystem::path folder_;
  std::string error_;
};

}  // namespace testsupport
