#pragma once

// Stand-in entries of the function table: each answers one fixed failing status (null for the
// allocator, nothing for the functions without a result) and clears its out-handles, so a
// caller that ignores the status still sees an empty handle. Built from the signature alone,
// so one template serves every function of the list.

#include <cstdint>
#include <type_traits>

#include "platform/gdiplus/gdiplus_types.h"

namespace platform::gdiplus::detail {

inline void ClearOut(Handle* out) {
  if (out) *out = nullptr;
}
inline void ClearOut(std::uintptr_t* token) {
  if (token) *token = 0;
}
template <typename T>
void ClearOut(T) {}

template <Status S, typename Function>
struct FailingEntry;

template <Status S, typename R, typename... Args>
struct FailingEntry<S, R (*)(Args...)> {
  static R Call(Args... args) {
    (ClearOut(args), ...);
    if constexpr (std::is_void_v<R>) {
      return;
    } else if constexpr (std::is_pointer_v<R>) {
      return nullptr;
    } else {
      return S;
    }
  }
};

// The stand-in for a function of this type, answering S.
template <Status S, typename Function>
constexpr Function Failing(Function) {
  return &FailingEntry<S, Function>::Call;
}

}  // namespace platform::gdiplus::detail
