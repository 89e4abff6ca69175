// Palettes and property items against the real engine: indexed bitmaps'
// palettes read and written, EXIF fields of a JPEG read, written, removed
// and listed, and the bad input that must fail without harm.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "imaging/core/bitmap.h"
#include "tests/imaging/bitmap_test_support.h"

namespace charart::imaging {
namespace {

using bitmap_test::BitmapOnEngine;
using gdiplus::Status;
using values::ByteSet;
using values::Text;

constexpr const char* kJpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

ColorPalette PaletteOf(std::int32_t count, std::uint32_t seed) {
  ColorPalette palette;
  palette.Flags = 1;  // has alpha
  palette.Count = count;
  palette.Entries.Redim(count);
  for (std::int32_t i = 1; i <= count; ++i) {
    palette.Entries[i] = (static_cast<std::uint32_t>(i) * seed) | 0x80000000u;
  }
  return palette;
}

TEST_F(BitmapOnEngine, IndexedPalettesAreReadAndWritten) {
  struct Case {
    std::int32_t format;
    std::int32_t entries;
  };
  for (const Case c : {Case{0x30101, 2}, Case{0x30402, 16}, Case{0x30803, 256}}) {
    SCOPED_TRACE(testing::Message() << std::hex << c.format);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromSize(4, 4, c.format));
    ColorPalette initial;
    ASSERT_TRUE(bitmap.GetPalette(initial));
    EXPECT_EQ(initial.Count, c.entries);
    EXPECT_EQ(initial.Entries.Count(), c.entries);
    EXPECT_EQ(initial.Entries[1], 0xFF000000u);  // GDI+'s default palettes start with black

    const ColorPalette custom = PaletteOf(c.entries, 2654435761u);
    ASSERT_TRUE(bitmap.SetPalette(custom));
    ColorPalette read;
    ASSERT_TRUE(bitmap.GetPalette(read));
    EXPECT_EQ(read, custom);
    // Pixel 0 of the cleared bitmap is index 0: the new first entry.
    EXPECT_EQ(bitmap.GetPixel(0, 0), custom.Entries[1]);
  }
}

TEST_F(BitmapOnEngine, PalettesOfNoneOrTooManyEntriesAreRefused) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(4, 4, 0x30803));
  for (const std::int32_t count : {0, 100000}) {
    SCOPED_TRACE(count);
    LastStatus = 0;
    EXPECT_FALSE(bitmap.SetPalette(PaletteOf(count, 3)));
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
  }
  ColorPalette unchanged;
  ASSERT_TRUE(bitmap.GetPalette(unchanged));
  EXPECT_EQ(unchanged.Count, 256);
}

TEST_F(BitmapOnEngine, APaletteClaimingMoreEntriesThanItHoldsPassesOnlyThoseItHolds) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromSize(4, 4, 0x30803));
  ColorPalette claimsMore = PaletteOf(4, 7);
  claimsMore.Count = 100000;
  ASSERT_TRUE(bitmap.SetPalette(claimsMore));
  ColorPalette read;
  ASSERT_TRUE(bitmap.GetPalette(read));
  EXPECT_EQ(read.Count, 4);
  EXPECT_EQ(read.Entries, claimsMore.Entries);
}

// The bytes of a JPEG whose APP1 segment holds a small EXIF block: Make
// "charart" (ASCII) and Orientation 3 (SHORT), in either byte order.
std::vector<std::uint8_t> JpegWithExif(bool littleEndian = true) {
  Bitmap bitmap;
  if (!bitmap.CreateFromSize(8, 8)) return {};
  const ByteSet jpeg = bitmap.SaveToBytes(Text(kJpeg));
  if (jpeg.Length() < 4) return {};
  std::vector<std::uint8_t> tiff = {
      'I',  'I',  42,  0,   8,   0,   0,   0,               // header, IFD at 8
      2,    0,                                              // two entries
      0x0F, 0x01, 2,   0,   8,   0,   0,   0, 38, 0, 0, 0,  // Make at 38
      0x12, 0x01, 3,   0,   1,   0,   0,   0, 3,  0, 0, 0,  // Orientation 3
      0,    0,    0,   0,                                   // no next IFD
      'c',  'h',  'a', 'r', 'a', 'r', 't', 0};
  if (!littleEndian) {
    tiff = {'M',  'M',  0,   42,  0,   0,   0,   8,               // header, IFD at 8
            0,    2,                                              // two entries
            0x01, 0x0F, 0,   2,   0,   0,   0,   8, 0, 0, 0, 38,  // Make at 38
            0x01, 0x12, 0,   3,   0,   0,   0,   1, 0, 3, 0, 0,   // Orientation 3
            0,    0,    0,   0,                                   // no next IFD
            'c',  'h',  'a', 'r', 'a', 'r', 't', 0};
  }
  std::vector<std::uint8_t> out = {0xFF, 0xD8, 0xFF, 0xE1};
  const std::size_t length = 2 + 6 + tiff.size();
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length & 0xFF));
  for (const char c : {'E', 'x', 'i', 'f', '\0', '\0'}) out.push_back(static_cast<std::uint8_t>(c));
  out.insert(out.end(), tiff.begin(), tiff.end());
  out.insert(out.end(), jpeg.Data() + 2, jpeg.Data() + jpeg.Length());  // after its SOI
  return out;
}

