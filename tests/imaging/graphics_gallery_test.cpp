// The gallery: every shape kind the Graphics class draws, one per cell with
// its name under it, written to docs/gallery.png for people to look at.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "imaging/surface/graphics.h"
#include "tests/imaging/graphics_test_support.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;
using values::ValueArray;

constexpr std::int32_t kCell = 80;
constexpr std::int32_t kColumns = 7;
constexpr std::int32_t kShape = 56;  // the shape's square inside a cell

struct Tools {
  Native pen;
  Native dashed;
  Native brush;
  Native font;
  Native path;
  Native region;
  Native image;
};

struct Entry {
  const char* name;
  std::function<bool(Graphics&, Tools&)> draw;
};

ValueArray<PointF> Zigzag() {
  return ValueArray<PointF>{PointF{4, 8}, PointF{20, 48}, PointF{30, 12}, PointF{40, 48},
                            PointF{52, 8}};
}

std::vector<Entry> Entries() {
  return {
      {"Line", [](Graphics& g, Tools& t) { return g.DrawLine(t.pen, 4, 52, 52, 4); }},
      {"Dashed", [](Graphics& g, Tools& t) { return g.DrawLine(t.dashed, 4, 28, 52, 28); }},
      {"Lines",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawLines(t.pen, p);
       }},
      {"Arc", [](Graphics& g, Tools& t) { return g.DrawArc(t.pen, 4, 4, 48, 48, 30, 240); }},
      {"Bezier",
       [](Graphics& g, Tools& t) { return g.DrawBezier(t.pen, 4, 52, 4, 4, 52, 52, 52, 4); }},
      {"Beziers",
       [](Graphics& g, Tools& t) {
         ValueArray<PointF> p{PointF{4, 28}, PointF{12, 0},  PointF{20, 56}, PointF{28, 28},
                              PointF{36, 0}, PointF{44, 56}, PointF{52, 28}};
         return g.DrawBeziers(t.pen, p);
       }},
      {"Rectangle", [](Graphics& g, Tools& t) { return g.DrawRectangle(t.pen, 8, 14, 40, 28); }},
      {"Rectangles",
       [](Graphics& g, Tools& t) {
         ValueArray<RectF> r{RectF{4, 4, 24, 24}, RectF{20, 20, 30, 30}};
         return g.DrawRectangles(t.pen, r);
       }},
      {"Ellipse", [](Graphics& g, Tools& t) { return g.DrawEllipse(t.pen, 4, 12, 48, 32); }},
      {"Pie", [](Graphics& g, Tools& t) { return g.DrawPie(t.pen, 4, 4, 48, 48, 20, 280); }},
      {"Polygon",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawPolygon(t.pen, p);
       }},
      {"Path", [](Graphics& g, Tools& t) { return g.DrawPath(t.pen, t.path); }},
      {"Curve",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawCurve(t.pen, p);
       }},
      {"Curve2",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawCurve2(t.pen, p, 1.5f);
       }},
      {"Curve3",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawCurve3(t.pen, p, 1, 2, 0.5f);
       }},
      {"Closed",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawClosedCurve(t.pen, p);
       }},
      {"Closed2",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.DrawClosedCurve2(t.pen, p, 0.2f);
       }},
      {"FillRect", [](Graphics& g, Tools& t) { return g.FillRectangle(t.brush, 8, 14, 40, 28); }},
      {"FillRects",
       [](Graphics& g, Tools& t) {
         ValueArray<Rect> r{Rect{4, 4, 20, 20}, Rect{32, 32, 20, 20}, Rect{32, 4, 20, 20}};
         return g.FillRectanglesI(t.brush, r);
       }},
      {"FillPolygon",
       [](Graphics& g, Tools& t) {
         ValueArray<Point> star{Point{28, 2}, Point{44, 54}, Point{2, 20}, Point{54, 20},
                                Point{12, 54}};
         return g.FillPolygonI(t.brush, star, 1);
       }},
      {"FillEllipse", [](Graphics& g, Tools& t) { return g.FillEllipse(t.brush, 4, 12, 48, 32); }},
      {"FillPie", [](Graphics& g, Tools& t) { return g.FillPie(t.brush, 4, 4, 48, 48, 20, 280); }},
      {"FillPath", [](Graphics& g, Tools& t) { return g.FillPath(t.brush, t.path); }},
      {"FillClosed",
       [](Graphics& g, Tools& t) {
         auto p = Zigzag();
         return g.FillClosedCurve(t.brush, p);
       }},
      {"FillRegion", [](Graphics& g, Tools& t) { return g.FillRegion(t.brush, t.region); }},
      {"String",
       [](Graphics& g, Tools& t) {
         return g.DrawString(values::Gbk("字符画"), t.font, t.brush, RectF{4, 20, 56, 16});
       }},
      {"Driver",
       [](Graphics& g, Tools& t) {
         ValueArray<PointF> at{PointF{4, 20}, PointF{20, 34}, PointF{36, 48}};
         return g.DrawDriverString(values::Gbk("字符画"), t.font, t.brush, at);
       }},
      {"Image",
       [](Graphics& g, Tools& t) {
         return g.SetInterpolationMode(5) && g.DrawImageRectI(t.image, 4, 4, 48, 48);
       }},
  };
}

