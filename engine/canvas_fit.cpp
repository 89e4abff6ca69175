#include "engine/canvas_fit.h"

#include "engine/text_renderer.h"
#include "imaging/core/bitmap.h"
#include "imaging/resources/font.h"
#include "imaging/resources/string_format.h"
#include "imaging/surface/graphics.h"
#include "values/conversions.h"

namespace charart::engine {
namespace {

constexpr float kCanvasWidth = 2000;
constexpr float kCanvasHeight = 1000;
// No glyph of a usable size is narrower than a fifth of a pixel; longer texts
// cannot fit and are not laid out at all.
constexpr std::int32_t kMostUnits = 10000;

}  // namespace

CanvasFit CheckCanvasFit(const values::ByteSet& text, const std::optional<values::Text>& fontName,
                         std::optional<float> size, std::optional<std::int32_t> style) {
  const char16_t* wide = text.Wide();
  const std::int32_t available = text.Length() / 2;
  std::int32_t units = 0;
  while (wide != nullptr && units < available && wide[units] != u'\0') ++units;
  if (units > kMostUnits) {
    return {false, "the text has " + std::to_string(units) +
                       " UTF-16 units, far more than the 2000-pixel canvas can hold"};
  }
  imaging::Font font;
  imaging::StringFormat format;
  imaging::Bitmap scratch;
  imaging::Graphics graphics;
  font.CreateFromName(fontName ? *fontName : values::Gbk("宋体"), size.value_or(12.0f),
                      style.value_or(0));
  format.Create(0x1000);
  format.SetTrimming(0);
  scratch.CreateFromSize(1, 1);
  graphics.CreateFromImage(scratch);
  imaging::RectF bounds{};
  const imaging::RectF layout = imaging::MakeRectF(0, 0, 1e6f, 1e6f);
  const bool measured = MeasureTextBounds(graphics.GetHandle(), text, font.GetHandle(),
                                          format.GetHandle(), 0, units, layout, bounds);
  graphics.Delete();
  scratch.Dispose();
  format.Delete();
  font.Delete();
  if (!measured) return {true, {}};             // the renderer reports its own failure
  const float right = bounds.x + bounds.width;  // the renderer's widened width
  const float bottom = bounds.y + bounds.height;
  if (right > kCanvasWidth) {
    return {false, "the text is " + std::to_string(static_cast<int>(right)) +
                       " pixels wide, wider than the 2000-pixel canvas"};
  }
  if (bottom > kCanvasHeight) {
    return {false, "the text is " + std::to_string(static_cast<int>(bottom)) +
                       " pixels tall, taller than the 1000-pixel canvas"};
  }
  return {true, {}};
}

}  // namespace charart::engine
