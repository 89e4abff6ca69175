// What the Graphics tests draw with, against the real engine: GDI+ started
// once (with the 宋体 alias), a small transparent ARGB canvas with a Graphics
// on it, and native pens, brushes, fonts, formats, matrices, paths and
// regions held by a minimal GdiplusObject (the tests need nothing of them
// but their handles).
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "imaging/core/gdiplus_object.h"
#include "imaging/core/gdiplus_session.h"
#include "imaging/surface/graphics.h"
#include "platform/gdiplus/gdiplus_api.h"

namespace charart::imaging::graphics_test {

using namespace gdiplus;

inline constexpr PixelFormat kArgb32 = 0x26200A;
inline constexpr ARGB kBlack = 0xFF000000;
inline constexpr ARGB kRed = 0xFFFF0000;
inline constexpr ARGB kBlue = 0xFF0000FF;
inline constexpr ARGB kNothing = 0x00000000;

// Starts GDI+ (and with it the 宋体 alias) once for the program.
inline bool StartEngine() {
  static const bool started = StartGdiplus() != 0;
  return started;
}

template <typename Fn>
Fn RawFunction(const char* name) {
  return reinterpret_cast<Fn>(RawSymbol(name));
}

// A native object released by `release` when the holder ends, unless it was
// released before (Release).
class Native : public GdiplusObject {
 public:
  using Releaser = void (*)(Handle);
  Native() = default;
  Native(Handle handle, Releaser release) : release_(release) { SetHandle(handle); }
  Native(Native&& other) noexcept : release_(other.release_) {
    TakeFrom(other);
    other.release_ = nullptr;
  }
  Native& operator=(Native&& other) noexcept {
    if (this != &other) {
      Release();
      release_ = other.release_;
      TakeFrom(other);
      other.release_ = nullptr;
    }
    return *this;
  }
  ~Native() override { Release(); }
  void Release() {
    if (release_ != nullptr && GetHandle() != 0) release_(GetHandle());
    SetHandle(0);
  }
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override {
    return std::make_unique<Native>(GetHandle(), nullptr);
  }
  void OnHandleSet(Handle) override {}

 private:
  Releaser release_ = nullptr;
};

inline Native MakeBitmap(std::int32_t width, std::int32_t height) {
  GpBitmap* bitmap = nullptr;
  Api().GdipCreateBitmapFromScan0(width, height, 0, kArgb32, nullptr, &bitmap);
  return Native(reinterpret_cast<Handle>(bitmap),
                [](Handle h) { Api().GdipDisposeImage(As<GpImage>(h)); });
}

inline ARGB PixelOf(const GdiplusObject& bitmap, std::int32_t x, std::int32_t y) {
  ARGB colour = 0;
  Api().GdipBitmapGetPixel(As<GpBitmap>(bitmap.GetHandle()), x, y, &colour);
  return colour;
}

// A transparent ARGB bitmap and a Graphics drawing on it.
struct Canvas {
  Canvas(std::int32_t w, std::int32_t h) : width(w), height(h), bitmap(MakeBitmap(w, h)) {
    graphics.CreateFromImage(bitmap);
  }
  ARGB Pixel(std::int32_t x, std::int32_t y) const { return PixelOf(bitmap, x, y); }
  // Pixels that are not fully transparent.
  int Inked() const {
    int count = 0;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) count += (Pixel(x, y) >> 24) != 0 ? 1 : 0;
    }
    return count;
  }
  std::string Dump() const {
    std::string rows;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) rows += (Pixel(x, y) >> 24) != 0 ? '#' : '.';
      rows += '\n';
    }
    return rows;
  }

  std::int32_t width;
  std::int32_t height;
  Native bitmap;
  Graphics graphics;  // declared after the bitmap: deleted before it is disposed
};

inline Native MakePen(ARGB colour, float width = 1) {
  GpPen* pen = nullptr;
  Api().GdipCreatePen1(colour, width, /*UnitPixel*/ 2, &pen);
  return Native(reinterpret_cast<Handle>(pen), [](Handle h) { Api().GdipDeletePen(As<GpPen>(h)); });
}

