#pragma once

#include <string>

#include "platform/runtime/bytes.h"

namespace platform {

// The whole content of a file; empty when it cannot be read (missing, a folder, no
// permission).
Bytes ReadWholeFile(const std::string& path);

// Creates the file or replaces its whole content. The bytes are written beside the file and
// then renamed over it, so the file is never left half-written. False for an empty path or
// when the file cannot be written.
bool WriteWholeFile(const std::string& path, const Bytes& bytes);

}  // namespace platform
