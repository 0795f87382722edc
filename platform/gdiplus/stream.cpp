#include "platform/gdiplus/stream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace platform::gdiplus {

std::int64_t Stream::Size() const {
  return block_ ? static_cast<std::int64_t>(block_->bytes.size()) : 0;
}

std::int64_t Stream::Read(std::uint8_t* out, std::int64_t count) {
  if (!block_ || count <= 0 || position_ >= Size()) return 0;
  const std::int64_t n = std::min(count, Size() - position_);
  std::memcpy(out, block_->bytes.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t Stream::Write(const std::uint8_t* in, std::int64_t count) {
  if (!block_ || count < 0) return -1;
  if (count == 0) return 0;
  if (count > std::numeric_limits<std::int64_t>::max() - position_) return -1;
  const std::int64_t end = position_ + count;
  try {
    if (end > Size()) block_->bytes.resize(static_cast<std::size_t>(end));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  std::memcpy(block_->bytes.data() + position_, in, static_cast<std::size_t>(count));
  position_ = end;
  return count;
}

std::int64_t Stream::Seek(std::int64_t offset, Origin origin) {
  std::int64_t base = 0;
  if (origin == Origin::Current) base = position_;
  if (origin == Origin::End) base = Size();
  if (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset) return -1;
  const std::int64_t target = base + offset;
  if (target < 0) return -1;
  position_ = target;
  return position_;
}

}  // namespace platform::gdiplus
