#include "platform/win32/guid_text.h"

#include <cstring>

namespace charart::win32 {
namespace {

constexpr std::int32_t kTextUnits = 38;
// Where the dashes stand in the braced form; the braces are at 0 and 37.
constexpr bool IsDashAt(int index) {
  return index == 9 || index == 14 || index == 19 || index == 24;
}

int HexValue(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  return -1;
}

// The 16 GUID bytes in text order: Data1, Data2, Data3 most significant
// byte first, then Data4.
void ToTextOrder(const gdiplus::GUID& guid, std::uint8_t (&bytes)[16]) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (24 - 8 * i));
  bytes[4] = static_cast<std::uint8_t>(guid.Data2 >> 8);
  bytes[5] = static_cast<std::uint8_t>(guid.Data2);
  bytes[6] = static_cast<std::uint8_t>(guid.Data3 >> 8);
  bytes[7] = static_cast<std::uint8_t>(guid.Data3);
  std::memcpy(bytes + 8, guid.Data4, 8);
}

gdiplus::GUID FromTextOrder(const std::uint8_t (&bytes)[16]) {
  gdiplus::GUID guid{};
  for (int i = 0; i < 4; ++i) guid.Data1 = (guid.Data1 << 8) | bytes[i];
  guid.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(guid.Data4, bytes + 8, 8);
  return guid;
}

}  // namespace

std::int32_t StringFromGUID2(const gdiplus::GUID& guid, char16_t* output, std::int32_t units) {
  if (output == nullptr || units < kTextUnits + 1) return 0;
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::uint8_t bytes[16];
  ToTextOrder(guid, bytes);
  int next = 0;
  output[0] = u'{';
  for (int index = 1; index < kTextUnits - 1; ++index) {
    if (IsDashAt(index)) {
      output[index] = u'-';
    } else {
      const std::uint8_t byte = bytes[next / 2];
      output[index] = kDigits[next % 2 == 0 ? byte >> 4 : byte & 0xF];
      ++next;
    }
  }
  output[kTextUnits - 1] = u'}';
  output[kTextUnits] = 0;
  return kTextUnits + 1;
}

bool CLSIDFromString(const char16_t* text, gdiplus::GUID* guid) {
  if (guid == nullptr) return false;
  *guid = gdiplus::GUID{};
  if (text == nullptr || text[0] != u'{') return false;
  std::uint8_t bytes[16] = {};
  int next = 0;
  for (int index = 1; index < kTextUnits - 1; ++index) {
    if (IsDashAt(index)) {
      if (text[index] != u'-') return false;
      continue;
    }
    const int value = HexValue(text[index]);
    if (value < 0) return false;
    bytes[next / 2] = static_cast<std::uint8_t>((bytes[next / 2] << 4) | value);
    ++next;
  }
  if (text[kTextUnits - 1] != u'}' || text[kTextUnits] != 0) return false;
  *guid = FromTextOrder(bytes);
  return true;
}

}  // namespace charart::win32
