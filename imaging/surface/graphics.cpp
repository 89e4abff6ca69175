// Graphics: the class itself, creation, deletion, rendering state, world and
// page transforms, coordinate conversion.
#include "imaging/surface/graphics.h"

#include "imaging/surface/point_array_buffer.h"

namespace charart::imaging {
namespace {

using gdiplus::GpGraphics;
using gdiplus::GpImage;
using gdiplus::GpMatrix;

}  // namespace

Graphics& Graphics::operator=(Graphics&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void Graphics::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> Graphics::Copy() const {
  auto copy = std::make_unique<Graphics>();
  copy->SetHandle(graphicsHandle);
  copy->MarkBorrowed();
  return copy;
}

void Graphics::OnHandleSet(Handle handle) {
  graphicsHandle = handle;
  OnDerivedHandleSet(graphicsHandle);
}

void Graphics::OnDerivedHandleSet(Handle /*handle*/) {}

bool Graphics::Delete() {
  return DeleteNative(graphicsHandle,
                      [&] { return Gdip().GdipDeleteGraphics(As<GpGraphics>(graphicsHandle)); });
}

void Graphics::Flush(std::optional<std::int32_t> intention) {
  (void)Gdip().GdipFlush(As<GpGraphics>(graphicsHandle), intention.value_or(0));
}

bool Graphics::CreateFromHWND(gdiplus::HWND window, std::optional<bool> useIcm) {
  const Status status =
      useIcm.value_or(false)
          ? Gdip().GdipCreateFromHWNDICM(window, OutHandle<GpGraphics>(graphicsHandle))
          : Gdip().GdipCreateFromHWND(window, OutHandle<GpGraphics>(graphicsHandle));
  return FinishCreate(status, graphicsHandle);
}

bool Graphics::CreateFromHDC(gdiplus::HDC dc, std::optional<gdiplus::HANDLE> device) {
  const Status status =
      device.has_value()
          ? Gdip().GdipCreateFromHDC2(dc, *device, OutHandle<GpGraphics>(graphicsHandle))
          : Gdip().GdipCreateFromHDC(dc, OutHandle<GpGraphics>(graphicsHandle));
  return FinishCreate(status, graphicsHandle);
}

bool Graphics::CreateFromImage(const GdiplusObject& image) {
  return FinishCreate(Gdip().GdipGetImageGraphicsContext(As<GpImage>(image.GetHandle()),
                                                         OutHandle<GpGraphics>(graphicsHandle)),
                      graphicsHandle);
}

gdiplus::HDC Graphics::GetDC() {
  gdiplus::HDC dc = nullptr;
  Record(Gdip().GdipGetDC(As<GpGraphics>(graphicsHandle), &dc));
  return dc;
}

bool Graphics::ReleaseDC(gdiplus::HDC dc) {
  return Record(Gdip().GdipReleaseDC(As<GpGraphics>(graphicsHandle), dc));
}

bool Graphics::GetRenderingOrigin(std::int32_t& x, std::int32_t& y) {
  return Record(Gdip().GdipGetRenderingOrigin(As<GpGraphics>(graphicsHandle), &x, &y));
}

bool Graphics::SetRenderingOrigin(std::int32_t x, std::int32_t y) {
  return Record(Gdip().GdipSetRenderingOrigin(As<GpGraphics>(graphicsHandle), x, y));
}

std::int32_t Graphics::GetCompositingMode() {
  std::int32_t mode = 0;
  Record(Gdip().GdipGetCompositingMode(As<GpGraphics>(graphicsHandle), &mode));
  return mode;
}

bool Graphics::SetCompositingMode(std::int32_t mode) {
  return Record(Gdip().GdipSetCompositingMode(As<GpGraphics>(graphicsHandle), mode));
}

std::int32_t Graphics::GetCompositingQuality() {
  std::int32_t quality = 0;
  Record(Gdip().GdipGetCompositingQuality(As<GpGraphics>(graphicsHandle), &quality));
  return quality;
}

bool Graphics::SetCompositingQuality(std::int32_t quality) {
  return Record(Gdip().GdipSetCompositingQuality(As<GpGraphics>(graphicsHandle), quality));
}

bool Graphics::SetTextRenderingHint(std::int32_t hint) {
  return Record(Gdip().GdipSetTextRenderingHint(As<GpGraphics>(graphicsHandle), hint));
}

std::int32_t Graphics::GetTextRenderingHint() {
  std::int32_t hint = 0;
  Record(Gdip().GdipGetTextRenderingHint(As<GpGraphics>(graphicsHandle), &hint));
  return hint;
}

bool Graphics::SetTextContrast(std::int32_t contrast) {
  return Record(Gdip().GdipSetTextContrast(As<GpGraphics>(graphicsHandle),
                                           static_cast<gdiplus::UINT>(contrast)));
}

std::int32_t Graphics::GetTextContrast() {
  gdiplus::UINT contrast = 0;
  Record(Gdip().GdipGetTextContrast(As<GpGraphics>(graphicsHandle), &contrast));
  return static_cast<std::int32_t>(contrast);
}

bool Graphics::SetInterpolationMode(std::int32_t mode) {
  return Record(Gdip().GdipSetInterpolationMode(As<GpGraphics>(graphicsHandle), mode));
}

std::int32_t Graphics::GetInterpolationMode() {
  std::int32_t mode = 0;
  Record(Gdip().GdipGetInterpolationMode(As<GpGraphics>(graphicsHandle), &mode));
  return mode;
}

bool Graphics::SetSmoothingMode(std::int32_t mode) {
  return Record(Gdip().GdipSetSmoothingMode(As<GpGraphics>(graphicsHandle), mode));
}

std::int32_t Graphics::GetSmoothingMode() {
  std::int32_t mode = 0;
  Record(Gdip().GdipGetSmoothingMode(As<GpGraphics>(graphicsHandle), &mode));
  return mode;
}

bool Graphics::SetPixelOffsetMode(std::int32_t mode) {
  return Record(Gdip().GdipSetPixelOffsetMode(As<GpGraphics>(graphicsHandle), mode));
}

std::int32_t Graphics::GetPixelOffsetMode() {
  std::int32_t mode = 0;
  Record(Gdip().GdipGetPixelOffsetMode(As<GpGraphics>(graphicsHandle), &mode));
  return mode;
}

bool Graphics::SetWorldTransform(const GdiplusObject& matrix) {
  return Record(Gdip().GdipSetWorldTransform(As<GpGraphics>(graphicsHandle),
                                             As<GpMatrix>(matrix.GetHandle())));
}

bool Graphics::GetWorldTransform(const GdiplusObject& matrix) {
  return Record(Gdip().GdipGetWorldTransform(As<GpGraphics>(graphicsHandle),
                                             As<GpMatrix>(matrix.GetHandle())));
}

bool Graphics::ResetWorldTransform() {
  return Record(Gdip().GdipResetWorldTransform(As<GpGraphics>(graphicsHandle)));
}

bool Graphics::MultiplyWorldTransform(const GdiplusObject& matrix,
                                      std::optional<std::int32_t> order) {
  return Record(Gdip().GdipMultiplyWorldTransform(
      As<GpGraphics>(graphicsHandle), As<GpMatrix>(matrix.GetHandle()), order.value_or(0)));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, std::optional<std::int32_t> order) {
  return Record(Gdip().GdipTranslateWorldTransform(As<GpGraphics>(graphicsHandle), dx, dy,
                                                   order.value_or(0)));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, std::optional<std::int32_t> order) {
  return Record(
      Gdip().GdipScaleWorldTransform(As<GpGraphics>(graphicsHandle), sx, sy, order.value_or(0)));
}

bool Graphics::ScaleWorldTransformAt(float sx, float sy, const PointF& center,
                                     std::optional<std::int32_t> order) {
  auto* graphics = As<GpGraphics>(graphicsHandle);
  const std::int32_t o = order.value_or(0);
  // Prepending, the last call acts first: the sequence reads backwards.
  const float firstX = o == 0 ? center.x : -center.x;
  const float firstY = o == 0 ? center.y : -center.y;
  Record(Gdip().GdipTranslateWorldTransform(graphics, firstX, firstY, o));
  Record(Gdip().GdipScaleWorldTransform(graphics, sx, sy, o));
  return Record(Gdip().GdipTranslateWorldTransform(graphics, -firstX, -firstY, o));
}

bool Graphics::RotateWorldTransform(float angle, std::optional<std::int32_t> order) {
  return Record(
      Gdip().GdipRotateWorldTransform(As<GpGraphics>(graphicsHandle), angle, order.value_or(0)));
}

bool Graphics::RotateWorldTransformAt(float angle, const PointF& center,
                                      std::optional<std::int32_t> order) {
  auto* graphics = As<GpGraphics>(graphicsHandle);
  const std::int32_t o = order.value_or(0);
  const float firstX = o == 0 ? center.x : -center.x;
  const float firstY = o == 0 ? center.y : -center.y;
  Record(Gdip().GdipTranslateWorldTransform(graphics, firstX, firstY, o));
  Record(Gdip().GdipRotateWorldTransform(graphics, angle, o));
  return Record(Gdip().GdipTranslateWorldTransform(graphics, -firstX, -firstY, o));
}

bool Graphics::SetPageUnit(std::int32_t unit) {
  return Record(Gdip().GdipSetPageUnit(As<GpGraphics>(graphicsHandle), unit));
}

std::int32_t Graphics::GetPageUnit() {
  std::int32_t unit = 0;
  Record(Gdip().GdipGetPageUnit(As<GpGraphics>(graphicsHandle), &unit));
  return unit;
}

bool Graphics::SetPageScale(float scale) {
  return Record(Gdip().GdipSetPageScale(As<GpGraphics>(graphicsHandle), scale));
}

float Graphics::GetPageScale() {
  float scale = 0;
  Record(Gdip().GdipGetPageScale(As<GpGraphics>(graphicsHandle), &scale));
  return scale;
}

float Graphics::GetDpiX() {
  float dpi = 0;
  Record(Gdip().GdipGetDpiX(As<GpGraphics>(graphicsHandle), &dpi));
  return dpi;
}

float Graphics::GetDpiY() {
  float dpi = 0;
  Record(Gdip().GdipGetDpiY(As<GpGraphics>(graphicsHandle), &dpi));
  return dpi;
}

bool Graphics::TransformPoints(std::int32_t destSpace, std::int32_t srcSpace,
                               values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](gdiplus::GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipTransformPoints(As<GpGraphics>(graphicsHandle), destSpace, srcSpace, buffer,
                                      count);
  }));
}

bool Graphics::TransformPointsI(std::int32_t destSpace, std::int32_t srcSpace,
                                values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](gdiplus::GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipTransformPointsI(As<GpGraphics>(graphicsHandle), destSpace, srcSpace, buffer,
                                       count);
  }));
}

Graphics::ArgbColor Graphics::GetNearestColor(ArgbColor& colour) {
  Record(Gdip().GdipGetNearestColor(As<GpGraphics>(graphicsHandle), &colour));
  return colour;
}

}  // namespace charart::imaging
