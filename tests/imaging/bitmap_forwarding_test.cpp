// Bitmap's forwarding contracts through the recording fake, where the class
// decides something itself: defaults substituted for omitted parameters, the
// colour-management choice, a null unit, the encoder chosen for a default
// format, delete on an empty bitmap, and the image an output replaces.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "platform/gdiplus/recording_fake.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RecordedArg;
using gdiplus::RecordedCall;
using gdiplus::RecordingFake;
using values::Text;

constexpr Handle kImage = 0x5000;
constexpr char kBmpClsid[] = "{557CF400-1A04-11D3-9A73-0000F81EF32E}";
constexpr char kPngClsid[] = "{557CF406-1A04-11D3-9A73-0000F81EF32E}";

gdiplus::GUID Guid(const char* text) {
  gdiplus::GUID guid{};
  const values::ByteSet bytes = values::TextToGuid(Text(text));
  std::memcpy(&guid, bytes.Data(), sizeof guid);
  return guid;
}

// The fake's installed encoders: PNG, then BMP.
void InstallEncoders(RecordingFake& fake) {
  fake.OnCall(FunctionId::GdipGetImageEncodersSize, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::UINT*>(call.args[0].pointer) = 2;
    *reinterpret_cast<gdiplus::UINT*>(call.args[1].pointer) = 2 * sizeof(gdiplus::ImageCodecInfo);
  });
  fake.OnCall(FunctionId::GdipGetImageEncoders, [](const RecordedCall& call) {
    auto* codecs = reinterpret_cast<gdiplus::ImageCodecInfo*>(call.args[2].pointer);
    codecs[0].Clsid = Guid(kPngClsid);
    codecs[0].FormatID = Guid(kImageFormatPng);
    codecs[1].Clsid = Guid(kBmpClsid);
    codecs[1].FormatID = Guid(kImageFormatBmp);
  });
}

// The encoder GUID text a save call received (its argument `index`), read
// while the call runs.
void CaptureEncoder(RecordingFake& fake, FunctionId id, std::size_t index, Text& encoder) {
  fake.OnCall(id, [index, &encoder](const RecordedCall& call) {
    encoder = values::GuidToText(values::ByteSet(
        reinterpret_cast<const void*>(call.args[index].pointer), sizeof(gdiplus::GUID)));
  });
}

struct Contract {
  const char* name;
  std::function<void(Bitmap&, RecordingFake&)> act;
  FunctionId call;
  // Expected arguments of `call` by position; others are not compared.
  std::vector<std::pair<std::size_t, RecordedArg>> args;
};

void PrintTo(const Contract& contract, std::ostream* out) {
  *out << contract.name;
}

class BitmapForwarding : public ::testing::TestWithParam<Contract> {};

TEST_P(BitmapForwarding, PassesWhatTheContractSays) {
  const Contract& c = GetParam();
  RecordingFake fake;
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  c.act(bitmap, fake);
  const RecordedCall* found = nullptr;
  for (const auto& call : fake.Calls()) {
    if (call.id == c.call) found = &call;
  }
  ASSERT_NE(found, nullptr) << "no call of " << gdiplus::FunctionName(c.call);
  for (const auto& [index, expected] : c.args) {
    ASSERT_LT(index, found->args.size());
    EXPECT_EQ(found->args[index], expected)
        << "argument " << index << ": " << gdiplus::ToString(found->args[index]);
  }
  bitmap.SetHandle(0);
}

INSTANTIATE_TEST_SUITE_P(
    Contracts, BitmapForwarding,
    ::testing::Values(
        Contract{"CreateFromSizeDefaultsTo32bppArgb",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromSize(20, 10); },
                 FunctionId::GdipCreateBitmapFromScan0,
                 {{0, IntegerArg(20)},
                  {1, IntegerArg(10)},
                  {2, IntegerArg(0)},
                  {3, IntegerArg(0x26200A)},
                  {4, PointerArg(0)}}},
        Contract{"CreateFromSizePassesAGivenFormat",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromSize(2, 1, 0x21808); },
                 FunctionId::GdipCreateBitmapFromScan0,
                 {{3, IntegerArg(0x21808)}}},
        Contract{"CreateFromScan0WithoutPixelsPassesNull",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromScan0(4, 3, 16, 0x26200A); },
                 FunctionId::GdipCreateBitmapFromScan0,
                 {{2, IntegerArg(16)}, {4, PointerArg(0)}}},
        Contract{"CreateFromFileWithoutIcmUsesThePlainFunction",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromFile(Text("a.png")); },
                 FunctionId::GdipCreateBitmapFromFile,
                 {}},
        Contract{"CreateFromFileWithIcmFalseUsesThePlainFunction",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromFile(Text("a.png"), false); },
                 FunctionId::GdipCreateBitmapFromFile,
                 {}},
        Contract{"CreateFromFileWithIcmUsesTheIcmFunction",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateFromFile(Text("a.png"), true); },
                 FunctionId::GdipCreateBitmapFromFileICM,
                 {}},
        Contract{"CreateFromStreamWithIcmUsesTheIcmFunction",
                 [](Bitmap& b, RecordingFake&) {
                   (void)b.CreateFromStream(values::ByteSet(std::vector<std::uint8_t>{1, 2}), true);
                 },
                 FunctionId::GdipCreateBitmapFromStreamICM,
                 {}},
        Contract{"GetBoundsWithoutUnitPassesNull",
                 [](Bitmap& b, RecordingFake&) {
                   RectF rect;
                   (void)b.GetBounds(rect);
                 },
                 FunctionId::GdipGetImageBounds,
                 {{0, PointerArg(kImage)}, {2, PointerArg(0)}}},
        Contract{"CreateHBITMAPWithoutBackgroundPassesZero",
                 [](Bitmap& b, RecordingFake&) { (void)b.CreateHBITMAP(); },
                 FunctionId::GdipCreateHBITMAPFromBitmap,
                 {{2, IntegerArg(0)}}},
        Contract{"CreateFromHBITMAPWithoutPalettePassesNull",
                 [](Bitmap& b, RecordingFake&) {
                   (void)b.CreateFromHBITMAP(reinterpret_cast<gdiplus::HBITMAP>(0x77));
                 },
                 FunctionId::GdipCreateBitmapFromHBITMAP,
                 {{0, PointerArg(0x77)}, {1, PointerArg(0)}}},
        Contract{"GetThumbnailPassesNoCallback",
                 [](Bitmap& b, RecordingFake&) {
                   Bitmap target;
                   (void)b.GetThumbnail(16, 8, target);
                 },
                 FunctionId::GdipGetImageThumbnail,
                 {{1, IntegerArg(16)}, {2, IntegerArg(8)}, {4, PointerArg(0)}, {5, PointerArg(0)}}},
        Contract{"CloneAreaIPassesTheRectangleInOrder",
                 [](Bitmap& b, RecordingFake&) {
                   Bitmap target;
                   (void)b.CloneAreaI(MakeRect(1, 2, 3, 4), 0x26200A, target);
                 },
                 FunctionId::GdipCloneBitmapAreaI,
                 {{0, IntegerArg(1)},
                  {1, IntegerArg(2)},
                  {2, IntegerArg(3)},
                  {3, IntegerArg(4)},
                  {4, IntegerArg(0x26200A)},
                  {5, PointerArg(kImage)}}}),
    [](const ::testing::TestParamInfo<Contract>& info) { return std::string(info.param.name); });

