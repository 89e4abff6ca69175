// Effects and free rotation against the real engine: every effect on a
// 4 x 4 picture against pixels computed by hand from its documented
// formula, areas, auxiliary data, bad parameters; the rotated-size numbers,
// canvases and corners of rotated pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "imaging/core/effect.h"
#include "platform/gdiplus/effect_types.h"
#include "platform/gdiplus/recording_fake.h"
#include "tests/imaging/bitmap_test_support.h"

namespace charart::imaging {
namespace {

using bitmap_test::BitmapOnEngine;
using bitmap_test::Paint;
using gdiplus::Status;
using values::Text;

ArgbColor Rgb(int r, int g, int b, int a = 255) {
  return static_cast<ArgbColor>(a) << 24 | static_cast<ArgbColor>(r) << 16 |
         static_cast<ArgbColor>(g) << 8 | static_cast<ArgbColor>(b);
}

struct Probe {
  std::int32_t x;
  std::int32_t y;
  ArgbColor expected;
};

struct EffectCase {
  const char* name;
  const char* effect;
  std::function<bool(Effect&)> configure;
  std::function<ArgbColor(std::int32_t, std::int32_t)> picture;
  std::vector<Probe> probes;
};

void PrintTo(const EffectCase& c, std::ostream* out) {
  *out << c.name;
}

template <typename Record>
std::function<bool(Effect&)> With(Record record) {
  return [record](Effect& effect) { return effect.SetParametersOf(record); };
}

ArgbColor Uniform(ArgbColor colour, std::int32_t, std::int32_t) {
  return colour;
}

// Black everywhere but one white pixel at (1, 1).
ArgbColor WhiteDot(std::int32_t x, std::int32_t y) {
  return x == 1 && y == 1 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
}

// Grey 100 everywhere but 200 at (1, 1).
ArgbColor GreyDot(std::int32_t x, std::int32_t y) {
  return x == 1 && y == 1 ? Rgb(200, 200, 200) : Rgb(100, 100, 100);
}

// Four rows: grey 100, grey 250, (100, 60, 30) half transparent, red.
ArgbColor Rows(std::int32_t, std::int32_t y) {
  switch (y) {
    case 0:
      return Rgb(100, 100, 100);
    case 1:
      return Rgb(250, 250, 250);
    case 2:
      return Rgb(100, 60, 30, 128);
    default:
      return Rgb(255, 0, 0);
  }
}

gdiplus::ColorMatrix SwapRedAndBlueAndLiftRed() {
  gdiplus::ColorMatrix m{};
  m.m[0][2] = 1;  // red into blue
  m.m[2][0] = 1;  // blue into red
  m.m[1][1] = 1;
  m.m[3][3] = 1;
  m.m[4][0] = 0.2f;  // + 51 red
  return m;
}

gdiplus::ColorLUTParams InvertRed() {
  gdiplus::ColorLUTParams lut{};
  for (int i = 0; i < 256; ++i) {
    lut.lutR[i] = static_cast<std::uint8_t>(255 - i);
    lut.lutG[i] = lut.lutB[i] = lut.lutA[i] = static_cast<std::uint8_t>(i);
  }
  return lut;
}

class Effects : public ::testing::TestWithParam<EffectCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(testsupport::StartGdiplusOnce()); }
};

TEST_P(Effects, ChangeThePixelsAsComputedByHand) {
  const EffectCase& c = GetParam();
  Bitmap picture;
  ASSERT_TRUE(Paint(picture, 4, 4, c.picture));
  Effect effect;
  ASSERT_TRUE(effect.Create(Text(c.effect)));
  ASSERT_TRUE(c.configure(effect));
  ASSERT_TRUE(picture.ApplyEffect(effect));
  for (const Probe& probe : c.probes) {
    EXPECT_EQ(picture.GetPixel(probe.x, probe.y), probe.expected)
        << "at " << probe.x << "," << probe.y << std::hex << " got 0x"
        << picture.GetPixel(probe.x, probe.y) << " want 0x" << probe.expected;
  }
}

