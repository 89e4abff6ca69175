#include "platform/win32/com_stream.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>

namespace charart::win32 {
namespace {

constexpr std::uint64_t kMaxPosition = 0xFFFFFFFFu;  // memory streams are 32-bit

// The block and its fate, shared by a stream and its clones.
struct SharedBlock {
  HGLOBAL block;
  bool deleteOnRelease;
  std::atomic<std::uint32_t> references;
};

struct HGlobalStream {
  const IStreamVtbl* vtbl;  // first, as COM lays an interface out
  std::atomic<std::uint32_t> references;
  SharedBlock* shared;
  std::uint64_t position;
};
static_assert(offsetof(HGlobalStream, vtbl) == 0);

HGlobalStream* Self(IStream* stream) {
  return reinterpret_cast<HGlobalStream*>(stream);
}
IStream* AsInterface(HGlobalStream* stream) {
  return reinterpret_cast<IStream*>(stream);
}

bool SameGuid(const gdiplus::GUID& a, const gdiplus::GUID& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void ReleaseShared(SharedBlock* shared) {
  if (shared->references.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  if (shared->deleteOnRelease) GlobalFree(shared->block);
  delete shared;
}

HGlobalStream* NewStream(SharedBlock* shared, std::uint64_t position);

HRESULT QueryInterface(IStream* self, const gdiplus::GUID* iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid == nullptr) return E_INVALIDARG;
  if (!SameGuid(*iid, IID_IUnknown) && !SameGuid(*iid, IID_ISequentialStream) &&
      !SameGuid(*iid, IID_IStream)) {
    return E_NOINTERFACE;
  }
  Self(self)->references.fetch_add(1, std::memory_order_relaxed);
  *object = self;
  return S_OK;
}

std::uint32_t AddRef(IStream* self) {
  return Self(self)->references.fetch_add(1, std::memory_order_relaxed) + 1;
}

std::uint32_t Release(IStream* self) {
  HGlobalStream* stream = Self(self);
  const std::uint32_t left = stream->references.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left == 0) {
    ReleaseShared(stream->shared);
    delete stream;
  }
  return left;
}

HRESULT Read(IStream* self, void* buffer, std::uint32_t bytes, std::uint32_t* read) {
  if (read != nullptr) *read = 0;
  if (buffer == nullptr && bytes > 0) return STG_E_INVALIDPOINTER;
  HGlobalStream* stream = Self(self);
  const HGLOBAL block = stream->shared->block;
  const std::uint64_t size = GlobalSize(block);
  if (stream->position >= size || bytes == 0) return S_OK;
  const auto count =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, size - stream->position));
  const auto* data = static_cast<const std::uint8_t*>(GlobalLock(block));
  if (data == nullptr) return S_OK;  // the block went away under us: nothing to read
  std::memcpy(buffer, data + stream->position, count);
  GlobalUnlock(block);
  stream->position += count;
  if (read != nullptr) *read = count;
  return S_OK;
}

HRESULT Write(IStream* self, const void* buffer, std::uint32_t bytes, std::uint32_t* written) {
  if (written != nullptr) *written = 0;
  if (bytes == 0) return S_OK;
  if (buffer == nullptr) return STG_E_INVALIDPOINTER;
  HGlobalStream* stream = Self(self);
  const HGLOBAL block = stream->shared->block;
  const std::uint64_t end = stream->position + bytes;
  if (end > kMaxPosition) return STG_E_MEDIUMFULL;
  if (end > GlobalSize(block) &&
      GlobalReAlloc(block, static_cast<std::size_t>(end), GMEM_MOVEABLE) == nullptr) {
    return STG_E_MEDIUMFULL;
  }
  auto* data = static_cast<std::uint8_t*>(GlobalLock(block));
  if (data == nullptr) return STG_E_MEDIUMFULL;
  std::memmove(data + stream->position, buffer, bytes);
  GlobalUnlock(block);
  stream->position = end;
  if (written != nullptr) *written = bytes;
  return S_OK;
}

HRESULT Seek(IStream* self, std::int64_t move, std::uint32_t origin, std::uint64_t* position) {
  HGlobalStream* stream = Self(self);
  std::int64_t base = 0;
  switch (origin) {
    case STREAM_SEEK_SET:
      break;
    case STREAM_SEEK_CUR:
      base = static_cast<std::int64_t>(stream->position);
      break;
    case STREAM_SEEK_END:
      base = static_cast<std::int64_t>(GlobalSize(stream->shared->block));
      break;
    default:
      return STG_E_INVALIDFUNCTION;
  }
  std::int64_t target = 0;
  if (__builtin_add_overflow(base, move, &target) || target < 0 ||
      static_cast<std::uint64_t>(target) > kMaxPosition) {
    return STG_E_INVALIDFUNCTION;
  }
  stream->position = static_cast<std::uint64_t>(target);
  if (position != nullptr) *position = stream->position;
  return S_OK;
}

