// GdipCreateFont: libgdiplus refuses a size <= 0 but lets a NaN or infinite
// size through (both compare false), takes any style bits, and takes its
// private unit 7 (cairo points). GDI+ answers InvalidParameter for each: the
// size must be a positive finite number, the style a combination of the four
// style flags (bold, italic, underline, strikeout), the unit one of world,
// pixel, point, inch, document or millimetre (display is refused as before).
#include <cmath>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr INT kAllStyleFlags = 1 | 2 | 4 | 8;
constexpr INT kUnitWorld = 0;
constexpr INT kUnitMillimeter = 6;

}  // namespace

Status CreateFont(const GpFontFamily* family, REAL emSize, INT style, INT unit, GpFont** font) {
  static const auto raw = Raw<decltype(FunctionTable::GdipCreateFont)>("GdipCreateFont");
  if (raw == nullptr) return Status::NotImplemented;
  if (!std::isfinite(emSize) || (style & ~kAllStyleFlags) != 0 || unit < kUnitWorld ||
      unit > kUnitMillimeter) {
    return Status::InvalidParameter;
  }
  return raw(family, emSize, style, unit, font);
}

}  // namespace charart::gdiplus::adapters
