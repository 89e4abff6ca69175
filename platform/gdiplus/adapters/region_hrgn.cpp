// Region handles. libgdiplus makes an HRGN as a clone of the region and takes
// any pointer back as one, so a stray HRGN was read as a region. The HRGN of
// GdipGetRegionHRgn is registered (platform/win32/gdi_objects.h) and released
// with DeleteObject; GdipCreateRegionHrgn accepts exactly the registered
// handles and answers InvalidParameter, GDI+'s status for an invalid handle,
// for any other.
#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/win32/gdi_objects.h"

namespace charart::gdiplus::adapters {

Status GetRegionHRgn(GpRegion* region, GpGraphics* graphics, HRGN* hrgn) {
  static const auto raw = Raw<decltype(FunctionTable::GdipGetRegionHRgn)>("GdipGetRegionHRgn");
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(region, graphics, hrgn);
  if (status == Status::Ok && hrgn != nullptr && *hrgn != nullptr) {
    win32::RegisterGdiObject(*hrgn, win32::GdiObjectKind::Region);
  }
  return status;
}

Status CreateRegionHrgn(HRGN hrgn, GpRegion** region) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateRegionHrgn)>("GdipCreateRegionHrgn");
  if (raw == nullptr) return Status::NotImplemented;
  if (!win32::IsGdiObject(hrgn, win32::GdiObjectKind::Region)) return Status::InvalidParameter;
  return raw(hrgn, region);
}

}  // namespace charart::gdiplus::adapters
