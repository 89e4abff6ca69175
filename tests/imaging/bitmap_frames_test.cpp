// Multi-frame files against the real engine: an animated GIF and a
// multi-page TIFF written with SaveToFile, SaveAddImage, SaveAdd and Flush,
// read back frame by frame.
#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "tests/imaging/bitmap_test_support.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using bitmap_test::BitmapOnEngine;
using bitmap_test::Paint;
using values::Text;

constexpr const char* kGif = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* kTiff = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* kDimensionTime = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
constexpr const char* kDimensionPage = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
constexpr const char* kSaveFlag = "{292266FC-AC40-47BF-8CFC-A85B89A655DE}";
constexpr std::int32_t kMultiFrame = 18;
constexpr std::int32_t kFlush = 20;
constexpr std::int32_t kFrameDimensionTime = 21;
constexpr std::int32_t kFrameDimensionPage = 23;

// Colours the GIF encoder keeps exactly (it keeps five bits per channel).
const std::vector<ArgbColor> kFrameColours = {0xFFF80000, 0xFF00F800, 0xFF0000F8};

EncoderParameters SaveFlag(std::int32_t value) {
  EncoderParameter parameter;
  parameter.Guid = Text(kSaveFlag);
  parameter.NumberOfValues = 1;
  parameter.Type = 4;
  parameter.Value = values::ByteSet(&value, sizeof value);
  EncoderParameters params;
  params.Count = 1;
  params.Parameter = values::ValueArray<EncoderParameter>({parameter});
  return params;
}

class TemporaryFile {
 public:
  explicit TemporaryFile(const char* name) {
    char pattern[] = "/tmp/charart-frames-XXXXXX";
    directory_ = mkdtemp(pattern);
    path_ = (directory_ / name).string();
  }
  ~TemporaryFile() { std::filesystem::remove_all(directory_); }
  const std::string& Path() const { return path_; }

 private:
  std::filesystem::path directory_;
  std::string path_;
};

// Each frame's top-left pixel, frame by frame.
std::vector<ArgbColor> FrameCorners(Bitmap& bitmap, const char* dimension) {
  std::vector<ArgbColor> corners;
  const std::int32_t count = bitmap.GetFrameCount(Text(dimension));
  for (std::int32_t i = 0; i < count; ++i) {
    if (!bitmap.SelectActiveFrame(Text(dimension), i)) return {};
    corners.push_back(bitmap.GetPixel(0, 0));
  }
  return corners;
}

struct MultiFrameCase {
  const char* format;
  const char* dimension;
  std::int32_t addFlag;
};

TEST_F(BitmapOnEngine, SaveAddWritesAnAnimatedGifAndAMultiPageTiff) {
  for (const MultiFrameCase c : {MultiFrameCase{kGif, kDimensionTime, kFrameDimensionTime},
                                 MultiFrameCase{kTiff, kDimensionPage, kFrameDimensionPage}}) {
    SCOPED_TRACE(c.format);
    TemporaryFile file("frames");
    std::vector<Bitmap> frames(3);
    for (std::size_t i = 0; i < frames.size(); ++i) {
      ASSERT_TRUE(
          Paint(frames[i], 5, 4, [&](std::int32_t, std::int32_t) { return kFrameColours[i]; }));
    }
    ASSERT_TRUE(frames[0].SaveToFile(Text(file.Path()), Text(c.format), SaveFlag(kMultiFrame)));
    ASSERT_TRUE(frames[0].SaveAddImage(frames[1], SaveFlag(c.addFlag)));
    // The file is complete after every step.
    {
      Bitmap partial;
      ASSERT_TRUE(partial.CreateFromFile(Text(file.Path())));
      EXPECT_EQ(FrameCorners(partial, c.dimension),
                (std::vector<ArgbColor>{kFrameColours[0], kFrameColours[1]}));
    }
    ASSERT_TRUE(frames[0].SaveAddImage(frames[2], SaveFlag(c.addFlag)));
    ASSERT_TRUE(frames[0].SaveAdd(SaveFlag(kFlush)));
    EXPECT_FALSE(frames[0].SaveAdd(SaveFlag(kFlush)));  // nothing open any more
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(gdiplus::Status::WrongState));

    Bitmap readBack;
    ASSERT_TRUE(readBack.CreateFromFile(Text(file.Path())));
    EXPECT_EQ(readBack.GetWidth(), 5);
    EXPECT_EQ(FrameCorners(readBack, c.dimension), kFrameColours);
    if (c.format == kGif) {  // an independent decoder sees the same animation
      QImageReader reader(QString::fromStdString(file.Path()), "gif");
      EXPECT_EQ(reader.imageCount(), 3);
      for (const ArgbColor colour : kFrameColours) {
        const QImage frame = reader.read();
        ASSERT_FALSE(frame.isNull());
        EXPECT_EQ(frame.pixel(0, 0), colour);
      }
    }
  }
}

