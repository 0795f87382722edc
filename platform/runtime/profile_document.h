#pragma once

// A profile file as lines: sections, key lines, and everything else (blank lines, comments,
// stray text) kept as it was, so that an edit changes only the one line it is about.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

class ProfileDocument {
 public:
  // text is UTF-8; lines end in LF or CRLF.
  static ProfileDocument Parse(std::string_view text);

  // The value of the first matching key of the first matching section, blanks around it
  // removed and one pair of enclosing double quotes stripped; nullopt when either is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Replaces the key's line in place, or appends a key line after the section's last key, or
  // appends the section with the key at the end.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  enum class Kind { kOther, kSection, kKey };
  struct Line {
    std::string content;  // without the line break
    std::string ending;   // "\n", "\r\n", or "" for a last line without one
    Kind kind = Kind::kOther;
    std::string name;   // section or key name, blanks removed
    std::string value;  // for a key: the text after "=", blanks removed
  };

  static Line Classify(std::string content, std::string ending);
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
  void Insert(std::size_t at, Line line);
  std::string LineBreak() const;

  std::vector<Line> lines_;
};

// Blanks around a name or value do not count: spaces, tabs and the other ASCII white space.
std::string_view TrimBlanks(std::string_view text);

// Names compare without regard to the case of ASCII letters.
bool SameName(std::string_view a, std::string_view b);

}  // namespace platform::profile
