// Bitmap: creating and loading bitmaps, cloning them whole, and the
// window-system handles in both directions.
#include <cstdint>

#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"
#include "values/conversions.h"

namespace charart::imaging {

using bitmap_detail::AsStream;
using bitmap_detail::GpBitmap;
using bitmap_detail::GpImage;

bool Bitmap::CreateFromFile(const values::Text& fileName, std::optional<bool> useIcm) {
  const values::ByteSet wide = values::TextToWide(fileName);
  return CreateFromFileW(wide, useIcm);
}

bool Bitmap::CreateFromFileW(const values::ByteSet& fileName, std::optional<bool> useIcm) {
  const auto& api = Gdip();
  const auto create =
      useIcm.value_or(false) ? api.GdipCreateBitmapFromFileICM : api.GdipCreateBitmapFromFile;
  return FinishCreate(create(fileName.Wide(), OutHandle<GpBitmap>(bitmapHandle)), bitmapHandle);
}

bool Bitmap::CreateFromStream(const values::ByteSet& bytes, std::optional<bool> useIcm) {
  bitmapStream->CreateFromBytes(bytes);
  gdiplus::IStream* stream = AsStream(bitmapStream->GetStream());
  const auto& api = Gdip();
  const auto create =
      useIcm.value_or(false) ? api.GdipCreateBitmapFromStreamICM : api.GdipCreateBitmapFromStream;
  return FinishCreate(create(stream, OutHandle<GpBitmap>(bitmapHandle)), bitmapHandle);
}

bool Bitmap::Clone(Bitmap& target) {
  Handle local = 0;
  return HandTo(Gdip().GdipCloneImage(As<GpImage>(imageHandle), OutHandle<GpImage>(local)), local,
                target);
}

bool Bitmap::GetThumbnail(std::int32_t width, std::int32_t height, Bitmap& target) {
  Handle local = 0;
  return HandTo(
      Gdip().GdipGetImageThumbnail(As<GpImage>(imageHandle), static_cast<gdiplus::UINT>(width),
                                   static_cast<gdiplus::UINT>(height), OutHandle<GpImage>(local),
                                   nullptr, nullptr),
      local, target);
}

bool Bitmap::CreateFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                             std::int32_t format, std::optional<void*> scan0) {
  return FinishCreate(
      Gdip().GdipCreateBitmapFromScan0(width, height, stride, format,
                                       static_cast<gdiplus::BYTE*>(scan0.value_or(nullptr)),
                                       OutHandle<GpBitmap>(bitmapHandle)),
      bitmapHandle);
}

bool Bitmap::CreateFromSize(std::int32_t width, std::int32_t height,
                            std::optional<std::int32_t> format) {
  return FinishCreate(
      Gdip().GdipCreateBitmapFromScan0(width, height, 0, format.value_or(kPixelFormat32bppArgb),
                                       nullptr, OutHandle<GpBitmap>(bitmapHandle)),
      bitmapHandle);
}

bool Bitmap::CreateFromGraphics(std::int32_t width, std::int32_t height,
                                const GdiplusObject& graphics) {
  return FinishCreate(Gdip().GdipCreateBitmapFromGraphics(
                          width, height, As<gdiplus::GpGraphics>(graphics.GetHandle()),
                          OutHandle<GpBitmap>(bitmapHandle)),
                      bitmapHandle);
}

bool Bitmap::CreateFromGdiDib(const void* info, void* bits) {
  return FinishCreate(
      Gdip().GdipCreateBitmapFromGdiDib(static_cast<const gdiplus::BITMAPINFO*>(info), bits,
                                        OutHandle<GpBitmap>(bitmapHandle)),
      bitmapHandle);
}

bool Bitmap::CreateFromHBITMAP(gdiplus::HBITMAP hbitmap, std::optional<gdiplus::HPALETTE> palette) {
  return FinishCreate(Gdip().GdipCreateBitmapFromHBITMAP(hbitmap, palette.value_or(nullptr),
                                                         OutHandle<GpBitmap>(bitmapHandle)),
                      bitmapHandle);
}

bool Bitmap::CreateFromHICON(gdiplus::HICON icon) {
  return FinishCreate(Gdip().GdipCreateBitmapFromHICON(icon, OutHandle<GpBitmap>(bitmapHandle)),
                      bitmapHandle);
}

bool Bitmap::CreateFromResource(gdiplus::HINSTANCE instance, std::uintptr_t name) {
  return FinishCreate(
      Gdip().GdipCreateBitmapFromResource(instance, reinterpret_cast<const gdiplus::WCHAR*>(name),
                                          OutHandle<GpBitmap>(bitmapHandle)),
      bitmapHandle);
}

gdiplus::HBITMAP Bitmap::CreateHBITMAP(std::optional<ArgbColor> background) {
  gdiplus::HBITMAP result = nullptr;
  Record(Gdip().GdipCreateHBITMAPFromBitmap(As<GpBitmap>(bitmapHandle), &result,
                                            background.value_or(0)));
  return result;
}

gdiplus::HICON Bitmap::CreateHICON() {
  gdiplus::HICON result = nullptr;
  Record(Gdip().GdipCreateHICONFromBitmap(As<GpBitmap>(bitmapHandle), &result));
  return result;
}

}  // namespace charart::imaging
