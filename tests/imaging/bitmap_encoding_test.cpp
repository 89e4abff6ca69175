// Bitmap encoding and decoding against the real engine: round trips through
// PNG and BMP bytes, an independent PNG decoder, files, the encoder list,
// parameter lists and bad encoded input.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "imaging/core/memory_stream.h"
#include "platform/win32/global_memory.h"
#include "tests/imaging/bitmap_test_support.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using bitmap_test::BitmapOnEngine;
using bitmap_test::KnownColours;
using bitmap_test::Paint;
using bitmap_test::PaintKnown;
using bitmap_test::Pixels;
using values::ByteSet;
using values::Text;

constexpr std::uint8_t kPngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr const char* kPngEncoderClsid = "{557CF406-1A04-11D3-9A73-0000F81EF32E}";

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    char pattern[] = "/tmp/charart-bitmap-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TemporaryDirectory() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

TEST_F(BitmapOnEngine, PngBytesDecodeToTheSamePixels) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  const ByteSet png = source.SaveToBytes(Text(kImageFormatPng));
  EXPECT_EQ(LastStatus, 0);
  ASSERT_GT(png.Length(), 8);
  EXPECT_EQ(std::memcmp(png.Data(), kPngSignature, sizeof kPngSignature), 0);

  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromStream(png));
  EXPECT_EQ(decoded.GetWidth(), 4);
  EXPECT_EQ(decoded.GetHeight(), 3);
  EXPECT_EQ(Pixels(decoded), KnownColours());
  EXPECT_EQ(decoded.GetRawFormat(), Text(kImageFormatPng));
}

TEST_F(BitmapOnEngine, PngBytesDecodeWithQtToTheSamePixels) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  const ByteSet png = source.SaveToBytes(Text(kImageFormatPng));
  QImage image =
      QImage::fromData(QByteArray(reinterpret_cast<const char*>(png.Data()), png.Length()), "PNG");
  ASSERT_FALSE(image.isNull());
  image = image.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.width(), 4);
  ASSERT_EQ(image.height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const ArgbColor expected = KnownColours()[y * 4 + x];
      // A fully transparent pixel has no colour to keep.
      if ((expected >> 24) == 0) {
        EXPECT_EQ(qAlpha(image.pixel(x, y)), 0);
      } else {
        EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
      }
    }
  }
}

// BMP keeps no alpha: the colours come back opaque.
std::vector<ArgbColor> Opaque(std::vector<ArgbColor> colours) {
  for (auto& colour : colours) colour |= 0xFF000000u;
  return colours;
}

TEST_F(BitmapOnEngine, BmpBytesDecodeToTheSameOpaquePixels) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  const ByteSet bmp = source.SaveToBytes(Text(kImageFormatBmp));
  ASSERT_GT(bmp.Length(), 2);
  EXPECT_EQ(bmp.Data()[0], 'B');
  EXPECT_EQ(bmp.Data()[1], 'M');
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromStream(bmp));
  EXPECT_EQ(decoded.GetRawFormat(), Text(kImageFormatBmp));
  EXPECT_EQ(Pixels(decoded), Opaque(KnownColours()));
}

TEST_F(BitmapOnEngine, SaveToBytesKeepsADecodedImagesOwnFormat) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromStream(source.SaveToBytes(Text(kImageFormatPng))));
  const ByteSet again = decoded.SaveToBytes();
  ASSERT_GT(again.Length(), 8);
  EXPECT_EQ(std::memcmp(again.Data(), kPngSignature, sizeof kPngSignature), 0);
}

TEST_F(BitmapOnEngine, TheDecodedPictureNoLongerNeedsItsBytes) {
  // libgdiplus decodes inside the call: spoiling the kept bytes afterwards
  // changes nothing.
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  for (const bool png : {true, false}) {
    const char* format = png ? kImageFormatPng : kImageFormatBmp;
    SCOPED_TRACE(format);
    Bitmap decoded;
    ASSERT_TRUE(decoded.CreateFromStream(source.SaveToBytes(Text(format))));
    auto* block = reinterpret_cast<win32::HGLOBAL>(decoded.bitmapStream->GetHGlobal());
    ASSERT_NE(block, nullptr);
    void* bytes = win32::GlobalLock(block);
    ASSERT_NE(bytes, nullptr);
    std::memset(bytes, 0, win32::GlobalSize(block));
    win32::GlobalUnlock(block);
    EXPECT_EQ(Pixels(decoded), png ? KnownColours() : Opaque(KnownColours()));
  }
}

