// Bitmap: effects and free rotation.
#include <cmath>

#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"

namespace charart::imaging {

using bitmap_detail::GpBitmap;
using bitmap_detail::GpImage;

bool Bitmap::ApplyEffect(Effect& effect, std::optional<gdiplus::RECT> area) {
  if (effect.AuxData() != 0) Gdip().GdipFree(reinterpret_cast<void*>(effect.AuxData()));
  const Handle native = effect.GetNativeEffect();
  const std::int32_t use = effect.UseAuxData();
  void* aux = nullptr;
  gdiplus::INT auxSize = 0;
  const bool ok = Record(
      Gdip().GdipBitmapApplyEffect(As<GpBitmap>(bitmapHandle), As<gdiplus::CGpEffect>(native),
                                   area ? &*area : nullptr, use, &aux, &auxSize));
  effect.AuxData(reinterpret_cast<Handle>(aux));
  effect.AuxDataSize(auxSize);
  return ok;
}

void Bitmap::GetRotatedSize(float width, float height, std::int32_t angle, float& newWidth,
                            float& newHeight) {
  const auto rad = static_cast<float>(angle * 3.1415926535 / 180);
  const auto s = static_cast<float>(std::sin(rad));
  const auto c = static_cast<float>(std::cos(rad));
  // The corners are the centres of the corner pixels.
  const auto hw = static_cast<float>((width - 1.0) / 2);
  const auto hh = static_cast<float>((height - 1.0) / 2);
  struct Corner {
    float x, y;
  };
  const Corner corners[4] = {{-hw, hh}, {hw, hh}, {-hw, -hh}, {hw, -hh}};
  Corner rotated[4];
  for (int i = 0; i < 4; ++i) {
    rotated[i].x = static_cast<float>(double(c) * corners[i].x + double(s) * corners[i].y);
    rotated[i].y = static_cast<float>(-double(s) * corners[i].x + double(c) * corners[i].y);
  }
  const float w1 = std::fabs(rotated[3].x - rotated[0].x);
  const float w2 = std::fabs(rotated[2].x - rotated[1].x);
  const float h1 = std::fabs(rotated[3].y - rotated[0].y);
  const float h2 = std::fabs(rotated[2].y - rotated[1].y);
  newWidth = w1 > w2 ? w1 : w2;
  newHeight = h1 > h2 ? h1 : h2;
}

bool Bitmap::Rotate(float angle, Bitmap& target, std::optional<ArgbColor> background,
                    std::optional<std::int32_t> interpolation, std::optional<SizeF> size) {
  const auto& api = Gdip();
  gdiplus::UINT w = 0;
  gdiplus::UINT h = 0;
  api.GdipGetImageWidth(As<GpImage>(bitmapHandle), &w);
  api.GdipGetImageHeight(As<GpImage>(bitmapHandle), &h);
  float canvasWidth = 0;
  float canvasHeight = 0;
  if (size) {
    canvasWidth = size->width;
    canvasHeight = size->height;
  } else {
    GetRotatedSize(static_cast<float>(w), static_cast<float>(h), static_cast<std::int32_t>(angle),
                   canvasWidth, canvasHeight);
  }

  Handle rotated = 0;
  if (!Record(api.GdipCreateBitmapFromScan0(
          static_cast<gdiplus::INT>(canvasWidth), static_cast<gdiplus::INT>(canvasHeight), 0,
          kPixelFormat32bppArgb, nullptr, OutHandle<GpBitmap>(rotated)))) {
    return false;
  }
  gdiplus::REAL dpiX = 0;
  gdiplus::REAL dpiY = 0;
  api.GdipGetImageHorizontalResolution(As<GpImage>(bitmapHandle), &dpiX);
  api.GdipGetImageVerticalResolution(As<GpImage>(bitmapHandle), &dpiY);
  api.GdipBitmapSetResolution(As<GpBitmap>(rotated), dpiX, dpiY);

  gdiplus::GpGraphics* graphics = nullptr;
  if (!Record(api.GdipGetImageGraphicsContext(As<GpImage>(rotated), &graphics))) {
    api.GdipDisposeImage(As<GpImage>(rotated));
    return false;
  }
  if (background) {
    gdiplus::GpSolidFill* brush = nullptr;
    if (!Record(api.GdipCreateSolidFill(*background, &brush))) {
      api.GdipDisposeImage(As<GpImage>(rotated));
      api.GdipDeleteGraphics(graphics);
      return false;
    }
    api.GdipFillRectangle(graphics, reinterpret_cast<gdiplus::GpBrush*>(brush), 0, 0, canvasWidth,
                          canvasHeight);
    api.GdipDeleteBrush(reinterpret_cast<gdiplus::GpBrush*>(brush));
  }
  if (interpolation) api.GdipSetInterpolationMode(graphics, *interpolation);
  gdiplus::GpMatrix* matrix = nullptr;
  if (!Record(api.GdipCreateMatrix(&matrix))) {
    api.GdipDisposeImage(As<GpImage>(rotated));
    api.GdipDeleteGraphics(graphics);
    return false;
  }
  // Prepended steps: the source is first centred on the canvas, then turned
  // about the canvas centre.
  const float cx = canvasWidth / 2;
  const float cy = canvasHeight / 2;
  constexpr gdiplus::INT kPrepend = 0;
  api.GdipTranslateMatrix(matrix, cx, cy, kPrepend);
  api.GdipRotateMatrix(matrix, angle, kPrepend);
  api.GdipTranslateMatrix(matrix, -cx, -cy, kPrepend);
  api.GdipTranslateMatrix(matrix, static_cast<float>((canvasWidth - double(w)) / 2),
                          static_cast<float>((canvasHeight - double(h)) / 2), kPrepend);
  api.GdipSetWorldTransform(graphics, matrix);
  const gdiplus::Status drawn = api.GdipDrawImage(graphics, As<GpImage>(bitmapHandle), 0, 0);
  api.GdipResetWorldTransform(graphics);
  api.GdipDeleteMatrix(matrix);
  api.GdipDeleteGraphics(graphics);
  return HandTo(drawn, rotated, target);
}

}  // namespace charart::imaging