HRESULT SetSize(IStream* self, std::uint64_t size) {
  if (size > kMaxPosition) return STG_E_MEDIUMFULL;
  const HGLOBAL block = Self(self)->shared->block;
  if (GlobalReAlloc(block, static_cast<std::size_t>(size), GMEM_MOVEABLE) == nullptr) {
    return STG_E_MEDIUMFULL;
  }
  return S_OK;
}

// Through a bounce buffer: the target may be a clone over the same block.
HRESULT CopyTo(IStream* self, IStream* target, std::uint64_t bytes, std::uint64_t* read,
               std::uint64_t* written) {
  if (read != nullptr) *read = 0;
  if (written != nullptr) *written = 0;
  if (target == nullptr) return STG_E_INVALIDPOINTER;
  std::uint8_t chunk[16384];
  std::uint64_t totalRead = 0;
  std::uint64_t totalWritten = 0;
  HRESULT result = S_OK;
  while (totalRead < bytes) {
    const auto want =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(sizeof chunk, bytes - totalRead));
    std::uint32_t got = 0;
    result = Read(self, chunk, want, &got);
    if (result != S_OK || got == 0) break;
    totalRead += got;
    std::uint32_t put = 0;
    result = VtblOf(target)->Write(target, chunk, got, &put);
    totalWritten += put;
    if (result != S_OK) break;
    if (put < got) {
      result = STG_E_MEDIUMFULL;
      break;
    }
  }
  if (read != nullptr) *read = totalRead;
  if (written != nullptr) *written = totalWritten;
  return result;
}

HRESULT Commit(IStream*, std::uint32_t) {
  return S_OK;
}
HRESULT Revert(IStream*) {
  return S_OK;
}

HRESULT LockRegion(IStream*, std::uint64_t, std::uint64_t, std::uint32_t) {
  return STG_E_INVALIDFUNCTION;
}
HRESULT UnlockRegion(IStream*, std::uint64_t, std::uint64_t, std::uint32_t) {
  return STG_E_INVALIDFUNCTION;
}

HRESULT Stat(IStream* self, StreamStat* stat, std::uint32_t /*flags*/) {
  if (stat == nullptr) return STG_E_INVALIDPOINTER;
  std::memset(stat, 0, sizeof *stat);
  stat->type = STGTY_STREAM;
  stat->size = GlobalSize(Self(self)->shared->block);
  return S_OK;
}

HRESULT Clone(IStream* self, IStream** clone) {
  if (clone == nullptr) return STG_E_INVALIDPOINTER;
  *clone = nullptr;
  HGlobalStream* stream = Self(self);
  stream->shared->references.fetch_add(1, std::memory_order_relaxed);
  HGlobalStream* copy = NewStream(stream->shared, stream->position);
  if (copy == nullptr) {
    ReleaseShared(stream->shared);
    return E_OUTOFMEMORY;
  }
  *clone = AsInterface(copy);
  return S_OK;
}

constexpr IStreamVtbl kVtbl = {
    QueryInterface, AddRef, Release, Read,       Write,        Seek, SetSize,
    CopyTo,         Commit, Revert,  LockRegion, UnlockRegion, Stat, Clone,
};

HGlobalStream* NewStream(SharedBlock* shared, std::uint64_t position) {
  return new (std::nothrow) HGlobalStream{&kVtbl, {1}, shared, position};
}

}  // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL block, bool deleteOnRelease, IStream** stream) {
  if (stream == nullptr) return E_INVALIDARG;
  *stream = nullptr;
  bool madeBlock = false;
  if (block == nullptr) {
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0);
    if (block == nullptr) return E_OUTOFMEMORY;
    madeBlock = true;
  } else if (GlobalFlags(block) == GMEM_INVALID_HANDLE) {
    return E_INVALIDARG;
  }
  auto* shared = new (std::nothrow) SharedBlock{block, deleteOnRelease, {1}};
  HGlobalStream* created = shared == nullptr ? nullptr : NewStream(shared, 0);
  if (created == nullptr) {
    delete shared;
    if (madeBlock) GlobalFree(block);
    return E_OUTOFMEMORY;
  }
  *stream = AsInterface(created);
  return S_OK;
}

HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* block) {
  if (block == nullptr) return E_INVALIDARG;
  *block = nullptr;
  if (stream == nullptr || VtblOf(stream) != &kVtbl) return E_INVALIDARG;
  *block = Self(stream)->shared->block;
  return S_OK;
}

}  // namespace charart::win32
