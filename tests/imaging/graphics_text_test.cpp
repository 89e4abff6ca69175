// Graphics text on the real engine: 宋体 12 drawn and measured, character
// ranges measured into Region objects, glyphs at given positions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/resources/region.h"
#include "imaging/surface/graphics.h"
#include "tests/imaging/graphics_test_support.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;

// UTF-16 code units as a byte set, exactly as given (no terminator added).
values::ByteSet Units(std::initializer_list<char16_t> units) {
  return values::ByteSet(units.begin(), units.size() * sizeof(char16_t));
}
// A NUL-terminated UTF-16 byte set.
values::ByteSet Wide(std::u16string_view text) {
  std::u16string units(text);
  units.push_back(u'\0');
  return values::ByteSet(units.data(), units.size() * sizeof(char16_t));
}

class GraphicsText : public OnEngine {
 protected:
  void SetUp() override {
    OnEngine::SetUp();
    font = MakeFont(12);
    black = MakeBrush(kBlack);
    ASSERT_NE(font.GetHandle(), 0u);
    ASSERT_NE(black.GetHandle(), 0u);
  }
  // `text` drawn in black at (0, 0) on a fresh 60 x 16 canvas, as rows.
  std::string Drawn(const values::ByteSet& text, std::optional<std::int32_t> hint = std::nullopt,
                    float size = 12) {
    Canvas canvas(60, 16 + static_cast<std::int32_t>(size));
    Native sized = MakeFont(size);
    if (hint) {
      EXPECT_TRUE(canvas.graphics.SetTextRenderingHint(*hint));
    }
    Native format = MakeFormat(kNoWrap);
    EXPECT_TRUE(canvas.graphics.DrawStringW(text, sized, black, RectF{0, 0, 60, 40}, &format))
        << StatusName(LastStatus);
    return canvas.Dump();
  }

  static constexpr INT kNoWrap = 0x1000;
  Native font;
  Native black;
};

TEST_F(GraphicsText, SongTwelveDrawsCrispBlackGlyphs) {
  Canvas canvas(40, 16);
  Native format = MakeFormat(kNoWrap);
  ASSERT_TRUE(
      canvas.graphics.DrawStringW(Wide(u"字符"), font, black, RectF{0, 0, 40, 16}, &format));
  int inked = 0;
  for (std::int32_t y = 0; y < canvas.height; ++y) {
    for (std::int32_t x = 0; x < canvas.width; ++x) {
      const ARGB pixel = canvas.Pixel(x, y);
      ASSERT_TRUE(pixel == kNothing || pixel == kBlack)
          << std::hex << pixel << " at " << x << "," << y;
      inked += pixel == kBlack ? 1 : 0;
    }
  }
  EXPECT_GT(inked, 40);
  // Two 12-pixel cells: ink in both halves, none beyond them.
  const std::string rows = canvas.Dump();
  bool left = false, right = false, beyond = false;
  for (std::int32_t y = 0; y < canvas.height; ++y) {
    for (std::int32_t x = 0; x < canvas.width; ++x) {
      if (rows[y * (canvas.width + 1) + x] != '#') continue;
      left |= x < 12;
      right |= x >= 12 && x < 24;
      beyond |= x >= 25;
    }
  }
  EXPECT_TRUE(left && right && !beyond) << rows;
}

TEST_F(GraphicsText, TheLengthEndsAtTheFirstZeroUnit) {
  const std::string ab = Drawn(Units({u'A', u'B', u'\0'}));
  EXPECT_EQ(Drawn(Units({u'A', u'B', u'\0', u'C', u'D'})), ab);
  EXPECT_NE(Drawn(Units({u'A', u'B', u'C', u'D', u'\0'})), ab);
}

TEST_F(GraphicsText, AByteSetWithoutTerminatorIsReadToItsEndOnly) {
  EXPECT_EQ(Drawn(Units({u'A', u'B'})), Drawn(Units({u'A', u'B', u'\0'})));
}

TEST_F(GraphicsText, TheTextVariantDrawsTheGbkTextAsItsUtf16Twin) {
  Canvas viaText(40, 16);
  Canvas viaWide(40, 16);
  ASSERT_TRUE(viaText.graphics.DrawString(values::Gbk("字符A"), font, black));
  ASSERT_TRUE(viaWide.graphics.DrawStringW(Wide(u"字符A"), font, black));
  EXPECT_GT(viaText.Inked(), 0);
  EXPECT_EQ(viaText.Dump(), viaWide.Dump());
}

TEST_F(GraphicsText, AnEmptyTextDrawsNothing) {
  Canvas canvas(20, 16);
  canvas.graphics.DrawStringW(values::ByteSet(), font, black);
  canvas.graphics.DrawString(values::Text(), font, black);
  EXPECT_EQ(canvas.Inked(), 0);
}

