#include <cmath>
#include <limits>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

// Clamps a rounded edge into the int range so an infinite region's huge
// float bounds never overflow.
INT ToEdge(double value) {
  if (std::isnan(value)) return 0;
  if (value <= std::numeric_limits<INT>::min()) return std::numeric_limits<INT>::min();
  if (value >= std::numeric_limits<INT>::max()) return std::numeric_limits<INT>::max();
  return static_cast<INT>(value);
}

}  // namespace

Status GetRegionBoundsI(GpRegion* region, GpGraphics* graphics, GpRect* rect) {
  static const auto raw = Raw<decltype(FunctionTable::GdipGetRegionBounds)>("GdipGetRegionBounds");
  if (raw == nullptr) return Status::NotImplemented;
  if (rect == nullptr) return Status::InvalidParameter;
  GpRectF bounds{};
  const Status status = raw(region, graphics, &bounds);
  if (status != Status::Ok) return status;
  // The smallest integer rectangle that holds the float one.
  const double left = std::floor(bounds.X);
  const double top = std::floor(bounds.Y);
  const double right = std::ceil(static_cast<double>(bounds.X) + bounds.Width);
  const double bottom = std::ceil(static_cast<double>(bounds.Y) + bounds.Height);
  rect->X = ToEdge(left);
  rect->Y = ToEdge(top);
  rect->Width = ToEdge(right - left);
  rect->Height = ToEdge(bottom - top);
  return Status::Ok;
}

}  // namespace charart::gdiplus::adapters
