// Graphics on the real engine: creation and deletion, rendering state, world
// and page transforms, coordinate conversion, device contexts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "imaging/surface/graphics.h"
#include "platform/win32/gdi_emulation.h"
#include "tests/imaging/graphics_test_support.h"

namespace charart::imaging {
namespace {

using namespace graphics_test;

class GraphicsState : public OnEngine {};

TEST_F(GraphicsState, CreateFromImageDrawsIntoTheImageAndDeleteEmptiesTheObject) {
  Native bitmap = MakeBitmap(8, 8);
  Graphics graphics;
  ASSERT_TRUE(graphics.CreateFromImage(bitmap));
  EXPECT_NE(graphics.GetHandle(), 0u);
  EXPECT_EQ(graphics.graphicsHandle, graphics.GetHandle());
  ASSERT_TRUE(graphics.Clear(kRed));
  EXPECT_EQ(PixelOf(bitmap, 7, 7), kRed);

  EXPECT_TRUE(graphics.Delete());
  EXPECT_EQ(graphics.GetHandle(), 0u);
  EXPECT_EQ(graphics.graphicsHandle, 0u);
  LastStatus = 77;
  EXPECT_FALSE(graphics.Delete());
  EXPECT_EQ(LastStatus, 77);
}

TEST_F(GraphicsState, CreateFromImageRefusesAnEmptyImageAndStaysEmpty) {
  Native none;
  Graphics graphics;
  EXPECT_FALSE(graphics.CreateFromImage(none));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(graphics.GetHandle(), 0u);
}

TEST_F(GraphicsState, AnEmptyGraphicsAnswersFailureNeverACrash) {
  Graphics empty;
  EXPECT_FALSE(empty.SetSmoothingMode(2));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(empty.GetPageUnit(), 0);
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(empty.GetDpiX(), 0.0f);
  values::ValueArray<PointF> points{PointF{1, 2}};
  EXPECT_FALSE(empty.TransformPoints(2, 0, points));
  EXPECT_EQ(points[1].x, 1.0f);
}

TEST_F(GraphicsState, MovingHandsTheGraphicsOver) {
  Canvas canvas(4, 4);
  const Handle handle = canvas.graphics.GetHandle();
  Graphics moved(std::move(canvas.graphics));
  EXPECT_EQ(moved.graphicsHandle, handle);
  EXPECT_EQ(canvas.graphics.graphicsHandle, 0u);
  EXPECT_TRUE(moved.Clear(kBlue));
  EXPECT_EQ(canvas.Pixel(0, 0), kBlue);
}

TEST_F(GraphicsState, CopyBorrowsAndNeverDeletesTheSharedGraphics) {
  Canvas canvas(4, 4);
  {
    auto copy = canvas.graphics.Copy();
    EXPECT_EQ(copy->GetHandle(), canvas.graphics.GetHandle());
    EXPECT_FALSE(static_cast<Graphics&>(*copy).Delete());
  }
  EXPECT_TRUE(canvas.graphics.Clear(kRed));
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
}

// Each setter's value comes back from its getter.
struct StateCase {
  const char* name;
  bool (Graphics::*set)(std::int32_t);
  std::int32_t (Graphics::*get)();
  std::int32_t value;
};

TEST_F(GraphicsState, SettersRoundTripThroughTheirGetters) {
  const StateCase cases[] = {
      {"compositing mode", &Graphics::SetCompositingMode, &Graphics::GetCompositingMode, 1},
      {"compositing quality", &Graphics::SetCompositingQuality, &Graphics::GetCompositingQuality,
       2},
      {"text rendering hint", &Graphics::SetTextRenderingHint, &Graphics::GetTextRenderingHint, 3},
      {"text contrast", &Graphics::SetTextContrast, &Graphics::GetTextContrast, 7},
      {"interpolation mode", &Graphics::SetInterpolationMode, &Graphics::GetInterpolationMode, 5},
      {"smoothing mode", &Graphics::SetSmoothingMode, &Graphics::GetSmoothingMode, 4},
      {"pixel offset mode", &Graphics::SetPixelOffsetMode, &Graphics::GetPixelOffsetMode, 3},
      {"page unit", &Graphics::SetPageUnit, &Graphics::GetPageUnit, 6},
  };
  Canvas canvas(4, 4);
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE((canvas.graphics.*c.set)(c.value)) << StatusName(LastStatus);
    EXPECT_EQ((canvas.graphics.*c.get)(), c.value);
    EXPECT_EQ(LastStatus, 0);
  }
}

TEST_F(GraphicsState, RenderingOriginRoundTripsThroughTheCallersVariables) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.SetRenderingOrigin(3, -5));
  std::int32_t x = 0;
  std::int32_t y = 0;
  ASSERT_TRUE(canvas.graphics.GetRenderingOrigin(x, y));
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, -5);
}

