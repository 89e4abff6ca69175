// MemoryStream: one block of movable global memory and one COM stream over
// it, the bridge between byte sets and the streams GDI+ decodes images from
// and encodes them into.
//
// hGlobal and stream are set together (CreateFromBytes, AttachStream) and
// cleared together (Release). The stream is made without delete-on-release:
// the object holds one reference on it, gives that up in Release through the
// call gate, and frees the block itself. The stream grows its block to exactly
// what was written, so GetBytes (the whole block) returns exactly the bytes an
// encoder wrote. No operation touches LastStatus.
//
// Copy() returns a sharing copy: it names the same block and stream, takes a
// reference of its own on the stream (released by its own Release) and never
// frees the block, which stays the source's. The stream is thus released once
// per reference and the block freed once; a copy that outlives its source
// finds the freed block refused by the global-memory registry and reads an
// empty block, never freed memory. C++ copying is deleted; moving hands
// everything over and leaves the source empty.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "values/byte_set.h"

namespace charart::imaging {

class MemoryStream {
 public:
  MemoryStream() = default;
  virtual ~MemoryStream();
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;

  // 0: calls Release.
  virtual void Destroy();
  // 1: the sharing copy described above.
  [[nodiscard]] virtual std::unique_ptr<MemoryStream> Copy() const;
  // 2: releases what the object held, then makes a zero-filled block of
  // `size` bytes (default: the byte set's length; a missing byte set is the
  // omitted one) and a stream over it, and copies the first min(size, length)
  // bytes of `bytes` into the block; the rest stays zero. Returns the stream,
  // 0 when the block or the stream could not be made (nothing is then held).
  virtual Handle CreateFromBytes(const values::ByteSet& bytes = values::ByteSet(),
                                 std::optional<std::int32_t> size = std::nullopt);
  // 3: gives up the stream reference and frees the block; nothing when no
  // stream is held.
  virtual void Release();
  // 4: the block's size (GlobalSize).
  [[nodiscard]] virtual std::int32_t GetSize();
  // 5, 6
  [[nodiscard]] virtual Handle GetStream();
  [[nodiscard]] virtual Handle GetHGlobal();
  // 7: releases what the object held, then adopts the caller's reference on
  // `stream` and the block behind it; true when the stream has a block.
  virtual bool AttachStream(Handle stream);
  // 8: a copy of the whole block; empty when no block is held.
  [[nodiscard]] virtual values::ByteSet GetBytes();

  Handle hGlobal = 0;
  Handle lockedData = 0;  // the address of the last lock; never used once unlocked
  Handle stream = 0;

 private:
  void TakeFrom(MemoryStream& other);

  bool ownsBlock_ = true;  // false in a Copy(): the block stays the source's
};

}  // namespace charart::imaging
