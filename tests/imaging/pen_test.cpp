// Pen state against the real engine: every setting round trips (width,
// unit, caps, join, miter, alignment, dashes, compound lines, transforms,
// colour and brush fill, custom caps), a pen keeps its own copy of a brush,
// and bad input fails without a crash. Through the recording fake: the unit
// truncation, the call order of the turns and scales about a point, and the
// array and delete conventions. Drawn pixels are the graphics tests' part.
#include "imaging/resources/pen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RealArg;
using gdiplus::RecordedArg;
using gdiplus::RecordedCall;
using gdiplus::RecordingFake;
using testsupport::MakeMatrix;
using testsupport::MapPoint;
using testsupport::MatrixElements;

constexpr std::int32_t kLineCapFlat = 0, kLineCapSquare = 1, kLineCapRound = 2,
                       kLineCapTriangle = 3, kLineCapArrowAnchor = 0x14, kLineCapCustom = 0xFF;
constexpr std::int32_t kDashCapFlat = 0, kDashCapRound = 2, kDashCapTriangle = 3;
constexpr std::int32_t kDashStyleDash = 1, kDashStyleCustom = 5;
constexpr std::int32_t kAppend = 1;

class PenOnEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testsupport::StartGdiplusOnce());
    ASSERT_TRUE(pen.Create(0xFF102030, 2.5f));
  }
  Pen pen;
};

