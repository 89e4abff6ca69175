// Test-only stand-ins for the objects the resource classes take as
// parameters but that have no wrapper of their own yet (or none at all):
// a graphics on a 32-bit ARGB bitmap, a matrix, a path, and the installed
// font collection. Each is a GdiplusObject holding the native handle, built
// with the raw flat API.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "imaging/core/gdiplus_object.h"

namespace charart::testsupport {

// Loads the font alias and makes sure GDI+ runs (starting it again if a test
// shut it down). The tests never shut it down themselves. Returns whether
// GDI+ runs.
bool StartGdiplusOnce();

// A native object held for a test and released by a given flat call.
class RawObject : public imaging::GdiplusObject {
 public:
  using Releaser = void (*)(imaging::Handle);
  RawObject() = default;
  RawObject(imaging::Handle handle, Releaser releaser);
  ~RawObject() override;
  RawObject(RawObject&& other) noexcept;

  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  void OnHandleSet(imaging::Handle) override {}

 private:
  Releaser releaser_ = nullptr;
};

// A graphics on a fresh transparent width x height 32-bit ARGB bitmap.
class RawBitmapGraphics : public imaging::GdiplusObject {
 public:
  RawBitmapGraphics(std::int32_t width, std::int32_t height);
  ~RawBitmapGraphics() override;

  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  void OnHandleSet(imaging::Handle) override {}

  imaging::Handle BitmapHandle() const { return bitmap_; }
  std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }

 private:
  imaging::Handle bitmap_ = 0;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// An identity matrix.
RawObject MakeMatrix();
// A matrix translated by (dx, dy).
RawObject MakeTranslation(float dx, float dy);
// A path holding one rectangle.
RawObject MakeRectanglePath(float x, float y, float width, float height);
// The installed font collection (owned by libgdiplus; never released).
RawObject InstalledFontCollection();
// An adjustable arrow cap (a custom line cap).
RawObject MakeArrowCap(float height, float width);
// Deletes a custom line cap; the releaser for caps GDI+ hands out.
void DeleteCustomLineCap(imaging::Handle cap);
// A matrix's six elements m11, m12, m21, m22, dx, dy.
std::array<float, 6> MatrixElements(const imaging::GdiplusObject& matrix);
// Where the matrix takes the point (x, y).
std::array<float, 2> MapPoint(const imaging::GdiplusObject& matrix, float x, float y);

}  // namespace charart::testsupport
