#pragma once

// Receives files dropped on one window and hands each path to a callback.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit/window.h"

namespace shell {

// Paths longer than this many bytes reach the callback cut to this length.
inline constexpr std::size_t kMaxDroppedPathBytes = 999;

class DropReceiver {
 public:
  // Called once per dropped file with its path. The text lives in a buffer that the next file
  // reuses: copy it to keep it.
  using DropCallback = std::function<void(const char* path)>;

  DropReceiver() = default;
  ~DropReceiver();
  // A copy would be a second receiver on the same window, and the two would each undo the
  // other's binding.
  DropReceiver(const DropReceiver&) = delete;
  DropReceiver& operator=(const DropReceiver&) = delete;

  // Binds the receiver to the window and turns on drops of files there. A receiver that is
  // already bound lets go of its previous window first. The window must outlive the binding:
  // unregister before the window is destroyed.
  void Register(platform::Window* window, DropCallback callback);

  // Turns drops off again and leaves the window alone. Harmless when nothing is bound, and when
  // called twice.
  void Unregister();

  // Hands the dropped paths to the callback, in the order given.
  void ReceiveDrop(const std::vector<std::string>& paths);

 private:
  platform::Window* window_ = nullptr;
  bool filterInstalled_ = false;
  DropCallback callback_;
  std::string pathBuffer_;
};

// How the receiver lets drop messages through the message filter; tests observe it here. An
// empty function restores the platform's.
using MessageFilterFunction = std::function<void(std::uint32_t message, std::uint32_t action)>;
void SetMessageFilterFunction(MessageFilterFunction change);

}  // namespace shell
