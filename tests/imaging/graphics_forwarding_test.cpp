// Graphics' forwarding contracts through the recording fake, where the class
// decides something itself: which function a flag selects, defaults for
// omitted parameters, the three calls of the transforms about a point, the
// UTF-16 length, the records a buffer hands over, truncation, LastStatus left
// alone or set without a call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/resources/region.h"
#include "imaging/surface/graphics.h"
#include "platform/gdiplus/recording_fake.h"
#include "tests/imaging/graphics_test_support.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RealArg;
using gdiplus::RecordedArg;
using gdiplus::RecordedCall;
using gdiplus::RecordingFake;
using graphics_test::Native;
using values::ValueArray;

constexpr Handle kGraphics = 0x6000;
constexpr Handle kObject = 0x7000;

values::ByteSet Units(std::initializer_list<char16_t> units) {
  return values::ByteSet(units.begin(), units.size() * sizeof(char16_t));
}

class GraphicsForwarding : public ::testing::Test {
 protected:
  void SetUp() override {
    graphics.SetHandle(kGraphics);
    fake.ClearCalls();
  }
  void TearDown() override { graphics.SetHandle(0); }

  // The one recorded call, by name.
  const RecordedCall& Only() {
    EXPECT_EQ(fake.Calls().size(), 1u) << testing::PrintToString(fake.CallNames());
    return fake.Calls().at(0);
  }

  RecordingFake fake;
  Graphics graphics;
  Native object{kObject, nullptr};
};

