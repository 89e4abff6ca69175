#include "engine/text_renderer.h"

#include <gtest/gtest.h>

#include "engine/margin_crop.h"
#include "imaging/core/bitmap.h"
#include "imaging/resources/font.h"
#include "imaging/resources/string_format.h"
#include "imaging/surface/graphics.h"
#include "tests/support/raw_graphics.h"
#include "values/conversions.h"

namespace charart::engine {
namespace {

using values::Gbk;
using values::TextToWideGbk;

class TextRendererTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

struct ArgbCase {
  std::int32_t colour;
  std::optional<std::uint8_t> alpha;
  ArgbColor expected;
};

TEST(MakeArgb, SwapsRedAndBlueAndPutsAlphaOnTop) {
  const ArgbCase cases[] = {
      {0, std::nullopt, 0xFF000000u},
      {0x332211, std::nullopt, 0xFF112233u},
      {0x332211, 0x80, 0x80112233u},
      {static_cast<std::int32_t>(0x7F332211), std::nullopt, 0xFF112233u},  // high byte lost
      {0xFFFFFF, 0, 0x00FFFFFFu},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeArgb(c.colour, c.alpha), c.expected) << c.colour;
}

TEST_F(TextRendererTest, GivesPngBytesOfAPictureNoLargerThanOneLine) {
  const auto png = RenderTextPicture(TextToWideGbk(Gbk("字")));
  ASSERT_GE(png.Length(), 8);
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(std::equal(signature, signature + 8, png.Data()));
  imaging::Bitmap picture;
  ASSERT_TRUE(picture.CreateFromStream(png));
  EXPECT_LE(picture.GetHeight(), 13);
  EXPECT_LE(picture.GetWidth(), 14);
  EXPECT_GT(picture.GetWidth(), 6);
  for (std::int32_t y = 0; y < picture.GetHeight(); ++y) {
    for (std::int32_t x = 0; x < picture.GetWidth(); ++x) {
      const auto pixel = picture.GetPixel(x, y);
      EXPECT_TRUE(pixel == 0 || pixel == 0xFF000000u) << std::hex << pixel;  // the 1-bit strike
    }
  }
}

// The renderer's measurement on its canvas, as RenderTextPicture makes it.
imaging::RectF MeasureOnCanvas(const values::ByteSet& text) {
  imaging::Font font;
  imaging::StringFormat format;
  imaging::Bitmap canvas;
  imaging::Graphics graphics;
  font.CreateFromName(Gbk("宋体"), 12.0f, 0);
  format.Create(0x1000);
  format.SetTrimming(0);
  canvas.CreateFromSize(2000, 1000);
  graphics.CreateFromImage(canvas);
  imaging::RectF bounds{};
  std::int32_t units = 0;
  while (text.Wide()[units] != 0) ++units;
  EXPECT_TRUE(MeasureTextBounds(graphics.GetHandle(), text, font.GetHandle(), format.GetHandle(), 0,
                                units, imaging::MakeRectF(0, 0, 2000, 1000), bounds));
  return bounds;
}

TEST_F(TextRendererTest, MeasuresWithTheWidthWidenedByTwo) {
  const auto text = TextToWideGbk(Gbk("字符画"));
  const imaging::RectF bounds = MeasureOnCanvas(text);
  EXPECT_FLOAT_EQ(bounds.width, 36.0f + 2.0f);  // 12 px per CJK character, then widened
  EXPECT_FLOAT_EQ(bounds.x, 0.0f);
  EXPECT_GE(bounds.height, 12.0f);
}

TEST_F(TextRendererTest, MeasuringLeavesLastStatusAlone) {
  imaging::LastStatus = 12345;
  MeasureOnCanvas(TextToWideGbk(Gbk("字")));
  // MeasureOnCanvas's own wrapper calls record; MeasureTextBounds adds nothing
  // after them, so the last recorded status is the graphics' creation (Ok).
  EXPECT_EQ(imaging::LastStatus, 0);
  imaging::LastStatus = 12345;
  imaging::RectF bounds{};
  MeasureTextBounds(0, TextToWideGbk(Gbk("字")), 0, 0, 0, 1, imaging::MakeRectF(0, 0, 9, 9),
                    bounds);
  EXPECT_EQ(imaging::LastStatus, 12345);
}

TEST_F(TextRendererTest, AGivenHintChangesTheDrawingButNeverTheMeasuredBounds) {
  // A Latin text in a scalable face shows the hint (宋体's 1-bit strike does not).
  const auto text = TextToWideGbk(Gbk("Hint"));
  const auto plain = RenderTextPicture(text, Gbk("DejaVu Sans"), 15.0f);
  const auto antiAliased = RenderTextPicture(text, Gbk("DejaVu Sans"), 15.0f, 0, 4);
  const auto gridFit = RenderTextPicture(text, Gbk("DejaVu Sans"), 15.0f, 0, 1);
  EXPECT_NE(antiAliased, gridFit);
  EXPECT_FALSE(plain.IsEmpty());
  // The bounds are measured before the hint is set: the pictures differ in
  // ink, not in the measured area the clone starts from.
  imaging::Bitmap a, b;
  ASSERT_TRUE(a.CreateFromStream(antiAliased));
  ASSERT_TRUE(b.CreateFromStream(gridFit));
  EXPECT_NEAR(a.GetHeight(), b.GetHeight(), 2);
}

TEST_F(TextRendererTest, AFailedStepEmptiesTheResult) {
  // An unknown family makes no font: measuring fails, the measured area is
  // empty, the clone fails, and nothing is encoded.
  EXPECT_TRUE(RenderTextPicture(TextToWideGbk(Gbk("字")), Gbk("NoSuchFamilyAnywhere")).IsEmpty());
  EXPECT_TRUE(RenderTextPicture(TextToWideGbk(values::Text(""))).IsEmpty());
}

}  // namespace
}  // namespace charart::engine
