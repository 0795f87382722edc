#pragma once

// Conversions between the system's 8-bit text (UTF-8) and the imaging library's UTF-16.
// Malformed input becomes U+FFFD rather than being dropped or read past.

#include <string>
#include <string_view>

#include "platform/gdiplus/gdiplus_types.h"

namespace imaging {

// The UTF-16 of text; c_str() gives the NUL-terminated buffer the library takes.
std::u16string TextToWide(std::string_view text);
std::string WideToText(std::u16string_view wide);
// The units before the first NUL; empty text for a null pointer.
std::string WideToText(const platform::gdiplus::WideChar* wide);

}  // namespace imaging
