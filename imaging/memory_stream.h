#pragma once

// Bytes as a stream that the imaging library reads pictures from and encodes pictures into,
// and a written stream back as bytes. Not an imaging object: it holds no library handle and
// writes no last status.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/gdiplus/stream.h"
#include "platform/runtime/bytes.h"

namespace imaging {

using platform::Bytes;
using platform::gdiplus::MemoryBlock;
using platform::gdiplus::Stream;

class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream() { Release(); }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  // Replaces what the object held with a new block holding a copy of the first size bytes
  // (all of them when size is omitted) and a stream over it at position 0. A size outside
  // 0..bytes.size() is clamped to it, so a wrong size never reads past the bytes.
  Stream* CreateFromBytes(const Bytes& bytes, std::optional<std::int32_t> size = std::nullopt);
  // Drops the stream, then the block it lies over. Harmless on an empty object.
  void Release();
  std::size_t GetSize() const;
  Stream* GetStream() const { return stream_.get(); }
  MemoryBlock* GetMemoryHandle() const { return block_.get(); }
  // Takes over a stream together with the block it lies over (the stream does not own its
  // block). Releases what the object held first. Answers false, and holds nothing, when the
  // stream is absent or does not lie over that block.
  bool AttachStream(std::unique_ptr<Stream> stream, std::unique_ptr<MemoryBlock> block);
  // The whole content of the block, whatever the stream's position; empty when none.
  Bytes ToBytes() const;

 private:
  std::uint8_t* Lock() const;
  void Unlock() const { locked_ = nullptr; }

  std::unique_ptr<MemoryBlock> block_;
  // The block's address while it is being copied in or out; null otherwise.
  mutable std::uint8_t* locked_ = nullptr;
  std::unique_ptr<Stream> stream_;
};

}  // namespace imaging
