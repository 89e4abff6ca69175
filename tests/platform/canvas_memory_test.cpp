// The fresh-bitmap adapters (zero pages for new ARGB pixels and for the first
// graphics' premultiplied copy, area-only conversion before a clone) against
// libgdiplus's own functions: the same scene, drawn once through the binder
// and once through the raw library, must leave the same straight pixels,
// clones, flags and formats, whatever wrote the pixels before the first
// graphics.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "platform/gdiplus/gdiplus_api.h"
#include "tests/support/raw_graphics.h"

namespace charart::gdiplus {
namespace {

constexpr PixelFormat kArgb = 0x26200A;
constexpr UINT kLockRead = 1;
constexpr UINT kLockWrite = 2;
constexpr INT kWidth = 2000;
constexpr INT kHeight = 1000;

// The flat functions a scene uses, either as the binder hands them out
// (adapters included) or straight from libgdiplus.
struct Flat {
  decltype(FunctionTable::GdipCreateBitmapFromScan0) createBitmap;
  decltype(FunctionTable::GdipGetImageGraphicsContext) graphicsOf;
  decltype(FunctionTable::GdipBitmapSetPixel) setPixel;
  decltype(FunctionTable::GdipBitmapGetPixel) getPixel;
  decltype(FunctionTable::GdipCloneBitmapArea) cloneArea;
  decltype(FunctionTable::GdipCloneBitmapAreaI) cloneAreaI;
  decltype(FunctionTable::GdipDisposeImage) dispose;

  static Flat Adapted() {
    const FunctionTable& api = Api();
    return {api.GdipCreateBitmapFromScan0, api.GdipGetImageGraphicsContext,
            api.GdipBitmapSetPixel,        api.GdipBitmapGetPixel,
            api.GdipCloneBitmapArea,       api.GdipCloneBitmapAreaI,
            api.GdipDisposeImage};
  }
  static Flat Library() {
    return {RawFn<decltype(createBitmap)>("GdipCreateBitmapFromScan0"),
            RawFn<decltype(graphicsOf)>("GdipGetImageGraphicsContext"),
            RawFn<decltype(setPixel)>("GdipBitmapSetPixel"),
            RawFn<decltype(getPixel)>("GdipBitmapGetPixel"),
            RawFn<decltype(cloneArea)>("GdipCloneBitmapArea"),
            RawFn<decltype(cloneAreaI)>("GdipCloneBitmapAreaI"),
            RawFn<decltype(dispose)>("GdipDisposeImage")};
  }
  template <typename Fn>
  static Fn RawFn(const char* name) {
    return reinterpret_cast<Fn>(RawSymbol(name));
  }
};

// What was written into the canvas before its first graphics.
enum class Before { Nothing, SetPixel, LockedBits };

struct Case {
  const char* name;
  Before before;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

// Everything observable about a scene's result.
struct Result {
  std::vector<std::uint32_t> clone;       // the text's area, cloned (float area)
  std::vector<std::uint32_t> cloneAfter;  // another area, cloned after more drawing
  std::vector<std::uint8_t> canvas;       // the whole canvas, locked for reading
  UINT cloneFlags = 0;
  PixelFormat cloneFormat = 0;
  std::uint32_t setBefore = 0;  // the pixel written before the first graphics

