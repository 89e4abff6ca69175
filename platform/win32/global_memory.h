// Windows global memory on our platform: movable blocks named by handles that
// are distinct from their addresses, with a lock count.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

using gdiplus::HGLOBAL;

inline constexpr std::uint32_t GMEM_MOVEABLE = 0x0002;
inline constexpr std::uint32_t GMEM_ZEROINIT = 0x0040;

// A block of `bytes` bytes (zero-filled with GMEM_ZEROINIT); null on failure.
HGLOBAL GlobalAlloc(std::uint32_t flags, std::size_t bytes);
// The block's address, and one more lock; null for a null or unknown handle.
void* GlobalLock(HGLOBAL block);
// One lock fewer; true while the block stays locked.
bool GlobalUnlock(HGLOBAL block);
// The block's size in bytes; 0 for a null or unknown handle.
std::size_t GlobalSize(HGLOBAL block);
// Resizes (new bytes zeroed with GMEM_ZEROINIT); the same handle, or null.
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, std::uint32_t flags);
// Frees the block; null on success, the handle when it was not a block.
HGLOBAL GlobalFree(HGLOBAL block);

}  // namespace charart::win32
