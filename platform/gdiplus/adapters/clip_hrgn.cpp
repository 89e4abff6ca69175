#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/win32/gdi_objects.h"

namespace charart::gdiplus::adapters {

Status SetClipHrgn(GpGraphics* graphics, HRGN hrgn, INT combineMode) {
  static const auto raw = Raw<decltype(FunctionTable::GdipSetClipHrgn)>("GdipSetClipHrgn");
  if (raw == nullptr) return Status::NotImplemented;
  // libgdiplus reads any pointer as its own region: only region handles
  // GDI+ handed out are real.
  if (graphics == nullptr || !win32::IsGdiObject(hrgn, win32::GdiObjectKind::Region)) {
    return Status::InvalidParameter;
  }
  return raw(graphics, hrgn, combineMode);
}

}  // namespace charart::gdiplus::adapters
