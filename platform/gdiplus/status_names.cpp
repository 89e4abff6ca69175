#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus {
namespace {

constexpr const char* kStatusNames[] = {
    "Ok",
    "GenericError",
    "InvalidParameter",
    "OutOfMemory",
    "ObjectBusy",
    "InsufficientBuffer",
    "NotImplemented",
    "Win32Error",
    "WrongState",
    "Aborted",
    "FileNotFound",
    "ValueOverflow",
    "AccessDenied",
    "UnknownImageFormat",
    "FontFamilyNotFound",
    "FontStyleNotFound",
    "NotTrueTypeFont",
    "UnsupportedGdiplusVersion",
    "GdiplusNotInitialized",
    "PropertyNotFound",
    "PropertyNotSupported",
    "ProfileNotFound",
};

}  // namespace

const char* StatusName(std::int32_t status) {
  constexpr auto count = static_cast<std::int32_t>(sizeof(kStatusNames) / sizeof(kStatusNames[0]));
  if (status >= 0 && status < count) return kStatusNames[status];
  return "Status(unknown)";
}

const char* StatusName(Status status) {
  return StatusName(static_cast<std::int32_t>(status));
}

}  // namespace charart::gdiplus
