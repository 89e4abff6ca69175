// FontFamily and FontCollection against the real engine (宋体 through the
// alias, FontFamilyNotFound for unknown names, generic families, names,
// metrics, the installed collection's list) and the forwarding contracts
// the classes call out (GetFamilyList's refusal of numSought <= 0 and its
// fresh objects, no call when deleting an empty family or destroying either).
#include "imaging/resources/font_family.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/resources/font_collection.h"
#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RecordingFake;
using values::Gbk;

class FontFamilyOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_F(FontFamilyOnEngine, SongTiNamesResolveToTheUmingFace) {
  for (const char* name : {"宋体", "SimSun", "新宋体", "NSimSun", "AR PL UMing CN"}) {
    SCOPED_TRACE(name);
    FontFamily family;
    ASSERT_TRUE(family.CreateFromName(Gbk(name), FontCollection()));
    EXPECT_EQ(values::Utf8(family.GetFamilyName()), "AR PL UMing CN");
    EXPECT_TRUE(family.Delete());
  }
}

TEST_F(FontFamilyOnEngine, UnknownOrMissingNamesAreNotFound) {
  struct Case {
    const char* what;
    values::Text name;
    Status status;
  };
  const Case cases[] = {
      {"unknown family", Gbk("NoSuchFamilyAnywhere"), Status::FontFamilyNotFound},
      {"empty name", Gbk(""), Status::FontFamilyNotFound},
      {"several kilobytes of name", Gbk(std::string(8000, 'q')), Status::FontFamilyNotFound},
      {"missing name: a null name", values::Text::Missing(), Status::InvalidParameter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FontFamily family;
    EXPECT_FALSE(family.CreateFromName(c.name, FontCollection()));
    EXPECT_EQ(LastStatus, static_cast<int>(c.status));
    EXPECT_EQ(family.GetHandle(), 0u);
    EXPECT_EQ(family.familyHandle, 0u);
  }
}

TEST_F(FontFamilyOnEngine, WideNameFindsTheSameFamily) {
  FontFamily family;
  ASSERT_TRUE(family.CreateFromNameW(values::TextToWideGbk(Gbk("宋体")), FontCollection()));
  const values::ByteSet wide = family.GetFamilyNameW();
  ASSERT_EQ(wide.Length(), 64);
  EXPECT_EQ(std::u16string(wide.Wide()), u"AR PL UMing CN");
  EXPECT_EQ(wide.Data()[62], 0);
  EXPECT_TRUE(family.Delete());

  FontFamily none;
  EXPECT_FALSE(none.CreateFromNameW(values::ByteSet(), FontCollection()));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter)) << "a null name";
}

TEST_F(FontFamilyOnEngine, GenericFamiliesAnswerRealFaces) {
  struct Case {
    const char* what;
    bool (FontFamily::*get)();
  };
  const Case cases[] = {{"sans serif", &FontFamily::GetGenericSansSerif},
                        {"serif", &FontFamily::GetGenericSerif},
                        {"monospace", &FontFamily::GetGenericMonospace}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FontFamily family;
    ASSERT_TRUE((family.*c.get)());
    EXPECT_NE(family.GetHandle(), 0u);
    EXPECT_FALSE(values::Utf8(family.GetFamilyName()).empty());
    EXPECT_TRUE(family.Delete());
  }
}

TEST_F(FontFamilyOnEngine, CloneAndMetricsOfTheUmingFace) {
  FontFamily family;
  ASSERT_TRUE(family.CreateFromName(Gbk("宋体"), FontCollection()));
  FontFamily clone;
  ASSERT_TRUE(family.Clone(clone));
  EXPECT_NE(clone.GetHandle(), family.GetHandle());
  ASSERT_TRUE(family.Delete());
  EXPECT_EQ(values::Utf8(clone.GetFamilyName()), "AR PL UMing CN");

  const std::int32_t em = clone.GetEmHeight(0);
  const std::int32_t ascent = clone.GetCellAscent(0);
  const std::int32_t descent = clone.GetCellDescent(0);
  const std::int32_t spacing = clone.GetLineSpacing(0);
  EXPECT_EQ(LastStatus, 0);
  EXPECT_GT(em, 0);
  EXPECT_GT(ascent, 0);
  EXPECT_GT(descent, 0);
  EXPECT_GE(spacing, ascent + descent - 1) << "a line holds ascent and descent";
  EXPECT_LT(spacing, 2 * em);
  EXPECT_TRUE(clone.IsStyleAvailable(0));
  EXPECT_TRUE(clone.Delete());
}

