#include "imaging/core/gdiplus_session.h"

#include "imaging/core/gdiplus_object.h"

namespace charart::imaging {

std::uintptr_t GdiplusToken = 0;

std::uintptr_t StartGdiplus(std::optional<std::int32_t> version) {
  const gdiplus::GdiplusStartupInput input{static_cast<gdiplus::UINT>(version.value_or(1)), nullptr,
                                           0, 0};
  gdiplus::ULONG_PTR token = 0;
  Gdip().GdiplusStartup(&token, &input, nullptr);
  GdiplusToken = token;
  return token;
}

void StopGdiplus(std::optional<std::uintptr_t> token) {
  std::uintptr_t stopping = 0;
  if (token) {
    stopping = *token;
  } else {
    stopping = GdiplusToken;
    GdiplusToken = 0;
  }
  if (stopping != 0) Gdip().GdiplusShutdown(stopping);
}

}  // namespace charart::imaging