TEST_F(GraphicsForwarding, CreateFromHdcChoosesByTheDevicesFlag) {
  struct Case {
    std::optional<gdiplus::HANDLE> device;
    const char* function;
    std::vector<RecordedArg> leading;
  };
  int device = 0;
  const Case cases[] = {
      {std::nullopt, "GdipCreateFromHDC", {PointerArg(0x10)}},
      {nullptr, "GdipCreateFromHDC2", {PointerArg(0x10), PointerArg(0)}},
      {&device,
       "GdipCreateFromHDC2",
       {PointerArg(0x10), PointerArg(reinterpret_cast<std::uintptr_t>(&device))}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    fake.ClearCalls();
    Graphics created;
    EXPECT_TRUE(created.CreateFromHDC(reinterpret_cast<gdiplus::HDC>(0x10), c.device));
    const RecordedCall call = Only();
    EXPECT_STREQ(call.Name(), c.function);
    EXPECT_EQ(std::vector<RecordedArg>(call.args.begin(), call.args.end() - 1), c.leading);
    EXPECT_EQ(call.args.back(),
              PointerArg(reinterpret_cast<std::uintptr_t>(&created.graphicsHandle)));
  }
}

TEST_F(GraphicsForwarding, CreateFromHwndTestsTheValueOfUseIcm) {
  struct Case {
    std::optional<bool> useIcm;
    const char* function;
  };
  const Case cases[] = {{std::nullopt, "GdipCreateFromHWND"},
                        {false, "GdipCreateFromHWND"},
                        {true, "GdipCreateFromHWNDICM"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.useIcm.has_value() ? (*c.useIcm ? "true" : "false") : "omitted");
    fake.ClearCalls();
    Graphics created;
    EXPECT_TRUE(created.CreateFromHWND(nullptr, c.useIcm));
    EXPECT_STREQ(Only().Name(), c.function);
  }
}

TEST_F(GraphicsForwarding, AFailedCreateStillHandsOverWhatGdiplusLeft) {
  fake.SetStatus(FunctionId::GdipGetImageGraphicsContext, gdiplus::Status::OutOfMemory);
  fake.WriteHandle(FunctionId::GdipGetImageGraphicsContext, 1, 0x99);
  Graphics created;
  EXPECT_FALSE(created.CreateFromImage(object));
  EXPECT_EQ(LastStatus, 3);
  EXPECT_EQ(created.GetHandle(), 0x99u);
  EXPECT_EQ(created.graphicsHandle, 0x99u);
  created.SetHandle(0);
}

TEST_F(GraphicsForwarding, AFailedDeleteStillForgetsTheHandle) {
  fake.SetStatus(FunctionId::GdipDeleteGraphics, gdiplus::Status::ObjectBusy);
  EXPECT_FALSE(graphics.Delete());
  EXPECT_EQ(LastStatus, 4);
  EXPECT_EQ(graphics.graphicsHandle, 0u) << "cleared whatever the status";
  EXPECT_FALSE(graphics.Delete());
  EXPECT_EQ(fake.Calls().size(), 1u);
}

TEST_F(GraphicsForwarding, FlushPassesItsIntentionAndLeavesLastStatusAlone) {
  fake.SetStatus(FunctionId::GdipFlush, gdiplus::Status::GenericError);
  LastStatus = 42;
  graphics.Flush();
  graphics.Flush(1);
  EXPECT_EQ(LastStatus, 42);
  ASSERT_EQ(fake.Calls().size(), 2u);
  EXPECT_EQ(fake.Calls()[0].args[1], IntegerArg(0));
  EXPECT_EQ(fake.Calls()[1].args[1], IntegerArg(1));
}

// (name, dx or sx, dy or sy, order) of each call; the rotation's angle sits
// where the first number is.
struct Step {
  std::string name;
  double a;
  double b;
  std::int64_t order;
};

std::vector<Step> Steps(const std::vector<RecordedCall>& calls) {
  std::vector<Step> steps;
  for (const RecordedCall& call : calls) {
    if (call.id == FunctionId::GdipRotateWorldTransform) {
      steps.push_back({call.Name(), call.args[1].real, 0, call.args[2].integer});
    } else {
      steps.push_back({call.Name(), call.args[1].real, call.args[2].real, call.args[3].integer});
    }
  }
  return steps;
}

bool operator==(const Step& a, const Step& b) {
  return a.name == b.name && a.a == b.a && a.b == b.b && a.order == b.order;
}
void PrintTo(const Step& s, std::ostream* out) {
  *out << s.name << "(" << s.a << ", " << s.b << ", " << s.order << ")";
}

TEST_F(GraphicsForwarding, TransformsAboutAPointMakeThreeCallsOrderedByTheirOrder) {
  const PointF centre{10, -2.5f};
  struct Case {
    const char* name;
    std::function<bool(Graphics&)> call;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"rotate, order omitted",
       [&](Graphics& g) { return g.RotateWorldTransformAt(90, centre); },
       {{"GdipTranslateWorldTransform", 10, -2.5, 0},
        {"GdipRotateWorldTransform", 90, 0, 0},
        {"GdipTranslateWorldTransform", -10, 2.5, 0}}},
      {"rotate, order 0",
       [&](Graphics& g) { return g.RotateWorldTransformAt(90, centre, 0); },
       {{"GdipTranslateWorldTransform", 10, -2.5, 0},
        {"GdipRotateWorldTransform", 90, 0, 0},
        {"GdipTranslateWorldTransform", -10, 2.5, 0}}},
      {"rotate, order 1",
       [&](Graphics& g) { return g.RotateWorldTransformAt(90, centre, 1); },
       {{"GdipTranslateWorldTransform", -10, 2.5, 1},
        {"GdipRotateWorldTransform", 90, 0, 1},
        {"GdipTranslateWorldTransform", 10, -2.5, 1}}},
      {"scale, order omitted",
       [&](Graphics& g) { return g.ScaleWorldTransformAt(2, 3, centre); },
       {{"GdipTranslateWorldTransform", 10, -2.5, 0},
        {"GdipScaleWorldTransform", 2, 3, 0},
        {"GdipTranslateWorldTransform", -10, 2.5, 0}}},
      {"scale, order 1",
       [&](Graphics& g) { return g.ScaleWorldTransformAt(2, 3, centre, 1); },
       {{"GdipTranslateWorldTransform", -10, 2.5, 1},
        {"GdipScaleWorldTransform", 2, 3, 1},
        {"GdipTranslateWorldTransform", 10, -2.5, 1}}},
      {"scale, order 7 acts as any order but 0",
       [&](Graphics& g) { return g.ScaleWorldTransformAt(2, 3, centre, 7); },
       {{"GdipTranslateWorldTransform", -10, 2.5, 7},
        {"GdipScaleWorldTransform", 2, 3, 7},
        {"GdipTranslateWorldTransform", 10, -2.5, 7}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.ClearCalls();
    EXPECT_TRUE(c.call(graphics));
    EXPECT_EQ(Steps(fake.Calls()), c.steps);
  }
}

TEST_F(GraphicsForwarding, TransformsAboutAPointReportTheirThirdCallOnly) {
  fake.SetStatus(FunctionId::GdipRotateWorldTransform, gdiplus::Status::InvalidParameter);
  EXPECT_TRUE(graphics.RotateWorldTransformAt(45, PointF{1, 1}));
  EXPECT_EQ(LastStatus, 0);
  EXPECT_EQ(fake.Calls().size(), 3u);

  fake.ClearCalls();
  fake.SetStatus(FunctionId::GdipTranslateWorldTransform, gdiplus::Status::WrongState);
  EXPECT_FALSE(graphics.ScaleWorldTransformAt(2, 2, PointF{1, 1}));
  EXPECT_EQ(LastStatus, 8);
  EXPECT_EQ(fake.Calls().size(), 3u) << "all three are made";
}

TEST_F(GraphicsForwarding, TheTextLengthEndsAtTheFirstZeroUnit) {
  struct Case {
    const char* name;
    values::ByteSet text;
    std::int64_t length;
  };
  const Case cases[] = {
      {"A, B, NUL, C, D", Units({u'A', u'B', u'\0', u'C', u'D'}), 2},
      {"terminated", Units({u'字', u'符', u'\0'}), 2},
      {"unterminated, read to its end", Units({u'A', u'B', u'C'}), 3},
      {"empty", values::ByteSet(), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.ClearCalls();
    EXPECT_TRUE(graphics.DrawStringW(c.text, object, object));
    RectF box;
    EXPECT_TRUE(graphics.MeasureStringW(c.text, object, std::nullopt, nullptr, box));
    ASSERT_EQ(fake.Calls().size(), 2u);
    for (const RecordedCall& call : fake.Calls()) {
      EXPECT_EQ(call.args[1], PointerArg(reinterpret_cast<std::uintptr_t>(c.text.Data())))
          << call.Name();
      EXPECT_EQ(call.args[2], IntegerArg(c.length)) << call.Name();
    }
  }
}

TEST_F(GraphicsForwarding, DrawStringPassesItsObjectsAndTheCallersRectangle) {
  Native font{0x10, nullptr};
  Native brush{0x20, nullptr};
  Native format{0x30, nullptr};
  const std::optional<RectF> layout = RectF{1, 2, 3, 4};
  fake.OnCall(FunctionId::GdipDrawString, [](const RecordedCall& call) {
    const auto* rect = reinterpret_cast<const gdiplus::GpRectF*>(call.args[4].pointer);
    EXPECT_EQ(rect->Height, 4.0f);
  });
  EXPECT_TRUE(graphics.DrawString(values::Text("AB"), font, brush, layout, &format));
  const RecordedCall& call = Only();
  EXPECT_EQ(call.args[0], PointerArg(kGraphics));
  EXPECT_EQ(call.args[2], IntegerArg(2));
  EXPECT_EQ(call.args[3], PointerArg(0x10));
  EXPECT_EQ(call.args[4], PointerArg(reinterpret_cast<std::uintptr_t>(&*layout)));
  EXPECT_EQ(call.args[5], PointerArg(0x30));
  EXPECT_EQ(call.args[6], PointerArg(0x20));
  fake.ClearCalls();
  fake.OnCall(FunctionId::GdipDrawString, [](const RecordedCall&) {});
  EXPECT_TRUE(graphics.DrawString(values::Text("AB"), font, brush));
  EXPECT_EQ(Only().args[5], PointerArg(0)) << "no format: GDI+'s default";
}

TEST_F(GraphicsForwarding, MeasureStringAsksForNeitherCodePointsNorLines) {
  RectF box;
  fake.OnCall(FunctionId::GdipMeasureString, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::GpRectF*>(call.args[6].pointer) = {1, 2, 30, 13};
  });
  EXPECT_TRUE(graphics.MeasureString(values::Text("AB"), object, RectF{}, nullptr, box));
  EXPECT_EQ(box, (RectF{1, 2, 30, 13}));
  EXPECT_EQ(Only().args[7], PointerArg(0));
  EXPECT_EQ(Only().args[8], PointerArg(0));
}

TEST_F(GraphicsForwarding, DriverStringFlagsDefaultToOne) {
  struct Case {
    std::optional<std::int32_t> flags;
    std::int64_t passed;
  };
  ValueArray<PointF> positions{PointF{1, 2}, PointF{3, 4}};
  for (const Case& c : {Case{std::nullopt, 1}, Case{0, 0}, Case{5, 5}}) {
    SCOPED_TRACE(c.passed);
    fake.ClearCalls();
    fake.OnCall(FunctionId::GdipDrawDriverString, [](const RecordedCall& call) {
      const auto* buffer = reinterpret_cast<const gdiplus::GpPointF*>(call.args[5].pointer);
      EXPECT_EQ(buffer[1].X, 3.0f);
    });
    EXPECT_TRUE(
        graphics.DrawDriverStringW(Units({u'A', u'B', u'\0'}), object, object, positions, c.flags));
    const RecordedCall& call = Only();
    EXPECT_EQ(call.args[2], IntegerArg(2));
    EXPECT_EQ(call.args[6], IntegerArg(c.passed));
    EXPECT_EQ(call.args[7], PointerArg(0)) << "no matrix";
  }
}

TEST_F(GraphicsForwarding, MeasureCharacterRangesBelowOneRegionCallsNothing) {
  ValueArray<Region> regions;
  for (std::int32_t count : {0, -3}) {
    SCOPED_TRACE(count);
    LastStatus = 0;
    EXPECT_FALSE(graphics.MeasureCharacterRangesW(Units({u'A', u'\0'}), object, RectF{}, object,
                                                  count, regions));
    EXPECT_EQ(LastStatus, 2);
    EXPECT_FALSE(graphics.MeasureCharacterRanges(values::Text("A"), object, RectF{}, object, count,
                                                 regions));
    EXPECT_EQ(LastStatus, 2);
  }
  EXPECT_TRUE(fake.Calls().empty());
  EXPECT_EQ(regions.Count(), 0);
}

TEST_F(GraphicsForwarding, MeasureCharacterRangesHandsItsRegionsToNewObjects) {
  Handle next = 0x100;
  fake.OnCall(FunctionId::GdipCreateRegion, [&next](const RecordedCall& call) {
    *reinterpret_cast<Handle*>(call.args[0].pointer) = next++;
  });
  fake.OnCall(FunctionId::GdipMeasureCharacterRanges, [](const RecordedCall& call) {
    const auto* handles = reinterpret_cast<const Handle*>(call.args[7].pointer);
    EXPECT_EQ(handles[0], 0x100u);
    EXPECT_EQ(handles[2], 0x102u);
  });
  ValueArray<Region> regions;
  ASSERT_TRUE(graphics.MeasureCharacterRangesW(Units({u'A', u'B', u'C', u'\0'}), object, RectF{},
                                               object, 3, regions));
  EXPECT_EQ(fake.CallNames(),
            (std::vector<std::string>{"GdipCreateRegion", "GdipCreateRegion", "GdipCreateRegion",
                                      "GdipMeasureCharacterRanges"}));
  EXPECT_EQ(fake.Calls()[3].args[2], IntegerArg(3)) << "the text's length";
  EXPECT_EQ(fake.Calls()[3].args[6], IntegerArg(3)) << "the region count";
  ASSERT_EQ(regions.Count(), 3);
  EXPECT_EQ(regions[1].GetHandle(), 0x100u);
  EXPECT_EQ(regions[3].regionHandle, 0x102u);

  // A failed measurement deletes the regions it made and keeps the array.
  fake.ClearCalls();
  fake.SetStatus(FunctionId::GdipMeasureCharacterRanges, gdiplus::Status::InvalidParameter);
  fake.OnCall(FunctionId::GdipMeasureCharacterRanges, [](const RecordedCall&) {});
  EXPECT_FALSE(
      graphics.MeasureCharacterRangesW(Units({u'A', u'\0'}), object, RectF{}, object, 2, regions));
  EXPECT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipCreateRegion", "GdipCreateRegion",
                                                        "GdipMeasureCharacterRanges",
                                                        "GdipDeleteRegion", "GdipDeleteRegion"}));
  EXPECT_EQ(fake.Calls()[3].args[0], PointerArg(0x103));
  EXPECT_EQ(regions[1].GetHandle(), 0x100u);
  for (std::int32_t i = 1; i <= 3; ++i) regions[i].SetHandle(0);
}

