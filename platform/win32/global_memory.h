// Windows global memory on our platform: movable blocks named by handles that
// are distinct from their addresses, with a lock count.
//
// Handles come from a process-wide registry guarded by a mutex. A handle is a
// serial number in a range where no address can lie, never reused, so a
// handle used after GlobalFree (or mistaken for an address) is refused, not
// followed. Every block is movable and zero-filled: bytes that a GlobalReAlloc
// adds read as zero. A locked block never moves: growing it beyond the room
// it already has fails instead, so an address from GlobalLock stays valid
// until the matching GlobalUnlock. GlobalSize is always the exact size asked
// for; the room behind it grows geometrically, so a block grown by many small
// steps (a stream being written) costs linear time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

using gdiplus::HGLOBAL;

inline constexpr std::uint32_t GMEM_FIXED = 0x0000;
inline constexpr std::uint32_t GMEM_MOVEABLE = 0x0002;
inline constexpr std::uint32_t GMEM_ZEROINIT = 0x0040;
inline constexpr std::uint32_t GMEM_MODIFY = 0x0080;
inline constexpr std::uint32_t GMEM_LOCKCOUNT = 0x00FF;
inline constexpr std::uint32_t GMEM_INVALID_HANDLE = 0x8000;

// A block of `bytes` bytes (zero-filled whatever the flags; GMEM_FIXED blocks
// are movable too); null on failure. A block of 0 bytes is a valid handle.
HGLOBAL GlobalAlloc(std::uint32_t flags, std::size_t bytes);
// The block's address, and one more lock; null for a null or unknown handle
// and for a block of 0 bytes (which, as on Windows, cannot be locked).
void* GlobalLock(HGLOBAL block);
// One lock fewer; true while the block stays locked.
bool GlobalUnlock(HGLOBAL block);
// The block's size in bytes; 0 for a null or unknown handle.
std::size_t GlobalSize(HGLOBAL block);
// Resizes keeping the content (new bytes zeroed); the same handle, or null
// when the handle is unknown, memory runs out, or a locked block would have
// to move. With GMEM_MODIFY only the attributes change: the size stays.
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, std::uint32_t flags);
// Frees the block, locked or not; null on success (and for null), the handle
// when it was not a block.
HGLOBAL GlobalFree(HGLOBAL block);
// The lock count in the low byte (GMEM_LOCKCOUNT); GMEM_INVALID_HANDLE for an
// unknown handle.
std::uint32_t GlobalFlags(HGLOBAL block);

// Tests only: the number of blocks allocated and not yet freed.
std::size_t LiveGlobalBlocksForTesting();

}  // namespace charart::win32
