#pragma once

// The imaging library's encoders, read from its own records, and the lookup of an encoder by
// the format it writes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/bytes.h"

namespace imaging {

struct EncoderInfo {
  std::string Clsid;     // GUID text
  std::string FormatID;  // GUID text
  std::string CodecName;
  std::string DllName;
  std::string FormatDescription;
  std::string FilenameExtension;
  std::string MimeType;
  std::int32_t Flags = 0;
  std::int32_t Version = 0;
  std::int32_t SigCount = 0;
  std::int32_t SigSize = 0;
  platform::Bytes SigPattern;  // SigCount x SigSize bytes
  platform::Bytes SigMask;
};

// In the library's order; empty when the library answers no list. Each call stores its
// status as the last status.
std::vector<EncoderInfo> ListImageEncoders();

// The Clsid of the first encoder whose FormatID equals format byte for byte (the list's texts
// are upper case, so a lower-case identifier finds nothing); empty text when none does.
std::string FindEncoderClsid(std::string_view format);

}  // namespace imaging
