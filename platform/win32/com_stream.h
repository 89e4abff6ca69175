// A COM stream over global memory, laid out as an IStream: the interface
// table pointer comes first and its entries are QueryInterface, AddRef,
// Release, Read, Write, Seek, SetSize, CopyTo, Commit, Revert, LockRegion,
// UnlockRegion, Stat, Clone, in that order, each taking the stream first.
// Writing past the end grows the global block.
#pragma once

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/win32/global_memory.h"

namespace charart::win32 {

using gdiplus::IStream;
using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT STG_E_INVALIDFUNCTION = static_cast<HRESULT>(0x80030001);
inline constexpr HRESULT STG_E_SEEKERROR = static_cast<HRESULT>(0x80030019);

inline constexpr std::uint32_t STREAM_SEEK_SET = 0;
inline constexpr std::uint32_t STREAM_SEEK_CUR = 1;
inline constexpr std::uint32_t STREAM_SEEK_END = 2;

// The STATSTG fields our stream fills (size and type; names are not kept).
struct StreamStat {
  void* name;  // always null
  std::uint32_t type;  // 2: a stream
  std::uint64_t size;
  std::uint8_t reserved[56];
};

// The interface table, in IStream's order.
struct IStreamVtbl {
  HRESULT (*QueryInterface)(IStream* self, const gdiplus::GUID* iid, void** object);
  std::uint32_t (*AddRef)(IStream* self);
  std::uint32_t (*Release)(IStream* self);
  HRESULT (*Read)(IStream* self, void* buffer, std::uint32_t bytes, std::uint32_t* read);
  HRESULT (*Write)(IStream* self, const void* buffer, std::uint32_t bytes, std::uint32_t* written);
  HRESULT (*Seek)(IStream* self, std::int64_t move, std::uint32_t origin, std::uint64_t* position);
  HRESULT (*SetSize)(IStream* self, std::uint64_t size);
  HRESULT (*CopyTo)(IStream* self, IStream* target, std::uint64_t bytes, std::uint64_t* read,
                    std::uint64_t* written);
  HRESULT (*Commit)(IStream* self, std::uint32_t flags);
  HRESULT (*Revert)(IStream* self);
  HRESULT (*LockRegion)(IStream* self, std::uint64_t offset, std::uint64_t bytes, std::uint32_t type);
  HRESULT (*UnlockRegion)(IStream* self, std::uint64_t offset, std::uint64_t bytes,
                          std::uint32_t type);
  HRESULT (*Stat)(IStream* self, StreamStat* stat, std::uint32_t flags);
  HRESULT (*Clone)(IStream* self, IStream** clone);
};

// A stream over `block` (a new, empty movable block when null). With
// deleteOnRelease the block is freed when the last reference goes.
HRESULT CreateStreamOnHGlobal(HGLOBAL block, bool deleteOnRelease, IStream** stream);
// The block behind a stream made by CreateStreamOnHGlobal.
HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* block);

// The table of a stream (the first word at its address).
inline const IStreamVtbl* VtblOf(IStream* stream) {
  return *reinterpret_cast<const IStreamVtbl* const*>(stream);
}

}  // namespace charart::win32
