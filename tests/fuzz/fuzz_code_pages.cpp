// Code-page conversions on arbitrary bytes: MultiByteToWideChar and
// WideCharToMultiByte with every code page, flag and buffer size the callers
// use, and the value conversions built on them. Besides the sanitizers, it
// checks that a size query and the conversion into a buffer of exactly that
// size agree, that one unit less fails without writing past the buffer, and
// that valid GBK survives the trip through UTF-16 and UTF-8.
//
// Input: byte 0 picks the code page, byte 1 the flags and default character,
// the rest is the source (bytes, and the same bytes read as UTF-16).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/code_pages.h"
#include "values/conversions.h"

#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace charart;

constexpr std::uint32_t kCodePages[] = {win32::CP_GBK,        win32::CP_ACP,  win32::CP_OEMCP,
                                        win32::CP_THREAD_ACP, win32::CP_UTF8, 1252};

// The source as the callers pass it: exactly its length, or -1 with a NUL
// after it (then the conversion stops at the first NUL).
void MultiByteRoundTrip(std::uint32_t codePage, std::uint32_t flags, std::string_view bytes,
                        bool terminated) {
  const std::string owned(bytes);  // NUL-terminated copy
  const std::int32_t length = terminated ? -1 : static_cast<std::int32_t>(bytes.size());
  const std::int32_t needed =
      win32::MultiByteToWideChar(codePage, flags, owned.c_str(), length, nullptr, 0);
  if (needed <= 0) return;
  std::vector<char16_t> wide(static_cast<std::size_t>(needed));
  CHARART_FUZZ_REQUIRE(win32::MultiByteToWideChar(codePage, flags, owned.c_str(), length,
                                                  wide.data(), needed) == needed);
  if (needed > 1) {
    std::vector<char16_t> small(static_cast<std::size_t>(needed - 1));
    CHARART_FUZZ_REQUIRE(win32::MultiByteToWideChar(codePage, flags, owned.c_str(), length,
                                                    small.data(), needed - 1) == 0);
  }
  // Back again, with each default the callers give.
  static const char* const kDefaults[] = {nullptr, "", "?", "\xA1\xF6"};
  for (const char* defaultChar : kDefaults) {
    const bool utf8 = codePage == win32::CP_UTF8;
    if (utf8 && defaultChar != nullptr) continue;
    bool usedDefault = false;
    bool* used = utf8 ? nullptr : &usedDefault;
    const std::int32_t bytesNeeded =
        win32::WideCharToMultiByte(codePage, 0, wide.data(), needed, nullptr, 0, defaultChar, used);
    CHARART_FUZZ_REQUIRE(bytesNeeded > 0);
    std::vector<char> back(static_cast<std::size_t>(bytesNeeded));
    CHARART_FUZZ_REQUIRE(win32::WideCharToMultiByte(codePage, 0, wide.data(), needed, back.data(),
                                                    bytesNeeded, defaultChar, used) == bytesNeeded);
    // Strictly decoded text has a form in its own code page.
    if ((flags & win32::MB_ERR_INVALID_CHARS) != 0) {
      CHARART_FUZZ_REQUIRE(!usedDefault);
      const std::size_t compared = terminated ? std::strlen(owned.c_str()) + 1 : bytes.size();
      CHARART_FUZZ_REQUIRE(static_cast<std::size_t>(bytesNeeded) == compared);
      CHARART_FUZZ_REQUIRE(std::memcmp(back.data(), owned.c_str(), compared) == 0);
    }
  }
}

// `count` units, or -1: up to and including the zero unit.
void WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const char16_t* units,
                     std::int32_t count, const char* defaultChar) {
  const bool utf8 = codePage == win32::CP_UTF8;
  bool usedDefault = false;
  bool* used = utf8 ? nullptr : &usedDefault;
  const char* fallback = utf8 ? nullptr : defaultChar;
  const std::int32_t n = count;
  const std::int32_t needed =
      win32::WideCharToMultiByte(codePage, flags, units, n, nullptr, 0, fallback, used);
  if (needed <= 0) return;
  std::vector<char> out(static_cast<std::size_t>(needed));
  CHARART_FUZZ_REQUIRE(win32::WideCharToMultiByte(codePage, flags, units, n, out.data(), needed,
                                                  fallback, used) == needed);
  if (needed > 1) {
    std::vector<char> small(static_cast<std::size_t>(needed - 1));
    CHARART_FUZZ_REQUIRE(win32::WideCharToMultiByte(codePage, flags, units, n, small.data(),
                                                    needed - 1, fallback, used) == 0);
  }
}

void ValueConversions(std::string_view bytes) {
  const values::Text text(bytes);  // cut at the first NUL
  const values::ByteSet wide = values::TextToWideGbk(text);
  const values::Text back = values::WideToTextGbk(wide);
  (void)values::TextToWide(text);
  const values::ByteSet raw(bytes.data(), bytes.size());
  (void)values::WideToTextGbk(raw);  // an odd length, no zero unit

  std::vector<char16_t> zeroEnded(bytes.size() / 2 + 1, u'\0');
  std::memcpy(zeroEnded.data(), bytes.data(), bytes.size() / 2 * 2);
  (void)values::WideToText(zeroEnded.data());

  // UTF-8 input: the GBK text, if there is one, reads back as the same UTF-8.
  const values::Text gbk = values::Gbk(bytes);
  if (!gbk.IsMissing() && bytes.find('\0') == std::string_view::npos) {
    const bool valid =
        win32::MultiByteToWideChar(win32::CP_UTF8, win32::MB_ERR_INVALID_CHARS, bytes.data(),
                                   static_cast<std::int32_t>(bytes.size()), nullptr, 0) > 0;
    if (valid) CHARART_FUZZ_REQUIRE(values::Utf8(gbk) == bytes);
  }
  (void)values::Utf8(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t codePage = kCodePages[data[0] % std::size(kCodePages)];
  const std::uint8_t choice = data[1];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);

  const std::uint32_t mbFlags = (choice & 1) != 0 ? win32::MB_ERR_INVALID_CHARS : 0;
  MultiByteRoundTrip(codePage, mbFlags, bytes, (choice & 2) != 0);

  std::vector<char16_t> units(bytes.size() / 2 + 1, u'\0');
  std::memcpy(units.data(), bytes.data(), bytes.size() / 2 * 2);
  const std::uint32_t wcFlags = (choice & 4) != 0 ? win32::WC_ERR_INVALID_CHARS : 0;
  static const char* const kDefaults[] = {nullptr, "", "?", "\xA1\xF6", "\x81"};
  const char* defaultChar = kDefaults[(choice >> 3) % std::size(kDefaults)];
  const std::int32_t count =
      (choice & 0x80) != 0 ? static_cast<std::int32_t>(bytes.size() / 2) : -1;
  WideToMultiByte(codePage, wcFlags, units.data(), count, defaultChar);

  ValueConversions(bytes);
  return 0;
}
