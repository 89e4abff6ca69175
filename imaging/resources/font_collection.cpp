#include "imaging/resources/font_collection.h"

#include <vector>

namespace charart::imaging {
namespace {

using gdiplus::GpFontCollection;
using gdiplus::GpFontFamily;

}  // namespace

FontCollection& FontCollection::operator=(FontCollection&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

std::unique_ptr<GdiplusObject> FontCollection::Copy() const {
  auto copy = std::make_unique<FontCollection>();
  copy->SetHandle(collectionHandle);
  copy->MarkBorrowed();
  return copy;
}

void FontCollection::OnHandleSet(Handle handle) {
  collectionHandle = handle;
  OnDerivedHandleSet(handle);
}

void FontCollection::OnDerivedHandleSet(Handle /*handle*/) {}

std::int32_t FontCollection::GetFamilyCount() {
  gdiplus::INT count = 0;
  Record(Gdip().GdipGetFontCollectionFamilyCount(As<GpFontCollection>(collectionHandle), &count));
  return count;
}

std::int32_t FontCollection::GetFamilyList(std::int32_t numSought,
                                           values::ValueArray<FontFamily>& families) {
  if (numSought <= 0) {
    Record(Status::InvalidParameter);
    return 0;
  }
  std::vector<Handle> handles(static_cast<std::size_t>(numSought), 0);
  // The old objects go first, then a fresh, empty FontFamily per position.
  families = values::ValueArray<FontFamily>(std::vector<FontFamily>());
  families = values::ValueArray<FontFamily>(std::vector<FontFamily>(handles.size()));
  gdiplus::INT numFound = 0;
  const bool ok = Record(Gdip().GdipGetFontCollectionFamilyList(
      As<GpFontCollection>(collectionHandle), numSought,
      reinterpret_cast<GpFontFamily**>(handles.data()), &numFound));
  if (ok) {
    for (std::int32_t i = 1; i <= numSought; ++i) families[i].SetHandle(handles[i - 1]);
  }
  return numFound;
}

}  // namespace charart::imaging
