#pragma once

// The in-memory stream that the imaging library layer reads pictures from and encodes
// pictures into: a growable block of memory with a position, the counterpart of a stream
// laid over a movable memory block. The block belongs to whoever made it; the stream only
// reads and grows it.

#include <cstdint>

#include "platform/runtime/bytes.h"

namespace platform::gdiplus {

// A growable block of memory.
struct MemoryBlock {
  Bytes bytes;
};

class Stream {
 public:
  enum class Origin { Begin, Current, End };

  explicit Stream(MemoryBlock* block) : block_(block) {}
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // Copies up to count bytes from the position; answers how many were copied.
  std::int64_t Read(std::uint8_t* out, std::int64_t count);
  // Writes count bytes at the position, growing the block as needed; answers count, or -1
  // when the block cannot grow.
  std::int64_t Write(const std::uint8_t* in, std::int64_t count);
  // Moves the position; answers the new position, or -1 (position unchanged) when it would
  // fall before the start.
  std::int64_t Seek(std::int64_t offset, Origin origin);
  std::int64_t Position() const { return position_; }
  std::int64_t Size() const;
  MemoryBlock* Block() const { return block_; }

 private:
  MemoryBlock* block_;
  std::int64_t position_ = 0;
};

}  // namespace platform::gdiplus
