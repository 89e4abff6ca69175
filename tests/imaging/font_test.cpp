// Font against the real engine (宋体 through the alias, the 12 px strike,
// queries, clones, LOGFONTs, bad input) and its forwarding contracts through
// the recording fake (the name path's call sequence and statuses, the DC
// fallbacks, delete on an empty font).
#include "imaging/resources/font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "imaging/resources/font_collection.h"
#include "imaging/resources/font_family.h"
#include "imaging/resources/region.h"
#include "imaging/resources/solid_brush.h"
#include "imaging/resources/string_format.h"
#include "platform/gdiplus/recording_fake.h"
#include "platform/win32/gdi_emulation.h"
#include "tests/support/raw_graphics.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RealArg;
using gdiplus::RecordingFake;
using testsupport::RawBitmapGraphics;
using values::Gbk;

constexpr char16_t kZi[] = u"字";

class FontOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

std::string FamilyNameOf(Font& font) {
  FontFamily family;
  if (!font.GetFamily(family)) return "<no family>";
  const std::string name = values::Utf8(family.GetFamilyName());
  family.Delete();
  return name;
}

TEST_F(FontOnEngine, SongTiAtTwelveDrawsOneCrispLineFromTheBitmapStrike) {
  Font font;
  ASSERT_TRUE(font.CreateFromName(Gbk("宋体"), 12.0f, 0));
  StringFormat format;
  ASSERT_TRUE(format.Create(0x1000));
  RawBitmapGraphics canvas(48, 48);
  ASSERT_NE(canvas.GetHandle(), 0u);
  const auto g = As<gdiplus::GpGraphics>(canvas.GetHandle());
  const gdiplus::GpRectF layout{0, 0, 48, 48};

  // The line GDI+ measures for one CJK character.
  gdiplus::GpRectF box{};
  ASSERT_EQ(Gdip().GdipMeasureString(g, kZi, 1, As<gdiplus::GpFont>(font.GetHandle()), &layout,
                                     As<gdiplus::GpStringFormat>(format.GetHandle()), &box, nullptr,
                                     nullptr),
            Status::Ok);
  EXPECT_EQ(box.X, 0.0f);
  EXPECT_EQ(box.Y, 0.0f);
  EXPECT_GE(box.Height, 12.0f);
  EXPECT_LT(box.Height, 14.0f) << "one line, not two";
  EXPECT_GE(box.Width, 12.0f);

  // The same through a measurable character range and a Region that owns
  // the region GDI+ filled.
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(values::ValueArray<CharacterRange>{{0, 1}}));
  Region range;
  ASSERT_TRUE(range.Create());
  gdiplus::GpRegion* regions[] = {As<gdiplus::GpRegion>(range.GetHandle())};
  ASSERT_EQ(Gdip().GdipMeasureCharacterRanges(
                g, kZi, -1, As<gdiplus::GpFont>(font.GetHandle()), &layout,
                As<gdiplus::GpStringFormat>(format.GetHandle()), 1, regions),
            Status::Ok);
  const RectF rangeBounds = range.GetBounds(canvas);
  EXPECT_EQ(rangeBounds.height, box.Height);

  SolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  ASSERT_EQ(Gdip().GdipDrawString(g, kZi, -1, As<gdiplus::GpFont>(font.GetHandle()), &layout,
                                  As<gdiplus::GpStringFormat>(format.GetHandle()),
                                  As<gdiplus::GpBrush>(black.GetHandle())),
            Status::Ok);
  int inked = 0, top = 48, bottom = -1, left = 48, right = -1;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const std::uint32_t pixel = canvas.Pixel(x, y);
      ASSERT_TRUE(pixel == 0 || pixel == 0xFF000000)
          << "grey pixel 0x" << std::hex << pixel << " at " << std::dec << x << "," << y;
      if (pixel != 0) {
        ++inked;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  EXPECT_GT(inked, 20) << "字 has many strokes";
  EXPECT_LE(bottom - top + 1, 12) << "the glyph fits a 12-pixel cell";
  EXPECT_LE(right - left + 1, 12);
  EXPECT_LT(bottom, static_cast<int>(std::ceil(box.Height)));

  EXPECT_EQ(FamilyNameOf(font), "AR PL UMing CN");
}