TEST_F(BitmapOnEngine, SaveAddRepeatsTheImagesActiveFrame) {
  TemporaryFile file("pages.tif");
  Bitmap first;
  ASSERT_TRUE(Paint(first, 2, 2, [](std::int32_t, std::int32_t) { return kFrameColours[0]; }));
  ASSERT_TRUE(first.SaveToFile(Text(file.Path()), Text(kTiff), SaveFlag(kMultiFrame)));
  ASSERT_TRUE(first.SetPixel(0, 0, kFrameColours[2]));
  ASSERT_TRUE(first.SaveAdd(SaveFlag(kFrameDimensionPage)));
  ASSERT_TRUE(first.SaveAdd(SaveFlag(kFlush)));
  Bitmap readBack;
  ASSERT_TRUE(readBack.CreateFromFile(Text(file.Path())));
  EXPECT_EQ(FrameCorners(readBack, kDimensionPage),
            (std::vector<ArgbColor>{kFrameColours[0], kFrameColours[2]}));
}

TEST_F(BitmapOnEngine, SaveAddOutsideAMultiFrameSaveFails) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(2, 2));
  Bitmap other;
  ASSERT_TRUE(other.CreateFromSize(2, 2));
  EXPECT_FALSE(bitmap.SaveAddImage(other, SaveFlag(kFrameDimensionPage)));
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(gdiplus::Status::WrongState));
  EXPECT_FALSE(bitmap.SaveAdd(EncoderParameters()));  // no save flag
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(gdiplus::Status::InvalidParameter));
}

// A frame that accepts property items: libgdiplus refuses them on a bitmap
// made in memory, so the frame is decoded from PNG bytes of its colour.
bool DecodedFrame(Bitmap& frame, ArgbColor colour, std::int32_t delay) {
  Bitmap painted;
  if (!Paint(painted, 5, 4, [&](std::int32_t, std::int32_t) { return colour; })) return false;
  if (!frame.CreateFromStream(painted.SaveToBytes(Text(kImageFormatPng)))) return false;
  PropertyItem item;
  item.Id = 0x5100;
  item.Type = 4;
  item.Length = 4;
  item.Value = values::ByteSet(&delay, sizeof delay);
  return frame.SetPropertyItem(item);
}

TEST_F(BitmapOnEngine, AnAnimatedGifKeepsItsFramesAndDelays) {
  TemporaryFile file("animation.gif");
  const std::vector<std::int32_t> delays = {10, 25, 40};
  std::vector<Bitmap> frames(3);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    ASSERT_TRUE(DecodedFrame(frames[i], kFrameColours[i], delays[i]));
  }
  ASSERT_TRUE(frames[0].SaveToFile(Text(file.Path()), Text(kGif), SaveFlag(kMultiFrame)));
  ASSERT_TRUE(frames[0].SaveAddImage(frames[1], SaveFlag(kFrameDimensionTime)));
  ASSERT_TRUE(frames[0].SaveAddImage(frames[2], SaveFlag(kFrameDimensionTime)));
  ASSERT_TRUE(frames[0].SaveAdd(SaveFlag(kFlush)));

  Bitmap animation;
  ASSERT_TRUE(animation.CreateFromFile(Text(file.Path())));
  values::ValueArray<Text> dimensions;
  ASSERT_EQ(animation.GetFrameDimensionsList(dimensions), 1);
  EXPECT_EQ(dimensions[1], Text(kDimensionTime));
  EXPECT_EQ(animation.GetFrameCount(Text(kDimensionTime)), 3);
  values::ValueArray<std::int32_t> read;
  ASSERT_TRUE(animation.GetFrameDelays(read));
  EXPECT_EQ(read.Elements(), delays);
  // Reading the delays keeps the frame the caller chose.
  ASSERT_TRUE(animation.SelectActiveFrame(Text(kDimensionTime), 2));
  ASSERT_TRUE(animation.GetFrameDelays(read));
  EXPECT_EQ(read.Count(), 3);
  EXPECT_EQ(animation.GetPixel(0, 0), kFrameColours[2]);

  // Past the last frame, or along a dimension that is no GUID: refused.
  EXPECT_FALSE(animation.SelectActiveFrame(Text(kDimensionTime), 3));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(animation.GetFrameCount(Text("")), 0);
  EXPECT_NE(LastStatus, 0);
}

TEST_F(BitmapOnEngine, APictureWithoutFrameDelaysLeavesTheArrayAlone) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(3, 3));
  values::ValueArray<std::int32_t> delays({7, 8});
  EXPECT_FALSE(bitmap.GetFrameDelays(delays));
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(gdiplus::Status::PropertyNotFound));
  EXPECT_EQ(delays.Elements(), (std::vector<std::int32_t>{7, 8}));
  EXPECT_EQ(bitmap.GetFrameCount(Text(kDimensionPage)), 1);
}

}  // namespace
}  // namespace charart::imaging
