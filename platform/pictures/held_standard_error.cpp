#include "platform/pictures/held_standard_error.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace platform::pictures {
namespace {

// One holding stream for the life of the process: a thread that picked it up just before the
// original was put back still prints somewhere valid.
std::FILE* HoldingStream() {
  static std::FILE* const stream = [] {
    const int fd = memfd_create("held-standard-error", MFD_CLOEXEC);
    return fd < 0 ? nullptr : fdopen(fd, "w+");
  }();
  return stream;
}

// Takes what the holding stream holds and empties it.
std::string TakeHeld(std::FILE* holding) {
  std::fflush(holding);
  const int fd = fileno(holding);
  std::string text;
  char chunk[4096];
  for (off_t at = 0;;) {
    const ssize_t got = pread(fd, chunk, sizeof chunk, at);
    if (got <= 0) break;
    text.append(chunk, static_cast<std::size_t>(got));
    at += got;
  }
  if (ftruncate(fd, 0) == 0) std::rewind(holding);
  return text;
}

std::string WithoutLibpngLines(std::string_view text) {
  std::string kept;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    const std::string_view line = text.substr(0, length);
    if (!line.starts_with("libpng ")) kept += line;
    text.remove_prefix(length);
  }
  return kept;
}

}  // namespace

// The C library lets a program point stderr elsewhere, which is what libpng prints through.
HeldStandardError::HeldStandardError() {
  std::FILE* holding = HoldingStream();
  if (holding == nullptr) return;
  std::fflush(stderr);
  original_ = stderr;
  stderr = holding;
}

HeldStandardError::~HeldStandardError() {
  if (original_ == nullptr) return;
  std::FILE* holding = stderr;
  stderr = original_;
  const std::string kept = WithoutLibpngLines(TakeHeld(holding));
  std::fwrite(kept.data(), 1, kept.size(), stderr);
  std::fflush(stderr);
}

}  // namespace platform::pictures
