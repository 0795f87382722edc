#pragma once

// Profile (INI) files with the semantics the settings file depends on: names match
// case-insensitively (ASCII), blanks around names and values are ignored, one pair of
// enclosing double quotes is stripped, a missing file, section or key gives the default, a
// present key with an empty value gives the empty text, reads return at most 10239 bytes
// (never ending inside a UTF-8 character). Lines starting with ";" or "#" are comments.
// Writes keep every other line in place, replace a key in place, append a new key after the
// last key of its section and a new section at the end of the file, and replace the file
// atomically; a write that changes nothing leaves the file untouched.
// Files are UTF-8; a file that is not valid UTF-8 is read as GB18030 and rewritten as UTF-8.

#include <string>
#include <string_view>

namespace platform {

inline constexpr int kProfileReadLimit = 10239;

// Leading blanks and control characters of path, section and key are skipped; when one of
// them is then empty the answer is the empty text, not the default.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

// Writes "key=value". False, with the file unchanged, when it cannot be read or written, when
// section or key is empty, or when a text would not read back as written: a line break or NUL
// anywhere, "=" in the key, or a key beginning with "[", ";" or "#".
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace platform
