#include "platform/win32/gdi_emulation.h"

#include <cstring>
#include <mutex>

#include "platform/gdiplus/gdiplus_api.h"

namespace charart::win32 {
namespace {

using gdiplus::Status;

constexpr gdiplus::PixelFormat kFormat32bppArgb = 0x26200A;

// The one stock object we have; its address is its handle.
struct StockFont {
  gdiplus::LOGFONTA logFont;
};

StockFont MakeDefaultGuiFont() {
  StockFont font{};
  font.logFont.lfHeight = -12;
  font.logFont.lfWeight = 400;
  font.logFont.lfCharSet = 134;                                 // GB2312_CHARSET
  std::memcpy(font.logFont.lfFaceName, "\xCB\xCE\xCC\xE5", 4);  // 宋体 in GBK
  return font;
}

const StockFont g_defaultGuiFont = MakeDefaultGuiFont();

// The emulated screen: a bitmap, a graphics on it, and that graphics' DC.
class Screen {
 public:
  static Screen& Instance() {
    static Screen* screen = new Screen;  // kept to the end: DCs may outlive statics
    return *screen;
  }

  gdiplus::HDC Acquire() {
    std::lock_guard lock(mutex_);
    if (users_ == 0 && !Create()) return nullptr;
    ++users_;
    return dc_;
  }

  bool Release(gdiplus::HDC dc) {
    std::lock_guard lock(mutex_);
    if (users_ == 0 || dc == nullptr || dc != dc_) return false;
    if (--users_ == 0) Destroy();
    return true;
  }

 private:
  bool Create() {
    const gdiplus::FunctionTable& api = gdiplus::Api();
    if (api.GdipCreateBitmapFromScan0(kScreenWidth, kScreenHeight, 0, kFormat32bppArgb, nullptr,
                                      &bitmap_) != Status::Ok) {
      bitmap_ = nullptr;
      return false;
    }
    if (api.GdipGetImageGraphicsContext(reinterpret_cast<gdiplus::GpImage*>(bitmap_), &graphics_) !=
        Status::Ok) {
      graphics_ = nullptr;
      Destroy();
      return false;
    }
    if (api.GdipGetDC(graphics_, &dc_) != Status::Ok) {
      dc_ = nullptr;
      Destroy();
      return false;
    }
    return true;
  }

  void Destroy() {
    const gdiplus::FunctionTable& api = gdiplus::Api();
    if (dc_ != nullptr) api.GdipReleaseDC(graphics_, dc_);
    if (graphics_ != nullptr) api.GdipDeleteGraphics(graphics_);
    if (bitmap_ != nullptr) api.GdipDisposeImage(reinterpret_cast<gdiplus::GpImage*>(bitmap_));
    dc_ = nullptr;
    graphics_ = nullptr;
    bitmap_ = nullptr;
  }

  std::mutex mutex_;
  int users_ = 0;
  gdiplus::GpBitmap* bitmap_ = nullptr;
  gdiplus::GpGraphics* graphics_ = nullptr;
  gdiplus::HDC dc_ = nullptr;
};

}  // namespace

void* GetStockObject(std::int32_t object) {
  if (object != DEFAULT_GUI_FONT) return nullptr;
  return const_cast<StockFont*>(&g_defaultGuiFont);
}

std::int32_t GetObjectA(void* object, std::int32_t bytes, void* buffer) {
  constexpr auto kSize = static_cast<std::int32_t>(sizeof(gdiplus::LOGFONTA));
  if (object != &g_defaultGuiFont) return 0;
  if (buffer == nullptr) return kSize;
  if (bytes < kSize) return 0;
  std::memcpy(buffer, &g_defaultGuiFont.logFont, sizeof(gdiplus::LOGFONTA));
  return kSize;
}

gdiplus::HDC GetDC(gdiplus::HWND window) {
  if (window != nullptr) return nullptr;
  return Screen::Instance().Acquire();
}

std::int32_t ReleaseDC(gdiplus::HWND window, gdiplus::HDC dc) {
  if (window != nullptr) return 0;
  return Screen::Instance().Release(dc) ? 1 : 0;
}

}  // namespace charart::win32
