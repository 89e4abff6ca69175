// Joining single-frame GIF and TIFF files, as libgdiplus's encoders write
// them, into one multi-frame file. Used by the multi-frame save adapters.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace charart::gdiplus::adapters {

using Bytes = std::vector<std::uint8_t>;

struct GifFrame {
  Bytes file;               // a complete GIF holding one image
  std::uint16_t delay = 0;  // in hundredths of a second
};

// An animated GIF89a of the frames in order, looping forever; each frame
// keeps its own colours (its global table becomes its local one) and its
// transparency. Empty when a frame is not a readable GIF.
std::optional<Bytes> StitchGif(const std::vector<GifFrame>& frames);

// A multi-page TIFF: the first file as it is, each further file appended
// with every offset in it moved and its directories linked after the
// previous ones. Empty when a file is not a readable TIFF, the byte orders
// differ or an offset would no longer fit.
std::optional<Bytes> StitchTiff(const std::vector<Bytes>& files);

}  // namespace charart::gdiplus::adapters