TEST(BitmapForwardingEncoders, SaveToFileDefaultsToTheBmpEncoderWithoutParameters) {
  RecordingFake fake;
  InstallEncoders(fake);
  Text encoder;
  CaptureEncoder(fake, FunctionId::GdipSaveImageToFile, 2, encoder);
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  EXPECT_TRUE(bitmap.SaveToFile(Text("out.bmp")));
  EXPECT_EQ(encoder, Text(kBmpClsid));
  EXPECT_EQ(fake.Calls().back().args[3], PointerArg(0));
  bitmap.SetHandle(0);
}

TEST(BitmapForwardingEncoders, SaveToBytesDefaultsToTheImagesOwnFormat) {
  RecordingFake fake;
  InstallEncoders(fake);
  fake.OnCall(FunctionId::GdipGetImageRawFormat, [](const RecordedCall& call) {
    *reinterpret_cast<gdiplus::GUID*>(call.args[1].pointer) = Guid(kImageFormatPng);
  });
  Text encoder;
  CaptureEncoder(fake, FunctionId::GdipSaveImageToStream, 2, encoder);
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  (void)bitmap.SaveToBytes();
  EXPECT_EQ(encoder, Text(kPngClsid));
  bitmap.SetHandle(0);
}

TEST(BitmapForwardingEncoders, AFormatWithoutEncoderMakesNoSaveCallAndKeepsTheStatus) {
  RecordingFake fake;
  InstallEncoders(fake);
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  LastStatus = 9;
  EXPECT_FALSE(bitmap.SaveToFile(Text("x"), Text("{b96b3cab-0728-11d3-9d7b-0000f81ef32e}")));
  EXPECT_TRUE(bitmap.SaveToBytes(Text("PNG")).IsEmpty());
  EXPECT_EQ(LastStatus, 9);
  for (const auto& name : fake.CallNames()) {
    EXPECT_NE(name, "GdipSaveImageToFile");
    EXPECT_NE(name, "GdipSaveImageToStream");
  }
  bitmap.SetHandle(0);
}

TEST(BitmapForwardingLifecycle, ACloneIntoItselfDisposesTheReplacedImageAfterward) {
  RecordingFake fake;
  fake.WriteHandle(FunctionId::GdipCloneImage, 1, 0x6000);
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  EXPECT_TRUE(bitmap.Clone(bitmap));
  EXPECT_EQ(bitmap.GetHandle(), 0x6000u);
  EXPECT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipCloneImage", "GdipDisposeImage"}));
  EXPECT_EQ(fake.Calls()[1].args[0], PointerArg(kImage));
  EXPECT_EQ(LastStatus, 0);  // the clone's status, not the disposal's
  bitmap.SetHandle(0);
}

TEST(BitmapForwardingLifecycle, ABorrowingTargetNeverDisposesTheSharedImage) {
  RecordingFake fake;
  fake.WriteHandle(FunctionId::GdipCloneImage, 1, 0x6000);
  Bitmap bitmap;
  bitmap.SetHandle(kImage);
  auto copy = bitmap.Copy();
  auto& borrowed = static_cast<Bitmap&>(*copy);
  EXPECT_TRUE(bitmap.Clone(borrowed));
  EXPECT_EQ(borrowed.GetHandle(), 0x6000u);
  EXPECT_EQ(fake.CallNames(), std::vector<std::string>{"GdipCloneImage"});
  bitmap.SetHandle(0);
  borrowed.SetHandle(0);
}

TEST(BitmapForwardingLifecycle, DestroyDisposesOnceThroughTheBitmapHandle) {
  RecordingFake fake;
  {
    Bitmap bitmap;
    bitmap.SetHandle(kImage);
  }
  ASSERT_EQ(fake.CallNames(), std::vector<std::string>{"GdipDisposeImage"});
  EXPECT_EQ(fake.Calls()[0].args[0], PointerArg(kImage));
}

}  // namespace
}  // namespace charart::imaging
