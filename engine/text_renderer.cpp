#include "engine/text_renderer.h"

#include "engine/margin_crop.h"
#include "imaging/core/bitmap.h"
#include "imaging/resources/font.h"
#include "imaging/resources/solid_brush.h"
#include "imaging/resources/string_format.h"
#include "imaging/surface/graphics.h"
#include "platform/gdiplus/gdiplus_api.h"
#include "values/conversions.h"

namespace charart::engine {
namespace {

using gdiplus::Status;

constexpr std::int32_t kCanvasWidth = 2000;
constexpr std::int32_t kCanvasHeight = 1000;
constexpr std::int32_t kPixelFormat32bppArgb = 0x26200A;
constexpr std::int32_t kStringFormatFlagsNoWrap = 0x1000;
constexpr std::int32_t kStringTrimmingNone = 0;
constexpr float kDefaultSize = 12.0f;
constexpr double kWidthWidening = 2.0;
constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

std::int32_t Utf16Units(const values::ByteSet& text) {
  const char16_t* units = text.Wide();
  const std::int32_t available = text.Length() / 2;
  std::int32_t n = 0;
  while (n < available && units[n] != u'\0') ++n;
  return n;
}

}  // namespace

ArgbColor MakeArgb(std::int32_t colour, std::optional<std::uint8_t> alpha) {
  const auto value = static_cast<std::uint32_t>(colour);
  const std::uint32_t red = value & 0xFF;
  const std::uint32_t green = (value >> 8) & 0xFF;
  const std::uint32_t blue = (value >> 16) & 0xFF;
  return (static_cast<std::uint32_t>(alpha.value_or(255)) << 24) | (red << 16) | (green << 8) |
         blue;
}

bool MeasureTextBounds(std::uintptr_t graphics, const values::ByteSet& text, std::uintptr_t font,
                       std::uintptr_t format, std::int32_t first, std::int32_t length,
                       const imaging::RectF& layout, imaging::RectF& bounds) {
  const auto& api = gdiplus::Api();
  auto* nativeFormat = reinterpret_cast<gdiplus::GpStringFormat*>(format);
  const gdiplus::CharacterRange range{first, length};
  api.GdipSetStringFormatMeasurableCharacterRanges(nativeFormat, 1, &range);
  gdiplus::GpRegion* region = nullptr;
  api.GdipCreateRegion(&region);
  // The text goes as zero-terminated (length -1), whatever the range says.
  const Status measured = api.GdipMeasureCharacterRanges(
      reinterpret_cast<gdiplus::GpGraphics*>(graphics), text.Wide(), -1,
      reinterpret_cast<const gdiplus::GpFont*>(font),
      reinterpret_cast<const gdiplus::GpRectF*>(&layout), nativeFormat, 1, &region);
  api.GdipGetRegionBounds(region, reinterpret_cast<gdiplus::GpGraphics*>(graphics),
                          reinterpret_cast<gdiplus::GpRectF*>(&bounds));
  bounds.width = static_cast<float>(static_cast<double>(bounds.width) + kWidthWidening);
  api.GdipDeleteRegion(region);
  return measured == Status::Ok;
}

values::ByteSet RenderTextPicture(const values::ByteSet& text, std::optional<values::Text> fontName,
                                  std::optional<float> size, std::optional<std::int32_t> style,
                                  std::optional<std::int32_t> hint) {
  imaging::Font font;
  imaging::StringFormat format;
  imaging::SolidBrush brush;
  imaging::Bitmap canvas;
  imaging::Bitmap picture;
  imaging::Graphics graphics;
  imaging::RectF bounds{};

  const values::Text family = fontName ? *fontName : values::Gbk("宋体");
  font.CreateFromName(family, size.value_or(kDefaultSize), style.value_or(0));
  format.Create(kStringFormatFlagsNoWrap);
  format.SetTrimming(kStringTrimmingNone);
  brush.Create(MakeArgb(0));
  canvas.CreateFromSize(kCanvasWidth, kCanvasHeight, kPixelFormat32bppArgb);
  graphics.CreateFromImage(canvas);

  const imaging::RectF layout = imaging::MakeRectF(0, 0, static_cast<float>(canvas.GetWidth()),
                                                   static_cast<float>(canvas.GetHeight()));
  MeasureTextBounds(graphics.GetHandle(), text, font.GetHandle(), format.GetHandle(), 0,
                    Utf16Units(text), layout, bounds);
  // Only the drawing uses a given hint; the measurement ran with the
  // graphics' own.
  if (hint) graphics.SetTextRenderingHint(*hint);
  graphics.DrawStringW(text, font, brush, bounds, &format);
  canvas.CloneArea(bounds, kPixelFormat32bppArgb, picture);
  CropBlankMargins(picture);
  values::ByteSet png = picture.SaveToBytes(values::Text(kPngFormat));

  picture.Dispose();
  brush.Delete();
  graphics.Delete();  // before the canvas it draws on
  format.Delete();
  canvas.Dispose();
  font.Delete();
  return png;
}

}  // namespace charart::engine
