// Locked bits. libgdiplus takes the caller's BitmapData for its own, larger
// record of a locked area and reads and writes well past its 32 bytes (the
// area's origin, flags, a palette pointer it later frees): a caller holding a
// GDI+-sized BitmapData gets its neighbouring memory overwritten and a stray
// free on unlocking. The adapters lock into a private record of ample size,
// copy the public fields out, and keep the private record under the key they
// leave in Reserved, where GDI+ keeps its own lock data, until the unlock.
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/canvas_memory.h"

namespace charart::gdiplus::adapters {
namespace {

// libgdiplus's private record is about 100 bytes; leave plenty of room.
struct PrivateLock {
  alignas(16) unsigned char bytes[512] = {};
  BitmapData& Public() { return *reinterpret_cast<BitmapData*>(bytes); }
};

constexpr UINT kUserInputBuffer = 4;

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
    lock->Public().Scan0 = data->Scan0;
    lock->Public().Stride = data->Stride;
  }
  const Status status = raw(bitmap, rect, flags, format, &lock->Public());
  if (status != Status::Ok) return status;
  const BitmapData& locked = lock->Public();
  data->Width = locked.Width;
  data->Height = locked.Height;
  data->Stride = locked.Stride;
  data->PixelFormat = locked.PixelFormat;
  data->Scan0 = locked.Scan0;
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
