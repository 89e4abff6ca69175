#include "values/conversions.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/code_pages.h"
#include "platform/win32/guid_text.h"

namespace charart::values {
namespace {

using win32::MultiByteToWideChar;
using win32::WideCharToMultiByte;

// A text of m spaces converted into, then cut at its first NUL.
Text TextFromWide(std::uint32_t codePage, const char16_t* wide, std::int32_t units,
                  const char* defaultChar) {
  const std::int32_t m =
      WideCharToMultiByte(codePage, 0, wide, units, nullptr, 0, defaultChar, nullptr);
  if (m < 1) return Text();
  std::string buffer(static_cast<std::size_t>(m), ' ');
  WideCharToMultiByte(codePage, 0, wide, units, buffer.data(), m, defaultChar, nullptr);
  return Text(std::string_view(buffer));
}

}  // namespace

ByteSet TextToWideGbk(const Text& text) {
  const char* source = text.IsMissing() ? nullptr : text.CStr();
  const std::int32_t n = MultiByteToWideChar(win32::CP_GBK, 0, source, -1, nullptr, 0);
  ByteSet result = ByteSet::Zeroed(2 * static_cast<std::int64_t>(n));
  if (result.IsEmpty()) return result;
  MultiByteToWideChar(win32::CP_GBK, 0, source, -1, reinterpret_cast<char16_t*>(result.Data()), n);
  return result;
}

Text WideToTextGbk(const ByteSet& bytes) {
  const std::int32_t n = bytes.Length() / 2;  // an odd last byte is ignored
  if (n == 0) return Text();
  // The default character for units without a GBK form is NUL, so such a
  // character ends the text there.
  static const char kNulDefault[] = "";
  return TextFromWide(win32::CP_GBK, bytes.Wide(), n, kNulDefault);
}

ByteSet TextToWide(const Text& text) {
  const char* source = text.IsMissing() ? nullptr : text.CStr();
  const std::int32_t n = MultiByteToWideChar(win32::CP_ACP, 0, source, -1, nullptr, 0);
  ByteSet result = ByteSet::Zeroed(2 * static_cast<std::int64_t>(n));
  if (result.IsEmpty() || text.Length() == 0) return result;
  // Without the terminator; the last unit stays zero.
  MultiByteToWideChar(win32::CP_ACP, 0, source, text.Length(),
                      reinterpret_cast<char16_t*>(result.Data()), n);
  return result;
}

Text WideToText(const char16_t* wide) {
  if (wide == nullptr) return Text();
  return TextFromWide(win32::CP_OEMCP, wide, -1, nullptr);
}

Text GuidToText(const ByteSet& guid) {
  // A byte set shorter than a GUID is read as far as it goes; the rest is 0.
  gdiplus::GUID value{};
  std::memcpy(&value, guid.Data() == nullptr ? &value : static_cast<const void*>(guid.Data()),
              std::min<std::size_t>(sizeof value, static_cast<std::size_t>(guid.Length())));
  ByteSet wide = ByteSet::Zeroed(78);
  win32::StringFromGUID2(value, reinterpret_cast<char16_t*>(wide.Data()), 39);
  return WideToText(wide.Wide());
}

ByteSet TextToGuid(const Text& text) {
  ByteSet guid = ByteSet::Zeroed(16);
  const ByteSet wide = TextToWide(text);
  gdiplus::GUID value{};
  win32::CLSIDFromString(wide.Wide(), &value);
  std::memcpy(guid.Data(), &value, sizeof value);
  return guid;
}

Text Gbk(std::string_view utf8) {
  const auto length = static_cast<std::int32_t>(utf8.size());
  if (length == 0) return Text("");
  const std::int32_t units =
      MultiByteToWideChar(win32::CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (units <= 0) return Text();
  std::vector<char16_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(win32::CP_UTF8, 0, utf8.data(), length, wide.data(), units);
  bool usedDefault = false;
  const std::int32_t bytes =
      WideCharToMultiByte(win32::CP_GBK, 0, wide.data(), units, nullptr, 0, nullptr, &usedDefault);
  if (bytes <= 0 || usedDefault) return Text();
  std::string gbk(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(win32::CP_GBK, 0, wide.data(), units, gbk.data(), bytes, nullptr, nullptr);
  return Text(std::string_view(gbk));
}

std::string Utf8(const Text& gbk) {
  const std::int32_t length = gbk.Length();
  if (length == 0) return std::string();
  const std::int32_t units = MultiByteToWideChar(win32::CP_GBK, 0, gbk.CStr(), length, nullptr, 0);
  if (units <= 0) return std::string();
  std::vector<char16_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(win32::CP_GBK, 0, gbk.CStr(), length, wide.data(), units);
  const std::int32_t bytes =
      WideCharToMultiByte(win32::CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(win32::CP_UTF8, 0, wide.data(), units, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

}  // namespace charart::values
