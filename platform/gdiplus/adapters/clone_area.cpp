// Area clones. libgdiplus clones an empty area, and an area that starts left
// of or above the bitmap, as Ok, reading before the first pixel for the
// latter; GDI+ answers InvalidParameter for any area that is empty or not
// wholly inside the bitmap. The adapters check the area first.
#include <cstdint>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/canvas_memory.h"

namespace charart::gdiplus::adapters {
namespace {

template <typename T>
bool Inside(GpBitmap* bitmap, T x, T y, T width, T height) {
  static const auto getWidth = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto getHeight =
      Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  if (getWidth == nullptr || getHeight == nullptr) return false;
  UINT bitmapWidth = 0;
  UINT bitmapHeight = 0;
  auto* image = reinterpret_cast<GpImage*>(bitmap);
  if (getWidth(image, &bitmapWidth) != Status::Ok) return false;
  if (getHeight(image, &bitmapHeight) != Status::Ok) return false;
  // In double precision, so no sum overflows and NaN compares false.
  const double left = static_cast<double>(x);
  const double top = static_cast<double>(y);
  const double right = left + static_cast<double>(width);
  const double bottom = top + static_cast<double>(height);
  return left >= 0 && top >= 0 && width > 0 && height > 0 && right <= bitmapWidth &&
         bottom <= bitmapHeight;
}

}  // namespace

Status CloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* src,
                        GpBitmap** dst) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCloneBitmapAreaI)>("GdipCloneBitmapAreaI");
  if (raw == nullptr) return Status::NotImplemented;
  if (src == nullptr || dst == nullptr) return Status::InvalidParameter;
  if (!Inside(src, x, y, width, height)) return Status::InvalidParameter;
  return CloneDrawnArea(x, y, width, height, src,
                        [&] { return raw(x, y, width, height, format, src, dst); });
}

Status CloneBitmapArea(REAL x, REAL y, REAL width, REAL height, PixelFormat format, GpBitmap* src,
                       GpBitmap** dst) {
  static const auto raw = Raw<decltype(FunctionTable::GdipCloneBitmapArea)>("GdipCloneBitmapArea");
  if (raw == nullptr) return Status::NotImplemented;
  if (src == nullptr || dst == nullptr) return Status::InvalidParameter;
  if (!Inside(src, x, y, width, height)) return Status::InvalidParameter;
  // libgdiplus clones the area that the integer parts name.
  return CloneDrawnArea(static_cast<INT>(x), static_cast<INT>(y), static_cast<INT>(width),
                        static_cast<INT>(height), src,
                        [&] { return raw(x, y, width, height, format, src, dst); });
}

}  // namespace charart::gdiplus::adapters