TEST_F(GraphicsForwarding, DrawImageRectPassesUnitTwoAndTheWholeImage) {
  fake.OnCall(FunctionId::GdipGetImageWidth, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = 7;
  });
  fake.OnCall(FunctionId::GdipGetImageHeight, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = 5;
  });
  EXPECT_TRUE(graphics.DrawImageRect(object, 1, 2, 30, 40));
  ASSERT_EQ(fake.Calls().size(), 3u);
  const RecordedCall& call = fake.Calls()[2];
  EXPECT_STREQ(call.Name(), "GdipDrawImageRectRect");
  const std::vector<RecordedArg> expected = {
      PointerArg(kGraphics), PointerArg(kObject), RealArg(1),    RealArg(2),   RealArg(30),
      RealArg(40),           RealArg(0),          RealArg(0),    RealArg(7),   RealArg(5),
      IntegerArg(2),         PointerArg(0),       PointerArg(0), PointerArg(0)};
  EXPECT_EQ(call.args, expected);

  fake.ClearCalls();
  EXPECT_TRUE(graphics.DrawImageRectI(object, 1, 2, 30, 40, 0));
  const RecordedCall& integer = fake.Calls()[2];
  EXPECT_EQ(integer.args[8], IntegerArg(7));
  EXPECT_EQ(integer.args[9], IntegerArg(5));
  EXPECT_EQ(integer.args[10], IntegerArg(0)) << "a given unit 0 stays 0";
}

