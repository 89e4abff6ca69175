// Bitmap: area clones, rotate-flip, locked bits, single pixels, resolution.
#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"

namespace charart::imaging {

using bitmap_detail::GpBitmap;
using bitmap_detail::GpImage;

bool Bitmap::CloneArea(const RectF& rect, std::int32_t format, Bitmap& target) {
  Handle local = 0;
  return HandTo(Gdip().GdipCloneBitmapArea(rect.x, rect.y, rect.width, rect.height, format,
                                           As<GpBitmap>(bitmapHandle), OutHandle<GpBitmap>(local)),
                local, target);
}

bool Bitmap::CloneAreaI(const Rect& rect, std::int32_t format, Bitmap& target) {
  Handle local = 0;
  return HandTo(Gdip().GdipCloneBitmapAreaI(rect.x, rect.y, rect.width, rect.height, format,
                                            As<GpBitmap>(bitmapHandle), OutHandle<GpBitmap>(local)),
                local, target);
}

bool Bitmap::RotateFlip(std::int32_t type) {
  return Record(Gdip().GdipImageRotateFlip(As<GpImage>(imageHandle), type));
}

bool Bitmap::LockBits(const Rect& rect, std::int32_t flags, std::int32_t format, BitmapData& data) {
  return Record(Gdip().GdipBitmapLockBits(
      As<GpBitmap>(bitmapHandle), AsFlat<gdiplus::GpRect>(&rect), static_cast<gdiplus::UINT>(flags),
      format, AsFlat<gdiplus::BitmapData>(&data)));
}

bool Bitmap::UnlockBits(BitmapData& data) {
  return Record(
      Gdip().GdipBitmapUnlockBits(As<GpBitmap>(bitmapHandle), AsFlat<gdiplus::BitmapData>(&data)));
}

ArgbColor Bitmap::GetPixel(std::int32_t x, std::int32_t y) {
  gdiplus::ARGB color = 0;
  Record(Gdip().GdipBitmapGetPixel(As<GpBitmap>(bitmapHandle), x, y, &color));
  return color;
}

bool Bitmap::SetPixel(std::int32_t x, std::int32_t y, ArgbColor color) {
  return Record(Gdip().GdipBitmapSetPixel(As<GpBitmap>(bitmapHandle), x, y, color));
}

bool Bitmap::SetResolution(float dpiX, float dpiY) {
  return Record(Gdip().GdipBitmapSetResolution(As<GpBitmap>(bitmapHandle), dpiX, dpiY));
}

}  // namespace charart::imaging
