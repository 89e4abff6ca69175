// Graphics: drawing images (at a point, into a rectangle, onto a
// parallelogram, from a source rectangle), cached bitmaps, and metafile
// playback through a caller's enumeration routine.
#include "imaging/surface/graphics.h"
#include "imaging/surface/point_array_buffer.h"
#include "values/value_ops.h"

namespace charart::imaging {
namespace {

using gdiplus::GpCachedBitmap;
using gdiplus::GpGraphics;
using gdiplus::GpImage;
using gdiplus::GpImageAttributes;
using gdiplus::GpMetafile;
using gdiplus::GpPoint;
using gdiplus::GpPointF;
using gdiplus::GpRect;
using gdiplus::GpRectF;

// The source unit where it may be omitted: pixels.
constexpr std::int32_t kDefaultSourceUnit = 2;

GpImage* ImageOf(const GdiplusObject& image) {
  return As<GpImage>(image.GetHandle());
}
const GpMetafile* MetafileOf(const GdiplusObject& metafile) {
  return As<const GpMetafile>(metafile.GetHandle());
}
const GpImageAttributes* AttributesOf(const GdiplusObject* attributes) {
  return As<const GpImageAttributes>(attributes ? attributes->GetHandle() : 0);
}

// The image's size as the bitmap's width and height queries give it: each
// records its status, 0 when GDI+ wrote nothing.
std::uint32_t ImageWidth(GpImage* image) {
  gdiplus::UINT width = 0;
  Record(Gdip().GdipGetImageWidth(image, &width));
  return width;
}
std::uint32_t ImageHeight(GpImage* image) {
  gdiplus::UINT height = 0;
  Record(Gdip().GdipGetImageHeight(image, &height));
  return height;
}

}  // namespace

bool Graphics::DrawImage(const GdiplusObject& image, float x, float y) {
  return Record(Gdip().GdipDrawImage(As<GpGraphics>(graphicsHandle), ImageOf(image), x, y));
}

bool Graphics::DrawImageI(const GdiplusObject& image, std::int32_t x, std::int32_t y) {
  return Record(Gdip().GdipDrawImageI(As<GpGraphics>(graphicsHandle), ImageOf(image), x, y));
}

bool Graphics::DrawCachedBitmap(const GdiplusObject& cachedBitmap, float x, float y) {
  return Record(Gdip().GdipDrawCachedBitmap(As<GpGraphics>(graphicsHandle),
                                            As<GpCachedBitmap>(cachedBitmap.GetHandle()),
                                            values::StoreInt32(x), values::StoreInt32(y)));
}

bool Graphics::DrawImageRect(const GdiplusObject& image, float x, float y, float width,
                             float height, std::optional<std::int32_t> srcUnit) {
  const std::int32_t unit = srcUnit.value_or(kDefaultSourceUnit);
  GpImage* native = ImageOf(image);
  const auto srcWidth = static_cast<float>(ImageWidth(native));
  const auto srcHeight = static_cast<float>(ImageHeight(native));
  return Record(Gdip().GdipDrawImageRectRect(As<GpGraphics>(graphicsHandle), native, x, y, width,
                                             height, 0, 0, srcWidth, srcHeight, unit, nullptr,
                                             nullptr, nullptr));
}

bool Graphics::DrawImageRectI(const GdiplusObject& image, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height,
                              std::optional<std::int32_t> srcUnit) {
  const std::int32_t unit = srcUnit.value_or(kDefaultSourceUnit);
  GpImage* native = ImageOf(image);
  const auto srcWidth = static_cast<std::int32_t>(ImageWidth(native));
  const auto srcHeight = static_cast<std::int32_t>(ImageHeight(native));
  return Record(Gdip().GdipDrawImageRectRectI(As<GpGraphics>(graphicsHandle), native, x, y, width,
                                              height, 0, 0, srcWidth, srcHeight, unit, nullptr,
                                              nullptr, nullptr));
}

bool Graphics::DrawImagePoints(const GdiplusObject& image, float x1, float y1, float x2, float y2,
                               float x3, float y3) {
  values::ValueArray<PointF> corners{PointF{x1, y1}, PointF{x2, y2}, PointF{x3, y3}};
  return Record(PassPointArray(corners, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawImagePoints(As<GpGraphics>(graphicsHandle), ImageOf(image), buffer,
                                      count);
  }));
}

bool Graphics::DrawImagePointsI(const GdiplusObject& image, std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2, std::int32_t x3,
                                std::int32_t y3) {
  values::ValueArray<Point> corners{Point{x1, y1}, Point{x2, y2}, Point{x3, y3}};
  return Record(PassPointArray(corners, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawImagePointsI(As<GpGraphics>(graphicsHandle), ImageOf(image), buffer,
                                       count);
  }));
}

