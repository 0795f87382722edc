#include "imaging/imaging.h"

namespace imaging {

namespace {

std::uintptr_t startupToken = 0;
Status lastStatus = platform::gdiplus::status::Ok;
const Api* replacedApi = nullptr;

}  // namespace

std::uintptr_t StartImaging() {
  const platform::gdiplus::StartupInput input{1, nullptr, 0, 0};
  std::uintptr_t token = 0;
  // A refused start-up leaves the token 0; later calls then fail with the library's status.
  ImagingApi().GdiplusStartup(&token, &input, nullptr);
  startupToken = token;
  return token;
}

void StopImaging() {
  ImagingApi().GdiplusShutdown(startupToken);
  startupToken = 0;
}

std::uintptr_t StartupToken() { return startupToken; }

Status LastStatus() { return lastStatus; }

void SetLastStatus(Status status) { lastStatus = status; }

bool RecordStatus(Status status) {
  lastStatus = status;
  return status == platform::gdiplus::status::Ok;
}

const Api& ImagingApi() { return replacedApi ? *replacedApi : platform::gdiplus::Library(); }

void SetImagingApi(const Api* api) { replacedApi = api; }

ScopedImagingApi::ScopedImagingApi(const Api& api) : previous_(replacedApi) { replacedApi = &api; }

ScopedImagingApi::~ScopedImagingApi() { replacedApi = previous_; }

}  // namespace imaging
