// Window-system bitmaps, icons and resources. libgdiplus makes an HBITMAP or
// HICON as a clone of the bitmap and takes any pointer back as one, so a
// stray handle is read as a bitmap. The adapters register every handle they
// hand out (platform/win32/gdi_objects.h) and answer InvalidParameter, GDI+'s
// status for an invalid handle, for any other. The HBITMAP is the bitmap
// composed over the background colour, as GDI+ makes it. No module of ours
// carries resources, so GdipCreateBitmapFromResource answers InvalidParameter.
#include <cmath>
#include <cstdint>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/win32/gdi_objects.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr PixelFormat kFormat32bppArgb = 0x0026200A;
constexpr UINT kLockReadWrite = 3;

// `source` over `background`, both straight (not premultiplied) ARGB.
ARGB Over(ARGB source, ARGB background) {
  const double sourceAlpha = (source >> 24) / 255.0;
  const double backgroundAlpha = (background >> 24) / 255.0;
  const double alpha = sourceAlpha + backgroundAlpha * (1 - sourceAlpha);
  if (alpha <= 0) return 0;
  ARGB result = static_cast<ARGB>(std::lround(alpha * 255)) << 24;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double s = (source >> shift) & 0xFF;
    const double b = (background >> shift) & 0xFF;
    const double c = (s * sourceAlpha + b * backgroundAlpha * (1 - sourceAlpha)) / alpha;
    result |= static_cast<ARGB>(std::lround(c)) << shift;
  }
  return result;
}

Status ComposeOver(GpBitmap* bitmap, ARGB background) {
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  if (width == nullptr || height == nullptr) {
    return Status::NotImplemented;
  }
  UINT w = 0;
  UINT h = 0;
  auto* image = reinterpret_cast<GpImage*>(bitmap);
  if (Status status = width(image, &w); status != Status::Ok) return status;
  if (Status status = height(image, &h); status != Status::Ok) return status;
  const GpRect area{0, 0, static_cast<INT>(w), static_cast<INT>(h)};
  BitmapData data{};
  if (Status status = BitmapLockBits(bitmap, &area, kLockReadWrite, kFormat32bppArgb, &data);
      status != Status::Ok) {
    return status;
  }
  for (UINT y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<ARGB*>(static_cast<BYTE*>(data.Scan0) + y * data.Stride);
    for (UINT x = 0; x < w; ++x) row[x] = Over(row[x], background);
  }
  return BitmapUnlockBits(bitmap, &data);
}

}  // namespace

Status CreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbmReturn, ARGB background) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateHBITMAPFromBitmap)>("GdipCreateHBITMAPFromBitmap");
  static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (raw == nullptr || dispose == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || hbmReturn == nullptr) return Status::InvalidParameter;
  HBITMAP made = nullptr;
  Status status = raw(bitmap, &made, background);
  if (status != Status::Ok) return status;
  if ((background >> 24) != 0) {
    status = ComposeOver(static_cast<GpBitmap*>(made), background);
    if (status != Status::Ok) {
      dispose(static_cast<GpImage*>(made));
      return status;
    }
  }
  win32::RegisterGdiObject(made, win32::GdiObjectKind::Bitmap);
  *hbmReturn = made;
  return Status::Ok;
}

Status CreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE hpal, GpBitmap** bitmap) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateBitmapFromHBITMAP)>("GdipCreateBitmapFromHBITMAP");
  if (raw == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || !win32::IsGdiObject(hbm, win32::GdiObjectKind::Bitmap)) {
    return Status::InvalidParameter;
  }
  return raw(hbm, hpal, bitmap);
}

Status CreateHICONFromBitmap(GpBitmap* bitmap, HICON* hiconReturn) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateHICONFromBitmap)>("GdipCreateHICONFromBitmap");
  if (raw == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || hiconReturn == nullptr) return Status::InvalidParameter;
  HICON made = nullptr;
  const Status status = raw(bitmap, &made);
  if (status != Status::Ok) return status;
  win32::RegisterGdiObject(made, win32::GdiObjectKind::Icon);
  *hiconReturn = made;
  return Status::Ok;
}

Status CreateBitmapFromHICON(HICON hicon, GpBitmap** bitmap) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateBitmapFromHICON)>("GdipCreateBitmapFromHICON");
  if (raw == nullptr) return Status::NotImplemented;
  if (bitmap == nullptr || !win32::IsGdiObject(hicon, win32::GdiObjectKind::Icon)) {
    return Status::InvalidParameter;
  }
  return raw(hicon, bitmap);
}

Status CreateBitmapFromResource(HINSTANCE, const WCHAR*, GpBitmap** bitmap) {
  if (bitmap != nullptr) *bitmap = nullptr;
  return Status::InvalidParameter;
}

}  // namespace charart::gdiplus::adapters