TEST_F(GraphicsState, AnImageGraphicsHasDisplayUnitsAt96Dpi) {
  Canvas canvas(4, 4);
  EXPECT_EQ(canvas.graphics.GetPageUnit(), 1);
  EXPECT_EQ(canvas.graphics.GetPageScale(), 1.0f);
  EXPECT_EQ(canvas.graphics.GetDpiX(), 96.0f);
  EXPECT_EQ(canvas.graphics.GetDpiY(), 96.0f);
}

TEST_F(GraphicsState, PageUnitConvertsPageToDevicePointsAndBack) {
  struct Case {
    std::int32_t unit;
    PointF page;
    PointF device;
  };
  const Case cases[] = {
      {1, {10, 20}, {10, 20}},        // display: pixels on a bitmap
      {2, {10, 20}, {10, 20}},        // pixels
      {3, {72, 36}, {96, 48}},        // points
      {4, {1, 0.5f}, {96, 48}},       // inches at 96 DPI
      {5, {300, 150}, {96, 48}},      // document units
      {6, {25.4f, 12.7f}, {96, 48}},  // millimetres
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "unit " << c.unit);
    Canvas canvas(4, 4);
    ASSERT_TRUE(canvas.graphics.SetPageUnit(c.unit));
    EXPECT_EQ(canvas.graphics.GetPageUnit(), c.unit);
    values::ValueArray<PointF> points{c.page};
    ASSERT_TRUE(canvas.graphics.TransformPoints(/*device*/ 2, /*page*/ 1, points));
    EXPECT_NEAR(points[1].x, c.device.x, 1e-3);
    EXPECT_NEAR(points[1].y, c.device.y, 1e-3);
    ASSERT_TRUE(canvas.graphics.TransformPoints(1, 2, points));
    EXPECT_NEAR(points[1].x, c.page.x, 1e-3);
    EXPECT_NEAR(points[1].y, c.page.y, 1e-3);
  }
}

TEST_F(GraphicsState, PageUnitRefusesWorldUnits) {
  Canvas canvas(4, 4);
  EXPECT_FALSE(canvas.graphics.SetPageUnit(0));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.graphics.GetPageUnit(), 1);
}

// libgdiplus keeps the page scale but draws as if it were 1 (see
// docs/platform-notes.md); the conversion follows the drawing.
TEST_F(GraphicsState, PageScaleRoundTripsAndTheEngineDrawsUnscaled) {
  Canvas canvas(8, 8);
  ASSERT_TRUE(canvas.graphics.SetPageUnit(2));
  ASSERT_TRUE(canvas.graphics.SetPageScale(3));
  EXPECT_EQ(canvas.graphics.GetPageScale(), 3.0f);
  Native brush = MakeBrush(kRed);
  ASSERT_TRUE(canvas.graphics.FillRectangleI(brush, 1, 1, 1, 1));
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
  EXPECT_EQ(canvas.Pixel(3, 3), kNothing);
  values::ValueArray<PointF> points{PointF{1.5f, 1.5f}};
  ASSERT_TRUE(canvas.graphics.TransformPoints(2, 1, points));
  EXPECT_EQ(points[1].x, 1.5f);
}

TEST_F(GraphicsState, PageScaleRefusesZeroAndKeepsTheOldScale) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.SetPageScale(2));
  EXPECT_FALSE(canvas.graphics.SetPageScale(0));
  EXPECT_EQ(LastStatus, 2);
  EXPECT_EQ(canvas.graphics.GetPageScale(), 2.0f);
}

// The world-to-device map of (20, 10) after rotating 90 degrees about
// (10, 10), from the identity or after a translation by (100, 0).
TEST_F(GraphicsState, RotateAtTurnsPointsAboutTheCentreInBothOrders) {
  struct Case {
    std::int32_t order;
    bool translatedFirst;
    PointF expected;
  };
  const Case cases[] = {
      {0, false, {10, 20}},
      {1, false, {10, 20}},
      // Prepended, the rotation acts before the translation.
      {0, true, {110, 20}},
      // Appended, after it: (120, 10) turns about (10, 10).
      {1, true, {10, 120}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "order " << c.order << " translated " << c.translatedFirst);
    Canvas canvas(4, 4);
    if (c.translatedFirst) {
      ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(100, 0));
    }
    ASSERT_TRUE(canvas.graphics.RotateWorldTransformAt(90, PointF{10, 10}, c.order));
    values::ValueArray<PointF> points{PointF{20, 10}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, points));
    EXPECT_NEAR(points[1].x, c.expected.x, 1e-3);
    EXPECT_NEAR(points[1].y, c.expected.y, 1e-3);
  }
}