std::u16string Utf16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

TEST(GraphicsGallery, EveryShapeKindDrawsIntoItsCellAndTheGalleryIsWritten) {
  ASSERT_TRUE(StartEngine());
  const auto entries = Entries();
  const auto rows = static_cast<std::int32_t>((entries.size() + kColumns - 1) / kColumns);
  Canvas canvas(kColumns * kCell, rows * kCell);
  ASSERT_TRUE(canvas.graphics.Clear(0xFFFFFFFF));

  Tools tools{MakePen(0xFF1F4E9A, 2), MakePen(0xFFB03A2E, 2),          MakeBrush(0xFF2E8B57),
              MakeFont(12),           MakeRectanglePath(8, 8, 40, 40), MakeRegion(4, 4, 30, 30),
              MakeBitmap(8, 8)};
  Api().GdipSetPenDashStyle(As<GpPen>(tools.dashed.GetHandle()), 1);
  {
    // The image: a small checkerboard.
    Graphics board;
    ASSERT_TRUE(board.CreateFromImage(tools.image));
    Native dark = MakeBrush(0xFF444444);
    for (std::int32_t y = 0; y < 8; y += 2) {
      for (std::int32_t x = (y / 2) % 2 * 2; x < 8; x += 4) board.FillRectangleI(dark, x, y, 2, 2);
    }
  }
  Native label = MakeBrush(kBlack);
  Native labelFont = MakeFont(11, u"DejaVu Sans");
  Native region2 = MakeRegion(24, 24, 28, 28);
  Api().GdipCombineRegionRegion(As<GpRegion>(tools.region.GetHandle()),
                                As<GpRegion>(region2.GetHandle()), 2);

  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].name);
    const auto column = static_cast<std::int32_t>(i) % kColumns;
    const auto row = static_cast<std::int32_t>(i) / kColumns;
    const float left = float(column * kCell + (kCell - kShape) / 2);
    const float top = float(row * kCell + 2);
    ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
    ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(left, top));
    ASSERT_TRUE(entries[i].draw(canvas.graphics, tools)) << StatusName(LastStatus);
    ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
    ASSERT_TRUE(canvas.graphics.DrawString(
        values::Text(entries[i].name), labelFont, label,
        RectF{float(column * kCell), top + kShape + 4, float(kCell), 16}));
    // Something other than white inside the shape's square.
    int inked = 0;
    for (std::int32_t y = 0; y < kShape; ++y) {
      for (std::int32_t x = 0; x < kShape; ++x) {
        inked += canvas.Pixel(std::int32_t(left) + x, std::int32_t(top) + y) != 0xFFFFFFFF;
      }
    }
    EXPECT_GT(inked, 20);
  }

  // PNG, by GDI+'s own encoder, into the source tree's docs folder.
  const std::string path = std::string(CHARART_TEST_FIXTURES) + "/../../docs/gallery.png";
  std::u16string wide = Utf16(path);
  const CLSID png{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  ASSERT_EQ(Api().GdipSaveImageToFile(As<GpImage>(canvas.bitmap.GetHandle()), wide.c_str(), &png,
                                      nullptr),
            Status::Ok);
  GpBitmap* reread = nullptr;
  ASSERT_EQ(Api().GdipCreateBitmapFromFile(wide.c_str(), &reread), Status::Ok);
  UINT width = 0;
  Api().GdipGetImageWidth(reinterpret_cast<GpImage*>(reread), &width);
  Api().GdipDisposeImage(reinterpret_cast<GpImage*>(reread));
  EXPECT_EQ(width, static_cast<UINT>(kColumns * kCell));
}

}  // namespace
}  // namespace charart::imaging