bool Graphics::DrawImagePointRect(const GdiplusObject& image, float x, float y, float srcX,
                                  float srcY, float srcWidth, float srcHeight,
                                  std::optional<std::int32_t> srcUnit) {
  return Record(Gdip().GdipDrawImagePointRect(As<GpGraphics>(graphicsHandle), ImageOf(image), x, y,
                                              srcX, srcY, srcWidth, srcHeight,
                                              srcUnit.value_or(kDefaultSourceUnit)));
}

bool Graphics::DrawImagePointRectI(const GdiplusObject& image, std::int32_t x, std::int32_t y,
                                   std::int32_t srcX, std::int32_t srcY, std::int32_t srcWidth,
                                   std::int32_t srcHeight, std::optional<std::int32_t> srcUnit) {
  return Record(Gdip().GdipDrawImagePointRectI(As<GpGraphics>(graphicsHandle), ImageOf(image), x, y,
                                               srcX, srcY, srcWidth, srcHeight,
                                               srcUnit.value_or(kDefaultSourceUnit)));
}

bool Graphics::DrawImageRectRect(const GdiplusObject& image, float dstX, float dstY, float dstWidth,
                                 float dstHeight, float srcX, float srcY, float srcWidth,
                                 float srcHeight, std::optional<std::int32_t> srcUnit,
                                 const GdiplusObject* attributes) {
  return Record(Gdip().GdipDrawImageRectRect(As<GpGraphics>(graphicsHandle), ImageOf(image), dstX,
                                             dstY, dstWidth, dstHeight, srcX, srcY, srcWidth,
                                             srcHeight, srcUnit.value_or(kDefaultSourceUnit),
                                             AttributesOf(attributes), nullptr, nullptr));
}

bool Graphics::DrawImageRectRectI(const GdiplusObject& image, std::int32_t dstX, std::int32_t dstY,
                                  std::int32_t dstWidth, std::int32_t dstHeight, std::int32_t srcX,
                                  std::int32_t srcY, std::int32_t srcWidth, std::int32_t srcHeight,
                                  std::optional<std::int32_t> srcUnit,
                                  const GdiplusObject* attributes) {
  return Record(Gdip().GdipDrawImageRectRectI(As<GpGraphics>(graphicsHandle), ImageOf(image), dstX,
                                              dstY, dstWidth, dstHeight, srcX, srcY, srcWidth,
                                              srcHeight, srcUnit.value_or(kDefaultSourceUnit),
                                              AttributesOf(attributes), nullptr, nullptr));
}

bool Graphics::DrawImagePointsRect(const GdiplusObject& image, float x1, float y1, float x2,
                                   float y2, float x3, float y3, float srcX, float srcY,
                                   float srcWidth, float srcHeight,
                                   std::optional<std::int32_t> srcUnit,
                                   const GdiplusObject* attributes) {
  const std::int32_t unit = srcUnit.value_or(kDefaultSourceUnit);
  values::ValueArray<PointF> corners{PointF{x1, y1}, PointF{x2, y2}, PointF{x3, y3}};
  return Record(PassPointArray(corners, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawImagePointsRect(As<GpGraphics>(graphicsHandle), ImageOf(image), buffer,
                                          count, srcX, srcY, srcWidth, srcHeight, unit,
                                          AttributesOf(attributes), nullptr, nullptr);
  }));
}

bool Graphics::DrawImagePointsRectI(const GdiplusObject& image, std::int32_t x1, std::int32_t y1,
                                    std::int32_t x2, std::int32_t y2, std::int32_t x3,
                                    std::int32_t y3, std::int32_t srcX, std::int32_t srcY,
                                    std::int32_t srcWidth, std::int32_t srcHeight,
                                    std::optional<std::int32_t> srcUnit,
                                    const GdiplusObject* attributes) {
  const std::int32_t unit = srcUnit.value_or(kDefaultSourceUnit);
  values::ValueArray<Point> corners{Point{x1, y1}, Point{x2, y2}, Point{x3, y3}};
  return Record(PassPointArray(corners, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawImagePointsRectI(As<GpGraphics>(graphicsHandle), ImageOf(image), buffer,
                                           count, srcX, srcY, srcWidth, srcHeight, unit,
                                           AttributesOf(attributes), nullptr, nullptr);
  }));
}

