// SolidBrush: the two-level handle chain, colour round trips and clones
// against the real engine, and the handle chain through the fake.
#include "imaging/resources/solid_brush.h"

#include <gtest/gtest.h>

#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::PointerArg;
using gdiplus::RecordingFake;

class SolidBrushOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_F(SolidBrushOnEngine, CreateFillsAllThreeHandlesAndDeleteClearsThem) {
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(0x80FF0000));
  EXPECT_NE(brush.GetHandle(), 0u);
  EXPECT_EQ(brush.brushHandle, brush.GetHandle());
  EXPECT_EQ(brush.solidBrushHandle, brush.GetHandle());
  EXPECT_EQ(brush.GetType(), 0) << "a solid colour";
  EXPECT_EQ(brush.GetColor(), 0x80FF0000u);
  ASSERT_TRUE(brush.Delete());
  EXPECT_EQ(brush.GetHandle(), 0u);
  EXPECT_EQ(brush.brushHandle, 0u);
  EXPECT_EQ(brush.solidBrushHandle, 0u);
  EXPECT_FALSE(brush.Delete());
}

TEST_F(SolidBrushOnEngine, ColourRoundTripsAndClonesAreIndependent) {
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(0xFF000000));
  for (ArgbColor colour : {0x00000000u, 0xFFFFFFFFu, 0x12345678u}) {
    ASSERT_TRUE(brush.SetColor(colour));
    EXPECT_EQ(brush.GetColor(), colour);
  }
  SolidBrush clone;
  ASSERT_TRUE(brush.Clone(clone));
  EXPECT_NE(clone.GetHandle(), brush.GetHandle());
  EXPECT_EQ(clone.solidBrushHandle, clone.GetHandle());
  ASSERT_TRUE(brush.SetColor(0xFF00FF00));
  EXPECT_EQ(clone.GetColor(), 0x12345678u);
  ASSERT_TRUE(brush.Delete());
  EXPECT_EQ(clone.GetType(), 0);
}

TEST_F(SolidBrushOnEngine, DeletedBrushAnswersNothing) {
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(0xFF0000FF));
  ASSERT_TRUE(brush.Delete());
  EXPECT_EQ(brush.GetColor(), 0u);
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(brush.SetColor(1));
  SolidBrush target;
  EXPECT_FALSE(brush.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
}

TEST(SolidBrushForwarding, SetHandleRunsTheChainAndDestroyDeletesOnce) {
  RecordingFake fake;
  {
    SolidBrush brush;
    brush.SetHandle(0xB0);
    EXPECT_EQ(brush.brushHandle, 0xB0u);
    EXPECT_EQ(brush.solidBrushHandle, 0xB0u);
    SolidBrush moved(std::move(brush));
    EXPECT_EQ(brush.solidBrushHandle, 0u);
    EXPECT_EQ(moved.solidBrushHandle, 0xB0u);
  }
  ASSERT_EQ(fake.CallNames(), std::vector<std::string>{"GdipDeleteBrush"});
  EXPECT_EQ(fake.Calls()[0].args[0], PointerArg(0xB0));
}

}  // namespace
}  // namespace charart::imaging
