// Windows code-page conversion over iconv. Code page 936 is GBK (iconv
// "CP936"); the platform's ANSI and OEM code pages are both 936.
// Unmappable characters get the default character, as on Windows.
#pragma once

#include <cstdint>

namespace charart::win32 {

inline constexpr std::uint32_t CP_ACP = 0;
inline constexpr std::uint32_t CP_OEMCP = 1;
inline constexpr std::uint32_t CP_GBK = 936;
inline constexpr std::uint32_t CP_UTF8 = 65001;

// Windows semantics: sourceLength -1 means up to and including the NUL;
// outputUnits 0 asks for the needed count. Returns the units written (or
// needed), 0 on failure (unknown code page, buffer too small, bad input).
// Invalid or truncated multibyte sequences become U+FFFD, never a read past
// the end.
std::int32_t MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* source,
                                 std::int32_t sourceLength, char16_t* output,
                                 std::int32_t outputUnits);

// sourceUnits -1 means up to and including the zero unit. defaultChar null
// uses "?"; usedDefault, when given, tells whether it was used. An unpaired
// surrogate counts as unmappable.
std::int32_t WideCharToMultiByte(std::uint32_t codePage, std::uint32_t flags,
                                 const char16_t* source, std::int32_t sourceUnits, char* output,
                                 std::int32_t outputBytes, const char* defaultChar,
                                 bool* usedDefault);

// Code units before the first zero unit; 0 for null.
std::int32_t lstrlenW(const char16_t* text);

}  // namespace charart::win32
