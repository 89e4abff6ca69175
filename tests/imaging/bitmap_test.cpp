// Bitmap against the real engine: creation, the empty state, clones into
// the bitmap itself, locked bits, pixels, window-system handles, DIBs and
// bad input.
#include "imaging/core/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "tests/imaging/bitmap_test_support.h"

namespace charart::imaging {
namespace {

using bitmap_test::BitmapOnEngine;
using bitmap_test::KnownColours;
using bitmap_test::Paint;
using bitmap_test::PaintKnown;
using bitmap_test::Pixels;
using gdiplus::Status;

constexpr std::int32_t kLockRead = 1;
constexpr std::int32_t kLockWrite = 2;

TEST_F(BitmapOnEngine, CreateFromSizeMakesAClearedArgbCanvas) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(2000, 1000));
  EXPECT_NE(bitmap.GetHandle(), 0u);
  EXPECT_EQ(bitmap.imageHandle, bitmap.GetHandle());
  EXPECT_EQ(bitmap.bitmapHandle, bitmap.GetHandle());
  EXPECT_EQ(bitmap.GetWidth(), 2000);
  EXPECT_EQ(bitmap.GetHeight(), 1000);
  EXPECT_EQ(bitmap.GetPixelFormat(), kPixelFormat32bppArgb);
  const SizeF size = bitmap.GetDimension();
  EXPECT_EQ(size.width, 2000.0f);
  EXPECT_EQ(size.height, 1000.0f);
  for (const auto& [x, y] : {std::pair{0, 0}, {1999, 0}, {0, 999}, {1999, 999}, {1000, 500}}) {
    EXPECT_EQ(bitmap.GetPixel(x, y), 0u) << x << "," << y;
  }
}

TEST_F(BitmapOnEngine, AnEmptyBitmapAnswersZeroAndAFailedStatus) {
  Bitmap bitmap;
  LastStatus = 0;
  EXPECT_EQ(bitmap.GetWidth(), 0);
  EXPECT_NE(LastStatus, 0);
  LastStatus = 0;
  EXPECT_EQ(bitmap.GetHeight(), 0);
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(bitmap.GetPixel(0, 0), 0u);
  EXPECT_TRUE(bitmap.GetRawFormat().IsEmpty());
  RectF bounds{1, 2, 3, 4};
  EXPECT_NE(bitmap.GetBounds(bounds), 0);
  EXPECT_FALSE(bitmap.SetPixel(0, 0, 0xFF000000));
}

TEST_F(BitmapOnEngine, DisposeReleasesOnceThenRefusesWithoutTouchingTheStatus) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(4, 4));
  EXPECT_TRUE(bitmap.Dispose());
  EXPECT_EQ(bitmap.GetHandle(), 0u);
  EXPECT_EQ(bitmap.imageHandle, 0u);
  EXPECT_EQ(bitmap.bitmapHandle, 0u);
  LastStatus = 77;
  EXPECT_FALSE(bitmap.Dispose());
  EXPECT_EQ(LastStatus, 77);
}

TEST_F(BitmapOnEngine, QueriesDescribeTheBitmap) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(7, 5));
  EXPECT_EQ(bitmap.GetType(), 1);  // ImageTypeBitmap
  RectF bounds;
  std::int32_t unit = -1;
  EXPECT_EQ(bitmap.GetBounds(bounds, &unit), 0);
  EXPECT_EQ(bounds.width, 7.0f);
  EXPECT_EQ(bounds.height, 5.0f);
  EXPECT_EQ(unit, 2);  // UnitPixel
  ASSERT_TRUE(bitmap.SetResolution(150.0f, 75.0f));
  EXPECT_EQ(bitmap.GetHorizontalResolution(), 150.0f);
  EXPECT_EQ(bitmap.GetVerticalResolution(), 75.0f);
  LastStatus = 5;
  (void)bitmap.GetFlags();
  EXPECT_EQ(LastStatus, 0);
}

TEST_F(BitmapOnEngine, PixelsKeepTheirValues) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  EXPECT_EQ(Pixels(bitmap), KnownColours());
}

