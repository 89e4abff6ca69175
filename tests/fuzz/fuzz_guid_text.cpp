// GUID text parsing on arbitrary UTF-16: CLSIDFromString against a model of
// the strict braced form, with the text placed at the very end of its buffer
// whenever the form breaks inside it (the parser must read no further than
// the first unit that breaks the form); every accepted text prints back as
// itself in upper case, and the value conversions GuidToText / TextToGuid
// carry any 16 bytes there and back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win32/guid_text.h"
#include "values/conversions.h"

#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace charart;

bool IsHex(char16_t unit) {
  return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'F') ||
         (unit >= u'a' && unit <= u'f');
}

// The unit the braced form wants at `index` (38 is the zero unit).
bool Fits(char16_t unit, std::size_t index) {
  if (index == 0) return unit == u'{';
  if (index == 37) return unit == u'}';
  if (index == 38) return unit == 0;
  if (index == 9 || index == 14 || index == 19 || index == 24) return unit == u'-';
  return IsHex(unit);
}

char16_t Upper(char16_t unit) {
  return unit >= u'a' && unit <= u'f' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t count = size / 2;
  std::vector<char16_t> units(count);
  if (count > 0) std::memcpy(units.data(), data, count * 2);

  // Where the form breaks, as far as the input goes.
  std::size_t breaks = 0;
  while (breaks < count && breaks <= 38 && Fits(units[breaks], breaks)) ++breaks;
  const bool complete = breaks == 39;
  // The input ended before the form broke: add the zero unit (which then
  // breaks it, or completes it).
  if (breaks == count && !complete) {
    units.push_back(u'\0');
    const bool completes = count == 38;
    gdiplus::GUID guid{};
    guid.Data1 = 1;
    CHARART_FUZZ_REQUIRE(win32::CLSIDFromString(units.data(), &guid) == completes);
    if (!completes) {
      const gdiplus::GUID zero{};
      CHARART_FUZZ_REQUIRE(std::memcmp(&guid, &zero, sizeof guid) == 0);
    } else {
      char16_t printed[39];
      CHARART_FUZZ_REQUIRE(win32::StringFromGUID2(guid, printed, 39) == 39);
      for (std::size_t i = 0; i < 38; ++i) CHARART_FUZZ_REQUIRE(printed[i] == Upper(units[i]));
      CHARART_FUZZ_REQUIRE(printed[38] == 0);
    }
  } else {
    // The form breaks (or ends with its zero unit) inside the input: the
    // buffer holds exactly the input, so any read past it is caught.
    gdiplus::GUID guid{};
    guid.Data1 = 1;
    CHARART_FUZZ_REQUIRE(win32::CLSIDFromString(units.data(), &guid) == complete);
    if (!complete) {
      const gdiplus::GUID zero{};
      CHARART_FUZZ_REQUIRE(std::memcmp(&guid, &zero, sizeof guid) == 0);
    }
  }
  // Too small a buffer is refused untouched.
  char16_t small[38];
  std::memset(small, 0x55, sizeof small);
  CHARART_FUZZ_REQUIRE(win32::StringFromGUID2(gdiplus::GUID{}, small, 38) == 0 &&
                       small[0] == 0x5555);

  // Any bytes as a GUID value print as a braced text that reads back as them.
  const values::ByteSet bytes(data, size < 16 ? size : 16);
  const values::Text text = values::GuidToText(bytes);
  CHARART_FUZZ_REQUIRE(text.Length() == 38);
  const values::ByteSet back = values::TextToGuid(text);
  CHARART_FUZZ_REQUIRE(back.Length() == 16);
  std::uint8_t expected[16] = {};
  std::memcpy(expected, data, size < 16 ? size : 16);
  CHARART_FUZZ_REQUIRE(std::memcmp(back.Data(), expected, 16) == 0);

  // And any bytes as a text give 16 bytes, zero unless the text is a GUID.
  const values::ByteSet parsed =
      values::TextToGuid(values::Text(std::string_view(reinterpret_cast<const char*>(data), size)));
  CHARART_FUZZ_REQUIRE(parsed.Length() == 16);
  return 0;
}
