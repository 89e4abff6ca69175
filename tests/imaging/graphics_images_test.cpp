// Graphics images on the real engine: a small four-colour picture drawn at
// points, into rectangles, onto parallelograms, from source rectangles, as
// a cached bitmap; metafiles drawn and enumerated.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "imaging/surface/graphics.h"
#include "tests/imaging/graphics_test_support.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;
using values::ValueArray;

constexpr ARGB kGreen = 0xFF00FF00;

// A 4 x 4 picture: red, green / blue, black quarters of 2 x 2 pixels.
Native Quarters() {
  Native bitmap = MakeBitmap(4, 4);
  const ARGB colours[2][2] = {{kRed, kGreen}, {kBlue, kBlack}};
  for (std::int32_t y = 0; y < 4; ++y) {
    for (std::int32_t x = 0; x < 4; ++x) {
      Api().GdipBitmapSetPixel(As<GpBitmap>(bitmap.GetHandle()), x, y, colours[y / 2][x / 2]);
    }
  }
  return bitmap;
}

// The quarter colours a drawing should show, sampled at the centre of each
// quarter of the destination square (x, y, size).
void ExpectQuarters(const Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t size,
                    const ARGB (&expected)[2][2]) {
  const std::int32_t half = size / 2;
  for (std::int32_t qy = 0; qy < 2; ++qy) {
    for (std::int32_t qx = 0; qx < 2; ++qx) {
      const std::int32_t px = x + qx * half + half / 2;
      const std::int32_t py = y + qy * half + half / 2;
      EXPECT_EQ(canvas.Pixel(px, py), expected[qy][qx])
          << "quarter " << qx << "," << qy << " at " << px << "," << py;
    }
  }
}

constexpr ARGB kUpright[2][2] = {{kRed, kGreen}, {kBlue, kBlack}};
constexpr ARGB kMirrored[2][2] = {{kGreen, kRed}, {kBlack, kBlue}};

class GraphicsImages : public OnEngine {
 protected:
  void SetUp() override {
    OnEngine::SetUp();
    picture = Quarters();
  }
  Native picture;
};

TEST_F(GraphicsImages, EachFormDrawsThePictureWhereItShould) {
  struct Case {
    const char* name;
    std::function<bool(Graphics&, const GdiplusObject&)> draw;
    std::int32_t x, y, size;
    const ARGB (&expected)[2][2];
  };
  const Case cases[] = {
      {"at a point", [](Graphics& g, auto& p) { return g.DrawImage(p, 3, 2); }, 3, 2, 4, kUpright},
      {"at an integer point", [](Graphics& g, auto& p) { return g.DrawImageI(p, 5, 6); }, 5, 6, 4,
       kUpright},
      {"into a rectangle", [](Graphics& g, auto& p) { return g.DrawImageRect(p, 2, 2, 8, 8); }, 2,
       2, 8, kUpright},
      {"into an integer rectangle",
       [](Graphics& g, auto& p) { return g.DrawImageRectI(p, 4, 0, 12, 12); }, 4, 0, 12, kUpright},
      {"onto three points",
       [](Graphics& g, auto& p) { return g.DrawImagePoints(p, 0, 0, 8, 0, 0, 8); }, 0, 0, 8,
       kUpright},
      {"onto three points, mirrored",
       [](Graphics& g, auto& p) { return g.DrawImagePointsI(p, 8, 0, 0, 0, 8, 8); }, 0, 0, 8,
       kMirrored},
      {"a source rectangle at a point",
       [](Graphics& g, auto& p) { return g.DrawImagePointRect(p, 1, 1, 0, 0, 4, 4); }, 1, 1, 4,
       kUpright},
      {"rectangle to rectangle",
       [](Graphics& g, auto& p) { return g.DrawImageRectRectI(p, 0, 0, 16, 16, 0, 0, 4, 4); }, 0, 0,
       16, kUpright},
      {"source rectangle onto three points",
       [](Graphics& g, auto& p) {
         return g.DrawImagePointsRect(p, 12, 0, 0, 0, 12, 12, 0, 0, 4, 4);
       },
       0, 0, 12, kMirrored},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(16, 16);
    ASSERT_TRUE(canvas.graphics.SetInterpolationMode(5));  // nearest neighbour
    ASSERT_TRUE(c.draw(canvas.graphics, picture)) << StatusName(LastStatus);
    ExpectQuarters(canvas, c.x, c.y, c.size, c.expected);
  }
}

TEST_F(GraphicsImages, ASourceRectangleDrawsOnlyItsPart) {
  Canvas canvas(8, 8);
  ASSERT_TRUE(canvas.graphics.DrawImagePointRectI(picture, 3, 3, 2, 2, 2, 2));
  EXPECT_EQ(canvas.Pixel(3, 3), kBlack);
  EXPECT_EQ(canvas.Pixel(4, 4), kBlack);
  EXPECT_EQ(canvas.Pixel(5, 5), kNothing);
  EXPECT_EQ(canvas.Pixel(2, 2), kNothing);
}