TEST_F(BitmapOnEngine, CloneAreaIIntoItselfHoldsTheClippedPicture) {
  Bitmap bitmap;
  ASSERT_TRUE(Paint(bitmap, 6, 5, [](std::int32_t x, std::int32_t y) {
    return 0xFF000000u | static_cast<ArgbColor>(y * 16 + x);
  }));
  const Handle before = bitmap.GetHandle();
  ASSERT_TRUE(bitmap.CloneAreaI(MakeRect(2, 1, 3, 2), kPixelFormat32bppArgb, bitmap));
  EXPECT_NE(bitmap.GetHandle(), before);
  EXPECT_EQ(bitmap.imageHandle, bitmap.bitmapHandle);
  EXPECT_EQ(bitmap.GetWidth(), 3);
  EXPECT_EQ(bitmap.GetHeight(), 2);
  EXPECT_EQ(Pixels(bitmap), (std::vector<ArgbColor>{0xFF000012, 0xFF000013, 0xFF000014, 0xFF000022,
                                                    0xFF000023, 0xFF000024}));
}

TEST_F(BitmapOnEngine, CloneAreaWithFloatsIntoAnotherBitmap) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  Bitmap target;
  ASSERT_TRUE(source.CloneArea(MakeRectF(1, 1, 2, 2), kPixelFormat32bppArgb, target));
  EXPECT_EQ(Pixels(target), (std::vector<ArgbColor>{KnownColours()[5], KnownColours()[6],
                                                    KnownColours()[9], KnownColours()[10]}));
  EXPECT_EQ(source.GetWidth(), 4);  // the source is not changed
}

TEST_F(BitmapOnEngine, CloneAndThumbnailIntoItself) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  ASSERT_TRUE(bitmap.Clone(bitmap));
  EXPECT_EQ(Pixels(bitmap), KnownColours());
  ASSERT_TRUE(bitmap.GetThumbnail(8, 6, bitmap));
  EXPECT_EQ(bitmap.GetWidth(), 8);
  EXPECT_EQ(bitmap.GetHeight(), 6);
}

TEST_F(BitmapOnEngine, AFailedCloneStillHandsOverItsEmptyResult) {
  Bitmap source;
  ASSERT_TRUE(source.CreateFromSize(4, 4));
  Bitmap target;
  ASSERT_TRUE(target.CreateFromSize(2, 2));
  EXPECT_FALSE(source.CloneAreaI(MakeRect(2, 2, 5, 5), kPixelFormat32bppArgb, target));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(target.GetHandle(), 0u);
  EXPECT_EQ(source.GetWidth(), 4);
}

TEST_F(BitmapOnEngine, LockBitsReadsAndWritesThePixels) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  BitmapData data;
  ASSERT_TRUE(
      bitmap.LockBits(MakeRect(0, 0, 4, 3), kLockRead | kLockWrite, kPixelFormat32bppArgb, data));
  EXPECT_EQ(data.width, 4u);
  EXPECT_EQ(data.height, 3u);
  EXPECT_EQ(data.pixelFormat, kPixelFormat32bppArgb);
  ASSERT_NE(data.scan0, nullptr);
  for (std::int32_t y = 0; y < 3; ++y) {
    auto* row =
        reinterpret_cast<ArgbColor*>(static_cast<std::uint8_t*>(data.scan0) + y * data.stride);
    for (std::int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(row[x], KnownColours()[y * 4 + x]) << x << "," << y;
      row[x] = 0xFF000000u | static_cast<ArgbColor>(y * 4 + x);
    }
  }
  ASSERT_TRUE(bitmap.UnlockBits(data));
  EXPECT_EQ(bitmap.GetPixel(3, 2), 0xFF00000Bu);
  EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF000001u);
}

