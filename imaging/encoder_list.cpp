#include "imaging/encoder_list.h"

#include <algorithm>

#include "imaging/guid_text.h"
#include "imaging/library_call.h"
#include "imaging/wide_text.h"

namespace imaging {

namespace {

using platform::gdiplus::ImageCodecInfo;

platform::Bytes CopySignature(const std::uint8_t* bytes, std::uint32_t count, std::uint32_t size) {
  if (!bytes) return {};
  return platform::Bytes(bytes, bytes + static_cast<std::size_t>(count) * size);
}

EncoderInfo ToEncoderInfo(const ImageCodecInfo& codec) {
  EncoderInfo info;
  info.Clsid = GuidToText(codec.Clsid);
  info.FormatID = GuidToText(codec.FormatID);
  info.CodecName = WideToText(codec.CodecName);
  info.DllName = WideToText(codec.DllName);
  info.FormatDescription = WideToText(codec.FormatDescription);
  info.FilenameExtension = WideToText(codec.FilenameExtension);
  info.MimeType = WideToText(codec.MimeType);
  info.Flags = static_cast<std::int32_t>(codec.Flags);
  info.Version = static_cast<std::int32_t>(codec.Version);
  info.SigCount = static_cast<std::int32_t>(codec.SigCount);
  info.SigSize = static_cast<std::int32_t>(codec.SigSize);
  info.SigPattern = CopySignature(codec.SigPattern, codec.SigCount, codec.SigSize);
  info.SigMask = CopySignature(codec.SigMask, codec.SigCount, codec.SigSize);
  return info;
}

}  // namespace

std::vector<EncoderInfo> ListImageEncoders() {
  std::uint32_t count = 0;
  std::uint32_t size = 0;
  if (!CallAction<&Api::GdipGetImageEncodersSize>(&count, &size)) return {};
  // The records come first; the names and signatures they point at follow in the same buffer.
  // A count that does not fit the size is cut, so no record is read past the buffer.
  count = std::min<std::uint32_t>(count, size / sizeof(ImageCodecInfo));
  if (count == 0) return {};
  std::vector<ImageCodecInfo> buffer((size + sizeof(ImageCodecInfo) - 1) / sizeof(ImageCodecInfo));
  if (!CallAction<&Api::GdipGetImageEncoders>(count, size, buffer.data())) return {};

  std::vector<EncoderInfo> encoders;
  encoders.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) encoders.push_back(ToEncoderInfo(buffer[i]));
  return encoders;
}

std::string FindEncoderClsid(std::string_view format) {
  for (const EncoderInfo& encoder : ListImageEncoders()) {
    if (encoder.FormatID == format) return encoder.Clsid;
  }
  return {};
}

}  // namespace imaging
