#pragma once

// The library's own entries, as resolved from the opened library, before the layer puts its
// guards and its own decoding in front of them. Only the layer's entries use this table; the
// rest of the system goes through Library().

#include <string>
#include <vector>

#include "platform/gdiplus/gdiplus_api.h"
#include "platform/gdiplus/shared_library.h"

namespace platform::gdiplus {

// Callbacks of the library's stream-less save; they carry no user data.
using GetBytesCallback = int (*)(std::uint8_t* buffer, int count, int peek);
using PutBytesCallback = int (*)(std::uint8_t* buffer, int count);
using SeekCallback = int (*)(int offset, int whence);
using CloseCallback = void (*)();
using SizeCallback = int (*)();

// Functions of the library that only the layer calls.
#define BRELVANE_GDIPLUS_NATIVE_ONLY_FUNCTIONS(X)                                           \
  X(Status, GdipSaveImageToDelegate_linux,                                                  \
    (Handle image, GetBytesCallback getBytes, PutBytesCallback putBytes, SeekCallback seek, \
     CloseCallback close, SizeCallback size, const Guid* encoder,                           \
     const EncoderParameters* parameters))

struct NativeOnlyApi {
#define BRELVANE_GDIPLUS_MEMBER(ret, name, params) ret(*name) params = nullptr;
  BRELVANE_GDIPLUS_NATIVE_ONLY_FUNCTIONS(BRELVANE_GDIPLUS_MEMBER)
#undef BRELVANE_GDIPLUS_MEMBER
};

struct NativeLibrary {
  Api api;
  NativeOnlyApi only;
  bool available = false;
};

// Every function of both lists resolved by name; a function the library does not export
// answers NotImplemented and is named in missing (when given).
NativeLibrary ResolveNative(const SharedLibrary& library,
                            std::vector<std::string>* missing = nullptr);

// Every function answering GdiplusNotInitialized, for when the library cannot be opened.
NativeLibrary UnavailableNative();

// The process-wide native table (opens the library on first use).
const NativeLibrary& Native();

}  // namespace platform::gdiplus