TEST_F(GraphicsState, ScaleAtKeepsTheCentreInPlace) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.ScaleWorldTransformAt(2, 3, PointF{10, 10}));
  values::ValueArray<PointF> points{PointF{10, 10}, PointF{11, 12}};
  ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, points));
  EXPECT_NEAR(points[1].x, 10, 1e-4);
  EXPECT_NEAR(points[1].y, 10, 1e-4);
  EXPECT_NEAR(points[2].x, 12, 1e-4);
  EXPECT_NEAR(points[2].y, 16, 1e-4);
}

TEST_F(GraphicsState, WorldTransformGoesOutToAMatrixAndBackIn) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 6));
  ASSERT_TRUE(canvas.graphics.ScaleWorldTransform(2, 2, 1));
  Native matrix = MakeMatrix();
  ASSERT_TRUE(canvas.graphics.GetWorldTransform(matrix));
  EXPECT_EQ(Elements(matrix), (std::array<float, 6>{2, 0, 0, 2, 10, 12}));

  ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
  ASSERT_TRUE(canvas.graphics.GetWorldTransform(matrix));
  EXPECT_EQ(Elements(matrix), (std::array<float, 6>{1, 0, 0, 1, 0, 0}));

  Native shift = MakeMatrix();
  Api().GdipTranslateMatrix(As<GpMatrix>(shift.GetHandle()), 1, 2, 0);
  ASSERT_TRUE(canvas.graphics.SetWorldTransform(shift));
  ASSERT_TRUE(canvas.graphics.MultiplyWorldTransform(shift));
  ASSERT_TRUE(canvas.graphics.RotateWorldTransform(180));
  ASSERT_TRUE(canvas.graphics.GetWorldTransform(matrix));
  const auto m = Elements(matrix);
  EXPECT_NEAR(m[0], -1, 1e-6);
  EXPECT_NEAR(m[3], -1, 1e-6);
  EXPECT_NEAR(m[4], 2, 1e-5);
  EXPECT_NEAR(m[5], 4, 1e-5);
}

TEST_F(GraphicsState, TransformPointsWithZeroOneAndManyPoints) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(1, 2));

  values::ValueArray<PointF> none;
  canvas.graphics.TransformPoints(2, 0, none);
  EXPECT_EQ(LastStatus, 2) << "libgdiplus refuses an empty array";
  EXPECT_EQ(none.Count(), 0);

  values::ValueArray<PointF> one{PointF{0.5f, 0.25f}};
  ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, one));
  EXPECT_EQ(one[1].x, 1.5f);
  EXPECT_EQ(one[1].y, 2.25f);

  // A two-dimensional array is walked in storage order.
  auto many = values::ValueArray<Point>::WithDimensions({3, 100});
  for (std::int32_t i = 1; i <= many.Count(); ++i) many[i] = Point{i, -i};
  ASSERT_TRUE(canvas.graphics.TransformPointsI(2, 0, many));
  for (std::int32_t i = 1; i <= many.Count(); ++i) {
    ASSERT_EQ(many[i].x, i + 1) << i;
    ASSERT_EQ(many[i].y, 2 - i) << i;
  }
}

// The converted point is where the engine really draws: a one-unit square
// filled at a world point lands on the device pixel TransformPoints gives.
TEST_F(GraphicsState, TransformPointsAgreesWithWhereTheEngineDraws) {
  struct Case {
    const char* name;
    std::int32_t unit;
    float scale;
    float angle;
  };
  const Case cases[] = {
      {"pixels", 2, 1, 0},
      {"pixels turned", 2, 1, 90},
      {"millimetres", 6, 0.5f, 0},
      {"points turned", 3, 1.5f, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(40, 40);
    ASSERT_TRUE(canvas.graphics.SetPageUnit(c.unit));
    ASSERT_TRUE(canvas.graphics.SetPageScale(c.scale));
    ASSERT_TRUE(canvas.graphics.RotateWorldTransformAt(c.angle, PointF{5, 5}));
    values::ValueArray<PointF> centre{PointF{7.5f, 3.5f}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, centre));
    Native brush = MakeBrush(kRed);
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 7, 3, 1, 1));
    const auto x = static_cast<std::int32_t>(std::floor(centre[1].x));
    const auto y = static_cast<std::int32_t>(std::floor(centre[1].y));
    ASSERT_TRUE(x >= 0 && x < 40 && y >= 0 && y < 40) << x << "," << y;
    EXPECT_EQ(canvas.Pixel(x, y), kRed) << x << "," << y << "\n" << canvas.Dump();
  }
}

