#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

void* AdapterFor(FunctionId id) {
  switch (id) {
    case FunctionId::GdipMeasureCharacterRanges:
      return reinterpret_cast<void*>(&MeasureCharacterRanges);
    case FunctionId::GdipCreateFontFamilyFromName:
      return reinterpret_cast<void*>(&CreateFontFamilyFromName);
    case FunctionId::GdipGetRegionBoundsI:
      return reinterpret_cast<void*>(&GetRegionBoundsI);
    default:
      return nullptr;
  }
}

}  // namespace charart::gdiplus::adapters
