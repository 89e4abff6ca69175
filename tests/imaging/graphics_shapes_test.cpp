// Graphics lines, shapes and fills on the real engine: telling pixels,
// record arrays of every size, bad input, and a gallery of every shape kind.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "imaging/surface/graphics.h"
#include "tests/imaging/graphics_test_support.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;
using values::ValueArray;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

class GraphicsShapes : public OnEngine {
 protected:
  void SetUp() override {
    OnEngine::SetUp();
    pen = MakePen(kBlack);
    brush = MakeBrush(kBlack);
  }
  Native pen;
  Native brush;
};

// A few pixels that tell whether a shape came out right.
struct Expect {
  std::int32_t x;
  std::int32_t y;
  bool inked;
};
struct PixelCase {
  const char* name;
  std::function<bool(Graphics&, const GdiplusObject& pen, const GdiplusObject& brush)> draw;
  std::vector<Expect> pixels;
};

TEST_F(GraphicsShapes, TellingPixelsOfEachShape) {
  const PixelCase cases[] = {
      {"a 1-pixel line covers both ends and nothing beyond",
       [](Graphics& g, auto& p, auto&) { return g.DrawLineI(p, 2, 3, 12, 3); },
       {{2, 3, true}, {12, 3, true}, {7, 3, true}, {1, 3, false}, {13, 3, false}, {7, 2, false}}},
      {"the float line lands on the same pixels",
       [](Graphics& g, auto& p, auto&) { return g.DrawLine(p, 2, 3, 12, 3); },
       {{2, 3, true}, {12, 3, true}, {13, 3, false}, {7, 4, false}}},
      {"a diagonal steps one pixel a row",
       [](Graphics& g, auto& p, auto&) { return g.DrawLineI(p, 2, 2, 12, 12); },
       {{2, 2, true}, {7, 7, true}, {12, 12, true}, {7, 8, false}, {13, 13, false}}},
      {"a filled ellipse covers its centre, not its corners",
       [](Graphics& g, auto&, auto& b) { return g.FillEllipseI(b, 0, 0, 20, 20); },
       {{10, 10, true},
        {0, 10, true},
        {10, 0, true},
        {0, 0, false},
        {19, 0, false},
        {0, 19, false},
        {19, 19, false}}},
      {"a drawn ellipse is hollow",
       [](Graphics& g, auto& p, auto&) { return g.DrawEllipse(p, 1, 1, 18, 18); },
       {{10, 1, true}, {1, 10, true}, {10, 10, false}, {0, 0, false}}},
      {"a rectangle outline includes its right and bottom edges",
       [](Graphics& g, auto& p, auto&) { return g.DrawRectangleI(p, 2, 2, 10, 10); },
       {{2, 2, true}, {12, 12, true}, {12, 2, true}, {7, 7, false}, {13, 13, false}}},
      {"a filled rectangle excludes them",
       [](Graphics& g, auto&, auto& b) { return g.FillRectangleI(b, 2, 2, 10, 10); },
       {{2, 2, true}, {11, 11, true}, {12, 12, false}, {1, 1, false}}},
      {"a record rectangle fills like four floats",
       [](Graphics& g, auto&, auto& b) {
         return g.FillRectangleRectF(b, RectF{2, 2, 10, 10});
       },
       {{2, 2, true}, {11, 11, true}, {12, 12, false}}},
      {"a pie fills its quarter only",
       [](Graphics& g, auto&, auto& b) { return g.FillPieI(b, 0, 0, 20, 20, 0, 90); },
       {{14, 14, true}, {5, 5, false}, {5, 14, false}, {14, 5, false}}},
      {"an arc draws the lower half",
       [](Graphics& g, auto& p, auto&) { return g.DrawArcI(p, 1, 1, 18, 18, 0, 180); },
       {{10, 19, true}, {1, 10, true}, {19, 10, true}, {10, 1, false}, {10, 10, false}}},
      {"a straight bezier is its chord",
       [](Graphics& g, auto& p, auto&) { return g.DrawBezierI(p, 2, 5, 6, 5, 10, 5, 14, 5); },
       {{2, 5, true}, {14, 5, true}, {8, 5, true}, {8, 6, false}}},
      {"clearing paints every pixel",
       [](Graphics& g, auto&, auto&) { return g.Clear(0xFF00FF00); },
       {{0, 0, true}, {19, 19, true}}},
  };
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(20, 20);
    ASSERT_TRUE(c.draw(canvas.graphics, pen, brush)) << StatusName(LastStatus);
    for (const Expect& e : c.pixels) {
      EXPECT_EQ((canvas.Pixel(e.x, e.y) >> 24) != 0, e.inked) << "at " << e.x << "," << e.y << "\n"
                                                              << canvas.Dump();
    }
  }
}

