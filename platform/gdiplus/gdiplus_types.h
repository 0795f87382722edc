#pragma once

// Records, handles and status codes of the imaging library's flat API, in the library's own
// layouts on this platform (pointers are 8 bytes, so pointer-bearing records are wider than
// on a 32-bit system).

#include <cstdint>

namespace platform::gdiplus {

using Status = std::int32_t;

namespace status {
constexpr Status Ok = 0;
constexpr Status GenericError = 1;
constexpr Status InvalidParameter = 2;
constexpr Status OutOfMemory = 3;
constexpr Status ObjectBusy = 4;
constexpr Status InsufficientBuffer = 5;
constexpr Status NotImplemented = 6;
constexpr Status Win32Error = 7;
constexpr Status WrongState = 8;
constexpr Status Aborted = 9;
constexpr Status FileNotFound = 10;
constexpr Status ValueOverflow = 11;
constexpr Status AccessDenied = 12;
constexpr Status UnknownImageFormat = 13;
constexpr Status FontFamilyNotFound = 14;
constexpr Status FontStyleNotFound = 15;
constexpr Status NotTrueTypeFont = 16;
constexpr Status UnsupportedGdiplusVersion = 17;
constexpr Status GdiplusNotInitialized = 18;
constexpr Status PropertyNotFound = 19;
constexpr Status PropertyNotSupported = 20;
}  // namespace status

// Every native object of the library (image, bitmap, graphics, brush, region, ...) is an
// opaque pointer-sized handle; 0 (null) means none.
using Handle = void*;
using Argb = std::uint32_t;
using PixelFormat = std::int32_t;
using Unit = std::int32_t;
using Real = float;

constexpr PixelFormat kPixelFormat32bppArgb = 0x26200A;
constexpr Unit kUnitPixel = 2;

struct Guid {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
static_assert(sizeof(Guid) == 16);

struct StartupInput {
  std::uint32_t GdiplusVersion;
  void* DebugEventCallback;
  std::int32_t SuppressBackgroundThread;
  std::int32_t SuppressExternalCodecs;
};

// The library's UTF-16 code unit.
using WideChar = char16_t;

struct ImageCodecInfo {
  Guid Clsid;
  Guid FormatID;
  const WideChar* CodecName;
  const WideChar* DllName;
  const WideChar* FormatDescription;
  const WideChar* FilenameExtension;
  const WideChar* MimeType;
  std::uint32_t Flags;
  std::uint32_t Version;
  std::uint32_t SigCount;
  std::uint32_t SigSize;
  const std::uint8_t* SigPattern;
  const std::uint8_t* SigMask;
};
static_assert(sizeof(ImageCodecInfo) == 104);

struct EncoderParameter {
  Guid Category;
  std::uint32_t NumberOfValues;
  std::uint32_t Type;
  void* Value;
};
static_assert(sizeof(EncoderParameter) == 32);

struct EncoderParameters {
  std::uint32_t Count;
  EncoderParameter Parameter[1];
};

struct GpRect {
  std::int32_t X, Y, Width, Height;
};

struct BitmapData {
  std::uint32_t Width;
  std::uint32_t Height;
  std::int32_t Stride;
  PixelFormat Format;
  void* Scan0;
  std::uintptr_t Reserved;
};

constexpr std::uint32_t kImageLockModeRead = 1;
constexpr std::uint32_t kImageLockModeWrite = 2;

using DrawImageAbort = std::int32_t (*)(void*);

}  // namespace platform::gdiplus