// A buffer of the caller's own is filled and read at the caller's stride:
// wider than a row, bottom-up (negative), or refused when narrower than a
// row. Guard words around the buffer must survive.
TEST_F(BitmapOnEngine, LockBitsIntoTheCallersBufferKeepsTheCallersStride) {
  constexpr std::int32_t kUserBuffer = 4;
  constexpr std::uint32_t kGuard = 0xDEADBEEFu;
  struct Case {
    std::int32_t stride;  // bytes; a row of 4 ARGB pixels is 16
    bool accepted;
  };
  for (const Case c : {Case{32, true}, Case{-16, true}, Case{16, true}, Case{8, false}}) {
    SCOPED_TRACE(c.stride);
    Bitmap bitmap;
    ASSERT_TRUE(PaintKnown(bitmap));  // 4 x 3
    const std::int32_t reach = c.stride < 0 ? -c.stride : c.stride;
    const std::size_t words = static_cast<std::size_t>(reach) / 4 * 3;
    std::vector<std::uint32_t> buffer(words + 16, kGuard);  // 8 guard words each side
    std::uint32_t* first = buffer.data() + 8;
    BitmapData data;
    data.stride = c.stride;
    data.scan0 = c.stride < 0 ? first + (words - static_cast<std::size_t>(reach) / 4) : first;
    const bool locked = bitmap.LockBits(MakeRect(0, 0, 4, 3), kLockRead | kLockWrite | kUserBuffer,
                                        kPixelFormat32bppArgb, data);
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(buffer[i], kGuard) << "before the buffer, word " << i;
      EXPECT_EQ(buffer[8 + words + i], kGuard) << "after the buffer, word " << i;
    }
    if (!c.accepted) {
      EXPECT_FALSE(locked);
      EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
      EXPECT_EQ(std::count(buffer.begin(), buffer.end(), kGuard),
                static_cast<std::ptrdiff_t>(buffer.size()));
      continue;
    }
    ASSERT_TRUE(locked);
    EXPECT_EQ(data.stride, c.stride);
    auto row = [&](std::int32_t y) {
      return reinterpret_cast<ArgbColor*>(static_cast<std::uint8_t*>(data.scan0) +
                                          std::ptrdiff_t{c.stride} * y);
    };
    for (std::int32_t y = 0; y < 3; ++y) {
      for (std::int32_t x = 0; x < 4; ++x) {
        EXPECT_EQ(row(y)[x], KnownColours()[y * 4 + x]) << x << "," << y;
        row(y)[x] = 0xFF000000u | static_cast<ArgbColor>(y * 4 + x);
      }
    }
    ASSERT_TRUE(bitmap.UnlockBits(data));
    EXPECT_EQ(bitmap.GetPixel(3, 2), 0xFF00000Bu);
    EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFF000005u);
  }
}

// A write-only lock of the caller's buffer leaves the pixels the caller put
// there, and the unlock writes them into the bitmap.
TEST_F(BitmapOnEngine, AWriteOnlyLockOfTheCallersBufferWritesItsPixels) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  std::vector<ArgbColor> mine(4 * 3);
  for (std::size_t i = 0; i < mine.size(); ++i) mine[i] = 0xFF000100u + static_cast<ArgbColor>(i);
  BitmapData data;
  data.stride = 16;
  data.scan0 = mine.data();
  ASSERT_TRUE(bitmap.LockBits(MakeRect(0, 0, 4, 3), kLockWrite | 4, kPixelFormat32bppArgb, data));
  EXPECT_EQ(mine[5], 0xFF000105u);
  ASSERT_TRUE(bitmap.UnlockBits(data));
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFF000105u);
  EXPECT_EQ(bitmap.GetPixel(3, 2), 0xFF00010Bu);
}

TEST_F(BitmapOnEngine, RotateFlipTurnsThePicture) {
  Bitmap bitmap;
  ASSERT_TRUE(Paint(bitmap, 3, 2, [](std::int32_t x, std::int32_t y) {
    return 0xFF000000u | static_cast<ArgbColor>(y * 3 + x);
  }));
  ASSERT_TRUE(bitmap.RotateFlip(1));  // 90 degrees clockwise
  EXPECT_EQ(bitmap.GetWidth(), 2);
  EXPECT_EQ(bitmap.GetHeight(), 3);
  EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF000003u);
  EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF000000u);
}

TEST_F(BitmapOnEngine, MovingCarriesTheImageAndItsStream) {
  Bitmap first;
  ASSERT_TRUE(PaintKnown(first));
  const Handle handle = first.GetHandle();
  Bitmap second(std::move(first));
  EXPECT_EQ(first.GetHandle(), 0u);
  EXPECT_EQ(second.GetHandle(), handle);
  EXPECT_EQ(second.bitmapHandle, handle);
  Bitmap third;
  ASSERT_TRUE(third.CreateFromSize(1, 1));
  third = std::move(second);
  EXPECT_EQ(third.GetHandle(), handle);
  EXPECT_EQ(Pixels(third), KnownColours());
}