TEST_F(GraphicsState, NearestColourOfAnArgbSurfaceIsTheColourItself) {
  Canvas canvas(4, 4);
  Graphics::ArgbColor colour = 0x80123456;
  EXPECT_EQ(canvas.graphics.GetNearestColor(colour), 0x80123456u);
  EXPECT_EQ(colour, 0x80123456u);
  EXPECT_EQ(LastStatus, 0);
}

TEST_F(GraphicsState, FlushLeavesLastStatusAlone) {
  Canvas canvas(4, 4);
  LastStatus = 42;
  canvas.graphics.Flush();
  canvas.graphics.Flush(1);
  Graphics empty;
  empty.Flush();
  EXPECT_EQ(LastStatus, 42);
}

TEST_F(GraphicsState, AGraphicsOnAnotherGraphicsDcDrawsIntoTheSameImage) {
  Canvas canvas(6, 6);
  const HDC dc = canvas.graphics.GetDC();
  ASSERT_NE(dc, nullptr) << StatusName(LastStatus);
  {
    Graphics other;
    ASSERT_TRUE(other.CreateFromHDC(dc)) << StatusName(LastStatus);
    Native brush = MakeBrush(kRed);
    ASSERT_TRUE(other.FillRectangleI(brush, 0, 0, 3, 3));
  }
  EXPECT_TRUE(canvas.graphics.ReleaseDC(dc));
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
  EXPECT_EQ(canvas.Pixel(4, 4), kNothing);
  // Released twice, or a DC that is not this graphics': refused.
  EXPECT_FALSE(canvas.graphics.ReleaseDC(dc));
  EXPECT_EQ(LastStatus, 2);
}

TEST_F(GraphicsState, WhileItsDcIsOutAGraphicsIsBusy) {
  Canvas canvas(4, 4);
  const HDC dc = canvas.graphics.GetDC();
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(canvas.graphics.GetDC(), nullptr);
  EXPECT_EQ(LastStatus, 4);  // ObjectBusy
  EXPECT_TRUE(canvas.graphics.ReleaseDC(dc));
}

TEST_F(GraphicsState, CreateFromHdcOfTheScreenDc) {
  const HDC screen = win32::GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  {
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(screen)) << StatusName(LastStatus);
    EXPECT_EQ(graphics.GetDpiX(), 96.0f);
    Native brush = MakeBrush(kRed);
    EXPECT_TRUE(graphics.FillRectangleI(brush, 0, 0, 4, 4));
  }
  EXPECT_EQ(win32::ReleaseDC(nullptr, screen), 1);
}

TEST_F(GraphicsState, CreateFromHdcRefusesNoDcAndAGivenDevice) {
  Graphics graphics;
  EXPECT_FALSE(graphics.CreateFromHDC(nullptr));
  EXPECT_EQ(LastStatus, 3);  // OutOfMemory, GDI+'s answer to a missing DC
  EXPECT_EQ(graphics.GetHandle(), 0u);

  Canvas canvas(4, 4);
  const HDC dc = canvas.graphics.GetDC();
  int device = 0;
  EXPECT_FALSE(graphics.CreateFromHDC(dc, &device));
  EXPECT_EQ(LastStatus, 6) << "libgdiplus knows no devices";
  EXPECT_TRUE(graphics.CreateFromHDC(dc, nullptr)) << "device 0 is no device";
  EXPECT_TRUE(graphics.Delete());
  EXPECT_TRUE(canvas.graphics.ReleaseDC(dc));
}

TEST_F(GraphicsState, WindowZeroIsTheScreen) {
  for (bool useIcm : {false, true}) {
    SCOPED_TRACE(useIcm);
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHWND(nullptr, useIcm)) << StatusName(LastStatus);
    EXPECT_EQ(graphics.GetDpiY(), 96.0f);
    Native pen = MakePen(kBlack);
    EXPECT_TRUE(graphics.DrawLineI(pen, 0, 0, 5, 5));
  }
}

TEST_F(GraphicsState, OtherWindowsHaveNoGraphics) {
  Graphics graphics;
  int window = 0;
  EXPECT_FALSE(graphics.CreateFromHWND(&window));
  EXPECT_EQ(LastStatus, 6);
  EXPECT_EQ(graphics.GetHandle(), 0u);
}

}  // namespace
}  // namespace charart::imaging