TEST_F(GraphicsImages, ImageAttributesAreTakenWhenGiven) {
  Native attributes = MakeImageAttributes();
  ASSERT_NE(attributes.GetHandle(), 0u);
  Canvas canvas(8, 8);
  ASSERT_TRUE(canvas.graphics.DrawImageRectRect(picture, 0, 0, 4, 4, 0, 0, 4, 4, 2, &attributes))
      << StatusName(LastStatus);
  EXPECT_EQ(canvas.Pixel(0, 0), kRed);
  ASSERT_TRUE(canvas.graphics.DrawImagePointsRectI(picture, 4, 4, 8, 4, 4, 8, 0, 0, 4, 4,
                                                   std::nullopt, &attributes));
  EXPECT_EQ(canvas.Pixel(7, 7), kBlack);
}

TEST_F(GraphicsImages, NoImageIsRefused) {
  Native none;
  Canvas canvas(8, 8);
  EXPECT_FALSE(canvas.graphics.DrawImage(none, 0, 0));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(canvas.graphics.DrawImageRect(none, 0, 0, 4, 4));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(canvas.graphics.DrawImagePoints(none, 0, 0, 4, 0, 0, 4));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(canvas.graphics.DrawCachedBitmap(none, 0, 0));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.Inked(), 0);
}

// A cached bitmap is the bitmap it caches, drawn pixel for pixel at its
// position truncated toward zero.
TEST_F(GraphicsImages, ACachedBitmapDrawsLikeItsBitmapAtATruncatedPosition) {
  Canvas canvas(16, 8);
  ASSERT_TRUE(canvas.graphics.DrawCachedBitmap(picture, 10.7f, -3.2f)) << StatusName(LastStatus);
  // Rows -3..0 of the picture land on rows 0..0: only its last row shows.
  EXPECT_EQ(canvas.Pixel(10, 0), kBlue);
  EXPECT_EQ(canvas.Pixel(13, 0), kBlack);
  EXPECT_EQ(canvas.Pixel(9, 0), kNothing);
  EXPECT_EQ(canvas.Pixel(10, 1), kNothing);
}

TEST_F(GraphicsImages, ACachedBitmapMovesWithTheWorldButRefusesToTurnOrGrow) {
  {
    Canvas canvas(16, 16);
    ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 5));
    ASSERT_TRUE(canvas.graphics.DrawCachedBitmap(picture, 1, 1));
    EXPECT_EQ(canvas.Pixel(6, 6), kRed);
    EXPECT_EQ(canvas.Pixel(9, 9), kBlack);
  }
  for (bool rotate : {true, false}) {
    SCOPED_TRACE(rotate ? "rotated" : "scaled");
    Canvas canvas(16, 16);
    ASSERT_TRUE(rotate ? canvas.graphics.RotateWorldTransform(90)
                       : canvas.graphics.ScaleWorldTransform(2, 2));
    EXPECT_FALSE(canvas.graphics.DrawCachedBitmap(picture, 1, 1));
    EXPECT_EQ(LastStatus, 8);  // WrongState
    EXPECT_EQ(canvas.Inked(), 0);
  }
}

// A placeable Windows metafile of one rectangle from (10, 10) to (50, 50),
// in the default white brush, in a 100 x 100 frame at 96 units per inch.
std::vector<std::uint8_t> RectangleMetafile() {
  std::vector<std::uint8_t> bytes;
  auto word = [&](std::uint16_t w) {
    bytes.push_back(static_cast<std::uint8_t>(w));
    bytes.push_back(static_cast<std::uint8_t>(w >> 8));
  };
  auto dword = [&](std::uint32_t d) {
    word(static_cast<std::uint16_t>(d));
    word(static_cast<std::uint16_t>(d >> 16));
  };
  // Placeable header: key, handle, frame, units per inch, reserved, checksum.
  const std::uint16_t header[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 100, 100, 96, 0, 0};
  std::uint16_t checksum = 0;
  for (std::uint16_t w : header) {
    word(w);
    checksum ^= w;
  }
  word(checksum);
  // Metafile header: type, size in words, version, total words, objects,
  // largest record, parameters.
  const std::uint32_t records = 7 + 3;
  word(1);
  word(9);
  word(0x0300);
  dword(9 + records);
  word(0);
  dword(7);
  word(0);
  // META_RECTANGLE: bottom, right, top, left.
  dword(7);
  word(0x041B);
  word(50);
  word(50);
  word(10);
  word(10);
  // META_EOF.
  dword(3);
  word(0);
  return bytes;
}

