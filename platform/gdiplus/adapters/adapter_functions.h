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

// libgdiplus lets a NaN or infinite size, stray style bits and its private
// unit 7 through; GDI+ refuses them with InvalidParameter.
Status CreateFont(const GpFontFamily* family, REAL emSize, INT style, INT unit, GpFont** font);

// GDI+ reads and writes a LOGFONTA's face name in the ANSI code page;
// libgdiplus takes it as UTF-8. Both go through the wide functions.
Status CreateFontFromLogfontA(HDC hdc, const LOGFONTA* logfont, GpFont** font);
Status GetLogFontA(GpFont* font, GpGraphics* graphics, LOGFONTA* logfont);

// libgdiplus takes any pointer as an HRGN: only the handles GdipGetRegionHRgn
// made (and DeleteObject has not released) are accepted back.
Status GetRegionHRgn(GpRegion* region, GpGraphics* graphics, HRGN* hrgn);
Status CreateRegionHrgn(HRGN hrgn, GpRegion** region);

// libgdiplus reads back only the first rectangle of the data it writes for a
// region of several rectangles; the adapter restores the rest.
Status CreateRegionRgnData(const BYTE* regionData, INT size, GpRegion** region);

// The font alias must be in fontconfig before libgdiplus starts; a start
// while libgdiplus already runs answers Ok without a token, so one is given.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output);

// libgdiplus finalises fontconfig (FcFini) while pango's font threads or live
// font objects may still use it, which can abort the process: the shut-down
// runs with libgdiplus's call of FcFini turned into nothing.
void GdiplusShutdown(ULONG_PTR token);

// libgdiplus writes its larger private lock record into the caller's
// BitmapData: the lock goes to a private record kept until the unlock.
Status BitmapLockBits(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                      BitmapData* data);
Status BitmapUnlockBits(GpBitmap* bitmap, BitmapData* data);

// libgdiplus clones empty areas and areas left of or above the bitmap: only
// areas wholly inside the bitmap are cloned, others are InvalidParameter.
Status CloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* src,
                        GpBitmap** dst);
Status CloneBitmapArea(REAL x, REAL y, REAL width, REAL height, PixelFormat format, GpBitmap* src,
                       GpBitmap** dst);

}  // namespace charart::gdiplus::adapters
