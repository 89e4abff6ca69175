// Graphics clipping, visibility, saved states, containers and comments on
// the real engine.
#include <gtest/gtest.h>

#include <cmath>

#include "imaging/resources/region.h"
#include "imaging/surface/graphics.h"
#include "platform/win32/gdi_objects.h"
#include "tests/imaging/graphics_test_support.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;

class GraphicsClipping : public OnEngine {
 protected:
  void SetUp() override {
    OnEngine::SetUp();
    brush = MakeBrush(kBlack);
  }
  // Fills the whole canvas and answers which of the given points took ink.
  std::string FillAndProbe(Canvas& canvas, std::initializer_list<Point> points) {
    EXPECT_TRUE(canvas.graphics.FillRectangleI(brush, -100, -100, 400, 400));
    std::string inked;
    for (const Point& p : points) inked += (canvas.Pixel(p.x, p.y) >> 24) != 0 ? '#' : '.';
    return inked;
  }
  Native brush;
};

TEST_F(GraphicsClipping, AClipStopsAFill) {
  Canvas canvas(10, 10);
  ASSERT_TRUE(canvas.graphics.SetClipRectI(2, 2, 4, 4));
  EXPECT_EQ(FillAndProbe(canvas, {{2, 2}, {5, 5}, {6, 6}, {1, 1}, {0, 9}}), "##...");
  EXPECT_EQ(canvas.Inked(), 16) << canvas.Dump();
}

// Clip A = (0, 0, 6, 6), then B = (4, 4, 6, 6) combined with each mode;
// probes: only in A, in both, only in B, in neither.
TEST_F(GraphicsClipping, CombineModesMixTheOldClipWithTheNew) {
  struct Case {
    std::optional<std::int32_t> mode;
    const char* inked;
  };
  const Case cases[] = {
      {std::nullopt, ".##."},  // omitted: replace
      {0, ".##."},             // replace
      {1, ".#.."},             // intersect
      {2, "###."},             // union
      {3, "#.#."},             // xor
      {4, "#..."},             // exclude
      {5, "..#."},             // complement
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode.value_or(-1));
    Canvas canvas(12, 12);
    ASSERT_TRUE(canvas.graphics.SetClipRect(0, 0, 6, 6));
    ASSERT_TRUE(canvas.graphics.SetClipRect(4, 4, 6, 6, c.mode));
    EXPECT_EQ(FillAndProbe(canvas, {{1, 1}, {5, 5}, {8, 8}, {11, 0}}), c.inked);
  }
}

