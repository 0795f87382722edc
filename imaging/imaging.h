#pragma once

// The imaging module's shared state: the library's start-up token, the one last status that
// every imaging call writes, and the function table the objects call through. Tests hand in a
// table of their own to make calls fail on purpose or to watch them.

#include <cstdint>

#include "platform/gdiplus/gdiplus_api.h"

namespace imaging {

using platform::gdiplus::Api;
using platform::gdiplus::Handle;
using platform::gdiplus::Status;

// Starts the library and keeps the token it gave; answers that token (0 when the library
// refused). A second start-up replaces the kept token, so only the latest one is balanced by
// StopImaging and the library stays started for the earlier ones.
std::uintptr_t StartImaging();
// Shuts down the latest start-up and forgets its token.
void StopImaging();
std::uintptr_t StartupToken();

// The status of the most recent library call made by any imaging object.
Status LastStatus();
void SetLastStatus(Status status);
// Stores status as the last status; true when it is Ok.
bool RecordStatus(Status status);

// The table every imaging call goes through: the opened library unless a test replaced it.
const Api& ImagingApi();
// Replaces the table; null restores the library's own.
void SetImagingApi(const Api* api);

// Replaces the table for the lifetime of the object, then puts the previous one back. The
// table must outlive the object.
class ScopedImagingApi {
 public:
  explicit ScopedImagingApi(const Api& api);
  ~ScopedImagingApi();
  ScopedImagingApi(const ScopedImagingApi&) = delete;
  ScopedImagingApi& operator=(const ScopedImagingApi&) = delete;

 private:
  const Api* previous_;
};

}  // namespace imaging
