#include "engine/margin_crop.h"

#include <cstdint>

#include "imaging/core/records.h"

namespace charart::engine {
namespace {

using imaging::Bitmap;
using imaging::kPixelFormat32bppArgb;
using imaging::MakeRect;

// The side passes look at no more than this many columns each.
constexpr std::int32_t kSideColumns = 10;

// Adds a pixel to a running line sum: both as signed 32-bit numbers, the
// result wrapping around modulo 2^32.
std::int32_t AddPixel(std::int32_t sum, imaging::ArgbColor pixel) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) + pixel);
}

bool ColumnCarriesInk(Bitmap& picture, std::int32_t x, std::int32_t height) {
  std::int32_t sum = 0;
  for (std::int32_t y = 0; y < height; ++y) sum = AddPixel(sum, picture.GetPixel(x, y));
  return sum != 0;
}

bool RowCarriesInk(Bitmap& picture, std::int32_t y, std::int32_t width) {
  std::int32_t sum = 0;
  for (std::int32_t x = 0; x < width; ++x) sum = AddPixel(sum, picture.GetPixel(x, y));
  return sum != 0;
}

void NarrowTo(Bitmap& picture, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height) {
  picture.CloneAreaI(MakeRect(x, y, width, height), kPixelFormat32bppArgb, picture);
}

}  // namespace

void CropBlankMargins(Bitmap& picture) {
  std::int32_t height = picture.GetHeight();
  std::int32_t width = picture.GetWidth();

  for (std::int32_t x = 0; x < kSideColumns; ++x) {
    if (ColumnCarriesInk(picture, x, height)) {
      NarrowTo(picture, x, 0, width - x, height);
      break;
    }
  }

  width = picture.GetWidth();
  for (std::int32_t i = 1; i <= kSideColumns; ++i) {
    const std::int32_t x = width - i;
    if (ColumnCarriesInk(picture, x, height)) {
      NarrowTo(picture, 0, 0, x + 1, height);
      break;
    }
  }

  width = picture.GetWidth();
  for (std::int32_t y = 0; y < height; ++y) {
    if (RowCarriesInk(picture, y, width)) {
      NarrowTo(picture, 0, y, width, height - y);
      break;
    }
  }

  height = picture.GetHeight();
  for (std::int32_t j = 1; j <= height; ++j) {
    const std::int32_t y = height - j;
    if (RowCarriesInk(picture, y, width)) {
      NarrowTo(picture, 0, 0, width, y + 1);
      break;
    }
  }
}

}  // namespace charart::engine
