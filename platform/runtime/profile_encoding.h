#pragma once

// The byte form of a profile file: UTF-8, with an optional byte-order mark, or GB18030 for
// files carried over from a Windows copy of the program.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/runtime/bytes.h"

namespace platform::profile {

struct DecodedProfile {
  std::string text;  // UTF-8, without a byte-order mark
  bool hadByteOrderMark = false;
};

DecodedProfile DecodeProfile(const Bytes& bytes);
// Always UTF-8; the byte-order mark is kept when the file had one.
Bytes EncodeProfile(std::string_view text, bool byteOrderMark);

bool IsValidUtf8(std::string_view text);

// The longest start of text of at most limit bytes that does not end inside a UTF-8
// character.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit);

}  // namespace platform::profile
