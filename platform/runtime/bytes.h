#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A byte array that carries its own length: encoded pictures, file contents.
using Bytes = std::vector<std::uint8_t>;

}  // namespace platform
