// Region: bounds, data, HRGN, predicates and scan rectangles.
#include "imaging/resources/region.h"

#include <vector>

namespace charart::imaging {
namespace {

using gdiplus::GpGraphics;
using gdiplus::GpMatrix;
using gdiplus::GpRect;
using gdiplus::GpRectF;
using gdiplus::GpRegion;

GpGraphics* GraphicsOf(const GdiplusObject& graphics) {
  return As<GpGraphics>(graphics.GetHandle());
}

// The scan rectangles as the caller's array of records: the count first,
// then one fresh zeroed record per rectangle, filled by GDI+ through one
// contiguous buffer (null when there are none).
template <typename Rec, typename NativeRec, typename ScansCall>
std::int32_t ScansInto(Handle region, const GdiplusObject& matrix, values::ValueArray<Rec>& rects,
                       ScansCall scans) {
  gdiplus::UINT count = 0;
  if (!Record(Gdip().GdipGetRegionScansCount(As<GpRegion>(region), &count,
                                             As<GpMatrix>(matrix.GetHandle())))) {
    return 0;
  }
  rects = values::ValueArray<Rec>::WithDimensions({static_cast<std::int32_t>(count)});
  std::vector<NativeRec> buffer(count);
  gdiplus::INT filled = static_cast<gdiplus::INT>(count);
  const Status status = scans(As<GpRegion>(region), count > 0 ? buffer.data() : nullptr, &filled,
                              As<GpMatrix>(matrix.GetHandle()));
  // GDI+ never writes more than the count it reported for the same matrix;
  // the copy back is bounded by the array all the same.
  for (std::int32_t i = 1; i <= rects.Count(); ++i) {
    const NativeRec& native = buffer[static_cast<std::size_t>(i - 1)];
    rects[i] = Rec{native.X, native.Y, native.Width, native.Height};
  }
  Record(status);
  return filled;
}

}  // namespace

RectF Region::GetBounds(const GdiplusObject& graphics) {
  GpRectF bounds{};
  Record(Gdip().GdipGetRegionBounds(As<GpRegion>(regionHandle), GraphicsOf(graphics), &bounds));
  return RectF{bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

Rect Region::GetBoundsI(const GdiplusObject& graphics) {
  GpRect bounds{};
  Record(Gdip().GdipGetRegionBoundsI(As<GpRegion>(regionHandle), GraphicsOf(graphics), &bounds));
  return Rect{bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

std::int32_t Region::GetDataSize() {
  gdiplus::UINT size = 0;
  Record(Gdip().GdipGetRegionDataSize(As<GpRegion>(regionHandle), &size));
  return static_cast<std::int32_t>(size);
}

values::ByteSet Region::GetData(std::int32_t bufferSize, std::int32_t* sizeFilled) {
  values::ByteSet data = values::ByteSet::Zeroed(bufferSize);
  Record(Gdip().GdipGetRegionData(As<GpRegion>(regionHandle), data.Data(),
                                  static_cast<gdiplus::UINT>(data.Length()),
                                  reinterpret_cast<gdiplus::UINT*>(sizeFilled)));
  return data;
}

gdiplus::HRGN Region::GetHRgn(const GdiplusObject& graphics) {
  gdiplus::HRGN hrgn = nullptr;
  Record(Gdip().GdipGetRegionHRgn(As<GpRegion>(regionHandle), GraphicsOf(graphics), &hrgn));
  return hrgn;
}

bool Region::IsEmpty(const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsEmptyRegion(As<GpRegion>(regionHandle), GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsInfinite(const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsInfiniteRegion(As<GpRegion>(regionHandle), GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsEqual(const Region& region, const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsEqualRegion(As<GpRegion>(regionHandle), As<GpRegion>(region.GetHandle()),
                                  GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsVisiblePoint(const PointF& point, const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRegionPoint(As<GpRegion>(regionHandle), point.x, point.y,
                                         GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsVisiblePointI(const Point& point, const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRegionPointI(As<GpRegion>(regionHandle), point.x, point.y,
                                          GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsVisibleRect(const RectF& rect, const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRegionRect(As<GpRegion>(regionHandle), rect.x, rect.y, rect.width,
                                        rect.height, GraphicsOf(graphics), &result));
  return result != 0;
}

bool Region::IsVisibleRectI(const Rect& rect, const GdiplusObject& graphics) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRegionRectI(As<GpRegion>(regionHandle), rect.x, rect.y, rect.width,
                                         rect.height, GraphicsOf(graphics), &result));
  return result != 0;
}

std::int32_t Region::GetScansCount(const GdiplusObject& matrix) {
  gdiplus::UINT count = 0;
  Record(Gdip().GdipGetRegionScansCount(As<GpRegion>(regionHandle), &count,
                                        As<GpMatrix>(matrix.GetHandle())));
  return static_cast<std::int32_t>(count);
}

std::int32_t Region::GetScans(const GdiplusObject& matrix, values::ValueArray<RectF>& rects) {
  return ScansInto<RectF, GpRectF>(regionHandle, matrix, rects, Gdip().GdipGetRegionScans);
}

std::int32_t Region::GetScansI(const GdiplusObject& matrix, values::ValueArray<Rect>& rects) {
  return ScansInto<Rect, GpRect>(regionHandle, matrix, rects, Gdip().GdipGetRegionScansI);
}

}  // namespace charart::imaging
