// GUID texts, UTF-16 conversion and the packing of encoder parameters.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "imaging/encoder_parameters.h"
#include "imaging/guid_text.h"
#include "imaging/wide_text.h"

namespace {

using imaging::GuidToText;
using imaging::TextToGuid;

constexpr char kPng[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr char kZero[] = "{00000000-0000-0000-0000-000000000000}";

TEST(GuidText, ParsesOnlyTheBracedFormAndWritesUpperCase) {
  struct Case {
    const char* name;
    std::string text;
    std::string written;
  };
  const std::array cases{
      Case{"upper case", kPng, kPng},
      Case{"lower case", "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", kPng},
      Case{"mixed case", "{b96B3CaF-0728-11d3-9D7B-0000f81EF32E}", kPng},
      Case{"every digit", "{01234567-89AB-CDEF-0123-456789ABCDEF}",
           "{01234567-89AB-CDEF-0123-456789ABCDEF}"},
      Case{"empty", "", kZero},
      Case{"no braces", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E", kZero},
      Case{"one digit short", "{B96B3CAF-0728-11D3-9D7B-0000F81EF32}", kZero},
      Case{"one digit long", "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E0}", kZero},
      Case{"hyphen moved", "{B96B3CA-F0728-11D3-9D7B-0000F81EF32E}", kZero},
      Case{"not hex", "{B96B3CAG-0728-11D3-9D7B-0000F81EF32E}", kZero},
      Case{"sign inside", "{+96B3CAF-0728-11D3-9D7B-0000F81EF32E}", kZero},
  };
  for (const Case& c : cases) EXPECT_EQ(GuidToText(TextToGuid(c.text)), c.written) << c.name;
}

TEST(GuidText, FieldsTakeTheLibrarysByteOrder) {
  const auto guid = TextToGuid(kPng);
  EXPECT_EQ(guid.Data1, 0xB96B3CAFu);
  EXPECT_EQ(guid.Data2, 0x0728u);
  EXPECT_EQ(guid.Data3, 0x11D3u);
  const std::uint8_t tail[8] = {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E};
  EXPECT_EQ(std::memcmp(guid.Data4, tail, 8), 0);
}

TEST(WideText, RoundTripsAndReplacesMalformedInput) {
  struct Case {
    const char* name;
    std::string text;
    std::u16string wide;
    std::string back;
  };
  const std::array cases{
      Case{"ASCII", "Image/PNG", u"Image/PNG", "Image/PNG"},
      Case{"Chinese", "导出图片", u"导出图片", "导出图片"},
      Case{"outside the basic plane", "a\U0001F600b", u"a\U0001F600b", "a\U0001F600b"},
      Case{"cut sequence", "a\xE5\xAF", u"a\uFFFD\uFFFD", "a\uFFFD\uFFFD"},
      Case{"overlong form", "\xC0\xAF", u"\uFFFD\uFFFD", "\uFFFD\uFFFD"},
      Case{"empty", "", u"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(imaging::TextToWide(c.text), c.wide) << c.name;
    EXPECT_EQ(imaging::WideToText(c.wide), c.back) << c.name;
  }
  EXPECT_EQ(imaging::WideToText(std::u16string(u"x\xD800y")), "x\uFFFDy") << "lone surrogate";
  EXPECT_EQ(imaging::WideToText(static_cast<const char16_t*>(nullptr)), "");
}

TEST(EncoderParameters, PackInTheLibrarysLayoutWithValuesThatCannotBeOverread) {
  imaging::EncoderParameterSet set;
  set.Count = 7;  // more than there are: only the two given may be read
  set.Parameters = {
      {"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, {90, 0, 0, 0}},
      {kPng, 2, 4, {1, 2, 3}},  // two longs need 8 bytes
  };
  const imaging::PackedEncoderParameters packed = imaging::PackEncoderParameters(set);
  const auto* record = packed.Get();
  ASSERT_EQ(record->Count, 2u);
  const auto* entries = record->Parameter;
  EXPECT_EQ(GuidToText(entries[0].Category), "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
  EXPECT_EQ(entries[0].NumberOfValues, 1u);
  EXPECT_EQ(entries[0].Type, 4u);
  EXPECT_EQ(*static_cast<const std::int32_t*>(entries[0].Value), 90);
  EXPECT_EQ(GuidToText(entries[1].Category), kPng);
  const std::uint8_t padded[8] = {1, 2, 3, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(entries[1].Value, padded, 8), 0);

  set.Count = -3;
  set.Parameters[0].NumberOfValues = -1;
  const imaging::PackedEncoderParameters negative = imaging::PackEncoderParameters(set);
  EXPECT_EQ(negative.Count(), 0u);
  EXPECT_EQ(negative.Get()->Parameter[0].NumberOfValues, 0u);

  // A count no value comes near is held to the bytes given instead of claiming gigabytes.
  set.Parameters[1].NumberOfValues = 0x7FFFFFFF;
  set.Parameters[1].Value = {1, 2, 3, 4, 5, 6, 7, 8};
  const imaging::PackedEncoderParameters wild = imaging::PackEncoderParameters(set);
  EXPECT_EQ(wild.Get()->Parameter[1].NumberOfValues, 2u);
}

}  // namespace
