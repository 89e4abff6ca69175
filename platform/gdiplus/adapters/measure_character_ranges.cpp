#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

Status MeasureCharacterRanges(GpGraphics* graphics, const WCHAR* string, INT length,
                              const GpFont* font, const GpRectF* layoutRect,
                              const GpStringFormat* format, INT regionCount, GpRegion** regions) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipMeasureCharacterRanges)>("GdipMeasureCharacterRanges");
  if (raw == nullptr) return Status::NotImplemented;
  if (length == -1 && string != nullptr) {
    length = 0;
    while (string[length] != u'\0') ++length;
  }
  return raw(graphics, string, length, font, layoutRect, format, regionCount, regions);
}

}  // namespace charart::gdiplus::adapters
