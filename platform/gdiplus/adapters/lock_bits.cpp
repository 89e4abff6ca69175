// Locked bits. libgdiplus takes the caller's BitmapData for its own, larger
// record of a locked area and reads and writes well past its 32 bytes (the
// area's origin, flags, a palette pointer it later frees): a caller holding a
// GDI+-sized BitmapData gets its neighbouring memory overwritten and a stray
// free on unlocking. The adapters lock into a private record of ample size,
// copy the public fields out, and keep the private record under the key they
// leave in Reserved, where GDI+ keeps its own lock data, until the unlock.
//
// With a buffer of the caller's own (ImageLockModeUserInputBuf) libgdiplus
// also ignores the caller's stride: it writes the rows at its own stride from
// Scan0 on, so a bottom-up buffer (negative stride) or a stride narrower than
// its own is written past its end, and a wider one gets its rows in the wrong
// places. The adapters give libgdiplus a buffer of its own stride and copy
// the rows to the caller's buffer at the caller's stride (and back before
// unlocking, when the lock was for writing). A stride narrower than a row, or
// no buffer, is InvalidParameter, as in GDI+.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/canvas_memory.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr UINT kLockRead = 1;
constexpr UINT kLockWrite = 2;
constexpr UINT kUserInputBuffer = 4;

// The caller's own buffer, and the one libgdiplus fills in its place.
struct CallersBuffer {
  std::uint8_t* scan0 = nullptr;
  INT stride = 0;
  std::size_t rowBytes = 0;
  UINT rows = 0;
  bool read = false;
  bool write = false;
  std::uint8_t* engines = nullptr;  // malloc'd, at the engine's stride
  INT enginesStride = 0;
  INT room = 0;  // the widest stride the buffer holds

  ~CallersBuffer() { std::free(engines); }
  std::uint8_t* CallersRow(UINT y) const { return scan0 + std::ptrdiff_t{stride} * y; }
  std::uint8_t* EnginesRow(UINT y) const { return engines + std::ptrdiff_t{enginesStride} * y; }
};

// libgdiplus's private record is about 100 bytes; leave plenty of room.
struct PrivateLock {
  alignas(16) unsigned char bytes[512] = {};
  std::unique_ptr<CallersBuffer> callers;
  BitmapData& Public() { return *reinterpret_cast<BitmapData*>(bytes); }
};

// Bits per pixel of a GDI+ pixel format (its second byte).
std::uint64_t BitsPerPixel(PixelFormat format) {
  return (static_cast<std::uint64_t>(format) >> 8) & 0xFF;
}

// Prepares the engine's buffer for a lock into the caller's buffer `data`;
// InvalidParameter for a buffer GDI+ would refuse.
Status PrepareCallersBuffer(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                            const BitmapData& data, PrivateLock& lock) {
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  if (width == nullptr || height == nullptr) return Status::NotImplemented;
  UINT columns = 0;
  UINT rows = 0;
  if (rect != nullptr) {
    if (rect->Width <= 0 || rect->Height <= 0) return Status::InvalidParameter;
    columns = static_cast<UINT>(rect->Width);
    rows = static_cast<UINT>(rect->Height);
  } else {
    auto* image = reinterpret_cast<GpImage*>(bitmap);
    if (const Status s = width(image, &columns); s != Status::Ok) return s;
    if (const Status s = height(image, &rows); s != Status::Ok) return s;
  }
  const std::uint64_t bits = BitsPerPixel(format);
  const std::uint64_t rowBytes = (std::uint64_t{columns} * bits + 7) / 8;
  const std::uint64_t reach = data.Stride < 0 ? -std::int64_t{data.Stride} : data.Stride;
  if (data.Scan0 == nullptr || bits == 0 || rowBytes == 0 || reach < rowBytes) {
    return Status::InvalidParameter;
  }
  // libgdiplus 6.1 fills rows at this stride for every format it locks (24
  // and 32 bits); the buffer has room for rows of 64-bit pixels all the same,
  // and the stride it reports is checked against that room.
  const std::uint64_t enginesStride = (rowBytes + 3) & ~std::uint64_t{3};
  const std::uint64_t room =
      std::max(enginesStride, (std::uint64_t{columns} * 8 + 3) & ~std::uint64_t{3});
  if (room > 0x7FFFFFFF || room * rows > (std::uint64_t{1} << 40)) return Status::OutOfMemory;
  auto callers = std::make_unique<CallersBuffer>();
  callers->engines = static_cast<std::uint8_t*>(std::malloc(room * rows));
  if (callers->engines == nullptr) return Status::OutOfMemory;
  callers->scan0 = static_cast<std::uint8_t*>(data.Scan0);
  callers->stride = data.Stride;
  callers->rowBytes = rowBytes;
  callers->rows = rows;
  callers->read = (flags & kLockRead) != 0;
  callers->write = (flags & kLockWrite) != 0;
  callers->enginesStride = static_cast<INT>(enginesStride);
  callers->room = static_cast<INT>(room);
  // A lock for reading fills the caller's rows now; a lock for writing
  // takes them at the unlock (a write-only lock leaves the caller's buffer
  // as the caller filled it).
  lock.Public().Scan0 = callers->engines;
  lock.Public().Stride = callers->enginesStride;
  lock.callers = std::move(callers);
  return Status::Ok;
}

