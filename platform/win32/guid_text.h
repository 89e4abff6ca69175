// GUIDs and their braced text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}":
// the 32-bit part, the two 16-bit parts, then the eight bytes in order.
#pragma once

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

// Writes the 38 characters (upper-case hexadecimal) and a zero unit; returns
// 39, or 0 (writing nothing) when `units` is below 39 or output is null.
std::int32_t StringFromGUID2(const gdiplus::GUID& guid, char16_t* output, std::int32_t units);

// Parses the strict braced form: exactly 38 characters, hex digits of either
// case, then the zero unit. Reads no further than the first unit that breaks
// the form. On rejection (null text included; no ProgID lookup exists here)
// returns false and leaves `guid` all zero (CO_E_CLASSSTRING on Windows).
bool CLSIDFromString(const char16_t* text, gdiplus::GUID* guid);

}  // namespace charart::win32
