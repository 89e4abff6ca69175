// GdiplusObject: the common base of the nine wrapper classes over GDI+
// objects, and LastStatus, the status word every recording call writes.
//
// An object is empty (handle 0) or holds one native GDI+ object. SetHandle is
// the one path that writes the handle: it stores nativeHandle and calls
// OnHandleSet, through which each class writes its own mirror member(s).
// A create operation passes the address of the class's deepest mirror to GDI+
// and then calls SetHandle with what GDI+ left there, also after a failure.
// A delete operation on an empty object makes no call and leaves LastStatus
// alone.
//
// Objects are not copyable by accident: copying is deleted; a class that
// allows moving transfers the handle with TakeFrom. Copy() exists for the contract and returns a
// *borrowing* copy: it names the same native object but never releases it (its destruction and its
// delete operation only forget the handle), so one native object is never released twice.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gdiplus/gdiplus_api.h"

namespace charart::imaging {

using Handle = std::uintptr_t;
using gdiplus::Status;

// The GDI+ status of the most recent recording wrapper call on this thread;
// 0 is Ok. One word per thread, so batch callers may use threads.
inline thread_local std::int32_t LastStatus = 0;

// The one choke point: stores `status` in LastStatus and answers whether it
// is Ok. Every recording operation goes through it.
bool Record(Status status);

// The flat functions, as the wrappers call them.
inline const gdiplus::FunctionTable& Gdip() {
  return gdiplus::Api();
}

// A handle as the native pointer type a flat function takes, and the address
// of a handle member as the output parameter a create function writes.
template <typename T>
T* As(Handle handle) {
  return reinterpret_cast<T*>(handle);
}
template <typename T>
T** OutHandle(Handle& handle) {
  return reinterpret_cast<T**>(&handle);
}

class GdiplusObject {
 public:
  GdiplusObject() = default;
  virtual ~GdiplusObject() = default;
  GdiplusObject(const GdiplusObject&) = delete;
  GdiplusObject& operator=(const GdiplusObject&) = delete;

  // 0: releases what the object owns (each class supplies its own).
  virtual void Destroy() {}
  // 1: a borrowing copy of the same class (see above).
  virtual std::unique_ptr<GdiplusObject> Copy() const = 0;
  // 2
  virtual Handle GetHandle() const { return nativeHandle; }
  // 3: stores the handle, then lets the class mirror it. The object owns the
  // handle it is given.
  virtual void SetHandle(Handle handle);
  // 4: writes the class's own mirror member(s).
  virtual void OnHandleSet(Handle handle) = 0;
  // 5, 6: GDI+'s allocator. Neither touches LastStatus.
  virtual void* Alloc(std::int32_t size);
  virtual void Free(void* address);

  bool IsBorrowed() const { return borrowed_; }

 protected:
  // Moves: the class's move operations call this; `other` ends empty.
  void TakeFrom(GdiplusObject& other);

  // The create pattern: records `status`, hands the mirror's value to
  // SetHandle whatever the status, answers whether it was Ok. The mirror is
  // taken by reference and read only here, so `FinishCreate(GdipCreateX(...,
  // OutHandle(mirror)), mirror)` sees what GDI+ wrote whatever order the
  // compiler evaluates the two arguments in.
  bool FinishCreate(Status status, const Handle& mirror);
  // The output convention for another object (Clone targets and the like);
  // `local` is read by reference for the same reason.
  static bool HandOver(Status status, const Handle& local, GdiplusObject& target);
  // The delete pattern around the class's delete call.
  template <typename DeleteCall>
  bool DeleteNative(Handle mirror, DeleteCall deleteCall) {
    if (mirror == 0) return false;
    if (borrowed_) {
      SetHandle(0);
      return false;
    }
    const bool ok = Record(deleteCall());
    SetHandle(0);
    return ok;
  }
  // Marks a fresh Copy() result as borrowing.
  void MarkBorrowed() { borrowed_ = true; }

  Handle nativeHandle = 0;

 private:
  bool borrowed_ = false;
};

}  // namespace charart::imaging
