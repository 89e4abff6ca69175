// Region: owns one GDI+ region, made from nothing (an infinite region), a
// rectangle, a path, an HRGN or serialised region data; changed by combining
// with rectangles, paths and regions, by translation and by a matrix; asked
// for bounds, data, an HRGN, emptiness, infiniteness, equality, visibility
// and scan rectangles. The combine operations intersect when the mode is
// omitted. Path, matrix and graphics parameters take any object holding a
// GDI+ path, matrix or graphics. A Region handed a handle through SetHandle
// (as the graphics text measurement does) owns it and deletes it once.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "imaging/core/records.h"
#include "platform/gdiplus/gdiplus_types.h"
#include "values/byte_set.h"
#include "values/value_array.h"

namespace charart::imaging {

class Region : public GdiplusObject {
 public:
  Region() = default;
  Region(Region&& other) noexcept { TakeFrom(other); }
  Region& operator=(Region&& other) noexcept;
  ~Region() override { Region::Destroy(); }

  // 0: deletes the region still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4
  void OnHandleSet(Handle handle) override;
  // 7: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 8: an infinite region.
  virtual bool Create();
  // 9-13
  virtual bool CreateFromRect(const RectF& rect);
  virtual bool CreateFromRectI(const Rect& rect);
  virtual bool CreateFromPath(const GdiplusObject& path);
  virtual bool CreateFromHrgn(gdiplus::HRGN region);
  // `data` as GetData returns it; an empty byte set passes a null buffer. A
  // size beyond the byte set is refused (InvalidParameter) without a call.
  virtual bool CreateFromRgnData(const values::ByteSet& data, std::int32_t size);
  // 14: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(Region& target);
  // 15, 16
  virtual bool SetInfinite();
  virtual bool SetEmpty();
  // 17-20: mode 0 replace, 1 intersect (the default), 2 union, 3 xor,
  // 4 exclude, 5 complement.
  virtual bool CombineRect(const RectF& rect, std::optional<std::int32_t> mode = std::nullopt);
  virtual bool CombineRectI(const Rect& rect, std::optional<std::int32_t> mode = std::nullopt);
  virtual bool CombineRegion(const Region& region, std::optional<std::int32_t> mode = std::nullopt);
  virtual bool CombinePath(const GdiplusObject& path,
                           std::optional<std::int32_t> mode = std::nullopt);
  // 21-23
  virtual bool Translate(float dx, float dy);
  virtual bool TranslateI(std::int32_t dx, std::int32_t dy);
  virtual bool Transform(const GdiplusObject& matrix);
  // 24, 25: all zero when GDI+ fails.
  [[nodiscard]] virtual RectF GetBounds(const GdiplusObject& graphics);
  [[nodiscard]] virtual Rect GetBoundsI(const GdiplusObject& graphics);
  // 26
  [[nodiscard]] virtual std::int32_t GetDataSize();
  // 27: exactly bufferSize bytes (zero where GDI+ wrote nothing);
  // `sizeFilled`, when given, receives the bytes GDI+ wrote.
  [[nodiscard]] virtual values::ByteSet GetData(std::int32_t bufferSize,
                                                std::int32_t* sizeFilled = nullptr);
  // 28
  [[nodiscard]] virtual gdiplus::HRGN GetHRgn(const GdiplusObject& graphics);
  // 29-35: true exactly when GDI+ answers a non-zero truth value.
  [[nodiscard]] virtual bool IsEmpty(const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsInfinite(const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsEqual(const Region& region, const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsVisiblePoint(const PointF& point, const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsVisiblePointI(const Point& point, const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsVisibleRect(const RectF& rect, const GdiplusObject& graphics);
  [[nodiscard]] virtual bool IsVisibleRectI(const Rect& rect, const GdiplusObject& graphics);
  // 36
  [[nodiscard]] virtual std::int32_t GetScansCount(const GdiplusObject& matrix);
  // 37, 38: replace `rects` by the region's scan rectangles and return their
  // number; 0, with `rects` left alone, when the count cannot be read.
  virtual std::int32_t GetScans(const GdiplusObject& matrix, values::ValueArray<RectF>& rects);
  virtual std::int32_t GetScansI(const GdiplusObject& matrix, values::ValueArray<Rect>& rects);

  Handle regionHandle = 0;
};

}  // namespace charart::imaging
