#include <mutex>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/win32/gdi_emulation.h"

namespace charart::gdiplus::adapters {
namespace {

// The screen's DC, acquired once and kept for the rest of the process: a
// graphics made on it draws into the screen's bitmap, which must outlive it.
HDC ScreenDc() {
  static HDC screen = nullptr;
  static std::mutex mutex;
  std::lock_guard lock(mutex);
  if (screen == nullptr) screen = win32::GetDC(nullptr);
  return screen;
}

Status FromWindow(const char* rawName, HWND window, GpGraphics** graphics) {
  using CreateFromWindow = Status (*)(HWND, GpGraphics**);
  static const auto fromDc = Raw<decltype(FunctionTable::GdipCreateFromHDC)>("GdipCreateFromHDC");
  if (fromDc == nullptr) return Status::NotImplemented;
  if (graphics == nullptr) return Status::InvalidParameter;
  // Window 0 is the screen. Our windows are painted by the forms run time,
  // not through GDI+: any other window is libgdiplus's to answer.
  if (window != nullptr) {
    const auto raw = Raw<CreateFromWindow>(rawName);
    return raw != nullptr ? raw(window, graphics) : Status::NotImplemented;
  }
  HDC screen = ScreenDc();
  if (screen == nullptr) return Status::OutOfMemory;
  return fromDc(screen, graphics);
}

}  // namespace

Status CreateFromHWND(HWND window, GpGraphics** graphics) {
  return FromWindow("GdipCreateFromHWND", window, graphics);
}

Status CreateFromHWNDICM(HWND window, GpGraphics** graphics) {
  return FromWindow("GdipCreateFromHWNDICM", window, graphics);
}

}  // namespace charart::gdiplus::adapters
