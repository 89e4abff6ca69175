// Bitmap: the class itself, its handles, Dispose, Destroy and Copy.
#include "imaging/core/bitmap.h"

#include <utility>

#include "imaging/core/bitmap_internal.h"

namespace charart::imaging {

using bitmap_detail::GpImage;

Bitmap::Bitmap()
    : imageStream(std::make_unique<MemoryStream>()),
      bitmapStream(std::make_unique<MemoryStream>()) {}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : imageStream(std::make_unique<MemoryStream>()),
      bitmapStream(std::make_unique<MemoryStream>()) {
  TakeFrom(other);
  std::swap(imageStream, other.imageStream);
  std::swap(bitmapStream, other.bitmapStream);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
    std::swap(imageStream, other.imageStream);
    std::swap(bitmapStream, other.bitmapStream);
  }
  return *this;
}

Bitmap::~Bitmap() {
  Bitmap::Destroy();
}

void Bitmap::Destroy() {
  Dispose();
  imageStream->Release();
  bitmapStream->Release();
}

std::unique_ptr<GdiplusObject> Bitmap::Copy() const {
  auto copy = std::make_unique<Bitmap>();
  copy->SetHandle(bitmapHandle);
  copy->MarkBorrowed();
  return copy;
}

void Bitmap::OnHandleSet(Handle handle) {
  imageHandle = handle;
  OnDerivedHandleSet(imageHandle);
}

void Bitmap::OnDerivedHandleSet(Handle handle) {
  bitmapHandle = handle;
}

bool Bitmap::Dispose() {
  return DeleteNative(bitmapHandle, [&] {
    bitmapStream->Release();
    return Gdip().GdipDisposeImage(As<GpImage>(bitmapHandle));
  });
}

bool Bitmap::HandTo(gdiplus::Status status, const Handle& local, Bitmap& target) {
  const Handle previous = target.bitmapHandle;
  const bool owned = !target.IsBorrowed();
  const bool ok = HandOver(status, local, target);
  if (owned && previous != 0 && previous != local) {
    // The image the target held is no longer referenced by anything: give it
    // back, without disturbing the status of the call that replaced it.
    target.bitmapStream->Release();
    Gdip().GdipDisposeImage(As<GpImage>(previous));
  }
  return ok;
}

}  // namespace charart::imaging