using gdiplus::BlurParams;
using gdiplus::BrightnessContrastParams;
using gdiplus::ColorBalanceParams;
using gdiplus::ColorCurveParams;
using gdiplus::HueSaturationLightnessParams;
using gdiplus::LevelsParams;
using gdiplus::SharpenParams;
using gdiplus::TintParams;

const gdiplus::RECT kRedEyeArea{0, 0, 2, 2};

INSTANTIATE_TEST_SUITE_P(
    All, Effects,
    ::testing::Values(
        // (c - 128) * (100 + contrast) / 100 + 128 + brightness
        EffectCase{"BrightnessLifts",
                   kBrightnessContrastEffect,
                   With(BrightnessContrastParams{50, 0}),
                   Rows,
                   {{0, 0, Rgb(150, 150, 150)},
                    {0, 1, Rgb(255, 255, 255)},
                    {0, 2, Rgb(150, 110, 80, 128)}}},
        EffectCase{"ContrastDoubles",
                   kBrightnessContrastEffect,
                   With(BrightnessContrastParams{0, 100}),
                   Rows,
                   {{0, 0, Rgb(72, 72, 72)}, {0, 1, Rgb(255, 255, 255)}, {0, 3, Rgb(255, 0, 0)}}},
        // each channel times (100 + level) / 100
        EffectCase{"ColorBalance",
                   kColorBalanceEffect,
                   With(ColorBalanceParams{50, -50, 0}),
                   Rows,
                   {{1, 0, Rgb(150, 50, 100)}, {1, 3, Rgb(255, 0, 0)}}},
        // shadow 51 and highlight 204 stretch to 0 and 255
        EffectCase{
            "Levels",
            kLevelsEffect,
            With(LevelsParams{80, 0, 20}),
            Rows,
            {{2, 0, Rgb(82, 82, 82)}, {2, 1, Rgb(255, 255, 255)}, {2, 2, Rgb(82, 15, 0, 128)}}},
        EffectCase{"CurveExposureOfRedOnly",
                   kColorCurveEffect,
                   With(ColorCurveParams{gdiplus::AdjustExposure, gdiplus::CurveChannelRed, 100}),
                   Rows,
                   {{3, 2, Rgb(200, 60, 30, 128)}, {3, 0, Rgb(200, 100, 100)}}},
        EffectCase{
            "CurveBlackSaturation",
            kColorCurveEffect,
            With(ColorCurveParams{gdiplus::AdjustBlackSaturation, gdiplus::CurveChannelAll, 51}),
            Rows,
            {{0, 0, Rgb(61, 61, 61)}, {0, 2, Rgb(61, 11, 0, 128)}}},
        EffectCase{"ColorLutInvertsRed",
                   kColorLUTEffect,
                   With(InvertRed()),
                   Rows,
                   {{0, 2, Rgb(155, 60, 30, 128)}, {0, 3, Rgb(0, 0, 0)}}},
        // [r g b a 1] times the matrix, in units of 255
        EffectCase{"ColorMatrixSwapsRedAndBlue",
                   kColorMatrixEffect,
                   With(SwapRedAndBlueAndLiftRed()),
                   Rows,
                   {{0, 2, Rgb(81, 60, 100, 128)}, {0, 3, Rgb(51, 0, 255)}}},
        EffectCase{"HueTurnsRedGreen",
                   kHueSaturationLightnessEffect,
                   With(HueSaturationLightnessParams{120, 0, 0}),
                   Rows,
                   {{0, 3, Rgb(0, 255, 0)}}},
        EffectCase{"NoSaturationIsGrey",
                   kHueSaturationLightnessEffect,
                   With(HueSaturationLightnessParams{0, -100, 0}),
                   Rows,
                   {{0, 3, Rgb(128, 128, 128)}, {0, 0, Rgb(100, 100, 100)}}},
        EffectCase{"LightnessToBlackAndWhite",
                   kHueSaturationLightnessEffect,
                   With(HueSaturationLightnessParams{0, 0, -100}),
                   Rows,
                   {{0, 3, Rgb(0, 0, 0)}, {0, 1, Rgb(0, 0, 0)}}},
        // lerp(c, luminance x tint colour, amount)
        EffectCase{
            "TintRed",
            kTintEffect,
            With(TintParams{0, 100}),
            [](std::int32_t x, std::int32_t y) { return x == 0 ? Rgb(128, 128, 128) : Rows(x, y); },
            {{0, 0, Rgb(128, 0, 0)}, {1, 1, Rgb(250, 0, 0)}}},
        EffectCase{"NegativeTintUsesTheOppositeHue",
                   kTintEffect,
                   With(TintParams{0, -100}),
                   [](std::int32_t, std::int32_t) { return Rgb(128, 128, 128); },
                   {{2, 2, Rgb(0, 128, 128)}}},
        EffectCase{"RedEyeInsideItsAreaOnly",
                   kRedEyeCorrectionEffect,
                   [](Effect& effect) {
                     gdiplus::RECT area = kRedEyeArea;
                     return effect.SetParametersOf(gdiplus::RedEyeCorrectionParams{1, &area});
                   },
                   [](std::int32_t x, std::int32_t y) {
                     return x == 1 && y == 1 ? Rgb(200, 150, 150) : Rgb(200, 40, 60);
                   },
                   {{0, 0, Rgb(50, 40, 60)}, {1, 1, Rgb(200, 150, 150)}, {3, 3, Rgb(200, 40, 60)}}},
        // Gaussian of sigma radius / 3; weights at 0, 1 and 2 pixels for
        // radius 3: 0.39905, 0.24204, 0.05401
        EffectCase{"BlurSpreadsADot",
                   kBlurEffect,
                   With(BlurParams{3, 0}),
                   WhiteDot,
                   {{1, 1, Rgb(41, 41, 41)}, {0, 1, Rgb(25, 25, 25)}, {3, 3, Rgb(1, 1, 1)}}},
        EffectCase{"BlurWithExpandedEdgesFadesTheBorder",
                   kBlurEffect,
                   With(BlurParams{3, 1}),
                   [](std::int32_t x, std::int32_t y) { return Uniform(Rgb(10, 20, 30), x, y); },
                   {{0, 0, Rgb(10, 20, 30, 125)}}},
        EffectCase{"BlurKeepsAUniformPicture",
                   kBlurEffect,
                   With(BlurParams{2, 0}),
                   [](std::int32_t x, std::int32_t y) { return Uniform(Rgb(10, 20, 30), x, y); },
                   {{0, 0, Rgb(10, 20, 30)}, {3, 2, Rgb(10, 20, 30)}}},
        // c + amount / 100 x (c - blurred)
        EffectCase{"SharpenStressesADot",
                   kSharpenEffect,
                   With(SharpenParams{3, 50}),
                   GreyDot,
                   {{1, 1, Rgb(242, 242, 242)}, {0, 1, Rgb(95, 95, 95)}}}),
    [](const ::testing::TestParamInfo<EffectCase>& info) { return std::string(info.param.name); });