TEST_F(GraphicsShapes, ADashedLineLeavesGapsADottedOneMore) {
  struct Case {
    std::int32_t style;
    const char* row;
  };
  const Case cases[] = {
      {0, "########################"},
      {1, "###.###.###.###.###.###."},  // dash: three on, one off
      {2, "#.#.#.#.#.#.#.#.#.#.#.#."},  // dot
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    Canvas canvas(24, 3);
    Native styled = MakePen(kBlack);
    ASSERT_EQ(Api().GdipSetPenDashStyle(As<GpPen>(styled.GetHandle()), c.style), Status::Ok);
    ASSERT_TRUE(canvas.graphics.DrawLineI(styled, 0, 1, 24, 1));
    EXPECT_EQ(canvas.Dump().substr(25, 24), c.row) << canvas.Dump();
  }
}

TEST_F(GraphicsShapes, ClearWithoutAColourMakesEveryPixelTransparent) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.Clear(kRed));
  ASSERT_TRUE(canvas.graphics.Clear());
  EXPECT_EQ(canvas.Pixel(2, 2), kNothing);
}

TEST_F(GraphicsShapes, FillModeDecidesTheHoleOfAStar) {
  // A five-pointed star drawn in one stroke: its centre is inside by the
  // winding rule (1) and outside by the alternate rule (0, also omitted).
  ValueArray<Point> star{Point{10, 0}, Point{16, 19}, Point{0, 7}, Point{20, 7}, Point{4, 19}};
  for (std::optional<std::int32_t> mode :
       {std::optional<std::int32_t>(), std::optional<std::int32_t>(0),
        std::optional<std::int32_t>(1)}) {
    SCOPED_TRACE(mode.value_or(-1));
    Canvas canvas(21, 21);
    ASSERT_TRUE(canvas.graphics.FillPolygonI(brush, star, mode));
    EXPECT_EQ((canvas.Pixel(10, 10) >> 24) != 0, mode == 1) << canvas.Dump();
    EXPECT_NE(canvas.Pixel(10, 3), kNothing) << "a point is always inside";
  }
}

TEST_F(GraphicsShapes, FillRegionAndFillPathFillTheirShapes) {
  Canvas canvas(10, 10);
  Native region = MakeRegion(1, 1, 3, 3);
  Native path = MakeRectanglePath(6, 6, 3, 3);
  ASSERT_TRUE(canvas.graphics.FillRegion(brush, region));
  ASSERT_TRUE(canvas.graphics.FillPath(brush, path));
  EXPECT_NE(canvas.Pixel(2, 2), kNothing);
  EXPECT_NE(canvas.Pixel(7, 7), kNothing);
  EXPECT_EQ(canvas.Pixel(5, 5), kNothing);
  Canvas outline(10, 10);
  ASSERT_TRUE(outline.graphics.DrawPath(pen, path));
  EXPECT_NE(outline.Pixel(6, 6), kNothing);
  EXPECT_EQ(outline.Pixel(7, 7), kNothing);
}

// Every array operation with no record, one record and many records.
struct ArrayCase {
  const char* name;
  std::function<bool(Graphics&, const GdiplusObject& pen, const GdiplusObject& brush,
                     ValueArray<PointF>&, ValueArray<Point>&, ValueArray<RectF>&,
                     ValueArray<Rect>&)>
      call;
  bool oneRecordOk;  // libgdiplus's verdict on a single record
};

