// StringFormat against the real engine (every setting round trips, the
// generic formats, clones, tab stops, digit substitution, character ranges,
// bad input) and through the recording fake where the class calls out a
// default or an argument order.
#include "imaging/resources/string_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RealArg;
using gdiplus::RecordedCall;
using gdiplus::RecordingFake;

constexpr std::int32_t kNoWrap = 0x1000;

class StringFormatOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

struct SettingCase {
  const char* what;
  bool (StringFormat::*set)(std::int32_t);
  std::int32_t (StringFormat::*get)();
  std::vector<std::int32_t> values;
};

TEST_F(StringFormatOnEngine, EverySettingReadsBackWhatWasSet) {
  const SettingCase cases[] = {
      {"flags", &StringFormat::SetFlags, &StringFormat::GetFlags, {0, kNoWrap, 0x4 | 0x2000}},
      {"alignment", &StringFormat::SetAlignment, &StringFormat::GetAlignment, {1, 2, 0}},
      {"line alignment",
       &StringFormat::SetLineAlignment,
       &StringFormat::GetLineAlignment,
       {2, 1, 0}},
      {"trimming", &StringFormat::SetTrimming, &StringFormat::GetTrimming, {0, 1, 2, 3, 4, 5}},
      {"hotkey prefix", &StringFormat::SetHotkeyPrefix, &StringFormat::GetHotkeyPrefix, {1, 2, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StringFormat format;
    ASSERT_TRUE(format.Create());
    for (std::int32_t value : c.values) {
      SCOPED_TRACE(value);
      EXPECT_TRUE((format.*c.set)(value));
      EXPECT_EQ((format.*c.get)(), value);
      EXPECT_EQ(LastStatus, 0);
    }
  }
}

TEST_F(StringFormatOnEngine, OutOfRangeSettingsAreRefusedAndKeepTheOldValue) {
  const SettingCase cases[] = {
      {"alignment", &StringFormat::SetAlignment, &StringFormat::GetAlignment, {3, -1}},
      {"line alignment", &StringFormat::SetLineAlignment, &StringFormat::GetLineAlignment, {7, -1}},
      {"trimming", &StringFormat::SetTrimming, &StringFormat::GetTrimming, {6, -1}},
      {"hotkey prefix", &StringFormat::SetHotkeyPrefix, &StringFormat::GetHotkeyPrefix, {3, -1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StringFormat format;
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE((format.*c.set)(1));
    for (std::int32_t value : c.values) {
      SCOPED_TRACE(value);
      EXPECT_FALSE((format.*c.set)(value));
      EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
      EXPECT_EQ((format.*c.get)(), 1);
    }
  }
}

TEST_F(StringFormatOnEngine, CreateTakesFlagsAndLanguage) {
  StringFormat format;
  ASSERT_TRUE(format.Create(kNoWrap, 0x0804));
  EXPECT_EQ(format.GetFlags(), kNoWrap);
  EXPECT_EQ(format.formatHandle, format.GetHandle());
  StringFormat plain;
  ASSERT_TRUE(plain.Create());
  EXPECT_EQ(plain.GetFlags(), 0);
}

TEST_F(StringFormatOnEngine, GenericFormatsAreDistinctAndDeletable) {
  StringFormat generic;
  ASSERT_TRUE(generic.GetGenericDefault());
  EXPECT_EQ(generic.GetFlags(), 0);
  EXPECT_EQ(generic.GetTrimming(), 1) << "character trimming";
  StringFormat typographic;
  ASSERT_TRUE(typographic.GetGenericTypographic());
  // No fit black box, line limit, no clip.
  EXPECT_EQ(typographic.GetFlags(), 0x4 | 0x2000 | 0x4000);
  EXPECT_EQ(typographic.GetTrimming(), 0);
  EXPECT_TRUE(generic.Delete());
  EXPECT_TRUE(typographic.Delete());
}

TEST_F(StringFormatOnEngine, CloneCarriesTheSettingsAndLivesOnItsOwn) {
  StringFormat format;
  ASSERT_TRUE(format.Create(kNoWrap));
  ASSERT_TRUE(format.SetAlignment(2));
  ASSERT_TRUE(format.SetTabStops(3, values::ValueArray<float>{8, 16}));
  StringFormat clone;
  ASSERT_TRUE(format.Clone(clone));
  EXPECT_NE(clone.GetHandle(), format.GetHandle());
  ASSERT_TRUE(format.Delete());
  EXPECT_EQ(clone.GetFlags(), kNoWrap);
  EXPECT_EQ(clone.GetAlignment(), 2);
  float offset = 0;
  values::ValueArray<float> stops;
  EXPECT_EQ(clone.GetTabStops(offset, stops), 2);
}

TEST_F(StringFormatOnEngine, TabStopsRoundTrip) {
  StringFormat format;
  ASSERT_TRUE(format.Create());
  float offset = -1;
  values::ValueArray<float> stops{9, 9, 9, 9};
  EXPECT_EQ(format.GetTabStops(offset, stops), 0) << "none set yet";
  EXPECT_EQ(stops.Count(), 0);
  EXPECT_EQ(stops.Dimensions(), std::vector<std::int32_t>{0});

  ASSERT_TRUE(format.SetTabStops(4, values::ValueArray<float>{10, 20, 30}));
  EXPECT_EQ(format.GetTabStops(offset, stops), 3);
  EXPECT_EQ(offset, 4.0f);
  EXPECT_EQ(stops, (values::ValueArray<float>{10, 20, 30}));
}

TEST_F(StringFormatOnEngine, DigitSubstitutionRoundTripsMethodAndLanguage) {
  StringFormat format;
  ASSERT_TRUE(format.Create());
  ASSERT_TRUE(format.SetDigitSubstitution(2, 0x0804));
  std::int32_t method = -1;
  std::int32_t language = 0x7FFF0000;  // the high half must not survive
  ASSERT_TRUE(format.GetDigitSubstitution(method, &language));
  EXPECT_EQ(method, 2);
  EXPECT_EQ(language, 0x0804);
  ASSERT_TRUE(format.SetDigitSubstitution(3));
  ASSERT_TRUE(format.GetDigitSubstitution(method));
  EXPECT_EQ(method, 3);
  ASSERT_TRUE(format.GetDigitSubstitution(method, &language));
  EXPECT_EQ(language, 0) << "language omitted means neutral";
}

TEST_F(StringFormatOnEngine, MeasurableCharacterRangesAreCounted) {
  StringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 0);
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(
      values::ValueArray<CharacterRange>{{0, 1}, {1, 2}, {3, 1}}));
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 3);
  // libgdiplus refuses the null list of an empty array, and more than 32
  // ranges as GDI+ does; either way the ranges set before stay.
  EXPECT_FALSE(format.SetMeasurableCharacterRanges(values::ValueArray<CharacterRange>{}));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  values::ValueArray<CharacterRange> tooMany;
  tooMany.Redim(33);
  EXPECT_FALSE(format.SetMeasurableCharacterRanges(tooMany));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::ValueOverflow));
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 3);
}

