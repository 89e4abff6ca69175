#include "values/conversions.h"

#include <gtest/gtest.h>

namespace charart::values {
namespace {

ByteSet Bytes(std::vector<std::uint8_t> bytes) {
  return ByteSet(std::move(bytes));
}

TEST(TextToWideGbk, ConvertsGbkWithATrailingZeroUnit) {
  EXPECT_EQ(TextToWideGbk(Text("\xA1\xF0")), Bytes({0xCB, 0x25, 0, 0}));  // ○
  EXPECT_EQ(TextToWideGbk(Text("")).Length(), 2);
  EXPECT_TRUE(TextToWideGbk(Text()).IsMissing());
}

TEST(WideToTextGbk, RoundTripsEveryDropDownSymbol) {
  for (const char* utf8 : {"○", "◇", "☆", "□", "●", "◆", "★", "■", "字符画"}) {
    SCOPED_TRACE(utf8);
    const Text gbk = Gbk(utf8);
    ASSERT_FALSE(gbk.IsEmpty());
    EXPECT_EQ(WideToTextGbk(TextToWideGbk(gbk)), gbk);
    EXPECT_EQ(Utf8(gbk), utf8);
  }
}

TEST(WideToTextGbk, ConvertsWholeUnitsAndStopsAtCharactersWithoutGbkForm) {
  // 5 bytes: two units (A, B), the odd byte is ignored.
  EXPECT_EQ(WideToTextGbk(Bytes({'A', 0, 'B', 0, 'C'})).View(), "AB");
  // An emoji has no GBK form: the text ends there.
  EXPECT_EQ(WideToTextGbk(Bytes({'A', 0, 0x3D, 0xD8, 0x00, 0xDE, 'B', 0})).View(), "A");
  // An unpaired surrogate ends the text as well, never reads past the end.
  EXPECT_EQ(WideToTextGbk(Bytes({'A', 0, 0x3D, 0xD8})).View(), "A");
  EXPECT_TRUE(WideToTextGbk(ByteSet()).IsMissing());
}

TEST(TextToWide, HasTheLayoutOfTheGbkConversion) {
  const Text t = Gbk("宋体");
  EXPECT_EQ(TextToWide(t), TextToWideGbk(t));
  EXPECT_EQ(TextToWide(Text("")), Bytes({0, 0}));
  EXPECT_EQ(WideToText(u"宋体"), t);
  EXPECT_TRUE(WideToText(nullptr).IsMissing());
}

TEST(GuidText, ConvertsThePngFormatBothWays) {
  const ByteSet png = Bytes({0xAF, 0x3C, 0x6B, 0xB9, 0x28, 0x07, 0xD3, 0x11, 0x9D, 0x7B, 0x00, 0x00,
                             0xF8, 0x1E, 0xF3, 0x2E});
  EXPECT_EQ(GuidToText(png).View(), "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}");
  EXPECT_EQ(TextToGuid(Text("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}")), png);
}

TEST(GuidText, RejectedTextsGiveSixteenZeroBytes) {
  for (const char* text :
       {"{B96B3CAF-0728-11D3-9D7B-0000F81EF32}", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E", "",
        "{B96B3CAF-0728-11D3-9D7B-0000F81EF32G}"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TextToGuid(Text(text)), ByteSet::Zeroed(16));
  }
  EXPECT_EQ(TextToGuid(Text()), ByteSet::Zeroed(16));
}

TEST(Conversions, SurviveMegabytesOfText) {
  std::string big;
  for (int i = 0; i < 400000; ++i) big += "\xD7\xD6";  // 字
  big += "\xD7";                                       // a truncated last sequence
  const ByteSet wide = TextToWideGbk(Text(std::string_view(big)));
  ASSERT_GE(wide.Length(), 800000);
  const Text back = WideToTextGbk(wide);
  EXPECT_EQ(back.View().substr(0, 800000), std::string_view(big).substr(0, 800000));
}

}  // namespace
}  // namespace charart::values