TEST_F(GraphicsShapes, ArrayOperationsWithZeroOneAndManyRecords) {
  using PF = ValueArray<PointF>;
  using PI = ValueArray<Point>;
  using RF = ValueArray<RectF>;
  using RI = ValueArray<Rect>;
  const ArrayCase cases[] = {
      {"DrawLines",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawLines(p, f); }, false},
      {"DrawLinesI",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawLinesI(p, i); }, false},
      {"DrawBeziers",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawBeziers(p, f); }, true},
      {"DrawBeziersI",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawBeziersI(p, i); },
       true},
      {"DrawRectangles",
       [](Graphics& g, auto& p, auto&, PF&, PI&, RF& r, RI&) { return g.DrawRectangles(p, r); },
       true},
      {"DrawRectanglesI",
       [](Graphics& g, auto& p, auto&, PF&, PI&, RF&, RI& r) { return g.DrawRectanglesI(p, r); },
       true},
      {"DrawPolygon",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawPolygon(p, f); },
       false},
      {"DrawPolygonI",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawPolygonI(p, i); },
       false},
      {"DrawCurve",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawCurve(p, f); }, false},
      {"DrawCurveI",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawCurveI(p, i); }, false},
      {"DrawCurve2",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawCurve2(p, f, 0.5f); },
       false},
      {"DrawCurve2I",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawCurve2I(p, i, 0.5f); },
       false},
      {"DrawCurve3",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) {
         return g.DrawCurve3(p, f, 0, 1, 0.5f);
       },
       false},
      {"DrawCurve3I",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) {
         return g.DrawCurve3I(p, i, 0, 1, 0.5f);
       },
       false},
      {"DrawClosedCurve",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) { return g.DrawClosedCurve(p, f); },
       false},
      {"DrawClosedCurveI",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) { return g.DrawClosedCurveI(p, i); },
       false},
      {"DrawClosedCurve2",
       [](Graphics& g, auto& p, auto&, PF& f, PI&, RF&, RI&) {
         return g.DrawClosedCurve2(p, f, 0.5f);
       },
       false},
      {"DrawClosedCurve2I",
       [](Graphics& g, auto& p, auto&, PF&, PI& i, RF&, RI&) {
         return g.DrawClosedCurve2I(p, i, 0.5f);
       },
       false},
      {"FillRectangles",
       [](Graphics& g, auto&, auto& b, PF&, PI&, RF& r, RI&) { return g.FillRectangles(b, r); },
       true},
      {"FillRectanglesI",
       [](Graphics& g, auto&, auto& b, PF&, PI&, RF&, RI& r) { return g.FillRectanglesI(b, r); },
       true},
      {"FillPolygon",
       [](Graphics& g, auto&, auto& b, PF& f, PI&, RF&, RI&) { return g.FillPolygon(b, f); }, true},
      {"FillPolygonI",
       [](Graphics& g, auto&, auto& b, PF&, PI& i, RF&, RI&) { return g.FillPolygonI(b, i); },
       true},
      {"FillClosedCurve",
       [](Graphics& g, auto&, auto& b, PF& f, PI&, RF&, RI&) { return g.FillClosedCurve(b, f); },
       true},
      {"FillClosedCurveI",
       [](Graphics& g, auto&, auto& b, PF&, PI& i, RF&, RI&) { return g.FillClosedCurveI(b, i); },
       true},
      {"FillClosedCurve2",
       [](Graphics& g, auto&, auto& b, PF& f, PI&, RF&,
          RI&) { return g.FillClosedCurve2(b, f, 0.5f); },
       true},
      {"FillClosedCurve2I",
       [](Graphics& g, auto&, auto& b, PF&, PI& i, RF&,
          RI&) { return g.FillClosedCurve2I(b, i, 0.5f, 1); },
       true},
  };
  for (const ArrayCase& c : cases) {
    SCOPED_TRACE(c.name);
    {
      Canvas canvas(24, 24);
      PF f;
      PI i;
      RF r;
      RI ri;
      EXPECT_FALSE(c.call(canvas.graphics, pen, brush, f, i, r, ri)) << "no record";
      EXPECT_EQ(LastStatus, 2);
      EXPECT_EQ(f.Count() + i.Count() + r.Count() + ri.Count(), 0);
    }
    {
      Canvas canvas(24, 24);
      PF f{PointF{5, 5}};
      PI i{Point{5, 5}};
      RF r{RectF{2, 2, 6, 6}};
      RI ri{Rect{2, 2, 6, 6}};
      EXPECT_EQ(c.call(canvas.graphics, pen, brush, f, i, r, ri), c.oneRecordOk)
          << StatusName(LastStatus);
      EXPECT_EQ(f[1].x, 5.0f);
      EXPECT_EQ(ri[1].width, 6);
    }
    {
      // Seven points of a zig-zag and a 2 x 3 block of rectangles.
      Canvas canvas(24, 24);
      PF f{PointF{1, 1},  PointF{20, 4},  PointF{3, 8}, PointF{20, 12},
           PointF{3, 16}, PointF{20, 20}, PointF{1, 22}};
      PI i{Point{1, 1},  Point{20, 4},  Point{3, 8}, Point{20, 12},
           Point{3, 16}, Point{20, 20}, Point{1, 22}};
      auto r = RF::WithDimensions({2, 3});
      auto ri = RI::WithDimensions({2, 3});
      for (std::int32_t k = 1; k <= 6; ++k) {
        r[k] = RectF{float(k * 3), float(k * 3), 2, 2};
        ri[k] = Rect{k * 3, k * 3, 2, 2};
      }
      ASSERT_TRUE(c.call(canvas.graphics, pen, brush, f, i, r, ri)) << StatusName(LastStatus);
      EXPECT_GT(canvas.Inked(), 10) << canvas.Dump();
      EXPECT_EQ(f[4].x, 20.0f);
      EXPECT_EQ(ri[6].x, 18);
    }
  }
}

