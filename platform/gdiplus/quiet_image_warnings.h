#pragma once

// Odd but readable files make the image readers (and libtiff under them) print warnings; they
// are no concern of the user's terminal. While an object of this class lives, the image
// categories (and uncategorised messages) of the thread that made it are held back; every
// other message passes on to the handler that was installed before. Decodings that hold one
// are serialised, so the handler is swapped in and out exactly once each.

#include <mutex>

namespace platform::gdiplus {

class QuietImageWarnings {
 public:
  QuietImageWarnings();
  ~QuietImageWarnings();
  QuietImageWarnings(const QuietImageWarnings&) = delete;
  QuietImageWarnings& operator=(const QuietImageWarnings&) = delete;

 private:
  std::lock_guard<std::mutex> lock_;
};

}  // namespace platform::gdiplus
