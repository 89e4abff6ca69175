#include "platform/forms/path_text.h"

#include "platform/win32/code_pages.h"

namespace charart::forms {
namespace {

std::optional<std::u16string> ToWide(std::uint32_t codePage, std::string_view bytes) {
  const auto count = static_cast<std::int32_t>(bytes.size());
  const std::int32_t needed =
      win32::MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::u16string wide(static_cast<std::size_t>(needed), u'\0');
  if (win32::MultiByteToWideChar(codePage, 0, bytes.data(), count, wide.data(), needed) != needed) {
    return std::nullopt;
  }
  return wide;
}

std::optional<std::string> FromWide(std::uint32_t codePage, std::u16string_view wide) {
  const auto count = static_cast<std::int32_t>(wide.size());
  const std::int32_t needed =
      win32::WideCharToMultiByte(codePage, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  if (win32::WideCharToMultiByte(codePage, 0, wide.data(), count, bytes.data(), needed, nullptr,
                                 nullptr) != needed) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> Convert(std::uint32_t from, std::uint32_t to, std::string_view bytes) {
  const auto wide = ToWide(from, bytes);
  if (!wide) return std::nullopt;
  return FromWide(to, *wide);
}

// Converts, then converts back: only a round trip to the same bytes counts.
std::optional<std::string> ConvertExactly(std::uint32_t from, std::uint32_t to,
                                          std::string_view bytes) {
  if (bytes.empty()) return std::string();
  if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
  auto converted = Convert(from, to, bytes);
  if (!converted) return std::nullopt;
  const auto back = Convert(to, from, *converted);
  if (!back || *back != bytes) return std::nullopt;
  return converted;
}

}  // namespace

std::optional<std::string> Utf8PathFromGbk(std::string_view gbk) {
  return ConvertExactly(win32::CP_GBK, win32::CP_UTF8, gbk);
}

std::optional<std::string> GbkPathFromUtf8(std::string_view utf8) {
  return ConvertExactly(win32::CP_UTF8, win32::CP_GBK, utf8);
}

}  // namespace charart::forms
