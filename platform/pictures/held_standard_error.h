#pragma once

// libpng reports a broken file by printing to the standard error stream itself, past any
// message handler. While an object of this class lives, what the process prints through the C
// stream stderr is held; afterwards every line but libpng's own is printed after all, so other
// output is only delayed. Crash reports, which bypass the C stream, still appear at once.

#include <cstdio>

namespace platform::pictures {

class HeldStandardError {
 public:
  HeldStandardError();
  ~HeldStandardError();
  HeldStandardError(const HeldStandardError&) = delete;
  HeldStandardError& operator=(const HeldStandardError&) = delete;

 private:
  std::FILE* original_ = nullptr;  // null when the stream could not be held
};

}  // namespace platform::pictures