TEST_F(FontOnEngine, QueriesAnswerWhatTheFontWasMadeWith) {
  RawBitmapGraphics canvas(8, 8);
  Font font;
  ASSERT_TRUE(font.CreateFromName(Gbk("宋体"), 12.0f, 1));
  EXPECT_EQ(font.GetSize(), 12.0f);
  EXPECT_EQ(font.GetStyle(), 1);
  EXPECT_EQ(font.GetUnit(), 0) << "the unit omitted means world units";
  EXPECT_EQ(LastStatus, 0);
  const float height = font.GetHeight(canvas);
  EXPECT_GT(height, 12.0f);
  EXPECT_LT(height, 14.0f);
  // World units are device pixels: the DPI changes nothing.
  EXPECT_NEAR(font.GetHeightGivenDPI(96), height, 0.01f);
  EXPECT_NEAR(font.GetHeightGivenDPI(192), height, 0.01f);

  Font points;
  FontFamily family;
  ASSERT_TRUE(family.CreateFromName(Gbk("宋体"), FontCollection()));
  ASSERT_TRUE(points.Create(family, 9.0f, 2, 3));
  family.Delete();
  EXPECT_EQ(points.GetUnit(), 3);
  EXPECT_EQ(points.GetStyle(), 2);
  EXPECT_EQ(points.GetSize(), 9.0f);
  // Points scale with the DPI: 9 pt at 96 DPI is 12 px of em.
  EXPECT_NEAR(points.GetHeightGivenDPI(192), 2 * points.GetHeightGivenDPI(96), 0.01f);
  EXPECT_NEAR(points.GetHeightGivenDPI(96), height, 0.01f);
  EXPECT_EQ(FamilyNameOf(points), "AR PL UMing CN") << "the font outlives the family it came from";
}

TEST_F(FontOnEngine, UnicodeNameMakesTheSameFont) {
  Font font;
  ASSERT_TRUE(font.CreateFromNameW(values::TextToWideGbk(Gbk("宋体")), 12.0f));
  EXPECT_EQ(FamilyNameOf(font), "AR PL UMing CN");
  EXPECT_EQ(font.GetSize(), 12.0f);
}

TEST_F(FontOnEngine, CloneIsAFontOfItsOwn) {
  Font font;
  ASSERT_TRUE(font.CreateFromName(Gbk("宋体"), 10.0f, 2));
  Font clone;
  ASSERT_TRUE(font.Clone(clone));
  EXPECT_NE(clone.GetHandle(), 0u);
  EXPECT_NE(clone.GetHandle(), font.GetHandle());
  EXPECT_EQ(clone.fontHandle, clone.GetHandle());
  ASSERT_TRUE(font.Delete());
  EXPECT_EQ(clone.GetSize(), 10.0f);
  EXPECT_EQ(clone.GetStyle(), 2);
}

TEST_F(FontOnEngine, LogFontRoundTripKeepsFaceSizeAndStyle) {
  RawBitmapGraphics canvas(8, 8);
  Font font;
  ASSERT_TRUE(font.CreateFromName(Gbk("宋体"), 12.0f, 1 | 2));
  gdiplus::LOGFONTA logA{};
  ASSERT_TRUE(font.GetLogFontA(canvas, &logA));
  EXPECT_EQ(logA.lfHeight, -12);
  EXPECT_EQ(logA.lfWeight, 700);
  EXPECT_EQ(logA.lfItalic, 1);
  EXPECT_STREQ(logA.lfFaceName, "AR PL UMing CN");
  gdiplus::LOGFONTW logW{};
  ASSERT_TRUE(font.GetLogFontW(canvas, &logW));
  EXPECT_EQ(std::u16string(logW.lfFaceName), u"AR PL UMing CN");

  gdiplus::HDC screen = win32::GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  Font fromA;
  ASSERT_TRUE(fromA.CreateFromLogfontA(screen, &logA));
  EXPECT_EQ(fromA.GetStyle(), 1 | 2);
  EXPECT_EQ(FamilyNameOf(fromA), "AR PL UMing CN");
  Font fromW;
  ASSERT_TRUE(fromW.CreateFromLogfontW(screen, &logW));
  EXPECT_EQ(FamilyNameOf(fromW), "AR PL UMing CN");
  win32::ReleaseDC(nullptr, screen);
}