bool Graphics::EnumerateMetafileDestPoint(const GdiplusObject& metafile, const PointF& destPoint,
                                          EnumerateMetafileProc callback, void* callbackData,
                                          const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileDestPoint(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpPointF>(&destPoint), callback,
      callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestPointI(const GdiplusObject& metafile, const Point& destPoint,
                                           EnumerateMetafileProc callback, void* callbackData,
                                           const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileDestPointI(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpPoint>(&destPoint), callback,
      callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestPoints(const GdiplusObject& metafile,
                                           values::ValueArray<PointF>& destPoints,
                                           EnumerateMetafileProc callback, void* callbackData,
                                           const GdiplusObject* attributes) {
  return Record(PassPointArray(destPoints, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipEnumerateMetafileDestPoints(As<GpGraphics>(graphicsHandle),
                                                  MetafileOf(metafile), buffer, count, callback,
                                                  callbackData, AttributesOf(attributes));
  }));
}

bool Graphics::EnumerateMetafileDestPointsI(const GdiplusObject& metafile,
                                            values::ValueArray<Point>& destPoints,
                                            EnumerateMetafileProc callback, void* callbackData,
                                            const GdiplusObject* attributes) {
  return Record(PassPointArray(destPoints, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipEnumerateMetafileDestPointsI(As<GpGraphics>(graphicsHandle),
                                                   MetafileOf(metafile), buffer, count, callback,
                                                   callbackData, AttributesOf(attributes));
  }));
}

bool Graphics::EnumerateMetafileDestRect(const GdiplusObject& metafile, const RectF& destRect,
                                         EnumerateMetafileProc callback, void* callbackData,
                                         const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileDestRect(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpRectF>(&destRect), callback,
      callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestRectI(const GdiplusObject& metafile, const Rect& destRect,
                                          EnumerateMetafileProc callback, void* callbackData,
                                          const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileDestRectI(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpRect>(&destRect), callback,
      callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPoint(const GdiplusObject& metafile,
                                                 const PointF& destPoint, const RectF& srcRect,
                                                 std::int32_t srcUnit,
                                                 EnumerateMetafileProc callback, void* callbackData,
                                                 const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileSrcRectDestPoint(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpPointF>(&destPoint),
      AsFlat<GpRectF>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPointI(const GdiplusObject& metafile,
                                                  const Point& destPoint, const Rect& srcRect,
                                                  std::int32_t srcUnit,
                                                  EnumerateMetafileProc callback,
                                                  void* callbackData,
                                                  const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileSrcRectDestPointI(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpPoint>(&destPoint),
      AsFlat<GpRect>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPoints(const GdiplusObject& metafile,
                                                  values::ValueArray<PointF>& destPoints,
                                                  const RectF& srcRect, std::int32_t srcUnit,
                                                  EnumerateMetafileProc callback,
                                                  void* callbackData,
                                                  const GdiplusObject* attributes) {
  return Record(PassPointArray(destPoints, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipEnumerateMetafileSrcRectDestPoints(
        As<GpGraphics>(graphicsHandle), MetafileOf(metafile), buffer, count,
        AsFlat<GpRectF>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes));
  }));
}

bool Graphics::EnumerateMetafileSrcRectDestPointsI(const GdiplusObject& metafile,
                                                   values::ValueArray<Point>& destPoints,
                                                   const Rect& srcRect, std::int32_t srcUnit,
                                                   EnumerateMetafileProc callback,
                                                   void* callbackData,
                                                   const GdiplusObject* attributes) {
  return Record(PassPointArray(destPoints, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipEnumerateMetafileSrcRectDestPointsI(
        As<GpGraphics>(graphicsHandle), MetafileOf(metafile), buffer, count,
        AsFlat<GpRect>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes));
  }));
}

bool Graphics::EnumerateMetafileSrcRectDestRect(const GdiplusObject& metafile,
                                                const RectF& destRect, const RectF& srcRect,
                                                std::int32_t srcUnit,
                                                EnumerateMetafileProc callback, void* callbackData,
                                                const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileSrcRectDestRect(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpRectF>(&destRect),
      AsFlat<GpRectF>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestRectI(const GdiplusObject& metafile,
                                                 const Rect& destRect, const Rect& srcRect,
                                                 std::int32_t srcUnit,
                                                 EnumerateMetafileProc callback, void* callbackData,
                                                 const GdiplusObject* attributes) {
  return Record(Gdip().GdipEnumerateMetafileSrcRectDestRectI(
      As<GpGraphics>(graphicsHandle), MetafileOf(metafile), AsFlat<GpRect>(&destRect),
      AsFlat<GpRect>(&srcRect), srcUnit, callback, callbackData, AttributesOf(attributes)));
}

}  // namespace charart::imaging
