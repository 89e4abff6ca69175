// The character-art builder: renders a text, decodes the picture and emits one
// symbol per pixel, the hollow symbol where the pixel is exactly 0 and the
// filled symbol elsewhere, each row ended by CR LF. The event pump runs once
// per row so a window stays responsive.
#pragma once

#include <optional>

#include "values/byte_set.h"
#include "values/text.h"

namespace charart::engine {

// Symbols are UTF-16 byte sets as TextToWideGbk makes them; defaults ○ and ●.
// A symbol given but empty adds nothing for its pixels. The result is GBK.
values::Text BuildCharacterArt(const values::ByteSet& text,
                               std::optional<values::ByteSet> hollow = std::nullopt,
                               std::optional<values::ByteSet> filled = std::nullopt);

// The second half of the builder: decodes PNG bytes and walks the pixels.
// Front ends that render with options of their own call it directly.
values::Text PictureToCharacterArt(const values::ByteSet& png, const values::ByteSet& hollow,
                                   const values::ByteSet& filled);

}  // namespace charart::engine
