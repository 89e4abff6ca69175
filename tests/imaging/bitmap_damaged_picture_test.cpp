// Pictures whose bytes libgdiplus misreads, found by fuzzing CreateFromStream
// (tests/fuzz/fuzz_image_stream.cpp): the loaders refuse them instead of
// handing out a picture without pixels or writing outside their buffers.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "tests/imaging/bitmap_test_support.h"
#include "values/conversions.h"

namespace charart::imaging::bitmap_test {
namespace {

constexpr std::int32_t kInvalidParameter = 2;

// A 2 x 2 icon of 32-bit pixels whose directory entry says `width` x
// `height` (0 stands for 256); its bitmap header says 2 x 2 either way.
std::vector<std::uint8_t> Icon(std::uint8_t width, std::uint8_t height) {
  std::vector<std::uint8_t> icon = {0, 0, 1, 0, 1, 0,  // reserved, type icon, one image
                                    width, height, 0, 0, 1, 0, 32, 0,
                                    // 40 + 16 + 8 bytes at offset 22
                                    64, 0, 0, 0, 22, 0, 0, 0,
                                    // BITMAPINFOHEADER: 2 wide, 2 x 2 high (colour and mask)
                                    40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0};
  icon.resize(icon.size() + 24, 0);  // no compression, sizes and colours 0
  const std::uint8_t pixels[16] = {0,    0, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF,
                                   0xFF, 0, 0,    0xFF, 0, 0,    0, 0xFF};
  icon.insert(icon.end(), std::begin(pixels), std::end(pixels));
  icon.resize(icon.size() + 8, 0);  // the AND mask: nothing masked
  return icon;
}

values::ByteSet Bytes(const std::vector<std::uint8_t>& bytes) {
  return values::ByteSet(bytes);
}

class DamagedPicture : public BitmapOnEngine {};

TEST_F(DamagedPicture, AnIconWhoseDirectorySays256IsRefusedNotLoadedWithoutPixels) {
  const struct {
    std::uint8_t width;
    std::uint8_t height;
  } sizes[] = {{2, 0}, {0, 2}, {0, 0}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    Bitmap picture;
    EXPECT_FALSE(picture.CreateFromStream(Bytes(Icon(size.width, size.height))));
    EXPECT_EQ(LastStatus, kInvalidParameter);
    EXPECT_EQ(picture.GetHandle(), 0u);
  }
}

TEST_F(DamagedPicture, TheSameIconWithItsTrueSizeLoads) {
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromStream(Bytes(Icon(2, 2))));
  EXPECT_EQ(picture.GetWidth(), 2);
  EXPECT_EQ(picture.GetHeight(), 2);
  EXPECT_EQ(picture.GetPixel(0, 1), 0xFFFF0000u) << "bottom-up rows, blue green red alpha";
}

std::vector<std::uint8_t> Fixture(const char* name) {
  std::ifstream in(std::string(CHARART_TEST_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two damaged 5 x 3 TIFF pictures. In the first the only strip lies past the
// end of the data: libtiff took the stream's answer there (-1) as a count
// and cleared memory from one byte before its strip buffer
// (scripts/test-sanitized catches a repeat). From the second libgdiplus made
// a bitmap with a frame dimension but no frame, and asking its width read
// through a null pointer.
TEST_F(DamagedPicture, DamagedTiffPicturesAreRefused) {
  const struct {
    const char* fixture;
    std::size_t size;
  } cases[] = {{"tiff_strip_past_end.tif", 214}, {"tiff_without_frame.tif", 203}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    const auto tiff = Fixture(c.fixture);
    ASSERT_EQ(tiff.size(), c.size);
    for (const bool useIcm : {false, true}) {
      Bitmap picture;
      EXPECT_FALSE(picture.CreateFromStream(Bytes(tiff), useIcm));
      EXPECT_NE(LastStatus, 0);
      EXPECT_EQ(picture.GetHandle(), 0u);
      Bitmap fromFile;
      const std::string path = std::string(CHARART_TEST_FIXTURES) + "/" + c.fixture;
      EXPECT_FALSE(fromFile.CreateFromFile(values::Text(path), useIcm));
      EXPECT_EQ(fromFile.GetHandle(), 0u);
    }
  }
}

TEST_F(DamagedPicture, FilesAreCheckedLikeBytes) {
  const auto path = std::filesystem::temp_directory_path() / "charart-icon-256.ico";
  for (const bool trueSize : {false, true}) {
    SCOPED_TRACE(trueSize);
    const auto icon = Icon(2, trueSize ? 2 : 0);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(icon.data()),
               static_cast<std::streamsize>(icon.size()));
    for (const bool useIcm : {false, true}) {
      Bitmap picture;
      EXPECT_EQ(picture.CreateFromFile(values::Text(path.string()), useIcm), trueSize);
      EXPECT_EQ(LastStatus, trueSize ? 0 : kInvalidParameter);
      EXPECT_EQ(picture.GetHeight(), trueSize ? 2 : 0);
    }
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace charart::imaging::bitmap_test
