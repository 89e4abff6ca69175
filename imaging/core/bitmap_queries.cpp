// Bitmap: the image queries.
#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"
#include "values/conversions.h"

namespace charart::imaging {

using bitmap_detail::GpImage;

std::int32_t Bitmap::GetType() {
  gdiplus::INT type = 0;
  Record(Gdip().GdipGetImageType(As<GpImage>(imageHandle), &type));
  return type;
}

SizeF Bitmap::GetDimension() {
  SizeF size;
  Record(Gdip().GdipGetImageDimension(As<GpImage>(imageHandle), &size.width, &size.height));
  return size;
}

std::int32_t Bitmap::GetBounds(RectF& rect, std::int32_t* unit) {
  const gdiplus::Status status =
      Gdip().GdipGetImageBounds(As<GpImage>(imageHandle), AsFlat<gdiplus::GpRectF>(&rect), unit);
  Record(status);
  return static_cast<std::int32_t>(status);
}

std::int32_t Bitmap::GetWidth() {
  gdiplus::UINT width = 0;
  Record(Gdip().GdipGetImageWidth(As<GpImage>(imageHandle), &width));
  return static_cast<std::int32_t>(width);
}

std::int32_t Bitmap::GetHeight() {
  gdiplus::UINT height = 0;
  Record(Gdip().GdipGetImageHeight(As<GpImage>(imageHandle), &height));
  return static_cast<std::int32_t>(height);
}

float Bitmap::GetHorizontalResolution() {
  gdiplus::REAL resolution = 0;
  Record(Gdip().GdipGetImageHorizontalResolution(As<GpImage>(imageHandle), &resolution));
  return resolution;
}

float Bitmap::GetVerticalResolution() {
  gdiplus::REAL resolution = 0;
  Record(Gdip().GdipGetImageVerticalResolution(As<GpImage>(imageHandle), &resolution));
  return resolution;
}

std::int32_t Bitmap::GetFlags() {
  gdiplus::UINT flags = 0;
  Record(Gdip().GdipGetImageFlags(As<GpImage>(imageHandle), &flags));
  return static_cast<std::int32_t>(flags);
}

values::Text Bitmap::GetRawFormat() {
  values::ByteSet guid = values::ByteSet::Zeroed(sizeof(gdiplus::GUID));
  if (!Record(Gdip().GdipGetImageRawFormat(As<GpImage>(imageHandle),
                                           reinterpret_cast<gdiplus::GUID*>(guid.Data())))) {
    return values::Text();
  }
  return values::GuidToText(guid);
}

std::int32_t Bitmap::GetPixelFormat() {
  gdiplus::PixelFormat format = 0;
  Record(Gdip().GdipGetImagePixelFormat(As<GpImage>(imageHandle), &format));
  return format;
}

}  // namespace charart::imaging
