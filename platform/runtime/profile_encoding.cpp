#include "platform/runtime/profile_encoding.h"

#include <algorithm>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace platform::profile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::string DecodeGb18030(std::string_view bytes) {
  QStringDecoder decoder("GB18030");
  // Without the codec the bytes stay as they are, so that a rewrite at least loses nothing.
  if (!decoder.isValid()) return std::string(bytes);
  const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return text.toStdString();
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (!IsContinuation(next)) return false;
      code = code << 6 | (next & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

DecodedProfile DecodeProfile(const Bytes& bytes) {
  std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  DecodedProfile decoded;
  if (view.starts_with(kByteOrderMark)) {
    view.remove_prefix(kByteOrderMark.size());
    decoded.hadByteOrderMark = true;
  }
  decoded.text = IsValidUtf8(view) ? std::string(view) : DecodeGb18030(view);
  return decoded;
}

Bytes EncodeProfile(std::string_view text, bool byteOrderMark) {
  const std::string_view prefix = byteOrderMark ? kByteOrderMark : std::string_view();
  Bytes bytes(prefix.size() + text.size());
  std::copy(prefix.begin(), prefix.end(), bytes.begin());
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(prefix.size()));
  return bytes;
}

std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t cut = limit;
  // A UTF-8 character has at most three continuation bytes; looking further back would only
  // shorten a text that is not UTF-8 anyway.
  for (int step = 0; step < 3 && cut > 0 && IsContinuation(static_cast<unsigned char>(text[cut]));
       ++step) {
    --cut;
  }
  return text.substr(0, cut);
}

}  // namespace platform::profile
