// The adapters themselves, one file each under adapters/.
#pragma once

#include "platform/gdiplus/gdiplus_api.h"
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

// A picture libgdiplus loads with 0 pixels in width or height (an icon whose
// directory says 256) is refused (loaded_picture.h).
Status CreateBitmapFromFile(const WCHAR* fileName, GpBitmap** bitmap);
Status CreateBitmapFromFileICM(const WCHAR* fileName, GpBitmap** bitmap);

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

// Absent from libgdiplus 6.1, which has no cached bitmaps at all: on our
// platform a cached bitmap is the bitmap it caches, drawn pixel for pixel at
// (x, y); a world transform other than a translation is WrongState.
Status DrawCachedBitmap(GpGraphics* graphics, GpCachedBitmap* cachedBitmap, INT x, INT y);

// Absent from libgdiplus: no graphics records comments here, so a comment is
// accepted and dropped (Ok), as on a GDI+ device that is not a metafile.
Status Comment(GpGraphics* graphics, UINT sizeData, const BYTE* data);

// libgdiplus answers NotImplemented for every window: window 0 is the
// screen, a graphics on the screen DC.
Status CreateFromHWND(HWND window, GpGraphics** graphics);
Status CreateFromHWNDICM(HWND window, GpGraphics** graphics);

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

// GDI+ keeps a copy of a pen's brush fill; libgdiplus kept the caller's
// brush, freed under the pen when the caller deleted it. The pen gets a
// registered copy, released with the pen; a cloned pen gets its own.
Status SetPenBrushFill(GpPen* pen, GpBrush* brush);
Status ClonePen(GpPen* pen, GpPen** clonePen);
Status DeletePen(GpPen* pen);

// libgdiplus writes its larger private lock record into the caller's
// BitmapData: the lock goes to a private record kept until the unlock.
Status BitmapLockBits(GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format,
                      BitmapData* data);
Status BitmapUnlockBits(GpBitmap* bitmap, BitmapData* data);

// The font alias must be in fontconfig before libgdiplus starts; a start
// while libgdiplus already runs answers Ok without a token, so one is given.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output);

// libgdiplus finalises fontconfig (FcFini) while pango's font threads or live
// font objects may still use it, which can abort the process: the shut-down
// runs with libgdiplus's call of FcFini turned into nothing.
void GdiplusShutdown(ULONG_PTR token);

// libgdiplus leaves the points alone and answers Ok ("not implemented yet"):
// the points are mapped through the world transform and the page unit read
// from the graphics, as libgdiplus draws (it ignores the page scale).
// Integer points are rounded to nearest.
Status TransformPoints(GpGraphics* graphics, INT destSpace, INT srcSpace, GpPointF* points,
                       INT count);
Status TransformPointsI(GpGraphics* graphics, INT destSpace, INT srcSpace, GpPoint* points,
                        INT count);

// libgdiplus clones empty areas and areas left of or above the bitmap: only
// areas wholly inside the bitmap are cloned, others are InvalidParameter.
Status CloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* src,
                        GpBitmap** dst);
Status CloneBitmapArea(REAL x, REAL y, REAL width, REAL height, PixelFormat format, GpBitmap* src,
                       GpBitmap** dst);

// libgdiplus never applies the text rendering hint and draws with a null
// brush: the hint sets the smoothing of the call (single-bit hints draw
// unsmoothed), a null brush is InvalidParameter.
Status DrawString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                  const GpRectF* layoutRect, const GpStringFormat* format, const GpBrush* brush);
// libgdiplus answers NotImplemented: character codes (option 1) are drawn
// one by one with their base lines at the given positions (all from the
// first with realized advance, 4), through the matrix when one is given.
// Glyph indices and vertical runs stay NotImplemented.
Status DrawDriverString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                        const GpBrush* brush, const GpPointF* positions, INT flags,
                        const GpMatrix* matrix);

// libgdiplus writes one frame for a MultiFrame save and answers
// NotImplemented for GdipSaveAdd(Image): GIF and TIFF files of several
// frames are joined here from frames libgdiplus encodes one by one.
Status SaveImageToFile(GpImage* image, const WCHAR* filename, const CLSID* clsidEncoder,
                       const EncoderParameters* params);
Status SaveAdd(GpImage* image, const EncoderParameters* params);
Status SaveAddImage(GpImage* image, GpImage* newImage, const EncoderParameters* params);
// Ends a multi-frame save still open on the image, then disposes it.
Status DisposeImage(GpImage* image);

// libgdiplus takes NaN and infinite coordinates (and can ruin the graphics'
// transform or clip with them): the guard of `id` refuses them as GDI+ does,
// ValueOverflow for drawing, InvalidParameter for transform, page scale
// and clip changes; null for entries it does not guard.
void* FiniteCoordinatesAdapter(FunctionId id);

// libgdiplus reads any pointer as an HRGN: only region handles GDI+ handed
// out (GdipGetRegionHRgn) are accepted, anything else is InvalidParameter.
Status SetClipHrgn(GpGraphics* graphics, HRGN hrgn, INT combineMode);

// libgdiplus gives containers no transform: the source rectangle is mapped
// onto the destination, prepended to the world transform. Units 2 to 6.
Status BeginContainer(GpGraphics* graphics, const GpRectF* dstRect, const GpRectF* srcRect,
                      INT unit, UINT* state);
Status BeginContainerI(GpGraphics* graphics, const GpRect* dstRect, const GpRect* srcRect, INT unit,
                       UINT* state);
// libgdiplus answers a negative size for a clip off the image and never an
// empty visible clip: the empty rectangle, and an empty visible clip.
Status GetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect);
Status GetVisibleClipBoundsI(GpGraphics* graphics, GpRect* rect);
Status IsVisibleClipEmpty(GpGraphics* graphics, BOOL* result);

// libgdiplus keeps one frame-delay property per frame: 0x5100 of an
// animation answers every frame's delay, as GDI+'s single property does.
Status ImageSelectActiveFrame(GpImage* image, const GUID* dimensionID, UINT frameIndex);
Status GetPropertyItemSize(GpImage* image, PROPID propId, UINT* size);
Status GetPropertyItem(GpImage* image, PROPID propId, UINT size, PropertyItem* buffer);

// libgdiplus has no effects: the effect objects and their application to a
// bitmap's locked pixels are computed here.
Status CreateEffect(const GUID* guid, CGpEffect** effect);
Status DeleteEffect(CGpEffect* effect);
Status GetEffectParameterSize(CGpEffect* effect, UINT* size);
Status SetEffectParameters(CGpEffect* effect, const void* params, UINT size);
Status GetEffectParameters(CGpEffect* effect, UINT* size, void* params);
Status BitmapApplyEffect(GpBitmap* bitmap, CGpEffect* effect, RECT* roi, BOOL useAuxData,
                         void** auxData, INT* auxDataSize);

// libgdiplus clears a new ARGB bitmap's pixels, premultiplies all of them
// into a copy for the first graphics and converts all of them back before a
// clone: fresh pixels come from zero pages, the copy of pixels known to be
// zero is zero pages too, and a clone converts only its area
// (canvas_memory.cpp).
Status CreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                             GpBitmap** bitmap);
Status GetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status BitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color);

// libgdiplus leaks the value of the last item it removes: the value is
// emptied first.
Status RemovePropertyItem(GpImage* image, PROPID propId);

}  // namespace charart::gdiplus::adapters
