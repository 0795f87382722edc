#include "platform/runtime/profile.h"

#include "platform/runtime/files.h"
#include "platform/runtime/profile_document.h"
#include "platform/runtime/profile_encoding.h"

namespace platform {

namespace {

using profile::ProfileDocument;

// Callers pass names that may begin with blanks or stray control characters; those never
// belong to a file name, section or key.
std::string_view SkipLeadingControls(std::string_view text) {
  while (!text.empty() &&
         (static_cast<unsigned char>(text.front()) <= 0x20 || text.front() == 0x7F)) {
    text.remove_prefix(1);
  }
  return text;
}

std::string Limited(std::string_view text) {
  return std::string(profile::CutAtCharacter(text, kProfileReadLimit));
}

// A name or value that would read back as something else, or split into further lines, is
// refused instead of being written into the file.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  constexpr std::string_view kLineBreaks{"\r\n\0", 3};
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of(kLineBreaks) != std::string_view::npos) return false;
  }
  const bool keyReadsAsOtherLine = key.front() == '[' || key.front() == ';' || key.front() == '#';
  return key.find('=') == std::string_view::npos && !keyReadsAsOtherLine;
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  const std::string_view file = SkipLeadingControls(path);
  section = profile::TrimBlanks(SkipLeadingControls(section));
  key = profile::TrimBlanks(SkipLeadingControls(key));
  if (file.empty() || section.empty() || key.empty()) return {};

  const FileContent content = ReadFileContent(std::string(file));
  if (content.state != FileContent::State::kRead) return Limited(defaultValue);
  const ProfileDocument document =
      ProfileDocument::Parse(profile::DecodeProfile(content.bytes).text);
  const std::optional<std::string> value = document.Find(section, key);
  return Limited(value ? *value : defaultValue);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  section = profile::TrimBlanks(section);
  key = profile::TrimBlanks(key);
  if (path.empty() || section.empty() || key.empty() || !IsWritable(section, key, value)) {
    return false;
  }

  const FileContent content = ReadFileContent(path);
  // Whatever stands in the file's place and cannot be read must not be replaced blindly.
  if (content.state == FileContent::State::kUnreadable) return false;
  const profile::DecodedProfile decoded = profile::DecodeProfile(content.bytes);
  ProfileDocument document = ProfileDocument::Parse(decoded.text);
  document.Set(section, key, value);
  const Bytes bytes = profile::EncodeProfile(document.Text(), decoded.hadByteOrderMark);
  // Saving settings that did not change touches nothing on disk.
  if (content.state == FileContent::State::kRead && bytes == content.bytes) return true;
  return WriteWholeFile(path, bytes);
}

}  // namespace platform