TEST_F(BitmapOnEngine, ACopyBorrowsTheImageAndNeverDisposesIt) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  {
    auto copy = bitmap.Copy();
    auto& borrowed = static_cast<Bitmap&>(*copy);
    EXPECT_EQ(borrowed.bitmapHandle, bitmap.GetHandle());
    EXPECT_EQ(borrowed.GetPixel(0, 0), KnownColours()[0]);
    EXPECT_FALSE(borrowed.Dispose());
    EXPECT_EQ(borrowed.GetHandle(), 0u);
  }
  EXPECT_EQ(Pixels(bitmap), KnownColours());
}

TEST_F(BitmapOnEngine, HbitmapAndHiconComeBackAsBitmaps) {
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  gdiplus::HBITMAP hbitmap = bitmap.CreateHBITMAP();
  ASSERT_NE(hbitmap, nullptr);
  Bitmap fromHbitmap;
  ASSERT_TRUE(fromHbitmap.CreateFromHBITMAP(hbitmap));
  EXPECT_EQ(Pixels(fromHbitmap), KnownColours());
  EXPECT_TRUE(win32::DeleteObject(hbitmap));
  EXPECT_FALSE(fromHbitmap.CreateFromHBITMAP(hbitmap));  // released: no longer a handle
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));

  gdiplus::HICON icon = bitmap.CreateHICON();
  ASSERT_NE(icon, nullptr);
  Bitmap fromIcon;
  ASSERT_TRUE(fromIcon.CreateFromHICON(icon));
  EXPECT_EQ(fromIcon.GetWidth(), 4);
  EXPECT_FALSE(win32::DeleteObject(icon));  // an icon is not a bitmap handle
  EXPECT_TRUE(win32::DestroyIcon(icon));
}

TEST_F(BitmapOnEngine, AnHbitmapIsComposedOverItsBackground) {
  Bitmap bitmap;
  ASSERT_TRUE(Paint(bitmap, 3, 1, [](std::int32_t x, std::int32_t) {
    return std::vector<ArgbColor>{0x00000000, 0x80FF0000, 0xFF00FF00}[x];
  }));
  gdiplus::HBITMAP hbitmap = bitmap.CreateHBITMAP(0xFF0000FF);
  ASSERT_NE(hbitmap, nullptr);
  Bitmap flattened;
  ASSERT_TRUE(flattened.CreateFromHBITMAP(hbitmap));
  EXPECT_EQ(flattened.GetPixel(0, 0), 0xFF0000FFu);
  const ArgbColor half = flattened.GetPixel(1, 0);
  EXPECT_EQ(half >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), 0x80, 1);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), 0x7F, 1);
  EXPECT_EQ(flattened.GetPixel(2, 0), 0xFF00FF00u);
  EXPECT_TRUE(win32::DeleteObject(hbitmap));
}

TEST_F(BitmapOnEngine, StrayWindowSystemHandlesAreRefused) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(2, 2));
  // Not a handle GDI+ made: even a live GDI+ bitmap's address is refused.
  auto* stray = reinterpret_cast<gdiplus::HBITMAP>(bitmap.GetHandle());
  Bitmap other;
  for (const bool ok : {other.CreateFromHBITMAP(stray), other.CreateFromHICON(stray),
                        other.CreateFromHBITMAP(reinterpret_cast<gdiplus::HBITMAP>(0x1234))}) {
    EXPECT_FALSE(ok);
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
    EXPECT_EQ(other.GetHandle(), 0u);
  }
  EXPECT_FALSE(other.CreateFromResource(nullptr, 101));
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
  EXPECT_EQ(other.GetHandle(), 0u);
}

// A DIB of the given depth and orientation whose pixel (x, y), counted from
// the top, is colour(x, y).
struct Dib {
  gdiplus::BITMAPINFO info{};
  std::vector<std::uint8_t> bits;
};