class ExifJpeg : public BitmapOnEngine {
 protected:
  void SetUp() override {
    BitmapOnEngine::SetUp();
    char pattern[] = "/tmp/charart-exif-XXXXXX";
    directory_ = mkdtemp(pattern);
    path_ = (directory_ / "exif.jpg").string();
    const auto bytes = JpegWithExif();
    ASSERT_FALSE(bytes.empty());
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    ASSERT_TRUE(picture_.CreateFromFile(Text(path_)));
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::filesystem::path directory_;
  std::string path_;
  Bitmap picture_;
};

bool Lists(const values::ValueArray<std::int32_t>& ids, std::int32_t id) {
  for (const std::int32_t listed : ids.Elements()) {
    if (listed == id) return true;
  }
  return false;
}

TEST_F(ExifJpeg, ItsFieldsAreListedAndRead) {
  values::ValueArray<std::int32_t> ids;
  const std::int32_t count = picture_.GetPropertyIdList(ids);
  EXPECT_EQ(ids.Count(), count);
  EXPECT_TRUE(Lists(ids, 0x010F));
  EXPECT_TRUE(Lists(ids, 0x0112));

  PropertyItem make;
  ASSERT_TRUE(picture_.GetPropertyItem(0x010F, make));
  EXPECT_EQ(make.Id, 0x010F);
  EXPECT_EQ(make.Type, 2);
  EXPECT_EQ(make.Length, 8);
  EXPECT_EQ(make.Value, ByteSet("charart", 8));

  PropertyItem orientation;
  ASSERT_TRUE(picture_.GetPropertyItem(0x0112, orientation));
  EXPECT_EQ(orientation.Type, 3);
  EXPECT_EQ(orientation.Value, ByteSet(std::vector<std::uint8_t>{3, 0}));
}

TEST_F(ExifJpeg, FieldsAreWrittenReplacedAndRemoved) {
  PropertyItem comment;
  comment.Id = 0x9286;  // UserComment
  comment.Type = 7;
  comment.Length = 5;
  comment.Value = ByteSet("hello", 5);
  ASSERT_TRUE(picture_.SetPropertyItem(comment));
  PropertyItem read;
  ASSERT_TRUE(picture_.GetPropertyItem(0x9286, read));
  EXPECT_EQ(read, comment);

  comment.Length = 2;  // a shorter value replaces the longer one
  ASSERT_TRUE(picture_.SetPropertyItem(comment));
  ASSERT_TRUE(picture_.GetPropertyItem(0x9286, read));
  EXPECT_EQ(read.Value, ByteSet("he", 2));

  ASSERT_TRUE(picture_.RemovePropertyItem(0x9286));
  values::ValueArray<std::int32_t> ids;
  picture_.GetPropertyIdList(ids);
  EXPECT_FALSE(Lists(ids, 0x9286));
  EXPECT_FALSE(picture_.RemovePropertyItem(0x9286));
  EXPECT_NE(LastStatus, 0);
}

TEST_F(ExifJpeg, AMissingFieldLeavesTheItemAlone) {
  PropertyItem item;
  item.Id = 1;
  item.Length = 1;
  item.Value = ByteSet("x", 1);
  const PropertyItem before = item;
  EXPECT_FALSE(picture_.GetPropertyItem(0x0131, item));  // Software: not in the file
  EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::PropertyNotFound));
  EXPECT_EQ(item, before);
}

TEST_F(ExifJpeg, AnItemLongerThanItsValueIsRefusedBeforeGdiplusReadsIt) {
  for (const std::int32_t length : {100000, 6, -1}) {
    SCOPED_TRACE(length);
    PropertyItem item;
    item.Id = 0x010E;
    item.Type = 2;
    item.Length = length;
    item.Value = ByteSet("abcde", 5);
    LastStatus = 0;
    EXPECT_FALSE(picture_.SetPropertyItem(item));
    EXPECT_EQ(LastStatus, static_cast<std::int32_t>(Status::InvalidParameter));
  }
  PropertyItem absent;
  EXPECT_FALSE(picture_.GetPropertyItem(0x010E, absent));
}

TEST_F(BitmapOnEngine, ExifFieldsAreReadWhenAJpegIsDecodedFromBytes) {
  for (const bool little : {true, false}) {
    SCOPED_TRACE(little ? "little-endian" : "big-endian");
    Bitmap picture;
    ASSERT_TRUE(picture.CreateFromStream(ByteSet(JpegWithExif(little))));
    PropertyItem make;
    ASSERT_TRUE(picture.GetPropertyItem(0x010F, make));
    EXPECT_EQ(make.Type, 2);
    EXPECT_EQ(make.Value, ByteSet("charart", 8));
    PropertyItem orientation;
    ASSERT_TRUE(picture.GetPropertyItem(0x0112, orientation));
    EXPECT_EQ(orientation.Type, 3);
    EXPECT_EQ(orientation.Value, ByteSet(std::vector<std::uint8_t>{3, 0}));
  }
}

}  // namespace
}  // namespace charart::imaging
