#include "platform/win32/gdi_emulation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdiplus/gdiplus_api.h"
#include "tests/support/raw_graphics.h"

namespace charart::win32 {
namespace {

using gdiplus::Api;
using gdiplus::Status;

TEST(GdiEmulation, TheStockGuiFontIsSongTwelvePixelsHigh) {
  void* font = GetStockObject(DEFAULT_GUI_FONT);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font);
  EXPECT_EQ(GetStockObject(0), nullptr);

  std::uint8_t buffer[64];
  std::memset(buffer, 0xEE, sizeof buffer);
  ASSERT_EQ(GetObjectA(font, 60, buffer), 60);
  EXPECT_EQ(buffer[60], 0xEE);  // nothing past the 60 bytes
  gdiplus::LOGFONTA logFont;
  std::memcpy(&logFont, buffer, sizeof logFont);
  EXPECT_EQ(logFont.lfHeight, -12);
  EXPECT_EQ(logFont.lfWidth, 0);
  EXPECT_EQ(logFont.lfEscapement, 0);
  EXPECT_EQ(logFont.lfOrientation, 0);
  EXPECT_EQ(logFont.lfWeight, 400);
  EXPECT_EQ(logFont.lfItalic + logFont.lfUnderline + logFont.lfStrikeOut, 0);
  EXPECT_EQ(logFont.lfCharSet, 134);
  EXPECT_EQ(logFont.lfOutPrecision + logFont.lfClipPrecision + logFont.lfQuality +
                logFont.lfPitchAndFamily,
            0);
  EXPECT_EQ(std::string(logFont.lfFaceName, 5), std::string("\xCB\xCE\xCC\xE5\0", 5));
  for (int i = 4; i < 32; ++i) EXPECT_EQ(logFont.lfFaceName[i], 0) << i;

  EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);
  EXPECT_EQ(GetObjectA(font, 59, buffer), 0);
  EXPECT_EQ(GetObjectA(buffer, 60, buffer), 0);
  EXPECT_EQ(GetObjectA(nullptr, 60, buffer), 0);
}

TEST(GdiEmulation, LibgdiplusMakesFontsAndGraphicsFromTheScreenDc) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  gdiplus::HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDC(nullptr), screen);  // one screen, counted
  EXPECT_EQ(GetDC(reinterpret_cast<gdiplus::HWND>(8)), nullptr);

  gdiplus::LOGFONTA logFont;
  ASSERT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), 60, &logFont), 60);
  gdiplus::GpFont* font = nullptr;
  ASSERT_EQ(Api().GdipCreateFontFromLogfontA(screen, &logFont, &font), Status::Ok);
  float size = 0;
  EXPECT_EQ(Api().GdipGetFontSize(font, &size), Status::Ok);
  EXPECT_EQ(size, 12.0f);
  // The GBK face name reaches the same family as the name 宋体 does.
  gdiplus::GpFontFamily* family = nullptr;
  gdiplus::GpFontFamily* song = nullptr;
  ASSERT_EQ(Api().GdipGetFamily(font, &family), Status::Ok);
  ASSERT_EQ(Api().GdipCreateFontFamilyFromName(u"宋体", nullptr, &song), Status::Ok);
  char16_t familyName[32] = {};
  char16_t songName[32] = {};
  Api().GdipGetFamilyName(family, familyName, 0);
  Api().GdipGetFamilyName(song, songName, 0);
  EXPECT_EQ(std::u16string(familyName), std::u16string(songName));
  Api().GdipDeleteFontFamily(family);
  Api().GdipDeleteFontFamily(song);

  gdiplus::GpGraphics* graphics = nullptr;
  ASSERT_EQ(Api().GdipCreateFromHDC(screen, &graphics), Status::Ok);
  float dpi = 0;
  EXPECT_EQ(Api().GdipGetDpiX(graphics, &dpi), Status::Ok);
  EXPECT_EQ(dpi, 96.0f);
  // The graphics measures text in the font made from the screen DC.
  const gdiplus::GpRectF layout{0, 0, 1000, 100};
  gdiplus::GpRectF bounds{};
  EXPECT_EQ(Api().GdipMeasureString(graphics, u"字符画", 3, font, &layout, nullptr, &bounds,
                                    nullptr, nullptr),
            Status::Ok);
  EXPECT_GT(bounds.Width, 24.0f);
  EXPECT_GT(bounds.Height, 10.0f);
  Api().GdipDeleteGraphics(graphics);
  Api().GdipDeleteFont(font);

  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0);  // no longer held

  // The screen is made again on demand.
  gdiplus::HDC again = GetDC(nullptr);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(ReleaseDC(reinterpret_cast<gdiplus::HWND>(8), again), 0);
  EXPECT_EQ(ReleaseDC(nullptr, again), 1);
}

}  // namespace
}  // namespace charart::win32