  bool operator==(const Result&) const = default;
};

std::vector<std::uint32_t> Pixels(const Flat& flat, GpBitmap* bitmap) {
  UINT width = 0;
  UINT height = 0;
  Api().GdipGetImageWidth(reinterpret_cast<GpImage*>(bitmap), &width);
  Api().GdipGetImageHeight(reinterpret_cast<GpImage*>(bitmap), &height);
  std::vector<std::uint32_t> pixels;
  for (UINT y = 0; y < height; ++y) {
    for (UINT x = 0; x < width; ++x) {
      ARGB colour = 0;
      flat.getPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &colour);
      pixels.push_back(colour);
    }
  }
  return pixels;
}

void FillRect(GpGraphics* graphics, ARGB colour, float x, float y, float w, float h) {
  GpSolidFill* brush = nullptr;
  Api().GdipCreateSolidFill(colour, &brush);
  Api().GdipFillRectangle(graphics, reinterpret_cast<GpBrush*>(brush), x, y, w, h);
  Api().GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
}

void FillEllipse(GpGraphics* graphics, ARGB colour, float x, float y, float w, float h) {
  GpSolidFill* brush = nullptr;
  Api().GdipCreateSolidFill(colour, &brush);
  Api().GdipSetSmoothingMode(graphics, 4);  // anti-aliased: partly transparent edges
  Api().GdipFillEllipse(graphics, reinterpret_cast<GpBrush*>(brush), x, y, w, h);
  Api().GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
}

void DrawText(GpGraphics* graphics, const char16_t* text, ARGB colour, float x, float y) {
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpSolidFill* brush = nullptr;
  Api().GdipCreateFontFamilyFromName(u"宋体", nullptr, &family);
  Api().GdipCreateFont(family, 12.0f, 0, 0, &font);
  Api().GdipCreateSolidFill(colour, &brush);
  const GpRectF layout{x, y, 400, 40};
  Api().GdipDrawString(graphics, text, -1, font, &layout, nullptr,
                       reinterpret_cast<GpBrush*>(brush));
  Api().GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
  Api().GdipDeleteFont(font);
  Api().GdipDeleteFontFamily(family);
}

// The scene: a 2000 x 1000 ARGB canvas, maybe written before its first
// graphics, semi-transparent shapes and text, a clone, more drawing, a
// second clone, then every straight pixel.
Result Scene(const Flat& flat, Before before) {
  Result r;
  GpBitmap* canvas = nullptr;
  EXPECT_EQ(flat.createBitmap(kWidth, kHeight, 0, kArgb, nullptr, &canvas), Status::Ok);
  if (before == Before::SetPixel) flat.setPixel(canvas, 40, 30, 0x80FF8040);
  if (before == Before::LockedBits) {
    BitmapData data{};
    const GpRect area{30, 20, 20, 20};
    EXPECT_EQ(Api().GdipBitmapLockBits(canvas, &area, kLockWrite, kArgb, &data), Status::Ok);
    for (INT y = 0; y < 20; ++y) {
      auto* row = static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride;
      for (INT x = 0; x < 20; ++x) {
        const std::uint32_t colour = 0x80FF8040;
        std::memcpy(row + 4 * x, &colour, 4);
      }
    }
    EXPECT_EQ(Api().GdipBitmapUnlockBits(canvas, &data), Status::Ok);
  }
  GpGraphics* graphics = nullptr;
  EXPECT_EQ(flat.graphicsOf(reinterpret_cast<GpImage*>(canvas), &graphics), Status::Ok);
  FillRect(graphics, 0x80336699, 10, 10, 120, 40);
  FillEllipse(graphics, 0xC0FF0000, 60, 5, 90, 30);
  DrawText(graphics, u"字符画 text", 0xFF000000, 20, 12);
  DrawText(graphics, u"半透明", 0x7F00A000, 20, 26);
  flat.setPixel(canvas, 5, 5, 0x40112233);  // into the drawn pixels

  GpBitmap* clone = nullptr;
  EXPECT_EQ(flat.cloneArea(2.7f, 3.2f, 160.9f, 45.5f, kArgb, canvas, &clone), Status::Ok);
  r.clone = Pixels(flat, clone);
  Api().GdipGetImageFlags(reinterpret_cast<GpImage*>(clone), &r.cloneFlags);
  Api().GdipGetImagePixelFormat(reinterpret_cast<GpImage*>(clone), &r.cloneFormat);
  flat.dispose(reinterpret_cast<GpImage*>(clone));

  FillEllipse(graphics, 0x60FFFF00, 100, 20, 80, 40);  // over the first area too
  FillRect(graphics, 0x20000080, 1900, 950, 100, 50);
  clone = nullptr;
  EXPECT_EQ(flat.cloneAreaI(90, 0, 120, 70, kArgb, canvas, &clone), Status::Ok);
  r.cloneAfter = Pixels(flat, clone);
  flat.dispose(reinterpret_cast<GpImage*>(clone));
  Api().GdipDeleteGraphics(graphics);

  ARGB colour = 0;
  flat.getPixel(canvas, 40, 30, &colour);
  r.setBefore = colour;
  BitmapData data{};
  const GpRect whole{0, 0, kWidth, kHeight};
  EXPECT_EQ(Api().GdipBitmapLockBits(canvas, &whole, kLockRead, kArgb, &data), Status::Ok);
  for (INT y = 0; y < kHeight; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride;
    r.canvas.insert(r.canvas.end(), row, row + 4 * kWidth);
  }
  Api().GdipBitmapUnlockBits(canvas, &data);
  flat.dispose(reinterpret_cast<GpImage*>(canvas));
  return r;
}

class FreshCanvas : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_P(FreshCanvas, LeavesWhatTheLibraryItselfLeaves) {
  const Result adapted = Scene(Flat::Adapted(), GetParam().before);
  const Result library = Scene(Flat::Library(), GetParam().before);
  ASSERT_FALSE(library.clone.empty());
  // The scene is worth comparing: partly transparent pixels that
  // premultiplication changes, in both clones.
  auto partlyTransparent = [](const std::vector<std::uint32_t>& pixels) {
    int n = 0;
    for (const auto p : pixels) n += (p >> 24) != 0 && (p >> 24) != 0xFF && (p & 0xFFFFFF) != 0;
    return n;
  };
  EXPECT_GT(partlyTransparent(library.clone), 100);
  EXPECT_GT(partlyTransparent(library.cloneAfter), 100);

  EXPECT_EQ(adapted.clone, library.clone);
  EXPECT_EQ(adapted.cloneAfter, library.cloneAfter);
  EXPECT_EQ(adapted.cloneFlags, library.cloneFlags);
  EXPECT_EQ(adapted.cloneFormat, library.cloneFormat);
  EXPECT_EQ(adapted.setBefore, library.setBefore);
  EXPECT_TRUE(adapted.canvas == library.canvas) << "the canvases' straight pixels differ";
  if (GetParam().before != Before::Nothing) {
    EXPECT_NE(library.setBefore, 0u) << "what was written first must survive the graphics";
  }
}

INSTANTIATE_TEST_SUITE_P(, FreshCanvas,
                         ::testing::Values(Case{"DrawnOnly", Before::Nothing},
                                           Case{"PixelSetFirst", Before::SetPixel},
                                           Case{"BitsLockedForWritingFirst", Before::LockedBits}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace charart::gdiplus
