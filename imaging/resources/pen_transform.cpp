// Pen: the pen's own transform.
#include "imaging/resources/pen.h"

namespace charart::imaging {
namespace {

using gdiplus::GpMatrix;
using gdiplus::GpPen;

constexpr std::int32_t kPrepend = 0;

// Turning or scaling about a point: move the point to the origin, apply the
// middle call, move it back, in the order that suits prepending or
// appending. The first call that fails ends it and is what is reported.
template <typename MiddleCall>
bool AboutPoint(GpPen* pen, const PointF& center, std::int32_t order, MiddleCall middle) {
  const float x = center.x;
  const float y = center.y;
  if (order == kPrepend) {
    return Record(Gdip().GdipTranslatePenTransform(pen, x, y, kPrepend)) &&
           Record(middle(kPrepend)) &&
           Record(Gdip().GdipTranslatePenTransform(pen, -x, -y, kPrepend));
  }
  return Record(Gdip().GdipTranslatePenTransform(pen, -x, -y, order)) && Record(middle(order)) &&
         Record(Gdip().GdipTranslatePenTransform(pen, x, y, order));
}

}  // namespace

bool Pen::SetTransform(const GdiplusObject& matrix) {
  return Record(Gdip().GdipSetPenTransform(As<GpPen>(penHandle), As<GpMatrix>(matrix.GetHandle())));
}

bool Pen::GetTransform(const GdiplusObject& matrix) {
  return Record(Gdip().GdipGetPenTransform(As<GpPen>(penHandle), As<GpMatrix>(matrix.GetHandle())));
}

bool Pen::ResetTransform() {
  return Record(Gdip().GdipResetPenTransform(As<GpPen>(penHandle)));
}

bool Pen::MultiplyTransform(const GdiplusObject& matrix, std::optional<std::int32_t> order) {
  return Record(Gdip().GdipMultiplyPenTransform(
      As<GpPen>(penHandle), As<GpMatrix>(matrix.GetHandle()), order.value_or(0)));
}

bool Pen::RotateTransform(float angle, std::optional<std::int32_t> order) {
  return Record(Gdip().GdipRotatePenTransform(As<GpPen>(penHandle), angle, order.value_or(0)));
}

bool Pen::RotateTransformAt(float angle, const PointF& center, std::optional<std::int32_t> order) {
  GpPen* pen = As<GpPen>(penHandle);
  return AboutPoint(pen, center, order.value_or(0),
                    [&](std::int32_t o) { return Gdip().GdipRotatePenTransform(pen, angle, o); });
}

bool Pen::ScaleTransform(float sx, float sy, std::optional<std::int32_t> order) {
  return Record(Gdip().GdipScalePenTransform(As<GpPen>(penHandle), sx, sy, order.value_or(0)));
}

bool Pen::ScaleTransformAt(float sx, float sy, const PointF& center,
                           std::optional<std::int32_t> order) {
  GpPen* pen = As<GpPen>(penHandle);
  return AboutPoint(pen, center, order.value_or(0),
                    [&](std::int32_t o) { return Gdip().GdipScalePenTransform(pen, sx, sy, o); });
}

bool Pen::TranslateTransform(float dx, float dy, std::optional<std::int32_t> order) {
  return Record(Gdip().GdipTranslatePenTransform(As<GpPen>(penHandle), dx, dy, order.value_or(0)));
}

}  // namespace charart::imaging
