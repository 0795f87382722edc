#pragma once

// Gives a test its own run directory (through BRELVANE_HOME), removed afterwards, so that no
// test sees another's settings or exports.

#include <string>

namespace testsupport {

class TempRunDirectory {
 public:
  TempRunDirectory();
  ~TempRunDirectory();
  TempRunDirectory(const TempRunDirectory&) = delete;
  TempRunDirectory& operator=(const TempRunDirectory&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
  bool hadPrevious_ = false;
};

// The folder of the checked-out sources (for fixtures).
std::string SourceDir();

}  // namespace testsupport
