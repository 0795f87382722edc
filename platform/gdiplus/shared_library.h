#pragma once

// Owns one shared library opened by name at run time. Move-only: the handle is closed exactly
// once, by whichever object holds it last.

#include <optional>
#include <span>
#include <string>

namespace platform::gdiplus {

class SharedLibrary {
 public:
  // Tries the names in order and keeps the first that opens. On failure, error (when given)
  // receives one line naming every name tried and the loader's reason.
  static std::optional<SharedLibrary> Open(std::span<const char* const> names,
                                           std::string* error = nullptr);

  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  ~SharedLibrary();

  // The address of an exported symbol, or null when the library does not export it.
  void* Symbol(const char* name) const;
  const std::string& Name() const { return name_; }

 private:
  SharedLibrary(void* handle, std::string name) : handle_(handle), name_(std::move(name)) {}

  void* handle_ = nullptr;
  std::string name_;
};

}  // namespace platform::gdiplus