TEST_F(FontOnEngine, DefaultGuiFontIsSongTiTwelvePixelsHigh) {
  Font font;
  ASSERT_TRUE(font.CreateFromDefaultGuiFont()) << gdiplus::StatusName(LastStatus);
  EXPECT_EQ(FamilyNameOf(font), "AR PL UMing CN");
  EXPECT_EQ(font.GetSize(), 12.0f);
  EXPECT_EQ(font.GetStyle(), 0);
}

TEST_F(FontOnEngine, HfontOfTheStockFontMakesTheSameFont) {
  gdiplus::HDC screen = win32::GetDC(nullptr);
  Font font;
  ASSERT_TRUE(font.CreateFromHFONT(screen, win32::GetStockObject(win32::DEFAULT_GUI_FONT)));
  EXPECT_EQ(FamilyNameOf(font), "AR PL UMing CN");
  win32::ReleaseDC(nullptr, screen);
}

struct BadFontCase {
  const char* what;
  std::string name;
  float size;
  std::int32_t style;
  std::int32_t unit;
};

TEST_F(FontOnEngine, BadInputFailsWithoutAFont) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const BadFontCase cases[] = {
      {"empty family name", "", 12, 0, 0},
      {"several kilobytes of name", std::string(5000, 'x'), 12, 0, 0},
      {"unknown family", "NoSuchFamilyAnywhere", 12, 0, 0},
      {"negative size", "宋体", -12, 0, 0},
      {"zero size", "宋体", 0, 0, 0},
      {"NaN size", "宋体", nan, 0, 0},
      {"infinite size", "宋体", inf, 0, 0},
      {"style beyond the four flags", "宋体", 12, 16, 0},
      {"negative style", "宋体", 12, -1, 0},
      {"display unit", "宋体", 12, 0, 1},
      {"unit past millimetre", "宋体", 12, 0, 7},
      {"negative unit", "宋体", 12, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Font font;
    EXPECT_FALSE(font.CreateFromName(Gbk(c.name), c.size, c.style, c.unit));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(font.GetHandle(), 0u);
    EXPECT_EQ(font.fontHandle, 0u);
  }
}

TEST_F(FontOnEngine, EmptyOrDeletedObjectsAsParametersFail) {
  RawBitmapGraphics canvas(8, 8);
  FontFamily noFamily;
  Font font;
  EXPECT_FALSE(font.Create(noFamily, 12.0f));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));

  Font deleted;
  ASSERT_TRUE(deleted.CreateFromName(Gbk("宋体"), 12.0f));
  ASSERT_TRUE(deleted.Delete());
  EXPECT_EQ(deleted.GetSize(), 0.0f);
  EXPECT_NE(LastStatus, 0);
  Font target;
  EXPECT_FALSE(deleted.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
  gdiplus::LOGFONTA logFont{};
  EXPECT_FALSE(deleted.GetLogFontA(canvas, &logFont));

  Font live;
  ASSERT_TRUE(live.CreateFromName(Gbk("宋体"), 12.0f));
  const GdiplusObject& noGraphics = noFamily;
  EXPECT_FALSE(live.GetLogFontA(noGraphics, &logFont));
  EXPECT_FALSE(live.GetLogFontA(canvas, nullptr));
  EXPECT_FALSE(live.CreateFromLogfontA(nullptr, &logFont)) << "no device context";
}

// --- forwarding contracts through the recording fake ---

constexpr std::uintptr_t kFamily = 0xFA00;
constexpr std::uintptr_t kFont = 0xF000;

