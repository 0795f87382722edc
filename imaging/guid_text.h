#pragma once

// Identifiers of the imaging library (formats, encoders, parameter categories) in their text
// form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <string>
#include <string_view>

#include "platform/gdiplus/gdiplus_types.h"

namespace imaging {

using platform::gdiplus::Guid;

// Accepts exactly the 38-character form, hex digits in either case; anything else, the empty
// text included, gives 16 zero bytes.
Guid TextToGuid(std::string_view text);
// Always 38 characters, upper case.
std::string GuidToText(const Guid& guid);

}  // namespace imaging
