// One start-render-stop cycle of GDI+, as a whole program: starts GDI+,
// draws a short text in 宋体 on a bitmap through the flat API, prints one
// line, and stops GDI+. scripts/stress-shutdown runs it thousands of times
// and counts the runs that did not end cleanly with their line printed.
//
//   charart_shutdown_stress          stops through StopGdiplus (our adapter)
//   charart_shutdown_stress --raw    stops with libgdiplus's own
//                                    GdiplusShutdown, for comparison
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "imaging/core/gdiplus_session.h"
#include "platform/gdiplus/gdiplus_api.h"

namespace {

using namespace charart::gdiplus;

// Draws "字符画" and counts the inked pixels; -1 when a step fails.
int RenderAndCountInk() {
  const FunctionTable& api = Api();
  constexpr INT kWidth = 64;
  constexpr INT kHeight = 16;
  GpBitmap* bitmap = nullptr;
  GpGraphics* graphics = nullptr;
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpSolidFill* brush = nullptr;
  int ink = -1;
  if (api.GdipCreateBitmapFromScan0(kWidth, kHeight, 0, 0x26200A, nullptr, &bitmap) ==
          Status::Ok &&
      api.GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics) ==
          Status::Ok &&
      api.GdipCreateFontFamilyFromName(u"宋体", nullptr, &family) == Status::Ok &&
      api.GdipCreateFont(family, 12, 0, 2, &font) == Status::Ok &&
      api.GdipCreateSolidFill(0xFF000000u, &brush) == Status::Ok) {
    const GpRectF layout{0, 0, kWidth, kHeight};
    if (api.GdipDrawString(graphics, u"字符画", -1, font, &layout, nullptr,
                           reinterpret_cast<GpBrush*>(brush)) == Status::Ok) {
      ink = 0;
      for (INT y = 0; y < kHeight; ++y) {
        for (INT x = 0; x < kWidth; ++x) {
          ARGB colour = 0;
          api.GdipBitmapGetPixel(bitmap, x, y, &colour);
          if (colour != 0) ++ink;
        }
      }
    }
  }
  if (brush != nullptr) api.GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
  if (font != nullptr) api.GdipDeleteFont(font);
  if (family != nullptr) api.GdipDeleteFontFamily(family);
  if (graphics != nullptr) api.GdipDeleteGraphics(graphics);
  if (bitmap != nullptr) api.GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
  return ink;
}

}  // namespace

int main(int argc, char** argv) {
  const bool raw = argc > 1 && std::strcmp(argv[1], "--raw") == 0;
  const std::uintptr_t token = charart::imaging::StartGdiplus();
  if (token == 0) {
    std::fprintf(stderr, "charart_shutdown_stress: GDI+ did not start\n");
    return 2;
  }
  const int ink = RenderAndCountInk();
  // Left in stdio's buffer on purpose: a crash in the shut-down loses it.
  std::printf("rendered 字符画: %d inked pixels\n", ink);
  if (raw) {
    using Shutdown = void (*)(ULONG_PTR);
    reinterpret_cast<Shutdown>(RawSymbol("GdiplusShutdown"))(token);
    charart::imaging::GdiplusToken = 0;
  } else {
    charart::imaging::StopGdiplus();
  }
  return ink > 0 ? 0 : 3;
}