TEST(FontForwarding, CreateFromNameMakesATemporaryFamilyAndDeletesIt) {
  RecordingFake fake;
  fake.WriteHandle(FunctionId::GdipCreateFontFamilyFromName, 2, kFamily);
  fake.WriteHandle(FunctionId::GdipCreateFont, 4, kFont);
  Font font;
  ASSERT_TRUE(font.CreateFromName(Gbk("宋体"), 12.0f));
  EXPECT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipCreateFontFamilyFromName",
                                                        "GdipCreateFont", "GdipDeleteFontFamily"}));
  const auto& fromName = fake.Calls()[0].args;
  EXPECT_NE(fromName[0], PointerArg(0)) << "the name as UTF-16";
  EXPECT_EQ(fromName[1], PointerArg(0)) << "no collection";
  const auto& create = fake.Calls()[1].args;
  EXPECT_EQ(create[0], PointerArg(kFamily));
  EXPECT_EQ(create[1], RealArg(12.0));
  EXPECT_EQ(create[2], IntegerArg(0)) << "style omitted";
  EXPECT_EQ(create[3], IntegerArg(0)) << "unit omitted";
  EXPECT_EQ(fake.Calls()[2].args[0], PointerArg(kFamily));
  EXPECT_EQ(font.GetHandle(), kFont);
  EXPECT_EQ(font.fontHandle, kFont);
}

struct NamePathCase {
  const char* what;
  Status familyStatus;
  Status fontStatus;
  std::vector<std::string> calls;
};

TEST(FontForwarding, CreateFromNameReportsTheFontCreation) {
  const NamePathCase cases[] = {
      {"no such family: the font is asked of a null family",
       Status::FontFamilyNotFound,
       Status::InvalidParameter,
       {"GdipCreateFontFamilyFromName", "GdipCreateFont"}},
      {"family made, font refused",
       Status::Ok,
       Status::FontStyleNotFound,
       {"GdipCreateFontFamilyFromName", "GdipCreateFont", "GdipDeleteFontFamily"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    fake.SetStatus(FunctionId::GdipCreateFontFamilyFromName, c.familyStatus);
    if (c.familyStatus == Status::Ok) {
      fake.WriteHandle(FunctionId::GdipCreateFontFamilyFromName, 2, kFamily);
    }
    fake.SetStatus(FunctionId::GdipCreateFont, c.fontStatus);
    Font font;
    EXPECT_FALSE(font.CreateFromName(Gbk("宋体"), 12.0f, 1, 2));
    EXPECT_EQ(fake.CallNames(), c.calls);
    EXPECT_EQ(LastStatus, static_cast<int>(c.fontStatus));
    EXPECT_EQ(font.GetHandle(), 0u);
    const auto& create = fake.Calls()[1].args;
    EXPECT_EQ(create[0], PointerArg(c.familyStatus == Status::Ok ? kFamily : 0));
    EXPECT_EQ(create[2], IntegerArg(1));
    EXPECT_EQ(create[3], IntegerArg(2));
  }
}

TEST(FontForwarding, AbsentLogFontOrHfontFallsBackToTheDevice) {
  const auto dc = reinterpret_cast<gdiplus::HDC>(0xDC);
  struct Case {
    const char* what;
    bool (*call)(Font&, gdiplus::HDC);
  };
  const Case cases[] = {
      {"CreateFromLogfontA",
       [](Font& f, gdiplus::HDC d) { return f.CreateFromLogfontA(d, nullptr); }},
      {"CreateFromLogfontW",
       [](Font& f, gdiplus::HDC d) { return f.CreateFromLogfontW(d, nullptr); }},
      {"CreateFromHFONT", [](Font& f, gdiplus::HDC d) { return f.CreateFromHFONT(d, nullptr); }},
      {"CreateFromDC", [](Font& f, gdiplus::HDC d) { return f.CreateFromDC(d); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    fake.WriteHandle(FunctionId::GdipCreateFontFromDC, 1, kFont);
    Font font;
    EXPECT_TRUE(c.call(font, dc));
    ASSERT_EQ(fake.CallNames(), std::vector<std::string>{"GdipCreateFontFromDC"});
    EXPECT_EQ(fake.Calls()[0].args[0], PointerArg(0xDC));
    EXPECT_EQ(font.fontHandle, kFont);
  }
}

TEST(FontForwarding, FailedCloneHandsTheTargetZero) {
  RecordingFake fake;
  fake.SetStatus(FunctionId::GdipCloneFont, Status::OutOfMemory);
  Font font;
  font.SetHandle(kFont);
  Font target;
  target.SetHandle(0x1234);
  EXPECT_FALSE(font.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
  EXPECT_EQ(LastStatus, static_cast<int>(Status::OutOfMemory));
  font.SetHandle(0);
}

}  // namespace
}  // namespace charart::imaging
