// The GDI+ adapters against the real libgdiplus: start-up hands out a token
// every time, shut-down really stops GDI+ and never aborts (with pango's font
// threads still running or a font still alive), a restart keeps the 宋体
// alias, and the adapted measuring, family and region functions keep GDI+'s
// contracts.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/fonts/font_setup.h"
#include "platform/gdiplus/gdiplus_api.h"
#include "tests/support/raw_graphics.h"
#include "tests/support/sanitizers.h"

namespace charart::gdiplus {
namespace {

using testsupport::RawBitmapGraphics;

constexpr GdiplusStartupInput kVersion1{1, nullptr, 0, 0};

ULONG_PTR Start() {
  ULONG_PTR token = 0;
  EXPECT_EQ(Api().GdiplusStartup(&token, &kVersion1, nullptr), Status::Ok);
  return token;
}

UINT EncoderCount() {
  UINT count = 0;
  UINT size = 0;
  Api().GdipGetImageEncodersSize(&count, &size);
  return count;
}

std::u16string FamilyName(const char16_t* requested) {
  GpFontFamily* family = nullptr;
  if (Api().GdipCreateFontFamilyFromName(requested, nullptr, &family) != Status::Ok) return u"";
  WCHAR name[32] = {};
  Api().GdipGetFamilyName(family, name, 0);
  Api().GdipDeleteFontFamily(family);
  return name;
}

// Rectangles as arrays, which compare and print.
std::array<float, 4> Fields(const GpRectF& r) {
  return {r.X, r.Y, r.Width, r.Height};
}
std::array<INT, 4> Fields(const GpRect& r) {
  return {r.X, r.Y, r.Width, r.Height};
}

struct Ink {
  int inked = 0;
  int grey = 0;  // neither transparent nor opaque black
};

// Draws `text` in 宋体 at 12 units in opaque black on a transparent canvas.
Ink DrawInSongTi(const char16_t* text) {
  RawBitmapGraphics canvas(64, 16);
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpSolidFill* brush = nullptr;
  Api().GdipCreateFontFamilyFromName(u"宋体", nullptr, &family);
  Api().GdipCreateFont(family, 12, 0, 2, &font);
  Api().GdipCreateSolidFill(0xFF000000u, &brush);
  const GpRectF layout{0, 0, 64, 16};
  Api().GdipDrawString(reinterpret_cast<GpGraphics*>(canvas.GetHandle()), text, -1, font, &layout,
                       nullptr, reinterpret_cast<GpBrush*>(brush));
  Api().GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
  Api().GdipDeleteFont(font);
  Api().GdipDeleteFontFamily(family);
  Ink ink;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const std::uint32_t pixel = canvas.Pixel(x, y);
      if (pixel != 0) ++ink.inked;
      if (pixel != 0 && pixel != 0xFF000000u) ++ink.grey;
    }
  }
  return ink;
}

TEST(GdiplusStartupAdapter, EveryStartThatSucceedsHandsOutAToken) {
  // libgdiplus writes a token only on its first start.
  EXPECT_NE(Start(), 0u);
  EXPECT_NE(Start(), 0u);
  EXPECT_EQ(Api().GdiplusStartup(nullptr, &kVersion1, nullptr), Status::InvalidParameter);
  ULONG_PTR token = 0;
  EXPECT_EQ(Api().GdiplusStartup(&token, nullptr, nullptr), Status::InvalidParameter);
}

TEST(GdiplusShutdownAdapter, StopsGdiplusAndARestartWorksWithTheSongTiAliasKept) {
  ASSERT_TRUE(fonts::EnsureFontAliases().songFaceInstalled);
  const ULONG_PTR first = Start();
  ASSERT_NE(first, 0u);
  ASSERT_GT(EncoderCount(), 0u);
  Api().GdiplusShutdown(first);
  EXPECT_EQ(EncoderCount(), 0u) << "the shut-down released nothing";

  const ULONG_PTR second = Start();  // GDI+ stays up for the other tests
  EXPECT_NE(second, 0u);
  EXPECT_GT(EncoderCount(), 0u);
  EXPECT_EQ(FamilyName(u"宋体"), u"AR PL UMing CN");
  const Ink ink = DrawInSongTi(u"字符画");
  EXPECT_GT(ink.inked, 100);
  EXPECT_EQ(ink.grey, 0) << "drawn in a fallback face, not from the 12 px strike";
}