TEST_F(GraphicsText, DrawingWithoutFontOrBrushFails) {
  Canvas canvas(20, 16);
  Native none;
  EXPECT_FALSE(canvas.graphics.DrawStringW(Wide(u"字"), none, black));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(canvas.graphics.DrawStringW(Wide(u"字"), font, none));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.Inked(), 0);
}

TEST_F(GraphicsText, MeasureStringWritesTheBoxIntoTheCallersRecord) {
  Canvas canvas(4, 4);
  RectF one{-1, -1, -1, -1};
  RectF three{};
  ASSERT_TRUE(canvas.graphics.MeasureStringW(Wide(u"字"), font, std::nullopt, nullptr, one));
  ASSERT_TRUE(canvas.graphics.MeasureString(values::Gbk("字符画"), font, RectF{0, 0, 500, 100},
                                            nullptr, three));
  EXPECT_EQ(one.x, 0.0f);
  EXPECT_EQ(one.y, 0.0f);
  EXPECT_GE(one.width, 12.0f);
  EXPECT_GE(one.height, 12.0f);
  EXPECT_GT(three.width, one.width + 20);
  EXPECT_EQ(three.height, one.height);
}

class MeasureRanges : public GraphicsText {
 protected:
  // The bounds of each region, measured on `graphics`.
  std::vector<RectF> Bounds(values::ValueArray<Region>& regions, const GdiplusObject& graphics) {
    std::vector<RectF> bounds;
    for (std::int32_t i = 1; i <= regions.Count(); ++i) {
      bounds.push_back(regions[i].GetBounds(graphics));
    }
    return bounds;
  }
};

TEST_F(MeasureRanges, EachRangeGetsTheCellsOfItsCharacters) {
  Canvas canvas(4, 4);
  Native format = MakeFormat(kNoWrap, {{0, 1}, {1, 2}, {0, 3}});
  values::ValueArray<Region> regions;
  ASSERT_TRUE(canvas.graphics.MeasureCharacterRangesW(Wide(u"字符画"), font,
                                                      RectF{0, 0, 2000, 1000}, format, 3, regions))
      << StatusName(LastStatus);
  ASSERT_EQ(regions.Count(), 3);
  ASSERT_EQ(regions.Dimensions(), std::vector<std::int32_t>{3});
  const auto bounds = Bounds(regions, canvas.graphics);
  EXPECT_EQ(bounds[0], (RectF{0, 0, 12, 13}));
  EXPECT_EQ(bounds[1], (RectF{12, 0, 24, 13}));
  EXPECT_EQ(bounds[2], (RectF{0, 0, 36, 13}));
}

TEST_F(MeasureRanges, TheTextVariantMeasuresTheSameRanges) {
  Canvas canvas(4, 4);
  Native format = MakeFormat(kNoWrap, {{1, 2}});
  values::ValueArray<Region> viaText;
  values::ValueArray<Region> viaWide;
  ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges(values::Gbk("字符画"), font,
                                                     RectF{0, 0, 200, 100}, format, 1, viaText));
  ASSERT_TRUE(canvas.graphics.MeasureCharacterRangesW(Wide(u"字符画"), font, RectF{0, 0, 200, 100},
                                                      format, 1, viaWide));
  EXPECT_EQ(Bounds(viaText, canvas.graphics), Bounds(viaWide, canvas.graphics));
}

TEST_F(MeasureRanges, NewRegionsReplaceTheOldOnes) {
  Canvas canvas(4, 4);
  Native format = MakeFormat(kNoWrap, {{0, 1}, {1, 1}, {2, 1}});
  std::vector<Region> five(5);
  for (Region& region : five) ASSERT_TRUE(region.Create());
  values::ValueArray<Region> regions(std::move(five));
  ASSERT_TRUE(canvas.graphics.MeasureCharacterRangesW(Wide(u"字符画"), font, RectF{0, 0, 200, 100},
                                                      format, 3, regions));
  ASSERT_EQ(regions.Count(), 3);
  const auto bounds = Bounds(regions, canvas.graphics);
  EXPECT_EQ(bounds[0].x, 0.0f);
  EXPECT_EQ(bounds[1].x, 12.0f);
  EXPECT_EQ(bounds[2].x, 24.0f);
}

TEST_F(MeasureRanges, AFailedMeasurementLeavesTheCallersRegionsAlone) {
  Canvas canvas(4, 4);
  Native format = MakeFormat(kNoWrap, {{0, 1}});
  std::vector<Region> two(2);
  for (Region& region : two) ASSERT_TRUE(region.CreateFromRect(RectF{1, 2, 3, 4}));
  values::ValueArray<Region> regions(std::move(two));
  const Handle first = regions[1].GetHandle();

  // Two regions for a format that measures one range: GDI+ refuses.
  EXPECT_FALSE(canvas.graphics.MeasureCharacterRangesW(Wide(u"字符"), font, RectF{0, 0, 200, 100},
                                                       format, 2, regions));
  EXPECT_NE(LastStatus, 0);
  for (std::int32_t count : {0, -1}) {
    SCOPED_TRACE(count);
    LastStatus = 0;
    EXPECT_FALSE(canvas.graphics.MeasureCharacterRangesW(Wide(u"字符"), font, RectF{0, 0, 200, 100},
                                                         format, count, regions));
    EXPECT_EQ(LastStatus, 2);
    EXPECT_FALSE(canvas.graphics.MeasureCharacterRanges(
        values::Gbk("字符"), font, RectF{0, 0, 200, 100}, format, count, regions));
    EXPECT_EQ(LastStatus, 2);
  }
  ASSERT_EQ(regions.Count(), 2);
  EXPECT_EQ(regions[1].GetHandle(), first);
  EXPECT_EQ(regions[2].GetBounds(canvas.graphics), (RectF{1, 2, 3, 4}));
}

