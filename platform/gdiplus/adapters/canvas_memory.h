// What the other adapters tell the fresh-bitmap adapters (canvas_memory.cpp):
// which bitmaps may have had their straight pixels written, and where an
// area clone reads from.
#pragma once

#include <functional>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// The image's straight pixels may be written (or the image is going away):
// its first graphics must copy them as libgdiplus does.
void ForgetZeroBitmap(const void* image);
// Locked bits: a lock for writing may change the pixels.
void NoteLockedBits(const void* image, UINT flags);

// Runs `clone`, libgdiplus's clone of the area (x, y, width, height) of
// `src`, without its conversion of every pixel of a bitmap that was drawn
// on: the area alone is converted first. Any other bitmap is cloned as the
// library does.
Status CloneDrawnArea(INT x, INT y, INT width, INT height, GpBitmap* src,
                      const std::function<Status()>& clone);

}  // namespace charart::gdiplus::adapters