TEST_F(GraphicsForwarding, TheSourceUnitDefaultsToPixelsWhereOmitted) {
  struct Case {
    const char* name;
    std::function<bool(Graphics&, const GdiplusObject&, std::optional<std::int32_t>)> call;
    std::size_t unitArg;
  };
  const Case cases[] = {
      {"DrawImagePointRect",
       [](Graphics& g, auto& i, auto u) { return g.DrawImagePointRect(i, 0, 0, 0, 0, 1, 1, u); },
       8},
      {"DrawImagePointRectI",
       [](Graphics& g, auto& i, auto u) { return g.DrawImagePointRectI(i, 0, 0, 0, 0, 1, 1, u); },
       8},
      {"DrawImageRectRect",
       [](Graphics& g, auto& i, auto u) {
         return g.DrawImageRectRect(i, 0, 0, 1, 1, 0, 0, 1, 1, u);
       },
       10},
      {"DrawImageRectRectI",
       [](Graphics& g, auto& i, auto u) {
         return g.DrawImageRectRectI(i, 0, 0, 1, 1, 0, 0, 1, 1, u);
       },
       10},
      {"DrawImagePointsRect",
       [](Graphics& g, auto& i, auto u) {
         return g.DrawImagePointsRect(i, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, u);
       },
       8},
      {"DrawImagePointsRectI",
       [](Graphics& g, auto& i, auto u) {
         return g.DrawImagePointsRectI(i, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, u);
       },
       8},
  };
  for (const Case& c : cases) {
    for (std::optional<std::int32_t> unit :
         {std::optional<std::int32_t>(), std::optional<std::int32_t>(0),
          std::optional<std::int32_t>(3)}) {
      SCOPED_TRACE(testing::Message() << c.name << " unit " << unit.value_or(-1));
      fake.ClearCalls();
      EXPECT_TRUE(c.call(graphics, object, unit));
      EXPECT_EQ(Only().args[c.unitArg], IntegerArg(unit.value_or(2)));
    }
  }
}