// At 12 the face's 1-bit strike ignores the hint; at 30 the outlines are
// drawn, smoothed or not as the hint says, while the layout stays put.
TEST_F(GraphicsText, TheHintChangesTheDrawingAndNotTheMeasuredRanges) {
  const values::ByteSet text = Wide(u"字A");
  Native big = MakeFont(30);
  Native format = MakeFormat(kNoWrap, {{0, 2}});
  std::vector<RectF> bounds;
  std::vector<std::string> drawings;
  for (std::int32_t hint : {1, 4}) {
    SCOPED_TRACE(hint);
    Canvas canvas(80, 40);
    ASSERT_TRUE(canvas.graphics.SetTextRenderingHint(hint));
    values::ValueArray<Region> regions;
    ASSERT_TRUE(canvas.graphics.MeasureCharacterRangesW(text, big, RectF{0, 0, 2000, 1000}, format,
                                                        1, regions));
    bounds.push_back(regions[1].GetBounds(canvas.graphics));
    ASSERT_TRUE(canvas.graphics.DrawStringW(text, big, black, RectF{0, 0, 80, 40}, &format));
    std::string pixels;
    int grey = 0;
    for (std::int32_t y = 0; y < canvas.height; ++y) {
      for (std::int32_t x = 0; x < canvas.width; ++x) {
        const ARGB pixel = canvas.Pixel(x, y);
        pixels += std::to_string(pixel >> 24) + ",";
        grey += (pixel >> 24) != 0 && (pixel >> 24) != 0xFF ? 1 : 0;
      }
    }
    if (hint == 1) {
      EXPECT_EQ(grey, 0) << "single bit per pixel";
    } else {
      EXPECT_GT(grey, 0) << "anti-aliased";
    }
    drawings.push_back(pixels);
  }
  EXPECT_NE(drawings[0], drawings[1]);
  EXPECT_EQ(bounds[0], bounds[1]);
}

TEST_F(GraphicsText, DriverStringDrawsEachGlyphAtItsPosition) {
  Canvas apart(60, 40);
  values::ValueArray<PointF> positions{PointF{2, 14}, PointF{40, 30}};
  ASSERT_TRUE(apart.graphics.DrawDriverStringW(Wide(u"字字"), font, black, positions))
      << StatusName(LastStatus);
  EXPECT_EQ(positions[2].x, 40.0f) << "the records come back unchanged";
  // Each glyph's ink sits in the 12-pixel cell whose base line starts at
  // its position (CJK glyphs reach a pixel or two below the base line).
  for (const PointF origin : {PointF{2, 14}, PointF{40, 30}}) {
    SCOPED_TRACE(testing::Message() << origin.x << "," << origin.y);
    int inside = 0;
    int outside = 0;
    for (std::int32_t y = 0; y < apart.height; ++y) {
      for (std::int32_t x = 0; x < apart.width; ++x) {
        if ((apart.Pixel(x, y) >> 24) == 0) continue;
        const bool near = std::abs(x - origin.x) < 20 && std::abs(y - origin.y) < 14;
        if (!near) continue;
        const bool cell =
            x >= origin.x && x < origin.x + 13 && y >= origin.y - 12 && y <= origin.y + 2;
        (cell ? inside : outside) += 1;
      }
    }
    EXPECT_GT(inside, 20) << apart.Dump();
    EXPECT_EQ(outside, 0) << apart.Dump();
  }
}

TEST_F(GraphicsText, DriverStringRefusesTooFewPositionsWithoutCallingTheEngine) {
  Canvas canvas(40, 20);
  values::ValueArray<PointF> one{PointF{2, 14}};
  EXPECT_FALSE(canvas.graphics.DrawDriverStringW(Wide(u"字符画"), font, black, one));
  EXPECT_EQ(LastStatus, 2);
  values::ValueArray<PointF> none;
  EXPECT_FALSE(canvas.graphics.DrawDriverString(values::Gbk("AB"), font, black, none));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.Inked(), 0);
  // Realized advance reads the first position only.
  EXPECT_TRUE(canvas.graphics.DrawDriverStringW(Wide(u"字符画"), font, black, one, 1 | 4))
      << StatusName(LastStatus);
}

}  // namespace
}  // namespace charart::imaging
