// Coordinates that are not numbers, as GDI+ answers them.
//
// libgdiplus passes NaN and infinite coordinates to cairo and answers Ok: a
// shape draws nothing or garbage, and a NaN scale or clip rectangle leaves
// the graphics' transform or clip ruined, so that everything drawn after it
// vanishes (or every later call answers InvalidParameter). GDI+ refuses
// such numbers: a drawing call answers ValueOverflow (11), a change of
// transform, page scale or clip InvalidParameter (2), and the graphics is
// left as it was. (Containers check their rectangles in their own adapter.)
//
// One guard serves every entry: it looks at each REAL argument and at each
// record array (a GpPointF or GpRectF pointer followed by its INT count, or
// a single record) before calling the library's own function.
#include <cmath>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

bool Finite(REAL value) {
  return std::isfinite(value);
}
bool Finite(const GpPointF& p) {
  return Finite(p.X) && Finite(p.Y);
}
bool Finite(const GpRectF& r) {
  return Finite(r.X) && Finite(r.Y) && Finite(r.Width) && Finite(r.Height);
}

template <typename T>
using Bare = std::remove_cv_t<std::remove_pointer_t<T>>;
template <typename T>
constexpr bool kRecordPointer = std::is_pointer_v<T> && (std::is_same_v<Bare<T>, GpPointF> ||
                                                         std::is_same_v<Bare<T>, GpRectF>);

// Whether argument I of `args` (and, for a record pointer, the records it
// points at) holds only finite numbers.
template <std::size_t I, typename Tuple>
bool ArgumentFinite(const Tuple& args) {
  using T = std::tuple_element_t<I, Tuple>;
  const auto& value = std::get<I>(args);
  if constexpr (std::is_same_v<T, REAL>) {
    return Finite(value);
  } else if constexpr (kRecordPointer<T>) {
    if (value == nullptr) return true;
    std::int64_t count = 1;
    if constexpr (I + 1 < std::tuple_size_v<Tuple>) {
      if constexpr (std::is_same_v<std::tuple_element_t<I + 1, Tuple>, INT>) {
        count = std::get<I + 1>(args);
      }
    }
    for (std::int64_t i = 0; i < count; ++i) {
      if (!Finite(value[i])) return false;
    }
    return true;
  } else {
    return true;
  }
}

template <typename Tuple, std::size_t... I>
bool AllFinite(const Tuple& args, std::index_sequence<I...>) {
  return (ArgumentFinite<I>(args) && ...);
}

template <FunctionId Id, Status Refusal, typename Fn>
struct Guard;

template <FunctionId Id, Status Refusal, typename... A>
struct Guard<Id, Refusal, Status (*)(A...)> {
  static Status Call(A... args) {
    static const auto raw = Raw<Status (*)(A...)>(FunctionName(Id));
    if (raw == nullptr) return Status::NotImplemented;
    if (!AllFinite(std::tuple<A...>(args...), std::index_sequence_for<A...>{})) return Refusal;
    return raw(args...);
  }
};

#define CHARART_DRAWING(name)       \
  case FunctionId::name:            \
    return reinterpret_cast<void*>( \
        &Guard<FunctionId::name, Status::ValueOverflow, decltype(FunctionTable::name)>::Call);
#define CHARART_STATE(name)         \
  case FunctionId::name:            \
    return reinterpret_cast<void*>( \
        &Guard<FunctionId::name, Status::InvalidParameter, decltype(FunctionTable::name)>::Call);

}  // namespace

void* FiniteCoordinatesAdapter(FunctionId id) {
  switch (id) {
    CHARART_DRAWING(GdipDrawLine)
    CHARART_DRAWING(GdipDrawLines)
    CHARART_DRAWING(GdipDrawArc)
    CHARART_DRAWING(GdipDrawArcI)
    CHARART_DRAWING(GdipDrawBezier)
    CHARART_DRAWING(GdipDrawBeziers)
    CHARART_DRAWING(GdipDrawRectangle)
    CHARART_DRAWING(GdipDrawRectangles)
    CHARART_DRAWING(GdipDrawEllipse)
    CHARART_DRAWING(GdipDrawPie)
    CHARART_DRAWING(GdipDrawPieI)
    CHARART_DRAWING(GdipDrawPolygon)
    CHARART_DRAWING(GdipDrawCurve)
    CHARART_DRAWING(GdipDrawCurve2)
    CHARART_DRAWING(GdipDrawCurve2I)
    CHARART_DRAWING(GdipDrawCurve3)
    CHARART_DRAWING(GdipDrawCurve3I)
    CHARART_DRAWING(GdipDrawClosedCurve)
    CHARART_DRAWING(GdipDrawClosedCurve2)
    CHARART_DRAWING(GdipDrawClosedCurve2I)
    CHARART_DRAWING(GdipFillRectangle)
    CHARART_DRAWING(GdipFillRectangles)
    CHARART_DRAWING(GdipFillPolygon)
    CHARART_DRAWING(GdipFillEllipse)
    CHARART_DRAWING(GdipFillPie)
    CHARART_DRAWING(GdipFillPieI)
    CHARART_DRAWING(GdipFillClosedCurve)
    CHARART_DRAWING(GdipFillClosedCurve2)
    CHARART_DRAWING(GdipFillClosedCurve2I)
    CHARART_DRAWING(GdipDrawImage)
    CHARART_DRAWING(GdipDrawImagePoints)
    CHARART_DRAWING(GdipDrawImagePointRect)
    CHARART_DRAWING(GdipDrawImageRectRect)
    CHARART_DRAWING(GdipDrawImagePointsRect)
    CHARART_STATE(GdipTranslateWorldTransform)
    CHARART_STATE(GdipScaleWorldTransform)
    CHARART_STATE(GdipRotateWorldTransform)
    CHARART_STATE(GdipSetPageScale)
    CHARART_STATE(GdipSetClipRect)
    CHARART_STATE(GdipTranslateClip)
    default:
      return nullptr;
  }
}

}  // namespace charart::gdiplus::adapters