TEST_F(PenOnEngine, NewPenHasGdiplusDefaults) {
  EXPECT_EQ(pen.GetWidth(), 2.5f);
  EXPECT_EQ(pen.GetUnit(), 0) << "the unit omitted means world units";
  EXPECT_EQ(pen.GetColor(), 0xFF102030u);
  EXPECT_EQ(pen.GetFillType(), 0) << "a solid colour";
  EXPECT_EQ(pen.GetStartCap(), kLineCapFlat);
  EXPECT_EQ(pen.GetEndCap(), kLineCapFlat);
  EXPECT_EQ(pen.GetDashCap(), kDashCapFlat);
  EXPECT_EQ(pen.GetLineJoin(), 0);
  EXPECT_EQ(pen.GetMiterLimit(), 10.0f);
  EXPECT_EQ(pen.GetMode(), 0);
  EXPECT_EQ(pen.GetDashStyle(), 0);
  EXPECT_EQ(pen.GetDashOffset(), 0.0f);
  EXPECT_EQ(MatrixElements(MakeMatrix()), (std::array<float, 6>{1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(LastStatus, 0);
  EXPECT_EQ(pen.penHandle, pen.GetHandle());
}

struct ScalarCase {
  const char* what;
  bool (Pen::*set)(std::int32_t);
  std::int32_t (Pen::*get)();
  std::vector<std::pair<std::int32_t, std::int32_t>> setAndRead;
};

TEST_F(PenOnEngine, IntegerSettingsRoundTrip) {
  const ScalarCase cases[] = {
      {"start cap",
       &Pen::SetStartCap,
       &Pen::GetStartCap,
       {{kLineCapRound, kLineCapRound}, {kLineCapArrowAnchor, kLineCapArrowAnchor}}},
      {"end cap",
       &Pen::SetEndCap,
       &Pen::GetEndCap,
       {{kLineCapSquare, kLineCapSquare}, {kLineCapTriangle, kLineCapTriangle}}},
      // Dash caps other than round and triangle become flat, as in GDI+.
      {"dash cap",
       &Pen::SetDashCap,
       &Pen::GetDashCap,
       {{kDashCapRound, kDashCapRound}, {kDashCapTriangle, kDashCapTriangle}, {1, kDashCapFlat}}},
      {"line join", &Pen::SetLineJoin, &Pen::GetLineJoin, {{1, 1}, {2, 2}, {3, 3}, {0, 0}}},
      {"alignment", &Pen::SetMode, &Pen::GetMode, {{1, 1}, {0, 0}}},
      {"dash style", &Pen::SetDashStyle, &Pen::GetDashStyle, {{1, 1}, {4, 4}, {0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& [value, expected] : c.setAndRead) {
      SCOPED_TRACE(value);
      EXPECT_TRUE((pen.*c.set)(value));
      EXPECT_EQ((pen.*c.get)(), expected);
    }
  }
}

TEST_F(PenOnEngine, LineCapsSetTogether) {
  ASSERT_TRUE(pen.SetLineCap(kLineCapRound, kLineCapSquare, kDashCapTriangle));
  EXPECT_EQ(pen.GetStartCap(), kLineCapRound);
  EXPECT_EQ(pen.GetEndCap(), kLineCapSquare);
  EXPECT_EQ(pen.GetDashCap(), kDashCapTriangle);
  ASSERT_TRUE(pen.SetLineCap2(kLineCapTriangle, kLineCapRound, kDashCapRound));
  EXPECT_EQ(pen.GetStartCap(), kLineCapTriangle);
  EXPECT_EQ(pen.GetEndCap(), kLineCapRound);
  EXPECT_EQ(pen.GetDashCap2(), kDashCapRound);
}

TEST_F(PenOnEngine, RealSettingsRoundTrip) {
  ASSERT_TRUE(pen.SetWidth(7.25f));
  EXPECT_EQ(pen.GetWidth(), 7.25f);
  ASSERT_TRUE(pen.SetMiterLimit(3.5f));
  EXPECT_EQ(pen.GetMiterLimit(), 3.5f);
  ASSERT_TRUE(pen.SetMiterLimit(0.25f));
  EXPECT_EQ(pen.GetMiterLimit(), 1.0f) << "a miter limit below 1 is 1";
  ASSERT_TRUE(pen.SetDashOffset(1.5f));
  EXPECT_EQ(pen.GetDashOffset(), 1.5f);
  ASSERT_TRUE(pen.SetUnit(2.7f));
  EXPECT_EQ(pen.GetUnit(), 2) << "the unit is truncated toward zero";
  ASSERT_TRUE(pen.SetColor(0x80FFEEDD));
  EXPECT_EQ(pen.GetColor(), 0x80FFEEDDu);
}

TEST_F(PenOnEngine, DashArrayRoundTripsAndMakesTheStyleCustom) {
  values::ValueArray<float> dashes{7, 7};
  EXPECT_EQ(pen.GetDashArray(dashes), 0) << "a solid pen has no dashes";
  EXPECT_EQ(dashes.Count(), 0);
  EXPECT_EQ(dashes.Dimensions(), std::vector<std::int32_t>{0});

  ASSERT_TRUE(pen.SetDashArray(values::ValueArray<float>{2, 1, 3, 0.5f}));
  EXPECT_EQ(pen.GetDashStyle(), kDashStyleCustom);
  EXPECT_EQ(pen.GetDashArray(dashes), 4);
  EXPECT_EQ(dashes, (values::ValueArray<float>{2, 1, 3, 0.5f}));

  ASSERT_TRUE(pen.SetDashStyle(kDashStyleDash));
  EXPECT_EQ(pen.GetDashArray(dashes), 2);
  EXPECT_EQ(dashes, (values::ValueArray<float>{3, 1}));
}

TEST_F(PenOnEngine, CompoundArrayRoundTrips) {
  values::ValueArray<float> parts;
  EXPECT_EQ(pen.GetCompoundArray(parts), 0);
  EXPECT_EQ(parts.Count(), 0);
  ASSERT_TRUE(pen.SetCompoundArray(values::ValueArray<float>{0, 0.25f, 0.75f, 1}));
  EXPECT_EQ(pen.GetCompoundArray(parts), 4);
  EXPECT_EQ(parts, (values::ValueArray<float>{0, 0.25f, 0.75f, 1}));
}

TEST_F(PenOnEngine, BadArraysAreRefusedAndKeepTheOldPattern) {
  ASSERT_TRUE(pen.SetDashArray(values::ValueArray<float>{2, 1}));
  ASSERT_TRUE(pen.SetCompoundArray(values::ValueArray<float>{0, 1}));
  struct Case {
    const char* what;
    bool (Pen::*set)(const values::ValueArray<float>&);
    values::ValueArray<float> values;
  };
  const Case cases[] = {
      {"empty dashes", &Pen::SetDashArray, {}},
      {"negative dash", &Pen::SetDashArray, {2, -1}},
      {"all-zero dashes", &Pen::SetDashArray, {0, 0}},
      {"empty compound", &Pen::SetCompoundArray, {}},
      {"odd compound count", &Pen::SetCompoundArray, {0, 0.5f, 1}},
      {"descending compound", &Pen::SetCompoundArray, {0.5f, 0.25f}},
      {"compound beyond 1", &Pen::SetCompoundArray, {0, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE((pen.*c.set)(c.values));
    EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  }
  values::ValueArray<float> read;
  EXPECT_EQ(pen.GetDashArray(read), 2);
  EXPECT_EQ(pen.GetCompoundArray(read), 2);
}

TEST_F(PenOnEngine, TransformsComposeAndRoundTrip) {
  const auto matrix = MakeMatrix();
  ASSERT_TRUE(pen.TranslateTransform(5, 7));
  ASSERT_TRUE(pen.GetTransform(matrix));
  EXPECT_EQ(MatrixElements(matrix), (std::array<float, 6>{1, 0, 0, 1, 5, 7}));

  ASSERT_TRUE(pen.ScaleTransform(2, 3));  // prepended: scale first, then move
  ASSERT_TRUE(pen.GetTransform(matrix));
  EXPECT_EQ(MapPoint(matrix, 1, 1), (std::array<float, 2>{7, 10}));
  ASSERT_TRUE(pen.ScaleTransform(2, 2, kAppend));  // appended: after the move
  ASSERT_TRUE(pen.GetTransform(matrix));
  EXPECT_EQ(MapPoint(matrix, 1, 1), (std::array<float, 2>{14, 20}));

  ASSERT_TRUE(pen.ResetTransform());
  ASSERT_TRUE(pen.RotateTransform(90));
  ASSERT_TRUE(pen.GetTransform(matrix));
  const auto turned = MapPoint(matrix, 1, 0);
  EXPECT_NEAR(turned[0], 0, 1e-5);
  EXPECT_NEAR(turned[1], 1, 1e-5);

  const auto shift = testsupport::MakeTranslation(-3, 4);
  ASSERT_TRUE(pen.SetTransform(shift));
  ASSERT_TRUE(pen.MultiplyTransform(shift, kAppend));
  ASSERT_TRUE(pen.GetTransform(matrix));
  EXPECT_EQ(MatrixElements(matrix), (std::array<float, 6>{1, 0, 0, 1, -6, 8}));
}

TEST_F(PenOnEngine, TurnsAndScalesAboutAPointKeepThatPoint) {
  struct Case {
    const char* what;
    bool (*apply)(Pen&, std::optional<std::int32_t>);
    std::array<float, 2> probe;     // a second point
    std::array<float, 2> expected;  // where it goes
  };
  const Case cases[] = {
      {"turn 90 about (10, 5)",
       [](Pen& p, std::optional<std::int32_t> o) {
         return p.RotateTransformAt(90, {10, 5}, o);
       },
       {11, 5},
       {10, 6}},
      {"scale 2, 3 about (10, 5)",
       [](Pen& p, std::optional<std::int32_t> o) {
         return p.ScaleTransformAt(2, 3, {10, 5}, o);
       },
       {11, 6},
       {12, 8}},
  };
  const auto matrix = MakeMatrix();
  for (const auto& c : cases) {
    for (std::optional<std::int32_t> order : {std::optional<std::int32_t>(), std::optional(1)}) {
      SCOPED_TRACE(std::string(c.what) + (order ? " appended" : " prepended"));
      ASSERT_TRUE(pen.ResetTransform());
      ASSERT_TRUE(c.apply(pen, order));
      ASSERT_TRUE(pen.GetTransform(matrix));
      const auto center = MapPoint(matrix, 10, 5);
      EXPECT_NEAR(center[0], 10, 1e-4);
      EXPECT_NEAR(center[1], 5, 1e-4);
      const auto moved = MapPoint(matrix, c.probe[0], c.probe[1]);
      EXPECT_NEAR(moved[0], c.expected[0], 1e-4);
      EXPECT_NEAR(moved[1], c.expected[1], 1e-4);
    }
  }
}

TEST_F(PenOnEngine, BrushFillIsAPenCopyThatOutlivesTheBrush) {
  {
    SolidBrush red;
    ASSERT_TRUE(red.Create(0xFFFF0000));
    ASSERT_TRUE(pen.SetBrushFill(red));
  }  // the brush is deleted here
  // Fresh brushes of another colour take the freed memory, if anything does.
  std::vector<SolidBrush> others(8);
  for (auto& other : others) ASSERT_TRUE(other.Create(0xFF00FF00));
  EXPECT_EQ(pen.GetColor(), 0xFFFF0000u);
  EXPECT_EQ(pen.GetFillType(), 0);
  SolidBrush fill;
  ASSERT_TRUE(pen.GetBrushFill(fill));
  EXPECT_EQ(fill.GetColor(), 0xFFFF0000u);
  EXPECT_EQ(fill.solidBrushHandle, fill.GetHandle());

  Pen clone;
  ASSERT_TRUE(pen.Clone(clone));
  ASSERT_TRUE(pen.Delete());
  SolidBrush cloneFill;
  ASSERT_TRUE(clone.GetBrushFill(cloneFill));
  EXPECT_EQ(cloneFill.GetColor(), 0xFFFF0000u) << "the clone's fill is its own";

  ASSERT_TRUE(clone.SetColor(0xFF0000FF));
  EXPECT_EQ(clone.GetColor(), 0xFF0000FFu);
}

TEST_F(PenOnEngine, PenFromABrushTakesItsColour) {
  SolidBrush blue;
  ASSERT_TRUE(blue.Create(0xFF0000FF));
  Pen fromBrush;
  ASSERT_TRUE(fromBrush.CreateFromBrush(blue, 3, 2));
  ASSERT_TRUE(blue.Delete());
  EXPECT_EQ(fromBrush.GetColor(), 0xFF0000FFu);
  EXPECT_EQ(fromBrush.GetWidth(), 3.0f);
  EXPECT_EQ(fromBrush.GetUnit(), 2);
}

TEST_F(PenOnEngine, CustomCapsAreCopiedBothWays) {
  auto arrow = testsupport::MakeArrowCap(4, 4);
  ASSERT_NE(arrow.GetHandle(), 0u);
  testsupport::RawObject none;
  EXPECT_TRUE(pen.GetCustomStartCap(none));
  EXPECT_EQ(none.GetHandle(), 0u) << "no custom cap yet";

  ASSERT_TRUE(pen.SetCustomStartCap(arrow));
  ASSERT_TRUE(pen.SetCustomEndCap(arrow));
  EXPECT_EQ(pen.GetStartCap(), kLineCapCustom);
  EXPECT_EQ(pen.GetEndCap(), kLineCapCustom);
  testsupport::RawObject start(0, &testsupport::DeleteCustomLineCap);  // the copy is ours
  ASSERT_TRUE(pen.GetCustomStartCap(start));
  EXPECT_NE(start.GetHandle(), 0u);
  EXPECT_NE(start.GetHandle(), arrow.GetHandle()) << "a copy";
  EXPECT_FALSE(pen.SetCustomStartCap(none)) << "no cap";
}

TEST_F(PenOnEngine, BadInputFailsWithoutACrash) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  Pen refused;
  EXPECT_FALSE(refused.Create(0xFF000000, 1, 1)) << "display unit";
  EXPECT_FALSE(refused.Create(0xFF000000, 1, 99)) << "unknown unit";
  EXPECT_EQ(refused.GetHandle(), 0u);
  EXPECT_FALSE(pen.SetUnit(1));
  EXPECT_FALSE(pen.SetUnit(-3));
  EXPECT_EQ(pen.GetUnit(), 0) << "unchanged";
  EXPECT_TRUE(pen.SetUnit(nan)) << "NaN truncates to 0, world units";

  SolidBrush emptyBrush;
  EXPECT_FALSE(pen.SetBrushFill(emptyBrush));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(refused.CreateFromBrush(emptyBrush, 1));

  const auto flat = MakeMatrix();
  ASSERT_TRUE(pen.ScaleTransform(0, 0));
  ASSERT_TRUE(pen.GetTransform(flat));
  EXPECT_FALSE(pen.SetTransform(flat)) << "a matrix without inverse";
  EXPECT_FALSE(pen.SetTransform(testsupport::RawObject())) << "no matrix";

  Pen deleted;
  ASSERT_TRUE(deleted.Create(0xFF000000, 1));
  ASSERT_TRUE(deleted.Delete());
  EXPECT_EQ(deleted.GetWidth(), 0.0f);
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(deleted.SetColor(1));
  EXPECT_FALSE(deleted.RotateTransformAt(10, {1, 1}));
  values::ValueArray<float> dashes{1, 2, 3};
  EXPECT_EQ(deleted.GetDashArray(dashes), 0);
  EXPECT_EQ(dashes.Count(), 3) << "the caller's array is left alone";
  Pen target;
  EXPECT_FALSE(deleted.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
}

// --- forwarding contracts through the recording fake ---

constexpr std::uintptr_t kPen = 0x9E00;

TEST(PenForwarding, CreateWithTheUnitOmittedPassesZero) {
  RecordingFake fake;
  fake.WriteHandle(FunctionId::GdipCreatePen1, 3, kPen);
  Pen pen;
  ASSERT_TRUE(pen.Create(0xFF000000, 2));
  EXPECT_EQ(fake.Calls()[0].args[2], IntegerArg(0));
  EXPECT_EQ(pen.penHandle, kPen);
  pen.SetHandle(0);
}

TEST(PenForwarding, SetUnitTruncatesTowardZero) {
  const std::pair<float, std::int64_t> cases[] = {
      {2.7f, 2}, {2.0f, 2}, {-2.7f, -2}, {0.9f, 0}, {4294967301.0f, 0}};
  for (const auto& [unit, passed] : cases) {
    SCOPED_TRACE(unit);
    RecordingFake fake;
    Pen pen;
    pen.SetHandle(kPen);
    ASSERT_TRUE(pen.SetUnit(unit));
    EXPECT_EQ(fake.Calls()[0].args[1], IntegerArg(passed));
    pen.SetHandle(0);
  }
}

std::vector<RecordedArg> Args(std::initializer_list<RecordedArg> args) {
  return args;
}

TEST(PenForwarding, TurnsAndScalesAboutAPointIssueThreeCallsInOrder) {
  struct Case {
    const char* what;
    bool (*apply)(Pen&);
    std::vector<std::string> names;
    std::vector<std::vector<RecordedArg>> args;
  };
  const RecordedArg pen = PointerArg(kPen);
  const Case cases[] = {
      {"turn, prepended: the positive offset first",
       [](Pen& p) {
         return p.RotateTransformAt(30, {2, 3});
       },
       {"GdipTranslatePenTransform", "GdipRotatePenTransform", "GdipTranslatePenTransform"},
       {Args({pen, RealArg(2), RealArg(3), IntegerArg(0)}), Args({pen, RealArg(30), IntegerArg(0)}),
        Args({pen, RealArg(-2), RealArg(-3), IntegerArg(0)})}},
      {"turn, appended: the negative offset first",
       [](Pen& p) {
         return p.RotateTransformAt(30, {2, 3}, 1);
       },
       {"GdipTranslatePenTransform", "GdipRotatePenTransform", "GdipTranslatePenTransform"},
       {Args({pen, RealArg(-2), RealArg(-3), IntegerArg(1)}),
        Args({pen, RealArg(30), IntegerArg(1)}),
        Args({pen, RealArg(2), RealArg(3), IntegerArg(1)})}},
      {"scale about the origin",
       [](Pen& p) {
         return p.ScaleTransformAt(2, 4, {0, 0});
       },
       {"GdipTranslatePenTransform", "GdipScalePenTransform", "GdipTranslatePenTransform"},
       {Args({pen, RealArg(0), RealArg(0), IntegerArg(0)}),
        Args({pen, RealArg(2), RealArg(4), IntegerArg(0)}),
        Args({pen, RealArg(-0.0), RealArg(-0.0), IntegerArg(0)})}},
      {"scale, any other order is passed as received",
       [](Pen& p) {
         return p.ScaleTransformAt(2, 4, {1.5f, -1}, 7);
       },
       {"GdipTranslatePenTransform", "GdipScalePenTransform", "GdipTranslatePenTransform"},
       {Args({pen, RealArg(-1.5), RealArg(1), IntegerArg(7)}),
        Args({pen, RealArg(2), RealArg(4), IntegerArg(7)}),
        Args({pen, RealArg(1.5), RealArg(-1), IntegerArg(7)})}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    Pen p;
    p.SetHandle(kPen);
    EXPECT_TRUE(c.apply(p));
    ASSERT_EQ(fake.CallNames(), c.names);
    for (std::size_t i = 0; i < c.args.size(); ++i) EXPECT_EQ(fake.Calls()[i].args, c.args[i]);
    p.SetHandle(0);
  }
}

TEST(PenForwarding, ATurnAboutAPointStopsAtTheFirstFailure) {
  RecordingFake fake;
  fake.SetStatus(FunctionId::GdipRotatePenTransform, Status::InvalidParameter);
  Pen pen;
  pen.SetHandle(kPen);
  EXPECT_FALSE(pen.RotateTransformAt(30, {2, 3}));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_EQ(fake.CallNames(),
            (std::vector<std::string>{"GdipTranslatePenTransform", "GdipRotatePenTransform"}));
  pen.SetHandle(0);
}

TEST(PenForwarding, SecondFormsMakeTheSameCalls) {
  RecordingFake fake;
  Pen pen;
  pen.SetHandle(kPen);
  ASSERT_TRUE(pen.SetLineCap(1, 2, 3));
  ASSERT_TRUE(pen.SetLineCap2(1, 2, 3));
  (void)pen.GetDashCap();
  (void)pen.GetDashCap2();
  ASSERT_EQ(fake.Calls().size(), 4u);
  EXPECT_EQ(fake.Calls()[0].id, fake.Calls()[1].id);
  EXPECT_EQ(fake.Calls()[0].args, fake.Calls()[1].args);
  EXPECT_EQ(fake.Calls()[2].id, FunctionId::GdipGetPenDashCap197819);
  EXPECT_EQ(fake.Calls()[3].id, FunctionId::GdipGetPenDashCap197819);
  pen.SetHandle(0);
}

TEST(PenForwarding, ArraysCrossWithTheirCount) {
  RecordingFake fake;
  fake.OnCall(FunctionId::GdipGetPenDashCount, [](const RecordedCall& call) {
    *reinterpret_cast<std::int32_t*>(call.args[1].pointer) = 0;
  });
  Pen pen;
  pen.SetHandle(kPen);
  ASSERT_TRUE(pen.SetDashArray(values::ValueArray<float>{}));
  EXPECT_EQ(fake.Calls()[0].args[2], IntegerArg(0));
  const values::ValueArray<float> parts{0, 0.5f, 0.75f, 1};
  ASSERT_TRUE(pen.SetCompoundArray(parts));
  EXPECT_EQ(fake.Calls()[1].args,
            Args({PointerArg(kPen), PointerArg(reinterpret_cast<std::uintptr_t>(parts.Data())),
                  IntegerArg(4)}));
  values::ValueArray<float> dashes{1, 2};
  EXPECT_EQ(pen.GetDashArray(dashes), 0);
  EXPECT_EQ(dashes.Count(), 0) << "an empty one-dimensional array";
  EXPECT_EQ(dashes.Dimensions(), std::vector<std::int32_t>{0});
  EXPECT_EQ(fake.Calls()[3].args[2], IntegerArg(0));
  pen.SetHandle(0);
}

}  // namespace
}  // namespace charart::imaging
