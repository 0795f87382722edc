#include "shell/drop_receiver.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/toolkit/desktop_services.h"
#include "shell/os_version_name.h"

namespace shell {
namespace {

// Messages a drop needs to pass from senders of lower privilege: the drop itself, and the two
// messages that carry its data.
constexpr std::array<std::uint32_t, 3> kDropMessages{0x0233, 0x004A, 0x0049};
constexpr std::uint32_t kAllowMessage = 1;

// Systems whose name begins with this have no message filter.
constexpr std::string_view kWithoutMessageFilter = "Windows XP";

MessageFilterFunction& MessageFilter() {
  static MessageFilterFunction change;
  return change;
}

void ChangeMessageFilter(std::uint32_t message, std::uint32_t action) {
  const MessageFilterFunction& change = MessageFilter();
  if (change) {
    change(message, action);
  } else {
    platform::ChangeMessageFilter(message, action);
  }
}

void AllowDropMessages() {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  const std::string name = OsVersionName(major, minor);
  if (name.starts_with(kWithoutMessageFilter)) return;
  for (const std::uint32_t message : kDropMessages) ChangeMessageFilter(message, kAllowMessage);
}

}  // namespace

void SetMessageFilterFunction(MessageFilterFunction change) { MessageFilter() = std::move(change); }

DropReceiver::~DropReceiver() { Unregister(); }

void DropReceiver::Register(platform::Window* window, DropCallback callback) {
  Unregister();
  window_ = window;
  callback_ = std::move(callback);
  if (window_) {
    window_->AcceptFiles(true);
    window_->InstallDropFilter(
        [this](const std::vector<std::string>& paths) { ReceiveDrop(paths); });
    filterInstalled_ = true;
  }
  AllowDropMessages();
}

void DropReceiver::Unregister() {
  if (!window_ || !filterInstalled_) return;
  window_->AcceptFiles(false);
  window_->RemoveDropFilter();
  filterInstalled_ = false;
}

void DropReceiver::ReceiveDrop(const std::vector<std::string>& paths) {
  // The callback may register the receiver anew; this drop still goes to the one it came for.
  const DropCallback callback = callback_;
  if (!callback) return;
  for (const std::string& path : paths) {
    pathBuffer_.assign(path, 0, kMaxDroppedPathBytes);
    callback(pathBuffer_.c_str());
  }
}

}  // namespace shell
