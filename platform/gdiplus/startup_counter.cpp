#include "platform/gdiplus/startup_counter.h"

#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus {
namespace {

// The library accepts versions 1 and 2 of the start-up record and refuses the others.
bool SupportedVersion(std::uint32_t version) { return version == 1 || version == 2; }

}  // namespace

Status StartupCounter::Startup(std::uintptr_t* token, const StartupInput* input, void* output) {
  if (!token) return status::InvalidParameter;
  *token = 0;
  if (!input) return status::InvalidParameter;
  if (!SupportedVersion(input->GdiplusVersion)) return status::UnsupportedGdiplusVersion;
  std::lock_guard lock(mutex_);
  if (open_.empty()) {
    std::uintptr_t libraryToken = 0;
    const Status started = start_(&libraryToken, input, output);
    if (started != status::Ok) return started;
    libraryToken_ = libraryToken;
  }
  *token = nextToken_++;
  open_.insert(*token);
  return status::Ok;
}

void StartupCounter::Shutdown(std::uintptr_t token) {
  std::lock_guard lock(mutex_);
  if (open_.erase(token) == 0 || !open_.empty()) return;
  stop_(libraryToken_);
  libraryToken_ = 0;
}

namespace layer {
namespace {

// Never destroyed, like the library itself: a shut-down may come from an exit handler.
StartupCounter& Counter() {
  static auto* counter =
      new StartupCounter(Native().api.GdiplusStartup, Native().api.GdiplusShutdown);
  return *counter;
}

}  // namespace

Status GdiplusStartup(std::uintptr_t* token, const StartupInput* input, void* output) {
  return Counter().Startup(token, input, output);
}

void GdiplusShutdown(std::uintptr_t token) { Counter().Shutdown(token); }

}  // namespace layer
}  // namespace platform::gdiplus
