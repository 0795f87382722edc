#include "imaging/encoder_parameters.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "imaging/guid_text.h"

namespace imaging {

namespace {

using platform::gdiplus::EncoderParameter;
using platform::gdiplus::EncoderParameters;

constexpr std::size_t kEntriesOffset = offsetof(EncoderParameters, Parameter);
static_assert(kEntriesOffset == 8);

}  // namespace

std::size_t EncoderValueTypeSize(std::int32_t type) {
  // byte, ASCII, short, long, rational, long range, undefined, rational range
  constexpr std::array<std::size_t, 9> kSizes{0, 1, 1, 2, 4, 8, 8, 1, 16};
  return type >= 0 && static_cast<std::size_t>(type) < kSizes.size() ? kSizes[type] : 0;
}

const EncoderParameters* PackedEncoderParameters::Get() const {
  return reinterpret_cast<const EncoderParameters*>(words_.data());
}

namespace {
constexpr std::uint64_t kLargestPaddedValue = 1 << 20;
}  // namespace

PackedEncoderParameters PackEncoderParameters(const EncoderParameterSet& set) {
  PackedEncoderParameters packed;
  const std::size_t entries = set.Parameters.size();
  const auto count = static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(set.Count, 0, static_cast<std::int64_t>(entries)));
  const std::size_t bytes =
      std::max(sizeof(EncoderParameters), kEntriesOffset + entries * sizeof(EncoderParameter));
  packed.words_.assign((bytes + 7) / 8, 0);
  auto* base = reinterpret_cast<std::uint8_t*>(packed.words_.data());
  std::memcpy(base, &count, sizeof count);

  packed.values_.reserve(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    const EncoderParameterEntry& entry = set.Parameters[i];
    platform::Bytes& value = packed.values_.emplace_back(entry.Value);
    auto values = static_cast<std::uint32_t>(std::max(entry.NumberOfValues, 0));
    const std::size_t typeSize = EncoderValueTypeSize(entry.Type);
    // A short value is padded with zeros to the count it claims, but a count no encoder value
    // comes near is held to the bytes actually given, so a wild count cannot claim gigabytes.
    if (std::uint64_t{values} * typeSize > kLargestPaddedValue) {
      values = typeSize ? static_cast<std::uint32_t>(value.size() / typeSize) : values;
    }
    const std::size_t needed = std::size_t{values} * typeSize;
    if (value.size() < needed) value.resize(needed, 0);

    EncoderParameter record{};
    record.Category = TextToGuid(entry.Guid);
    record.NumberOfValues = values;
    record.Type = static_cast<std::uint32_t>(entry.Type);
    record.Value = value.empty() ? nullptr : value.data();
    std::memcpy(base + kEntriesOffset + i * sizeof record, &record, sizeof record);
  }
  return packed;
}

}  // namespace imaging
