#include "engine/character_art.h"

#include <string>

#include "engine/text_renderer.h"
#include "imaging/core/bitmap.h"
#include "platform/forms/event_pump.h"
#include "values/conversions.h"

namespace charart::engine {

values::Text PictureToCharacterArt(const values::ByteSet& png, const values::ByteSet& hollow,
                                   const values::ByteSet& filled) {
  imaging::Bitmap bitmap;
  bitmap.CreateFromStream(png);
  // The symbols' texts; each pixel appends one of them.
  const values::Text hollowText = values::WideToTextGbk(hollow);
  const values::Text filledText = values::WideToTextGbk(filled);
  const std::string_view hollowBytes = hollowText.View();
  const std::string_view filledBytes = filledText.View();

  std::string art;
  const std::int32_t height = bitmap.GetHeight();
  for (std::int32_t y = 0; y < height; ++y) {
    const std::int32_t width = bitmap.GetWidth();
    for (std::int32_t x = 0; x < width; ++x) {
      art.append(bitmap.GetPixel(x, y) == 0 ? hollowBytes : filledBytes);
    }
    art.append("\r\n");
    forms::PumpEvents();
  }
  return values::Text(std::string_view(art));
}

values::Text BuildCharacterArt(const values::ByteSet& text, std::optional<values::ByteSet> hollow,
                               std::optional<values::ByteSet> filled) {
  const values::ByteSet hollowSymbol = hollow ? *hollow : values::TextToWideGbk(values::Gbk("○"));
  const values::ByteSet filledSymbol = filled ? *filled : values::TextToWideGbk(values::Gbk("●"));
  const values::ByteSet png = RenderTextPicture(text);
  return PictureToCharacterArt(png, hollowSymbol, filledSymbol);
}

}  // namespace charart::engine
