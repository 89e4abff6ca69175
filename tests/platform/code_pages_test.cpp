#include "platform/win32/code_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace charart::win32 {
namespace {

std::u16string ToWide(std::uint32_t codePage, const std::string& bytes, std::uint32_t flags = 0) {
  const auto length = static_cast<std::int32_t>(bytes.size());
  const std::int32_t needed =
      MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(needed), u'\0');
  const std::int32_t written =
      needed == 0 ? 0
                  : MultiByteToWideChar(codePage, flags, bytes.data(), length, wide.data(), needed);
  EXPECT_EQ(written, needed);
  return wide;
}

std::string FromWide(std::uint32_t codePage, const std::u16string& wide,
                     const char* defaultChar = nullptr, bool* usedDefault = nullptr) {
  const auto units = static_cast<std::int32_t>(wide.size());
  const std::int32_t needed =
      WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, defaultChar, usedDefault);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  const std::int32_t written =
      needed == 0 ? 0
                  : WideCharToMultiByte(codePage, 0, wide.data(), units, bytes.data(), needed,
                                        defaultChar, usedDefault);
  EXPECT_EQ(written, needed);
  return bytes;
}

TEST(CodePages, HollowCircleIsA1F0InGbkAnd25CBInUtf16WithTerminator) {
  char16_t wide[4] = {u'x', u'x', u'x', u'x'};
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, "\xA1\xF0", -1, nullptr, 0), 2);
  ASSERT_EQ(MultiByteToWideChar(CP_GBK, 0, "\xA1\xF0", -1, wide, 4), 2);
  EXPECT_EQ(wide[0], 0x25CB);
  EXPECT_EQ(wide[1], 0);
  EXPECT_EQ(wide[2], u'x');  // nothing written past the count

  char bytes[4] = {'x', 'x', 'x', 'x'};
  const char16_t circle[] = {0x25CB, 0};
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, circle, -1, nullptr, 0, nullptr, nullptr), 3);
  ASSERT_EQ(WideCharToMultiByte(CP_GBK, 0, circle, -1, bytes, 4, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(bytes, 3), std::string("\xA1\xF0\0", 3));
}

TEST(CodePages, EveryDropDownSymbolRoundTripsThroughEveryGbkSelector) {
  struct Symbol {
    const char* gbk;
    char16_t unit;
  };
  const Symbol symbols[] = {{"\xA1\xF0", 0x25CB}, {"\xA1\xF3", 0x25C7}, {"\xA1\xEE", 0x2606},
                            {"\xA1\xF5", 0x25A1}, {"\xA1\xF1", 0x25CF}, {"\xA1\xF4", 0x25C6},
                            {"\xA1\xEF", 0x2605}, {"\xA1\xF6", 0x25A0}};
  for (std::uint32_t codePage : {CP_GBK, CP_ACP, CP_OEMCP}) {
    for (const Symbol& symbol : symbols) {
      SCOPED_TRACE(testing::Message()
                   << "code page " << codePage << " unit " << std::hex << int(symbol.unit));
      EXPECT_EQ(ToWide(codePage, symbol.gbk), std::u16string(1, symbol.unit));
      EXPECT_EQ(FromWide(codePage, std::u16string(1, symbol.unit)), symbol.gbk);
    }
  }
  EXPECT_EQ(ToWide(CP_GBK, "\xD7\xD6\xB7\xFB\xBB\xAD"), u"字符画");
  EXPECT_EQ(FromWide(CP_GBK, u"a字符画b"),
            "a\xD7\xD6\xB7\xFB\xBB\xAD"
            "b");
  EXPECT_EQ(FromWide(CP_UTF8, u"字符画○"), "字符画○");
  EXPECT_EQ(ToWide(CP_UTF8, "字符画○"), u"字符画○");
}

TEST(CodePages, BadGbkBytesBecomeReplacementCharactersOneByteAtATime) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string expected;
  };
  const Case cases[] = {
      {"lead cut off by the end", "a\x81", u"a\uFFFD"},
      {"lead followed by a space", "\x81 b", u"\uFFFD b"},
      {"0xFF is no lead",
       "A\xFF"
       "B",
       u"A\uFFFDB"},
      {"lead before an invalid trail 0x7F", "\x81\x7F", u"\uFFFD\x7F"},
      {"valid pair with an ASCII-range trail", "\x81\x40", u"\u4E02"},
      {"bad byte between symbols", "\xA1\xF0\xFF\xA1\xF6", u"\u25CB\uFFFD\u25A0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToWide(CP_GBK, c.bytes), c.expected);
    EXPECT_EQ(ToWide(CP_GBK, c.bytes, MB_ERR_INVALID_CHARS).empty(),
              c.expected.find(u'\uFFFD') != std::u16string::npos);
  }
}

TEST(CodePages, ExplicitLengthStopsBeforeTheRestOfTheBuffer) {
  // The trail byte F0 lies beyond the given length: the lead alone is read.
  const char buffer[] = "\xA1\xF0";
  char16_t wide[2] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_GBK, 0, buffer, 1, wide, 2), 1);
  EXPECT_EQ(wide[0], 0xFFFD);

  // Wide input likewise: one unit of a surrogate pair is an unpaired one.
  const char16_t pair[] = {0xD83D, 0xDE00, 0};
  char bytes[4] = {};
  ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, pair, 1, bytes, 4, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(bytes, 3), "\xEF\xBF\xBD");
}

