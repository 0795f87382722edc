#pragma once

// Text operations of the run time. They count bytes and positions are 1-based; since no
// UTF-8 continuation byte equals an ASCII byte, searching for "." or "/" never matches inside
// a character.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Position of the last occurrence of what, or -1 when absent (also for an empty what).
std::int32_t FindLast(std::string_view text, std::string_view what);
// The leftmost count bytes; empty when count <= 0; the whole text when count exceeds it.
std::string Left(std::string_view text, std::int32_t count);
// The rightmost count bytes; empty when count <= 0; the whole text when count exceeds it.
std::string Right(std::string_view text, std::int32_t count);
// count bytes from position start; empty when start is not a position inside the text or
// count <= 0; cut at the end of the text.
std::string Middle(std::string_view text, std::int32_t start, std::int32_t count);
std::int32_t Length(std::string_view text);
// Every occurrence, left to right, case-sensitively.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// Splits at every separator; an empty text gives no pieces.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

}  // namespace platform
