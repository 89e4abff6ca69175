// The few GDI and window-system calls of the font and graphics classes:
// the stock GUI font (宋体, height -12) and a screen device context at 96 DPI.
#pragma once

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::win32 {

inline constexpr std::int32_t DEFAULT_GUI_FONT = 17;

// The stock object; null for objects we do not emulate.
void* GetStockObject(std::int32_t object);
// Fills `buffer` with the LOGFONTA of a font object (the stock GUI font);
// returns the bytes written, 0 for an unknown object or a short buffer.
std::int32_t GetObjectA(void* object, std::int32_t bytes, void* buffer);
// The screen's device context for window 0; something libgdiplus can
// create a graphics on and measure with. Null for other windows.
gdiplus::HDC GetDC(gdiplus::HWND window);
// Releases a context from GetDC; 1 on success, 0 otherwise.
std::int32_t ReleaseDC(gdiplus::HWND window, gdiplus::HDC dc);

}  // namespace charart::win32
