#include "platform/runtime/conversions.h"

#include <array>
#include <cstddef>

namespace platform {

namespace {

// A full-width form and the ASCII character it stands for when a number is read.
struct FullWidthForm {
  std::string_view utf8;
  char ascii;
};

constexpr std::array<FullWidthForm, 13> kFullWidthForms{{
    {"\xEF\xBC\x90", '0'},
    {"\xEF\xBC\x91", '1'},
    {"\xEF\xBC\x92", '2'},
    {"\xEF\xBC\x93", '3'},
    {"\xEF\xBC\x94", '4'},
    {"\xEF\xBC\x95", '5'},
    {"\xEF\xBC\x96", '6'},
    {"\xEF\xBC\x97", '7'},
    {"\xEF\xBC\x98", '8'},
    {"\xEF\xBC\x99", '9'},
    {"\xEF\xBC\x8B", '+'},
    {"\xEF\xBC\x8D", '-'},
    {"\xE3\x80\x80", ' '},
}};

// Reads a text one character at a time with the full-width forms folded to ASCII; any other
// byte is passed on as it is, which is enough since only ASCII characters matter to a number.
class FoldedReader {
 public:
  explicit FoldedReader(std::string_view text) : text_(text) {}

  // The current character, or '\0' at the end.
  char Peek() const {
    if (position_ >= text_.size()) return '\0';
    const std::string_view rest = text_.substr(position_);
    for (const FullWidthForm& form : kFullWidthForms) {
      if (rest.starts_with(form.utf8)) return form.ascii;
    }
    return rest.front();
  }

  void Next() {
    const std::string_view rest = text_.substr(position_);
    for (const FullWidthForm& form : kFullWidthForms) {
      if (rest.starts_with(form.utf8)) {
        position_ += form.utf8.size();
        return;
      }
    }
    ++position_;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::int32_t TextToInt(std::string_view text) {
  FoldedReader reader(text);
  while (IsBlank(reader.Peek())) reader.Next();
  bool negative = false;
  if (reader.Peek() == '+' || reader.Peek() == '-') {
    negative = reader.Peek() == '-';
    reader.Next();
  }
  // Unsigned arithmetic wraps without undefined behaviour, like the 32-bit integer it mimics.
  std::uint32_t magnitude = 0;
  for (char c = reader.Peek(); c >= '0' && c <= '9'; c = reader.Peek()) {
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(c - '0');
    reader.Next();
  }
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::uint8_t ToByte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

std::string IntToText(std::int64_t value) { return std::to_string(value); }

std::string BoolToText(bool value) { return value ? "真" : "假"; }

}  // namespace platform
