#include "platform/win32/gdi_objects.h"

#include <map>
#include <mutex>

#include "platform/gdiplus/gdiplus_api.h"

namespace charart::win32 {
namespace {

std::mutex g_mutex;
std::map<void*, GdiObjectKind>& Registry() {
  static std::map<void*, GdiObjectKind> registry;
  return registry;
}

bool Release(void* handle, GdiObjectKind kind) {
  {
    std::lock_guard lock(g_mutex);
    const auto found = Registry().find(handle);
    if (found == Registry().end() || found->second != kind) return false;
    Registry().erase(found);
  }
  using Dispose = gdiplus::Status (*)(gdiplus::GpImage*);
  static const auto dispose = reinterpret_cast<Dispose>(gdiplus::RawSymbol("GdipDisposeImage"));
  return dispose != nullptr &&
         dispose(static_cast<gdiplus::GpImage*>(handle)) == gdiplus::Status::Ok;
}

}  // namespace

void RegisterGdiObject(void* handle, GdiObjectKind kind) {
  if (handle == nullptr) return;
  std::lock_guard lock(g_mutex);
  Registry()[handle] = kind;
}

bool IsGdiObject(void* handle, GdiObjectKind kind) {
  std::lock_guard lock(g_mutex);
  const auto found = Registry().find(handle);
  return found != Registry().end() && found->second == kind;
}

bool DeleteObject(void* object) {
  bool region = false;
  {
    std::lock_guard lock(g_mutex);
    const auto found = Registry().find(object);
    region = found != Registry().end() && found->second == GdiObjectKind::Region;
    if (region) Registry().erase(found);
  }
  if (!region) return Release(object, GdiObjectKind::Bitmap);
  using DeleteRegion = gdiplus::Status (*)(gdiplus::GpRegion*);
  static const auto remove = reinterpret_cast<DeleteRegion>(gdiplus::RawSymbol("GdipDeleteRegion"));
  return remove != nullptr &&
         remove(static_cast<gdiplus::GpRegion*>(object)) == gdiplus::Status::Ok;
}

bool DestroyIcon(gdiplus::HICON icon) {
  return Release(icon, GdiObjectKind::Icon);
}

}  // namespace charart::win32
