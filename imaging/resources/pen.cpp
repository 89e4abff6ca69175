// Pen: lifetime, creation, width and unit, caps, join, alignment, colour and
// brush fill, dashes and compound lines.
#include "imaging/resources/pen.h"

#include "values/value_ops.h"

namespace charart::imaging {
namespace {

using gdiplus::GpBrush;
using gdiplus::GpCustomLineCap;
using gdiplus::GpPen;

// A float array's elements as GDI+ takes them: null when there are none.
const float* Elements(const values::ValueArray<float>& array) {
  return array.Count() > 0 ? array.Data() : nullptr;
}

// The pen's count, then a fresh zeroed array of that count, filled by GDI+.
template <typename CountCall, typename ArrayCall>
std::int32_t ReadFloats(GpPen* pen, values::ValueArray<float>& array, CountCall count,
                        ArrayCall read) {
  gdiplus::INT n = 0;
  if (!Record(count(pen, &n))) return 0;
  array = values::ValueArray<float>::WithDimensions({n < 0 ? 0 : n});
  Record(read(pen, array.Count() > 0 ? array.Data() : nullptr, n));
  return n;
}

}  // namespace

Pen& Pen::operator=(Pen&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void Pen::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> Pen::Copy() const {
  auto copy = std::make_unique<Pen>();
  copy->SetHandle(penHandle);
  copy->MarkBorrowed();
  return copy;
}

void Pen::OnHandleSet(Handle handle) {
  penHandle = handle;
}

bool Pen::Delete() {
  return DeleteNative(penHandle, [&] { return Gdip().GdipDeletePen(As<GpPen>(penHandle)); });
}

bool Pen::Create(ArgbColor colour, float width, std::optional<std::int32_t> unit) {
  return FinishCreate(
      Gdip().GdipCreatePen1(colour, width, unit.value_or(0), OutHandle<GpPen>(penHandle)),
      penHandle);
}

bool Pen::CreateFromBrush(const GdiplusObject& brush, float width,
                          std::optional<std::int32_t> unit) {
  return FinishCreate(Gdip().GdipCreatePen2(As<GpBrush>(brush.GetHandle()), width, unit.value_or(0),
                                            OutHandle<GpPen>(penHandle)),
                      penHandle);
}

bool Pen::Clone(Pen& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipClonePen(As<GpPen>(penHandle), OutHandle<GpPen>(local)), local,
                  target);
}

float Pen::GetWidth() {
  float width = 0;
  Record(Gdip().GdipGetPenWidth(As<GpPen>(penHandle), &width));
  return width;
}

bool Pen::SetWidth(float width) {
  return Record(Gdip().GdipSetPenWidth(As<GpPen>(penHandle), width));
}

std::int32_t Pen::GetUnit() {
  gdiplus::INT unit = 0;
  Record(Gdip().GdipGetPenUnit(As<GpPen>(penHandle), &unit));
  return unit;
}

bool Pen::SetUnit(float unit) {
  return Record(Gdip().GdipSetPenUnit(As<GpPen>(penHandle), values::StoreInt32(unit)));
}

bool Pen::SetLineCap(std::int32_t startCap, std::int32_t endCap, std::int32_t dashCap) {
  return Record(Gdip().GdipSetPenLineCap197819(As<GpPen>(penHandle), startCap, endCap, dashCap));
}

bool Pen::SetLineCap2(std::int32_t startCap, std::int32_t endCap, std::int32_t dashCap) {
  return Record(Gdip().GdipSetPenLineCap197819(As<GpPen>(penHandle), startCap, endCap, dashCap));
}

bool Pen::SetStartCap(std::int32_t cap) {
  return Record(Gdip().GdipSetPenStartCap(As<GpPen>(penHandle), cap));
}

bool Pen::SetEndCap(std::int32_t cap) {
  return Record(Gdip().GdipSetPenEndCap(As<GpPen>(penHandle), cap));
}

bool Pen::SetDashCap(std::int32_t cap) {
  return Record(Gdip().GdipSetPenDashCap197819(As<GpPen>(penHandle), cap));
}

std::int32_t Pen::GetStartCap() {
  gdiplus::INT cap = 0;
  Record(Gdip().GdipGetPenStartCap(As<GpPen>(penHandle), &cap));
  return cap;
}

std::int32_t Pen::GetEndCap() {
  gdiplus::INT cap = 0;
  Record(Gdip().GdipGetPenEndCap(As<GpPen>(penHandle), &cap));
  return cap;
}

std::int32_t Pen::GetDashCap() {
  gdiplus::INT cap = 0;
  Record(Gdip().GdipGetPenDashCap197819(As<GpPen>(penHandle), &cap));
  return cap;
}

std::int32_t Pen::GetDashCap2() {
  gdiplus::INT cap = 0;
  Record(Gdip().GdipGetPenDashCap197819(As<GpPen>(penHandle), &cap));
  return cap;
}

bool Pen::SetLineJoin(std::int32_t join) {
  return Record(Gdip().GdipSetPenLineJoin(As<GpPen>(penHandle), join));
}

std::int32_t Pen::GetLineJoin() {
  gdiplus::INT join = 0;
  Record(Gdip().GdipGetPenLineJoin(As<GpPen>(penHandle), &join));
  return join;
}

bool Pen::SetCustomStartCap(const GdiplusObject& cap) {
  return Record(
      Gdip().GdipSetPenCustomStartCap(As<GpPen>(penHandle), As<GpCustomLineCap>(cap.GetHandle())));
}

bool Pen::GetCustomStartCap(GdiplusObject& target) {
  Handle local = 0;
  return HandOver(
      Gdip().GdipGetPenCustomStartCap(As<GpPen>(penHandle), OutHandle<GpCustomLineCap>(local)),
      local, target);
}

bool Pen::SetCustomEndCap(const GdiplusObject& cap) {
  return Record(
      Gdip().GdipSetPenCustomEndCap(As<GpPen>(penHandle), As<GpCustomLineCap>(cap.GetHandle())));
}

bool Pen::GetCustomEndCap(GdiplusObject& target) {
  Handle local = 0;
  return HandOver(
      Gdip().GdipGetPenCustomEndCap(As<GpPen>(penHandle), OutHandle<GpCustomLineCap>(local)), local,
      target);
}

bool Pen::SetMiterLimit(float limit) {
  return Record(Gdip().GdipSetPenMiterLimit(As<GpPen>(penHandle), limit));
}

float Pen::GetMiterLimit() {
  float limit = 0;
  Record(Gdip().GdipGetPenMiterLimit(As<GpPen>(penHandle), &limit));
  return limit;
}

bool Pen::SetMode(std::int32_t alignment) {
  return Record(Gdip().GdipSetPenMode(As<GpPen>(penHandle), alignment));
}

std::int32_t Pen::GetMode() {
  gdiplus::INT alignment = 0;
  Record(Gdip().GdipGetPenMode(As<GpPen>(penHandle), &alignment));
  return alignment;
}

ArgbColor Pen::GetColor() {
  gdiplus::ARGB colour = 0;
  Record(Gdip().GdipGetPenColor(As<GpPen>(penHandle), &colour));
  return colour;
}

bool Pen::SetColor(ArgbColor colour) {
  return Record(Gdip().GdipSetPenColor(As<GpPen>(penHandle), colour));
}

bool Pen::SetBrushFill(const GdiplusObject& brush) {
  return Record(Gdip().GdipSetPenBrushFill(As<GpPen>(penHandle), As<GpBrush>(brush.GetHandle())));
}

bool Pen::GetBrushFill(GdiplusObject& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipGetPenBrushFill(As<GpPen>(penHandle), OutHandle<GpBrush>(local)),
                  local, target);
}