TEST_F(BitmapOnEngine, AnEffectChangesOnlyItsArea) {
  Bitmap picture;
  ASSERT_TRUE(Paint(picture, 4, 4, [](std::int32_t x, std::int32_t y) { return Rows(x, y); }));
  Effect effect;
  ASSERT_TRUE(effect.Create(Text(kBrightnessContrastEffect)));
  ASSERT_TRUE(effect.SetParametersOf(gdiplus::BrightnessContrastParams{50, 0}));
  ASSERT_TRUE(picture.ApplyEffect(effect, gdiplus::RECT{1, 0, 3, 1}));
  EXPECT_EQ(picture.GetPixel(0, 0), Rgb(100, 100, 100));
  EXPECT_EQ(picture.GetPixel(1, 0), Rgb(150, 150, 150));
  EXPECT_EQ(picture.GetPixel(2, 0), Rgb(150, 150, 150));
  EXPECT_EQ(picture.GetPixel(3, 0), Rgb(100, 100, 100));
  EXPECT_EQ(picture.GetPixel(1, 1), Rgb(250, 250, 250));

  EXPECT_FALSE(picture.ApplyEffect(effect, gdiplus::RECT{5, 5, 9, 9}));  // outside
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
}

TEST_F(BitmapOnEngine, LookupTableEffectsHandBackTheirTable) {
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromSize(4, 4));
  Effect effect;
  ASSERT_TRUE(effect.Create(Text(kBrightnessContrastEffect)));
  ASSERT_TRUE(effect.SetParametersOf(gdiplus::BrightnessContrastParams{50, 0}));
  EXPECT_TRUE(picture.ApplyEffect(effect));
  EXPECT_EQ(effect.AuxData(), 0u);  // not asked for
  effect.UseAuxData(1);
  ASSERT_TRUE(picture.ApplyEffect(effect));
  ASSERT_NE(effect.AuxData(), 0u);
  ASSERT_EQ(effect.AuxDataSize(), 1024);
  gdiplus::ColorLUTParams lut;
  std::memcpy(&lut, reinterpret_cast<const void*>(effect.AuxData()), sizeof lut);
  EXPECT_EQ(lut.lutR[100], 150);
  EXPECT_EQ(lut.lutB[250], 255);
  EXPECT_EQ(lut.lutA[7], 7);
  // A second application replaces the data (the first is freed: see the
  // forwarding test below and the valgrind run).
  ASSERT_TRUE(picture.ApplyEffect(effect));
  EXPECT_NE(effect.AuxData(), 0u);

  Effect blur;
  ASSERT_TRUE(blur.Create(Text(kBlurEffect)));
  ASSERT_TRUE(blur.SetParametersOf(gdiplus::BlurParams{1, 0}));
  blur.UseAuxData(1);
  ASSERT_TRUE(picture.ApplyEffect(blur));
  EXPECT_EQ(blur.AuxData(), 0u);  // no table behind a blur
  EXPECT_EQ(blur.AuxDataSize(), 0);
}