TEST_F(GraphicsShapes, EveryRectangleOfATwoDimensionalArrayIsFilled) {
  Canvas canvas(24, 24);
  auto rects = ValueArray<Rect>::WithDimensions({2, 3});
  for (std::int32_t k = 1; k <= 6; ++k) rects[k] = Rect{(k - 1) * 4, (k - 1) * 4, 2, 2};
  ASSERT_TRUE(canvas.graphics.FillRectanglesI(brush, rects));
  for (std::int32_t k = 0; k < 6; ++k) {
    EXPECT_NE(canvas.Pixel(k * 4, k * 4), kNothing) << k;
    EXPECT_EQ(canvas.Pixel(k * 4 + 2, k * 4), kNothing) << k;
  }
}

TEST_F(GraphicsShapes, DrawCurve3RefusesSegmentsOutsideTheArray) {
  ValueArray<PointF> points{PointF{0, 0}, PointF{5, 5}, PointF{10, 0}, PointF{15, 5}};
  struct Case {
    std::int32_t offset;
    std::int32_t segments;
    bool ok;
  };
  const Case cases[] = {{0, 3, true},  {2, 1, true},    {-1, 2, false},
                        {3, 1, false}, {0, 100, false}, {0, -1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << " " << c.segments);
    Canvas canvas(16, 8);
    EXPECT_EQ(canvas.graphics.DrawCurve3(pen, points, c.offset, c.segments, 0.5f), c.ok);
    if (!c.ok) {
      EXPECT_EQ(LastStatus, 2);
    }
  }
}

