#pragma once

// Profile (INI) files with the semantics the settings file depends on: names match
// case-insensitively (ASCII), blanks around names and values are ignored, one pair of
// enclosing double quotes is stripped, a missing file, section or key gives the default, a
// present key with an empty value gives the empty text, reads return at most 10239 bytes.
// Writes keep every other line in place, replace a key in place, append a new key at the end
// of its section and a new section at the end of the file, and replace the file atomically.
// Files are UTF-8; a file that is not valid UTF-8 is read as GB18030.

#include <string>
#include <string_view>

namespace platform {

inline constexpr int kProfileReadLimit = 10239;

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace platform
