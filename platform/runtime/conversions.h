#pragma once

// The run time's conversions between texts and numbers. Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Full-width digits, plus, minus and the ideographic space are folded to ASCII first; then
// blanks are skipped, an optional sign and the leading decimal digits are taken. No digits
// give 0; the value wraps like a 32-bit integer.
std::int32_t TextToInt(std::string_view text);

// The low 8 bits: 300 gives 44, -1 gives 255.
std::uint8_t ToByte(std::int32_t value);

std::string IntToText(std::int64_t value);

// "真" / "假".
std::string BoolToText(bool value);

}  // namespace platform
