// GUIDs and their braced text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

// Writes the 38 characters and a zero unit; returns 39, or 0 when `units`
// is below 39.
std::int32_t StringFromGUID2(const gdiplus::GUID& guid, char16_t* output, std::int32_t units);

// Parses the strict braced form (hex digits of either case). On rejection
// returns false and leaves `guid` all zero (CO_E_CLASSSTRING on Windows).
bool CLSIDFromString(const char16_t* text, gdiplus::GUID* guid);

}  // namespace charart::win32