// Nothing usable to draw with, or numbers that are not numbers: a non-Ok
// status, nothing drawn, and the graphics still draws afterwards.
TEST_F(GraphicsShapes, BadInputIsRefusedAndTheGraphicsSurvives) {
  Native deleted = MakePen(kBlack);
  deleted.Release();
  Native noBrush;
  struct Case {
    const char* name;
    std::function<bool(Graphics&)> call;
    std::int32_t status;
  };
  const Case cases[] = {
      {"no pen", [&](Graphics& g) { return g.DrawLineI(noBrush, 1, 1, 5, 5); }, 2},
      {"deleted pen", [&](Graphics& g) { return g.DrawEllipseI(deleted, 1, 1, 5, 5); }, 2},
      {"no brush", [&](Graphics& g) { return g.FillRectangleI(noBrush, 1, 1, 5, 5); }, 2},
      {"no path", [&](Graphics& g) { return g.FillPath(brush, noBrush); }, 2},
      {"no region", [&](Graphics& g) { return g.FillRegion(brush, noBrush); }, 2},
      {"NaN line", [&](Graphics& g) { return g.DrawLine(pen, kNaN, 1, 5, 5); }, 11},
      {"infinite rectangle",
       [&](Graphics& g) { return g.FillRectangle(brush, 1, 1, kInfinity, 5); }, 11},
      {"NaN angle", [&](Graphics& g) { return g.FillPie(brush, 0, 0, 8, 8, kNaN, 90); }, 11},
      {"NaN tension",
       [&](Graphics& g) {
         ValueArray<PointF> p{PointF{0, 0}, PointF{4, 4}, PointF{8, 0}};
         return g.DrawCurve2(pen, p, kNaN);
       },
       11},
      {"a NaN among the points",
       [&](Graphics& g) {
         ValueArray<PointF> p{PointF{0, 0}, PointF{kNaN, 4}, PointF{8, 0}};
         return g.FillPolygon(brush, p);
       },
       11},
      {"a NaN among the rectangles",
       [&](Graphics& g) {
         ValueArray<RectF> r{RectF{0, 0, 2, 2}, RectF{1, 1, 2, kNaN}};
         return g.DrawRectangles(pen, r);
       },
       11},
      {"NaN scale", [&](Graphics& g) { return g.ScaleWorldTransform(kNaN, 1); }, 2},
      {"NaN translation", [&](Graphics& g) { return g.TranslateWorldTransform(1, kNaN); }, 2},
      {"infinite rotation", [&](Graphics& g) { return g.RotateWorldTransform(kInfinity); }, 2},
      {"NaN page scale", [&](Graphics& g) { return g.SetPageScale(kNaN); }, 2},
      {"NaN clip", [&](Graphics& g) { return g.SetClipRect(kNaN, 0, 5, 5); }, 2},
      {"NaN clip move", [&](Graphics& g) { return g.TranslateClip(kNaN, 0); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(12, 12);
    EXPECT_FALSE(c.call(canvas.graphics));
    EXPECT_EQ(LastStatus, c.status) << StatusName(LastStatus);
    EXPECT_EQ(canvas.Inked(), 0);
    ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 2, 2, 3, 3));
    EXPECT_EQ(canvas.Pixel(3, 3), kBlack) << "the graphics still draws where it should";
    EXPECT_EQ(canvas.graphics.GetPageScale(), 1.0f);
  }
}

TEST_F(GraphicsShapes, HugeArraysAreDrawnWhole) {
  constexpr std::int32_t kCount = 50'000;
  auto points = ValueArray<PointF>::WithDimensions({kCount});
  auto rects = ValueArray<Rect>::WithDimensions({100, 500});
  for (std::int32_t i = 1; i <= kCount; ++i) {
    points[i] = PointF{float(i % 40), float((i * 7) % 40)};
    rects[i] = Rect{i % 40, (i * 3) % 40, 1, 1};
  }
  Canvas canvas(40, 40);
  EXPECT_TRUE(canvas.graphics.FillPolygon(brush, points)) << StatusName(LastStatus);
  EXPECT_TRUE(canvas.graphics.DrawLines(pen, points)) << StatusName(LastStatus);
  EXPECT_TRUE(canvas.graphics.FillRectanglesI(brush, rects)) << StatusName(LastStatus);
  EXPECT_EQ(points[kCount].x, float(kCount % 40));
  EXPECT_GT(canvas.Inked(), 400);
}

TEST_F(GraphicsShapes, AnEmptyGraphicsRefusesEveryShape) {
  Graphics empty;
  ValueArray<PointF> points{PointF{0, 0}, PointF{4, 4}};
  EXPECT_FALSE(empty.DrawLineI(pen, 0, 0, 4, 4));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(empty.FillPolygon(brush, points));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(empty.Clear());
  EXPECT_EQ(LastStatus, 2);
}

}  // namespace
}  // namespace charart::imaging
