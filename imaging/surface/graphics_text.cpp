// Graphics: drawing and measuring text, measuring character ranges, drawing
// glyphs at given positions.
#include <vector>

#include "imaging/resources/region.h"
#include "imaging/surface/graphics.h"
#include "imaging/surface/point_array_buffer.h"
#include "platform/win32/code_pages.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::GpBrush;
using gdiplus::GpFont;
using gdiplus::GpGraphics;
using gdiplus::GpMatrix;
using gdiplus::GpRectF;
using gdiplus::GpRegion;
using gdiplus::GpStringFormat;
using gdiplus::WCHAR;

// DrawDriverString's option that reads only the first position.
constexpr std::int32_t kRealizedAdvance = 4;

// The UTF-16 string GDI+ receives: the byte set's data, or none when empty,
// and its length up to the first zero unit. A byte set without a zero unit
// is counted to its end, never past it.
struct WideText {
  explicit WideText(const values::ByteSet& text) : data(text.Wide()), length(0) {
    const std::int32_t units = text.Length() / 2;
    if (units > 0 && data[units - 1] == u'\0') {
      length = win32::lstrlenW(data);
    } else {
      while (length < units && data[length] != u'\0') ++length;
    }
  }
  const WCHAR* data;
  std::int32_t length;
};

Handle HandleOf(const GdiplusObject* object) {
  return object ? object->GetHandle() : 0;
}

Status DrawStringCall(Handle graphics, const values::ByteSet& text, const GdiplusObject& font,
                      const GdiplusObject& brush, const std::optional<RectF>& layoutRect,
                      const GdiplusObject* format) {
  const WideText wide(text);
  const RectF noBounds{};
  const RectF& rect = layoutRect ? *layoutRect : noBounds;
  return Gdip().GdipDrawString(
      As<GpGraphics>(graphics), wide.data, wide.length, As<GpFont>(font.GetHandle()),
      AsFlat<GpRectF>(&rect), As<GpStringFormat>(HandleOf(format)), As<GpBrush>(brush.GetHandle()));
}

Status MeasureStringCall(Handle graphics, const values::ByteSet& text, const GdiplusObject& font,
                         const std::optional<RectF>& layoutRect, const GdiplusObject* format,
                         RectF& boundingBox) {
  const WideText wide(text);
  const RectF noBounds{};
  const RectF& rect = layoutRect ? *layoutRect : noBounds;
  return Gdip().GdipMeasureString(As<GpGraphics>(graphics), wide.data, wide.length,
                                  As<GpFont>(font.GetHandle()), AsFlat<GpRectF>(&rect),
                                  As<GpStringFormat>(HandleOf(format)),
                                  AsFlat<GpRectF>(&boundingBox), nullptr, nullptr);
}

// Creates regionCount empty regions, measures into them and, when all went
// well, hands them to new Region objects that replace the caller's. Every
// status goes to LastStatus; the regions made on a failed way are deleted.
bool MeasureRangesCall(Handle graphics, const values::ByteSet& text, const GdiplusObject& font,
                       const RectF& layoutRect, const GdiplusObject& format,
                       std::int32_t regionCount, values::ValueArray<Region>& regions) {
  if (regionCount < 1) return Record(Status::InvalidParameter);
  std::vector<GpRegion*> handles(static_cast<std::size_t>(regionCount), nullptr);
  const auto deleteMade = [&handles] {
    for (GpRegion* region : handles) {
      if (region != nullptr) (void)Gdip().GdipDeleteRegion(region);
    }
  };
  for (GpRegion*& region : handles) {
    if (!Record(Gdip().GdipCreateRegion(&region))) {
      deleteMade();
      return false;
    }
  }
  const WideText wide(text);
  if (!Record(Gdip().GdipMeasureCharacterRanges(
          As<GpGraphics>(graphics), wide.data, wide.length, As<GpFont>(font.GetHandle()),
          AsFlat<GpRectF>(&layoutRect), As<GpStringFormat>(format.GetHandle()), regionCount,
          handles.data()))) {
    deleteMade();
    return false;
  }
  std::vector<Region> made(handles.size());
  for (std::size_t i = 0; i < handles.size(); ++i) {
    made[i].SetHandle(reinterpret_cast<Handle>(handles[i]));
  }
  // The objects the array held before are destroyed with it.
  regions = values::ValueArray<Region>(std::move(made));
  return true;
}

