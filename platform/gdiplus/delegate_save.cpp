#include "platform/gdiplus/delegate_save.h"

#include <climits>
#include <cstdio>
#include <mutex>

#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus {
namespace {

std::mutex saveMutex;
Stream* target = nullptr;  // the stream of the one save in progress

int ClampToInt(std::int64_t value) { return value > INT_MAX ? INT_MAX : static_cast<int>(value); }

int GetBytes(std::uint8_t* buffer, int count, int peek) {
  const std::int64_t start = target->Position();
  const std::int64_t read = target->Read(buffer, count);
  if (peek) target->Seek(start, Stream::Origin::Begin);
  return static_cast<int>(read);
}

int PutBytes(std::uint8_t* buffer, int count) {
  return static_cast<int>(target->Write(buffer, count));
}

int Seek(int offset, int whence) {
  Stream::Origin origin = Stream::Origin::Begin;
  if (whence == SEEK_CUR) origin = Stream::Origin::Current;
  if (whence == SEEK_END) origin = Stream::Origin::End;
  return ClampToInt(target->Seek(offset, origin));
}

void Close() {}

int Size() { return ClampToInt(target->Size()); }

}  // namespace

Status SaveThroughLibrary(Handle image, Stream& stream, const Guid& encoder,
                          const EncoderParameters* parameters) {
  // The library writes into a scratch stream first, so that a failed save leaves nothing
  // half-written behind in the caller's stream.
  MemoryBlock scratchBlock;
  Stream scratch(&scratchBlock);
  Status saved;
  {
    std::lock_guard lock(saveMutex);
    target = &scratch;
    saved = Native().only.GdipSaveImageToDelegate_linux(image, GetBytes, PutBytes, Seek, Close,
                                                        Size, &encoder, parameters);
    target = nullptr;
  }
  if (saved != status::Ok) return saved;
  const auto size = static_cast<std::int64_t>(scratchBlock.bytes.size());
  if (stream.Write(scratchBlock.bytes.data(), size) != size) return status::Win32Error;
  return status::Ok;
}

}  // namespace platform::gdiplus
