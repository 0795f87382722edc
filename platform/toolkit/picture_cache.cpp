#include "platform/toolkit/picture_cache.h"

#include <array>
#include <climits>
#include <cstddef>
#include <functional>
#include <string_view>

namespace platform::toolkit {
namespace {

struct CachedPicture {
  std::size_t hash = 0;
  Bytes bytes;
  QImage image;
};

// Three controls per state picture, three states per render: a handful of entries is enough.
constexpr std::size_t kCacheSize = 4;
std::array<CachedPicture, kCacheSize> g_cache;
std::size_t g_next = 0;
int g_decodeCount = 0;

std::size_t HashOf(const Bytes& bytes) {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

QImage DecodePicture(const Bytes& bytes) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const std::size_t hash = HashOf(bytes);
  for (const CachedPicture& entry : g_cache) {
    if (entry.hash == hash && entry.bytes == bytes) return entry.image;
  }
  ++g_decodeCount;
  QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
  g_cache[g_next] = {hash, bytes, image};
  g_next = (g_next + 1) % kCacheSize;
  return image;
}

int DecodeCount() { return g_decodeCount; }

}  // namespace platform::toolkit
