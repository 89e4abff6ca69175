// MemoryStream and Bitmap::CreateFromStream on arbitrary bytes, GDI+
// started once. The stream must hold exactly the bytes it was made from (or
// the size asked for, zero-filled), its sharing copy must read the same
// block, and a picture GDI+ decodes must answer its size, its pixels and
// its frames, and survive a PNG round trip at the same size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "imaging/core/bitmap.h"
#include "imaging/core/gdiplus_session.h"
#include "imaging/core/memory_stream.h"

#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace charart;

bool SameBytes(const values::ByteSet& a, const std::uint8_t* data, std::size_t size) {
  return static_cast<std::size_t>(a.Length()) == size &&
         (size == 0 || std::memcmp(a.Data(), data, size) == 0);
}

void CheckMemoryStream(const values::ByteSet& bytes, const std::uint8_t* data, std::size_t size) {
  imaging::MemoryStream stream;
  if (stream.CreateFromBytes(bytes) == 0) return;  // an empty block cannot be made
  CHARART_FUZZ_REQUIRE(stream.GetHGlobal() != 0);
  CHARART_FUZZ_REQUIRE(SameBytes(stream.GetBytes(), data, size));
  const auto copy = stream.Copy();
  CHARART_FUZZ_REQUIRE(SameBytes(copy->GetBytes(), data, size));
  copy->Release();
  CHARART_FUZZ_REQUIRE(SameBytes(stream.GetBytes(), data, size));  // the copy left the block alone

  // A size of its own: the bytes cut, or zero-filled after them.
  const std::int32_t asked = size == 0 ? 1 : 1 + data[0] % 64;
  CHARART_FUZZ_REQUIRE(stream.CreateFromBytes(bytes, asked) != 0);
  CHARART_FUZZ_REQUIRE(stream.GetSize() == asked);
  const values::ByteSet block = stream.GetBytes();
  CHARART_FUZZ_REQUIRE(block.Length() == asked);
  const std::size_t kept = std::min<std::size_t>(size, static_cast<std::size_t>(asked));
  CHARART_FUZZ_REQUIRE(kept == 0 || std::memcmp(block.Data(), data, kept) == 0);
  for (std::int32_t i = static_cast<std::int32_t>(kept); i < asked; ++i) {
    CHARART_FUZZ_REQUIRE(block.Data()[i] == 0);
  }
}

void CheckPicture(imaging::Bitmap& picture) {
  const std::int32_t width = picture.GetWidth();
  const std::int32_t height = picture.GetHeight();
  CHARART_FUZZ_REQUIRE(width > 0 && height > 0);
  (void)picture.GetPixelFormat();
  (void)picture.GetRawFormat();
  (void)picture.GetFrameCount(values::Text("{7462DC86-6180-4C7E-8E3F-EE7333A7A483}"));
  const std::int32_t xs[] = {0, width / 2, width - 1};
  const std::int32_t ys[] = {0, height / 2, height - 1};
  for (std::int32_t y : ys) {
    for (std::int32_t x : xs) (void)picture.GetPixel(x, y);
  }
  if (static_cast<std::int64_t>(width) * height > 256 * 256) return;
  const values::ByteSet png = picture.SaveToBytes(values::Text(imaging::kImageFormatPng));
  if (png.IsEmpty()) return;
  imaging::Bitmap again;
  CHARART_FUZZ_REQUIRE(again.CreateFromStream(png));
  CHARART_FUZZ_REQUIRE(again.GetWidth() == width && again.GetHeight() == height);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (imaging::StartGdiplus() == 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const values::ByteSet bytes(data, size);
  CheckMemoryStream(bytes, data, size);

  imaging::Bitmap picture;
  if (picture.CreateFromStream(bytes, (size & 1) != 0)) {
    CheckPicture(picture);
    // The stream keeps exactly the bytes the picture came from.
    CHARART_FUZZ_REQUIRE(SameBytes(picture.bitmapStream->GetBytes(), data, size));
  }
  return 0;
}
