// FontCollection: wraps one GDI+ font collection, counts its families and
// hands them out as FontFamily objects. It never creates or deletes a native
// collection: an object holds one only when a caller gives it a handle through
// SetHandle, and destroying it makes no GDI+ call. An object without a
// collection stands for "no collection" (a null collection) where a family is
// made by name.
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/core/gdiplus_object.h"
#include "imaging/resources/font_family.h"
#include "values/value_array.h"

namespace charart::imaging {

class FontCollection : public GdiplusObject {
 public:
  FontCollection() = default;
  FontCollection(FontCollection&& other) noexcept { TakeFrom(other); }
  FontCollection& operator=(FontCollection&& other) noexcept;
  ~FontCollection() override { FontCollection::Destroy(); }

  // 0: nothing on the GDI+ side.
  void Destroy() override {}
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4: writes collectionHandle, then the derived hook.
  void OnHandleSet(Handle handle) override;
  // 7: a hook for a derived level; does nothing here.
  virtual void OnDerivedHandleSet(Handle handle);
  // 8
  [[nodiscard]] virtual std::int32_t GetFamilyCount();
  // 9: replaces `families` by numSought fresh FontFamily objects and gives
  // the first numFound of them the collection's family handles (not clones;
  // the rest hold 0). numSought <= 0 records InvalidParameter and returns 0
  // without a call, leaving `families` alone.
  virtual std::int32_t GetFamilyList(std::int32_t numSought,
                                     values::ValueArray<FontFamily>& families);

  Handle collectionHandle = 0;
};

}  // namespace charart::imaging
