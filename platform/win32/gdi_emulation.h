// The few GDI and window-system calls of the font and graphics classes: the
// stock GUI font (宋体, height -12) and a screen device context.
//
// libgdiplus takes an HDC to be a GpGraphics* that GdipGetDC handed out:
// GdipCreateFromHDC of such a context makes a new graphics on the same bitmap,
// and GdipCreateFontFromLogfontA only needs it to be non-null. So the screen
// is emulated as a small 32-bit ARGB bitmap (kScreenWidth x kScreenHeight) with
// a graphics whose GdipGetDC context is the screen DC; libgdiplus gives it the
// display resolution, 96 DPI. The screen is made by the first GetDC(0) and
// released with the last ReleaseDC. GDI+ must be running (GdiplusStartup) for
// GetDC to succeed, and every context must be released before GdiplusShutdown.
#pragma once

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

inline constexpr std::int32_t DEFAULT_GUI_FONT = 17;
inline constexpr std::int32_t kScreenWidth = 64;
inline constexpr std::int32_t kScreenHeight = 64;

// The stock object; null for objects we do not emulate.
void* GetStockObject(std::int32_t object);
// Fills `buffer` with the 60-byte LOGFONTA of a font object (the stock GUI
// font: 宋体 as GBK bytes, height -12, weight 400, GB2312 character set) and
// returns 60; with a null buffer returns 60 and writes nothing. 0 for an
// unknown object or a buffer shorter than 60 bytes.
std::int32_t GetObjectA(void* object, std::int32_t bytes, void* buffer);
// The screen's device context for window 0 (the same context for every
// caller, counted); null for other windows or when GDI+ cannot make it.
gdiplus::HDC GetDC(gdiplus::HWND window);
// Releases a context from GetDC; 1 on success, 0 for a context that is not
// held. The last release frees the screen's bitmap and graphics.
std::int32_t ReleaseDC(gdiplus::HWND window, gdiplus::HDC dc);

}  // namespace charart::win32
