#include "engine/character_art.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/text_renderer.h"
#include "imaging/core/bitmap.h"
#include "platform/forms/event_pump.h"
#include "tests/support/raw_graphics.h"
#include "values/conversions.h"

namespace charart::engine {
namespace {

using values::ByteSet;
using values::Gbk;
using values::Text;
using values::TextToWideGbk;

class CharacterArtTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

std::vector<std::string> Rows(std::string_view art) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < art.size()) {
    const auto end = art.find("\r\n", start);
    EXPECT_NE(end, std::string_view::npos) << "a row without CR LF";
    if (end == std::string_view::npos) break;
    rows.emplace_back(art.substr(start, end - start));
    start = end + 2;
  }
  return rows;
}

TEST_F(CharacterArtTest, SampleTextMatchesTheCheckedInArt) {
  std::ifstream file(std::string(CHARART_TEST_FIXTURES) + "/sample_art_crlf.txt", std::ios::binary);
  std::stringstream expected;
  expected << file.rdbuf();
  const Text art = BuildCharacterArt(TextToWideGbk(Gbk("字符画")));
  EXPECT_EQ(values::Utf8(art), expected.str());
}

TEST_F(CharacterArtTest, EmitsOneSymbolPerPixelRowByRowWithCrLfAfterEach) {
  const ByteSet text = TextToWideGbk(Gbk("字符画"));
  const ByteSet png = RenderTextPicture(text);
  imaging::Bitmap picture;
  ASSERT_TRUE(picture.CreateFromStream(png));
  const std::int32_t width = picture.GetWidth();
  const std::int32_t height = picture.GetHeight();

  const Text art = BuildCharacterArt(text, TextToWideGbk(Gbk("□")), TextToWideGbk(Gbk("■")));
  const auto rows = Rows(art.View());
  ASSERT_EQ(static_cast<std::int32_t>(rows.size()), height);
  EXPECT_EQ(art.View().substr(art.View().size() - 2), "\r\n");
  const std::string hollow(Gbk("□").View()), filled(Gbk("■").View());
  for (std::int32_t y = 0; y < height; ++y) {
    ASSERT_EQ(static_cast<std::int32_t>(rows[y].size()), width * 2);
    for (std::int32_t x = 0; x < width; ++x) {
      const std::string symbol = rows[y].substr(static_cast<std::size_t>(x) * 2, 2);
      EXPECT_EQ(symbol, picture.GetPixel(x, y) == 0 ? hollow : filled) << x << "," << y;
    }
  }
}

TEST_F(CharacterArtTest, LongSymbolsAreEmittedWholeAndEmptyOnesAddNothing) {
  const ByteSet text = TextToWideGbk(Gbk("画"));
  const Text plain = BuildCharacterArt(text, TextToWideGbk(Gbk(".")), TextToWideGbk(Gbk("#")));
  const Text wide = BuildCharacterArt(text, TextToWideGbk(Gbk("..")), TextToWideGbk(Gbk("##")));
  const Text onlyInk = BuildCharacterArt(text, TextToWideGbk(Text("")), TextToWideGbk(Gbk("#")));
  std::string doubled, inkOnly;
  for (char c : plain.View()) {
    if (c == '.' || c == '#')
      doubled += std::string(2, c);
    else
      doubled += c;
    if (c != '.') inkOnly += c;
  }
  EXPECT_EQ(wide.View(), doubled);
  EXPECT_EQ(onlyInk.View(), inkOnly);
}

TEST_F(CharacterArtTest, DefaultsToHollowAndFilledCircles) {
  const ByteSet text = TextToWideGbk(Gbk("字"));
  EXPECT_EQ(BuildCharacterArt(text),
            BuildCharacterArt(text, TextToWideGbk(Gbk("○")), TextToWideGbk(Gbk("●"))));
}

TEST_F(CharacterArtTest, PumpsEventsOncePerRowTheLastIncluded) {
  const ByteSet text = TextToWideGbk(Gbk("符"));
  const std::int64_t before = forms::PumpCount();
  const Text art = BuildCharacterArt(text);
  EXPECT_EQ(forms::PumpCount() - before, static_cast<std::int64_t>(Rows(art.View()).size()));
}

TEST_F(CharacterArtTest, NoPictureGivesTheEmptyText) {
  EXPECT_TRUE(
      PictureToCharacterArt(ByteSet(), TextToWideGbk(Gbk("○")), TextToWideGbk(Gbk("●"))).IsEmpty());
  EXPECT_TRUE(BuildCharacterArt(TextToWideGbk(Text(""))).IsEmpty());
}

}  // namespace
}  // namespace charart::engine
