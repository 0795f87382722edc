#include "platform/gdiplus/image_registry.h"

#include <map>
#include <mutex>

#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus {
namespace {

class Registry {
 public:
  void Remember(Handle image, DecodedOrigin origin) {
    std::lock_guard lock(mutex_);
    origins_[image] = std::move(origin);
  }
  std::optional<DecodedOrigin> Find(Handle image) {
    std::lock_guard lock(mutex_);
    const auto found = origins_.find(image);
    if (found == origins_.end()) return std::nullopt;
    return found->second;
  }
  void Forget(Handle image) {
    std::lock_guard lock(mutex_);
    origins_.erase(image);
  }

 private:
  std::mutex mutex_;
  std::map<Handle, DecodedOrigin> origins_;
};

Registry& TheRegistry() {
  static auto* registry = new Registry;
  return *registry;
}

}  // namespace

void RememberDecoded(Handle image, DecodedOrigin origin) {
  TheRegistry().Remember(image, std::move(origin));
}

std::optional<DecodedOrigin> DecodedOriginOf(Handle image) { return TheRegistry().Find(image); }

void ForgetDecoded(Handle image) { TheRegistry().Forget(image); }

int FrameCountOf(Handle image) {
  const std::optional<DecodedOrigin> origin = DecodedOriginOf(image);
  return origin ? origin->frameCount : 1;
}

DecodedPicture DecodeFrameOf(Handle image, int index) {
  const std::optional<DecodedOrigin> origin = DecodedOriginOf(image);
  if (!origin || !origin->bytes) return DecodedPicture{};
  return DecodeFrame(*origin->bytes, index);
}

namespace layer {

Status GdipGetImageRawFormat(Handle image, Guid* format) {
  if (image && format) {
    if (const std::optional<DecodedOrigin> origin = DecodedOriginOf(image)) {
      *format = origin->rawFormat;
      return status::Ok;
    }
  }
  return Native().api.GdipGetImageRawFormat(image, format);
}

Status GdipDisposeImage(Handle image) {
  ForgetDecoded(image);
  return Native().api.GdipDisposeImage(image);
}

}  // namespace layer
}  // namespace platform::gdiplus