class Metafiles : public GraphicsImages {
 protected:
  void SetUp() override {
    GraphicsImages::SetUp();
    path = std::filesystem::temp_directory_path() /
           ("charart_graphics_" + std::to_string(::getpid()) + ".wmf");
    const auto bytes = RectangleMetafile();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    using FromFile = Status (*)(const WCHAR*, GpMetafile**);
    static const auto create = RawFunction<FromFile>("GdipCreateMetafileFromFile");
    const std::string narrow = path.string();
    const std::u16string wide(narrow.begin(), narrow.end());
    GpMetafile* native = nullptr;
    ASSERT_EQ(create(wide.c_str(), &native), Status::Ok);
    metafile = Native(reinterpret_cast<Handle>(native),
                      [](Handle h) { Api().GdipDisposeImage(As<GpImage>(h)); });
  }
  void TearDown() override { std::filesystem::remove(path); }

  std::filesystem::path path;
  Native metafile;
};

// libgdiplus plays a metafile image onto three points (and at a point); the
// rectangle forms answer NotImplemented (see docs/platform-notes.md).
TEST_F(Metafiles, AMetafileImageIsPlayedOntoThreePoints) {
  Canvas canvas(100, 100);
  ASSERT_TRUE(canvas.graphics.DrawImagePoints(metafile, 0, 0, 100, 0, 0, 100))
      << StatusName(LastStatus);
  EXPECT_EQ(canvas.Pixel(30, 30), 0xFFFFFFFF) << "the white rectangle";
  EXPECT_EQ(canvas.Pixel(70, 70), kNothing);
  EXPECT_EQ(canvas.Pixel(5, 5), kNothing);
  EXPECT_TRUE(canvas.graphics.DrawImage(metafile, 0, 0));

  EXPECT_FALSE(canvas.graphics.DrawImageRect(metafile, 0, 0, 100, 100));
  EXPECT_EQ(LastStatus, 6);
  EXPECT_FALSE(canvas.graphics.DrawImagePointRectI(metafile, 0, 0, 0, 0, 100, 100));
  EXPECT_EQ(LastStatus, 6);
}

BOOL CountRecord(INT, UINT, UINT, const BYTE*, void* data) {
  ++*static_cast<int*>(data);
  return 1;
}

// libgdiplus plays metafiles only as images: every enumeration answers
// NotImplemented (see docs/platform-notes.md) and calls back nothing.
TEST_F(Metafiles, EnumerationIsNotImplementedByTheEngine) {
  Canvas canvas(8, 8);
  Graphics& g = canvas.graphics;
  int records = 0;
  ValueArray<PointF> points{PointF{0, 0}, PointF{8, 0}, PointF{0, 8}};
  ValueArray<Point> pointsI{Point{0, 0}, Point{8, 0}, Point{0, 8}};
  const RectF rect{0, 0, 8, 8};
  const Rect rectI{0, 0, 8, 8};
  void* data = &records;
  const bool results[] = {
      g.EnumerateMetafileDestPoint(metafile, PointF{0, 0}, CountRecord, data),
      g.EnumerateMetafileDestPointI(metafile, Point{0, 0}, CountRecord, data),
      g.EnumerateMetafileDestPoints(metafile, points, CountRecord, data),
      g.EnumerateMetafileDestPointsI(metafile, pointsI, CountRecord, data),
      g.EnumerateMetafileDestRect(metafile, rect, CountRecord, data),
      g.EnumerateMetafileDestRectI(metafile, rectI, CountRecord, data),
      g.EnumerateMetafileSrcRectDestPoint(metafile, PointF{0, 0}, rect, 2, CountRecord, data),
      g.EnumerateMetafileSrcRectDestPointI(metafile, Point{0, 0}, rectI, 2, CountRecord, data),
      g.EnumerateMetafileSrcRectDestPoints(metafile, points, rect, 2, CountRecord, data),
      g.EnumerateMetafileSrcRectDestPointsI(metafile, pointsI, rectI, 2, CountRecord, data),
      g.EnumerateMetafileSrcRectDestRect(metafile, rect, rect, 2, CountRecord, data),
      g.EnumerateMetafileSrcRectDestRectI(metafile, rectI, rectI, 2, CountRecord, data),
  };
  for (std::size_t i = 0; i < std::size(results); ++i) EXPECT_FALSE(results[i]) << i;
  EXPECT_EQ(LastStatus, 6);
  EXPECT_EQ(records, 0);
  EXPECT_EQ(points[3].y, 8.0f);
}

TEST_F(Metafiles, AMetafileIsNoCachedBitmap) {
  Canvas canvas(8, 8);
  EXPECT_FALSE(canvas.graphics.DrawCachedBitmap(metafile, 0, 0));
  EXPECT_EQ(LastStatus, 2);
}

}  // namespace
}  // namespace charart::imaging