std::int32_t Pen::GetFillType() {
  gdiplus::INT type = 0;
  Record(Gdip().GdipGetPenFillType(As<GpPen>(penHandle), &type));
  return type;
}

bool Pen::SetDashStyle(std::int32_t style) {
  return Record(Gdip().GdipSetPenDashStyle(As<GpPen>(penHandle), style));
}

std::int32_t Pen::GetDashStyle() {
  gdiplus::INT style = 0;
  Record(Gdip().GdipGetPenDashStyle(As<GpPen>(penHandle), &style));
  return style;
}

float Pen::GetDashOffset() {
  float offset = 0;
  Record(Gdip().GdipGetPenDashOffset(As<GpPen>(penHandle), &offset));
  return offset;
}

bool Pen::SetDashOffset(float offset) {
  return Record(Gdip().GdipSetPenDashOffset(As<GpPen>(penHandle), offset));
}

std::int32_t Pen::GetDashArray(values::ValueArray<float>& dashes) {
  return ReadFloats(As<GpPen>(penHandle), dashes, Gdip().GdipGetPenDashCount,
                    Gdip().GdipGetPenDashArray);
}

bool Pen::SetDashArray(const values::ValueArray<float>& dashes) {
  return Record(Gdip().GdipSetPenDashArray(As<GpPen>(penHandle), Elements(dashes), dashes.Count()));
}

bool Pen::SetCompoundArray(const values::ValueArray<float>& values) {
  return Record(
      Gdip().GdipSetPenCompoundArray(As<GpPen>(penHandle), Elements(values), values.Count()));
}

std::int32_t Pen::GetCompoundArray(values::ValueArray<float>& values) {
  return ReadFloats(As<GpPen>(penHandle), values, Gdip().GdipGetPenCompoundCount,
                    Gdip().GdipGetPenCompoundArray);
}

}  // namespace charart::imaging