Dib MakeDib(std::int32_t width, std::int32_t height, std::uint16_t bitCount, bool topDown) {
  Dib dib;
  dib.info.bmiHeader.biSize = sizeof(gdiplus::BITMAPINFOHEADER);
  dib.info.bmiHeader.biWidth = width;
  dib.info.bmiHeader.biHeight = topDown ? -height : height;
  dib.info.bmiHeader.biPlanes = 1;
  dib.info.bmiHeader.biBitCount = bitCount;
  const std::int32_t stride = ((width * bitCount + 31) / 32) * 4;
  dib.bits.assign(static_cast<std::size_t>(stride * height), 0xEE);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::int32_t row = topDown ? y : height - 1 - y;
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint8_t* pixel = dib.bits.data() + row * stride + x * (bitCount / 8);
      pixel[0] = static_cast<std::uint8_t>(0x10 + x);  // blue
      pixel[1] = static_cast<std::uint8_t>(0x20 + y);  // green
      pixel[2] = 0x30;                                 // red
    }
  }
  return dib;
}

TEST_F(BitmapOnEngine, GdiDibsOfBothDepthsAndOrientationsAreCopied) {
  struct Case {
    std::uint16_t bitCount;
    bool topDown;
    std::int32_t format;
  };
  for (const Case c : {Case{24, false, 0x21808}, Case{24, true, 0x21808}, Case{32, false, 0x22009},
                       Case{32, true, 0x22009}}) {
    SCOPED_TRACE(testing::Message() << c.bitCount << " bits, top-down " << c.topDown);
    Dib dib = MakeDib(3, 2, c.bitCount, c.topDown);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromGdiDib(&dib.info, dib.bits.data()));
    std::fill(dib.bits.begin(), dib.bits.end(), 0);  // the bitmap holds its own copy
    EXPECT_EQ(bitmap.GetPixelFormat(), c.format);
    EXPECT_EQ(bitmap.GetWidth(), 3);
    EXPECT_EQ(bitmap.GetHeight(), 2);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF302010u);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0xFF302112u);
  }
}

TEST_F(BitmapOnEngine, UnsupportedOrMalformedDibsAreRefused) {
  Dib dib = MakeDib(2, 2, 24, false);
  struct Case {
    const char* what;
    void (*spoil)(gdiplus::BITMAPINFOHEADER&);
    Status expected;
  };
  for (const Case c : {
           Case{"8 bits", [](auto& h) { h.biBitCount = 8; }, Status::NotImplemented},
           Case{"bit fields", [](auto& h) { h.biCompression = 3; }, Status::NotImplemented},
           Case{"zero width", [](auto& h) { h.biWidth = 0; }, Status::InvalidParameter},
           Case{"zero height", [](auto& h) { h.biHeight = 0; }, Status::InvalidParameter},
           Case{"short header", [](auto& h) { h.biSize = 12; }, Status::InvalidParameter},
           Case{"huge", [](auto& h) { h.biWidth = h.biHeight = 100000; }, Status::OutOfMemory},
       }) {
    SCOPED_TRACE(c.what);
    Dib spoiled = dib;
    c.spoil(spoiled.info.bmiHeader);
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.CreateFromGdiDib(&spoiled.info, spoiled.bits.data()));
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(c.expected));
    EXPECT_EQ(bitmap.GetHandle(), 0u);
  }
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromGdiDib(nullptr, dib.bits.data()));
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
}

TEST_F(BitmapOnEngine, ImpossibleSizesAndAreasFailAndLeaveTheObjectEmpty) {
  struct Case {
    const char* what;
    std::int32_t width;
    std::int32_t height;
  };
  for (const Case c : {Case{"zero width", 0, 10}, Case{"zero height", 10, 0},
                       Case{"negative", -5, 10}, Case{"huge", 100000, 100000}}) {
    SCOPED_TRACE(c.what);
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.CreateFromSize(c.width, c.height));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(bitmap.GetHandle(), 0u);
  }
  Bitmap source;
  ASSERT_TRUE(source.CreateFromSize(8, 8));
  for (const Rect area : {MakeRect(0, 0, 0, 4), MakeRect(0, 0, 4, 0), MakeRect(0, 0, -2, 4),
                          MakeRect(-1, 0, 4, 4), MakeRect(6, 6, 4, 4), MakeRect(0, 0, 100000, 8)}) {
    SCOPED_TRACE(testing::Message()
                 << area.x << "," << area.y << " " << area.width << "x" << area.height);
    Bitmap target;
    EXPECT_FALSE(source.CloneAreaI(area, kPixelFormat32bppArgb, target));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(target.GetHandle(), 0u);
  }
  EXPECT_EQ(source.GetWidth(), 8);
}

}  // namespace
}  // namespace charart::imaging
