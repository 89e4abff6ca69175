// The text-to-picture renderer: a UTF-16 text becomes the PNG bytes of a
// picture showing it in black on transparent, cut to the measured bounds and
// then to its ink. Defaults: family 宋体, size 12 world units, regular style,
// no text-rendering hint (the graphics keeps its own).
#pragma once

#include <cstdint>
#include <optional>

#include "imaging/core/records.h"
#include "values/byte_set.h"
#include "values/text.h"

namespace charart::engine {

using ArgbColor = std::uint32_t;

// 0xAARRGGBB from a colour number 0x00BBGGRR; alpha 255 when omitted. The
// colour number's high byte is lost.
ArgbColor MakeArgb(std::int32_t colour, std::optional<std::uint8_t> alpha = std::nullopt);

// Measures where GDI+ lays out characters [first, first + length) of `text`
// inside `layout`, widened by 2 in width; true when the measurement was Ok.
// Works on native handles and leaves LastStatus alone.
bool MeasureTextBounds(std::uintptr_t graphics, const values::ByteSet& text, std::uintptr_t font,
                       std::uintptr_t format, std::int32_t first, std::int32_t length,
                       const imaging::RectF& layout, imaging::RectF& bounds);

// The PNG bytes, or an empty byte set when anything failed.
values::ByteSet RenderTextPicture(const values::ByteSet& text,
                                  std::optional<values::Text> fontName = std::nullopt,
                                  std::optional<float> size = std::nullopt,
                                  std::optional<std::int32_t> style = std::nullopt,
                                  std::optional<std::int32_t> hint = std::nullopt);

}  // namespace charart::engine
