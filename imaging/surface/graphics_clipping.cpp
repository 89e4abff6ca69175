// Graphics: the clip, visibility tests, saved states, containers and
// metafile comments.
#include "imaging/surface/graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::GpGraphics;
using gdiplus::GpPath;
using gdiplus::GpRect;
using gdiplus::GpRectF;
using gdiplus::GpRegion;

}  // namespace

bool Graphics::SetClipGraphics(const GdiplusObject& graphics,
                               std::optional<std::int32_t> combineMode) {
  return Record(Gdip().GdipSetClipGraphics(As<GpGraphics>(graphicsHandle),
                                           As<GpGraphics>(graphics.GetHandle()),
                                           combineMode.value_or(0)));
}

bool Graphics::SetClipPath(const GdiplusObject& path, std::optional<std::int32_t> combineMode) {
  return Record(Gdip().GdipSetClipPath(As<GpGraphics>(graphicsHandle), As<GpPath>(path.GetHandle()),
                                       combineMode.value_or(0)));
}

bool Graphics::SetClipRect(float x, float y, float width, float height,
                           std::optional<std::int32_t> combineMode) {
  return Record(Gdip().GdipSetClipRect(As<GpGraphics>(graphicsHandle), x, y, width, height,
                                       combineMode.value_or(0)));
}

bool Graphics::SetClipRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                            std::optional<std::int32_t> combineMode) {
  return Record(Gdip().GdipSetClipRectI(As<GpGraphics>(graphicsHandle), x, y, width, height,
                                        combineMode.value_or(0)));
}

bool Graphics::SetClipRegion(const GdiplusObject& region, std::optional<std::int32_t> combineMode) {
  return Record(Gdip().GdipSetClipRegion(
      As<GpGraphics>(graphicsHandle), As<GpRegion>(region.GetHandle()), combineMode.value_or(0)));
}

bool Graphics::SetClipHrgn(gdiplus::HRGN hrgn, std::optional<std::int32_t> combineMode) {
  return Record(
      Gdip().GdipSetClipHrgn(As<GpGraphics>(graphicsHandle), hrgn, combineMode.value_or(0)));
}

bool Graphics::ResetClip() {
  return Record(Gdip().GdipResetClip(As<GpGraphics>(graphicsHandle)));
}

bool Graphics::TranslateClip(float dx, float dy) {
  return Record(Gdip().GdipTranslateClip(As<GpGraphics>(graphicsHandle), dx, dy));
}

bool Graphics::TranslateClipI(std::int32_t dx, std::int32_t dy) {
  return Record(Gdip().GdipTranslateClipI(As<GpGraphics>(graphicsHandle), dx, dy));
}

bool Graphics::GetClip(const GdiplusObject& region) {
  return Record(
      Gdip().GdipGetClip(As<GpGraphics>(graphicsHandle), As<GpRegion>(region.GetHandle())));
}

RectF Graphics::GetClipBounds() {
  RectF bounds{};
  Record(Gdip().GdipGetClipBounds(As<GpGraphics>(graphicsHandle), AsFlat<GpRectF>(&bounds)));
  return bounds;
}

Rect Graphics::GetClipBoundsI() {
  Rect bounds{};
  Record(Gdip().GdipGetClipBoundsI(As<GpGraphics>(graphicsHandle), AsFlat<GpRect>(&bounds)));
  return bounds;
}

RectF Graphics::GetVisibleClipBounds() {
  RectF bounds{};
  Record(Gdip().GdipGetVisibleClipBounds(As<GpGraphics>(graphicsHandle), AsFlat<GpRectF>(&bounds)));
  return bounds;
}

Rect Graphics::GetVisibleClipBoundsI() {
  Rect bounds{};
  Record(Gdip().GdipGetVisibleClipBoundsI(As<GpGraphics>(graphicsHandle), AsFlat<GpRect>(&bounds)));
  return bounds;
}

bool Graphics::IsClipEmpty() {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsClipEmpty(As<GpGraphics>(graphicsHandle), &result));
  return result != 0;
}

bool Graphics::IsVisibleClipEmpty() {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleClipEmpty(As<GpGraphics>(graphicsHandle), &result));
  return result != 0;
}

bool Graphics::IsVisiblePoint(float x, float y) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisiblePoint(As<GpGraphics>(graphicsHandle), x, y, &result));
  return result != 0;
}

bool Graphics::IsVisiblePointI(std::int32_t x, std::int32_t y) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisiblePointI(As<GpGraphics>(graphicsHandle), x, y, &result));
  return result != 0;
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRect(As<GpGraphics>(graphicsHandle), x, y, width, height, &result));
  return result != 0;
}

bool Graphics::IsVisibleRectI(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
  gdiplus::BOOL result = 0;
  Record(Gdip().GdipIsVisibleRectI(As<GpGraphics>(graphicsHandle), x, y, width, height, &result));
  return result != 0;
}

std::int32_t Graphics::Save() {
  gdiplus::UINT state = 0;
  Record(Gdip().GdipSaveGraphics(As<GpGraphics>(graphicsHandle), &state));
  return static_cast<std::int32_t>(state);
}

bool Graphics::Restore(std::int32_t state) {
  return Record(Gdip().GdipRestoreGraphics(As<GpGraphics>(graphicsHandle),
                                           static_cast<gdiplus::UINT>(state)));
}

std::int32_t Graphics::BeginContainer(const RectF& dstRect, const RectF& srcRect,
                                      std::optional<std::int32_t> unit) {
  gdiplus::UINT state = 0;
  Record(Gdip().GdipBeginContainer(As<GpGraphics>(graphicsHandle), AsFlat<GpRectF>(&dstRect),
                                   AsFlat<GpRectF>(&srcRect), unit.value_or(0), &state));
  return static_cast<std::int32_t>(state);
}

std::int32_t Graphics::BeginContainerI(const Rect& dstRect, const Rect& srcRect,
                                       std::optional<std::int32_t> unit) {
  gdiplus::UINT state = 0;
  Record(Gdip().GdipBeginContainerI(As<GpGraphics>(graphicsHandle), AsFlat<GpRect>(&dstRect),
                                    AsFlat<GpRect>(&srcRect), unit.value_or(0), &state));
  return static_cast<std::int32_t>(state);
}

std::int32_t Graphics::BeginContainer2() {
  gdiplus::UINT state = 0;
  Record(Gdip().GdipBeginContainer2(As<GpGraphics>(graphicsHandle), &state));
  return static_cast<std::int32_t>(state);
}

bool Graphics::EndContainer(std::int32_t state) {
  return Record(
      Gdip().GdipEndContainer(As<GpGraphics>(graphicsHandle), static_cast<gdiplus::UINT>(state)));
}

bool Graphics::Comment(const values::ByteSet& data) {
  return Record(Gdip().GdipComment(As<GpGraphics>(graphicsHandle),
                                   static_cast<gdiplus::UINT>(data.Length()), data.Data()));
}

}  // namespace charart::imaging
