// The imaging layer's records. The geometric ones (RectF, Rect, PointF, Point,
// SizeF, CharacterRange) and BitmapData are standard-layout structs laid out
// exactly as the GDI+ flat interface lays out its own, so a pointer to one goes
// to GDI+ as it is. The codec, parameter, palette and property records hold
// values (texts, byte sets, arrays) and are converted to GDI+'s blocks by the
// bitmap operations that take them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/gdiplus/gdiplus_types.h"
#include "values/byte_set.h"
#include "values/text.h"
#include "values/value_array.h"

namespace charart::imaging {

struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;

  bool operator==(const RectF&) const = default;
};

struct Rect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool operator==(const Rect&) const = default;
};

struct PointF {
  float x = 0;
  float y = 0;

  bool operator==(const PointF&) const = default;
};

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  bool operator==(const Point&) const = default;
};

struct SizeF {
  float width = 0;
  float height = 0;

  bool operator==(const SizeF&) const = default;
};

struct CharacterRange {
  std::int32_t first = 0;
  std::int32_t length = 0;

  bool operator==(const CharacterRange&) const = default;
};

// What LockBits fills in place. Scan0 and Reserved are pointer-sized here.
struct BitmapData {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::int32_t stride = 0;
  std::int32_t pixelFormat = 0;
  void* scan0 = nullptr;
  std::uintptr_t reserved = 0;
};

// A new rectangle holding the four values.
inline Rect MakeRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  return Rect{x, y, width, height};
}
inline RectF MakeRectF(float x, float y, float width, float height) {
  return RectF{x, y, width, height};
}

// One installed encoder, its GUIDs as braced upper-case texts.
struct ImageCodecInfo {
  values::Text Clsid;
  values::Text FormatID;
  values::Text CodecName;
  values::Text DllName;
  values::Text FormatDescription;
  values::Text FilenameExtension;
  values::Text MimeType;
  std::int32_t Flags = 0;
  std::int32_t Version = 0;
  std::int32_t SigCount = 0;
  std::int32_t SigSize = 0;
  values::ByteSet SigPattern;
  values::ByteSet SigMask;

  bool operator==(const ImageCodecInfo&) const = default;
};

// One encoder parameter: Value holds NumberOfValues values of the Type's size
// (1 byte, 2 ASCII, 3 short, 4 long, 5 rational, 6 long range, 7 undefined,
// 8 rational range).
struct EncoderParameter {
  values::Text Guid;
  std::int32_t NumberOfValues = 0;
  std::int32_t Type = 0;
  values::ByteSet Value;

  bool operator==(const EncoderParameter&) const = default;
};

// A parameter list; callers keep Count equal to Parameter's element count.
struct EncoderParameters {
  std::int32_t Count = 0;
  values::ValueArray<EncoderParameter> Parameter;

  bool operator==(const EncoderParameters&) const = default;
};

// A colour palette: GDI+ palette flags, the entry count and the entries.
struct ColorPalette {
  std::int32_t Flags = 0;
  std::int32_t Count = 0;
  values::ValueArray<std::uint32_t> Entries;

  bool operator==(const ColorPalette&) const = default;
};

// One tagged metadata item: Length bytes of Type in Value.
struct PropertyItem {
  std::int32_t Id = 0;
  std::int32_t Length = 0;
  std::int32_t Type = 0;
  values::ByteSet Value;

  bool operator==(const PropertyItem&) const = default;
};

namespace records_detail {
template <typename Ours, typename Flat>
constexpr bool kSameLayout = std::is_standard_layout_v<Ours> && sizeof(Ours) == sizeof(Flat) &&
                             alignof(Ours) == alignof(Flat);
}  // namespace records_detail

static_assert(records_detail::kSameLayout<RectF, gdiplus::GpRectF>);
static_assert(records_detail::kSameLayout<Rect, gdiplus::GpRect>);
static_assert(records_detail::kSameLayout<PointF, gdiplus::GpPointF>);
static_assert(records_detail::kSameLayout<Point, gdiplus::GpPoint>);
static_assert(records_detail::kSameLayout<SizeF, gdiplus::GpSizeF>);
static_assert(records_detail::kSameLayout<CharacterRange, gdiplus::CharacterRange>);
static_assert(records_detail::kSameLayout<BitmapData, gdiplus::BitmapData>);
static_assert(offsetof(Rect, height) == offsetof(gdiplus::GpRect, Height));
static_assert(offsetof(RectF, height) == offsetof(gdiplus::GpRectF, Height));
static_assert(offsetof(CharacterRange, length) == offsetof(gdiplus::CharacterRange, Length));
static_assert(offsetof(BitmapData, scan0) == offsetof(gdiplus::BitmapData, Scan0));
static_assert(offsetof(BitmapData, reserved) == offsetof(gdiplus::BitmapData, Reserved));

// Reinterprets a record as the flat type GDI+ takes (same layout, checked above).
template <typename Flat, typename Ours>
Flat* AsFlat(Ours* record) {
  return reinterpret_cast<Flat*>(record);
}
template <typename Flat, typename Ours>
const Flat* AsFlat(const Ours* record) {
  return reinterpret_cast<const Flat*>(record);
}

}  // namespace charart::imaging