inline Native MakeBrush(ARGB colour) {
  GpSolidFill* brush = nullptr;
  Api().GdipCreateSolidFill(colour, &brush);
  return Native(reinterpret_cast<Handle>(brush),
                [](Handle h) { Api().GdipDeleteBrush(As<GpBrush>(h)); });
}

// A font of the family named in UTF-16 (宋体 by default), in world units.
inline Native MakeFont(float size = 12, const char16_t* family = u"宋体") {
  GpFontFamily* native = nullptr;
  if (Api().GdipCreateFontFamilyFromName(family, nullptr, &native) != Status::Ok) return Native();
  GpFont* font = nullptr;
  Api().GdipCreateFont(native, size, 0, 0, &font);
  Api().GdipDeleteFontFamily(native);
  return Native(reinterpret_cast<Handle>(font),
                [](Handle h) { Api().GdipDeleteFont(As<GpFont>(h)); });
}

// A format with the given flags and measurable ranges.
inline Native MakeFormat(INT flags = 0,
                         std::initializer_list<gdiplus::CharacterRange> ranges = {}) {
  GpStringFormat* format = nullptr;
  Api().GdipCreateStringFormat(flags, 0, &format);
  if (ranges.size() > 0) {
    Api().GdipSetStringFormatMeasurableCharacterRanges(format, static_cast<INT>(ranges.size()),
                                                       ranges.begin());
  }
  return Native(reinterpret_cast<Handle>(format),
                [](Handle h) { Api().GdipDeleteStringFormat(As<GpStringFormat>(h)); });
}

inline Native MakeMatrix() {
  GpMatrix* matrix = nullptr;
  Api().GdipCreateMatrix(&matrix);
  return Native(reinterpret_cast<Handle>(matrix),
                [](Handle h) { Api().GdipDeleteMatrix(As<GpMatrix>(h)); });
}

// The six elements m11 m12 m21 m22 dx dy of a matrix.
inline std::array<float, 6> Elements(const GdiplusObject& matrix) {
  using GetElements = Status (*)(const GpMatrix*, REAL*);
  static const auto get = RawFunction<GetElements>("GdipGetMatrixElements");
  std::array<float, 6> m{};
  get(As<GpMatrix>(matrix.GetHandle()), m.data());
  return m;
}

inline Native MakeRectanglePath(float x, float y, float width, float height) {
  using CreatePath = Status (*)(INT, GpPath**);
  using AddRectangle = Status (*)(GpPath*, REAL, REAL, REAL, REAL);
  static const auto create = RawFunction<CreatePath>("GdipCreatePath");
  static const auto add = RawFunction<AddRectangle>("GdipAddPathRectangle");
  GpPath* path = nullptr;
  create(0, &path);
  add(path, x, y, width, height);
  return Native(reinterpret_cast<Handle>(path), [](Handle h) {
    using DeletePath = Status (*)(GpPath*);
    static const auto remove = RawFunction<DeletePath>("GdipDeletePath");
    remove(As<GpPath>(h));
  });
}

inline Native MakeRegion(float x, float y, float width, float height) {
  GpRegion* region = nullptr;
  const GpRectF rect{x, y, width, height};
  Api().GdipCreateRegionRect(&rect, &region);
  return Native(reinterpret_cast<Handle>(region),
                [](Handle h) { Api().GdipDeleteRegion(As<GpRegion>(h)); });
}

inline Native MakeImageAttributes() {
  using Create = Status (*)(GpImageAttributes**);
  static const auto create = RawFunction<Create>("GdipCreateImageAttributes");
  GpImageAttributes* attributes = nullptr;
  create(&attributes);
  return Native(reinterpret_cast<Handle>(attributes), [](Handle h) {
    using Dispose = Status (*)(GpImageAttributes*);
    static const auto dispose = RawFunction<Dispose>("GdipDisposeImageAttributes");
    dispose(As<GpImageAttributes>(h));
  });
}

// A fixture with GDI+ running.
class OnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartEngine()); }
};

}  // namespace charart::imaging::graphics_test
