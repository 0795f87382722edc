#include "imaging/memory_stream.h"

#include <algorithm>
#include <utility>

namespace imaging {

Stream* MemoryStream::CreateFromBytes(const Bytes& bytes, std::optional<std::int32_t> size) {
  Release();
  const auto available = static_cast<std::int64_t>(bytes.size());
  const auto count =
      static_cast<std::size_t>(std::clamp<std::int64_t>(size.value_or(available), 0, available));
  block_ = std::make_unique<MemoryBlock>();
  block_->bytes.resize(count);
  stream_ = std::make_unique<Stream>(block_.get());
  if (count > 0) {
    std::copy_n(bytes.begin(), count, Lock());
    Unlock();
  }
  return stream_.get();
}

void MemoryStream::Release() {
  // The stream reads and grows the block, so it goes first.
  stream_.reset();
  block_.reset();
  locked_ = nullptr;
}

std::size_t MemoryStream::GetSize() const { return block_ ? block_->bytes.size() : 0; }

bool MemoryStream::AttachStream(std::unique_ptr<Stream> stream,
                                std::unique_ptr<MemoryBlock> block) {
  Release();
  if (!stream || !block || stream->Block() != block.get()) return false;
  block_ = std::move(block);
  stream_ = std::move(stream);
  return true;
}

Bytes MemoryStream::ToBytes() const {
  const std::size_t size = GetSize();
  if (size == 0) return {};
  const std::uint8_t* begin = Lock();
  Bytes copy(begin, begin + size);
  Unlock();
  return copy;
}

std::uint8_t* MemoryStream::Lock() const {
  locked_ = block_ ? block_->bytes.data() : nullptr;
  return locked_;
}

}  // namespace imaging
