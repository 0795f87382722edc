#include "platform/gdiplus/shared_library.h"

#include <dlfcn.h>

#include <utility>

namespace platform::gdiplus {

std::optional<SharedLibrary> SharedLibrary::Open(std::span<const char* const> names,
                                                 std::string* error) {
  std::string tried;
  std::string reason;
  for (const char* name : names) {
    if (void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return SharedLibrary(handle, name);
    if (const char* why = dlerror()) reason = why;
    tried += tried.empty() ? name : std::string(", ") + name;
  }
  if (error) *error = "cannot open " + tried + (reason.empty() ? "" : " (" + reason + ")");
  return std::nullopt;
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), name_(std::move(other.name_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_) dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    name_ = std::move(other.name_);
  }
  return *this;
}

SharedLibrary::~SharedLibrary() {
  if (handle_) dlclose(handle_);
}

void* SharedLibrary::Symbol(const char* name) const {
  return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace platform::gdiplus
