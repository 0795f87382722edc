#include "imaging/wide_text.h"

#include <cstdint>

namespace imaging {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at i and moves i past it; a malformed sequence yields U+FFFD and
// moves past its first byte only.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(text[i++]);
  if (lead < 0x80) return lead;
  int continuation = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    continuation = 1, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    continuation = 2, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    continuation = 3, code = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  if (i + continuation > text.size()) return kReplacement;
  for (int k = 0; k < continuation; ++k) {
    const auto next = static_cast<std::uint8_t>(text[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    code = code << 6 | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return kReplacement;
  }
  i += continuation;
  return code;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string TextToWide(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t code = DecodeUtf8(text, i);
    if (code < 0x10000) {
      wide += static_cast<char16_t>(code);
    } else {
      wide += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      wide += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return wide;
}

std::string WideToText(std::u16string_view wide) {
  std::string text;
  text.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const char16_t unit = wide[i];
    if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (wide[++i] - 0xDC00));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(text, kReplacement);
    } else {
      AppendUtf8(text, unit);
    }
  }
  return text;
}

std::string WideToText(const platform::gdiplus::WideChar* wide) {
  return wide ? WideToText(std::u16string_view(wide)) : std::string();
}

}  // namespace imaging
