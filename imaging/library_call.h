#pragma once

// The calling rule shared by every imaging method: one call through the current table, its
// status stored as the last status, and one of three kinds of answer. Each entry is named by
// its member of the table, so a method reads `CallAction<&Api::GdipFillRectangleI>(...)`.

#include <cstdint>

#include "imaging/imaging.h"

namespace imaging {

template <auto Entry, typename... Args>
Status Invoke(Args... args) {
  return (ImagingApi().*Entry)(args...);
}

// An action answers true exactly when the library answered Ok.
template <auto Entry, typename... Args>
bool CallAction(Args... args) {
  return RecordStatus(Invoke<Entry>(args...));
}

// A query passes the address of a value that starts at 0 as the last argument and answers
// it, or 0 when the call failed.
template <typename T, auto Entry, typename... Args>
T CallQuery(Args... args) {
  T value{};
  return RecordStatus(Invoke<Entry>(args..., &value)) ? value : T{};
}

// A predicate answers the library's boolean; false when the call failed.
template <auto Entry, typename... Args>
bool CallPredicate(Args... args) {
  std::int32_t answer = 0;
  return RecordStatus(Invoke<Entry>(args..., &answer)) && answer != 0;
}

}  // namespace imaging
