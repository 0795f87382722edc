#pragma once

// What the layer remembers about a native object between calls (how a bitmap is locked, where
// a decoded image came from), kept by its handle. The library's callbacks may run on another
// thread, so the table is locked.

#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/gdiplus/gdiplus_types.h"

namespace platform::gdiplus {

template <typename Record>
class HandleTable {
 public:
  void Remember(Handle handle, Record record) {
    std::lock_guard lock(mutex_);
    records_[handle] = std::move(record);
  }
  std::optional<Record> Find(Handle handle) const {
    std::lock_guard lock(mutex_);
    const auto found = records_.find(handle);
    if (found == records_.end()) return std::nullopt;
    return found->second;
  }
  void Forget(Handle handle) {
    std::lock_guard lock(mutex_);
    records_.erase(handle);
  }

 private:
  mutable std::mutex mutex_;
  std::map<Handle, Record> records_;
};

}  // namespace platform::gdiplus
