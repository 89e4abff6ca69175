#include "imaging/core/memory_stream.h"

#include <algorithm>
#include <utility>

#include "platform/win32/call_gate.h"
#include "platform/win32/com_stream.h"
#include "platform/win32/global_memory.h"

namespace charart::imaging {
namespace {

win32::HGLOBAL AsBlock(Handle handle) {
  return reinterpret_cast<win32::HGLOBAL>(handle);
}
gdiplus::IStream* AsStream(Handle handle) {
  return reinterpret_cast<gdiplus::IStream*>(handle);
}

}  // namespace

MemoryStream::~MemoryStream() {
  MemoryStream::Destroy();
}

MemoryStream::MemoryStream(MemoryStream&& other) noexcept {
  TakeFrom(other);
}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Release();
    TakeFrom(other);
  }
  return *this;
}

void MemoryStream::TakeFrom(MemoryStream& other) {
  hGlobal = std::exchange(other.hGlobal, 0);
  lockedData = std::exchange(other.lockedData, 0);
  stream = std::exchange(other.stream, 0);
  ownsBlock_ = std::exchange(other.ownsBlock_, true);
}

void MemoryStream::Destroy() {
  Release();
}

std::unique_ptr<MemoryStream> MemoryStream::Copy() const {
  auto copy = std::make_unique<MemoryStream>();
  copy->hGlobal = hGlobal;
  copy->lockedData = lockedData;
  copy->stream = stream;
  copy->ownsBlock_ = false;
  if (stream != 0) win32::VtblOf(AsStream(stream))->AddRef(AsStream(stream));
  return copy;
}

Handle MemoryStream::CreateFromBytes(const values::ByteSet& bytes,
                                     std::optional<std::int32_t> size) {
  Release();
  const std::int32_t wanted = size.value_or(bytes.Length());
  // A negative size asks for more than any block can hold; Windows' GlobalAlloc
  // fails on it, so nothing is made.
  if (wanted < 0) return 0;
  const auto blockBytes = static_cast<std::size_t>(wanted);
  win32::HGLOBAL block =
      win32::GlobalAlloc(win32::GMEM_MOVEABLE | win32::GMEM_ZEROINIT, blockBytes);
  // Without a block there is nothing to make a stream over (Windows would
  // make one over a fresh block of its own that nobody frees).
  if (block == nullptr) return 0;
  gdiplus::IStream* created = nullptr;
  if (win32::CreateStreamOnHGlobal(block, false, &created) != win32::S_OK || created == nullptr) {
    win32::GlobalFree(block);
    return 0;
  }
  hGlobal = reinterpret_cast<Handle>(block);
  stream = reinterpret_cast<Handle>(created);
  ownsBlock_ = true;

  void* data = win32::GlobalLock(block);
  lockedData = reinterpret_cast<Handle>(data);
  // Never read past the byte set: a larger block keeps its zero tail.
  const std::size_t count =
      std::min<std::size_t>(blockBytes, static_cast<std::size_t>(bytes.Length()));
  if (data != nullptr && count > 0) {
    win32::WriteProcessMemory(win32::GetCurrentProcess(), data, bytes.Data(), count, nullptr);
  }
  win32::GlobalUnlock(block);
  return stream;
}

void MemoryStream::Release() {
  if (stream == 0) return;
  gdiplus::IStream* held = AsStream(stream);
  win32::CallWindowProcA(win32::VtblOf(held)->Release, stream, 0, 0, 0);
  if (ownsBlock_) win32::GlobalFree(AsBlock(hGlobal));
  hGlobal = 0;
  stream = 0;
  ownsBlock_ = true;
}

std::int32_t MemoryStream::GetSize() {
  return static_cast<std::int32_t>(win32::GlobalSize(AsBlock(hGlobal)));
}

Handle MemoryStream::GetStream() {
  return stream;
}

Handle MemoryStream::GetHGlobal() {
  return hGlobal;
}

bool MemoryStream::AttachStream(Handle adopted) {
  Release();
  win32::HGLOBAL block = nullptr;
  win32::GetHGlobalFromStream(AsStream(adopted), &block);
  hGlobal = reinterpret_cast<Handle>(block);
  stream = adopted;
  ownsBlock_ = true;
  return hGlobal != 0;
}

values::ByteSet MemoryStream::GetBytes() {
  const win32::HGLOBAL block = AsBlock(hGlobal);
  void* data = win32::GlobalLock(block);
  lockedData = reinterpret_cast<Handle>(data);
  const std::size_t size = win32::GlobalSize(block);
  values::ByteSet bytes;
  if (data != nullptr && size > 0) bytes = values::ByteSet(data, size);
  win32::GlobalUnlock(block);
  return bytes;
}

}  // namespace charart::imaging
