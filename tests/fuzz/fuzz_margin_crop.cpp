// CropBlankMargins on arbitrary small pictures, against a model of the crop
// on the pixels as GDI+ reads them back: the left and right passes look at
// no more than ten columns each, the top and bottom passes at every row, a
// line carries ink when its pixels' sum (signed 32-bit, wrapping) is not 0,
// and a pixel outside the picture reads as 0. The cropped picture must have
// the model's size and exactly the pixels of the model's rectangle.
//
// Input: byte 0 is the width (0 leaves the picture without a bitmap), byte 1
// the height, byte 2 the pixel format; then one byte per pixel picks its
// colour (a few colours chosen to wrap the sums around, or the next four
// bytes as the colour itself).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/margin_crop.h"
#include "imaging/core/bitmap.h"
#include "imaging/core/gdiplus_session.h"

#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace charart;

constexpr std::int32_t kFormats[] = {0x26200A /* 32bpp ARGB */, 0x22009 /* 32bpp RGB */,
                                     0x21808 /* 24bpp RGB */, 0xE200B /* 32bpp PARGB */};
constexpr std::uint32_t kColours[] = {0x00000000, 0xFF000000, 0x80000000, 0x00000001,
                                      0xFFFFFFFF, 0x7FFFFFFF, 0x00FFFFFF};
constexpr std::int32_t kSideColumns = 10;

struct Area {
  std::int32_t x, y, width, height;
};

// The model: the rectangle of `pixels` (width x height, row by row) that the
// crop keeps.
Area ModelCrop(const std::vector<std::uint32_t>& pixels, std::int32_t width, std::int32_t height) {
  Area area{0, 0, width, height};
  const auto pixel = [&](std::int32_t x, std::int32_t y) -> std::uint32_t {
    if (x < 0 || y < 0 || x >= area.width || y >= area.height) return 0;
    return pixels[static_cast<std::size_t>(area.y + y) * width + (area.x + x)];
  };
  const auto column = [&](std::int32_t x) {
    std::uint32_t sum = 0;
    for (std::int32_t y = 0; y < area.height; ++y) sum += pixel(x, y);
    return sum != 0;
  };
  const auto row = [&](std::int32_t y) {
    std::uint32_t sum = 0;
    for (std::int32_t x = 0; x < area.width; ++x) sum += pixel(x, y);
    return sum != 0;
  };
  for (std::int32_t x = 0; x < kSideColumns; ++x) {
    if (column(x)) {
      area.x += x;
      area.width -= x;
      break;
    }
  }
  for (std::int32_t i = 1; i <= kSideColumns; ++i) {
    if (column(area.width - i)) {
      area.width = area.width - i + 1;
      break;
    }
  }
  for (std::int32_t y = 0; y < area.height; ++y) {
    if (row(y)) {
      area.y += y;
      area.height -= y;
      break;
    }
  }
  for (std::int32_t j = 1; j <= area.height; ++j) {
    if (row(area.height - j)) {
      area.height = area.height - j + 1;
      break;
    }
  }
  return area;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (imaging::StartGdiplus() == 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::int32_t width = data[0] % 40;
  const std::int32_t height = 1 + data[1] % 40;
  const std::int32_t format = kFormats[data[2] % std::size(kFormats)];
  std::size_t next = 3;

  imaging::Bitmap picture;
  if (width == 0) {
    engine::CropBlankMargins(picture);  // no bitmap: nothing happens, nothing breaks
    CHARART_FUZZ_REQUIRE(picture.GetHandle() == 0);
    return 0;
  }
  CHARART_FUZZ_REQUIRE(picture.CreateFromSize(width, height, format));
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint32_t colour = 0;
      if (next < size) {
        const std::uint8_t pick = data[next++];
        if (pick < 0xF0) {
          colour = kColours[pick % std::size(kColours)];
        } else {
          for (int k = 0; k < 4; ++k) {
            colour = (colour << 8) | (next < size ? data[next++] : 0);
          }
        }
      }
      picture.SetPixel(x, y, colour);
    }
  }
  // The model works on the pixels as GDI+ gives them back.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      pixels[static_cast<std::size_t>(y) * width + x] = picture.GetPixel(x, y);
    }
  }
  const Area expected = ModelCrop(pixels, width, height);

  engine::CropBlankMargins(picture);
  CHARART_FUZZ_REQUIRE(picture.GetWidth() == expected.width);
  CHARART_FUZZ_REQUIRE(picture.GetHeight() == expected.height);
  for (std::int32_t y = 0; y < expected.height; ++y) {
    for (std::int32_t x = 0; x < expected.width; ++x) {
      CHARART_FUZZ_REQUIRE(
          picture.GetPixel(x, y) ==
          pixels[static_cast<std::size_t>(expected.y + y) * width + expected.x + x]);
    }
  }
  return 0;
}
