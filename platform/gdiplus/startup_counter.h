#pragma once

// Counts start-ups of the imaging library, which does not count them itself: its second
// start-up writes no token and one shut-down ends it for everyone. The counter starts the
// library on the first start-up, answers a token of its own for each, and really shuts the
// library down only when every start-up has been balanced by a shut-down with its token.

#include <cstdint>
#include <functional>
#include <mutex>
#include <set>

#include "platform/gdiplus/gdiplus_types.h"

namespace platform::gdiplus {

class StartupCounter {
 public:
  using Start = std::function<Status(std::uintptr_t*, const StartupInput*, void*)>;
  using Stop = std::function<void(std::uintptr_t)>;

  StartupCounter(Start start, Stop stop) : start_(std::move(start)), stop_(std::move(stop)) {}

  // Checks the arguments as the library would; on failure the token is 0.
  Status Startup(std::uintptr_t* token, const StartupInput* input, void* output);
  // Unknown tokens, and tokens already shut down, do nothing.
  void Shutdown(std::uintptr_t token);

 private:
  Start start_;
  Stop stop_;
  std::mutex mutex_;
  std::set<std::uintptr_t> open_;
  std::uintptr_t nextToken_ = 1;
  std::uintptr_t libraryToken_ = 0;
};

}  // namespace platform::gdiplus
