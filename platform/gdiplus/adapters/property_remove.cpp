// Removing a property item. libgdiplus frees the value of a removed item
// unless it is the last in the image's list, whose value is then lost
// (leaked). The adapter first empties the item's value (a zero-length
// replacement, which libgdiplus frees properly), then removes it.
#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

Status RemovePropertyItem(GpImage* image, PROPID propId) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipRemovePropertyItem)>("GdipRemovePropertyItem");
  static const auto size =
      Raw<decltype(FunctionTable::GdipGetPropertyItemSize)>("GdipGetPropertyItemSize");
  static const auto set = Raw<decltype(FunctionTable::GdipSetPropertyItem)>("GdipSetPropertyItem");
  if (raw == nullptr || size == nullptr || set == nullptr) return Status::NotImplemented;
  UINT bytes = 0;
  if (image != nullptr && size(image, propId, &bytes) == Status::Ok) {
    const PropertyItem empty{propId, 0, 7, nullptr};  // 7: undefined bytes
    set(image, &empty);
  }
  return raw(image, propId);
}

}  // namespace charart::gdiplus::adapters