Status DrawDriverStringCall(Handle graphics, const values::ByteSet& text, const GdiplusObject& font,
                            const GdiplusObject& brush, values::ValueArray<PointF>& positions,
                            std::optional<std::int32_t> flags, const GdiplusObject* matrix) {
  const std::int32_t options = flags.value_or(1);
  const WideText wide(text);
  // GDI+ reads one position per code unit (or just the first): an array
  // shorter than that would be read past its end.
  const std::int32_t needed =
      (options & kRealizedAdvance) != 0 ? (wide.length > 0 ? 1 : 0) : wide.length;
  if (positions.Count() < needed) return Status::InvalidParameter;
  return PassPointArray(positions, [&](gdiplus::GpPointF* buffer, std::int32_t /*count*/) {
    return Gdip().GdipDrawDriverString(As<GpGraphics>(graphics), wide.data, wide.length,
                                       As<GpFont>(font.GetHandle()), As<GpBrush>(brush.GetHandle()),
                                       buffer, options, As<GpMatrix>(HandleOf(matrix)));
  });
}

}  // namespace

bool Graphics::DrawString(const values::Text& text, const GdiplusObject& font,
                          const GdiplusObject& brush, const std::optional<RectF>& layoutRect,
                          const GdiplusObject* format) {
  const values::ByteSet wide = values::TextToWide(text);
  return Record(DrawStringCall(graphicsHandle, wide, font, brush, layoutRect, format));
}

bool Graphics::DrawStringW(const values::ByteSet& text, const GdiplusObject& font,
                           const GdiplusObject& brush, const std::optional<RectF>& layoutRect,
                           const GdiplusObject* format) {
  return Record(DrawStringCall(graphicsHandle, text, font, brush, layoutRect, format));
}

bool Graphics::MeasureString(const values::Text& text, const GdiplusObject& font,
                             const std::optional<RectF>& layoutRect, const GdiplusObject* format,
                             RectF& boundingBox) {
  const values::ByteSet wide = values::TextToWide(text);
  return Record(MeasureStringCall(graphicsHandle, wide, font, layoutRect, format, boundingBox));
}

bool Graphics::MeasureStringW(const values::ByteSet& text, const GdiplusObject& font,
                              const std::optional<RectF>& layoutRect, const GdiplusObject* format,
                              RectF& boundingBox) {
  return Record(MeasureStringCall(graphicsHandle, text, font, layoutRect, format, boundingBox));
}

bool Graphics::MeasureCharacterRanges(const values::Text& text, const GdiplusObject& font,
                                      const RectF& layoutRect, const GdiplusObject& format,
                                      std::int32_t regionCount,
                                      values::ValueArray<Region>& regions) {
  if (regionCount < 1) return Record(Status::InvalidParameter);
  const values::ByteSet wide = values::TextToWide(text);
  return MeasureRangesCall(graphicsHandle, wide, font, layoutRect, format, regionCount, regions);
}

bool Graphics::MeasureCharacterRangesW(const values::ByteSet& text, const GdiplusObject& font,
                                       const RectF& layoutRect, const GdiplusObject& format,
                                       std::int32_t regionCount,
                                       values::ValueArray<Region>& regions) {
  return MeasureRangesCall(graphicsHandle, text, font, layoutRect, format, regionCount, regions);
}

bool Graphics::DrawDriverString(const values::Text& text, const GdiplusObject& font,
                                const GdiplusObject& brush, values::ValueArray<PointF>& positions,
                                std::optional<std::int32_t> flags, const GdiplusObject* matrix) {
  const values::ByteSet wide = values::TextToWide(text);
  return Record(DrawDriverStringCall(graphicsHandle, wide, font, brush, positions, flags, matrix));
}

bool Graphics::DrawDriverStringW(const values::ByteSet& text, const GdiplusObject& font,
                                 const GdiplusObject& brush, values::ValueArray<PointF>& positions,
                                 std::optional<std::int32_t> flags, const GdiplusObject* matrix) {
  return Record(DrawDriverStringCall(graphicsHandle, text, font, brush, positions, flags, matrix));
}

}  // namespace charart::imaging
