#include "platform/gdiplus/image_registry.h"

#include "platform/gdiplus/handle_table.h"
#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus {
namespace {

HandleTable<DecodedOrigin>& TheRegistry() {
  static auto* registry = new HandleTable<DecodedOrigin>;
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
