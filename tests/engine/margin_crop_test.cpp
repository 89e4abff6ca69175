// The blank-margin crop on small pictures against the real engine: where
// each pass stops, the ten-column limit of the side passes, sums that wrap,
// pictures without ink or without a bitmap, and the number of narrowings.
#include "engine/margin_crop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"

namespace charart::engine {
namespace {

using imaging::ArgbColor;
using imaging::Bitmap;

constexpr ArgbColor kInk = 0xFF000000;

struct Ink {
  std::int32_t x;
  std::int32_t y;
  ArgbColor colour = kInk;
};

struct CropCase {
  const char* name;
  std::int32_t width;
  std::int32_t height;
  std::vector<Ink> ink;
  // The picture after the crop, and where its origin was in the original.
  std::int32_t croppedWidth;
  std::int32_t croppedHeight;
  std::int32_t originX;
  std::int32_t originY;
};

void PrintTo(const CropCase& c, std::ostream* out) {
  *out << c.name;
}

class MarginCrop : public ::testing::TestWithParam<CropCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_P(MarginCrop, NarrowsToTheInkedLines) {
  const CropCase& c = GetParam();
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromSize(c.width, c.height));
  for (const Ink& ink : c.ink) ASSERT_TRUE(picture.SetPixel(ink.x, ink.y, ink.colour));

  CropBlankMargins(picture);

  ASSERT_EQ(picture.GetWidth(), c.croppedWidth);
  ASSERT_EQ(picture.GetHeight(), c.croppedHeight);
  // The content moved with the crop: every pixel is where it was.
  for (std::int32_t y = 0; y < c.croppedHeight; ++y) {
    for (std::int32_t x = 0; x < c.croppedWidth; ++x) {
      ArgbColor expected = 0;
      for (const Ink& ink : c.ink) {
        if (ink.x == x + c.originX && ink.y == y + c.originY) expected = ink.colour;
      }
      EXPECT_EQ(picture.GetPixel(x, y), expected) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, MarginCrop,
    ::testing::Values(
        CropCase{"InkInTheMiddle", 12, 10, {{5, 3}, {7, 6}}, 3, 4, 5, 3},
        CropCase{"InkAtEveryEdgeKeepsTheSize", 8, 6, {{0, 2}, {7, 0}, {3, 5}}, 8, 6, 0, 0},
        // Columns 0 to 9 are blank: the left pass gives up and keeps them.
        CropCase{
            "InkFromColumn12KeepsTheBlankColumnsOnTheLeft", 30, 4, {{12, 1}, {14, 2}}, 30, 2, 0, 1},
        // The last ten columns are blank: the right pass keeps them.
        CropCase{"InkTwelveColumnsFromTheRightKeepsTheBlankColumns",
                 25,
                 4,
                 {{3, 1}, {12, 2}},
                 22,
                 2,
                 3,
                 1},
        // The top pass has no limit of ten.
        CropCase{"InkFromRow30", 4, 40, {{1, 30}, {2, 33}}, 2, 4, 1, 30},
        CropCase{"OnePixelWide", 1, 6, {{0, 2}, {0, 3}}, 1, 2, 0, 2},
        CropCase{"NarrowerThanTenColumns", 3, 3, {{1, 1}}, 1, 1, 1, 1},
        CropCase{"NarrowWithoutInk", 3, 2, {}, 3, 2, 0, 0},
        // Alpha 255 and alpha 1 of black add up to 2^32: column 2 counts as
        // blank and is cut off with the blank columns before it.
        CropCase{"AlphaSumsThatWrapToZeroAreBlank",
                 6,
                 6,
                 {{2, 2, 0xFF000000}, {2, 3, 0x01000000}, {4, 2}, {4, 3}},
                 1,
                 2,
                 4,
                 2},
        CropCase{"NoInkKeepsSizeAndContent", 12, 5, {}, 12, 5, 0, 0}),
    [](const ::testing::TestParamInfo<CropCase>& info) { return std::string(info.param.name); });

TEST(MarginCropEdges, AColumnWhoseAlphasWrapIsBlankEvenWhenItIsTheOnlyInk) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromSize(5, 4));
  ASSERT_TRUE(picture.SetPixel(2, 1, 0xFF000000));
  ASSERT_TRUE(picture.SetPixel(2, 2, 0x01000000));
  CropBlankMargins(picture);
  // Column 2 sums to 0 and no other column has ink: the side passes keep the
  // width; rows 1 and 2 each hold one pixel and are inked.
  EXPECT_EQ(picture.GetWidth(), 5);
  EXPECT_EQ(picture.GetHeight(), 2);
}

TEST(MarginCropEdges, APictureWithoutABitmapStaysEmpty) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  Bitmap picture;
  CropBlankMargins(picture);
  EXPECT_EQ(picture.GetHandle(), 0u);
  EXPECT_EQ(picture.GetWidth(), 0);
  EXPECT_EQ(picture.GetHeight(), 0);
}

