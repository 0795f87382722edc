#pragma once

#include <string>

#include "platform/runtime/bytes.h"

namespace platform {

// Files larger than this count as unreadable: nothing the program reads (settings, pictures
// within the imaging layer's size limits) comes near it, and reading a stray huge file whole
// would only exhaust memory.
inline constexpr long long kReadableFileLimit = 1LL << 30;

// The whole content of a file; empty when it cannot be read (missing, a folder, no
// permission, larger than kReadableFileLimit). Only regular files are read, so a pipe or a
// device never blocks the caller.
Bytes ReadWholeFile(const std::string& path);

// Creates the file or replaces its whole content. The bytes are written beside the file and
// then renamed over it, so the file is never left half-written: on failure the old content
// stays and no temporary file remains. False for an empty path or when the file cannot be
// written (including a missing folder).
bool WriteWholeFile(const std::string& path, const Bytes& bytes);

// ReadWholeFile for callers that must tell a missing file from one they may not overwrite
// blindly (a folder, a device, a file without read permission).
struct FileContent {
  enum class State { kRead, kMissing, kUnreadable };
  State state = State::kMissing;
  Bytes bytes;
};
FileContent ReadFileContent(const std::string& path);

}  // namespace platform