std::mutex g_mutex;
std::map<ULONG_PTR, std::unique_ptr<PrivateLock>>& Locks() {
  static std::map<ULONG_PTR, std::unique_ptr<PrivateLock>> locks;
  return locks;
}

}  // namespace

Status BitmapLockBits(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                      BitmapData* data) {
  static const auto raw = Raw<decltype(FunctionTable::GdipBitmapLockBits)>("GdipBitmapLockBits");
  if (raw == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || data == nullptr) return Status::InvalidParameter;
  NoteLockedBits(bitmap, flags);
  auto lock = std::make_unique<PrivateLock>();
  if ((flags & kUserInputBuffer) != 0) {
    const Status prepared = PrepareCallersBuffer(bitmap, rect, flags, format, *data, *lock);
    if (prepared != Status::Ok) return prepared;
  }
  const Status status = raw(bitmap, rect, flags, format, &lock->Public());
  if (status != Status::Ok) return status;
  const BitmapData& locked = lock->Public();
  if (CallersBuffer* callers = lock->callers.get()) {
    if (locked.Stride <= 0 || locked.Stride > callers->room) {  // not a layout we know
      static const auto unlock =
          Raw<decltype(FunctionTable::GdipBitmapUnlockBits)>("GdipBitmapUnlockBits");
      if (unlock != nullptr) unlock(bitmap, &lock->Public());
      return Status::NotImplemented;
    }
    callers->enginesStride = locked.Stride;
  }
  data->Width = locked.Width;
  data->Height = locked.Height;
  data->PixelFormat = locked.PixelFormat;
  if (const CallersBuffer* callers = lock->callers.get()) {
    for (UINT y = 0; callers->read && y < callers->rows && y < locked.Height; ++y) {
      std::memcpy(callers->CallersRow(y), callers->EnginesRow(y), callers->rowBytes);
    }
    // The caller's buffer and stride stay what they were, as in GDI+.
  } else {
    data->Stride = locked.Stride;
    data->Scan0 = locked.Scan0;
  }
  const auto key = reinterpret_cast<ULONG_PTR>(lock.get());
  data->Reserved = key;
  std::lock_guard guard(g_mutex);
  Locks()[key] = std::move(lock);
  return Status::Ok;
}

Status BitmapUnlockBits(GpBitmap* bitmap, BitmapData* data) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipBitmapUnlockBits)>("GdipBitmapUnlockBits");
  if (raw == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || data == nullptr) return Status::InvalidParameter;
  std::unique_ptr<PrivateLock> lock;
  {
    std::lock_guard guard(g_mutex);
    const auto found = Locks().find(data->Reserved);
    // Not a record this layer locked: GDI+ answers Win32Error for that.
    if (found == Locks().end()) return Status::Win32Error;
    lock = std::move(found->second);
    Locks().erase(found);
  }
  if (const CallersBuffer* callers = lock->callers.get(); callers != nullptr && callers->write) {
    for (UINT y = 0; y < callers->rows; ++y) {
      std::memcpy(callers->EnginesRow(y), callers->CallersRow(y), callers->rowBytes);
    }
  }
  const Status status = raw(bitmap, &lock->Public());
  if (status != Status::Ok) {
    // Still locked (a wrong bitmap, say): keep the record for a proper unlock.
    std::lock_guard guard(g_mutex);
    Locks()[data->Reserved] = std::move(lock);
    return status;
  }
  data->Reserved = 0;
  return status;
}

}  // namespace charart::gdiplus::adapters