TEST_F(FontFamilyOnEngine, EmptyOrDeletedFamilyAnswersNothing) {
  FontFamily family;
  ASSERT_TRUE(family.CreateFromName(Gbk("宋体"), FontCollection()));
  ASSERT_TRUE(family.Delete());
  EXPECT_FALSE(family.Delete()) << "the second delete finds nothing";
  EXPECT_EQ(family.GetFamilyName(), values::Text(""));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  const values::ByteSet wide = family.GetFamilyNameW();
  EXPECT_EQ(wide, values::ByteSet::Zeroed(64));
  EXPECT_EQ(family.GetEmHeight(0), 0);
  EXPECT_FALSE(family.IsStyleAvailable(0));
  FontFamily target;
  EXPECT_FALSE(family.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
}

TEST_F(FontFamilyOnEngine, InstalledCollectionListsItsFamilies) {
  const testsupport::RawObject installed = testsupport::InstalledFontCollection();
  ASSERT_NE(installed.GetHandle(), 0u);
  FontCollection collection;
  collection.SetHandle(installed.GetHandle());
  EXPECT_EQ(collection.collectionHandle, installed.GetHandle());
  const std::int32_t count = collection.GetFamilyCount();
  ASSERT_GT(count, 0);

  values::ValueArray<FontFamily> families;
  const std::int32_t found = collection.GetFamilyList(count + 3, families);
  EXPECT_EQ(found, count);
  ASSERT_EQ(families.Count(), count + 3);
  bool sawUming = false;
  for (std::int32_t i = 1; i <= count; ++i) {
    ASSERT_NE(families[i].GetHandle(), 0u);
    sawUming = sawUming || values::Utf8(families[i].GetFamilyName()) == "AR PL UMing CN";
  }
  EXPECT_TRUE(sawUming);
  for (std::int32_t i = count + 1; i <= count + 3; ++i) EXPECT_EQ(families[i].GetHandle(), 0u);
  for (std::int32_t i = 1; i <= count; ++i) families[i].Delete();

  const std::int32_t two = collection.GetFamilyList(2, families);
  EXPECT_EQ(two, 2);
  EXPECT_EQ(families.Count(), 2);
  for (std::int32_t i = 1; i <= 2; ++i) families[i].Delete();
  collection.SetHandle(0);  // the collection belongs to libgdiplus
}

// --- forwarding contracts through the recording fake ---

TEST(FontCollectionForwarding, NumSoughtBelowOneIsRefusedWithoutACall) {
  for (std::int32_t numSought : {0, -1, -100000}) {
    SCOPED_TRACE(numSought);
    RecordingFake fake;
    FontCollection collection;
    collection.SetHandle(0xC0);
    values::ValueArray<FontFamily> families(std::vector<FontFamily>(2));
    families[1].SetHandle(0x11);
    LastStatus = 0;
    EXPECT_EQ(collection.GetFamilyList(numSought, families), 0);
    EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
    EXPECT_TRUE(fake.Calls().empty());
    ASSERT_EQ(families.Count(), 2) << "the caller's array is untouched";
    EXPECT_EQ(families[1].GetHandle(), 0x11u);
    families[1].SetHandle(0);
  }
}

TEST(FontCollectionForwarding, ListReplacesTheArrayEvenWhenGdiplusFails) {
  struct Case {
    const char* what;
    Status status;
    std::vector<std::uintptr_t> handles;  // what the fake writes
    std::int32_t numFound;
    std::vector<std::uintptr_t> expected;  // what the objects hold after
  };
  const Case cases[] = {
      {"found fewer than sought", Status::Ok, {0xF1, 0xF2}, 2, {0xF1, 0xF2, 0}},
      {"failed", Status::GenericError, {0xF1}, 0, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    fake.SetStatus(FunctionId::GdipGetFontCollectionFamilyList, c.status);
    fake.OnCall(FunctionId::GdipGetFontCollectionFamilyList,
                [&](const gdiplus::RecordedCall& call) {
                  auto* out = reinterpret_cast<std::uintptr_t*>(call.args[2].pointer);
                  for (std::size_t i = 0; i < c.handles.size(); ++i) out[i] = c.handles[i];
                  *reinterpret_cast<std::int32_t*>(call.args[3].pointer) = c.numFound;
                });
    FontCollection collection;
    collection.SetHandle(0xC0);
    values::ValueArray<FontFamily> families(std::vector<FontFamily>(5));
    families[4].SetHandle(0x44);
    EXPECT_EQ(collection.GetFamilyList(3, families), c.numFound);
    ASSERT_EQ(fake.Calls().size(), 1u) << "FontFamily objects are destroyed without calls";
    EXPECT_EQ(fake.Calls()[0].args[0], PointerArg(0xC0));
    EXPECT_EQ(fake.Calls()[0].args[1], IntegerArg(3));
    EXPECT_EQ(LastStatus, static_cast<int>(c.status));
    ASSERT_EQ(families.Count(), 3);
    for (std::int32_t i = 1; i <= 3; ++i) {
      EXPECT_EQ(families[i].GetHandle(), c.expected[static_cast<std::size_t>(i - 1)]);
      families[i].SetHandle(0);
    }
    collection.SetHandle(0);
  }
}

TEST(FontFamilyForwarding, DestroyingLeavesTheNativeFamilyAndCollectionAlone) {
  RecordingFake fake;
  LastStatus = 5;
  {
    FontFamily holding;
    holding.SetHandle(0xFA);  // destroying leaves the native family alone
    FontCollection collection;
    collection.SetHandle(0xC0);
  }
  EXPECT_TRUE(fake.Calls().empty());
  EXPECT_EQ(LastStatus, 5);
}

TEST(FontFamilyForwarding, NameGoesAsUtf16WithTheCollectionsHandle) {
  RecordingFake fake;
  std::u16string seen;
  fake.OnCall(FunctionId::GdipCreateFontFamilyFromName, [&](const gdiplus::RecordedCall& call) {
    seen = reinterpret_cast<const char16_t*>(call.args[0].pointer);
  });
  FontCollection collection;
  collection.SetHandle(0xC0);
  FontFamily family;
  EXPECT_TRUE(family.CreateFromName(Gbk("宋体"), collection));
  EXPECT_EQ(seen, u"宋体");
  EXPECT_EQ(fake.Calls()[0].args[1], PointerArg(0xC0));
  collection.SetHandle(0);
}

}  // namespace
}  // namespace charart::imaging
