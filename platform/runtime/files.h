#pragma once

#include <string>

#include "platform/runtime/bytes.h"

namespace platform {

// The whole content of a file; empty when it cannot be read (missing, a folder, no
// permission). Only regular files are read, so a pipe or a device never blocks the caller.
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