TEST_F(BitmapOnEngine, EffectParametersAreCheckedAndKept) {
  Effect effect;
  EXPECT_FALSE(effect.Create(Text("{00000000-0000-0000-0000-000000000001}")));
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
  EXPECT_EQ(effect.GetHandle(), 0u);

  ASSERT_TRUE(effect.Create(Text(kLevelsEffect)));
  EXPECT_EQ(effect.GetParameterSize(), static_cast<std::int32_t>(sizeof(gdiplus::LevelsParams)));
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromSize(2, 2));
  EXPECT_FALSE(picture.ApplyEffect(effect));  // no parameters yet
  for (const gdiplus::LevelsParams bad :
       {gdiplus::LevelsParams{101, 0, 0}, gdiplus::LevelsParams{50, 0, 60},
        gdiplus::LevelsParams{100, -101, 0}}) {
    EXPECT_FALSE(effect.SetParametersOf(bad));
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
  }
  EXPECT_FALSE(effect.SetParameters(values::ByteSet("abc", 3)));  // wrong size
  const gdiplus::LevelsParams good{90, 10, 5};
  ASSERT_TRUE(effect.SetParametersOf(good));
  values::ByteSet read;
  ASSERT_TRUE(effect.GetParameters(read));
  EXPECT_EQ(read, values::ByteSet(&good, sizeof good));

  Effect redEye;
  ASSERT_TRUE(redEye.Create(Text(kRedEyeCorrectionEffect)));
  {
    std::vector<gdiplus::RECT> areas = {{0, 0, 1, 1}, {2, 2, 4, 4}};
    ASSERT_TRUE(redEye.SetParametersOf(gdiplus::RedEyeCorrectionParams{2, areas.data()}));
  }  // the effect keeps its own copy of the areas
  EXPECT_EQ(redEye.GetParameterSize(),
            static_cast<std::int32_t>(sizeof(gdiplus::RedEyeCorrectionParams) +
                                      2 * sizeof(gdiplus::RECT)));
  ASSERT_TRUE(redEye.GetParameters(read));
  gdiplus::RedEyeCorrectionParams record;
  std::memcpy(&record, read.Data(), sizeof record);
  ASSERT_EQ(record.numberOfAreas, 2u);
  EXPECT_EQ(record.areas[1].right, 4);
}