TEST_F(StringFormatOnEngine, DeletedFormatAnswersNothing) {
  StringFormat format;
  ASSERT_TRUE(format.Create(kNoWrap));
  ASSERT_TRUE(format.Delete());
  EXPECT_FALSE(format.Delete());
  EXPECT_EQ(format.GetFlags(), 0);
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(format.SetTrimming(1));
  float offset = 5;
  values::ValueArray<float> stops{1, 2};
  EXPECT_EQ(format.GetTabStops(offset, stops), 0);
  EXPECT_EQ(stops.Count(), 2) << "left alone";
  EXPECT_EQ(offset, 5.0f);
  std::int32_t method = 7;
  std::int32_t language = 7;
  EXPECT_FALSE(format.GetDigitSubstitution(method, &language));
  EXPECT_EQ(language, 7);
  StringFormat target;
  EXPECT_FALSE(format.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
}

// --- forwarding contracts through the recording fake ---

constexpr std::uintptr_t kFormat = 0x5F00;

TEST(StringFormatForwarding, OmittedCreateParametersAreZero) {
  RecordingFake fake;
  fake.WriteHandle(FunctionId::GdipCreateStringFormat, 2, kFormat);
  StringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_EQ(fake.Calls()[0].args[0], IntegerArg(0));
  EXPECT_EQ(fake.Calls()[0].args[1], IntegerArg(0));
  EXPECT_EQ(format.GetHandle(), kFormat);
  ASSERT_TRUE(format.Create(kNoWrap));  // the renderer's call
  EXPECT_EQ(fake.Calls()[1].args[0], IntegerArg(kNoWrap));
  EXPECT_EQ(fake.Calls()[1].args[1], IntegerArg(0));
  format.SetHandle(0);
}

TEST(StringFormatForwarding, DigitSubstitutionPassesTheLanguageFirst) {
  RecordingFake fake;
  StringFormat format;
  format.SetHandle(kFormat);
  ASSERT_TRUE(format.SetDigitSubstitution(2, 0x0804));
  ASSERT_TRUE(format.SetDigitSubstitution(3));
  EXPECT_EQ(fake.Calls()[0].args, (std::vector<gdiplus::RecordedArg>{
                                      PointerArg(kFormat), IntegerArg(0x0804), IntegerArg(2)}));
  EXPECT_EQ(fake.Calls()[1].args,
            (std::vector<gdiplus::RecordedArg>{PointerArg(kFormat), IntegerArg(0), IntegerArg(3)}));
  std::int32_t method = 0;
  ASSERT_TRUE(format.GetDigitSubstitution(method));
  EXPECT_EQ(fake.Calls()[2].args[1], PointerArg(0)) << "language omitted: a null address";
  EXPECT_EQ(fake.Calls()[2].args[2], PointerArg(reinterpret_cast<std::uintptr_t>(&method)));
  format.SetHandle(0);
}

TEST(StringFormatForwarding, ArraysCrossWithTheirCountAndNullWhenEmpty) {
  RecordingFake fake;
  StringFormat format;
  format.SetHandle(kFormat);
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(values::ValueArray<CharacterRange>{}));
  EXPECT_EQ(fake.Calls()[0].args[1], IntegerArg(0));
  EXPECT_EQ(fake.Calls()[0].args[2], PointerArg(0));
  const values::ValueArray<CharacterRange> ranges{{0, 3}, {5, 1}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
  EXPECT_EQ(fake.Calls()[1].args[1], IntegerArg(2));
  const values::ValueArray<float> stops{4, 8};
  ASSERT_TRUE(format.SetTabStops(1.5f, stops));
  EXPECT_EQ(fake.Calls()[2].args, (std::vector<gdiplus::RecordedArg>{
                                      PointerArg(kFormat), RealArg(1.5), IntegerArg(2),
                                      PointerArg(reinterpret_cast<std::uintptr_t>(stops.Data()))}));
  format.SetHandle(0);
}

TEST(StringFormatForwarding, TabStopsReplaceTheArrayWithTheReportedCount) {
  RecordingFake fake;
  fake.OnCall(FunctionId::GdipGetStringFormatTabStopCount, [](const RecordedCall& call) {
    *reinterpret_cast<std::int32_t*>(call.args[1].pointer) = 2;
  });
  fake.OnCall(FunctionId::GdipGetStringFormatTabStops, [](const RecordedCall& call) {
    *reinterpret_cast<float*>(call.args[2].pointer) = 7;
    auto* stops = reinterpret_cast<float*>(call.args[3].pointer);
    stops[0] = 11;
    stops[1] = 22;
  });
  StringFormat format;
  format.SetHandle(kFormat);
  float offset = 0;
  values::ValueArray<float> stops{1, 2, 3, 4, 5};
  EXPECT_EQ(format.GetTabStops(offset, stops), 2);
  EXPECT_EQ(fake.Calls()[1].args[1], IntegerArg(2));
  EXPECT_EQ(offset, 7.0f);
  EXPECT_EQ(stops, (values::ValueArray<float>{11, 22}));
  format.SetHandle(0);
}

}  // namespace
}  // namespace charart::imaging