TEST_F(GraphicsForwarding, DrawImagePointsHandsOverExactlyItsThreeCorners) {
  std::vector<float> seen;
  fake.OnCall(FunctionId::GdipDrawImagePoints, [&seen](const RecordedCall& call) {
    const auto* p = reinterpret_cast<const gdiplus::GpPointF*>(call.args[2].pointer);
    for (int i = 0; i < call.args[3].integer; ++i) {
      seen.push_back(p[i].X);
      seen.push_back(p[i].Y);
    }
  });
  EXPECT_TRUE(graphics.DrawImagePoints(object, 0, 0, 100, 0, 0, 50));
  EXPECT_EQ(Only().args[3], IntegerArg(3));
  EXPECT_EQ(seen, (std::vector<float>{0, 0, 100, 0, 0, 50}));
}

TEST_F(GraphicsForwarding, ACachedBitmapsPositionIsTruncatedTowardZero) {
  struct Case {
    float x, y;
    std::int64_t ix, iy;
  };
  const Case cases[] = {{10.7f, -3.2f, 10, -3}, {2.9f, -2.9f, 2, -2}, {-0.5f, 0.5f, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    fake.ClearCalls();
    EXPECT_TRUE(graphics.DrawCachedBitmap(object, c.x, c.y));
    EXPECT_EQ(Only().args[2], IntegerArg(c.ix));
    EXPECT_EQ(Only().args[3], IntegerArg(c.iy));
  }
}

TEST_F(GraphicsForwarding, FillModesAndCombineModesAndColoursDefaultToZero) {
  ValueArray<PointF> points{PointF{0, 0}, PointF{1, 1}, PointF{2, 0}};
  ValueArray<Point> pointsI{Point{0, 0}, Point{1, 1}, Point{2, 0}};
  struct Case {
    const char* name;
    std::function<bool(Graphics&)> call;
    std::size_t arg;
    std::int64_t passed;
  };
  const Case cases[] = {
      {"FillPolygon omitted", [&](Graphics& g) { return g.FillPolygon(object, points); }, 4, 0},
      {"FillPolygon winding", [&](Graphics& g) { return g.FillPolygon(object, points, 1); }, 4, 1},
      {"FillPolygonI winding", [&](Graphics& g) { return g.FillPolygonI(object, pointsI, 1); }, 4,
       1},
      {"FillClosedCurve2 omitted",
       [&](Graphics& g) { return g.FillClosedCurve2(object, points, 0.5f); }, 5, 0},
      {"FillClosedCurve2I winding",
       [&](Graphics& g) { return g.FillClosedCurve2I(object, pointsI, 0.5f, 1); }, 5, 1},
      {"Clear omitted", [&](Graphics& g) { return g.Clear(); }, 1, 0},
      {"Clear red", [&](Graphics& g) { return g.Clear(0xFFFF0000); }, 1, 0xFFFF0000},
      {"SetClipRect omitted", [&](Graphics& g) { return g.SetClipRect(0, 0, 1, 1); }, 5, 0},
      {"SetClipRectI intersect", [&](Graphics& g) { return g.SetClipRectI(0, 0, 1, 1, 1); }, 5, 1},
      {"SetClipRegion omitted", [&](Graphics& g) { return g.SetClipRegion(object); }, 2, 0},
      {"SetClipPath exclude", [&](Graphics& g) { return g.SetClipPath(object, 4); }, 2, 4},
      {"SetClipGraphics omitted", [&](Graphics& g) { return g.SetClipGraphics(object); }, 2, 0},
      {"SetClipHrgn omitted", [&](Graphics& g) { return g.SetClipHrgn(nullptr); }, 2, 0},
      {"MultiplyWorldTransform omitted",
       [&](Graphics& g) { return g.MultiplyWorldTransform(object); }, 2, 0},
      {"TranslateWorldTransform append",
       [&](Graphics& g) { return g.TranslateWorldTransform(1, 2, 1); }, 3, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.ClearCalls();
    EXPECT_TRUE(c.call(graphics));
    EXPECT_EQ(Only().args[c.arg], IntegerArg(c.passed));
  }
}

TEST_F(GraphicsForwarding, FillRectangleRectFIsFillRectangleOfItsFields) {
  EXPECT_TRUE(graphics.FillRectangleRectF(object, RectF{1.5f, 2, 10, 20}));
  EXPECT_TRUE(graphics.FillRectangle(object, 1.5f, 2, 10, 20));
  ASSERT_EQ(fake.Calls().size(), 2u);
  EXPECT_STREQ(fake.Calls()[0].Name(), "GdipFillRectangle");
  EXPECT_EQ(fake.Calls()[0].args, fake.Calls()[1].args);
}

TEST_F(GraphicsForwarding, ArraysGoOverInStorageOrderWithTheirCount) {
  auto rects = ValueArray<RectF>::WithDimensions({2, 3});
  for (std::int32_t i = 1; i <= 6; ++i) rects[i] = RectF{float(i), 0, 1, 1};
  std::vector<float> xs;
  fake.OnCall(FunctionId::GdipDrawRectangles, [&xs](const RecordedCall& call) {
    const auto* r = reinterpret_cast<const gdiplus::GpRectF*>(call.args[2].pointer);
    for (int i = 0; i < call.args[3].integer; ++i) xs.push_back(r[i].X);
  });
  EXPECT_TRUE(graphics.DrawRectangles(object, rects));
  EXPECT_EQ(Only().args[3], IntegerArg(6));
  EXPECT_EQ(xs, (std::vector<float>{1, 2, 3, 4, 5, 6}));
}

TEST_F(GraphicsForwarding, TransformPointsWithAnEmptyArrayPassesNothingAndRecordsTheAnswer) {
  fake.SetStatus(FunctionId::GdipTransformPoints, gdiplus::Status::InvalidParameter);
  ValueArray<PointF> none;
  EXPECT_FALSE(graphics.TransformPoints(2, 0, none));
  EXPECT_EQ(LastStatus, 2);
  const std::vector<RecordedArg> expected = {PointerArg(kGraphics), IntegerArg(2), IntegerArg(0),
                                             PointerArg(0), IntegerArg(0)};
  EXPECT_EQ(Only().args, expected);
}

TEST_F(GraphicsForwarding, TransformPointsCopiesTheConvertedRecordsBack) {
  fake.OnCall(FunctionId::GdipTransformPointsI, [](const RecordedCall& call) {
    auto* p = reinterpret_cast<gdiplus::GpPoint*>(call.args[3].pointer);
    for (int i = 0; i < call.args[4].integer; ++i) p[i].X *= 10;
  });
  ValueArray<Point> points{Point{1, 1}, Point{2, 2}};
  EXPECT_TRUE(graphics.TransformPointsI(1, 0, points));
  EXPECT_EQ(points[1].x, 10);
  EXPECT_EQ(points[2].x, 20);
  EXPECT_EQ(points[2].y, 2);
}

TEST_F(GraphicsForwarding, MetafileCallbackDataAndAttributesDefaultToNone) {
  EXPECT_TRUE(graphics.EnumerateMetafileDestPoint(object, PointF{1, 2}, nullptr));
  const RecordedCall& call = Only();
  EXPECT_EQ(call.args[4], PointerArg(0)) << "callback data";
  EXPECT_EQ(call.args[5], PointerArg(0)) << "attributes";
  fake.ClearCalls();
  int data = 0;
  Native attributes{0x44, nullptr};
  EXPECT_TRUE(graphics.EnumerateMetafileSrcRectDestRect(object, RectF{}, RectF{}, 3, nullptr, &data,
                                                        &attributes));
  EXPECT_EQ(Only().args[4], IntegerArg(3));
  EXPECT_EQ(Only().args[6], PointerArg(reinterpret_cast<std::uintptr_t>(&data)));
  EXPECT_EQ(Only().args[7], PointerArg(0x44));
}

TEST_F(GraphicsForwarding, ContainersPassUnitZeroWhenOmittedAndReturnTheState) {
  fake.OnCall(FunctionId::GdipBeginContainer, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[4].pointer) = 9;
  });
  EXPECT_EQ(graphics.BeginContainer(RectF{}, RectF{}), 9);
  EXPECT_EQ(Only().args[3], IntegerArg(0));
  fake.ClearCalls();
  EXPECT_EQ(graphics.BeginContainerI(Rect{}, Rect{}, 6), 0) << "nothing written: 0";
  EXPECT_EQ(Only().args[3], IntegerArg(6));
}