TEST_F(BitmapOnEngine, DisposeReleasesTheStreamBehindADecodedBitmap) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromStream(source.SaveToBytes(Text(kImageFormatPng))));
  EXPECT_NE(decoded.bitmapStream->GetStream(), 0u);
  EXPECT_TRUE(decoded.Dispose());
  EXPECT_EQ(decoded.bitmapStream->GetStream(), 0u);
}

TEST_F(BitmapOnEngine, BadEncodedBytesFailAndLeaveTheObjectEmpty) {
  Bitmap source;
  ASSERT_TRUE(PaintKnown(source));
  const ByteSet png = source.SaveToBytes(Text(kImageFormatPng));
  ASSERT_GT(png.Length(), 40);
  std::mt19937 random(4);
  std::vector<std::uint8_t> noise(300);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  std::vector<std::uint8_t> signatureOnly(kPngSignature, kPngSignature + 8);
  signatureOnly.resize(64, 0);

  struct Case {
    const char* what;
    ByteSet bytes;
  };
  for (const Case& c : {Case{"truncated PNG", ByteSet(png.Data(), 40)},
                        Case{"half a PNG", ByteSet(png.Data(), png.Length() / 2)},
                        Case{"PNG signature and zeros", ByteSet(signatureOnly)},
                        Case{"random bytes", ByteSet(noise)}, Case{"empty", ByteSet()},
                        Case{"two bytes", ByteSet(std::vector<std::uint8_t>{'B', 'M'})}}) {
    SCOPED_TRACE(c.what);
    Bitmap decoded;
    EXPECT_FALSE(decoded.CreateFromStream(c.bytes));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(decoded.GetHandle(), 0u);
    EXPECT_EQ(decoded.GetWidth(), 0);
  }
}

TEST_F(BitmapOnEngine, AFileIsSavedReadBackAndReplaced) {
  TemporaryDirectory directory;
  const std::string path = (directory.Path() / "picture.png").string();
  Bitmap first;
  ASSERT_TRUE(PaintKnown(first));
  ASSERT_TRUE(first.SaveToFile(Text(path), Text(kImageFormatPng)));
  const auto bytes = ReadFile(path);
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature), 0);

  Bitmap readBack;
  ASSERT_TRUE(readBack.CreateFromFile(Text(path)));
  EXPECT_EQ(Pixels(readBack), KnownColours());

  Bitmap second;
  ASSERT_TRUE(Paint(second, 2, 2, [](std::int32_t, std::int32_t) { return 0xFF00FF00u; }));
  ASSERT_TRUE(second.SaveToFileW(values::TextToWide(Text(path)), Text(kImageFormatPng)));
  Bitmap replaced;
  ASSERT_TRUE(replaced.CreateFromFileW(values::TextToWide(Text(path)), true));
  EXPECT_EQ(Pixels(replaced), std::vector<ArgbColor>(4, 0xFF00FF00u));
}

TEST_F(BitmapOnEngine, SaveToFileWritesBmpWhenTheFormatIsOmitted) {
  TemporaryDirectory directory;
  const std::string path = (directory.Path() / "picture.bmp").string();
  Bitmap bitmap;
  ASSERT_TRUE(PaintKnown(bitmap));
  ASSERT_TRUE(bitmap.SaveToFile(Text(path)));
  const auto bytes = ReadFile(path);
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
}

TEST_F(BitmapOnEngine, AMissingFileFailsAndLeavesTheObjectEmpty) {
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromFile(Text("/nonexistent/charart/none.png")));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(bitmap.GetHandle(), 0u);
}

TEST_F(BitmapOnEngine, TheInstalledEncodersIncludePngAndBmp) {
  values::ValueArray<ImageCodecInfo> list;
  const std::int32_t count = GetImageEncoders(list);
  ASSERT_GE(count, 2);
  EXPECT_EQ(list.Count(), count);
  bool png = false;
  for (const ImageCodecInfo& codec : list.Elements()) {
    EXPECT_EQ(codec.Clsid.Length(), 38);
    EXPECT_EQ(codec.FormatID.Length(), 38);
    EXPECT_FALSE(codec.MimeType.IsEmpty());
    EXPECT_EQ(codec.SigPattern.Length(), codec.SigCount * codec.SigSize);
    EXPECT_EQ(codec.SigMask.Length(), codec.SigCount * codec.SigSize);
    if (codec.FormatID == Text(kImageFormatPng)) {
      png = true;
      EXPECT_EQ(codec.MimeType, Text("image/png"));
      EXPECT_EQ(codec.Clsid, Text(kPngEncoderClsid));
    }
  }
  EXPECT_TRUE(png);
  EXPECT_EQ(FindEncoderClsid(Text(kImageFormatPng)), Text(kPngEncoderClsid));
  EXPECT_TRUE(FindEncoderClsid(Text("{00000000-0000-0000-0000-000000000000}")).IsEmpty());
}