TEST_F(GraphicsClipping, EveryClipSourceClips) {
  struct Case {
    const char* name;
    std::function<bool(Graphics&)> clip;
  };
  Native path = MakeRectanglePath(2, 2, 4, 4);
  Native region = MakeRegion(2, 2, 4, 4);
  Canvas other(20, 20);
  ASSERT_TRUE(other.graphics.SetClipRectI(2, 2, 4, 4));
  const Case cases[] = {
      {"rectangle", [](Graphics& g) { return g.SetClipRect(2, 2, 4, 4); }},
      {"integer rectangle", [](Graphics& g) { return g.SetClipRectI(2, 2, 4, 4); }},
      {"path", [&](Graphics& g) { return g.SetClipPath(path); }},
      {"region", [&](Graphics& g) { return g.SetClipRegion(region); }},
      {"another graphics' clip", [&](Graphics& g) { return g.SetClipGraphics(other.graphics); }},
      {"region handle",
       [&](Graphics& g) {
         HRGN hrgn = nullptr;
         if (Api().GdipGetRegionHRgn(As<GpRegion>(region.GetHandle()),
                                     As<GpGraphics>(g.GetHandle()), &hrgn) != Status::Ok) {
           return false;
         }
         const bool ok = g.SetClipHrgn(hrgn);
         win32::DeleteObject(hrgn);
         return ok;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(10, 10);
    ASSERT_TRUE(c.clip(canvas.graphics)) << StatusName(LastStatus);
    EXPECT_EQ(FillAndProbe(canvas, {{2, 2}, {5, 5}, {6, 6}, {1, 1}}), "##..");
  }
}

TEST_F(GraphicsClipping, AForeignRegionHandleIsRefused) {
  Canvas canvas(10, 10);
  int notARegion = 0;
  EXPECT_FALSE(canvas.graphics.SetClipHrgn(&notARegion));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(canvas.graphics.SetClipHrgn(nullptr));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(FillAndProbe(canvas, {{0, 0}, {9, 9}}), "##") << "the clip is untouched";
}

TEST_F(GraphicsClipping, TranslatingResettingAndReadingTheClip) {
  Canvas canvas(12, 12);
  ASSERT_TRUE(canvas.graphics.SetClipRectI(0, 0, 4, 4));
  ASSERT_TRUE(canvas.graphics.TranslateClipI(2, 3));
  ASSERT_TRUE(canvas.graphics.TranslateClip(1.0f, 1.0f));
  EXPECT_EQ(canvas.graphics.GetClipBoundsI(), (Rect{3, 4, 4, 4}));
  EXPECT_EQ(canvas.graphics.GetClipBounds(), (RectF{3, 4, 4, 4}));
  EXPECT_EQ(canvas.graphics.GetVisibleClipBoundsI(), (Rect{3, 4, 4, 4}));
  EXPECT_EQ(canvas.graphics.GetVisibleClipBounds(), (RectF{3, 4, 4, 4}));

  Region clip;
  ASSERT_TRUE(clip.Create());
  ASSERT_TRUE(canvas.graphics.GetClip(clip));
  EXPECT_EQ(clip.GetBounds(canvas.graphics), (RectF{3, 4, 4, 4}));

  EXPECT_EQ(FillAndProbe(canvas, {{3, 4}, {6, 7}, {2, 4}, {7, 8}}), "##..");
  ASSERT_TRUE(canvas.graphics.ResetClip());
  EXPECT_EQ(FillAndProbe(canvas, {{0, 0}, {11, 11}}), "##");
  // Without a clip the visible bounds are the image's.
  EXPECT_EQ(canvas.graphics.GetVisibleClipBoundsI(), (Rect{0, 0, 12, 12}));
}

TEST_F(GraphicsClipping, BoundsOfAnEmptyGraphicsAreZeroWithTheFailureInLastStatus) {
  Graphics empty;
  EXPECT_EQ(empty.GetClipBounds(), (RectF{}));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(empty.GetVisibleClipBoundsI(), (Rect{}));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_FALSE(empty.IsVisiblePoint(0, 0));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(empty.Save(), 0);
  EXPECT_EQ(LastStatus, 2);
}

TEST_F(GraphicsClipping, VisibilityQueriesAnswerForTheClip) {
  Canvas canvas(20, 20);
  ASSERT_TRUE(canvas.graphics.SetClipRectI(5, 5, 5, 5));
  EXPECT_FALSE(canvas.graphics.IsClipEmpty());
  EXPECT_FALSE(canvas.graphics.IsVisibleClipEmpty());
  struct Case {
    const char* name;
    bool visible;
    bool answer;
  };
  const Case cases[] = {
      {"point inside", true, canvas.graphics.IsVisiblePoint(6.5f, 6.5f)},
      {"integer point inside", true, canvas.graphics.IsVisiblePointI(9, 9)},
      {"point outside", false, canvas.graphics.IsVisiblePoint(2, 2)},
      {"integer point outside", false, canvas.graphics.IsVisiblePointI(10, 10)},
      {"rectangle across", true, canvas.graphics.IsVisibleRect(0, 0, 6, 6)},
      {"integer rectangle inside", true, canvas.graphics.IsVisibleRectI(6, 6, 2, 2)},
      {"rectangle outside", false, canvas.graphics.IsVisibleRect(11, 11, 4, 4)},
      {"integer rectangle outside", false, canvas.graphics.IsVisibleRectI(0, 0, 4, 4)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.answer, c.visible) << c.name;

  ASSERT_TRUE(canvas.graphics.SetClipRectI(15, 15, 2, 2, /*intersect*/ 1));
  EXPECT_TRUE(canvas.graphics.IsClipEmpty());
  EXPECT_TRUE(canvas.graphics.IsVisibleClipEmpty());
  // A clip entirely off the image is empty as far as can be seen.
  ASSERT_TRUE(canvas.graphics.SetClipRectI(100, 100, 5, 5));
  EXPECT_FALSE(canvas.graphics.IsClipEmpty());
  EXPECT_TRUE(canvas.graphics.IsVisibleClipEmpty());
}

TEST_F(GraphicsClipping, ASavedStateRestoresTransformAndClip) {
  Canvas canvas(12, 12);
  ASSERT_TRUE(canvas.graphics.SetClipRectI(0, 0, 6, 12));
  const std::int32_t state = canvas.graphics.Save();
  EXPECT_EQ(LastStatus, 0);
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(6, 0));
  ASSERT_TRUE(canvas.graphics.ResetClip());
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 2, 2));
  EXPECT_EQ(canvas.Pixel(6, 0), kBlack) << "moved and unclipped while changed";

  ASSERT_TRUE(canvas.graphics.Restore(state));
  Canvas after(12, 12);
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 4, 12, 2));
  EXPECT_EQ(canvas.Pixel(0, 4), kBlack) << "no longer moved";
  EXPECT_EQ(canvas.Pixel(8, 4), kNothing) << "clipped again";
}

