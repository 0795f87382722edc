#include "platform/runtime/profile_document.h"

#include <algorithm>

namespace platform::profile {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

ProfileDocument ProfileDocument::Parse(std::string_view text) {
  ProfileDocument document;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view content = text.substr(0, newline);
    std::string ending;
    if (newline == std::string_view::npos) {
      text = {};
    } else {
      text.remove_prefix(newline + 1);
      ending = "\n";
      if (content.ends_with('\r')) {
        content.remove_suffix(1);
        ending = "\r\n";
      }
    }
    document.lines_.push_back(Classify(std::string(content), std::move(ending)));
  }
  return document;
}

ProfileDocument::Line ProfileDocument::Classify(std::string content, std::string ending) {
  Line line;
  line.content = std::move(content);
  line.ending = std::move(ending);
  const std::string_view trimmed = TrimBlanks(line.content);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return line;
  if (trimmed.front() == '[') {
    // The name runs to the last "]", so that a name containing "]" reads back whole.
    const std::string_view inner = trimmed.substr(1);
    line.kind = Kind::kSection;
    line.name = TrimBlanks(inner.substr(0, inner.rfind(']')));
    return line;
  }
  // A line without "=" is a key with an empty value.
  const std::size_t equals = trimmed.find('=');
  line.kind = Kind::kKey;
  line.name = TrimBlanks(trimmed.substr(0, equals));
  if (equals != std::string_view::npos) line.value = TrimBlanks(trimmed.substr(equals + 1));
  return line;
}

std::optional<std::size_t> ProfileDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::kSection && SameName(lines_[i].name, section)) return i;
  }
  return std::nullopt;
}

std::size_t ProfileDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != Kind::kSection) ++end;
  return end;
}

std::optional<std::size_t> ProfileDocument::FindKey(std::size_t header,
                                                    std::string_view key) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey && SameName(lines_[i].name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section,
                                                 std::string_view key) const {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  const std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return std::nullopt;
  return std::string(WithoutQuotes(lines_[*line].value));
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) {
    if (!lines_.empty() && !TrimBlanks(lines_.back().content).empty()) Insert(lines_.size(), {});
    Insert(lines_.size(), Classify("[" + std::string(section) + "]", ""));
    Insert(lines_.size(), Classify(keyLine, ""));
    return;
  }
  if (const std::optional<std::size_t> existing = FindKey(*header, key)) {
    Line& line = lines_[*existing];
    // The key keeps its spelling in the file; only its value changes.
    line = Classify(line.name + "=" + std::string(value), std::move(line.ending));
    return;
  }
  // After the section's last key, so that blank lines and comments that lead into the next
  // section stay with it.
  std::size_t last = *header;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey) last = i;
  }
  Insert(last + 1, Classify(keyLine, ""));
}

void ProfileDocument::Insert(std::size_t at, Line line) {
  const std::string lineBreak = LineBreak();
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = lineBreak;
  line.ending = lineBreak;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

// New lines follow the file's own line breaks.
std::string ProfileDocument::LineBreak() const {
  for (const Line& line : lines_) {
    if (!line.ending.empty()) return line.ending;
  }
  return "\n";
}

std::string ProfileDocument::Text() const {
  std::string text;
  for (const Line& line : lines_) text.append(line.content).append(line.ending);
  return text;
}

}  // namespace platform::profile
