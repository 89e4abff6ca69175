// Conversions between the system's multibyte texts, UTF-16 byte sets and GUID
// texts. The GBK pair uses code page 936 explicitly; TextToWide uses the ANSI
// code page and WideToText the OEM one (both 936 on this platform).
#pragma once

#include <string_view>

#include "values/byte_set.h"
#include "values/text.h"

namespace charart::values {

ByteSet TextToWideGbk(const Text& text);
Text WideToTextGbk(const ByteSet& bytes);
ByteSet TextToWide(const Text& text);
// `wide` is a zero-terminated UTF-16 string; null gives the missing text.
Text WideToText(const char16_t* wide);
Text GuidToText(const ByteSet& guid);
ByteSet TextToGuid(const Text& text);

// The system's literals are GBK; our sources are UTF-8. Gbk(u8"宋体") gives
// the GBK text of a literal (the missing text if it has no GBK form).
Text Gbk(std::string_view utf8);
// UTF-8 of a GBK text, for messages and the terminal.
std::string Utf8(const Text& gbk);

}  // namespace charart::values