// libgdiplus's own shut-down aborts these processes in fontconfig's
// clean-up: every time with a font alive, about one cycle in four on
// this machine with pango's font threads still at work. Each runs in a fresh
// process, which must end normally.
TEST(GdiplusShutdownAdapterDeathTest, AFontStillAliveDoesNotAbortTheShutdown) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        testsupport::KeepLeaksFromHereUnreported();  // the font outlives GDI+ on purpose
        const ULONG_PTR token = Start();
        GpFontFamily* family = nullptr;
        GpFont* font = nullptr;
        Api().GdipCreateFontFamilyFromName(u"宋体", nullptr, &family);
        Api().GdipCreateFont(family, 12, 0, 2, &font);
        Api().GdiplusShutdown(token);
        std::exit(font != nullptr ? 0 : 2);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(GdiplusShutdownAdapterDeathTest, ShuttingDownUnderPangosFontThreadsNeverAborts) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        for (int cycle = 0; cycle < 30; ++cycle) {
          const ULONG_PTR token = Start();
          if (DrawInSongTi(u"字符画").inked == 0) std::exit(2);
          Api().GdiplusShutdown(token);
        }
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

class AdaptedFunctions : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_F(AdaptedFunctions, MeasureCharacterRangesTakesMinusOneAsTheCountedLength) {
  RawBitmapGraphics canvas(200, 40);
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpStringFormat* format = nullptr;
  ASSERT_EQ(Api().GdipCreateFontFamilyFromName(u"宋体", nullptr, &family), Status::Ok);
  ASSERT_EQ(Api().GdipCreateFont(family, 12, 0, 2, &font), Status::Ok);
  ASSERT_EQ(Api().GdipCreateStringFormat(0x1000, 0, &format), Status::Ok);
  const CharacterRange ranges[] = {{0, 2}, {2, 3}};
  ASSERT_EQ(Api().GdipSetStringFormatMeasurableCharacterRanges(format, 2, ranges), Status::Ok);
  const GpRectF layout{0, 0, 200, 40};

  GpRectF bounds[2][2] = {};
  for (int pass = 0; pass < 2; ++pass) {
    GpRegion* regions[2] = {};
    Api().GdipCreateRegion(&regions[0]);
    Api().GdipCreateRegion(&regions[1]);
    const INT length = pass == 0 ? 5 : -1;
    EXPECT_EQ(
        Api().GdipMeasureCharacterRanges(reinterpret_cast<GpGraphics*>(canvas.GetHandle()),
                                         u"字符ab画", length, font, &layout, format, 2, regions),
        Status::Ok)
        << "length " << length;
    for (int r = 0; r < 2; ++r) {
      Api().GdipGetRegionBounds(regions[r], reinterpret_cast<GpGraphics*>(canvas.GetHandle()),
                                &bounds[pass][r]);
      Api().GdipDeleteRegion(regions[r]);
    }
  }
  for (int r = 0; r < 2; ++r) {
    SCOPED_TRACE(r);
    EXPECT_GT(bounds[0][r].Width, 0);
    EXPECT_EQ(Fields(bounds[1][r]), Fields(bounds[0][r]));
  }
  Api().GdipDeleteStringFormat(format);
  Api().GdipDeleteFont(font);
  Api().GdipDeleteFontFamily(family);
}

TEST_F(AdaptedFunctions, CreateFontFamilyFromNameFindsOnlyFamiliesThatExist) {
  struct Case {
    const char16_t* name;
    Status status;
  };
  const Case cases[] = {
      {u"宋体", Status::Ok},
      {u"AR PL UMing CN", Status::Ok},
      {u"No Such Family 4711", Status::FontFamilyNotFound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::u16string(c.name)));
    GpFontFamily* family = nullptr;
    EXPECT_EQ(Api().GdipCreateFontFamilyFromName(c.name, nullptr, &family), c.status);
    EXPECT_EQ(family != nullptr, c.status == Status::Ok);
    if (family != nullptr) Api().GdipDeleteFontFamily(family);
  }
}

TEST_F(AdaptedFunctions, GetRegionBoundsIGivesTheIntegerRectangleHoldingTheBounds) {
  struct Case {
    GpRectF rect;
    GpRect expected;
  };
  const Case cases[] = {
      {{3, 4, 10, 20}, {3, 4, 10, 20}},
      {{1.5f, 2.25f, 10, 5}, {1, 2, 11, 6}},
      {{-2.5f, -0.5f, 1, 1}, {-3, -1, 2, 2}},
  };
  RawBitmapGraphics canvas(8, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rect.X << "," << c.rect.Y);
    GpRegion* region = nullptr;
    ASSERT_EQ(Api().GdipCreateRegionRect(&c.rect, &region), Status::Ok);
    GpRect bounds{};
    EXPECT_EQ(Api().GdipGetRegionBoundsI(region, reinterpret_cast<GpGraphics*>(canvas.GetHandle()),
                                         &bounds),
              Status::Ok);
    EXPECT_EQ(Fields(bounds), Fields(c.expected));
    Api().GdipDeleteRegion(region);
  }
}

}  // namespace
}  // namespace charart::gdiplus
