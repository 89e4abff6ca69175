// Small pictures for the bitmap tests, made and read through the Bitmap
// class against the real engine.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "imaging/core/bitmap.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging::bitmap_test {

class BitmapOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

// A width x height 32-bit ARGB bitmap whose pixel (x, y) is pixel(x, y).
inline bool Paint(Bitmap& bitmap, std::int32_t width, std::int32_t height,
                  const std::function<ArgbColor(std::int32_t, std::int32_t)>& pixel) {
  if (!bitmap.CreateFromSize(width, height)) return false;
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      if (!bitmap.SetPixel(x, y, pixel(x, y))) return false;
    }
  }
  return true;
}

// Every pixel, row by row, as GetPixel reads it.
inline std::vector<ArgbColor> Pixels(Bitmap& bitmap) {
  std::vector<ArgbColor> pixels;
  const std::int32_t width = bitmap.GetWidth();
  const std::int32_t height = bitmap.GetHeight();
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) pixels.push_back(bitmap.GetPixel(x, y));
  }
  return pixels;
}

// Opaque, transparent and partly transparent colours; each survives the
// engine's own storage unchanged.
inline const std::vector<ArgbColor>& KnownColours() {
  static const std::vector<ArgbColor> colours = {
      0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x00000000,
      0x80FF0000, 0x4000FF00, 0xC00000FF, 0x80FFFFFF, 0xFF123456, 0x01000000,
  };
  return colours;
}

// A 4 x 3 picture holding the known colours in order.
inline bool PaintKnown(Bitmap& bitmap) {
  return Paint(bitmap, 4, 3,
               [](std::int32_t x, std::int32_t y) { return KnownColours()[y * 4 + x]; });
}

}  // namespace charart::imaging::bitmap_test
