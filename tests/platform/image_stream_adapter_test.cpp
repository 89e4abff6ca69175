// The stream adapters against the real libgdiplus, at the flat interface:
// GDI+ reads an image from a stream's current position and writes one at
// it, whatever lies before.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdiplus/gdiplus_api.h"
#include "platform/win32/com_stream.h"
#include "tests/support/raw_graphics.h"

namespace charart::gdiplus {
namespace {

constexpr PixelFormat kArgb = 0x26200A;
const CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

class StreamOf {
 public:
  StreamOf() { win32::CreateStreamOnHGlobal(nullptr, true, &stream_); }
  ~StreamOf() {
    if (stream_ != nullptr) win32::VtblOf(stream_)->Release(stream_);
  }
  IStream* get() const { return stream_; }
  void Write(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t written = 0;
    win32::VtblOf(stream_)->Write(stream_, bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                  &written);
  }
  std::uint64_t Seek(std::int64_t move, std::uint32_t origin) {
    std::uint64_t position = 0;
    win32::VtblOf(stream_)->Seek(stream_, move, origin, &position);
    return position;
  }

 private:
  IStream* stream_ = nullptr;
};

GpBitmap* TwoByOne() {
  GpBitmap* bitmap = nullptr;
  if (Api().GdipCreateBitmapFromScan0(2, 1, 0, kArgb, nullptr, &bitmap) != Status::Ok)
    return nullptr;
  Api().GdipBitmapSetPixel(bitmap, 0, 0, 0xFF112233);
  Api().GdipBitmapSetPixel(bitmap, 1, 0, 0x80FF0000);
  return bitmap;
}

TEST(ImageStreamAdapter, AnImageWrittenAfterOtherBytesIsReadBackFromThere) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  GpBitmap* source = TwoByOne();
  ASSERT_NE(source, nullptr);
  StreamOf stream;
  ASSERT_NE(stream.get(), nullptr);
  stream.Write({'h', 'e', 'a', 'd', 'e', 'r'});
  ASSERT_EQ(Api().GdipSaveImageToStream(reinterpret_cast<GpImage*>(source), stream.get(),
                                        &kPngEncoder, nullptr),
            Status::Ok);
  const std::uint64_t end = stream.Seek(0, win32::STREAM_SEEK_CUR);
  EXPECT_GT(end, 6u + 8u);
  stream.Write({'t', 'r', 'a', 'i', 'l'});

  EXPECT_EQ(stream.Seek(6, win32::STREAM_SEEK_SET), 6u);
  GpBitmap* decoded = nullptr;
  ASSERT_EQ(Api().GdipCreateBitmapFromStream(stream.get(), &decoded), Status::Ok);
  ASSERT_NE(decoded, nullptr);
  ARGB pixel = 0;
  Api().GdipBitmapGetPixel(decoded, 0, 0, &pixel);
  EXPECT_EQ(pixel, 0xFF112233u);
  Api().GdipBitmapGetPixel(decoded, 1, 0, &pixel);
  EXPECT_EQ(pixel, 0x80FF0000u);
  Api().GdipDisposeImage(reinterpret_cast<GpImage*>(decoded));
  Api().GdipDisposeImage(reinterpret_cast<GpImage*>(source));
}

TEST(ImageStreamAdapter, RefusesWhatGdiplusRefuses) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  GpBitmap* bitmap = reinterpret_cast<GpBitmap*>(0x1);
  EXPECT_EQ(Api().GdipCreateBitmapFromStream(nullptr, &bitmap), Status::InvalidParameter);
  StreamOf empty;
  bitmap = reinterpret_cast<GpBitmap*>(0x1);
  EXPECT_NE(Api().GdipCreateBitmapFromStreamICM(empty.get(), &bitmap), Status::Ok);
  EXPECT_EQ(bitmap, nullptr);
  EXPECT_EQ(Api().GdipSaveImageToStream(nullptr, empty.get(), &kPngEncoder, nullptr),
            Status::InvalidParameter);
}

}  // namespace
}  // namespace charart::gdiplus