TEST(CodePages, UnmappableUnitsAndUnpairedSurrogatesGetTheDefaultCharacter) {
  struct Case {
    const char* name;
    std::u16string wide;
    std::string withQuestionMark;  // null default: the code page's "?"
    std::string withNul;           // the caller's "\0"
  };
  const Case cases[] = {
      {"lone high surrogate",
       u"a\xD800"
       "b",
       "a?b", std::string("a\0b", 3)},
      {"lone low surrogate", u"\xDC00", "?", std::string(1, '\0')},
      {"high surrogate at the end", u"\x25CB\xD83D", "\xA1\xF0?", std::string("\xA1\xF0\0", 3)},
      {"reversed pair", u"\xDE00\xD83D", "??", std::string(2, '\0')},
      {"valid pair without GBK form is one character", u"x\U0001F600", "x?", std::string("x\0", 2)},
      {"BMP character without GBK form", u"\x0E01", "?", std::string(1, '\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool used = false;
    EXPECT_EQ(FromWide(CP_GBK, c.wide, nullptr, &used), c.withQuestionMark);
    EXPECT_TRUE(used);
    EXPECT_EQ(FromWide(CP_GBK, c.wide, "\0"), c.withNul);
  }
  bool used = true;
  EXPECT_EQ(FromWide(CP_GBK, u"plain", nullptr, &used), "plain");
  EXPECT_FALSE(used);
  // A double-byte default character is taken whole.
  EXPECT_EQ(FromWide(CP_GBK, u"\xD800", "\xA1\xF6"), "\xA1\xF6");

  // UTF-8 follows Windows: U+FFFD for an unpaired surrogate, a pair encoded
  // whole, and neither default character nor its flag accepted.
  EXPECT_EQ(FromWide(CP_UTF8, u"a\xD800"), "a\xEF\xBF\xBD");
  EXPECT_EQ(FromWide(CP_UTF8, u"\U0001F600"), "\xF0\x9F\x98\x80");
  const char16_t lone[] = {0xD800};
  char out[8];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 1, out, 8, nullptr, nullptr),
            0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 1, out, 8, "?", nullptr), 0);
}

TEST(CodePages, RefusesBadArgumentsAndShortBuffers) {
  char16_t wide[8];
  char bytes[8];
  const char16_t text[] = u"abc";
  EXPECT_EQ(MultiByteToWideChar(437, 0, "a", -1, wide, 8), 0);  // code page we lack
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, nullptr, -1, wide, 8), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, "a", 0, wide, 8), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, "a", -2, wide, 8), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, "abc", -1, wide, 3), 0);  // needs 4
  EXPECT_EQ(MultiByteToWideChar(CP_GBK, 0, "abc", -1, nullptr, 4), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, text, -1, bytes, 3, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, u"\x25CB", -1, bytes, 2, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, text, 0, bytes, 8, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, text, 3, bytes, 3, nullptr, nullptr), 3);
  // An explicit count converts embedded zero units as well.
  const char16_t embedded[] = {u'a', 0, u'b'};
  EXPECT_EQ(WideCharToMultiByte(CP_GBK, 0, embedded, 3, bytes, 8, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(bytes, 3), std::string("a\0b", 3));
}

TEST(CodePages, MultiMegabyteTextRoundTrips) {
  std::string gbk;
  std::u16string expected;
  for (int i = 0; i < 300000; ++i) {
    gbk += "\xD7\xD6\xB7\xFB\xBB\xAD ascii \xA1\xF0\xA1\xF6\r\n";
    expected += u"字符画 ascii ○■\r\n";
  }
  ASSERT_GT(gbk.size(), 5'000'000u);
  const std::u16string wide = ToWide(CP_GBK, gbk);
  EXPECT_EQ(wide, expected);
  EXPECT_EQ(FromWide(CP_GBK, wide), gbk);
}

TEST(CodePages, ThreadsConvertIndependently) {
  auto work = [](std::uint32_t codePage, const std::string& bytes, const std::u16string& wide,
                 bool* ok) {
    *ok = true;
    for (int i = 0; i < 2000 && *ok; ++i) {
      *ok = ToWide(codePage, bytes) == wide && FromWide(codePage, wide) == bytes;
    }
  };
  bool ok[4] = {};
  std::vector<std::thread> threads;
  threads.emplace_back(work, CP_GBK, "\xD7\xD6\xB7\xFB\xBB\xAD", u"字符画", &ok[0]);
  threads.emplace_back(work, CP_UTF8, "字符画", u"字符画", &ok[1]);
  threads.emplace_back(work, CP_GBK, "\xA1\xF0x\xA1\xF6", u"○x■", &ok[2]);
  threads.emplace_back(work, CP_UTF8, "○x■", u"○x■", &ok[3]);
  for (std::thread& thread : threads) thread.join();
  for (bool each : ok) EXPECT_TRUE(each);
}

TEST(CodePages, LstrlenWCountsUnitsBeforeTheZeroUnit) {
  EXPECT_EQ(lstrlenW(nullptr), 0);
  EXPECT_EQ(lstrlenW(u""), 0);
  EXPECT_EQ(lstrlenW(u"字符画"), 3);
  EXPECT_EQ(lstrlenW(u"\U0001F600"), 2);
}

}  // namespace
}  // namespace charart::win32
