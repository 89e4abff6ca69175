#include "platform/win32/guid_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace charart::win32 {
namespace {

// The PNG image format as GDI+ names it, in the platform's memory layout.
constexpr std::uint8_t kPngBytes[16] = {0xAF, 0x3C, 0x6B, 0xB9, 0x28, 0x07, 0xD3, 0x11,
                                        0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E};
constexpr char16_t kPngText[] = u"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

gdiplus::GUID PngGuid() {
  gdiplus::GUID guid;
  std::memcpy(&guid, kPngBytes, sizeof guid);
  return guid;
}

TEST(GuidText, PngFormatGuidAndItsTextConvertBothWays) {
  char16_t text[40];
  std::fill(std::begin(text), std::end(text), u'x');
  ASSERT_EQ(StringFromGUID2(PngGuid(), text, 39), 39);
  EXPECT_EQ(std::u16string(text), kPngText);
  EXPECT_EQ(text[39], u'x');

  gdiplus::GUID parsed{};
  ASSERT_TRUE(CLSIDFromString(kPngText, &parsed));
  EXPECT_EQ(std::memcmp(&parsed, kPngBytes, 16), 0);

  ASSERT_TRUE(CLSIDFromString(u"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", &parsed));
  EXPECT_EQ(std::memcmp(&parsed, kPngBytes, 16), 0);
}

TEST(GuidText, StringFromGuid2NeedsRoomFor39Units) {
  char16_t text[39] = {u'x'};
  EXPECT_EQ(StringFromGUID2(PngGuid(), text, 38), 0);
  EXPECT_EQ(text[0], u'x');
  EXPECT_EQ(StringFromGUID2(PngGuid(), nullptr, 39), 0);
}

TEST(GuidText, RejectedFormsLeaveTheGuidZeroed) {
  const char16_t* rejected[] = {
      u"{B96B3CAF-0728-11D3-9D7B-0000F81EF32}",    // a digit missing
      u"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E",    // closing brace missing
      u"B96B3CAF-0728-11D3-9D7B-0000F81EF32E",     // no braces
      u"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}x",  // trailing text
      u"{B96B3CAG-0728-11D3-9D7B-0000F81EF32E}",   // not hexadecimal
      u"{B96B3CAF0-728-11D3-9D7B-0000F81EF32E}",   // dash misplaced
      u"{B96B3CAF-0728-11D3-9D7B0000F81EF32E0}",   // dash missing
      u" {B96B3CAF-0728-11D3-9D7B-0000F81EF32E}",  // leading space
      u"",
      nullptr,
  };
  for (const char16_t* text : rejected) {
    SCOPED_TRACE(text == nullptr ? std::string("null")
                                 : std::to_string(std::u16string(text).size()));
    gdiplus::GUID guid = PngGuid();
    EXPECT_FALSE(CLSIDFromString(text, &guid));
    const gdiplus::GUID zero{};
    EXPECT_EQ(std::memcmp(&guid, &zero, sizeof guid), 0);
  }
}

}  // namespace
}  // namespace charart::win32
