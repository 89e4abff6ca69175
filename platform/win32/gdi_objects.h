// HBITMAP, HICON and HRGN on our platform. There is no window-system GDI, so the
// bitmap and icon handles that GDI+ hands out (GdipCreateHBITMAPFromBitmap,
// GdipCreateHICONFromBitmap) are private GDI+ bitmaps. Every handle issued is
// registered here, so that GDI+ accepts back exactly the handles it made and
// refuses anything else instead of reading through a stray pointer.
// The region handles of GdipGetRegionHRgn are private GDI+ regions, kept the
// same way. DeleteObject and DestroyIcon release them, as on Windows.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

enum class GdiObjectKind { Bitmap, Icon, Region };

// Registers a handle GDI+ made; the registry does not own it until then.
void RegisterGdiObject(void* handle, GdiObjectKind kind);
// Whether `handle` is a live handle of that kind.
bool IsGdiObject(void* handle, GdiObjectKind kind);

// Releases a bitmap or region handle; false for anything that is not a
// live one.
bool DeleteObject(void* object);
// Releases an icon handle; false for anything that is not a live one.
bool DestroyIcon(gdiplus::HICON icon);

}  // namespace charart::win32
