#include "imaging/guid_text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace imaging {

namespace {

constexpr std::size_t kTextLength = 38;
// Where each hex group starts and how many digits it has.
constexpr std::array<std::size_t, 5> kGroupStart{1, 10, 15, 20, 25};
constexpr std::array<std::size_t, 5> kGroupDigits{8, 4, 4, 4, 12};

std::optional<std::uint8_t> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

bool HasShape(std::string_view text) {
  if (text.size() != kTextLength || text.front() != '{' || text.back() != '}') return false;
  for (std::size_t group = 1; group < kGroupStart.size(); ++group) {
    if (text[kGroupStart[group] - 1] != '-') return false;
  }
  return true;
}

// The value of count hex digits starting at start; nullopt when one is not a hex digit.
std::optional<std::uint64_t> HexValue(std::string_view text, std::size_t start, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = start; i < start + count; ++i) {
    const auto digit = HexDigit(text[i]);
    if (!digit) return std::nullopt;
    value = value << 4 | *digit;
  }
  return value;
}

}  // namespace

Guid TextToGuid(std::string_view text) {
  Guid guid{};
  if (!HasShape(text)) return guid;
  std::array<std::uint64_t, 5> groups{};
  for (std::size_t group = 0; group < groups.size(); ++group) {
    const auto value = HexValue(text, kGroupStart[group], kGroupDigits[group]);
    if (!value) return Guid{};
    groups[group] = *value;
  }
  guid.Data1 = static_cast<std::uint32_t>(groups[0]);
  guid.Data2 = static_cast<std::uint16_t>(groups[1]);
  guid.Data3 = static_cast<std::uint16_t>(groups[2]);
  guid.Data4[0] = static_cast<std::uint8_t>(groups[3] >> 8);
  guid.Data4[1] = static_cast<std::uint8_t>(groups[3]);
  for (int i = 0; i < 6; ++i) {
    guid.Data4[2 + i] = static_cast<std::uint8_t>(groups[4] >> (8 * (5 - i)));
  }
  return guid;
}

std::string GuidToText(const Guid& guid) {
  char text[kTextLength + 1];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1,
                guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return std::string(text, kTextLength);
}

}  // namespace imaging
