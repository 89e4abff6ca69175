// The adapters themselves, one file each under adapters/.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// libgdiplus refuses length -1; GDI+ takes it as "up to the zero unit".
Status MeasureCharacterRanges(GpGraphics* graphics, const WCHAR* string, INT length,
                              const GpFont* font, const GpRectF* layoutRect,
                              const GpStringFormat* format, INT regionCount, GpRegion** regions);

// libgdiplus accepts any name; GDI+ answers FontFamilyNotFound for a family
// that no installed font has. fontconfig decides.
Status CreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                GpFontFamily** family);

// Absent from libgdiplus: the float bounds, each edge rounded outward.
Status GetRegionBoundsI(GpRegion* region, GpGraphics* graphics, GpRect* rect);

// libgdiplus has no stream functions: images from and to an IStream go
// through its delegate entry points, the stream bound for the call.
Status CreateBitmapFromStream(IStream* stream, GpBitmap** bitmap);
Status CreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap);
Status SaveImageToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                         const EncoderParameters* params);

// Absent from libgdiplus: BI_RGB DIBs of 24 and 32 bits, copied into a new bitmap.
Status CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits, GpBitmap** bitmap);

// libgdiplus takes any pointer as an HBITMAP or HICON: only handles it made
// are accepted back; the HBITMAP is composed over the background colour.
Status CreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbmReturn, ARGB background);
Status CreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE hpal, GpBitmap** bitmap);
Status CreateHICONFromBitmap(GpBitmap* bitmap, HICON* hiconReturn);
Status CreateBitmapFromHICON(HICON hicon, GpBitmap** bitmap);
// No module carries resources on our platform: every instance is invalid.
Status CreateBitmapFromResource(HINSTANCE instance, const WCHAR* name, GpBitmap** bitmap);

}  // namespace charart::gdiplus::adapters