TEST(EffectForwarding, ASecondApplicationFreesTheFirstAuxiliaryData) {
  using gdiplus::FunctionId;
  gdiplus::RecordingFake fake;
  std::uintptr_t nextAux = 0x7000;
  fake.OnCall(FunctionId::GdipBitmapApplyEffect, [&](const gdiplus::RecordedCall& call) {
    *reinterpret_cast<void**>(call.args[4].pointer) = reinterpret_cast<void*>(nextAux++);
    *reinterpret_cast<gdiplus::INT*>(call.args[5].pointer) = 1024;
  });
  Bitmap picture;
  picture.SetHandle(0x100);
  Effect effect;
  effect.SetHandle(0x200);
  effect.UseAuxData(1);
  ASSERT_TRUE(picture.ApplyEffect(effect));
  ASSERT_TRUE(picture.ApplyEffect(effect, gdiplus::RECT{1, 2, 3, 4}));
  EXPECT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipBitmapApplyEffect", "GdipFree",
                                                        "GdipBitmapApplyEffect"}));
  EXPECT_EQ(fake.Calls()[1].args[0], gdiplus::PointerArg(0x7000));
  EXPECT_EQ(fake.Calls()[0].args[2], gdiplus::PointerArg(0));  // no area: the whole bitmap
  EXPECT_EQ(fake.Calls()[0].args[3], gdiplus::IntegerArg(1));  // auxiliary data wanted
  EXPECT_EQ(effect.AuxData(), 0x7001u);
  EXPECT_EQ(effect.AuxDataSize(), 1024);
  picture.SetHandle(0);
  fake.ClearCalls();
  effect.Destroy();  // frees the data of the last application, deletes the effect
  EXPECT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipFree", "GdipDeleteEffect"}));
  EXPECT_EQ(fake.Calls()[0].args[0], gdiplus::PointerArg(0x7001));
}

// --- free rotation ---------------------------------------------------------

struct RotatedSizeCase {
  float width;
  float height;
  std::int32_t angle;
  float newWidth;
  float newHeight;
};

TEST(RotatedSize, MatchesTheCornerGeometry) {
  Bitmap bitmap;
  for (const RotatedSizeCase c :
       {RotatedSizeCase{100, 50, 0, 99, 49}, RotatedSizeCase{100, 100, 45, 140.00714f, 140.00714f},
        RotatedSizeCase{100, 50, 90, 49, 99}, RotatedSizeCase{100, 50, 180, 99, 49},
        RotatedSizeCase{1, 1, 30, 0, 0}, RotatedSizeCase{100, 50, 30, 110.236f, 91.935f}}) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.angle);
    float w = -1;
    float h = -1;
    LastStatus = 33;
    bitmap.GetRotatedSize(c.width, c.height, c.angle, w, h);
    EXPECT_NEAR(w, c.newWidth, 0.001);
    EXPECT_NEAR(h, c.newHeight, 0.001);
    EXPECT_EQ(LastStatus, 33);
  }
}

TEST_F(BitmapOnEngine, RotatingByZeroMakesTheCanvasOnePixelSmaller) {
  Bitmap source;
  ASSERT_TRUE(Paint(source, 100, 50, [](std::int32_t, std::int32_t) { return Rgb(0, 0, 255); }));
  Bitmap target;
  ASSERT_TRUE(source.Rotate(0, target));
  EXPECT_EQ(target.GetWidth(), 99);
  EXPECT_EQ(target.GetHeight(), 49);
  EXPECT_EQ(target.GetPixelFormat(), kPixelFormat32bppArgb);
  EXPECT_EQ(target.GetPixel(50, 25), Rgb(0, 0, 255));
  EXPECT_EQ(source.GetWidth(), 100);  // the source is not changed
}