TEST_F(BitmapOnEngine, AFormatNoEncoderWritesFailsWithoutTouchingTheStatus) {
  TemporaryDirectory directory;
  const std::string path = (directory.Path() / "none.png").string();
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(2, 2));
  for (const char* format :
       {"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E", ""}) {
    SCOPED_TRACE(format);
    LastStatus = 42;
    EXPECT_FALSE(bitmap.SaveToFile(Text(path), Text(format)));
    EXPECT_EQ(LastStatus, 42);
    EXPECT_TRUE(bitmap.SaveToBytes(Text(format)).IsEmpty());
    EXPECT_EQ(LastStatus, 42);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(BitmapOnEngine, EncoderParameterBlocksFollowGdiplusLayout) {
  EncoderParameters params;
  EXPECT_EQ(BuildEncoderParameters(params).Length(), 8);  // count and padding, no entry

  EncoderParameter quality;
  quality.Guid = Text("{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
  quality.NumberOfValues = 1;
  quality.Type = 4;
  quality.Value = ByteSet(std::vector<std::uint8_t>{75, 0, 0, 0});
  params.Count = 1;
  params.Parameter = values::ValueArray<EncoderParameter>({quality});
  const ByteSet block = BuildEncoderParameters(params);
  ASSERT_EQ(block.Length(), 8 + 32);
  gdiplus::EncoderParameters flat;
  std::memcpy(&flat, block.Data(), sizeof flat);
  EXPECT_EQ(flat.Count, 1u);
  EXPECT_EQ(values::GuidToText(ByteSet(&flat.Parameter[0].Guid, 16)), quality.Guid);
  EXPECT_EQ(flat.Parameter[0].NumberOfValues, 1u);
  EXPECT_EQ(flat.Parameter[0].Type, 4u);
  EXPECT_EQ(flat.Parameter[0].Value, params.Parameter[1].Value.Data());

  params.Count = 5;  // more than the array holds: the block claims only what it has
  std::uint32_t claimed = 0;
  std::memcpy(&claimed, BuildEncoderParameters(params).Data(), sizeof claimed);
  EXPECT_EQ(claimed, 1u);
}

TEST_F(BitmapOnEngine, EncoderParametersTakeEffectWhenSaving) {
  Bitmap bitmap;
  ASSERT_TRUE(Paint(bitmap, 32, 32, [](std::int32_t x, std::int32_t y) {
    return 0xFF000000u | static_cast<ArgbColor>((x * 8) << 16 | (y * 8) << 8 | ((x ^ y) * 8));
  }));
  const char* jpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
  auto qualityParams = [](std::uint8_t quality) {
    EncoderParameter parameter;
    parameter.Guid = Text("{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
    parameter.NumberOfValues = 1;
    parameter.Type = 4;
    parameter.Value = ByteSet(std::vector<std::uint8_t>{quality, 0, 0, 0});
    EncoderParameters params;
    params.Count = 1;
    params.Parameter = values::ValueArray<EncoderParameter>({parameter});
    return params;
  };
  const ByteSet low = bitmap.SaveToBytes(Text(jpeg), qualityParams(5));
  const ByteSet high = bitmap.SaveToBytes(Text(jpeg), qualityParams(100));
  ASSERT_GT(low.Length(), 0);
  ASSERT_GT(high.Length(), 0);
  EXPECT_LT(low.Length(), high.Length());
}

TEST_F(BitmapOnEngine, TheJpegEncoderListsItsParameters) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(2, 2));
  EncoderParameters params;
  ASSERT_TRUE(
      bitmap.GetEncoderParameterList(Text("{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}"), params));
  ASSERT_GE(params.Count, 1);
  EXPECT_EQ(params.Parameter.Count(), params.Count);
  bool quality = false;
  for (const EncoderParameter& parameter : params.Parameter.Elements()) {
    EXPECT_EQ(parameter.Guid.Length(), 38);
    if (parameter.Guid == Text("{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}")) quality = true;
  }
  EXPECT_TRUE(quality);
}

}  // namespace
}  // namespace charart::imaging
