#include "values/value_ops.h"

#include <gtest/gtest.h>

#include <cmath>

#include "values/value_array.h"

namespace charart::values {
namespace {

struct CompareCase {
  Text a;
  Text b;
  std::int32_t expected;
};

TEST(CompareText, OrdersMissingEmptyAndBytesUnsigned) {
  const CompareCase cases[] = {
      {Text(), Text(""), 0},
      {Text(""), Text(), 0},
      {Text(), Text(), 0},
      {Text("a"), Text(), 1},
      {Text(), Text("a"), -1},
      {Text("abc"), Text("abc"), 0},
      {Text("ab"), Text("abc"), -1},
      {Text("abd"), Text("abc"), 1},
      {Text("\x80"), Text("z"), 1},  // bytes compare unsigned
      {Text("z"), Text("\xA1\xF0"), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a.View()) + " vs " + std::string(c.b.View()));
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
  }
}

TEST(Text, IsCutAtItsFirstNul) {
  const Text t(std::string_view("ab\0cd", 5));
  EXPECT_EQ(TextLength(t), 2);
  EXPECT_EQ(t.View(), "ab");
}

TEST(ConcatTexts, AlwaysMakesANewPresentText) {
  const Text missing;
  const Text joined = ConcatTexts({&missing, &missing});
  EXPECT_FALSE(joined.IsMissing());
  EXPECT_EQ(joined.View(), "");
  const Text a("字"), b("符");
  EXPECT_EQ(ConcatTexts({&a, &missing, &b}).View(), "字符");
}

TEST(ConcatByteSets, JoinsInOrderAndGivesMissingWhenNothingIsHeld) {
  const ByteSet missing;
  const ByteSet empty(std::vector<std::uint8_t>{});
  EXPECT_TRUE(ConcatByteSets({&missing, &empty}).IsMissing());
  const ByteSet a(std::vector<std::uint8_t>{1, 2});
  const ByteSet b(std::vector<std::uint8_t>{3});
  EXPECT_EQ(ConcatByteSets({&a, &missing, &b}), ByteSet(std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ByteSet, EqualityComparesLengthsFirstAndMissingEqualsEmpty) {
  EXPECT_EQ(ByteSet(), ByteSet(std::vector<std::uint8_t>{}));
  EXPECT_NE(ByteSet(std::vector<std::uint8_t>{1}), ByteSet(std::vector<std::uint8_t>{1, 0}));
  EXPECT_NE(ByteSet(std::vector<std::uint8_t>{0x80}), ByteSet(std::vector<std::uint8_t>{0x7F}));
  EXPECT_EQ(CompareBytes("\x80", "\x7F", 1), 1);
  EXPECT_EQ(CompareBytes("a", "b", 0), 0);
}

TEST(ByteSet, PresentsTheValueModelBlock) {
  const ByteSet b(std::vector<std::uint8_t>{0xCB, 0x25});
  EXPECT_EQ(b.Block(), (std::vector<std::uint8_t>{1, 0, 0, 0, 2, 0, 0, 0, 0xCB, 0x25}));
  EXPECT_TRUE(ByteSet::Zeroed(0).IsMissing());
  EXPECT_EQ(ByteSet::Zeroed(3).Length(), 3);
}

TEST(TruncateToInteger, DropsTheFractionTowardZeroAndStoresLow32Bits) {
  EXPECT_EQ(TruncateToInteger(-2.7), -2);
  EXPECT_EQ(TruncateToInteger(2.9), 2);
  EXPECT_EQ(StoreInt32(4294967296.0 + 5), 5);
  EXPECT_EQ(StoreInt32(2147483648.0), INT32_MIN);
  EXPECT_EQ(TruncateToInteger(std::nan("")), 0);
  EXPECT_EQ(TruncateToInteger(1e300), INT64_MAX);
}

TEST(ValueArray, CountsTheProductOfItsDimensionsAndIndexesFromOne) {
  auto grid = ValueArray<int>::WithDimensions({2, 3});
  EXPECT_EQ(grid.Count(), 6);
  grid[1] = 7;
  grid[6] = 9;
  EXPECT_EQ(grid.Data()[0], 7);
  EXPECT_EQ(grid.Data()[5], 9);
  EXPECT_EQ(ValueArray<int>::WithDimensions({}).Count(), 0);
  EXPECT_EQ(ValueArray<int>().Count(), 0);
  EXPECT_EQ(ValueArray<int>().Dimensions(), std::vector<std::int32_t>{0});
}

TEST(ValueArrayDeathTest, OutOfRangeIndexesAreTheRunTimesFatalErrors) {
  ValueArray<int> three{1, 2, 3};
  EXPECT_EXIT(three[0], ::testing::ExitedWithCode(1), "错误代码：4");
  EXPECT_EXIT(three[4], ::testing::ExitedWithCode(1), "错误代码：1");
}

}  // namespace
}  // namespace charart::values
