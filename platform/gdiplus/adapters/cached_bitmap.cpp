#include <cmath>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/graphics_geometry.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr INT kImageTypeBitmap = 1;

// Whether the graphics' world transform only moves: a cached bitmap is drawn
// pixel for pixel and cannot be scaled, rotated or sheared.
Status WorldIsTranslation(GpGraphics* graphics, bool& translation) {
  REAL m[6];
  const Status status = ReadWorldTransform(graphics, m);
  translation = m[0] == 1 && m[1] == 0 && m[2] == 0 && m[3] == 1;
  return status;
}

}  // namespace

Status DrawCachedBitmap(GpGraphics* graphics, GpCachedBitmap* cachedBitmap, INT x, INT y) {
  static const auto type = Raw<decltype(FunctionTable::GdipGetImageType)>("GdipGetImageType");
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  static const auto draw =
      Raw<decltype(FunctionTable::GdipDrawImageRectRectI)>("GdipDrawImageRectRectI");
  if (type == nullptr || width == nullptr || height == nullptr || draw == nullptr) {
    return Status::NotImplemented;
  }
  if (graphics == nullptr || cachedBitmap == nullptr) return Status::InvalidParameter;
  // On our platform a cached bitmap is the bitmap it caches.
  auto* image = reinterpret_cast<GpImage*>(cachedBitmap);
  INT imageType = 0;
  Status status = type(image, &imageType);
  if (status != Status::Ok) return status;
  if (imageType != kImageTypeBitmap) return Status::InvalidParameter;
  bool translation = false;
  status = WorldIsTranslation(graphics, translation);
  if (status != Status::Ok) return status;
  if (!translation) return Status::WrongState;
  UINT w = 0;
  UINT h = 0;
  if ((status = width(image, &w)) != Status::Ok) return status;
  if ((status = height(image, &h)) != Status::Ok) return status;
  const auto iw = static_cast<INT>(w);
  const auto ih = static_cast<INT>(h);
  return draw(graphics, image, x, y, iw, ih, 0, 0, iw, ih, /*UnitPixel*/ 2, nullptr, nullptr,
              nullptr);
}

}  // namespace charart::gdiplus::adapters