TEST_F(GraphicsForwarding, TruthQueriesAnswerTrueForAnyNonZeroValue) {
  for (gdiplus::BOOL written : {0, 1, 7, -1}) {
    SCOPED_TRACE(written);
    fake.OnCall(FunctionId::GdipIsVisiblePoint, [written](const RecordedCall& call) {
      *reinterpret_cast<gdiplus::BOOL*>(call.args[3].pointer) = written;
    });
    EXPECT_EQ(graphics.IsVisiblePoint(1, 1), written != 0);
  }
  fake.SetStatus(FunctionId::GdipIsClipEmpty, gdiplus::Status::InvalidParameter);
  EXPECT_FALSE(graphics.IsClipEmpty());
  EXPECT_EQ(LastStatus, 2);
}

TEST_F(GraphicsForwarding, CommentPassesTheByteSetsLengthAndData) {
  const std::uint8_t bytes[] = {1, 2, 3};
  const values::ByteSet data(bytes, sizeof bytes);
  EXPECT_TRUE(graphics.Comment(data));
  EXPECT_EQ(Only().args[1], IntegerArg(3));
  EXPECT_EQ(Only().args[2], PointerArg(reinterpret_cast<std::uintptr_t>(data.Data())));
  fake.ClearCalls();
  EXPECT_TRUE(graphics.Comment(values::ByteSet()));
  EXPECT_EQ(Only().args[1], IntegerArg(0));
  EXPECT_EQ(Only().args[2], PointerArg(0));
}

TEST_F(GraphicsForwarding, GettersReturnWhatGdiplusWroteAndRecordTheStatus) {
  fake.OnCall(FunctionId::GdipGetTextContrast, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = 0xFFFFFFFF;
  });
  fake.SetStatus(FunctionId::GdipGetTextContrast, gdiplus::Status::WrongState);
  EXPECT_EQ(graphics.GetTextContrast(), -1) << "the unsigned bits unchanged";
  EXPECT_EQ(LastStatus, 8);
  EXPECT_EQ(graphics.GetPageScale(), 0.0f) << "nothing written: 0";
  EXPECT_EQ(LastStatus, 0);
  EXPECT_EQ(graphics.GetDC(), nullptr);
}

}  // namespace
}  // namespace charart::imaging
