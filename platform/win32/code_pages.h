// Windows code-page conversion over iconv. Code page 936 is GBK (iconv
// "CP936"); the platform's ANSI and OEM code pages are both 936. Code page
// 65001 is UTF-8.
//
// Each thread keeps its own iconv converters, opened on first use and reused
// (an iconv descriptor is not safe to share between threads, and opening one
// costs far more than converting a symbol). ASCII runs are copied without
// iconv. Every conversion reads exactly the source range it is given.
#pragma once

#include <cstdint>

namespace charart::win32 {

inline constexpr std::uint32_t CP_ACP = 0;
inline constexpr std::uint32_t CP_OEMCP = 1;
inline constexpr std::uint32_t CP_THREAD_ACP = 3;
inline constexpr std::uint32_t CP_GBK = 936;
inline constexpr std::uint32_t CP_UTF8 = 65001;

// Fail on invalid input instead of substituting.
inline constexpr std::uint32_t MB_ERR_INVALID_CHARS = 0x0008;
inline constexpr std::uint32_t WC_ERR_INVALID_CHARS = 0x0080;

// Windows semantics: sourceLength -1 means up to and including the NUL;
// outputUnits 0 asks for the needed count. Returns the units written (or
// needed), 0 on failure (unknown code page, null source, source length 0 or
// below -1, buffer too small, invalid input with MB_ERR_INVALID_CHARS).
// Without that flag each byte that starts no valid character (an invalid
// lead or trail, a lead cut off by the end) becomes U+FFFD and decoding goes
// on with the next byte.
std::int32_t MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* source,
                                 std::int32_t sourceLength, char16_t* output,
                                 std::int32_t outputUnits);

// sourceUnits -1 means up to and including the zero unit; outputBytes 0 asks
// for the needed count. Each character without a form in the code page, and
// each unpaired surrogate, becomes the default character: the first
// character of `defaultChar` (which may be the NUL byte, given as "\0"), or
// "?" when it is null. usedDefault, when given, tells whether that happened.
// For UTF-8, as on Windows, defaultChar and usedDefault must be null, and
// unpaired surrogates become U+FFFD (or fail with WC_ERR_INVALID_CHARS).
std::int32_t WideCharToMultiByte(std::uint32_t codePage, std::uint32_t flags,
                                 const char16_t* source, std::int32_t sourceUnits, char* output,
                                 std::int32_t outputBytes, const char* defaultChar,
                                 bool* usedDefault);

// Code units before the first zero unit; 0 for null.
std::int32_t lstrlenW(const char16_t* text);

}  // namespace charart::win32