// Through the recording fake: one GetPixel per pixel, at most ten columns
// per side, and each narrowing a clone into the picture that disposes the
// bitmap it replaces.
TEST(MarginCropCalls, ReadsEachPixelOnceAndReplacesTheBitmapAtEachNarrowing) {
  using gdiplus::FunctionId;
  gdiplus::RecordingFake fake;
  constexpr std::uintptr_t kOriginal = 0x1000;
  std::uintptr_t nextClone = 0x2000;
  std::int32_t width = 30;
  std::int32_t height = 3;
  std::int64_t originY = 0;  // where the current picture's row 0 was
  fake.OnCall(FunctionId::GdipGetImageWidth, [&](const gdiplus::RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = static_cast<gdiplus::UINT>(width);
  });
  fake.OnCall(FunctionId::GdipGetImageHeight, [&](const gdiplus::RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = static_cast<gdiplus::UINT>(height);
  });
  // Ink fills the original's middle row and nothing else.
  fake.OnCall(FunctionId::GdipBitmapGetPixel, [&](const gdiplus::RecordedCall& call) {
    const auto y = call.args[2].integer + originY;
    *reinterpret_cast<gdiplus::ARGB*>(call.args[3].pointer) = y == 1 ? kInk : 0;
  });
  fake.OnCall(FunctionId::GdipCloneBitmapAreaI, [&](const gdiplus::RecordedCall& call) {
    originY += call.args[1].integer;
    width = static_cast<std::int32_t>(call.args[2].integer);
    height = static_cast<std::int32_t>(call.args[3].integer);
    *reinterpret_cast<std::uintptr_t*>(call.args[6].pointer) = nextClone++;
  });

  {
    Bitmap picture;
    picture.SetHandle(kOriginal);
    CropBlankMargins(picture);
    EXPECT_EQ(picture.GetHandle(), 0x2003u);  // four narrowings
  }

  std::int32_t pixels = 0;
  std::vector<std::uintptr_t> disposed;
  std::vector<std::vector<std::int64_t>> clones;
  for (const auto& call : fake.Calls()) {
    if (call.id == FunctionId::GdipBitmapGetPixel) ++pixels;
    if (call.id == FunctionId::GdipDisposeImage) disposed.push_back(call.args[0].pointer);
    if (call.id == FunctionId::GdipCloneBitmapAreaI) {
      clones.push_back({call.args[0].integer, call.args[1].integer, call.args[2].integer,
                        call.args[3].integer, call.args[4].integer});
    }
  }
  // Left: column 0 (3 pixels) has ink. Right: the last column likewise.
  // Top: row 0 (30 pixels) is blank, row 1 has ink. Bottom: of the two rows
  // left, the last is blank and the first has ink.
  EXPECT_EQ(pixels, 3 + 3 + 30 + 30 + 30 + 30);
  const std::vector<std::vector<std::int64_t>> expected = {{0, 0, 30, 3, 0x26200A},
                                                           {0, 0, 30, 3, 0x26200A},
                                                           {0, 1, 30, 2, 0x26200A},
                                                           {0, 0, 30, 1, 0x26200A}};
  EXPECT_EQ(clones, expected);
  // Each replaced bitmap is disposed once the clone holds its place; the last
  // one goes when the picture is destroyed.
  EXPECT_EQ(disposed, (std::vector<std::uintptr_t>{kOriginal, 0x2000, 0x2001, 0x2002, 0x2003}));
}

}  // namespace
}  // namespace charart::engine
