#pragma once

// Encoder parameters as callers give them, and their packing into the library's own layout.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/runtime/bytes.h"

namespace imaging {

struct EncoderParameterEntry {
  std::string Guid;  // the parameter category, in GUID text form
  std::int32_t NumberOfValues = 0;
  std::int32_t Type = 0;  // the library's value-type code
  platform::Bytes Value;
};

struct EncoderParameterSet {
  std::int32_t Count = 0;
  std::vector<EncoderParameterEntry> Parameters;
};

// Bytes per value of one of the library's value types; 0 for a type it does not know.
std::size_t EncoderValueTypeSize(std::int32_t type);

// The packed record with its own copy of every value, so everything the library reads lives
// as long as this object. Moving it keeps the addresses inside valid.
class PackedEncoderParameters {
 public:
  PackedEncoderParameters(PackedEncoderParameters&&) = default;
  PackedEncoderParameters& operator=(PackedEncoderParameters&&) = default;
  PackedEncoderParameters(const PackedEncoderParameters&) = delete;
  PackedEncoderParameters& operator=(const PackedEncoderParameters&) = delete;

  const platform::gdiplus::EncoderParameters* Get() const;
  std::uint32_t Count() const { return Get()->Count; }

 private:
  friend PackedEncoderParameters PackEncoderParameters(const EncoderParameterSet& set);
  PackedEncoderParameters() = default;

  // Count at offset 0, then 32-byte entries from offset 8; 8-byte words keep the alignment.
  std::vector<std::uint64_t> words_;
  std::vector<platform::Bytes> values_;
};

// The library reads Count entries and NumberOfValues values of each, so Count is limited to
// the entries present, a negative NumberOfValues counts as 0, and each value is padded with zeros
// to the length its type needs: a wrong count never makes the library read past what was given.
PackedEncoderParameters PackEncoderParameters(const EncoderParameterSet& set);

}  // namespace imaging
