#pragma once

// Broken or odd files make the image readers (and libtiff and libpng under them) print
// warnings and errors; they are no concern of the user's terminal. While an object of this
// class lives, the image categories (and uncategorised messages) of the thread that made it
// are held back, every other message passes on to the handler that was installed before, and
// the error lines libpng writes to the standard error stream itself are dropped. Decodings that
// hold one are serialised, so the handler is swapped in and out exactly once each; a thread
// holds at most one at a time.

#include <mutex>

#include "platform/pictures/held_standard_error.h"

namespace platform::pictures {

class QuietImageWarnings {
 public:
  QuietImageWarnings();
  ~QuietImageWarnings();
  QuietImageWarnings(const QuietImageWarnings&) = delete;
  QuietImageWarnings& operator=(const QuietImageWarnings&) = delete;

 private:
  std::lock_guard<std::mutex> lock_;
  HeldStandardError libpngErrors_;
};

}  // namespace platform::pictures
