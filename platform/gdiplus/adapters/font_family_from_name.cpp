#include <string_view>

#include "platform/fonts/font_setup.h"
#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

Status CreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                GpFontFamily** family) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateFontFamilyFromName)>("GdipCreateFontFamilyFromName");
  if (raw == nullptr) return Status::NotImplemented;
  if (name == nullptr || family == nullptr) return Status::InvalidParameter;
  // A private collection answers for itself; only the installed fonts (a null
  // collection) are checked against fontconfig.
  if (collection == nullptr && !fonts::FamilyInstalled(std::u16string_view(name))) {
    return Status::FontFamilyNotFound;
  }
  return raw(name, collection, family);
}

}  // namespace charart::gdiplus::adapters
