#include "imaging/resources/solid_brush.h"

namespace charart::imaging {
namespace {

using gdiplus::GpBrush;
using gdiplus::GpSolidFill;

}  // namespace

void Brush::OnHandleSet(Handle handle) {
  brushHandle = handle;
  OnDerivedHandleSet(handle);
}

bool Brush::Delete() {
  return DeleteNative(brushHandle,
                      [&] { return Gdip().GdipDeleteBrush(As<GpBrush>(brushHandle)); });
}

bool Brush::Clone(GdiplusObject& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipCloneBrush(As<GpBrush>(brushHandle), OutHandle<GpBrush>(local)), local,
                  target);
}

std::int32_t Brush::GetType() {
  gdiplus::INT type = 0;
  Record(Gdip().GdipGetBrushType(As<GpBrush>(brushHandle), &type));
  return type;
}

SolidBrush& SolidBrush::operator=(SolidBrush&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void SolidBrush::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> SolidBrush::Copy() const {
  auto copy = std::make_unique<SolidBrush>();
  copy->SetHandle(solidBrushHandle);
  copy->MarkBorrowed();
  return copy;
}

void SolidBrush::OnDerivedHandleSet(Handle handle) {
  solidBrushHandle = handle;
}

bool SolidBrush::Create(ArgbColor colour) {
  return FinishCreate(Gdip().GdipCreateSolidFill(colour, OutHandle<GpSolidFill>(solidBrushHandle)),
                      solidBrushHandle);
}

bool SolidBrush::SetColor(ArgbColor colour) {
  return Record(Gdip().GdipSetSolidFillColor(As<GpSolidFill>(solidBrushHandle), colour));
}

ArgbColor SolidBrush::GetColor() {
  gdiplus::ARGB colour = 0;
  Record(Gdip().GdipGetSolidFillColor(As<GpSolidFill>(solidBrushHandle), &colour));
  return colour;
}

}  // namespace charart::imaging
