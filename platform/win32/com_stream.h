// A COM stream over global memory, laid out as an IStream: the interface
// table pointer comes first and its entries are QueryInterface, AddRef,
// Release, Read, Write, Seek, SetSize, CopyTo, Commit, Revert, LockRegion,
// UnlockRegion, Stat, Clone, in that order, each taking the stream first.
//
// The stream's length is always the size of its global block: writing past
// the end grows the block to exactly the new end (bytes skipped by a seek
// past the end read as zero), SetSize sets it. Positions are 32-bit, as in
// Windows' memory streams: a seek before the start or beyond 4 GiB fails and
// leaves the position alone. Clones share the block and keep their own
// position. The reference count is atomic; the position is not, so one
// stream object is used by one thread at a time, as COM expects.
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
inline constexpr HRESULT STG_E_INVALIDPOINTER = static_cast<HRESULT>(0x80030009);
inline constexpr HRESULT STG_E_SEEKERROR = static_cast<HRESULT>(0x80030019);
inline constexpr HRESULT STG_E_MEDIUMFULL = static_cast<HRESULT>(0x80030070);

inline constexpr std::uint32_t STREAM_SEEK_SET = 0;
inline constexpr std::uint32_t STREAM_SEEK_CUR = 1;
inline constexpr std::uint32_t STREAM_SEEK_END = 2;

inline constexpr std::uint32_t STGTY_STREAM = 2;

inline constexpr gdiplus::GUID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr gdiplus::GUID IID_ISequentialStream = {
    0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
inline constexpr gdiplus::GUID IID_IStream = {
    0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// STATSTG as laid out on 64-bit Windows (80 bytes). Our stream fills the type
// and the size; everything else is zero (memory streams have no name).
struct StreamStat {
  void* name;          // always null
  std::uint32_t type;  // STGTY_STREAM
  std::uint64_t size;
  std::uint8_t reserved[56];
};
static_assert(sizeof(StreamStat) == 80);

// The interface table, in IStream's order.
struct IStreamVtbl {
  HRESULT (*QueryInterface)(IStream* self, const gdiplus::GUID* iid, void** object);
  std::uint32_t (*AddRef)(IStream* self);
  std::uint32_t (*Release)(IStream* self);
  HRESULT (*Read)(IStream* self, void* buffer, std::uint32_t bytes, std::uint32_t* read);
  HRESULT (*Write)(IStream* self, const void* buffer, std::uint32_t bytes, std::uint32_t* written);
  HRESULT (*Seek)(IStream* self, std::int64_t move, std::uint32_t origin, std::uint64_t* position);
  HRESULT (*SetSize)(IStream* self, std::uint64_t size);
  HRESULT (*CopyTo)
  (IStream* self, IStream* target, std::uint64_t bytes, std::uint64_t* read,
   std::uint64_t* written);
  HRESULT (*Commit)(IStream* self, std::uint32_t flags);
  HRESULT (*Revert)(IStream* self);
  HRESULT (*LockRegion)
  (IStream* self, std::uint64_t offset, std::uint64_t bytes, std::uint32_t type);
  HRESULT (*UnlockRegion)
  (IStream* self, std::uint64_t offset, std::uint64_t bytes, std::uint32_t type);
  HRESULT (*Stat)(IStream* self, StreamStat* stat, std::uint32_t flags);
  HRESULT (*Clone)(IStream* self, IStream** clone);
};

// A stream over `block` (a new, empty block when null), holding one
// reference for the caller. With deleteOnRelease the block is freed when the
// last reference to the stream and its clones goes; without it the block
// stays the caller's. E_INVALIDARG for an unknown block or a null output.
HRESULT CreateStreamOnHGlobal(HGLOBAL block, bool deleteOnRelease, IStream** stream);
// The block behind a stream made by CreateStreamOnHGlobal; E_INVALIDARG (and
// null) for any other stream.
HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* block);

// The table of a stream (the first word at its address).
inline const IStreamVtbl* VtblOf(IStream* stream) {
  return *reinterpret_cast<const IStreamVtbl* const*>(stream);
}

}  // namespace charart::win32
