// Whether a text fits the renderer's fixed 2000 x 1000 canvas. The renderer
// itself cuts whatever GDI+ lays out beyond the canvas; front ends that must
// not show a cut picture as if whole ask first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "values/byte_set.h"
#include "values/text.h"

namespace charart::engine {

struct CanvasFit {
  bool fits = true;
  std::string reason;  // UTF-8, when it does not fit
};

// Measures the text with the renderer's font and format in a layout far
// larger than the canvas. GDI+ must be running.
CanvasFit CheckCanvasFit(const values::ByteSet& text, const std::optional<values::Text>& fontName,
                         std::optional<float> size, std::optional<std::int32_t> style);

}  // namespace charart::engine