TEST_F(GraphicsClipping, AContainerMapsItsSourceRectangleOntoItsDestination) {
  struct Case {
    const char* name;
    std::function<std::int32_t(Graphics&)> begin;
  };
  const Case cases[] = {
      {"float",
       [](Graphics& g) {
         return g.BeginContainer(RectF{10, 10, 20, 20}, RectF{0, 0, 10, 10}, 2);
       }},
      {"integer",
       [](Graphics& g) {
         return g.BeginContainerI(Rect{10, 10, 20, 20}, Rect{0, 0, 10, 10}, 2);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(40, 40);
    const std::int32_t state = c.begin(canvas.graphics);
    ASSERT_EQ(LastStatus, 0) << StatusName(LastStatus);
    ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 10, 10));
    EXPECT_EQ(canvas.Pixel(10, 10), kBlack);
    EXPECT_EQ(canvas.Pixel(29, 29), kBlack) << "doubled in size";
    EXPECT_EQ(canvas.Pixel(30, 30), kNothing);
    EXPECT_EQ(canvas.Pixel(5, 5), kNothing);
    ASSERT_TRUE(canvas.graphics.EndContainer(state));
    ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 2, 2));
    EXPECT_EQ(canvas.Pixel(0, 0), kBlack) << "the container's transform is gone";
  }
}

TEST_F(GraphicsClipping, APlainContainerKeepsWhatIsChangedInsideIt) {
  Canvas canvas(20, 20);
  const std::int32_t state = canvas.graphics.BeginContainer2();
  ASSERT_EQ(LastStatus, 0);
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(10, 10));
  ASSERT_TRUE(canvas.graphics.SetClipRectI(0, 0, 2, 2));
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 5, 5));
  EXPECT_EQ(canvas.Pixel(11, 11), kBlack);
  EXPECT_EQ(canvas.Pixel(12, 12), kNothing);
  ASSERT_TRUE(canvas.graphics.EndContainer(state));
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 5, 5));
  EXPECT_EQ(canvas.Pixel(4, 4), kBlack);
}

// Containers are measured in pixels to millimetres: an omitted unit is 0,
// world units, which GDI+ refuses; so are empty source rectangles.
TEST_F(GraphicsClipping, AContainerRefusesWorldUnitsAndEmptySources) {
  Canvas canvas(40, 40);
  EXPECT_EQ(canvas.graphics.BeginContainer(RectF{0, 0, 20, 20}, RectF{0, 0, 10, 10}), 0);
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.graphics.BeginContainerI(Rect{0, 0, 20, 20}, Rect{0, 0, 0, 10}, 2), 0);
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.graphics.BeginContainer(RectF{0, 0, 20, 20}, RectF{0, 0, NAN, 10}, 2), 0);
  EXPECT_EQ(LastStatus, 2);
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 0, 0, 2, 2));
  EXPECT_EQ(canvas.Pixel(1, 1), kBlack) << "no transform was left behind";
  EXPECT_EQ(canvas.Pixel(3, 3), kNothing);
}

TEST_F(GraphicsClipping, AContainerInMillimetresScalesToPixels) {
  Canvas canvas(40, 40);
  // 1 mm of source onto 10 pixels of destination, both read in millimetres:
  // 25.4 mm are 96 pixels.
  const std::int32_t state =
      canvas.graphics.BeginContainer(RectF{0, 0, 2.54f, 2.54f}, RectF{0, 0, 1, 1}, 6);
  ASSERT_EQ(LastStatus, 0);
  values::ValueArray<PointF> corner{PointF{1, 1}};
  ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, corner));
  EXPECT_NEAR(corner[1].x, 9.6, 1e-3);
  EXPECT_NEAR(corner[1].y, 9.6, 1e-3);
  EXPECT_TRUE(canvas.graphics.EndContainer(state));
}

TEST_F(GraphicsClipping, ACommentOnABitmapGraphicsIsTakenAndLetGo) {
  Canvas canvas(4, 4);
  const std::uint8_t bytes[] = {'h', 'i', 0, 7};
  EXPECT_TRUE(canvas.graphics.Comment(values::ByteSet(bytes, sizeof bytes)));
  EXPECT_TRUE(canvas.graphics.Comment(values::ByteSet()));
  EXPECT_EQ(canvas.Inked(), 0);
  Graphics empty;
  EXPECT_FALSE(empty.Comment(values::ByteSet(bytes, sizeof bytes)));
  EXPECT_EQ(LastStatus, 2);
}

}  // namespace
}  // namespace charart::imaging
