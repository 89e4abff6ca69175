// Pen: owns one GDI+ pen: width and unit, line caps (start, end, dash and
// custom caps), line join and miter limit, alignment, its own transform,
// colour or brush fill, dash style, offset and pattern, compound pattern.
// Optional units and matrix orders are passed on as given (omitted means 0:
// world units, prepend). Brush, matrix and custom-cap parameters take any
// object holding such a GDI+ object. Targets of Clone, GetCustomStartCap,
// GetCustomEndCap and GetBrushFill own what they receive.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "imaging/core/records.h"
#include "imaging/resources/solid_brush.h"
#include "values/value_array.h"

namespace charart::imaging {

class Pen : public GdiplusObject {
 public:
  Pen() = default;
  Pen(Pen&& other) noexcept { TakeFrom(other); }
  Pen& operator=(Pen&& other) noexcept;
  ~Pen() override { Pen::Destroy(); }

  // 0: deletes the pen still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4
  void OnHandleSet(Handle handle) override;
  // 7: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 8, 9: do not delete a pen the object already holds.
  virtual bool Create(ArgbColor colour, float width,
                      std::optional<std::int32_t> unit = std::nullopt);
  virtual bool CreateFromBrush(const GdiplusObject& brush, float width,
                               std::optional<std::int32_t> unit = std::nullopt);
  // 10: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(Pen& target);
  // 11-14: SetUnit truncates the unit toward zero.
  [[nodiscard]] virtual float GetWidth();
  virtual bool SetWidth(float width);
  [[nodiscard]] virtual std::int32_t GetUnit();
  virtual bool SetUnit(float unit);
  // 15-23: SetLineCap2 and GetDashCap2 are SetLineCap and GetDashCap again.
  virtual bool SetLineCap(std::int32_t startCap, std::int32_t endCap, std::int32_t dashCap);
  virtual bool SetLineCap2(std::int32_t startCap, std::int32_t endCap, std::int32_t dashCap);
  virtual bool SetStartCap(std::int32_t cap);
  virtual bool SetEndCap(std::int32_t cap);
  virtual bool SetDashCap(std::int32_t cap);
  [[nodiscard]] virtual std::int32_t GetStartCap();
  [[nodiscard]] virtual std::int32_t GetEndCap();
  [[nodiscard]] virtual std::int32_t GetDashCap();
  [[nodiscard]] virtual std::int32_t GetDashCap2();
  // 24, 25
  virtual bool SetLineJoin(std::int32_t join);
  [[nodiscard]] virtual std::int32_t GetLineJoin();
  // 26-29: the pen keeps a copy of the cap; a target receives a copy of its
  // own (0 when GDI+ fails).
  virtual bool SetCustomStartCap(const GdiplusObject& cap);
  virtual bool GetCustomStartCap(GdiplusObject& target);
  virtual bool SetCustomEndCap(const GdiplusObject& cap);
  virtual bool GetCustomEndCap(GdiplusObject& target);
  // 30-33
  virtual bool SetMiterLimit(float limit);
  [[nodiscard]] virtual float GetMiterLimit();
  virtual bool SetMode(std::int32_t alignment);
  [[nodiscard]] virtual std::int32_t GetMode();
  // 34-36: GetTransform copies the pen's transform into `matrix`.
  virtual bool SetTransform(const GdiplusObject& matrix);
  virtual bool GetTransform(const GdiplusObject& matrix);
  virtual bool ResetTransform();
  // 37-42: order 0 prepends, 1 appends. The At forms turn or scale about
  // `center` with three calls and stop at the first that fails.
  virtual bool MultiplyTransform(const GdiplusObject& matrix,
                                 std::optional<std::int32_t> order = std::nullopt);
  virtual bool RotateTransform(float angle, std::optional<std::int32_t> order = std::nullopt);
  virtual bool RotateTransformAt(float angle, const PointF& center,
                                 std::optional<std::int32_t> order = std::nullopt);
  virtual bool ScaleTransform(float sx, float sy, std::optional<std::int32_t> order = std::nullopt);
  virtual bool ScaleTransformAt(float sx, float sy, const PointF& center,
                                std::optional<std::int32_t> order = std::nullopt);
  virtual bool TranslateTransform(float dx, float dy,
                                  std::optional<std::int32_t> order = std::nullopt);
  // 43-47: the pen keeps a copy of the brush; GetBrushFill's target
  // receives a copy of its own.
  [[nodiscard]] virtual ArgbColor GetColor();
  virtual bool SetColor(ArgbColor colour);
  virtual bool SetBrushFill(const GdiplusObject& brush);
  virtual bool GetBrushFill(GdiplusObject& target);
  [[nodiscard]] virtual std::int32_t GetFillType();
  // 48-51
  virtual bool SetDashStyle(std::int32_t style);
  [[nodiscard]] virtual std::int32_t GetDashStyle();
  [[nodiscard]] virtual float GetDashOffset();
  virtual bool SetDashOffset(float offset);
  // 52-55: the Get forms replace the caller's array by one of the pen's
  // count and fill it; 0, with the array left alone, when the count cannot
  // be read.
  virtual std::int32_t GetDashArray(values::ValueArray<float>& dashes);
  virtual bool SetDashArray(const values::ValueArray<float>& dashes);
  virtual bool SetCompoundArray(const values::ValueArray<float>& values);
  virtual std::int32_t GetCompoundArray(values::ValueArray<float>& values);

  Handle penHandle = 0;
};

}  // namespace charart::imaging