TEST_F(BitmapOnEngine, AFractionalAngleIsSizedForItsWholeDegrees) {
  Bitmap source;
  ASSERT_TRUE(Paint(source, 100, 50, [](std::int32_t, std::int32_t) { return Rgb(9, 9, 9); }));
  float w30 = 0, h30 = 0, w31 = 0, h31 = 0;
  source.GetRotatedSize(100, 50, 30, w30, h30);
  source.GetRotatedSize(100, 50, 31, w31, h31);
  // 30 and 31 degrees need different heights (91.9 and 93.0); 30.7 would need 92.7.
  ASSERT_NE(static_cast<std::int32_t>(h30), static_cast<std::int32_t>(h31));
  Bitmap target;
  ASSERT_TRUE(source.Rotate(30.7f, target));
  EXPECT_EQ(target.GetWidth(), 110);  // 110.236 truncated
  EXPECT_EQ(target.GetHeight(), 91);
}

TEST_F(BitmapOnEngine, AGivenCanvasIsUsedTruncatedWithThePictureCentred) {
  Bitmap source;
  ASSERT_TRUE(Paint(source, 20, 10, [](std::int32_t, std::int32_t) { return Rgb(200, 0, 0); }));
  Bitmap target;
  ASSERT_TRUE(source.Rotate(0, target, std::nullopt, std::nullopt, SizeF{60.9f, 40.2f}));
  EXPECT_EQ(target.GetWidth(), 60);
  EXPECT_EQ(target.GetHeight(), 40);
  EXPECT_EQ(target.GetPixel(30, 20), Rgb(200, 0, 0));
  EXPECT_EQ(target.GetPixel(5, 20), 0u);
  EXPECT_EQ(target.GetPixel(30, 5), 0u);
}

TEST_F(BitmapOnEngine, CornersOutsideTheTurnedPictureAreBackground) {
  Bitmap source;
  ASSERT_TRUE(Paint(source, 21, 21, [](std::int32_t, std::int32_t) { return Rgb(0, 200, 0); }));
  Bitmap clear;
  ASSERT_TRUE(source.Rotate(45, clear));
  const std::int32_t size = clear.GetWidth();
  ASSERT_EQ(size, 28);  // 20 x the square root of 2
  for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
    EXPECT_EQ(clear.GetPixel(x, y), 0u) << x << "," << y;
  }
  EXPECT_EQ(clear.GetPixel(size / 2, size / 2), Rgb(0, 200, 0));

  Bitmap filled;
  ASSERT_TRUE(source.Rotate(45, filled, Rgb(0, 0, 255), 5 /* nearest neighbour */));
  for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
    EXPECT_EQ(filled.GetPixel(x, y), Rgb(0, 0, 255)) << x << "," << y;
  }
  EXPECT_EQ(filled.GetPixel(size / 2, size / 2), Rgb(0, 200, 0));
}

TEST_F(BitmapOnEngine, RotatingIntoItselfReplacesThePicture) {
  Bitmap bitmap;
  ASSERT_TRUE(Paint(bitmap, 30, 10, [](std::int32_t, std::int32_t) { return Rgb(1, 2, 3); }));
  ASSERT_TRUE(bitmap.Rotate(90, bitmap));
  EXPECT_EQ(bitmap.GetWidth(), 9);
  EXPECT_EQ(bitmap.GetHeight(), 29);
  EXPECT_EQ(bitmap.GetPixel(4, 14), Rgb(1, 2, 3));
}

TEST_F(BitmapOnEngine, AnImpossibleCanvasFailsAndLeavesTheTargetAlone) {
  Bitmap source;
  ASSERT_TRUE(source.CreateFromSize(4, 4));
  Bitmap target;
  ASSERT_TRUE(target.CreateFromSize(2, 2));
  const Handle before = target.GetHandle();
  EXPECT_FALSE(source.Rotate(10, target, std::nullopt, std::nullopt, SizeF{0, 5}));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(target.GetHandle(), before);
}

}  // namespace
}  // namespace charart::imaging
