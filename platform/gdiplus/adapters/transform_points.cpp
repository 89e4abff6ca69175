#include <cmath>
#include <type_traits>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/graphics_geometry.h"

namespace charart::gdiplus::adapters {
namespace {

enum Space : INT { kWorld = 0, kPage = 1, kDevice = 2 };

// An affine map: x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  bool Invert() {
    const double det = a * d - b * c;
    if (det == 0 || !std::isfinite(det)) return false;
    const Affine m = *this;
    a = m.d / det;
    b = -m.b / det;
    c = -m.c / det;
    d = m.a / det;
    e = (m.c * m.f - m.d * m.e) / det;
    f = (m.b * m.e - m.a * m.f) / det;
    return true;
  }
  // This map after `first`.
  Affine After(const Affine& first) const {
    Affine r;
    r.a = a * first.a + c * first.b;
    r.b = b * first.a + d * first.b;
    r.c = a * first.c + c * first.d;
    r.d = b * first.c + d * first.d;
    r.e = a * first.e + c * first.f + e;
    r.f = b * first.e + d * first.f + f;
    return r;
  }
};

Status WorldMap(GpGraphics* graphics, Affine& world) {
  REAL m[6];
  const Status status = ReadWorldTransform(graphics, m);
  world = Affine{m[0], m[1], m[2], m[3], m[4], m[5]};
  return status;
}

// The page-to-device map as libgdiplus draws: the page unit at the
// graphics' resolution. libgdiplus keeps the page scale but draws as if it
// were 1; the points go where the drawing goes.
Status PageMap(GpGraphics* graphics, Affine& page) {
  static const auto unitOf = Raw<decltype(FunctionTable::GdipGetPageUnit)>("GdipGetPageUnit");
  static const auto dpiX = Raw<decltype(FunctionTable::GdipGetDpiX)>("GdipGetDpiX");
  static const auto dpiY = Raw<decltype(FunctionTable::GdipGetDpiY)>("GdipGetDpiY");
  if (unitOf == nullptr || dpiX == nullptr || dpiY == nullptr) return Status::NotImplemented;
  INT unit = 0;
  REAL x = 0;
  REAL y = 0;
  Status status = unitOf(graphics, &unit);
  if (status == Status::Ok) status = dpiX(graphics, &x);
  if (status == Status::Ok) status = dpiY(graphics, &y);
  page = Affine{PixelsPerUnit(unit, x), 0, 0, PixelsPerUnit(unit, y), 0, 0};
  return status;
}

// The map from `source` to `dest` coordinates.
Status SpaceMap(GpGraphics* graphics, INT dest, INT source, Affine& map) {
  Affine world;
  Affine page;
  Status status = WorldMap(graphics, world);
  if (status == Status::Ok) status = PageMap(graphics, page);
  if (status != Status::Ok) return status;
  // Each space's map to device coordinates.
  const auto toDevice = [&](INT space) {
    if (space == kWorld) return page.After(world);
    if (space == kPage) return page;
    return Affine{};
  };
  Affine fromDevice = toDevice(dest);
  if (!fromDevice.Invert()) return Status::InvalidParameter;
  map = fromDevice.After(toDevice(source));
  return Status::Ok;
}

bool ValidSpace(INT space) {
  return space >= kWorld && space <= kDevice;
}

}  // namespace

namespace {

// Converts `count` points in place; integer points are rounded to nearest.
template <typename PointT>
Status TransformPointsOf(GpGraphics* graphics, INT destSpace, INT srcSpace, PointT* points,
                         INT count) {
  if (graphics == nullptr || points == nullptr || count <= 0) return Status::InvalidParameter;
  if (!ValidSpace(destSpace) || !ValidSpace(srcSpace)) return Status::InvalidParameter;
  Affine map;
  const Status status = SpaceMap(graphics, destSpace, srcSpace, map);
  if (status != Status::Ok || destSpace == srcSpace) return status;
  for (INT i = 0; i < count; ++i) {
    const double x = points[i].X;
    const double y = points[i].Y;
    const double mappedX = map.a * x + map.c * y + map.e;
    const double mappedY = map.b * x + map.d * y + map.f;
    if constexpr (std::is_same_v<PointT, GpPoint>) {
      points[i].X = static_cast<INT>(std::floor(mappedX + 0.5));
      points[i].Y = static_cast<INT>(std::floor(mappedY + 0.5));
    } else {
      points[i].X = static_cast<REAL>(mappedX);
      points[i].Y = static_cast<REAL>(mappedY);
    }
  }
  return Status::Ok;
}

}  // namespace

Status TransformPoints(GpGraphics* graphics, INT destSpace, INT srcSpace, GpPointF* points,
                       INT count) {
  return TransformPointsOf(graphics, destSpace, srcSpace, points, count);
}

Status TransformPointsI(GpGraphics* graphics, INT destSpace, INT srcSpace, GpPoint* points,
                        INT count) {
  return TransformPointsOf(graphics, destSpace, srcSpace, points, count);
}

}  // namespace charart::gdiplus::adapters
