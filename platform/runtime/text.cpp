#include "platform/runtime/text.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

// Texts longer than 2 GiB do not occur; counts beyond it are clamped rather than wrapped.
std::int32_t ClampedSize(std::size_t size) {
  return static_cast<std::int32_t>(
      std::min<std::size_t>(size, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t FindLast(std::string_view text, std::string_view what) {
  if (what.empty()) return -1;
  const std::size_t found = text.rfind(what);
  if (found == std::string_view::npos) return -1;
  return ClampedSize(found) + 1;
}

std::string Left(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string Right(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  const std::size_t taken = std::min(text.size(), static_cast<std::size_t>(count));
  return std::string(text.substr(text.size() - taken));
}

std::string Middle(std::string_view text, std::int32_t start, std::int32_t count) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || count <= 0) return {};
  return std::string(
      text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)));
}

std::int32_t Length(std::string_view text) { return ClampedSize(text.size()); }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  std::size_t position = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, position)) {
    result.append(text.substr(position, found - position)).append(to);
    position = found + from.size();
  }
  result.append(text.substr(position));
  return result;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  if (text.empty()) return {};
  if (separator.empty()) return {std::string(text)};
  std::vector<std::string> pieces;
  std::size_t position = 0;
  for (std::size_t found = text.find(separator); found != std::string_view::npos;
       found = text.find(separator, position)) {
    pieces.emplace_back(text.substr(position, found - position));
    position = found + separator.size();
  }
  pieces.emplace_back(text.substr(position));
  return pieces;
}

}  // namespace platform
